#include "io/html/htmlviewsource.h"

#include <cstdio>
#include <cstdlib>

#include "model/codec.h"
#include "view/geometry/placement.h"
#include "view/geometry/viewcolours.h"

namespace mv {

namespace {

constexpr int kDefaultFieldHeight = 13;

HtmlFrame FrameOf(const FrameBox& box) {
    HtmlFrame frame;
    frame.start = box.start;
    frame.end = box.end;
    frame.lane = box.lane;
    frame.laneCount = box.laneCount;
    if (!box.frame) return frame;
    const TCInf& source = *box.frame;
    frame.colour = source.WakuBC;
    frame.contLink = source.ContLink;
    frame.contents = source.Contents;
    frame.linkUrl = source.LinkURL;
    for (const TFInf& field : source.Fields) {
        const int height = std::abs(field.FTextFH);
        frame.fields.push_back({field.FID, field.FTextStr, height > 0 ? height : kDefaultFieldHeight, field.FTextFC});
    }
    return frame;
}

}  // namespace

std::string HtmlCreationText(const ClockTime& now) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d", now.year, now.month, now.day);
    std::string text = buffer;
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", now.hour, now.minute, now.second);
    return text + Sjis("　") + buffer;
}

int HtmlHeadingColour(const Date& date, const HolidayTable& holidays, bool dateDisplay) {
    if (dateDisplay && holidays.IsHoliday(date)) return colours::kHoliday;
    const int weekday = DayOfWeek(date);
    return weekday == 0 ? colours::kSunday : weekday == 6 ? colours::kSaturday : colours::kFixed;
}

HtmlSource HtmlSourceFromView(const ViewLayout& layout, const std::vector<DayBoxes>& days, const HtmlViewState& state,
                              const EnvSettings& settings, const HolidayTable& holidays) {
    // Lanes depend on the frames' times and order only; the copies are placed as the
    // automatic placement would place them.
    ViewLayout automaticLayout = layout;
    std::vector<DayBoxes> automatic = days;
    LayOutFrames(automaticLayout, automatic, kAutomaticPlacement);

    HtmlSource source;
    for (const RowCell& row : layout.Rows()) source.hours.push_back({row.startTime, row.endTime});
    for (std::size_t c = 0; c < layout.Columns().size(); ++c) {
        HtmlDate date;
        date.date = layout.Columns()[c].date;
        date.headingColour = HtmlHeadingColour(date.date, holidays, state.dateDisplay);
        if (c < automatic.size())
            for (const FrameBox& box : automatic[c]) date.frames.push_back(FrameOf(box));
        source.dates.push_back(std::move(date));
    }
    HtmlPageSettings& page = source.page;
    page.title = state.title;
    page.creationText = settings.Chk_HtmlMakeDate ? state.creationText : std::string{};
    page.background = settings.Pnl_HtmlBC;
    page.align = settings.Cmb_HtmlAlign;
    page.linkTarget = settings.Cmb_HtmlLink;
    page.dateDisplay = state.dateDisplay;
    page.clockTime = state.timeDisplay && state.editKind == 0;
    page.displayType = layout.DisplayType();
    return source;
}

}  // namespace mv
