#include "shell/editor_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/data_file_name.h"
#include "common/safe_file_write.h"
#include "common/text_compare.h"
#include "shell/directory_of.h"

namespace pave {

namespace fs = std::filesystem;

EditorFileType EditorFileTypeOf(int filter_index) {
  if (filter_index == 2) return EditorFileType::Data;
  if (filter_index == 1) return EditorFileType::All;
  return EditorFileType::Text;
}

int EditorFilterIndexFor(const std::string& file_name) {
  const std::string name = UpperCase(BareName(file_name));
  if (name.empty()) return kEditorFilterIndex;
  auto ends = [&](const char* extension) { return name.size() > 4 && name.compare(name.size() - 4, 4, extension) == 0; };
  if (ends(".DAT")) return 2;
  if (ends(".TXT")) return 3;
  return 1;
}

std::string OpenedFileName(const std::string& chosen, EditorFileType type) {
  std::error_code error;
  if (fs::exists(chosen, error)) return chosen;
  if (type == EditorFileType::All) return FileInAnyCase(chosen);
  const std::string name = BareName(chosen);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot != 0) return FileInAnyCase(chosen);
  return FileInAnyCase(chosen + (type == EditorFileType::Text ? ".txt" : ".dat"));
}

namespace {

bool ValidUtf8(const std::string& s) {
  std::size_t i = 0;
  while (i < s.size()) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    std::size_t extra;
    if (c < 0x80) {
      extra = 0;
    } else if (c >= 0xC2 && c <= 0xDF) {
      extra = 1;
    } else if (c >= 0xE0 && c <= 0xEF) {
      extra = 2;
    } else if (c >= 0xF0 && c <= 0xF4) {
      extra = 3;
    } else {
      return false;
    }
    if (i + extra >= s.size() && extra > 0) return false;
    for (std::size_t k = 1; k <= extra; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    i += extra + 1;
  }
  return true;
}

std::string Latin1ToUtf8(const std::string& s) {
  std::string out;
  out.reserve(s.size());
  for (char ch : s) {
    unsigned char c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out += ch;
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

// Latin-1 bytes of a UTF-8 text; false when it holds a character outside Latin-1.
bool Utf8ToLatin1(const std::string& s, std::string& out) {
  out.clear();
  for (std::size_t i = 0; i < s.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      out += s[i];
    } else if ((c == 0xC2 || c == 0xC3) && i + 1 < s.size()) {
      out += static_cast<char>(((c & 0x03) << 6) | (static_cast<unsigned char>(s[i + 1]) & 0x3F));
      ++i;
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace

EditorText EditorTextFromBytes(const std::string& bytes) {
  EditorText content;
  content.latin1 = !ValidUtf8(bytes);
  std::string text = content.latin1 ? Latin1ToUtf8(bytes) : bytes;
  content.text.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      content.text += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      content.text += text[i];
    }
  }
  return content;
}

ReadOutcome ReadEditorFile(const std::string& path) {
  ReadOutcome outcome;
  std::error_code error;
  if (fs::is_directory(path, error)) {
    outcome.reason = "it is a directory";
    return outcome;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    outcome.reason = std::strerror(errno);
    return outcome;
  }
  std::uintmax_t size = fs::file_size(path, error);
  if (!error && size > kEditorMaxFileBytes) {
    outcome.too_long = true;
    return outcome;
  }
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) {
    outcome.reason = "read error";
    return outcome;
  }
  outcome.content = EditorTextFromBytes(bytes.str());
  outcome.ok = true;
  return outcome;
}

std::string EditorFileBytes(const EditorText& content) {
  std::string encoded;
  if (!content.latin1 || !Utf8ToLatin1(content.text, encoded)) encoded = content.text;
  std::string bytes;
  bytes.reserve(encoded.size() + encoded.size() / 40 + 2);
  for (char c : encoded) {
    if (c == '\n') bytes += '\r';
    bytes += c;
  }
  if (!bytes.empty() && bytes.back() != '\n') bytes += "\r\n";
  return bytes;
}

bool WriteEditorFile(const std::string& path, const EditorText& content, std::string& reason) {
  return WriteFileSafely(path, EditorFileBytes(content), reason);
}

std::string TooLongMessage(const std::string& name) {
  return "File " + name +
         " is too long and the full text cannot be read by this editor.  Please use some other "
         "editors or word processors to read it.";
}

std::string CannotReadMessage(const std::string& name, const std::string& reason) {
  return "File " + name + " cannot be read (" + reason + ").";
}

std::string CannotWriteMessage(const std::string& name, const std::string& reason) {
  return "File " + name + " cannot be written (" + reason + ").  Your text is not saved.";
}

}  // namespace pave
