#include "platform/terminal_host.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

namespace pave {
namespace {

TEST(TerminalHostTest, WritesOnlyNewProgressAndMessagesToErrors) {
  std::ostringstream out, err;
  TerminalHost host(out, err);
  ProgressLog log(host, 2);
  log.text = "A\r\n";
  log.Display();
  log.text += "B\r\n";
  log.Display();
  log.text += "C\r\n";
  log.Display();   // third update exceeds the limit of 2: the text starts afresh
  log.text += "D\r\n";
  log.Display();
  host.ShowProgress(log.text);   // repeated text adds nothing
  host.Message("Your text output is stored in a file called x.TXT\r\nPlease click the OK button to exit.");
  EXPECT_EQ(out.str(), "A\nB\nC\nD\n");
  EXPECT_EQ(err.str(),
            "Your text output is stored in a file called x.TXT\nPlease click the OK button to exit.\n");
}

TEST(TerminalHostTest, RunInTerminalGivesExitStatus) {
  struct Case {
    RunEnd end;
    int status;
  };
  for (Case c : {Case{RunEnd::Normal, 0}, Case{RunEnd::InputStop, 1}, Case{RunEnd::DataError, 2}}) {
    std::ostringstream out, err;
    std::string seen;
    int status = RunInTerminal(
        "/tmp/a b/LAY1",
        [&](const std::string& argument, AnalysisHost& host) {
          seen = argument;
          host.ShowProgress("run\r\n");
          host.Message("done");
          return c.end;
        },
        out, err, "File not found or data error");
    EXPECT_EQ(status, c.status);
    EXPECT_EQ(seen, "/tmp/a b/LAY1");
    EXPECT_EQ(out.str(), "run\n");
    EXPECT_EQ(err.str(), "done\n");
  }
  // An exception escaping the run is told with the sentence, never by the sentence alone.
  std::ostringstream out, err;
  int status = RunInTerminal(
      "/tmp/LAY1", [](const std::string&, AnalysisHost&) -> RunEnd { throw std::runtime_error("boom"); },
      out, err, "File not found or data error");
  EXPECT_EQ(status, 2);
  EXPECT_EQ(err.str(), "File not found or data error\n/tmp/LAY1: boom.\n");
}

TEST(TerminalHostTest, ProgramArgumentIsFirstArgumentWhole) {
  char prog[] = "morvelin", arg[] = "/data dir/LAY 1", extra[] = "x";
  char* with[] = {prog, arg, extra, nullptr};
  char* without[] = {prog, nullptr};
  EXPECT_EQ(ProgramArgument(3, with), "/data dir/LAY 1");
  EXPECT_EQ(ProgramArgument(1, without), "");
}

}  // namespace
}  // namespace pave
