// Shared mode with two or three simulated instances in one process, each with its own
// clock, name, design document and view, on one design file in a temporary folder.

#include "model/sharedmode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "model/codec.h"
#include "model/identity.h"
#include "model/keyvalueline.h"
#include "model/recordline.h"
#include "model/textfile.h"
#include "model/workingset.h"
#include "support/testhost.h"

namespace mv {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;

constexpr Date kJuly1{2003, 7, 1};
constexpr Date kJuly2{2003, 7, 2};
constexpr Date kJuly3{2003, 7, 3};

SlotSet SlotsOf(std::initializer_list<Date> dates) {
    SlotSet slots;
    for (const Date& date : dates) slots.set(SlotOfDate(date));
    return slots;
}

test::FakeHost HostOf(const std::string& name, ClockTime now) {
    test::FakeHost host;
    host.name = name;
    host.now = now;
    return host;
}

// One running instance: its design, its view of 14 days and what shared mode asked of its
// window.
struct Instance : SharedModeListener {
    Instance(const std::string& name, ClockTime now) : host(HostOf(name, now)) {
        design.SetSharingHooks(&shared);
        shared.SetListener(this);
        shared.SetWorkingSet(&view);
    }

    void Open(const fs::path& path, Date viewStart = kJuly1) {
        design.SetSharedMode(true);
        design.SetPath(path);
        ASSERT_TRUE(design.OpenDesignFile(path));
        context.baseYear = design.BaseYear();
        view.Build(viewStart, 14);
        view.LoadView();
    }

    void AddFrame(const Date& date, const std::string& text) {
        auto frame = NewFrame(context.defaults, ids.NewFrameId());
        frame->CDate = date;
        frame->TextStr = text;
        view.AddFrame(date, std::move(frame));
    }

    // The texts of the frames this instance shows on a date.
    std::vector<std::string> Shown(const Date& date) {
        std::vector<std::string> texts;
        for (const auto& frame : view.Column(*view.ColumnOf(date)).frames) texts.push_back(frame->TextStr);
        return texts;
    }

    bool StoreHas(const Date& date, const std::string& text) const {
        const LineList& lines = design.Store().Slot(SlotOfDate(date));
        return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.find("Ci_TextStr=" + text + "%!#") != std::string::npos;
        });
    }

    void DaysReloaded(const SlotSet& slots) override {
        reloaded.push_back(slots);
        view.LoadSlots(slots);
    }
    void BaseYearNotified(int index) override { baseYears.push_back(index); }
    void DesignReRead() override { ++reReads; }

    test::FakeHost host;
    test::FakeDialogs dialogs;
    FrameIdSource ids{host};
    DesignDocument design{host, dialogs, ids};
    RecordContext context;
    WorkingSet view{design.Store(), context};
    SharedMode shared{host, dialogs, design, ProcessStamp(host)};
    std::vector<SlotSet> reloaded;
    std::vector<int> baseYears;
    int reReads = 0;
};

class SharedModeTest : public ::testing::Test {
protected:
    SharedModeTest() { WriteBytes(design, "#Marovelantis=#Marovelantis\r\n#BaseYYYY=13\r\n"); }

    std::vector<std::string> SideLines() const { return SplitLines(ReadBytes(side)); }
    std::vector<std::string> Notifications() const {
        std::vector<std::string> found;
        for (const std::string& line : SideLines())
            if (IsNotificationLine(line)) found.push_back(line);
        return found;
    }
    bool FileHas(const std::string& text) const {
        return ReadBytes(design).find("Ci_TextStr=" + text + "%!#") != std::string::npos;
    }

    test::TempFolder folder;
    fs::path design = folder / "plan.MVF";
    fs::path side = folder / "plan.sha";
    Instance a{"PC01", {2003, 7, 1, 14, 3, 59}};
    Instance b{"PC02", {2003, 7, 1, 14, 4, 10}};
    Instance c{"PC03", {2003, 7, 1, 14, 4, 20}};
};

