#include "model/sidefile.h"

#include <cstdio>

#include "model/codec.h"
#include "model/keyvalueline.h"
#include "model/recordline.h"
#include "platform/host.h"

namespace mv {

namespace {

std::string Item(std::string_view key, std::string_view value) { return TextItem(key, value) + std::string(kSep); }

std::string TimeText(const ClockTime& now) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", now.hour, now.minute, now.second);
    return buffer;
}

Date Today(const ClockTime& now) { return {now.year, now.month, now.day}; }

// "hh:mm" or "hh:mm:ss"; the seconds play no part in the age test.
bool ParseHourMinute(std::string_view text, int& hour, int& minute) {
    std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) return false;
    std::string_view rest = text.substr(colon + 1);
    auto h = ParseInt(text.substr(0, colon));
    auto m = ParseInt(rest.substr(0, rest.find(':')));
    if (!h || !m) return false;
    hour = *h;
    minute = *m;
    return true;
}

const std::string& BaseYearPrefix() {
    static const std::string prefix = Sjis("基底年=");
    return prefix;
}

}  // namespace

std::filesystem::path SideFilePath(const std::filesystem::path& designPath) {
    std::filesystem::path side = designPath;
    side.replace_extension(".sha");
    return side;
}

std::string LockLine(std::string_view stamp) { return Item("Used", stamp); }

bool IsLockTaken(std::string_view firstLine) {
    std::string holder;
    return GetText(firstLine, "Used", kSep, holder) && !holder.empty();
}

bool IsSharerLine(std::string_view line) { return FindValue(line, "User", kSep).has_value(); }

bool IsNotificationLine(std::string_view line) { return FindValue(line, "PID", kSep).has_value(); }

std::string SharerStamp(std::string_view line) {
    std::string stamp;
    GetText(line, "User", kSep, stamp);
    return stamp;
}

std::string SharerLine(std::string_view stamp, const ClockTime& now) {
    return Item("User", stamp) + Item("RegDate", FormatDate(Today(now))) + Item("RegTime", TimeText(now));
}

std::string NotificationLine(std::string_view stamp, const ClockTime& now, const Date& first, const Date& last,
                             std::string_view comment) {
    const Date max = last == Date{} ? kZeroDate : last;
    return Item("PID", stamp) + Item("RegDate", FormatDate(Today(now))) + Item("RegTime", TimeText(now)) +
           Item("MinDate", FormatDate(first)) + Item("MaxDate", FormatDate(max)) + Item("Cmt", comment) +
           Item("SumiCnt", " 1") + Item("SumiPID", stamp);
}

bool IsAtLeastMinutesOld(const ClockTime& now, const Date& regDate, int regHour, int regMinute, int minutes) {
    int nowMinutes = now.hour * 60 + now.minute;
    if (Today(now) != regDate) nowMinutes += 1440;
    return nowMinutes - (regHour * 60 + regMinute) >= minutes;
}

bool IsEntryStale(std::string_view line, const ClockTime& now) {
    Date date;
    std::string time;
    int hour = 0, minute = 0;
    if (!GetDate(line, "RegDate", kSep, date) || !GetText(line, "RegTime", kSep, time) ||
        !ParseHourMinute(time, hour, minute))
        return true;
    return IsAtLeastMinutesOld(now, date, hour, minute, kStaleEntryMinutes);
}

void PurgeStaleEntries(std::vector<std::string>& lines, const ClockTime& now, std::string_view computerName) {
    // Line 1 is the lock line and never an entry.
    for (std::size_t i = lines.size(); i-- > 1;)
        if (IsSharerLine(lines[i]) && IsEntryStale(lines[i], now))
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
    for (std::size_t i = lines.size(); i-- > 1;) {
        std::string pid;
        if (!GetText(lines[i], "PID", kSep, pid)) continue;
        if (pid.compare(0, computerName.size(), computerName) == 0 && IsEntryStale(lines[i], now))
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

std::vector<std::string> SeenBy(std::string_view notification) {
    std::vector<std::string> stamps;
    std::string list;
    if (!GetText(notification, "SumiPID", kSep, list)) return stamps;
    std::string_view rest = list;
    for (;;) {
        std::size_t comma = rest.find(',');
        std::string_view stamp = Trim(rest.substr(0, comma));
        if (!stamp.empty()) stamps.emplace_back(stamp);
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
    return stamps;
}

bool HasSeen(std::string_view notification, std::string_view stamp) {
    // Whole stamps are compared: "PC1-10:00:00" is not seen because "XPC1-10:00:00" was.
    for (const std::string& seen : SeenBy(notification))
        if (seen == stamp) return true;
    return false;
}

std::string MarkSeen(std::string_view notification, std::string_view stamp) {
    std::string list;
    int count = 0;
    GetText(notification, "SumiPID", kSep, list);
    GetInt(notification, "SumiCnt", kSep, count);
    std::string line = ReplaceItemValue(notification, "SumiPID", list + "," + std::string(stamp));
    return ReplaceItemValue(line, "SumiCnt", std::to_string(count + 1));
}

std::string BaseYearComment(int index) { return BaseYearPrefix() + std::to_string(index); }

bool IsBaseYearComment(std::string_view comment) {
    return comment.substr(0, BaseYearPrefix().size()) == BaseYearPrefix();
}

std::optional<int> BaseYearOfComment(std::string_view comment) {
    // Characters 8 to 12: the bytes after the three double-byte characters and "=".
    constexpr std::size_t kFrom = 7, kLength = 5;
    if (comment.size() <= kFrom) return std::nullopt;
    return ParseInt(Trim(comment.substr(kFrom, kLength)));
}

SlotSet SlotsOfRange(const Date& first, const Date& last) {
    SlotSet wanted;
    if (DaySerial(last) - DaySerial(first) >= 365) return wanted.set();
    const int low = SlotOfDate(first), high = SlotOfDate(last);
    if (high < low) {
        for (int slot = 0; slot <= high; ++slot) wanted.set(slot);
        for (int slot = low; slot < kSlotCount; ++slot) wanted.set(slot);
    } else {
        for (int slot = low; slot <= high; ++slot) wanted.set(slot);
    }
    return wanted;
}

namespace {
// Calls `take` (slot, line) for each of the design file's record lines in a wanted slot.
template <typename Take>
void VisitSlotLines(const SlotSet& wanted, const std::vector<std::string_view>& designLines, Take take) {
    if (wanted.none()) return;
    int upper = kSlotCount - 1;
    while (!wanted.test(upper)) --upper;
    for (std::string_view line : designLines) {
        Date date;
        if (!GetDate(line, "Ci_CDate", kSep, date)) continue;
        const int slot = SlotOfDate(date);
        if (slot > upper) break;
        if (wanted.test(slot)) take(slot, line);
    }
}
}  // namespace

void ReloadSlots(LineStore& store, const SlotSet& wanted, const std::vector<std::string_view>& designLines) {
    // Every wanted slot is emptied, also those of days the base year lacks (02/29 in 2003):
    // their lines come back from the file, and keeping the old ones would double them.
    for (int slot = 0; slot < kSlotCount; ++slot)
        if (wanted.test(slot)) store.Slot(slot).clear();
    VisitSlotLines(wanted, designLines, [&](int slot, std::string_view line) { store.Slot(slot).emplace_back(line); });
}

std::vector<LineList> SlotsOfFile(const SlotSet& wanted, const std::vector<std::string_view>& designLines) {
    std::vector<LineList> slots(kSlotCount);
    VisitSlotLines(wanted, designLines, [&](int slot, std::string_view line) { slots[slot].emplace_back(line); });
    return slots;
}

}  // namespace mv
