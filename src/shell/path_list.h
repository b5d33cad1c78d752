// The list of remembered data directories ("DataPath"): place 1 is the current directory as last
// confirmed, newest first.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pave {

class PathList {
 public:
  static constexpr int kPlaces = 20;        // places 1 to 20; place 0 stays empty
  static constexpr int kMaxInUse = 19;      // adding an entry uses the place behind the last one
  static constexpr int kStartupLines = 8;   // lines of "DataPath" kept at start-up

  // Place i (1 to 20); "" for a place not in use or out of range.
  const std::string& operator()(int i) const;
  std::int16_t nPaths() const { return n_; }

  // Start-up: takes the lines of "DataPath" (CR LF or LF ends) until the end of the file or 8
  // entries; a later line equal to line 1 without regard to case is dropped. Other repeats stay.
  // A line that is not usable (a directory that is gone) is passed over like a dropped repeat: the
  // others keep their order and the next line takes its place.
  void ReadDataPath(std::string_view content,
                    const std::function<bool(const std::string&)>& usable = nullptr);

  // What confirming a directory did to the list; the main window mirrors it in its box's list.
  struct Confirmation {
    bool added = false;          // the directory was new: insert it at the top of the box's list
    int removed_position = 0;    // then remove this 1-based position of the box's list (0: none)
    std::string dropped;         // the oldest entry dropped to keep the list in its places
  };
  // Confirms the directory shown in the data-directory box: a text that differs from place 1
  // without regard to case moves to the top; an exact older copy of it leaves the list; when the
  // list would pass its places, the oldest entry is dropped.
  Confirmation Confirm(const std::string& box_text);

  // The lines that Exit writes: the box's directory first when it differs from place 1 without
  // regard to case, then places 1 to nPaths.
  std::vector<std::string> ExitLines(const std::string& box_text, const std::string& data_path) const;

 private:
  std::array<std::string, kPlaces + 2> places_{};   // one spare place for the shift of Confirm
  std::int16_t n_ = 0;
};

// The text of a "DataPath" file holding these lines, each ended by CR LF.
std::string DataPathFileText(const std::vector<std::string>& lines);

}  // namespace pave
