// The HTML page's handling of user text: what is escaped, which links stay links, and that
// hostile or huge texts leave every line of the page whole.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "io/html/htmlescape.h"
#include "io/html/htmlpage.h"
#include "model/codec.h"

namespace mv {
namespace {

TEST(HtmlEscapeTest, TextsAreShownAsTyped) {
    struct Case {
        std::string (*convert)(std::string_view);
        std::string in, out;
    };
    const std::string so = Sjis("ソ");  // 83 5C: its trail byte is a backslash
    const std::vector<Case> cases{
        {HtmlText, "a<b>&\"c'", "a&lt;b&gt;&amp;&quot;c'"},
        {HtmlText, "tab\tnew\r\nline", "tab new  line"},
        {HtmlLines, "one\x7Ftwo<\x7F\x7F", "one<BR>two&lt;"},
        {HtmlLines, "<script>alert(1)</script>", "&lt;script&gt;alert(1)&lt;/script&gt;"},
        // The pop-up: quotes gone, escaped for the pop-up page and again for the attribute.
        {PopupArgument, "it's \"<b>\"\x7Fnext", "its &amp;lt;b&amp;gt;<BR>next"},
        {PopupArgument, "a&b", "a&amp;amp;b"},
        {PopupArgument, "end\\", "end\\\\"},
        {PopupArgument, so + "\\", so + "\\\\"},
        {PopupArgument, "x\ny", "x y"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.convert(c.in), c.out) << c.in;
}

TEST(HtmlEscapeTest, OnlyHarmlessAddressesBecomeLinks) {
    const std::vector<std::pair<std::string, bool>> cases{
        {"http://example.com/a?b=c&d", true}, {"HTTPS://example.com", true}, {"mailto:a@b.c", true},
        {"ftp://host/file", true},            {"file:///tmp/x.html", true},   {"page.html", true},
        {"../up/page.html?x=a:b", true},      {"#top", true},                 {"javascript:alert(1)", false},
        {" JavaScript:alert(1)", false},      {"java\tscript:alert(1)", false}, {"data:text/html,<b>", false},
        {"vbscript:msgbox", false},           {"C:\\page.html", false},
    };
    for (const auto& [address, safe] : cases) EXPECT_EQ(SafeLinkAddress(address), safe) << address;
    EXPECT_EQ(LinkAddressText(" http://a/?x=1&y=\"2\"\t"), "http://a/?x=1&amp;y=&quot;2&quot;");
}

HtmlSource OneFrame(HtmlFrame frame) {
    HtmlSource source;
    for (int hour = 5; hour < 29; ++hour) source.hours.push_back({hour * 100, hour * 100 + 100});
    HtmlDate date;
    date.date = {2026, 3, 23};
    date.frames.push_back(std::move(frame));
    source.dates.push_back(std::move(date));
    HtmlDate empty;
    empty.date = {2026, 3, 24};
    source.dates.push_back(empty);
    return source;
}

std::vector<std::string> Lines(const std::string& page) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at; (at = page.find("\r\n", from)) != std::string::npos; from = at + 2)
        lines.push_back(page.substr(from, at - from));
    EXPECT_EQ(from, page.size()) << "the page ends with a line end";
    return lines;
}

TEST(HtmlPageTest, HostileAndHugeTextsKeepThePageWhole) {
    std::string controls;
    for (int c = 1; c < 0x20; ++c) controls += static_cast<char>(c);
    HtmlFrame frame;
    frame.start = 300;  // before the first hour row
    frame.end = 3100;   // after the last
    frame.fields.push_back({2, controls + "<img src=x onerror=alert(1)>", 13, 0});
    frame.fields.push_back({3, std::string(5000, 'x'), 13, 0});
    frame.contLink = true;
    frame.contents = "'); alert(1); ('" + controls;
    frame.linkUrl = std::string("javascript:alert(1)\x7F") + "Home=http://a/?q=\"x\"";
    const std::vector<std::string> lines = Lines(BuildHtmlPage(OneFrame(frame)));

    int rowsOpened = 0, rowsClosed = 0;
    bool sawFrame = false;
    for (const std::string& line : lines) {
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
        rowsOpened += line == "  <TR>";
        rowsClosed += line == "  </TR>";
        if (line.rfind("    <TD class=\"Cell\"", 0) != 0) continue;
        sawFrame = true;
        EXPECT_NE(line.find("rowspan=24>"), std::string::npos) << "cut to the hour rows";
        EXPECT_EQ(line.find("<img"), std::string::npos);
        EXPECT_NE(line.find("&lt;img src=x onerror=alert(1)&gt;"), std::string::npos);
        EXPECT_NE(line.find(std::string(5000, 'x')), std::string::npos);
        EXPECT_NE(line.find("Link_01('"), std::string::npos);
        EXPECT_NE(line.find(",'); alert(1); (" + std::string(31, ' ') + "')"), std::string::npos);
        EXPECT_EQ(line.find("HREF=\"javascript"), std::string::npos);
        EXPECT_NE(line.find("<A HREF=\"http://a/?q=&quot;x&quot;\">"), std::string::npos);
    }
    EXPECT_TRUE(sawFrame);
    EXPECT_EQ(rowsOpened, rowsClosed);
    EXPECT_EQ(rowsOpened, 24 + 4 + 4) << "a row per hour, the heading and footing rows without a title";
}

TEST(HtmlPageTest, TitleRowOnlyWithATitleOrCreationText) {
    struct Case {
        std::string title, creation, row;  // row empty: no title row
    };
    const std::vector<Case> cases{
        {"", "", ""},
        {"  ", "", ""},
        {"A<B", "", Sjis("    <TD class=\"Title\" bgcolor=Gray colspan=7>　A&lt;B</TD>")},
        {"", "2026/03/23", Sjis("    <TD class=\"Title\" bgcolor=Gray colspan=7>　　　[ 2026/03/23 ]</TD>")},
    };
    for (const Case& c : cases) {
        HtmlSource source = OneFrame({});
        source.page.title = c.title;
        source.page.creationText = c.creation;
        const std::vector<std::string> lines = Lines(BuildHtmlPage(source));
        int found = 0;
        for (const std::string& line : lines) found += line.find("class=\"Title\"") != std::string::npos;
        if (c.row.empty()) {
            EXPECT_EQ(found, 0) << c.title;
        } else {
            EXPECT_EQ(found, 2) << "heading and footing";
            EXPECT_NE(std::find(lines.begin(), lines.end(), c.row), lines.end()) << c.title;
        }
    }
}

}  // namespace
}  // namespace mv
