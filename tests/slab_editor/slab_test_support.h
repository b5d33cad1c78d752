// Test support of the slab editor: a fresh editor state, and "_" for blanks in expected records.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "shell/program_state.h"
#include "slab_editor/slab_data_set.h"

namespace pave::testing {

inline std::string Blanks(std::string s) {
  for (char& c : s)
    if (c == '_') c = ' ';
  return s;
}

// Every slab table empty, the program-wide state fresh, data set 1 holding the defaults.
class SlabDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgramState();
    ClearSlabDataSets();
    SetSlabDefaults();
  }
};

}  // namespace pave::testing
