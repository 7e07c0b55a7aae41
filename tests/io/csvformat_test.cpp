#include "io/csv/csvformat.h"

#include "io/csv/csvlinereader.h"

#include <gtest/gtest.h>

#include "model/codec.h"
#include "model/textfile.h"
#include "support/testhost.h"

namespace mv {
namespace {

using Fields = std::vector<std::string>;

TEST(CsvFormat, SplitKeepsTheQuirksOfQuotedSections) {
    EXPECT_EQ(SplitCsvLine("a,b,c"), (Fields{"a", "b", "c"}));
    EXPECT_EQ(SplitCsvLine("a,,"), (Fields{"a", "", ""}));
    EXPECT_EQ(SplitCsvLine(" a , b "), (Fields{" a ", " b "}));
    EXPECT_EQ(SplitCsvLine("\"x,y\",z"), (Fields{"x,y", "z"}));
    // No escape for a quote inside quotes: the second quoted section replaces the first.
    EXPECT_EQ(SplitCsvLine("\"a\"\"b\""), (Fields{"b"}));
    // Text before a quote is dropped, text after the closing quote is kept.
    EXPECT_EQ(SplitCsvLine("pre\"in\"post,2"), (Fields{"inpost", "2"}));
    // An unterminated quoted section swallows the rest and loses its field.
    EXPECT_EQ(SplitCsvLine("1,\"open,2,3"), (Fields{"1"}));
    EXPECT_TRUE(SplitCsvLine("").empty());
    EXPECT_TRUE(SplitCsvLine("   ").empty());
}

TEST(CsvFormat, SplitIsSafeForShiftJisTrailBytes) {
    // "ソ" is 83 5C and "表" is 95 5C: trail bytes that are backslashes, never commas.
    std::string line = Sjis("ソフト,表示");
    EXPECT_EQ(SplitCsvLine(line), (Fields{Sjis("ソフト"), Sjis("表示")}));
}

TEST(CsvFormat, JoinQuotesOnlyFieldsWithCommas) {
    EXPECT_EQ(JoinCsvFields({"a", "b,c", "say \"hi\"", ""}), "a,\"b,c\",say \"hi\",");
    EXPECT_EQ(SplitCsvLine(JoinCsvFields({"1,2", "x"})), (Fields{"1,2", "x"}));
}

TEST(CsvFormat, FindTextStartsOnlyOnCharacterBoundaries) {
    // "ア" is 83 41: its trail byte is the letter A.
    std::string text = Sjis("ア") + "A";
    EXPECT_EQ(FindText(text, "A"), 2u);
    EXPECT_EQ(FindText(text, "B"), std::string::npos);
}

TEST(CsvFormat, ReadsEveryLineEndAndUtf8WithByteOrderMark) {
    test::TempFolder folder;
    test::FakeHost host;
    test::WriteBytes(folder / "sjis.csv", Sjis("件名") + "\r\na\nb\rc");
    auto sjis = ReadCsvFile(folder / "sjis.csv", host);
    ASSERT_TRUE(sjis);
    EXPECT_FALSE(sjis->utf8);
    EXPECT_EQ(sjis->lines, (Fields{Sjis("件名"), "a", "b", "c"}));

    // "𠮷" has no Shift-JIS form.
    test::WriteBytes(folder / "utf8.csv", "\xEF\xBB\xBF件名,𠮷野家\r\n2024/05/10,𠮷\r\n");
    test::FakeDialogs dialogs;
    auto lines = ReadCsvLines(folder / "utf8.csv", host, dialogs);
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, (Fields{Sjis("件名,?野家"), "2024/05/10,?"}));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].text.find(" 2 個"), std::string::npos) << dialogs.shown[0].text;

    EXPECT_FALSE(ReadCsvFile(folder / "missing.csv", host));
}

