// Free-format reading of the data files, the graph files and "DataPath": leading blanks are skipped;
// a number ends at a blank, a comma or the end of a line; a text item (a title, an identifier) runs
// from its first non-blank character to the next comma or the end of the line; line ends otherwise
// separate items like blanks. CR LF, LF and CR line ends are accepted.
//
// Each item consumes its separator: the blanks after it and then one comma, or else the line end
// that follows. So a number that ends a line leaves the reader at the start of the next line, and a
// text read there takes that line (an empty line reads as an empty text, never as the next line).
// A text item that begins with a double quote runs to the closing quote. A Ctrl-Z ends the data; a
// leading UTF-8 byte-order mark is skipped.
#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <unordered_map>

#include "common/line_counter.h"
#include "common/value.h"

namespace pave {

// A read that cannot be done: the file cannot be opened, the end of the data is reached, an item is
// not a number, or a number does not fit its type. Programs turn it into their data-error message.
// what() says where: "line 10: "74x000" is not a number", "line 14: the data end after record (9),
// where more data were expected", "/data/X.DAT does not exist", "/data/X.DAT holds no data".
class DataError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An item of a file as a message quotes it, within its double quotes: a control character (a NUL, a
// tab, an escape) shown as "?", and a long item cut to its first 40 characters and "...", so that a
// message stays one readable line whatever the file holds.
std::string QuotedItem(const std::string& item);
// The same without the quotes, cut to its first `longest` characters.
std::string ShownItem(const std::string& item, std::size_t longest);

class FreeFormatReader {
 public:
  explicit FreeFormatReader(std::string content);
  // Reads the whole file; throws DataError when it cannot be opened or is not a regular file.
  static FreeFormatReader FromFile(const std::filesystem::path& path);

  // Next item as a number; throws DataError at the end of the data or when the item is not a number.
  double ReadNumber();
  float ReadSingle();            // ReadNumber rounded to single precision; DataError beyond its range
  // ReadNumber rounded to a whole number (halves to the even number, 2.5 -> 2); DataError outside
  // -32768..32767.
  std::int16_t ReadInt16();
  // Next text item: from its first non-blank character to the next comma or the end of the line
  // (the comma is consumed, trailing blanks removed). Throws DataError at the end of the data.
  std::string ReadText();
  // Reads one record identifier (a text item) and drops it.
  void SkipIdentifier() { (void)ReadText(); }
  // Next item as a Value: a number when the item up to a blank, comma or line end reads as one,
  // else a text item (to the next comma or line end); an empty item before a comma is empty.
  Value ReadValue();

  // The rest of the current line as it stands (blanks kept, no line end), then the reader stands at
  // the start of the next line. Throws DataError when nothing at all remains (Eof).
  std::string ReadLine();

  // Passes over the current line when nothing but blanks stands on it (the empty line a writer puts
  // for an empty list); true when it did. A line holding anything else is left as it is.
  bool SkipEmptyLine();

  // True when only blanks and line ends remain.
  bool AtEnd() const;
  // True when nothing at all remains, not even a line end.
  bool Eof() const { return pos_ >= data_.size(); }
  // 1-based line number of the reading position, for messages.
  int Line() const;
  // The line of the last item read (1 before the first), and that item as the file has it: the place
  // a check of a value read earlier names.
  int LastLine() const { return LineAt(last_item_); }
  std::string LastItem() const { return ItemAt(last_item_); }

  // Reads the next number into `into` (in the precision of its type) and keeps the line it stands
  // in, for a check of that value made later to name.
  void Read(float& into) {
    into = ReadSingle();
    Keep(into);
  }
  void Read(double& into) {
    into = ReadNumber();
    Keep(into);
  }
  void Read(std::int16_t& into) {
    into = ReadInt16();
    Keep(into);
  }
  // Keeps the line of the last item read as that of `value`, which was read from it another way.
  template <class T>
  void Keep(const T& value) { lines_[&value] = LastLine(); }
  // The line a value was read from by Read (or kept by Keep); 0 for a value not read so.
  int LineOf(const void* value) const;

 private:
  void SkipBlanks();
  void SkipBlanksAndLineEnds();
  void SkipLineEnd();
  void EndItem();  // blanks, then one comma or one line end
  std::string NumberToken();
  std::string QuotedText();
  std::string PlainText();
  int LineAt(std::size_t at) const;
  std::string Where(std::size_t at) const;
  std::string ItemAt(std::size_t at) const;  // the item's text from `at` to its separator
  std::string EndOfData() const;             // where the data end, for the message
  void NoteRecord(const std::string& text);  // keeps the number of a record identifier read

  std::string data_;
  std::size_t pos_ = 0;
  bool cut_at_ctrl_z_ = false;
  std::string last_record_;  // "(9)": the last record identifier read
  std::size_t last_item_ = 0;  // where the last item read begins
  std::unordered_map<const void*, int> lines_;  // the lines of the values read by Read
  // Counts the line ends up to the places asked for as the reader moves on: asking for the line of
  // each item costs the distance from the last place asked for, not a count from the file's start.
  mutable LineCounter line_counter_;
  std::string name_;           // the file read, when it was read from one
};

}  // namespace pave
