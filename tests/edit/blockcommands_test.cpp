// Frames through the clipboard and partial design files: the blocks and files as written,
// read back at a date or at their own dates, refusals and Cancel, broken lines, and each
// read taken back by one undo.

#include "edit/blockcommands.h"

#include <functional>
#include <map>
#include <tuple>

#include "edit/editfixture.h"
#include "edit/undocommands.h"
#include "model/codec.h"
#include "model/dayslot.h"
#include "model/keyvalueline.h"
#include "platform/filechooser.h"
#include "platform/memoryclipboard.h"

namespace mv::test {
namespace {

struct AnsweringFiles : FileChooser {
    std::optional<std::string> answer;
    std::optional<std::string> ChooseOpen(const FileDialogRequest&) override { return answer; }
    std::optional<std::string> ChooseSave(const FileDialogRequest&) override { return answer; }
};

class BlockTest : public EditFixture {
protected:
    // Frames on 06/02 and 06/05 (stored, both chosen) and on 07/05 (shown); 07/01 to 07/07 in view.
    BlockTest() {
        const std::vector<std::tuple<Date, std::string, int>> frames = {
            {{2003, 6, 2}, "J2", 900}, {{2003, 6, 5}, "J5", 1000}, {{2003, 7, 5}, "K5", 1100}};
        for (const auto& [date, cid, start] : frames) {
            lines[cid] = Line(date, cid, start);
            if (working.ColumnOf(date)) working.AddLine(date, lines[cid]);
            else design.Store().AddLine(date, lines[cid]);
        }
        context.Chosen().Toggle("J2", {2003, 6, 2});
        context.Chosen().Toggle("J5", {2003, 6, 5});
        design.SetPath(folder / "design.MVF");
        design.SetModified(false);
        files.answer = Utf8(partial);
    }
    static std::string Utf8(const std::filesystem::path& path) { return PathText(path); }
    // Every frame of the design year as "MM/DD@start", shown or stored.
    std::string Frames() {
        std::string text;
        auto add = [&](const TCInf& frame) { text += FormatDate(frame.CDate).substr(5) + "@" + std::to_string(frame.STime) + " "; };
        for (Date date{2003, 1, 1}; date.year == 2003; date = AddDays(date, 1)) {
            if (const auto column = working.ColumnOf(date)) {
                for (const auto& frame : working.Column(*column).frames) add(*frame);
                continue;
            }
            for (const std::string& line : design.Store().Slot(SlotOfDate(date)))
                if (auto parsed = ParseRecordLine(line, recordContext); parsed.kind == ParsedRecord::Kind::Frame) add(*parsed.frame);
        }
        return text;
    }
    const RecordedMessage& Last() { return dialogs.shown.back(); }

