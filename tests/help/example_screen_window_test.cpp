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

#include <filesystem>
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
#include "support/pdf_facts.h"

namespace pave::testing {
namespace {

constexpr int Px(int twips) { return TwipsToPixels(twips); }

class ExampleScreenTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    ShellTestApp();
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

// Every screen as its table says, saved as a PNG for a look (test-output/frmLay1.png ...).
TEST_F(ExampleScreenTest, EveryScreenShowsItsFigureTitleAndText) {
  for (const ExampleScreen& screen : ExampleScreens()) {
    SCOPED_TRACE(std::string(screen.kind));
    ExampleScreenWindow* w = Open(screen.kind);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle().toStdString(), screen.caption);
    EXPECT_EQ(w->size(), QSize(Px(screen.width - kFrameWidthTwips), Px(kExampleScreenHeight - kFrameHeightTwips)));
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
    EXPECT_EQ(w->height(), Px(kExampleScreenHeight - kFrameHeightTwips));
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

// The ink of each word of a one-line figure label, in the window's pixels.
struct Word {
  QRectF ink;
  const QLabel* label;
  QString text;
};

std::vector<Word> WordsOf(const QLabel& l) {
  std::vector<Word> words;
  if (l.wordWrap()) return words;
  const QFontMetricsF metrics(l.font());
  const QString text = l.text();
  double x = l.x();
  if (l.alignment() & Qt::AlignHCenter) x += (l.width() - metrics.horizontalAdvance(text)) / 2;
  if (l.alignment() & Qt::AlignRight) x += l.width() - metrics.horizontalAdvance(text);
  static const QRegularExpression word(R"(\S+)");
  for (auto it = word.globalMatch(text); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    const QRectF ink = metrics.tightBoundingRect(m.captured())
                           .translated(x + metrics.horizontalAdvance(text.left(m.capturedStart())), l.y() + metrics.ascent());
    words.push_back({ink, &l, m.captured()});
  }
  return words;
}

// The dash-dot axes of symmetry of a figure's drawing, in the figure's twips.
std::vector<QLineF> AxesOf(const ExampleScreen& screen) {
  std::vector<QLineF> axes;
  QFile file(QString::fromUtf8(screen.figure.data(), static_cast<qsizetype>(screen.figure.size())));
  if (!file.open(QIODevice::ReadOnly)) return axes;
  static const QRegularExpression line(
      R"re(<line x1="([-\d.]+)" y1="([-\d.]+)" x2="([-\d.]+)" y2="([-\d.]+)"[^>]*stroke-dasharray)re");
  const QString svg = QString::fromUtf8(file.readAll());
  for (auto it = line.globalMatch(svg); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    axes.emplace_back(m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                      m.captured(4).toDouble());
  }
  return axes;
}

// Two words of a figure's labels that ran into each other or touched: each word by its label's caption.
struct Apart {
  const char* kind;
  const char* caption_a;
  const char* word_a;
  const char* caption_b;
  const char* word_b;
};

// What a reader found hard to read: words of two labels running into each other or touching, and labels
// struck through by an axis of symmetry.
TEST_F(ExampleScreenTest, FigureLabelsStayClearOfEachOtherAndOfTheAxes) {
  const Apart kApart[] = {
      {"frmLay3", "10  psi ", "psi", "T= 1 sec", "T="},
      {"frmLay3", "2", "2", "Layer 1 (10    in.  /lb)", "/lb)"},
      {"frmLay3", "2", "2", "Layer 2 (10    in.  /lb)", "/lb)"},
      {"frmLay3", "10 in.", "in.", "For layer 2     D(t) = 10    [(1 - e      ) + 10(1 - e      )]", "For"},
      {"frmLay6", "3.375 in.", "3.375", "6.75 in.", "6.75"},
      {"frmSla6", "0          60      120     180     240    300     360    420     480     540    600", "600", "101",
       "101"},
  };
  const char* const kWithAxes[] = {"frmSla1", "frmSla2", "frmSla4", "frmSla6"};
  for (const ExampleScreen& screen : ExampleScreens()) {
    SCOPED_TRACE(std::string(screen.kind));
    ExampleScreenWindow* w = Open(screen.kind);
    ASSERT_NE(w, nullptr);
    std::vector<Word> words;
    for (const QLabel* l : FigureLabels(*w)) {
      const std::vector<Word> more = WordsOf(*l);
      words.insert(words.end(), more.begin(), more.end());
    }
    auto find = [&](const char* caption, const char* word) {
      std::vector<const Word*> found;
      for (const Word& w : words) {
        if (w.label->text() == caption && w.text == word) found.push_back(&w);
      }
      EXPECT_FALSE(found.empty()) << caption << ": " << word;
      return found;
    };
    for (const Apart& apart : kApart) {
      if (apart.kind != screen.kind) continue;
      for (const Word* a : find(apart.caption_a, apart.word_a)) {
        // Touching counts: a gap of a pixel at least.
        const QRectF near = a->ink.adjusted(-0.5, -0.5, 0.5, 0.5);
        for (const Word* b : find(apart.caption_b, apart.word_b)) {
          EXPECT_FALSE(near.intersects(b->ink)) << apart.word_a << " and " << apart.word_b;
        }
      }
    }
    if (std::find(std::begin(kWithAxes), std::end(kWithAxes), screen.kind) != std::end(kWithAxes)) {
      for (const QLineF& axis : AxesOf(screen)) {
        const QPointF at = Control<QWidget>(*w, "Image1").pos();
        const QRectF line = QRectF(axis.p1() / kTwipsPerPixel + at, axis.p2() / kTwipsPerPixel + at)
                                .normalized()
                                .adjusted(-1, -1, 1, 1);
        for (const Word& word : words) {
          EXPECT_FALSE(line.intersects(word.ink)) << '"' << word.text.toStdString() << "\" struck through by an axis " << word.ink.x() << "," << word.ink.y() << " " << word.ink.width() << "x" << word.ink.height() << " line " << line.x() << "," << line.y() << " " << line.width() << "x" << line.height();
        }
      }
    }
    platform_.windows.Unload(std::string(screen.kind));
  }
}

}  // namespace
}  // namespace pave::testing
