#include "io/ical/icalimport.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <unordered_map>
#include <vector>

#include "io/csv/csvimporter.h"
#include "io/ical/icalcolour.h"
#include "io/ical/icalexport.h"
#include "io/ical/icalsupport.h"
#include "model/codec.h"
#include "model/designfile.h"
#include "model/identity.h"
#include "model/keyvalueline.h"
#include "model/recordline.h"

namespace mv {

namespace {

// UTF-8 text with any line ends as Shift-JIS with 0x7F line breaks.
std::string RecordText(const char* utf8) {
    std::string text;
    for (const char* p = utf8; p && *p; ++p) {
        if (*p == '\r') continue;
        text += *p == '\n' ? kLineBreakByte : *p;
    }
    return FromUtf8(text);
}

const char* XValue(icalcomponent* event, const char* name) {
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_X_PROPERTY)) {
        const char* x = icalproperty_get_x_name(p);
        if (x && std::string_view(x) == name) return icalproperty_get_x(p);
    }
    return nullptr;
}

// The frame every piece of an event copies: the exported record when the event carries
// one, else a frame with the summary as its one field and the description as contents.
std::unique_ptr<TCInf> EventFrame(icalcomponent* event, const RecordContext& context) {
    if (const char* record = XValue(event, kIcsRecordProperty)) {
        ParsedRecord parsed = ParseRecordLine(Base64Decode(record), context);
        if (parsed.kind == ParsedRecord::Kind::Frame) return std::move(parsed.frame);
    }
    auto frame = std::make_unique<TCInf>();
    frame->WakuBC = context.defaults.backgroundColour;
    TFInf field = NewField(0, 0, context.defaults);
    field.FTextStr = RecordText(icalcomponent_get_summary(event));
    frame->Fields.push_back(field);
    frame->Contents = RecordText(icalcomponent_get_description(event));
    if (icalproperty* url = icalcomponent_get_first_property(event, ICAL_URL_PROPERTY)) {
        frame->LinkURL = LinkLineOf(RecordText(icalproperty_get_url(url)));
    }
    if (const char* fill = XValue(event, kIcsFillProperty)) {
        frame->WakuBC = std::atoi(fill);
    } else if (icalproperty* colour = icalcomponent_get_first_property(event, ICAL_COLOR_PROPERTY)) {
        const int named = CssColourFill(icalproperty_get_color(colour));
        if (named >= 0) frame->WakuBC = named;
    }
    return frame;
}

std::string DateText(const icaltimetype& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", t.year, t.month, t.day);
    return text;
}

std::string TimeText(const icaltimetype& t) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", t.hour, t.minute);
    return text;
}

// One occurrence of an event as the CSV import's five texts.
struct Occurrence {
    CsvTexts texts;
    std::size_t frame = 0;  // index into the event frames
    bool keepId = false;    // the piece takes the frame's own id (its UID)
    bool exported = false;  // the frame came from the event's exported record
};

class EventReader {
public:
    EventReader(icaltimezone* local, const Date& first, const Date& last) : mLocal(local), mFirst(first), mLast(last) {}

    // The occurrences of the event; false when it is refused.
    bool Read(icalcomponent* event, std::vector<icaltimetype>& starts, icaltimetype& start, int& seconds) {
        icalproperty* dtstart = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
        if (!dtstart) return false;
        start = icalcomponent_get_dtstart(event);
        if (icaltime_is_null_time(start) || !icaltime_is_valid_time(start)) return false;
        // A TZID that neither the file nor libical knows leaves the time without its zone.
        if (icalproperty_get_first_parameter(dtstart, ICAL_TZID_PARAMETER) && !start.zone) return false;
        icaltimetype end = icalcomponent_get_dtend(event);
        if (icaltime_is_null_time(end)) {
            end = start;
            if (start.is_date) icaltime_adjust(&end, 1, 0, 0, 0);
        }
        // Anything over two years is refused later as more than a year long; the bound keeps
        // the length an int.
        seconds = static_cast<int>(std::clamp<long long>(
            static_cast<long long>(icaltime_as_timet_with_zone(end, end.zone)) -
                static_cast<long long>(icaltime_as_timet_with_zone(start, start.zone)),
            0, 2LL * 366 * 86400));

        starts.clear();
        icalproperty* rule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
        icalproperty* rdate = icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY);
        if (!rule && !rdate) {
            starts.push_back(start);
            return true;
        }
        if (rule && !Expand(icalproperty_get_rrule(rule), start, starts)) return false;
        if (!rule && Inside(start)) starts.push_back(start);
        for (; rdate; rdate = icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY)) {
            icaldatetimeperiodtype value = icalproperty_get_rdate(rdate);
            icaltimetype t = icaltime_is_null_time(value.time) ? value.period.start : value.time;
            if (icaltime_is_null_time(t)) continue;
            if (!t.zone) t.zone = start.zone;
            if (Inside(t)) starts.push_back(t);
        }
        for (icalproperty* ex = icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY); ex;
             ex = icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY)) {
            icaltimetype t = icalproperty_get_exdate(ex);
            if (!t.zone) t.zone = start.zone;
            std::erase_if(starts, [&t](const icaltimetype& s) {
                return t.is_date ? icaltime_compare_date_only(s, t) == 0 : icaltime_compare(s, t) == 0;
            });
        }
        return true;
    }

    // The local calendar time of t (floating and date values stay as they are).
    icaltimetype Local(const icaltimetype& t) const {
        if (t.is_date || !mLocal || (!t.zone)) return t;
        return icaltime_convert_to_zone(t, mLocal);
    }

