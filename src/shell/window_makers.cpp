#include "shell/window_makers.h"

#include <map>

#include "platform/platform.h"

namespace pave {

namespace {
std::map<std::string, WindowMaker>& Makers() {
  static std::map<std::string, WindowMaker> makers;
  return makers;
}
std::map<std::string, std::function<void(Window&)>>& SecondOpenings() {
  static std::map<std::string, std::function<void(Window&)>> handlers;
  return handlers;
}
std::function<bool(const std::string&)>& OpeningCheck() {
  static std::function<bool(const std::string&)> check;
  return check;
}
std::function<void()>& ProgramEnd() {
  static std::function<void()> end;
  return end;
}
}  // namespace

std::string LayeredExampleKind(int n) { return "frmLay" + std::to_string(n); }
std::string SlabExampleKind(int n) { return "frmSla" + std::to_string(n); }

void SetWindowMaker(const std::string& kind, WindowMaker maker) { Makers()[kind] = std::move(maker); }

bool HasWindowMaker(const std::string& kind) { return Makers().count(kind) != 0; }

void ClearWindowMakers() {
  Makers().clear();
  SecondOpenings().clear();
  OpeningCheck() = nullptr;
}

void SetOpeningCheck(std::function<bool(const std::string& kind)> check) { OpeningCheck() = std::move(check); }

void SetSecondOpening(const std::string& kind, std::function<void(Window&)> handler) {
  SecondOpenings()[kind] = std::move(handler);
}

Window* LoadWindow(const std::string& kind) {
  if (Window* loaded = platform().windows().Find(kind)) {
    auto handler = SecondOpenings().find(kind);
    if (handler != SecondOpenings().end()) {
      auto run = handler->second;   // the handler may install handlers
      run(*loaded);
    }
    return loaded;
  }
  auto it = Makers().find(kind);
  if (it == Makers().end()) return platform().windows().Find(kind);
  if (auto check = OpeningCheck(); check && !check(kind)) return nullptr;
  WindowMaker maker = it->second;   // a load step may install makers
  return platform().windows().Load(kind, maker);
}

void SetProgramEnd(std::function<void()> end) { ProgramEnd() = std::move(end); }

void EndProgram() {
  if (ProgramEnd()) ProgramEnd()();
}

}  // namespace pave
