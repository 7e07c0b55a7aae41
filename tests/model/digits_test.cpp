#include "model/digits.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include "model/date.h"
#include "model/identity.h"
#include "model/timeofday.h"
#include "support/testhost.h"

namespace mv {
namespace {

// What printf writes for one int with a format such as "%.5d" or "%04d".
std::string Printf(const char* format, int value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

TEST(Digits, WriteWhatPrintfWrites) {
    const std::vector<int> values = {0,       1,      -1,       5,       -5,       9,         10,      -10,
                                     99,      100,    -100,     999,     1000,     12345,     99999,   100000,
                                     -99999,  -12345, 2147483,  INT_MAX, INT_MIN,  INT_MIN + 1, -7,    42};
    for (int value : values) {
        for (int n = 0; n <= 12; ++n) {
            SCOPED_TRACE(std::to_string(value) + " with " + std::to_string(n));
            std::string digits, padded;
            AppendDigits(digits, value, n);
            AppendZeroPadded(padded, value, n);
            EXPECT_EQ(digits, Printf(("%." + std::to_string(n) + "d").c_str(), value));
            EXPECT_EQ(padded, Printf(("%0" + std::to_string(n) + "d").c_str(), value));
        }
    }
    // Appending keeps what was there, and the write functions return the end.
    std::string text = "id-";
    AppendDigits(text, 7, 5);
    EXPECT_EQ(text, "id-00007");
    char buffer[16];
    EXPECT_EQ(WriteZeroPadded(buffer, -3, 3) - buffer, 3);
    EXPECT_EQ(std::string(buffer, 3), "-03");
}

TEST(Digits, DatesAndTimesOutsideTheUsualRange) {
    // Years before 1000 and past 9999, and negative parts, come out as printf wrote them.
    EXPECT_EQ(FormatDate({999, 1, 2}), "0999/01/02");
    EXPECT_EQ(FormatDate({5, 12, 31}), "0005/12/31");
    EXPECT_EQ(FormatDate({0, 0, 0}), "0000/00/00");
    EXPECT_EQ(FormatDate({10000, 1, 1}), "10000/01/01");
    EXPECT_EQ(FormatDate({-5, -1, 100}), "-005/-1/100");

    // "%.2d:%.2d" of hhmm / 100 and hhmm % 100.
    for (int hhmm : {0, 5, 59, 100, 930, 2359, 2400, 2859, 9999, 10000, 123456, -5, -30, -100, -930, -2530}) {
        SCOPED_TRACE(hhmm);
        char full[32], shortText[32];
        std::snprintf(full, sizeof full, "%.2d:%.2d", hhmm / 100, hhmm % 100);
        std::snprintf(shortText, sizeof shortText, "%.1d:%.2d", hhmm / 100, hhmm % 100);
        EXPECT_EQ(FormatHHMM(hhmm), full);
        EXPECT_EQ(ShortTimeText(hhmm), shortText);
    }
}

TEST(Digits, FrameIdsFollowTheHostAfterEveryChange) {
    test::FakeHost host;
    host.now = {987, 6, 5, 4, 3, 2};
    FrameIdSource ids(host);
    EXPECT_EQ(ids.NewFrameId(), "PC01-09870605040302-00001");
    std::string line = "Ci_Cid=";
    ids.AppendNewFrameId(line);
    EXPECT_EQ(line, "Ci_Cid=PC01-09870605040302-00002");
    // A new name within the same second, then a new minute with the old second.
    host.name = "B";
    EXPECT_EQ(ids.NewFrameId(), "B-09870605040302-00003");
    host.now.minute = 4;
    EXPECT_EQ(ids.NewFrameId(), "B-09870605040402-00004");
    host.now = {2026, 12, 31, 23, 59, 59};
    EXPECT_EQ(ids.NewFrameId(), "B-20261231235959-00005");
    // The counter keeps going past five digits.
    for (int i = 6; i < 100000; ++i) ids.NewFrameId();
    EXPECT_EQ(ids.NewFrameId(), "B-20261231235959-100000");

    host.now = {2003, 7, 1, 0, 0, 0};
    EXPECT_EQ(ProcessStamp(host), "B-00:00:00");
}

}  // namespace
}  // namespace mv
