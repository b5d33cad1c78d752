#include "shell/shared_data_file.h"

#include "common/data_file_name.h"
#include "platform/platform.h"
#include "shell/directory_of.h"

namespace pave {

namespace {
constexpr const char* kTitle = "ROVANTE";

std::vector<EditsDataFile*> OpenEditors() {
  std::vector<EditsDataFile*> editors;
  WindowRegistry& windows = platform().windows();
  for (const std::string& loaded : windows.LoadedKinds()) {
    if (auto* editor = dynamic_cast<EditsDataFile*>(windows.Find(loaded))) editors.push_back(editor);
  }
  return editors;
}

std::string InEach(const std::vector<std::string>& editors) {
  std::vector<std::string> places;
  for (const std::string& editor : editors) places.push_back("in " + editor);
  return ListedNames(places);
}
}  // namespace

std::string NamingHeldFile(const std::string& question, const std::string& name, const std::string& editor) {
  return question + "\n\n" +
         (name.empty() ? "The text in " + editor + " is not saved in any file yet." : "The file " + name + " in " + editor + ".");
}

std::string UnsavedRunQuestion(const std::string& name, const std::string& editor) {
  return "The file " + name + " has changes in " + editor + " that have not been saved, and the analysis "
         "reads the file as it is on disk.  Do you want to save the file first?";
}

std::string WhichEditorSavesQuestion(const std::string& name, const std::vector<std::string>& editors,
                                     std::size_t asked) {
  const std::string& editor = editors.at(asked);
  const std::string no = asked + 1 < editors.size()
                             ? "you are asked about the changes in " + editors[asked + 1] + "."
                             : "nothing is saved, and the analysis reads the file as it is on disk.";
  return "The file " + name + " has changes that have not been saved " + InEach(editors) +
         ", and the analysis reads the file as it is on disk.  Only one of them can be saved into the file: a "
         "second save would replace the first.  Do you want to save the changes in " + editor +
         "?  Yes: " + editor + " saves the file and the analysis starts.  No: " + no +
         "  Cancel: nothing is saved and the analysis does not start.";
}

std::string RereadQuestion(const std::string& name, const std::string& saver, const std::string& editor) {
  return "The file " + name + " has just been saved by " + saver + ", and " + editor +
         " holds it as it was before.  Do you want " + editor + " to read the file again?  Yes: " + editor +
         " shows the file as it is now.  No: " + editor + " keeps what it shows, which then counts as not saved.";
}

std::string KeptChangesNote(const std::string& name, const std::string& saver, const std::string& editor) {
  return "The file " + name + " has just been saved by " + saver + ", and " + editor +
         " holds changes of it that have not been saved.  They are kept in " + editor +
         ", and saving them there would replace what " + saver + " saved.";
}

void TellFileSaved(const std::string& path, const std::string& saver) {
  for (EditsDataFile* editor : OpenEditors()) {
    if (editor->EditorName() != saver) editor->SavedElsewhere(path, saver);
  }
}

void AnswerSavedElsewhere(const std::string& name, const std::string& saver, const std::string& editor, bool unsaved,
                          const std::function<void()>& reread, const std::function<void()>& keep) {
  if (unsaved) {
    platform().messages().Tell(KeptChangesNote(name, saver, editor), kTitle);
    keep();
  } else if (platform().messages().Show(RereadQuestion(name, saver, editor), MessageButtons::YesNo, kTitle) ==
             MessageAnswer::Yes) {
    reread();
  } else {
    keep();
  }
}

bool MayRunFile(const std::string& path) {
  std::vector<EditsDataFile*> holders;
  std::vector<std::string> names;
  for (EditsDataFile* editor : OpenEditors()) {
    if (editor->HoldsUnsavedChanges(path)) {
      holders.push_back(editor);
      names.push_back(editor->EditorName());
    }
  }
  const std::string name = BareName(path);
  if (holders.size() == 1) {
    switch (platform().messages().Show(UnsavedRunQuestion(name, names.front()), MessageButtons::YesNoCancel, kTitle)) {
      case MessageAnswer::Yes: return holders.front()->SaveHeldFile();
      case MessageAnswer::No: return true;
      default: return false;
    }
  }
  for (std::size_t i = 0; i < holders.size(); ++i) {
    switch (platform().messages().Show(WhichEditorSavesQuestion(name, names, i), MessageButtons::YesNoCancel, kTitle)) {
      case MessageAnswer::Yes: return holders[i]->SaveHeldFile();
      case MessageAnswer::No: break;
      default: return false;
    }
  }
  return true;
}

}  // namespace pave
