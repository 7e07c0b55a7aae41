#pragma once
// The HTML source of a laid-out design view. The page always shows the lanes of the
// automatic placement: they are computed here on copies of the view's boxes, so the view
// the user sees keeps its own placement and is never redrawn for the conversion.

#include <string>
#include <vector>

#include "io/html/htmlsource.h"
#include "model/holidaytable.h"
#include "model/settings.h"
#include "platform/host.h"
#include "view/geometry/framelayout.h"
#include "view/geometry/viewlayout.h"

namespace mv {

// What of the view's state the page shows.
struct HtmlViewState {
    bool timeDisplay = true;
    bool dateDisplay = true;
    int editKind = 0;
    std::string title;         // the design title, Shift-JIS
    std::string creationText;  // HtmlCreationText, or empty
};

// "YYYY/MM/DD　HH:NN:SS" in Shift-JIS.
std::string HtmlCreationText(const ClockTime& now);

// The colour of a date's heading cells: the weekday's, a holiday's while dates are shown.
int HtmlHeadingColour(const Date& date, const HolidayTable& holidays, bool dateDisplay);

// The source of the page from the view's layout and the boxes of its shown dates (in any
// placement; the frames they point to must be alive), with the page settings.
HtmlSource HtmlSourceFromView(const ViewLayout& layout, const std::vector<DayBoxes>& days, const HtmlViewState& state,
                              const EnvSettings& settings, const HolidayTable& holidays);

}  // namespace mv
