#include "layered_editor/layered_unit_defaults.h"

#include "layered_editor/layered_data_set.h"

namespace pave {

std::vector<UnitDefault> LayeredUnitDefaults(int set) {
  const float matl = General(set, gen::MATL);
  const bool visco = matl == 3 || matl == 4;
  const int nvl = visco ? LayeredCount(gLayeredViscoGeneral(set, vsg::NVL), kLayeredSequences) : 0;
  const int npy = LayeredCount(General(set, gen::NPY), kLayeredPeriods);
  const int nlbt = General(set, gen::NDAMA) != 0 ? LayeredCount(General(set, gen::NLBT), kLayeredDamageLayers) : 0;
  std::vector<UnitDefault> entries;
  for (int i = 1; i <= kLayeredSequences; ++i) {
    const std::string layer = "viscoelastic layer " + std::to_string(i);
    entries.push_back({"gLayeredViscoLayer", {i, 2}, "BETA", layer, {kBetaDefault}, i <= nvl});
    entries.push_back({"gLayeredViscoLayer", {i, 3}, "TEMPREF", layer, {kTemperatureDefault}, i <= nvl});
  }
  for (int p = 1; p <= kLayeredPeriods; ++p) {
    for (int i = 1; i <= kLayeredSequences; ++i) {
      entries.push_back({"gLayeredTEMP", {p, i}, "TEMP",
                         "viscoelastic layer " + std::to_string(i) + " in period " + std::to_string(p),
                         {kTemperatureDefault}, i <= nvl && p <= npy});
    }
  }
  for (int i = 1; i <= kLayeredDamageLayers; ++i) {
    entries.push_back({"gLayeredBottom", {i, 2}, "FT1", "bottom-tension layer " + std::to_string(i),
                       {kFt1Default}, i <= nlbt});
  }
  return entries;
}

Value LayeredTemperature(int set, int p, int v) {
  const Value& temp = gLayeredTEMP(set, p, v);
  if (!temp.IsEmpty()) return temp;
  return Value(kTemperatureDefault.In(General(set, gen::NUNIT) != 0));
}

}  // namespace pave
