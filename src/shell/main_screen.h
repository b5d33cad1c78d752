// The main window's work, without its widgets: the list of data directories and "DataPath", the
// data-directory box's change step, confirming the directory, the buttons that start the analysis
// programs and open the other windows, and Exit. The window holds the two combo boxes and calls
// this; other windows reach it through frmROVANTE().
#pragma once

#include <cstdint>
#include <fstream>
#include <functional>
#include <string>

#include "shell/analysis_start.h"
#include "shell/combo_box.h"
#include "shell/shared_data_file.h"

namespace pave {

// A window that may hold unsaved work: asked before the program ends or the window closes.
class AsksBeforeClosing {
 public:
  virtual ~AsksBeforeClosing() = default;
  // Asks the user when there is something to save; true when the window may close (saved, or the
  // user declined), false when it must stay open.
  virtual bool MayClose() = 0;
};

// The drive message of the change step.
inline constexpr const char* kDriveMessage =
    "The default data path is Drive A:, please place a disk in drive A: and then click OK.  If you "
    "are not using Drive A:, you can still click OK but change A:\\ in the DataPath box to the "
    "directory you want.";

// The message of the change step for a data directory that is not there.
std::string MissingDataPathMessage(const std::string& path);

// The data path a text of the data-directory box names: its first line without the blanks around
// it. Completed, it also ends in "/" (an empty text stays empty).
std::string TypedDataPath(const std::string& box_text);
std::string CompletedDataPath(const std::string& box_text);

class MainScreen {
 public:
  MainScreen(ComboBox& cmbDataPath, ComboBox& cmbFileName);
  ~MainScreen();
  MainScreen(const MainScreen&) = delete;
  MainScreen& operator=(const MainScreen&) = delete;

  // Start-up: program directory, "Debug", the list from "DataPath", the data directory and its
  // file list; falls back to the program directory (no message) when any of it fails.
  void Start(const std::string& program_directory);

  // The data-directory box.
  std::string DataPathText() const { return path_box_.Text(); }
  // Sets the box's text from any window; runs the change step when the text really changes.
  void SetDataPathText(const std::string& text);
  // The user typed in the box or chose an entry of its list (the text already shows it). A text
  // with line breaks (pasted) keeps its first line.
  void DataPathEdited();
  // The user finished typing in the box (Enter, or it lost the focus), and before a button uses
  // the data path: the text gets its final "/" and loses the blanks around it, and a path that is
  // not a folder is told. A name already in the file box stays there.
  void DataPathFinished();
  // Adds a directory at the top of the box's list (the remembered list stays as it is).
  void InsertDataPathAtTop(const std::string& directory);

  // The file box.
  std::string FileText() const { return file_box_.Text(); }
  void SetFileText(const std::string& text) { file_box_.SetText(text); }
  // FillFileList(gDataPath, "*.dat", file box); throws as FillFileList does.
  std::int16_t RefillFileList();
  // An editor hands over the file it opened or saved (a full path): its folder becomes the data
  // directory (the box's change step runs when it differs), the file list is filled anew and the
  // file box names the file, so that the buttons run the very file the user works on.
  void TakeFile(const std::string& path);

  // Confirms the directory in the box and hands the file box's text over in gDataFile.
  void cmbDirectory();

  // The buttons.
  void StartAnalysis(AnalysisProgram program);          // cmdMorvelin, cmdBruntola, cmdLarge
  void OpenEditorWindow(const std::string& kind);       // cmdPeldrane, cmdCorvista, cmdEdit
  void DrawGraph(const std::string& kind);              // cmdTolmer, cmdVansek, cmdContour
  void Help();                                          // cmdHelp
  void CommandPrompt();                                 // cmdDOS
  void FileNameHint();                                  // lblFileName
  // Writes "DataPath" and ends the program; false when an open window with unsaved work was
  // kept open by the user (nothing is written then).
  bool Exit();

  std::int16_t nPaths() const;
  ComboBox& DataPathBox() { return path_box_; }
  ComboBox& FileBox() { return file_box_; }

 private:
  void ChangeStep();
  void WriteDataPath(const std::string& text);
  void Fallback(const std::string& program_directory);

  ComboBox& path_box_;
  ComboBox& file_box_;
  std::ofstream debug_;
};

// The main window of the run, or null while there is none.
MainScreen* frmROVANTE();
void SetMainScreen(MainScreen* screen);

// The program directory as gCurntPath holds it: with a final "/", never two.
std::string ProgramPathOf(const std::string& program_directory);

}  // namespace pave
