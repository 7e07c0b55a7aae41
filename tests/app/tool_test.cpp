// marovelantis-tool's design commands (info, frames, resave, normalize), run as a user runs
// them: exit status, standard output and error, and the files before and after.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include "model/codec.h"
#include "model/textfile.h"
#include "support/testhost.h"

namespace mv {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;

const fs::path kData = MV_TEST_DATA_DIR;

std::set<std::string> Entries(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

// Stamps and frame ids the tool makes carry its machine's name and the time: they are
// replaced by placeholders (the id's counter stays) before files are compared.
std::string Masked(const std::string& bytes) {
    static const std::regex stamps("(#Priority|#LastUpdate)=[^\r\n]+-[0-9]{2}:[0-9]{2}:[0-9]{2}\r\n");
    static const std::regex ids("Ci_Cid=[^%\r\n]*-[0-9]{14}-([0-9]{5})%");
    std::string out = std::regex_replace(bytes, stamps, "$1=<stamp>\r\n");
    return std::regex_replace(out, ids, "Ci_Cid=<id>-$1%");
}

// The same, with the holder line emptied: the tool's copies are held by nobody.
std::string MaskedUnheld(const std::string& bytes) {
    return std::regex_replace(Masked(bytes), std::regex("#Priority=<stamp>\r\n"), "#Priority=\r\n");
}

class ToolTest : public ::testing::Test {
protected:
    // Runs the tool; returns its exit status, with standard output and error kept. They go
    // to a folder of their own so that the work folder shows exactly what the tool wrote.
    int Run(const std::vector<std::string>& arguments) {
        std::string command = std::string("\"") + MV_TOOL_PATH + "\"";
        for (const std::string& argument : arguments) command += " \"" + argument + "\"";
        command += " > \"" + (streams / "out.txt").string() + "\" 2> \"" + (streams / "err.txt").string() + "\"";
        int status = std::system(command.c_str());
        out = ReadBytes(streams / "out.txt");
        err = ReadBytes(streams / "err.txt");
#ifdef _WIN32
        return status;
#else
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    }

    std::string Copy(const std::string& golden, const std::string& name) {
        const std::string bytes = ReadBytes(kData / golden);
        EXPECT_FALSE(bytes.empty()) << "golden file missing: " << golden;
        WriteBytes(work / name, bytes);
        return (work / name).string();
    }

    // Runs the edit verb on a script written to script.txt.
    int Edit(const std::string& design, const std::string& result, const std::string& script) {
        WriteBytes(work / "script.txt", script);
        return Run({"edit", design, result, (work / "script.txt").string()});
    }
    // Each script is refused with a message holding the text given, and nothing is written.
    void ExpectRefused(const std::string& design, const std::vector<std::pair<std::string, std::string>>& scripts) {
        for (const auto& [script, message] : scripts) {
            EXPECT_EQ(Edit(design, (work / "refused.MVF").string(), script), 1) << script;
            EXPECT_NE(err.find(message), std::string::npos) << err;
            EXPECT_FALSE(fs::exists(work / "refused.MVF")) << script;
        }
    }

    test::TempFolder work, streams;
    std::string out, err;
};

TEST_F(ToolTest, InfoDescribesTheDesignAndWritesNothing) {
    const std::string week = Copy("week.MVF", "week.MVF");
    ASSERT_EQ(Run({"info", week}), 0) << err;
    EXPECT_EQ(out,
              "base_year: 2003\n"
              "title: 番組表・議会中継ソフト\n"
              "minute_step: 5\n"
              "holder: PC07-09:15:00\n"
              "last_update: PC07-09:20:11\n"
              "record_lines: 11\n"
              "frames: 9\n");
    EXPECT_EQ(err, "");
    EXPECT_EQ(ReadBytes(week), ReadBytes(kData / "week.MVF"));

    // A design nobody holds, with old short ids: opening it would claim it and renew the
    // ids; looking at it must not.
    const std::string legacy = Copy("legacy.MVF", "legacy.MVF");
    ASSERT_EQ(Run({"info", legacy}), 0) << err;
    EXPECT_EQ(out,
              "base_year: 2003\n"
              "title: 旧い番組表\n"
              "minute_step: 10\n"
              "holder: \n"
              "last_update: \n"
              "record_lines: 6\n"
              "frames: 4\n");
    EXPECT_EQ(ReadBytes(legacy), ReadBytes(kData / "legacy.MVF"));
    EXPECT_EQ(Entries(work.Path()), (std::set<std::string>{"week.MVF", "legacy.MVF"}));
}

TEST_F(ToolTest, FramesListsEveryFrameInStoreOrder) {
    const std::string week = Copy("week.MVF", "week.MVF");
    const std::vector<std::string> lines = {
        "2003/01/01\t09:00\t12:00\tPC07-20030615093000-00001\t元日特番\t1\n",
        "2003/02/28\t05:00\t06:00\tPC07-20030615093000-00002\t\t0\n",
        "2003/03/01\t24:00\t28:59\tPC07-20030615093000-00004\t終夜\t1\n",
        "2003/07/01\t09:30\t10:15\tPC07-20030615093000-00006\t朝のニュース\t2\n",
        "2003/07/01\t10:00\t11:00\tPC07-20030615093000-00007\tソフト紹介\t2\n",
        "2003/07/01\t24:30\t25:30\tPC07-20030615093000-00008\t深夜放送\t1\n",
        "2003/07/02\t13:00\t14:00\tPC07-20030615093000-00009\t\t0\n",
        "2003/07/03\t19:00\t21:00\tPC07-20030615093000-00010\t歌番組\t2\n",
        "2003/12/31\t23:00\t28:30\tPC07-20030615093000-00011\t年越し\t1\n",
    };
    auto join = [&](std::size_t from, std::size_t to) {
        std::string text;
        for (std::size_t i = from; i < to; ++i) text += lines[i];
        return text;
    };
    struct Case {
        std::vector<std::string> options;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {{}, join(0, 9)},
        {{"--from", "2003/07/01", "--to", "2003/07/01"}, join(3, 6)},
        {{"--from", "2003/07/02"}, join(6, 9)},
        {{"--to", "2003/02/28"}, join(0, 2)},
        {{"--to", "2003/07/01", "--from", "2003/3/1"}, join(2, 6)},
        {{"--from", "2003/08/01", "--to", "2003/07/01"}, ""},
        {{"--from", "2004/01/01"}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.options));
        std::vector<std::string> arguments = {"frames", week};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        ASSERT_EQ(Run(arguments), 0) << err;
        EXPECT_EQ(out, c.expected);
        EXPECT_EQ(err, "");
    }
    EXPECT_EQ(ReadBytes(week), ReadBytes(kData / "week.MVF"));

    // Old records: dates shown in the base year, ids as stored, the title derived from the
    // fields (not the stale stored one), the column record and the leap day left out.
    const std::string legacy = Copy("legacy.MVF", "legacy.MVF");
    ASSERT_EQ(Run({"frames", legacy}), 0) << err;
    EXPECT_EQ(out,
              "2003/07/01\t09:30\t10:15\tPC03-19990701120000-00007\t議題ソ・\t1\n"
              "2003/07/01\t11:00\t12:00\tABCDEFGHIJKLMNOPQRST\t\t0\n"
              "2003/07/01\t12:00\t12:30\tABCDEFGHIJKLMNOPQRSTU\t\t0\n"
              "2003/07/02\t13:00\t14:00\tA1\t\t0\n");
    EXPECT_EQ(ReadBytes(legacy), ReadBytes(kData / "legacy.MVF"));
    EXPECT_EQ(Entries(work.Path()), (std::set<std::string>{"week.MVF", "legacy.MVF"}));
}

TEST_F(ToolTest, ResaveWritesOnlyTheOutputWithNewStamps) {
    const std::string week = Copy("week.MVF", "week.MVF");
    const std::string target = (work / "out.MVF").string();
    ASSERT_EQ(Run({"resave", week, target}), 0) << err;
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, "");
    EXPECT_EQ(ReadBytes(week), ReadBytes(kData / "week.MVF"));
    EXPECT_EQ(Entries(work.Path()), (std::set<std::string>{"week.MVF", "out.MVF"}));

