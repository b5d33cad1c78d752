// The windows of an input editor's session. Each opening of an editor's main menu, each File New
// and File Old and each Exit starts a new generation of that editor's session. The tables, the
// period selectors and the parameter forms opened for the editor are bound to the generation they
// were opened in: they are closed when it ends, and a window that outlives it anyway stores nothing
// (its OK tells the user and closes it), so a window left open never writes into the next file.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>

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

  // Binds the window to the editor's session open now.
  void BindToEditor(EditorKind editor);
  bool Bound() const { return editor_.has_value(); }
  EditorKind BoundEditor() const { return *editor_; }
  // True while the session the window was bound to is still the editor's session (and for a
  // window bound to no editor).
  bool SessionCurrent() const;
  // The data sets were written through this window: the editor's file counts as changed.
  void DataChanged() const;

 private:
  std::optional<EditorKind> editor_;
  int generation_ = 0;
};

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
