#pragma once
// The month-day slot of a date: (month - 1) * 31 + (day - 1), 0 to 371, the same in every
// year. Slots of days that do not exist (02/30) exist but stay empty.

#include <bitset>

#include "model/date.h"

namespace mv {

inline constexpr int kSlotCount = 372;

// A set of slots, as the change reports and reloads of shared mode name them.
using SlotSet = std::bitset<kSlotCount>;

constexpr int SlotOf(int month, int day) { return (month - 1) * 31 + (day - 1); }
inline int SlotOfDate(const Date& date) { return SlotOf(date.month, date.day); }
// month * 100 + day of a slot.
constexpr int MonthDayOfSlot(int slot) { return (slot / 31 + 1) * 100 + slot % 31 + 1; }

}  // namespace mv
