// What the property window changes on a frame: times as people type them and the rule that
// keeps a frame whole when one time passes the other; styles recorded one step each and
// taken back exactly; alignment and place, which are not recorded.

#include "edit/propertycommands.h"

#include "edit/editfixture.h"
#include "edit/undocommands.h"
#include "model/codec.h"
#include "model/timeofday.h"

namespace mv::test {
namespace {

TEST(TypedTimeTest, TypedTimesAndTheTimeChangeRuleGiveTheFramesTimes) {
    // The frame runs 09:00 to 10:00; the start counts as changed when it differs from 09:00.
    const TimeSpan old{900, 1000};
    struct Case {
        const char* start;
        const char* end;
        std::optional<TimeSpan> times;
    };
    const std::vector<Case> cases = {
        {"9:30", "10:00", TimeSpan{930, 1000}},
        {"930", "1030", TimeSpan{930, 1030}},
        {"09：30", "11:00", TimeSpan{930, 1100}},             // full-width colon
        {"２５：３０", "２６:００", TimeSpan{2530, 2600}},    // full-width digits
        {"25:30", "10:00", TimeSpan{2530, 2630}},             // 01:30 at night, past the end
        {"9:00", "29:00", TimeSpan{900, 2900}},               // the grid's end
        {"9:00", "05:00", TimeSpan{900, 2900}},               // the grid's first hour as an end
        {"12:00", "10:00", TimeSpan{1200, 1300}},             // the end moves along
        {"28:30", "10:00", TimeSpan{2800, 2900}},             // ... up to 29:00
        {"9:00", "8:30", TimeSpan{730, 830}},                 // an end before the start
        {"9:00", "5:30", TimeSpan{500, 530}},                 // ... the start no earlier than 05:00
        {"24:60", "10:00", std::nullopt},
        {"1a:00", "10:00", std::nullopt},
        {"", "10:00", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.start) + " - " + c.end);
        const std::optional<int> start = ReadTypedTime(c.start, nullptr);
        const std::optional<int> end = ReadTypedTime(c.end, nullptr);
        if (!c.times) {
            EXPECT_FALSE(start);
            continue;
        }
        ASSERT_TRUE(start && end);
        EXPECT_EQ(ResolveTimeChange(old, *start, *end, EarlyMorningShift(*start) != old.start), c.times);
    }
    EXPECT_EQ(ReadTypedTime("25:30", nullptr), 130);
}

class PropertyTest : public EditFixture {
protected:
    // A frame of 09:00 to 10:00 on 07/02 with one title field (centred, 10 points).
    PropertyTest() {
        auto frame = NewFrame(recordContext.defaults, "P");
        frame->CDate = date;
        frame->STime = 900;
        frame->ETime = 1000;
        TFInf field = NewField(0, 0, recordContext.defaults);
        field.FTextStr = Sjis("題");
        AddField(*frame, field, false);
        working.AddLine(date, BuildRecordLine(*frame));
        design.SetModified(false);
    }
    std::string Now() { return *working.LineOf(date, "P"); }
    bool Has(const std::string& item) { return Now().find(item + "%!#") != std::string::npos; }

    const Date date{2003, 7, 2};
};

TEST_F(PropertyTest, EachStyleAndTimeChangeIsOneUndoStepThatRestoresTheLine) {
    struct Case {
        const char* caption;
        std::function<bool()> change;
        std::vector<std::string> items;
    };
    const std::vector<Case> cases = {
        {"枠色 - 07/02  09:00", [&] { return SetFrameColour(context, date, "P", 255); }, {"Ci_WakuBC=255"}},
        {"枠の文字色 - 07/02  09:00", [&] { return SetTextColour(context, date, "P", 0, 0xFF00); },
         {"Ci_TextFC=65280", "Fi_FTextFC=65280"}},
        // The stored height of a font is negative: a character height of 16 pixels at 96 dpi.
        {"ﾌｫﾝﾄｻｲｽﾞ - 07/02  09:00", [&] { return SetFontSize(context, date, "P", 0, 12); }, {"Fi_FTextFH=-16"}},
        {"時刻変更 - 07/02  09:00", [&] { return ChangeFrameTimes(context, date, "P", {2530, 2600}); },
         {"Ci_STime=2530", "Ci_ETime=2600"}},
    };
    const std::string before = Now();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        ASSERT_TRUE(c.change());
        for (const std::string& item : c.items) EXPECT_TRUE(Has(item)) << Now();
        EXPECT_TRUE(design.Modified());
        EXPECT_EQ(ToUtf8(history.UndoCaption()), std::string("元に戻す  #1  【 ") + c.caption + " 】");
        ASSERT_TRUE(UndoNewest(context));
        EXPECT_EQ(Now(), before);
        EXPECT_FALSE(design.Modified());
    }
    EXPECT_FALSE(SetFontSize(context, date, "P", 1, 12)) << "no such field";
    EXPECT_FALSE(SetFrameColour(context, date, "gone", 255));
    EXPECT_FALSE(history.CanUndo());
}

TEST_F(PropertyTest, AlignmentAndPlaceAreNotRecorded) {
    ASSERT_TRUE(SetFieldAlignment(context, date, "P", 0, 0, 7));  // centred text drawn 7 pixels in
    EXPECT_TRUE(Has("Fi_FTextAL=0") && Has("Fi_FOff_X0=7")) << Now();
    ASSERT_TRUE(SetFieldAlignment(context, date, "P", 0, 0, 30));  // already free: stays where it is
    EXPECT_TRUE(Has("Fi_FOff_X0=7"));
    ASSERT_TRUE(ResetFieldPosition(context, date, "P", 0, true, 40, 13));  // below the frame
    EXPECT_TRUE(Has("Fi_FOff_Y0=53") && Has("Fi_FOff_X0=0")) << Now();
    EXPECT_TRUE(design.Modified());
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(listener.changed.size(), 3u);  // every change redrawn and reported
}

}  // namespace
}  // namespace mv::test
