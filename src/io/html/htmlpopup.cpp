#include "io/html/htmlpopup.h"

#include "io/html/htmlpage.h"
#include "model/codec.h"

namespace mv {

namespace {

const char* const kFont = "  font-family:ＭＳ Ｐゴシック;";

// The pop-up cell classes share their frame; Title and Fields differ in colours only.
std::vector<std::string> PopupClass(const char* name, const char* colour, const char* background) {
    return {name, kFont, "  font-size:10pt;", colour, background, "  vertical-align:top;", "  text-align:center;",
            "  padding-bottom:30px", "  border-width:1px;", "  border-style:outset;", "  border-color:white;", "}", ""};
}

// The lines the script writes into the pop-up; the three variables stand unquoted.
std::vector<std::string> PopupDocument(int background, bool dateDisplay) {
    std::vector<std::string> lines{"<HTML></HEAD><TITLE>Contents</TITLE></HEAD>",
                                   "<META http-equiv=Content-Type content=text/html; charset=Shift_JIS>",
                                   "<STYLE type=text/css>", "<!--"};
    auto add = [&](const std::vector<std::string>& more) { lines.insert(lines.end(), more.begin(), more.end()); };
    add(PopupClass("TD.Title {", "  color:white;", "  background-color:Gray;"));
    add(PopupClass("TD.Fields {", "  color:Gold;", "  background-color:gray;"));
    add({"TD.Contents {", kFont, "  font-size:10pt;", "  color:black;", "  background-color:silver;",
         "  vertical-align:top;", "  text-align:Left;", "  padding-bottom:30px", "  border-width:1px;",
         "  border-style:inset;", "  border-color:silver;", "}", ""});
    add({"TD.BottomBar {", kFont, "  font-size:2px;", "  background-color:Gray;", "  border-width:1px;",
         "  border-style:outset;", "  border-color:white;", "}"});
    add({"-->", "</STYLE>", "", "<BODY BGCOLOR=" + HtmlColour(background) + ">",
         "<TABLE border=1 CELLSPACING=0 CELLPADDING=4>", "<TR>",
         dateDisplay ? "  <TD Class=Title nowrap >日時</TD>" : "  <TD Class=Title nowrap >曜日</TD>",
         "  <TD Class=Title nowrap >内容</TD>", "  <TD Class=Title nowrap >　</TD>", "</TR>", "", "<TR>",
         "  <TD Class=Title nowrap rowspan=2>", "\x01    ADate", "  </TD>",
         "  <TD Class=Fields rowspan=1 height=40px>", "\x01    AFields", "  </TD>",
         "  <TD Class=Title nowrap rowspan=2>", "　", "  </TD>", "</TR>", "", "<TR>",
         "  <TD Class=Contents rowspan=1 width=1000px height=200px>", "\x01    AContents", "  </TD>", "</TR>", "",
         "<TR>", "  <TD Class=BottomBar>　</TD>", "  <TD Class=BottomBar>　</TD>", "  <TD Class=BottomBar>　</TD>",
         "</TR>", "", "</TABLE>", "</BODY>", "</HTML>"});
    return lines;
}

struct CssClass {
    const char* name;
    bool font;
    std::vector<const char*> properties;
};

std::vector<CssClass> PageClasses() {
    const std::vector<const char*> cell{"  font-size:10pt;",    "  color:black;",        "  vertical-align:top;",
                                        "  text-align:left;",   "  border-width:1px;",   "  border-style:inset;",
                                        "  border-color:silver;"};
    auto title = [](const char* align, const char* height) {
        return std::vector<const char*>{"  font-size:10pt;",      "  color:white;",        "  vertical-align:middle;",
                                        align,                    "  border-width:1px;",   "  border-style:outset;",
                                        "  border-color:White;", height};
    };
    return {{"TD.Cell", true, cell},
            {"TD.InnerCell", false, {"  border-width:0px;", "  border-style:none;"}},
            {"TD.Empty", true, cell},
            {"TD.Title", true, title("  text-align:left;", "  height:30px;")},
            {"TD.Year", true, title("  text-align:left;", "  height:20px;")},
            {"TD.Date", true, title("  text-align:center;", "  height:20px;")},
            {"TD.Yobi", true, title("  text-align:center;", "  height:40px;")},
            {"TD.Time", true,
             {"  font-size:10pt;", "  background-color:Gray;", "  color:white;", "  vertical-align:middle;",
              "  text-align:center;", "  border-width:1px;", "  border-style:outset;", "  border-color:White;",
              "  width: 20px;"}},
            {"TD.DummyCol", true,
             {"  font-size: 0px;", "  background-color:Gray;", "  border-width: 1px;", "  border-style:Solid;",
              "  border-color:Gray;", "  width: 0px;", "  height: 0px;"}}};
}

}  // namespace

std::vector<std::string> HtmlHeadLines(int background, bool dateDisplay) {
    std::vector<std::string> utf8{"<HTML>", "<HEAD>", "<TITLE>Time Table</TITLE>", "</HEAD>",
                                  "<META http-equiv=Content-Type content=\"text/html; charset=Shift_JIS\">", "",
                                  "<SCRIPT LANGUAGE=\"JavaScript\">", "<!--",
                                  "function Link_01(ADate, ATime, AFields, AContents){", "  var FM;",
                                  "  FM=window.open(\"\", \"TimeTable\",\"toolbar=no, location=no, directories=no,"
                                  "resizable=yes, scrollbars=yes,left=180, top=180,width=500, height=330\");",
                                  ""};
    for (const std::string& line : PopupDocument(background, dateDisplay)) {
        if (!line.empty() && line[0] == '\x01') utf8.push_back("  FM.document.writeln(" + line.substr(1) + ");");
        else utf8.push_back("  FM.document.writeln(\"" + line + "\");");
    }
    for (const char* line : {"", "  FM.document.close();", "  FM.focus();", "  return false;", "}", "-->", "</SCRIPT>",
                             "", "", "<STYLE type=\"text/css\">", "<!--"})
        utf8.push_back(line);
    const std::vector<CssClass> classes = PageClasses();
    for (std::size_t i = 0; i < classes.size(); ++i) {
        utf8.push_back(std::string(classes[i].name) + " {");
        if (classes[i].font) utf8.push_back(kFont);
        for (const char* property : classes[i].properties) utf8.push_back(property);
        utf8.push_back("}");
        if (i + 1 < classes.size()) utf8.push_back("");
    }
    for (const char* line : {"-->", "</STYLE>", ""}) utf8.push_back(line);
    std::vector<std::string> lines;
    lines.reserve(utf8.size());
    for (const std::string& line : utf8) lines.push_back(Sjis(line));
    return lines;
}

}  // namespace mv