TEST_F(SharedModeTest, RegistersNewestFirstAndCountsSharers) {
    a.Open(design);
    EXPECT_EQ(SideLines(), (std::vector<std::string>{
                               "Used=%!#", "User=PC01-14:03:59%!#RegDate=2003/07/01%!#RegTime=14:03:59%!#"}));
    EXPECT_EQ(a.shared.SharerCount(), 1);

    b.Open(design);
    auto lines = SideLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "User=PC02-14:04:10%!#RegDate=2003/07/01%!#RegTime=14:04:10%!#");
    EXPECT_EQ(b.shared.SharerCount(), 2);
    EXPECT_EQ(a.shared.SharerCount(), 1);  // until its next poll
    a.shared.Poll();
    EXPECT_EQ(a.shared.SharerCount(), 2);

    // The refresh once more than 180 s have passed rewrites the sharer line in place.
    a.host.now = {2003, 7, 1, 14, 7, 30};
    for (int tick = 1; tick < 60; ++tick) a.shared.Poll();  // 60 ticks of 3 s: not yet
    EXPECT_EQ(SideLines()[2], "User=PC01-14:03:59%!#RegDate=2003/07/01%!#RegTime=14:03:59%!#");
    a.shared.Poll();
    lines = SideLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2], "User=PC01-14:03:59%!#RegDate=2003/07/01%!#RegTime=14:07:30%!#");
}

TEST_F(SharedModeTest, ALoneSharerSavesWithoutNotifying) {
    a.Open(design);
    a.AddFrame(kJuly2, "A1");
    a.shared.NotifyChange({kJuly2}, Sjis("新規"));
    EXPECT_TRUE(FileHas("A1"));
    EXPECT_TRUE(Notifications().empty());
    EXPECT_EQ(SideLines().size(), 2u);
}

TEST_F(SharedModeTest, OthersTakeInAChangeAndTheNotificationGoesWhenAllHaveSeenIt) {
    a.Open(design);
    b.Open(design);
    c.Open(design);
    a.AddFrame(kJuly2, "A1");
    a.shared.NotifyChange({kJuly2}, Sjis("新規"));
    EXPECT_EQ(Notifications(), (std::vector<std::string>{
                                   "PID=PC01-14:03:59%!#RegDate=2003/07/01%!#RegTime=14:03:59%!#MinDate=2003/07/02%!#"
                                   "MaxDate=1899/12/30%!#Cmt=" +
                                   Sjis("新規") + "%!#SumiCnt= 1%!#SumiPID=PC01-14:03:59%!#"}));

    b.shared.Poll();
    EXPECT_TRUE(b.StoreHas(kJuly2, "A1"));
    EXPECT_EQ(b.Shown(kJuly2), std::vector<std::string>{"A1"});
    EXPECT_EQ(b.reloaded, std::vector<SlotSet>{SlotsOf({kJuly2})});
    ASSERT_EQ(Notifications().size(), 1u);
    EXPECT_NE(Notifications()[0].find("SumiCnt=2%!#SumiPID=PC01-14:03:59,PC02-14:04:10%!#"), std::string::npos);

    c.shared.Poll();
    EXPECT_EQ(c.Shown(kJuly2), std::vector<std::string>{"A1"});
    EXPECT_TRUE(Notifications().empty());

    // A deletion travels the same way.
    a.view.FreeFrame(a.view.Column(1).frames[0].get());
    a.shared.NotifyChange({kJuly2}, Sjis("削除"));
    b.shared.Poll();
    EXPECT_TRUE(b.Shown(kJuly2).empty());
    EXPECT_FALSE(b.StoreHas(kJuly2, "A1"));
    b.shared.Poll();  // unchanged side file: nothing to do
    EXPECT_EQ(b.reloaded.size(), 2u);
}

