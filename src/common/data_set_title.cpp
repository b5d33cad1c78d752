#include "common/data_set_title.h"

namespace pave {

namespace {
constexpr const char* kBlanks = " \t";
}

bool BeginsWithQuote(const std::string& title) {
  const std::size_t first = title.find_first_not_of(kBlanks);
  return first != std::string::npos && title[first] == '"';
}

std::optional<std::string> TitleRefusal(const std::string& title) {
  if (title.find(',') != std::string::npos) return "No comma should be used in TITLE";
  if (BeginsWithQuote(title)) return "TITLE should not begin with a double quote";
  return std::nullopt;
}

std::string TitleAsWritten(const std::string& title) {
  const std::size_t first = title.find_first_not_of(kBlanks);
  if (first == std::string::npos) return std::string();
  return title.substr(first, title.find_last_not_of(kBlanks) - first + 1);
}

std::string TitleCommaStop(int line) {
  return "No comma should be used for TITLE (LINE " + std::to_string(line) + ") and use semicolon instead.";
}

TitleRecord ReadTitleRecord(FreeFormatReader& in) {
  const int lineNumber = in.Line();
  const std::string line = in.ReadLine();
  TitleRecord record;
  if (BeginsWithQuote(line)) {
    record.title = TitleAsWritten(line);
    record.refusal = "The TITLE in line " + std::to_string(lineNumber) + ", " + ShownItem(record.title, 80) +
                     ", begins with a double quote, which would cut it to the quoted text. TITLE should not begin "
                     "with a double quote, so computation stops.";
    return record;
  }
  const std::size_t comma = line.find(',');
  record.title = TitleAsWritten(line.substr(0, comma));
  if (comma != std::string::npos) record.refusal = TitleCommaStop(lineNumber);
  return record;
}

}  // namespace pave
