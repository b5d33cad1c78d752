#include "common/safe_file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

namespace pave {

namespace {

std::string Directory(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// `path` as messages name it: its folders' links, "." and ".." resolved where they can be; a folder
// keeps its final "/".
std::string Resolved(const std::string& path) {
  const bool folder = !path.empty() && path.back() == '/';
  const std::string dir = folder ? path : Directory(path);
  char* real = ::realpath(dir.empty() ? "." : dir.c_str(), nullptr);
  if (!real) return path;
  std::string resolved(real);
  std::free(real);
  if (resolved.back() != '/') resolved += '/';
  return folder ? resolved : resolved + path.substr(dir.size());
}

// The file `path` names: symbolic links followed, link by link, to the file at the end of the chain.
// A relative link is read from the folder that holds the link; a link that points at nothing names
// the file it would point at, which a write then makes. False, with the reason, for a chain that
// does not end (a loop) or a link that cannot be read.
bool FollowLinks(const std::string& path, std::string& target, std::string& reason) {
  constexpr int kMaxLinks = 40;   // as many as the system itself follows in one path
  target = path;
  for (int links = 0;; ++links) {
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
    if (links == kMaxLinks) {
      reason = std::strerror(ELOOP);
      return false;
    }
    std::vector<char> chars(PATH_MAX);
    const ssize_t n = ::readlink(target.c_str(), chars.data(), chars.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= chars.size()) {
      reason = std::strerror(n < 0 ? errno : n == 0 ? ENOENT : ENAMETOOLONG);
      return false;
    }
    const std::string_view to(chars.data(), static_cast<std::size_t>(n));
    target = to.front() == '/' ? std::string(to) : Directory(target) + std::string(to);
  }
}

// Writes `bytes` into the open file `fd` in place, from its start, and cuts it to their length. The
// room beyond the old end is taken before the first byte is written, so that a full disk stops the
// write before the file is touched.
bool WriteInto(int fd, const std::string& bytes, off_t old_size, std::string& reason) {
  const off_t size = static_cast<off_t>(bytes.size());
  if (size > old_size) {
    const int error = ::posix_fallocate(fd, old_size, size - old_size);
    if (error != 0 && error != EOPNOTSUPP && error != EINVAL) {
      (void)!::ftruncate(fd, old_size);
      reason = std::strerror(error);
      return false;
    }
  }
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::pwrite(fd, bytes.data() + written, bytes.size() - written, static_cast<off_t>(written));
    if (n < 0) {
      if (errno == EINTR) continue;
      reason = std::strerror(errno);
      return false;
    }
    written += static_cast<std::size_t>(n);
  }
  if (::ftruncate(fd, size) != 0 || ::fsync(fd) != 0) {
    reason = std::strerror(errno);
    return false;
  }
  return true;
}

// Reads the whole file `path`; false when it cannot be read.
bool ReadAll(const std::string& path, std::string& bytes) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  bytes.clear();
  char buffer[65536];
  while (true) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ::close(fd);
      return n == 0;
    }
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
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

// A file written beside its target and not yet in its place; removed unless Commit put it there.
//
// The target is the file the path names, symbolic links followed: the temporary file is made beside
// that file and renamed over it, so a link keeps pointing at the file, which gets the new text. A file
// with more than one name (hard links) stays one file: once the whole text is written and flushed in
// the temporary file beside it, Commit writes the text into the file itself, and the temporary file,
// a complete copy until then, goes.
//
// Before the rename, Keep links the old file under a second name, so that Undo can put it back; a
// file written in place keeps its old bytes for Undo instead.
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
    if (!FollowLinks(path, path_, reason)) return false;
    // A read-only file is kept as it is, though its folder would let the rename replace it. Judged
    // by the name the user gave, so that the reason names what a link leads to.
    reason = WhyNotReplaceable(path);
    if (!reason.empty()) return false;
    // A file that exists (not a directory: WhyNotReplaceable refused that) keeps its owner and
    // permissions; a new one gets the usual ones.
    struct stat st {};
    existed_ = ::stat(path_.c_str(), &st) == 0;
    in_place_ = existed_ && S_ISREG(st.st_mode) && st.st_nlink > 1;
    if (in_place_) {
      bytes_ = bytes;
      has_old_ = ReadAll(path_, old_);
    }
    const int fd = CreateBeside(path_, temp_);
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
    if (existed_) {
      (void)!::fchown(fd, st.st_uid, st.st_gid);   // where the user may; the permissions follow it
      ::fchmod(fd, st.st_mode & 07777);
    } else {
      const mode_t mask = ::umask(0);
      ::umask(mask);
      ::fchmod(fd, 0666 & ~mask);
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
    if (!existed_ || in_place_) return;
    for (int attempt = 0; attempt < 5 && kept_.empty(); ++attempt) {
      const std::string name = FreeName(path_);
      if (name.empty()) return;
      if (::link(path_.c_str(), name.c_str()) == 0) kept_ = name;
      else if (errno != EEXIST) return;
    }
  }

