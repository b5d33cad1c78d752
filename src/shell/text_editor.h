// The text editor's work, without its widgets: open, save, save as and print a text file, cut,
// copy and paste, the help and example menus, and leaving with or without saving. The window
// holds the text box and calls this.
#pragma once

#include <cstdint>
#include <string>

#include "shell/editor_file.h"
#include "shell/file_replacement.h"

namespace pave {

// What the editor needs of its window.
class EditorView {
 public:
  virtual ~EditorView() = default;
  // The text box's text, lines separated by "\n".
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
  virtual std::string SelectedText() const = 0;
  virtual void ReplaceSelection(const std::string& text) = 0;
  virtual std::string Caption() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  // Closes the window at once (no question).
  virtual void CloseWindow() = 0;
};

inline constexpr const char* kEditorCaption = "Editor Screen";
// The text editor as messages about its file name it.
inline constexpr const char* kTextEditorName = "the text editor";

class TextEditor {
 public:
  explicit TextEditor(EditorView& view) : view_(view) {}

  void Load();       // FileOpened = 0, EditFile = gDataFile, caption "Editor Screen"
  void Open();       // mnuOpen; asks before unsaved text is replaced
  void Save();       // mnuSave; a text not read from a file is saved through Save As
  // mnuSaveAs; also a text typed into a fresh editor. True when the text was written.
  bool SaveAs();
  void Print();      // mnuPrint
  void Exit();       // mnuExit
  void Cut();        // mnuCut
  void Copy();       // mnuCopy
  void Paste();      // mnuPast, and the text box's paste keys and context menu
  // The window button: true when the window may close (nothing unsaved, saved, or declined).
  bool MayClose();
  // True when the text is the file `path` (under any of its names) with changes not saved.
  bool HoldsUnsavedChanges(const std::string& path) const;
  // Saves the text into its file (Save); true when written.
  bool SaveHeldFile() { return SaveText(); }
  // Another editor (`saver`) has written `path`: when it is the file read here, the editor asks
  // whether to read it again, or, with changes not saved, keeps them and says so.
  void SavedElsewhere(const std::string& path, const std::string& saver);
  // The help items (codes 2 to 10) and the example screens.
  void HelpTopic(int code);
  void ExampleScreen(const std::string& kind);

  // Form-level state.
  std::int16_t FileOpened = 0;
  std::string EditFile;
  std::string WorkFile;
  std::string EditDir;
  std::string SavedText;
  EditorFileType FileType = EditorFileType::Text;

 private:
  // The file dialog; for a save, `agreed` is the file the user agreed to replace.
  bool EditorDialogBox(int action, const std::string& preset, std::string& chosen, KnownFile& agreed);
  bool LoadTextFile(const std::string& name);
  // Writes the text as `name`, asking first unless it is the `agreed` file as it was then.
  bool SaveTextFile(const std::string& name, KnownFile agreed);
  void HandFileBack();     // the file to the main window (its folder and name) when it is a data file
  // Asks "Do you like to save the file?"; true when the text may be dropped (saved, or the user
  // chose not to save it).
  bool AskToSave();
  // Saves the text into its file, or through Save As when it has none; true when written.
  bool SaveText();
  bool Unsaved() const { return replaced_ || view_.Text() != SavedText; }

  EditorView& view_;
  bool latin1_ = false;
  // The file that may be replaced without asking while no other program changed it: the one read
  // or written last.
  KnownFile agreed_;
  // Another editor wrote the file since it was read or saved here, and the user kept this text:
  // it counts as not saved.
  bool replaced_ = false;
};

}  // namespace pave
