// make-sample: writes the sample design that ships with the program, three weeks of a TV
// channel's timetable around the spring schedule change (2026/03/23 to 2026/04/12).
//
//   make-sample OUT.MVF
//
// The frames are built with the model's own frame and field calls and written by the design
// file, so the sample is exactly what the program itself writes. The clock and computer name
// are fixed, so every run writes the same bytes.

#include <iostream>
#include <string>
#include <vector>

#include "bench/generatorsupport.h"
#include "model/dayslot.h"
#include "model/frame.h"
#include "model/recordline.h"
#include "model/timeofday.h"

namespace mv::bench {
namespace {

constexpr int Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

enum class Genre { News, Info, Drama, Variety, Anime, Sports, Movie, Music, Special, Shopping, Off };

int FillOf(Genre genre) {
    switch (genre) {
        case Genre::News: return Rgb(204, 229, 255);
        case Genre::Info: return Rgb(255, 250, 205);
        case Genre::Drama: return Rgb(255, 204, 229);
        case Genre::Variety: return Rgb(255, 255, 170);
        case Genre::Anime: return Rgb(204, 255, 204);
        case Genre::Sports: return Rgb(255, 224, 178);
        case Genre::Movie: return Rgb(229, 204, 255);
        case Genre::Music: return Rgb(255, 229, 204);
        case Genre::Special: return Rgb(255, 190, 190);
        case Genre::Shopping: return 12171705;
        case Genre::Off: return Rgb(160, 160, 160);
    }
    return 12171705;
}

constexpr int kTimeColour = Rgb(0, 0, 128);
constexpr int kCastColour = Rgb(64, 64, 64);
constexpr int kNewMarkColour = Rgb(255, 0, 0);

const Date kFirstDay{2026, 3, 23};  // a Monday
constexpr int kDays = 21;
constexpr int kSeasonWeek = 2;  // the new season starts on the third Monday, 04/06

class SampleBuilder {
public:
    SampleBuilder() : mHost("MVSAMPLE", {2026, 3, 16, 10, 0, 0}), mIds(mHost) {}

    // The frames of one date, in the order they are added.
    FrameList& Day() { return mDay; }

    TCInf& Add(int start, int end, Genre genre, std::string_view title) {
        auto frame = NewFrame(mDefaults, mIds.NewFrameId());
        frame->CDate = mDate;
        frame->STime = start;
        frame->ETime = end;
        frame->WakuBC = FillOf(genre);
        frame->Fixed = genre == Genre::News;
        // Programmes of half an hour and more show their times in a time-variable field.
        if (MinutesBetween(start, end) >= 30) {
            TFInf time = NewField(kTimeFieldId, 0, mDefaults);
            time.FTextStr = "[time]";
            time.FTextAL = 1;
            time.FTextFC = kTimeColour;
            AddField(*frame, std::move(time), false);
        }
        TFInf name = NewField(0, 0, mDefaults);
        name.FTextStr = Sj(title);
        AddField(*frame, std::move(name), false);
        mDay.push_back(std::move(frame));
        return *mDay.back();
    }

    // A second line under the title: episode, guest or subject.
    void Sub(TCInf& frame, std::string_view text) {
        TFInf field = NewField(0, 0, mDefaults);
        field.FTextStr = SjLines(text);
        field.FTextAL = 1;
        field.FTextFH = HeightOfPointSize(9, mDefaults.pixelsPerInch);
        field.FTextPS = 9;
        field.FLineType = 2;
        AddField(frame, std::move(field), false);
    }

    void Cast(TCInf& frame, std::string_view text) {
        TFInf field = NewField(0, 0, mDefaults);
        field.FTextStr = SjLines(text);
        field.FTextAL = 3;
        field.FTextFC = kCastColour;
        field.FTextFH = HeightOfPointSize(8, mDefaults.pixelsPerInch);
        field.FTextPS = 8;
        AddField(frame, std::move(field), false);
    }

    // "【新】" in red at a free position, for the first episode of a new programme.
    void MarkNew(TCInf& frame) {
        TFInf field = NewField(0, 0, mDefaults);
        field.FTextStr = Sj("【新】");
        field.FTextAL = 0;
        field.FTextFC = kNewMarkColour;
        field.FOff_Y0 = 2, field.FOff_X0 = 4, field.FOff_Y1 = 2, field.FOff_X1 = 60;
        AddField(frame, std::move(field), false);
    }

