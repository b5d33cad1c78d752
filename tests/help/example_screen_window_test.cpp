// The example screens as windows, driven offscreen through the scripted platform.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLineF>
#include <QFontMetrics>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <QTextLayout>
#include <QScreen>
#include <QGuiApplication>

#include <cmath>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "help/example_screens.h"
#include "help/gui/example_screen_window.h"
#include "platform/gui/control_table.h"
#include "platform/gui/qt_services.h"
#include "platform/gui/widget_image.h"
#include "shell/paged_print.h"
#include "shell/program_state.h"
#include "shell/qt_test_app.h"
#include "shell/shell_fixture.h"
#include "support/legibility.h"
#include "support/pdf_facts.h"
#include "support/test_screens.h"

namespace pave::testing {
namespace {

constexpr int Px(int twips) { return TwipsToPixels(twips); }

class ExampleScreenTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    // The application is made with the test screens (the primary one the usual 800 by 600).
    std::string screens;
    if (!QCoreApplication::instance()) screens = UseTestScreens();
    ShellTestApp();
    if (!screens.empty()) std::filesystem::remove(screens);
    InstallExampleScreens();
  }
  void TearDown() override {
    for (const std::string& k : platform_.windows.LoadedKinds()) platform_.windows.Unload(k);
    QCoreApplication::processEvents();
    ShellTest::TearDown();
  }
  static ExampleScreenWindow* Open(std::string_view kind) {
    return dynamic_cast<ExampleScreenWindow*>(LoadWindow(std::string(kind)));
  }
  static void SavePng(QWidget& w, const std::string& name) {
    std::filesystem::create_directories(PAVE_OUTPUT_DIR);
    EXPECT_TRUE(SaveWidgetPng(w, QString(PAVE_OUTPUT_DIR) + "/" + QString::fromStdString(name)));
  }
  // The figure labels: the window's labels besides its title.
  static std::vector<QLabel*> FigureLabels(const ExampleScreenWindow& w) {
    std::vector<QLabel*> labels;
    for (QLabel* l : w.findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
      if (l != w.lblTitle) labels.push_back(l);
    }
    return labels;
  }
};

// Every screen as its table says at the size the table lays out, saved as a PNG for a look
// (test-output/frmLay1.png ...).
TEST_F(ExampleScreenTest, EveryScreenShowsItsFigureTitleAndText) {
  for (const ExampleScreen& screen : ExampleScreens()) {
    SCOPED_TRACE(std::string(screen.kind));
    ExampleScreenWindow* w = Open(screen.kind);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle().toStdString(), screen.caption);
    EXPECT_EQ(w->size(), QSize(Px(screen.width - kFrameWidthTwips), Px(kExampleScreenHeight - kFrameHeightTwips)));
    EXPECT_EQ(w->Scale(), 1);
    EXPECT_EQ(w->palette().color(QPalette::Window), QColor(Qt::white));

    const int menu = Px(MenuBarHeightTwips());
    EXPECT_EQ(w->Image1->geometry(), QRect(Px(screen.picture.left), Px(screen.picture.top) + menu,
                                           Px(screen.picture.width), Px(screen.picture.height)));
    EXPECT_TRUE(w->figure->renderer()->isValid());
    EXPECT_EQ(w->figure->size(), w->Image1->size());

    EXPECT_EQ(w->lblTitle->text().toStdString(), screen.title);
    EXPECT_EQ(w->lblTitle->font().family(), "MS Sans Serif");
    EXPECT_EQ(w->lblTitle->font().pointSizeF(), 12);
    EXPECT_TRUE(w->lblTitle->font().bold());
    EXPECT_EQ(TextColour(*w->lblTitle), screen.title_colour);

    EXPECT_EQ(w->txtHelp->geometry(), QRect(Px(kExampleTextLeft), Px(screen.text_top) + menu,
                                            Px(screen.text_width), Px(screen.text_height)));
    EXPECT_EQ(w->txtHelp->font().family(), "Courier New");
    EXPECT_TRUE(w->txtHelp->isReadOnly());
    EXPECT_EQ(w->txtHelp->verticalScrollBarPolicy(),
              screen.text_scroll_bar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    std::string shown = w->txtHelp->toPlainText().toStdString();
    std::string built = ExampleScreenText(screen);
    EXPECT_EQ(gHelpText.Text(), built);
    std::erase(built, '\r');
    EXPECT_EQ(shown, built);

    QList<QAction*> items = w->findChild<QMenuBar*>("menuBar")->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), "Print&Form");
    EXPECT_EQ(items[1]->text(), "Print&Text");
    EXPECT_EQ(items[1]->objectName().toStdString(), screen.print_text_item);
    EXPECT_EQ(items[2]->text(), "E&xit");
    SavePng(*w, std::string(screen.kind) + ".png");
  }
}

