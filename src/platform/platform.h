// The one access point to the platform services. Forms call e.g.
//   platform().messages().Show("File not open", MessageButtons::Ok, "ROVANTE");
// The program installs the Qt services at start (QtPlatform); tests install scripted ones
// (ScriptedPlatform), which answer from queues and record every call.
#pragma once

#include "platform/clipboard.h"
#include "platform/desktop.h"
#include "platform/file_dialog.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/processes.h"
#include "platform/window_registry.h"

namespace pave {

// The services in force. Not owned. Later additions (the graphs' drawing surface, the grid
// control) come as further members.
struct PlatformServices {
  Messages* messages = nullptr;
  Desktop* desktop = nullptr;
  FileDialog* file_dialog = nullptr;
  Printer* printer = nullptr;
  Processes* processes = nullptr;
  Clipboard* clipboard = nullptr;
  WindowRegistry* windows = nullptr;
};

class Platform {
 public:
  // Each accessor ends the program with a clear message when no such service is installed.
  Messages& messages() const;
  Desktop& desktop() const;
  FileDialog& file_dialog() const;
  Printer& printer() const;
  Processes& processes() const;
  Clipboard& clipboard() const;
  WindowRegistry& windows() const;

  const PlatformServices& services() const { return services_; }

 private:
  friend PlatformServices InstallPlatform(const PlatformServices& services);
  PlatformServices services_;
};

// The services installed now.
Platform& platform();

// Installs `services` and returns the ones installed before.
PlatformServices InstallPlatform(const PlatformServices& services);

// Installs services for the lifetime of the object and then restores the previous ones.
class ScopedPlatform {
 public:
  explicit ScopedPlatform(const PlatformServices& services)
      : previous_(InstallPlatform(services)) {}
  ~ScopedPlatform() { InstallPlatform(previous_); }
  ScopedPlatform(const ScopedPlatform&) = delete;
  ScopedPlatform& operator=(const ScopedPlatform&) = delete;

 private:
  PlatformServices previous_;
};

}  // namespace pave
