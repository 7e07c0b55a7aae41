#!/usr/bin/env python3
"""Writes the golden design files of the tests: Shift-JIS (CP932), CR LF after every line.

The expected files are spelled out here by hand from the file layout, not produced by the
program, so that a round trip through the program can be compared with them byte for byte.
Run it from anywhere; it writes next to itself.
"""

import os

HERE = os.path.dirname(os.path.abspath(__file__))
BREAK = "\x7f"  # a line break inside a text


def item(key, value):
    return f"{key}={value}%!#"


def field(fid, text, area=0, fh=-13, fc=0, al=2, lt=0, y0=0, x0=0, y1=0, x1=0):
    return (
        "#Filed["
        + item("Fi_FID", fid)
        + item("Fi_FTextStr", text)
        + item("Fi_FArea", area)
        + item("Fi_FTextFH", fh)
        + item("Fi_FTextFC", fc)
        + item("Fi_FTextAL", al)
        + item("Fi_FLineType", lt)
        + item("Fi_FOff_Y0", y0)
        + item("Fi_FOff_X0", x0)
        + item("Fi_FOff_Y1", y1)
        + item("Fi_FOff_X1", x1)
        + "#Filed]"
    )


def record(date, cid, st, et, bc, title, rpos=-1, rlen=-1, dup=0, fh=-13, fc=0, text="", memo="",
           fixed=False, lpri=0, contents="", link=False, url="", fields=()):
    line = (
        item("Ci_CDate", date)
        + item("Ci_Cid", cid)
        + item("Ci_STime", st)
        + item("Ci_ETime", et)
        + item("Ci_WakuBC", bc)
        + item("Ci_Title", title)
        + item("Ci_ResizePos", rpos)
        + item("Ci_ResizeLen", rlen)
        + item("Ci_DupPos", dup)
        + item("Ci_TextFH", fh)
        + item("Ci_TextFC", fc)
        + item("Ci_TextStr", text)
        + item("Ci_DayMemo", memo)
        + item("Ci_Fixed", "True" if fixed else "False")
        + item("Ci_LeftPri", lpri)
        + item("Ci_Contents", contents)
        + item("Ci_ContLink", "True" if link else "False")
        + item("Ci_LinkURL", url)
    )
    if fields:
        line += "%!#" + "".join(fields)
    return line


def write(name, lines):
    data = "".join(line + "\r\n" for line in lines).encode("cp932")
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(data)


def week():
    """A canonical design: every line as the program writes it, records in month-day order."""
    ids = [f"PC07-20030615093000-{n:05d}" for n in range(1, 12)]
    yellow = 12171705
    lines = [
        "#Marovelantis=#Marovelantis",
        "#Priority=PC07-09:15:00",
        "#LastUpdate=PC07-09:20:11",
        "#BaseYYYY=13",
        "#Title=番組表・議会中継ソフト",
        "#MoveMM=4",
        record("2003/01/01", ids[0], 900, 1200, yellow, "元日特番", fields=[field(2, "元日特番")]),
        record("2003/02/28", ids[1], 500, 600, 16777215, ""),
        # 29 February in a non-leap base year: kept, but no frame.
        record("2000/02/29", ids[2], 1000, 1100, 255, "閏日", fields=[field(2, "閏日")]),
        record("2003/03/01", ids[3], 2400, 2859, 65280, "終夜", fields=[field(2, "終夜")]),
        # The date column's header record.
        record("2003/07/01", ids[4], -1, -1, yellow, "", fh=-15, text="議会中継日"),
        record("2003/07/01", ids[5], 930, 1015, yellow, "朝のニュース",
               contents="一行目" + BREAK + "二行目", link=True, url="http://example.jp/news",
               fields=[field(1, "09:30-10:15", fh=-11, fc=255, al=1, lt=1),
                       field(2, "朝のニュース", fh=-16, lt=2, y0=3, x0=4, y1=5, x1=6)]),
        record("2003/07/01", ids[6], 1000, 1100, 8454143, "ソフト紹介", rpos=50, rlen=50, dup=1, lpri=1,
               fields=[field(0, "・"), field(0, "ソフト紹介", area=1, fc=128, al=3)]),
        record("2003/07/01", ids[7], 2430, 2530, 12632256, "深夜放送", text="ＤＪ：議員",
               memo="議事録" + BREAK + "あり", fixed=True, fields=[field(2, "深夜放送")]),
        record("2003/07/02", ids[8], 1300, 1400, yellow, "", memo="会議室Ａ"),
        record("2003/07/03", ids[9], 1900, 2100, yellow, "歌番組",
               fields=[field(1, "19:00", fh=-11), field(2, "歌番組", al=0, lt=1, y0=10, x0=20, y1=30, x1=40)]),
        record("2003/12/31", ids[10], 2300, 2830, yellow, "年越し", fields=[field(2, "年越し")]),
    ]
    write("week.MVF", lines)


