#include "shell/record_reader.h"

#include <cmath>

#include "common/data_set_title.h"
#include "common/fixed_table.h"
#include "common/number_format.h"

namespace pave {

std::string RecordReader::Where() const {
  std::string where = set_ > 0 ? "data set" + Str(set_) : std::string("the start of the file");
  if (!record_.empty()) where += ", record " + record_;
  return where;
}

void RecordReader::Fail(const std::string& reason) const { throw RecordReadError(Where(), reason); }

template <class F>
auto RecordReader::Guard(F f) -> decltype(f()) {
  try {
    return f();
  } catch (const DataError& e) {
    Fail(in_.Eof() || in_.AtEnd() ? "the file ends before this record" : e.what());
  } catch (const TableIndexError& e) {
    Fail(e.what());
  }
}

Value RecordReader::ReadNumberValue() { return Value(ReadNumber()); }
Value RecordReader::ReadValue() { return Guard([&] { return in_.ReadValue(); }); }
double RecordReader::ReadNumber() { return Guard([&] { return in_.ReadNumber(); }); }
float RecordReader::ReadSingle() { return Guard([&] { return in_.ReadSingle(); }); }
std::int16_t RecordReader::ReadInt16() { return Guard([&] { return in_.ReadInt16(); }); }
std::string RecordReader::ReadText() { return Guard([&] { return in_.ReadText(); }); }
std::string RecordReader::ReadIdentifier() { return ReadText(); }
std::string RecordReader::ReadTitle() { return Guard([&] { return TitleAsWritten(in_.ReadLine()); }); }

int RecordReader::CheckCount(const std::string& name, double value, int low, int high) const {
  if (!(value >= low && value <= high) || std::floor(value) != value) {
    Fail(name + " is" + Str(value) + ", which is not a whole number from" + Str(low) + " to" + Str(high));
  }
  return static_cast<int>(value);
}

int RecordReader::ReadCount(const std::string& name, int low, int high) {
  return CheckCount(name, ReadNumber(), low, high);
}

std::string IncompleteReadMessage(const std::string& file, const RecordReadError& error) {
  return "The file " + file + " could not be read completely: " + error.where() + ": " + error.reason() +
         ".  What was read before it is kept.  Please correct the file or check the data before saving.";
}

}  // namespace pave