    const std::vector<std::string> saved = SplitLines(ReadBytes(target));
    const std::vector<std::string> golden = SplitLines(ReadBytes(kData / "week.MVF"));
    ASSERT_EQ(saved.size(), golden.size());
    // Nobody holds the copy, so the next program to open it is not told it is in use.
    EXPECT_EQ(saved[1], "#Priority=");
    EXPECT_TRUE(std::regex_match(saved[2], std::regex("#LastUpdate=.+-[0-9]{2}:[0-9]{2}:[0-9]{2}"))) << saved[2];
    // Everything else byte for byte, line ends and length included.
    EXPECT_EQ(Masked(ReadBytes(target)), MaskedUnheld(ReadBytes(kData / "week.MVF")));

    // Old ids are renewed as opening renews them; nothing else changes.
    const std::string legacy = Copy("legacy.MVF", "legacy.MVF");
    ASSERT_EQ(Run({"resave", legacy, target}), 0) << err;
    EXPECT_EQ(Masked(ReadBytes(target)), MaskedUnheld(ReadBytes(kData / "legacy.opened.MVF")));
    EXPECT_EQ(ReadBytes(legacy), ReadBytes(kData / "legacy.MVF"));
}

TEST_F(ToolTest, NormalizeRewritesEveryFrameFromItsRecord) {
    const std::string legacy = Copy("legacy.MVF", "legacy.MVF");
    const std::string target = (work / "normal.MVF").string();
    ASSERT_EQ(Run({"normalize", legacy, target}), 0) << err;
    EXPECT_EQ(err, "");
    EXPECT_EQ(Masked(ReadBytes(target)), MaskedUnheld(ReadBytes(kData / "legacy.normalized.MVF")));
    EXPECT_EQ(ReadBytes(legacy), ReadBytes(kData / "legacy.MVF"));
    EXPECT_EQ(Entries(work.Path()), (std::set<std::string>{"legacy.MVF", "normal.MVF"}));

    // A design already in the program's own form comes out as it went in.
    const std::string week = Copy("week.MVF", "week.MVF");
    ASSERT_EQ(Run({"normalize", week, target}), 0) << err;
    EXPECT_EQ(Masked(ReadBytes(target)), MaskedUnheld(ReadBytes(kData / "week.MVF")));
}