private:
    bool Inside(const icaltimetype& t) const {
        const Date d{t.year, t.month, t.day};
        return !(d < mFirst) && !(mLast < d);
    }

    // Follows the rule from the start up to the end of the range, with a bounded number of
    // steps; false when the steps run out before the range is passed.
    bool Expand(const icalrecurrencetype& rule, const icaltimetype& start, std::vector<icaltimetype>& starts) {
        icalrecur_iterator* it = icalrecur_iterator_new(rule, start);
        if (!it) return false;
        bool passed = false;
        for (int step = 0; step < kMaxRecurrenceSteps; ++step) {
            icaltimetype t = icalrecur_iterator_next(it);
            if (icaltime_is_null_time(t)) {
                passed = true;
                break;
            }
            if (!t.zone) t.zone = start.zone;
            if (mLast < Date{t.year, t.month, t.day}) {
                passed = true;
                break;
            }
            if (Inside(t)) starts.push_back(t);
        }
        icalrecur_iterator_free(it);
        return passed;
    }

    icaltimezone* mLocal;
    Date mFirst, mLast;
};

}  // namespace

IcsImporter::IcsImporter(CsvImporter& csv, DesignDocument& design, FrameIdSource& ids)
    : mCsv(csv), mDesign(design), mIds(ids) {}

