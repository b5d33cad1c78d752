// Bad-input sweep of the analysis programs: mutants of a good data file (cut after a line or in the
// middle of one, a numeric item replaced by a hostile value) and the checks every run must pass
// whatever its input: a known exit status, a message when it stops, no "NaN" or "Inf" in what it
// writes, and no hang (a watchdog ends the test program naming the mutant that does not finish). A
// run that a read fault ends says where: the line, and the text that could not be read.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "common/analysis_host.h"
#include "common/numeric_value.h"
#include "support/file_text.h"
#include "support/non_finite_word.h"
#include "support/touching_numbers.h"

namespace pave::testing {

struct Mutant {
  std::string name;   // what was changed, for failure messages
  std::string text;   // the mutated data file
  std::string where;  // what the message of a run that ends as a data error says (empty: not known)
};

// The values put in place of a numeric item. The empty item leaves a lone comma, which the reader
// takes as an empty item at the start of a line and as a separator after another item. 1E-45 is
// a denormal in single precision; 1E+11 is wider than any report column.
inline const std::vector<std::string>& HostileValues() {
  static const std::vector<std::string> values = {"0",     "-1",    "1E+30", "-1E+30", "1E-30", "1E-45",
                                                  "1E+11", "32767", "32768", "99999", "X",      ","};
  return values;
}

// The lines of a text with their line ends (CR LF, LF or CR) kept; the last may have none.
inline std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) {
      lines.push_back(text.substr(start, i + 1 - start));
      start = i + 1;
    }
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

// The file cut after each line, and in the middle of each line's content.
inline std::vector<Mutant> Truncations(const std::string& text) {
  std::vector<Mutant> out;
  std::size_t at = 0;
  int n = 0;
  for (const std::string& line : LinesOf(text)) {
    ++n;
    std::size_t content = line.size();
    while (content > 0 && (line[content - 1] == '\r' || line[content - 1] == '\n')) --content;
    // A file cut short is read to its end, or to a number cut into a text: either way a line is named.
    if (content > 1)
      out.push_back({"cut in the middle of line " + std::to_string(n), text.substr(0, at + content / 2), "line "});
    at += line.size();
    if (at < text.size()) out.push_back({"cut after line " + std::to_string(n), text.substr(0, at), "line "});
  }
  return out;
}

// A numeric item of a data file: its offset and length, and its line. The items of a line are the
// numbers before its record identifier (the first item beginning with "("); a line whose first item
// is no number (a title) has none.
struct NumericItem {
  std::size_t pos, len;
  int line;
};

inline std::vector<NumericItem> NumericItems(const std::string& text) {
  std::vector<NumericItem> items;
  std::size_t at = 0;
  int n = 0;
  for (const std::string& line : LinesOf(text)) {
    ++n;
    std::size_t i = 0;
    while (i < line.size()) {
      while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == ',')) ++i;
      if (i >= line.size() || line[i] == '\r' || line[i] == '\n' || line[i] == '(') break;
      const std::size_t start = i;
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != ',' && line[i] != '\r' &&
             line[i] != '\n')
        ++i;
      if (!ParseNumber(std::string_view(line).substr(start, i - start))) break;
      items.push_back({at + start, i - start, n});
    }
    at += line.size();
  }
  return items;
}

// Numeric item k replaced by hostile value v wherever (k + v + offset) % stride == 0: each value is
// tried on every stride-th item, each value starting at another item, so that the items of a line
// meet different values. Two files of the same layout (the English and SI twins) given different
// offsets try different values on the same items; stride 1 tries every value on every item.
inline std::vector<Mutant> ValueMutants(const std::string& text, int stride, int offset) {
  std::vector<Mutant> out;
  const std::vector<NumericItem> items = NumericItems(text);
  const std::vector<std::string>& values = HostileValues();
  for (std::size_t k = 0; k < items.size(); ++k)
    for (std::size_t v = 0; v < values.size(); ++v) {
      if ((k + v + static_cast<std::size_t>(offset)) % static_cast<std::size_t>(stride) != 0) continue;
      const NumericItem& it = items[k];
      std::string t = text;
      t.replace(it.pos, it.len, values[v]);
      // Everything before the item reads as in the good file, so a read fault is the item's own.
      std::string where;
      if (values[v] == "X") where = "line " + std::to_string(it.line) + ": \"X\" is not a number";
      out.push_back({"item " + std::to_string(k + 1) + " (\"" + text.substr(it.pos, it.len) + "\", line " +
                         std::to_string(it.line) + ") replaced by \"" + values[v] + "\"",
                     std::move(t), std::move(where)});
    }
  return out;
}

