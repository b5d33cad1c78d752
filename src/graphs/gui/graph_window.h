// The three graph windows: the layer graph frmTOLMER, the slab grid graph frmVANSEK and the contour
// graph frmCONTOUR. Each does its whole work while it loads: it reads the graph file beside the data
// file named in gDataFile, draws one page after another on its drawing surface, which it shows as its
// client area, and offers each page for printing. The main window unloads it when the load returns.
//
// The client area holds the whole page: the extents the drawing is mapped onto plus the page margin
// by which every drawing is shifted right and down.
#pragma once

#include <memory>
#include <string>

#include "graphs/graph_frame.h"
#include "platform/gui/form.h"
#include "platform/gui/qt_drawing_surface.h"

namespace pave {

class GraphWindow : public Form, public graphs::GraphWindowHost {
  Q_OBJECT

 public:
  // `kind` and design-time caption; `page_width`: the extents' width (the page height is common).
  GraphWindow(const char* kind, const char* caption, int page_width);
  ~GraphWindow() override;

  void Load() final;

  // The drawing as it stands (for tests and printing).
  QtDrawingSurface& Surface() { return *surface_; }

  void ShowWindow() override;
  void HideWindow() override;
  // Once the run has ended the window is shown only when it holds a page still: a run that drew
  // none (a message told why) leaves no empty window behind.
  void Show() override;
  void SetCaption(const std::string& caption) override;
  bool StillOpen() const override { return registry() != nullptr; }
  Window* PageWindow() override { return this; }

 protected:
  virtual void Run(graphs::GraphRun& run) = 0;
  void paintEvent(QPaintEvent* event) override;

 private:
  const char* kind_;
  const char* caption_;
  int page_width_;
  bool running_ = false;
  std::unique_ptr<QtDrawingSurface> surface_;
};

// frmTOLMER, "Graph for MORVELIN".
class LayerGraphWindow : public GraphWindow {
  Q_OBJECT
 public:
  LayerGraphWindow();
 protected:
  void Run(graphs::GraphRun& run) override;
};

// frmVANSEK, "Graph for BRUNTOLA".
class SlabGridGraphWindow : public GraphWindow {
  Q_OBJECT
 public:
  SlabGridGraphWindow();
 protected:
  void Run(graphs::GraphRun& run) override;
};

// frmCONTOUR, its caption set per page.
class ContourGraphWindow : public GraphWindow {
  Q_OBJECT
 public:
  ContourGraphWindow();
 protected:
  void Run(graphs::GraphRun& run) override;
};

// Installs the three windows as the makers of their kinds.
void InstallGraphWindows();

}  // namespace pave
