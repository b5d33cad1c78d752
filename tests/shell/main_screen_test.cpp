#include "shell/main_screen.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/data_file_name.h"
#include "shell/path_list.h"
#include "shell_fixture.h"

namespace pave::testing {
namespace {

// A window that counts its load steps and showings.
struct CountingWindow : Window {
  explicit CountingWindow(std::map<std::string, int>* counts) : counts_(counts) {}
  void Load() override { ++(*counts_)["load " + kind()]; }
  void Show() override { ++(*counts_)["show " + kind()]; }
  std::map<std::string, int>* counts_;
};

struct Refusing : CountingWindow, AsksBeforeClosing {
  using CountingWindow::CountingWindow;
  bool MayClose() override {
    shown_when_asked = (*counts_)["show " + kind()];
    return may_close;
  }
  bool may_close = false;
  int shown_when_asked = 0;
};

class MainScreenTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    program_dir = Path("bin");
    std::filesystem::create_directories(program_dir);
    WriteFile(program_dir + "/PROG.DAT", "x");
    data_dir = Path("data files/");
    WriteFile(data_dir + "LAY1.DAT", "x");
    WriteFile(data_dir + "sla1.dat", "x");
  }
  void Start() {
    screen = std::make_unique<MainScreen>(path_box, file_box);
    SetMainScreen(screen.get());
    screen->Start(program_dir);
  }
  void WriteDataPath(const std::string& text) { WriteFile(program_dir + "/DataPath", text); }
  std::string DataPathFile() { return FileText(program_dir + "/DataPath"); }
  void ExpectFallback() {
    EXPECT_EQ(gDataPath, program_dir + "/");
    EXPECT_EQ(path_box.Text(), program_dir + "/");
    EXPECT_EQ(DataPathFile(), program_dir + "/\r\n");
    EXPECT_EQ(file_box.Items(), std::vector<std::string>{"PROG.DAT"});
    EXPECT_EQ(file_box.Text(), "PROG.DAT");
    EXPECT_TRUE(platform_.messages.shown.empty());
  }

  std::string program_dir, data_dir;
  PlainComboBox path_box, file_box;
  std::unique_ptr<MainScreen> screen;
};

