// The slab editor's parameter and menu forms: what each shows, stores, refuses and marks.
#include <gtest/gtest.h>

#include <QPlainTextEdit>

#include "shell/gui/status_label.h"
#include "slab_editor_fixture.h"

namespace pave::testing {
namespace {

using K = const char*;
constexpr K kMenu = kind::kSlabEditor;
constexpr K kGeneral = kind::kSlabGeneral;

class SlabFormsTest : public SlabEditorTest {
 protected:
  void SetUp() override {
    SlabEditorTest::SetUp();
    NewFile();
  }
  void OkGeneral(std::initializer_list<std::pair<const char*, const char*>> boxes) {
    Trigger(kMenu, "mnuGeneral");
    for (auto [box, text] : boxes) Type(kGeneral, box, text);
    Click(kGeneral, "cmdOk");
  }
};

TEST_F(SlabFormsTest, GeneralShowsTheDataSetAndItsFlags) {
  Trigger(kMenu, "mnuGeneral");
  QWidget* form = Window(kGeneral);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->width(), TwipsToPixels(9800 - kFrameWidthTwips));
  EXPECT_NE(LabelText(kGeneral, "lblNat1").find("Number of nodes with different thicknesses of slab layer 1"), std::string::npos);
  EXPECT_EQ(LabelText(kGeneral, "lblNat1").substr(LabelText(kGeneral, "lblNat1").size() - 6), "(NAT1)");
  EXPECT_EQ(In<QLineEdit>(kGeneral, "txtTitle").maxLength(), 68);
  EXPECT_EQ(TextColour(In<QLineEdit>(kGeneral, "txtNslab")), colour::kRed);
  EXPECT_EQ(gSlabGeneralVisits.Number(), 0);   // an OK that succeeds counts
  // A new file shows the layout's choices.
  EXPECT_TRUE(In<QRadioButton>(kGeneral, "optWUL").isChecked());
  EXPECT_TRUE(In<QRadioButton>(kGeneral, "optNTC").isChecked());
  EXPECT_TRUE(In<QRadioButton>(kGeneral, "optNCL").isChecked());
  const std::string help = In<QPlainTextEdit>(kGeneral, "Text1").toPlainText().toStdString();
  EXPECT_LT(help.find("    (17) "), help.find("    (19) "));
  EXPECT_LT(help.find("    (19) "), help.find("    (18) "));
  // A click into a value box empties it; OK then stores 0.
  In<ClickLineEdit>(kGeneral, "txtNnck").clicked();
  EXPECT_EQ(In<QLineEdit>(kGeneral, "txtNnck").text(), "");
  In<QRadioButton>(kGeneral, "optWTC").click();
  EXPECT_EQ(gSlabTC(1), 2);   // stored by the OK
  Type(kGeneral, "txtNnck", "2.5");
  Type(kGeneral, "txtNpy", "3.5");
  Type(kGeneral, "txtNlg", " 12 ");
  Click(kGeneral, "cmdOk");
  EXPECT_EQ(Window(kGeneral), nullptr);
  EXPECT_EQ(gSlabGeneralVisits.Number(), 1);
  EXPECT_EQ(gSlabTC(1), 1);
  EXPECT_EQ(gSlabGeneral(1, gen::kNNCK), 2);
  EXPECT_EQ(gSlabGeneral(1, gen::kNPY), 4);
  EXPECT_EQ(gSlabGeneral(1, gen::kNLG), 12);
  EXPECT_EQ(LabelText(kMenu, "lblCurling"), "input");
  EXPECT_EQ(LabelText(kMenu, "lblAdjust"), "input");
  EXPECT_EQ(LabelColour(kMenu, "lblAdjust"), colour::kRed);
}

TEST_F(SlabFormsTest, GeneralRefusesBeforeStoringAnything) {
  struct Case {
    const char* box;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"txtTitle", "A, B", "No comma should be used in TITLE"},
      {"txtNpy", "13", "NPY should not be greater than 12"},
      {"txtNbond", "1", "When NLAYER = 1, NBOND should always be 0"},
      {"txtNjoint", "8", "NJOINT should not be greater than 7"},
      {"txtNslab", "0", "NSLAB should not be less than 1"},
      {"txtNfound", "3", "NFOUND should be 0, 1 or 2"},
      {"txtNunit", "2", "NUNIT should be 0 or 1"},
      {"txtNjoint", "1", "When NSLAB = 1, NJOINT should always be 0"},
      {"txtNat2", "1", "When NLAYER = 1, NAT2 should always be 0"},
      {"txtNprint", "121", "NPRINT should not be greater than 120"},
      {"txtNsy", "99999", "NSY should not be greater than 50"},
  };
  for (const Case& c : cases) {
    OkGeneral({{c.box, c.text}});
    EXPECT_EQ(LastMessage(), c.message) << c.box << " " << c.text;
    ASSERT_NE(Window(kGeneral), nullptr);
    Click(kGeneral, "cmdOk");   // the boxes as typed: refused again
    platform_.windows.Unload(kGeneral);
    EXPECT_EQ(gSlabTITLE(1), "");
    EXPECT_EQ(gSlabGeneral(1, gen::kNPY), 1);
    EXPECT_EQ(gSlabGeneral(1, gen::kNSLAB), 1);
    EXPECT_EQ(gSlabGeneral(1, gen::kNJOINT), 0);
  }
  // Two slabs with a joint and two layers bonded pass.
  OkGeneral({{"txtNslab", "2"}, {"txtNjoint", "1"}, {"txtNlayer", "2"}, {"txtNbond", "1"}});
  EXPECT_EQ(Window(kGeneral), nullptr);
  EXPECT_EQ(LabelText(kMenu, "lblJoint"), "input");
}

