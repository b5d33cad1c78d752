#include "platform/window_registry.h"

namespace pave {

Window::~Window() {
  if (registry_) registry_->Forget(this);
}

WindowRegistry::~WindowRegistry() { UnloadAll(); }

void WindowRegistry::UnloadAll() {
  while (!windows_.empty()) Unload(windows_.begin()->second);
  if (loading_ == 0) DestroyPending();
}

Window* WindowRegistry::Load(const std::string& kind, const std::function<Window*()>& make) {
  if (Window* loaded = Find(kind)) return loaded;
  Window* window = make();
  if (!window) return nullptr;
  window->kind_ = kind;
  window->registry_ = this;
  windows_[kind] = window;
  ++loading_;
  window->Load();
  --loading_;
  // The load step may have unloaded the window (it is then pending destruction).
  Window* result = Find(kind) == window ? window : nullptr;
  if (loading_ == 0) DestroyPending();
  return result;
}

bool WindowRegistry::Show(const std::string& kind) {
  Window* window = Find(kind);
  if (!window) return false;
  window->Show();
  return true;
}

void WindowRegistry::Unload(const std::string& kind) {
  if (Window* window = Find(kind)) Unload(window);
}

void WindowRegistry::Unload(Window* window) {
  if (!window || window->registry_ != this) return;
  Forget(window);
  if (loading_ > 0) {
    pending_.push_back(window);
  } else {
    window->Destroy();
  }
}

Window* WindowRegistry::Find(const std::string& kind) const {
  auto it = windows_.find(kind);
  return it == windows_.end() ? nullptr : it->second;
}

std::vector<std::string> WindowRegistry::LoadedKinds() const {
  std::vector<std::string> kinds;
  for (const auto& [kind, window] : windows_) kinds.push_back(kind);
  return kinds;
}

void WindowRegistry::Forget(Window* window) {
  auto it = windows_.find(window->kind_);
  if (it != windows_.end() && it->second == window) windows_.erase(it);
  window->registry_ = nullptr;
}

void WindowRegistry::DestroyPending() {
  std::vector<Window*> pending;
  pending.swap(pending_);
  for (Window* window : pending) window->Destroy();
}

}  // namespace pave
