#include "common/safe_file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <vector>

namespace pave {

namespace {

std::string Directory(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The name pattern (for mkstemp) of a file beside `path`: ".~NAME.XXXXXX". Where that would be too
// long for the folder (a name near the longest the file system allows), the name is cut so that the
// temporary name is no longer than the file's own: it fits wherever the file's name fits.
std::string TempPattern(const std::string& path) {
  const std::string dir = Directory(path);
  const std::string name = path.substr(dir.size());
  const std::string full = ".~" + name + ".XXXXXX";
  long name_max = ::pathconf(dir.empty() ? "." : dir.c_str(), _PC_NAME_MAX);
  if (name_max <= 0) name_max = NAME_MAX;
  if (full.size() <= static_cast<std::size_t>(name_max) && dir.size() + full.size() < PATH_MAX) return dir + full;
  std::size_t keep = name.size() > 9 ? name.size() - 9 : 0;
  while (keep > 0 && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80) --keep;  // not inside a UTF-8 character
  return dir + ".~" + name.substr(0, keep) + ".XXXXXX";
}

// Creates a new empty file beside `path` under a name no file had (TempPattern); its descriptor,
// and its name in `name`, or -1 with errno set.
int CreateBeside(const std::string& path, std::string& name) {
  const std::string pattern = TempPattern(path);
  std::vector<char> chars(pattern.begin(), pattern.end());
  chars.push_back('\0');
  const int fd = ::mkstemp(chars.data());
  if (fd >= 0) name = chars.data();
  return fd;
}

// A new name beside `path` that no file has yet, or empty.
std::string FreeName(const std::string& path) {
  std::string name;
  const int fd = CreateBeside(path, name);
  if (fd < 0) return std::string();
  ::close(fd);
  ::unlink(name.c_str());
  return name;
}

// A file written beside its target and not yet in its place; removed unless Commit renamed it. Before
// the rename, Keep links the old file under a second name, so that Undo can put it back.
class Replacement {
 public:
  Replacement() = default;
  Replacement(const Replacement&) = delete;
  Replacement& operator=(const Replacement&) = delete;
  ~Replacement() {
    if (!temp_.empty()) ::unlink(temp_.c_str());
    if (!kept_.empty()) ::unlink(kept_.c_str());
  }

  bool Prepare(const std::string& path, const std::string& bytes, std::string& reason) {
    path_ = path;
    // A read-only file is kept as it is, though its folder would let the rename replace it.
    reason = WhyNotReplaceable(path);
    if (!reason.empty()) return false;
    // A file that exists (not a directory: WhyNotReplaceable refused that) keeps its permissions; a
    // new one gets the usual ones.
    mode_t mode = 0666;
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists) mode = st.st_mode & 07777;
    existed_ = exists;
    const int fd = CreateBeside(path, temp_);
    if (fd < 0) {
      reason = std::strerror(errno);
      return false;
    }
    auto fail = [&](int error) {
      ::close(fd);
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
      reason = std::strerror(errno);
      return false;
    }
    return true;
  }

  // Links the old file under a free name beside it. Where the file system refuses (no hard links
  // there), nothing is kept and Undo cannot put the old file back.
  void Keep() {
    if (!existed_) return;
    for (int attempt = 0; attempt < 5 && kept_.empty(); ++attempt) {
      const std::string name = FreeName(path_);
      if (name.empty()) return;
      if (::link(path_.c_str(), name.c_str()) == 0) kept_ = name;
      else if (errno != EEXIST) return;
    }
  }

  bool Commit(std::string& reason) {
    if (::rename(temp_.c_str(), path_.c_str()) != 0) {
      reason = std::strerror(errno);
      return false;
    }
    temp_.clear();
    return true;
  }

  // Puts back what stood in the file's place before Commit: the old file, or no file. False when
  // it cannot.
  bool Undo() {
    if (!existed_) return ::unlink(path_.c_str()) == 0;
    if (kept_.empty() || ::rename(kept_.c_str(), path_.c_str()) != 0) return false;
    kept_.clear();
    return true;
  }

 private:
  std::string path_, temp_, kept_;
  bool existed_ = false;
};

}  // namespace

bool WriteFileSafely(const std::string& path, const std::string& bytes, std::string& reason) {
  Replacement r;
  return r.Prepare(path, bytes, reason) && r.Commit(reason);
}

bool WriteFilesSafely(const std::vector<std::pair<std::string, std::string>>& files, std::string& failed,
                      std::string& reason, std::vector<std::string>* replaced) {
  std::vector<Replacement> replacements(files.size());
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (!replacements[i].Prepare(files[i].first, files[i].second, reason)) {
      failed = files[i].first;
      return false;
    }
  }
  for (Replacement& r : replacements) r.Keep();
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (!replacements[i].Commit(reason)) {
      failed = files[i].first;
      for (std::size_t j = 0; j < i; ++j) {
        if (!replacements[j].Undo() && replaced) replaced->push_back(files[j].first);
      }
      return false;
    }
  }
  return true;
}

std::string WhyNotReplaceable(const std::string& path) {
  if (path.empty() || path.back() == '/') return "no file name";
  constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return "it is a directory";
    if ((st.st_mode & kWriteBits) == 0 || ::access(path.c_str(), W_OK) != 0) return "the file is read-only";
  }
  const std::string dir = Directory(path).empty() ? std::string(".") : Directory(path);
  if (::stat(dir.c_str(), &st) != 0) return std::strerror(errno);
  if (!S_ISDIR(st.st_mode)) return "its folder is not a directory";
  if ((st.st_mode & kWriteBits) == 0 || ::access(dir.c_str(), W_OK | X_OK) != 0) return "its folder is read-only";
  return std::string();
}

}  // namespace pave
