#include "layered_analysis/integration_constants.h"

namespace pave::layered {

const float GX[5] = {0.0f, -0.861136f, -0.339981f, 0.339981f, 0.861136f};
// The outer weights are 0.347854 so that the four weights add up to 1.999998.
const float GW[5] = {0.0f, 0.347854f, 0.652145f, 0.652145f, 0.347854f};

const float AM[46] = {0.0f,
    0.33333f,  0.66666f,  1.0f,      1.46827f,  1.93654f,  2.40483f,  3.11827f,  3.83171f,  5.52008f,
    7.01559f,  8.65373f,  10.17347f, 11.79153f, 13.32369f, 14.93092f, 16.47063f, 18.07106f, 19.61586f,
    21.21164f, 22.76008f, 24.35247f, 25.90367f, 27.49348f, 29.04683f, 30.63461f, 32.18968f, 33.77582f,
    35.33231f, 36.91710f, 38.47477f, 40.05843f, 41.61709f, 43.19979f, 44.75932f, 46.34119f, 47.90146f,
    49.48261f, 51.04354f, 52.62405f, 54.18555f, 55.76551f, 57.32753f, 58.90698f, 60.46946f, 62.04847f};

float Breakpoint(int IC) {
  if (IC >= 1 && IC <= 45) return AM[IC];
  const float beta = static_cast<float>((2.0 * IC - 11.0) * 3.141593);
  const double b = static_cast<double>(beta);
  if (IC % 2 != 0) return static_cast<float>(0.25 * b * (1.0 + 2.0 / (b * b)));
  return static_cast<float>(0.25 * b * (1.0 - 6.0 / (b * b)));
}

}  // namespace pave::layered