TEST_F(SharedModeTest, ANotificationWaitsForEveryRemainingSharerAfterItsSenderLeft) {
    a.Open(design);
    b.Open(design);
    c.Open(design);
    a.AddFrame(kJuly2, "A1");
    a.shared.NotifyChange({kJuly2}, Sjis("新規"));
    b.shared.Poll();
    a.design.ReleaseHold(design);  // A closes: two sharers left, two have taken the change
    b.shared.Poll();
    ASSERT_EQ(Notifications().size(), 1u);
    c.shared.Poll();
    EXPECT_TRUE(c.StoreHas(kJuly2, "A1"));
    EXPECT_TRUE(Notifications().empty());
}

TEST_F(SharedModeTest, ChangesSavedElsewhereAreKeptWhenSavingWithoutAPollBetween) {
    a.Open(design);
    b.Open(design);
    a.AddFrame(kJuly2, "A1");
    a.shared.NotifyChange({kJuly2}, Sjis("新規"));
    b.AddFrame(kJuly3, "B1");
    b.shared.NotifyChange({kJuly3}, Sjis("新規"));
    EXPECT_TRUE(FileHas("A1"));
    EXPECT_TRUE(FileHas("B1"));
    EXPECT_EQ(b.Shown(kJuly2), std::vector<std::string>{"A1"});
    a.shared.Poll();
    EXPECT_EQ(a.Shown(kJuly3), std::vector<std::string>{"B1"});

    // On one date the two changes are merged frame by frame, and the saver sees both at once.
    a.AddFrame(kJuly1, "A2");
    a.shared.NotifyChange({kJuly1}, Sjis("新規"));
    b.AddFrame(kJuly1, "B2");
    b.shared.NotifyChange({kJuly1}, Sjis("新規"));
    EXPECT_TRUE(FileHas("A2"));
    EXPECT_TRUE(FileHas("B2"));
    EXPECT_EQ(b.Shown(kJuly1), (std::vector<std::string>{"B2", "A2"}));
    a.shared.Poll();
    EXPECT_EQ(a.Shown(kJuly1), (std::vector<std::string>{"B2", "A2"}));
}

// Two sharers start from the same four frames of one date; A changes and deletes some and
// saves, then B, which has not polled, changes and deletes others and adds one. B's save
// keeps everything either did: a frame only one of them touched is as that one left it, and
// on the frame both changed B's later save wins.
TEST_F(SharedModeTest, ChangesOnOneDateAreMergedFrameByFrame) {
    a.Open(design);
    for (const char* text : {"keep", "a-changes", "b-changes", "both-change"}) a.AddFrame(kJuly2, text);
    a.AddFrame(kJuly2, "a-deletes");
    a.AddFrame(kJuly2, "b-deletes");
    a.shared.NotifyChange({kJuly2}, Sjis("新規"));
    b.Open(design);
    a.shared.Poll();

    auto find = [](Instance& who, const std::string& text) {
        for (const auto& frame : who.view.Column(1).frames)
            if (frame->TextStr == text) return frame.get();
        return static_cast<TCInf*>(nullptr);
    };
    find(a, "a-changes")->ETime = 1111;
    find(a, "both-change")->ETime = 1112;
    a.view.FreeFrame(find(a, "a-deletes"));
    a.AddFrame(kJuly2, "a-adds");
    a.shared.NotifyChange({kJuly2}, Sjis("変更"));

    find(b, "b-changes")->ETime = 2221;
    find(b, "both-change")->ETime = 2222;
    b.view.FreeFrame(find(b, "b-deletes"));
    b.AddFrame(kJuly2, "b-adds");
    b.shared.NotifyChange({kJuly2}, Sjis("変更"));

    const std::vector<std::string> expected = {"keep", "a-changes", "b-changes", "both-change", "b-adds", "a-adds"};
    EXPECT_EQ(b.Shown(kJuly2), expected);
    a.shared.Poll();
    EXPECT_EQ(a.Shown(kJuly2), expected);
    for (Instance* who : {&a, &b}) {
        EXPECT_EQ(find(*who, "a-changes")->ETime, 1111);
        EXPECT_EQ(find(*who, "b-changes")->ETime, 2221);
        EXPECT_EQ(find(*who, "both-change")->ETime, 2222);
    }
    EXPECT_FALSE(FileHas("a-deletes"));
    EXPECT_FALSE(FileHas("b-deletes"));

    // Without changes by others in between, the save writes exactly this instance's lines.
    const LineList before = b.design.Store().Slot(SlotOfDate(kJuly2));
    find(b, "keep")->ETime = 1300;
    b.shared.NotifyChange({kJuly2}, Sjis("変更"));
    EXPECT_EQ(b.design.Store().Slot(SlotOfDate(kJuly2)).size(), before.size());
}

