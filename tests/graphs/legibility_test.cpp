// The check that keeps the graph pages and the example figures legible finds each kind of fault it
// is there for, and passes what a reader reads without trouble: scenes of a few labels, lines and
// circles in screen pixels, one fault or none each.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/legibility.h"

namespace pave::testing::legibility {
namespace {

// A label inked over the given pixels, its font's digits 8 pixels high and a blank 3 wide.
Label Ink(const std::string& text, double left, double top, double right, double bottom, int group = -1) {
  Label l;
  l.text = text;
  l.ink = QRectF(QPointF(left, top), QPointF(right, bottom));
  l.height_px = 8;
  l.blank = 3;
  l.group = group;
  return l;
}

Stroke Line(double x1, double y1, double x2, double y2, int leader_of = -1) {
  return {QLineF(x1, y1, x2, y2), 0.5, leader_of, false};
}

struct Case {
  std::string name;
  Scene scene;
  std::string found;   // a piece of the one finding, or empty for none
};
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

Scene Of(std::vector<Label> labels, std::vector<Stroke> strokes = {}, std::vector<Circle> circles = {}) {
  Scene s;
  s.labels = std::move(labels);
  s.strokes = std::move(strokes);
  s.circles = std::move(circles);
  return s;
}

Label Small() {
  Label l = Ink("JOINT", 0, 0, 30, 5);
  l.height_px = 5;
  return l;
}

const Case kCases[] = {
    {"LabelStruckByALine", Of({Ink("1.3", 10, 10, 25, 18)}, {Line(0, 14, 40, 14)}), "and a line"},
    {"LabelAPixelFromALine", Of({Ink("1.3", 10, 10, 25, 18)}, {Line(0, 19.5, 40, 19.5)}), "1.0 pixels apart"},
    {"LabelThreePixelsFromALine", Of({Ink("1.3", 10, 10, 25, 18)}, {Line(0, 21.5, 40, 21.5)}), ""},
    {"LeaderEndingAtItsLabel", Of({Ink("Tandem", 10, 10, 40, 18, 1)}, {Line(20, 9, 30, -20, 1)}), ""},
    {"LeaderCrossingItsLabel", Of({Ink("Tandem", 10, 10, 40, 18, 1)}, {Line(20, 12, 30, -20, 1)}), "and a line"},
    {"AnotherLabelsLeaderPassingClose", Of({Ink("19", 10, 10, 20, 18, 2)}, {Line(21.5, 9, 30, -20, 1)}), "and a line"},
    {"NumberRunningIntoTheTextAfterIt", Of({Ink("100", 0, 10, 20, 18), Ink("D.R.(Fatigue", 25, 10, 80, 18)}),
     "run together"},
    {"NumbersTwoBlanksApart", Of({Ink("10", 0, 10, 12, 18), Ink("24", 18, 10, 30, 18)}), ""},
    {"WordsOfASentenceABlankApart", Of({Ink("parameter", 0, 10, 40, 18), Ink("PHI", 43, 10, 55, 18)}), ""},
    {"NumbersSeparatedByALine", Of({Ink("2.0", 0, 10, 13, 18), Ink("K1", 18, 10, 30, 18)}, {Line(15.5, 0, 15.5, 30)}),
     ""},
    {"LinesOneOverTheOtherAPixelApart", Of({Ink("per", 0, 10, 20, 21), Ink("1.145E-06", 0, 22, 40, 30)}), "touch"},
    {"ExponentAPixelBesideItsNumber", Of({Ink("10", 0, 10, 12, 18), Ink("6", 13, 6, 17, 12)}), ""},
    {"LabelTooSmall", Of({Small()}), "too small to read"},
    {"LabelOnACircle", Of({Ink("e", 10, 10, 16, 16)}, {}, {Circle{QPointF(20, 13), 4, false, 0.5}}), "and a circle"},
    {"LabelInsideAWheel", Of({Ink("1", 18, 18, 22, 24)}, {}, {Circle{QPointF(20, 20), 15, false, 0.5}}), ""},
    {"WheelOnAnAxisLine", Of({}, {Line(10, 0, 10, 60)}, {Circle{QPointF(39, 30), 29, false, 0.5}}),
     "a circle at 39,30 and a line"},
    {"AxleBetweenTwoWheels", Of({}, {Line(39, 0, 39, 60)}, {Circle{QPointF(39, 30), 29, false, 0.5}}), ""},
    {"ExtensionLineEndingOnAWheel", Of({}, {Line(10, 0, 10, 30)}, {Circle{QPointF(39, 30), 29, false, 0.5}}), ""},
};

class Legibility : public ::testing::TestWithParam<Case> {};

TEST_P(Legibility, FindsTheFaultOrNone) {
  const Case& c = GetParam();
  const std::vector<std::string> found = Findings(c.scene);
  if (c.found.empty()) {
    EXPECT_EQ(found, std::vector<std::string>{});
    return;
  }
  ASSERT_EQ(found.size(), 1u) << (found.empty() ? "nothing found" : found[0]);
  EXPECT_NE(found[0].find(c.found), std::string::npos) << found[0];
}

INSTANTIATE_TEST_SUITE_P(Scenes, Legibility, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) { return info.param.name; });

}  // namespace
}  // namespace pave::testing::legibility
