#include "graphs/gui/graph_window.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include "graphs/graph_runs.h"
#include "platform/gui/control_table.h"
#include "platform/platform.h"
#include "shell/program_state.h"
#include "shell/window_makers.h"

namespace pave {

GraphWindow::GraphWindow(const char* kind, const char* caption, int page_width)
    : kind_(kind), caption_(caption), page_width_(page_width) {}

GraphWindow::~GraphWindow() = default;

void GraphWindow::Load() {
  const int surface_width = page_width_ + graphs::kPageOffset;
  const int surface_height = graphs::kGraphPageHeight + graphs::kPageOffset;
  surface_ = std::make_unique<QtDrawingSurface>(surface_width, surface_height);
  const int width = surface_width + kFrameWidthTwips, height = surface_height + kFrameHeightTwips;
  FormSpec spec;
  spec.name = kind_;
  spec.caption = caption_;
  spec.width = width;
  spec.height = height;
  spec.font = FontSpec{"Courier New", 9.75, false};
  BuildForm(*this, spec);
  // Placed on the screen the window opens on (the primary one unless it was given another).
  const QRect area = screen() ? screen()->geometry() : QRect(0, 0, TwipsToPixels(ScreenWidthTwips()),
                                                            TwipsToPixels(ScreenHeightTwips()));
  const graphs::GraphPlacement at =
      graphs::PlaceGraphWindow(PixelsToTwips(area.width()), PixelsToTwips(area.height()), width, height);
  SetGeometryTwips(PixelsToTwips(area.x()) + at.left, PixelsToTwips(area.y()) + at.top, width, height);
  setAttribute(Qt::WA_OpaquePaintEvent);
  gCrLf = kCrLf;

  graphs::GraphRun run(*surface_, *this);
  running_ = true;
  Run(run);
  running_ = false;
}

void GraphWindow::ShowWindow() {
  if (!StillOpen()) return;   // closed by the user: the run is ending
  Show();
  update();
  platform().desktop().ProcessEvents();
}

void GraphWindow::HideWindow() {
  if (StillOpen()) hide();
}

void GraphWindow::Show() {
  if (running_ || isVisible()) Form::Show();
}

void GraphWindow::SetCaption(const std::string& caption) { setWindowTitle(QString::fromStdString(caption)); }

void GraphWindow::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), Qt::white);
  if (surface_) painter.drawImage(QPoint(0, 0), surface_->Image());
}

LayerGraphWindow::LayerGraphWindow() : GraphWindow(kind::kLayerGraph, "Graph for MORVELIN", graphs::kGraphPageWidth) {}

void LayerGraphWindow::Run(graphs::GraphRun& run) { graphs::RunLayerGraph(gDataFile, run); }

SlabGridGraphWindow::SlabGridGraphWindow()
    : GraphWindow(kind::kSlabGraph, "Graph for BRUNTOLA", graphs::kGraphPageWidth) {}

void SlabGridGraphWindow::Run(graphs::GraphRun& run) { graphs::RunSlabGridGraph(gDataFile, run); }

ContourGraphWindow::ContourGraphWindow() : GraphWindow(kind::kContourGraph, " ", graphs::kContourPageWidth) {}

void ContourGraphWindow::Run(graphs::GraphRun& run) { graphs::RunContourGraph(gDataFile, run, gContourDir); }

void InstallGraphWindows() {
  SetWindowMaker(kind::kLayerGraph, [] { return new LayerGraphWindow; });
  SetWindowMaker(kind::kSlabGraph, [] { return new SlabGridGraphWindow; });
  SetWindowMaker(kind::kContourGraph, [] { return new ContourGraphWindow; });
}

}  // namespace pave