TEST_F(SlabFormsTest, GeneralDamageCheckStoresNothingAndTheFirstOkFillsUnitDefaults) {
  OkGeneral({{"txtNdama", "1"}, {"txtNprint", "2"}, {"txtNunit", "1"}});
  EXPECT_EQ(LastMessage(),
            "Damage analysis is limited to edge loading involving only one slab symmetry with respect to y axis, as "
            "shown in Example SLA4.  NPRINT must be equal to 3 and NSY to the number of nodes on the y axis of symmetry");
  EXPECT_EQ(LabelText(kMenu, "lblOptional"), "default");   // a refused OK recolours nothing
  EXPECT_EQ(LabelText(kMenu, "lblDamage"), "default");
  EXPECT_EQ(gSlabGeneral(1, gen::kNDAMA), 0);              // nor stores anything
  Type(kGeneral, "txtNprint", "3");
  Type(kGeneral, "txtNsy", "7");
  Click(kGeneral, "cmdOk");
  EXPECT_EQ(Window(kGeneral), nullptr);
  EXPECT_EQ(LabelText(kMenu, "lblDamage"), "input");
  EXPECT_EQ(gSlabCurling(1, curl::kCT), Value(0.000009));
  EXPECT_EQ(gSlabCurling(1, curl::kFMAX), Value(2.54));
  EXPECT_EQ(gSlabLayerProps(1, 1, 4), 23.6f);
  EXPECT_EQ(gSlabFatigue(1, 1, 1), 3450.0f);
  EXPECT_EQ(gSlabLayerProps(1, 1, 3), 27600000.0f);
  EXPECT_EQ(gSlabDowel(1, 1), Value(200000000.0));
  // A second opening fills nothing.
  gSlabCurling(1, curl::kCT) = 0.00001;
  OkGeneral({{"txtNunit", "0"}});
  EXPECT_EQ(gSlabCurling(1, curl::kCT), Value(0.00001));
}

