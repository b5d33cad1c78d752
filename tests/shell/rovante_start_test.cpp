// The main program started where its window cannot open.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/file_text.h"

namespace {

struct Started {
  int status = -1;
  std::string err;
};

Started StartRovante(const std::string& environment) {
  namespace fs = std::filesystem;
  const fs::path err = fs::temp_directory_path() / ("rovante_start_" + std::to_string(::getpid()) + ".txt");
  const std::string command = environment + " '" + std::string(ROVANTE_PROGRAM) + "' 2>'" + err.string() + "'";
  const int raw = std::system(command.c_str());
  Started s;
  s.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  s.err = pave::testing::FileText(err);
  fs::remove(err);
  return s;
}

TEST(RovanteStartTest, WithoutAReachableDisplayItSaysSoInOneLine) {
  struct Case {
    const char* environment;
    const char* err;
  };
  for (const Case& c : {
           Case{"env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY",
                "rovante: no display is available (neither DISPLAY nor WAYLAND_DISPLAY is set), so the main "
                "window cannot open.\n"},
           Case{"env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY=:987",
                "rovante: no display could be opened (DISPLAY=:987), so the main window cannot open.\n"},
       }) {
    const Started s = StartRovante(c.environment);
    EXPECT_EQ(s.status, 1) << c.environment;
    EXPECT_EQ(s.err, c.err) << c.environment;
  }
}

}  // namespace