  bool Commit(std::string& reason) {
    if (in_place_) return CommitInPlace(reason);
    if (::rename(temp_.c_str(), path_.c_str()) != 0) {
      reason = std::strerror(errno);
      return false;
    }
    temp_.clear();
    return true;
  }

  // Whether a failed Commit left the file other than it was.
  bool Damaged() const { return damaged_; }

  // Puts back what stood in the file's place before Commit: the old file, or no file. False when
  // it cannot.
  bool Undo() {
    if (in_place_) {
      std::string ignored;
      return has_old_ && Rewrite(old_, ignored);
    }
    if (!existed_) return ::unlink(path_.c_str()) == 0;
    if (kept_.empty() || ::rename(kept_.c_str(), path_.c_str()) != 0) return false;
    kept_.clear();
    return true;
  }

 private:
  // Writes `bytes` into the file itself.
  bool Rewrite(const std::string& bytes, std::string& reason) {
    const int fd = ::open(path_.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
      reason = std::strerror(errno);
      return false;
    }
    struct stat st {};
    const off_t old_size = ::fstat(fd, &st) == 0 ? st.st_size : 0;
    const bool written = WriteInto(fd, bytes, old_size, reason);
    if (::close(fd) != 0 && written) {
      reason = std::strerror(errno);
      return false;
    }
    return written;
  }

  bool CommitInPlace(std::string& reason) {
    if (Rewrite(bytes_, reason)) {
      ::unlink(temp_.c_str());
      temp_.clear();
      return true;
    }
    // The old text goes back; where even that fails, the complete new text stays beside the file.
    std::string ignored;
    if (!has_old_ || !Rewrite(old_, ignored)) {
      reason += "; the file may be damaged, and the complete new text is kept in " + temp_;
      temp_.clear();
      damaged_ = true;
    }
    return false;
  }

  std::string path_, temp_, kept_;
  bool existed_ = false;
  bool in_place_ = false;
  std::string bytes_, old_;
  bool has_old_ = false;
  bool damaged_ = false;
};

}  // namespace

bool WriteFileSafely(const std::string& path, const std::string& bytes, std::string& reason, bool* untouched) {
  Replacement r;
  const bool written = r.Prepare(path, bytes, reason) && r.Commit(reason);
  if (untouched) *untouched = !written && !r.Damaged();
  return written;
}

bool WriteFilesSafely(const std::vector<std::pair<std::string, std::string>>& files, std::string& failed,
                      std::string& reason, std::vector<std::string>* replaced, bool* failedUntouched) {
  if (failedUntouched) *failedUntouched = true;
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
      if (failedUntouched) *failedUntouched = !replacements[i].Damaged();
      for (std::size_t j = 0; j < i; ++j) {
        if (!replacements[j].Undo() && replaced) replaced->push_back(files[j].first);
      }
      return false;
    }
  }
  return true;
}

std::string WhyNotReplaceable(const std::string& named) {
  if (named.empty() || named.back() == '/') return "no file name";
  // A link is judged by the file it points at, which the write replaces.
  std::string path, reason;
  if (!FollowLinks(named, path, reason)) return reason;
  if (path.back() == '/') return "no file name";
  // Through a link the file and folder that refuse are the ones it leads to, and are named.
  const bool linked = path != named;
  constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return "it is a directory";
    if ((st.st_mode & kWriteBits) == 0 || ::access(path.c_str(), W_OK) != 0)
      return linked ? "the file it links to, " + Resolved(path) + ", is read-only" : "the file is read-only";
  }
  const std::string dir = Directory(path).empty() ? std::string(".") : Directory(path);
  if (::stat(dir.c_str(), &st) != 0) return std::strerror(errno);
  if (!S_ISDIR(st.st_mode)) return "its folder is not a directory";
  if ((st.st_mode & kWriteBits) == 0 || ::access(dir.c_str(), W_OK | X_OK) != 0)
    return linked ? "the folder " + Resolved(dir) + " that holds the file it links to is read-only"
                  : "its folder is read-only";
  return std::string();
}

}  // namespace pave
