#include "platform/platform.h"

#include <cstdio>
#include <cstdlib>

namespace pave {
namespace {

Platform& Current() {
  static Platform current;
  return current;
}

template <class T>
T& Need(T* service, const char* name) {
  if (!service) {
    std::fprintf(stderr, "No platform service installed: %s\n", name);
    std::abort();
  }
  return *service;
}

}  // namespace

Messages& Platform::messages() const { return Need(services_.messages, "messages"); }
Desktop& Platform::desktop() const { return Need(services_.desktop, "desktop"); }
FileDialog& Platform::file_dialog() const { return Need(services_.file_dialog, "file dialog"); }
Printer& Platform::printer() const { return Need(services_.printer, "printer"); }
Processes& Platform::processes() const { return Need(services_.processes, "processes"); }
Clipboard& Platform::clipboard() const { return Need(services_.clipboard, "clipboard"); }
WindowRegistry& Platform::windows() const { return Need(services_.windows, "window registry"); }

Platform& platform() { return Current(); }

PlatformServices InstallPlatform(const PlatformServices& services) {
  PlatformServices previous = Current().services_;
  Current().services_ = services;
  return previous;
}

}  // namespace pave
