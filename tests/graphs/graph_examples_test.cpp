// The three graph windows on the graph files that the analysis programs write for every example: every
// page is drawn without a message and offered for printing; the first page of each window is printed
// and kept as a picture in the test output.
#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLineF>
#include <QRectF>
#include <QRegularExpression>

#include "graph_test_support.h"
#include "platform/gui/qt_services.h"
#include "support/legibility.h"
#include "support/pdf_facts.h"
#include "graphs/contour_levels.h"
#include "graphs/contour_page.h"
#include "graphs/contour_tracer.h"
#include "graphs/layer_graph_file.h"
#include "graphs/slab_graph_file.h"
#include "layered_analysis/run_driver.h"
#include "platform/gui/qt_drawing_surface.h"
#include "slab_analysis/slab_driver.h"

namespace pave::graphs::testing {

// The printed page drawn again on a screen picture, saved for a look.
void GraphWindowTest::SavePage(const ScriptedPrinter::PrintedPage& page, const std::string& name) {
  std::filesystem::create_directories(PAVE_OUTPUT_DIR);
  QtDrawingSurface picture(page.width, page.height);
  picture.Redraw(page.figures);
  EXPECT_TRUE(picture.Image().save(QString::fromStdString(std::string(PAVE_OUTPUT_DIR) + "/" + name), "PNG"));
}

namespace {

// Pages of a layer graph file (stopped problems have none).
int LayerPages(const std::string& path) {
  LayerGraphReader r = LayerGraphReader::FromFile(path);
  LayerGraphProblem p;
  int pages = 0;
  for (int n = 1; n <= r.ProblemCount(); ++n)
    if (r.ReadProblem(p)) pages += p.npy * p.nlg;
  return pages;
}

// Pages of a slab graph file in the slab grid graph, and the contour graph's interval answers (the
// default of each page) while the problems can be contoured.
struct SlabPages {
  int grid = 0;
  int contour = 0;
  bool contour_refused = false;
  std::vector<std::string> intervals;
};

SlabPages SlabGraphPages(const std::string& path) {
  SlabGraphReader r = SlabGraphReader::FromFile(path);
  auto p = std::make_unique<SlabGraphProblem>();
  auto page = std::make_unique<SlabGraphPage>();
  SlabPages pages;
  for (int n = 1; n <= r.ProblemCount(); ++n) {
    r.ReadProblemHead(*p);
    r.ReadProblemRest(*p);
    const bool contoured = !pages.contour_refused && ContourConditionsMet(*p);
    if (!contoured) pages.contour_refused = true;
    for (int per = 1; per <= p->npy; ++per) {
      for (int g = 1; g <= p->nlg; ++g) {
        r.ReadPage(*p, *page);
        ++pages.grid;
        if (!contoured) continue;
        for (int dir = 1; dir <= 2; ++dir) {
          for (int l = 1; l <= p->nlayer; ++l) {
            const LayerExtremes& e = page->extremes[l];
            const ContourRange range = ContourRangeOf(dir == 1 ? e.max_x : e.max_y, dir == 1 ? e.min_x : e.min_y,
                                                      p->outmode == 1);
            pages.intervals.push_back(Str(range.default_interval));
            ++pages.contour;
          }
        }
      }
    }
    if (p->ndama != 0) r.ReadDesignLife();
  }
  return pages;
}

class ExampleGraphTest : public GraphWindowTest {
 protected:
  // Runs the analysis program on the example in the test's directory.
  void Analyse(const std::string& name) {
    WriteFile(name + ".DAT", pave::testing::ExampleText(name));
    RecordingHost host;
    const RunEnd end = name.rfind("LAY", 0) == 0 ? layered::RunMorvelin(Path(name), host)
                                                  : slab::RunSlabProgram(Path(name), slab::kBruntola, host);
    ASSERT_EQ(end, RunEnd::Normal) << name;
  }
};

// What makes a label of a printed page hard to read (legibility.h): the page's texts as the screen's
// fonts ink them, word by word, its lines, boxes and circles, in twips. A text that goes on where the
// one before ended is part of the same label; single letters one under the other are a word written
// downwards; the star marking a node is a mark that other labels keep clear of. Contour lines and the
// marks of response points may run through any circle.
std::vector<std::string> IllegibleLabels(const ScriptedPrinter::PrintedPage& page) {
  namespace lg = pave::testing::legibility;
  lg::Scene scene;
  scene.px = 15;
  QImage screen(1, 1, QImage::Format_ARGB32_Premultiplied);
  screen.setDotsPerMeterX(3780);
  screen.setDotsPerMeterY(3780);
  int group = 0;
  bool continued = false;   // the figure before was a label's text, ending at `end`
  QPointF end, last_letter;
  std::string last_text;
  for (const DrawnFigure& f : page.figures) {
    const double half_width = f.pen_width * 15 / 2.0;
    if (f.kind == DrawnFigure::Kind::Text) {
      if (f.text.find_first_not_of(' ') == std::string::npos) {   // blanks between the parts of a label
        end = QPointF(f.x2, f.y1);
        continue;
      }
      QFont font(QString::fromStdString(f.font.name));
      font.setPointSizeF(f.font.size);
      font.setBold(f.font.bold);
      const bool marker = f.text == "*";
      // A letter under the letter before, at the same place across: a word written downwards.
      const bool under = f.text.size() == 1 && last_text.size() == 1 && std::abs(f.x1 - last_letter.x()) < 1 &&
                         f.y1 > last_letter.y();
      if (under) scene.labels.back().vertical = true;
      if (!(continued && std::abs(f.x1 - end.x()) < 1 && std::abs(f.y1 - end.y()) < 1)) ++group;
      const QFontMetricsF metrics(font, &screen);
      const QString text = QString::fromStdString(f.text);
      static const QRegularExpression word(R"(\S+)");
      for (auto it = word.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const double x = f.x1 + metrics.horizontalAdvance(text.left(m.capturedStart())) * scene.px;
        lg::Label label = lg::LabelOf(m.captured().toStdString(), font, QPointF(x, f.y1), scene.px);
        label.group = group;
        label.marker = marker;
        label.vertical = under;
        scene.labels.push_back(label);
      }
      continued = !marker;
      end = QPointF(f.x2, f.y1);
      last_letter = QPointF(f.x1, f.y1);
      last_text = f.text;
      continue;
    }
    continued = false;
    if (f.kind == DrawnFigure::Kind::Line) {
      const bool values = f.colour == 9 || f.colour == 12 || f.pen_width == 3;
      scene.strokes.push_back({QLineF(f.x1, f.y1, f.x2, f.y2), half_width, -1, values});
    } else if (f.kind == DrawnFigure::Kind::Box) {
      const QRectF b = QRectF(QPointF(f.x1, f.y1), QPointF(f.x2, f.y2)).normalized();
      for (const QLineF& side : {QLineF(b.topLeft(), b.topRight()), QLineF(b.topRight(), b.bottomRight()),
                                 QLineF(b.bottomRight(), b.bottomLeft()), QLineF(b.bottomLeft(), b.topLeft())})
        scene.strokes.push_back({side, half_width});
    } else if (f.kind == DrawnFigure::Kind::Circle) {
      scene.circles.push_back({QPointF(f.x1, f.y1), f.radius, f.fill >= 0, half_width});
    } else if (f.kind == DrawnFigure::Kind::Ellipse) {
      for (const Segment& s : EllipseOutline(f.x1, f.y1, f.radius, f.radius_y))
        scene.strokes.push_back({QLineF(s.x1, s.y1, s.x2, s.y2), half_width});
    }
  }
  return lg::Findings(scene);
}

class EveryExample : public ExampleGraphTest, public ::testing::WithParamInterface<const char*> {
 protected:
  // Opens a window answering Yes to every print question; saves the first and the last printed page
  // as pictures. Each print is named after the data file, the window and the page's number. Every
  // label of every page is legible.
  void Draw(const char* kind, const std::string& window, const std::string& name, int pages) {
    platform_.messages.shown.clear();
    platform_.printer.pages.clear();
    platform_.printer.command_names.clear();
    for (int i = 1; i <= pages; ++i) platform_.messages.QueueAnswer(MessageAnswer::Yes);
    OpenGraph(kind, name + ".DAT");
    EXPECT_EQ(PrintQuestions(), pages) << kind << " " << name;
    EXPECT_EQ(platform_.messages.unanswered, 0) << kind << " " << name;
    const auto& printed = platform_.printer.pages;
    ASSERT_EQ(printed.size(), static_cast<std::size_t>(pages));
    std::vector<std::string> names;
    for (int i = 1; i <= pages; ++i) names.push_back(name + " " + window + " page " + std::to_string(i));
    EXPECT_EQ(platform_.printer.command_names, names);
    if (pages >= 1) SavePage(printed.front(), "graph_" + window + "_" + name + ".png");
    if (pages >= 2) SavePage(printed.back(), "graph_" + window + "_" + name + "_last.png");
    for (std::size_t i = 0; i < printed.size(); ++i)
      EXPECT_EQ(IllegibleLabels(printed[i]), std::vector<std::string>{}) << window << " page " << i + 1;
  }
};

TEST_P(EveryExample, DrawsEveryPageOfEveryWindowThatApplies) {
  const std::string name = GetParam();
  Analyse(name);
  if (HasFatalFailure()) return;
  if (name.rfind("LAY", 0) == 0) {
    const int pages = LayerPages(Path(name + ".LAY"));
    ASSERT_GT(pages, 0);
    Draw(kind::kLayerGraph, "TOLMER", name, pages);
    EXPECT_TRUE(OtherMessages().empty()) << OtherMessages().front();
    return;
  }
  const SlabPages pages = SlabGraphPages(Path(name + ".SLA"));
  Draw(kind::kSlabGraph, "VANSEK", name, pages.grid);
  EXPECT_TRUE(OtherMessages().empty()) << OtherMessages().front();

  for (const std::string& interval : pages.intervals) platform_.messages.QueueInput(interval);
  Draw(kind::kContourGraph, "CONTOUR", name, pages.contour);
  if (pages.contour_refused) {
    EXPECT_EQ(OtherMessages(), std::vector<std::string>{kContourConditionsMessage});
  } else {
    EXPECT_TRUE(OtherMessages().empty()) << OtherMessages().front();
  }
  EXPECT_EQ(platform_.messages.asked.size(), pages.intervals.size());
}

// The raft's first contour page, its moments from -7.98 to 2.01 units of 10000 in.-lb/in. at the
// interval 0.5: the solid levels 1.5, 0.5, ... run down to -7.5 around the loads, where they crowd.
// Each of them is numbered but -6.5 and -7.5, whose rings close around the two loads' nodes within a
// line's gap of the grid lines through them and of the loads' marks.
TEST_F(ExampleGraphTest, EverySolidLevelOfTheRaftIsNumberedAlsoAroundTheLoads) {
  Analyse("SLA6");
  if (HasFatalFailure()) return;
  const SlabPages pages = SlabGraphPages(Path("SLA6.SLA"));
  ASSERT_EQ(pages.intervals.front(), " .5");
  for (const std::string& interval : pages.intervals) platform_.messages.QueueInput(interval);
  platform_.messages.QueueAnswer(MessageAnswer::Yes);
  for (int i = 2; i <= pages.contour; ++i) platform_.messages.QueueAnswer(MessageAnswer::No);
  OpenGraph(kind::kContourGraph, "SLA6.DAT");
  ASSERT_EQ(platform_.printer.pages.size(), 1u);
  std::vector<std::string> numbers;
  for (const DrawnFigure& f : platform_.printer.pages[0].figures)
    if (f.kind == DrawnFigure::Kind::Text && f.font.name == kContourLabelFont) numbers.push_back(f.text);
  for (const char* level : {"1.5", "0.5", "-0.5", "-1.5", "-2.5", "-3.5", "-4.5", "-5.5"})
    EXPECT_NE(std::find(numbers.begin(), numbers.end(), level), numbers.end()) << level;
  EXPECT_EQ(IllegibleLabels(platform_.printer.pages[0]), std::vector<std::string>{});
}

// Where no printer is installed a printed graph page is a PDF of one landscape sheet: the page drawn
// again as lines and text across the sheet, no picture in it. The PDFs are kept for a look in
// test-output/print_graphs/.
TEST_F(ExampleGraphTest, APrintedPageIsDrawnAgainOnATurnedSheet) {
  QtPrinter pdf_printer(/*force_pdf=*/true);
  PlatformServices services = platform().services();
  services.printer = &pdf_printer;
  ScopedPlatform with_pdf(services);
  const std::filesystem::path out = std::filesystem::path(PAVE_OUTPUT_DIR) / "print_graphs";
  std::filesystem::remove_all(out);
  Analyse("LAY1");
  Analyse("SLA1");
  if (HasFatalFailure()) return;
  const SlabPages sla1 = SlabGraphPages(Path("SLA1.SLA"));
  ASSERT_GT(sla1.contour, 0);

  struct Case {
    const char* kind;
    const char* window;
    const char* example;
  } cases[] = {{kind::kLayerGraph, "TOLMER", "LAY1"},
               {kind::kSlabGraph, "VANSEK", "SLA1"},
               {kind::kContourGraph, "CONTOUR", "SLA1"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.window);
    const std::filesystem::path dir = out / c.window;
    std::filesystem::create_directories(dir);
    pdf_printer.SetDataDirectory(dir.string());
    platform_.messages.QueueAnswer(MessageAnswer::Yes);   // the first page; No to the others
    if (std::string(c.window) == "CONTOUR")
      for (const std::string& interval : sla1.intervals) platform_.messages.QueueInput(interval);
    OpenGraph(c.kind, std::string(c.example) + ".DAT");

    std::vector<std::filesystem::path> pdfs;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) pdfs.push_back(entry.path());
    ASSERT_EQ(pdfs.size(), 1u);
    const pave::testing::PdfFacts facts = pave::testing::ReadPdf(pdfs[0].string());
    ASSERT_TRUE(facts.read);
    ASSERT_EQ(facts.pages.size(), 1u);
    EXPECT_GT(facts.pages[0].width(), facts.pages[0].height());
    EXPECT_EQ(facts.pictures, 0);
    EXPECT_FALSE(facts.text.empty());
    // The drawing reaches across most of the sheet within its margins, both ways.
    const double margins = 2 * kLeastPrintMarginMm / 25.4 * 36;   // dots of the 36 dpi rendering
    EXPECT_GT(facts.first_page_ink.width(), (facts.first_page.width() - margins) * 0.6);
    EXPECT_GT(facts.first_page_ink.height(), (facts.first_page.height() - margins) * 0.6);
  }
}

INSTANTIATE_TEST_SUITE_P(GraphsOf, EveryExample,
                         ::testing::Values("LAY1", "LAY1SI", "LAY2", "LAY2SI", "LAY3", "LAY3SI", "LAY4", "LAY4SI",
                                           "LAY5", "LAY5SI", "LAY6", "LAY6SI", "SLA1", "SLA1SI", "SLA2", "SLA2SI",
                                           "SLA3", "SLA3SI", "SLA4", "SLA4SI", "SLA5", "SLA5SI", "SLA6", "SLA6SI"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

}  // namespace
}  // namespace pave::graphs::testing
