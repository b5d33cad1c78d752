// The Mohr-Coulomb screen opened from the layered editor's nonlinear-layers form.
#include <gtest/gtest.h>

#include "help/gui/example_screen_window.h"
#include "layered_editor/gui/layered_windows.h"
#include "layered_editor/layered_data_set.h"
#include "layered_editor/layered_kinds.h"
#include "layered_editor/editor_fixture.h"

namespace pave::testing {
namespace {

class MohrFromEditorTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    InstallExampleScreens();
    OpenEditor();
    Trigger(kind::kLayeredEditor, "mnuNew");
  }
};

TEST_F(MohrFromEditorTest, OpensFromTheNonlinearFormAndOutlivesIt) {
  gLayeredGeneral(1, gen::MATL) = 2;
  Trigger(kind::kLayeredEditor, "mnuNonlinear");
  ASSERT_NE(Window(kind::kNonlinearMenu), nullptr);
  Trigger(kind::kNonlinearMenu, "mnuMohr");
  auto* mohr = platform_.windows.Find<ExampleScreenWindow>(kind::kMohr);
  ASSERT_NE(mohr, nullptr);
  EXPECT_TRUE(mohr->isVisible());
  EXPECT_EQ(mohr->lblTitle->text(), "Stress Adjustment by Mohr-Coulomb Failur Criterion");

  // Chosen again while open: the same window, nothing rebuilt.
  mohr->move(30, 40);
  Trigger(kind::kNonlinearMenu, "mnuMohr");
  EXPECT_EQ(platform_.windows.Find<ExampleScreenWindow>(kind::kMohr), mohr);
  EXPECT_EQ(mohr->pos(), QPoint(30, 40));

  platform_.windows.Unload(kind::kNonlinearMenu);
  QCoreApplication::processEvents();
  EXPECT_TRUE(platform_.windows.IsLoaded(kind::kMohr));
}

}  // namespace
}  // namespace pave::testing
