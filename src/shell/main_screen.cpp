#include "shell/main_screen.h"

#include "common/safe_file_write.h"

#include <filesystem>
#include <sstream>

#include <unistd.h>

#include "platform/platform.h"
#include "shell/directory_of.h"
#include "shell/file_list.h"
#include "shell/program_state.h"
#include "shell/window_makers.h"

namespace pave {

namespace fs = std::filesystem;

namespace {
MainScreen* g_main_screen = nullptr;

bool EnterDirectory(const std::string& directory) {
  if (directory.empty()) return false;
  std::error_code error;
  fs::current_path(directory, error);
  return !error;
}

// A directory that exists and may be entered.
bool UsableDirectory(const std::string& directory) {
  std::error_code error;
  return !directory.empty() && fs::is_directory(directory, error) && ::access(directory.c_str(), X_OK) == 0;
}
}  // namespace

std::string MissingDataPathMessage(const std::string& path) {
  return "The data path " + path + " is not a folder that exists and can be opened.  Choose a directory "
         "from the list or type one that exists; the data paths you have saved are kept.";
}

std::string TypedDataPath(const std::string& box_text) {
  std::string path = box_text.substr(0, box_text.find_first_of("\r\n"));
  const std::size_t begin = path.find_first_not_of(" \t");
  if (begin == std::string::npos) return std::string();
  return path.substr(begin, path.find_last_not_of(" \t") - begin + 1);
}

std::string CompletedDataPath(const std::string& box_text) {
  std::string path = TypedDataPath(box_text);
  if (!path.empty() && path.back() != '/') path += '/';
  return path;
}

MainScreen* frmROVANTE() { return g_main_screen; }
void SetMainScreen(MainScreen* screen) { g_main_screen = screen; }

std::string ProgramPathOf(const std::string& program_directory) {
  std::string path = program_directory + "/";
  if (path.size() >= 2 && path.compare(path.size() - 2, 2, "//") == 0) path.pop_back();
  return path;
}

MainScreen::MainScreen(ComboBox& cmbDataPath, ComboBox& cmbFileName)
    : path_box_(cmbDataPath), file_box_(cmbFileName) {}

MainScreen::~MainScreen() {
  if (g_main_screen == this) g_main_screen = nullptr;
}

void MainScreen::Start(const std::string& program_directory) {
  gCrLf = kCrLf;
  gCurntPath = ProgramPathOf(program_directory);
  debug_.open(gCurntPath + "Debug", std::ios::binary | std::ios::trunc);   // stays open, empty

  std::ifstream in(gCurntPath + "DataPath", std::ios::binary);
  if (!in) return Fallback(program_directory);
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) return Fallback(program_directory);
  // Remembered directories that are gone are passed over; only when none is left does the program
  // directory take their place.
  gPathList.ReadDataPath(content.str(), UsableDirectory);
  if (gPathList.nPaths() == 0) return Fallback(program_directory);
  gDataPath = gPathList(1);
  SetDataPathText(gDataPath);
  for (int i = 1; i <= gPathList.nPaths(); ++i) path_box_.AddItem(gPathList(i));
  if (!EnterDirectory(gDataPath)) return Fallback(program_directory);
  try {
    FillFileList(gDataPath, "*.dat", file_box_);
  } catch (const std::exception&) {
    Fallback(program_directory);
  }
}

void MainScreen::Fallback(const std::string& program_directory) {
  gDataPath = program_directory + "/";
  WriteDataPath(DataPathFileText({gDataPath}));
  SetDataPathText(gDataPath);
  try {
    FillFileList(gDataPath, "*.dat", file_box_);
  } catch (const std::exception&) {
    // The program directory cannot be listed: the file box stays empty.
  }
}

void MainScreen::WriteDataPath(const std::string& text) {
  std::string reason;
  WriteFileSafely(gCurntPath + "DataPath", text, reason);   // a read-only program directory keeps its old list
}

void MainScreen::SetDataPathText(const std::string& text) {
  if (text == path_box_.Text()) return;
  path_box_.SetText(text);
  ChangeStep();
}

void MainScreen::DataPathEdited() {
  const std::string text = path_box_.Text();
  const std::size_t line_end = text.find_first_of("\r\n");
  if (line_end != std::string::npos) path_box_.SetText(text.substr(0, line_end));
  ChangeStep();
}

void MainScreen::DataPathFinished() {
  const std::string completed = CompletedDataPath(path_box_.Text());
  if (completed == path_box_.Text()) return;
  const std::string file = file_box_.Text();
  SetDataPathText(completed);
  if (!file.empty()) file_box_.SetText(file);
}

