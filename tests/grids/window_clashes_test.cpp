// Two windows of an editor never work on the same entries at once: a table or parameter form does
// not open while an open one holds an entry that it stores, or stores one that it holds; windows
// whose entries are apart open side by side. Both editors, in the real windows.
#include <QLineEdit>

#include <functional>

#include "editors_fixture.h"
#include "grids/window_entries.h"
#include "layered_editor/layered_kinds.h"
#include "shell/program_state.h"
#include "slab_editor/slab_kinds.h"

namespace pave::testing {
namespace {

constexpr const char* kLayered = kind::kLayeredEditor;
constexpr const char* kSlab = kind::kSlabEditor;

class WindowClashesTest : public EditorsTest {
 public:
  // The scenes of the table open windows through these.
  using EditorsTest::Menu;
  using EditorsTest::Press;

 protected:
  bool Open(const char* kind) { return platform_.windows.IsLoaded(kind); }
  std::string Title(const char* kind) { return Window(kind).windowTitle().toStdString(); }
};

// The window opened first, then the one that may or may not open beside it.
struct ClashCase {
  const char* name;
  const char* editor;
  const char* example;
  std::function<void(WindowClashesTest&)> first;
  const char* first_window;
  std::function<void(WindowClashesTest&)> second;
  const char* second_window;
  bool refused;
};
void PrintTo(const ClashCase& c, std::ostream* os) { *os << c.name; }

class OpeningBesideAnOpenWindow : public WindowClashesTest, public ::testing::WithParamInterface<ClashCase> {};

TEST_P(OpeningBesideAnOpenWindow, IsRefusedExactlyWhenTheyShareEntries) {
  const ClashCase& c = GetParam();
  OpenExample(c.editor, c.example);
  c.first(*this);
  ASSERT_TRUE(Open(c.first_window)) << ::testing::PrintToString(platform_.messages.Texts());
  const std::string first_title = Title(c.first_window);
  platform_.messages.shown.clear();
  c.second(*this);
  const bool table = IsGridWindow(c.second_window);
  const std::string refusal = ClashMessage(first_title, table);
  if (c.refused) {
    EXPECT_FALSE(Open(c.second_window));
    EXPECT_EQ(platform_.messages.Texts(), std::vector<std::string>{refusal});
  } else {
    EXPECT_TRUE(Open(c.second_window)) << ::testing::PrintToString(platform_.messages.Texts());
    EXPECT_TRUE(platform_.messages.Texts().empty()) << ::testing::PrintToString(platform_.messages.Texts());
  }
  EXPECT_TRUE(Open(c.first_window));
  ExitWithout(c.editor);
}

using T = WindowClashesTest;
const auto kModuli = [](T& t) {
  t.Menu(kLayered, "mnuModuli");
  t.Press(kind::kPeriod, "cmdPeriod1");
};
const auto kGeneral = [](T& t) { t.Menu(kLayered, "mnuGeneral"); };
const auto kViscoMenu = [](T& t) { t.Menu(kLayered, "mnuViscoelastic"); };
const auto kViscoGeneral = [](T& t) {
  kViscoMenu(t);
  t.Menu(kind::kViscoMenu, "mnuGeneral");
};
const auto kTemperature = [](T& t) {
  kViscoMenu(t);
  t.Menu(kind::kViscoMenu, "mnuTemperature");
  t.Press(kind::kPeriod, "cmdPeriod1");
};
const auto kDuration = [](T& t) {
  kViscoMenu(t);
  t.Menu(kind::kViscoMenu, "mnuDuration");
};
const auto kNonlinearMenu = [](T& t) { t.Menu(kLayered, "mnuNonlinear"); };
const auto kNonseasonal = [](T& t) {
  kNonlinearMenu(t);
  t.Menu(kind::kNonlinearMenu, "mnuNonseasonal");
};
const auto kNonlinearGeneral = [](T& t) {
  kNonlinearMenu(t);
  t.Menu(kind::kNonlinearMenu, "mnuGeneral");
};
const auto kLoad = [](T& t) { t.Menu(kLayered, "mnuLoad"); };
const auto kSlabGeneral = [](T& t) { t.Menu(kSlab, "mnuGeneral"); };
const auto kJoints = [](T& t) { t.Menu(kSlab, "mnuJoint"); };
const auto kDowel = [](T& t) {
  t.Menu(kSlab, "mnuOptional");
  t.Menu(kind::kOptional, "mnuDowel");
};
const auto kCurling = [](T& t) { t.Menu(kSlab, "mnuCurling"); };
const auto kFoundation = [](T& t) { t.Menu(kSlab, "mnuFoundation"); };
const auto kProperties = [](T& t) {
  t.Menu(kSlab, "mnuSlab");
  t.Menu(kind::kSlabData, "mnuProperties");
};
const auto kXCoordinates = [](T& t) {
  t.Menu(kSlab, "mnuSlab");
  t.Menu(kind::kSlabData, "mnuXcoordinate");
  t.Press(kind::kSlabChooser, "cmdSlab1");
};

const ClashCase kCases[] = {
    // PELDRANE: General stores the counts and NUNIT every table of the layers, periods and load
    // groups was laid out by, and the defaults TEMP, BETA, TEMPREF and FT1.
    {"ModuliTableThenGeneral", kLayered, "LAY6", kModuli, kind::kGridSingle, kGeneral, kind::kLayeredGeneral, true},
    {"GeneralThenModuliTable", kLayered, "LAY6", kGeneral, kind::kLayeredGeneral, kModuli, kind::kGridSingle, true},
    {"TemperatureTableThenGeneral", kLayered, "LAY6", kTemperature, kind::kGridSingle, kGeneral,
     kind::kLayeredGeneral, true},
    {"DurationTableThenGeneral", kLayered, "LAY6", kDuration, kind::kGridSingle, kGeneral, kind::kLayeredGeneral,
     false},
    {"ModuliTableThenViscoelasticGeneral", kLayered, "LAY6", kModuli, kind::kGridSingle, kViscoGeneral,
     kind::kViscoGeneral, false},
    {"TemperatureTableThenViscoelasticGeneral", kLayered, "LAY6", kTemperature, kind::kGridSingle, kViscoGeneral,
     kind::kViscoGeneral, true},
    {"NonseasonalTableThenNonlinearGeneral", kLayered, "LAY6", kNonseasonal, kind::kGridMain, kNonlinearGeneral,
     kind::kNonlinearGeneral, true},
    {"LoadTableThenNonlinearGeneral", kLayered, "LAY6", kLoad, kind::kGridMain, kNonlinearGeneral,
     kind::kNonlinearGeneral, false},
    {"NonlinearGeneralThenLoadTable", kLayered, "LAY6", kNonlinearGeneral, kind::kNonlinearGeneral, kLoad,
     kind::kGridMain, false},
    // CORVISTA: General stores the counts, NUNIT and the defaults CT, FMAX, YM, GAMA, PMR, YMSB.
    {"JointTableThenGeneral", kSlab, "SLA5", kJoints, kind::kGridMain, kSlabGeneral, kind::kSlabGeneral, true},
    {"JointTableThenDowels", kSlab, "SLA5", kJoints, kind::kGridMain, kDowel, kind::kDowel, false},
    {"LiquidFoundationTableThenCurling", kSlab, "SLA1", kFoundation, kind::kGridMainSlab, kCurling, kind::kCurling,
     false},
    {"PropertiesTableThenCurling", kSlab, "SLA1", kProperties, kind::kGridSlabLayer, kCurling, kind::kCurling, true},
    {"PropertiesTableThenGeneral", kSlab, "SLA1", kProperties, kind::kGridSlabLayer, kSlabGeneral,
     kind::kSlabGeneral, true},
    {"CurlingThenGeneral", kSlab, "SLA1", kCurling, kind::kCurling, kSlabGeneral, kind::kSlabGeneral, true},
    {"GeneralThenXCoordinateTable", kSlab, "SLA1", kSlabGeneral, kind::kSlabGeneral, kXCoordinates,
     kind::kGridSingle, true},
};

INSTANTIATE_TEST_SUITE_P(BothEditors, OpeningBesideAnOpenWindow, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<ClashCase>& info) { return std::string(info.param.name); });

// A period's Moduli table open: General is refused, so the table's OK cannot write back the NL that
// General would have changed; once the table is completed, General changes NL and it stays.
TEST_F(WindowClashesTest, NlChangedInGeneralIsNotUndoneByAnOpenModuliTable) {
  OpenExample(kLayered, "LAY1");
  kModuli(*this);
  kGeneral(*this);
  EXPECT_FALSE(Open(kind::kLayeredGeneral));
  EXPECT_NE(LabelText(kLayered, "lblGeneral"), "done");
  Ok(kind::kGridSingle);
  EXPECT_EQ(gLayeredGeneral(1, 6), 3.0f);
  Press(kind::kPeriod, "cmdOK");

  kGeneral(*this);
  Fill(kind::kLayeredGeneral, "txtNl", "2");
  Press(kind::kLayeredGeneral, "cmdOk");
  ASSERT_FALSE(Open(kind::kLayeredGeneral)) << ::testing::PrintToString(platform_.messages.Texts());
  kModuli(*this);
  Ok(kind::kGridSingle);
  EXPECT_EQ(gLayeredGeneral(1, 6), 2.0f);
  ExitWithout(kLayered);
}

}  // namespace
}  // namespace pave::testing
