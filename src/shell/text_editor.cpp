#include "shell/text_editor.h"

#include <cmath>
#include <filesystem>

#include "common/numeric_value.h"
#include "common/text_compare.h"
#include "platform/platform.h"
#include "shell/directory_of.h"
#include "shell/file_list.h"
#include "shell/file_replacement.h"
#include "shell/main_screen.h"
#include "shell/paged_print.h"
#include "shell/program_state.h"
#include "shell/shared_data_file.h"
#include "shell/window_makers.h"

namespace pave {

namespace {
constexpr const char* kTitle = "ROVANTE";
constexpr const char* kNotOpen = "File not open";
}  // namespace

void TextEditor::Load() {
  FileOpened = 0;
  EditFile = gDataFile;
  SavedText.clear();
  agreed_.Clear();
  view_.SetCaption(kEditorCaption);
}

bool TextEditor::EditorDialogBox(int action, const std::string& preset, std::string& chosen, KnownFile& agreed) {
  FileDialogRequest request;
  request.mode = action == 1 ? FileDialogMode::Open : FileDialogMode::SaveAs;
  request.filter = kEditorFilter;
  // The filter that lists the preset file: a data file is not offered under "Text Files".
  request.filter_index = EditorFilterIndexFor(preset);
  request.file_name = preset;
  FileType = EditorFileTypeOf(request.filter_index);
  // A file the user agrees to replace becomes the agreed file only once the text is written there.
  agreed = agreed_;
  std::optional<FileChoice> choice = action == 1 ? platform().file_dialog().Show(request)
                                                 : ChooseFileToSave(request, agreed, kTitle);
  if (!choice) return false;
  chosen = choice->file_name;
  FileType = EditorFileTypeOf(choice->filter_index);
  return true;
}

bool TextEditor::LoadTextFile(const std::string& name) {
  platform().desktop().SetBusy(true);
  KnownFile read;
  read.Take(name);   // as it is before the read: a change while reading counts as a change
  ReadOutcome outcome = ReadEditorFile(name);
  if (!outcome.ok) {
    platform().messages().Beep();
    platform().desktop().SetBusy(false);
    platform().messages().Tell(outcome.too_long ? TooLongMessage(name) : CannotReadMessage(name, outcome.reason),
                               "OPEN");
    return false;
  }
  view_.SetText(outcome.content.text);
  latin1_ = outcome.content.latin1;
  SavedText = view_.Text();
  replaced_ = false;
  agreed_ = read;
  platform().desktop().SetBusy(false);
  return true;
}

bool TextEditor::SaveTextFile(const std::string& name, KnownFile agreed) {
  if (!MayReplace(name, agreed, kTitle)) return false;
  platform().desktop().SetBusy(true);
  std::string text = view_.Text();
  std::string reason;
  bool written = WriteEditorFile(name, EditorText{text, latin1_}, reason);
  platform().desktop().SetBusy(false);
  if (!written) {
    platform().messages().Tell(CannotWriteMessage(name, reason), kTitle);
    return false;
  }
  SavedText = text;
  replaced_ = false;
  agreed_.Take(name);
  TellFileSaved(name, kTextEditorName);
  return true;
}

void TextEditor::HandFileBack() {
  if (EndsWithDat(view_.Caption()) && frmROVANTE()) frmROVANTE()->TakeFile(EditFile);
}

void TextEditor::Open() {
  std::error_code error;
  std::filesystem::current_path(gDataPath, error);
  if (error) return;
  std::string chosen;
  KnownFile ignored;
  if (!EditorDialogBox(1, EditFile, chosen, ignored)) return;
  // The text on screen is replaced only after the user had the chance to keep it.
  if (Unsaved() && !AskToSave()) return;
  WorkFile = OpenedFileName(chosen, FileType);
  EditDir = DirectoryOf(WorkFile);
  if (frmROVANTE()) frmROVANTE()->SetDataPathText(EditDir);
  if (LoadTextFile(WorkFile)) {
    EditFile = WorkFile;
    FileOpened = 1;
    view_.SetCaption(EditFile.substr(EditDir.size()));
  }
  HandFileBack();
}

void TextEditor::Save() {
  if (FileOpened != 1) {
    SaveAs();
    return;
  }
  SaveTextFile(EditFile, agreed_);
  HandFileBack();
}

bool TextEditor::SaveText() {
  if (FileOpened != 1) return SaveAs();
  if (!SaveTextFile(EditFile, agreed_)) return false;
  HandFileBack();
  return true;
}

bool TextEditor::SaveAs() {
  // The dialog offers the file's own name in its own folder; a text not read from a file is
  // offered the data directory.
  std::string preset;
  if (FileOpened == 1) {
    preset = EditFile;
  } else {
    std::error_code error;
    std::filesystem::current_path(gDataPath, error);
  }
  bool saved = false;
  std::string chosen;
  KnownFile agreed;
  if (EditorDialogBox(2, preset, chosen, agreed)) {
    WorkFile = chosen;
    if (SaveTextFile(WorkFile, agreed)) {
      saved = true;
      EditFile = WorkFile;
      FileOpened = 1;
      EditDir = DirectoryOf(EditFile);
      if (MainScreen* main = frmROVANTE()) {
        main->SetDataPathText(EditDir);
        if (!EqualsIgnoringCase(main->DataPathText(), gPathList(1))) main->InsertDataPathAtTop(EditDir);
      }
      view_.SetCaption(EditFile.substr(EditDir.size()));
    }
  }
  if (MainScreen* main = frmROVANTE()) {
    try {
      main->RefillFileList();
    } catch (const std::exception&) {
      return saved;
    }
  }
  HandFileBack();
  return saved;
}

void TextEditor::Print() {
  if (FileOpened != 1) {
    platform().messages().Tell(kNotOpen, kTitle);
    return;
  }
  std::optional<std::string> answer =
      platform().messages().Input("Number of lines per page", "PRINT", " 57");
  if (!answer || answer->empty()) return;
  std::optional<double> lines = ParseNumber(*answer);
  if (!lines) {
    platform().messages().Tell("The number of lines per page must be a number.", "PRINT");
    return;
  }
  // A count that is not a whole positive number is never reached: one document without pages.
  int per_page = 0;
  if (*lines >= 1 && *lines <= 1e6 && std::floor(*lines) == *lines) per_page = static_cast<int>(*lines);
  // The caption names the file read or saved last.
  if (!PrintPaged(view_.Text(), EditorPagedStyle(per_page), platform().printer(), nullptr, view_.Caption())) {
    platform().messages().Tell(kPrinterFailedMessage, kTitle);
  }
}

bool TextEditor::AskToSave() {
  const std::string name = FileOpened == 1 ? view_.Caption() : std::string();
  MessageAnswer answer = platform().messages().Show(
      NamingHeldFile("Do you like to save the file?", name, kTextEditorName), MessageButtons::YesNoCancel, kTitle);
  if (answer == MessageAnswer::Cancel) return false;
  return answer == MessageAnswer::No || SaveText();
}

void TextEditor::Exit() {
  if (FileOpened != 1 && !Unsaved()) {
    platform().messages().Tell("File not open.  Click the X at the right upper corner to exit.", kTitle);
    return;
  }
  if (!Unsaved() || AskToSave()) view_.CloseWindow();
}

bool TextEditor::MayClose() { return !Unsaved() || AskToSave(); }

bool TextEditor::HoldsUnsavedChanges(const std::string& path) const {
  return FileOpened == 1 && Unsaved() && SameFile(EditFile, path);
}

void TextEditor::SavedElsewhere(const std::string& path, const std::string& saver) {
  if (FileOpened != 1 || !SameFile(EditFile, path)) return;
  AnswerSavedElsewhere(
      view_.Caption(), saver, kTextEditorName, Unsaved(),
      [this] { LoadTextFile(EditFile); },
      [this] {
        // The user was told of the other editor's save: saving here replaces it without asking again.
        replaced_ = true;
        agreed_.Take(EditFile);
      });
}

void TextEditor::Cut() {
  Copy();
  view_.ReplaceSelection("");
}

void TextEditor::Copy() {
  platform().clipboard().Clear();
  platform().clipboard().SetText(view_.SelectedText());
}

void TextEditor::Paste() {
  // A clipboard without text leaves the selection as it is.
  std::string text = platform().clipboard().GetText();
  if (!text.empty()) view_.ReplaceSelection(text);
}

void TextEditor::HelpTopic(int code) {
  gScreenCode = Value(static_cast<double>(code));
  LoadWindow(kind::kHelp);
}

void TextEditor::ExampleScreen(const std::string& kind) { LoadWindow(kind); }

}  // namespace pave
