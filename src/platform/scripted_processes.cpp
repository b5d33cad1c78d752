#include "platform/scripted_services.h"

namespace pave {

bool ScriptedProcesses::Start(const std::string& program, const std::string& argument) {
  started.push_back({program, argument});
  return succeed;
}

bool ScriptedProcesses::OpenTerminal(const std::string& directory) {
  terminals.push_back(directory);
  return succeed;
}

}  // namespace pave
