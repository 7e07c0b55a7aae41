#include "auxiliary/helpdocument.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/codec.h"

namespace mv {
namespace {

TEST(HelpDocument, ListCaptionsAndIndexTexts) {
    struct Case {
        const char* menu;
        const char* list;
        const char* index;
    };
    for (const Case& c : std::vector<Case>{
             {"3. ガイド１ (簡単な使い方)", " 3. ガイド１ (簡単な使い方)", " ガイド１ (簡単な使い方)"},
             {"1. 動作環境の定義を行う (&D)", " 1. 動作環境の定義を行う", " 動作環境の定義を行う"},
             {"印刷する(&P)", " 印刷する", " 印刷する"},   // no number: the whole caption indexes
             {"&File", " ", " "},                           // nothing before the mnemonic
             {"表(&T)", " 表", " 表"},                       // a double-byte character before "("
         }) {
        EXPECT_EQ(BrowseListCaption(Sjis(c.menu)), Sjis(c.list)) << c.menu;
        EXPECT_EQ(BrowseIndexText(Sjis(c.list)), Sjis(c.index)) << c.menu;
    }
}

TEST(HelpDocument, NumberedLinesAndWidthCycle) {
    EXPECT_EQ(NumberedText({"a", "", "b"}), "00001 a\r\n00002 \r\n00003 b\r\n");
    const BrowseWidths widths{900, 10, 301, 41};
    std::vector<int> cycle;
    for (int presses = 1; presses <= 4; ++presses) cycle.push_back(BrowseWidthAfter(presses, widths));
    EXPECT_EQ(cycle, (std::vector<int>{331, 210, 900, 331}));  // the third press is back at full width
}

// The document of three pages with the second shown: it opens on page 2, the index links
// each page by its number, every page links back to the index, and a "<" of a text stays
// text.
TEST(HelpDocument, PagesIndexAndJump) {
    HelpDocumentRequest request;
    request.baseCaption = Sjis("マロベランティス２  Browse");
    request.windowCaption = Sjis("マロベランティス２  Browse  [ C:\\Doc.Txt ]");
    request.jumpPage = 2;
    request.pages = {{Sjis(" 1. マロベランティスについて"), "About"},
                     {Sjis(" 2. 始めに"), "if a < b && c > d"},
                     {Sjis(" 3. ガイド１ (簡単な使い方)"), Sjis("一行目\r\n二行目\r\n")}};
    const std::vector<std::string> lines = HelpDocumentLines(request);
    auto has = [&](const std::string& line) { return std::find(lines.begin(), lines.end(), line) != lines.end(); };
    auto count = [&](const std::string& line) { return std::count(lines.begin(), lines.end(), line); };

    EXPECT_EQ(lines.front(), "<HTML></HEAD><TITLE>" + request.baseCaption + "</TITLE></HEAD>");
    EXPECT_TRUE(has("<BODY OnLoad=LinkJump(\"#Page_2\") BGCOLOR=#5F5F5F Text=Black Link=White VLink=White "
                    "ALink=LightSkyBlue>"));
    EXPECT_TRUE(has(Sjis("      マロベランティス２  Browse  Help")));
    EXPECT_TRUE(has(Sjis("  <TD Class=Title><A href=\"#Page_3\"> ガイド１ (簡単な使い方)</A><BR></TD>")));
    // Each page's anchor lies inside its heading cell, where a browser keeps it.
    const auto anchor = std::find(lines.begin(), lines.end(), "  <A name=\"Page_3\"></A>");
    ASSERT_NE(anchor, lines.end());
    EXPECT_EQ(*(anchor - 1), "  <TD Class=Title ColSpan=3>");
    EXPECT_EQ(count(Sjis("      　　　　<A href=\"#Page_0\">戻る</A><BR><BR>")), 3);
    EXPECT_TRUE(has(Sjis("  <TD Class=Cells> 2. 始めに<BR><BR>\r\n<Pre>\r\nif a &lt; b &amp;&amp; c &gt; d</Pre></TD>")));
    EXPECT_EQ(count("<BR>"), 101);
    EXPECT_EQ(lines.back(), "</HTML>");

    request.jumpPage = 0;
    request.helpHeading = false;
    const std::vector<std::string> plain = HelpDocumentLines(request);
    EXPECT_NE(std::find(plain.begin(), plain.end(),
                        "<BODY  BGCOLOR=#5F5F5F Text=Black Link=White VLink=White ALink=LightSkyBlue>"),
              plain.end());
    EXPECT_NE(std::find(plain.begin(), plain.end(), Sjis("      マロベランティス２  Browse  ")), plain.end());
}

}  // namespace
}  // namespace mv
