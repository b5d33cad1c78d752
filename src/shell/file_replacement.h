// A file on disk is replaced only when the user agreed to replace that very file as it is: the file a
// saver opened or wrote last, unchanged by another program since, or one the user answered Yes for. Every saver of ROVANTE (both input editors
// and the text editor) asks through here before it writes over a file that is already there, and
// before it makes a file whose name differs from another's in the folder only in letter case.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "common/file_stamp.h"
#include "platform/file_dialog.h"

namespace pave {

// True when both paths name the same file: for files that are there, one file on one device (links,
// hard links and other spellings of a folder included); else the same path with ".", ".." and links
// resolved. False when one is empty.
bool SameFile(const std::string& a, const std::string& b);

// The question asked before a file that is there is replaced.
std::string ReplaceQuestion(const std::string& path);

// The question asked before a new file is made beside files whose names differ from its own only in
// letter case, naming them (empty when there are none): many systems take such names for one file,
// and users move their folders there.
std::string CaseTwinQuestion(const std::string& path);

// The file a saver may replace without asking, with what it was when the saver read or wrote it, or
// when the user agreed to replace it.
struct KnownFile {
  std::string path;
  FileStamp stamp;

  // `file` as it is now becomes the known file.
  void Take(const std::string& file) {
    path = file;
    stamp = StampOf(file);
  }
  void Clear() { *this = KnownFile(); }
  // True when another program has changed the file since.
  bool ChangedOnDisk() const { return ChangedSince(stamp, StampOf(path)); }
};

// The question asked before a save replaces its own file that another program changed since.
std::string ChangedOnDiskQuestion(const std::string& path);

// True when `path` may be written: it is the `agreed` file as it was then; no file is there and none
// whose name differs only in letter case; it cannot be replaced anyway (the write then says why); or
// the user answered Yes to the question (the file changed on disk, replace, or a second name in
// another letter case), after which `path` as it is now is the agreed file. Every question's No, and
// its Escape, leaves the file alone.
bool MayReplace(const std::string& path, KnownFile& agreed, const std::string& title);

// The save-as dialog, asking before a chosen file that is there is replaced: after a No the dialog
// opens again on that name; nothing when the dialog is cancelled. `written` gives the file that a
// chosen name is saved as (the input editors add ".DAT"); the agreed file becomes the chosen one.
std::optional<FileChoice> ChooseFileToSave(FileDialogRequest request, KnownFile& agreed, const std::string& title,
                                           const std::function<std::string(const std::string&)>& written = nullptr);

}  // namespace pave
