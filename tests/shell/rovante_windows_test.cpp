// The main window and the text editor as widgets, driven offscreen through the scripted platform.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>

#include <filesystem>
#include <functional>
#include <memory>

#include "all_windows.h"
#include "help/example_screens.h"
#include "help/gui/example_screen_window.h"
#include "help/gui/help_window.h"
#include "platform/gui/control_table.h"
#include "platform/gui/widget_image.h"
#include "shell/gui/editor_window.h"
#include "shell/gui/main_window.h"
#include "layered_editor/gui/layered_main_menu.h"
#include "qt_test_app.h"
#include "main_window_fixture.h"

namespace pave::testing {
namespace {

const char* kReport =
    "\r\n"
    "                      PROBLEM NO. 1\r\n"
    "  LAY1: THREE LAYERS UNDER DUAL TANDEM WHEELS\r\n"
    "\r\n"
    "  NUMBER OF PERIODS PER YEAR (NPY) = 1\r\n"
    "  NUMBER OF LOAD GROUPS (NLG) = 1\r\n"
    "  TOTAL NUMBER OF LAYERS (NL) = 3\r\n"
    "\r\n"
    "  LAYER NO.   THICKNESS   POISSON'S RATIO    MODULUS\r\n"
    "      1          4           .35            500000\r\n"
    "      2          6           .3              20000\r\n"
    "      3                      .45             10000\r\n"
    "\r\n"
    "  VERTICAL DISPLACEMENT AT (0, 0, 0) =  .02044\r\n";

class RovanteWindowsTest : public MainWindowTest {
 protected:
  RovanteWindowsTest() { data_directory_name = "data files/"; }
  void InstallWindows() override { InstallAllWindows(); }
  void FillDataDirectory() override {
    for (const char* name : {"LAY1.DAT", "LAY2.DAT", "SLA1.DAT", "sla2si.dat"}) WriteFile(data_dir + name, "x\r\n");
    WriteFile(data_dir + "LAY1.TXT", kReport);
  }
  EditorWindow* Editor() { return platform_.windows.Find<EditorWindow>(kind::kEditor); }
  void SavePng(QWidget& w, const char* name) {
    std::filesystem::create_directories(PAVE_OUTPUT_DIR);
    EXPECT_TRUE(SaveWidgetPng(w, QString(PAVE_OUTPUT_DIR) + "/" + name));
  }
};

TEST_F(RovanteWindowsTest, MainWindowShowsTheDataDirectoryAndItsFiles) {
  EXPECT_EQ(main->windowTitle(), "Main Screen");
  EXPECT_EQ(main->cmbDataPath->currentText().toStdString(), data_dir);
  EXPECT_EQ(main->cmbFileName->count(), 4);
  EXPECT_EQ(main->cmbFileName->currentText(), "LAY1.DAT");
  // Geometry in twips at 15 twips a pixel.
  EXPECT_EQ(main->cmdExit->geometry(), QRect(288, 352, 49, 41));
  EXPECT_EQ(main->cmdContour->geometry(), QRect(440, 352, 89, 41));
  EXPECT_EQ(main->cmbFileName->geometry().topLeft(), QPoint(440, 16));
  EXPECT_EQ(main->size(), QSize((9615 - 120) / 15, (6450 - 450) / 15));
  struct Caption {
    QPushButton* button;
    const char* text;
  } captions[] = {{main->cmdPeldrane, "PE&LDRANE"}, {main->cmdMorvelin, "MO&RVELIN"},
                  {main->cmdTolmer, "&TOLMER"},     {main->cmdCorvista, "CORV&ISTA"},
                  {main->cmdBruntola, "&BRUNTOLA"}, {main->cmdVansek, "&VANSEK"},
                  {main->cmdHelp, "&Help"},         {main->cmdEdit, "&EDITOR"},
                  {main->cmdDOS, "&DOS"},           {main->cmdExit, "E&XIT"},
                  {main->cmdContour, "&CONTOUR"}};
  for (const Caption& c : captions) EXPECT_EQ(c.button->text(), c.text);
  EXPECT_EQ(main->cmdLarge->text().remove('\n'), "BRUNTOLALARGE RA&M");
  SavePng(*main, "main_window.png");
}

TEST_F(RovanteWindowsTest, TypingADirectoryRunsTheChangeStep) {
  main->cmbDataPath->lineEdit()->setText(QString::fromStdString(program_dir));
  EXPECT_EQ(gDataPath, program_dir);
  EXPECT_EQ(main->cmbFileName->currentText(), "");
  EXPECT_EQ(main->cmbFileName->count(), 4);   // no final "/" yet: the list stays
  main->cmbDataPath->lineEdit()->setText(QString::fromStdString(program_dir + "/"));
  EXPECT_EQ(main->cmbFileName->count(), 0);
  // Enter completes the path the user typed.
  main->cmbDataPath->lineEdit()->setText(QString::fromStdString(program_dir));
  QTest::keyClick(main->cmbDataPath->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(main->cmbDataPath->currentText().toStdString(), program_dir + "/");
  EXPECT_EQ(gDataPath, program_dir + "/");
  // Choosing the remembered directory from the list.
  main->cmbDataPath->setCurrentIndex(0);
  EXPECT_EQ(gDataPath, data_dir);
  EXPECT_EQ(main->cmbFileName->currentText(), "LAY1.DAT");
  EXPECT_EQ(main->cmbDataPath->count(), 1);

  // Clicking the file label shows the hint.
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(main->lblFileName, &release);
  EXPECT_EQ(platform_.messages.Texts(), std::vector<std::string>{"Enter New Filename\nor Select File from List"});
}

// A user changes the data path to a folder that is not there, leaves by EXIT and starts again, then
// does the same with a folder that exists.
TEST_F(RovanteWindowsTest, AMissingDataPathIsToldAndCostsNoSavedPath) {
  const std::string other = Path("other/");
  std::filesystem::create_directories(other);
  WriteFile(program_dir + "/DataPath", data_dir + "\r\n" + other + "\r\n");
  auto restart = [&] {
    platform_.windows.UnloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ResetProgramState();
    main = platform_.windows.Load<MainWindow>(kind::kMain, program_dir);
    ASSERT_NE(main, nullptr);
    main->Show();
  };
  auto items = [&] {
    std::vector<std::string> list;
    for (int i = 0; i < main->cmbDataPath->count(); ++i) list.push_back(main->cmbDataPath->itemText(i).toStdString());
    return list;
  };
  restart();
  const std::string missing = Path("no such folder/");
  main->cmbDataPath->lineEdit()->setText(QString::fromStdString(missing));
  EXPECT_EQ(platform_.messages.Texts(), std::vector<std::string>{MissingDataPathMessage(missing)});
  EXPECT_EQ(main->cmbFileName->count(), 0);
  main->cmdExit->click();
  EXPECT_EQ(program_ends, 1);

  restart();
  EXPECT_EQ(main->cmbDataPath->currentText().toStdString(), data_dir);
  EXPECT_EQ(items(), (std::vector<std::string>{data_dir, other}));
  EXPECT_EQ(main->cmbFileName->currentText(), "LAY1.DAT");
  EXPECT_EQ(platform_.messages.Texts().size(), 1u);   // nothing more told at the start

  main->cmbDataPath->lineEdit()->setText(QString::fromStdString(other));
  main->cmdExit->click();
  restart();
  EXPECT_EQ(main->cmbDataPath->currentText().toStdString(), other);
  EXPECT_EQ(items(), (std::vector<std::string>{other, data_dir}));
  EXPECT_EQ(platform_.messages.Texts().size(), 1u);
}

TEST_F(RovanteWindowsTest, ButtonsStartProgramsAndOpenWindows) {
  main->cmbFileName->setEditText("LAY1");
  main->cmdMorvelin->click();
  main->cmbFileName->setEditText("SLA1.DAT");
  main->cmdBruntola->click();
  main->cmdLarge->click();
  ASSERT_EQ(platform_.processes.started.size(), 3u);
  EXPECT_EQ(platform_.processes.started[0].program, program_dir + "/morvelin");
  EXPECT_EQ(platform_.processes.started[0].argument, data_dir + "LAY1");
  EXPECT_EQ(platform_.processes.started[2].program, program_dir + "/large");
  EXPECT_EQ(platform_.processes.started[2].argument, data_dir + "SLA1");
  main->cmdDOS->click();
  EXPECT_EQ(platform_.processes.terminals, std::vector<std::string>{data_dir});

  main->cmdEdit->click();
  ASSERT_NE(Editor(), nullptr);
  EXPECT_TRUE(Editor()->isVisible());
  EXPECT_EQ(Editor()->windowTitle(), "Editor Screen");
  EXPECT_EQ(Editor()->editor().EditFile, "SLA1.DAT");
  main->cmbFileName->setEditText("LAY2.DAT");
  main->cmdEdit->click();   // only brought to the front
  EXPECT_EQ(Editor()->editor().EditFile, "SLA1.DAT");

  main->cmdPeldrane->click();
  auto* layered = platform_.windows.Find<LayeredMainMenu>(kind::kLayeredEditor);
  ASSERT_NE(layered, nullptr);
  EXPECT_TRUE(layered->isVisible());
  EXPECT_EQ(layered->windowTitle(), "Main Menu of PELDRANE");
  EXPECT_EQ(gDataFile, "LAY2.DAT");

  main->cmbFileName->setEditText("");
  main->cmdCorvista->click();   // no file name: the editor's message, and the editor does not open
  EXPECT_EQ(platform_.messages.Texts().back(),
            "Filename and/or data path are missing, please rerun ROVANTEE and be sure to enter filename "
            "and/or data path in the appropriate box.");
  EXPECT_EQ(program_ends, 0);
  EXPECT_FALSE(platform_.windows.IsLoaded(kind::kSlabEditor));

  main->cmdHelp->click();
  auto* help = platform_.windows.Find<HelpWindow>(kind::kHelp);
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->windowTitle(), "Help: Main Screen");
  EXPECT_TRUE(help->isVisible());
}

TEST_F(RovanteWindowsTest, GraphButtonsOpenTheGraphWindowAndUnloadIt) {
  main->cmbFileName->setEditText("LAY1.DAT");
  main->cmdTolmer->click();   // no LAY1.LAY yet
  EXPECT_EQ(platform_.messages.Texts(),
            std::vector<std::string>{"File not found or data error\n" + data_dir + "LAY1.LAY does not exist."});
  EXPECT_EQ(gDataFile, data_dir + "LAY1.DAT");

  // A graph file that ends early: the message, and the main window unloads the graph window.
  WriteFile(data_dir + "SLA1.SLA", " 1 \r\n");
  main->cmbFileName->setEditText("SLA1.DAT");
  main->cmdContour->click();
  EXPECT_EQ(platform_.messages.Texts().back(),
            "File not found or data error\nIn " + data_dir + "SLA1.SLA, line 1: the data end, where more data were expected.");
  EXPECT_EQ(gDataFile, data_dir + "SLA1.DAT");
  EXPECT_FALSE(platform_.windows.IsLoaded(kind::kContourGraph));
}

TEST_F(RovanteWindowsTest, EditorOpensEditsSavesPrintsAndHandsTheFileBack) {
  main->cmbFileName->setEditText("LAY1.DAT");
  main->cmdEdit->click();
  EditorWindow* editor = Editor();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->size(), QSize((9615 - 120) / 15, (6450 - 450) / 15));
  EXPECT_EQ(editor->txtEditor->font().family(), "Courier New");
  EXPECT_EQ(QFontInfo(editor->txtEditor->font()).family(), "Liberation Mono");

