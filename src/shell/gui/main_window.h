// The main window frmROVANTE: the data-directory and file-name boxes, the program's title and the
// twelve buttons. Its work is MainScreen's; the window lays out the controls and wires them.
#pragma once

#include <QString>
#include <memory>
#include <string>

#include "platform/gui/form.h"
#include "platform/gui/plain_text_box.h"
#include "shell/gui/qt_combo_box.h"
#include "shell/main_screen.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace pave {

class MainWindow : public Form {
  Q_OBJECT

 public:
  // program_directory: where "DataPath" and "Debug" live and the analysis programs are installed.
  explicit MainWindow(std::string program_directory);
  ~MainWindow() override;

  void Load() override;

  MainScreen& screen() { return *screen_; }

  QComboBox* cmbDataPath = nullptr;
  QComboBox* cmbFileName = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* lblFileName = nullptr;
  QLabel* lblHelp = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  PlainTextBox* Text1 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  QPushButton* cmdPeldrane = nullptr;
  QPushButton* cmdMorvelin = nullptr;
  QPushButton* cmdTolmer = nullptr;
  QPushButton* cmdCorvista = nullptr;
  QPushButton* cmdBruntola = nullptr;
  QPushButton* cmdVansek = nullptr;
  QPushButton* cmdHelp = nullptr;
  QPushButton* cmdEdit = nullptr;
  QPushButton* cmdDOS = nullptr;
  QPushButton* cmdExit = nullptr;
  QPushButton* cmdLarge = nullptr;
  QPushButton* cmdContour = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // The window's close button works as EXIT: the open editors ask first, and the program ends.
  void closeEvent(QCloseEvent* event) override;

 private:
  QPushButton* Button(const char* caption, int left, int top, int width);
  QLabel* Label(const QString& caption, int left, int top, int width, int height);

  std::string program_directory_;
  std::unique_ptr<QtComboBox> path_box_;
  std::unique_ptr<QtComboBox> file_box_;
  std::unique_ptr<MainScreen> screen_;
};

}  // namespace pave