TEST(CsvFormat, LineReaderGivesTheLinesOfTheWholeFileReader) {
    test::TempFolder folder;
    test::FakeHost host;
    // Line ends of every kind, one CR LF split across the reader's 64 KiB chunks, an empty
    // line, and a last line without an end.
    std::string text = "a\r\nb\nc\r\r\n" + std::string(65536 - 10, 'x') + "\r\n" + "y\rlast";
    ASSERT_EQ(text[65535], '\r');
    test::WriteBytes(folder / "mixed.csv", text);
    std::vector<std::string> expected = SplitLines(text);
    CsvLineReader reader;
    ASSERT_TRUE(reader.Open(folder / "mixed.csv", host));
    ASSERT_EQ(reader.Count(), static_cast<int>(expected.size()));
    for (int i = 0; i < reader.Count(); ++i) EXPECT_EQ(reader.Line(i), expected[i]) << i;
    // Going back starts over; asking again for the same line keeps it.
    EXPECT_EQ(reader.Line(1), "b");
    EXPECT_EQ(reader.Line(1), "b");
    EXPECT_EQ(reader.Line(6), "last");

    test::WriteBytes(folder / "utf8.csv", "\xEF\xBB\xBF件名\r\n𠮷\r\n");
    ASSERT_TRUE(reader.Open(folder / "utf8.csv", host));
    EXPECT_EQ(reader.Count(), 2);
    EXPECT_EQ(reader.Line(1), "?");
    EXPECT_EQ(reader.Line(0), Sjis("件名"));
    EXPECT_EQ(reader.Replaced(), 1);

    test::WriteBytes(folder / "empty.csv", "");
    ASSERT_TRUE(reader.Open(folder / "empty.csv", host));
    EXPECT_EQ(reader.Count(), 0);
    EXPECT_FALSE(reader.Open(folder / "missing.csv", host));
}

TEST(CsvFormat, LineReaderSplitsAsTheWholeFileAtEveryChunkEdge) {
    test::TempFolder folder;
    test::FakeHost host;
    // Lines of many lengths with every kind of end, so that ends, CRs and CR LFs fall on
    // and around the edges of the reader's chunks; two lines longer than a chunk; a CR as
    // the last byte of the first chunk followed by a line that is not an LF.
    std::string text = std::string(65535, 'a') + "\rb\n";
    unsigned seed = 7;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7FFF; };
    const char* ends[] = {"\r\n", "\n", "\r", "\r\n\r\n"};
    for (int i = 0; text.size() < 600000; ++i) {
        std::size_t length = i == 40 ? 70000 : i == 90 ? 200000 : next() % 300;
        text += std::string(length, static_cast<char>('a' + i % 26));
        text += ends[next() % 4];
    }
    text += "no end";
    test::WriteBytes(folder / "edges.csv", text);
    const std::vector<std::string> expected = SplitLines(text);
    CsvLineReader reader;
    ASSERT_TRUE(reader.Open(folder / "edges.csv", host));
    ASSERT_EQ(reader.Count(), static_cast<int>(expected.size()));
    for (int i = 0; i < reader.Count(); ++i) ASSERT_EQ(reader.Line(i), expected[i]) << i;
    EXPECT_EQ(reader.Line(reader.Count()), "");
    EXPECT_EQ(reader.Line(-1), "");
    EXPECT_EQ(reader.Line(1), "b");

    // A reader left with a CR at the end of its chunk starts clean on the next file.
    ASSERT_TRUE(reader.Open(folder / "edges.csv", host));
    EXPECT_EQ(reader.Line(0), expected[0]);
    test::WriteBytes(folder / "short.csv", "\nx\r\ny");
    ASSERT_TRUE(reader.Open(folder / "short.csv", host));
    ASSERT_EQ(reader.Count(), 3);
    EXPECT_EQ(reader.Line(0), "");
    EXPECT_EQ(reader.Line(1), "x");
    EXPECT_EQ(reader.Line(2), "y");
}

}  // namespace
}  // namespace mv
