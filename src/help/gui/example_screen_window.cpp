#include "help/gui/example_screen_window.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QResizeEvent>
#include <QPlainTextEdit>
#include <QSvgWidget>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "help/gui/example_figures.h"
#include "platform/symbol_font.h"
#include "platform/gui/control_table.h"
#include "platform/gui/widget_image.h"
#include "platform/platform.h"
#include "shell/paged_print.h"
#include "shell/program_state.h"
#include "shell/window_makers.h"

namespace pave {

namespace {

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

// The controls of a screen, bottom to top: the picture, the figure's labels (moved with the
// picture), the title and the text box, which lies over the others where they overlap.
std::vector<ControlSpec> ScreenControls(const ExampleScreen& screen) {
  std::vector<ControlSpec> controls;
  ControlSpec picture;
  picture.name = "Image1";
  picture.kind = ControlKind::Picture;
  picture.left = screen.picture.left;
  picture.top = screen.picture.top;
  picture.width = screen.picture.width;
  picture.height = screen.picture.height;
  controls.push_back(picture);

  if (const ExampleFigure* figure = FindExampleFigure(screen.kind)) {
    for (std::span<const ControlSpec> group : figure->labels) {
      for (ControlSpec label : group) {
        label.left += screen.picture.left;
        label.top += screen.picture.top;
        controls.push_back(label);
      }
    }
  }

  ControlSpec title;
  title.name = "lblTitle";
  title.kind = ControlKind::Label;
  title.caption = screen.title;
  title.left = screen.title_box.left;
  title.top = screen.title_box.top;
  title.width = screen.title_box.width;
  title.height = screen.title_box.height;
  title.font = {"MS Sans Serif", 12, true};
  title.colour = screen.title_colour;
  controls.push_back(title);

  ControlSpec text;
  text.name = "txtHelp";
  text.kind = ControlKind::TextArea;
  text.left = kExampleTextLeft;
  text.top = screen.text_top;
  text.width = screen.text_width;
  text.height = screen.text_height;
  text.font = {"Courier New", 9.75, true};
  text.colour = colour::kBlack;
  text.flags = ctl::kReadOnly;
  controls.push_back(text);
  return controls;
}

// The text box holds lines ended by a line feed; the screen's text ends its lines with CR LF.
QString WithoutCarriageReturns(const std::string& text) {
  QString q = QString::fromStdString(text);
  q.remove(QChar('\r'));
  return q;
}

std::string WithCrLf(const QString& text) {
  std::string crlf;
  for (char c : text.toStdString()) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return crlf;
}

// What a print of the screen names: the example by its data file ("LAY5 example"), other screens
// by their caption.
std::string PrintedName(const ExampleScreen& screen) {
  const std::string_view kind = screen.kind;
  if (!kind.starts_with("frmLay") && !kind.starts_with("frmSla")) return std::string(screen.caption);
  std::string name(kind.substr(3));
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return name + " example";
}

// Grows a label's box where its caption does not fit it.
void HoldCaption(QLabel& label) {
  QRect box = label.geometry();
  if (label.wordWrap()) {
    box.setHeight(std::max(box.height(), label.heightForWidth(box.width())));
  } else {
    const QFontMetrics metrics(label.font());
    const int lacking = metrics.horizontalAdvance(label.text()) - box.width();
    if (lacking > 0) {
      if (label.alignment() & Qt::AlignHCenter) box.adjust(-(lacking + 1) / 2, 0, lacking / 2, 0);
      else if (label.alignment() & Qt::AlignRight) box.adjust(-lacking, 0, 0, 0);
      else box.adjust(0, 0, lacking, 0);
    }
    box.setHeight(std::max(box.height(), metrics.height()));
  }
  label.setGeometry(box);
}

}  // namespace

ExampleScreenWindow::ExampleScreenWindow(const ExampleScreen& screen) : screen_(screen) {}

void ExampleScreenWindow::Load() {
  const std::vector<ControlSpec> controls = ScreenControls(screen_);
  const MenuSpec menus[] = {
      {"mnuPrintForm", "Print&Form", ""},
      {screen_.print_text_item, "Print&Text", ""},
      {"mnuExit", "E&xit", ""},
  };
  FormSpec spec;
  spec.name = screen_.kind;
  spec.caption = screen_.caption;
  spec.width = screen_.width;
  spec.height = kExampleScreenHeight;
  spec.controls = controls;
  spec.menus = menus;
  BuildForm(*this, spec);

  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);

