// Every slab example opened with File Old, every one of its tables opened through the editor's menus
// and confirmed with OK unchanged, saved: the file is byte for byte the example.
#include "editors_fixture.h"
#include "slab_editor/slab_kinds.h"

namespace pave::testing {
namespace {

constexpr const char* kEditor = kind::kSlabEditor;

class SlabRoundTripTest : public EditorsTest, public ::testing::WithParamInterface<std::string> {
 protected:
  static int G(int set, int k) { return gSlabGeneral(set, k); }
  static int Whole(const Value& v) { return static_cast<int>(v.Number() + 0.5); }

  // A main table: the auxiliary table of each line whose count is not 0, then the table itself.
  void MainTable(const char* window, const std::vector<int>& counts, const char* auxiliary) {
    for (std::size_t line = 0; line < counts.size(); ++line) {
      if (counts[line] == 0) continue;
      DoubleClickCell(Grid(window), static_cast<int>(line) + 1, 1);
      Ok(auxiliary);
    }
    Ok(window);
  }
  void ChooserTable(const char* menu, int slabs) {
    Menu(kind::kSlabData, menu);
    for (int s = 1; s <= slabs; ++s) {
      Press(kind::kSlabChooser, "cmdSlab" + std::to_string(s));
      Ok(kind::kGridSingle);
    }
    Press(kind::kSlabChooser, "cmdOk");
  }

  void ConfirmEveryTable(int set) {
    const int nfound = G(set, 1), ndama = G(set, 2), npy = G(set, 3), nlg = G(set, 4), nslab = G(set, 7);
    Menu(kEditor, "mnuSlab");
    Menu(kind::kSlabData, "mnuArrangement");
    Ok(kind::kGridMulti);
    ChooserTable("mnuXcoordinate", nslab);
    ChooserTable("mnuYcoordinate", nslab);
    Menu(kind::kSlabData, "mnuProperties");
    Ok(kind::kGridSlabLayer);
    Press(kind::kSlabData, "cmdOK");

    std::vector<int> nudl;
    for (int g = 1; g <= nlg; ++g) nudl.push_back(gSlabNUDL(set, g));
    Menu(kEditor, "mnuUniform");
    MainTable(kind::kGridMainSlab, nudl, kind::kGridMulti);
    Menu(kEditor, "mnuRaft");
    MainTable(kind::kGridMainSlab, {gSlabRaftCounts(set, 1), gSlabRaftCounts(set, 2), gSlabRaftCounts(set, 3)},
              kind::kGridSingle);

    Menu(kEditor, "mnuOptional");
    const std::pair<const char*, int> lists[] = {
        {"mnuNat1", G(set, 15)}, {"mnuNat2", G(set, 16)}, {"mnuNotcon", Whole(gSlabCurling(set, 1))},
        {"mnuNprint", G(set, 10)}, {"mnuNsx", G(set, 11)}, {"mnuNsy", G(set, 12)}, {"mnuNgap", Whole(gSlabCurling(set, 2))}};
    for (const auto& [menu, count] : lists) {
      if (count == 0) continue;
      Menu(kind::kOptional, menu);
      Ok(kind::kGridSingle);
    }
    Press(kind::kOptional, "cmdOk");

    if (nfound == 0) {
      Menu(kEditor, "mnuFoundation");
      MainTable(kind::kGridMainSlab, {Whole(gSlabLiquid(set, 2))}, kind::kGridSingle);
    } else if (nfound == 2) {
      Menu(kEditor, "mnuFoundation");
      MainTable(kind::kGridMainSlab, {Whole(gSlabLayered(set, 2))}, kind::kGridMulti);
    }
    Menu(kEditor, "mnuAdjust");
    Ok(kind::kGridSingle);
    if (G(set, 8) != 0) {
      std::vector<int> nnaj;
      for (int j = 1; j <= G(set, 8); ++j) nnaj.push_back(Whole(gSlabJoints(set, j, 8)));
      Menu(kEditor, "mnuJoint");
      MainTable(kind::kGridMain, nnaj, kind::kGridSingle);
    }
    if (ndama != 0) {
      Menu(kEditor, "mnuDamage");
      Menu(kind::kSlabDamage, "mnuFatigue");
      Ok(kind::kGridSlabLayer);
      Menu(kind::kSlabDamage, "mnuVolume");
      for (int p = 1; p <= npy; ++p) {
        Press(kind::kPeriod, "cmdPeriod" + std::to_string(p));
        Ok(kind::kGridSingle);
      }
      Press(kind::kPeriod, "cmdOK");
      Press(kind::kSlabDamage, "cmdOk");
    }
  }
};

TEST_P(SlabRoundTripTest, EveryTableConfirmedUnchangedSavesTheSameBytes) {
  ConfirmExampleUnchanged(GetParam(), main->cmdCorvista, kEditor, gSlabNPROB, [this](int set) { ConfirmEveryTable(set); });
}

INSTANTIATE_TEST_SUITE_P(Examples, SlabRoundTripTest,
                         ::testing::Values("SLA1", "SLA2", "SLA3", "SLA4", "SLA5", "SLA6", "SLA1SI", "SLA2SI",
                                           "SLA3SI", "SLA4SI", "SLA5SI", "SLA6SI"),
                         [](const ::testing::TestParamInfo<std::string>& i) { return i.param; });

}  // namespace
}  // namespace pave::testing
