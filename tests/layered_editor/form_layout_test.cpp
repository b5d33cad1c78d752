// How the layered editor's parameter forms stand on the screen: the field names in one column and
// whole in their labels, in both unit systems.
#include <gtest/gtest.h>

#include "editor_fixture.h"
#include "layered_editor/layered_data_set.h"
#include "support/field_column.h"

namespace pave::testing {
namespace {

class FormLayoutTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    OpenEditor();
    Trigger(kind::kLayeredEditor, "mnuNew");
  }
};

TEST_F(FormLayoutTest, FieldNamesStandInOneColumnWholeInEveryUnitSystem) {
  gLayeredGeneral(1, gen::MATL) = 4;
  gLayeredNonseasonal(1, 2, 1) = Value(4);
  gLayeredNonseasonal(1, 2, 3) = Value(1);
  for (const int nunit : {0, 1}) {
    SCOPED_TRACE(nunit == 0 ? "English units" : "SI units");
    gLayeredGeneral(1, gen::NUNIT) = static_cast<float>(nunit);
    struct Opening {
      const char* window;
      std::function<void()> open;
    };
    const Opening openings[] = {
        {kind::kLayeredGeneral, [&] { Trigger(kind::kLayeredEditor, "mnuGeneral"); }},
        {kind::kNonlinearGeneral, [&] { LoadWindow(kind::kNonlinearGeneral); }},
        {kind::kGranular, [&] { gOwnerLine = Value(1); LoadWindow(kind::kGranular); }},
        {kind::kClay, [&] { gOwnerLine = Value(2); LoadWindow(kind::kClay); }},
        {kind::kViscoGeneral, [&] { LoadWindow(kind::kViscoGeneral); }},
    };
    for (const Opening& o : openings) {
      SCOPED_TRACE(o.window);
      o.open();
      ASSERT_NE(Window(o.window), nullptr);
      ExpectFieldNamesInOneColumn(*Window(o.window));
      SavePng(o.window, std::string(o.window) + (nunit == 0 ? "_english" : "_si") + ".png");
      Window(o.window)->close();
    }
  }
}

}  // namespace
}  // namespace pave::testing
