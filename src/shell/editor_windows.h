// The windows of an input editor's session. Each opening of an editor's main menu, each File New
// and File Old and each Exit starts a new generation of that editor's session. The tables, the
// period selectors and the parameter forms opened for the editor are bound to the generation they
// were opened in: they are closed when it ends, and a window that outlives it anyway stores nothing
// (its OK tells the user and closes it), so a window left open never writes into the next file.
//
// A window changes the editor's data sets only through its OK: an OK that is refused leaves them as
// they were before it, and a window left any other way leaves them as they were when it opened.
// Save and Exit first settle every open window that shows entries its OK has not stored.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>

#include "common/data_set_changes.h"

namespace pave {

enum class EditorKind { Layered, Slab };

// The message of a window whose editor session has ended.
inline constexpr const char* kSessionEndedMessage =
    "This window belongs to a file that is no longer open in the editor.  Nothing was stored; the window "
    "closes.";

// A window that works on one editor's data sets.
class EditorBound {
 public:
  virtual ~EditorBound() = default;

  // Binds the window to the editor's session open now, and to the arrays it works on (by default
  // the editor's own, SetEditorArrays).
  void BindToEditor(EditorKind editor);
  void BindToEditor(EditorKind editor, const ArrayDirectory* arrays);
  bool Bound() const { return editor_.has_value(); }
  EditorKind BoundEditor() const { return *editor_; }
  // True while the session the window was bound to is still the editor's session (and for a
  // window bound to no editor).
  bool SessionCurrent() const;
  // The data sets were written through this window: the editor's file counts as changed.
  void DataChanged() const;

  // True when the window shows entries that its OK has not stored yet (or its OK would confirm
  // what the window that opened it stored for it).
  virtual bool HoldsEdits() const { return false; }
  // The window's title, as a question about it names it.
  virtual std::string WindowTitle() const { return {}; }
  // Takes the entries as the window's OK does; true when the OK succeeded and the window closed.
  virtual bool TakeEdits() { return false; }
  // Closes the window without storing what it shows.
  virtual void DropEdits() {}

  // The window that opened this one waits for it: `ended` is told once, when this window closes,
  // whether its OK succeeded.
  void SetWaitingOpener(std::function<void(bool confirmed)> ended) { opener_ = std::move(ended); }

 protected:
  // Runs the window's OK: `ok` returns true when it succeeded. What a refused OK changed in the
  // data sets is taken back; an OK that succeeded and changed them marks the editor's file changed.
  bool StoreByOk(const std::function<bool()>& ok);
  // Watches the arrays the window works on.
  DataSetWatch Watch() const { return DataSetWatch(arrays_); }
  // Call when the window closes: a waiting opener learns whether this window's OK succeeded.
  void WindowClosing();
  // The window stored `changes` (its OK, or the line a main table stores for its auxiliary table).
  void Stored(const DataSetChanges& changes) const;
  // True while the window that opened this one waits for it.
  bool WaitedOn() const { return static_cast<bool>(opener_); }
  // Set while an OK that succeeds closes the window.
  bool confirmed_ = false;

 private:
  std::optional<EditorKind> editor_;
  int generation_ = 0;
  const ArrayDirectory* arrays_ = nullptr;
  std::function<void(bool)> opener_;
};

// The arrays of an editor's data sets, as the editor installs them.
void SetEditorArrays(EditorKind editor, const ArrayDirectory* arrays);
const ArrayDirectory* EditorArrays(EditorKind editor);

// Before the editor's file is saved (or the editor closes): every open window of the editor that
// shows entries its OK has not stored is named in a question (Yes, No, Cancel): Yes takes them as its
// OK does, No drops them and closes it. `before` ends the question ("the file is saved"), `cancel`
// says what Cancel keeps ("nothing is saved"). False when the user cancels or an OK is refused (that
// window stays open, its message shown).
bool SettleOpenWindows(EditorKind editor, const std::string& title, const std::string& before,
                       const std::string& cancel);

// Who is told of every store a window makes (EditorBound::Stored), with the window and what it
// changed: the tests hold each store against the entries the window says it stores
// (grids/window_entries.h). None by default.
void SetStoreObserver(std::function<void(const EditorBound& window, const DataSetChanges& changes)> observer);

// True when an open window of the editor's session shows entries that its OK has not stored.
bool WindowsHoldEdits(EditorKind editor);

// The generation of the editor's session and the start of the next one.
int EditorGeneration(EditorKind editor);
void NextEditorGeneration(EditorKind editor);

// The window kinds of an editor's own forms (besides the tables and selectors, which are bound by
// what they show); the editor of a window kind, if it has one.
void SetEditorWindowKinds(EditorKind editor, std::span<const char* const> kinds);
std::optional<EditorKind> EditorOfWindowKind(const std::string& kind);

// Unloads every window of the editor: its own forms and every loaded window bound to it.
void CloseEditorWindows(EditorKind editor);

// What an edit through a window tells the editor's open session (its file then counts as changed);
// the session (`owner`) installs it while it lives. Removing it is false when another session has
// installed its own since (a main menu destroyed after the next one opened).
void SetEditorChangeListener(EditorKind editor, const void* owner, std::function<void()> listener);
bool RemoveEditorChangeListener(EditorKind editor, const void* owner);
void EditorDataChanged(EditorKind editor);

}  // namespace pave
