#include "model/timeofday.h"

#include "model/digits.h"
#include "platform/dialogs.h"

namespace mv {

namespace {
// Hours with at least `hourDigits` digits, ":", minutes with two: "%.Nd:%.2d" by hand.
std::string HourMinuteText(int hhmm, int hourDigits) {
    char buffer[32];
    char* end = WriteDigits(buffer, hhmm / 100, hourDigits);
    *end++ = ':';
    end = WriteDigits(end, hhmm % 100, 2);
    return std::string(buffer, end);
}
}  // namespace

std::string FormatHHMM(int hhmm) { return HourMinuteText(hhmm, 2); }

std::string ShortTimeText(int hhmm) { return HourMinuteText(hhmm, 1); }

int AddMinutes(int hhmm, int minutes) {
    int hour = hhmm / 100;
    int minute = hhmm % 100;
    if (minutes >= 0) {
        minute += minutes;
        hour += minute / 60;
        minute %= 60;
    } else {
        // One minute at a time in effect: borrow whole hours, then the rest.
        int total = hour * 60 + minute + minutes;
        hour = total >= 0 ? total / 60 : -((-total + 59) / 60);
        minute = total - hour * 60;
    }
    return hour * 100 + minute;
}

int MinutesBetween(int a, int b) { return ToMinutes(b) - ToMinutes(a); }

int HourWrap(int hhmm) { return hhmm >= 2400 ? hhmm - 2400 : hhmm; }

int EarlyMorningShift(int hhmm) {
    int hour = hhmm / 100;
    return hour >= 0 && hour <= 4 ? hhmm + 2400 : hhmm;
}

namespace {
std::string WithoutBlanks(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != ' ') out += c;
    return out;
}
bool AllDigits(std::string_view text) {
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}
}  // namespace

std::string NormalizeTimeText(std::string_view text) {
    std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) return std::string(text);
    std::string hour = WithoutBlanks(text.substr(0, colon));
    std::string minute = WithoutBlanks(text.substr(colon + 1));
    std::string digits = hour + minute;
    if (hour.empty() || minute.empty() || !AllDigits(digits) || hour.size() > 4 || minute.size() > 4)
        return std::string(text);
    return FormatHHMM(std::stoi(hour) * 100 + std::stoi(minute));
}

std::string KeepTimeCharacters(std::string_view text) {
    std::string out;
    bool colonSeen = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') out += c;
        else if (c == ':' && !colonSeen) out += c, colonSeen = true;
    }
    return out;
}

bool ValidateTimeText(std::string_view text, Dialogs* dialogs) {
    static const std::string kInvalid = "不正な時刻です。";
    static const std::string kOutOfRange = "時刻が範囲外です。(時刻範囲は０：００～２３：５９)";
    std::string digits;
    for (char c : text)
        if (c != ':') digits += c;
    const std::string* failure = nullptr;
    if (digits.empty() || !AllDigits(digits)) {
        failure = &kInvalid;
    } else {
        // Leading zeros do not count toward the size of the number.
        std::size_t first = digits.find_first_not_of('0');
        std::string_view significant = first == std::string::npos ? "0" : std::string_view(digits).substr(first);
        long number = significant.size() > 6 ? 999999 : std::stol(std::string(significant));
        // The minutes are the last two digits as typed, also of a number too long to hold.
        int minutes = std::stoi(digits.substr(digits.size() < 2 ? 0 : digits.size() - 2));
        if (number >= 2360) failure = &kOutOfRange;
        if (minutes >= 60) failure = &kInvalid;
    }
    if (failure && dialogs) dialogs->Error(kProgramName, *failure);
    return failure == nullptr;
}

}  // namespace mv
