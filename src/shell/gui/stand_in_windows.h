// The least windows of the input editors, the graph windows and the example screens, so that
// every button and menu of the main window and the text editor opens something until the real
// window replaces it (by installing its own maker for the same kind).
#pragma once

#include <QString>

#include "platform/gui/form.h"

class QLabel;
class QPlainTextEdit;
class QMenuBar;

namespace pave {

// frmPELDRANE, frmCORVISTA: takes the file name handed over (".DAT" appended when missing; an
// empty name ends the program with the editor's message) and shows it, with an Exit button.
class StandInEditor : public Form {
  Q_OBJECT
 public:
  StandInEditor(QString program, QString missing_name_message);
  void Load() override;
  QLabel* lblFile = nullptr;

 private:
  QString program_;
  QString missing_name_message_;
};

// frmTOLMER, frmVANSEK, frmCONTOUR: finds the graph file beside the data file; "File not found or
// data error" when it cannot be opened, else one page naming it and the print question.
class StandInGraph : public Form {
  Q_OBJECT
 public:
  StandInGraph(QString title, QString extension);
  void Load() override;
  QLabel* lblGraph = nullptr;

 private:
  QString title_;
  QString extension_;
};

// Installs the text editor and, for every window kind without a maker yet, its stand-in.
void InstallRovanteWindows();

}  // namespace pave