def legacy():
    """An old, hand-edited design, what opening it writes, and what a commit of the year writes."""
    l_short = "Ci_CDate=2003/07/02%!#Ci_Cid=A1%!#Ci_STime=1300%!#Ci_ETime=1400%!#Ci_Title=古い題%!#"
    l_old_year = ("ci_cdate=1999/07/01%!#ci_cid=PC03-19990701120000-00007%!#ci_stime= 0930 %!#"
                  "CI_ETIME=1015%!#Ci_WakuBC=255%!#Ci_Contents=内容" + BREAK + BREAK + "%!#%!#"
                  "#Filed[Fi_FID=2%!#Fi_FTextStr=議題ソ・%!#Fi_FTextFH=-16%!##Filed]")
    l_column = "Ci_CDate=2003/07/01%!#Ci_Cid=%!#Ci_STime=-1%!#Ci_ETime=-1%!#Ci_TextStr=見出し%!#"
    l_leap = "Ci_CDate=2000/02/29%!#Ci_Cid=B2%!#Ci_STime=800%!#Ci_ETime=900%!#"
    l_bad_date = "Ci_CDate=2003/02/30%!#Ci_Cid=BAD-DATE%!#Ci_STime=800%!#"
    l_id20 = ("Ci_CDate=2003/07/01%!#Ci_Cid=ABCDEFGHIJKLMNOPQRST%!#Ci_STime=1100%!#Ci_ETime=1200%!#"
              "Ci_WakuBC=abc%!#Ci_ResizePos=25%!#Ci_Fixed=TRUE%!#")
    l_id21 = ("Ci_CDate=2003/07/01%!#Ci_Cid=ABCDEFGHIJKLMNOPQRSTU%!#Ci_STime=1200%!#Ci_ETime=1230%!#"
              "#Filed[Fi_FID=2%!#Fi_FTextStr=未完")
    write("legacy.MVF", [
        "#Marovelantis=#Marovelantis",
        "#BaseYYYY = 13",
        "#title=旧い番組表",
        "これは説明の行です",
        l_short,
        l_old_year,
        l_column,
        l_leap,
        l_bad_date,
        l_id20,
        l_id21,
        "#MoveMM=9",
        "",
    ])

    # Opening with the test host (computer PC01, clock 2003/07/01 14:03:59) claims the file,
    # gives the short ids (20 characters or fewer) new ones in file order, and re-saves.
    def new_id(n):
        return f"PC01-20030701140359-{n:05d}"

    def renew(line, n):
        cut = line.index("%!#") + 3
        return line[:cut] + item("Ci_Cid", new_id(n)) + line[cut:]

    r_short, r_column, r_leap, r_id20 = (renew(l_short, 1), renew(l_column, 2), renew(l_leap, 3),
                                         renew(l_id20, 4))
    header = [
        "#Marovelantis=#Marovelantis",
        "#Priority=PC01-14:03:59",
        "#LastUpdate=PC01-14:03:59",
        "#BaseYYYY=13",
        "#Title=旧い番組表",
        "#MoveMM=9",
    ]
    write("legacy.opened.MVF", header + [
        r_leap,  # slot of 02/29
        l_old_year, r_column, r_id20, l_id21,  # slot of 07/01, in file order
        r_short,  # slot of 07/02
        l_bad_date,  # no day to belong to: kept as read, after every day
    ])

    # Every frame of the base year rebuilt from its record: canonical items, defaults for what
    # was missing, dates in the base year. The column record and the 02/29 line stay as read.
    yellow = 12171705
    write("legacy.normalized.MVF", header + [
        r_leap,
        r_column,
        record("2003/07/01", "PC03-19990701120000-00007", 930, 1015, 255, "議題ソ・", contents="内容",
               fields=[field(2, "議題ソ・", fh=-16)]),
        record("2003/07/01", new_id(4), 1100, 1200, yellow, "", rpos=25, fixed=True),
        record("2003/07/01", "ABCDEFGHIJKLMNOPQRSTU", 1200, 1230, yellow, ""),
        record("2003/07/02", new_id(1), 1300, 1400, yellow, ""),
        l_bad_date,
    ])


if __name__ == "__main__":
    week()
    legacy()
