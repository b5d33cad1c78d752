// The system clipboard, as text.
#pragma once

#include <string>

namespace pave {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual void Clear() = 0;
  virtual void SetText(const std::string& text) = 0;
  virtual std::string GetText() = 0;   // empty when the clipboard holds no text
};

}  // namespace pave
