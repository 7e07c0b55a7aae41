#include "view/geometry/fieldtext.h"

#include <gtest/gtest.h>

#include "model/codec.h"

namespace mv {
namespace {

using Lines = std::vector<std::string>;

Lines Sjis(std::initializer_list<const char*> utf8) {
    Lines lines;
    for (const char* text : utf8) lines.push_back(mv::Sjis(text));
    return lines;
}

// Widths in "A" units of 7 pixels: a width of 20 lets three bytes onto a line (0, 7 and 14
// are below 20), 21 only three as well, 22 four.
TEST(WrapBytes, NeverSplitsADoubleByteCharacter) {
    EXPECT_EQ(WrapBytes(mv::Sjis("あいう"), 20, 7), Sjis({"あ", "い", "う"}));
    EXPECT_EQ(WrapBytes(mv::Sjis("Aあいう"), 20, 7), Sjis({"Aあ", "い", "う"}));
    EXPECT_EQ(WrapBytes(mv::Sjis("あいう"), 22, 7), Sjis({"あい", "う"}));
    EXPECT_EQ(WrapBytes("ABCDEFG", 20, 7), (Lines{"ABC", "DEF", "G"}));
}

TEST(WrapBytes, TrailBytesThatLookLikeAsciiStayWithTheirCharacter) {
    // "ソ" is 83 5C and "表" is 95 5C: the 5C must not be taken for a break or a letter.
    const std::string text = mv::Sjis("ソ表ソ");
    const Lines lines = WrapBytes(text, 20, 7);
    EXPECT_EQ(lines, Sjis({"ソ", "表", "ソ"}));
}

TEST(WrapBytes, BreaksAtEachLineBreakAndKeepsEmptyLines) {
    const std::string text = std::string("AB") + kLineBreak + kLineBreak + "CDEFG";
    EXPECT_EQ(WrapBytes(text, 100, 7), (Lines{"AB", "", "CDEFG"}));
    EXPECT_EQ(WrapBytes(text, 20, 7), (Lines{"AB", "", "CDE", "FG"}));
}

TEST(WrapBytes, AnAreaTooNarrowForOneCharacterStillMakesProgress) {
    EXPECT_EQ(WrapBytes(mv::Sjis("漢字"), 3, 7), Sjis({"漢", "字"}));
    EXPECT_EQ(WrapBytes("AB", 0, 7), (Lines{"A", "B"}));
}

TEST(WrapBytes, StopsAtNinetyNineLines) {
    EXPECT_EQ(WrapBytes(std::string(500, 'x'), 7, 7).size(), 99u);
    std::string breaks;
    for (int i = 0; i < 150; ++i) breaks += std::string("x") + kLineBreak;
    EXPECT_EQ(WrapBytes(breaks, 100, 7).size(), 99u);
}

TEST(FieldDisplayText, TimeFieldBlankFieldAndTrailingBreaks) {
    TFInf time;
    time.FID = kTimeFieldId;
    EXPECT_EQ(FieldDisplayText(time, 930, 2530, 20, true), "09:30" + mv::Sjis("～") + "01:30");
    // Too wide for the frame: two lines, hours after midnight as they are.
    EXPECT_EQ(FieldDisplayText(time, 2430, 2530, 8, true), std::string("24:30") + kLineBreak + "25:30");
    EXPECT_EQ(FieldDisplayText(time, 930, 1030, 20, false), "");

    TFInf blank;
    blank.FTextStr = "  ";
    EXPECT_EQ(FieldDisplayText(blank, 900, 1000, 20, true), mv::Sjis("・"));
    TFInf text;
    text.FTextStr = std::string("Title") + kLineBreak + kLineBreak;
    EXPECT_EQ(FieldDisplayText(text, 900, 1000, 20, true), "Title");
}

TEST(FitFontHeight, ShrinksInTheLettersRatio) {
    EXPECT_EQ(FitFontHeight(15, 3, 30, 7, 13), 15);  // 21 fits into 30
    EXPECT_EQ(FitFontHeight(15, 3, 14, 7, 13), 8);   // 13 / 7 x 14 / 3 = 8.67
}

TEST(FieldTopMargin, HalvesUntilTheLineFits) {
    EXPECT_EQ(FieldTopMargin(13, 30), 10);
    EXPECT_EQ(FieldTopMargin(13, 20), 5);
    EXPECT_EQ(FieldTopMargin(13, 14), 0);
}

FieldLayoutInput Input(const std::string& text, PixelRect frame, int alignment = 2) {
    FieldLayoutInput in;
    in.frame = frame;
    in.text = text;
    in.charWidth = 7;
    in.lineHeight = 13;
    in.alignment = alignment;
    return in;
}

TEST(LayOutField, AShortTextNarrowsTheAreaOnItsSide) {
    // Area: 100..200 inset by 4 -> 104..196 (92 wide); "ABC" is 21 wide.
    const PixelRect frame{100, 50, 200, 150};
    FieldLayout centred = LayOutField(Input("ABC", frame, 2));
    ASSERT_EQ(centred.lines.size(), 1u);
    EXPECT_EQ(centred.lines[0].textRect.left, 104 + (92 - 21) / 2);
    EXPECT_EQ(centred.textBox, (PixelRect{139, 60, 160, 73}));
    EXPECT_EQ(centred.widthChars, 3);
    FieldLayout right = LayOutField(Input("ABC", frame, 3));
    EXPECT_EQ(right.lines[0].textRect.left, 196 - 21);
    FieldLayout left = LayOutField(Input("ABC", frame, 1));
    EXPECT_EQ(left.lines[0].textRect.left, 104);
    // Half a character wider on the right.
    EXPECT_EQ(left.lines[0].textRect.right, 104 + 21 + 3);
}

TEST(LayOutField, LinesStopAtTheFrameBottomAndTheLastIsClipped) {
    // 40 high, margin 10: lines at 10, 23, 36 (clipped to 40); the fourth would start at 49.
    const PixelRect frame{0, 0, 40, 40};
    FieldLayoutInput in = Input("ABCDEFGHIJKL", frame, 1);  // area 4..36: 5 bytes a line
    in.decorate = true;
    FieldLayout out = LayOutField(in);
    ASSERT_EQ(out.lines.size(), 3u);
    EXPECT_EQ(out.lines[2].box, (PixelRect{4, 36, 36, 40}));
    EXPECT_TRUE(out.lines[0].decorated);
    EXPECT_FALSE(out.lines[2].decorated);
    EXPECT_EQ(out.wrapped, std::string("ABCDE") + kLineBreak + "FGHIJ" + kLineBreak + "KL");
    EXPECT_EQ(out.textBox.bottom, 40);
}

TEST(LayOutField, OffsetsMoveTheLinesAndTheRightEdgeIsClipped) {
    const PixelRect frame{0, 0, 100, 100};
    FieldLayoutInput in = Input(std::string(30, 'x'), frame, 0);
    in.xOffset = 10;
    in.yOffset = 20;
    FieldLayout out = LayOutField(in);
    ASSERT_FALSE(out.lines.empty());
    EXPECT_EQ(out.lines[0].box.left, 14);
    EXPECT_EQ(out.lines[0].box.right, 96);
    EXPECT_EQ(out.lines[0].box.top, 30);
    in.xOffset = 200;  // beyond the area: nothing drawn
    EXPECT_TRUE(LayOutField(in).lines.empty());
}

TEST(FieldStackOrder, ByOffsetThenTheSelectedFieldThenCreation) {
    EXPECT_EQ(FieldStackOrder({20, 0, 20}, -1, {1, 2, 3}), (std::vector<int>{1, 0, 2}));
    EXPECT_EQ(FieldStackOrder({20, 0, 20}, 2, {1, 2, 3}), (std::vector<int>{1, 2, 0}));
    // A field inserted first was created last; serials past five digits keep number order.
    EXPECT_EQ(FieldStackOrder({0, 0, 0}, -1, {100000, 99998, 99999}), (std::vector<int>{1, 2, 0}));
}

}  // namespace
}  // namespace mv
