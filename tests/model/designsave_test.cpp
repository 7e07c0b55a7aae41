// Writing design files: golden round trips compared whole, new stamps, failed saves, and
// input no program of ours wrote.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "model/codec.h"
#include "model/designfile.h"
#include "model/identity.h"
#include "model/keyvalueline.h"
#include "model/textfile.h"
#include "model/workingset.h"
#include "support/testhost.h"

namespace mv {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;

const fs::path kData = MV_TEST_DATA_DIR;

// Whole files, length included; on a difference, the first line that differs.
void ExpectSameBytes(const std::string& actual, const std::string& expected, const std::string& what) {
    EXPECT_EQ(actual.size(), expected.size()) << what;
    if (actual == expected) return;
    std::vector<std::string> a = SplitLines(actual), e = SplitLines(expected);
    for (std::size_t i = 0; i < std::max(a.size(), e.size()); ++i) {
        std::string x = i < a.size() ? a[i] : "<none>", y = i < e.size() ? e[i] : "<none>";
        if (x != y) {
            ADD_FAILURE() << what << ": line " << i + 1 << " differs\n  actual:   " << ToUtf8(x.substr(0, 400))
                          << "\n  expected: " << ToUtf8(y.substr(0, 400));
            return;
        }
    }
    ADD_FAILURE() << what << ": same lines, different line ends";
}

std::set<std::string> Entries(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

struct Instance {
    test::FakeHost host;
    test::FakeDialogs dialogs;
    FrameIdSource ids{host};
    DesignDocument doc{host, dialogs, ids};

    // Every date of the base year rebuilt from its frames, as a commit of the whole year.
    void CommitWholeYear() {
        RecordContext context;
        context.baseYear = doc.BaseYear();
        WorkingSet view(doc.Store(), context);
        view.Build({doc.BaseYear(), 1, 1}, IsLeapYear(doc.BaseYear()) ? 366 : 365);
        view.LoadView();
        view.CommitView(true);
    }
};

class DesignSaveTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    fs::path path = folder / "design.MVF";

    void CopyGolden(const std::string& name) {
        const std::string bytes = ReadBytes(kData / name);
        ASSERT_FALSE(bytes.empty()) << "golden file missing: " << (kData / name).string();
        WriteBytes(path, bytes);
    }
};

TEST_F(DesignSaveTest, CanonicalDesignIsWrittenBackByteForByte) {
    CopyGolden("week.MVF");
    const std::string golden = ReadBytes(kData / "week.MVF");
    Instance app;
    ASSERT_TRUE(app.doc.ReadDesignFile(path, false));
    EXPECT_EQ(app.doc.BaseYear(), 2003);
    EXPECT_EQ(app.doc.Title(), Sjis("番組表・議会中継ソフト"));
    EXPECT_EQ(app.doc.HolderStamp(), "PC07-09:15:00");
    EXPECT_EQ(app.doc.LastUpdateStamp(), "PC07-09:20:11");
    EXPECT_EQ(app.doc.Store().LineCount(), 11u);
    EXPECT_EQ(ReadBytes(path), golden) << "reading writes nothing";
    ASSERT_TRUE(app.doc.SaveDesignFile(path, false));
    ExpectSameBytes(ReadBytes(path), golden, "read and saved");

    std::string joined;
    for (const std::string& line : app.doc.BuildFileLines()) joined += line + "\r\n";
    ExpectSameBytes(joined, golden, "file lines");
}

TEST_F(DesignSaveTest, CanonicalDesignSurvivesACommitOfEveryDate) {
    CopyGolden("week.MVF");
    Instance app;
    ASSERT_TRUE(app.doc.OpenDesignFile(path));  // held by PC07: opened with a warning, not written
    EXPECT_EQ(app.dialogs.shown.size(), 1u);
    app.CommitWholeYear();
    ASSERT_TRUE(app.doc.SaveDesignFile(path, false));
    ExpectSameBytes(ReadBytes(path), ReadBytes(kData / "week.MVF"), "committed and saved");
}

TEST_F(DesignSaveTest, LegacyDesignOpenedThenCommitted) {
    CopyGolden("legacy.MVF");
    Instance app;
    ASSERT_TRUE(app.doc.OpenDesignFile(path));
    EXPECT_TRUE(app.dialogs.shown.empty());
    EXPECT_EQ(app.doc.MinuteStepIndex(), 9);
    ExpectSameBytes(ReadBytes(path), ReadBytes(kData / "legacy.opened.MVF"), "opened");

    app.CommitWholeYear();
    ASSERT_TRUE(app.doc.SaveDesignFile(path, false));
    ExpectSameBytes(ReadBytes(path), ReadBytes(kData / "legacy.normalized.MVF"), "normalized");

    // What was written reads back to the same file.
    Instance again;
    ASSERT_TRUE(again.doc.ReadDesignFile(path, true));
    ASSERT_TRUE(again.doc.SaveDesignFile(path, false));
    ExpectSameBytes(ReadBytes(path), ReadBytes(kData / "legacy.normalized.MVF"), "normalized, read again");
}

TEST_F(DesignSaveTest, NewStampsRenewHolderAndLastUpdate) {
    CopyGolden("week.MVF");
    Instance app;
    app.host.now = {2003, 7, 1, 8, 5, 9};
    ASSERT_TRUE(app.doc.OpenDesignFile(path));
    EXPECT_EQ(app.doc.HeldPath(), path);
    ASSERT_TRUE(app.doc.SaveDesignFile(path, true));
    EXPECT_EQ(app.doc.OwnStamp(), "PC01-08:05:09");
    EXPECT_EQ(app.doc.HolderStamp(), "PC01-08:05:09");
    EXPECT_EQ(app.doc.LastUpdateStamp(), "PC01-08:05:09");
    EXPECT_TRUE(app.doc.HeldPath().empty());

    std::vector<std::string> expected = SplitLines(ReadBytes(kData / "week.MVF"));
    expected[1] = "#Priority=PC01-08:05:09";
    expected[2] = "#LastUpdate=PC01-08:05:09";
    std::string bytes;
    for (const std::string& line : expected) bytes += line + "\r\n";
    ExpectSameBytes(ReadBytes(path), bytes, "saved with new stamps");

    // Saving elsewhere leaves the original alone.
    const fs::path copy = folder / "copy.MVF";
    ASSERT_TRUE(app.doc.SaveDesignFile(copy, false));
    ExpectSameBytes(ReadBytes(copy), bytes, "copy");
    EXPECT_FALSE(app.doc.SaveDesignFile("", true)) << "no path, no file";
}

// A save that cannot be completed says so, and the file that was there stays as it was.
class FailedSaveTest : public DesignSaveTest {
protected:
    void SetUp() override {
        CopyGolden("week.MVF");
        before = ReadBytes(path);
        ASSERT_TRUE(app.doc.ReadDesignFile(path, false));
        app.doc.Store().Slot(0).clear();  // an edit that must not reach the file
    }
    void ExpectFailure(const fs::path& target) {
        EXPECT_FALSE(app.doc.SaveDesignFile(target, true));
        ASSERT_EQ(app.dialogs.shown.size(), 1u);
        EXPECT_EQ(app.dialogs.shown[0].kind, MessageKind::Error);
        EXPECT_EQ(app.dialogs.shown[0].text,
                  "ファイルの書き込みに失敗しました。\r\r\r     PATH = " + target.string() + "\r\r");
        EXPECT_EQ(app.host.waitedMs, 9 * 100) << "ten tries";
    }
    std::string before;
    Instance app;
};

TEST_F(FailedSaveTest, TargetIsAFolder) {
    const fs::path target = folder / "taken";
    fs::create_directory(target);
    WriteBytes(target / "inside.txt", "x");
    ExpectFailure(target);
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(ReadBytes(target / "inside.txt"), "x");
    EXPECT_EQ(Entries(folder.Path()), (std::set<std::string>{"design.MVF", "taken"})) << "no temporary left";
}

TEST_F(FailedSaveTest, TargetIsReadOnly) {
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    ExpectFailure(path);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(Entries(folder.Path()), (std::set<std::string>{"design.MVF"}));
}

TEST_F(FailedSaveTest, FolderIsReadOnly) {
    const fs::path locked = folder / "locked";
    fs::create_directory(locked);
    WriteBytes(locked / "design.MVF", before);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    struct Unlock {
        fs::path folder;
        ~Unlock() { fs::permissions(folder, fs::perms::owner_all); }
    } unlock{locked};
    if (std::FILE* probe = std::fopen((locked / "probe").string().c_str(), "wb")) {
        std::fclose(probe);
        fs::remove(locked / "probe");
        GTEST_SKIP() << "this user can write into read-only folders";
    }
    ExpectFailure(locked / "design.MVF");
    EXPECT_EQ(ReadBytes(locked / "design.MVF"), before);
    EXPECT_EQ(Entries(locked), (std::set<std::string>{"design.MVF"}));
}

// Input from outside: whatever it holds gives an error or a result, never a crash, and a
// design read from it can be saved and read again.
TEST_F(DesignSaveTest, HostileInputGivesAResultNotACrash) {
    std::mt19937 random(20030701);
    std::string noise;
    const std::vector<std::string> tokens = {"Ci_CDate=2003/07/01", "%!#", "#Filed[", "#Filed]", "Ci_STime=",
                                             "Fi_FTextStr=", "\r\n", "\n", "\r", "#Priority=", "=", "\x81",
                                             Sjis("議"), "#BaseYYYY=", "-1", "99999999999"};
    while (noise.size() < (200 << 10)) {
        if (random() % 3 == 0) noise += tokens[random() % tokens.size()];
        else noise += static_cast<char>(random() % 256);
    }
    std::string huge = "Ci_CDate=2003/07/01%!#Ci_Cid=PC01-20030701140359-00009%!#Ci_STime=900%!#Ci_TextStr=";
    while (huge.size() < (5 << 20)) huge += Sjis("議ソ・") + "abc " + static_cast<char>(kLineBreakByte);
    huge += "%!#%!##Filed[Fi_FID=2%!#Fi_FTextStr=" + Sjis("長い") + "%!##Filed]";

    struct Case {
        const char* name;
        std::string bytes;
        // Whether a second read and commit must give the same file. Noise may hold texts
        // like "#Filed[" that the format cannot carry unchanged, so it need not.
        bool stable = true;
    };
    using namespace std::string_literals;
    const std::vector<Case> cases = {
        {"noise", "#Marovelantis\r\n" + noise, false},
        {"five megabyte line", "#Marovelantis\r\n" + huge + "\r\n"},
        {"unterminated field block",
         "#Marovelantis\r\nCi_CDate=2003/07/01%!#Ci_Cid=x%!#%!##Filed[Fi_FID=2%!#Fi_FTextStr=" +
             std::string(1 << 20, 'a')},
        {"invalid dates",
         "#Marovelantis\r\nCi_CDate=2003/02/30%!#\r\nCi_CDate=%!#\r\nCi_CDate=9999/99/99%!#\r\nCi_CDate=-1/1/1%!#\r\n"},
        {"nul bytes", "#Marovelantis\r\nCi_CDate=2003/07/01%!#Ci_Cid=\0\0%!#\0\r\n\0"s},
        {"only line ends", "#Marovelantis" + std::string(10000, '\r') + std::string(10000, '\n')},
        {"huge numbers", "#Marovelantis\r\n#BaseYYYY=2147483647\r\n#MoveMM=-2147483648\r\n"
                         "Ci_CDate=2003/07/01%!#Ci_STime=2147483647%!#Ci_ETime=-2147483648%!#Ci_TextFH=-2147483648%!#\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(path, c.bytes);
        Instance app;
        ASSERT_TRUE(app.doc.CheckDesignFile(path));
        ASSERT_TRUE(app.doc.OpenDesignFile(path));
        app.CommitWholeYear();
        ASSERT_TRUE(app.doc.SaveDesignFile(path, false));
        const std::string saved = ReadBytes(path);
        Instance again;
        ASSERT_TRUE(again.doc.OpenDesignFile(path));
        again.CommitWholeYear();
        ASSERT_TRUE(again.doc.SaveDesignFile(path, false));
        // Once written by the program, the design reads back to the same file.
        if (c.stable) ExpectSameBytes(ReadBytes(path), saved, "written twice");
    }

    // The big line keeps its text and its field.
    WriteBytes(path, "#Marovelantis\r\n#BaseYYYY=13\r\n" + huge + "\r\n");
    Instance app;
    ASSERT_TRUE(app.doc.OpenDesignFile(path));
    app.CommitWholeYear();
    ASSERT_TRUE(app.doc.SaveDesignFile(path, false));
    Instance again;
    ASSERT_TRUE(again.doc.ReadDesignFile(path, false));
    RecordContext context;
    context.baseYear = 2003;
    WorkingSet view(again.doc.Store(), context);
    view.Build({2003, 7, 1}, 1);
    view.LoadView();
    ASSERT_EQ(view.Column(0).frames.size(), 1u);
    const TCInf& frame = *view.Column(0).frames[0];
    const std::size_t start = huge.find("Ci_TextStr=") + 11;
    EXPECT_EQ(frame.TextStr, huge.substr(start, huge.find("%!#", start) - start));
    ASSERT_EQ(frame.Fields.size(), 1u);
    EXPECT_EQ(frame.Title, Sjis("長い"));
}

}  // namespace
}  // namespace mv
