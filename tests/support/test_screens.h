// The screens the windows are tried on where the tests run on the offscreen platform: one of each
// size a window meets, side by side; the first, the primary one, is the offscreen platform's own 800
// by 600, on which the other tests open their windows.
#pragma once

#include <unistd.h>

#include <QByteArray>
#include <QtGlobal>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>

namespace pave::testing {

struct TestScreen {
  int width, height;
};
inline void PrintTo(const TestScreen& s, std::ostream* os) { *os << s.width << "x" << s.height; }
inline constexpr TestScreen kTestScreens[] = {{800, 600}, {1024, 768}, {1280, 1024}, {1366, 768}, {1920, 1080}};

// On the offscreen platform, a configuration file of these screens and the platform told to use it;
// the file's path, or nothing elsewhere.
inline std::string UseTestScreens() {
  if (qgetenv("QT_QPA_PLATFORM") != "offscreen") return "";
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("pave_test_screens_" + std::to_string(::getpid()) + ".json");
  std::string json = "{\"screens\": [";
  int x = 0, n = 0;
  for (const TestScreen& s : kTestScreens) {
    // Named so that their order by name is the table's: the platform orders them by name.
    if (n++ > 0) json += ", ";
    json += "{\"name\": \"screen" + std::to_string(n) + "\", \"x\": " +
            std::to_string(x) + ", \"y\": 0, \"width\": " + std::to_string(s.width) + ", \"height\": " +
            std::to_string(s.height) + ", \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}";
    x += s.width;
  }
  std::ofstream(path, std::ios::trunc) << json << "]}\n";
  qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + path.string().c_str());
  return path.string();
}

}  // namespace pave::testing
