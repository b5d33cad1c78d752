#include "help/gui/help_window.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>

#include "help/help_print.h"
#include "help/help_topics.h"
#include "platform/platform.h"
#include "shell/paged_print.h"
#include "shell/program_state.h"
#include "shell/window_makers.h"

namespace pave {

namespace {

constexpr int kTextTop = 840;

constexpr ControlSpec kControls[] = {
    {"Label1", ControlKind::Label, " ", 240, 120, 9015, 495, {"MS Sans Serif", 12, true}, colour::kRed},
    // Its height reaches down to the bottom of the window (set while the window loads).
    {"txtHelp1", ControlKind::TextArea, "", 120, kTextTop, 9600, 4000, {"Courier New", 9.75, true},
     colour::kBlack, {}, {}, ctl::kReadOnly},
};

constexpr MenuSpec kMenus[] = {
    {"mnuPrint", "&Print"},
    {"mnuExit", "&Exit"},
};

constexpr FormSpec kSpec{"frmHelp1", "", kHelpWindowWidth, kHelpWindowHeight, kControls, kMenus};

}  // namespace

std::span<const ControlSpec> HelpWindowControls() { return kControls; }
std::span<const MenuSpec> HelpWindowMenus() { return kMenus; }

void HelpWindow::Load() {
  gCrLf = kCrLf;
  BuildForm(*this, kSpec);
  auto& text_box = Control<QPlainTextEdit>(*this, "txtHelp1");
  const int menu_height = MenuBarHeightTwips();
  PlaceTwips(text_box, 120, menu_height + kTextTop, 9600, ScaleHeightTwips() - menu_height - kTextTop);
  connect(&MenuAction(*this, "mnuPrint"), &QAction::triggered, this, [this] { Print(); });
  connect(&MenuAction(*this, "mnuExit"), &QAction::triggered, this, [this] {
    if (registry()) registry()->Unload(this);
  });
  Show();

  // The code is compared with 1 to 10; any other leaves the title blank and the text empty.
  const HelpTopic* topic = nullptr;
  for (int code = 1; code <= kHelpTopicCount; ++code) {
    if (gScreenCode.Number() == code) topic = FindHelpTopic(code);
  }
  if (topic) {
    setWindowTitle(QString::fromUtf8(topic->caption.data(), static_cast<qsizetype>(topic->caption.size())));
    Control<QLabel>(*this, "Label1")
        .setText(QString::fromUtf8(topic->title.data(), static_cast<qsizetype>(topic->title.size())));
    gHelpText = Value(JoinTextLines(topic->lines, gCrLf));
    text_ = gHelpText.Text();
  }
  text_box.setPlainText(QString::fromStdString(text_));
}

void HelpWindow::Print() {
  const std::string title = Control<QLabel>(*this, "Label1").text().toStdString();
  if (!PrintHelpTopic(title, text_, platform().printer())) {
    platform().messages().Tell(kPrinterFailedMessage, "ROVANTE");
  }
}

void InstallHelpWindow() {
  SetWindowMaker(kind::kHelp, [] { return new HelpWindow; });
}

}  // namespace pave
