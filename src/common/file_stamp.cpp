#include "common/file_stamp.h"

#include <sys/stat.h>

#include <fstream>
#include <functional>
#include <iterator>

namespace pave {

FileStamp StampOf(const std::string& path) {
  FileStamp stamp;
  struct stat st {};
  if (path.empty() || ::stat(path.c_str(), &st) != 0) return stamp;
  stamp.exists = true;
  stamp.device = static_cast<std::uint64_t>(st.st_dev);
  stamp.inode = static_cast<std::uint64_t>(st.st_ino);
  stamp.size = static_cast<std::int64_t>(st.st_size);
  stamp.seconds = static_cast<std::int64_t>(st.st_mtim.tv_sec);
  stamp.nanoseconds = static_cast<std::int64_t>(st.st_mtim.tv_nsec);
  if (!S_ISREG(st.st_mode)) return stamp;
  std::ifstream in(path, std::ios::binary);
  if (!in) return stamp;
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return stamp;
  stamp.readable = true;
  stamp.size = static_cast<std::int64_t>(bytes.size());
  stamp.hash = std::hash<std::string>{}(bytes);
  return stamp;
}

bool ChangedSince(const FileStamp& before, const FileStamp& now) {
  if (!now.exists) return false;
  if (!before.exists) return true;
  if (before.readable && now.readable) return before.size != now.size || before.hash != now.hash;
  return before.device != now.device || before.inode != now.inode || before.size != now.size ||
         before.seconds != now.seconds || before.nanoseconds != now.nanoseconds;
}

}  // namespace pave
