// The slab editor's main menu driven offscreen: opening from the main window, File New and Old,
// the menu guards and hand-overs to the grids, the Data Set buttons, Save and Exit, and the round
// trip to BRUNTOLA.
#include <gtest/gtest.h>

#include <QPlainTextEdit>

#include "common/analysis_host.h"
#include "shell/gui/status_label.h"
#include "slab_analysis/slab_driver.h"
#include "slab_editor/slab_file_writer.h"
#include "slab_editor_fixture.h"

namespace pave::testing {
namespace {

using K = const char*;
constexpr K kMenu = kind::kSlabEditor;

TEST_F(SlabEditorTest, OldChangeInGeneralSaveAndBruntolaAnalysesTheFile) {
  const std::string path = Example("SLA3");
  SlabMainMenu* menu = OpenEditor("SLA3.DAT");
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(menu->isVisible());
  EXPECT_EQ(menu->windowTitle(), "Main Menu of CORVISTA");

  platform_.file_dialog.QueueChoice(path);
  Trigger(kMenu, "mnuOpen");
  ASSERT_EQ(platform_.file_dialog.requests.size(), 1u);
  EXPECT_EQ(platform_.file_dialog.requests[0].file_name, data_dir + "SLA3.DAT");
  EXPECT_EQ(platform_.file_dialog.requests[0].filter, "Data Files (*.DAT)|*.DAT|");
  EXPECT_EQ(LabelText(kMenu, "lblFile"), "SLA3");
  EXPECT_EQ(main->cmbFileName->currentText(), "SLA3.DAT");
  EXPECT_EQ(gFileLoaded.Number(), 1);
  EXPECT_EQ(menu->session().SaveState, 2);   // read as it would be written: nothing to save yet
  // Two slabs with a joint: the joint's label asks for input.
  EXPECT_EQ(LabelText(kMenu, "lblJoint"), "input");
  EXPECT_EQ(LabelColour(kMenu, "lblJoint"), colour::kRed);

  Trigger(kMenu, "mnuGeneral");
  ASSERT_NE(Window(kind::kSlabGeneral), nullptr);
  EXPECT_EQ(Window(kind::kSlabGeneral)->windowTitle(), "General Information for Set No.  1");
  EXPECT_EQ(LabelText(kMenu, "lblGeneral"), "input");   // "done" comes with the OK
  EXPECT_EQ(In<QLineEdit>(kind::kSlabGeneral, "txtNfound").text(), "1");
  EXPECT_EQ(In<QLineEdit>(kind::kSlabGeneral, "txtNnck").text(), "49");
  Type(kind::kSlabGeneral, "txtTitle", "TWO SLABS CHANGED IN THE EDITOR");
  Type(kind::kSlabGeneral, "txtNnck", "50");
  Click(kind::kSlabGeneral, "cmdOk");
  EXPECT_EQ(Window(kind::kSlabGeneral), nullptr);
  EXPECT_EQ(LabelText(kMenu, "lblGeneral"), "done");

  Click(kMenu, "cmdSave");
  EXPECT_EQ(LastMessage(), "File with a filename of SLA3.DAT has been saved");
  EXPECT_EQ(menu->session().SaveState, 2);
  std::string expected = ExampleText("SLA3");
  expected.replace(expected.find("TWO SLABS ON SOLID FOUNDATION WITH FULL CONTACT"), 47, "TWO SLABS CHANGED IN THE EDITOR");
  expected.replace(expected.find(" 1  49  0"), 9, " 1  50  0");
  EXPECT_EQ(FileText(path), expected);
  // The saved file is in the main window's list.
  EXPECT_NE(main->cmbFileName->findText("SLA3.DAT"), -1);

  RecordingHost host;
  EXPECT_EQ(slab::RunSlabProgram(data_dir + "SLA3", slab::kBruntola, host), RunEnd::Normal);
  EXPECT_EQ(host.messages, std::vector<std::string>{kExitText});
  EXPECT_NE(FileText(data_dir + "SLA3.TXT").find("TWO SLABS CHANGED IN THE EDITOR"), std::string::npos);

  Click(kMenu, "cmdExit");   // saved: no question
  EXPECT_FALSE(platform_.windows.IsLoaded(kMenu));
  EXPECT_EQ(gFileLoaded.Number(), 0);
}

TEST_F(SlabEditorTest, AnEmptyFileNameShowsTheMessageAndOpensNothing) {
  EXPECT_EQ(OpenEditor(""), nullptr);
  EXPECT_EQ(LastMessage(),
            "Filename and/or data path are missing, please rerun ROVANTEE and be sure to enter filename and/or data "
            "path in the appropriate box.");
  EXPECT_EQ(program_ends, 0);
  EXPECT_TRUE(platform_.windows.IsLoaded(kind::kMain));
}

TEST_F(SlabEditorTest, LoadingPutsTheDefaultsIntoTheDataSetsAndShowsTheHelp) {
  gSlabTITLE(2) = "LEFT OVER";
  gSlabRaftCounts(1, 1) = 4;
  SlabMainMenu* menu = OpenEditor("NEW");
  EXPECT_EQ(gDataFile, "NEW.DAT");
  EXPECT_EQ(gSlabNPROB.Number(), 1);
  EXPECT_EQ(gSlabSet.Number(), 1);
  EXPECT_EQ(gSlabGeneral(1, gen::kNPY), 1);
  EXPECT_EQ(gSlabTITLE(2), "");
  EXPECT_EQ(gSlabRaftCounts(1, 1), 0);
  // UL = 1 of the defaults.
  EXPECT_EQ(LabelText(kMenu, "lblUniform"), "input");
  EXPECT_EQ(LabelColour(kMenu, "lblUniform"), colour::kRed);
  const std::string help = In<QPlainTextEdit>(kMenu, "txtCorvista").toPlainText().toStdString();
  EXPECT_EQ(help.rfind("    (1)  This is the Main Menu of CORVISTA", 0), 0u);
  EXPECT_NE(help.find("\n    (12) "), std::string::npos);
  menu->session().SaveState = 2;
  Click(kMenu, "cmdExit");
}

TEST_F(SlabEditorTest, MenusRefuseWithoutAFileAndHandTheirTablesToTheGrids) {
  SlabMainMenu* menu = OpenEditor();
  Trigger(kMenu, "mnuSlab");
  EXPECT_EQ(LastMessage(), "No data file has been loaded.");
  EXPECT_EQ(menu->session().SaveState, 1);
  Trigger(kMenu, "mnuNew");
  EXPECT_EQ(LabelText(kMenu, "lblFile"), "Untitled");
  EXPECT_EQ(menu->session().SaveFile, "UNTITLE.DAT");
  EXPECT_EQ(gEditFileName.Text(), "UNTITLE.DAT");
  Trigger(kMenu, "mnuOpen");
  EXPECT_EQ(LastMessage(), "This file has been opened as a new file.  Please exit from CORVISTA before loading another file.");
  Trigger(kMenu, "mnuNew");
  EXPECT_EQ(LastMessage(), "This file has been opened as a new file.  Please exit from CORVISTA before loading another file.");

  Trigger(kMenu, "mnuJoint");
  EXPECT_EQ(LastMessage(), "You don't have to click this menu because NJOINT = 0");
  Trigger(kMenu, "mnuDamage");
  EXPECT_EQ(LastMessage(), "You don't have to click this menu because NDAMA = 0.");

  struct Handover {
    const char* menu;
    std::function<void()> before;
    int code;
    double cols, lines;   // main tables: gMainCols, gMainLines; single tables: gGridCols, gGridLines
    bool main;
  };
  const Handover handovers[] = {
      {"mnuUniform", [] { gSlabGeneral(1, gen::kNLG) = 3; }, 209, 2, 3, true},
      {"mnuRaft", [] {}, 210, 2, 3, true},
      {"mnuFoundation", [] {}, 221, 3, 1, true},
      {"mnuFoundation", [] { gSlabGeneral(1, gen::kNFOUND) = 2; }, 223, 3, 1, true},
      {"mnuAdjust", [] { gSlabGeneral(1, gen::kNPY) = 4; }, 220, 2, 4, false},
      {"mnuJoint", [] { gSlabGeneral(1, gen::kNJOINT) = 2; }, 224, 9, 2, true},
  };
  for (const Handover& h : handovers) {
    h.before();
    gScreenCode = Value();
    Trigger(kMenu, h.menu);
    EXPECT_EQ(gScreenCode.Number(), h.code) << h.menu;
    EXPECT_EQ(h.main ? gMainCols.Number() : gGridCols, h.cols) << h.menu;
    EXPECT_EQ(h.main ? gMainLines.Number() : gGridLines.Number(), h.lines) << h.menu;
  }
  EXPECT_EQ(gMainRows.Number(), 2);
  // A solid foundation opens its form; a status label runs its menu.
  gSlabGeneral(1, gen::kNFOUND) = 1;
  In<ClickLabel>(kMenu, "lblFoundation").clicked();
  EXPECT_NE(Window(kind::kSolid), nullptr);
  gSlabGeneral(1, gen::kNDAMA) = 1;
  In<ClickLabel>(kMenu, "lblDamage").clicked();
  EXPECT_NE(Window(kind::kSlabDamage), nullptr);
}

TEST_F(SlabEditorTest, DataSetTwoIsFilledFromDataSetOneOnceAndSaveMakesDataSetOneCurrent) {
  NewFile();
  gSlabTITLE(1) = "FIRST";
  gSlabGeneral(1, gen::kNSLAB) = 2;
  gSlabArrangement(1, 2, 1) = 4;
  gSlabX(1, 2, 4) = 40;
  gSlabX(2, 2, 5) = 55;
  gSlabUL(2) = 2;
  In<QRadioButton>(kMenu, "optDataSet2").click();
  EXPECT_EQ(gSlabSet.Number(), 2);
  EXPECT_EQ(gSlabNPROB.Number(), 2);
  EXPECT_EQ(LabelText(kMenu, "Label2"), "Yes");
  EXPECT_EQ(LabelColour(kMenu, "Label2"), colour::kRed);
  // The label shows UL of data set 2 as it was before the copy.
  EXPECT_EQ(LabelText(kMenu, "lblUniform"), "default");
  EXPECT_EQ(gSlabTITLE(2), "FIRST");
  EXPECT_EQ(gSlabX(2, 2, 4), 40);
  EXPECT_EQ(gSlabX(2, 2, 5), 55);   // beyond NX of slab 2: kept

  gSlabTITLE(2) = "SECOND";
  In<QRadioButton>(kMenu, "optDataSet1").click();
  In<QRadioButton>(kMenu, "optDataSet2").click();
  EXPECT_EQ(gSlabTITLE(2), "SECOND");

  Click(kMenu, "cmdSave");   // data set 1 has no slab grid yet
  EXPECT_EQ(LastMessage(), "You forgot to enter NX or NY by clicking Slab\\Arrangement menu.");
  EXPECT_EQ(gSlabSet.Number(), 1);
  EXPECT_TRUE(In<QRadioButton>(kMenu, "optDataSet1").isChecked());
  EXPECT_FALSE(std::filesystem::exists(data_dir + "UNTITLE.DAT"));
}

// A data set that can be saved: one 3 x 3 slab of 8 in.
void CompleteSet(int s) {
  gSlabArrangement(s, 1, 1) = 3;
  gSlabArrangement(s, 1, 2) = 3;
  for (int n = 1; n <= 3; ++n) {
    gSlabX(s, 1, n) = 12.0f * (n - 1);
    gSlabY(s, 1, n) = 12.0f * (n - 1);
  }
  gSlabLayerProps(s, 1, 1) = 8;
  gSlabLayerProps(s, 1, 3) = 4E6f;
}

TEST_F(SlabEditorTest, SaveRefusesWhatTheAnalysisWouldNotTakeAndNamesIt) {
  NewFile();
  CompleteSet(1);
  gSlabGeneral(1, gen::kNFOUND) = 2;   // a layered foundation whose NL was never entered
  Click(kMenu, "cmdSave");
  EXPECT_EQ(LastMessage(), "Data Set 1: NL has no value. Please correct it by clicking the Foundation menu.  The file "
                           "has not been saved.");
  EXPECT_FALSE(std::filesystem::exists(data_dir + "UNTITLE.DAT"));
  gSlabGeneral(1, gen::kNFOUND) = 0;
  Click(kMenu, "cmdSave");
  EXPECT_EQ(LastMessage(), "File with a filename of UNTITLE.DAT has been saved");
  RecordingHost host;
  EXPECT_EQ(slab::RunSlabProgram(data_dir + "UNTITLE", slab::kBruntola, host), RunEnd::Normal);
}

TEST_F(SlabEditorTest, ARaftWithDamageAndTwoPeriodsGetsBothMessagesAndIsNotSaved) {
  NewFile();
  CompleteSet(1);
  gSlabRaftCounts(1, 1) = 1;
  gSlabGeneral(1, gen::kNDAMA) = 1;
  gSlabGeneral(1, gen::kNPY) = 2;
  Click(kMenu, "cmdSave");
  const auto texts = platform_.messages.Texts();
  ASSERT_GE(texts.size(), 2u);
  EXPECT_EQ(texts[texts.size() - 2],
            "Raft foundation doesn't need damage analysis, please change NDAMA to 0 by clicking the General menu.");
  EXPECT_EQ(texts.back(), "Raft foundation limits only to one period, please change NPY to 1 by clicking the General menu.");
  EXPECT_FALSE(std::filesystem::exists(data_dir + "UNTITLE.DAT"));
}

TEST_F(SlabEditorTest, FileOldRecoloursTheLabelsFromWhatItRead) {
  // Data set 1: TC 1, CL 1, NPY 2, NJOINT 1, NPRINT 3, NDAMA 1, UL 2; and a second data set.
  OpenEditor();
  SetSlabDefaults();
  gSlabNPROB = 2;
  gSlabUL(1) = 2;
  gSlabTC(1) = 1;
  gSlabCL(1) = 1;
  gSlabGeneral(1, gen::kNPY) = 2;
  gSlabGeneral(1, gen::kNSLAB) = 2;
  gSlabGeneral(1, gen::kNJOINT) = 1;
  gSlabGeneral(1, gen::kNPRINT) = 3;
  gSlabGeneral(1, gen::kNDAMA) = 1;
  gSlabDowel(1, 1) = 29000000;
  CopySlabSet1To2();
  const std::string path = data_dir + "LABELS.DAT";
  WriteFile(path, SlabFileText());
  platform_.file_dialog.QueueChoice(path);
  Trigger(kMenu, "mnuOpen");
  EXPECT_EQ(LabelText(kMenu, "Label2"), "Yes");
  EXPECT_EQ(LabelColour(kMenu, "Label2"), colour::kRed);
  for (const char* label : {"lblCurling", "lblRaft", "lblAdjust", "lblJoint", "lblOptional", "lblDamage"}) {
    EXPECT_EQ(LabelText(kMenu, label), "input") << label;
    EXPECT_EQ(LabelColour(kMenu, label), colour::kRed) << label;
  }
  EXPECT_EQ(LabelText(kMenu, "lblUniform"), "default");
}

TEST_F(SlabEditorTest, AFailedFileOldSaysWhatCouldNotBeReadAndKeepsTheFileUntilTheUserAgrees) {
  // SLA1 without the solid foundation of its second data set, with values that differ from the defaults.
  const std::string path = data_dir + "CUT.DAT";
  std::string cut = ExampleText("SLA1");
  cut = cut.substr(0, cut.find(" 15000   .4   (28)"));
  for (auto [from, to] : {std::pair{".000005", ".000007"}, {"4000000", "3000000"}})
    for (std::size_t at = cut.find(from); at != std::string::npos; at = cut.find(from)) cut.replace(at, 7, to);
  WriteFile(path, cut);
  OpenEditor("CUT.DAT");
  platform_.file_dialog.QueueChoice(path);
  Trigger(kMenu, "mnuOpen");
  EXPECT_EQ(LastMessage(), "The file " + path + " could not be read completely: data set 2, record (28) YMS PRS: the "
                           "file ends before this record.  What was read before it is kept.  Please correct the file or "
                           "check the data before saving.");
  EXPECT_EQ(gSlabReadError.Number(), 1);
  EXPECT_EQ(gFileLoaded.Number(), 1);
  EXPECT_EQ(LabelText(kMenu, "lblFile"), "CUT");
  EXPECT_EQ(LabelText(kMenu, "Label2"), "Yes");

  // The General form keeps what was read and gives a default only to what the reading did not reach.
  In<QRadioButton>(kMenu, "optDataSet2").click();
  Trigger(kMenu, "mnuGeneral");
  Click(kind::kSlabGeneral, "cmdOk");
  EXPECT_EQ(gSlabCurling(2, curl::kCT), Value(.000007));
  EXPECT_EQ(gSlabLayerProps(2, 1, 3), 3000000.0f);
  EXPECT_EQ(gSlabDowel(2, 1), Value(29000000.0));

  gSlabSolid(2, 1) = 15000;
  gSlabSolid(2, 2) = .4;
  platform_.messages.QueueAnswer(MessageAnswer::No);
  Click(kMenu, "cmdSave");
  EXPECT_NE(LastMessage().find("was not read completely"), std::string::npos) << LastMessage();
  EXPECT_EQ(FileText(path), cut);
  platform_.messages.QueueAnswer(MessageAnswer::Yes);
  Click(kMenu, "cmdSave");
  EXPECT_EQ(LastMessage(), "File with a filename of CUT.DAT has been saved");
  EXPECT_NE(FileText(path).find(" 15000   .4   (28) YMS PRS"), std::string::npos);
}

TEST_F(SlabEditorTest, OtherFilesAndACancelledDialogLeaveTheEditorWithoutAFile) {
  OpenEditor();
  platform_.file_dialog.QueueCancel();
  Trigger(kMenu, "mnuOpen");
  EXPECT_EQ(gFileLoaded.Number(), 0);
  EXPECT_EQ(LabelText(kMenu, "lblFile"), "input");
  EXPECT_TRUE(platform_.messages.Texts().empty());
  EXPECT_FALSE(std::filesystem::exists(data_dir + ".DAT"));

  const std::string layered = Example("LAY1");
  platform_.file_dialog.QueueChoice(layered);
  Trigger(kMenu, "mnuOpen");
  EXPECT_EQ(LastMessage(), "Input file is wrong.  Please click File & Old again and select a different file.");
  EXPECT_EQ(gFileLoaded.Number(), 0);
  // Another file can be chosen at once.
  platform_.file_dialog.QueueChoice(Example("SLA1"));
  Trigger(kMenu, "mnuOpen");
  EXPECT_EQ(gFileLoaded.Number(), 1);
  EXPECT_EQ(LabelText(kMenu, "lblFile"), "SLA1");
}

TEST_F(SlabEditorTest, ExitAsksUntilSavedAndCancelKeepsTheEditor) {
  NewFile();
  platform_.messages.QueueAnswer(MessageAnswer::Cancel);
  Click(kMenu, "cmdExit");
  EXPECT_EQ(LastMessage(), "You have not save the file.  Do you want to save the file?\n\nThe file UNTITLE.DAT in CORVISTA.");
  EXPECT_TRUE(platform_.windows.IsLoaded(kMenu));
  platform_.messages.QueueAnswer(MessageAnswer::No);
  Click(kMenu, "cmdExit");
  EXPECT_FALSE(platform_.windows.IsLoaded(kMenu));
  EXPECT_EQ(gFileLoaded.Number(), 0);
  EXPECT_FALSE(std::filesystem::exists(data_dir + "UNTITLE.DAT"));
}

TEST_F(SlabEditorTest, SaveAsCancelledWritesNothingAndANewNameGoesToTheMainWindow) {
  SlabMainMenu* menu = NewFile();
  CompleteSet(1);
  platform_.file_dialog.QueueCancel();
  Click(kind::kSlabEditor, "cmdSaveAs");
  EXPECT_TRUE(platform_.messages.Texts().empty());
  EXPECT_EQ(menu->session().SaveState, 1);
  EXPECT_EQ(platform_.file_dialog.requests.back().file_name, data_dir + "UNTITLE.DAT");   // in the editor's folder

  std::filesystem::create_directories(Path("other"));
  platform_.file_dialog.QueueChoice(Path("other/ROAD.DAT"));
  Click(kind::kSlabEditor, "cmdSaveAs");
  EXPECT_EQ(LastMessage(), "File with a filename of ROAD.DAT has been saved");
  EXPECT_EQ(LabelText(kind::kSlabEditor, "lblFile"), "ROAD");
  EXPECT_EQ(gEditFileName.Text(), "ROAD.DAT");
  EXPECT_EQ(main->cmbFileName->currentText(), "ROAD.DAT");
  EXPECT_NE(main->cmbFileName->findText("ROAD.DAT"), -1);   // the list is filled after the writing
  EXPECT_EQ(gDataPath, Path("other/"));
  EXPECT_EQ(FileText(Path("other/ROAD.DAT")), SlabFileText());
  // A file that cannot be written is reported and the editor keeps its data.
  std::filesystem::create_directories(Path("other/BLOCKED.DAT"));
  platform_.file_dialog.QueueChoice(Path("other/BLOCKED.DAT"));
  Click(kind::kSlabEditor, "cmdSaveAs");
  EXPECT_NE(LastMessage().find("could not be saved"), std::string::npos) << LastMessage();
  EXPECT_TRUE(platform_.windows.IsLoaded(kind::kSlabEditor));
}

}  // namespace
}  // namespace pave::testing
