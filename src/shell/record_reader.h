// Reading an editor's data file record by record (both input editors use it for File Old): the
// free-format items of the file, with the data set and the record being read kept at hand, so that
// a read that fails can tell the user where (file, data set, record) and why. Counts are read as
// whole numbers inside their index range before anything is indexed with them.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "common/free_format_reader.h"
#include "common/value.h"

namespace pave {

// A read that could not be done; where() names the data set and record ("data set 2, record
// (11) E"), reason() what went wrong.
class RecordReadError : public std::runtime_error {
 public:
  RecordReadError(std::string where, std::string reason)
      : std::runtime_error(where + ": " + reason), where_(std::move(where)), reason_(std::move(reason)) {}
  const std::string& where() const { return where_; }
  const std::string& reason() const { return reason_; }

 private:
  std::string where_;
  std::string reason_;
};

// The message for a file that is not a data file of the editor.
inline constexpr const char* kWrongFileMessage =
    "Input file is wrong.  Please click File & Old again and select a different file.";

// A file whose structure is wrong: the message is shown as it stands, and the editor is left
// without a loaded file.
class FileRejected : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class RecordReader {
 public:
  explicit RecordReader(FreeFormatReader& in) : in_(in) {}

  // The data set now read (0 before the first) and the record now read ("(11) E").
  void DataSet(int set) { set_ = set; }
  void Record(std::string record) { record_ = std::move(record); }
  std::string Where() const;

  Value ReadNumberValue();      // a number as read; an item that is no number fails the read
  Value ReadValue();            // a number as read, or else a text item (to the next comma or line end)
  double ReadNumber();
  float ReadSingle();
  std::int16_t ReadInt16();
  std::string ReadText();       // a text item
  // Record (2), the title: the whole line without the blanks around it. A title that holds a comma or
  // begins with a double quote is thus taken as the file holds it (not cut short, and the records
  // after it read as they stand), and the editor refuses it until it is corrected.
  std::string ReadTitle();
  std::string ReadIdentifier(); // the record's identifier, as read (leading blanks skipped)

  // A count: a whole number from `low` to `high`; otherwise the read fails, naming the count.
  int ReadCount(const std::string& name, int low, int high);
  // The same test on a count already read.
  int CheckCount(const std::string& name, double value, int low, int high) const;

  [[noreturn]] void Fail(const std::string& reason) const;

 private:
  template <class F>
  auto Guard(F f) -> decltype(f());

  FreeFormatReader& in_;
  int set_ = 0;
  std::string record_;
};

// The message that tells the user a file could not be read completely.
std::string IncompleteReadMessage(const std::string& file, const RecordReadError& error);

}  // namespace pave
