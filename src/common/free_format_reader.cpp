#include "common/free_format_reader.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>
#include <sstream>

#include "common/number_format.h"
#include "common/numeric_value.h"

namespace pave {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

}  // namespace

FreeFormatReader::FreeFormatReader(std::string content) : data_(std::move(content)) {
  // A Ctrl-Z ends the data (files written on older systems may carry one).
  const std::size_t eof = data_.find('\x1a');
  if (eof != std::string::npos) {
    data_.resize(eof);
    cut_at_ctrl_z_ = true;
  }
  if (data_.size() >= 3 && data_.compare(0, 3, "\xEF\xBB\xBF") == 0) pos_ = 3;
}

FreeFormatReader FreeFormatReader::FromFile(const std::filesystem::path& path) {
  // Only a regular file has an end: a named pipe or a device (a link to /dev/zero) would be read
  // without end, or would wait for a writer before it even opens.
  if (path.empty()) throw DataError("no file is named");
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) throw DataError(path.string() + " does not exist");
  if (!std::filesystem::is_regular_file(path, ec)) throw DataError(path.string() + " is not a regular file");
  std::ifstream in(path, std::ios::binary);
  if (!in) throw DataError(path.string() + " cannot be opened (" + std::strerror(errno) + ")");
  std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw DataError(path.string() + " cannot be read");
  FreeFormatReader reader(std::move(content));
  reader.name_ = path.string();
  return reader;
}

void FreeFormatReader::SkipBlanks() {
  while (pos_ < data_.size() && IsBlank(data_[pos_])) ++pos_;
}

void FreeFormatReader::SkipBlanksAndLineEnds() {
  while (pos_ < data_.size() && (IsBlank(data_[pos_]) || IsLineEnd(data_[pos_]))) ++pos_;
}