TEST_F(SlabFormsTest, GeneralOfAnOpenedFileSelectsItsFlags) {
  SetSlabDefaults();
  gSlabUL(1) = 2;
  gSlabTC(1) = 1;
  gSlabCL(1) = 1;
  gNewFile = Value(0);
  Trigger(kMenu, "mnuGeneral");
  EXPECT_TRUE(In<QRadioButton>(kGeneral, "optNUL").isChecked());
  EXPECT_TRUE(In<QRadioButton>(kGeneral, "optWTC").isChecked());
  EXPECT_TRUE(In<QRadioButton>(kGeneral, "optWCL").isChecked());
  MarkDone(kMenu, "lblUniform");
  Click(kGeneral, "cmdOk");
  EXPECT_EQ(LabelText(kMenu, "lblUniform"), "done");
  EXPECT_EQ(LabelColour(kMenu, "lblUniform"), colour::kBlue);
  EXPECT_EQ(LabelText(kMenu, "lblRaft"), "input");
}

TEST_F(SlabFormsTest, CurlingTakesNumbersCountsWholeAndMarksTheLabels) {
  gSlabGeneral(1, gen::kNUNIT) = 1;
  gSlabGeneral(1, gen::kNJOINT) = 1;
  MarkDone(kMenu, "lblJoint");
  Trigger(kMenu, "mnuCurling");
  ASSERT_NE(Window(kind::kCurling), nullptr);
  EXPECT_EQ(Window(kind::kCurling)->windowTitle(), "Curling and Contact Conditions for Data Set No.  1");
  EXPECT_NE(LabelText(kMenu, "lblCurling"), "done");   // "done" comes with the OK
  EXPECT_EQ(LabelText(kind::kCurling, "lblTemp").rfind("Temperature differential between top and bottom in C", 0), 0u);
  EXPECT_NE(LabelText(kind::kCurling, "lblFmax").find("in cm"), std::string::npos);
  EXPECT_EQ(In<QLineEdit>(kind::kCurling, "txtDel").text(), "0.001");
  Type(kind::kCurling, "txtNotCon", "1.5");
  Click(kind::kCurling, "cmdOk");
  EXPECT_EQ(LastMessage(), "NOTCON should be a whole number");
  EXPECT_EQ(gSlabCurling(1, curl::kNOTCON), Value(0));
  Type(kind::kCurling, "txtNotCon", "3");
  Type(kind::kCurling, "txtNcycle", "10");
  Type(kind::kCurling, "txtTemp", "-12.5 C");   // a unit after the number is not taken
  Click(kind::kCurling, "cmdOk");
  EXPECT_EQ(LastMessage(), "A number is required for TEMP.");
  Type(kind::kCurling, "txtTemp", "-12.5");
  Click(kind::kCurling, "cmdOk");
  EXPECT_EQ(Window(kind::kCurling), nullptr);
  EXPECT_EQ(gSlabCurling(1, curl::kNOTCON), Value(3));
  EXPECT_EQ(gSlabCurling(1, curl::kTEMP), Value(-12.5));
  EXPECT_EQ(LabelText(kMenu, "lblCurling"), "done");
  EXPECT_EQ(LabelText(kMenu, "lblJoint"), "input");
  EXPECT_EQ(LabelText(kMenu, "lblOptional"), "input");
}