// Slots hold a month and day of every year: a view across the year end shows 2004/01/01 on
// the slot that another sharer changes as 2003/01/01. Its poll must show the change on the
// shown date, and its next edit there must keep it.
TEST_F(SharedModeTest, AReloadedSlotIsShownUnderEveryYearTheViewGivesIt) {
    a.Open(design, {2003, 1, 1});
    b.Open(design, {2003, 12, 28});
    a.AddFrame({2003, 1, 1}, "A1");
    a.shared.NotifyChange({{2003, 1, 1}}, Sjis("新規"));
    b.shared.Poll();
    EXPECT_EQ(b.Shown({2004, 1, 1}), std::vector<std::string>{"A1"});

    a.AddFrame({2003, 1, 1}, "A2");
    a.shared.NotifyChange({{2003, 1, 1}}, Sjis("新規"));
    b.AddFrame({2004, 1, 1}, "B1");
    b.shared.NotifyChange({{2004, 1, 1}}, Sjis("新規"));
    for (const char* text : {"A1", "A2", "B1"}) EXPECT_TRUE(FileHas(text)) << text;
    a.shared.Poll();
    EXPECT_EQ(a.Shown({2003, 1, 1}), (std::vector<std::string>{"A1", "B1", "A2"}));
}

// A move takes a frame from one date to another: one report saves once, so no poll can come
// between the source and the target, and each date and range gets its own notification.
TEST_F(SharedModeTest, OneReportOfSeveralDatesAndRangesSavesOnce) {
    a.Open(design);
    b.Open(design);
    a.shared.Poll();
    a.AddFrame(kJuly2, "moved");
    a.shared.NotifyChange({kJuly2}, Sjis("新規"));
    b.shared.Poll();

    auto moved = a.view.TakeFrame(kJuly2, a.view.Column(1).frames[0]->Cid);
    moved->CDate = kJuly3;
    a.view.AddFrame(kJuly3, std::move(moved));
    a.shared.NotifyChanges({{kJuly2, Date{}, Sjis("移動")},
                            {kJuly3, Date{}, Sjis("移動")},
                            {{2003, 7, 5}, {2003, 7, 4}, Sjis("範囲")}});
    const std::vector<std::string> sent = Notifications();
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_NE(sent[0].find("MinDate=2003/07/02%!#MaxDate=1899/12/30%!#"), std::string::npos);
    EXPECT_NE(sent[1].find("MinDate=2003/07/03%!#MaxDate=1899/12/30%!#"), std::string::npos);
    EXPECT_NE(sent[2].find("MinDate=2003/07/04%!#MaxDate=2003/07/05%!#Cmt=" + Sjis("範囲")), std::string::npos);
    EXPECT_EQ(ReadBytes(design).find("Ci_TextStr=moved%!#"), ReadBytes(design).rfind("Ci_TextStr=moved%!#"));

    b.shared.Poll();
    EXPECT_TRUE(b.Shown(kJuly2).empty());
    EXPECT_EQ(b.Shown(kJuly3), std::vector<std::string>{"moved"});
}