// What a reader would find wrong: a label outside the window, a caption cut off by its box, or a
// label hidden under the text box.
TEST_F(ExampleScreenTest, FigureLabelsFitTheirBoxesAndStayClearOfTheText) {
  for (const ExampleScreen& screen : ExampleScreens()) {
    SCOPED_TRACE(std::string(screen.kind));
    ExampleScreenWindow* w = Open(screen.kind);
    ASSERT_NE(w, nullptr);
    std::vector<QLabel*> labels = FigureLabels(*w);
    EXPECT_GT(labels.size(), 5u);
    for (QLabel* l : labels) {
      SCOPED_TRACE(l->text().toStdString());
      EXPECT_TRUE(w->rect().contains(l->geometry())) << "outside the window";
      EXPECT_LE(l->geometry().bottom(), w->txtHelp->geometry().top()) << "under the text box";
      QFontMetrics metrics(l->font());
      if (l->wordWrap()) {
        EXPECT_LE(l->heightForWidth(l->width()), l->height()) << "wrapped caption cut off";
      } else {
        EXPECT_LE(metrics.horizontalAdvance(l->text()), l->width()) << "caption cut off";
        EXPECT_LE(metrics.height(), l->height()) << "caption cut off";
      }
    }
    platform_.windows.Unload(std::string(screen.kind));
  }
}

TEST_F(ExampleScreenTest, SymbolFontCaptionsShowGreekLetters) {
  ExampleScreenWindow* w = Open(kind::kMohr);
  ASSERT_NE(w, nullptr);
  int sigmas = 0, phis = 0;
  for (QLabel* l : FigureLabels(*w)) {
    if (l->font().family() != "Symbol") continue;
    EXPECT_FALSE(l->text().contains(QRegularExpression("[a-zA-Z]"))) << l->text().toStdString();
    sigmas += static_cast<int>(l->text().count(QChar(0x03C3)));
    phis += static_cast<int>(l->text().count(QChar(0x03C6)));
  }
  // Four circle ends and two of the legend, two in the equation; phi at the arc, in two captions,
  // in the equation, the legend and the note.
  EXPECT_EQ(sigmas, 8);
  EXPECT_EQ(phis, 6);
}

