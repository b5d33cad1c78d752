// The layered editor's parameter and menu forms offscreen: what they show, what OK stores and
// refuses, the labels they mark, and a picture of each.
#include <gtest/gtest.h>

#include <QPlainTextEdit>

#include "editor_fixture.h"
#include "layered_editor/layered_data_set.h"
#include "shell/gui/status_label.h"

namespace pave::testing {
namespace {

constexpr const char* kMenu = kind::kLayeredEditor;

class FormsTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    OpenEditor();
    Trigger(kMenu, "mnuNew");
  }
  std::string LastMessage() { return platform_.messages.Texts().empty() ? "" : platform_.messages.Texts().back(); }
};

TEST_F(FormsTest, GeneralRefusesCountsOutsideTheirRangesBeforeStoringThem) {
  Trigger(kMenu, "mnuGeneral");
  const char* f = kind::kLayeredGeneral;
  In<ClickLineEdit>(f, "txtNl").clicked();
  EXPECT_EQ(In<QLineEdit>(f, "txtNl").text(), "");
  Click(f, "cmdOk");
  EXPECT_EQ(LastMessage(), "A number is required for NL.");
  Type(f, "txtNl", "0");
  Click(f, "cmdOk");
  EXPECT_EQ(LastMessage(), "NL cannot be zero and should be specified.");

  struct Refusal {
    const char* box;
    const char* text;
    const char* message;
  };
  const Refusal refusals[] = {
      {"txtNpy", "13", "NPY should not be greater than 12."},
      {"txtNpy", "12.5", "NPY should not be greater than 12."},
      {"txtNpy", "2.5", "NPY should be a whole number."},
      {"txtNlg", "-1", "NLG should not be less than 0."},
      {"txtNl", "20", "NL should not be greater than 19."},
      {"txtNz", "20", "NZ should not be greater than 19."},
      {"txtNlbt", "1.5", "NLBT should be a whole number."},
      {"txtMatl", "5", "MATL should not be greater than 4."},
      {"txtNbond", "2", "NBOND should not be greater than 1."},
  };
  for (const Refusal& r : refusals) {
    Type(f, "txtNl", "3");
    Type(f, r.box, r.text);
    Click(f, "cmdOk");
    EXPECT_EQ(LastMessage(), r.message) << r.box << " " << r.text;
    ASSERT_NE(Window(f), nullptr);
    Type(f, r.box, "1");
  }
  EXPECT_EQ(gLayeredGeneral(1, gen::NPY), 1);   // a refused count is not stored
  Type(f, "txtTitle1", "a, b");
  Click(f, "cmdOk");
  EXPECT_EQ(LastMessage(), "No comma should be used in TITLE");
  EXPECT_EQ(gLayeredTITLE(1), "");
  Type(f, "txtTitle1", "\" quoted");   // a reader would take the quote away, and the blank after it
  Click(f, "cmdOk");
  EXPECT_EQ(LastMessage(), "TITLE should not begin with a double quote");
  EXPECT_EQ(gLayeredTITLE(1), "");

  Type(f, "txtTitle1", "Two periods");
  Type(f, "txtNpy", " 12 ");   // blanks around the number
  Click(f, "cmdOk");
  EXPECT_EQ(Window(f), nullptr);
  EXPECT_EQ(gLayeredTITLE(1), "Two periods");
  EXPECT_EQ(gLayeredGeneral(1, gen::NPY), 12);
}

TEST_F(FormsTest, GeneralRecoloursTheMenuAndFillsUnitDefaultsOnTheFirstOk) {
  SetStatus(In<QLabel>(kMenu, "lblZcoord"), Status::Done);
  Trigger(kMenu, "mnuGeneral");
  const char* f = kind::kLayeredGeneral;
  EXPECT_EQ(LabelText(kMenu, "lblGeneral"), "input");   // "done" comes with the OK
  Type(f, "txtTitle1", "SI");
  Type(f, "txtNdama", "1");
  Type(f, "txtNz", "3");
  Type(f, "txtMatl", "3");
  Type(f, "txtNunit", "1");
  Click(f, "cmdOk");
  EXPECT_EQ(LabelText(kMenu, "lblGeneral"), "done");
  EXPECT_EQ(LabelText(kMenu, "lblZcoord"), "done");
  EXPECT_EQ(LabelColour(kMenu, "lblZcoord"), colour::kRed);
  EXPECT_EQ(LabelText(kMenu, "lblDamage"), "input");
  EXPECT_EQ(LabelColour(kMenu, "lblDamage"), colour::kRed);
  EXPECT_EQ(LabelText(kMenu, "lblViscoelastic"), "input");
  EXPECT_EQ(LabelText(kMenu, "lblNonlinear"), "default");
  EXPECT_EQ(LabelColour(kMenu, "lblNonlinear"), colour::kBlue);
  EXPECT_EQ(gLayeredViscoLayer(1, 12, 2), Value(0.2034));
  EXPECT_EQ(gLayeredViscoLayer(1, 1, 3), Value(21.1));
  EXPECT_EQ(gLayeredTEMP(1, 12, 12), Value(21.1));
  EXPECT_EQ(gLayeredBottom(1, 19, 2), Value(0.414));

  // A second opening fills nothing.
  gLayeredViscoLayer(1, 1, 2) = Value(0.5);
  Trigger(kMenu, "mnuGeneral");
  Type(f, "txtNunit", "0");
  Click(f, "cmdOk");
  EXPECT_EQ(gLayeredViscoLayer(1, 1, 2), Value(0.5));
}

