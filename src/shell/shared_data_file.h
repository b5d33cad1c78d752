// One data file open in several editors at once (the text editor, PELDRANE and CORVISTA; the same
// file under any of its names, links included). An editor that writes a file which another editor
// holds tells that editor at once: one that holds nothing unsaved asks whether to read the file
// again (No keeps what it shows, which then counts as not saved), one that holds unsaved changes
// keeps them, counts them as not saved and says so. An analysis about to read a file that holds
// unsaved changes in editors asks first: with one such editor whether to save, with several which
// one saves, since the second save would replace the first.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace pave {

// A window that edits a data file.
class EditsDataFile {
 public:
  virtual ~EditsDataFile() = default;
  // The editor as messages name it: "the text editor", "PELDRANE", "CORVISTA".
  virtual std::string EditorName() const = 0;
  // True when the editor holds the file `path` with changes that are not saved.
  virtual bool HoldsUnsavedChanges(const std::string& path) = 0;
  // Saves the file the editor holds, as its Save does; true when it was written.
  virtual bool SaveHeldFile() = 0;
  // The editor `saver` has just written the file `path`: an editor that holds that file asks or
  // tells as above.
  virtual void SavedElsewhere(const std::string& path, const std::string& saver) = 0;
};

// Tells every open editor but `saver` that it has just written `path`.
void TellFileSaved(const std::string& path, const std::string& saver);

// What an editor (`editor`, holding the file as `name`) does when `saver` has written it: with
// `unsaved` changes it tells the user and runs `keep`; otherwise it asks, and runs `reread` on Yes,
// `keep` on No. `keep` makes the editor count what it holds as not saved.
void AnswerSavedElsewhere(const std::string& name, const std::string& saver, const std::string& editor, bool unsaved,
                          const std::function<void()>& reread, const std::function<void()>& keep);

// Before an analysis reads the data file `path`: asks the user about the editors holding unsaved
// changes of it. True when the run may start (nothing unsaved, saved, or the file run as it is on
// disk), false after Cancel or a save that failed.
bool MayRunFile(const std::string& path);

// A save question of an editor (`question`, kept word for word) with a line naming the file it
// holds (`name`; empty for a text not saved in any file yet) and the editor, so that a question
// asked at EXIT says which of the open editors asks about which file.
std::string NamingHeldFile(const std::string& question, const std::string& name, const std::string& editor);

// The messages.
std::string UnsavedRunQuestion(const std::string& name, const std::string& editor);
std::string WhichEditorSavesQuestion(const std::string& name, const std::vector<std::string>& editors,
                                     std::size_t asked);
std::string RereadQuestion(const std::string& name, const std::string& saver, const std::string& editor);
std::string KeptChangesNote(const std::string& name, const std::string& saver, const std::string& editor);

}  // namespace pave