TEST_F(ToolTest, AFileThatIsNoDesignIsRefusedWithTheMessage) {
    const std::string other = (work / "notes.txt").string();
    WriteBytes(other, "just some notes\r\n");
    const std::string target = (work / "out.MVF").string();
    const std::string foreign =
        "これは Marovelantis のデータファイルではありません。\n\n\n     PATH = " + other + "\n\n\n";
    const std::vector<std::vector<std::string>> commands = {
        {"info", other}, {"frames", other}, {"resave", other, target}, {"normalize", other, target}};
    for (const auto& command : commands) {
        SCOPED_TRACE(command[0]);
        EXPECT_EQ(Run(command), 1);
        EXPECT_EQ(err, foreign);
        EXPECT_EQ(out, "");
        EXPECT_EQ(Entries(work.Path()), std::set<std::string>{"notes.txt"});
    }

    const std::string missing = (work / "missing.MVF").string();
    EXPECT_EQ(Run({"info", missing}), 1);
    EXPECT_EQ(err, "Marovelantis のデータファイルが存在しません。\n\n\n     PATH = " + missing + "\n\n\n");
    EXPECT_EQ(Run({"resave", missing, target}), 1);
    EXPECT_FALSE(fs::exists(target));
}

TEST_F(ToolTest, BadUsageExitsWithTwo) {
    const std::string week = Copy("week.MVF", "week.MVF");
    const std::string target = (work / "out.MVF").string();
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"explode", week},
        {"info"},
        {"info", week, week},
        {"frames"},
        {"frames", week, "--from"},
        {"frames", week, "--from", "2003/02/30"},
        {"frames", week, "--to", "yesterday"},
        {"frames", week, "--at", "2003/07/01"},
        {"info", week, "--from", "2003/07/01"},
        {"resave", week},
        {"resave", week, target, target},
        {"normalize"},
        {"normalize", week, target, "--to", "2003/07/01"},
    };
    for (const auto& arguments : cases) {
        SCOPED_TRACE(testing::PrintToString(arguments));
        EXPECT_EQ(Run(arguments), 2);
        EXPECT_NE(err.find("usage:"), std::string::npos) << err;
        EXPECT_EQ(out, "");
        EXPECT_EQ(Entries(work.Path()), std::set<std::string>{"week.MVF"});
    }
    EXPECT_EQ(ReadBytes(week), ReadBytes(kData / "week.MVF"));
}