TEST_F(SlabFormsTest, SlabInformationHandsItsTablesToTheGrids) {
  gSlabGeneral(1, gen::kNSLAB) = 3;
  gSlabGeneral(1, gen::kNLAYER) = 2;
  gSlabCurling(1, curl::kNWT) = 1;
  gSlabArrangement(1, 4, 1) = 5;
  gSlabArrangement(1, 4, 2) = 7;
  Trigger(kMenu, "mnuSlab");
  EXPECT_EQ(Window(kind::kSlabData)->windowTitle(), "Slab Information for Data Set No 1");
  Trigger(kind::kSlabData, "mnuArrangement");
  EXPECT_EQ(gScreenCode.Number(), 203);
  EXPECT_EQ(gGridCols, 7);
  EXPECT_EQ(gGridLines.Number(), 3);
  In<ClickLabel>(kind::kSlabData, "lblProperties").clicked();
  EXPECT_EQ(gScreenCode.Number(), 208);
  EXPECT_EQ(gGridCols, 5);
  EXPECT_EQ(gGridLines.Number(), 2);

  Trigger(kind::kSlabData, "mnuYcoordinate");
  ASSERT_NE(Window(kind::kSlabChooser), nullptr);
  EXPECT_EQ(Window(kind::kSlabChooser)->windowTitle(), "Y Coordinates of Each Slab for Data Set No.  1");
  EXPECT_EQ(In<QPushButton>(kind::kSlabChooser, "cmdSlab3").text(), "Slab&3");
  EXPECT_EQ(LabelText(kind::kSlabChooser, "lblSlab3"), "Input");
  EXPECT_EQ(In<QPushButton>(kind::kSlabChooser, "cmdSlab4").text(), "");
  Click(kind::kSlabChooser, "cmdSlab1");
  EXPECT_EQ(LastMessage(), "NX or NY for slab 1 in the 'Arrange' menu is 0");
  Click(kind::kSlabChooser, "cmdSlab4");   // left by an earlier, larger NSLAB
  EXPECT_EQ(gCurrentSlab.Number(), 4);
  EXPECT_EQ(gGridLines.Number(), 7);
  EXPECT_EQ(gGridCols, 2);
  MarkDone(kind::kSlabChooser, "lblSlab4");
  Click(kind::kSlabChooser, "cmdOk");
  EXPECT_EQ(LabelText(kind::kSlabData, "lblYcoord"), "done");
  EXPECT_EQ(LabelText(kind::kSlabData, "lblXcoord"), "input");
  Click(kind::kSlabData, "cmdOK");
  EXPECT_EQ(LabelText(kMenu, "lblSlab"), "done");
}

TEST_F(SlabFormsTest, OptionalOpensOnlyTheListsThatHaveACount) {
  gSlabGeneral(1, gen::kNPRINT) = 3;
  gSlabCurling(1, curl::kNGAP) = 4;
  gSlabCurling(1, curl::kNOTCON) = Value();
  Trigger(kMenu, "mnuOptional");
  ASSERT_NE(Window(kind::kOptional), nullptr);
  EXPECT_EQ(Window(kind::kOptional)->windowTitle(), "Other Optional Information for Data Set No.  1");
  EXPECT_EQ(LabelText(kind::kOptional, "lblNprint"), "input");
  EXPECT_EQ(LabelColour(kind::kOptional, "lblNprint"), colour::kRed);
  EXPECT_EQ(LabelText(kind::kOptional, "lblNat1"), "default");
  Trigger(kind::kOptional, "mnuNprint");
  EXPECT_EQ(gScreenCode.Number(), 215);
  EXPECT_EQ(gGridLines.Number(), 3);
  EXPECT_EQ(gGridCols, 2);
  In<ClickLabel>(kind::kOptional, "lblNgap").clicked();
  EXPECT_EQ(gScreenCode.Number(), 218);
  EXPECT_EQ(gGridLines.Number(), 4);
  EXPECT_EQ(gGridCols, 3);
  Trigger(kind::kOptional, "mnuNotcon");
  EXPECT_EQ(LastMessage(), "You don't have to click this menu because NOTCON = 0");
  Trigger(kind::kOptional, "mnuDowel");
  EXPECT_EQ(LastMessage(), "You don't have to click this menu because NJOINT = 0");
  Click(kind::kOptional, "cmdOk");
  EXPECT_EQ(LabelText(kMenu, "lblOptional"), "done");
}