TEST_F(SharedModeTest, ARangeAcrossTheYearEndReloadsTheSlotsAtBothEnds) {
    // The file holds lines of 12/29 to 01/03; B holds older ones of every such slot.
    auto record = [](const std::string& date, const std::string& text) {
        return "Ci_CDate=" + date + "%!#Ci_Cid=PC09-20030101000000-00001%!#Ci_STime=900%!#Ci_ETime=1000%!#"
               "Ci_TextStr=" + text + "%!#";
    };
    b.Open(design, {2003, 12, 25});
    const std::vector<std::pair<std::string, int>> days = {{"2003/01/01", 0},   {"2003/01/02", 1},
                                                           {"2003/01/03", 2},   {"2003/12/29", 369},
                                                           {"2003/12/30", 370}, {"2003/12/31", 371}};
    std::string file = "#Marovelantis=#Marovelantis\r\n#BaseYYYY=13\r\n";
    for (const auto& [date, slot] : days) {
        file += record(date, "new") + "\r\n";
        b.design.Store().Slot(slot) = {record(date, "old")};
    }
    WriteBytes(design, file);
    auto lines = SideLines();
    lines.push_back("PID=PC09-13:00:00%!#RegDate=2003/07/01%!#RegTime=14:04:00%!#MinDate=2003/12/30%!#"
                    "MaxDate=2004/01/02%!#Cmt=x%!#SumiCnt= 1%!#SumiPID=PC09-13:00:00%!#");
    WriteBytes(side, [&] {
        std::string bytes;
        for (const auto& line : lines) bytes += line + "\r\n";
        return bytes;
    }());

    b.shared.Poll();
    for (int slot : {0, 1, 370, 371}) EXPECT_EQ(b.design.Store().Slot(slot).size(), 1u);
    for (int slot : {0, 1, 370, 371}) EXPECT_NE(b.design.Store().Slot(slot)[0].find("=new%"), std::string::npos);
    for (int slot : {2, 369}) EXPECT_NE(b.design.Store().Slot(slot)[0].find("=old%"), std::string::npos);
    ASSERT_EQ(b.reloaded.size(), 1u);
    EXPECT_EQ(b.reloaded[0], SlotsOf({{2003, 12, 30}, {2003, 12, 31}, {2004, 1, 1}, {2004, 1, 2}}));
    EXPECT_EQ(b.Shown({2003, 12, 30}), std::vector<std::string>{"new"});
}

TEST_F(SharedModeTest, ABaseYearCommentSwitchesTheOthersWithoutANewNotification) {
    a.Open(design);
    b.Open(design);
    a.design.SetBaseYearIndex(14);
    a.shared.NotifyChange(std::vector<Date>{}, BaseYearComment(14));
    ASSERT_EQ(Notifications().size(), 1u);
    EXPECT_NE(Notifications()[0].find("MinDate=2003/07/01%!#MaxDate=1899/12/30%!#Cmt=" + Sjis("基底年=14") + "%!#"),
              std::string::npos);
    b.shared.Poll();
    EXPECT_EQ(b.baseYears, std::vector<int>{14});
    EXPECT_TRUE(b.reloaded.empty());
    EXPECT_TRUE(Notifications().empty());

    // The same year as selected changes nothing.
    a.shared.NotifyChange(std::vector<Date>{}, BaseYearComment(13));
    b.shared.Poll();
    EXPECT_EQ(b.baseYears, std::vector<int>{14});
    EXPECT_EQ(BaseYearOfComment(Sjis("基底年= 7 ")), 7);
}

