// The name of the PDF file a print command becomes where no printer is installed:
//   <program>-print-<date>-<time>-<nnn>[-<what>].pdf
// The three-digit number counts the files of the same second, so that names sort in the order
// the files were printed; <what> says what was printed (a file, a help topic, a graph page).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pave {

// What was printed as a part of a file name: letters, digits, ".", "_" and "-" stay, every other
// run of characters (blanks, slashes) becomes one "-"; no "-" or "." at either end; at most 80
// characters.
std::string PrintLabel(std::string_view what);

// The name of the next print file of `program` printed at `stamp` (date and time to the second,
// as "yyyyMMdd-HHmmss"), given the names of the files the directory already holds: its number is
// one above the highest number of a file of the same program and second (1 for the first).
std::string NextPrintFileName(std::string_view program, std::string_view stamp,
                              const std::vector<std::string>& existing, std::string_view what);

}  // namespace pave
