// Starting other programs: a program with one argument, and a terminal in a directory.
#pragma once

#include <string>

namespace pave {

class Processes {
 public:
  virtual ~Processes() = default;
  // Starts `program` with `argument` as its one argument (taken whole: blanks inside it stay part
  // of it; an empty argument passes none) as a separate process, in front, and does not wait for
  // it. False when it could not be started.
  virtual bool Start(const std::string& program, const std::string& argument) = 0;
  // Opens a terminal (x-terminal-emulator, else $TERMINAL) with `directory` as its working
  // directory, without waiting. False when no terminal could be started.
  virtual bool OpenTerminal(const std::string& directory) = 0;
};

}  // namespace pave
