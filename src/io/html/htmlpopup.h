#pragma once
// The head of the HTML page: title and character set, the script Link_01 that opens the
// pop-up window with a frame's details, and the style sheet of the table's cells.

#include <string>
#include <vector>

namespace mv {

// The head's lines in Shift-JIS, without line ends; `background` colours the pop-up's page.
std::vector<std::string> HtmlHeadLines(int background, bool dateDisplay);

}  // namespace mv
