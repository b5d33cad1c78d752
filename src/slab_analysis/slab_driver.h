// The slab analysis program: one run over all problems of a slab data file.
#pragma once

#include <string>

#include "common/analysis_host.h"
#include "slab_analysis/slab_run.h"

namespace pave::slab {

// Runs the program for the command-line argument (the data file's path with or without ".DAT").
// Writes the report (".TXT") and the graph file (".SLA") beside the data file.
RunEnd RunSlabProgram(const std::string& argument, const SlabVariant& variant, AnalysisHost& host,
                      SlabExtensions extensions = DefaultSlabExtensions());

// The argument without a final ".DAT" or ".dat".
std::string BaseName(const std::string& argument);
// base + ".DAT", or the file whose extension matches ".DAT" ignoring case.
std::string FindDataFile(const std::string& base);

}  // namespace pave::slab