TEST_F(SharedModeTest, ALockLeftByADeadInstanceIsTakenOverAfterElevenAttempts) {
    WriteBytes(side, "Used=PC09-14:00:00%!#\r\nUser=PC09-14:00:00%!#RegDate=2003/07/01%!#RegTime=14:02:00%!#\r\n");
    a.Open(design);
    EXPECT_EQ(a.host.waitedMs, 10 * kLockRetryMs);
    auto lines = SideLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Used=%!#");
    EXPECT_EQ(a.shared.SharerCount(), 2);

    // A gate file left behind by an instance that died while taking the lock.
    WriteBytes(folder / "plan.sha.lock", "");
    a.host.waitedMs = 0;
    a.shared.Register(design, true);
    EXPECT_EQ(a.host.waitedMs, 10 * kLockRetryMs);
    EXPECT_FALSE(fs::exists(folder / "plan.sha.lock"));
    a.shared.Register(design, true);
    EXPECT_EQ(a.host.waitedMs, 10 * kLockRetryMs);
}

TEST_F(SharedModeTest, TheLockPurgesStaleSharersAndThisMachinesStaleNotifications) {
    auto notification = [](const std::string& pid, const std::string& time) {
        return "PID=" + pid + "%!#RegDate=2003/07/01%!#RegTime=" + time +
               "%!#MinDate=2003/07/02%!#MaxDate=1899/12/30%!#Cmt=x%!#SumiCnt= 1%!#SumiPID=" + pid + "%!#";
    };
    const std::vector<std::string> lines = {
        "Used=%!#",
        "User=PC07-13:00:00%!#RegDate=2003/07/01%!#RegTime=13:59:30%!#",  // 4 minutes (seconds ignored)
        "User=PC08-13:00:00%!#RegDate=2003/07/01%!#RegTime=13:58:59%!#",  // 5 minutes
        "User=PC06-13:00:00%!#RegDate=2003/06/30%!#RegTime=23:00:00%!#",  // yesterday
        notification("PC01-13:00:00", "13:58:00"),                         // this machine, stale
        notification("PC01-13:01:00", "14:00:00"),                         // this machine, 3 minutes
        notification("PC06-13:00:00", "13:00:00"),                         // another machine
    };
    std::string bytes;
    for (const auto& line : lines) bytes += line + "\r\n";
    WriteBytes(side, bytes);
    auto locked = a.shared.LockSideFile(side);
    EXPECT_EQ(locked, (std::vector<std::string>{"Used=PC01-14:03:59%!#", lines[1], lines[5], lines[6]}));
    EXPECT_EQ(SideLines(), locked);
    a.shared.UnlockSideFile(side, locked);
    EXPECT_EQ(SideLines()[0], "Used=%!#");
}

TEST(SideFileAge, CountsMinutesOfTheDayAndAtMostOneDayBack) {
    const ClockTime now{2003, 7, 1, 0, 3, 0};
    EXPECT_FALSE(IsAtLeastMinutesOld(now, {2003, 6, 30}, 23, 59, 5));  // 4 minutes
    EXPECT_TRUE(IsAtLeastMinutesOld(now, {2003, 6, 30}, 23, 58, 5));
    // Three days back counts as one: still 4 minutes.
    EXPECT_FALSE(IsAtLeastMinutesOld(now, {2003, 6, 28}, 23, 59, 5));
    EXPECT_TRUE(IsAtLeastMinutesOld({2003, 7, 1, 14, 3, 0}, {2003, 7, 1}, 13, 58, 5));
    EXPECT_TRUE(IsEntryStale("User=X%!#RegDate=garbage%!#RegTime=14:00:00%!#", now));
}

TEST_F(SharedModeTest, TheLastSharerToLeaveDeletesTheSideFile) {
    a.Open(design);
    b.Open(design);
    b.design.ReleaseHold(design);
    ASSERT_TRUE(fs::exists(side));
    EXPECT_EQ(SideLines().size(), 2u);
    a.design.ReleaseHold(design);
    EXPECT_FALSE(fs::exists(side));
    EXPECT_FALSE(fs::exists(folder / "plan.sha.lock"));
}

