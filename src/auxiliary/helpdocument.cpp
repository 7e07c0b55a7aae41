#include "auxiliary/helpdocument.h"

#include <cstdio>

#include "model/codec.h"
#include "model/keyvalueline.h"

namespace mv {

namespace {

// The help texts are shown as they are written: a "<" in them is text, not markup. Line
// breaks stay (the text stands in a <Pre> block).
std::string PreText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = CharLength(text, i);
        if (length == 2) out.append(text.substr(i, 2));
        else if (text[i] == '&') out += "&amp;";
        else if (text[i] == '<') out += "&lt;";
        else if (text[i] == '>') out += "&gt;";
        else out += text[i];
        i += length;
    }
    return out;
}

std::string PageLink(int page, const std::string& text) {
    return "<A href=\"#Page_" + std::to_string(page) + "\">" + text + "</A><BR>";
}

std::string BackLink() { return PageLink(0, Sjis("戻る")); }

void AddStyles(std::vector<std::string>& lines) {
    struct Style {
        const char* name;
        std::vector<const char*> properties;
    };
    const std::vector<Style> styles = {
        {"Title",
         {"  background-color:Gray;", "  vertical-align:top;", "  text-align:left;", "  padding-bottom:30px",
          "  border-width:1px;", "  border-style:outset;", "  border-color:white;"}},
        {"TitleCenter",
         {"  background-color:Gray;", "  vertical-align:top;", "  text-align:Center;", "  padding-bottom:30px",
          "  border-width:1px;", "  border-style:outset;", "  border-color:white;"}},
        {"Cells",
         {"  background-color:#5F5F5F", "  vertical-align:top;", "  text-align:Left;", "  padding-bottom:30px",
          "  border-width:1px;", "  border-style:inset;", "  border-color:Silver;"}},
        {"BottomBar",
         {"  background-color:Gray;", "  border-width:1px;", "  border-style:outset;", "  border-color:white;",
          "  width: 0px;", "  height: 0px;"}},
    };
    for (std::size_t i = 0; i < styles.size(); ++i) {
        lines.push_back(std::string("TD.") + styles[i].name + " {");
        lines.push_back(Sjis("  font-family:ＭＳ Ｐゴシック;"));
        lines.push_back("  font-size:10.5pt;");
        lines.push_back("  color:White;");
        lines.insert(lines.end(), styles[i].properties.begin(), styles[i].properties.end());
        lines.push_back("}");
        if (i + 1 < styles.size()) lines.push_back("");
    }
}

void AddHeadingAndIndex(const HelpDocumentRequest& request, std::vector<std::string>& lines) {
    const std::string heading = request.windowCaption.substr(0, request.windowCaption.find('['));
    const std::string blank = Sjis("　");
    lines.insert(lines.end(), {"<TABLE border=1 CELLSPACING=0 CELLPADDING=8>", "", "<TR>",
                               "  <TD Class=TitleCenter ColSpan=3>", "  <A name=\"Page_0\"></A><BR>",
                               "    <SPAN style=\"color=White; font-size:18pt; font-weight:bold; font-style:oblique\">",
                               "      " + heading + (request.helpHeading ? "Help" : ""), "    </SPAN>", "  </TD>",
                               "</TR>"});
    for (std::size_t n = 1; n <= request.pages.size(); ++n) {
        const std::string index = PreText(BrowseIndexText(request.pages[n - 1].caption));
        lines.insert(lines.end(), {"", "<TR>", "  <TD Class=Title>" + std::to_string(n) + "</TD>",
                                   "  <TD Class=Title>" + PageLink(static_cast<int>(n), index) + "</TD>",
                                   "  <TD Class=Title>" + blank + "</TD>", "</TR>"});
    }
    lines.insert(lines.end(), {"", "<TR>", "  <TD Class=TitleCenter ColSpan=3>" + blank + "</TD>", "</TR>", "",
                               "</TABLE>", ""});
    // Room below the index, so that a jump to a page near the end still brings it to the top.
    lines.insert(lines.end(), 101, "<BR>");
}

