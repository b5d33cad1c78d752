// The title of a data set (record (2) of both data files) as the editors take it and write it. Every
// reader takes the title as a text item: from its first non-blank character to a comma or the line
// end, without the blanks at its end, and a double quote at its start opens a quoted text whose
// quotes it drops. So the file cannot hold a comma in a title, a double quote at its start, or blanks
// around it.
#pragma once

#include <optional>
#include <string>

namespace pave {

// True when the first character that is not a blank is a double quote.
bool BeginsWithQuote(const std::string& title);

// Why a typed title cannot be kept in the file ("No comma should be used in TITLE", "TITLE should not
// begin with a double quote"), or nothing.
std::optional<std::string> TitleRefusal(const std::string& title);

// The title as the file holds it: without the blanks around it, which no reader keeps, so that the
// file reads back as it was saved.
std::string TitleAsWritten(const std::string& title);

}  // namespace pave
