#pragma once
// Times of day as HHMM integers (930 is 09:30; times after midnight run on to 2859), their
// text forms, and the checks of typed times.

#include <string>
#include <string_view>

namespace mv {

class Dialogs;

// "09:30" for 930; hours of 24 and more are written as they are ("25:30").
std::string FormatHHMM(int hhmm);
// "9:30" for 930.
std::string ShortTimeText(int hhmm);

// Moves t by m minutes. Forward, minutes carry into hours without a wrap at 24 (2350 + 20
// is 2410); backward, minutes borrow from hours one minute at a time.
int AddMinutes(int hhmm, int minutes);
// Minutes from a to b.
int MinutesBetween(int a, int b);
inline int ToMinutes(int hhmm) { return hhmm / 100 * 60 + hhmm % 100; }
inline int FromMinutes(int minutes) { return minutes / 60 * 100 + minutes % 60; }

// For display: an hour of 24 or more loses 24 (2530 shows as 01:30).
int HourWrap(int hhmm);
// For entry: hours 0 to 4 belong to the evening before and gain 24 (130 becomes 2530).
int EarlyMorningShift(int hhmm);

// A typed time with ":" tidied: blanks around the hour and minute removed and, when only
// digits remain, written as FormatHHMM ("9 : 5" becomes "09:05"). Otherwise as typed.
std::string NormalizeTimeText(std::string_view text);
// Only the digits and the first ":" of the text.
std::string KeepTimeCharacters(std::string_view text);
// Checks a typed time ("9:30", "0930"): digits only once ":" are removed, below 2360 and
// with minutes below 60. When dialogs is given, the last failing message is shown.
bool ValidateTimeText(std::string_view text, Dialogs* dialogs);

inline constexpr int kDayStart = 500;  // 05:00
inline constexpr int kDayEnd = 2900;   // 05:00 of the next morning

}  // namespace mv