void AddPage(int number, const HelpPage& page, std::vector<std::string>& lines) {
    const std::string caption = PreText(page.caption);
    const std::string blank = Sjis("　");
    lines.insert(lines.end(),
                 // The anchor stands inside the cell: between a row and its cell, browsers move
                 // it out in front of the table, and every page link would land on page 1.
                 {"", "<TR>", "  <TD Class=Title ColSpan=3>", "  <A name=\"Page_" + std::to_string(number) + "\"></A>",
                  "    <SPAN style=\"color=White; font-size:12pt; font-weight:bold\">", "      <BR>" + caption,
                  "      " + Sjis("　　　　") + BackLink() + "<BR>", "    </SPAN>", "  </TD>", "</TR>", "", "<TR>",
                  "  <TD Class=Title>" + blank + "</TD>",
                  "  <TD Class=Cells>" + caption + "<BR><BR>\r\n<Pre>\r\n" + PreText(page.text) + "</Pre></TD>",
                  "  <TD Class=Title>" + blank + "</TD>", "</TR>"});
}

}  // namespace

std::string BrowseListCaption(std::string_view menuCaption) {
    // The character before "&" is the "(" of "(&P)": both go, with what follows them.
    std::size_t previous = std::string_view::npos;
    for (std::size_t i = 0; i < menuCaption.size(); i += CharLength(menuCaption, i)) {
        if (menuCaption[i] == '&') {
            menuCaption = menuCaption.substr(0, previous == std::string_view::npos ? 0 : previous);
            break;
        }
        previous = i;
    }
    return " " + std::string(Trim(menuCaption));
}

std::string BrowseIndexText(std::string_view listCaption) {
    for (std::size_t i = 0; i < listCaption.size(); i += CharLength(listCaption, i))
        if (listCaption[i] == '.') return std::string(listCaption.substr(i + 1));
    return std::string(listCaption);
}

std::string NumberedText(const std::vector<std::string>& lines) {
    std::string text;
    char number[32];
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::snprintf(number, sizeof number, "%05zu ", i + 1);
        text += number + lines[i] + "\r\n";
    }
    return text;
}

int BrowseWidthAfter(int presses, const BrowseWidths& widths) {
    switch (((presses % 3) + 3) % 3) {
    case 1: return widths.listLeft + widths.listWidth + widths.buttonWidth / 2;
    case 2: return static_cast<int>(0.7 * widths.listWidth);
    default: return widths.full;
    }
}

std::vector<std::string> HelpDocumentLines(const HelpDocumentRequest& request) {
    std::vector<std::string> lines = {"<HTML></HEAD><TITLE>" + request.baseCaption + "</TITLE></HEAD>",
                                      "<META http-equiv=Content-Type content=text/html; charset=Shift_JIS>",
                                      "<STYLE type=text/css>", "<!--", ""};
    AddStyles(lines);
    lines.insert(lines.end(), {"-->", "</STYLE>", "<SCRIPT LANGUAGE=\"JavaScript\">", "<!--",
                               "  function LinkJump(Tag) {location.href = Tag}", "-->", "</SCRIPT>", ""});
    const std::string jump =
        request.jumpPage > 0 ? "OnLoad=LinkJump(\"#Page_" + std::to_string(request.jumpPage) + "\")" : std::string();
    lines.push_back("<BODY " + jump + " BGCOLOR=#5F5F5F Text=Black Link=White VLink=White ALink=LightSkyBlue>");
    lines.push_back("");
    AddHeadingAndIndex(request, lines);

    lines.insert(lines.end(), {"<BR><BR>", "<BR><BR>", "<TABLE border=1 CELLSPACING=0 CELLPADDING=8>"});
    for (std::size_t i = 0; i < request.pages.size(); ++i) AddPage(static_cast<int>(i + 1), request.pages[i], lines);
    lines.insert(lines.end(), {"", "<TR>", "  <TD Class=TitleCenter ColSpan=3>",
                               "    <SPAN style=\"color=White; font-size:12pt; font-weight:bold\">",
                               "      <BR>" + BackLink() + "<BR>", "    </SPAN>", "  </TD>", "</TR>", "", "</TABLE>",
                               "", "</BODY>", "</HTML>"});
    return lines;
}

}  // namespace mv
