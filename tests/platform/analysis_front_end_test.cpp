// The analysis programs' front end, run as a program: terminal mode without a display.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/file_text.h"

namespace {

struct Outcome {
  int status = -1;
  std::string out, err;
};

// Runs the stand-in program with one argument (quoted for the shell), by default with no display.
Outcome RunFake(const std::string& argument,
                const std::string& environment = "env -u DISPLAY -u WAYLAND_DISPLAY") {
  namespace fs = std::filesystem;
  fs::path dir = fs::path(PAVE_OUTPUT_DIR) / ("front_end_" + std::to_string(::getpid()));  // one per test process
  fs::create_directories(dir);
  fs::path out = dir / "out.txt", err = dir / "err.txt";
  std::string command = environment + " '" + std::string(FAKE_ANALYSIS) + "' '" +
                        argument + "' >'" + out.string() + "' 2>'" + err.string() + "'";
  int raw = std::system(command.c_str());
  Outcome outcome;
  outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  outcome.out = pave::testing::FileText(out);
  outcome.err = pave::testing::FileText(err);
  return outcome;
}

TEST(AnalysisFrontEndTest, TerminalModeWritesNewProgressOnceAndMessagesToErrors) {
  Outcome o = RunFake("normal /data dir/LAY1");
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.out, "FILENAME: normal /data dir/LAY1\nstep 1\nstep 2\nstep 3\n");
  EXPECT_EQ(o.err,
            "Your text output is stored in a file called x.TXT\nPlease click the OK button to exit.\n");
}

TEST(AnalysisFrontEndTest, TerminalModeExitStatusFollowsTheRunsEnd) {
  struct Case {
    const char* argument;
    int status;
    const char* err;
  };
  for (Case c : {Case{"stop", 1, "LIMIT EXCEEDED, SO COMPUTATION STOPS.\n"},
                 Case{"error", 2, "File not found or data error\n"},
                 // An exception escaping the run is told with the argument and what it was.
                 Case{"throw", 2, "File not found or data error\nthrow: fault.\n"}}) {
    Outcome o = RunFake(c.argument);
    EXPECT_EQ(o.status, c.status) << c.argument;
    EXPECT_EQ(o.err, c.err) << c.argument;
    EXPECT_EQ(o.out.rfind("FILENAME: ", 0), 0u) << c.argument;
  }
}

TEST(AnalysisFrontEndTest, ADisplayThatCannotBeReachedFallsBackToTheTerminal) {
  // A display is named, but nothing serves it: the run goes on in the terminal, and the toolkit's
  // own complaints do not reach the terminal.
  Outcome o = RunFake("normal LAY1", "env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY=:987");
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.out, "FILENAME: normal LAY1\nstep 1\nstep 2\nstep 3\n");
  EXPECT_EQ(o.err,
            "Your text output is stored in a file called x.TXT\nPlease click the OK button to exit.\n");
}

}  // namespace
