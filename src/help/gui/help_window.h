// The help window frmHelp1: the title of one of the ten help topics above its text, a read-only,
// scrollable text box. The opener sets the topic's code in gScreenCode and loads the window; the
// window builds itself for that code while it loads and keeps its topic until it is closed.
// Print prints the title and the text page by page; Exit (or the close box) unloads the window.
#pragma once

#include <span>
#include <string>

#include "platform/gui/control_table.h"
#include "platform/gui/form.h"

namespace pave {

// The window's controls and menus as data.
std::span<const ControlSpec> HelpWindowControls();
std::span<const MenuSpec> HelpWindowMenus();
inline constexpr int kHelpWindowWidth = 9975;
inline constexpr int kHelpWindowHeight = 6450;

class HelpWindow : public Form {
  Q_OBJECT

 public:
  void Load() override;

  // The text put into the text box (lines ended by CR LF), which Print prints.
  const std::string& Text() const { return text_; }

 private:
  void Print();

  std::string text_;
};

// Installs the help window as the maker of its window kind.
void InstallHelpWindow();

}  // namespace pave
