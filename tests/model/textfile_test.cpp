#include "model/textfile.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "model/codec.h"
#include "support/testhost.h"

namespace mv {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;

std::set<std::string> Entries(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

TEST(TextFile, SplitsOnEveryKindOfLineEnd) {
    using Lines = std::vector<std::string>;
    struct Case {
        std::string text;
        Lines lines;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"\r\n", {""}},
        {"a\r\n\r\n", {"a", ""}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {Sjis("議ソ・") + "\x7f" + "x\r\n", {Sjis("議ソ・") + "\x7f" + "x"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        EXPECT_EQ(SplitLines(c.text), c.lines);
    }
}

TEST(TextFile, WritesLinesWithCrLfAndReadsThemBack) {
    test::TempFolder folder;
    test::FakeHost host;
    const fs::path path = folder / "a.txt";
    const std::vector<std::string> lines = {"#Marovelantis=#Marovelantis", "", Sjis("議ソ・"), "x\x7fy"};
    ASSERT_TRUE(WriteLines(path, lines, host));
    EXPECT_EQ(ReadBytes(path), "#Marovelantis=#Marovelantis\r\n\r\n" + Sjis("議ソ・") + "\r\nx\x7fy\r\n");
    EXPECT_EQ(ReadLines(path, host), lines);
    EXPECT_EQ(ReadFileBytes(path, host), ReadBytes(path));

    ASSERT_TRUE(WriteLines(path, {}, host));
    EXPECT_EQ(ReadBytes(path), "");
    EXPECT_EQ(ReadLines(path, host), std::vector<std::string>{});
    EXPECT_EQ(host.waitedMs, 0);
    EXPECT_EQ(Entries(folder.Path()), std::set<std::string>{"a.txt"}) << "no temporary left behind";

    // A big file in one piece.
    std::string big;
    while (big.size() < (3 << 20)) big += Sjis("長い行") + "0123456789";
    ASSERT_TRUE(WriteLines(path, {big, big}, host));
    EXPECT_EQ(ReadLines(path, host), (std::vector<std::string>{big, big}));
}

TEST(TextFile, ReplacingKeepsThePermissionsOfTheOldFile) {
    test::TempFolder folder;
    test::FakeHost host;
    const fs::path path = folder / "shared.MVF";
    WriteBytes(path, "old\r\n");
    const auto perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::group_write;
    fs::permissions(path, perms);
    ASSERT_TRUE(WriteLines(path, {"new"}, host));
    EXPECT_EQ(ReadBytes(path), "new\r\n");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, perms);
}

TEST(TextFile, FailuresAreReportedAfterTenTries) {
    test::TempFolder folder;
    {
        test::FakeHost host;
        EXPECT_EQ(ReadLines(folder / "missing.txt", host), std::nullopt);
        EXPECT_EQ(host.waitedMs, 9 * 100);
    }
    {
        test::FakeHost host;
        EXPECT_EQ(ReadFileBytes(folder.Path(), host), std::nullopt) << "a folder is no text file";
    }
    {
        // The target is a folder: the rename is refused every time and the folder stays.
        test::FakeHost host;
        const fs::path target = folder / "dir";
        fs::create_directory(target);
        EXPECT_FALSE(WriteLines(target, {"x"}, host));
        EXPECT_EQ(host.waitedMs, 9 * 100);
        EXPECT_TRUE(fs::is_directory(target));
        EXPECT_EQ(Entries(folder.Path()), std::set<std::string>{"dir"}) << "the temporary file is removed";
    }
    {
        // A read-only file is not replaced behind the user's back.
        test::FakeHost host;
        const fs::path target = folder / "readonly.txt";
        WriteBytes(target, "keep\r\n");
        fs::permissions(target, fs::perms::owner_read);
        EXPECT_FALSE(WriteLines(target, {"x"}, host));
        fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
        EXPECT_EQ(ReadBytes(target), "keep\r\n");
        EXPECT_EQ(Entries(folder.Path()), (std::set<std::string>{"dir", "readonly.txt"}));
    }
    {
        test::FakeHost host;
        EXPECT_FALSE(WriteLines(folder / "no" / "such" / "folder.txt", {"x"}, host));
    }
}

TEST(TextFile, BodyWritesBytesAsGiven) {
    test::TempFolder folder;
    test::FakeHost host;
    const fs::path path = folder / "b.bin";
    ASSERT_TRUE(WriteFileAtomically(path, host, [](LineWriter& out) {
        out.Bytes(std::string("a\0b", 3));
        out.Line("");
        out.Line("c");
        EXPECT_TRUE(out.Ok());
    }));
    EXPECT_EQ(ReadBytes(path), std::string("a\0b\r\nc\r\n", 8));
}

}  // namespace
}  // namespace mv
