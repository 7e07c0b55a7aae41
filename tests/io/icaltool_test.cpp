// ics-export and ics-import of marovelantis-tool, checked against another iCalendar
// implementation: Python's icalendar package reads what we write and writes what we read.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <sys/wait.h>
#include <vector>

#include "model/codec.h"
#include "support/testhost.h"

namespace mv {
namespace {

const std::string kHead = "#Marovelantis=#Marovelantis\r\n#BaseYYYY=34\r\n";

// A frame line as the program writes it, with a title field and optionally a second field.
std::string Frame(const std::string& date, int start, int end, int fill, const std::string& title,
                  const std::string& second = "", const std::string& contents = "", const std::string& links = "",
                  const std::string& id = "T1-20240101000000-00001") {
    auto field = [](int fid, const std::string& text, int y) {
        return "#Filed[Fi_FID=" + std::to_string(fid) + "%!#Fi_FTextStr=" + text +
               "%!#Fi_FArea=0%!#Fi_FTextFH=-13%!#Fi_FTextFC=0%!#Fi_FTextAL=2%!#Fi_FLineType=0%!#Fi_FOff_Y0=" +
               std::to_string(y) + "%!#Fi_FOff_X0=0%!#Fi_FOff_Y1=" + std::to_string(y) + "%!#Fi_FOff_X1=0%!##Filed]";
    };
    std::string line = "Ci_CDate=" + date + "%!#Ci_Cid=" + id + "%!#Ci_STime=" + std::to_string(start) +
                       "%!#Ci_ETime=" + std::to_string(end) + "%!#Ci_WakuBC=" + std::to_string(fill) +
                       "%!#Ci_Title=" + Sjis(title) +
                       "%!#Ci_ResizePos=-1%!#Ci_ResizeLen=-1%!#Ci_DupPos=0%!#Ci_TextFH=-13%!#Ci_TextFC=0%!#"
                       "Ci_TextStr=%!#Ci_DayMemo=%!#Ci_Fixed=False%!#Ci_LeftPri=0%!#Ci_Contents=" +
                       Sjis(contents) + "%!#Ci_ContLink=False%!#Ci_LinkURL=" + links + "%!#%!#" +
                       field(2, Sjis(title), 0);
    if (!second.empty()) line += field(3, Sjis(second), 20);
    return line + "\r\n";
}

class IcsTool : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* candidate : {"/usr/bin/python3", "python3"})
            if (std::system((std::string(candidate) + " -c 'import icalendar' 2>/dev/null").c_str()) == 0) {
                python = candidate;
                return;
            }
    }
    int Run(const std::string& arguments) {
        std::string command = std::string("\"") + MV_TOOL_PATH + "\" " + arguments + " > " + P("out.txt") + " 2> " +
                              P("err.txt");
        int status = std::system(command.c_str());
        out = test::ReadBytes(folder / "out.txt");
        err = test::ReadBytes(folder / "err.txt");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    // Runs a Python script with the icalendar package; its standard output in `out`.
    int Python(const std::string& script) {
        test::WriteBytes(folder / "script.py", script);
        return std::system(("cd " + P("") + " && " + python + " script.py" + " > " + P("out.txt") + " 2> " + P("err.txt")).c_str()) == 0
                   ? (out = test::ReadBytes(folder / "out.txt"), 0)
                   : (err = test::ReadBytes(folder / "err.txt"), 1);
    }
    std::string P(const std::string& name) { return "\"" + (folder / name).string() + "\""; }
    // The record lines of a design, sorted.
    std::vector<std::string> Records(const std::string& name) {
        std::istringstream in(test::ReadBytes(folder / name));
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            if (line.rfind("Ci_", 0) == 0) lines.push_back(line);
        std::sort(lines.begin(), lines.end());
        return lines;
    }

    test::TempFolder folder;
    std::string python, out, err;
};

