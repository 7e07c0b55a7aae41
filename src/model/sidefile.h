#pragma once
// The side file beside a shared design file (plan.MVF -> plan.sha): line 1 is the lock line,
// then the sharers (newest first), then the change notifications (oldest first), each a
// separated key=value line. These helpers read and build its lines and move notified slots
// from the design file's lines into the line store; SharedMode runs the protocol.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/dayslot.h"
#include "model/linestore.h"

namespace mv {

struct ClockTime;

// MaxDate of a notification about a single date.
inline constexpr Date kZeroDate{1899, 12, 30};
// Sharer lines and this machine's notifications this old are purged by the next lock.
inline constexpr int kStaleEntryMinutes = 5;
// A side file untouched this long is deleted when a design file is opened.
inline constexpr int kStaleSideFileMinutes = 30;

std::filesystem::path SideFilePath(const std::filesystem::path& designPath);

// "Used=%!#" when free, "Used=" + stamp + "%!#" while held.
std::string LockLine(std::string_view stamp);
// True when line 1 names a holder (a `Used` item with a non-blank value).
bool IsLockTaken(std::string_view firstLine);

bool IsSharerLine(std::string_view line);        // has a `User` item
bool IsNotificationLine(std::string_view line);  // has a `PID` item
std::string SharerStamp(std::string_view line);  // the `User` value

// "User=" + stamp, RegDate, RegTime, each item followed by "%!#".
std::string SharerLine(std::string_view stamp, const ClockTime& now);
// PID, RegDate, RegTime, MinDate, MaxDate (kZeroDate when `last` is unset), Cmt,
// SumiCnt "= 1", SumiPID.
std::string NotificationLine(std::string_view stamp, const ClockTime& now, const Date& first, const Date& last,
                             std::string_view comment);

// The age test of the side file's RegDate/RegTime: minutes of the clock time (plus 1440 when
// the date differs from today) minus the stamp's hour * 60 + minute, compared with
// `minutes`. Seconds are ignored; a date more than a day back counts as one day.
bool IsAtLeastMinutesOld(const ClockTime& now, const Date& regDate, int regHour, int regMinute, int minutes);
// The same test on a line's RegDate and RegTime. A line whose stamp cannot be read counts as
// old: nothing would ever refresh it.
bool IsEntryStale(std::string_view line, const ClockTime& now);

// Removes sharer lines that are stale, then notifications sent from this machine (PID
// beginning with its name) that are stale, each walking from the last line up.
void PurgeStaleEntries(std::vector<std::string>& lines, const ClockTime& now, std::string_view computerName);

// The stamps of SumiPID, split on ",".
std::vector<std::string> SeenBy(std::string_view notification);
bool HasSeen(std::string_view notification, std::string_view stamp);
// SumiPID + "," + stamp and SumiCnt + 1.
std::string MarkSeen(std::string_view notification, std::string_view stamp);

// Comments that announce a base-year change instead of a date range: "基底年=" + index.
std::string BaseYearComment(int index);
bool IsBaseYearComment(std::string_view comment);
// The number in characters 8 to 12 of the comment, trimmed.
std::optional<int> BaseYearOfComment(std::string_view comment);

// The slots a date range names: from the first date's slot to the last's, wrapping at the
// year end (2003/12/30 to 2004/01/02 gives slots 370, 371, 0, 1); a range of a year or more
// names every slot.
SlotSet SlotsOfRange(const Date& first, const Date& last);
// Replaces the lines of the wanted slots by those of the design file's lines (which are in
// slot order, so the walk stops at the first line past the highest wanted slot).
void ReloadSlots(LineStore& store, const SlotSet& wanted, const std::vector<std::string_view>& designLines);
// The design file's lines of the wanted slots, one list per slot (the others stay empty).
std::vector<LineList> SlotsOfFile(const SlotSet& wanted, const std::vector<std::string_view>& designLines);

}  // namespace mv
