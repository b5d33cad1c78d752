// Shared set-up of the shell tests: a fresh temporary directory, the program-wide state reset, the
// scripted platform installed and the working directory restored afterwards.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "platform/scripted_platform.h"
#include "shell/program_state.h"
#include "shell/window_makers.h"
#include "support/file_text.h"

namespace pave::testing {

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_cwd_ = std::filesystem::current_path();
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::temp_directory_path() /
           (std::string("shell_") + info->test_suite_name() + "_" + info->name() + "_" +
            std::to_string(::getpid()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    ResetProgramState();
    ClearWindowMakers();
    SetProgramEnd([this] { ++program_ends; });
  }
  void TearDown() override {
    SetProgramEnd(nullptr);
    ClearWindowMakers();
    std::filesystem::current_path(saved_cwd_);
    std::error_code ignored;
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(dir_, ignored);
  }

  // The temporary directory with a final "/".
  std::string Dir() const { return dir_.string() + "/"; }
  std::string Path(const std::string& name) const { return Dir() + name; }

  static void WriteFile(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
  }

  ScriptedPlatform platform_;
  int program_ends = 0;

 private:
  std::filesystem::path dir_;
  std::filesystem::path saved_cwd_;
};

}  // namespace pave::testing
