#include "model/recordline.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "model/codec.h"
#include "model/identity.h"
#include "model/keyvalueline.h"
#include "support/testhost.h"

namespace mv {
namespace {

const std::string kBreak(1, kLineBreakByte);

RecordContext Context(int baseYear) {
    RecordContext context;
    context.baseYear = baseYear;
    context.defaults.backgroundColour = 4242;  // a fill no line uses, to see the default
    return context;
}

TFInf Field(int id, std::string text, int area, int fh, int fc, int al, int lt, int y0, int x0, int y1, int x1) {
    TFInf f;
    f.FID = id;
    f.FTextStr = std::move(text);
    f.FArea = area;
    f.FTextFH = fh;
    f.FTextFC = fc;
    f.FTextAL = al;
    f.FLineType = lt;
    f.FOff_Y0 = y0;
    f.FOff_X0 = x0;
    f.FOff_Y1 = y1;
    f.FOff_X1 = x1;
    return f;
}

// A frame with every stored value set to something other than its default.
TCInf SampleFrame() {
    TCInf f;
    f.CDate = {2003, 7, 1};
    f.Cid = "PC01-20030701140359-00001";
    f.STime = 930;
    f.ETime = 1015;
    f.WakuBC = 12171705;
    f.ResizePos = 10;
    f.ResizeLen = 80;
    f.DupPos = 2;
    f.TextFH = -16;
    f.TextFC = 255;
    f.TextStr = Sjis("議会") + kBreak + Sjis("中継");
    f.DayMemo = Sjis("メモ");
    f.Fixed = true;
    f.LeftPri = 1;
    f.Contents = Sjis("内容");
    f.ContLink = true;
    f.LinkURL = "http://example.jp/";
    f.Fields.push_back(Field(1, "09:30", 0, -11, 0, 1, 1, 0, 0, 0, 0));
    f.Fields.push_back(Field(2, Sjis("ソフト・紹介"), 1, -13, 128, 0, 2, 3, -4, 5, 6));
    return f;
}

TEST(RecordLine, BuildsTheFixedLayout) {
    const std::string expected =
        "Ci_CDate=2003/07/01%!#Ci_Cid=PC01-20030701140359-00001%!#Ci_STime=930%!#Ci_ETime=1015%!#"
        "Ci_WakuBC=12171705%!#Ci_Title=" + Sjis("ソフト・紹介") + "%!#Ci_ResizePos=10%!#Ci_ResizeLen=80%!#"
        "Ci_DupPos=2%!#Ci_TextFH=-16%!#Ci_TextFC=255%!#Ci_TextStr=" + Sjis("議会") + kBreak + Sjis("中継") +
        "%!#Ci_DayMemo=" + Sjis("メモ") + "%!#Ci_Fixed=True%!#Ci_LeftPri=1%!#Ci_Contents=" + Sjis("内容") +
        "%!#Ci_ContLink=True%!#Ci_LinkURL=http://example.jp/%!#%!#"
        "#Filed[Fi_FID=1%!#Fi_FTextStr=09:30%!#Fi_FArea=0%!#Fi_FTextFH=-11%!#Fi_FTextFC=0%!#Fi_FTextAL=1%!#"
        "Fi_FLineType=1%!#Fi_FOff_Y0=0%!#Fi_FOff_X0=0%!#Fi_FOff_Y1=0%!#Fi_FOff_X1=0%!##Filed]"
        "#Filed[Fi_FID=2%!#Fi_FTextStr=" + Sjis("ソフト・紹介") + "%!#Fi_FArea=1%!#Fi_FTextFH=-13%!#Fi_FTextFC=128%!#"
        "Fi_FTextAL=0%!#Fi_FLineType=2%!#Fi_FOff_Y0=3%!#Fi_FOff_X0=-4%!#Fi_FOff_Y1=5%!#Fi_FOff_X1=6%!##Filed]";
    EXPECT_EQ(BuildRecordLine(SampleFrame()), expected);
}

TEST(RecordLine, FrameWithoutFieldsEndsWithItsEighteenthItem) {
    TCInf f;
    f.CDate = {2004, 2, 29};
    const std::string line = BuildRecordLine(f);
    EXPECT_EQ(line,
              "Ci_CDate=2004/02/29%!#Ci_Cid=%!#Ci_STime=500%!#Ci_ETime=600%!#Ci_WakuBC=0%!#Ci_Title=%!#"
              "Ci_ResizePos=-1%!#Ci_ResizeLen=-1%!#Ci_DupPos=0%!#Ci_TextFH=0%!#Ci_TextFC=0%!#Ci_TextStr=%!#"
              "Ci_DayMemo=%!#Ci_Fixed=False%!#Ci_LeftPri=0%!#Ci_Contents=%!#Ci_ContLink=False%!#Ci_LinkURL=%!#");
    // 18 items, each followed by the separator.
    std::size_t count = 0;
    for (std::size_t at = line.find(kSep); at != std::string::npos; at = line.find(kSep, at + 1)) ++count;
    EXPECT_EQ(count, 18u);
}

TEST(RecordLine, WritingStripsTrailingBreaksAndUsesKeptTimesAndDerivedTitle) {
    TCInf f = SampleFrame();
    f.Contents = "a" + kBreak + "b" + kBreak + kBreak;
    f.LinkURL = "u" + kBreak;
    f.Fields[1].FTextStr = "T" + kBreak + kBreak;
    f.TextStr = "keep" + kBreak;
    f.DayMemo = "memo" + kBreak;
    f.Title = "stale title";
    f.KeptSTime = 1300;  // the pack display moved the frame; the real times are kept
    f.KeptETime = 1400;
    const std::string line = BuildRecordLine(f);
    auto value = [&](std::string_view key, std::string_view text) {
        std::string v;
        EXPECT_TRUE(GetText(text, key, kSep, v)) << key;
        return v;
    };
    EXPECT_EQ(value("Ci_Contents", line), "a" + kBreak + "b");
    EXPECT_EQ(value("Ci_LinkURL", line), "u");
    EXPECT_EQ(value("Ci_TextStr", line), "keep" + kBreak);
    EXPECT_EQ(value("Ci_DayMemo", line), "memo" + kBreak);
    EXPECT_EQ(value("Ci_Title", line), "T" + kBreak + kBreak);  // the field's text as it stands
    EXPECT_EQ(value("Ci_STime", line), "1300");
    EXPECT_EQ(value("Ci_ETime", line), "1400");
    const std::string block = line.substr(line.rfind("#Filed["));
    EXPECT_EQ(value("Fi_FTextStr", block), "T");
}

void ExpectSameFrame(const TCInf& a, const TCInf& b) {
    EXPECT_EQ(a.Cid, b.Cid);
    EXPECT_EQ(a.CDate, b.CDate);
    EXPECT_EQ(a.STime, b.STime);
    EXPECT_EQ(a.ETime, b.ETime);
    EXPECT_EQ(a.WakuBC, b.WakuBC);
    EXPECT_EQ(a.ResizePos, b.ResizePos);
    EXPECT_EQ(a.ResizeLen, b.ResizeLen);
    EXPECT_EQ(a.DupPos, b.DupPos);
    EXPECT_EQ(a.TextFH, b.TextFH);
    EXPECT_EQ(a.TextFC, b.TextFC);
    EXPECT_EQ(a.TextStr, b.TextStr);
    EXPECT_EQ(a.DayMemo, b.DayMemo);
    EXPECT_EQ(a.Fixed, b.Fixed);
    EXPECT_EQ(a.LeftPri, b.LeftPri);
    EXPECT_EQ(a.Contents, b.Contents);
    EXPECT_EQ(a.ContLink, b.ContLink);
    EXPECT_EQ(a.LinkURL, b.LinkURL);
    EXPECT_EQ(DeriveTitle(a), b.Title);
    ASSERT_EQ(a.Fields.size(), b.Fields.size());
    for (std::size_t i = 0; i < a.Fields.size(); ++i) {
        SCOPED_TRACE(i);
        const TFInf &x = a.Fields[i], &y = b.Fields[i];
        EXPECT_EQ(x.FID, y.FID);
        EXPECT_EQ(x.FTextStr, y.FTextStr);
        EXPECT_EQ(x.FArea, y.FArea);
        EXPECT_EQ(x.FTextFH, y.FTextFH);
        EXPECT_EQ(x.FTextFC, y.FTextFC);
        EXPECT_EQ(x.FTextAL, y.FTextAL);
        EXPECT_EQ(x.FLineType, y.FLineType);
        EXPECT_EQ(x.FOff_Y0, y.FOff_Y0);
        EXPECT_EQ(x.FOff_X0, y.FOff_X0);
        EXPECT_EQ(x.FOff_Y1, y.FOff_Y1);
        EXPECT_EQ(x.FOff_X1, y.FOff_X1);
    }
}

TEST(RecordLine, ReadsBackWhatItWrites) {
    std::vector<TCInf> frames;
    frames.push_back(SampleFrame());
    TCInf plain;
    plain.CDate = {2003, 12, 31};
    plain.Cid = "x";
    frames.push_back(plain);
    TCInf night = SampleFrame();
    night.STime = 2430;
    night.ETime = 2859;
    night.WakuBC = 0;
    night.Fixed = false;
    night.ContLink = false;
    night.TextStr = Sjis("ソ") + "\\" + Sjis("・");
    night.Fields.push_back(Field(0, Sjis("・"), 0, -20, 1, 3, 0, 0, 0, 0, 0));
    night.Fields.push_back(Field(5, Sjis("三つ目") + kBreak + "x", 1, -8, 65535, 2, 1, 7, 8, 9, 10));
    frames.push_back(night);
    TCInf wide = SampleFrame();
    wide.Fields.clear();
    for (int i = 0; i < 40; ++i) wide.Fields.push_back(Field(i, "F" + std::to_string(i), i % 2, -i, i, i % 4, i % 3, i, -i, 2 * i, -2 * i));
    frames.push_back(wide);

    for (const TCInf& frame : frames) {
        SCOPED_TRACE(frame.Cid);
        const std::string line = BuildRecordLine(frame);
        ParsedRecord parsed = ParseRecordLine(line, Context(frame.CDate.year));
        ASSERT_EQ(parsed.kind, ParsedRecord::Kind::Frame);
        ExpectSameFrame(frame, *parsed.frame);
        EXPECT_EQ(BuildRecordLine(*parsed.frame), line);
    }
}

TEST(RecordLine, DatesAreRebasedIntoTheBaseYear) {
    struct Case {
        std::string date;
        int baseYear;
        std::optional<Date> expected;
    };
    const std::vector<Case> cases = {
        {"2000/02/29", 2003, std::nullopt},
        {"2000/02/29", 2004, Date{2004, 2, 29}},
        {"2000/02/29", 2100, std::nullopt},
        {"2004/02/28", 2003, Date{2003, 2, 28}},
        {"1999/07/01", 2003, Date{2003, 7, 1}},
        {"2003/12/31", 1990, Date{1990, 12, 31}},
        {"2003/01/01", 2100, Date{2100, 1, 1}},
        {"2003/02/29", 2004, std::nullopt},  // no such date where it stands: treated as missing
        {"2003/13/01", 2003, std::nullopt},
        {"2003/07/32", 2003, std::nullopt},
        {"garbage", 2003, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.date + " into " + std::to_string(c.baseYear));
        ParsedRecord parsed = ParseRecordLine("Ci_CDate=" + c.date + "%!#Ci_Cid=a%!#Ci_STime=900%!#", Context(c.baseYear));
        if (!c.expected) {
            EXPECT_EQ(parsed.kind, ParsedRecord::Kind::None);
            EXPECT_EQ(parsed.frame, nullptr);
        } else {
            ASSERT_EQ(parsed.kind, ParsedRecord::Kind::Frame);
            EXPECT_EQ(parsed.frame->CDate, *c.expected);
            // Writing the frame back writes the base year.
            EXPECT_EQ(BuildRecordLine(*parsed.frame).substr(0, 19), "Ci_CDate=" + FormatDate(*c.expected));
        }
    }
    EXPECT_EQ(ParseRecordLine("Ci_Cid=a%!#Ci_STime=900%!#", Context(2003)).kind, ParsedRecord::Kind::None);
    EXPECT_EQ(ParseRecordLine("Ci_CDate=2003/07/01", Context(2003)).kind, ParsedRecord::Kind::None);
    EXPECT_EQ(ParseRecordLine("", Context(2003)).kind, ParsedRecord::Kind::None);
}

TEST(RecordLine, MissingOrMalformedItemsKeepTheDefaults) {
    RecordContext context = Context(2003);
    context.defaults.baseFontHeight = 15;
    ParsedRecord parsed = ParseRecordLine("Ci_CDate=2003/07/01%!#", context);
    ASSERT_EQ(parsed.kind, ParsedRecord::Kind::Frame);
    const TCInf& f = *parsed.frame;
    EXPECT_EQ(f.Cid, "");
    EXPECT_EQ(f.WakuBC, 4242);  // the default fill of the settings
    EXPECT_EQ(f.ResizePos, -1);
    EXPECT_EQ(f.ResizeLen, -1);
    EXPECT_EQ(f.STime, 500);
    EXPECT_EQ(f.ETime, 600);
    EXPECT_EQ(f.TextFH, -15);
    EXPECT_FALSE(f.Fixed);
    EXPECT_TRUE(f.Fields.empty());
    EXPECT_EQ(f.Title, "");

    ParsedRecord bad = ParseRecordLine(
        "Ci_CDate=2003/07/01%!#Ci_STime=9:30%!#Ci_ETime=%!#Ci_WakuBC=abc%!#Ci_ResizePos=1e3%!#"
        "Ci_LeftPri=99999999999%!#Ci_Fixed=yes%!#Ci_TextFH=-%!#",
        context);
    ASSERT_EQ(bad.kind, ParsedRecord::Kind::Frame);
    EXPECT_EQ(bad.frame->STime, 500);
    EXPECT_EQ(bad.frame->ETime, 600);
    EXPECT_EQ(bad.frame->WakuBC, 4242);
    EXPECT_EQ(bad.frame->ResizePos, -1);
    EXPECT_EQ(bad.frame->LeftPri, 0);
    EXPECT_FALSE(bad.frame->Fixed);
    EXPECT_EQ(bad.frame->TextFH, -15);

    ParsedRecord sized = ParseRecordLine("Ci_CDate=2003/07/01%!#Ci_TextFH=-16%!#", context);
    EXPECT_EQ(sized.frame->TextPS, 12);
}

TEST(RecordLine, NegativeStartIsTheDateColumnsRecord) {
    ParsedRecord parsed = ParseRecordLine(
        "Ci_CDate=1999/07/01%!#Ci_Cid=c%!#Ci_STime=-1%!#Ci_TextStr=" + Sjis("議会中継日") + "%!#", Context(2003));
    ASSERT_EQ(parsed.kind, ParsedRecord::Kind::ColumnRecord);
    EXPECT_EQ(parsed.frame->CDate, (Date{2003, 7, 1}));
    EXPECT_EQ(parsed.frame->TextStr, Sjis("議会中継日"));
    EXPECT_TRUE(parsed.frame->IsColumnRecord());
}

TEST(RecordLine, FreshIdReplacesTheLinesId) {
    test::FakeHost host;
    FrameIdSource ids(host);
    RecordContext context = Context(2003);
    const std::string line = "Ci_CDate=2003/07/01%!#Ci_Cid=OLD%!#";
    EXPECT_EQ(ParseRecordLine(line, context).frame->Cid, "OLD");
    context.ids = &ids;
    EXPECT_EQ(ParseRecordLine(line, context, true).frame->Cid, "PC01-20030701140359-00001");
    EXPECT_EQ(ParseRecordLine(line, context, false).frame->Cid, "OLD");
}

TEST(RecordLine, FieldBlocks) {
    const RecordContext context = Context(2003);
    const std::string head = "Ci_CDate=2003/07/01%!#Ci_Cid=a%!#%!#";
    struct Case {
        const char* name;
        std::string tail;
        std::vector<std::string> texts;
    };
    const std::vector<Case> cases = {
        {"two blocks", "#Filed[Fi_FTextStr=A%!##Filed]#Filed[Fi_FTextStr=B%!##Filed]", {"A", "B"}},
        {"unterminated block", "#Filed[Fi_FID=2%!#Fi_FTextStr=A%!#", {}},
        {"second unterminated", "#Filed[Fi_FTextStr=A%!##Filed]#Filed[Fi_FTextStr=B%!#", {"A"}},
        {"close without open", "Fi_FTextStr=A%!##Filed]", {}},
        {"empty block takes defaults", "#Filed[#Filed]", {"  "}},
        {"text between blocks ignored", "#Filed[Fi_FTextStr=A%!##Filed]junk#Filed[Fi_FTextStr=B%!##Filed]", {"A", "B"}},
        // Items of one block are looked up in that block only.
        {"no lookup across blocks", "#Filed[Fi_FID=2%!##Filed]#Filed[Fi_FTextStr=B%!##Filed]", {"  ", "B"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ParsedRecord parsed = ParseRecordLine(head + c.tail, context);
        ASSERT_EQ(parsed.kind, ParsedRecord::Kind::Frame);
        std::vector<std::string> texts;
        for (const TFInf& f : parsed.frame->Fields) texts.push_back(f.FTextStr);
        EXPECT_EQ(texts, c.texts);
    }

    ParsedRecord partial = ParseRecordLine(head + "#Filed[Fi_FID=1%!#Fi_FTextFH=-16%!#Fi_FTextStr=09:30%!##Filed]", context);
    ASSERT_EQ(partial.frame->Fields.size(), 1u);
    const TFInf& f = partial.frame->Fields[0];
    EXPECT_EQ(f.FID, 1);
    EXPECT_EQ(f.FTextFH, -16);
    EXPECT_EQ(f.FTextPS, 12);
    EXPECT_EQ(f.FArea, 0);
    EXPECT_EQ(f.FTextAL, 2);
    EXPECT_EQ(f.FLineType, 0);
    EXPECT_EQ(partial.frame->Title, "");  // the time field never titles
}

// The one-pass reader of a day's list agrees with the full reader on what it takes.
TEST(RecordLine, ListSummaryAgreesWithTheFullReader) {
    const RecordContext context = Context(2003);
    const std::string head = "Ci_CDate=2003/07/01%!#Ci_Cid=a%!#Ci_STime=2430%!#";
    const std::vector<std::string> lines = {
        BuildRecordLine(SampleFrame()),
        head + "#Filed[Fi_FTextStr=A%!##Filed]#Filed[Fi_FTextStr=B%!##Filed]",
        head + "#Filed[Fi_FID=2%!#Fi_FTextStr=A%!#",
        head + "#Filed[Fi_FTextStr=A%!##Filed]#Filed[Fi_FTextStr=B%!#",
        head + "#Filed[#Filed]",
        head + "#Filed[ fi_fid = 3 %!#FI_FTEXTSTR= " + Sjis("議ソ") + " %!#Fi_FOff_Y1=x%!#Fi_FOff_Y0=-7%!##Filed]",
        "Ci_CDate=2003/07/01%!#Ci_STime=-1%!#Ci_TextStr=" + Sjis("列") + "%!#",  // the column record
        "Ci_CDate=2003/02/29%!#Ci_STime=930%!#",  // no such day in the base year
        "Ci_Cid=a%!#Ci_STime=930%!#",              // no date
        "\xFF\x81#Filed[#Filed",
    };
    for (const std::string& line : lines) {
        SCOPED_TRACE(line);
        const ParsedRecord parsed = ParseRecordLine(line, context);
        ListSummary summary;
        const bool listed = ParseListSummary(line, context, summary);
        ASSERT_EQ(listed, parsed.kind == ParsedRecord::Kind::Frame);
        if (!listed) continue;
        EXPECT_EQ(summary.start, parsed.frame->STime);
        ASSERT_EQ(summary.fields.size(), parsed.frame->Fields.size());
        for (std::size_t i = 0; i < summary.fields.size(); ++i) {
            const TFInf& field = parsed.frame->Fields[i];
            if (field.FTextStr != "  ") {  // "  " is a new field's
                EXPECT_EQ(summary.fields[i].text, field.FTextStr);
            }
            EXPECT_EQ(summary.fields[i].id, field.FID);
            EXPECT_EQ(summary.fields[i].offsetY0, field.FOff_Y0);
            EXPECT_EQ(summary.fields[i].offsetY1, field.FOff_Y1);
        }
    }
}

TEST(RecordLine, SummaryReadsOnlyWhatOutlinesNeed) {
    const std::string fields = "%!##Filed[Fi_FID=2%!#Fi_FTextStr=" + Sjis("一番") + "%!##Filed]#Filed[Fi_FTextStr=two%!##Filed]";
    auto summary = ParseRecordSummary("Ci_CDate=1999/07/01%!#Ci_STime=2430%!#Ci_ETime=2530%!#Ci_WakuBC=255%!#"
                                      "Ci_Title=  %!#Ci_TextStr=t%!#" + fields);
    EXPECT_EQ(summary->CDate, (Date{1999, 7, 1}));  // not re-based
    EXPECT_EQ(summary->STime, 2430);
    EXPECT_EQ(summary->ETime, 2530);
    EXPECT_EQ(summary->WakuBC, 255);
    EXPECT_EQ(summary->Title, Sjis("一番"));
    EXPECT_TRUE(summary->TextStr.empty());
    EXPECT_TRUE(summary->Fields.empty());

    EXPECT_EQ(ParseRecordSummary("Ci_CDate=2003/07/01%!#Ci_Title=own%!#" + fields)->Title, "own");
    EXPECT_EQ(ParseRecordSummary("Ci_CDate=2003/07/01%!#Ci_Title=%!#")->Title, "");
    EXPECT_NO_THROW(ParseRecordSummary("\xFF\x81#Filed[#Filed"));
}

TEST(RecordLine, RedateReplacesOnlyTheDate) {
    const std::string rest = "%!#Ci_Cid=" + Sjis("議ソ・") + "%!#Ci_STime=930%!#Ci_CDate=1111/11/11%!#";
    EXPECT_EQ(RedateLine("Ci_CDate=2003/07/01" + rest, {2004, 2, 29}), "Ci_CDate=2004/02/29" + rest);
    EXPECT_EQ(RedateLine("ci_cdate=2003/07/01" + rest, {2004, 2, 29}), "ci_cdate=2004/02/29" + rest);
    EXPECT_EQ(RedateLine("Ci_CDate=2003/07/01", {1990, 1, 1}), "Ci_CDate=1990/01/01");
    EXPECT_EQ(RedateLine("Ci_Cid=x%!#", {1990, 1, 1}), "Ci_Cid=x%!#");
    EXPECT_EQ(RedateLine("Ci_CDate=", {1990, 1, 1}), "Ci_CDate=1990/01/01");
    // A date written short (which reading accepts) is replaced whole: cutting ten characters
    // would eat into the separator and lose the record.
    const std::string moved = RedateLine("Ci_CDate=2003/7/1" + rest, {2004, 2, 29});
    EXPECT_EQ(moved, "Ci_CDate=2004/02/29" + rest);
    Date date;
    EXPECT_TRUE(GetDate(moved, "Ci_CDate", kSep, date));
    EXPECT_EQ(date, (Date{2004, 2, 29}));
}

TEST(RecordLine, ReplaceItemValue) {
    struct Case {
        std::string line, key, value, expected;
    };
    const std::vector<Case> cases = {
        {"PID=a%!#SumiCnt= 1%!#SumiPID=a%!#", "SumiCnt", "2", "PID=a%!#SumiCnt=2%!#SumiPID=a%!#"},
        {"PID=a%!#SumiCnt= 1%!#SumiPID=a%!#", "SumiPID", "a,b", "PID=a%!#SumiCnt= 1%!#SumiPID=a,b%!#"},
        {"PID=a%!#sumipid=a%!#", "SumiPID", "a,b", "PID=a%!#sumipid=a,b%!#"},
        {"X=1%!#X=2%!#", "X", "9", "X=9%!#X=2%!#"},
        {"PID=a%!#", "SumiCnt", "2", "PID=a%!#"},
        {"Path_Html=old", "Path_Html", Sjis("新"), "Path_Html=" + Sjis("新")},
        {"Cmt=" + Sjis("議") + "%!#", "Cmt", Sjis("ソ"), "Cmt=" + Sjis("ソ") + "%!#"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(ReplaceItemValue(c.line, c.key, c.value), c.expected);
    }
}

}  // namespace
}  // namespace mv
