// The layered editor's windows offscreen: the main window with a data directory, the editor's
// makers installed, the scripted platform answering.
#pragma once

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <filesystem>
#include <string>

#include "layered_editor/gui/layered_main_menu.h"
#include "layered_editor/gui/layered_windows.h"
#include "layered_editor/layered_kinds.h"
#include "platform/gui/control_table.h"
#include "platform/gui/widget_image.h"
#include "shell/gui/main_window.h"
#include "shell/gui/rovante_windows.h"
#include "shell/main_window_fixture.h"

namespace pave::testing {

class EditorTest : public MainWindowTest {
 protected:
  void InstallWindows() override {
    InstallLayeredEditorWindows();
    InstallRovanteWindows();
  }

  // The main window's PELDRANE button with `file` in the file-name box.
  LayeredMainMenu* OpenEditor(const std::string& file = "NEW.DAT") {
    main->cmbFileName->setEditText(QString::fromStdString(file));
    main->cmdPeldrane->click();
    return platform_.windows.Find<LayeredMainMenu>(kind::kLayeredEditor);
  }
};

}  // namespace pave::testing