TEST_F(FormsTest, NonlinearMenuAndItsForms) {
  gLayeredGeneral(1, gen::MATL) = 2;
  gLayeredGeneral(1, gen::NUNIT) = 1;
  Trigger(kMenu, "mnuNonlinear");
  const char* m = kind::kNonlinearMenu;
  ASSERT_NE(Window(m), nullptr);
  EXPECT_EQ(Window(m)->windowTitle(), "Nonlinear Layers Menu for Data Set No.  1");
  EXPECT_TRUE(In<QRadioButton>(m, "optUseDefault").isChecked());
  EXPECT_EQ(gClayDefaults, 1);
  EXPECT_EQ(In<QLabel>(m, "lblRelaxation").toolTip(), "relaxation factor for each period");
  SavePng(m, "frmNonlin.png");
  Trigger(m, "mnuRelaxation");
  EXPECT_EQ(gScreenCode.Number(), 110);
  EXPECT_EQ(gGridLines.Number(), 1);

  In<ClickLabel>(m, "lblGeneral").clicked();
  const char* g = kind::kNonlinearGeneral;
  ASSERT_NE(Window(g), nullptr);
  EXPECT_EQ(LabelText(m, "lblGeneral"), "input");   // "done" comes with the OK
  EXPECT_TRUE(LabelText(g, "lblRcnol").starts_with("Radial coordinate for nonlinear analysis in cm "));
  EXPECT_TRUE(LabelText(g, "lblRcnol").ends_with("(RCNOL)"));
  SavePng(g, "frmGenNon.png");
  Type(g, "txtNolay", "13");
  Click(g, "cmdOk");
  EXPECT_EQ(LastMessage(), "NOLAY should not be greater than 12.");
  EXPECT_EQ(gLayeredNonlinGeneral(1, nlg::NOLAY), Value(1));
  Type(g, "txtNolay", "2");
  Type(g, "txtSld", "0.5");
  Click(g, "cmdOk");
  EXPECT_EQ(gLayeredNonlinGeneral(1, nlg::NOLAY), Value(2));
  EXPECT_EQ(gLayeredNonlinGeneral(1, nlg::SLD), Value(0.5));
  EXPECT_EQ(LabelText(m, "lblGeneral"), "done");
  EXPECT_EQ(LabelText(kMenu, "lblNonlinear"), "done");

  // The clay form offers the suggested values until the layer holds values of the user's own.
  gLayeredNonseasonal(1, 2, 1) = Value(4);
  gLayeredNonseasonal(1, 2, 3) = Value(1);
  gOwnerLine = Value(2);
  LoadWindow(kind::kClay);
  const char* c = kind::kClay;
  ASSERT_NE(Window(c), nullptr);
  EXPECT_EQ(Window(c)->windowTitle(), "Nonseasonal Input Parameters for Layer No. 4 (Clay) and Data Set No.  1");
  EXPECT_EQ(In<QLineEdit>(c, "txtK2").text(), "42.75");
  SavePng(c, "frmClay.png");
  Type(c, "txtK2", "30");
  Click(c, "cmdOk");
  EXPECT_EQ(gMainLines, Value(2));
  EXPECT_EQ(gLayeredClay(1, 2, 1), Value(30));
  LoadWindow(kind::kClay);
  EXPECT_EQ(In<QLineEdit>(c, "txtK2").text(), "30");
  Click(c, "cmdOk");

  gOwnerLine = Value(1);
  LoadWindow(kind::kGranular);
  const char* gr = kind::kGranular;
  EXPECT_EQ(In<QLineEdit>(gr, "txtK2").text(), "0.5");
  SavePng(gr, "frmGranular.png");
  Click(gr, "cmdOk");

  Click(m, "cmdOk");
  EXPECT_EQ(Window(m), nullptr);
}

