// The slab editor with the real grid windows: every table menu opens its grid on the data set, and
// a grid's OK writes the data set and marks the editor's status label.
#include <gtest/gtest.h>

#include "grids/gui/grid_windows.h"
#include "layered_editor/layered_data_set.h"
#include "slab_editor_fixture.h"

namespace pave::testing {
namespace {

using K = const char*;
constexpr K kMenu = kind::kSlabEditor;

class SlabGridsTest : public SlabEditorTest {
 protected:
  void SetUp() override {
    SlabEditorTest::SetUp();
    InstallGridWindows(&LayeredArrays(), &SlabArrays());
  }
  // The grid window that is open, if any.
  std::string OpenGrid() {
    for (K k : {kind::kGridSingle, kind::kGridMain, kind::kGridMulti, kind::kGridSlabLayer, kind::kGridMainSlab,
                kind::kPeriod})
      if (platform_.windows.IsLoaded(k)) return k;
    return "";
  }
  void CloseGrid() {
    const std::string k = OpenGrid();
    if (!k.empty()) platform_.windows.Unload(k);
  }
};

TEST_F(SlabGridsTest, EveryTableMenuOpensItsGrid) {
  platform_.file_dialog.QueueChoice(Example("SLA5"));   // four slabs with joints on a layered foundation
  OpenEditor("SLA5.DAT");
  Trigger(kMenu, "mnuOpen");
  ASSERT_EQ(gFileLoaded.Number(), 1);
  gSlabGeneral(1, gen::kNDAMA) = 1;
  struct Opening {
    K form;          // the menu's form, opened first from the main menu
    K form_menu;
    K menu;
    K grid;
  };
  const Opening openings[] = {
      {nullptr, nullptr, "mnuUniform", kind::kGridMainSlab},    {nullptr, nullptr, "mnuRaft", kind::kGridMainSlab},
      {nullptr, nullptr, "mnuFoundation", kind::kGridMainSlab}, {nullptr, nullptr, "mnuAdjust", kind::kGridSingle},
      {nullptr, nullptr, "mnuJoint", kind::kGridMain},
      {kind::kSlabData, "mnuSlab", "mnuArrangement", kind::kGridMulti},
      {kind::kSlabData, "mnuSlab", "mnuProperties", kind::kGridSlabLayer},
      {kind::kOptional, "mnuOptional", "mnuNgap", kind::kGridSingle},
      {kind::kSlabDamage, "mnuDamage", "mnuFatigue", kind::kGridSlabLayer},
      {kind::kSlabDamage, "mnuDamage", "mnuVolume", kind::kPeriod},
  };
  for (const Opening& o : openings) {
    if (o.form) {
      Trigger(kMenu, o.form_menu);
      Trigger(o.form, o.menu);
    } else {
      Trigger(kMenu, o.menu);
    }
    EXPECT_EQ(OpenGrid(), o.grid) << o.menu << ": " << LastMessage();
    CloseGrid();
  }
  Trigger(kMenu, "mnuSlab");
  Trigger(kind::kSlabData, "mnuXcoordinate");
  Click(kind::kSlabChooser, "cmdSlab2");
  EXPECT_EQ(OpenGrid(), kind::kGridSingle) << LastMessage();
}

TEST_F(SlabGridsTest, AGridsOkWritesTheDataSetAndMarksTheEditorsLabel) {
  NewFile();
  gSlabGeneral(1, gen::kNPY) = 2;
  Trigger(kMenu, "mnuAdjust");
  ASSERT_EQ(OpenGrid(), kind::kGridSingle);
  gSlabFSAF(1, 2) = 0.5f;
  Click(kind::kGridSingle, "BtnRun");
  EXPECT_EQ(OpenGrid(), "") << LastMessage();
  EXPECT_EQ(LabelText(kMenu, "lblAdjust"), "done");
  EXPECT_EQ(gSlabGeneral(1, gen::kNPY), 2);
  EXPECT_EQ(gSlabFSAF(1, 1), 1.0f);
}

}  // namespace
}  // namespace pave::testing