    void About(TCInf& frame, std::string_view contents, std::string_view url = {}) {
        frame.Contents = SjLines(contents);
        if (!url.empty()) {
            frame.ContLink = true;
            frame.LinkURL = Sj(url);
        }
    }

    // Two programmes side by side on the main and the sub channel.
    static void SideBySide(TCInf& left, TCInf& right) {
        left.ResizePos = 0, left.ResizeLen = 50, left.LeftPri = 0;
        right.ResizePos = 50, right.ResizeLen = 50, right.LeftPri = 1;
    }

    // The header text of a date's column.
    void ColumnHeader(std::string_view text, std::string_view memo) {
        auto record = NewFrame(mDefaults, mIds.NewFrameId());
        record->CDate = mDate;
        record->STime = -1;
        record->ETime = -1;
        record->TextStr = Sj(text);
        record->TextFH = -(mDefaults.baseFontHeight * 12 + 5) / 10;
        record->TextFC = kNewMarkColour;
        record->WakuBC = Rgb(255, 255, 255);
        record->DayMemo = SjLines(memo);
        mDay.insert(mDay.begin(), std::move(record));
    }

    void StartDay(const Date& date) {
        mDate = date;
        mDay.clear();
    }

    FrameDefaults& Defaults() { return mDefaults; }
    FixedHost& Host() { return mHost; }
    FrameIdSource& Ids() { return mIds; }

private:
    FixedHost mHost;
    FrameIdSource mIds;
    FrameDefaults mDefaults;
    Date mDate;
    FrameList mDay;
};

std::string Ep(int number, std::string_view rest = {}) {
    return "第" + std::to_string(number) + "話" + std::string(rest);
}

// Mornings to the evening news, Monday to Friday.
void WeekdayDaytime(SampleBuilder& b, int week, int weekday, int serial) {
    static const char* const kDishes[] = {"春キャベツのロールキャベツ", "菜の花と桜えびのパスタ", "新じゃがの肉じゃが",
                                          "たけのこご飯と若竹汁", "いちごのショートケーキ"};
    static const char* const kMovies[] = {"『海辺の約束』（２０１９年・日本）", "『風の駅』（２０１５年・日本）",
                                          "『夜明けの滑走路』（２０２１年・日本）", "『最後の夏休み』（２０１２年・日本）",
                                          "『銀河鉄道の朝』（２０１８年・日本）"};
    const int dayOfSeries = week * 5 + weekday - 1;
    TCInf& news = b.Add(500, 530, Genre::News, "朝いちニュース");
    b.About(news, "全国と地域のニュース\n交通情報・気象情報");
    TCInf& morning = b.Add(530, 800, Genre::Info, "めざめテレビ");
    b.Cast(morning, "キャスター：高橋みなみ・中村翔太");
    TCInf& wide = b.Add(800, 955, Genre::Info, "モーニング・ワイド");
    b.Cast(wide, "司会：山本健一");
    TCInf& rerun = b.Add(955, 1025, Genre::Drama, "連続ドラマ再放送「はるかなる坂道」");
    b.Sub(rerun, "第" + std::to_string(serial) + "回");
    TCInf& cooking = b.Add(1025, 1130, Genre::Info, "ソレイユ料理教室");
    b.Sub(cooking, kDishes[dayOfSeries % 5]);
    b.About(cooking, "講師：小林ソノ子\n材料と作り方は番組ホームページで", "https://www.example.jp/soleil/");
    b.Add(1130, 1155, Genre::News, "昼のニュース");
    b.Add(1155, 1200, Genre::News, "天気予報");
    b.Add(1200, 1345, Genre::Info, "ひるまえ広場");
    TCInf& movie = b.Add(1345, 1550, Genre::Movie, "午後のロードショー");
    b.Sub(movie, kMovies[dayOfSeries % 5]);
    b.Add(1550, 1700, Genre::Info, "ゴゴ・ワイド");
    TCInf& evening = b.Add(1700, 1900, Genre::News, "夕方ニュース　ライブ５");
    b.About(evening, "特集：春の交通安全運動\nスポーツ\n天気予報");
}

void Baseball(SampleBuilder& b, std::string_view match) {
    TCInf& game = b.Add(1900, 2054, Genre::Sports, "プロ野球中継");
    b.Sub(game, match);
    b.Cast(game, "解説：森田大輔　実況：石井亮");
    // The possible extension runs beside the programmes it would push back.
    TCInf& extension = b.Add(2054, 2124, Genre::Sports, "（延長時　最大２１：２４まで）");
    extension.DupPos = 1;
    extension.ResizePos = 50, extension.ResizeLen = 50, extension.LeftPri = 1;
}

// Evening and night, Monday to Friday.
void WeekdayNight(SampleBuilder& b, int week, int weekday) {
    const bool newSeason = week >= kSeasonWeek;
    const bool changeWeek = week == kSeasonWeek - 1;
    bool nineOClockTaken = false;

    if (changeWeek && (weekday == 1 || weekday == 2 || weekday == 4)) {
        static const char* const kSpecials[] = {"", "春の爆笑ネタ祭り２０２６", "衝撃映像１００連発！春の陣", "",
                                                "ドラマ最終回直前！名場面一挙公開"};
        TCInf& special = b.Add(1900, 2254, Genre::Special, kSpecials[weekday]);
        b.Sub(special, "３時間５４分スペシャル");
        b.About(special, "年度末の特別編成\n生放送");
        b.Add(2254, 2300, Genre::News, "ニュース・天気");
        nineOClockTaken = true;
    } else {
        switch (weekday) {
            case 1: b.Sub(b.Add(1900, 2054, Genre::Variety, "クイズ！ニッポンの謎"), "ゲスト：松本さくら"); break;
            case 2: b.Add(1900, 2054, Genre::Variety, "どうぶつ奇想天外ランド"); break;
            case 3:
                if (week == 0) b.Add(1900, 2054, Genre::Music, "水曜歌謡祭");
                else Baseball(b, week == 1 ? "マロベ・スターズ×東京ファルコンズ" : "大阪タイガーズ×マロベ・スターズ");
                break;
            case 4: b.Add(1900, 2054, Genre::Info, "世界の絶景紀行"); break;
            case 5: b.Cast(b.Add(1900, 2054, Genre::Music, "金曜ミュージックステーション"), "司会：田中ひろし"); break;
        }
        b.Add(2054, 2100, Genre::News, "ニュース・天気");
    }

    if (!nineOClockTaken) {
        if (weekday == 5) {
            TCInf& movie = b.Add(2100, 2254, Genre::Movie, "金曜ロードショー");
            static const char* const kFriday[] = {"『星を継ぐ者たち』", "『ハルカの旅路』", "『表通りの探偵』"};
            b.Sub(movie, kFriday[week]);
            b.Add(2254, 2300, Genre::News, "ニュース・天気");
        } else {
            static const char* const kOld[] = {"", "月曜ドラマ「白衣の約束」", "火曜ドラマ「恋は予報どおり」",
                                               "水曜ドラマ「刑事・黒田」", "木曜ドラマ「ホテル・サクラ」"};
            static const char* const kNew[] = {"", "月曜ドラマ「明日の診察室」", "火曜ドラマ「となりの表札」",
                                               "水曜ドラマ「十字路の証人」", "木曜ドラマ「能楽師の娘」"};
            if (newSeason) {
                TCInf& drama = b.Add(2100, 2154, Genre::Drama, kNew[weekday]);
                b.MarkNew(drama);
                b.Sub(drama, Ep(1, "（１５分拡大）"));
                b.Cast(drama, "出演：青木ゆい\n　　　佐々木拓海");
                b.About(drama, "新ドラマ、いよいよスタート\n出演：青木ゆい、佐々木拓海\n脚本：西村玲子",
                        "https://www.example.jp/drama/");
            } else {
                TCInf& drama = b.Add(2100, 2154, Genre::Drama, kOld[weekday]);
                b.Sub(drama, Ep(week == 0 ? 10 : 11, "（最終回）"));
                b.About(drama, "ついに完結", "https://www.example.jp/drama/");
            }
            static const char* const kLate[] = {"", "ドキュメント「働く人たち」", "経済ドキュメント「挑戦者たち」",
                                                "水曜日のカラクリ", "木曜トーク「本音の部屋」"};
            b.Add(2154, 2300, weekday == 3 ? Genre::Variety : Genre::Info, kLate[weekday]);
        }
    }

    TCInf& night = b.Add(2300, 2355, Genre::News, "ナイトニュース２３");
    b.About(night, "きょうのニュース\nスポーツ\nあすの天気");
    static const char* const kVariety[] = {"", "深夜の笑劇場", "ウラ話ですよ", "ソファで夜ふかし", "芸人ラジオ天国",
                                           "金曜ナイトショー"};
    b.Add(2355, 2455, Genre::Variety, kVariety[weekday]);
    static const char* const kOldAnime[] = {"", "アニメ「星屑の航路」", "アニメ「魔法少女ソフィア」", "アニメ「鉄の庭」",
                                            "アニメ「雨宿りの猫」", "アニメ「ロボ部！」"};
    static const char* const kNewAnime[] = {"", "アニメ「月面ベーカリー」", "アニメ「魔法少女ソフィア２」",
                                            "アニメ「放課後ダンジョン」", "アニメ「雨宿りの猫」", "アニメ「ロボ部！」"};
    TCInf& anime = b.Add(2455, 2525, Genre::Anime, newSeason ? kNewAnime[weekday] : kOldAnime[weekday]);
    if (newSeason && weekday <= 3) {
        b.MarkNew(anime);
        b.Sub(anime, Ep(1));
    } else {
        b.Sub(anime, Ep(week == 0 ? 12 : 13, week == 1 && weekday <= 3 ? "（最終話）" : ""));
    }
    b.Add(2525, 2625, Genre::Music, "ミッドナイト・ライブ");
    // A placeholder field "・" before the name: the frame's title is the name after it.
    TCInf& shop = b.Add(2625, 2730, Genre::Shopping, "・");
    TFInf name = NewField(0, 0, b.Defaults());
    name.FTextStr = Sj("テレビショッピング");
    AddField(shop, std::move(name), false);
    if (weekday == 1) b.Add(2730, 2900, Genre::Off, "放送休止（送信所点検）");
    else b.Add(2730, 2900, Genre::Info, "早朝再放送「車窓の旅」");
}

void Saturday(SampleBuilder& b, int week) {
    b.Add(500, 600, Genre::News, "週末ニュース");
    b.Add(600, 800, Genre::Info, "サタデー・モーニング");
    b.Sub(b.Add(800, 830, Genre::Anime, "アニメ「まほうのキッチン」"), Ep(40 + week));
    b.Sub(b.Add(830, 900, Genre::Anime, "特撮「光の戦士ソラリオン」"), Ep(30 + week));
    static const char* const kTrips[] = {"京急線・三浦海岸で桜まつり", "江ノ電で鎌倉さんぽ", "秩父・長瀞の春"};
    b.Sub(b.Add(900, 1130, Genre::Info, "ぶらり途中下車の旅"), kTrips[week]);
    b.Add(1130, 1200, Genre::News, "土曜ニュース");
    b.Add(1200, 1400, Genre::Variety, "お笑い演芸館");
    TCInf& sport = b.Add(1400, 1600, Genre::Sports, "土曜スポーツ");
    b.Sub(sport, week < 2 ? "春のセンバツ高校野球　準決勝" : "バレーボール　春季リーグ決勝");
    b.Add(1600, 1800, Genre::Drama, "サタデー・ミステリー（再）");
    b.Add(1800, 1900, Genre::News, "夕方ニュース");
    b.Add(1900, 2054, Genre::Variety, "超・世界はびっくり箱");
    b.Add(2054, 2100, Genre::News, "ニュース・天気");
    static const char* const kMovies[] = {"『嵐の灯台守』", "『ソウルの夜に』", "『ふたりの予言者』"};
    TCInf& movie = b.Add(2100, 2300, Genre::Movie, "土曜プレミアム映画");
    b.Sub(movie, kMovies[week]);
    b.Add(2300, 2330, Genre::Sports, "スポーツ・ウイークエンド");
    b.Add(2330, 2430, Genre::Variety, "土曜深夜バラエティ「夜ふかし団」");
    b.Sub(b.Add(2430, 2500, Genre::Anime, "アニメ「空の図書館」"), Ep(20 + week));
    b.Add(2500, 2700, Genre::Movie, "オールナイト映画「黄昏の街角」");
    b.Add(2700, 2900, Genre::Shopping, "テレビショッピング");
}

void Sunday(SampleBuilder& b, int week) {
    b.Add(500, 600, Genre::News, "週末ニュース");
    b.Add(600, 800, Genre::Info, "日曜の朝に");
    b.Sub(b.Add(800, 830, Genre::Anime, "アニメ「ほしぞらキャンプ」"), Ep(50 + week));
    b.Sub(b.Add(830, 900, Genre::Anime, "アニメ「ねこ探偵ミケ」"), Ep(15 + week));
    b.Cast(b.Add(900, 1000, Genre::News, "日曜討論"), "司会：岡田浩二");
    b.Add(1000, 1100, Genre::Info, "ぶらりグルメ散歩");
    b.Add(1100, 1145, Genre::Music, "のど自慢");
    b.Add(1145, 1200, Genre::News, "ニュース");
    b.Add(1200, 1300, Genre::Variety, "お昼の演芸");
    // Main and sub channel carry two programmes at once.
    TCInf& golf = b.Add(1300, 1500, Genre::Sports, "ゴルフ中継");
    b.Sub(golf, "マロベ・オープン　最終日");
    TCInf& shogi = b.Add(1300, 1500, Genre::Sports, "【サブch】将棋　名人戦");
    SampleBuilder::SideBySide(golf, shogi);
    b.Add(1500, 1600, Genre::Sports, "日曜スポーツ・ダイジェスト");
    b.Add(1600, 1800, Genre::Drama, "日曜劇場（再）");
    b.Add(1800, 1900, Genre::News, "夕方ニュース");
    b.Add(1900, 2000, Genre::Variety, "どうぶつ大集合");
    TCInf& taiga = b.Add(2000, 2100, Genre::Drama, "大河ドラマ「風雲の城」");
    b.Sub(taiga, "第" + std::to_string(12 + week) + "回");
    b.Cast(taiga, "出演：大野誠\n　　　川口真理");
    b.About(taiga, "戦国の世を生きた城主の物語\n語り：本田さおり", "https://www.example.jp/taiga/");
    TCInf& drama = b.Add(2100, 2154, Genre::Drama, week < 2 ? "日曜劇場「ソラの下で」" : "日曜劇場「表と裏の十日間」");
    if (week < 2) {
        b.Sub(drama, Ep(9 + week, week == 1 ? "（最終回）" : ""));
    } else {
        b.MarkNew(drama);
        b.Sub(drama, Ep(1, "（２時間スペシャル）"));
        drama.ETime = 2254;
    }
    if (week < 2) b.Add(2154, 2254, Genre::Info, "日曜ドキュメンタリー");
    b.Add(2254, 2300, Genre::News, "ニュース・天気");
    b.Add(2300, 2330, Genre::Sports, "サンデースポーツ");
    b.Add(2330, 2430, Genre::Variety, "日曜深夜バラエティ");
    b.Add(2430, 2500, Genre::Anime, "アニメ「夜明けのソナタ」");
    b.Add(2500, 2900, Genre::Off, "放送休止（機器点検）");
}

int Run(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make-sample OUT.MVF\n";
        return 2;
    }
    SampleBuilder b;
    StderrDialogs dialogs;
    DesignDocument design(b.Host(), dialogs, b.Ids());
    design.SetBaseYearIndex(kFirstDay.year - kFirstBaseYear);
    design.SetTitle(Sj("マロベテレビ　２０２６年春　番組表"));
    design.SetMinuteStepIndex(kDefaultMinuteStepIndex);

