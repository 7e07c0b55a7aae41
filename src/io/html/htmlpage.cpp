#include "io/html/htmlpage.h"

#include <cstdio>

#include "io/html/htmlescape.h"
#include "io/html/htmlknr.h"
#include "io/html/htmlpopup.h"
#include "model/codec.h"
#include "model/frame.h"
#include "model/keyvalueline.h"
#include "model/textfile.h"
#include "view/geometry/displaytype.h"

namespace mv {

namespace {

constexpr const char* kWeekdays[] = {"日", "月", "火", "水", "木", "金", "土"};
constexpr int kEmptyColour = 0xA0A0A0;
constexpr int kCellWidth = 80;

// The Shift-JIS of the program's own texts, converted once.
struct Texts {
    std::string space = Sjis("　");
    std::string middleDot = Sjis("・");
    std::string tilde = Sjis(" ～ ");
    std::string hourMark = Sjis("時");
    std::string year = Sjis("年");
    std::string month = Sjis("月");
    std::string dayOfWeek = Sjis("曜");
    std::string weekdays[7];
    Texts() {
        for (int i = 0; i < 7; ++i) weekdays[i] = Sjis(kWeekdays[i]);
    }
};

const Texts& T() {
    static const Texts texts;
    return texts;
}

std::string Num(int value) { return std::to_string(value); }

std::string TwoDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

class PageWriter {
public:
    explicit PageWriter(const HtmlSource& source) : mSource(source), mPage(source.page) { mModel.Build(source); }

    std::string Write() {
        mOut.reserve(1 << 20);
        for (const std::string& line : HtmlHeadLines(mPage.background, mPage.dateDisplay)) Line(line);
        Line(Sjis("<BODY BGCOLOR=") + HtmlColour(mPage.background) + ">");
        Line(mPage.align == 1 ? "<Center>" : "<Left>");
        Line("<TABLE border=\"1\" CELLSPACING=\"0\" CELLPADDING=\"0\">");
        Heading();
        for (int r = 0; r < mModel.RowCount(); ++r) BodyRow(r);
        Footing();
        Line("</TABLE>");
        Line("</BODY>");
        Line("</HTML>");
        return std::move(mOut);
    }

private:
    void Line(std::string_view text) {
        mOut += text;
        mOut += "\r\n";
    }
    void BeginRow() { Line("  <TR>"); }
    void EndRow() {
        Line("  </TR>");
        Line("");
    }
    int DateCount() const { return static_cast<int>(mSource.dates.size()); }
    int LanesOf(int date) const { return static_cast<int>(mModel.Columns[date + 1].lanes.size()); }
    int SpanOf(int date) const { return LanesOf(date) + (date > 0 ? 1 : 0); }
    const std::string& Weekday(const Date& date) const { return T().weekdays[DayOfWeek(date)]; }

