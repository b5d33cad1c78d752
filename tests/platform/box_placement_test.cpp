// Boxes that keep clear of a window: beside it where the screen has room, else where they hide least
// of it; and the Qt boxes asked to keep clear of a window open there.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QInputDialog>
#include <QMessageBox>

#include "platform/box_placement.h"
#include "platform/gui/form.h"
#include "platform/gui/qt_services.h"
#include "qt_app.h"

namespace pave {
namespace {

struct Case {
  const char* name;
  ScreenRect window;
  int width, height;
  ScreenRect screen;
  ScreenPoint expected;
  long long covered;   // of the window
  ScreenRect keep{};   // the part of the window kept in sight; none: the whole window
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class PlaceClearOfTest : public ::testing::TestWithParam<Case> {};

TEST_P(PlaceClearOfTest, KeepsClearOfTheWindowInsideTheScreen) {
  const Case& c = GetParam();
  const ScreenPoint at = c.keep.width > 0 ? PlaceClearOf(c.window, c.keep, c.width, c.height, c.screen)
                                           : PlaceClearOf(c.window, c.width, c.height, c.screen);
  if (c.keep.width > 0) {
    EXPECT_EQ(OverlapArea(c.keep, {at.left, at.top, c.width, c.height}), 0);
  }
  EXPECT_EQ(at.left, c.expected.left);
  EXPECT_EQ(at.top, c.expected.top);
  EXPECT_EQ(OverlapArea(c.window, {at.left, at.top, c.width, c.height}), c.covered);
  EXPECT_GE(at.left, c.screen.left);
  EXPECT_GE(at.top, c.screen.top);
  EXPECT_LE(at.left + c.width, c.screen.left + c.screen.width);
  EXPECT_LE(at.top + c.height, c.screen.top + c.screen.height);
}

constexpr ScreenRect kScreen{0, 0, 1600, 1000};
// A graph window as it opens on that screen: 755 by 540 pixels, centred, a little above the middle.
constexpr ScreenRect kGraph{422, 217, 755, 540};

INSTANTIATE_TEST_SUITE_P(
    Places, PlaceClearOfTest,
    ::testing::Values(Case{"RightOfTheWindow", kGraph, 300, 120, kScreen, {1185, 217}, 0},
                      Case{"LeftWhenTheRightIsTooNarrow", {700, 100, 800, 500}, 300, 120, kScreen, {392, 100}, 0},
                      Case{"BelowWhenNeitherSideHasRoom", {50, 50, 1500, 600}, 300, 120, kScreen, {50, 658}, 0},
                      Case{"AboveWhenOnlyTheTopHasRoom", {50, 400, 1500, 590}, 300, 120, kScreen, {50, 272}, 0},
                      Case{"TheCornerThatHidesLeastOfAWindowFillingTheScreen",
                           {0, 0, 1500, 980}, 300, 120, kScreen, {1300, 880}, 200 * 100},
                      Case{"OnAScreenWithAnOffset", {1700, 100, 700, 500}, 300, 120, {1600, 0, 1280, 1024}, {2408, 100}, 0},
                      // A log window with no room around it: the box covers least of the window
                      // where it leaves the log's last lines clear, at the bottom or at the top.
                      Case{"AboveTheLastLinesAtTheBottom", {100, 100, 1400, 800}, 300, 250, kScreen, {1300, 0},
                           200 * 150, {100, 700, 1400, 200}},
                      Case{"BelowTheLastLinesAtTheTop", {100, 100, 1400, 800}, 300, 250, kScreen, {1300, 750},
                           200 * 150, {100, 100, 1400, 300}},
                      Case{"BesideTheWindowWhereThereIsRoom", kGraph, 300, 120, kScreen, {1185, 217}, 0,
                           {422, 600, 755, 157}}),
    [](const ::testing::TestParamInfo<Case>& i) { return std::string(i.param.name); });

// The real message box and input box, asked to keep clear of a shown window, open beside it even
// while another window is the active one (a window shown a moment ago may not be active yet); the
// other boxes are left where Qt puts them.
TEST(QtBoxPlacementTest, QuestionsAboutAWindowOpenBesideItWhateverWindowIsActive) {
  testing::TestApp();
  // The offscreen screen is 800 by 600: the main window on the left, the graph on the right, so that
  // a box beside the main window would stand over the graph.
  Form graph, main;
  graph.setGeometry(330, 80, 400, 300);
  main.setGeometry(20, 80, 300, 300);
  graph.show();
  main.show();
  main.activateWindow();
  QApplication::processEvents();
  ASSERT_EQ(QApplication::activeWindow(), &main);
  QtMessages messages;
  std::vector<QRect> boxes;
  testing::ModalDriver driver([&](QWidget& modal) {
    boxes.push_back(modal.frameGeometry());
    if (auto* box = qobject_cast<QMessageBox*>(&modal)) box->button(QMessageBox::No)->click();
    if (auto* input = qobject_cast<QInputDialog*>(&modal)) input->accept();
  });
  EXPECT_EQ(messages.Show("Want to print on the printer?", MessageButtons::YesNo, "ROVANTE", BoxPlace::ClearOf(&graph)),
            MessageAnswer::No);
  EXPECT_EQ(messages.Input("Contour Interval in  1 psi", "ROVANTE", "50", BoxPlace::ClearOf(&graph)),
            std::optional<std::string>("50"));
  ASSERT_EQ(boxes.size(), 2u);
  for (const QRect& box : boxes) {
    EXPECT_FALSE(box.intersects(graph.frameGeometry())) << box.x() << "," << box.y();
  }
}

}  // namespace
}  // namespace pave
