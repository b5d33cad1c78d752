// frmCORVISTA, "Main Menu of CORVISTA": File New and Old, the ten data menus with their status
// labels, the two Data Set buttons, Save, Save As and Exit. The file work is the shared editor
// session's; the data set, its writer, reader and checks are the slab editor's.
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

class SlabMainMenu : public Form, public EditorDocument, public AsksBeforeClosing, public EditsDataFile {
  Q_OBJECT

 public:
  SlabMainMenu();
  ~SlabMainMenu() override;
  void Load() override;

  static std::span<const ControlSpec> Controls();
  static std::span<const MenuSpec> Menus();

  EditorSession& session() { return *session_; }
  // How often Data Set 2 raised NPROB to 2 since the menu was loaded, File New or File Old.
  int DataSetCopies() const { return data_set_copies_; }

  // The data menus (also run by their status labels).
  void mnuGeneral_Click();
  void mnuCurling_Click();
  void mnuSlab_Click();
  void mnuUniform_Click();
  void mnuRaft_Click();
  void mnuOptional_Click();
  void mnuFoundation_Click();
  void mnuAdjust_Click();
  void mnuJoint_Click();
  void mnuDamage_Click();
  void optDataSet1_Click();
  void optDataSet2_Click();

  // EditorDocument
  std::optional<std::string> CompletenessProblem() override;
  std::vector<std::string> CompletenessProblems() override;
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
  void Leave();
  void ShowUniform(const Value& ul);

  std::unique_ptr<EditorSession> session_;
  std::unique_ptr<DataSetButtons> buttons_;
  int data_set_copies_ = 0;
  MadeDataSets made_;
};

}  // namespace pave
