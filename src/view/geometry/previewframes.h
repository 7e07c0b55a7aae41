#pragma once
// The fast preview of a date step draws each date's frames straight from the stored lines,
// without building frame objects: only date, times, fill and title are read.

#include <string>
#include <vector>

#include "model/linestore.h"

namespace mv {

struct PreviewFrame {
    int start = 0, end = 0;  // HHMM as displayed (packed in the pack display)
    int fill = 0;            // Ci_WakuBC
    std::string title;       // Ci_Title (or the first field's text), trailing breaks removed
};

// The frames stored for a date's month and day, in line order; with pack, their times are
// the pack display's one-hour blocks in start order.
std::vector<PreviewFrame> PreviewFramesOf(const LineStore& store, const Date& date, bool pack);

}  // namespace mv
