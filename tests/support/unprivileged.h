// Runs a check in a child process without the privileges of the super-user, so that a test of an
// unreadable directory means the same when the tests run as root (which reads every directory).
#pragma once

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace pave::testing {

// The check's result: runs `check` in a forked child which, when the tests run as root, first takes
// the identity of the user "nobody" (uid and gid 65534). Returns false when the child could not run
// or drop its privileges.
inline bool RunsUnprivileged(const std::function<bool()>& check) {
  const pid_t child = ::fork();
  if (child < 0) return false;
  if (child == 0) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(3);
    ::_exit(check() ? 0 : 1);
  }
  int status = 0;
  if (::waitpid(child, &status, 0) != child) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace pave::testing