TEST_F(FormsTest, TheLayerChooserOffersOnlyTheLayersThatExist) {
  gLayeredNonlinGeneral(1, nlg::NOLAY) = Value(3);
  for (int i = 1; i <= 3; ++i) {
    gLayeredNonseasonal(1, i, 1) = Value(i + 1);
    gLayeredNonseasonal(1, i, 3) = Value(i == 3 ? 1 : 0);
  }
  gLayeredGeneral(1, gen::MATL) = 4;
  Trigger(kMenu, "mnuNonlinear");
  Trigger(kind::kNonlinearMenu, "mnuSeasonal");
  const char* l = kind::kLayerChooser;
  ASSERT_NE(Window(l), nullptr);
  EXPECT_EQ(Window(l)->windowTitle(), "Seasonal Input Parameters of Each Layer for Data Set No.  1");
  EXPECT_EQ(In<QPushButton>(l, "cmdLayer1").text(), "&1  Layer 2");
  EXPECT_EQ(In<QPushButton>(l, "cmdLayer3").text(), "&3  Layer 4");
  EXPECT_EQ(LabelText(l, "lblLayer3"), "input");
  EXPECT_EQ(LabelText(l, "lblLayer4"), " ");
  EXPECT_TRUE(In<QPushButton>(l, "cmdLayer3").isEnabled());
  EXPECT_FALSE(In<QPushButton>(l, "cmdLayer4").isEnabled());
  EXPECT_FALSE(In<QPushButton>(l, "cmdLayer12").isEnabled());
  SavePng(l, "frmLayer.png");
  Click(l, "cmdLayer1");
  EXPECT_EQ(gCurrentLayer.Number(), 1);
  EXPECT_EQ(gGridCols, 3);
  gClayDefaults = 1;
  Click(l, "cmdLayer3");
  EXPECT_EQ(gGridCols, 2);
  gClayDefaults = 2;
  Click(l, "cmdLayer3");
  EXPECT_EQ(gGridCols, 4);
  EXPECT_EQ(gScreenCode.Number(), 112);
  Click(l, "cmdOk");
  EXPECT_EQ(LabelText(kind::kNonlinearMenu, "lblSeasonal"), "done");
}

TEST_F(FormsTest, ViscoelasticMenuAndGeneral) {
  gLayeredGeneral(1, gen::MATL) = 3;
  Trigger(kMenu, "mnuViscoelastic");
  const char* v = kind::kViscoMenu;
  ASSERT_NE(Window(v), nullptr);
  EXPECT_EQ(Window(v)->windowTitle(), "Viscoelastic Layers Menu for Data Set No.  1");
  SavePng(v, "frmVisco.png");
  Trigger(v, "mnuDuration");
  EXPECT_EQ(gScreenCode.Number(), 116);
  EXPECT_EQ(gGridLines.Number(), 11);
  Trigger(v, "mnuLayer");
  EXPECT_EQ(gScreenCode.Number(), 117);
  EXPECT_EQ(gGridCols, 4);
  Trigger(v, "mnuCreep");
  ASSERT_NE(Window(kind::kLayerChooser), nullptr);
  EXPECT_EQ(Window(kind::kLayerChooser)->windowTitle(), "Creep Compliances of Each Layer for Data Set No.  1");
  EXPECT_TRUE(In<QPushButton>(kind::kLayerChooser, "cmdLayer1").isEnabled());
  EXPECT_FALSE(In<QPushButton>(kind::kLayerChooser, "cmdLayer2").isEnabled());
  Click(kind::kLayerChooser, "cmdOk");
  EXPECT_EQ(LabelText(v, "lblCreep"), "done");

  Trigger(v, "mnuGeneral");
  const char* g = kind::kViscoGeneral;
  ASSERT_NE(Window(g), nullptr);
  SavePng(g, "frmGenvis.png");
  Type(g, "txtNvl", "13");
  Click(g, "cmdOk");
  EXPECT_EQ(LastMessage(), "NVL should not be greater than 12.");
  Type(g, "txtNvl", "2");
  Type(g, "txtNtyme", "16");
  Click(g, "cmdOk");
  EXPECT_EQ(LastMessage(), "NTYME should not be greater than 15.");
  EXPECT_EQ(gLayeredViscoGeneral(1, vsg::NTYME), Value(11));
  Type(g, "txtNtyme", "15");
  Click(g, "cmdOk");
  EXPECT_EQ(Window(g), nullptr);
  EXPECT_EQ(gLayeredViscoGeneral(1, vsg::NVL), Value(2));
  EXPECT_EQ(LabelText(v, "lblGeneral"), "done");
  Click(v, "cmdOK");
  EXPECT_EQ(LabelText(kMenu, "lblViscoelastic"), "done");
}

TEST_F(FormsTest, DamageMenu) {
  gLayeredGeneral(1, gen::NDAMA) = 1;
  gLayeredGeneral(1, gen::NLBT) = 0;
  gLayeredGeneral(1, gen::NLTC) = 2;
  Trigger(kMenu, "mnuDamage");
  const char* d = kind::kLayeredDamage;
  ASSERT_NE(Window(d), nullptr);
  EXPECT_EQ(Window(d)->windowTitle(), "Damage Analysis for Data Set N0. 1");
  SavePng(d, "frmDamage1.png");
  Trigger(d, "mnuBottom");
  EXPECT_EQ(LastMessage(), "No input is required because NLBT = 0");
  EXPECT_EQ(LabelText(d, "lblBottom"), "input");
  Trigger(d, "mnuTop");
  EXPECT_EQ(gScreenCode.Number(), 122);
  EXPECT_EQ(gGridCols, 4);
  EXPECT_EQ(gGridLines.Number(), 2);
  Trigger(d, "mnuVolume");
  EXPECT_EQ(gScreenCode.Number(), 123);
  Click(d, "cmdOk");
  EXPECT_EQ(LabelText(kMenu, "lblDamage"), "done");
}

}  // namespace
}  // namespace pave::testing
