#include "model/timeofday.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/testhost.h"

namespace mv {
namespace {

TEST(TimeOfDay, TextForms) {
    struct Case {
        int hhmm;
        const char* full;
        const char* shortText;
    };
    for (const Case& c : std::vector<Case>{{930, "09:30", "9:30"},
                                           {5, "00:05", "0:05"},
                                           {0, "00:00", "0:00"},
                                           {2359, "23:59", "23:59"},
                                           {2530, "25:30", "25:30"},
                                           {2900, "29:00", "29:00"}}) {
        SCOPED_TRACE(c.hhmm);
        EXPECT_EQ(FormatHHMM(c.hhmm), c.full);
        EXPECT_EQ(ShortTimeText(c.hhmm), c.shortText);
    }
}

TEST(TimeOfDay, MinuteArithmetic) {
    struct Case {
        int t, m, expected;
    };
    for (const Case& c : std::vector<Case>{{930, 45, 1015},
                                           {1000, -1, 959},
                                           {2330, 60, 2430},
                                           {2350, 20, 2410},
                                           {2859, 1, 2900},
                                           {500, -61, 359},
                                           {2401, -2, 2359},
                                           {1200, 0, 1200},
                                           {1015, -45, 930},
                                           {500, 24 * 60, 2900},
                                           {130, -90, 0}}) {
        SCOPED_TRACE(testing::Message() << c.t << " + " << c.m);
        EXPECT_EQ(AddMinutes(c.t, c.m), c.expected);
        // Moving by m and measuring again gives m back.
        EXPECT_EQ(MinutesBetween(c.t, AddMinutes(c.t, c.m)), c.m);
    }
    EXPECT_EQ(MinutesBetween(930, 1015), 45);
    EXPECT_EQ(MinutesBetween(1015, 930), -45);
    EXPECT_EQ(MinutesBetween(2330, 2430), 60);
    EXPECT_EQ(MinutesBetween(500, 2900), 1440);
}

TEST(TimeOfDay, HourWrapAndEarlyMorningShift) {
    EXPECT_EQ(HourWrap(2530), 130);
    EXPECT_EQ(HourWrap(2400), 0);
    EXPECT_EQ(HourWrap(2859), 459);
    EXPECT_EQ(HourWrap(2359), 2359);
    EXPECT_EQ(HourWrap(500), 500);

    EXPECT_EQ(EarlyMorningShift(130), 2530);
    EXPECT_EQ(EarlyMorningShift(0), 2400);
    EXPECT_EQ(EarlyMorningShift(459), 2859);
    EXPECT_EQ(EarlyMorningShift(500), 500);
    EXPECT_EQ(EarlyMorningShift(2359), 2359);
    EXPECT_EQ(EarlyMorningShift(2530), 2530);
    // Typed early-morning times shown again come back as typed.
    for (int t : {0, 130, 459}) EXPECT_EQ(HourWrap(EarlyMorningShift(t)), t);
}

TEST(TimeOfDay, TypedTimesAreTidied) {
    struct Case {
        const char* typed;
        const char* expected;
    };
    for (const Case& c : std::vector<Case>{{" 9 : 5", "09:05"},
                                           {"9:30", "09:30"},
                                           {"09:30", "09:30"},
                                           {"25:30", "25:30"},
                                           {" 0 : 00 ", "00:00"},
                                           {"930", "930"},          // no ":": as typed
                                           {"9:3a", "9:3a"},        // not all digits: as typed
                                           {"a:30", "a:30"},
                                           {"9:", "9:"},
                                           {":30", ":30"},
                                           {"", ""},
                                           {"99999999999:1", "99999999999:1"}}) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(NormalizeTimeText(c.typed), c.expected);
    }
    EXPECT_EQ(KeepTimeCharacters("a9:3b:0 "), "9:30");
    EXPECT_EQ(KeepTimeCharacters("12:34:56"), "12:3456");
    EXPECT_EQ(KeepTimeCharacters("abc"), "");
}

TEST(TimeOfDay, ValidationAndItsMessages) {
    const std::string invalid = "不正な時刻です。";
    const std::string outOfRange = "時刻が範囲外です。(時刻範囲は０：００～２３：５９)";
    struct Case {
        std::string text;
        bool valid;
        std::string message;  // shown when invalid: the last check that failed
    };
    const std::vector<Case> cases = {
        {"9:30", true, ""},
        {"0930", true, ""},
        {"930", true, ""},
        {"0:00", true, ""},
        {"23:59", true, ""},
        {"2359", true, ""},
        {"0000000000000930", true, ""},
        {"24:00", false, outOfRange},
        {"2400", false, outOfRange},
        {"10000", false, outOfRange},
        {"12345600", false, outOfRange},           // a long number ending in valid minutes
        {"12345699", false, invalid},
        {"12:60", false, invalid},
        {"1a:00", false, invalid},
        {"", false, invalid},
        {":", false, invalid},
        {" 9:30", false, invalid},
        {"-930", false, invalid},
        {"\x82\x4F\x82\x58:30", false, invalid},  // full-width digits
        {"2360", false, invalid},                  // out of range, then bad minutes: the last one is shown
        {"2475", false, invalid},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ValidateTimeText(c.text, nullptr), c.valid);
        test::FakeDialogs dialogs;
        EXPECT_EQ(ValidateTimeText(c.text, &dialogs), c.valid);
        if (c.valid) {
            EXPECT_TRUE(dialogs.shown.empty());
        } else {
            ASSERT_EQ(dialogs.shown.size(), 1u);
            EXPECT_EQ(dialogs.shown[0].kind, MessageKind::Error);
            EXPECT_EQ(dialogs.shown[0].buttons, Buttons::Ok);
            EXPECT_EQ(dialogs.shown[0].caption, kProgramName);
            EXPECT_EQ(dialogs.shown[0].text, c.message);
        }
    }
}

}  // namespace
}  // namespace mv
