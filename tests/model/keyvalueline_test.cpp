#include "model/keyvalueline.h"

#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "model/codec.h"

namespace mv {
namespace {

TEST(KeyValueLine, FindsSeparatedItemsIgnoringCase) {
    std::string line = "Ci_CDate=2003/07/01%!#Ci_STime=0930%!#Ci_Title=  abc  %!#";
    int start = 0;
    EXPECT_TRUE(GetInt(line, "ci_stime", kSep, start));
    EXPECT_EQ(start, 930);
    std::string title;
    EXPECT_TRUE(GetText(line, "Ci_Title", kSep, title));
    EXPECT_EQ(title, "abc");
}

// One lookup of a text value: the line, the key, the separator, and the value expected
// (nothing when the item must not be found).
struct TextCase {
    const char* name;
    std::string line;
    std::string key;
    std::string_view separator;
    std::optional<std::string> expected;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class TextLookup : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextLookup, FindsWhatTheRulesAllow) {
    const TextCase& c = GetParam();
    std::string value = "<preset>";
    bool found = GetText(c.line, c.key, c.separator, value);
    if (c.expected) {
        EXPECT_TRUE(found);
        EXPECT_EQ(value, *c.expected);
    } else {
        EXPECT_FALSE(found);
        EXPECT_EQ(value, "<preset>") << "a missing item must leave the caller's default";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, TextLookup,
    ::testing::Values(
        TextCase{"key at line start", "Ci_Title=abc%!#", "Ci_Title", kSep, "abc"},
        TextCase{"key written in other case", "CI_TITLE=abc%!#", "ci_title", kSep, "abc"},
        TextCase{"key given with blanks", "Ci_Title=abc%!#", "  Ci_Title ", kSep, "abc"},
        TextCase{"blanks around key and value", "Ci_A=1%!# Ci_Title  =   abc   %!#", "Ci_Title", kSep, "abc"},
        TextCase{"equals sign kept inside value", "Ci_Title=a=b%!#", "Ci_Title", kSep, "a=b"},
        TextCase{"empty value is found", "Ci_Title=%!#", "Ci_Title", kSep, ""},
        TextCase{"preceded by comma", "x,Ci_Title=abc%!#", "Ci_Title", kSep, "abc"},
        TextCase{"preceded by hash", "#Ci_Title=abc%!#", "Ci_Title", kSep, "abc"},
        TextCase{"preceded by blank", "x Ci_Title=abc%!#", "Ci_Title", kSep, "abc"},
        TextCase{"preceded by letter", "xCi_Title=abc%!#", "Ci_Title", kSep, std::nullopt},
        TextCase{"preceded by underscore", "Z_Ci_Title=abc%!#", "Ci_Title", kSep, std::nullopt},
        // Only the first occurrence is tried: a later, well-formed item does not help.
        TextCase{"first occurrence only", "xCi_Title=bad%!#Ci_Title=good%!#", "Ci_Title", kSep, std::nullopt},
        TextCase{"longer key shadows the shorter", "Plot_Gray2=1%!#Plot_Gray=5%!#", "Plot_Gray", kSep, std::nullopt},
        TextCase{"shorter key first", "Plot_Gray=5%!#Plot_Gray2=1%!#", "Plot_Gray", kSep, "5"},
        TextCase{"longer key found after shorter", "Plot_Gray=5%!#Plot_Gray2=1%!#", "Plot_Gray2", kSep, "1"},
        TextCase{"plain longer key", "Plot_Gray2=1", "Plot_Gray", kPlain, std::nullopt},
        TextCase{"key without equals sign", "Ci_Title%!#", "Ci_Title", kSep, std::nullopt},
        // The first "=" after the key belongs to another item: the key text does not match.
        TextCase{"equals of a later item", "Ci_Title %!#Ci_Cid=5%!#", "Ci_Title", kSep, std::nullopt},
        TextCase{"missing trailing separator", "Ci_A=1%!#Ci_Title=abc", "Ci_Title", kSep, std::nullopt},
        TextCase{"key absent", "Ci_A=1%!#", "Ci_Title", kSep, std::nullopt},
        TextCase{"empty line", "", "Ci_Title", kSep, std::nullopt},
        TextCase{"plain form takes the rest", "Path_Html=C:\\web\\a b.html  ", "Path_Html", kPlain, "C:\\web\\a b.html"},
        TextCase{"plain form empty value", "Path_Html=", "Path_Html", kPlain, ""},
        TextCase{"plain form keeps separator text", "#Title=a%!#b", "#Title", kPlain, "a%!#b"},
        TextCase{"header key with hash", "#Priority=PC01-14:03:59", "#Priority", kPlain, "PC01-14:03:59"},
        TextCase{"control characters trimmed", "Ci_Title=\t abc \x01%!#", "Ci_Title", kSep, "abc"}));

// Double-byte Shift-JIS: trail bytes that look like ASCII letters, a backslash or "E" must
// never start a key, never be upper-cased, and values come out byte for byte.
TEST(KeyValueLine, DoubleByteCharactersKeepTheirBytes) {
    const std::string gi = Sjis("議"), so = Sjis("ソ"), dot = Sjis("・");
    ASSERT_EQ(gi, "\x8B\x63");
    ASSERT_EQ(so, "\x83\x5C");
    ASSERT_EQ(dot, "\x81\x45");

    struct Case {
        const char* name;
        std::string line;
        std::string key;
        std::optional<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"values of double-byte characters", "Ci_Title=" + gi + so + dot + "%!#", "Ci_Title", gi + so + dot},
        {"value ending in a trail backslash", "Ci_Title=" + so + "%!#Ci_Cid=7%!#", "Ci_Cid", "7"},
        // "議" then "i_STime": upper-casing its trail byte would spell CI_STIME; that false
        // match would be the first occurrence and hide the real item.
        {"trail byte c before i_STime", "Ci_TextStr=" + gi + "i_STime=1%!#Ci_STime=930%!#", "Ci_STime", "930"},
        {"trail byte c in a key position", "Ci_TextStr= " + gi + "i_DayMemo=bad%!#Ci_DayMemo=good%!#", "Ci_DayMemo",
         "good"},
        // "・" ends in 0x45, the letter E.
        {"trail byte E", "Ci_TextStr=" + dot + "_X=1%!#E_X=2%!#", "E_X", "2"},
        {"key right after a double-byte character", "Ci_TextStr=" + so + "Ci_Title=abc%!#", "Ci_Title", std::nullopt},
        {"value keeps lower-case trail", "ci_title=" + gi + "c%!#", "CI_TITLE", gi + "c"},
        {"half-width katakana are single bytes", "Ci_TextStr=\xB6 Ci_Title=k%!#", "Ci_Title", "k"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string value = "<preset>";
        bool found = GetText(c.line, c.key, kSep, value);
        EXPECT_EQ(found, c.expected.has_value());
        EXPECT_EQ(value, c.expected.value_or("<preset>"));
    }
}

TEST(KeyValueLine, FindKeyNeverStartsOnATrailByte) {
    const std::string line = Sjis("議") + "I_X";  // 8B 63 49 5F 58
    EXPECT_EQ(FindKey(line, "CI_X"), std::string_view::npos);
    EXPECT_EQ(FindKey("abCI_Xc", "CI_X"), 2u);
    EXPECT_EQ(FindKey("ci_x ci_x", "CI_X", 1), 5u);
}

// The search against the plain definition (first case-insensitive match at a character
// start, from a position) over random lines of letters, marks and double-byte characters.
TEST(KeyValueLine, FindKeyMatchesTheDefinitionOnRandomLines) {
    const auto reference = [](std::string_view line, std::string_view needle, std::size_t from) {
        std::size_t i = 0;
        while (i < line.size()) {
            if (i >= from && line.substr(i).size() >= needle.size()) {
                bool equal = true;
                for (std::size_t k = 0; k < needle.size(); ++k)
                    equal = equal && std::toupper(static_cast<unsigned char>(line[i + k])) == needle[k];
                if (equal) return i;
            }
            i += IsLeadByte(static_cast<unsigned char>(line[i])) ? 2 : 1;
        }
        return std::string_view::npos;
    };
    const std::string alphabet = "cCiIxX_= \x8B\x63\x5F";
    std::mt19937 random(7);
    for (int round = 0; round < 20000; ++round) {
        std::string line;
        const std::size_t length = random() % 16;
        for (std::size_t i = 0; i < length; ++i) line += alphabet[random() % alphabet.size()];
        const std::size_t from = random() % 4;
        for (std::string_view needle : {"CI_X", "CI", "_X=", "X"}) {
            SCOPED_TRACE(line + " / " + std::string(needle) + " from " + std::to_string(from));
            ASSERT_EQ(FindKey(line, needle, from), reference(line, needle, from));
        }
    }
}

TEST(KeyValueLine, TypedValuesConvertOrCountAsMissing) {
    struct IntCase {
        std::string value;
        std::optional<int> expected;
    };
    const std::vector<IntCase> ints = {
        {"930", 930},   {"0930", 930},   {" -15 ", -15}, {"+7", 7},       {"0", 0},
        {"2147483647", 2147483647},      {"abc", std::nullopt},          {"9:30", std::nullopt},
        {"12a", std::nullopt},           {"", std::nullopt},             {"1.5", std::nullopt},
        {"99999999999", std::nullopt},   {"- 5", std::nullopt},          {"0x10", std::nullopt},
    };
    for (const IntCase& c : ints) {
        SCOPED_TRACE(c.value);
        int value = -4242;
        EXPECT_EQ(GetInt("Ci_STime=" + c.value + "%!#", "Ci_STime", kSep, value), c.expected.has_value());
        EXPECT_EQ(value, c.expected.value_or(-4242));
    }

    struct BoolCase {
        std::string value;
        bool expected;
    };
    for (const BoolCase& c : std::vector<BoolCase>{
             {"True", true}, {"TRUE", true}, {"tRuE", true}, {" true ", true}, {"False", false}, {"1", false},
             {"yes", false}, {"", false}, {"Truex", false}}) {
        SCOPED_TRACE(c.value);
        bool value = !c.expected;
        EXPECT_TRUE(GetBool("Ci_Fixed=" + c.value + "%!#", "Ci_Fixed", kSep, value));
        EXPECT_EQ(value, c.expected);
    }
    bool untouched = true;
    EXPECT_FALSE(GetBool("Ci_Other=False%!#", "Ci_Fixed", kSep, untouched));
    EXPECT_TRUE(untouched);

    struct DateCase {
        std::string value;
        std::optional<Date> expected;
    };
    for (const DateCase& c : std::vector<DateCase>{
             {"2003/07/01", Date{2003, 7, 1}},
             {"2003/7/1", Date{2003, 7, 1}},
             {"2004/02/29", Date{2004, 2, 29}},
             {"2003/02/29", std::nullopt},
             {"2003/13/01", std::nullopt},
             {"2003/00/10", std::nullopt},
             {"2003/04/31", std::nullopt},
             {"2003-07-01", std::nullopt},
             {"2003/07/01x", std::nullopt},
             {"0000/01/01", std::nullopt},
             {"abcd/ef/gh", std::nullopt},
             {"", std::nullopt}}) {
        SCOPED_TRACE(c.value);
        Date value{1999, 9, 9};
        EXPECT_EQ(GetDate("Ci_CDate=" + c.value + "%!#", "Ci_CDate", kSep, value), c.expected.has_value());
        EXPECT_EQ(value, c.expected.value_or(Date{1999, 9, 9}));
    }

    Rect rect{9, 9, 9, 9};
    EXPECT_TRUE(GetRect("FPS_Main= 10, 20 ,300,400", "FPS_Main", kPlain, rect));
    EXPECT_EQ(rect, (Rect{10, 20, 300, 400}));
    for (const char* bad : {"1,2,3", "1,2,3,4,5", "1,2,x,4", "", "1,,3,4"}) {
        SCOPED_TRACE(bad);
        Rect kept{9, 9, 9, 9};
        EXPECT_FALSE(GetRect(std::string("FPS_Main=") + bad, "FPS_Main", kPlain, kept));
        EXPECT_EQ(kept, (Rect{9, 9, 9, 9}));
    }
}

TEST(KeyValueLine, WrittenItemsReadBack) {
    EXPECT_EQ(TextItem("  Ci_Title ", " a b "), "Ci_Title= a b ");
    EXPECT_EQ(IntItem("Ci_STime", -1), "Ci_STime=-1");
    EXPECT_EQ(IntItem("Ci_WakuBC", 12171705), "Ci_WakuBC=12171705");
    EXPECT_EQ(BoolItem("Ci_Fixed", true), "Ci_Fixed=True");
    EXPECT_EQ(BoolItem("Ci_Fixed", false), "Ci_Fixed=False");
    EXPECT_EQ(DateItem("Ci_CDate", Date{987, 1, 2}), "Ci_CDate=0987/01/02");
    EXPECT_EQ(RectItem("FPS_Main", Rect{1, -2, 3, 4}), "FPS_Main=1,-2,3,4");

    const std::string text = Sjis("議題ソ・") + kLineBreakByte + "x";
    std::string line = DateItem("Ci_CDate", {2003, 7, 1}) + std::string(kSep) + TextItem("Ci_TextStr", text) +
                       std::string(kSep) + IntItem("Ci_STime", 2530) + std::string(kSep) + BoolItem("Ci_Fixed", true) +
                       std::string(kSep) + RectItem("Ci_R", {5, 6, 7, 8}) + std::string(kSep);
    Date date;
    std::string readText;
    int start = 0;
    bool fixed = false;
    Rect rect;
    EXPECT_TRUE(GetDate(line, "Ci_CDate", kSep, date));
    EXPECT_TRUE(GetText(line, "Ci_TextStr", kSep, readText));
    EXPECT_TRUE(GetInt(line, "Ci_STime", kSep, start));
    EXPECT_TRUE(GetBool(line, "Ci_Fixed", kSep, fixed));
    EXPECT_TRUE(GetRect(line, "Ci_R", kSep, rect));
    EXPECT_EQ(date, (Date{2003, 7, 1}));
    EXPECT_EQ(readText, text);
    EXPECT_EQ(start, 2530);
    EXPECT_TRUE(fixed);
    EXPECT_EQ(rect, (Rect{5, 6, 7, 8}));
}

TEST(KeyValueLine, LineBreakBytes) {
    const std::string b(1, kLineBreakByte);
    EXPECT_EQ(StripTrailingBreaks("a" + b + "b" + b + b), "a" + b + "b");
    EXPECT_EQ(StripTrailingBreaks(b + b), "");
    EXPECT_EQ(BreaksToCrLf("a" + b + "b" + b), "a\r\nb\r\n");
    EXPECT_EQ(CrLfToBreaks("a\r\nb\nc\rd"), "a" + b + "b" + b + "c" + b + "d");
    const std::string text = Sjis("議ソ") + "\r\n" + Sjis("・");
    EXPECT_EQ(BreaksToCrLf(CrLfToBreaks(text)), text);
    // Trimming on reading stops at the break byte: an empty first line survives.
    std::string value;
    EXPECT_TRUE(GetText("Ci_TextStr=" + b + "x%!#", "Ci_TextStr", kSep, value));
    EXPECT_EQ(value, b + "x");
}

TEST(Codec, ConvertsBetweenShiftJisAndUtf8) {
    EXPECT_EQ(ToUtf8(Sjis("マロベランティス２")), "マロベランティス２");
    EXPECT_EQ(ToUtf8("abc"), "abc");
    int replaced = 0;
    EXPECT_EQ(FromUtf8("a\xF0\x9F\x98\x80" "b", &replaced), "a?b");  // an emoji has no Shift-JIS form
    EXPECT_EQ(replaced, 1);
    // Broken input is replaced, never dropped silently or thrown.
    EXPECT_EQ(ToUtf8("a\x81"), "a\xEF\xBF\xBD");
    EXPECT_NO_THROW(ToUtf8(std::string("\x81\x20\xFF\x80\xA0", 5)));
    replaced = 0;
    EXPECT_EQ(FromUtf8("x\xC3", &replaced), "x?");
    EXPECT_EQ(replaced, 1);
}

}  // namespace
}  // namespace mv
