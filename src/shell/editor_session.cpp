#include "shell/editor_session.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "common/safe_file_write.h"
#include "common/text_compare.h"
#include "platform/platform.h"
#include "shell/directory_of.h"
#include "shell/file_replacement.h"
#include "shell/main_screen.h"
#include "shell/program_state.h"
#include "shell/record_reader.h"
#include "shell/shared_data_file.h"

namespace pave {

namespace {
constexpr const char* kDataFilter = "Data Files (*.DAT)|*.DAT|";
constexpr const char* kNotSaved = "You have not save the file.  Do you want to save the file?";

std::string Saved(const std::string& name) { return "File with a filename of " + name + " has been saved"; }

std::string DropLast4(const std::string& s) { return s.size() >= 4 ? s.substr(0, s.size() - 4) : std::string(); }
}  // namespace

EditorSession::EditorSession(EditorDocument& document, EditorTexts texts, EditorKind editor)
    : doc_(document), texts_(std::move(texts)), editor_(editor) {
  SetEditorChangeListener(editor_, this, [this] { Changed(); });
}

EditorSession::~EditorSession() {
  if (RemoveEditorChangeListener(editor_, this)) NextEditorGeneration(editor_);
}

void EditorSession::EndWindows() {
  CloseEditorWindows(editor_);
  NextEditorGeneration(editor_);
}

void EditorSession::Tell(const std::string& text) const { platform().messages().Tell(text, texts_.title); }

std::string EditorDataFileName(const std::string& data_file) {
  return EndsWithDat(data_file) ? data_file : data_file + ".DAT";
}

bool EditorSession::Load() {
  NextEditorGeneration(editor_);
  opened_ = Opened::None;
  agreed_.Clear();
  DataDir = gDataPath;
  gDataFile = EditorDataFileName(gDataFile);
  gEditFileName = Value(gDataFile);
  if (gDataFile == ".DAT") {
    Tell(texts_.missing_name);
    return false;
  }
  return true;
}

bool EditorSession::MenuAllowed() {
  if (gFileLoaded.Number() != 1) {
    SaveState = 1;
    Tell("No data file has been loaded.");
    return false;
  }
  return true;
}

bool EditorSession::SettleWindows(bool closing) {
  return SettleOpenWindows(editor_, texts_.title, closing ? "the editor closes" : "the file is saved",
                           closing ? "the editor stays open" : "nothing is saved");
}

std::string EditorSession::SavedMessage() const {
  std::string text = Saved(NameInMessages());
  if (left_out_from_ >= 2) {
    const int count = doc_.DataSetCount();
    text += left_out_from_ < count ? " without Data Sets " + std::to_string(left_out_from_) + " to " +
                                         std::to_string(count)
                                   : " without Data Set " + std::to_string(left_out_from_);
  }
  return text;
}

void EditorSession::TellAlreadyLoaded() const {
  // This editor knows how it opened its file; a file loaded by the other editor is told by gNewFile.
  const bool as_new = opened_ == Opened::None ? gNewFile.Number() == 1 : opened_ == Opened::New;
  Tell(as_new ? texts_.opened_as_new : texts_.opened_as_existing);
}

void EditorSession::New() {
  if (gFileLoaded.Number() == 1) {
    TellAlreadyLoaded();
    return;
  }
  EndWindows();
  doc_.StartFresh();
  gEditFileName = Value(texts_.new_file_name);
  SaveFile = texts_.new_file_name;
  gNewFile = Value(1);
  gFileLoaded = Value(1);
  opened_ = Opened::New;
  agreed_.Clear();   // a file of the new file's name that is there is replaced only after a question
  doc_.ShowFileName("Untitled");
  SaveState = 1;
}

void EditorSession::HandFileToMainWindow() {
  if (MainScreen* main = frmROVANTE()) main->TakeFile(TargetPath());
}

void EditorSession::Old() {
  if (gFileLoaded.Number() == 1) {
    TellAlreadyLoaded();
    return;
  }
  FileDialogRequest request;
  request.mode = FileDialogMode::Open;
  request.filter = kDataFilter;
  request.filter_index = 2;
  if (!gEditFileName.Text().empty()) request.file_name = DataDir + gEditFileName.Text();
  std::optional<FileChoice> choice = platform().file_dialog().Show(request);
  if (!choice) return;   // cancelled: nothing is read
  ReadFile(choice->file_name, true);
}

void EditorSession::ReadFile(const std::string& path, bool hand_over) {
  SaveFile = path;
  EndWindows();
  doc_.StartFresh();
  doc_.BeginRead();
  DataDir = DirectoryOf(SaveFile);
  if (hand_over) HandFileToMainWindow();
  ShownName = DropLast4(SaveFile.substr(DataDir.size()));
  gFileLoaded = Value(1);
  opened_ = Opened::Old;
  agreed_.Take(SaveFile);   // as it is before the read: a change while reading counts as a change
  IncompleteFile.clear();

  try {
    FreeFormatReader in = [&] {
      try {
        return FreeFormatReader::FromFile(SaveFile);
      } catch (const DataError&) {
        throw RecordReadError("the start of the file", "the file cannot be opened");
      }
    }();
    doc_.Read(in);
  } catch (const FileRejected& rejected) {
    Tell(rejected.what());
    gFileLoaded = Value(0);
    opened_ = Opened::None;
    return;
  } catch (const RecordReadError& error) {
    doc_.ReadFailed();
    doc_.ShowFileName(ShownName);
    IncompleteFile = SaveFile;
    Tell(IncompleteReadMessage(SaveFile, error));
    return;
  }
  doc_.ReadComplete();
  // A file read as it would be written is saved; one the editor would write otherwise (an older
  // layout converted while reading) is not.
  SaveState = FileMatchesData(SaveFile) ? 2 : 1;
  doc_.ShowFileName(ShownName);
}

bool EditorSession::FileMatchesData(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  try {
    if (doc_.WriteProblem()) return false;
    return doc_.FileBytes() == bytes;
  } catch (const std::exception&) {
    return false;
  }
}

bool EditorSession::CheckComplete() {
  CheckFailed = false;
  doc_.MakeSetOneCurrent();
  for (const std::string& problem : doc_.CompletenessProblems()) {
    Tell(problem);
    CheckFailed = true;
  }
  return !CheckFailed;
}

void EditorSession::ShortenSaveFile() {
  if (!DataDir.empty() && SaveFile.size() > DataDir.size() && SaveFile.compare(0, DataDir.size(), DataDir) == 0)
    SaveFile = SaveFile.substr(DataDir.size());
}

std::string EditorSession::TargetPath() const {
  if (!SaveFile.empty() && SaveFile.front() == '/') return SaveFile;
  return DataDir + SaveFile;
}

std::string EditorSession::SavedPath() const { return EditorDataFileName(TargetPath()); }

std::string EditorSession::NameInMessages() const {
  const std::string path = TargetPath();
  return SameFile(DirectoryOf(path), gDataPath) ? SaveFile : path;
}

int EditorSession::FirstRefusedSet() {
  const int count = doc_.DataSetCount();
  if (count < 1) return 0;
  int refused = 0;
  for (int k = 1; k <= count && refused == 0; ++k) {
    doc_.SetDataSetCount(k);
    if (doc_.WriteProblem()) refused = k;
  }
  doc_.SetDataSetCount(count);
  return refused;
}

void EditorSession::LeaveOutUnfilledSets() {
  while (doc_.WriteProblem()) {
    const int set = FirstRefusedSet();
    if (set < 2 || !doc_.NeverFilled(set)) return;
    const std::string name = "Data Set " + std::to_string(set);
    const bool later_sets = set < doc_.DataSetCount();
    Tell(name + " was made, but nothing has been entered into it since and it is not complete.  " + name +
         " is left out of the file" +
         (later_sets ? "; the data sets after it move up one place."
                     : ".  Click its Data Set button again to make it anew from data set 1."));
    EndWindows();   // tables and forms open on the sets that move
    doc_.LeaveOut(set);
    SaveState = 1;
  }
}

bool EditorSession::Write(bool closing) {
  left_out_from_ = 0;
  LeaveOutUnfilledSets();
  if (std::optional<std::string> problem = doc_.WriteProblem()) {
    // The set named becomes the current one, so that the menus open it for the correction.
    const int set = FirstRefusedSet();
    if (set >= 1) doc_.MakeSetCurrent(set);
    if (set < 2) {
      Tell(*problem + "  The file has not been saved.");
      return false;
    }
    const std::string name = "Data Set " + std::to_string(set);
    const bool later_sets = set < doc_.DataSetCount();
    const std::string sets = later_sets ? name + " and the data sets after it" : name;
    const std::string question =
        *problem + "  Do you want to save the file without " + sets + "?  " +
        (closing ? "The editor then closes without " + std::string(later_sets ? "them" : "it") + "."
                 : std::string(later_sets ? "They stay" : "It stays") +
                       " in the editor, to be completed and saved later.");
    if (platform().messages().Show(question, MessageButtons::YesNo, texts_.title) != MessageAnswer::Yes) return false;
    left_out_from_ = set;
  }
  const std::string upper = UpperCase(SaveFile);
  if (upper.size() < 4 || upper.substr(upper.size() - 4) != ".DAT") SaveFile += ".DAT";
  const std::string path = TargetPath();
  if (!IncompleteFile.empty()) {
    if (SameFile(path, IncompleteFile)) {
      const MessageAnswer answer = platform().messages().Show(
          "The file " + IncompleteFile + " was not read completely.  Saving replaces it with the data shown, "
          "and what could not be read is lost.  Do you want to save over it?",
          MessageButtons::YesNo, texts_.title);
      if (answer != MessageAnswer::Yes) return false;
    }
  }
  if (!MayReplace(path, agreed_, texts_.title)) return false;
  std::string bytes;
  if (left_out_from_ >= 2) {
    const int count = doc_.DataSetCount();
    doc_.SetDataSetCount(left_out_from_ - 1);
    bytes = doc_.FileBytes();
    doc_.SetDataSetCount(count);
  } else {
    bytes = doc_.FileBytes();
  }
  std::string reason;
  bool untouched = true;
  std::error_code error;
  const bool was_there = std::filesystem::exists(path, error);
  if (!WriteFileSafely(path, bytes, reason, &untouched)) {
    Tell("File with a filename of " + NameInMessages() + " could not be saved: " + reason +
         (!untouched       ? "."
          : was_there ? ".  The file on disk is left as it was."
                      : ".  Nothing was written."));
    return false;
  }
  agreed_.Take(path);
  if (path == IncompleteFile) IncompleteFile.clear();
  TellFileSaved(path, texts_.editor_name);
  return true;
}

bool EditorSession::Save() {
  if (!SettleWindows(false)) return false;
  if (!CheckComplete()) return false;
  ShortenSaveFile();
  if (!Write()) return false;
  // Named as the data path stood: a file saved outside it is named with its folder.
  const std::string saved = SavedMessage();
  HandFileToMainWindow();
  // A file written without some data sets does not hold everything the editor holds.
  SaveState = left_out_from_ ? 1 : 2;
  Tell(saved);
  return true;
}

bool EditorSession::SaveAs() {
  if (!SettleWindows(false)) return false;
  if (!CheckComplete()) return false;
  ShortenSaveFile();
  // The dialog offers the open file's own name in its own folder.
  FileDialogRequest request;
  request.mode = FileDialogMode::SaveAs;
  request.filter = kDataFilter;
  request.filter_index = 2;
  request.file_name = SavedPath();
  KnownFile agreed = agreed_;
  std::optional<FileChoice> choice = ChooseFileToSave(request, agreed, texts_.title, EditorDataFileName);
  if (!choice) return false;   // cancelled: nothing is written
  // The editor moves to the chosen file only once the file is written there: a save that is
  // refused or fails leaves its folder, its file and the file it may replace as they were.
  const std::string kept_dir = DataDir, kept_file = SaveFile;
  const KnownFile kept_agreed = agreed_;
  DataDir = DirectoryOf(choice->file_name);
  SaveFile = choice->file_name.substr(DataDir.size());
  agreed_ = agreed;
  if (!Write()) {
    DataDir = kept_dir;
    SaveFile = kept_file;
    agreed_ = kept_agreed;
    return false;
  }
  if (MainScreen* main = frmROVANTE()) {
    main->SetDataPathText(DataDir);
    if (UpperCase(main->DataPathText()) != UpperCase(gPathList(1))) main->InsertDataPathAtTop(DataDir);
  }
  SaveState = left_out_from_ ? 1 : 2;
  Tell(SavedMessage());
  doc_.ShowFileName(DropLast4(SaveFile));
  gEditFileName = Value(SaveFile);
  HandFileToMainWindow();
  return true;
}

bool EditorSession::MayClose() {
  if (!SettleWindows(true)) return false;
  if (SaveState == 2) return true;
  switch (platform().messages().Show(NamingHeldFile(kNotSaved, BareName(SavedPath()), texts_.editor_name),
                                     MessageButtons::YesNoCancel, texts_.title)) {
    case MessageAnswer::Yes:
      if (!CheckComplete()) return false;
      if (!Write(true)) return false;
      SaveState = left_out_from_ ? 1 : 2;
      Tell(SavedMessage());
      return true;
    case MessageAnswer::No:
      return true;
    default:
      return false;
  }
}

bool EditorSession::HoldsUnsavedChanges(const std::string& data_file) const {
  return opened_ != Opened::None && SaveState != 2 && SameFile(SavedPath(), data_file);
}

void EditorSession::SavedElsewhere(const std::string& data_file, const std::string& saver) {
  if (opened_ == Opened::None || !SameFile(SavedPath(), data_file)) return;
  const std::string path = SavedPath();
  AnswerSavedElsewhere(
      BareName(path), saver, texts_.editor_name, SaveState != 2 || WindowsHoldEdits(editor_),
      [this, path] { ReadFile(path, false); },
      [this, path] {
        // The user was told of the other editor's save: saving here replaces it without asking again.
        SaveState = 1;
        if (SameFile(agreed_.path, path)) agreed_.Take(agreed_.path);
      });
}

bool EditorSession::Exit() {
  if (!MayClose()) return false;
  opened_ = Opened::None;
  gFileLoaded = Value(0);
  EndWindows();
  return true;
}

}  // namespace pave
