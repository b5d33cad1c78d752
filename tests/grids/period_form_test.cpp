// The period selector: captions, numbered buttons, status labels, the periods' tables, OK.
#include "grids_fixture.h"
#include "grids/gui/period_form.h"
#include "shell/gui/status_label.h"

namespace pave::testing {
namespace {

struct SelectorCase {
  const char* name;
  int kind;
  int set;
  std::string caption;
  std::string status;   // the numbered labels
  int colour;
  const char* owner;
  const char* owner_label;
};

void PrintTo(const SelectorCase& c, std::ostream* os) { *os << c.name; }

class PeriodFormTest : public GridsTest, public ::testing::WithParamInterface<SelectorCase> {
 protected:
  PeriodForm& Open(int kind, int set) {
    gScreenCode = Value(kind);
    gLayeredSet = Value(set);
    gSlabSet = Value(set);
    LoadWindow(kind::kPeriod);
    return *Loaded<PeriodForm>(kind::kPeriod);
  }
};

TEST_P(PeriodFormTest, NumbersThePeriodsOfTheDataSetAndOkMarksTheCaller) {
  const SelectorCase& c = GetParam();
  L->General(c.set, 3) = 4;
  S->General(c.set, 3) = 4;
  OwnerWindow& owner = Owner(c.owner, {c.owner_label});
  PeriodForm& p = Open(c.kind, c.set);
  EXPECT_EQ(p.windowTitle().toStdString(), c.caption);
  const char* captions[] = {"Period&1", "Period&2", "Period&3", "Period&4"};
  for (int k = 1; k <= 12; ++k) {
    auto* button = p.findChild<QPushButton*>(QString("cmdPeriod%1").arg(k));
    auto* label = p.findChild<QLabel*>(QString("lblPeriod%1").arg(k));
    EXPECT_EQ(button->text().toStdString(), k <= 4 ? captions[k - 1] : " ") << k;
    EXPECT_EQ(label->text().toStdString(), k <= 4 ? c.status : " ") << k;
    if (k <= 4) {
      EXPECT_EQ(TextColour(*label), c.colour) << k;
    }
  }
  EXPECT_EQ(gGridCols, 2);
  const std::string help = p.findChild<QPlainTextEdit*>("Text1")->toPlainText().toStdString();
  EXPECT_EQ(help.rfind("    (1)  ", 0), 0u);
  EXPECT_NE(help.find("    (3)  "), std::string::npos);
  QTest::mouseClick(p.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
  EXPECT_FALSE(platform_.windows.IsLoaded(kind::kPeriod));
  EXPECT_EQ(owner.Caption(c.owner_label), "done");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, PeriodFormTest,
    ::testing::Values(
        SelectorCase{"Moduli", 106, 2, "Layer Modulus of each period for Data Set No.  2", "input", colour::kRed,
                     "frmPELDRANE", "lblModuli"},
        SelectorCase{"Temperature", 119, 1, "Layer Temperature of each period for Data Set No.  1", "default",
                     colour::kBlue, "frmVisco", "lbltemperature"},
        SelectorCase{"Volume", 123, 1, "Load Repetitions of Each Period for Data Set No.  1", "input", colour::kRed,
                     "frmDamage1", "lblVolume"},
        SelectorCase{"SlabVolume", 225, 2, "Load Repetitions of each period for Data Set No.  2", "input",
                     colour::kRed, "frmDamage", "lblVolume"}),
    [](const ::testing::TestParamInfo<SelectorCase>& i) { return i.param.name; });

class PeriodTablesTest : public GridsTest {};

TEST_F(PeriodTablesTest, AButtonBeyondNpyStillOpensItsPeriod) {
  L->General(1, 3) = 2;
  L->General(1, 6) = 3;
  gScreenCode = Value(106);
  LoadWindow(kind::kPeriod);
  auto* p = Loaded<PeriodForm>(kind::kPeriod);
  QTest::mouseClick(p->findChild<QPushButton*>("cmdPeriod7"), Qt::LeftButton);
  GridForm* f = Grid(kind::kGridSingle);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->windowTitle().toStdString(), "Layer Moduli for Period No. 7 and Data Set No. 1");
  EXPECT_EQ(f->grid().Rows(), 4);
}

TEST_F(PeriodTablesTest, ALayerAddedInOnePeriodShowsInTheNextPeriodOpened) {
  L->General(1, 3) = 2;
  L->General(1, 6) = 3;
  gScreenCode = Value(106);
  LoadWindow(kind::kPeriod);
  auto* p = Loaded<PeriodForm>(kind::kPeriod);
  QTest::mouseClick(p->findChild<QPushButton*>("cmdPeriod1"), Qt::LeftButton);
  GridForm* f = Grid(kind::kGridSingle);
  Key(*f, Qt::Key_Insert, Qt::ControlModifier);
  ClickOk(*f);
  EXPECT_EQ(L->General(1, 6), 4.0f);
  EXPECT_EQ(LabelText(*p, "lblPeriod1"), "done");
  QTest::mouseClick(p->findChild<QPushButton*>("cmdPeriod2"), Qt::LeftButton);
  f = Grid(kind::kGridSingle);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->grid().Rows(), 5);
}

TEST_F(PeriodTablesTest, TheSelectorOpenForOneTableRefusesAnother) {
  gScreenCode = Value(106);
  LoadWindow(kind::kPeriod);
  gScreenCode = Value(119);
  LoadWindow(kind::kPeriod);
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            "The period selector is open for another table. Please complete it with its OK "
                            "button (or close it) first."}));
  EXPECT_EQ(Loaded<PeriodForm>(kind::kPeriod)->handover().kind, 106);
}

}  // namespace
}  // namespace pave::testing
