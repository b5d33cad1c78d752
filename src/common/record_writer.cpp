#include "common/record_writer.h"

#include "common/line_writer.h"
#include "common/number_format.h"

namespace pave {

void RecordWriter::Plain(const Value& v) { text_ += v.Printed(); }
void RecordWriter::Plain(float v) { text_ += GenNum(v); }
void RecordWriter::Plain(double v) { text_ += GenNum(v); }
void RecordWriter::Plain(std::int16_t v) { text_ += GenNum(v); }

void RecordWriter::Spaced(const Value& v) {
  Plain(v);
  text_ += ' ';
}
void RecordWriter::Spaced(float v) {
  Plain(v);
  text_ += ' ';
}
void RecordWriter::Spaced(double v) {
  Plain(v);
  text_ += ' ';
}
void RecordWriter::Spaced(std::int16_t v) {
  Plain(v);
  text_ += ' ';
}

void RecordWriter::End(std::string_view identifier) {
  text_ += identifier;
  text_ += kCrLf;
}

void RecordWriter::Line(std::string_view text) {
  text_ += text;
  text_ += kCrLf;
}

}  // namespace pave
