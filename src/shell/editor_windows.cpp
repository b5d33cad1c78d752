#include "shell/editor_windows.h"

#include <map>
#include <utility>
#include <vector>

#include "platform/platform.h"

namespace pave {

namespace {

struct EditorState {
  int generation = 0;
  const ArrayDirectory* arrays = nullptr;
  std::vector<std::string> kinds;
  std::function<void()> listener;
  const void* owner = nullptr;
};

std::function<void(const EditorBound&, const DataSetChanges&)>& StoreObserver() {
  static std::function<void(const EditorBound&, const DataSetChanges&)> observer;
  return observer;
}

EditorState& State(EditorKind editor) {
  static std::map<EditorKind, EditorState> states;
  return states[editor];
}

}  // namespace

void EditorBound::BindToEditor(EditorKind editor) { BindToEditor(editor, EditorArrays(editor)); }

void EditorBound::BindToEditor(EditorKind editor, const ArrayDirectory* arrays) {
  editor_ = editor;
  generation_ = EditorGeneration(editor);
  arrays_ = arrays;
}

bool EditorBound::StoreByOk(const std::function<bool()>& ok) {
  DataSetWatch watch = Watch();
  bool succeeded = false;
  try {
    succeeded = ok();
  } catch (...) {
    watch.Changes().Undo();
    throw;
  }
  DataSetChanges changes = watch.Changes();
  if (!succeeded) {
    changes.Undo();
  } else if (!changes.empty()) {
    Stored(changes);
    DataChanged();
  }
  return succeeded;
}

void EditorBound::Stored(const DataSetChanges& changes) const {
  if (StoreObserver() && !changes.empty()) StoreObserver()(*this, changes);
}

void SetStoreObserver(std::function<void(const EditorBound& window, const DataSetChanges& changes)> observer) {
  StoreObserver() = std::move(observer);
}

void EditorBound::WindowClosing() {
  if (auto ended = std::exchange(opener_, nullptr)) ended(confirmed_);
}

bool EditorBound::SessionCurrent() const { return !editor_ || generation_ == EditorGeneration(*editor_); }

void EditorBound::DataChanged() const {
  if (editor_ && SessionCurrent()) EditorDataChanged(*editor_);
}

int EditorGeneration(EditorKind editor) { return State(editor).generation; }

void NextEditorGeneration(EditorKind editor) { ++State(editor).generation; }

void SetEditorArrays(EditorKind editor, const ArrayDirectory* arrays) { State(editor).arrays = arrays; }

const ArrayDirectory* EditorArrays(EditorKind editor) { return State(editor).arrays; }

void SetEditorWindowKinds(EditorKind editor, std::span<const char* const> kinds) {
  State(editor).kinds.assign(kinds.begin(), kinds.end());
}

std::optional<EditorKind> EditorOfWindowKind(const std::string& kind) {
  for (EditorKind editor : {EditorKind::Layered, EditorKind::Slab}) {
    for (const std::string& k : State(editor).kinds) {
      if (k == kind) return editor;
    }
  }
  return std::nullopt;
}

void CloseEditorWindows(EditorKind editor) {
  WindowRegistry& windows = platform().windows();
  for (const std::string& kind : windows.LoadedKinds()) {
    Window* window = windows.Find(kind);
    if (!window) continue;   // unloaded with a window closed before it
    const auto* bound = dynamic_cast<const EditorBound*>(window);
    const bool mine = bound && bound->Bound() ? bound->BoundEditor() == editor : EditorOfWindowKind(kind) == editor;
    if (mine) windows.Unload(window);
  }
}

void SetEditorChangeListener(EditorKind editor, const void* owner, std::function<void()> listener) {
  State(editor).listener = std::move(listener);
  State(editor).owner = owner;
}

bool RemoveEditorChangeListener(EditorKind editor, const void* owner) {
  EditorState& state = State(editor);
  if (state.owner != owner) return false;
  state.listener = nullptr;
  state.owner = nullptr;
  return true;
}

void EditorDataChanged(EditorKind editor) {
  if (const auto& listener = State(editor).listener) listener();
}

namespace {
// The first open window of the editor's current session that holds entries not yet stored.
EditorBound* WindowHoldingEdits(EditorKind editor) {
  WindowRegistry& windows = platform().windows();
  for (const std::string& kind : windows.LoadedKinds()) {
    auto* bound = dynamic_cast<EditorBound*>(windows.Find(kind));
    if (bound && bound->Bound() && bound->BoundEditor() == editor && bound->SessionCurrent() && bound->HoldsEdits())
      return bound;
  }
  return nullptr;
}
}  // namespace

bool WindowsHoldEdits(EditorKind editor) { return WindowHoldingEdits(editor) != nullptr; }

bool SettleOpenWindows(EditorKind editor, const std::string& title, const std::string& before,
                       const std::string& cancel) {
  // Each answer closes a window or opens the next one of a chain (a main table after its auxiliary
  // table); the count only guards against a window that neither closes nor is left.
  for (int round = 0; round < 100; ++round) {
    EditorBound* open = WindowHoldingEdits(editor);
    if (!open) return true;
    // The window asked about comes to the front, where its OK shows a refusal too.
    if (auto* window = dynamic_cast<Window*>(open)) window->Show();
    const std::string question = "\"" + open->WindowTitle() + "\" shows entries that its OK has not stored.  " +
                                 "Do you want them taken before " + before + "?  Yes: they are checked and " +
                                 "stored as its OK stores them.  No: they are dropped and the window closes.  " +
                                 "Cancel: " + cancel + ".";
    switch (platform().messages().Show(question, MessageButtons::YesNoCancel, title)) {
      case MessageAnswer::Yes:
        if (!open->TakeEdits()) return false;
        break;
      case MessageAnswer::No:
        open->DropEdits();
        break;
      default:
        return false;
    }
  }
  return false;
}

}  // namespace pave