IcsImportResult IcsImporter::Run(std::string_view text, const ImportChoices& choices, const std::string& zone,
                                 bool collectUndo) {
    IcsImportResult result;
    icalerror_set_errors_are_fatal(0);
    icaltimezone* local = ZoneByName(zone.empty() ? SystemZoneName() : zone);
    if (!local) {
        result.error = "不明なタイムゾーンです: " + (zone.empty() ? SystemZoneName() : zone);
        return result;
    }
    // The parser reads up to a NUL: one inside the text would hide the rest.
    const std::string owned(text.substr(0, text.find('\0')));
    if (owned.find("BEGIN:VCALENDAR") == std::string::npos) {
        result.error = "これは iCalendar 形式のファイルではありません。";
        return result;
    }
    IcalComponentPtr root(icalparser_parse_string(owned.c_str()));
    std::vector<icalcomponent*> calendars;
    if (root && icalcomponent_isa(root.get()) == ICAL_VCALENDAR_COMPONENT) calendars.push_back(root.get());
    else if (root)
        for (icalcomponent* c = icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT); c;
             c = icalcomponent_get_next_component(root.get(), ICAL_VCALENDAR_COMPONENT))
            calendars.push_back(c);
    if (calendars.empty()) {
        result.error = "これは iCalendar 形式のファイルではありません。";
        return result;
    }

    RecordContext context;
    context.baseYear = mDesign.BaseYear();
    context.defaults = mDefaults;
    // Recurring events are expanded over the design's year, narrowed by the chosen range.
    const Date first = choices.from.value_or(Date{context.baseYear, 1, 1});
    const Date last = choices.to.value_or(Date{context.baseYear, 12, 31});
    EventReader reader(local, first, last);

    // Ids of the stored frames, for the duplicate rule by UID.
    std::unordered_map<std::string, int> stored;
    for (int slot = 0; slot < kSlotCount; ++slot)
        for (const std::string& line : mDesign.Store().Slot(slot)) {
            std::string id;
            if (GetText(line, "Ci_Cid", kSep, id) && !id.empty()) stored.emplace(id, slot);
        }

    // The run starts before the events are read: replacing by UID removes stored lines.
    mCsv.BeginRun(choices, collectUndo);
    std::vector<std::unique_ptr<TCInf>> frames;
    std::vector<Occurrence> occurrences;
    std::vector<bool> byUid;  // per occurrence: its event matched a stored frame's id
    std::vector<icaltimetype> starts;
    for (icalcomponent* calendar : calendars) {
        for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); event;
             event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
            ++result.events;
            icaltimetype start;
            int seconds = 0;
            if (!reader.Read(event, starts, start, seconds)) {
                ++result.refused;
                continue;
            }
            const char* uidText = icalcomponent_get_uid(event);
            const std::string uid = uidText ? FromUtf8(uidText) : std::string();
            auto match = uid.empty() ? stored.end() : stored.find(uid);
            const bool matched = match != stored.end();
            if (matched) {
                if (choices.duplicates == DuplicateRule::Skip) continue;
                if (choices.duplicates == DuplicateRule::Replace) {
                    mCsv.RemoveStoredLines(match->second, [&uid](const std::string& line) {
                        std::string id;
                        return GetText(line, "Ci_Cid", kSep, id) && id == uid;
                    });
                    stored.erase(match);
                }
            }
            frames.push_back(EventFrame(event, context));
            const std::string title = RecordText(icalcomponent_get_summary(event));
            // The frame keeps its own id only where that id is this event's UID, it stays
            // one frame, and no stored frame holds the id.
            const bool ownId = starts.size() == 1 && !uid.empty() && frames.back()->Cid == uid &&
                               !stored.count(uid);
            for (const icaltimetype& occurrenceStart : starts) {
                icaltimetype end = occurrenceStart;
                if (start.is_date) icaltime_adjust(&end, seconds / 86400, 0, 0, 0);
                else icaltime_adjust(&end, 0, 0, 0, seconds);
                const icaltimetype s = reader.Local(occurrenceStart), e = reader.Local(end);
                Occurrence occurrence;
                occurrence.frame = frames.size() - 1;
                occurrence.keepId = ownId;
                occurrence.exported = XValue(event, kIcsRecordProperty) && !frames.back()->Cid.empty();
                occurrence.texts[static_cast<int>(CsvItem::StartDate)] = DateText(s);
                occurrence.texts[static_cast<int>(CsvItem::EndDate)] = DateText(e);
                // A day event covers the design days 05:00 to 29:00 up to its end date.
                occurrence.texts[static_cast<int>(CsvItem::StartTime)] = s.is_date ? "05:00" : TimeText(s);
                occurrence.texts[static_cast<int>(CsvItem::EndTime)] = e.is_date ? "05:00" : TimeText(e);
                occurrence.texts[static_cast<int>(CsvItem::Title)] = title;
                occurrences.push_back(std::move(occurrence));
                byUid.push_back(matched);
            }
        }
    }

    const Occurrence* current = nullptr;
    mCsv.SetPieceLineMaker([&](const DayPiece& piece, const std::string& title) {
        TCInf frame = *frames[current->frame];
        frame.CDate = piece.date;
        frame.STime = piece.start;
        frame.ETime = piece.end;
        frame.KeptSTime = frame.KeptETime = 0;
        if (!current->keepId || frame.Cid.empty()) frame.Cid = mIds.NewFrameId();
        // A frame of the event's own making shows the piece's title ("… (2)" for a day of
        // several); an exported frame keeps its fields as they were.
        if (!current->exported && !frame.Fields.empty()) frame.Fields[0].FTextStr = title;
        return BuildRecordLine(frame);
    });
    // Removing by date and times is for events no stored id matched.
    for (int pass = choices.duplicates == DuplicateRule::Replace ? 0 : 1; pass < 2; ++pass)
        for (std::size_t i = 0; i < occurrences.size(); ++i) {
            if (pass == 0 && byUid[i]) continue;
            current = &occurrences[i];
            mCsv.RowToPieces(occurrences[i].texts, pass);
        }
    mCsv.FinishRun();
    mCsv.SetPieceLineMaker({});
    result.frames = mCsv.State().framesAdded;
    result.refused += mCsv.State().rowsRefused;
    result.ok = true;
    return result;
}

std::string IcsImportConfirmationText(const std::string& path, const ImportChoices& choices) {
    return "iCalendar ファイルの予定を枠として読み込みます。\r\n\r\n    PATH = " + path + "\r\n\r\n" +
           ImportConditionsText(choices) + "\r\n\r\n予定の UID が枠と同じ場合も重複として扱います。\r\n\r\nよろしいですか？";
}

std::string IcsImportDoneText(const IcsImportResult& result) {
    if (!result.ok) return result.error;
    return "iCalendar の読み込みを終了しました。\r\n\r\n    イベント数 = " + std::to_string(result.events) +
           "\r\n    追加した枠の数 = " + std::to_string(result.frames) +
           "\r\n    取り込まなかったイベント数 = " + std::to_string(result.refused);
}

}  // namespace mv
