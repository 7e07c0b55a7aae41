#include "view/geometry/yeardates.h"

#include <gtest/gtest.h>

namespace mv {
namespace {

TEST(YearDateTable, IndexesEveryDayOfTheYear) {
    YearDateTable table;
    table.EnsureYearOf({2004, 6, 15});
    EXPECT_EQ(table.Count(), 366);
    EXPECT_EQ(table.IndexOf({2004, 1, 1}), 0);
    EXPECT_EQ(table.IndexOf({2004, 3, 1}), 60);
    EXPECT_EQ(table.At(365), (Date{2004, 12, 31}));
    table.EnsureYearOf({2003, 1, 1});
    EXPECT_EQ(table.Count(), 365);
    EXPECT_EQ(table.IndexOf({2003, 2, 29}), -1);
    EXPECT_EQ(table.IndexOf({2003, 3, 1}), 59);
}

TEST(DateSteps, StayInTheBaseYear) {
    // Stepping over the year end wraps into the same base year.
    EXPECT_EQ(StepStartDate({2003, 12, 31}, 1, 2003), (Date{2003, 1, 1}));
    EXPECT_EQ(StepStartDate({2003, 1, 3}, -7, 2003), (Date{2003, 12, 27}));
    // A leap day landed on in a year without one becomes 1 March.
    EXPECT_EQ(StepStartDate({2004, 2, 28}, 1, 2003), (Date{2003, 3, 1}));
    // The picker's year is ignored.
    EXPECT_EQ(RebaseIntoYear({2030, 5, 1}, 2026), (Date{2026, 5, 1}));
    EXPECT_EQ(DaysOfStep(StepKind::PreviewWeekBack), -7);
    EXPECT_TRUE(IsPreviewStep(StepKind::PreviewDayForward));
    EXPECT_FALSE(IsPreviewStep(StepKind::DayForward));
}

}  // namespace
}  // namespace mv