void MainScreen::ChangeStep() {
  try {
    file_box_.SetText("");
    gDataPath = TypedDataPath(path_box_.Text());
    platform().printer().SetDataDirectory(gDataPath);
    FillFileList(gDataPath, "*.dat", file_box_);
  } catch (const std::exception&) {
    platform().messages().Tell(kDriveMessage, "ROVANTE");
    return;
  }
  // A directory typed in full (its final "/") that is not there: the emptied file list alone
  // would not say why.
  if (!gDataPath.empty() && gDataPath.back() == '/' && !UsableDirectory(gDataPath)) {
    platform().messages().Tell(MissingDataPathMessage(gDataPath), "ROVANTE");
  }
}

void MainScreen::InsertDataPathAtTop(const std::string& directory) { path_box_.InsertItem(0, directory); }

std::int16_t MainScreen::RefillFileList() { return FillFileList(gDataPath, "*.dat", file_box_); }

void MainScreen::TakeFile(const std::string& path) {
  SetDataPathText(DirectoryOf(path));
  try {
    RefillFileList();
  } catch (const std::exception&) {
    // The list stays as it was; the file box still gets the name.
  }
  SetFileText(BareName(path));
}

std::int16_t MainScreen::nPaths() const { return gPathList.nPaths(); }

void MainScreen::cmbDirectory() {
  DataPathFinished();
  std::string box = path_box_.Text();
  // A directory the box refused (told by the change step) never enters the remembered list.
  PathList::Confirmation confirmed = UsableDirectory(box) ? gPathList.Confirm(box) : PathList::Confirmation{};
  if (confirmed.added) {
    path_box_.InsertItem(0, box);
    if (confirmed.removed_position > 0) path_box_.RemoveItem(confirmed.removed_position - 1);
    if (!confirmed.dropped.empty()) {
      std::vector<std::string> items = path_box_.Items();
      for (int i = static_cast<int>(items.size()) - 1; i > 0; --i) {
        if (items[static_cast<std::size_t>(i)] == confirmed.dropped) {
          path_box_.RemoveItem(i);
          break;
        }
      }
    }
    gDataPath = gPathList(1);
  }
  SetDataPathText(gDataPath);
  gDataFile = ComboText(file_box_);
}

void MainScreen::StartAnalysis(AnalysisProgram program) {
  DataPathFinished();
  AnalysisStart start = PrepareAnalysisStart(program, file_box_.Text(), gCurntPath, gDataPath);
  file_box_.SetText(start.file_box);
  if (const std::string refused = AimAtChosenFile(start, gDataPath); !refused.empty()) {
    platform().messages().Tell(refused, "ROVANTE");
    return;
  }
  // Editors holding unsaved changes of this very file are asked first: the run reads the disk.
  if (!MayRunFile(gDataPath + start.file_box)) return;
  platform().processes().Start(start.program, start.argument);
}

void MainScreen::OpenEditorWindow(const std::string& kind) {
  cmbDirectory();
  if (LoadWindow(kind)) platform().windows().Show(kind);
}

void MainScreen::DrawGraph(const std::string& kind) {
  cmbDirectory();
  gDataFile = gDataPath + file_box_.Text();
  if (LoadWindow(kind)) {
    platform().windows().Show(kind);
    platform().windows().Unload(kind);
  }
}

void MainScreen::Help() {
  gScreenCode = Value(1.0);
  LoadWindow(kind::kHelp);
}

void MainScreen::CommandPrompt() {
  DataPathFinished();
  EnterDirectory(gDataPath);
  platform().processes().OpenTerminal(gDataPath);
}

void MainScreen::FileNameHint() {
  platform().messages().Tell("Enter New Filename\nor Select File from List", "Filename");
}

bool MainScreen::Exit() {
  WindowRegistry& windows = platform().windows();
  for (const std::string& loaded : windows.LoadedKinds()) {
    auto* asks = dynamic_cast<AsksBeforeClosing*>(windows.Find(loaded));
    if (!asks) continue;
    windows.Show(loaded);   // a window that asks stands in front while it does
    if (!asks->MayClose()) return false;
  }
  // The box's path as it would be confirmed: one line, its final "/"; a directory that is not
  // there leaves the remembered list as it was.
  std::string box = CompletedDataPath(path_box_.Text());
  if (!UsableDirectory(box)) box = gPathList(1);
  WriteDataPath(DataPathFileText(gPathList.ExitLines(box, box)));
  debug_.close();
  EndProgram();
  return true;
}

}  // namespace pave