TEST_F(ToolTest, AFailedWriteIsReportedNotSilent) {
    const std::string week = Copy("week.MVF", "week.MVF");
    const fs::path taken = work / "taken.MVF";
    fs::create_directory(taken);
    EXPECT_EQ(Run({"resave", week, taken.string()}), 1);
    EXPECT_EQ(err, "ファイルの書き込みに失敗しました。\n\n\n     PATH = " + taken.string() + "\n\n\n");
    EXPECT_TRUE(fs::is_directory(taken));
    EXPECT_EQ(Entries(work.Path()), (std::set<std::string>{"week.MVF", "taken.MVF"})) << "no temporary left";
    EXPECT_EQ(ReadBytes(week), ReadBytes(kData / "week.MVF"));
}

// Editing from a script through the window's command layer: the frames of the result, the
// undo captions printed by history, and scripts that are refused with their line number
// and no output at all.
TEST_F(ToolTest, EditRunsAScriptOfMovesResizesCopiesAndUndo) {
    const std::string week = Copy("week.MVF", "week.MVF");
    const std::string out = (work / "edited.MVF").string();
    WriteBytes(work / "script.txt",
               "# a morning rearranged\r\n"
               "move 2003/07/01@09:30 2003/07/02 06:00\r\n"
               "resize id:PC07-20030615093000-00009 13:00 15:30\r\n"
               "copy 2003/07/03@19:00 2003/07/01 20:00\r\n"
               "undo\r\n"
               "history\r\n"
               "redo\r\n"
               "minute-step 15\r\n");
    ASSERT_EQ(Run({"edit", week, out, (work / "script.txt").string()}), 0) << err;
    EXPECT_EQ(this->out, "元に戻す  #2  【 枠長変更 - 07/02  13:00 】\n");
    ASSERT_EQ(Run({"frames", out, "--from", "2003/07/01", "--to", "2003/07/03"}), 0) << err;
    std::string times;
    for (const std::string& line : SplitLines(this->out)) times += line.substr(0, 22) + "|";
    EXPECT_EQ(times,
              "2003/07/01\t10:00\t11:00|2003/07/01\t24:30\t25:30|2003/07/01\t20:00\t22:00|"
              "2003/07/02\t13:00\t15:30|2003/07/02\t06:00\t06:45|2003/07/03\t19:00\t21:00|");
    EXPECT_NE(ReadBytes(out).find("#MoveMM=14\r\n"), std::string::npos);
    EXPECT_NE(ReadBytes(out).find("#Priority=\r\n"), std::string::npos) << "left unheld";
    EXPECT_EQ(ReadBytes(week), ReadBytes(kData / "week.MVF")) << "the input is never changed";

    ExpectRefused(week, {
        {"resize 2003/07/02@13:00 14:00 13:00\n", "script.txt:1: 開始時刻と終了時刻にに矛盾があります。"},
        {"# fine\nmove 2003/07/09@09:00 2003/07/02 06:00\n", "script.txt:2: no such frame"},
        {"move 2003/07/02@13:00 2003/07/02 6.00\n", "script.txt:1: not a time HH:MM"},
        {"move 2003/07/02@13:00 2003/02/30 06:00\n", "script.txt:1: not a date of the design"},
        {"undo\n", "script.txt:1: nothing to undo"},
        {"fly 2003/07/02@13:00\n", "script.txt:1: unknown command"},
    });
}

