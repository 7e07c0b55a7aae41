// Splitting text into lines, whole and in pieces: the pieces must never change the lines,
// wherever a line end falls.

#include <gtest/gtest.h>

#include "model/textfile.h"
#include "support/testhost.h"

namespace mv {
namespace {

using Lines = std::vector<std::string>;

Lines SplitInPieces(std::string_view text, const std::vector<std::size_t>& cuts) {
    Lines lines;
    LineSplitter splitter(lines);
    std::size_t from = 0;
    for (std::size_t cut : cuts) {
        splitter.Feed(text.substr(from, cut - from));
        from = cut;
    }
    splitter.Feed(text.substr(from));
    splitter.Finish();
    return lines;
}

TEST(LineSplitter, EveryKindOfLineEnd) {
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n"), (Lines{"a"}));
    EXPECT_EQ(SplitLines("\r\n\r\n"), (Lines{"", ""}));
    EXPECT_EQ(SplitLines("\n\r"), (Lines{"", ""}));
    EXPECT_EQ(SplitLines("\r\r\n"), (Lines{"", ""}));
    EXPECT_EQ(SplitLines("x"), (Lines{"x"}));
    EXPECT_EQ(SplitLines(""), Lines{});
    // Bytes other than CR and LF, NUL and 0x7F included, belong to the line.
    EXPECT_EQ(SplitLines(std::string("a\0b\x7F" "c\r\n", 7)), (Lines{std::string("a\0b\x7F" "c", 5)}));
}

TEST(LineSplitter, PiecesGiveTheSameLinesWhereverTheyAreCut) {
    const std::string text = "Ci_CDate=2026/04/01%!#\r\n\r\nab\rcd\n\ref\r\n\n\rgh\r";
    const Lines whole = SplitLines(text);
    ASSERT_EQ(whole, (Lines{"Ci_CDate=2026/04/01%!#", "", "ab", "cd", "", "ef", "", "", "gh"}));
    for (std::size_t a = 0; a <= text.size(); ++a) {
        for (std::size_t b = a; b <= text.size(); ++b) EXPECT_EQ(SplitInPieces(text, {a, b}), whole) << a << ' ' << b;
    }
    // Views into the whole text give the same lines.
    for (std::size_t end = 0; end <= text.size(); ++end) {
        const std::vector<std::string_view> views = SplitLineViews(std::string_view(text).substr(0, end));
        EXPECT_EQ(Lines(views.begin(), views.end()), SplitLines(text.substr(0, end))) << end;
    }
    std::vector<std::size_t> everyByte;
    for (std::size_t i = 1; i < text.size(); ++i) everyByte.push_back(i);
    EXPECT_EQ(SplitInPieces(text, everyByte), whole);
}

TEST(LineSplitter, AnEmptyPieceBetweenCrAndLfIsNoLineEnd) {
    Lines lines;
    LineSplitter splitter(lines);
    splitter.Feed("a\r");
    splitter.Feed("");
    splitter.Feed("\nb");
    splitter.Finish();
    EXPECT_EQ(lines, (Lines{"a", "b"}));
}

TEST(LineSplitter, ReadLinesOfAFileLargerThanOneReadAcrossTheChunkEdges) {
    test::TempFolder folder;
    test::FakeHost host;
    // A CR LF across every power-of-two offset from 4 KB to 1 MB, the edges of any read
    // size a reader is likely to use.
    std::string bytes;
    Lines expected;
    for (std::size_t edge = 1u << 12; edge <= (1u << 20); edge <<= 1) {
        std::string line(edge - 1 - bytes.size(), static_cast<char>('A' + expected.size()));
        bytes += line + "\r\n";
        expected.push_back(line);
        ASSERT_EQ(bytes[edge - 1], '\r');
        ASSERT_EQ(bytes[edge], '\n');
    }
    bytes += "last";
    expected.push_back("last");
    test::WriteBytes(folder / "big.MVF", bytes);
    auto lines = ReadLines(folder / "big.MVF", host);
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, expected);
    EXPECT_EQ(SplitLines(bytes), expected);
}

}  // namespace
}  // namespace mv