  platform_.file_dialog.QueueChoice(data_dir + "LAY1.TXT", 3);
  editor->Item("mnuOpen")->trigger();
  EXPECT_EQ(editor->windowTitle(), "LAY1.TXT");
  EXPECT_EQ(editor->txtEditor->toPlainText().count('\n'), 14);
  QCoreApplication::processEvents();
  SavePng(*editor, "editor_report.png");

  // Edit: copy the first report line, paste it at the end, save.
  QTextCursor cursor = editor->txtEditor->textCursor();
  cursor.movePosition(QTextCursor::Start);
  cursor.movePosition(QTextCursor::Down);
  cursor.movePosition(QTextCursor::EndOfLine, QTextCursor::KeepAnchor);
  editor->txtEditor->setTextCursor(cursor);
  editor->Item("mnuCopy")->trigger();
  EXPECT_EQ(platform_.clipboard.text, "                      PROBLEM NO. 1");
  cursor.movePosition(QTextCursor::End);
  editor->txtEditor->setTextCursor(cursor);
  editor->Item("mnuPast")->trigger();
  editor->Item("mnuSave")->trigger();
  EXPECT_EQ(FileText(data_dir + "LAY1.TXT"), std::string(kReport) + "                      PROBLEM NO. 1\r\n");

  platform_.messages.QueueInput(" 57");
  editor->Item("mnuPrint")->trigger();
  ASSERT_EQ(platform_.printer.documents.size(), 1u);
  EXPECT_EQ(platform_.printer.documents[0].size(), 5u + 15u);