    void TitleRow() {
        std::string text = mPage.title;
        if (!mPage.creationText.empty()) text += T().space + T().space + "[ " + mPage.creationText + " ]";
        const std::string_view trimmed = Trim(text);
        if (trimmed.empty()) return;
        const int columns = static_cast<int>(mModel.Columns.size()) + mModel.LaneTotal() - 1;
        BeginRow();
        Line("    <TD class=\"Title\" bgcolor=Gray colspan=" + Num(columns) + ">" + T().space + HtmlText(trimmed) +
             "</TD>");
        EndRow();
    }
    void TimeHeadCell() {
        Line("    <TD class=\"Time\" rowspan=" + Num(mPage.dateDisplay ? 4 : 1) + " colspan=1>" +
             (mPage.clockTime ? T().hourMark : T().space) + "</TD>");
    }
    // Year (or month) row: runs of dates with the same year (and month) merged.
    void MergedRow(bool years, bool timeCells) {
        BeginRow();
        if (timeCells) TimeHeadCell();
        for (int d = 0; d < DateCount();) {
            const Date& date = mSource.dates[d].date;
            int span = 0;
            int e = d;
            for (; e < DateCount(); ++e) {
                const Date& other = mSource.dates[e].date;
                if (other.year != date.year || (!years && other.month != date.month)) break;
                span += SpanOf(e);
            }
            if (years) Line("    <TD class=\"Year\" bgcolor=Gray colspan=" + Num(span) + ">" + T().space + Num(date.year) + T().year + "</TD>");
            else Line("    <TD class=\"Year\" bgcolor=Gray colspan=" + Num(span) + ">" + T().space + Num(date.month) + T().month + "</TD>");
            d = e;
        }
        if (timeCells) TimeHeadCell();
        EndRow();
    }
    void DayRow(bool timeCells) {
        BeginRow();
        if (timeCells) TimeHeadCell();
        for (int d = 0; d < DateCount(); ++d)
            Line("    <TD class=\"Date\" bgcolor=" + HtmlColour(mSource.dates[d].headingColour) + " colspan=" +
                 Num(SpanOf(d)) + ">" + TwoDigits(mSource.dates[d].date.day) + "</TD>");
        if (timeCells) TimeHeadCell();
        EndRow();
    }
    void WeekdayRow(bool timeCells) {
        BeginRow();
        if (timeCells) TimeHeadCell();
        const char* cell = mPage.dateDisplay ? "    <TD class=\"Date\"  bgcolor=" : "    <TD class=\"Yobi\"  bgcolor=";
        for (int d = 0; d < DateCount(); ++d)
            Line(cell + HtmlColour(mSource.dates[d].headingColour) + " colspan=" + Num(SpanOf(d)) + ">" +
                 Weekday(mSource.dates[d].date) + "</TD>");
        if (timeCells) TimeHeadCell();
        EndRow();
    }
    void Heading() {
        TitleRow();
        if (mPage.dateDisplay) {
            MergedRow(true, true);
            MergedRow(false, false);
            DayRow(false);
            WeekdayRow(false);
        } else {
            WeekdayRow(true);
        }
    }
    void Footing() {
        if (mPage.dateDisplay) {
            DayRow(true);
            WeekdayRow(false);
            MergedRow(false, false);
            MergedRow(true, false);
        } else {
            WeekdayRow(true);
        }
        TitleRow();
    }

    std::string TimeText(int hhmm) const {
        if (mPage.clockTime) return "<SPAN style=\"font-size:10pt; color:Black;\">" + HtmlClock(hhmm) + "</SPAN>";
        return "<SPAN style=\"font-size:0pt; color:Black;\">" + T().space + "</SPAN>";
    }
    static std::string Inner(const std::string& content) {
        return "<TABLE border=\"0\" CELLSPACING=\"0\" CELLPADDING=\"5\"><TR><TD class=\"InnerCell\">" + content +
               "</TD></TR></TABLE>";
    }
    std::string HourLabel(int hour) const {
        if (mPage.clockTime) return Num(hour >= 24 ? hour - 24 : hour);
        const int position = hour - 5;
        if (position < 0 || position >= 26) return "?";
        return std::string(1, static_cast<char>('A' + position));
    }

    void BodyRow(int r) {
        BeginRow();
        for (std::size_t g = 0; g < mModel.Columns.size(); ++g) {
            if (g >= 2 && g + 1 < mModel.Columns.size()) Line(Sjis("    <TD class=\"DummyCol\">　</TD>"));
            for (const HtmlLane& lane : mModel.Columns[g].lanes) {
                const int value = lane.rowMap[r];
                if (IsHtmlGroupRef(value)) {
                    const HtmlGapGroup& gap = mModel.GapGroups[HtmlGroupIndex(value)];
                    Line("    <TD class=\"Empty\"  bgcolor=" + HtmlColour(kEmptyColour) + " width=" +
                         Num(gap.colSpan * kCellWidth) + "px  colspan=" + Num(gap.colSpan) + " rowspan=" +
                         Num(gap.rowSpan) + ">" + Inner(TimeText(gap.time)) + "</TD>");
                } else if (value >= 0) {
                    const HtmlCellEntry& entry = lane.entries[value];
                    if (entry.kind == HtmlCellKind::Hour)
                        Line("    <TD class=\"Time\"  colspan=" + Num(entry.colSpan) + " rowspan=" + Num(entry.rowSpan) +
                             "> " + HourLabel(entry.start / 100) + "</TD>");
                    else if (entry.kind == HtmlCellKind::Frame) FrameCell(entry);
                }
            }
        }
        EndRow();
    }