TEST_F(ToolTest, EditRunsTheFrameAndSelectionCommands) {
    const std::string week = Copy("week.MVF", "week.MVF");
    const std::string out = (work / "edited.MVF").string();
    // Each step and the frames of 07/01 to 07/04 afterwards (start, end, title, field count).
    struct Step {
        std::string script;
        const char* frames;
    };
    // Imported by the headings of its first line, as the CSV windows' automatic mapping does.
    const std::filesystem::path csv = work / "in.csv";
    WriteBytes(csv, Sjis("開始日,開始時刻,終了日,終了時刻,件名\r\n2003/07/04,13:00,,14:30,会議\r\n"
                         "2003/07/02,13:00,2003/07/02,14:00,重複\r\n"));
    const std::vector<Step> steps = {
        {"calendar-copy 2003/07/02@13:00 2003/07/04\ncalendar-move 2003/07/03@19:00 2003/07/01\n",
         "07/01 09:30 10:15 朝のニュース 2|07/01 10:00 11:00 ソフト紹介 2|07/01 24:30 25:30 深夜放送 1|"
         "07/01 19:00 21:00 歌番組 2|07/02 13:00 14:00  0|07/04 13:00 14:00  0|"},
        {"csv-import " + csv.string() + " skip\nundo\nredo\n",
         "07/01 09:30 10:15 朝のニュース 2|07/01 10:00 11:00 ソフト紹介 2|07/01 24:30 25:30 深夜放送 1|"
         "07/02 13:00 14:00  0|07/03 19:00 21:00 歌番組 2|07/04 13:00 14:30 会議 1|"},
        {"new 2003/07/02 15:20\n", "07/01 09:30 10:15 朝のニュース 2|07/01 10:00 11:00 ソフト紹介 2|"
                                   "07/01 24:30 25:30 深夜放送 1|07/02 13:00 14:00  0|07/02 14:00 16:00  1|"
                                   "07/03 19:00 21:00 歌番組 2|"},
        {"new-on 2003/07/03@19:00\ntitle-add 2003/07/03@19:00 夜の 特集\n"
         "title-edit 2003/07/03@19:00 2 夕方の特集\ntime-add 2003/07/03@19:00\n",
         "07/01 09:30 10:15 朝のニュース 2|07/01 10:00 11:00 ソフト紹介 2|07/01 24:30 25:30 深夜放送 1|"
         "07/02 13:00 14:00  0|07/03 19:00 21:00 夕方の特集 4|07/03 19:00 21:00  1|"},
        {"connect 2003/07/01@24:30 up-move\nconnect 2003/07/01@09:30 down\n",
         "07/01 09:30 11:00 朝のニュース 2|07/01 10:00 11:00 ソフト紹介 2|07/01 11:00 12:00 深夜放送 1|"
         "07/02 13:00 14:00  0|07/03 19:00 21:00 歌番組 2|"},
        {"select 2003/07/01@09:30\nselect 2003/07/03@19:00\nmove-selection 2003/07/01@09:30 2003/07/02 10:00\n",
         "07/01 10:00 11:00 ソフト紹介 2|07/01 24:30 25:30 深夜放送 1|07/02 13:00 14:00  0|"
         "07/02 10:00 10:45 朝のニュース 2|07/04 19:30 21:30 歌番組 2|"},
        {"select 2003/07/01@10:00\nselect 2003/07/02@13:00\ndelete-selection\ndelete 2003/07/01@24:30\n"
         "undo\nundo\n",  // frames brought back go to the end of their date's lines
         "07/01 09:30 10:15 朝のニュース 2|07/01 24:30 25:30 深夜放送 1|07/01 10:00 11:00 ソフト紹介 2|"
         "07/02 13:00 14:00  0|07/03 19:00 21:00 歌番組 2|"},
    };
    for (const Step& step : steps) {
        WriteBytes(work / "script.txt", step.script);
        ASSERT_EQ(Run({"edit", week, out, (work / "script.txt").string()}), 0) << step.script << err;
        ASSERT_EQ(Run({"frames", out, "--from", "2003/07/01", "--to", "2003/07/04"}), 0) << err;
        std::string frames;
        for (const std::string& line : SplitLines(this->out)) {
            std::vector<std::string> cells;
            std::size_t from = 0;
            for (std::size_t tab; (tab = line.find('\t', from)) != std::string::npos; from = tab + 1)
                cells.push_back(line.substr(from, tab - from));
            cells.push_back(line.substr(from));
            frames += cells[0].substr(5) + " " + cells[1] + " " + cells[2] + " " + cells[4] + " " + cells[5] + "|";
        }
        EXPECT_EQ(frames, step.frames) << step.script;
    }
    // Whole days: 07/01 to 07/02 copied a day on (onto themselves), then 07/03, with the copy
    // of 07/02, deleted.
    WriteBytes(work / "script.txt", "range-copy 2003/07/01 2003/07/02 2003/07/02\nrange-delete 2003/07/03 2003/07/03\n");
    ASSERT_EQ(Run({"edit", week, out, (work / "script.txt").string()}), 0) << err;
    ASSERT_EQ(Run({"frames", out, "--from", "2003/07/01", "--to", "2003/07/04"}), 0) << err;
    std::string days;
    for (const std::string& line : SplitLines(this->out)) days += line.substr(5, 11) + "|";
    EXPECT_EQ(days, "07/01\t09:30|07/01\t10:00|07/01\t24:30|07/02\t09:30|07/02\t10:00|07/02\t24:30|"
                    "07/02\t13:00|");
    WriteBytes(work / "script.txt", "connect 2003/07/01@10:00 up\n");
    EXPECT_EQ(Run({"edit", week, out, (work / "script.txt").string()}), 1);
    EXPECT_NE(err.find("script.txt:1: 隣接できる枠がありません。"), std::string::npos) << err;
}

