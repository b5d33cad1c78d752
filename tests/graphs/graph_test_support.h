// Shared set-up of the graph window tests: the test application with the windows' fonts, a fresh
// directory, the program-wide state reset, the scripted platform and the graph windows installed;
// runs of the analysis programs on the examples; the pages a graph file holds.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>

#include <filesystem>
#include <fstream>
#include <string>

#include "common/analysis_host.h"
#include "graphs/gui/graph_window.h"
#include "platform/gui/fonts.h"
#include "platform/scripted_platform.h"
#include "shell/program_state.h"
#include "shell/window_makers.h"
#include "support/file_text.h"
#include "support/qt_test_app.h"
#include "support/test_screens.h"

namespace pave::graphs::testing {

using pave::testing::kTestScreens;
using pave::testing::TestScreen;
using pave::testing::UseTestScreens;

inline QApplication& GraphTestApp() {
  static QApplication& app = []() -> QApplication& {
    const std::string screens = UseTestScreens();
    QApplication& a = pave::testing::TestApp();
    if (!screens.empty()) std::filesystem::remove(screens);   // read while the application was made
    InstallFontSubstitutes();
    return a;
  }();
  return app;
}

// A user paging through: Yes to every print question, the offered interval to every interval question.
class PagingThrough : public ScriptedMessages {
 public:
  using ScriptedMessages::Input;
  using ScriptedMessages::Show;
  MessageAnswer Show(const std::string& text, MessageButtons buttons, const std::string& title,
                     BoxPlace place) override {
    if (buttons == MessageButtons::YesNo) QueueAnswer(MessageAnswer::Yes);
    return ScriptedMessages::Show(text, buttons, title, place);
  }
  std::optional<std::string> Input(const std::string& prompt, const std::string& title,
                                   const std::string& default_text, BoxPlace place) override {
    QueueInput(default_text);
    return ScriptedMessages::Input(prompt, title, default_text, place);
  }
};

class GraphWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GraphTestApp();
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "_" + info->name();
    for (char& c : name)
      if (c == '/') c = '_';
    dir_ = std::filesystem::temp_directory_path() / ("graphs_" + name + "_" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    ResetProgramState();
    ClearWindowMakers();
    InstallGraphWindows();
  }
  void TearDown() override {
    platform_.windows.UnloadAll();
    QCoreApplication::processEvents();
    ClearWindowMakers();
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  void WriteFile(const std::string& name, const std::string& bytes) const {
    std::ofstream out(dir_ / name, std::ios::binary | std::ios::trunc);
    out << bytes;
  }

  // Loads the graph window of `kind` for the data file `data_name` in the directory, as the main
  // window's graph button does: its load step draws every page; then it is unloaded.
  void OpenGraph(const char* kind, const std::string& data_name) {
    gDataFile = Path(data_name);
    if (LoadWindow(kind)) platform_.windows.Unload(kind);
  }

  // The print questions asked, and the other messages.
  int PrintQuestions() const {
    int n = 0;
    for (const auto& m : platform_.messages.shown) n += m.text == "Want to print on the printer?";
    return n;
  }
  std::vector<std::string> OtherMessages() const {
    std::vector<std::string> out;
    for (const auto& m : platform_.messages.shown)
      if (m.text != "Want to print on the printer?") out.push_back(m.text);
    return out;
  }

  // The first line of each message: the sentence, without the place named under it.
  static std::vector<std::string> FirstLines(std::vector<std::string> texts) {
    for (std::string& t : texts) t = t.substr(0, t.find('\n'));
    return texts;
  }

  // Saves a printed page as a PNG in the build's test-output directory.
  static void SavePage(const ScriptedPrinter::PrintedPage& page, const std::string& name);

  ScriptedPlatform platform_;
  std::filesystem::path dir_;
};

}  // namespace pave::graphs::testing
