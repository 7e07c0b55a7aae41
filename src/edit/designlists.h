#pragma once
// Where the design has frames: the days holding any (with the first title of each) and the
// count of each month; and all frames of whole months deleted. Read from the stored lines,
// so the caller stores the shown dates first.

#include <array>
#include <string>
#include <vector>

#include "edit/editcontext.h"

namespace mv {

class Dialogs;

struct DesignDays {
    std::vector<std::string> items;  // UTF-8; a line of "-" between months
    int days = 0;
    long long frames = 0;
    std::string countText;           // "12日 (1,200個)"
};
DesignDays ListDesignDays(const LineStore& store);

// The month and day of a day item; nothing for a separator or a text of another form.
std::optional<std::pair<int, int>> MonthDayOfItem(const std::string& item);

// The lines of each month, January first.
std::array<long long, 12> FramesPerMonth(const LineStore& store);
// "    03 月   .....   1,234 個"
std::string MonthItemText(int month, long long frames);

// Asks, then empties each month (1 to 12) of the design year, one undo step a month. False
// when cancelled or nothing was chosen.
bool DeleteMonths(EditContext& context, Dialogs& dialogs, const std::vector<int>& months);

}  // namespace mv