    TempFolder folder;
    std::filesystem::path partial = folder / "part.MVF";
    std::map<std::string, std::string> lines;
    MemoryClipboard clipboard;
    AnsweringFiles files;
    BlockSeams seams{dialogs, ids, &clipboard, &files, &host};
    std::string lastPath;
};

TEST_F(BlockTest, BlocksAndFilesAreWrittenAsTheProgramWritesThemAndReadBackKeepingTheDayGaps) {
    const std::string start = Frames();
    EXPECT_EQ(start, "06/02@900 06/05@1000 07/05@1100 ");
    const std::string header = "#Marovelantis=#Marovelantis\r\n#BaseYYYY=13\r\n#MoveMM=4\r\n";
    struct Case {
        const char* what;
        std::function<bool()> write;
        std::function<std::string()> written;
        std::string expected;
        std::function<bool()> read;
        std::string after;
    };
    auto onClipboard = [&] { return FromUtf8(clipboard.Text()); };
    auto inFile = [&] { return ReadBytes(partial); };
    const std::vector<Case> cases = {
        {"three days, the first and last empty, read at 07/10: the frame lands on 07/11",
         [&] { return PutDaysOnClipboard(context, seams, {2003, 7, 4}, {2003, 7, 6}, design.Path()); }, onClipboard,
         "Marovelantis.DateRange\r\n" + Sjis("日付範囲  (") + FromUtf8(Utf8(design.Path())) +
             ")\r\n2003/07/04\r\n2003/07/06\r\nCi_CDate=2003/07/04\r\nCi_CDate=2003/07/05\r\n" + lines["K5"] +
             "\r\nCi_CDate=2003/07/06\r\n",
         [&] { return ReadClipboardBlock(context, seams, {2003, 7, 10}); }, start + "07/11@1100 "},
        {"chosen frames of 06/02 and 06/05 read at 06/10 land on 06/10 and 06/13",
         [&] { return PutChosenOnClipboard(context, seams); }, onClipboard,
         "Marovelantis.ChoicedRange\r\n" + Sjis("選択枠  (2 個)") + "\r\n2003/06/02\r\n2003/06/05\r\nCi_CDate=2003/06/02\r\n" +
             lines["J2"] + "\r\nCi_CDate=2003/06/05\r\n" + lines["J5"] + "\r\n",
         [&] { return ReadClipboardBlock(context, seams, {2003, 6, 10}); },
         "06/02@900 06/05@1000 06/10@900 06/13@1000 07/05@1100 "},
        {"the days as a partial file, loaded at a shown date",
         [&] { return SaveDaysAsFile(context, seams, {2003, 7, 4}, {2003, 7, 6}, lastPath, design.Path()); }, inFile,
         header + lines["K5"] + "\r\n",
         [&] { return LoadDesignFile(context, seams, partial, Date{2003, 7, 2}).has_value(); },
         "06/02@900 06/05@1000 07/02@1100 07/05@1100 "},
        {"the chosen frames as a partial file, loaded at their own dates",
         [&] { return SaveChosenAsFile(context, seams, lastPath, design.Path()); }, inFile,
         header + lines["J2"] + "\r\n" + lines["J5"] + "\r\n",
         [&] { return LoadDesignFile(context, seams, partial, std::nullopt).has_value(); },
         "06/02@900 06/02@900 06/05@1000 06/05@1000 07/05@1100 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(c.write());
        EXPECT_EQ(c.written(), c.expected);
        ASSERT_TRUE(c.read());
        EXPECT_EQ(Frames(), c.after);
        EXPECT_TRUE(design.Modified());
        ASSERT_TRUE(UndoNewest(context));
        EXPECT_EQ(Frames(), start);
        EXPECT_FALSE(design.Modified());
    }
    EXPECT_EQ(lastPath, Utf8(partial));
}

TEST_F(BlockTest, EachReadIsAnIndependentCopyAndOneUndoTakesOnlyTheLastBack) {
    ASSERT_TRUE(PutChosenOnClipboard(context, seams));
    auto idsOn = [&](const Date& date) {
        std::vector<std::string> cids;
        for (const std::string& line : design.Store().Slot(SlotOfDate(date))) cids.emplace_back(*FindValue(line, "Ci_Cid", kSep));
        return cids;
    };
    ASSERT_TRUE(ReadClipboardBlock(context, seams, {2003, 6, 10}));
    ASSERT_TRUE(ReadClipboardBlock(context, seams, {2003, 6, 10}));
    const std::vector<std::string> copies = idsOn({2003, 6, 10});
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_NE(copies[0], copies[1]);
    EXPECT_NE(copies[0], "J2");
    EXPECT_EQ(listener.changed.back().size(), 4u) << "06/10 to 06/13 reported at once";
    EXPECT_EQ(ToUtf8(history.UndoCaption()), "元に戻す  #2  【 ｸﾘｯﾌﾟﾎﾞｰﾄﾞ/ﾃﾞｻﾞｲﾝﾌｧｲﾙ 読み込み - 06/10 ～ 06/13 】");
    ASSERT_TRUE(UndoNewest(context));
    EXPECT_EQ(idsOn({2003, 6, 10}), std::vector<std::string>{copies[0]});
    EXPECT_EQ(idsOn({2003, 6, 13}).size(), 1u);
}

TEST_F(BlockTest, RefusalsAndCancelChangeNothing) {
    const std::string block = "Marovelantis.ChoicedRange\r\n選択枠  (2 個)\r\n2003/06/02\r\n2003/06/05\r\nCi_CDate=2003/06/02\r\n" +
                              ToUtf8(lines["J2"]) + "\r\n";
    const std::string path = Utf8(partial);
    const std::string days = "2003/07/04 ～ 2003/07/06", chosen = "2003/06/02 ～ 2003/06/05";
    struct Case {
        std::string clipboard;  // what the clipboard holds
        std::string file;       // what part.MVF holds
        std::function<bool()> command;
        std::string message;    // the last message shown: the refusal, or the question cancelled
    };
    const Date target{2003, 7, 2};
    const std::vector<Case> cases = {
        {"", "#Title=" + std::string(100, 'x') + "\r\n#Marovelantis=#Marovelantis\r\n" + lines["J2"] + "\r\n",
         [&] { return LoadDesignFile(context, seams, partial, target).has_value(); },
         "これは Marovelantis のデータファイルではありません。\r\r   Path  ＞  " + path + "\r\r"},
        {"", "#Marovelantis=#Marovelantis\r\n#BaseYYYY=13\r\n", [&] { return LoadDesignFile(context, seams, partial, target).has_value(); },
         "このデザインファイルに登録されているデータはありません。\r\r   Path  ＞  " + path + "\r\r"},
        {"Marovelantis.Date", "", [&] { return ReadClipboardBlock(context, seams, target); },
         "クリップボードに読み込めるデータはありません。\r\r"},
        {"Marovelantis.Date", "", [&] { return ClearClipboardBlock(seams); }, "クリップボードにデータはありません。\r\r"},
        // Each question answered Cancel.
        {"", "", [&] { return PutDaysOnClipboard(context, seams, {2003, 7, 4}, {2003, 7, 6}, design.Path()); },
         "クリップボードにデータを書き込みます。\r\r  ＞  日付範囲\r  ＞  " + days + "\r\rよろしいですか？\r\r"},
        {"", "", [&] { return PutChosenOnClipboard(context, seams); },
         "クリップボードにデータを書き込みます。\r\r  ＞  選択枠  (2 個)\r  ＞  " + chosen + "\r\rよろしいですか？\r\r"},
        {block, "", [&] { return ClearClipboardBlock(seams); },
         "クリップボードのデータをクリアーします。\r\r  ＞  元データ  ．．．  選択枠  (2 個)      \r\r  ＞  " + chosen +
             "\r\rよろしいですか？\r\r"},
        {block, "", [&] { return ReadClipboardBlock(context, seams, {2003, 6, 10}); },
         "クリップボードのデータを読み込みます。\r\r  ＞  元データ  ．．．  選択枠  (2 個)      \r\r  ＞  " + chosen +
             " → 2003/06/10        \r\rよろしいですか？\r\r"},
        {"", "", [&] { return SaveDaysAsFile(context, seams, {2003, 7, 4}, {2003, 7, 6}, lastPath, design.Path()); },
         "選択された日付をデザインファイルとして保存します。\r\r   範囲  ＞  " + days + "  ( 3 日 )\r\rよろしいですか？\r\r"},
        {"", "", [&] { return SaveChosenAsFile(context, seams, lastPath, design.Path()); },
         "選択された枠をデザインファイルとし保存します\r\r   範囲  ＞  " + chosen + "  ( 2 個 )\r\rよろしいですか？\r\r"},
        {"", "#Marovelantis\r\n" + lines["J2"] + "\r\n" + lines["J5"] + "\r\n",
         [&] { return LoadDesignFile(context, seams, partial, target).has_value(); },
         "指定のデザインファイルを指定の日付を起点に読み込みます。\r\r   内容  ＞  " + chosen + " → 2003/07/02        \r   Path  ＞  " +
             path + "\r\rよろしいですか？\r\r"},
        {"", "#Marovelantis\r\n" + lines["J2"] + "\r\n" + lines["J5"] + "\r\n",
         [&] { return LoadDesignFile(context, seams, partial, std::nullopt).has_value(); },
         "指定のデザインファイルをファイルの日付のまま読み込みます。\r\r   内容  ＞  " + chosen + "\r   Path  ＞  " + path +
             "\r\rよろしいですか？\r\r"},
    };
    const std::string start = Frames();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        clipboard.SetText(c.clipboard);
        WriteBytes(partial, c.file);
        dialogs.answers = {Answer::Cancel};
        EXPECT_FALSE(c.command());
        EXPECT_EQ(Last().text, c.message);
        EXPECT_EQ(Last().kind, c.message.find("よろしいですか") != std::string::npos ? MessageKind::Question : MessageKind::Error);
        EXPECT_EQ(clipboard.Text(), c.clipboard);
        EXPECT_EQ(ReadBytes(partial), c.file);
        EXPECT_EQ(Frames(), start);
        EXPECT_FALSE(design.Modified());
        EXPECT_FALSE(history.CanUndo());
    }
    // The file dialog cancelled writes nothing either.
    std::filesystem::remove(partial);
    files.answer.reset();
    EXPECT_FALSE(SaveChosenAsFile(context, seams, lastPath, design.Path()));
    EXPECT_FALSE(std::filesystem::exists(partial));
}

TEST_F(BlockTest, BrokenLinesAreLeftOutAndEveryPlacedLineReadsBackWithItsNewId) {
    const std::string longTitle(100000, 'w');
    const char nul[] = "Ci_CDate=2003/07/02%!#Ci_STime=900%!#Ci_Title=a\0b%!#\r\n";
    const std::string block = "Marovelantis.DateRange\r\n(x)\r\n2003/07/02\r\n2003/07/02\r\n"
                              "Ci_CDate=2003/07/02\r\n"
                              "Ci_CDate=%!#Ci_STime=600%!#\r\n"
                              "Ci_CDate=2003/02/30%!#Ci_STime=700%!#\r\n"
                              "Ci_CDate=2003/07/02 and nothing else\r\n" +
                              std::string(nul, sizeof nul - 1) +
                              "Ci_CDate=2003/07/02%!#Ci_STime=1000%!##Filed[Fi_FTextStr=open\r\n"
                              "Ci_CDate=2003/07/02%!#Ci_Title=" + longTitle + "%!#Ci_STime=1100%!#Ci_Cid=Y%!#\r\n";
    const std::string start = Frames();
    for (const Date target : {Date{2003, 7, 3}, Date{2003, 7, 10}}) {
        SCOPED_TRACE(FormatDate(target));
        clipboard.SetText(block);
        ASSERT_TRUE(ReadClipboardBlock(context, seams, target));
        const std::string day = FormatDate(target).substr(5);
        EXPECT_EQ(Frames(), start.substr(0, 21) + (target.day == 3 ? day + "@900 " + day + "@1000 " + day + "@1100 07/05@1100 "
                                                                   : "07/05@1100 " + day + "@900 " + day + "@1000 " + day + "@1100 "));
        ASSERT_EQ(history.AfterLines().size(), 3u);
        for (const std::string& line : history.AfterLines()) {
            const ParsedRecord parsed = ParseRecordLine(line, recordContext);
            ASSERT_EQ(parsed.kind, ParsedRecord::Kind::Frame) << line.substr(0, 80);
            EXPECT_EQ(parsed.frame->CDate, target);
            EXPECT_EQ(parsed.frame->Cid.substr(0, 5), "PC01-");
        }
        ASSERT_TRUE(UndoNewest(context));
        EXPECT_EQ(Frames(), start);
    }
}

// A run of days past 31 December names the next year's January, whose lines carry the
// design year.
TEST_F(BlockTest, DaysPastTheYearsEndKeepTheirGapAndReportOnlyTheirDates) {
    clipboard.SetText("Marovelantis.DateRange\r\n(x)\r\n2003/12/31\r\n2004/01/01\r\nCi_CDate=2003/12/31\r\n" +
                      Line({2003, 12, 31}, "A", 900) + "\r\nCi_CDate=2004/01/01\r\n" + Line({2003, 1, 1}, "B", 1000) + "\r\n");
    ASSERT_TRUE(ReadClipboardBlock(context, seams, {2003, 7, 2}));
    EXPECT_EQ(Frames(), "06/02@900 06/05@1000 07/02@900 07/03@1000 07/05@1100 ");
    EXPECT_EQ(listener.changed.back(), (std::vector<Date>{{2003, 7, 2}, {2003, 7, 3}}));
}

TEST_F(BlockTest, AColumnRecordTravelsWithItsDayAndGoesWithTheUndo) {
    clipboard.SetText("Marovelantis.DateRange\r\n(x)\r\n2003/07/04\r\n2003/07/04\r\nCi_CDate=2003/07/04\r\n"
                      "Ci_CDate=2003/07/04%!#Ci_Cid=H%!#Ci_STime=-1%!#Ci_TextStr=見出し%!#\r\n");
    const DateColumn& column = working.Column(2);  // 07/03, shown
    ASSERT_TRUE(ReadClipboardBlock(context, seams, {2003, 7, 3}));
    EXPECT_EQ(column.header.TextStr, Sjis("見出し"));
    working.CommitView(true);
    ASSERT_EQ(design.Store().Slot(SlotOfDate({2003, 7, 3})).size(), 1u) << "kept in the day's stored lines";
    ASSERT_TRUE(UndoNewest(context));
    EXPECT_EQ(column.header.TextStr, "");
    EXPECT_TRUE(design.Store().Slot(SlotOfDate({2003, 7, 3})).empty());
    ASSERT_TRUE(RedoNewest(context));
    EXPECT_EQ(column.header.TextStr, Sjis("見出し"));
}

TEST_F(BlockTest, SavingOverTheDesignBeingEditedAsksFirstWithCancelAsTheDefault) {
    WriteBytes(design.Path(), "the design");
    files.answer = Utf8(design.Path());
    EXPECT_FALSE(SaveChosenAsFile(context, seams, lastPath, design.Path()));
    EXPECT_EQ(Last().text, "現在編集中のデザインファイルに保存しようとしています。\r\r   Path  ＞  " + Utf8(design.Path()) +
                               "\r\rこのまま構わずに保存してもよろしいですか？\r\r");
    EXPECT_EQ(Last().buttons, Buttons::OkCancel);
    EXPECT_EQ(Last().defaultAnswer, Answer::Cancel);
    EXPECT_EQ(ReadBytes(design.Path()), "the design");
    // A name without an extension is given one; what was written is told.
    files.answer = Utf8(folder / "part");
    ASSERT_TRUE(SaveChosenAsFile(context, seams, lastPath, design.Path()));
    EXPECT_EQ(Last().text, "選択された枠をデザインファイルとして保存しました。\r\r   範囲  ＞  2003/06/02 ～ 2003/06/05  ( 2 個 )\r"
                           "   Path  ＞  " + Utf8(partial) + "\r\r");
    EXPECT_EQ(lastPath, Utf8(partial));
}

}  // namespace
}  // namespace mv::test
