#include "shell/gui/stand_in_windows.h"

#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <fstream>

#include "common/analysis_host.h"
#include "platform/gui/widget_image.h"
#include "platform/platform.h"
#include "shell/editor_file.h"
#include "shell/gui/editor_window.h"
#include "shell/paged_print.h"
#include "shell/program_state.h"
#include "shell/stand_in_rules.h"
#include "shell/window_makers.h"

namespace pave {

namespace {
std::string S(const QString& q) { return q.toStdString(); }
QString Q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

StandInEditor::StandInEditor(QString program, QString missing_name_message)
    : program_(std::move(program)), missing_name_message_(std::move(missing_name_message)) {}

void StandInEditor::Load() {
  gDataFile = EditorDataFileName(gDataFile);
  gEditFileName = Value(gDataFile);
  if (gDataFile == ".DAT") {
    platform().messages().Tell(S(missing_name_message_), "ROVANTE");
    EndProgram();
    if (registry()) registry()->Unload(this);
    return;
  }
  setWindowTitle("Main Menu of " + program_);
  SetSizeTwipsCentred(9615, 6450);
  auto* layout = new QVBoxLayout(this);
  lblFile = new QLabel(program_ + ": " + Q(gDataFile), this);
  layout->addWidget(lblFile);
  layout->addStretch();
  auto* exit = new QPushButton(" &Exit", this);
  layout->addWidget(exit);
  connect(exit, &QPushButton::clicked, this, [this] {
    gFileLoaded = Value(0.0);
    if (registry()) registry()->Unload(this);
  });
}

StandInGraph::StandInGraph(QString title, QString extension)
    : title_(std::move(title)), extension_(std::move(extension)) {}

void StandInGraph::Load() {
  gCrLf = kCrLf;
  std::string graph_file = ExistingFileIgnoringCase(GraphFileName(gDataFile, S(extension_)));
  std::ifstream in(graph_file, std::ios::binary);
  if (!in) {
    platform().messages().Tell(kDataErrorText, "ROVANTE");
    return;
  }
  setWindowTitle(title_);
  SetSizeTwipsCentred(9615, 6450);
  auto* layout = new QVBoxLayout(this);
  lblGraph = new QLabel(title_ + ": " + Q(graph_file), this);
  layout->addWidget(lblGraph);
  Show();
  platform().desktop().ProcessEvents();
  if (platform().messages().Show("Want to print on the printer?", MessageButtons::YesNo, "ROVANTE") ==
      MessageAnswer::Yes) {
    PrintWidget(*this);
  }
}

void InstallRovanteWindows() {
  auto install = [](const std::string& kind, WindowMaker maker) {
    if (!HasWindowMaker(kind)) SetWindowMaker(kind, std::move(maker));
  };
  install(kind::kEditor, [] { return new EditorWindow; });
  install(kind::kLayeredEditor, [] {
    return new StandInEditor("PELDRANE",
                             "Filename and/or data path are missing, please rerun ROVANTE and be sure to "
                             "enter filename and/or data path in the appropriate box.");
  });
  install(kind::kSlabEditor, [] {
    return new StandInEditor("CORVISTA",
                             "Filename and/or data path are missing, please rerun ROVANTEE and be sure to "
                             "enter filename and/or data path in the appropriate box.");
  });
  install(kind::kLayerGraph, [] { return new StandInGraph("TOLMER", ".LAY"); });
  install(kind::kSlabGraph, [] { return new StandInGraph("VANSEK", ".SLA"); });
  install(kind::kContourGraph, [] { return new StandInGraph("CONTOUR", ".SLA"); });
}

}  // namespace pave