// The property window's commands, expansion, shifts and deleted months in one script: the
// frames afterwards, the items they changed, the expansion's count on standard output and
// a refused shift on standard error; then scripts refused with the program's messages.
TEST_F(ToolTest, EditRunsThePropertyCommands) {
    const std::string week = Copy("week.MVF", "week.MVF"), edited = (work / "edited.MVF").string();
    const std::string script =
        "expand 2003/07/03@19:00 2003/07/04 2003/07/17 木\n"
        "shift later 30 2003/07/01@09:30 2003/07/01@10:00\n"
        "shift earlier 330 2003/07/01@10:00 2003/07/01@10:30\n"  // 10:00 would start at 04:30
        "times 2003/07/02@13:00 ２５：００ 5:00\n"
        "fill 2003/07/01@10:00 255\n"
        "text-colour 2003/07/01@05:00 1 65280\n"
        "font-size 2003/07/01@05:00 2 12\n"
        "align 2003/07/01@05:00 2 left\n"
        "contents 2003/07/01@05:00 一行目\\n二行目\n"
        "link 2003/07/01@05:00 on\n"
        "links 2003/07/01@05:00 ニュース = http://example.jp/\\n予報 = http://example.jp/w\n"
        "delete-month 12 1\n";
    ASSERT_EQ(Edit(week, edited, script), 0) << err;
    EXPECT_EQ(out, "展開処理を終了しました。\n\n    展開件数 = 2\n");
    EXPECT_EQ(err, "下記の枠は時刻範囲を超える為、繰り上げを行いません。\n\n   ＞    1. 10:00 ～ 10:45  朝のニュース\n");
    ASSERT_EQ(Run({"frames", edited}), 0) << err;
    std::string frames;
    for (const std::string& line : SplitLines(out)) frames += line.substr(5, 17) + "|";
    EXPECT_EQ(frames, "02/28\t05:00\t06:00|03/01\t24:00\t28:59|07/01\t10:00\t10:45|07/01\t05:00\t06:00|"
                      "07/01\t24:30\t25:30|07/02\t25:00\t29:00|07/03\t19:00\t21:00|07/10\t19:00\t21:00|"
                      "07/17\t19:00\t21:00|");
    const std::string design = ToUtf8(ReadBytes(edited));
    const std::size_t at = design.find("Ci_Cid=PC07-20030615093000-00007%");
    ASSERT_NE(at, std::string::npos);
    const std::string changed = design.substr(at, design.find('\r', at) - at);
    for (const char* item : {"Ci_TextFC=65280", "Ci_Contents=一行目\x7F二行目", "Ci_ContLink=True",
                             "Ci_LinkURL=ニュース = http://example.jp/\x7F予報 = http://example.jp/w",
                             "Fi_FTextFC=65280", "Fi_FTextFH=-16%!#Fi_FTextFC=128%!#Fi_FTextAL=1"})
        EXPECT_NE(changed.find(std::string(item) + "%!#"), std::string::npos) << item << "\n" << changed;
    EXPECT_NE(design.find("Ci_Cid=PC07-20030615093000-00006%!#Ci_STime=1000%!#Ci_ETime=1045%!#Ci_WakuBC=255%"),
              std::string::npos);

    ExpectRefused(week, {
        {"expand 2003/07/03@19:00 2003/07/04 2003/07/17 木曜\n",
         "script.txt:1: weekdays are written with the letters"},
        {"expand 2003/07/03@19:00 2003/07/04 2003/07/06 木\n", "script.txt:1: 展開された枠はありませんでした。"},
        {"shift later 10 2003/07/01@09:30 2003/07/02@13:00\n",
         "script.txt:1: the frames to shift must be of one date"},
        {"times 2003/07/01@09:30 1a:00 10:00\n", "script.txt:1: 不正な時刻です。"},
        {"font-size 2003/07/01@09:30 3 12\n", "script.txt:1: the frame has no field 3"},
        {"delete-month 13\n", "script.txt:1: a month is 1 to 12"},
    });
}

