#include "common/safe_file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace pave {

namespace {
std::string Directory(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}
}  // namespace

bool WriteFileSafely(const std::string& path, const std::string& bytes, std::string& reason) {
  if (path.empty() || path.back() == '/') {
    reason = "no file name";
    return false;
  }
  // A file that exists keeps its permissions; a new one gets the usual ones.
  mode_t mode = 0666;
  struct stat st {};
  const bool exists = ::stat(path.c_str(), &st) == 0;
  if (exists) {
    if (S_ISDIR(st.st_mode)) {
      reason = "it is a directory";
      return false;
    }
    mode = st.st_mode & 07777;
  }
  std::string pattern = Directory(path) + ".~" + path.substr(Directory(path).size()) + ".XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) {
    reason = std::strerror(errno);
    return false;
  }
  auto fail = [&](int error) {
    ::close(fd);
    ::unlink(name.data());
    reason = std::strerror(error);
    return false;
  };
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      return fail(errno);
    }
    written += static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0) return fail(errno);
  if (exists) {
    ::fchmod(fd, mode);
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, mode & ~mask);
  }
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(name.data());
    reason = std::strerror(error);
    return false;
  }
  if (::rename(name.data(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(name.data());
    reason = std::strerror(error);
    return false;
  }
  return true;
}

}  // namespace pave
