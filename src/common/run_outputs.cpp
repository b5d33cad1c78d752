#include "common/run_outputs.h"

#include <filesystem>
#include <utility>
#include <vector>

#include "common/safe_file_write.h"

namespace pave {

RunOutputs::RunOutputs(std::string reportPath, std::string graphPath, std::string graphKind)
    : reportPath_(std::move(reportPath)), graphPath_(std::move(graphPath)), graphKind_(std::move(graphKind)) {}

std::string RunOutputs::Message(const std::string& path, const std::string& reason) const {
  std::error_code ec;
  std::filesystem::path where = std::filesystem::absolute(path, ec);
  const std::string shown = ec ? path : where.lexically_normal().string();
  const std::string kind = path == reportPath_ ? "report file" : graphKind_;
  return "The " + kind + " " + shown + " cannot be written (" + reason +
         "). The files of an earlier run are left as they were.";
}

void RunOutputs::Open() {
  for (const std::string* path : {&reportPath_, &graphPath_}) {
    const std::string why = WhyNotReplaceable(*path);
    if (!why.empty()) throw OutputError(Message(*path, why));
  }
  opened_ = true;
}

std::string RunOutputs::Commit() {
  if (!opened_) return std::string();
  opened_ = false;
  std::string failed, reason;
  if (!WriteFilesSafely({{reportPath_, report_.str()}, {graphPath_, graph_.str()}}, failed, reason))
    return Message(failed, reason);
  return std::string();
}

}  // namespace pave