TEST_F(SlabFormsTest, SolidRefusesZeroesAndDowelTakesWhatIsTyped) {
  gSlabGeneral(1, gen::kNFOUND) = 1;
  gSlabGeneral(1, gen::kNUNIT) = 1;
  Trigger(kMenu, "mnuFoundation");
  ASSERT_NE(Window(kind::kSolid), nullptr);
  EXPECT_EQ(Window(kind::kSolid)->windowTitle(), "Solid Foundation for Data Set No.  1");
  EXPECT_EQ(LabelText(kind::kSolid, "lblYms").rfind("Young's modulus of subgrade in kPa", 0), 0u);
  const Value solid_before[] = {gSlabSolid(1, 1), gSlabSolid(1, 2)};
  In<ClickLineEdit>(kind::kSolid, "txtYms").clicked();
  Type(kind::kSolid, "txtPrs", ".45");
  Click(kind::kSolid, "cmdOk");
  EXPECT_EQ(LastMessage(), "A number is required for YMS.");
  Type(kind::kSolid, "txtYms", "0");
  Click(kind::kSolid, "cmdOk");
  EXPECT_EQ(LastMessage(), "None of the entries should be 0");
  EXPECT_EQ(gSlabSolid(1, 1), solid_before[0]);   // a refused OK stores nothing
  EXPECT_EQ(gSlabSolid(1, 2), solid_before[1]);
  EXPECT_EQ(LabelText(kMenu, "lblFoundation"), "input");
  Type(kind::kSolid, "txtYms", "5000");
  Click(kind::kSolid, "cmdOk");
  EXPECT_EQ(Window(kind::kSolid), nullptr);
  EXPECT_EQ(gSlabSolid(1, 1), Value(5000));
  EXPECT_EQ(gSlabSolid(1, 2), Value(0.45));
  EXPECT_EQ(LabelText(kMenu, "lblFoundation"), "done");

  gSlabGeneral(1, gen::kNSLAB) = 2;
  gSlabGeneral(1, gen::kNJOINT) = 1;
  gSlabDowel(1, 1) = 200000000.0;
  Trigger(kMenu, "mnuOptional");
  Trigger(kind::kOptional, "mnuDowel");
  ASSERT_NE(Window(kind::kDowel), nullptr);
  EXPECT_EQ(In<QLineEdit>(kind::kDowel, "txtYmsb").text(), "200000000");
  In<ClickLineEdit>(kind::kDowel, "txtYmsb").clicked();   // no handler: the box keeps its text
  EXPECT_EQ(In<QLineEdit>(kind::kDowel, "txtYmsb").text(), "200000000");
  In<ClickLineEdit>(kind::kDowel, "txtPrsb").clicked();
  Click(kind::kDowel, "cmdOk");
  EXPECT_EQ(LastMessage(), "A number is required for PRSB.");
  Type(kind::kDowel, "txtPrsb", "0");
  Click(kind::kDowel, "cmdOk");
  EXPECT_EQ(gSlabDowel(1, 2), Value(0));
  EXPECT_EQ(LabelText(kind::kOptional, "lblDowel"), "done");
}

TEST_F(SlabFormsTest, DamageHandsItsTablesOnAndNamesTheSetWithN0) {
  gSlabGeneral(1, gen::kNDAMA) = 2;
  gSlabGeneral(1, gen::kNLAYER) = 2;
  In<QRadioButton>(kMenu, "optDataSet2").click();
  Trigger(kMenu, "mnuDamage");
  ASSERT_NE(Window(kind::kSlabDamage), nullptr);
  EXPECT_EQ(Window(kind::kSlabDamage)->windowTitle(), "Damage Analysis for Data Set N0. 2");
  Trigger(kind::kSlabDamage, "mnuFatigue");
  EXPECT_EQ(gScreenCode.Number(), 205);
  EXPECT_EQ(gGridLines.Number(), 2);
  EXPECT_EQ(gGridCols, 4);
  In<ClickLabel>(kind::kSlabDamage, "lblVolume").clicked();
  EXPECT_EQ(gScreenCode.Number(), 225);
  Click(kind::kSlabDamage, "cmdOk");
  EXPECT_EQ(LabelText(kMenu, "lblDamage"), "done");
}

}  // namespace
}  // namespace pave::testing
