#include "view/geometry/yeardates.h"

namespace mv {

void YearDateTable::EnsureYearOf(const Date& date) {
    if (date.year == mYear && !mDates.empty()) return;
    mYear = date.year;
    mDates.clear();
    mIndexOfMonthDay.fill(-1);
    for (Date day{mYear, 1, 1}; day.year == mYear; day = AddDays(day, 1)) {
        mIndexOfMonthDay[day.month * 32 + day.day] = static_cast<int>(mDates.size());
        mDates.push_back(day);
    }
}

int YearDateTable::IndexOf(const Date& date) const {
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31 || mDates.empty()) return -1;
    return mIndexOfMonthDay[date.month * 32 + date.day];
}

Date RebaseIntoYear(const Date& date, int year) {
    if (IsValidDate(year, date.month, date.day)) return {year, date.month, date.day};
    return {year, 3, 1};
}

Date StepStartDate(const Date& start, int days, int baseYear) {
    return RebaseIntoYear(AddDays(start, days), baseYear);
}

int DaysOfStep(StepKind kind) {
    switch (kind) {
        case StepKind::DayBack:
        case StepKind::PreviewDayBack: return -1;
        case StepKind::DayForward:
        case StepKind::PreviewDayForward: return 1;
        case StepKind::PreviewWeekBack: return -7;
        case StepKind::PreviewWeekForward: return 7;
        default: return 0;
    }
}

bool IsPreviewStep(StepKind kind) {
    return kind == StepKind::PreviewDayBack || kind == StepKind::PreviewDayForward ||
           kind == StepKind::PreviewWeekBack || kind == StepKind::PreviewWeekForward;
}

}  // namespace mv