TEST_F(ExampleScreenTest, LoadingAnOpenScreenChangesNothingAndExitClosesIt) {
  ExampleScreenWindow* w = Open("frmLay1");
  ASSERT_NE(w, nullptr);
  w->move(10, 20);
  w->resize(500, 300);
  w->txtHelp->verticalScrollBar()->setValue(3);
  gHelpText = Value("another window's text");
  EXPECT_EQ(Open("frmLay1"), w);
  EXPECT_EQ(w->pos(), QPoint(10, 20));
  EXPECT_EQ(w->size(), QSize(500, 300));
  EXPECT_EQ(w->txtHelp->verticalScrollBar()->value(), 3);
  EXPECT_EQ(gHelpText.Text(), "another window's text");

  // Screens are independent of each other: closing one leaves the others open.
  ASSERT_NE(Open(kind::kMohr), nullptr);
  MenuAction(*w, "mnuExit").trigger();
  QCoreApplication::processEvents();
  EXPECT_FALSE(platform_.windows.IsLoaded("frmLay1"));
  EXPECT_TRUE(platform_.windows.IsLoaded(kind::kMohr));

  // Opened again: rebuilt at full height and centred.
  ExampleScreenWindow* again = Open("frmLay1");
  ASSERT_NE(again, nullptr);
  TwipsPoint at = CentredWindowPosition(ScreenWidthTwips(), ScreenHeightTwips(), 9700, kExampleScreenHeight);
  EXPECT_EQ(again->pos(), QPoint(Px(at.left), Px(at.top)));
  EXPECT_EQ(again->height(), Px(kExampleScreenHeight - kFrameHeightTwips));

  // The close box unloads as Exit does.
  again->close();
  QCoreApplication::processEvents();
  EXPECT_FALSE(platform_.windows.IsLoaded("frmLay1"));
}

