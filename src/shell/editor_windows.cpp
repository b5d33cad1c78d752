#include "shell/editor_windows.h"

#include <map>
#include <vector>

#include "platform/platform.h"

namespace pave {

namespace {

struct EditorState {
  int generation = 0;
  std::vector<std::string> kinds;
  std::function<void()> listener;
  const void* owner = nullptr;
};

EditorState& State(EditorKind editor) {
  static std::map<EditorKind, EditorState> states;
  return states[editor];
}

}  // namespace

void EditorBound::BindToEditor(EditorKind editor) {
  editor_ = editor;
  generation_ = EditorGeneration(editor);
}

bool EditorBound::SessionCurrent() const { return !editor_ || generation_ == EditorGeneration(*editor_); }

void EditorBound::DataChanged() const {
  if (editor_ && SessionCurrent()) EditorDataChanged(*editor_);
}

int EditorGeneration(EditorKind editor) { return State(editor).generation; }

void NextEditorGeneration(EditorKind editor) { ++State(editor).generation; }

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

}  // namespace pave
