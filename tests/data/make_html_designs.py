#!/usr/bin/env python3
"""Writes the two small designs the HTML page tests convert (html_week.MVF, html_plain.MVF):
overlapping frames, a frame past an hour boundary, an empty date, a frame over midnight,
contents links and links with text that must not turn into markup. Run it from anywhere;
it writes next to itself."""

from make_golden import field, record, write

BREAK = "\x7f"


def cid(n):
    return f"PC07-20260301090000-{n:05d}"


def week():
    red, blue, white = 255, 16711680, 16777215
    return [
        "#Marovelantis=#Marovelantis",
        "#Priority=PC07-09:15:00",
        "#LastUpdate=PC07-09:20:11",
        "#BaseYYYY=36",
        "#Title=<番組表> & \"中継\"",
        "#MoveMM=4",
        record("2026/03/23", cid(1), 900, 1000, 12171705, "朝のニュース",
               fields=[field(1, "9:00"), field(2, "朝のニュース"), field(3, "・")]),
        record("2026/03/23", cid(2), 930, 1100, 13089473, "特集 <生放送>", link=True,
               contents="It's \"quoted\"" + BREAK + "二行目 <b>太字</b> & more",
               url="公式=http://example.com/?a=1&b=2" + BREAK + "javascript:alert(1)" + BREAK + BREAK + "mailto:x@y.z",
               fields=[field(2, "特集 <生放送>"), field(3, "出演：A & B" + BREAK + "司会：C" + BREAK, fh=-11, fc=blue)]),
        record("2026/03/23", cid(3), 1100, 1200, 11517093, "昼", fields=[field(2, "昼")]),
        record("2026/03/24", cid(4), 900, 1030, white, "会議", link=True, contents="議題\\一覧",
               fields=[field(2, "会議")]),
        record("2026/03/26", cid(5), 2300, 2530, 12171705, "深夜", fields=[field(2, "深夜")]),
        record("2026/03/28", cid(6), 600, 700, 12171705, "土曜", fields=[field(2, "土曜", fh=-20, fc=red)]),
        record("2026/03/29", cid(7), 500, 2900, 13089473, "終日", fields=[field(2, "終日")]),
    ]


def plain():
    return [
        "#Marovelantis=#Marovelantis",
        "#Priority=PC07-09:15:00",
        "#LastUpdate=PC07-09:20:11",
        "#BaseYYYY=36",
        "#Title=",
        "#MoveMM=4",
        record("2026/03/23", cid(11), 800, 1200, 12171705, "通し", fields=[field(2, "通し")]),
        record("2026/03/23", cid(12), 900, 1000, 13089473, "一", url="Link" + BREAK + "資料=docs/a.html",
               fields=[field(2, "一")]),
        record("2026/03/23", cid(13), 930, 1030, 11517093, "二", fields=[field(2, "二")]),
        record("2026/03/23", cid(14), 1000, 1100, 12171705, "三", link=True, contents="内容",
               fields=[field(2, "三")]),
        record("2026/03/25", cid(15), 1300, 1400, 12171705, "水", fields=[field(2, "水")]),
    ]


if __name__ == "__main__":
    write("html_week.MVF", week())
    write("html_plain.MVF", plain())
