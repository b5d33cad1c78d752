// The line tables of the ten help topics, each kept in the source file of its subject.
#pragma once

#include <span>
#include <string_view>

namespace pave::help_lines {

using Lines = std::span<const std::string_view>;

Lines MainScreen();        // topic 1
Lines EditorScreen();      // topic 2
Lines LayeredInput();      // topic 3
Lines SlabInput();         // topic 4
Lines LayeredOutput();     // topic 5
Lines SlabOutput();        // topic 6
Lines LayeredDataFile();   // topic 7
Lines SlabDataFile();      // topic 8
Lines LayeredExamples();   // topic 9
Lines SlabExamples();      // topic 10

}  // namespace pave::help_lines
