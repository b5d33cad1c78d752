// The two files an analysis run writes, its report and its graph file. Their text is held while the
// run goes and put in place of the files of an earlier run only when the run reaches its end, both
// or neither: a run stopped by a data error, or one whose files cannot be written, leaves the earlier
// files as they were.
//
// The graph file takes each problem whole: the lines of the problem under way wait until it is
// complete. A problem that stops stands in the file as its title followed by the line "STOPPED" and
// nothing else, so that the graph windows can read the file to its end and say so.
#pragma once

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace pave {

// The line that stands in the graph file for the values of a problem that stopped.
inline constexpr const char* kStoppedGraphLine = "STOPPED";

// An output file that cannot be written; what() is the message for the user.
class OutputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class RunOutputs {
 public:
  // `graphKind` names the graph file in messages ("layer graph file").
  RunOutputs(std::string reportPath, std::string graphPath, std::string graphKind);

  // Checks that both files can be replaced and starts them; throws OutputError when one cannot.
  void Open();
  bool opened() const { return opened_; }

  std::ostream& report() { return report_; }
  // The graph lines of the problem under way (and the file's heading before the first problem).
  std::ostream& graph() { return pending_; }
  // The graph lines written so far go into the graph file.
  void PassGraphLines();
  // The problem under way stopped: its graph lines are dropped, and the file gets its title and the
  // line "STOPPED" instead.
  void StopGraphProblem(const std::string& title);
  // The run stopped before its first problem: the file's heading is followed by the line "STOPPED".
  void StopGraphBeforeProblems();

  // Puts both files in place (nothing when they were never opened). Returns the message when they
  // could not be written, which says which file could not be and whether the other one was
  // replaced; empty when both were.
  std::string Commit();

 private:
  std::string Kind(const std::string& path) const;
  std::string Shown(const std::string& path) const;

  std::string reportPath_, graphPath_, graphKind_;
  std::ostringstream report_, graph_, pending_;
  bool opened_ = false;
};

}  // namespace pave