// A window the user enlarges draws its figure, the figure's labels, the title and the text larger by
// the same factor: the lesser of its growth across and down.
TEST_F(ExampleScreenTest, AnEnlargedWindowGrowsItsFigureAndTextWithIt) {
  ExampleScreenWindow* w = Open("frmSla1");
  ASSERT_NE(w, nullptr);
  const QSize laid_out = w->size();
  std::map<std::string, std::pair<QRect, double>> before;
  for (QWidget* c : w->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    if (!c->objectName().isEmpty() && c->objectName() != "menuBar")
      before[c->objectName().toStdString()] = {c->geometry(), c->font().pointSizeF()};
  const int menu = Px(MenuBarHeightTwips());
  // Twice as wide and three times as high (below the menu bar): twice as large, white room below.
  w->resize(2 * laid_out.width(), menu + 3 * (laid_out.height() - menu));
  QCoreApplication::processEvents();
  EXPECT_DOUBLE_EQ(w->Scale(), 2);
  for (const auto& [name, was] : before) {
    SCOPED_TRACE(name);
    const QWidget* c = w->findChild<QWidget*>(QString::fromStdString(name));
    ASSERT_NE(c, nullptr);
    const QRect r = was.first;
    const QRect twice(2 * r.x(), menu + 2 * (r.y() - menu), 2 * r.width(), 2 * r.height());
    // A label's box may grow by the pixel or two its larger caption needs.
    if (qobject_cast<const QLabel*>(c)) {
      EXPECT_TRUE(c->geometry().contains(twice));
      EXPECT_TRUE(twice.adjusted(-2, 0, 2, 2).contains(c->geometry()));
    } else {
      EXPECT_EQ(c->geometry(), twice);
    }
    EXPECT_DOUBLE_EQ(c->font().pointSizeF(), 2 * was.second);
  }
  EXPECT_EQ(w->figure->size(), w->Image1->size());
  SavePng(*w, "frmSla1_enlarged.png");
}

// Where a window and each of its controls stand and whether they show (menus not opened and
// other hidden helpers left out).
std::vector<std::pair<std::string, QRect>> Shape(const QWidget& w) {
  std::vector<std::pair<std::string, QRect>> shape = {{"window", w.geometry()}};
  for (const QWidget* child : w.findChildren<QWidget*>()) {
    if (child->isVisible()) shape.emplace_back(child->objectName().toStdString(), child->geometry());
  }
  return shape;
}

TEST_F(ExampleScreenTest, PrintFormPrintsTheFigureWholeAndTheWindowKeepsItsShape) {
  for (const ExampleScreen& screen : ExampleScreens()) {
    SCOPED_TRACE(std::string(screen.kind));
    ExampleScreenWindow* w = Open(screen.kind);
    ASSERT_NE(w, nullptr);
    platform_.printer.pages.clear();
    const auto before = Shape(*w);
    const QImage shown = w->grab().toImage();
    MenuAction(*w, "mnuPrintForm").trigger();
    QCoreApplication::processEvents();
    // The window keeps its size, its text box and everything else where it was, and looks the same.
    EXPECT_TRUE(w->txtHelp->isVisible());
    EXPECT_EQ(Shape(*w), before);
    EXPECT_EQ(w->grab().toImage(), shown);
    // One upright page of the window's width: below the menu bar, down to the text box, with every
    // label of the figure in it.
    ASSERT_EQ(platform_.printer.pages.size(), 1u);
    const ScriptedPrinter::PrintedPage& page = platform_.printer.pages[0];
    EXPECT_EQ(page.orientation, PageOrientation::Portrait);
    EXPECT_EQ(page.width, PixelsToTwips(w->width()));
    const QRect area = w->PrintedArea();
    EXPECT_EQ(area.top(), w->findChild<QMenuBar*>("menuBar")->geometry().bottom() + 1);
    EXPECT_EQ(page.height, PixelsToTwips(area.height()));
    EXPECT_GE(area.bottom() + 1, w->txtHelp->y());
    for (QLabel* label : w->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
      EXPECT_TRUE(area.contains(label->geometry())) << label->objectName().toStdString();
    }
    platform_.windows.Unload(std::string(screen.kind));
  }
  EXPECT_EQ(platform_.messages.shown.size(), 0u);
}

TEST_F(ExampleScreenTest, PrintFormThatFailsSaysSo) {
  ExampleScreenWindow* w = Open("frmSla4");
  ASSERT_NE(w, nullptr);
  platform_.printer.failing_calls = {0};
  MenuAction(*w, "mnuPrintForm").trigger();
  EXPECT_EQ(platform_.messages.Texts(), std::vector<std::string>{kPrinterFailedMessage});
}

TEST_F(ExampleScreenTest, PrintTextPrintsTheTextPageByPage) {
  struct Case {
    const char* kind;
    std::size_t pages;
    std::size_t last_page_lines;   // with the page's leading lines
  } cases[] = {{"frmLay1", 1, 5 + 18}, {"frmSla1", 2, 4 + 8}, {"frmMohr", 2, 4 + 12}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    ExampleScreenWindow* w = Open(c.kind);
    ASSERT_NE(w, nullptr);
    platform_.printer.documents.clear();
    MenuAction(*w, w->screen().print_text_item).trigger();
    ASSERT_EQ(platform_.printer.documents.size(), c.pages);
    const std::vector<std::string>& first = platform_.printer.documents[0];
    EXPECT_EQ(first[5], std::string(11, ' ') + TextLines(ExampleScreenText(w->screen()))[0]);
    EXPECT_EQ(platform_.printer.documents.back().size(), c.last_page_lines);
    if (c.pages > 1) {
      EXPECT_EQ(platform_.printer.documents[1][2], std::string(12, ' ') + "page  2");
    }
  }
}

TEST_F(ExampleScreenTest, Lay3TextScrollsByKeyboardWithoutAScrollBar) {
  ExampleScreenWindow* w = Open("frmLay3");
  ASSERT_NE(w, nullptr);
  EXPECT_FALSE(w->txtHelp->verticalScrollBar()->isVisible());
  w->txtHelp->setFocus();
  QKeyEvent down(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
  QCoreApplication::sendEvent(w->txtHelp, &down);
  EXPECT_GT(w->txtHelp->verticalScrollBar()->value(), 0);
  // The figure covers nearly the whole window; the text box lies over its lower part.
  EXPECT_GT(w->Image1->geometry().bottom(), w->txtHelp->geometry().top());
}

TEST_F(ExampleScreenTest, Sla1AndSla2ShareTheirPictureAndGridLabels) {
  ExampleScreenWindow* one = Open("frmSla1");
  ExampleScreenWindow* two = Open("frmSla2");
  ASSERT_TRUE(one && two);
  EXPECT_EQ(one->screen().figure, two->screen().figure);
  EXPECT_EQ(one->figure->grab().toImage(), two->figure->grab().toImage());
  std::vector<QLabel*> a = FigureLabels(*one), b = FigureLabels(*two);
  ASSERT_EQ(a.size(), b.size());
  int moved = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    EXPECT_EQ(a[i]->text(), b[i]->text());
    int dx = b[i]->x() - a[i]->x();
    if (dx != 0) {
      ++moved;
      EXPECT_GE(dx, Px(120));
      EXPECT_LE(dx, Px(240));
    }
  }
  EXPECT_EQ(moved, 3);   // the colour notes
}

// Where no printer is installed each print command becomes a PDF in the data directory: a form on
// one upright page, drawn anew (text and lines, no picture) across the sheet's width; the text of
// SLA1 (66 lines) on two pages. The pages are rendered to PNG files for a look
// (test-output/print_screens/).
TEST_F(ExampleScreenTest, PrintingWithoutAPrinterWritesPdfPages) {
  QtPrinter pdf_printer(/*force_pdf=*/true);
  PlatformServices services = platform().services();
  services.printer = &pdf_printer;
  ScopedPlatform with_pdf(services);
  const std::filesystem::path out = std::filesystem::path(PAVE_OUTPUT_DIR) / "print_screens";
  std::filesystem::remove_all(out);
  std::filesystem::create_directories(out);

  struct Job {
    const char* screen;
    const char* item;
    const char* name;
    std::vector<std::string> pages;
  } jobs[] = {{"frmSla1", "mnuPrintForm", "sla1-form", {"sla1-form-1.png"}},
              {"frmSla1", "mnuPrintText", "sla1-text", {"sla1-text-1.png", "sla1-text-2.png"}},
              {"frmLay1", "mnuPrintForm", "lay1-form", {"lay1-form-1.png"}},
              {"frmMohr", "mnuPrintForm", "mohr-form", {"mohr-form-1.png"}}};
  for (const Job& job : jobs) {
    SCOPED_TRACE(job.name);
    ExampleScreenWindow* w = Open(job.screen);
    ASSERT_NE(w, nullptr);
    const std::filesystem::path dir = Path(job.name);
    std::filesystem::create_directories(dir);
    pdf_printer.SetDataDirectory(dir.string());
    const auto before = Shape(*w);
    MenuAction(*w, job.item).trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(Shape(*w), before) << "the window changed while it was printed";
    std::vector<std::filesystem::path> pdfs;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) pdfs.push_back(entry.path());
    ASSERT_EQ(pdfs.size(), 1u);
    EXPECT_EQ(pdfs[0].extension(), ".pdf");
    platform_.windows.Unload(job.screen);

    const PdfFacts facts = ReadPdf(pdfs[0].string());
    ASSERT_TRUE(facts.read);
    ASSERT_EQ(facts.pages.size(), job.pages.size());
    EXPECT_LT(facts.pages[0].width(), facts.pages[0].height());
    if (std::string(job.item) == "mnuPrintForm") {
      // Painted at the printer's resolution, not the screen's.
      if (facts.pictures > 0) {
        EXPECT_GE(facts.least_ppi, 600);
      }
      EXPECT_GT(facts.first_page_ink.width(), facts.first_page.width() * 0.8);
    }

    QProcess render;
    render.start("pdftoppm", {"-png", "-r", "50", QString::fromStdString(pdfs[0].string()),
                              QString::fromStdString((out / job.name).string())});
    ASSERT_TRUE(render.waitForFinished(30000)) << "pdftoppm (poppler-utils) did not run";
    ASSERT_EQ(render.exitCode(), 0);
    std::vector<std::string> pages;
    for (const auto& entry : std::filesystem::directory_iterator(out)) {
      std::string file = entry.path().filename().string();
      if (file.rfind(std::string(job.name) + "-", 0) == 0) pages.push_back(file);
    }
    std::sort(pages.begin(), pages.end());
    EXPECT_EQ(pages, job.pages);
  }
  QCoreApplication::processEvents();
  EXPECT_TRUE(platform_.messages.shown.empty());
}

}  // namespace
}  // namespace pave::testing

