// The title of a data set (record (2) of both data files) as the editors take it and write it. Every
// reader takes the title as a text item: from its first non-blank character to a comma or the line
// end, without the blanks at its end, and a double quote at its start opens a quoted text whose
// quotes it drops. So the file cannot hold a comma in a title, a double quote at its start, or blanks
// around it.
#pragma once

#include <optional>
#include <string>

#include "common/free_format_reader.h"

namespace pave {

// True when the first character that is not a blank is a double quote.
bool BeginsWithQuote(const std::string& title);

// Why a typed title cannot be kept in the file ("No comma should be used in TITLE", "TITLE should not
// begin with a double quote"), or nothing.
std::optional<std::string> TitleRefusal(const std::string& title);

// The title as the file holds it: without the blanks around it, which no reader keeps, so that the
// file reads back as it was saved.
std::string TitleAsWritten(const std::string& title);

// The stop of the analysis programs for a title line that holds a comma, naming the line:
// "No comma should be used for TITLE (LINE 2) and use semicolon instead.".
std::string TitleCommaStop(int line);

// Record (2) as the analysis programs read it: the whole line. `title` is the text before the first
// comma without the blanks around it, or the whole line when it begins with a double quote.
// `refusal` is the message of the stop when the programs cannot analyse under the title (empty
// otherwise): a comma, after which the rest of the line would be read as the next record, or a
// double quote at the start, which would cut the title to the quoted text.
struct TitleRecord {
  std::string title;
  std::string refusal;
};
TitleRecord ReadTitleRecord(FreeFormatReader& in);

}  // namespace pave
