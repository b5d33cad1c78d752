// The two files an analysis run writes, its report and its graph file. Their text is held while the
// run goes and put in place of the files of an earlier run only when the run reaches its end: a run
// stopped by a data error, or one whose files cannot be written, leaves the earlier files as they were.
#pragma once

#include <sstream>
#include <stdexcept>
#include <string>

namespace pave {

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
  std::ostream& graph() { return graph_; }

  // Puts both files in place (nothing when they were never opened). Returns the message when one
  // could not be written, with the earlier files left as they were; empty when both were.
  std::string Commit();

 private:
  std::string Message(const std::string& path, const std::string& reason) const;

  std::string reportPath_, graphPath_, graphKind_;
  std::ostringstream report_, graph_;
  bool opened_ = false;
};

}  // namespace pave