namespace pave::testing {
namespace {

namespace lg = legibility;

// The letters of a figure label (each inked apart: an exponent may stand over the blank beside a
// letter), as the window draws them: a one-line caption from its box's left, middle or right; a
// wrapped caption line by line within its box's width.
struct LabelWord {
  QString text;
  QPointF top_left;   // of the word's line, in the window's pixels
};

std::vector<LabelWord> WordsOf(const QLabel& l) {
  std::vector<LabelWord> words;
  const QFontMetricsF metrics(l.font());
  static const QRegularExpression word(R"(\S)");
  auto add_line = [&](const QString& text, double x, double y) {
    for (auto it = word.globalMatch(text); it.hasNext();) {
      const QRegularExpressionMatch m = it.next();
      words.push_back({m.captured(), QPointF(x + metrics.horizontalAdvance(text.left(m.capturedStart())), y)});
    }
  };
  if (!l.wordWrap()) {
    const QString text = l.text();
    double x = l.x();
    if (l.alignment() & Qt::AlignHCenter) x += (l.width() - metrics.horizontalAdvance(text)) / 2;
    if (l.alignment() & Qt::AlignRight) x += l.width() - metrics.horizontalAdvance(text);
    add_line(text, x, l.y());
    return words;
  }
  QTextLayout layout(l.text(), l.font());
  QTextOption option(l.alignment());
  option.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  double y = 0;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(l.width());
    line.setPosition(QPointF(0, y));
    y += line.height();
  }
  layout.endLayout();
  for (int i = 0; i < layout.lineCount(); ++i) {
    const QTextLine line = layout.lineAt(i);
    add_line(l.text().mid(line.textStart(), line.textLength()), l.x() + line.cursorToX(line.textStart()),
             l.y() + line.y());
  }
  return words;
}

// The drawing of a figure in the window's pixels: every line, path, polygon and rectangle as
// strokes, every circle as a circle.
struct Drawing {
  std::vector<lg::Stroke> strokes;
  std::vector<lg::Circle> circles;
  std::vector<bool> line_element;   // the stroke is a line of its own (it may lead from a label)
};

Drawing DrawingOf(const ExampleScreen& screen, QPointF at, QSizeF size) {
  Drawing d;
  QFile file(QString::fromUtf8(screen.figure.data(), static_cast<qsizetype>(screen.figure.size())));
  if (!file.open(QIODevice::ReadOnly)) return d;
  const QString svg = QString::fromUtf8(file.readAll());
  static const QRegularExpression view(R"re(viewBox="0 0 ([\d.]+) ([\d.]+)")re");
  const QRegularExpressionMatch v = view.match(svg);
  const double sx = size.width() / v.captured(1).toDouble(), sy = size.height() / v.captured(2).toDouble();
  auto point = [&](double x, double y) { return at + QPointF(x * sx, y * sy); };
  static const QRegularExpression element(R"(<(line|path|polygon|polyline|rect|circle)\b([^>]*)>)");
  static const QRegularExpression attribute(R"re(([\w-]+)="([^"]*)")re");
  static const QRegularExpression number(R"([-+]?(\d+\.?\d*|\.\d+)([eE][-+]?\d+)?|[A-Za-z])");
  for (auto it = element.globalMatch(svg); it.hasNext();) {
    const QRegularExpressionMatch e = it.next();
    std::map<QString, QString> a;
    for (auto at_it = attribute.globalMatch(e.captured(2)); at_it.hasNext();) {
      const QRegularExpressionMatch m = at_it.next();
      a[m.captured(1)] = m.captured(2);
    }
    auto num = [&](const char* name) { return a[name].toDouble(); };
    const double half = (a.count("stroke-width") ? num("stroke-width") : 1) * sx / 2;
    auto stroke = [&](QPointF p, QPointF q, bool line) {
      d.strokes.push_back({QLineF(p, q), half});
      d.line_element.push_back(line);
    };
    const QString kind = e.captured(1);
    if (kind == "line") {
      stroke(point(num("x1"), num("y1")), point(num("x2"), num("y2")), true);
    } else if (kind == "rect") {
      const QPointF p = point(num("x"), num("y")), q = point(num("x") + num("width"), num("y") + num("height"));
      stroke(p, QPointF(q.x(), p.y()), false), stroke(QPointF(q.x(), p.y()), q, false);
      stroke(q, QPointF(p.x(), q.y()), false), stroke(QPointF(p.x(), q.y()), p, false);
    } else if (kind == "circle") {
      d.circles.push_back({point(num("cx"), num("cy")), num("r") * sx, a["fill"] != "none", half});
    } else {
      // Points of polygons and polylines; paths of moves, lines, quadratic curves and circular arcs.
      std::vector<QString> tokens;
      for (auto t = number.globalMatch(kind == "path" ? a["d"] : a["points"]); t.hasNext();) tokens.push_back(t.next().captured());
      std::vector<QPointF> pts;
      std::size_t i = 0;
      QChar command = 'L';
      auto next = [&]() { return tokens[i++].toDouble(); };
      auto next_point = [&]() {   // x, then y
        const double x = next();
        return QPointF(x, next());
      };
      QPointF current, start;
      while (i < tokens.size()) {
        if (tokens[i][0].isLetter()) command = tokens[i++][0];
        if (command == 'Z' || command == 'z') {
          if (!pts.empty()) pts.push_back(start);
          continue;
        }
        if (command == 'M') {
          for (std::size_t k = 1; k < pts.size(); ++k) stroke(point(pts[k - 1].x(), pts[k - 1].y()), point(pts[k].x(), pts[k].y()), false);
          pts.clear();
          current = start = next_point();
          pts.push_back(current);
          command = 'L';
        } else if (command == 'L') {
          current = next_point();
          pts.push_back(current);
        } else if (command == 'Q') {
          const QPointF c = next_point();
          const QPointF e2 = next_point();
          for (int k = 1; k <= 8; ++k) {
            const double t = k / 8.0;
            pts.push_back((1 - t) * (1 - t) * current + 2 * (1 - t) * t * c + t * t * e2);
          }
          current = e2;
        } else if (command == 'A') {
          const double r = next();
          next();   // ry, the same
          next();   // rotation, none
          const bool large = next() != 0;
          const bool sweep = next() != 0;
          const QPointF e2 = next_point();
          // The centre of the circle through both ends, on the side the flags choose.
          const QPointF mid = (current + e2) / 2, chord = e2 - current;
          const double half_chord = std::hypot(chord.x(), chord.y()) / 2;
          const double h = std::sqrt(std::max(0.0, r * r - half_chord * half_chord));
          const QPointF normal = QPointF(-chord.y(), chord.x()) / (2 * half_chord);
          const QPointF centre = mid + (large != sweep ? h : -h) * normal;
          double a0 = std::atan2(current.y() - centre.y(), current.x() - centre.x());
          double a1 = std::atan2(e2.y() - centre.y(), e2.x() - centre.x());
          if (sweep && a1 < a0) a1 += 2 * M_PI;
          if (!sweep && a1 > a0) a1 -= 2 * M_PI;
          for (int k = 1; k <= 24; ++k) {
            const double t = a0 + (a1 - a0) * k / 24;
            pts.push_back(centre + r * QPointF(std::cos(t), std::sin(t)));
          }
          current = e2;
        } else {
          ++i;   // a command this figure does not use
        }
      }
      if (kind == "polygon" && !pts.empty()) pts.push_back(pts.front());
      for (std::size_t k = 1; k < pts.size(); ++k) stroke(point(pts[k - 1].x(), pts[k - 1].y()), point(pts[k].x(), pts[k].y()), false);
    }
  }
  return d;
}

// A figure as the window shows it: the words of every label (their ink as the screen draws them; an
// "x" is a mark on a point of the drawing) and the drawing, in the figure's twips (as its labels are
// placed). A line of its own that ends near a label (within 6 pixels of
// one of its words, and nearer to it than to any other label) leads from that label.
lg::Scene SceneOf(const ExampleScreenWindow& w, const std::vector<QLabel*>& labels) {
  lg::Scene scene;
  scene.px = kTwipsPerPixel;
  const QPointF origin = w.Image1->pos();
  for (std::size_t i = 0; i < labels.size(); ++i) {
    for (const LabelWord& word : WordsOf(*labels[i])) {
      lg::Label label = lg::LabelOf(word.text.toStdString(), labels[i]->font(), (word.top_left - origin) * scene.px, scene.px);
      label.group = static_cast<int>(i);
      label.marker = labels[i]->text() == "x";   // a point marked on the drawing
      label.symbol = labels[i]->font().family() == "Symbol";
      scene.labels.push_back(label);
    }
  }
  const Drawing d = DrawingOf(w.screen(), QPointF(0, 0), QSizeF(w.Image1->size()) * scene.px);
  scene.circles = d.circles;
  scene.strokes = d.strokes;
  for (std::size_t k = 0; k < scene.strokes.size(); ++k) {
    if (!d.line_element[k]) continue;
    lg::Stroke& s = scene.strokes[k];
    for (const QPointF& end : {s.line.p1(), s.line.p2()}) {
      double nearest = 6 * scene.px;
      for (const lg::Label& l : scene.labels) {
        const double apart = lg::detail::PointToBox(end, l.ink);
        if (apart < nearest) nearest = apart, s.leader_of = l.group;
      }
    }
  }
  return scene;
}

// What a reader would find hard to read in a figure (legibility.h), on a 1024 by 768 screen, the
// smallest the windows are laid out for, and on the largest: labels touching, running together,
// struck by a line or circle other than their own leader, or too small. Each screen is saved there
// as a picture for a look (test-output/frmLay3_1024x768.png ...).
class FigureOnScreen : public ExampleScreenTest, public ::testing::WithParamInterface<TestScreen> {};

TEST_P(FigureOnScreen, EveryFigureLabelIsLegible) {
  const TestScreen size = GetParam();
  QScreen* screen = nullptr;
  for (QScreen* s : QGuiApplication::screens())
    if (s->geometry().size() == QSize(size.width, size.height)) screen = s;
  ASSERT_NE(screen, nullptr) << "no screen of this size: the test application was made without the test screens";
  for (const ExampleScreen& example : ExampleScreens()) {
    SCOPED_TRACE(std::string(example.kind));
    ExampleScreenWindow* w = Open(example.kind);
    ASSERT_NE(w, nullptr);
    w->setScreen(screen);
    w->move(screen->geometry().center() - w->rect().center());
    QCoreApplication::processEvents();
    std::string found;
    for (const std::string& f : lg::Findings(SceneOf(*w, FigureLabels(*w)))) found += "\n  " + f;
    EXPECT_EQ(found, "");
    SavePng(*w, std::string(example.kind) + "_" + std::to_string(size.width) + "x" + std::to_string(size.height) + ".png");
    platform_.windows.Unload(std::string(example.kind));
  }
}

INSTANTIATE_TEST_SUITE_P(Screens, FigureOnScreen,
                         ::testing::Values(TestScreen{1024, 768}, std::end(kTestScreens)[-1]),
                         [](const ::testing::TestParamInfo<TestScreen>& info) {
                           return std::to_string(info.param.width) + "x" + std::to_string(info.param.height);
                         });

}  // namespace
}  // namespace pave::testing
