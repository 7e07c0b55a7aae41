// Checking, opening and releasing design files: the identification test, the holder claim
// in the header, the in-use and updated-elsewhere warnings, and the renewal of old frame ids.

#include "model/designfile.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "model/codec.h"
#include "model/identity.h"
#include "model/keyvalueline.h"
#include "model/recordline.h"
#include "support/testhost.h"

namespace mv {
namespace {

using test::ReadBytes;
using test::WriteBytes;

const std::string kId = "#Marovelantis=#Marovelantis";
const std::string kLongId = "PC07-20030615093000-00001";  // 25 characters: kept on opening

std::string Crlf(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

std::string Record(const std::string& date, const std::string& id, int start = 900) {
    return "Ci_CDate=" + date + "%!#Ci_Cid=" + id + "%!#Ci_STime=" + std::to_string(start) + "%!#Ci_ETime=" +
           std::to_string(start + 100) + "%!#";
}

const std::string kInUseHeading =
    "－－－－－－－－－－\r\n      他で使用中\r\n－－－－－－－－－－\r\n\r\n"
    "  現在、このデザインファイルは他の [ プロセス / マシン ] で使用中です。\r\n\r\n"
    "      File.Name ＞  ";

class RecordingHooks : public SharingHooks {
public:
    std::vector<std::pair<std::filesystem::path, bool>> calls;
    void Housekeep(const std::filesystem::path& designPath, bool sharedModeOn) override {
        calls.emplace_back(designPath, sharedModeOn);
    }
};

// One running instance of the program.
struct Instance {
    explicit Instance(const std::string& name = "PC01") {
        host.name = name;
        doc.SetSharingHooks(&hooks);
    }
    test::FakeHost host;
    test::FakeDialogs dialogs;
    RecordingHooks hooks;
    FrameIdSource ids{host};
    DesignDocument doc{host, dialogs, ids};
};

class DesignFileTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    std::filesystem::path path = folder / "design.MVF";
};

TEST_F(DesignFileTest, CheckFindsTheIdentificationInTheFirstHundredBytes) {
    struct Case {
        const char* name;
        std::string bytes;
        bool accepted;
    };
    const std::vector<Case> cases = {
        {"identification line", Crlf({kId}), true},
        {"starts at byte 88", std::string(87, 'x') + "#Marovelantis\r\n", true},
        {"starts at byte 89", std::string(88, 'x') + "#Marovelantis\r\n", false},
        {"inside an early title", Crlf({"#Title=abc #Marovelantis", "#BaseYYYY=13"}), true},
        {"after CR LF lines", [] {
             std::string s;
             for (int i = 0; i < 29; ++i) s += "x\r\n";  // 87 bytes
             return s + "#Marovelantis";
         }(), true},
        // Lines are joined with CR LF before the test: LF-only ends push the text back.
        {"after LF lines", [] {
             std::string s;
             for (int i = 0; i < 43; ++i) s += "x\n";  // 86 bytes, 129 once joined
             return s + "#Marovelantis";
         }(), false},
        {"letter case as written", Crlf({"#marovelantis=#marovelantis"}), false},
        {"empty file", "", false},
        {"binary noise around it", std::string("\x00\xFF ", 3) + "#Marovelantis" + std::string(5000, '\x81'), true},
        {"long first line", "#Marovelantis" + std::string(5 << 20, 'a'), true},
        {"other text", Crlf({"Ci_CDate=2003/07/01%!#"}), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(path, c.bytes);
        Instance app;
        EXPECT_EQ(app.doc.CheckDesignFile(path), c.accepted);
        if (c.accepted) {
            EXPECT_TRUE(app.dialogs.shown.empty());
        } else {
            ASSERT_EQ(app.dialogs.shown.size(), 1u);
            EXPECT_EQ(app.dialogs.shown[0].kind, MessageKind::Error);
            EXPECT_EQ(app.dialogs.shown[0].buttons, Buttons::Ok);
            EXPECT_EQ(app.dialogs.shown[0].text,
                      "これは Marovelantis のデータファイルではありません。\r\r\r     PATH = " + path.string() + "\r\r");
        }
    }

    Instance app;
    const auto missing = folder / "nowhere.MVF";
    EXPECT_FALSE(app.doc.CheckDesignFile(missing));
    ASSERT_EQ(app.dialogs.shown.size(), 1u);
    EXPECT_EQ(app.dialogs.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(app.dialogs.shown[0].text,
              "Marovelantis のデータファイルが存在しません。\r\r\r     PATH = " + missing.string() + "\r\r");
    EXPECT_FALSE(app.doc.CheckDesignFile(folder.Path())) << "a folder is no design file";
}

TEST_F(DesignFileTest, CreateEmptyWritesOnlyTheIdentification) {
    Instance app;
    WriteBytes(path, Crlf({kId, Record("2003/07/01", kLongId)}));
    EXPECT_TRUE(app.doc.CreateEmptyDesignFile(path));
    EXPECT_EQ(ReadBytes(path), "#Marovelantis=#Marovelantis\r\n");
    EXPECT_TRUE(app.doc.CheckDesignFile(path));
    EXPECT_TRUE(app.dialogs.shown.empty());

    EXPECT_FALSE(app.doc.CreateEmptyDesignFile(folder.Path()));
    ASSERT_EQ(app.dialogs.shown.size(), 1u);
    EXPECT_EQ(app.dialogs.shown[0].text,
              "ファイルの削除に失敗しました。\r\r     PATH = " + folder.Path().string() + "\r\r");
}

// Opening a file that nobody holds claims it at once: the holder and last-update lines
// change (inserted when missing) and nothing else does, not even lines the design ignores.
TEST_F(DesignFileTest, OpeningClaimsAFreeFile) {
    const std::string own = "#Priority=PC01-14:03:59", last = "#LastUpdate=PC01-14:03:59";
    const std::string odd = "ci_cdate=1999/07/01%!#ci_cid=" + kLongId + "%!#ci_stime= 0930 %!#";
    const std::string rec = Record("2003/07/02", kLongId);
    struct Case {
        const char* name;
        std::vector<std::string> before, after;
    };
    const std::vector<Case> cases = {
        {"empty holder",
         {kId, "#Priority=", "#LastUpdate=PC09-01:02:03", "#BaseYYYY=13", "#Title=" + Sjis("議会"), "#MoveMM=4",
          "free text", odd, rec},
         {kId, own, last, "#BaseYYYY=13", "#Title=" + Sjis("議会"), "#MoveMM=4", "free text", odd, rec}},
        {"blank holder", {kId, "#Priority=   ", "#LastUpdate=", rec}, {kId, own, last, rec}},
        {"both lines missing", {kId, "#BaseYYYY=13", odd, rec}, {kId, own, last, "#BaseYYYY=13", odd, rec}},
        {"holder line missing",
         {kId, "#BaseYYYY=13", "#LastUpdate=old", "#Title=t", rec},
         {kId, own, "#BaseYYYY=13", last, "#Title=t", rec}},
        {"last update missing", {kId, "#Priority=", "#BaseYYYY=13", rec}, {kId, own, last, "#BaseYYYY=13", rec}},
        // Header items after the first record line are not looked at for the claim.
        {"stamps after the records",
         {kId, rec, "#Priority=", "#LastUpdate=x"},
         {kId, own, last, rec, "#Priority=", "#LastUpdate=x"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(path, Crlf(c.before));
        Instance app;
        EXPECT_TRUE(app.doc.OpenDesignFile(path));
        EXPECT_EQ(ReadBytes(path), Crlf(c.after));
        EXPECT_TRUE(app.dialogs.shown.empty());
        EXPECT_EQ(app.doc.OwnStamp(), "PC01-14:03:59");
    }
}

TEST_F(DesignFileTest, OpeningReadsHeaderAndRecordsIntoTheStore) {
    WriteBytes(path, Crlf({kId, "#Priority=", "#LastUpdate=", "#BaseYYYY = 14", "#title=" + Sjis("番組表・議会"),
                           Record("2003/12/31", kLongId), "garbage", Record("2003/01/01", kLongId),
                           Record("2003/02/30", kLongId), "", Record("2003/01/01", kLongId + "b"), "#MoveMM=9"}));
    Instance app;
    ASSERT_TRUE(app.doc.OpenDesignFile(path));
    EXPECT_EQ(app.doc.BaseYear(), 2004);
    EXPECT_EQ(app.doc.Title(), Sjis("番組表・議会"));
    EXPECT_EQ(app.doc.MinuteStepIndex(), 9);
    EXPECT_EQ(app.doc.MinuteStep(), 10);
    EXPECT_EQ(app.doc.HolderStamp(), "PC01-14:03:59");
    EXPECT_EQ(app.doc.LastUpdateStamp(), "PC01-14:03:59");
    EXPECT_EQ(app.doc.Store().LineCount(), 3u) << "the line with no such date and the others are dropped";
    EXPECT_EQ(app.doc.Store().Slot(0), (LineList{Record("2003/01/01", kLongId), Record("2003/01/01", kLongId + "b")}));
    EXPECT_EQ(app.doc.Store().Slot(371), (LineList{Record("2003/12/31", kLongId)}));

    // Values out of range are brought into it.
    WriteBytes(path, Crlf({kId, "#Priority=", "#BaseYYYY=500", "#MoveMM=-3"}));
    ASSERT_TRUE(app.doc.OpenDesignFile(path));
    EXPECT_EQ(app.doc.BaseYear(), 2100);
    EXPECT_EQ(app.doc.MinuteStepIndex(), 0);
    // Missing header items take the defaults of a new design.
    WriteBytes(path, Crlf({kId}));
    ASSERT_TRUE(app.doc.OpenDesignFile(path));
    EXPECT_EQ(app.doc.BaseYear(), 2003);  // the host's year
    EXPECT_EQ(app.doc.Title(), Sjis("タイムテーブル"));
    EXPECT_EQ(app.doc.MinuteStepIndex(), 4);
    EXPECT_EQ(app.doc.Store().LineCount(), 0u);
}

// A header line is told by its own key: a title holding another header's key and "=" stays
// the title through opening and saving, and decides neither the base year nor the holder.
TEST_F(DesignFileTest, AHeaderKeyInsideATitleStaysPartOfTheTitle) {
    for (const std::string& title : {Sjis("番組表 #BaseYYYY=5"), std::string("x #Priority=ABC"),
                                     std::string("#MoveMM=1 #LastUpdate=Q #Title=R")}) {
        WriteBytes(path, Crlf({kId, "#Priority=", "#LastUpdate=", "#BaseYYYY=13", "#Title=" + title, "#MoveMM=9"}));
        Instance app;
        ASSERT_TRUE(app.doc.OpenDesignFile(path));
        ASSERT_TRUE(app.doc.SaveDesignFile(path, true));
        Instance next("PC02");
        ASSERT_TRUE(next.doc.OpenDesignFile(path));
        for (Instance* who : {&app, &next}) {
            EXPECT_EQ(who->doc.Title(), title);
            EXPECT_EQ(who->doc.BaseYear(), 2003) << title;
            EXPECT_EQ(who->doc.MinuteStepIndex(), 9) << title;
            EXPECT_EQ(who->doc.HolderStamp(), "PC01-14:03:59") << title;
        }
        EXPECT_TRUE(app.dialogs.shown.empty()) << title;
        ASSERT_EQ(next.dialogs.shown.size(), 1u);
        EXPECT_NE(next.dialogs.shown[0].text.find("使用者    ＞  PC01-14:03:59\r\n"), std::string::npos);
    }
}

TEST_F(DesignFileTest, EverySettingOfTheModifiedFlagReachesTheListeners) {
    struct Recorder : ModifiedListener {
        std::vector<bool> seen;
        void ModifiedSet(bool modified) override { seen.push_back(modified); }
    } first, second;
    Instance app;
    app.doc.AddModifiedListener(&first);
    app.doc.AddModifiedListener(&second);
    app.doc.SetModified(true);
    app.doc.SetModified(false);
    app.doc.RemoveModifiedListener(&first);
    app.doc.SetModified(false);  // cleared again: still told, the undo history empties each time
    EXPECT_EQ(first.seen, (std::vector<bool>{true, false}));
    EXPECT_EQ(second.seen, (std::vector<bool>{true, false, false}));
}

TEST_F(DesignFileTest, AFileHeldElsewhereIsOpenedWithAWarningAndLeftAlone) {
    const std::string bytes = Crlf({kId, "#Priority=PC09-08:00:00", "#LastUpdate=PC09-08:10:00", "#BaseYYYY=13",
                                    Record("2003/07/01", kLongId)});
    const std::string expected = kInUseHeading + path.string() + "\r\n" + "      使用者    ＞  PC09-08:00:00\r\n\r\n";
    {
        WriteBytes(path, bytes);
        Instance app;
        EXPECT_TRUE(app.doc.OpenDesignFile(path));
        ASSERT_EQ(app.dialogs.shown.size(), 1u);
        const auto& message = app.dialogs.shown[0];
        EXPECT_EQ(message.kind, MessageKind::Information);
        EXPECT_EQ(message.caption, "確認");
        EXPECT_EQ(message.buttons, Buttons::Ok);
        EXPECT_EQ(message.text, expected);
        EXPECT_EQ(ReadBytes(path), bytes);
        EXPECT_EQ(app.doc.HolderStamp(), "PC09-08:00:00");
        EXPECT_EQ(app.doc.OwnStamp(), "");
        EXPECT_EQ(app.doc.Store().LineCount(), 1u);
    }
    {
        // Before the main window shows, the message waits.
        Instance app;
        app.doc.SetDeferMessages(true);
        EXPECT_TRUE(app.doc.OpenDesignFile(path));
        EXPECT_TRUE(app.dialogs.shown.empty());
        EXPECT_EQ(app.doc.TakeDeferredMessages(), (std::vector<std::string>{expected}));
        EXPECT_TRUE(app.doc.TakeDeferredMessages().empty());
    }
    {
        // Shared mode expects others in the file and warns about nothing.
        Instance app;
        app.doc.SetSharedMode(true);
        EXPECT_TRUE(app.doc.OpenDesignFile(path));
        EXPECT_TRUE(app.dialogs.shown.empty());
        EXPECT_EQ(ReadBytes(path), bytes);
        EXPECT_EQ(app.hooks.calls, (std::vector<std::pair<std::filesystem::path, bool>>{{path, true}}));
    }
}

TEST_F(DesignFileTest, SecondInstanceIsWarnedUntilTheFirstReleases) {
    WriteBytes(path, Crlf({kId, "#Priority=", "#LastUpdate=", "#BaseYYYY=13", Record("2003/07/01", kLongId)}));
    Instance first("PC01"), second("PC02");
    second.host.now.second = 1;
    ASSERT_TRUE(first.doc.OpenDesignFile(path));
    const std::string claimed = ReadBytes(path);

    ASSERT_TRUE(second.doc.OpenDesignFile(path));
    ASSERT_EQ(second.dialogs.shown.size(), 1u);
    EXPECT_NE(second.dialogs.shown[0].text.find("使用者    ＞  PC01-14:03:59\r\n"), std::string::npos);
    EXPECT_EQ(ReadBytes(path), claimed);

    // The second instance holds nothing and so releases nothing.
    second.doc.ReleaseHold(path);
    EXPECT_EQ(ReadBytes(path), claimed);

    first.doc.ReleaseHold(path);
    EXPECT_EQ(ReadBytes(path),
              Crlf({kId, "#Priority=", "#LastUpdate=PC01-14:03:59", "#BaseYYYY=13", Record("2003/07/01", kLongId)}));
    EXPECT_EQ(first.doc.OwnStamp(), "");
    first.doc.ReleaseHold(path);  // nothing held any more: the file stays as it is
    EXPECT_EQ(first.hooks.calls.back(), std::make_pair(path, false));

    Instance third("PC03");
    ASSERT_TRUE(third.doc.OpenDesignFile(path));
    EXPECT_TRUE(third.dialogs.shown.empty());
    EXPECT_EQ(third.doc.HolderStamp(), "PC03-14:03:59");

    Instance late;
    const auto gone = folder / "gone.MVF";
    late.doc.ReleaseHold(gone);
    EXPECT_TRUE(late.hooks.calls.empty()) << "no side-file work for a file that is not there";
    EXPECT_FALSE(std::filesystem::exists(gone));
}

TEST_F(DesignFileTest, ReopeningAndOpeningAnotherFileReleaseTheHold) {
    const auto other = folder / "other.MVF";
    WriteBytes(path, Crlf({kId, "#Priority=", "#LastUpdate=", Record("2003/07/01", kLongId)}));
    WriteBytes(other, Crlf({kId, "#Priority=", "#LastUpdate=", Record("2003/07/02", kLongId)}));
    Instance app;
    ASSERT_TRUE(app.doc.OpenDesignFile(path));
    ASSERT_TRUE(app.doc.OpenDesignFile(path));
    EXPECT_TRUE(app.dialogs.shown.empty()) << "the instance's own hold is no reason to warn";

    ASSERT_TRUE(app.doc.OpenDesignFile(other));
    EXPECT_EQ(ReadBytes(path), Crlf({kId, "#Priority=", "#LastUpdate=PC01-14:03:59", Record("2003/07/01", kLongId)}));
    EXPECT_EQ(app.doc.HeldPath(), other);
    EXPECT_EQ(app.doc.Store().LineCount(), 1u);
    EXPECT_EQ(app.doc.Store().Slot(SlotOf(7, 2)).size(), 1u);
    using Calls = std::vector<std::pair<std::filesystem::path, bool>>;
    EXPECT_EQ(app.hooks.calls, (Calls{{path, false}, {path, false}, {path, false}, {path, false}, {other, false}}));
}

TEST_F(DesignFileTest, OldShortIdsAreRenewedAndTheFileResaved) {
    const std::string id20 = "ABCDEFGHIJKLMNOPQRST", id21 = id20 + "U";
    const std::vector<std::string> records = {
        Record("2003/07/01", "A1"), Record("2003/07/01", id20), Record("2003/07/01", id21),
        "Ci_CDate=2003/07/02%!#Ci_STime=900%!#", Record("2003/07/03", "")};
    std::vector<std::string> lines = {kId, "#Priority=PC09-08:00:00", "#LastUpdate=PC09-08:10:00", "#BaseYYYY=13",
                                      "#Title=t", "#MoveMM=4"};
    lines.insert(lines.end(), records.begin(), records.end());
    WriteBytes(path, Crlf(lines));

    Instance app;
    ASSERT_TRUE(app.doc.OpenDesignFile(path));
    auto renewed = [](const std::string& line, int n) {
        std::size_t cut = line.find("%!#") + 3;
        return line.substr(0, cut) + "Ci_Cid=PC01-20030701140359-0000" + std::to_string(n) + "%!#" + line.substr(cut);
    };
    // Held by another instance: its stamps stay; only the ids change.
    EXPECT_EQ(ReadBytes(path),
              Crlf({kId, "#Priority=PC09-08:00:00", "#LastUpdate=PC09-08:10:00", "#BaseYYYY=13", "#Title=t",
                    "#MoveMM=4", renewed(records[0], 1), renewed(records[1], 2), records[2], renewed(records[3], 3),
                    renewed(records[4], 4)}));

    // Every frame now carries an id of the new form.
    RecordContext context;
    context.baseYear = app.doc.BaseYear();
    for (int slot = 0; slot < kSlotCount; ++slot)
        for (const std::string& line : app.doc.Store().Slot(slot)) {
            ParsedRecord parsed = ParseRecordLine(line, context);
            ASSERT_EQ(parsed.kind, ParsedRecord::Kind::Frame);
            EXPECT_GT(parsed.frame->Cid.size(), 20u) << line;
        }

    // Opened again, nothing is short any more and nothing is written.
    const std::string saved = ReadBytes(path);
    Instance again("PC02");
    ASSERT_TRUE(again.doc.OpenDesignFile(path));
    EXPECT_EQ(ReadBytes(path), saved);
}

TEST_F(DesignFileTest, AFileThatCannotBeReadIsReportedAndNotWritten) {
    Instance app;
    const auto missing = folder / "missing.MVF";
    EXPECT_FALSE(app.doc.OpenDesignFile(missing));
    EXPECT_FALSE(std::filesystem::exists(missing)) << "the claim must not create a file of header lines";
    ASSERT_EQ(app.dialogs.shown.size(), 1u);
    EXPECT_EQ(app.dialogs.shown[0].kind, MessageKind::Error);
    EXPECT_NE(app.dialogs.shown[0].text.find(missing.string()), std::string::npos);
    EXPECT_EQ(app.host.waitedMs, 9 * 100) << "ten tries, 100 ms apart";

    EXPECT_FALSE(app.doc.OpenDesignFile(folder.Path()));
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path()));

    Instance blank;
    EXPECT_FALSE(blank.doc.OpenDesignFile(""));
    EXPECT_TRUE(blank.dialogs.shown.empty());
}

TEST_F(DesignFileTest, SavingChecksWhetherSomeoneElseWroteOrHoldsTheFile) {
    WriteBytes(path, Crlf({kId, "#Priority=", "#LastUpdate=", "#BaseYYYY=13", Record("2003/07/01", kLongId)}));
    Instance first("PC01"), second("PC02");
    second.host.now = {2003, 7, 1, 15, 0, 0};
    ASSERT_TRUE(first.doc.OpenDesignFile(path));
    EXPECT_TRUE(first.doc.CheckBeforeSave(path));
    EXPECT_TRUE(first.dialogs.shown.empty());

    // The second instance saves over it (after its own in-use warning).
    ASSERT_TRUE(second.doc.OpenDesignFile(path));
    ASSERT_TRUE(second.doc.SaveDesignFile(path, true));
    const std::string theirs = ReadBytes(path);
    EXPECT_NE(theirs.find("#LastUpdate=PC02-15:00:00\r\n"), std::string::npos);

    const std::string updated =
        "－－－－－－－－－－\r\n      他で更新済み\r\n－－－－－－－－－－\r\n\r\n"
        "  このデザインファイルは他の [ プロセス / マシン ] により更新されています。\r\n\r\n"
        "      File.Name  ＞  " + path.string() + "\r\n" + "      最終更新者 ＞  PC02-15:00:00\r\n\r\n" +
        "  このまま構わずに上書きしますか？\r\n\r\n";
    first.dialogs.answers = {Answer::No};
    EXPECT_FALSE(first.doc.CheckBeforeSave(path));
    ASSERT_EQ(first.dialogs.shown.size(), 1u);
    const auto& question = first.dialogs.shown[0];
    EXPECT_EQ(question.kind, MessageKind::Question);
    EXPECT_EQ(question.caption, "確認");
    EXPECT_EQ(question.buttons, Buttons::YesNo);
    EXPECT_EQ(question.defaultAnswer, Answer::No);
    EXPECT_EQ(question.text, updated);
    EXPECT_EQ(ReadBytes(path), theirs) << "answering No leaves the file untouched";

    first.dialogs.answers = {Answer::Yes};
    EXPECT_TRUE(first.doc.CheckBeforeSave(path));
    first.doc.SetSharedMode(true);
    EXPECT_TRUE(first.doc.CheckBeforeSave(path));
    EXPECT_EQ(first.dialogs.shown.size(), 2u) << "shared mode asks nothing";
    first.doc.SetSharedMode(false);

    // After its own save the first instance is the last writer and the holder again.
    ASSERT_TRUE(first.doc.SaveDesignFile(path, true));
    EXPECT_TRUE(first.doc.CheckBeforeSave(path));
    EXPECT_EQ(first.dialogs.shown.size(), 2u);

    // Same last writer, but another holder took the file: the in-use question.
    std::string bytes = ReadBytes(path);
    const std::string holderLine = "#Priority=PC01-14:03:59";
    bytes.replace(bytes.find(holderLine), holderLine.size(), "#Priority=PC07-09:00:00");
    WriteBytes(path, bytes);
    EXPECT_FALSE(first.doc.CheckBeforeSave(path));  // default answer No
    ASSERT_EQ(first.dialogs.shown.size(), 3u);
    EXPECT_EQ(first.dialogs.shown[2].text, kInUseHeading + path.string() + "\r\n" +
                                               "      使用者    ＞  PC07-09:00:00\r\n\r\n" +
                                               "  このまま構わずに上書きしますか？\r\n\r\n");
    EXPECT_EQ(ReadBytes(path), bytes);

    Instance fresh;
    EXPECT_TRUE(fresh.doc.CheckBeforeSave(folder / "new.MVF")) << "nothing there yet: nothing to lose";
    EXPECT_TRUE(fresh.dialogs.shown.empty());
}

}  // namespace
}  // namespace mv
