#include "view/geometry/packtiming.h"

#include <gtest/gtest.h>

namespace mv {
namespace {

TEST(PackTimes, OneHourBlocksFromFiveThenTwoPerHourFromFifteen) {
    const auto times = PackTimes(15);
    EXPECT_EQ(times[0], std::make_pair(500, 600));
    EXPECT_EQ(times[9], std::make_pair(1400, 1500));
    EXPECT_EQ(times[10], std::make_pair(1500, 1600));  // the eleventh
    EXPECT_EQ(times[11], std::make_pair(1500, 1600));  // the twelfth shares its hour
    EXPECT_EQ(times[12], std::make_pair(1600, 1700));  // the thirteenth starts at 16:00
    EXPECT_EQ(times[13], std::make_pair(1600, 1700));
    EXPECT_EQ(times[14], std::make_pair(1700, 1800));
}

TEST(PackTimes, NothingEndsAfterTheEndOfTheDay) {
    const auto times = PackTimes(60);
    for (const auto& [start, end] : times) {
        EXPECT_LE(end, 2900);
        EXPECT_EQ(end - start, 100);
    }
    // Two blocks an hour from 15:00 fill the day with the 38th; the rest stack on 28:00.
    EXPECT_EQ(times[37], std::make_pair(2800, 2900));
    EXPECT_EQ(times[36], std::make_pair(2800, 2900));
    EXPECT_EQ(times[35], std::make_pair(2700, 2800));
    EXPECT_EQ(times[59], std::make_pair(2800, 2900));
}

FrameList Frames(std::vector<std::pair<int, int>> times) {
    FrameList frames;
    for (auto [start, end] : times) {
        auto frame = std::make_unique<TCInf>();
        frame->STime = start;
        frame->ETime = end;
        frame->Cid = "id" + std::to_string(frames.size());
        frames.push_back(std::move(frame));
    }
    return frames;
}

TEST(PackTiming, PacksByRealStartAndKeepsTheRealTimes) {
    FrameList frames = Frames({{1300, 1400}, {900, 930}, {2500, 2600}});
    ApplyPackTiming(frames);
    EXPECT_EQ(frames[1]->STime, 500);  // the earliest comes first
    EXPECT_EQ(frames[0]->STime, 600);
    EXPECT_EQ(frames[2]->STime, 700);
    EXPECT_EQ(frames[2]->ETime, 800);
    EXPECT_EQ(frames[1]->StoredSTime(), 900);  // what is written stays real
    EXPECT_EQ(frames[1]->StoredETime(), 930);

    ApplyPackTiming(frames);  // a layout refresh packs again: same times, same kept times
    EXPECT_EQ(frames[0]->STime, 600);
    EXPECT_EQ(frames[0]->KeptSTime, 1300);

    UndoPackTiming(frames);
    EXPECT_EQ(frames[0]->STime, 1300);
    EXPECT_EQ(frames[1]->ETime, 930);
    EXPECT_EQ(frames[2]->KeptSTime, 0);
}

TEST(PackTiming, AFrameWithoutKeptTimesKeepsItsOwnOnLeaving) {
    FrameList frames = Frames({{1000, 1100}});
    UndoPackTiming(frames);
    EXPECT_EQ(frames[0]->STime, 1000);
    EXPECT_EQ(frames[0]->ETime, 1100);
}

}  // namespace
}  // namespace mv