  // Save As into another directory hands the file back to the main window.
  std::filesystem::create_directories(Path("copies"));
  platform_.file_dialog.QueueChoice(Path("copies/R1.DAT"), 1);
  editor->Item("mnuSaveAs")->trigger();
  EXPECT_EQ(main->cmbDataPath->currentText().toStdString(), Path("copies/"));
  EXPECT_EQ(main->cmbDataPath->itemText(0).toStdString(), Path("copies/"));
  EXPECT_EQ(main->cmbFileName->currentText(), "R1.DAT");
  EXPECT_EQ(editor->windowTitle(), "R1.DAT");
}

TEST_F(RovanteWindowsTest, ClosingTheEditorOrExitingAsksBeforeLosingText) {
  main->cmdEdit->click();
  EditorWindow* editor = Editor();
  platform_.file_dialog.QueueChoice(data_dir + "LAY1.DAT", 2);
  editor->Item("mnuOpen")->trigger();
  EXPECT_EQ(main->cmbFileName->currentText(), "LAY1.DAT");
  editor->txtEditor->appendPlainText("changed");

  platform_.messages.QueueAnswer(MessageAnswer::Cancel);
  editor->close();
  EXPECT_TRUE(platform_.windows.IsLoaded(kind::kEditor));
  EXPECT_EQ(platform_.messages.Texts().back(), "Do you like to save the file?\n\nThe file LAY1.DAT in the text editor.");

  platform_.messages.QueueAnswer(MessageAnswer::Cancel);
  main->cmdExit->click();
  EXPECT_EQ(program_ends, 0);
  EXPECT_EQ(FileText(program_dir + "/DataPath"), data_dir + "\r\n");

  platform_.messages.QueueAnswer(MessageAnswer::Yes);
  main->cmdExit->click();
  EXPECT_EQ(program_ends, 1);
  EXPECT_EQ(FileText(data_dir + "LAY1.DAT"), "x\r\n\r\nchanged\r\n");

  // The menu's Exit of an unchanged text closes without a question.
  editor->Item("mnuExit")->trigger();
  QCoreApplication::processEvents();
  EXPECT_FALSE(platform_.windows.IsLoaded(kind::kEditor));
  EXPECT_EQ(platform_.messages.unanswered, 0);
}

TEST_F(RovanteWindowsTest, EveryWayOfPastingInTheEditorCopesWithAnEmptyClipboard) {
  main->cmdEdit->click();
  EditorWindow* editor = Editor();
  PlainTextBox& box = *editor->txtEditor;
  struct Way {
    const char* name;
    std::function<void()> paste;
  } ways[] = {
      {"Ctrl+V", [&] { QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier); }},
      {"Shift+Insert", [&] { QTest::keyClick(&box, Qt::Key_Insert, Qt::ShiftModifier); }},
      {"context menu",
       [&] {
         std::unique_ptr<QMenu> menu(box.ContextMenu(QPoint(2, 2)));
         if (QAction* paste = menu->findChild<QAction*>("edit-paste")) paste->trigger();
       }},
      {"Edit menu", [&] { editor->Item("mnuPast")->trigger(); }},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    box.setPlainText("keep this");
    QTextCursor cursor = box.textCursor();
    cursor.setPosition(4, QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
    // An X display hands over an empty clipboard as data without any format.
    QGuiApplication::clipboard()->setMimeData(new QMimeData);
    platform_.clipboard.text.clear();
    way.paste();
    EXPECT_EQ(box.toPlainText(), "keep this");
    EXPECT_EQ(box.textCursor().selectedText(), "keep");

    platform_.clipboard.text = "12.5\r\n7";
    way.paste();
    EXPECT_EQ(editor->Text(), "12.5\n7 this");
  }
  QGuiApplication::clipboard()->clear();
}

TEST_F(RovanteWindowsTest, EditorMenusOpenHelpTopicsAndExampleScreens) {
  main->cmdEdit->click();
  EditorWindow* editor = Editor();
  editor->Item("mnuBT")->trigger();
  auto* help = platform_.windows.Find<HelpWindow>(kind::kHelp);
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->windowTitle(), "Help: Editor");
  EXPECT_EQ(Control<QLabel>(*help, "Label1").text(), "Data File for BRUNTOLA");
  editor->Item("mnuHelp")->trigger();   // loaded already: the topic stays
  EXPECT_EQ(Control<QLabel>(*help, "Label1").text(), "Data File for BRUNTOLA");

