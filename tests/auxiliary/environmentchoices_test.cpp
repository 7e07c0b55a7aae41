#include "auxiliary/environmentchoices.h"

#include <gtest/gtest.h>

namespace mv {
namespace {

TEST(EnvironmentChoices, ListsAndRules) {
    const std::vector<std::string> hours = HourRowItems();
    ASSERT_EQ(hours.size(), 24u);
    EXPECT_EQ(hours[0], " 05 時");
    EXPECT_EQ(hours[19], " 00 時");  // the row that starts at 24:00
    EXPECT_EQ(hours[23], " 04 時");
    EXPECT_EQ(FormScaleItems().at(FormScaleItemOf100()), " 100 %");
    EXPECT_EQ(FormScaleItems().back(), " 300 %");

    EXPECT_EQ(PrintEndItem(5, 3), 5);  // an end before the start becomes the start
    EXPECT_EQ(PrintEndItem(5, 8), 8);
    EXPECT_FALSE(HtmlCaptionIsBlack(12632255));
    EXPECT_TRUE(HtmlCaptionIsBlack(12632256));

    struct Cell {
        int month;
        bool holiday;
        int colour;
    };
    for (const Cell& c : std::vector<Cell>{{1, false, 0xFFFFFF}, {2, false, 0xA0A0A0}, {2, true, 0x008000},
                                           {12, false, 0xA0A0A0}, {11, true, 0x008000}})
        EXPECT_EQ(HolidayCellColour(c.month, c.holiday), c.colour) << c.month;
}

}  // namespace
}  // namespace mv
