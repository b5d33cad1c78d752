// What the stand-ins of windows built later need to know: the file name an input editor is opened
// with, and the graph file a graph window reads.
#pragma once

#include <string>

namespace pave {

// The input editors' file name: gDataFile with ".DAT" appended when its last four characters are
// not ".DAT" in any case.
std::string EditorDataFileName(const std::string& data_file);

// The graph file of a data file's full path: a final ".DAT" or ".dat" replaced by `extension`
// (".LAY" or ".SLA"); any other name gets the extension appended.
std::string GraphFileName(const std::string& data_file, const std::string& extension);

}  // namespace pave