// Ends the test program when one run takes longer than the limit, naming the run: a hang is a
// fault, and a report that names it beats a test killed by the time-out of the test driver.
class Watchdog {
 public:
  explicit Watchdog(std::chrono::seconds limit) : limit_(limit), thread_([this] { Watch(); }) {}
  ~Watchdog() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      done_ = true;
    }
    wake_.notify_all();
    thread_.join();
  }
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

  // A run begins; the watchdog counts its time from now.
  void Start(const std::string& what) {
    std::lock_guard<std::mutex> lock(mutex_);
    what_ = what;
    started_ = std::chrono::steady_clock::now();
    running_ = true;
  }
  void Stop() {
    std::lock_guard<std::mutex> lock(mutex_);
    running_ = false;
  }

 private:
  void Watch() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!done_) {
      wake_.wait_for(lock, std::chrono::milliseconds(200));
      if (running_ && std::chrono::steady_clock::now() - started_ > limit_) {
        std::fprintf(stderr, "HANG: the run of %s did not end within %lld s\n", what_.c_str(),
                     static_cast<long long>(limit_.count()));
        std::fflush(stderr);
        std::_Exit(3);
      }
    }
  }

  std::chrono::seconds limit_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::string what_;
  std::chrono::steady_clock::time_point started_;
  bool running_ = false, done_ = false;
  std::thread thread_;
};

// How much of an example's mutants a sweep runs.
struct SweepPlan {
  int stride;        // each hostile value on every stride-th item (see ValueMutants)
  int offset = 0;    // turns the values over once more (for a second build of the same program)
  int cutEvery = 1;  // every cutEvery-th truncation
};

// PAVE_SWEEP_STRIDE=n in the environment sets the stride to n and takes every truncation:
// PAVE_SWEEP_STRIDE=1 runs every mutant (a long run, for a run by hand).
inline SweepPlan FromEnvironment(SweepPlan plan) {
  const char* env = std::getenv("PAVE_SWEEP_STRIDE");
  if (env && std::atoi(env) > 0) {
    plan.stride = std::atoi(env);
    plan.cutEvery = 1;
  }
  return plan;
}

// What one run left behind.
struct Outcome {
  RunEnd end = RunEnd::Normal;
  RecordingHost host;
  std::string report, graph;  // empty when not written
};

// Runs an analysis program on data files in a directory of its own, under the watchdog.
class SweepRunner {
 public:
  // The program's run for the data file's base name; the extension of its graph file.
  using Program = std::function<RunEnd(const std::string& base, AnalysisHost& host)>;

