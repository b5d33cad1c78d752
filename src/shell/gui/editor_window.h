// The text editor frmEditor: one text box filling the window, and the menus File, Edit, Input
// parameters, Output parameters, Data File, Examples and Help. Its work is TextEditor's.
#pragma once

#include <QString>

#include "platform/gui/form.h"
#include "platform/gui/plain_text_box.h"
#include "shell/main_screen.h"
#include "shell/text_editor.h"

class QAction;
class QMenu;
class QMenuBar;

namespace pave {

class EditorWindow : public Form, public EditorView, public AsksBeforeClosing, public EditsDataFile {
  Q_OBJECT

 public:
  EditorWindow();

  void Load() override;

  // EditorView
  std::string Text() const override;
  void SetText(const std::string& text) override;
  std::string SelectedText() const override;
  void ReplaceSelection(const std::string& text) override;
  std::string Caption() const override;
  void SetCaption(const std::string& caption) override;
  void CloseWindow() override;

  // AsksBeforeClosing
  bool MayClose() override { return editor_.MayClose(); }

  // EditsDataFile
  std::string EditorName() const override { return kTextEditorName; }
  bool HoldsUnsavedChanges(const std::string& path) override { return editor_.HoldsUnsavedChanges(path); }
  bool SaveHeldFile() override { return editor_.SaveHeldFile(); }
  void SavedElsewhere(const std::string& path, const std::string& saver) override {
    editor_.SavedElsewhere(path, saver);
  }

  TextEditor& editor() { return editor_; }
  // The menu item of this name (mnuOpen, mnuLay1, ...), or null.
  QAction* Item(const QString& name) const;

  PlainTextBox* txtEditor = nullptr;
  QMenuBar* menu_bar = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QAction* AddItem(QMenu* menu, const char* name, const char* caption, std::function<void()> action);

  TextEditor editor_;
  bool closing_ = false;
};

}  // namespace pave
