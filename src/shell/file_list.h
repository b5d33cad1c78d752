// The list of data files of a directory, as the main window's file box shows it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/combo_box.h"

namespace pave {

// True when name matches a file pattern with "*" and "?" (as "*.dat"), without regard to case.
bool MatchesPattern(std::string_view name, std::string_view pattern);

// The names of the ordinary files (no directories, no hidden files) of the directory `path` that
// match `pattern`, in the order of their names without regard to case. Nothing when path does not
// end in "/"; an empty list when the directory does not exist. Throws std::filesystem::filesystem_error
// when an existing directory cannot be read.
std::optional<std::vector<std::string>> DataFileNames(const std::string& path, std::string_view pattern);

// Fills the combo box with those names and selects the first, so that it becomes the box's text;
// returns the count. When path does not end in "/", returns 0 and leaves the box as it was.
// Throws as DataFileNames does, after the box was cleared.
std::int16_t FillFileList(const std::string& path, std::string_view pattern, ComboBox& combo);

}  // namespace pave
