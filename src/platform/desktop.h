// The window system's own services: the busy (hourglass) pointer and letting windows repaint.
#pragma once

namespace pave {

class Desktop {
 public:
  virtual ~Desktop() = default;
  // Shows the busy pointer over every window of the program (true) or the normal one (false).
  // Calls do not nest: one SetBusy(false) ends any number of SetBusy(true).
  virtual void SetBusy(bool busy) = 0;
  // Lets the window system handle pending events, so that changed windows repaint.
  virtual void ProcessEvents() = 0;
};

}  // namespace pave
