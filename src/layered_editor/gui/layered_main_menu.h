// frmPELDRANE, "Main Menu of PELDRANE": File New and Old, the data menus with their status labels,
// the Data Set buttons, Save, Save As and Exit. The file work is the shared editor session's; the
// data set, its writer, reader and checks are the layered editor's.
#pragma once

#include <memory>
#include <span>

#include "platform/gui/control_table.h"
#include "platform/gui/form.h"
#include "shell/editor_session.h"
#include "shell/gui/data_set_buttons.h"
#include "shell/made_data_sets.h"
#include "shell/main_screen.h"

namespace pave {

class LayeredMainMenu : public Form, public EditorDocument, public AsksBeforeClosing, public EditsDataFile {
  Q_OBJECT

 public:
  LayeredMainMenu();
  ~LayeredMainMenu() override;
  void Load() override;

  static std::span<const ControlSpec> Controls();
  static std::span<const MenuSpec> Menus();

  EditorSession& session() { return *session_; }

  // The data menus (also run by their status labels).
  void mnuGeneral_Click();
  void mnuZcoord_Click();
  void mnuLayer_Click();
  void mnuInterface_Click();
  void mnuModuli_Click();
  void mnuLoad_Click();
  void mnuNonlinear_Click();
  void mnuViscoelastic_Click();
  void mnuDamage_Click();
  void optDataSet_Click(int n);

  // EditorDocument
  std::optional<std::string> CompletenessProblem() override;
  void MakeSetOneCurrent() override;
  void MakeSetCurrent(int set) override;
  std::optional<std::string> WriteProblem() override;
  std::string FileBytes() override;
  void BeginRead() override;
  void Read(FreeFormatReader& in) override;
  void ReadFailed() override;
  void ReadComplete() override;
  void ShowFileName(const std::string& name) override;
  void StartFresh() override;
  int DataSetCount() override;
  void SetDataSetCount(int n) override;
  bool NeverFilled(int set) override;
  void LeaveOut(int set) override;

  // AsksBeforeClosing
  bool MayClose() override;

  // EditsDataFile
  std::string EditorName() const override { return session_->EditorName(); }
  bool HoldsUnsavedChanges(const std::string& path) override { return session_->HoldsUnsavedChanges(path); }
  bool SaveHeldFile() override { return session_->Save(); }
  void SavedElsewhere(const std::string& path, const std::string& saver) override {
    session_->SavedElsewhere(path, saver);
  }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Tell(const std::string& text);
  void Open(const char* window_kind);
  void Leave();

  std::unique_ptr<EditorSession> session_;
  std::unique_ptr<DataSetButtons> buttons_;
  MadeDataSets made_;
};

}  // namespace pave
