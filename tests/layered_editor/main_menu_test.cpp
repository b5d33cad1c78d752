// The layered editor's main menu driven offscreen: opening from the main window, File New and Old,
// the menu guards, the Data Set buttons, Save, Save As and Exit, and the round trip to MORVELIN.
#include <gtest/gtest.h>

#include <QPlainTextEdit>

#include "common/analysis_host.h"
#include "editor_fixture.h"
#include "layered_analysis/run_driver.h"
#include "layered_editor/layered_data_set.h"
#include "shell/gui/status_label.h"

namespace pave::testing {
namespace {

using K = const char*;
constexpr K kMenu = kind::kLayeredEditor;

TEST_F(EditorTest, OldChangeInGeneralSaveAndMorvelinRunsTheFile) {
  const std::string path = Example("LAY1");
  LayeredMainMenu* menu = OpenEditor("LAY1.DAT");
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(menu->isVisible());
  EXPECT_EQ(menu->windowTitle(), "Main Menu of PELDRANE");
  SavePng(kMenu, "frmPELDRANE.png");

  platform_.file_dialog.QueueChoice(path);
  Trigger(kMenu, "mnuOpen");
  ASSERT_EQ(platform_.file_dialog.requests.size(), 1u);
  EXPECT_EQ(platform_.file_dialog.requests[0].file_name, data_dir + "LAY1.DAT");
  EXPECT_EQ(platform_.file_dialog.requests[0].filter, "Data Files (*.DAT)|*.DAT|");
  EXPECT_EQ(LabelText(kMenu, "lblFile"), "LAY1");
  EXPECT_EQ(main->cmbFileName->currentText(), "LAY1.DAT");
  EXPECT_EQ(gFileLoaded.Number(), 1);

  Trigger(kMenu, "mnuGeneral");
  ASSERT_NE(Window(kind::kLayeredGeneral), nullptr);
  EXPECT_EQ(Window(kind::kLayeredGeneral)->windowTitle(), "General Information of PELDRANE for Set No.  1");
  EXPECT_EQ(LabelText(kMenu, "lblGeneral"), "input");   // "done" comes with the OK
  EXPECT_EQ(In<QLineEdit>(kind::kLayeredGeneral, "txtDel").text(), "0.001");
  SavePng(kind::kLayeredGeneral, "frmGeneral1.png");
  Type(kind::kLayeredGeneral, "txtTitle1", "LAY1 changed in the editor");
  Type(kind::kLayeredGeneral, "txtIcl", "90");
  Click(kind::kLayeredGeneral, "cmdOk");
  EXPECT_EQ(Window(kind::kLayeredGeneral), nullptr);
  EXPECT_EQ(LabelText(kMenu, "lblGeneral"), "done");

  Click(kMenu, "cmdSave");
  EXPECT_EQ(platform_.messages.Texts().back(), "File with a filename of LAY1.DAT has been saved");
  EXPECT_EQ(menu->session().SaveState, 2);
  const std::string saved = FileText(path);
  EXPECT_NE(saved.find("LAY1 changed in the editor\r\n"), std::string::npos);
  EXPECT_NE(saved.find(" 3  3  90  1  0  (5) NL NZ ICL NSTD NUNIT\r\n"), std::string::npos) << saved;

  RecordingHost host;
  EXPECT_EQ(layered::RunMorvelin(data_dir + "LAY1", host), RunEnd::Normal);
  EXPECT_NE(FileText(data_dir + "LAY1.TXT").find("LAY1 changed in the editor"), std::string::npos);

  Click(kMenu, "cmdExit");   // saved: no question
  EXPECT_FALSE(platform_.windows.IsLoaded(kMenu));
  EXPECT_EQ(gFileLoaded.Number(), 0);
}

TEST_F(EditorTest, AnEmptyFileNameShowsTheMessageAndOpensNothing) {
  EXPECT_EQ(OpenEditor(""), nullptr);
  EXPECT_EQ(platform_.messages.Texts().back(),
            "Filename and/or data path are missing, please rerun ROVANTE and be sure to enter filename and/or data "
            "path in the appropriate box.");
  EXPECT_EQ(program_ends, 0);
  EXPECT_TRUE(platform_.windows.IsLoaded(kind::kMain));
}

TEST_F(EditorTest, MenusBeforeAFileAndTheirRefusals) {
  LayeredMainMenu* menu = OpenEditor();
  Trigger(kMenu, "mnuLayer");
  EXPECT_EQ(platform_.messages.Texts().back(), "No data file has been loaded.");
  EXPECT_EQ(menu->session().SaveState, 1);
  Trigger(kMenu, "mnuNew");
  EXPECT_EQ(LabelText(kMenu, "lblFile"), "Untitled");
  Trigger(kMenu, "mnuOpen");
  EXPECT_EQ(platform_.messages.Texts().back(),
            "This file has been opened as a new file.  Please exit from PELDRANE before loading another file.");
  Trigger(kMenu, "mnuNew");
  EXPECT_EQ(platform_.messages.Texts().back(),
            "This file has been opened as a new file.  Please exit from PELDRANE before loading another file.");

  struct Refusal {
    const char* menu;
    const char* message;
  };
  const Refusal refusals[] = {
      {"mnuZcoord", "You don't have to click this menu because NZ = 0 or NDAMA=1 or 2."},
      {"mnuInterface", "You don't have to click this menu because NBOND = 1"},
      {"mnuNonlinear", "You don't have to click this menu because there are no nonlinear layers"},
      {"mnuViscoelastic", "You don't have to click this menu because there are no viscoelastic layers"},
      {"mnuDamage", "You don't have to click this menu because NDAMA = 0."},
  };
  for (const Refusal& r : refusals) {
    Trigger(kMenu, r.menu);
    EXPECT_EQ(platform_.messages.Texts().back(), r.message) << r.menu;
  }
  // A status label runs its menu.
  gLayeredGeneral(1, gen::MATL) = 2;
  In<ClickLabel>(kMenu, "lblLayer").clicked();
  EXPECT_EQ(gScreenCode.Number(), 104);
  EXPECT_EQ(gGridCols, 4);
  EXPECT_EQ(gGridLines.Number(), 3);
  Trigger(kMenu, "mnuLoad");
  EXPECT_EQ(gScreenCode.Number(), 107);
  EXPECT_EQ(gMainCols.Number(), 7);
  EXPECT_EQ(gMainLines.Number(), 1);
}

TEST_F(EditorTest, DataSetButtonsCopySetOneAndTheCheckMovesTheSelectionBack) {
  OpenEditor();
  Trigger(kMenu, "mnuNew");
  gLayeredGeneral(1, gen::NL) = 4;
  gLayeredLayer(1, 4, 2) = Value(0.45);
  gLayeredLayer(3, 5, 2) = Value(0.2);
  In<QRadioButton>(kMenu, "optDataSet3").click();
  EXPECT_EQ(gLayeredSet.Number(), 3);
  EXPECT_EQ(gLayeredNPROB.Number(), 3);
  EXPECT_EQ(gLayeredLayer(3, 4, 2), Value(0.45));
  EXPECT_EQ(gLayeredLayer(3, 5, 2), Value(0.2));
  EXPECT_EQ(LabelText(kMenu, "Label3"), "Yes");
  EXPECT_EQ(LabelColour(kMenu, "Label3"), colour::kRed);
  // Data set 2 came into being with data set 3, filled from data set 1 as well.
  EXPECT_EQ(LabelText(kMenu, "Label2"), "Yes");
  EXPECT_EQ(gLayeredLayer(2, 4, 2), Value(0.45));

  Click(kMenu, "cmdSave");   // data set 1 has no thickness yet
  EXPECT_EQ(platform_.messages.Texts().back(), "You forgot to enter the layer thickness by clicking the Layer menu.");
  EXPECT_EQ(gLayeredSet.Number(), 1);
  EXPECT_TRUE(In<QRadioButton>(kMenu, "optDataSet1").isChecked());
  EXPECT_FALSE(In<QRadioButton>(kMenu, "optDataSet3").isChecked());
}

TEST_F(EditorTest, AFileReadOnlyInPartIsNotWrittenOverWithoutAsking) {
  const std::string path = data_dir + "CUT.DAT";
  const std::string full = ExampleText("LAY1");
  const std::string text = full.substr(0, full.find("(9) NBOND"));
  WriteFile(path, text);
  OpenEditor("CUT.DAT");
  platform_.file_dialog.QueueChoice(path);
  Trigger(kMenu, "mnuOpen");
  const std::string message = platform_.messages.Texts().back();
  EXPECT_EQ(message, "The file " + path + " could not be read completely: data set 1, record (9) NBOND: the file ends "
                     "before this record.  What was read before it is kept.  Please correct the file or check the "
                     "data before saving.");
  EXPECT_EQ(gLayeredReadError.Number(), 1);
  EXPECT_EQ(LabelText(kMenu, "lblFile"), "CUT");

  gLayeredLayer(1, 1, 1) = Value(4);
  for (int layer = 1; layer <= 3; ++layer) gLayeredE(1, 1, layer) = Value(1000);
  gLayeredLoad(1, 1, ld::CR) = Value(5);
  gLayeredLoad(1, 1, ld::NRNPT) = Value(1);
  platform_.messages.QueueAnswer(MessageAnswer::No);
  Click(kMenu, "cmdSave");
  EXPECT_NE(platform_.messages.Texts().back().find("was not read completely"), std::string::npos);
  EXPECT_EQ(FileText(path), text);
  platform_.messages.QueueAnswer(MessageAnswer::Yes);
  Click(kMenu, "cmdSave");
  EXPECT_EQ(platform_.messages.Texts().back(), "File with a filename of CUT.DAT has been saved");
  EXPECT_NE(FileText(path), text);
}

TEST_F(EditorTest, ACancelledOpenDialogReadsNothing) {
  OpenEditor();
  platform_.file_dialog.QueueCancel();
  Trigger(kMenu, "mnuOpen");
  EXPECT_EQ(gFileLoaded.Number(), 0);
  EXPECT_EQ(LabelText(kMenu, "lblFile"), "input");
  EXPECT_TRUE(platform_.messages.Texts().empty());
}

TEST_F(EditorTest, AFileWithTooManyDataSetsIsRefused) {
  WriteFile(data_dir + "SIX.DAT", " 6  (1) NPROB\r\n");
  OpenEditor("SIX.DAT");
  platform_.file_dialog.QueueChoice(data_dir + "SIX.DAT");
  Trigger(kMenu, "mnuOpen");
  EXPECT_NE(platform_.messages.Texts().back().find("NPROB in the file is 6"), std::string::npos);
  EXPECT_EQ(gFileLoaded.Number(), 0);
}

TEST_F(EditorTest, SaveWritesIntoTheDataDirectoryAndKeepsTheFileWhenWritingFails) {
  LayeredMainMenu* menu = OpenEditor("LAY1.DAT");
  const std::string path = Example("LAY1");
  platform_.file_dialog.QueueChoice(path);
  Trigger(kMenu, "mnuOpen");
  Trigger(kMenu, "mnuInterface");   // a menu that refuses changes nothing
  EXPECT_EQ(menu->session().SaveState, 2);
  Trigger(kMenu, "mnuGeneral");
  Type(kind::kLayeredGeneral, "txtIcl", "90");
  Click(kind::kLayeredGeneral, "cmdOk");
  EXPECT_EQ(menu->session().SaveState, 1);
  std::filesystem::current_path(Dir());   // the working directory is not the data directory
  std::filesystem::rename(data_dir, Path("away"));
  Click(kMenu, "cmdSave");
  EXPECT_NE(platform_.messages.Texts().back().find("could not be saved"), std::string::npos);
  EXPECT_EQ(menu->session().SaveState, 1);
  std::filesystem::rename(Path("away"), data_dir);
  EXPECT_EQ(FileText(path), ExampleText("LAY1"));
  Click(kMenu, "cmdSave");
  EXPECT_EQ(menu->session().SaveState, 2);
  EXPECT_FALSE(std::filesystem::exists(Dir() + "LAY1.DAT"));
}

TEST_F(EditorTest, SaveAsTakesTheNewDirectoryAndCancelWritesNothing) {
  OpenEditor("LAY1.DAT");
  platform_.file_dialog.QueueChoice(Example("LAY1"));
  Trigger(kMenu, "mnuOpen");
  platform_.file_dialog.QueueCancel();
  Click(kMenu, "cmdSaveAs");
  EXPECT_TRUE(platform_.messages.Texts().empty());

  const std::string other = Path("other/");
  std::filesystem::create_directories(other);
  platform_.file_dialog.QueueChoice(other + "COPY");
  Click(kMenu, "cmdSaveAs");
  EXPECT_EQ(platform_.messages.Texts().back(), "File with a filename of COPY.DAT has been saved");
  EXPECT_EQ(FileText(other + "COPY.DAT"), ExampleText("LAY1"));
  EXPECT_EQ(LabelText(kMenu, "lblFile"), "COPY");
  EXPECT_EQ(main->cmbDataPath->currentText().toStdString(), other);
  EXPECT_EQ(main->cmbFileName->currentText(), "COPY.DAT");
  EXPECT_EQ(gEditFileName.Text(), "COPY.DAT");
}

TEST_F(EditorTest, ExitAsksAndYesChecksDataSetOne) {
  OpenEditor();
  platform_.messages.QueueAnswer(MessageAnswer::Yes);
  Click(kMenu, "cmdExit");
  EXPECT_EQ(platform_.messages.Texts().back(), "You forgot to enter the layer thickness by clicking the Layer menu.");
  EXPECT_TRUE(platform_.windows.IsLoaded(kMenu));
  platform_.messages.QueueAnswer(MessageAnswer::Cancel);
  Click(kMenu, "cmdExit");
  EXPECT_TRUE(platform_.windows.IsLoaded(kMenu));
  platform_.messages.QueueAnswer(MessageAnswer::No);
  Click(kMenu, "cmdExit");
  EXPECT_FALSE(platform_.windows.IsLoaded(kMenu));
}

TEST_F(EditorTest, OldRecoloursTheLabelsFromDataSetOne) {
  OpenEditor("LAY3.DAT");
  platform_.file_dialog.QueueChoice(Example("LAY3"));
  Trigger(kMenu, "mnuOpen");
  const float MATL = gLayeredGeneral(1, gen::MATL);
  EXPECT_EQ(LabelText(kMenu, "lblNonlinear"), MATL == 2 || MATL == 4 ? "input" : "default");
  EXPECT_EQ(LabelText(kMenu, "lblDamage"), gLayeredGeneral(1, gen::NDAMA) != 0 ? "input" : "default");
  for (int n = 2; n <= 5; ++n) {
    EXPECT_EQ(LabelText(kMenu, "Label" + std::to_string(n)), n <= gLayeredNPROB.Number() ? "Yes" : "No");
  }
}

}  // namespace
}  // namespace pave::testing
