#include "graphs/clear_labels.h"

#include <algorithm>
#include <cmath>

namespace pave::graphs {

namespace {
constexpr float kDrop = 40;   // at most between a band's top and its text
}  // namespace

float BandTextDrop(float top, float bottom, float line_height) {
  return std::clamp((bottom - top - line_height) / 2, 0.0f, kDrop);
}

float ClearLabels::Write(std::string_view text, int colour, float jcol, float jrow) {
  const DrawingSurface& s = kit_.Surface();
  const float width = static_cast<float>(s.TextWidth(text)), height = static_cast<float>(s.TextHeight());
  // The rows that just clear one of the labels before, nearest first.
  std::vector<float> rows = {jrow};
  for (const PageBox& t : taken_.Texts()) {
    rows.push_back(t.top - kTextGap - height);
    rows.push_back(t.bottom + kTextGap);
  }
  std::stable_sort(rows.begin(), rows.end(),
                   [&](float a, float b) { return std::fabs(a - jrow) < std::fabs(b - jrow); });
  float row = jrow;
  for (float r : rows) {
    if (taken_.Clear({jcol, r, jcol + width, r + height})) {
      row = r;
      break;
    }
  }
  taken_.AddText({jcol, row, jcol + width, row + height});
  kit_.QGTxtX(text, colour, jcol, row);
  return row;
}

float YSymmetryColumn(const DrawingSurface& surface, float edge) {
  return edge - (kYNumberGap + kNodeMarkRadius) / 2 - static_cast<float>(surface.TextWidth("m")) / 2;
}

void ClearLabels::XSymmetry(float edge_right, float edge_y, float page_right, float jcol, float jrow) {
  const char* const text = "symmetry";
  const DrawingSurface& s = kit_.Surface();
  const float left = edge_right + 100, width = static_cast<float>(s.TextWidth(text));
  if (left + width <= page_right) {
    Write(text, 0, left, edge_y - static_cast<float>(s.TextHeight()) / 2);
  } else {
    Write(text, 0, jcol, jrow);
  }
}

}  // namespace pave::graphs
