// The slab editor's windows offscreen: the main window with a data directory, the editor's makers
// installed, the scripted platform answering.
#pragma once

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <filesystem>
#include <string>

#include "platform/gui/control_table.h"
#include "platform/gui/widget_image.h"
#include "shell/gui/main_window.h"
#include "shell/gui/rovante_windows.h"
#include "shell/main_window_fixture.h"
#include "slab_editor/gui/slab_main_menu.h"
#include "slab_editor/gui/slab_windows.h"
#include "slab_editor/slab_data_set.h"
#include "slab_editor/slab_kinds.h"

namespace pave::testing {

class SlabEditorTest : public MainWindowTest {
 protected:
  void InstallWindows() override {
    ClearSlabDataSets();
    InstallSlabEditorWindows();
    InstallRovanteWindows();
  }

  // The main window's CORVISTA button with `file` in the file-name box.
  SlabMainMenu* OpenEditor(const std::string& file = "NEW.DAT") {
    main->cmbFileName->setEditText(QString::fromStdString(file));
    main->cmdCorvista->click();
    return platform_.windows.Find<SlabMainMenu>(kind::kSlabEditor);
  }
  // The editor with File New.
  SlabMainMenu* NewFile() {
    SlabMainMenu* menu = OpenEditor();
    Trigger(kind::kSlabEditor, "mnuNew");
    return menu;
  }
};

}  // namespace pave::testing