  Image1 = &ControlNamed(*this, "Image1");
  figure = new QSvgWidget(Q(screen_.figure), Image1);
  figure->setObjectName("figure");
  figure->setGeometry(Image1->rect());
  lblTitle = &Control<QLabel>(*this, "lblTitle");
  txtHelp = &Control<QPlainTextEdit>(*this, "txtHelp");
  if (!screen_.text_scroll_bar) txtHelp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  int unnamed = 0;
  for (QLabel* label : findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
    label->setTextFormat(Qt::PlainText);
    if (label->objectName().isEmpty()) label->setObjectName("Label" + QString::number(++unnamed));
    if (label->font().family() == Q(kSymbolFontName)) {
      label->setText(QString::fromStdString(SymbolFontText(label->text().toStdString())));
    }
  }

  connect(&MenuAction(*this, "mnuPrintForm"), &QAction::triggered, this, [this] { PrintForm(); });
  connect(&MenuAction(*this, screen_.print_text_item), &QAction::triggered, this, [this] { PrintText(); });
  connect(&MenuAction(*this, "mnuExit"), &QAction::triggered, this, [this] {
    if (registry()) registry()->Unload(this);
  });

  // The window grows and shrinks as a whole from the size laid out.
  scaled_.Keep(*this, TwipsToPixels(MenuBarHeightTwips()), size());

  Show();
  gHelpText = Value(ExampleScreenText(screen_));
  txtHelp->setPlainText(WithoutCarriageReturns(gHelpText.Text()));
}

void ExampleScreenWindow::ApplyScale(double scale) {
  scaled_.Apply(scale);
  figure->setGeometry(Image1->rect());
  // A font drawn larger is not always wider in proportion to the last pixel: a caption that would be
  // cut off gets the room it lacks, on the side its alignment leaves free.
  for (QLabel* label : findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) HoldCaption(*label);
}

void ExampleScreenWindow::resizeEvent(QResizeEvent* event) {
  Form::resizeEvent(event);
  // A size the window was given for a scale keeps that scale.
  if (figure && scaled_.Kept() && event->size() != scaled_.InnerSize(scaled_.Scale())) ApplyScale(scaled_.FittingScale(event->size()));
  if (QWidget* bar = findChild<QWidget*>("menuBar")) bar->resize(width(), bar->height());
}

QRect ExampleScreenWindow::PrintedArea() const {
  // Below the menu bar, down to the text box's top, or to the lowest of the title and the
  // figure's labels where one reaches further.
  const int top = TwipsToPixels(MenuBarHeightTwips());
  int bottom = txtHelp->y();
  for (const QLabel* label : findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (label->isVisible()) bottom = std::max(bottom, label->geometry().bottom() + 1);
  }
  return QRect(0, top, width(), bottom - top);
}

void ExampleScreenWindow::PrintForm() {
  bool printed = false;
  {
    const PrintCommand command(platform().printer(), PrintedName(screen_) + " figure");
    printed = PrintWidget(*this, PrintedArea());
  }
  if (!printed) platform().messages().Tell(kPrinterFailedMessage, "ROVANTE");
}

void ExampleScreenWindow::PrintText() {
  PrintPagedText(ExampleScreenPrintText(WithCrLf(txtHelp->toPlainText())), PrintedName(screen_) + " text");
}

void InstallExampleScreens() {
  for (const ExampleScreen& screen : ExampleScreens()) {
    const ExampleScreen* s = &screen;
    SetWindowMaker(std::string(screen.kind), [s] { return new ExampleScreenWindow(*s); });
  }
}

}  // namespace pave