  SweepRunner(const std::string& tag, Program program, std::string graphExtension)
      : dir_(std::filesystem::temp_directory_path() / ("pave_sweep_" + std::to_string(::getpid()) + "_" + tag)),
        program_(std::move(program)),
        graphExt_(std::move(graphExtension)) {
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  ~SweepRunner() { std::filesystem::remove_all(dir_); }

  // Runs the program on `text` as the data file CASE.DAT; with no text there is no data file.
  Outcome Run(const std::string& what, const std::string* text) {
    namespace fs = std::filesystem;
    for (const char* ext : {".DAT", ".TXT"}) fs::remove(dir_ / (std::string("CASE") + ext));
    fs::remove(dir_ / ("CASE" + graphExt_));
    if (text) {
      std::ofstream out(dir_ / "CASE.DAT", std::ios::binary);
      out << *text;
    }
    Outcome o;
    watchdog_.Start(what);
    o.end = program_((dir_ / "CASE").string(), o.host);
    watchdog_.Stop();
    o.report = FileText(dir_ / "CASE.TXT");
    o.graph = FileText(dir_ / ("CASE" + graphExt_));
    return o;
  }

 private:
  std::filesystem::path dir_;
  Program program_;
  std::string graphExt_;
  Watchdog watchdog_{std::chrono::seconds(30)};
};

// A check of its own that a program's sweep makes on every run.
using ExtraCheck = std::function<void(const Outcome&)>;

// The checks every run must pass whatever its input: one of the three exit statuses; a stop says
// why in a message of its own (not only the closing "click OK"); a normal end has written its
// report; no "NaN" or "Inf" in the report, the graph file, the progress text or a message; a run
// that ends as a data error says `where` in its message; no two numbers of the report run into
// each other (TouchingNumbers). Returns false (after recording the failures) when a check fails.
inline bool ExpectSound(const std::string& what, const Outcome& o, const std::string& exitText,
                        const std::string& where = std::string(), const ExtraCheck& extra = ExtraCheck()) {
  SCOPED_TRACE(what);
  const int failures = ::testing::UnitTest::GetInstance()->current_test_info()->result()->total_part_count();
  const int end = static_cast<int>(o.end);
  EXPECT_TRUE(end == 0 || end == 1 || end == 2) << "exit status " << end;
  if (o.end == RunEnd::Normal) {
    EXPECT_FALSE(o.report.empty()) << "a normal end without a report";
  } else {
    bool told = false;
    for (const std::string& m : o.host.messages) told = told || m != exitText;
    EXPECT_TRUE(told) << "stopped without a message";
  }
  EXPECT_EQ(NonFiniteWord(o.report), "") << "in the report";
  EXPECT_EQ(TouchingNumbers(o.report), "") << "in the report";
  EXPECT_EQ(NonFiniteWord(o.graph), "") << "in the graph file";
  for (const std::string& t : o.host.shown) EXPECT_EQ(NonFiniteWord(t), "") << "in the progress text";
  for (const std::string& m : o.host.messages) EXPECT_EQ(NonFiniteWord(m), "") << "in a message";
  // A data error always says what could not be read or analysed, and where: never the sentence alone.
  for (const std::string& m : o.host.messages) EXPECT_NE(m, kDataErrorText) << "a data error that names no place";
  if (o.end == RunEnd::DataError && !where.empty()) {
    bool said = false;
    for (const std::string& m : o.host.messages) said = said || m.find(where) != std::string::npos;
    EXPECT_TRUE(said) << "a data error that does not say \"" << where << "\": " << ::testing::PrintToString(o.host.messages);
  }
  if (extra) extra(o);
  return ::testing::UnitTest::GetInstance()->current_test_info()->result()->total_part_count() == failures;
}

// Every example's mutants, cut short and with hostile values, each run checked by ExpectSound.
// The English file and its SI twin ("...SI") try different values on the same items. Stops at the
// first unsound mutant of a file, so that one fault does not bury the output.
inline void SweepExample(const std::string& name, SweepRunner& runner, SweepPlan plan, const std::string& exitText,
                         const ExtraCheck& extra = ExtraCheck()) {
  plan = FromEnvironment(plan);
  const std::string good = ExampleText(name);
  ASSERT_FALSE(good.empty()) << name;
  const bool si = name.size() > 2 && name.compare(name.size() - 2, 2, "SI") == 0;
  std::vector<Mutant> mutants;
  const std::vector<Mutant> cuts = Truncations(good);
  for (std::size_t i = 0; i < cuts.size(); i += static_cast<std::size_t>(plan.cutEvery)) mutants.push_back(cuts[i]);
  for (Mutant& m : ValueMutants(good, plan.stride, plan.offset + (si ? plan.stride / 2 : 0)))
    mutants.push_back(std::move(m));
  for (const Mutant& m : mutants) {
    const std::string what = name + ": " + m.name;
    if (!ExpectSound(what, runner.Run(what, &m.text), exitText, m.where, extra)) return;
  }
}

// The data file with its line ends turned into CR alone.
inline std::string CrOnly(const std::string& text) {
  std::string out;
  for (char c : text)
    if (c != '\n') out += c;
  return out;
}

// The example with its line ends turned into CR alone gives the same report and graph file.
inline void ExpectCrLineEndsReadAlike(const std::string& example, SweepRunner& runner) {
  const std::string text = ExampleText(example), cr = CrOnly(text);
  const Outcome a = runner.Run(example, &text);
  const Outcome b = runner.Run(example + " with CR line ends", &cr);
  ASSERT_EQ(a.end, RunEnd::Normal);
  EXPECT_EQ(a.report, b.report);
  EXPECT_EQ(a.graph, b.graph);
}

}  // namespace pave::testing