TEST_F(IcsTool, ExportReadByPythonAndRoundTrip) {
    if (python.empty()) GTEST_SKIP() << "python3 with the icalendar package is missing";
    test::WriteBytes(folder / "design.MVF",
                     kHead + Frame("2024/05/10", 900, 1030, 255, "会議", "第二会議室", "議題\x7F予算",
                                   "Docs = https://a.example/1\x7Fhttps://b.example/2", "T1-20240101000000-00001") +
                         Frame("2024/05/10", 2300, 2600, 0xE0FFFF, "深夜", "", "", "", "T1-20240101000000-00002") +
                         Frame("2023/12/31", 1000, 1100, 0, "Other year", "", "", "", "T1-20240101000000-00003"));
    ASSERT_EQ(Run("ics-export " + P("design.MVF") + " " + P("out.ics") + " --tz Asia/Tokyo --from 2024/05/01 --to 2024/05/31"),
              0)
        << err;
    EXPECT_EQ(out, "2\n");
    const std::string ics = test::ReadBytes(folder / "out.ics");
    // CR LF everywhere, and lines folded to at most 75 octets.
    std::istringstream lines(ics);
    for (std::string line; std::getline(lines, line);) {
        ASSERT_FALSE(line.empty());
        EXPECT_EQ(line.back(), '\r');
        EXPECT_LE(line.size(), 76u) << line;
    }
    ASSERT_EQ(Python("import icalendar\n"
                     "cal = icalendar.Calendar.from_ical(open(" + P("out.ics") + ", 'rb').read())\n"
                     "for e in cal.walk('VEVENT'):\n"
                     "    print(e['UID'], e['DTSTART'].dt.isoformat(), e['DTEND'].dt.isoformat(),\n"
                     "          e['DTSTART'].dt.tzinfo.zone, e['SUMMARY'], e.get('COLOR'), e.get('URL'),\n"
                     "          repr(str(e.get('DESCRIPTION', ''))))\n"),
              0)
        << err;
    EXPECT_EQ(out,
              "T1-20240101000000-00001 2024-05-10T09:00:00+09:00 2024-05-10T10:30:00+09:00 Asia/Tokyo 会議 red "
              "https://a.example/1 '第二会議室\\n議題\\n予算\\nhttps://b.example/2'\n"
              "T1-20240101000000-00002 2024-05-10T23:00:00+09:00 2024-05-11T02:00:00+09:00 Asia/Tokyo 深夜 "
              "lightyellow None ''\n");

    // Back into an empty design: the same frames, ids, fields, colours, contents and links.
    test::WriteBytes(folder / "empty.MVF", kHead);
    ASSERT_EQ(Run("ics-import " + P("empty.MVF") + " " + P("out.ics") + " " + P("back.MVF") + " --tz Asia/Tokyo"), 0)
        << err;
    EXPECT_EQ(out, "2 2 0\n");
    std::vector<std::string> expected = Records("design.MVF");
    // The frame of 2023/12/31 was outside the exported range.
    std::erase_if(expected, [](const std::string& line) { return line.find("Other year") != std::string::npos; });
    EXPECT_EQ(Records("back.MVF"), expected);
    // The same file again: skipped by UID, replaced by UID, or kept as copies with new ids.
    for (const auto& [rule, count] : std::vector<std::pair<std::string, std::size_t>>{{"skip", 2}, {"replace", 2}, {"keep", 4}}) {
        ASSERT_EQ(Run("ics-import " + P("back.MVF") + " " + P("out.ics") + " " + P("again.MVF") + " --tz Asia/Tokyo --dup " + rule), 0);
        EXPECT_EQ(Records("again.MVF").size(), count) << rule;
    }
}