TEST_F(MainScreenTest, StartupFallsBackToTheProgramDirectory) {
  struct Case {
    const char* name;
    std::function<void()> prepare;
  } cases[] = {
      {"missing DataPath", [] {}},
      {"empty DataPath", [&] { WriteDataPath(""); }},
      {"unreadable DataPath", [&] { std::filesystem::create_directories(program_dir + "/DataPath"); }},
      {"every directory gone", [&] { WriteDataPath(Path("gone/") + "\r\n\r\n" + Path("gone too/") + "\r\n"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(program_dir + "/DataPath");
    ResetProgramState();
    path_box.Clear();
    file_box.Clear();
    c.prepare();
    std::filesystem::path cwd = std::filesystem::current_path();
    Start();
    EXPECT_EQ(gCurntPath, program_dir + "/");
    EXPECT_TRUE(std::filesystem::exists(program_dir + "/Debug"));
    EXPECT_EQ(std::filesystem::current_path(), cwd);
    if (std::string(c.name) == "unreadable DataPath") {
      EXPECT_EQ(gDataPath, program_dir + "/");
      EXPECT_EQ(file_box.Text(), "PROG.DAT");
    } else {
      ExpectFallback();
    }
  }
}

TEST_F(MainScreenTest, StartupReadsTwelveLinesKeepsEightAndEntersTheFirst) {
  std::string text = data_dir + "\r\n" + data_dir + "\r\n";   // a repeat of line 1 is dropped
  for (int i = 1; i <= 10; ++i) {
    text += Path("d" + std::to_string(i) + "/") + "\r\n";
    std::filesystem::create_directories(Path("d" + std::to_string(i)));
  }
  WriteDataPath(text);
  Start();
  EXPECT_EQ(gPathList.nPaths(), 8);
  EXPECT_EQ(gPathList(8), Path("d7/"));
  EXPECT_EQ(gDataPath, data_dir);
  EXPECT_EQ(path_box.Text(), data_dir);
  ASSERT_EQ(path_box.Items().size(), 8u);
  EXPECT_EQ(path_box.Items()[0], data_dir);
  EXPECT_EQ(std::filesystem::current_path().string() + "/", data_dir);
  EXPECT_EQ(file_box.Items(), (std::vector<std::string>{"LAY1.DAT", "sla1.dat"}));
  EXPECT_EQ(file_box.Text(), "LAY1.DAT");
  EXPECT_EQ(platform_.printer.calls.back().text, data_dir);   // PDFs go to the data directory
}

TEST_F(MainScreenTest, StartupPassesOverDirectoriesThatAreGone) {
  std::filesystem::create_directories(Path("other"));
  const std::string file = Path("data files/LAY1.DAT/");   // a file, not a directory
  const std::string text = Path("gone/") + "\r\n" + "\r\n" + data_dir + "\r\n" + file + "\r\n" +
                           Path("other/") + "\r\n" + Path("DATA FILES/") + "\r\n";
  WriteDataPath(text);
  Start();
  EXPECT_EQ(path_box.Items(), (std::vector<std::string>{data_dir, Path("other/")}));
  EXPECT_EQ(gDataPath, data_dir);
  EXPECT_EQ(path_box.Text(), data_dir);
  EXPECT_EQ(file_box.Text(), "LAY1.DAT");
  EXPECT_EQ(DataPathFile(), text);   // the file is rewritten only by Exit
  EXPECT_TRUE(platform_.messages.shown.empty());

  EXPECT_TRUE(screen->Exit());
  EXPECT_EQ(DataPathFile(), data_dir + "\r\n" + Path("other/") + "\r\n");
}

TEST_F(MainScreenTest, ChangeStepFollowsTheDataDirectoryBox) {
  WriteDataPath(data_dir + "\r\n");
  Start();
  screen->SetDataPathText(program_dir);   // no final "/": the list stays, the file box empties
  EXPECT_EQ(gDataPath, program_dir);
  EXPECT_EQ(file_box.Text(), "");
  EXPECT_EQ(file_box.Items().size(), 2u);
  screen->SetDataPathText(program_dir + "/");
  EXPECT_EQ(gDataPath, program_dir + "/");
  EXPECT_EQ(file_box.Items(), std::vector<std::string>{"PROG.DAT"});
  EXPECT_EQ(file_box.Text(), "PROG.DAT");

  // Setting the text the box already shows is no change.
  file_box.SetText("typed");
  screen->SetDataPathText(program_dir + "/");
  EXPECT_EQ(file_box.Text(), "typed");

  // The user types: the box already shows the text.
  path_box.SetText(data_dir);
  screen->DataPathEdited();
  EXPECT_EQ(file_box.Text(), "LAY1.DAT");
  EXPECT_TRUE(platform_.messages.shown.empty());

  // A directory typed in full that is not there, or a file, is told at once by its name; a text
  // without its final "/" is still being typed.
  for (const std::string& missing : {Path("gone/"), data_dir + "LAY1.DAT/"}) {
    SCOPED_TRACE(missing);
    platform_.messages.shown.clear();
    path_box.SetText(missing.substr(0, missing.size() - 1));
    screen->DataPathEdited();
    EXPECT_TRUE(platform_.messages.shown.empty());
    path_box.SetText(missing);
    screen->DataPathEdited();
    EXPECT_EQ(platform_.messages.Texts(), std::vector<std::string>{MissingDataPathMessage(missing)});
    EXPECT_EQ(gDataPath, missing);
    EXPECT_TRUE(file_box.Items().empty());
  }
  EXPECT_EQ(platform_.messages.shown[0].title, "ROVANTE");
}

// What the user leaves in the data-directory box becomes a data path the file list, the command
// lines and "DataPath" can use: one line, no blanks around it, its final "/"; a path that is not a
// folder is told when the user finishes it.
TEST_F(MainScreenTest, ADataPathIsCompletedWhenTheUserFinishesIt) {
  WriteDataPath(data_dir + "\r\n");
  Start();
  struct Case {
    const char* name;
    std::string typed;
    std::string path;        // the box and gDataPath afterwards
    bool told_not_a_folder;
  } cases[] = {
      {"without its final slash", program_dir, program_dir + "/", false},
      {"with blanks around it", "  " + program_dir + "/ \t", program_dir + "/", false},
      {"pasted with more lines", program_dir + "\r\nsecond line\n", program_dir + "/", false},
      {"a file, not a folder", data_dir + "LAY1.DAT", data_dir + "LAY1.DAT/", true},
      {"a folder that is not there", Path("gone"), Path("gone/"), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    screen->SetDataPathText(data_dir);
    platform_.messages.shown.clear();
    path_box.SetText(c.typed);   // typed or pasted: the box shows it, then its change step runs
    screen->DataPathEdited();
    EXPECT_EQ(path_box.Text().find_first_of("\r\n"), std::string::npos);
    EXPECT_TRUE(platform_.messages.shown.empty());   // still being typed
    screen->DataPathFinished();
    EXPECT_EQ(path_box.Text(), c.path);
    EXPECT_EQ(gDataPath, c.path);
    if (c.told_not_a_folder) {
      EXPECT_EQ(platform_.messages.Texts(), std::vector<std::string>{MissingDataPathMessage(c.path)});
      EXPECT_TRUE(file_box.Items().empty());
    } else {
      EXPECT_TRUE(platform_.messages.shown.empty());
      EXPECT_EQ(file_box.Items(), std::vector<std::string>{"PROG.DAT"});
    }
    screen->DataPathFinished();   // finished again: nothing more
    EXPECT_EQ(platform_.messages.shown.size(), c.told_not_a_folder ? 1u : 0u);
  }

  // A button that uses the path completes it first; the file name typed stays.
  path_box.SetText(" " + data_dir.substr(0, data_dir.size() - 1));
  screen->DataPathEdited();
  file_box.SetText("LAY1");
  screen->StartAnalysis(AnalysisProgram::Morvelin);
  ASSERT_EQ(platform_.processes.started.size(), 1u);
  EXPECT_EQ(platform_.processes.started[0].argument, data_dir + "LAY1");
  EXPECT_EQ(file_box.Text(), "LAY1.DAT");

  // EXIT writes the box's path as one line with its final "/".
  path_box.SetText(program_dir + "\nmore");
  screen->DataPathEdited();
  EXPECT_TRUE(screen->Exit());
  EXPECT_EQ(DataPathFile(), program_dir + "/\r\n" + data_dir + "\r\n");
}

TEST_F(MainScreenTest, ConfirmingMovesANewDirectoryToTheTop) {
  for (int i = 1; i <= 20; ++i) std::filesystem::create_directories(Path("x" + std::to_string(i)));
  std::filesystem::create_directories(Path("new"));
  std::filesystem::create_directories(Path("b"));
  WriteDataPath(data_dir + "\r\n" + Path("new/") + "\r\n" + Path("b/") + "\r\n");
  Start();
  file_box.SetText("LAY1");
  screen->cmbDirectory();   // nothing new
  EXPECT_EQ(gDataFile, "LAY1");
  EXPECT_EQ(path_box.Items(), (std::vector<std::string>{data_dir, Path("new/"), Path("b/")}));

  screen->SetDataPathText(Path("new/"));
  screen->cmbDirectory();
  std::vector<std::string> expected{Path("new/"), data_dir, Path("b/")};
  EXPECT_EQ(path_box.Items(), expected);
  EXPECT_EQ(gPathList(1), Path("new/"));
  EXPECT_EQ(gPathList.nPaths(), 3);
  EXPECT_EQ(gDataPath, Path("new/"));
  EXPECT_EQ(gDataFile, "");   // the file box emptied with the change of directory

  // The list never passes its places: the oldest entry leaves the list and the box.
  for (int i = 1; i <= 20; ++i) {
    screen->SetDataPathText(Path("x" + std::to_string(i) + "/"));
    screen->cmbDirectory();
  }
  EXPECT_EQ(gPathList.nPaths(), PathList::kMaxInUse);
  EXPECT_EQ(path_box.Items().size(), static_cast<std::size_t>(PathList::kMaxInUse));
  EXPECT_EQ(path_box.Items().front(), Path("x20/"));
}

// A directory the box refuses as not a folder (gone, or a file) never enters the remembered list:
// not when a window button confirms it, not at EXIT.
TEST_F(MainScreenTest, ARefusedDirectoryNeverEntersTheList) {
  for (const std::string& refused : {Path("zz/"), data_dir + "LAY1.DAT/"}) {
    SCOPED_TRACE(refused);
    WriteDataPath(data_dir + "\r\n");
    ResetProgramState();
    path_box.Clear();
    Start();
    path_box.SetText(refused);
    screen->DataPathEdited();
    EXPECT_EQ(platform_.messages.Texts().back(), MissingDataPathMessage(refused));
    screen->cmbDirectory();
    EXPECT_EQ(gPathList.nPaths(), 1);
    EXPECT_EQ(path_box.Items(), std::vector<std::string>{data_dir});
    EXPECT_TRUE(screen->Exit());
    EXPECT_EQ(DataPathFile(), data_dir + "\r\n");
  }
}

TEST_F(MainScreenTest, AnalysisButtonsStartTheProgramsOnTheDataFile) {
  WriteDataPath(data_dir + "\r\n");
  Start();
  file_box.SetText("LAY1");
  screen->StartAnalysis(AnalysisProgram::Morvelin);
  file_box.SetText("sla1.dat");
  screen->StartAnalysis(AnalysisProgram::Bruntola);
  screen->StartAnalysis(AnalysisProgram::Large);
  ASSERT_EQ(platform_.processes.started.size(), 3u);
  EXPECT_EQ(platform_.processes.started[0].program, program_dir + "/morvelin");
  EXPECT_EQ(platform_.processes.started[0].argument, data_dir + "LAY1");   // blanks inside, one argument
  EXPECT_EQ(platform_.processes.started[1].program, program_dir + "/bruntola");
  EXPECT_EQ(platform_.processes.started[1].argument, data_dir + "sla1");
  EXPECT_EQ(platform_.processes.started[2].program, program_dir + "/large");
  EXPECT_EQ(file_box.Text(), "sla1.dat");
  // The first start changed the file box.
  file_box.SetText("LAY1");
  screen->StartAnalysis(AnalysisProgram::Morvelin);
  EXPECT_EQ(file_box.Text(), "LAY1.DAT");
  // The directory box is not confirmed by these buttons.
  EXPECT_EQ(gDataFile, "");
}

// Beside a file whose name differs only in letter case, a run reads exactly the file chosen: the
// argument keeps a ".dat" the program removes itself, and a name no argument can tell apart from
// the other file is refused with a message.
TEST_F(MainScreenTest, AnAnalysisReadsTheFileChosenBesideOneThatDiffersOnlyInCase) {
  for (const char* name : {"lay1.dat", "Sla1.Dat", "SOLO.dat"}) WriteFile(data_dir + name, "x");
  WriteDataPath(data_dir + "\r\n");
  Start();
  struct Case {
    const char* box;
    const char* argument;   // nullptr: refused
  } cases[] = {
      {"lay1.dat", "lay1.dat"}, {"LAY1.DAT", "LAY1"}, {"SOLO.dat", "SOLO"}, {"NEW", "NEW"}, {"Sla1.Dat", nullptr},
  };
  for (const Case& c : cases) {
    platform_.processes.started.clear();
    platform_.messages.shown.clear();
    file_box.SetText(c.box);
    screen->StartAnalysis(AnalysisProgram::Bruntola);
    if (!c.argument) {
      EXPECT_TRUE(platform_.processes.started.empty()) << c.box;
      EXPECT_EQ(platform_.messages.Texts(),
                std::vector<std::string>{"The analysis programs cannot tell the data file Sla1.Dat from sla1.dat, "
                                         "whose name differs from it only in letter case.  Please give one of them "
                                         "another name."});
      continue;
    }
    ASSERT_EQ(platform_.processes.started.size(), 1u) << c.box;
    EXPECT_EQ(platform_.processes.started[0].argument, data_dir + c.argument) << c.box;
    if (std::filesystem::exists(data_dir + c.box)) {
      EXPECT_EQ(DataFileOf(platform_.processes.started[0].argument), data_dir + c.box);
    }
    EXPECT_TRUE(platform_.messages.shown.empty()) << c.box;
  }
}

TEST_F(MainScreenTest, WindowButtonsHandOverTheDataFile) {
  WriteDataPath(data_dir + "\r\n");
  Start();
  std::map<std::string, int> counts;
  std::string graph_saw;
  for (const char* k : {kind::kEditor, kind::kHelp}) {
    SetWindowMaker(k, [&counts] { return new CountingWindow(&counts); });
  }
  struct Graph : CountingWindow {
    Graph(std::map<std::string, int>* c, std::string* saw) : CountingWindow(c), saw_(saw) {}
    void Load() override { *saw_ = gDataFile; CountingWindow::Load(); }
    std::string* saw_;
  };
  SetWindowMaker(kind::kLayerGraph, [&] { return new Graph(&counts, &graph_saw); });

  file_box.SetText("LAY1.DAT");
  screen->OpenEditorWindow(kind::kEditor);
  EXPECT_EQ(gDataFile, "LAY1.DAT");
  file_box.SetText("other.DAT");
  screen->OpenEditorWindow(kind::kEditor);   // already open: only brought to the front
  EXPECT_EQ(counts["load frmEditor"], 1);
  EXPECT_EQ(counts["show frmEditor"], 2);

  screen->DrawGraph(kind::kLayerGraph);
  EXPECT_EQ(graph_saw, data_dir + "other.DAT");
  EXPECT_EQ(counts["show frmTOLMER"], 1);
  EXPECT_FALSE(platform_.windows.IsLoaded(kind::kLayerGraph));

  screen->Help();
  EXPECT_EQ(gScreenCode, Value(1.0));
  EXPECT_EQ(counts["load frmHelp1"], 1);
  EXPECT_EQ(counts["show frmHelp1"], 0);   // the help window shows itself

  screen->CommandPrompt();
  EXPECT_EQ(platform_.processes.terminals, std::vector<std::string>{data_dir});

  screen->FileNameHint();
  ASSERT_EQ(platform_.messages.shown.size(), 1u);
  EXPECT_EQ(platform_.messages.shown[0].text, "Enter New Filename\nor Select File from List");
  EXPECT_EQ(platform_.messages.shown[0].title, "Filename");
}

TEST_F(MainScreenTest, ExitWritesTheListUnlessAWindowKeepsItsWork) {
  std::filesystem::create_directories(Path("b"));
  WriteDataPath(data_dir + "\r\n" + Path("b/") + "\r\n");
  Start();
  std::map<std::string, int> counts;
  Refusing* editor = nullptr;
  SetWindowMaker(kind::kEditor, [&] { return editor = new Refusing(&counts); });
  LoadWindow(kind::kEditor);

  screen->SetDataPathText(program_dir + "/");   // changed, not confirmed
  EXPECT_FALSE(screen->Exit());
  EXPECT_EQ(editor->shown_when_asked, 1) << "the window that asks is brought to the front first";
  EXPECT_EQ(program_ends, 0);
  EXPECT_EQ(DataPathFile(), data_dir + "\r\n" + Path("b/") + "\r\n");

  editor->may_close = true;
  EXPECT_TRUE(screen->Exit());
  EXPECT_EQ(program_ends, 1);
  EXPECT_EQ(DataPathFile(), program_dir + "/\r\n" + data_dir + "\r\n" + Path("b/") + "\r\n");
}

}  // namespace
}  // namespace pave::testing
