#include "io/ical/icalexport.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "io/csv/csvexport.h"
#include "io/ical/icalcolour.h"
#include "io/ical/icalsupport.h"
#include "model/codec.h"
#include "model/dayslot.h"
#include "model/frame.h"
#include "model/keyvalueline.h"
#include "model/linestore.h"
#include "model/recordline.h"

namespace mv {

namespace {

// Shift-JIS text with its 0x7F line breaks as UTF-8 with LF.
std::string TextOf(const std::string& sjis) {
    std::string utf8 = ToUtf8(sjis);
    for (char& c : utf8)
        if (c == kLineBreakByte) c = '\n';
    while (!utf8.empty() && (utf8.back() == '\n' || utf8.back() == ' ')) utf8.pop_back();
    return utf8;
}

std::vector<std::string> Links(const TCInf& frame) {
    std::vector<std::string> links;
    std::string current;
    for (char c : TextOf(frame.LinkURL) + '\n') {
        if (c == '\n' || c == '\r') {
            if (current.find_first_not_of(' ') != std::string::npos) links.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    return links;
}

// The fields other than the title and the time field, then the contents, then the links
// after the first, each on its own lines.
std::string Description(const TCInf& frame, const std::string& title, const std::vector<std::string>& links) {
    static const std::string kNakaguro = Sjis("・");
    std::string text;
    auto add = [&text](const std::string& part) {
        if (part.empty()) return;
        if (!text.empty()) text += '\n';
        text += part;
    };
    bool titleSeen = false;
    for (const TFInf& field : frame.Fields) {
        if (field.FID == kTimeFieldId) continue;
        std::string_view trimmed = Trim(field.FTextStr);
        if (trimmed.empty() || trimmed == kNakaguro) continue;
        std::string flat;
        for (char c : field.FTextStr)
            if (c != kLineBreakByte) flat += c;
        if (!titleSeen && flat == title) {
            titleSeen = true;
            continue;
        }
        add(TextOf(field.FTextStr));
    }
    add(TextOf(frame.Contents));
    for (std::size_t i = 1; i < links.size(); ++i) add(links[i]);
    return text;
}

// HHMM on design day d (times up to 29:00) as a calendar time: 24:00 and later fall on
// the next day.
icaltimetype LocalTime(const Date& d, int hhmm, icaltimezone* zone) {
    const Date day = hhmm >= 2400 ? AddDays(d, 1) : d;
    icaltimetype t = icaltime_null_time();
    t.year = day.year;
    t.month = day.month;
    t.day = day.day;
    t.hour = (hhmm / 100) % 24;
    t.minute = hhmm % 100;
    t.is_date = 0;
    if (zone) t = icaltime_set_timezone(&t, zone);
    return t;
}

icalproperty* TimeProperty(icalproperty* property, icaltimezone* zone, const std::string& tzid) {
    if (zone && zone != icaltimezone_get_utc_timezone())
        icalproperty_add_parameter(property, icalparameter_new_tzid(tzid.c_str()));
    return property;
}

icalcomponent* MakeEvent(const TCInf& frame, const std::string& line, const Date& d, const IcsExportChoices& choices,
                         icaltimezone* zone, const std::string& tzid, const icaltimetype& stamp) {
    icalcomponent* event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_add_property(event, icalproperty_new_uid(ToUtf8(frame.Cid).c_str()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(event,
                               TimeProperty(icalproperty_new_dtstart(LocalTime(d, frame.STime, zone)), zone, tzid));
    icalcomponent_add_property(event, TimeProperty(icalproperty_new_dtend(LocalTime(d, frame.ETime, zone)), zone, tzid));
    const std::string title = FrameToCsvFields(frame, d, choices.titleLocation)[static_cast<int>(CsvItem::Title)];
    icalcomponent_add_property(event, icalproperty_new_summary(ToUtf8(title).c_str()));
    const std::vector<std::string> links = Links(frame);
    const std::string description = Description(frame, title, links);
    if (!description.empty()) icalcomponent_add_property(event, icalproperty_new_description(description.c_str()));
    // URL holds an address only: the first link's, without its name.
    if (!links.empty())
        icalcomponent_add_property(event,
                                   icalproperty_new_url(std::string(Trim(SplitLinkLine(links.front()).address)).c_str()));
    icalcomponent_add_property(event, icalproperty_new_color(NearestCssColourName(frame.WakuBC).c_str()));
    icalproperty* fill = icalproperty_new_x(std::to_string(frame.WakuBC).c_str());
    icalproperty_set_x_name(fill, kIcsFillProperty);
    icalcomponent_add_property(event, fill);
    icalproperty* record = icalproperty_new_x(Base64Encode(line).c_str());
    icalproperty_set_x_name(record, kIcsRecordProperty);
    icalcomponent_add_property(event, record);
    return event;
}

}  // namespace

std::string SystemZoneName() {
    if (const char* tz = std::getenv("TZ"); tz && *tz) return *tz == ':' ? tz + 1 : tz;
    std::error_code ec;
    const std::filesystem::path target = std::filesystem::read_symlink("/etc/localtime", ec);
    if (!ec) {
        const std::string text = target.string();
        const std::size_t at = text.find("zoneinfo/");
        if (at != std::string::npos) return text.substr(at + 9);
    }
    return "UTC";
}

int BuildIcsCalendar(const LineStore& store, const RecordContext& context, const IcsExportChoices& choices,
                     std::string& text, std::string& error) {
    icaltimezone* zone = nullptr;
    std::string tzid;
    if (!choices.floating) {
        tzid = choices.zone.empty() ? SystemZoneName() : choices.zone;
        zone = ZoneByName(tzid);
        if (!zone) {
            error = "不明なタイムゾーンです: " + tzid;
            return -1;
        }
    }
    IcalComponentPtr calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Marovelantis//Marovelantis 2//JA"));
    if (zone && zone != icaltimezone_get_utc_timezone()) {
        // The zone's rules under the plain Olson name, which the events' TZID names.
        icalcomponent* vtimezone = icalcomponent_new_clone(icaltimezone_get_component(zone));
        icalproperty* id = icalcomponent_get_first_property(vtimezone, ICAL_TZID_PROPERTY);
        if (id) icalproperty_set_tzid(id, tzid.c_str());
        icalcomponent_add_component(calendar.get(), vtimezone);
    }
    const icaltimetype stamp = icaltime_current_time_with_zone(icaltimezone_get_utc_timezone());

    const Date start = choices.from.value_or(Date{context.baseYear, 1, 1});
    const Date end = choices.to.value_or(Date{context.baseYear, 12, 31});
    int count = 0;
    for (Date d = start; !(end < d); d = AddDays(d, 1)) {
        for (const std::string& line : store.Slot(SlotOfDate(d))) {
            ParsedRecord parsed = ParseRecordLine(line, context);
            if (parsed.kind != ParsedRecord::Kind::Frame) continue;
            icalcomponent_add_component(calendar.get(), MakeEvent(*parsed.frame, line, d, choices, zone, tzid, stamp));
            ++count;
        }
    }
    char* written = icalcomponent_as_ical_string_r(calendar.get());
    text = written ? written : "";
    icalmemory_free_buffer(written);
    return count;
}

}  // namespace mv
