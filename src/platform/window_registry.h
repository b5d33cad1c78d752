// The window registry: every window kind exists at most once. Loading a loaded window does nothing
// (its load step does not run again); showing brings it to the front; unloading destroys it.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace pave {

class WindowRegistry;

// A window known to the registry. Forms derive from it (through the Qt Form class); tests may use
// plain windows.
class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  // A window destroyed directly leaves the registry.
  virtual ~Window();

  // The load step: runs once, when the registry loads the window. It may show the window and may
  // unload it again (a window whose whole work happens while it loads).
  virtual void Load() {}
  // Shows the window modeless and brings it to the front.
  virtual void Show() = 0;

  const std::string& kind() const { return kind_; }
  // The registry holding this window, or null once it was unloaded.
  WindowRegistry* registry() const { return registry_; }

 protected:
  // Destroys the window when it is unloaded. Qt forms hide themselves and delete later, since
  // they may be unloaded from inside one of their own events.
  virtual void Destroy() { delete this; }

 private:
  friend class WindowRegistry;
  std::string kind_;
  WindowRegistry* registry_ = nullptr;
};

class WindowRegistry {
 public:
  WindowRegistry() = default;
  WindowRegistry(const WindowRegistry&) = delete;
  WindowRegistry& operator=(const WindowRegistry&) = delete;
  ~WindowRegistry();   // unloads every window still loaded

  // Loads the window of `kind`: when it is not loaded, `make` creates it, the registry keeps it and
  // its load step runs; when it is loaded, nothing happens. Returns the loaded window, or null
  // when its load step unloaded it.
  Window* Load(const std::string& kind, const std::function<Window*()>& make);

  // Load with `new T(args...)` as the maker; returns the window as T (null when the load step
  // unloaded it, or the loaded window of this kind is no T).
  template <class T, class... Args>
  T* Load(const std::string& kind, Args&&... args) {
    return dynamic_cast<T*>(Load(kind, [&]() -> Window* { return new T(std::forward<Args>(args)...); }));
  }

  // Load, then show (bring to front) when still loaded.
  template <class T, class... Args>
  T* LoadAndShow(const std::string& kind, Args&&... args) {
    T* w = Load<T>(kind, std::forward<Args>(args)...);
    if (w && w->registry() == this) w->Show();
    return w;
  }

  // Shows a loaded window and brings it to the front; false when `kind` is not loaded.
  bool Show(const std::string& kind);

  // Destroys the window of `kind` (nothing when it is not loaded).
  void Unload(const std::string& kind);
  void Unload(Window* window);
  void UnloadAll();

  bool IsLoaded(const std::string& kind) const { return windows_.count(kind) != 0; }
  Window* Find(const std::string& kind) const;
  template <class T>
  T* Find(const std::string& kind) const {
    return dynamic_cast<T*>(Find(kind));
  }
  std::vector<std::string> LoadedKinds() const;

 private:
  friend class Window;
  void Forget(Window* window);   // removes without destroying
  void DestroyPending();

  std::map<std::string, Window*> windows_;
  int loading_ = 0;                 // depth of load steps running
  std::vector<Window*> pending_;    // unloaded while a load step ran; destroyed after it
};

}  // namespace pave