TEST_F(SharedModeTest, ASideFileUntouchedForHalfAnHourIsDeletedOnOpening) {
    const std::string ghost = "User=PC09-14:00:00%!#RegDate=2003/07/01%!#RegTime=14:02:00%!#";
    WriteBytes(side, "Used=%!#\r\n" + ghost + "\r\n");
    fs::last_write_time(side, fs::file_time_type::clock::now() - std::chrono::minutes(29));
    a.Open(design);
    EXPECT_EQ(SideLines().size(), 3u);

    fs::last_write_time(side, fs::file_time_type::clock::now() - std::chrono::minutes(31));
    b.Open(design);
    auto lines = SideLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(SharerStamp(lines[1]), "PC02-14:04:10");
}

TEST_F(SharedModeTest, AChangeWrittenWithinTheSameFileTimeIsStillSeen) {
    a.Open(design);
    b.Open(design);
    b.shared.Poll();
    const auto seen = fs::last_write_time(side);
    a.AddFrame(kJuly2, "A1");
    a.shared.NotifyChange({kJuly2}, Sjis("新規"));
    fs::last_write_time(side, seen);  // a coarse file system gives both writes one time
    b.shared.Poll();
    EXPECT_EQ(b.Shown(kJuly2), std::vector<std::string>{"A1"});
}

TEST_F(SharedModeTest, SwitchingTheModeAsksReReadsAndRegistersOrLeaves) {
    a.Open(design);
    a.dialogs.answers = {Answer::Cancel};
    EXPECT_FALSE(a.shared.SwitchModeCommand());
    EXPECT_TRUE(a.design.SharedMode());

    EXPECT_TRUE(a.shared.SwitchModeCommand());
    EXPECT_FALSE(a.design.SharedMode());
    EXPECT_FALSE(fs::exists(side));
    EXPECT_EQ(a.reReads, 1);
    ASSERT_EQ(a.dialogs.shown.size(), 3u);
    EXPECT_EQ(a.dialogs.shown[1].text,
              "【 共有モードの解除 】\r\n\r\n共有モードを変更するとデザインファイルの再読み込みを行います。\r\n\r\n"
              "よろしいですか。\r\n\r\n");
    EXPECT_EQ(a.dialogs.shown[1].buttons, Buttons::OkCancel);
    EXPECT_EQ(a.dialogs.shown[2].text, "デザインファイルの共有モードを解除しました。\r\n\r\n");

    // Without shared mode a change is neither saved nor announced.
    a.AddFrame(kJuly2, "A1");
    a.shared.NotifyChange({kJuly2}, Sjis("新規"));
    EXPECT_FALSE(FileHas("A1"));

    EXPECT_TRUE(a.shared.SwitchModeCommand());
    EXPECT_TRUE(a.design.SharedMode());
    EXPECT_EQ(SideLines().size(), 2u);
    EXPECT_EQ(a.dialogs.shown[3].text.substr(0, std::string("【 共有モードの設定 】").size()), "【 共有モードの設定 】");
    EXPECT_NE(a.dialogs.shown[4].text.find("  デザインファイルを共有モードにしました。\r\n"), std::string::npos);
    EXPECT_EQ(a.dialogs.shown[4].kind, MessageKind::Information);
}

TEST_F(SharedModeTest, ReReadingTakesTheFileAsItIsNow) {
    a.Open(design);
    b.Open(design);
    b.AddFrame(kJuly2, "B1");
    b.shared.NotifyChange({kJuly2}, Sjis("新規"));
    a.design.Store().Slot(SlotOfDate(kJuly3)).push_back("junk");
    a.dialogs.answers = {Answer::Ok};
    EXPECT_TRUE(a.shared.ReReadCommand());
    EXPECT_EQ(a.dialogs.shown.back().text,
              "最新状態のデザインファイルを読み込みます。\r\n\r\nよろしいですか。\r\n\r\n");
    EXPECT_TRUE(a.StoreHas(kJuly2, "B1"));
    EXPECT_TRUE(a.design.Store().Slot(SlotOfDate(kJuly3)).empty());
    EXPECT_EQ(a.reReads, 1);
}

}  // namespace
}  // namespace mv
