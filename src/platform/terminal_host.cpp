#include "platform/terminal_host.h"

#include <cstdlib>
#include <exception>
#include <ostream>

namespace pave {
namespace {

// Terminal lines end in a line feed alone.
void WriteText(std::ostream& stream, const std::string& text) {
  for (char c : text) {
    if (c != '\r') stream.put(c);
  }
}

bool Set(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

}  // namespace

void TerminalHost::ShowProgress(const std::string& text) {
  if (text.size() >= shown_.size() && text.compare(0, shown_.size(), shown_) == 0) {
    WriteText(out_, text.substr(shown_.size()));
  } else {
    WriteText(out_, text);
  }
  out_.flush();
  shown_ = text;
}

void TerminalHost::Message(const std::string& text) {
  WriteText(err_, text);
  err_ << '\n';
  err_.flush();
}

bool DisplayAvailable() { return Set("DISPLAY") || Set("WAYLAND_DISPLAY"); }

std::string ProgramArgument(int argc, char** argv) {
  return argc > 1 && argv[1] ? std::string(argv[1]) : std::string();
}

int RunGuarded(const AnalysisRun& run, const std::string& argument, AnalysisHost& host, const std::string& error_text) {
  try {
    return static_cast<int>(run(argument, host));
  } catch (const std::exception& e) {
    // The run ends its own faults with their place; what escapes it still says what it was.
    host.Message(error_text + "\n" + (argument.empty() ? std::string() : argument + ": ") + e.what() + ".");
    return static_cast<int>(RunEnd::DataError);
  }
}

int RunInTerminal(const std::string& argument, const AnalysisRun& run, std::ostream& out,
                  std::ostream& err, const std::string& error_text) {
  TerminalHost host(out, err);
  return RunGuarded(run, argument, host, error_text);
}

}  // namespace pave
