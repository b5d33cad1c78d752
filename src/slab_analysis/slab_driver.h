// The slab analysis program: one run over all problems of a slab data file.
#pragma once

#include <string>

#include "common/analysis_host.h"
#include "slab_analysis/slab_run.h"

namespace pave::slab {

// The error text of BRUNTOLA when the work array cannot hold the problem.
inline constexpr const char* kStorageErrorText =
    "File not found, data error or insufficient memory.  You may want to use BRUNTOLA LARGE RAM.";

// Runs the program for the command-line argument (the data file's path with or without ".DAT").
// Writes the report (".TXT") and the graph file (".SLA") beside the data file.
RunEnd RunSlabProgram(const std::string& argument, const SlabVariant& variant, AnalysisHost& host,
                      SlabExtensions extensions = DefaultSlabExtensions());

}  // namespace pave::slab
