#include "common/free_format_reader.h"

#include <cmath>
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
  if (eof != std::string::npos) data_.resize(eof);
  if (data_.size() >= 3 && data_.compare(0, 3, "\xEF\xBB\xBF") == 0) pos_ = 3;
}

FreeFormatReader FreeFormatReader::FromFile(const std::filesystem::path& path) {
  // Only a regular file has an end: a named pipe or a device (a link to /dev/zero) would be read
  // without end, or would wait for a writer before it even opens.
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) throw DataError("not a regular file: " + path.string());
  std::ifstream in(path, std::ios::binary);
  if (!in) throw DataError("cannot open " + path.string());
  std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw DataError("cannot read " + path.string());
  return FreeFormatReader(std::move(content));
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

std::string FreeFormatReader::Where(std::size_t at) const { return "line " + std::to_string(LineAt(at)); }

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
  if (pos_ >= data_.size()) throw DataError("end of data reached where a number was expected");
  const std::size_t start = pos_;
  if (data_[pos_] == ',') throw DataError(Where(start) + ": empty item where a number was expected");
  std::string token = data_[pos_] == '"' ? QuotedText() : NumberToken();
  if (pos_ > start && data_[start] != '"') EndItem();
  const std::optional<double> value = ParseNumber(token);
  if (!value) throw DataError(Where(start) + ": \"" + token + "\" is not a number");
  return *value;
}

float FreeFormatReader::ReadSingle() {
  SkipBlanksAndLineEnds();
  const std::size_t start = pos_;
  const double v = ReadNumber();
  if (std::fabs(v) > static_cast<double>(std::numeric_limits<float>::max())) {
    throw DataError(Where(start) + ": number too large for single precision");
  }
  return static_cast<float>(v);
}

std::int16_t FreeFormatReader::ReadInt16() {
  SkipBlanksAndLineEnds();
  const std::size_t start = pos_;
  const double v = ReadNumber();
  const double whole = std::nearbyint(v);  // halves to even
  if (!(whole >= -32768.0 && whole <= 32767.0)) {
    throw DataError(Where(start) + ":" + Str(v) + " is outside -32768..32767");
  }
  return static_cast<std::int16_t>(whole);
}

std::string FreeFormatReader::ReadText() {
  SkipBlanks();
  if (pos_ >= data_.size()) throw DataError("end of data reached where a text was expected");
  if (data_[pos_] == '"') return QuotedText();
  return PlainText();
}

Value FreeFormatReader::ReadValue() {
  SkipBlanksAndLineEnds();
  if (pos_ >= data_.size()) throw DataError("end of data reached where a value was expected");
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
  if (pos_ >= data_.size()) throw DataError("end of data reached where a line was expected");
  const std::size_t start = pos_;
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

int FreeFormatReader::LineAt(std::size_t at) const {
  int line = 1;
  const std::size_t end = at < data_.size() ? at : data_.size();
  for (std::size_t i = 0; i < end; ++i) {
    if (data_[i] == '\n' || (data_[i] == '\r' && (i + 1 >= data_.size() || data_[i + 1] != '\n'))) ++line;
  }
  return line;
}

}  // namespace pave
