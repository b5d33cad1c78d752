// One run of the slab analysis: the state record, the three files, the progress log and the window
// services, plus the few texts in which the two builds differ.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "common/analysis_host.h"
#include "common/free_format_reader.h"
#include "common/line_writer.h"
#include "common/run_outputs.h"
#include "slab_analysis/slab_state.h"

namespace pave::slab {

// The build: work-array size and the texts that differ.
struct SlabVariant {
  std::int32_t nstore;
  bool large;
};
inline constexpr SlabVariant kBruntola{100000, false};
inline constexpr SlabVariant kLarge{1600000, true};

// An input stop: its message has been shown; the driver takes the end path (exit status 1).
struct EndPath {};
// A division by zero, an overflow or a value that is not finite: ends the run through the error path.
class ArithmeticError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A count that no 16-bit whole number holds, met where its place in the file is no longer known (the
// counts are checked where they are read): ends the run through the error path.
class CountError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class SlabRun;

// The routines of the solid and layered foundations and of the joint springs, plugged into the
// driver. An empty entry means the build has no such routine; a problem that needs it is refused
// with a message.
struct SlabExtensions {
  using Step = std::function<void(SlabRun&)>;
  // Solid (NFOUND = 1) and layered (NFOUND = 2) foundations.
  Step SolCor, SolFle, BurDef, LaySla;  // coordinates and flexibility, once per problem
  Step SolSti;                          // foundation stiffness, each contact cycle
  Step SolMod;                          // right-hand side of a solution pass
  Step SolCon;                          // contact step after the solution
  // Joints between slabs.
  Step DowGeo;  // dowel springs, once per problem
  Step DowSti;  // joint stiffness into the band, each contact cycle
  Step DowOut;  // joint forces after a load group

  bool HasSolidLayered() const { return SolCor && SolFle && BurDef && LaySla && SolSti && SolMod && SolCon; }
  bool HasJoints() const { return DowGeo && DowSti && DowOut; }
};

// The extensions this build is linked with (slab_extensions.cpp).
SlabExtensions DefaultSlabExtensions();

class SlabRun {
 public:
  SlabRun(const SlabVariant& variant, AnalysisHost& host, SlabExtensions ext = {});

  const SlabVariant variant;

 private:
  NotingHost noting_;  // keeps the last message: the reason of a stop

 public:
  AnalysisHost& host;
  SlabExtensions ext;
  std::unique_ptr<SlabState> state;
  SlabState& s;
  ProgressLog log;

  std::string dataName, reportName, graphName;
  int problem = 0;  // the problem under way; 0 before the first
  std::optional<FreeFormatReader> in;
  std::unique_ptr<RunOutputs> outputs;
  std::unique_ptr<LineWriter> rep, gra;

  // Starts the report and the graph file (first problem); OutputError when one cannot be written.
  void CreateOutputs();
  // The graph lines of the problem so far go into the graph file (its heading, a complete problem).
  void PassGraphLines();
  // A stop that takes the end path: the report and the progress text end with the stop's message,
  // and the graph file holds the problem under way as stopped (its title and "STOPPED"; "STOPPED"
  // alone before the first problem).
  void RecordStop();
  // Puts the report and the graph file in place at the end of the run; the message when they could
  // not be written (empty when they were, or were never started).
  std::string CommitOutputs();

  // Reading the data file.
  FreeFormatReader& In();
  double ReadNumber() { return In().ReadNumber(); }
  float ReadSingle() { return In().ReadSingle(); }
  std::int16_t ReadInt16() { return In().ReadInt16(); }
  // The same into a value of the state, whose line a later check of it names.
  void ReadNumber(double& into) { In().Read(into); }
  void ReadSingle(float& into) { In().Read(into); }
  void ReadInt16(std::int16_t& into) { In().Read(into); }
  void SkipIdentifier() { In().SkipIdentifier(); }

  LineWriter& Rep() { return *rep; }
  LineWriter& Gra() { return *gra; }

  // Progress text.
  void Append(const std::string& t) { log.text += t; }
  void Display() { log.Display(); }

  // Shows the message of an input check or limit and takes the end path.
  [[noreturn]] void LimitStop(const std::string& message);
};

// Division that refuses a zero divisor or a non-finite result (the error path instead).
double Div(double a, double b);
// Tests a value for being finite (the error path instead); `what` says which value overflows.
double Finite(double v, const char* what = "overflow");
// Rounds a value to single precision; one beyond its range overflows (the error path instead).
float Single(double v);

// Whole-number conversion of a count read as a number; outside the 16-bit range is a CountError.
int Count(double v);

}  // namespace pave::slab
