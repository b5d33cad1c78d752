// The editor session of an input editor's main menu (both editors use it): the file it edits
// (SaveFile, DataDir, ShownName), whether it was saved (SaveState), New and Old with their guards,
// Save, Save As and Exit with the common file dialog and the completeness check, and the hand-over
// of the file to the main window (data-directory box, file-name box, file list).
//
// What differs between the editors (their data set, its checks, writer and reader, their labels)
// comes through EditorDocument. Files are written into DataDir through a temporary file and one
// rename; a file that was not read completely, and any file that is there but is not the file the
// user opened or agreed to replace, is never written over without asking.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/free_format_reader.h"
#include "shell/editor_windows.h"
#include "shell/file_replacement.h"

namespace pave {

class EditorDocument {
 public:
  virtual ~EditorDocument() = default;
  // The first menu whose data is missing in data set 1 (the completeness check), or nothing.
  virtual std::optional<std::string> CompletenessProblem() = 0;
  // Every message of the completeness check, in order (an editor whose check shows several
  // messages one after another gives them all); none when it passes.
  virtual std::vector<std::string> CompletenessProblems() {
    std::optional<std::string> problem = CompletenessProblem();
    return problem ? std::vector<std::string>{*problem} : std::vector<std::string>{};
  }
  // Makes data set 1 the current set, option buttons included.
  virtual void MakeSetOneCurrent() = 0;
  // Makes data set `set` the current set, option buttons included.
  virtual void MakeSetCurrent(int set) {
    if (set == 1) MakeSetOneCurrent();
  }
  // A reason why the data sets cannot be written as a complete file (naming data set and item).
  virtual std::optional<std::string> WriteProblem() = 0;
  // The file's bytes.
  virtual std::string FileBytes() = 0;
  // Before a file is read: the editor's read flags.
  virtual void BeginRead() = 0;
  // Reads the data sets; throws RecordReadError (the read failed) or FileRejected (wrong file).
  virtual void Read(FreeFormatReader& in) = 0;
  // After a read ended in an error (the editor's read-error flag).
  virtual void ReadFailed() = 0;
  // After a complete read (labels from the values read).
  virtual void ReadComplete() = 0;
  // The file label under the File menu.
  virtual void ShowFileName(const std::string& name) = 0;

  // File New and File Old start from the defaults the editor starts with, in every array and count,
  // with data set 1 current and no other set marked as existing.
  virtual void StartFresh() {}
  // The number of data sets (NPROB), and a change of it for a check (no window changes).
  virtual int DataSetCount() { return 1; }
  virtual void SetDataSetCount(int) {}
  // True when data set `set` was made with its Data Set button and nothing was entered into it since.
  virtual bool NeverFilled(int) { return false; }
  // Takes data set `set` out: the sets after it move down one place and the count drops by one.
  virtual void LeaveOut(int) {}
};

struct EditorTexts {
  std::string title;            // message boxes' title, "ROVANTE"
  std::string missing_name;     // the main window handed an empty file name
  std::string opened_as_existing;   // New while a file is loaded
  std::string opened_as_new;        // Old while a file is loaded
  std::string new_file_name = "UNTITLED.DAT";   // the name File New gives
  std::string editor_name = "PELDRANE";          // the editor as the main window's questions name it
};

class EditorSession {
 public:
  EditorSession(EditorDocument& document, EditorTexts texts, EditorKind editor);
  ~EditorSession();
  EditorSession(const EditorSession&) = delete;
  EditorSession& operator=(const EditorSession&) = delete;

  // The main menu's load: DataDir from gDataPath, gEditFileName from gDataFile (".DAT" appended).
  // False, after the message, when the main window handed no file name: the editor does not open.
  bool Load();

  void New();
  void Old();
  // Save and Save As; true when the file was written.
  bool Save();
  bool SaveAs();
  // Exit: true when the main menu may close (saved, or the user chose not to save), after which
  // the caller unloads it; gFileLoaded is then 0.
  bool Exit();
  // Whether the editor may close without losing changes (asks like Exit, but closes nothing).
  bool MayClose();
  // True when the editor holds the file `data_file` (under any of its names) with changes not saved.
  bool HoldsUnsavedChanges(const std::string& data_file) const;
  // Another editor (`saver`) has written `data_file`: when it is the file open here, the editor asks
  // whether to read it again (which closes its open forms and tables), or, with changes not saved
  // (in the data sets or in an open window), keeps them, counts them as not saved and says so.
  void SavedElsewhere(const std::string& data_file, const std::string& saver);
  const std::string& EditorName() const { return texts_.editor_name; }
  // The file Save writes, as a full path with its ".DAT".
  std::string SavedPath() const;

  // A data set was made or changed outside the menus: SaveState 1.
  void Changed() { SaveState = 1; }

  // Every data menu: false (after the message, SaveState 1) when no file is loaded. A menu marks
  // nothing changed: the form or table it opens does so when its OK stores a change.
  bool MenuAllowed();

  // The completeness check of data set 1 (ErrCheck1): true when it passes.
  bool CheckComplete();

  int SaveState = 0;
  std::string SaveFile;
  std::string DataDir;
  std::string ShownName;
  bool CheckFailed = false;
  // The path of a file that was read only in part; saving over it asks first.
  std::string IncompleteFile;

 private:
  // The path Save writes: SaveFile inside DataDir unless it is a full path.
  std::string TargetPath() const;
  // The saved file as messages name it: SaveFile, with its folder when that is not the data path.
  std::string NameInMessages() const;
  // New or Old while a file is loaded: says how the loaded file was opened.
  void TellAlreadyLoaded() const;
  // Writes the file; `closing` when the editor closes after it. A data set after the first that
  // the file cannot hold is named and made current, and the user may save the file without it (and
  // the sets after it): `left_out_from_` is then that set.
  bool Write(bool closing = false);
  // Before a save or an exit: the open windows holding entries not yet stored are settled.
  bool SettleWindows(bool closing);
  // The "has been saved" message, naming data sets left out of the file.
  std::string SavedMessage() const;
  int left_out_from_ = 0;
  // A data set made with its Data Set button and never filled since does not stop a save: when it
  // is the first set the file cannot hold as it is, it is left out after the user is told.
  void LeaveOutUnfilledSets();
  // The first data set that the file cannot hold as it is (0: none).
  int FirstRefusedSet();
  // Closes the windows of the session that ends and starts the next generation.
  void EndWindows();
  // Reads the file `path` into the data sets, as File Old does after its dialog; `hand_over` puts
  // its folder and name into the main window's boxes.
  void ReadFile(const std::string& path, bool hand_over);
  // After a complete read: saved when the editor would write the file back as it is.
  bool FileMatchesData(const std::string& path);
  void ShortenSaveFile();
  void HandFileToMainWindow();
  void Tell(const std::string& text) const;

  EditorDocument& doc_;
  EditorTexts texts_;
  EditorKind editor_;
  // How this editor's file was opened (nothing while it has none).
  enum class Opened { None, New, Old } opened_ = Opened::None;
  // The file that Save may replace without asking while no other program changed it: the file
  // opened, or the one last written or agreed to in a question.
  KnownFile agreed_;
};

// The input editors' file name: gDataFile with ".DAT" appended when its last four characters are
// not ".DAT" in any case.
std::string EditorDataFileName(const std::string& data_file);

}  // namespace pave
