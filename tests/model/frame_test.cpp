#include "model/frame.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "model/codec.h"

namespace mv {
namespace {

TCInf WithFields(const std::vector<std::pair<int, std::string>>& fields) {
    TCInf frame;
    for (const auto& [id, text] : fields) {
        TFInf field;
        field.FID = id;
        field.FTextStr = text;
        frame.Fields.push_back(field);
    }
    return frame;
}

TEST(Frame, TitleIsTheFirstUsableField) {
    const std::string dot = Sjis("・");
    struct Case {
        const char* name;
        std::vector<std::pair<int, std::string>> fields;
        std::string title;
    };
    const std::vector<Case> cases = {
        {"no fields", {}, ""},
        {"only a dot", {{2, dot}}, ""},
        {"dot with blanks", {{0, "  " + dot + " "}}, ""},
        {"time field is never the title", {{1, "A"}, {2, "B"}}, "B"},
        {"only the time field", {{1, "09:30"}}, ""},
        {"blank fields skipped", {{0, "  "}, {0, ""}, {0, "\t"}, {3, "C"}}, "C"},
        {"dot skipped, next taken", {{0, dot}, {0, Sjis("ソフト")}}, Sjis("ソフト")},
        {"first wins", {{2, "x"}, {2, "y"}}, "x"},
        {"two dots are text", {{2, dot + dot}}, dot + dot},
        {"id 0 is a title field", {{0, Sjis("議題")}}, Sjis("議題")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DeriveTitle(WithFields(c.fields)), c.title);
    }
}

TEST(Frame, NewFramesAndFieldsStartWithTheirDefaults) {
    FrameDefaults defaults;
    defaults.baseFontHeight = 16;
    defaults.beginPointSize = 12;
    defaults.backgroundColour = 0x00FFEECC;
    auto frame = NewFrame(defaults);
    EXPECT_EQ(frame->Cid, "");
    EXPECT_EQ(frame->STime, 500);
    EXPECT_EQ(frame->ETime, 600);
    EXPECT_EQ(frame->ResizePos, -1);
    EXPECT_EQ(frame->ResizeLen, -1);
    EXPECT_EQ(frame->DupPos, 0);
    EXPECT_EQ(frame->LeftPri, 0);
    EXPECT_EQ(frame->TextFH, -16);
    EXPECT_EQ(frame->TextPS, 12);
    EXPECT_EQ(frame->TextFC, 0);
    EXPECT_EQ(frame->WakuBC, 0x00FFEECC);
    EXPECT_FALSE(frame->Fixed);
    EXPECT_FALSE(frame->ContLink);
    EXPECT_TRUE(frame->Fields.empty());
    EXPECT_FALSE(frame->IsColumnRecord());
    EXPECT_EQ(NewFrame(defaults, "PC01-x")->Cid, "PC01-x");

    TFInf time = NewField(kTimeFieldId, 1, defaults);
    EXPECT_EQ(time.FID, 1);
    EXPECT_EQ(time.FArea, 1);
    EXPECT_EQ(time.FTextPS, 8);
    EXPECT_EQ(time.FTextFH, -11);  // 8 pt at 96 dpi
    TFInf title = NewField(2, 0, defaults);
    EXPECT_EQ(title.FTextPS, 10);
    EXPECT_EQ(title.FTextFH, -13);
    EXPECT_EQ(title.FTextStr, "  ");
    EXPECT_EQ(title.FTextAL, 2);
    EXPECT_EQ(title.FLineType, 0);
    EXPECT_EQ(title.FTextFC, 0);
    defaults.pixelsPerInch = 120;
    EXPECT_EQ(NewField(2, 0, defaults).FTextFH, -17);  // 16.67 rounds to 17
}

TEST(Frame, PointSizesAndHeightsRoundToNearest) {
    struct Case {
        int height, ppi, points;
    };
    for (const Case& c : std::vector<Case>{
             {-13, 96, 10}, {-11, 96, 8}, {-16, 96, 12}, {-15, 96, 11}, {-12, 96, 9}, {-17, 120, 10}, {13, 96, -10}}) {
        SCOPED_TRACE(c.height);
        EXPECT_EQ(PointSizeOfHeight(c.height, c.ppi), c.points);
    }
    for (int points = 6; points <= 72; ++points) EXPECT_EQ(PointSizeOfHeight(HeightOfPointSize(points, 96), 96), points);
    EXPECT_EQ(PointSizeOfHeight(-13, 0), 0);  // no division by zero
}

TEST(Frame, AddFieldAtFrontOrBack) {
    FrameDefaults defaults;
    TCInf frame;
    AddField(frame, NewField(2, 0, defaults), false);
    AddField(frame, NewField(3, 0, defaults), false);
    AddField(frame, NewField(kTimeFieldId, 0, defaults), true);
    ASSERT_EQ(frame.Fields.size(), 3u);
    EXPECT_EQ(frame.Fields[0].FID, 1);
    EXPECT_EQ(frame.Fields[1].FID, 2);
    EXPECT_EQ(frame.Fields[2].FID, 3);
}

TEST(Frame, KeptTimesAreTheStoredOnes) {
    TCInf frame;
    frame.STime = 900;
    frame.ETime = 1000;
    EXPECT_EQ(frame.StoredSTime(), 900);
    EXPECT_EQ(frame.StoredETime(), 1000);
    frame.KeptSTime = 1300;
    frame.KeptETime = 1430;
    EXPECT_EQ(frame.StoredSTime(), 1300);
    EXPECT_EQ(frame.StoredETime(), 1430);
    frame.STime = -1;
    EXPECT_TRUE(frame.IsColumnRecord());
}

}  // namespace
}  // namespace mv
