#include "common/run_outputs.h"

#include <filesystem>
#include <utility>

#include "common/line_writer.h"
#include "common/safe_file_write.h"

namespace pave {

RunOutputs::RunOutputs(std::string reportPath, std::string graphPath, std::string graphKind)
    : reportPath_(std::move(reportPath)), graphPath_(std::move(graphPath)), graphKind_(std::move(graphKind)) {}

std::string RunOutputs::Kind(const std::string& path) const {
  return path == reportPath_ ? "report file" : graphKind_;
}

std::string RunOutputs::Shown(const std::string& path) const {
  std::error_code ec;
  std::filesystem::path where = std::filesystem::absolute(path, ec);
  return ec ? path : where.lexically_normal().string();
}

void RunOutputs::Open() {
  for (const std::string* path : {&reportPath_, &graphPath_}) {
    const std::string why = WhyNotReplaceable(*path);
    if (!why.empty()) {
      throw OutputError("The " + Kind(*path) + " " + Shown(*path) + " cannot be written (" + why +
                        "). The files of an earlier run are left as they were.");
    }
  }
  opened_ = true;
}

void RunOutputs::PassGraphLines() {
  graph_ << pending_.str();
  pending_.str("");
}

void RunOutputs::StopGraphProblem(const std::string& title) {
  pending_.str("");
  graph_ << title << kCrLf << kStoppedGraphLine << kCrLf;
}

void RunOutputs::StopGraphBeforeProblems() {
  PassGraphLines();
  graph_ << kStoppedGraphLine << kCrLf;
}

std::string RunOutputs::Commit() {
  if (!opened_) return std::string();
  opened_ = false;
  PassGraphLines();
  std::string failed, reason;
  std::vector<std::string> replaced;
  bool failedUntouched = true;
  if (WriteFilesSafely({{reportPath_, report_.str()}, {graphPath_, graph_.str()}}, failed, reason, &replaced,
                       &failedUntouched)) {
    return std::string();
  }
  std::string message = "The " + Kind(failed) + " " + Shown(failed) + " cannot be written (" + reason + ").";
  if (failedUntouched && replaced.empty()) return message + " The files of an earlier run are left as they were.";
  for (const std::string& path : replaced) message += " The " + Kind(path) + " " + Shown(path) + " was replaced.";
  // A file that could be neither written nor put back says so in the reason itself.
  return failedUntouched ? message + " The " + Kind(failed) + " is left as it was." : message;
}

}  // namespace pave