void FreeFormatReader::SkipLineEnd() {
  if (pos_ >= data_.size()) return;
  if (data_[pos_] == '\r') {
    ++pos_;
    if (pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
  } else if (data_[pos_] == '\n') {
    ++pos_;
  }
}

void FreeFormatReader::EndItem() {
  SkipBlanks();
  if (pos_ < data_.size() && data_[pos_] == ',') {
    ++pos_;
  } else {
    SkipLineEnd();
  }
}

std::string ShownItem(const std::string& item, std::size_t longest) {
  std::string shown;
  for (std::size_t i = 0; i < item.size() && i < longest; ++i) {
    const unsigned char c = static_cast<unsigned char>(item[i]);
    shown += c < 0x20 || c == 0x7F ? '?' : item[i];
  }
  if (item.size() > longest) shown += "...";
  return shown;
}

std::string QuotedItem(const std::string& item) {
  std::string quoted = "\"";
  quoted += ShownItem(item, 40);
  quoted += '"';
  return quoted;
}

std::string FreeFormatReader::Where(std::size_t at) const { return "line " + std::to_string(LineAt(at)); }

std::string FreeFormatReader::ItemAt(std::size_t at) const {
  std::size_t end = at;
  while (end < data_.size() && !IsBlank(data_[end]) && !IsLineEnd(data_[end]) && data_[end] != ',') ++end;
  return data_.substr(at, end - at);
}

std::string FreeFormatReader::EndOfData() const {
  std::size_t last = data_.size();
  while (last > 0 && (IsLineEnd(data_[last - 1]) || IsBlank(data_[last - 1]))) --last;
  std::size_t content = 0;
  while (content < data_.size() && (IsBlank(data_[content]) || IsLineEnd(data_[content]))) ++content;
  if (content >= data_.size() && !cut_at_ctrl_z_) return (name_.empty() ? "the file" : name_) + " holds no data";
  // A Ctrl-Z ends the data on its own line; otherwise they end on the last line that holds anything.
  const int line = cut_at_ctrl_z_ ? LineAt(data_.size()) : LineAt(last > 0 ? last - 1 : 0);
  std::string text = "line " + std::to_string(line) + ": the data end";
  if (cut_at_ctrl_z_) text += " at a Ctrl-Z";
  if (!last_record_.empty()) text += " after record " + last_record_;
  return text + ", where more data were expected";
}

std::string FreeFormatReader::NumberToken() {
  std::size_t start = pos_;
  while (pos_ < data_.size() && !IsBlank(data_[pos_]) && !IsLineEnd(data_[pos_]) && data_[pos_] != ',') ++pos_;
  return data_.substr(start, pos_ - start);
}

std::string FreeFormatReader::QuotedText() {
  ++pos_;  // opening quote
  const std::size_t start = pos_;
  while (pos_ < data_.size() && data_[pos_] != '"' && !IsLineEnd(data_[pos_])) ++pos_;
  std::string text = data_.substr(start, pos_ - start);
  if (pos_ < data_.size() && data_[pos_] == '"') ++pos_;
  // Anything between the closing quote and the separator is dropped.
  while (pos_ < data_.size() && data_[pos_] != ',' && !IsLineEnd(data_[pos_])) ++pos_;
  EndItem();
  return text;
}

std::string FreeFormatReader::PlainText() {
  const std::size_t start = pos_;
  while (pos_ < data_.size() && data_[pos_] != ',' && !IsLineEnd(data_[pos_])) ++pos_;
  std::size_t end = pos_;
  while (end > start && IsBlank(data_[end - 1])) --end;
  std::string text = data_.substr(start, end - start);
  EndItem();  // the reader stands at the comma or the line end
  return text;
}

double FreeFormatReader::ReadNumber() {
  SkipBlanksAndLineEnds();
  if (pos_ >= data_.size()) throw DataError(EndOfData());
  const std::size_t start = pos_;
  last_item_ = start;
  if (data_[pos_] == ',') throw DataError(Where(start) + ": empty item where a number was expected");
  std::string token = data_[pos_] == '"' ? QuotedText() : NumberToken();
  if (pos_ > start && data_[start] != '"') EndItem();
  const std::optional<double> value = ParseNumber(token);
  if (!value) throw DataError(Where(start) + ": " + QuotedItem(token) + " is not a number");
  return *value;
}

float FreeFormatReader::ReadSingle() {
  SkipBlanksAndLineEnds();
  const std::size_t start = pos_;
  const double v = ReadNumber();
  if (std::fabs(v) > static_cast<double>(std::numeric_limits<float>::max())) {
    throw DataError(Where(start) + ": " + QuotedItem(ItemAt(start)) + " is too large for single precision");
  }
  return static_cast<float>(v);
}

std::int16_t FreeFormatReader::ReadInt16() {
  SkipBlanksAndLineEnds();
  const std::size_t start = pos_;
  const double v = ReadNumber();
  const double whole = std::nearbyint(v);  // halves to even
  if (!(whole >= -32768.0 && whole <= 32767.0)) {
    throw DataError(Where(start) + ": " + QuotedItem(ItemAt(start)) + " is outside -32768..32767");
  }
  return static_cast<std::int16_t>(whole);
}

std::string FreeFormatReader::ReadText() {
  SkipBlanks();
  if (pos_ >= data_.size()) throw DataError(EndOfData());
  last_item_ = pos_;
  std::string text = data_[pos_] == '"' ? QuotedText() : PlainText();
  NoteRecord(text);
  return text;
}

Value FreeFormatReader::ReadValue() {
  SkipBlanksAndLineEnds();
  if (pos_ >= data_.size()) throw DataError(EndOfData());
  last_item_ = pos_;
  if (data_[pos_] == ',') {
    ++pos_;
    return Value();
  }
  if (data_[pos_] == '"') return Value(QuotedText());
  const std::size_t start = pos_;
  const std::string token = NumberToken();
  if (const std::optional<double> number = ParseNumber(token)) {
    EndItem();
    return Value(*number);
  }
  pos_ = start;
  return Value(PlainText());
}

std::string FreeFormatReader::ReadLine() {
  if (pos_ >= data_.size()) throw DataError(EndOfData());
  const std::size_t start = pos_;
  last_item_ = start;
  while (pos_ < data_.size() && !IsLineEnd(data_[pos_])) ++pos_;
  std::string line = data_.substr(start, pos_ - start);
  SkipLineEnd();
  return line;
}

bool FreeFormatReader::SkipEmptyLine() {
  std::size_t at = pos_;
  while (at < data_.size() && IsBlank(data_[at])) ++at;
  if (at >= data_.size() || !IsLineEnd(data_[at])) return false;
  pos_ = at;
  SkipLineEnd();
  return true;
}

bool FreeFormatReader::AtEnd() const {
  for (std::size_t i = pos_; i < data_.size(); ++i) {
    if (!IsBlank(data_[i]) && !IsLineEnd(data_[i])) return false;
  }
  return true;
}

int FreeFormatReader::Line() const { return LineAt(pos_); }

int FreeFormatReader::LineOf(const void* value) const {
  const auto found = lines_.find(value);
  return found == lines_.end() ? 0 : found->second;
}

void FreeFormatReader::NoteRecord(const std::string& text) {
  // A record identifier begins with its number in parentheses: " (11) E".
  if (text.size() < 3 || text[0] != '(') return;
  std::size_t close = 1;
  while (close < text.size() && text[close] >= '0' && text[close] <= '9') ++close;
  if (close > 1 && close < text.size() && text[close] == ')') last_record_ = text.substr(0, close + 1);
}

int FreeFormatReader::LineAt(std::size_t at) const { return line_counter_.LineAt(data_, at); }

}  // namespace pave
