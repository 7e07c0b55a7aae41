#include "edit/propertycommands.h"

#include <algorithm>

#include "edit/framechange.h"
#include "model/codec.h"
#include "model/timeofday.h"
#include "platform/dialogs.h"

namespace mv {

namespace {

// Full-width digits and colon (as typed with a Japanese input method) as ASCII, blanks
// (also the full-width one) dropped.
std::string AsciiTimeText(std::string_view utf8) {
    static const std::string kFullDigitZero = "\xEF\xBC\x90", kFullColon = "\xEF\xBC\x9A", kFullBlank = "\xE3\x80\x80";
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::string_view rest = utf8.substr(i);
        if (rest.size() >= 3 && rest.substr(0, 2) == kFullDigitZero.substr(0, 2) &&
            static_cast<unsigned char>(rest[2]) >= 0x90 && static_cast<unsigned char>(rest[2]) <= 0x99) {
            out += static_cast<char>('0' + static_cast<unsigned char>(rest[2]) - 0x90);
            i += 3;
        } else if (rest.substr(0, 3) == kFullColon) {
            out += ':';
            i += 3;
        } else if (rest.substr(0, 3) == kFullBlank) {
            i += 3;
        } else {
            if (rest[0] != ' ' && rest[0] != '\t') out += rest[0];
            ++i;
        }
    }
    return out;
}

// Records the change (when a kind is given), applies it and reports the frame's date.
bool ApplyChange(EditContext& context, const Date& date, const std::string& cid,
                 const std::function<void(TCInf&)>& change, std::optional<HistoryKind> kind = std::nullopt,
                 const char* description = "", bool report = true) {
    WorkingSet& working = context.Working();
    const std::unique_ptr<TCInf> before = ParsedFrame(working, date, cid);
    if (!before) return false;
    if (kind) context.History().RecordFrame(*kind, *before, nullptr, Sjis(description));
    ChangeFrame(working, date, cid, change);
    if (report) {
        context.FinishEdit({date}, Sjis("枠内容の変更"));
    } else {
        context.Design().SetModified(true);
        context.Listener().FrameRedraw(date, cid);
    }
    return true;
}

bool HasField(const WorkingSet& working, const Date& date, const std::string& cid, int field) {
    const std::unique_ptr<TCInf> frame = ParsedFrame(working, date, cid);
    return frame && field >= 0 && field < static_cast<int>(frame->Fields.size());
}

}  // namespace

std::optional<int> ReadTypedTime(std::string_view utf8, Dialogs* dialogs) {
    std::string text = NormalizeTimeText(AsciiTimeText(utf8));
    std::string digits;
    for (char c : text)
        if (c != ':') digits += c;
    // Hours after midnight as the grid writes them (24:00 to 29:00) are the early hours.
    if (digits.size() >= 3 && digits.size() <= 4 && std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        const int number = std::stoi(digits);
        if (number >= 2400 && number <= 2900 && number % 100 < 60) text = FormatHHMM(number - 2400);
    }
    if (!ValidateTimeText(text, dialogs)) return std::nullopt;
    digits.clear();
    for (char c : text)
        if (c != ':') digits += c;
    return std::stoi(digits);
}

std::optional<TimeSpan> ResolveTimeChange(const TimeSpan& old, int typedStart, int typedEnd, bool startChanged) {
    int start = EarlyMorningShift(typedStart);
    int end = EarlyMorningShift(typedEnd);
    if (end == kDayStart) end = kDayEnd;
    const int duration = MinutesBetween(old.start, old.end);
    if (start >= end) {
        if (startChanged) end = std::min(AddMinutes(start, duration), kDayEnd);
        if (end != old.end) start = std::max(AddMinutes(end, -duration), kDayStart);
    }
    if (start >= end || start < kDayStart || end > kDayEnd) return std::nullopt;
    return TimeSpan{start, end};
}

bool ChangeFrameTimes(EditContext& context, const Date& date, const std::string& cid, const TimeSpan& times) {
    const bool changed = ApplyChange(
        context, date, cid,
        [&](TCInf& frame) {
            frame.STime = times.start;
            frame.ETime = times.end;
            frame.KeptSTime = frame.KeptETime = 0;
        },
        HistoryKind::TimeChange);
    if (changed) context.ShowResult(date, cid, times.start);
    return changed;
}

bool SetFrameColour(EditContext& context, const Date& date, const std::string& cid, int colour) {
    return ApplyChange(context, date, cid, [&](TCInf& frame) { frame.WakuBC = colour; }, HistoryKind::FrameStyle,
                       "枠色");
}

bool SetTextColour(EditContext& context, const Date& date, const std::string& cid, int field, int colour) {
    if (!HasField(context.Working(), date, cid, field)) return false;
    return ApplyChange(
        context, date, cid,
        [&](TCInf& frame) {
            frame.TextFC = colour;
            frame.Fields[field].FTextFC = colour;
        },
        HistoryKind::FrameStyle, "枠の文字色");
}

bool SetFontSize(EditContext& context, const Date& date, const std::string& cid, int field, int points) {
    if (!HasField(context.Working(), date, cid, field) || points < 1 || points > 99) return false;
    const int pixelsPerInch = context.Working().Context().defaults.pixelsPerInch;
    return ApplyChange(
        context, date, cid,
        [&](TCInf& frame) {
            frame.Fields[field].FTextPS = points;
            frame.Fields[field].FTextFH = HeightOfPointSize(points, pixelsPerInch);  // negative: a character height
        },
        HistoryKind::FrameStyle, "ﾌｫﾝﾄｻｲｽﾞ");
}

bool SetFieldAlignment(EditContext& context, const Date& date, const std::string& cid, int field, int alignment,
                       int drawnOffset) {
    if (!HasField(context.Working(), date, cid, field) || alignment < 0 || alignment > 3) return false;
    return ApplyChange(context, date, cid, [&](TCInf& frame) {
        TFInf& changed = frame.Fields[field];
        if (alignment == 0 && changed.FTextAL != 0) changed.FOff_X0 = changed.FOff_X1 = std::max(0, drawnOffset);
        changed.FTextAL = alignment;
    });
}

bool SetContents(EditContext& context, const Date& date, const std::string& cid, const std::string& text,
                 bool report) {
    return ApplyChange(context, date, cid, [&](TCInf& frame) { frame.Contents = text; }, std::nullopt, "", report);
}

bool SetContentsLink(EditContext& context, const Date& date, const std::string& cid, bool link) {
    return ApplyChange(context, date, cid, [&](TCInf& frame) { frame.ContLink = link; });
}

bool SetLinks(EditContext& context, const Date& date, const std::string& cid, const std::string& text, bool report) {
    return ApplyChange(context, date, cid, [&](TCInf& frame) { frame.LinkURL = text; }, std::nullopt, "", report);
}

void ReportFrameChange(EditContext& context, const Date& date) { context.FinishEdit({date}, Sjis("枠内容の変更")); }

bool ResetFieldPosition(EditContext& context, const Date& date, const std::string& cid, int field, bool belowFrame,
                        int frameHeight, int referenceFontHeight) {
    if (!HasField(context.Working(), date, cid, field)) return false;
    const int y = belowFrame ? frameHeight + referenceFontHeight : 0;
    return ApplyChange(context, date, cid, [&](TCInf& frame) {
        TFInf& changed = frame.Fields[field];
        changed.FOff_X0 = changed.FOff_X1 = 0;
        changed.FOff_Y0 = changed.FOff_Y1 = y;
    });
}

}  // namespace mv
