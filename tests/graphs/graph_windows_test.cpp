// The graph windows' frame on small graph files: the file's name, the window, the page cycle, the
// error ending, stopped problems, the slab layouts, the contour graph's slab, interval and conditions,
// and printing where no printer is installed.
#include <QAbstractButton>
#include <QComboBox>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>
#include <QPushButton>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <memory>

#include "graph_test_support.h"
#include "graphs/contour_page.h"
#include "graphs/graph_runs.h"
#include "platform/gui/qt_services.h"
#include "platform/page_clip.h"
#include "platform/recording_surface.h"
#include "shell/gui/main_window.h"
#include "slab_graph_text.h"
#include "support/modal_driver.h"

namespace pave::graphs::testing {
namespace {

using Kind = RecordingSurface::Kind;

// A two-layer linear problem with a single wheel and `nr` radial coordinates (layer graph file).
std::string LayerProblem(const std::string& title, int nl = 2, int npy = 1) {
  std::string t = title + "\r\n 1  0 " + GenNum(npy) + " 1 \r\n" + GenNum(nl) + " 2  0 \r\n";
  for (int i = 1; i < nl; ++i) t += " 5 ";
  t += "\r\n";
  for (int i = 1; i <= nl; ++i) t += " .35 ";
  t += "\r\n 0  3 \r\n";
  for (int p = 1; p <= npy; ++p) {
    for (int i = 1; i <= nl; ++i) t += " 300000 ";
    t += "\r\n";
  }
  return t + " 0 \r\n 6  80 \r\n 2 \r\n 0  8 \r\n";
}

TEST(GraphFrame, TheGraphFileIsTheDataFileWithItsExtensionReplaced) {
  struct Case {
    const char* data;
    const char* graph;
  };
  const Case cases[] = {{"/data/LAY1.DAT", "/data/LAY1.LAY"}, {"/data/lay1.dat", "/data/lay1.LAY"},
                        {"/data/Lay1.Dat", "/data/Lay1.LAY"}, {"/data/LAY1", "/data/LAY1.LAY"},
                        {"/data.DAT/x.txt", "/data.DAT/x.txt.LAY"}};
  for (const Case& c : cases) EXPECT_EQ(GraphFileName(c.data, ".LAY"), c.graph) << c.data;
}

TEST(GraphFrame, AWindowThatWouldLieOffTheScreenIsPushedUpOrLeftByTheMargin) {
  const GraphPlacement off = PlaceGraphWindow(9000, 7000, 10815, 7650);
  EXPECT_EQ(off.left, -1200);
  EXPECT_EQ(off.top, -1200);
  const GraphPlacement centred = PlaceGraphWindow(20000, 15000, 10815, 7650);
  EXPECT_EQ(centred.left, 10000 - 5407);
  EXPECT_EQ(centred.top, 7500 - 3825 - 200);
}

TEST_F(GraphWindowTest, TheLayerGraphWindowDrawsEachPageAndAsksToPrintIt) {
  WriteFile("ONE.LAY", " 1 \r\n" + LayerProblem("Two periods", 2, 2));
  platform_.messages.QueueAnswer(MessageAnswer::No);
  platform_.messages.QueueAnswer(MessageAnswer::Yes);
  gDataFile = Path("ONE.Dat");
  auto* window = dynamic_cast<GraphWindow*>(LoadWindow(kind::kLayerGraph));
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), "Graph for MORVELIN");
  // The client area holds the page and its margin: (9615 + 1200 + 1200) by (6450 + 1200 + 1200) twips.
  EXPECT_EQ(window->size(), QSize(12015 / 15, 8850 / 15));
  EXPECT_EQ(gCrLf, "\r\n");
  EXPECT_EQ(PrintQuestions(), 2);
  EXPECT_TRUE(OtherMessages().empty());
  // The printed page is the window's whole drawing, turned to landscape.
  ASSERT_EQ(platform_.printer.pages.size(), 1u);
  EXPECT_EQ(platform_.printer.pages[0].width, 12015);
  EXPECT_EQ(platform_.printer.pages[0].height, 8850);
  EXPECT_EQ(platform_.printer.pages[0].orientation, PageOrientation::Landscape);
  EXPECT_EQ(platform_.messages.shown[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(platform_.messages.shown[0].title, "ROVANTE");
  platform_.windows.Unload(kind::kLayerGraph);
}

TEST_F(GraphWindowTest, AMissingOrShortFileEndsWithTheDataErrorAfterThePagesItHas) {
  OpenGraph(kind::kLayerGraph, "NONE.DAT");
  EXPECT_EQ(FirstLines(OtherMessages()), std::vector<std::string>{"File not found or data error"});
  EXPECT_EQ(PrintQuestions(), 0);

  // The analysis of a data file that declares no problem writes a graph file without one.
  platform_.messages.shown.clear();
  WriteFile("EMPTY.LAY", " 0 \r\n");
  OpenGraph(kind::kLayerGraph, "EMPTY.DAT");
  EXPECT_EQ(OtherMessages(), std::vector<std::string>{NoProblemGraphMessage()});
  WriteFile("EMPTY.SLA", " 0 \r\n");
  for (const char* kind : {kind::kSlabGraph, kind::kContourGraph}) {
    platform_.messages.shown.clear();
    OpenGraph(kind, "EMPTY.DAT");
    EXPECT_EQ(OtherMessages(), std::vector<std::string>{NoProblemGraphMessage()}) << kind;
  }

  platform_.messages.shown.clear();
  const std::string second = LayerProblem("Second");
  WriteFile("CUT.LAY", " 2 \r\n" + LayerProblem("First") + second.substr(0, second.size() / 2));
  OpenGraph(kind::kLayerGraph, "CUT.DAT");
  EXPECT_EQ(PrintQuestions(), 1);
  EXPECT_EQ(FirstLines(OtherMessages()), std::vector<std::string>{"File not found or data error"});
}

TEST_F(GraphWindowTest, AStoppedProblemIsToldAndTheOthersAreDrawn) {
  WriteFile("STOP.LAY", " 4 \r\n" + LayerProblem("First") + "Second\r\nSTOPPED\r\n" + LayerProblem("Third") +
                            "Fourth\r\nSTOPPED\r\n");
  OpenGraph(kind::kLayerGraph, "STOP.DAT");
  EXPECT_EQ(PrintQuestions(), 2);
  EXPECT_EQ(OtherMessages(), (std::vector<std::string>{StoppedProblemMessage(2), StoppedProblemMessage(4)}));
  EXPECT_EQ(StoppedProblemMessage(2), "Problem No. 2 stopped before its analysis was complete, so it has no graph.");

  // The analysis ended its run at the stop: nothing follows, and nothing more is said.
  platform_.messages.shown.clear();
  WriteFile("LAST.LAY", " 3 \r\n" + LayerProblem("First") + "Second\r\nSTOPPED\r\n");
  OpenGraph(kind::kLayerGraph, "LAST.DAT");
  EXPECT_EQ(PrintQuestions(), 1);
  EXPECT_EQ(OtherMessages(), std::vector<std::string>{StoppedProblemMessage(2)});

  // The slab analysis marks a stopped problem alike, and both slab graphs say so.
  std::string slab = SlabGraphText{}.Text();
  slab.replace(0, slab.find("\r\n"), " 2 ");
  WriteFile("SLAB.SLA", slab + "Second\r\nSTOPPED\r\n");
  for (const char* kind : {kind::kSlabGraph, kind::kContourGraph}) {
    platform_.messages.shown.clear();
    platform_.messages.QueueInput(".5");
    platform_.messages.QueueInput(".5");
    OpenGraph(kind, "SLAB.DAT");
    EXPECT_EQ(PrintQuestions(), std::string(kind) == kind::kSlabGraph ? 1 : 2) << kind;
    EXPECT_EQ(OtherMessages(), std::vector<std::string>{StoppedProblemMessage(2)}) << kind;
  }
}

TEST_F(GraphWindowTest, OneLayerHasAProfileDownToItsDeepestResponse) {
  WriteFile("HALF.LAY", " 1 \r\n" + LayerProblem("Half-space", 1));
  platform_.messages.QueueAnswer(MessageAnswer::Yes);
  OpenGraph(kind::kLayerGraph, "HALF.DAT");
  EXPECT_EQ(PrintQuestions(), 1);
  EXPECT_TRUE(OtherMessages().empty());
  ASSERT_EQ(platform_.printer.pages.size(), 1u);
  SavePage(platform_.printer.pages[0], "graph_TOLMER_one_layer.png");
}

TEST_F(GraphWindowTest, EveryNumberOfSlabsHasItsPlan) {
  for (int nslab = 1; nslab <= 6; ++nslab) {
    SlabGraphText f;
    f.slabs.assign(static_cast<std::size_t>(nslab), SlabGraphText::Slab{});
    for (int s = 1; s <= nslab; ++s) {
      f.areas.push_back({s, 40, 80, 32, 64, 100});
      f.forces.push_back({(s - 1) * 16 + 6, 1000});
    }
    if (nslab == 3) f.slabs[0].jono[1] = 1, f.slabs[1].jono[1] = 2;
    if (nslab == 4) f.slabs[0].jono[1] = 1, f.slabs[0].jono[3] = 2, f.slabs[3].jono[0] = 3, f.slabs[3].jono[2] = 4;
    if (nslab == 6) f.slabs[3].jono[0] = 1, f.slabs[3].jono[1] = 2, f.slabs[3].jono[2] = 3;
    const std::string name = "SLABS" + std::to_string(nslab);
    WriteFile(name + ".SLA", f.Text());
    platform_.messages.shown.clear();
    platform_.printer.pages.clear();
    platform_.messages.QueueAnswer(MessageAnswer::Yes);
    OpenGraph(kind::kSlabGraph, name + ".DAT");
    EXPECT_EQ(PrintQuestions(), 1) << nslab;
    EXPECT_TRUE(OtherMessages().empty()) << nslab << ": " << OtherMessages().front();
    ASSERT_EQ(platform_.printer.pages.size(), 1u);
    SavePage(platform_.printer.pages[0], "graph_VANSEK_" + std::to_string(nslab) + "_slabs.png");
  }
}

// A graph run on a recording surface, for what is drawn where.
class RecordedRun : public GraphWindowHost {
 public:
  struct PageWindowStub : Window {
    void Show() override {}
  };
  // Each time the window is shown: how many questions had been asked, and how much the page held.
  struct Shown {
    std::size_t questions_before, figures;
  };
  void ShowWindow() override {
    ++shown;
    const auto* asked = dynamic_cast<ScriptedMessages*>(&platform().messages());
    shows.push_back({asked ? asked->asked.size() : 0, surface.Drawing().size()});
    events.push_back("show " + std::to_string(surface.Drawing().size()) + " figures");
  }
  void HideWindow() override { events.push_back("hide"); }
  void SetCaption(const std::string& caption) override { captions.push_back(caption); }
  bool StillOpen() const override { return open; }
  Window* PageWindow() override { return &window; }
  PageWindowStub window;
  bool open = true;
  std::vector<Shown> shows;
  RecordingSurface surface{kContourPageWidth + kPageOffset, kGraphPageHeight + kPageOffset};
  GraphRun run{surface, *this};
  int shown = 0;
  std::vector<std::string> captions;
  std::vector<std::string> events;   // the window shown (with the figures on it) and hidden, in order
};

TEST_F(GraphWindowTest, TheContourGraphUsesTheNumbersOfTheSlabItDraws) {
  // Two slabs of 4 by 4 nodes; the first loaded area is on slab 2, so slab 2 is drawn. Its node 6
  // (column 2, row 2) is node 22 over both slabs.
  SlabGraphText f;
  f.slabs.assign(2, SlabGraphText::Slab{});
  f.ls1 = 2;
  f.areas = {{2, 40, 80, 32, 64, 100}, {1, 0, 40, 0, 32, 100}};
  f.forces = {{22, 500}, {6, 700}};
  f.rx = [](int i, int j, int) { return i == 3 && j == 4 ? -800.0f : i == 1 && j == 1 ? 300.0f : -100.0f * i; };
  WriteFile("SECOND.SLA", f.Text());
  platform_.messages.QueueInput(".5");
  platform_.messages.QueueInput(".5");
  RecordedRun r;
  std::int16_t direction = 0;
  RunContourGraph(Path("SECOND.DAT"), r.run, direction);
  EXPECT_EQ(direction, 2);
  EXPECT_EQ(PrintQuestions(), 2);
  EXPECT_TRUE(OtherMessages().empty()) << OtherMessages().front();
  EXPECT_EQ(r.captions, (std::vector<std::string>{"PROBLEM  1, STRESSES IN X DIRECTION",
                                                  "PROBLEM  1, STRESSES IN Y DIRECTION"}));
  // Each interval is asked with the page drawn so far shown in the window (the last showing before
  // the question, with the page's grid on it).
  for (std::size_t q = 0; q < platform_.messages.asked.size(); ++q) {
    const RecordedRun::Shown* last = nullptr;
    for (const auto& show : r.shows)
      if (show.questions_before == q) last = &show;
    ASSERT_NE(last, nullptr) << q;
    EXPECT_GT(last->figures, 0u) << q;
  }

  // The x page (before the first clear): the kit's window for slab 2, 0..120 by 0..96.
  PlotKit kit(r.surface);
  kit.QScreen(kContourPageWidth, kGraphPageHeight);
  kit.QPlotSetup(9, 85, 32, 84, 0, 120, 0, 96);
  auto at = [&](float x, float y) { return kit.QRtoI(x, y); };
  std::vector<RecordingSurface::Op> page;
  for (const auto& op : r.surface.ops) {
    if (op.kind == Kind::Clear) break;
    page.push_back(op);
  }
  // Only slab 2's area: four light magenta sides (the legend box is a box, not lines).
  int area_sides = 0;
  for (const auto& op : page) area_sides += op.kind == Kind::Line && op.colour == 13;
  EXPECT_EQ(area_sides, 4);
  // Only slab 2's force, at its node 6 = (40, 32), with the x result there (-200) in units of 100.
  std::vector<RecordingSurface::Op> forces, stars;
  for (const auto& op : page) {
    if (op.kind == Kind::Circle && op.colour == 13 && op.radius == 40 && op.y1 > 2500) forces.push_back(op);
    if (op.kind == Kind::Text && op.text == "*" && op.y1 > 2000) stars.push_back(op);
  }
  ASSERT_EQ(forces.size(), 1u);
  EXPECT_NEAR(forces[0].x1, at(40, 32).x + 1200, 0.01);
  EXPECT_NEAR(forces[0].y1, at(40, 32).y + 1200, 0.01);
  bool labelled = false;
  for (const auto& op : page) labelled |= op.kind == Kind::Text && op.text == "-2" && op.colour == 13;
  EXPECT_TRUE(labelled);
  // The page's minimum (300 at node 1 of slab 2) is starred at (0, 0) of the slab drawn.
  ASSERT_EQ(stars.size(), 1u);
  EXPECT_NEAR(stars[0].x1, at(0, 0).x - 120 + 1200, 0.01);
  // The page's maximum (-800 at column 3, row 4) has the blue circle.
  bool max_marked = false;
  for (const auto& op : page)
    max_marked |= op.kind == Kind::Circle && op.colour == 9 && op.radius == 60 &&
                  std::abs(op.x1 - (at(80, 96).x + 1200)) < 0.01 && std::abs(op.y1 - (at(80, 96).y + 1200)) < 0.01;
  EXPECT_TRUE(max_marked);
}

TEST_F(GraphWindowTest, TheIntervalIsAskedUntilItIsUsableAndCancelSkipsThePage) {
  SlabGraphText f;
  f.nlayer = 2;
  WriteFile("ASK.SLA", f.Text());
  // x layer 1: three refused answers, then a good one; x layer 2: cancelled; y pages: defaults.
  for (const char* answer : {"abc", "0", "0.0001", "1"}) platform_.messages.QueueInput(std::string(answer));
  platform_.messages.QueueInput(std::nullopt);
  platform_.messages.QueueInput(".5");
  platform_.messages.QueueInput(".5");
  RecordedRun r;
  std::int16_t direction = 0;
  RunContourGraph(Path("ASK.DAT"), r.run, direction);
  ASSERT_EQ(platform_.messages.asked.size(), 7u);
  EXPECT_EQ(platform_.messages.asked[0].prompt.rfind("Contour Interval in  ", 0), 0u);
  EXPECT_EQ(platform_.messages.asked[0].title, "ROVANTE");
  EXPECT_EQ(platform_.messages.asked[1].default_text, platform_.messages.asked[0].default_text);
  EXPECT_EQ(PrintQuestions(), 3);   // the cancelled page is not offered
  EXPECT_EQ(OtherMessages().size(), 3u);   // one for each refused answer, none for the cancel
  // The interval box, the refusals and the print question open clear of the window whose page they
  // are about.
  for (const auto& a : platform_.messages.asked) EXPECT_EQ(a.place, BoxPlace::ClearOf(&r.window));
  for (const auto& s : platform_.messages.shown) EXPECT_EQ(s.place, BoxPlace::ClearOf(&r.window)) << s.text;
  EXPECT_EQ(r.captions.size(), 4u);
  EXPECT_EQ(r.captions[1], "PROBLEM  1, SLAB LAYER  2, STRESSES IN X DIRECTION");
}

TEST_F(GraphWindowTest, ARefusedIntervalIsExplainedBeforeTheQuestionComesBack) {
  // Extremes -523.4 and 123.4: scale 100, levels from 2 down to -7, a range of 9, so an interval
  // must exceed 9 / 201 to give at most 200 levels.
  SlabGraphText f;
  f.rx = [](int i, int j, int) { return i == 1 && j == 1 ? -523.4f : i == 4 && j == 4 ? 123.4f : 0.0f; };
  WriteFile("WHY.SLA", f.Text());
  const char* refused[] = {"abc", "", "0", "0.00001", "0.04477612", "1e40"};
  for (const char* answer : refused) platform_.messages.QueueInput(std::string(answer));
  platform_.messages.QueueInput(".04477613");   // x page: just above the bound the message states
  platform_.messages.QueueInput(".5");          // y page
  OpenGraph(kind::kContourGraph, "WHY.DAT");
  const std::string why =
      "The contour interval should be a number greater than 0.04477612 and not greater than 3.4E+38: a smaller "
      "interval would give more than 200 contour levels. A negative interval draws the page without contours.";
  ASSERT_EQ(platform_.messages.asked.size(), std::size(refused) + 2);
  EXPECT_EQ(OtherMessages(), std::vector<std::string>(std::size(refused), why));
  for (const auto& m : platform_.messages.shown) {
    if (m.text == why) {
      EXPECT_EQ(m.title, "ROVANTE");
    }
  }
  // The same question comes back after each message, until the x page's interval is taken.
  for (std::size_t i = 1; i < platform_.messages.asked.size() - 1; ++i) {
    EXPECT_EQ(platform_.messages.asked[i].prompt, platform_.messages.asked[0].prompt);
    EXPECT_EQ(platform_.messages.asked[i].default_text, platform_.messages.asked[0].default_text);
  }
  EXPECT_EQ(PrintQuestions(), 2);
}

TEST_F(GraphWindowTest, AProblemThatCannotBeContouredEndsTheContourGraph) {
  SlabGraphText good;
  std::string text = good.Text();
  SlabGraphText damage;
  damage.ndama = 1;
  std::string second = damage.Text();
  second = second.substr(second.find("\r\n") + 2);   // without its problem count
  text.replace(0, text.find("\r\n"), " 2 ");
  WriteFile("TWO.SLA", text + second);
  platform_.messages.QueueInput(".5");
  platform_.messages.QueueInput(".5");
  OpenGraph(kind::kContourGraph, "TWO.DAT");
  EXPECT_EQ(PrintQuestions(), 2);
  EXPECT_EQ(OtherMessages(), std::vector<std::string>{kContourConditionsMessage});
}

// A window opens only with a page on it: a problem that cannot be contoured, or that the analysis
// stopped, is told with no graph window in view (none yet, or the one emptied by the last page
// hidden), in each graph; and the window that drew no page is not shown when the run is over.
TEST_F(GraphWindowTest, AProblemWithoutAPageOpensNoWindow) {
  SlabGraphText good;
  SlabGraphText damage;
  damage.ndama = 1;
  std::string two = good.Text();
  std::string second = damage.Text();
  two.replace(0, two.find("\r\n"), " 2 ");
  WriteFile("DAMAGE.SLA", damage.Text());
  WriteFile("TWO.SLA", two + second.substr(second.find("\r\n") + 2));
  WriteFile("STOP.LAY", " 2 \r\nFirst\r\nSTOPPED\r\n" + LayerProblem("Second"));
  std::string stopped = good.Text();
  WriteFile("STOP.SLA", stopped.substr(0, stopped.find("\r\n") + 2) + "First\r\nSTOPPED\r\n");
  struct Case {
    const char* file;
    std::function<void(const std::string&, GraphRun&)> run;
    std::vector<std::string> events;
    std::string message;
  } cases[] = {
      {"DAMAGE.DAT", [](const std::string& f, GraphRun& run) { std::int16_t d = 0; RunContourGraph(f, run, d); },
       {"hide"}, kContourConditionsMessage},
      {"TWO.DAT", [](const std::string& f, GraphRun& run) { std::int16_t d = 0; RunContourGraph(f, run, d); },
       {"show", "show", "show", "show", "hide"}, kContourConditionsMessage},
      {"STOP.DAT", RunLayerGraph, {"hide", "show"}, StoppedProblemMessage(1)},
      {"STOP.DAT", RunSlabGridGraph, {"hide"}, StoppedProblemMessage(1)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    platform_.messages.shown.clear();
    for (int i = 0; i < 2; ++i) platform_.messages.QueueInput(".5");
    RecordedRun r;
    c.run(Path(c.file), r.run);
    std::vector<std::string> events;
    for (const std::string& e : r.events) {
      events.push_back(e.substr(0, 4));
      EXPECT_NE(e, "show 0 figures");   // never shown empty
    }
    EXPECT_EQ(events, c.events);
    EXPECT_EQ(OtherMessages(), std::vector<std::string>{c.message});
  }

  // The window itself: hidden while the message is up, and not shown once the run is over.
  class Watching : public ScriptedMessages {
   public:
    using ScriptedMessages::Show;
    MessageAnswer Show(const std::string& text, MessageButtons buttons, const std::string& title,
                       BoxPlace place) override {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName() == kind::kContourGraph) visible.push_back(text);
      }
      return ScriptedMessages::Show(text, buttons, title, place);
    }
    std::vector<std::string> visible;   // the messages shown while the window was in view
  } watching;
  PlatformServices services = platform().services();
  services.messages = &watching;
  ScopedPlatform watched(services);
  for (const char* file : {"DAMAGE.DAT", "TWO.DAT"}) {
    SCOPED_TRACE(file);
    watching.visible.clear();
    watching.QueueInput(".5");
    watching.QueueInput(".5");
    gDataFile = Path(file);
    auto* window = dynamic_cast<GraphWindow*>(LoadWindow(kind::kContourGraph));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(watching.visible, (std::string(file) == "TWO.DAT" ? std::vector<std::string>(2, kPrintQuestion)
                                                                : std::vector<std::string>{}));
    platform_.windows.Show(kind::kContourGraph);   // as the main window does when the load returns
    EXPECT_FALSE(window->isVisible());
    platform_.windows.Unload(kind::kContourGraph);
  }
}

TEST_F(GraphWindowTest, APrintedPageIsOnePdfPageWhereNoPrinterIsInstalled) {
  QtPrinter printer(/*force_pdf=*/true);
  printer.SetDataDirectory(Path(""));
  const PlatformServices services{&platform_.messages, &platform_.desktop, &platform_.file_dialog, &printer,
                              &platform_.processes, &platform_.clipboard, &platform_.windows};
  ScopedPlatform with_printer(services);
  WriteFile("PRINT.LAY", " 1 \r\n" + LayerProblem("Printed"));
  platform_.messages.QueueAnswer(MessageAnswer::Yes);
  OpenGraph(kind::kLayerGraph, "PRINT.DAT");
  EXPECT_EQ(PrintQuestions(), 1);
  EXPECT_TRUE(OtherMessages().empty());
  ASSERT_FALSE(printer.last_pdf().empty());
  const std::string pdf = pave::testing::FileText(printer.last_pdf());
  EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
  const std::size_t pages = pdf.find("/Type /Pages");
  ASSERT_NE(pages, std::string::npos);
  EXPECT_EQ(std::atoi(pdf.c_str() + pdf.find("/Count ", pages) + 7), 1);
}

TEST_F(GraphWindowTest, TheMainWindowsGraphButtonsOpenTheGraphWindows) {
  const std::string data = Path("data") + "/";
  std::filesystem::create_directories(data);
  std::filesystem::create_directories(Path("bin"));
  WriteFile("bin/DataPath", data + "\r\n");
  {
    std::ofstream(data + "MAIN.DAT") << "x\r\n";
    std::ofstream(data + "MAIN.LAY", std::ios::binary) << " 1 \r\n" + LayerProblem("From the main window");
  }
  auto* main = platform_.windows.Load<MainWindow>(kind::kMain, Path("bin"));
  ASSERT_NE(main, nullptr);
  main->cmbFileName->setCurrentText("MAIN.DAT");
  main->cmdTolmer->click();
  EXPECT_EQ(gDataFile, data + "MAIN.DAT");
  EXPECT_EQ(PrintQuestions(), 1);
  EXPECT_TRUE(OtherMessages().empty());
  EXPECT_FALSE(platform_.windows.IsLoaded(kind::kLayerGraph));   // unloaded once its pages are done
  main->cmdVansek->click();
  main->cmdContour->click();
  EXPECT_EQ(FirstLines(OtherMessages()),
            (std::vector<std::string>{"File not found or data error", "File not found or data error"}));
}

TEST_F(GraphWindowTest, AWindowClosedWhileItsPageWaitsEndsTheRun) {
  WriteFile("CLOSED.LAY", " 1 \r\n" + LayerProblem("Two periods", 2, 2));
  RecordedRun r;
  r.open = false;   // as if the user closed the window during the first print question
  RunLayerGraph(Path("CLOSED.DAT"), r.run);
  EXPECT_EQ(PrintQuestions(), 1);
  EXPECT_TRUE(OtherMessages().empty());
}


// Graph files edited by hand to hold values no pavement has, each finite: every page is drawn, with
// every figure within reach of the page and every number short enough to read, or the run ends
// saying what cannot be drawn.
struct ExtremeCase {
  std::string name;
  const char* kind;
  std::string file;      // the graph file
  int pages;             // printed
  std::string message;   // besides the print questions; empty for none
};

void PrintTo(const ExtremeCase& c, std::ostream* os) { *os << c.name; }

// One layer problem of LayerProblem's shape with the given thickness of layer 1, contact radius and
// radial coordinates.
std::string LayerWith(const std::string& th, const std::string& cr, const std::string& rc) {
  return " 1 \r\nEdited\r\n 1  0  1  1 \r\n 2  2  0 \r\n " + th + " \r\n .35  .35 \r\n 0  3 \r\n 300000  300000 \r\n"
         " 0 \r\n " + cr + "  80 \r\n 2 \r\n " + rc + " \r\n";
}

std::vector<ExtremeCase> ExtremeCases() {
  const std::string beyond = "Problem No. 1 cannot be drawn: ";
  SlabGraphText load;   // a load no pavement carries: results of some 1E+33 psi at the nodes
  load.areas = {{1, 0, 120, 0, 10, 1e30f}};
  load.forces = {{6, 1e30f}};
  load.rx = [](int i, int j, int) { return -8.9e33f * static_cast<float>(i * j) / 16; };
  load.ry = [](int i, int j, int) { return 2e33f * static_cast<float>(i - j); };
  SlabGraphText ends;   // results at the ends of single precision
  ends.forces = {{6, 1000}};
  ends.rx = [](int i, int j, int) { return i == 1 && j == 1 ? 3.4e38f : -3.4e38f * (static_cast<float>(i * j) / 16); };
  SlabGraphText wide;   // a slab wider than any pavement
  wide.slabs[0].width = 1e30f;
  wide.areas = {{1, 0, 1e29f, 0, 32, 100}};
  SlabGraphText beyond_slab;   // a loaded area reaching beyond single precision from the slab
  beyond_slab.areas = {{1, 40, 3.4e38f, 32, 64, 100}};
  SlabGraphText flat;   // every x coordinate 0
  flat.slabs[0].width = 0;
  return {
      {"ContourOfALoadNoPavementCarries", kind::kContourGraph, load.Text(), 2, ""},
      {"SlabGridOfALoadNoPavementCarries", kind::kSlabGraph, load.Text(), 1, ""},
      {"ContourOfResultsAtTheEndsOfSinglePrecision", kind::kContourGraph, ends.Text(), 2, ""},
      {"ContourOfASlabWiderThanAnyPavement", kind::kContourGraph, wide.Text(), 2, ""},
      {"SlabGridOfASlabWiderThanAnyPavement", kind::kSlabGraph, wide.Text(), 1, ""},
      {"SlabGridOfAnAreaBeyondSinglePrecision", kind::kSlabGraph, beyond_slab.Text(), 0,
       beyond + "the value 3.4E+38 lies too far from the range from 0 to 120 that the page shows."},
      {"ContourOfASlabWithoutWidth", kind::kContourGraph, flat.Text(), 0,
       beyond + "the page would show the range from 0 to 0, which has no extent."},
      {"LayersDeeperThanSinglePrecision", kind::kLayerGraph, LayerWith("3.4E+38", "6", "0  8"), 0,
       beyond + "a position reckoned from its values lies beyond single precision."},
      {"WheelWiderThanAnyPavement", kind::kLayerGraph, LayerWith("5", "1E+30", "0  1E+30"), 1, ""},
      {"ResponsesFarBeyondThePage", kind::kLayerGraph, LayerWith("5", "6", "-1E+30  1E+30"), 1, ""},
  };
}

class ExtremeValues : public GraphWindowTest, public ::testing::WithParamInterface<ExtremeCase> {};

TEST_P(ExtremeValues, DrawEveryPageWithinReachOrSayWhatCannotBeDrawn) {
  const ExtremeCase& c = GetParam();
  PagingThrough messages;
  PlatformServices services = platform().services();
  services.messages = &messages;
  ScopedPlatform paging(services);
  WriteFile(std::string(c.kind) == kind::kLayerGraph ? "EDITED.LAY" : "EDITED.SLA", c.file);
  OpenGraph(c.kind, "EDITED.DAT");

  std::vector<std::string> others;
  for (const auto& m : messages.shown)
    if (m.text != kPrintQuestion) others.push_back(m.text);
  EXPECT_EQ(others, c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
  ASSERT_EQ(platform_.printer.pages.size(), static_cast<std::size_t>(c.pages));
  for (const auto& page : platform_.printer.pages) {
    const ClipRegion reach = RegionAroundPage(page.width, page.height);
    auto within = [&](double x, double y) {
      return x >= reach.left && x <= reach.right && y >= reach.top && y <= reach.bottom;
    };
    for (const DrawnFigure& f : page.figures) {
      if (f.kind == DrawnFigure::Kind::Text) {
        EXPECT_TRUE(within(f.x1, f.y1)) << f.text;
        // A number of more digits than single precision shows cannot be read at a glance.
        std::size_t run = 0, longest = 0;
        for (char ch : f.text) longest = std::max(longest, run = std::isdigit(static_cast<unsigned char>(ch)) ? run + 1 : 0);
        EXPECT_LE(longest, 10u) << "[" << f.text << "]";
      } else if (f.kind == DrawnFigure::Kind::Circle || f.kind == DrawnFigure::Kind::Ellipse) {
        const double radius = std::max(f.radius, f.kind == DrawnFigure::Kind::Ellipse ? f.radius_y : 0.0);
        EXPECT_LE(radius, 2 * (reach.right - reach.left)) << f.x1 << ", " << f.y1;
        EXPECT_TRUE(within(f.x1, f.y1) || radius < 1e9) << f.x1 << ", " << f.y1;
      } else {
        EXPECT_TRUE(within(f.x1, f.y1) && within(f.x2, f.y2)) << f.x1 << ", " << f.y1 << " to " << f.x2 << ", " << f.y2;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EditedGraphFiles, ExtremeValues, ::testing::ValuesIn(ExtremeCases()),
                         [](const ::testing::TestParamInfo<ExtremeCase>& info) { return info.param.name; });

// The questions about a page, as the real boxes put them up, on each screen a graph window meets:
// beside the graph window where the screen has room for them, else where they hide the least of it
// (no corner of the screen would hide less), and always on the screen.
struct GraphKind {
  const char* window;
  const char* kind;
  int boxes;   // put up for the small graph file: the print question of each page, the intervals
};
constexpr GraphKind kGraphKinds[] = {{"TOLMER", kind::kLayerGraph, 1},
                                     {"VANSEK", kind::kSlabGraph, 1},
                                     {"CONTOUR", kind::kContourGraph, 4}};

void PrintTo(const GraphKind& g, std::ostream* os) { *os << g.window; }

class QuestionBoxes : public GraphWindowTest,
                      public ::testing::WithParamInterface<std::tuple<GraphKind, TestScreen>> {};

long long Shared(const QRect& a, const QRect& b) {
  const QRect both = a.intersected(b);
  return both.isEmpty() ? 0 : static_cast<long long>(both.width()) * both.height();
}

TEST_P(QuestionBoxes, StandBesideTheGraphOrHideTheLeastOfIt) {
  const auto& [graph, size] = GetParam();
  QScreen* screen = nullptr;
  for (QScreen* s : QGuiApplication::screens())
    if (s->geometry().size() == QSize(size.width, size.height)) screen = s;
  ASSERT_NE(screen, nullptr) << "the test screens are made on the offscreen platform";
  // The graph window opens on this screen.
  const std::string kind = graph.kind;
  SetWindowMaker(kind, [&]() -> Window* {
    GraphWindow* window = nullptr;
    if (kind == kind::kLayerGraph) window = new LayerGraphWindow;
    if (kind == kind::kSlabGraph) window = new SlabGridGraphWindow;
    if (kind == kind::kContourGraph) window = new ContourGraphWindow;
    window->setScreen(screen);
    return window;
  });
  WriteFile("BOXES.LAY", " 1 \r\n" + LayerProblem("Boxes"));
  WriteFile("BOXES.SLA", SlabGraphText{}.Text());

  QtMessages messages;
  PlatformServices services = platform().services();
  services.messages = &messages;
  ScopedPlatform real_boxes(services);
  struct Seen {
    QRect box, window;
  };
  std::vector<Seen> seen;
  pave::testing::ModalDriver driver([&](QWidget& modal) {
    auto* window = dynamic_cast<QWidget*>(platform_.windows.Find(kind));
    seen.push_back({modal.frameGeometry(), window ? window->frameGeometry() : QRect()});
    if (auto* box = qobject_cast<QMessageBox*>(&modal)) box->button(QMessageBox::No)->click();
    if (auto* input = qobject_cast<QInputDialog*>(&modal)) input->accept();
  });
  OpenGraph(graph.kind, "BOXES.DAT");

  ASSERT_EQ(seen.size(), static_cast<std::size_t>(graph.boxes));
  const QRect area = screen->availableGeometry();
  for (const Seen& s : seen) {
    const QRect& box = s.box;
    const QRect& window = s.window;
    ASSERT_TRUE(window.isValid());
    EXPECT_TRUE(area.contains(box)) << box.x() << "," << box.y();
    const int right = area.x() + area.width() - (window.x() + window.width());
    const int left = window.x() - area.x();
    const int below = area.y() + area.height() - (window.y() + window.height());
    const int above = window.y() - area.y();
    const bool room = box.width() <= right || box.width() <= left || box.height() <= below || box.height() <= above;
    if (room) {
      EXPECT_FALSE(box.intersects(window)) << "box at " << box.x() << "," << box.y() << " over the graph at "
                                           << window.x() << "," << window.y();
      continue;
    }
    const int r = area.x() + area.width() - box.width(), b = area.y() + area.height() - box.height();
    for (const QPoint corner : {area.topLeft(), QPoint(r, area.y()), QPoint(area.x(), b), QPoint(r, b)}) {
      EXPECT_LE(Shared(box, window), Shared(QRect(corner, box.size()), window))
          << "box at " << box.x() << "," << box.y();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(OnEachScreen, QuestionBoxes,
                         ::testing::Combine(::testing::ValuesIn(kGraphKinds), ::testing::ValuesIn(kTestScreens)),
                         [](const ::testing::TestParamInfo<std::tuple<GraphKind, TestScreen>>& info) {
                           const TestScreen& size = std::get<1>(info.param);
                           return std::string(std::get<0>(info.param).window) + "_" + std::to_string(size.width) +
                                  "x" + std::to_string(size.height);
                         });

}  // namespace
}  // namespace pave::graphs::testing
