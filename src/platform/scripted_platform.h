// All scripted services and a window registry, installed as the platform for the lifetime of the
// object (the previous services come back afterwards). For tests:
//   ScriptedPlatform p;
//   p.messages.QueueAnswer(MessageAnswer::Yes);
//   ... run the form ...
//   EXPECT_EQ(p.messages.Texts(), ...);
#pragma once

#include "platform/platform.h"
#include "platform/scripted_services.h"

namespace pave {

class ScriptedPlatform {
 public:
  ScriptedPlatform();
  ~ScriptedPlatform();
  ScriptedPlatform(const ScriptedPlatform&) = delete;
  ScriptedPlatform& operator=(const ScriptedPlatform&) = delete;

  ScriptedMessages messages;
  ScriptedDesktop desktop;
  ScriptedFileDialog file_dialog;
  ScriptedPrinter printer;
  ScriptedProcesses processes;
  ScriptedClipboard clipboard;
  WindowRegistry windows;

 private:
  PlatformServices previous_;
};

}  // namespace pave