// Frames through the clipboard's blocks and partial files: a block written and read at a
// date, a partial file saved and loaded at a date and at its own dates, the chosen frame's
// block; the files as the program writes them, and refusals.
TEST_F(ToolTest, EditCarriesFramesThroughClipboardBlocksAndPartialFiles) {
    const std::string week = Copy("week.MVF", "week.MVF"), edited = (work / "edited.MVF").string();
    const std::string days = (work / "days.txt").string(), chosen = (work / "chosen.txt").string();
    const std::string part = (work / "part").string();
    ASSERT_EQ(Edit(week, edited,
                   "clip-range 2003/07/01 2003/07/02 " + days + "\nclip-read " + days + " 2003/07/10\n"
                   "save-range 2003/07/03 2003/07/03 " + part + "\nload " + part + ".MVF 2003/07/20\n"
                   "load " + part + ".MVF --file-dates\nselect 2003/07/02@13:00\nclip-selection " + chosen + "\n"),
              0) << err;
    const std::vector<std::string> lines = SplitLines(ReadBytes(kData / "week.MVF"));  // 07/01: 10 to 13
    std::string day1;
    for (int i = 10; i <= 13; ++i) day1 += lines[i] + "\r\n";
    EXPECT_EQ(ReadBytes(days), "Marovelantis.DateRange\r\n" + FromUtf8("日付範囲  (") + week +
                                   ")\r\n2003/07/01\r\n2003/07/02\r\nCi_CDate=2003/07/01\r\n" + day1 +
                                   "Ci_CDate=2003/07/02\r\n" + lines[14] + "\r\n");
    EXPECT_EQ(ReadBytes(part + ".MVF"), "#Marovelantis=#Marovelantis\r\n#BaseYYYY=13\r\n#MoveMM=4\r\n" + lines[15] + "\r\n");
    EXPECT_EQ(ReadBytes(chosen), "Marovelantis.ChoicedRange\r\n" + FromUtf8("選択枠  (1 個)") +
                                     "\r\n2003/07/02\r\n2003/07/02\r\nCi_CDate=2003/07/02\r\n" + lines[14] + "\r\n");
    ASSERT_EQ(Run({"frames", edited, "--from", "2003/07/01", "--to", "2003/07/31"}), 0) << err;
    std::string frames;
    for (const std::string& line : SplitLines(out)) frames += line.substr(5, 11) + "|";
    EXPECT_EQ(frames, "07/01\t09:30|07/01\t10:00|07/01\t24:30|07/02\t13:00|07/03\t19:00|07/03\t19:00|"
                      "07/10\t09:30|07/10\t10:00|07/10\t24:30|07/11\t13:00|07/20\t19:00|");

    ExpectRefused(week, {
        {"clip-read " + (work / "script.txt").string() + " 2003/07/10\n", "script.txt:1: クリップボードに読み込めるデータはありません。"},
        {"save-range 2003/07/01 2003/07/01 " + week + "\n", "script.txt:1: " + week + " is the design being edited"},
        {"load " + days + " 2003/07/10\n", "script.txt:1: これは Marovelantis のデータファイルではありません。"},
        {"clip-selection " + chosen + "\n", "script.txt:1: nothing is selected"},
    });
    EXPECT_EQ(ReadBytes(week), ReadBytes(kData / "week.MVF"));
}

