// The one window of an analysis program: a multi-line progress text box filling the window, the
// caption, message boxes titled with the program's name and the busy pointer.
#pragma once

#include <QElapsedTimer>
#include <QRect>
#include <QWidget>
#include <string>

#include "common/analysis_host.h"
#include "platform/gui/plain_text_box.h"
#include "platform/gui/qt_services.h"

namespace pave {

struct AnalysisProgram {
  std::string title;          // program name: title of its message boxes ("MORVELIN")
  int height_twips = 6450;    // outer window size
  int width_twips = 9615;
  std::string error_text = kDataErrorText;   // reported for an unexpected error
};

class AnalysisWindow : public QWidget, public AnalysisHost {
  Q_OBJECT

 public:
  explicit AnalysisWindow(const AnalysisProgram& program, QWidget* parent = nullptr);

  void SetCaption(const std::string& caption) override;
  // Shows the text (CR LF line ends become line ends of the box) and lets the window repaint; at
  // most every kRepaintIntervalMs, a text coming sooner waits for the next update or message box.
  void ShowProgress(const std::string& text) override;
  static constexpr qint64 kRepaintIntervalMs = 40;
  // An OK-only message box titled with the program's name. The normal pointer shows while it waits.
  // It opens beside the window where the screen has room, else where it leaves the log's last
  // lines in sight, and the log can be scrolled while it waits.
  void Message(const std::string& text) override;
  void SetBusy(bool busy) override;

  PlainTextBox& text_box() { return *text_box_; }
  // The log's last lines (the last kLastLinesKept up to the last line with text), as far as they
  // are in sight, in screen pixels.
  QRect LastLinesOnScreen() const;
  static constexpr int kLastLinesKept = 8;
  bool busy() const { return desktop_.busy(); }
  // While true the window ignores attempts to close it (the run cannot be left halfway).
  void set_running(bool running) { running_ = running; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  AnalysisProgram program_;
  PlainTextBox* text_box_;
  QtDesktop desktop_;            // the busy pointer, restored when the window goes
  bool running_ = false;
  std::string pending_;          // progress text not yet shown
  bool has_pending_ = false;
  QElapsedTimer shown_at_;
  void FlushProgress();
  void PlaceClearOfLastLines(QWidget& box) const;
};

}  // namespace pave
