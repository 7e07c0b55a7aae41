#pragma once
// The HTML page of the shown dates: the head with the pop-up script and the style sheet,
// then one table with heading rows, a row per time boundary of the cell model and footing
// rows. Shift-JIS, every line ended by CR LF, returned whole so that it is written once.

#include <filesystem>
#include <string>

#include "io/html/htmlsource.h"

namespace mv {

class Host;

// The page's bytes.
std::string BuildHtmlPage(const HtmlSource& source);

// "#RRGGBB" of a stored colour 0x00BBGGRR.
std::string HtmlColour(int colour);
// "H:MM" of a time HHMM, hours of 24 and more less 24.
std::string HtmlClock(int hhmm);

// Writes the page through the program's one safe writer: whole or not at all. False when
// it could not be written.
bool WriteHtmlPage(const std::filesystem::path& path, const std::string& page, Host& host);

}  // namespace mv
