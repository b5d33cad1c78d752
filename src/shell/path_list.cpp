#include "shell/path_list.h"

#include "common/text_compare.h"

namespace pave {

const std::string& PathList::operator()(int i) const {
  static const std::string empty;
  if (i < 1 || i > n_) return empty;
  return places_[static_cast<std::size_t>(i)];
}

void PathList::ReadDataPath(std::string_view content,
                            const std::function<bool(const std::string&)>& usable) {
  places_.fill(std::string());
  n_ = 0;
  std::size_t pos = 0;
  while (pos < content.size() && n_ < kStartupLines) {
    std::size_t end = content.find('\n', pos);
    std::string_view line = content.substr(pos, end == std::string_view::npos ? end : end - pos);
    pos = end == std::string_view::npos ? content.size() : end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (usable && !usable(std::string(line))) continue;
    ++n_;
    places_[static_cast<std::size_t>(n_)] = std::string(line);
    if (n_ != 1 && EqualsIgnoringCase(line, places_[1])) {
      places_[static_cast<std::size_t>(n_)].clear();
      --n_;
    }
  }
}

PathList::Confirmation PathList::Confirm(const std::string& box_text) {
  Confirmation result;
  if (EqualsIgnoringCase(box_text, (*this)(1))) return result;
  result.added = true;
  ++n_;
  for (int i = n_; i >= 1; --i) places_[static_cast<std::size_t>(i + 1)] = places_[static_cast<std::size_t>(i)];
  places_[1] = box_text;
  for (int k = 2; k <= n_; ++k) {
    if (places_[static_cast<std::size_t>(k)] == places_[1]) {
      result.removed_position = k;
      --n_;
      for (int i = k; i <= n_; ++i) places_[static_cast<std::size_t>(i)] = places_[static_cast<std::size_t>(i + 1)];
      places_[static_cast<std::size_t>(n_ + 1)].clear();
      break;
    }
  }
  if (n_ > kMaxInUse) {
    result.dropped = places_[static_cast<std::size_t>(n_)];
    places_[static_cast<std::size_t>(n_)].clear();
    --n_;
  }
  places_[static_cast<std::size_t>(kPlaces + 1)].clear();
  return result;
}

std::vector<std::string> PathList::ExitLines(const std::string& box_text,
                                             const std::string& data_path) const {
  std::vector<std::string> lines;
  if (!EqualsIgnoringCase(box_text, (*this)(1))) lines.push_back(data_path);
  for (int i = 1; i <= n_; ++i) lines.push_back(places_[static_cast<std::size_t>(i)]);
  return lines;
}

std::string DataPathFileText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace pave
