// How the slab editor's parameter forms stand on the screen: the field names in one column and whole
// in their labels, in both unit systems, and the General form's Tab order.
#include <gtest/gtest.h>

#include <QPlainTextEdit>

#include <vector>

#include "slab_editor_fixture.h"
#include "support/field_column.h"

namespace pave::testing {
namespace {

class SlabFormLayoutTest : public SlabEditorTest {
 protected:
  void SetUp() override {
    SlabEditorTest::SetUp();
    NewFile();
  }
};

TEST_F(SlabFormLayoutTest, FieldNamesStandInOneColumnWholeInEveryUnitSystem) {
  gSlabGeneral(1, gen::kNFOUND) = 1;
  gSlabGeneral(1, gen::kNJOINT) = 1;
  for (const int nunit : {0, 1}) {
    SCOPED_TRACE(nunit == 0 ? "English units" : "SI units");
    gSlabGeneral(1, gen::kNUNIT) = static_cast<std::int16_t>(nunit);
    Trigger(kind::kSlabEditor, "mnuOptional");
    struct Opening {
      const char* window;
      const char* owner;
      const char* menu;
    };
    for (const Opening& o : {Opening{kind::kSlabGeneral, kind::kSlabEditor, "mnuGeneral"},
                             Opening{kind::kCurling, kind::kSlabEditor, "mnuCurling"},
                             Opening{kind::kSolid, kind::kSlabEditor, "mnuFoundation"},
                             Opening{kind::kDowel, kind::kOptional, "mnuDowel"}}) {
      SCOPED_TRACE(o.window);
      Trigger(o.owner, o.menu);
      ASSERT_NE(Window(o.window), nullptr);
      ExpectFieldNamesInOneColumn(*Window(o.window));
      SavePng(o.window, std::string(o.window) + (nunit == 0 ? "_english" : "_si") + ".png");
      Window(o.window)->close();
    }
    Window(kind::kOptional)->close();
  }
}

// Tab goes from the title down the sixteen values in the order they stand to OK; the option frames
// and the help text are not on the way.
TEST_F(SlabFormLayoutTest, GeneralTabsFromTheTitleDownTheValuesToOk) {
  Trigger(kind::kSlabEditor, "mnuGeneral");
  QWidget* form = Window(kind::kSlabGeneral);
  ASSERT_NE(form, nullptr);
  std::vector<std::string> order;
  QWidget* w = &In<QLineEdit>(kind::kSlabGeneral, "txtTitle");
  while (order.size() < 18) {
    order.push_back(w->objectName().toStdString());
    do {
      w = w->nextInFocusChain();
    } while (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(form) || !w->isEnabled());
  }
  const std::vector<std::string> expected = {"txtTitle", "txtNfound", "txtNdama", "txtNpy",   "txtNlg",  "txtNlayer",
                                             "txtNbond", "txtNslab",  "txtNjoint", "txtNnck", "txtNprint", "txtNsx",
                                             "txtNsy",   "txtMdpo",   "TxtNat1",  "txtNat2",  "txtNunit", "cmdOk"};
  EXPECT_EQ(order, expected);
  EXPECT_FALSE(In<QPlainTextEdit>(kind::kSlabGeneral, "Text1").focusPolicy() & Qt::TabFocus);
}

}  // namespace
}  // namespace pave::testing