TEST_F(IcsTool, ImportWrittenByPython) {
    if (python.empty()) GTEST_SKIP() << "python3 with the icalendar package is missing";
    ASSERT_EQ(Python(R"(import datetime as d, icalendar
cal = icalendar.Calendar()
cal.add('prodid', '-//test//'); cal.add('version', '2.0')
def event(uid, summary, **props):
    e = icalendar.Event(); e.add('uid', uid); e.add('summary', summary)
    for k, v in props.items(): e.add(k.replace('_', '-'), v)
    cal.add_component(e); return e
utc = d.timezone.utc
event('a', 'Call', dtstart=d.datetime(2024, 3, 1, 14, 0, tzinfo=utc), dtend=d.datetime(2024, 3, 1, 15, 30, tzinfo=utc),
      url='https://x.example/?q=1')
event('b', 'Trip', dtstart=d.date(2024, 4, 1), dtend=d.date(2024, 4, 3), color='navy')
e = event('c', 'Weekly', dtstart=d.datetime(2024, 6, 3, 10, 0), dtend=d.datetime(2024, 6, 3, 11, 0),
          rrule={'freq': 'weekly', 'count': 3}, exdate=d.datetime(2024, 6, 10, 10, 0), rdate=d.datetime(2024, 6, 30, 10, 0))
event('d', 'Endless', dtstart=d.datetime(2024, 12, 30, 20, 0), dtend=d.datetime(2024, 12, 30, 21, 0), rrule={'freq': 'daily'})
event('e', 'No start')
e = event('f', 'Mars', dtstart=d.datetime(2024, 5, 1, 9, 0), dtend=d.datetime(2024, 5, 1, 10, 0))
e['DTSTART'].params['TZID'] = 'Mars/Olympus'
event('g', 'Every second', dtstart=d.datetime(1990, 1, 1, 0, 0), rrule={'freq': 'secondly'})
open('in.ics', 'wb').write(cal.to_ical())
)"),
              0)
        << err;
    test::WriteBytes(folder / "empty.MVF", kHead);
    ASSERT_EQ(Run("ics-import " + P("empty.MVF") + " " + P("in.ics") + " " + P("out.MVF") + " --tz Asia/Tokyo"), 0)
        << err;
    // Seven events: no start, an unknown zone and a rule that never reaches 2024 refused.
    EXPECT_EQ(out, "7 8 3\n");
    ASSERT_EQ(Run("frames " + P("out.MVF")), 0);
    std::string listed;
    std::istringstream rows(out);
    for (std::string row; std::getline(rows, row);)
        listed += row.substr(0, 22) + row.substr(row.rfind('\t', row.rfind('\t') - 1)) + "\n";
    EXPECT_EQ(listed,
              "2024/03/01\t23:00\t24:30\tCall\t1\n"        // 14:00 UTC is 23:00 in Tokyo
              "2024/04/01\t05:00\t29:00\tTrip (1)\t1\n"    // a day event fills the design days
              "2024/04/02\t05:00\t29:00\tTrip (2)\t1\n"
              "2024/06/03\t10:00\t11:00\tWeekly\t1\n"      // the second week is excluded, an extra date added
              "2024/06/17\t10:00\t11:00\tWeekly\t1\n"
              "2024/06/30\t10:00\t11:00\tWeekly\t1\n"
              "2024/12/30\t20:00\t21:00\tEndless\t1\n"     // expanded up to the end of the year only
              "2024/12/31\t20:00\t21:00\tEndless\t1\n");
    // An address holding "=" is named, so that the link's name stops at the first "=".
    EXPECT_NE(test::ReadBytes(folder / "out.MVF").find("Ci_LinkURL=Link = https://x.example/?q=1%!#"), std::string::npos);
}

TEST_F(IcsTool, BadInputIsAMessageNotACrash) {
    test::WriteBytes(folder / "empty.MVF", kHead);
    for (const std::string& text : {std::string("not a calendar\r\n"), std::string("BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART:2024"),
                                    std::string("BEGIN:VCALENDAR\r\n\r\n:::\r\n END:VCALENDAR\r\n")}) {
        test::WriteBytes(folder / "bad.ics", text);
        const int status = Run("ics-import " + P("empty.MVF") + " " + P("bad.ics") + " " + P("out.MVF"));
        EXPECT_TRUE(status == 0 || status == 1) << text;
        if (status == 0) {
            EXPECT_EQ(out.substr(out.find(' ')), " 0 " + out.substr(out.rfind(' ') + 1)) << text;
        }
    }
    ASSERT_EQ(Run("ics-export " + P("empty.MVF") + " " + P("x.ics") + " --tz Nowhere/Nothing"), 1);
    EXPECT_NE(err.find("不明なタイムゾーンです: Nowhere/Nothing"), std::string::npos);
}

}  // namespace
}  // namespace mv