// The calendar verb lists a month from a design written here: each day with its frames'
// start times and titles, the topmost title field giving the title, and bad months refused.
TEST_F(ToolTest, CalendarListsEachDayOfTheMonthWithItsFrames) {
    auto frame = [](const std::string& date, const std::string& cid, int start, const std::string& fields) {
        return "Ci_CDate=" + date + "%!#Ci_Cid=" + cid + "%!#Ci_STime=" + std::to_string(start) +
               "%!#Ci_ETime=" + std::to_string(start + 100) + "%!#" + fields + "\r\n";
    };
    auto field = [](int id, const std::string& text, int y) {
        return "%!##Filed[Fi_FID=" + std::to_string(id) + "%!#Fi_FTextStr=" + text + "%!#Fi_FOff_Y1=" +
               std::to_string(y) + "%!##Filed]";
    };
    const std::string design = "#Marovelantis=#Marovelantis\r\n#BaseYYYY=13\r\n#Title=暦\r\n" +
                               frame("2003/07/01", "A1", 930, field(1, "[time]", 0) + field(2, "下の欄", 9) +
                                                                  field(2, "上の欄", 2)) +
                               frame("2003/07/01", "A2", 1000, field(1, "[time]", 0)) +
                               frame("2003/07/01", "A3", 2430, field(2, "深夜\x7F二行目", 0)) +
                               frame("2003/07/02", "C1", -1, "") +
                               frame("2003/07/31", "A4", 500, field(2, "・", 0) + field(2, "月末", 1)) +
                               frame("2003/08/01", "A5", 900, field(2, "八月", 0));
    const fs::path path = work / "cal.MVF";
    WriteBytes(path, Sjis(design));

    const std::string weekdays = "日月火水木金土";  // three bytes each in UTF-8
    auto month = [&](int year, int firstWeekday, const std::map<int, std::string>& items) {
        std::string text;
        for (int day = 1; day <= 31; ++day) {
            char date[16];
            std::snprintf(date, sizeof date, "%04d/07/%02d", year, day);
            text += std::string(date) + " (" + weekdays.substr((firstWeekday + day - 1) % 7 * 3, 3) + ")";
            if (auto it = items.find(day); it != items.end()) text += it->second;
            text += "\n";
        }
        return text;
    };
    const std::map<int, std::string> july = {{1, " <9:30>上の欄 <> <24:30>深夜"}, {31, " <5:00>月末"}};
    ASSERT_EQ(Run({"calendar", path.string(), "2003/07"}), 0) << err;
    EXPECT_EQ(out, month(2003, 2, july));
    EXPECT_EQ(err, "");
    // Another year shows the same days of the template on that year's weekdays.
    ASSERT_EQ(Run({"calendar", path.string(), "2004/7"}), 0) << err;
    EXPECT_EQ(out, month(2004, 4, july));
    EXPECT_EQ(ReadBytes(path), Sjis(design));

    for (const char* bad : {"2003/13", "2003/00", "2003-07", "03/07", "2003/07/01", "2003/", "July"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(Run({"calendar", path.string(), bad}), 2);
        EXPECT_NE(err.find(std::string("calendar needs a month YYYY/MM (month 1 to 12), not ") + bad), std::string::npos) << err;
        EXPECT_NE(err.find("usage:"), std::string::npos);
        EXPECT_EQ(out, "");
    }
    EXPECT_EQ(Run({"calendar", path.string()}), 2);
    EXPECT_EQ(Run({"calendar", path.string(), "2003/07", "2003/08"}), 2);
}

}  // namespace
}  // namespace mv
