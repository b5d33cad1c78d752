#include "shell/gui/main_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "platform/gui/plain_text_box.h"
#include "shell/window_makers.h"

namespace pave {

namespace {
constexpr int kButtonHeight = 615;
constexpr int kBoxHeight = 315;
constexpr int kLabelHeight = 255;

const char* kCredit =
    "Structural analysis and design of road pavements: flexible pavements as a multilayered "
    "elastic system, rigid pavements as slabs on a liquid, solid or layered foundation.  Pick the "
    "data directory and file above, then edit, analyse, read the report and draw the results.";
}  // namespace

MainWindow::MainWindow(std::string program_directory)
    : program_directory_(std::move(program_directory)) {}

MainWindow::~MainWindow() {
  if (frmROVANTE() == screen_.get()) SetMainScreen(nullptr);
}

QPushButton* MainWindow::Button(const char* caption, int left, int top, int width) {
  auto* button = new QPushButton(QString::fromUtf8(caption), this);
  PlaceTwips(*button, left, top, width, kButtonHeight);
  return button;
}

QLabel* MainWindow::Label(const QString& caption, int left, int top, int width, int height) {
  auto* label = new QLabel(caption, this);
  PlaceTwips(*label, left, top, width, height);
  return label;
}

void MainWindow::Load() {
  setWindowTitle("Main Screen");
  SetSizeTwipsCentred(9615, 6450);

  Label1 = Label("Data Path:", 120, 240, 1035, kLabelHeight);
  cmbDataPath = new QComboBox(this);
  cmbDataPath->setObjectName("cmbDataPath");
  PlaceTwips(*cmbDataPath, 1320, 240, 3015, kBoxHeight);
  lblFileName = Label("Filename:", 5400, 240, 1035, kLabelHeight);
  lblFileName->setCursor(Qt::PointingHandCursor);
  lblFileName->installEventFilter(this);
  cmbFileName = new QComboBox(this);
  cmbFileName->setObjectName("cmbFileName");
  PlaceTwips(*cmbFileName, 6600, 240, 2535, kBoxHeight);
  for (QComboBox* box : {cmbDataPath, cmbFileName}) {
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->setMaxVisibleItems(20);
  }

  lblHelp = Label("ROVANTE", 3675, 720, 2085, 735);
  lblHelp->setAlignment(Qt::AlignCenter);
  QFont title("Times New Roman", 20);
  title.setBold(true);
  lblHelp->setFont(title);
  lblHelp->setStyleSheet("color: #000080;");
  Label2 = Label("A Computer Package for ", 2760, 1680, 4395, 420);
  Label3 = Label("Structural Analysis and Design of Pavements", 2280, 2280, 5385, 420);
  QFont subtitle("Times New Roman", 12);
  subtitle.setBold(true);
  for (QLabel* label : {Label2, Label3}) {
    label->setAlignment(Qt::AlignCenter);
    label->setFont(subtitle);
  }
  Text1 = new PlainTextBox(this);
  PlaceTwips(*Text1, 2160, 3120, 5415, 1815);
  Text1->setPlainText(kCredit);
  Text1->setReadOnly(true);
  Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  QFont heading = font();
  heading.setBold(true);
  Label4 = Label("Asphalt", 360, 3480, 855, kLabelHeight);
  Label5 = Label("Concrete", 8160, 3480, 975, kLabelHeight);
  Label4->setFont(heading);
  Label5->setFont(heading);

  cmdPeldrane = Button("PE&LDRANE", 120, 3840, 1215);
  cmdMorvelin = Button("MO&RVELIN", 120, 4560, 1215);
  cmdTolmer = Button("&TOLMER", 120, 5280, 1215);
  cmdCorvista = Button("CORV&ISTA", 8040, 3840, 1335);
  cmdBruntola = Button("&BRUNTOLA", 8040, 4560, 1335);
  cmdVansek = Button("&VANSEK", 8040, 5280, 1335);
  cmdHelp = Button("&Help", 1440, 5280, 735);
  cmdEdit = Button("&EDITOR", 2280, 5280, 975);
  cmdDOS = Button("&DOS", 3360, 5280, 855);
  cmdExit = Button("E&XIT", 4320, 5280, 735);
  cmdLarge = Button("BRUNTOLA LARGE RA&M", 5160, 5280, 1335);
  cmdContour = Button("&CONTOUR", 6600, 5280, 1335);
  // The long caption needs two lines on a button of this width.
  cmdLarge->setText("BRUNTOLA\nLARGE RA&M");

  path_box_ = std::make_unique<QtComboBox>(cmbDataPath);
  file_box_ = std::make_unique<QtComboBox>(cmbFileName);
  screen_ = std::make_unique<MainScreen>(*path_box_, *file_box_);
  SetMainScreen(screen_.get());

  MainScreen& s = *screen_;
  connect(cmbDataPath, &QComboBox::editTextChanged, this, [&s] { s.DataPathEdited(); });
  connect(cmbDataPath->lineEdit(), &QLineEdit::editingFinished, this, [&s] { s.DataPathFinished(); });
  connect(cmdMorvelin, &QPushButton::clicked, this, [&s] { s.StartAnalysis(AnalysisProgram::Morvelin); });
  connect(cmdBruntola, &QPushButton::clicked, this, [&s] { s.StartAnalysis(AnalysisProgram::Bruntola); });
  connect(cmdLarge, &QPushButton::clicked, this, [&s] { s.StartAnalysis(AnalysisProgram::Large); });
  connect(cmdPeldrane, &QPushButton::clicked, this, [&s] { s.OpenEditorWindow(kind::kLayeredEditor); });
  connect(cmdCorvista, &QPushButton::clicked, this, [&s] { s.OpenEditorWindow(kind::kSlabEditor); });
  connect(cmdEdit, &QPushButton::clicked, this, [&s] { s.OpenEditorWindow(kind::kEditor); });
  connect(cmdTolmer, &QPushButton::clicked, this, [&s] { s.DrawGraph(kind::kLayerGraph); });
  connect(cmdVansek, &QPushButton::clicked, this, [&s] { s.DrawGraph(kind::kSlabGraph); });
  connect(cmdContour, &QPushButton::clicked, this, [&s] { s.DrawGraph(kind::kContourGraph); });
  connect(cmdHelp, &QPushButton::clicked, this, [&s] { s.Help(); });
  connect(cmdDOS, &QPushButton::clicked, this, [&s] { s.CommandPrompt(); });
  connect(cmdExit, &QPushButton::clicked, this, [&s] { s.Exit(); });

  screen_->Start(program_directory_);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lblFileName && event->type() == QEvent::MouseButtonRelease) {
    screen_->FileNameHint();
    return true;
  }
  return Form::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!screen_ || !screen_->Exit()) {
    event->ignore();
    return;
  }
  Form::closeEvent(event);
}

}  // namespace pave
