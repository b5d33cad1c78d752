#include "layered_editor/layered_checks.h"

#include "layered_editor/layered_data_set.h"

namespace pave {

std::optional<std::string> LayeredCompletenessProblem() {
  const float MATL = gLayeredGeneral(1, gen::MATL);
  const bool nonlinear = MATL == 2 || MATL == 4;
  const bool visco = MATL == 3 || MATL == 4;
  if (gLayeredLayer(1, 1, 1).Number() == 0)
    return "You forgot to enter the layer thickness by clicking the Layer menu.";
  if (MATL < 3 && gLayeredE(1, 1, 1).Number() == 0)
    return "You forgot to enter the elastic modulus by clicking the moduli menu.";
  if (gLayeredLoad(1, 1, ld::CR).Number() == 0) return "You forgot to enter the load by clicking the Load menu.";
  if (nonlinear && gLayeredNonseasonal(1, 1, 1).Number() == 0)
    return "You forgot to enter the Nonseasonal Information by clicking the Nonlinear\\Nonseasonal menu.";
  if (nonlinear && gLayeredSeasonal(1, 1, 1, 2).Number() == 0)
    return "You forgot to enter the seasonal input parameters by clicking the Nonlinear\\Seasonal\\Layer No. menu.";
  if (visco && gLayeredViscoLayer(1, 1, 1).Number() == 0)
    return "You forgot to enter the Viscoelastic Layer Information by clicking the Viscoelastic\\layer menu.";
  if (visco && gLayeredCREEP(1, 1, 1) == 0)
    return "You forgot to enter the creep compliances by clicking the Viscoelastic\\Creep\\Layer No. menu.";
  return std::nullopt;
}

}  // namespace pave
