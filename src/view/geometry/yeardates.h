#pragma once
// The dates of one year in order, for the date scroll bar: index 0 is 1 January, and the
// index of a month and day is found directly.

#include <array>
#include <vector>

#include "model/date.h"

namespace mv {

class YearDateTable {
public:
    // Builds the table for the year of `date` unless it already holds that year.
    void EnsureYearOf(const Date& date);
    int Year() const { return mYear; }
    int Count() const { return static_cast<int>(mDates.size()); }
    const Date& At(int index) const { return mDates.at(index); }
    // Index of the date's month and day in the table's year; -1 when that year has no such day.
    int IndexOf(const Date& date) const;

private:
    int mYear = 0;
    std::vector<Date> mDates;
    std::array<int, 13 * 32> mIndexOfMonthDay{};
};

// The date moved into the base year keeping month and day; 29 February in a year without
// it becomes 1 March.
Date RebaseIntoYear(const Date& date, int year);
// One date step: the start date moved by `days`, then re-based into the base year.
Date StepStartDate(const Date& start, int days, int baseYear);

// The date timer's kinds and their day steps.
enum class StepKind { None = 0, DragHold = 1, DayBack = 8, DayForward = 9, PreviewDayBack = 12,
                      PreviewDayForward = 13, PreviewWeekBack = 14, PreviewWeekForward = 15 };
int DaysOfStep(StepKind kind);
// Kinds 12 to 15 show a quick preview while held; 8 and 9 rebuild at every step.
bool IsPreviewStep(StepKind kind);

}  // namespace mv