    void FrameCell(const HtmlCellEntry& entry) {
        const HtmlDate& date = mSource.dates[entry.dateIndex];
        const HtmlFrame& frame = date.frames[entry.frameIndex];
        std::string content = TimeText(entry.start);
        std::string joined;
        for (const HtmlField& field : frame.fields) {
            const std::string_view trimmed = Trim(field.text);
            if (field.fid == 1 || trimmed.empty() || trimmed == T().middleDot) continue;
            content += "<BR><SPAN style=\" font-size:" + Num(field.fontHeight) + "px; color:" +
                       HtmlColour(field.colour) + "; line-height:120%\">" + HtmlLines(field.text) + "</SPAN>";
            if (!joined.empty()) joined += "<BR>";
            joined += PopupArgument(field.text);
        }
        if (frame.contLink) content += ContentsLink(date, frame, joined);
        content += Links(frame.linkUrl);
        if (mPage.displayType != kWeekdayType) {
            content += "<SPAN style=\"font-size:8pt; color:Black;\"><BR><BR>";
            if (mPage.dateDisplay)
                content += "&lt;" + TwoDigits(date.date.month) + "/" + TwoDigits(date.date.day) + "&gt;";
            else
                content += "[" + Weekday(date.date) + "]";
            content += "</SPAN>";
        }
        Line("    <TD class=\"Cell\"  bgcolor=" + HtmlColour(frame.colour) + " width=" +
             Num(entry.colSpan * kCellWidth) + "px  colspan=" + Num(entry.colSpan) + " rowspan=" +
             Num(entry.rowSpan) + ">" + Inner(content) + "</TD>");
    }

    std::string ContentsLink(const HtmlDate& date, const HtmlFrame& frame, const std::string& fields) const {
        const std::string dateText = mPage.dateDisplay ? FormatDate(date.date) + " (" + Weekday(date.date) + ")"
                                                       : Weekday(date.date) + T().dayOfWeek;
        const std::string dateLine = T().space + dateText + T().space + "<BR><BR>" + HtmlClock(frame.start) +
                                     T().tilde + HtmlClock(frame.end);
        return "<A HREF=\"#\" onClick=\"return Link_01('" + dateLine + "',' ','" + fields + "','" +
               PopupArgument(frame.contents) + "')\">" +
               "<BR><SPAN style=\" font-size:8pt; color:black; line-height:120%\">Contents</SPAN></A>";
    }

    std::string Links(const std::string& urls) const {
        std::string out;
        std::string_view rest = urls;
        while (!rest.empty()) {
            const std::size_t at = rest.find('\x7F');
            const std::string_view line = rest.substr(0, at);
            rest = at == std::string_view::npos ? std::string_view{} : rest.substr(at + 1);
            if (Trim(line).empty()) {
                out += "<BR>";
                continue;
            }
            const auto [name, address] = SplitLinkLine(line);
            const std::string label =
                "<BR><SPAN style=\" font-size:8pt; color:black; line-height:120%\">" + HtmlText(name) + "</SPAN>";
            if (!SafeLinkAddress(address)) {
                out += label;
                continue;
            }
            out += "<A HREF=\"" + LinkAddressText(address) + "\"" + (mPage.linkTarget == 1 ? " target=\"_blank\"" : "") +
                   ">" + label + "</A>";
        }
        return out;
    }

    const HtmlSource& mSource;
    const HtmlPageSettings& mPage;
    THtmlKnr mModel;
    std::string mOut;
};

}  // namespace

std::string HtmlColour(int colour) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "#%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    return buffer;
}

std::string HtmlClock(int hhmm) {
    int hour = hhmm / 100;
    if (hour >= 24) hour -= 24;
    return Num(hour) + ":" + TwoDigits(hhmm % 100);
}

std::string BuildHtmlPage(const HtmlSource& source) { return PageWriter(source).Write(); }

bool WriteHtmlPage(const std::filesystem::path& path, const std::string& page, Host& host) {
    return WriteFileAtomically(path, host, [&](LineWriter& out) { out.Bytes(page); });
}

}  // namespace mv
