#include "common/line_writer.h"

#include "common/number_format.h"

namespace pave {

std::string CrLfLines(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) {
    text += line;
    text += kCrLf;
  }
  return text;
}

LineWriter::LineWriter(std::ostream& out) : out_(out) {}

LineWriter& LineWriter::Text(std::string_view s) {
  out_ << s;
  if (!s.empty()) last_ = s.back();
  for (char c : s) {
    if (c == '\n' || c == '\r') {
      column_ = 1;
    } else {
      ++column_;
    }
  }
  return *this;
}

LineWriter& LineWriter::Number(const std::string& text) {
  const bool after_digits = (last_ >= '0' && last_ <= '9') || last_ == '.';
  if (after_digits && !text.empty() && text.front() == '-') Text(" ");
  return Text(text);
}

LineWriter& LineWriter::Num(float v) { return Number(GenNum(v)); }
LineWriter& LineWriter::Num(double v) { return Number(GenNum(v)); }
LineWriter& LineWriter::Num(std::int16_t v) { return Number(GenNum(v)); }
LineWriter& LineWriter::Num(int v) { return Number(GenNum(v)); }
LineWriter& LineWriter::Num(long v) { return Number(GenNum(v)); }

LineWriter& LineWriter::Zone() {
  constexpr int kZone = 14;
  const int used = column_ - 1;
  const int next = (used / kZone + 1) * kZone;
  return Text(std::string(next - used, ' '));
}

LineWriter& LineWriter::Tab(int column) {
  if (column > column_) return Text(std::string(column - column_, ' '));
  if (column < column_) return Text(" ");
  return *this;
}

LineWriter& LineWriter::End() {
  out_ << kCrLf;
  column_ = 1;
  last_ = '\n';
  return *this;
}

ListWriter::ListWriter(LineWriter& w, int startCount, int limit, Rule rule)
    : w_(w), count_(startCount), limit_(limit), rule_(rule) {}

int ListWriter::Increment(const std::string& str) const {
  const int len = static_cast<int>(str.size());
  if (rule_ == Rule::PointCountsTwice && str.find('.') != std::string::npos) return len + 2;
  return len + 1;
}

void ListWriter::Advance(int increment) {
  count_ += increment;
  if (count_ > limit_) {
    w_.End();
    count_ = 0;
  }
}

void ListWriter::Add(float v) {
  Advance(Increment(Str(v)));
  w_.Num(v);
}

void ListWriter::Add(double v) {
  Advance(Increment(Str(v)));
  w_.Num(v);
}

void ListWriter::Add(std::int16_t v) {
  Advance(Increment(Str(v)));
  w_.Num(v);
}

void ListWriter::Add(int v) {
  Advance(Increment(Str(v)));
  w_.Num(v);
}

namespace {

template <typename T>
void WriteListOf(LineWriter& w, std::string_view heading, std::span<const T> values, int startCount) {
  w.Text(heading);
  ListWriter list(w, startCount);
  for (const T& v : values) list.Add(v);
  list.End();
}

}  // namespace

void WriteList(LineWriter& w, std::string_view heading, const std::vector<float>& values, int startCount) {
  WriteListOf<float>(w, heading, values, startCount);
}

void WriteList(LineWriter& w, std::string_view heading, std::span<const float> values, int startCount) {
  WriteListOf<float>(w, heading, values, startCount);
}

void WriteIntegerList(LineWriter& w, std::string_view heading, std::span<const std::int16_t> values,
                      int startCount) {
  WriteListOf<std::int16_t>(w, heading, values, startCount);
}

}  // namespace pave