    int serial = 101;  // episode of the morning re-run
    for (int i = 0; i < kDays; ++i) {
        const Date date = AddDays(kFirstDay, i);
        const int week = i / 7;
        const int weekday = DayOfWeek(date);
        b.StartDay(date);
        if (weekday >= 1 && weekday <= 5) {
            WeekdayDaytime(b, week, weekday, serial++);
            WeekdayNight(b, week, weekday);
        } else if (weekday == 6) {
            Saturday(b, week);
        } else {
            Sunday(b, week);
        }
        if (date == Date{2026, 3, 30})
            b.ColumnHeader("年度末特別編成", "今週は改編期の特番週間\n編成会議：月曜１０時");
        if (date == Date{2026, 4, 6}) {
            b.ColumnHeader("春の新番組スタート！", "新番組の第１話が続きます");
            b.Day()[1]->DayMemo = SjLines("改編初日\n番組宣伝の差し替え済み");
        }
        LineList& slot = design.Store().Slot(SlotOfDate(date));
        for (const auto& frame : b.Day()) slot.push_back(BuildRecordLine(*frame));
    }
    return design.SaveDesignFile(argv[1], false) ? 0 : 1;
}

}  // namespace
}  // namespace mv::bench

int main(int argc, char** argv) {
    try {
        return mv::bench::Run(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << "make-sample: " << error.what() << '\n';
        return 1;
    }
}