  editor->Item("mnuSla4")->trigger();
  auto* example = platform_.windows.Find<ExampleScreenWindow>(SlabExampleKind(4));
  ASSERT_NE(example, nullptr);
  EXPECT_TRUE(example->isVisible());
  EXPECT_EQ(example->windowTitle(), "Example Sla4");
  example->findChild<QAction*>("mnuPrintText")->trigger();
  ASSERT_EQ(platform_.printer.documents.size(), 1u);
  EXPECT_EQ(platform_.printer.documents[0][5],
            std::string(11, ' ') + "Example 4:  Damage Analysis with Two Periods and Three Load Groups");
  example->findChild<QAction*>("mnuExit")->trigger();
  EXPECT_FALSE(platform_.windows.IsLoaded(SlabExampleKind(4)));

  // Every item of the Examples menu opens its screen.
  for (int n = 1; n <= 6; ++n) {
    editor->Item(("mnuLay" + std::to_string(n)).c_str())->trigger();
    editor->Item(("mnuSla" + std::to_string(n)).c_str())->trigger();
    EXPECT_NE(platform_.windows.Find<ExampleScreenWindow>(LayeredExampleKind(n)), nullptr) << n;
    EXPECT_NE(platform_.windows.Find<ExampleScreenWindow>(SlabExampleKind(n)), nullptr) << n;
  }
}

}  // namespace
}  // namespace pave::testing
