// Every layered example opened with File Old, every one of its tables opened through the editor's
// menus and confirmed with OK unchanged, saved: the file is byte for byte the example.
#include "editors_fixture.h"
#include "layered_editor/layered_kinds.h"

namespace pave::testing {
namespace {

constexpr const char* kEditor = kind::kLayeredEditor;

class LayeredRoundTripTest : public EditorsTest, public ::testing::WithParamInterface<std::string> {
 protected:
  static int Whole(double v) { return static_cast<int>(v + 0.5); }
  float G(int set, int k) const { return gLayeredGeneral(set, k); }

  void Periods(const char* owner, const char* menu, int periods) {
    Menu(owner, menu);
    for (int p = 1; p <= periods; ++p) {
      Press(kind::kPeriod, "cmdPeriod" + std::to_string(p));
      Ok(kind::kGridSingle);
    }
    Press(kind::kPeriod, "cmdOK");
  }
  // A main table: each line's auxiliary table or form opened by a double click and confirmed, then
  // the table itself.
  void MainTable(int lines, const std::function<void()>& confirm_auxiliary) {
    for (int line = 1; line <= lines; ++line) {
      DoubleClickCell(Grid(kind::kGridMain), line, 1);
      confirm_auxiliary();
    }
    Ok(kind::kGridMain);
  }

  void ConfirmEveryTable(int set) {
    const int matl = Whole(G(set, 1)), ndama = Whole(G(set, 2)), npy = Whole(G(set, 3)), nlg = Whole(G(set, 4));
    if (ndama == 0 && Whole(G(set, 7)) > 0) {
      Menu(kEditor, "mnuZcoord");
      Ok(kind::kGridSingle);
    }
    Menu(kEditor, "mnuLayer");
    Ok(kind::kGridMulti);
    if (Whole(G(set, 10)) == 0) {
      Menu(kEditor, "mnuInterface");
      Ok(kind::kGridSingle);
    }
    Periods(kEditor, "mnuModuli", npy);
    Menu(kEditor, "mnuLoad");
    MainTable(nlg, [&] { Ok(kind::kGridSingle); });
    if (matl == 2 || matl == 4) {
      const int nolay = Whole(gLayeredNonlinGeneral(set, 1).Number());
      Menu(kEditor, "mnuNonlinear");
      Menu(kind::kNonlinearMenu, "mnuRelaxation");
      Ok(kind::kGridSingle);
      Menu(kind::kNonlinearMenu, "mnuNonseasonal");
      MainTable(nolay, [&] {
        const char* form = platform_.windows.IsLoaded(kind::kGranular) ? kind::kGranular : kind::kClay;
        Press(form, "cmdOk");
      });
      Menu(kind::kNonlinearMenu, "mnuSeasonal");
      for (int i = 1; i <= nolay; ++i) {
        Press(kind::kLayerChooser, "cmdLayer" + std::to_string(i));
        Ok(platform_.windows.IsLoaded(kind::kGridSingle) ? kind::kGridSingle : kind::kGridMulti);
      }
      Press(kind::kLayerChooser, "cmdOk");
      Press(kind::kNonlinearMenu, "cmdOk");
    }
    if (matl == 3 || matl == 4) {
      const int nvl = Whole(gLayeredViscoGeneral(set, 2).Number());
      Menu(kEditor, "mnuViscoelastic");
      Menu(kind::kViscoMenu, "mnuDuration");
      Ok(kind::kGridSingle);
      Menu(kind::kViscoMenu, "mnuLayer");
      Ok(kind::kGridMulti);
      Menu(kind::kViscoMenu, "mnuCreep");
      for (int i = 1; i <= nvl; ++i) {
        Press(kind::kLayerChooser, "cmdLayer" + std::to_string(i));
        Ok(kind::kGridSingle);
      }
      Press(kind::kLayerChooser, "cmdOk");
      Periods(kind::kViscoMenu, "mnuTemperature", npy);
      Press(kind::kViscoMenu, "cmdOK");
    }
    if (ndama > 0) {
      Menu(kEditor, "mnuDamage");
      if (Whole(G(set, 11)) > 0) {
        Menu(kind::kLayeredDamage, "mnuBottom");
        Ok(kind::kGridMulti);
      }
      if (Whole(G(set, 12)) > 0) {
        Menu(kind::kLayeredDamage, "mnuTop");
        Ok(kind::kGridMulti);
      }
      Periods(kind::kLayeredDamage, "mnuVolume", npy);
      Press(kind::kLayeredDamage, "cmdOk");
    }
  }
};

TEST_P(LayeredRoundTripTest, EveryTableConfirmedUnchangedSavesTheSameBytes) {
  ConfirmExampleUnchanged(GetParam(), main->cmdPeldrane, kEditor, gLayeredNPROB, [this](int set) { ConfirmEveryTable(set); });
}

INSTANTIATE_TEST_SUITE_P(Examples, LayeredRoundTripTest,
                         ::testing::Values("LAY1", "LAY2", "LAY3", "LAY4", "LAY5", "LAY6", "LAY1SI", "LAY2SI",
                                           "LAY3SI", "LAY4SI", "LAY5SI", "LAY6SI"),
                         [](const ::testing::TestParamInfo<std::string>& i) { return i.param; });

}  // namespace
}  // namespace pave::testing
