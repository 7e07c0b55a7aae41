// generate-design: writes a large design for the benchmarks.
//
//   generate-design OUT.MVF [--frames-per-day N] [--year YYYY] [--seed S]
//   generate-design OUT.MVF --stress [--frames N] [--year YYYY] [--seed S]
//
// The first form fills every date of the year with N frames (default 100) that tile the
// day from 05:00 to 29:00, each with a time field, a title and a subtitle. The stress form
// spreads N frames (default 200,000) over the year with varied texts (titles of one or two
// lines, some time and cast fields, contents, links, memos, side-by-side sub-channel
// programmes), close to 600 bytes a record line, so that the default gives about 120 MB.
// --frames N without --stress spreads N frames of the first form. Frames are built with
// the model's frame calls and written by the design file; the same seed always gives the
// same bytes.

#include <algorithm>
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

struct Options {
    std::string out;
    int framesPerDay = 100;
    long long totalFrames = 0;  // > 0: spread over the year (stress form)
    bool stress = false;
    int year = 2026;
    std::uint64_t seed = 1;
};

struct UsageError {
    std::string what;
};

// Texts of the design, converted to Shift-JIS once.
class TextPool {
public:
    TextPool() {
        for (const char* t :
             {"朝いちニュース", "めざめテレビ", "モーニング・ワイド", "ソレイユ料理教室", "昼のニュース",
              "ひるまえ広場", "午後のロードショー", "ゴゴ・ワイド", "夕方ニュース　ライブ５", "クイズ！ニッポンの謎",
              "どうぶつ奇想天外ランド", "プロ野球中継", "世界の絶景紀行", "金曜ミュージックステーション",
              "月曜ドラマ「明日の診察室」", "火曜ドラマ「となりの表札」", "水曜ドラマ「十字路の証人」",
              "木曜ドラマ「能楽師の娘」", "ナイトニュース２３", "深夜の笑劇場", "ソファで夜ふかし",
              "アニメ「月面ベーカリー」", "アニメ「魔法少女ソフィア」", "ミッドナイト・ライブ", "テレビショッピング",
              "早朝再放送「車窓の旅」", "ぶらり途中下車の旅", "お笑い演芸館", "土曜プレミアム映画", "日曜討論",
              "大河ドラマ「風雲の城」", "日曜劇場「表と裏の十日間」", "天気予報", "ゴルフ中継", "将棋　名人戦",
              "のど自慢", "ドキュメント「働く人たち」", "経済ドキュメント「挑戦者たち」", "高校野球ハイライト",
              "旅番組「ニッポン縦断」"})
            titles.push_back(Sj(t));
        for (const char* s : {"春キャベツのロールキャベツ", "菜の花と桜えびのパスタ", "京急線・三浦海岸で桜まつり",
                              "江ノ電で鎌倉さんぽ", "マロベ・スターズ×東京ファルコンズ", "ゲスト：松本さくら",
                              "特集：春の交通安全運動", "『海辺の約束』（２０１９年・日本）", "生放送",
                              "解説：森田大輔　実況：石井亮", "最終回１５分拡大", "総集編"})
            subjects.push_back(Sj(s));
        for (const char* n : {"高橋", "中村", "山本", "佐々木", "青木", "小林", "田中", "松本", "森田", "石井", "大野",
                              "川口", "岡田", "本田", "西村", "表"})
            surnames.push_back(Sj(n));
        for (const char* n : {"みなみ", "翔太", "健一", "拓海", "ゆい", "ソノ子", "ひろし", "さくら", "大輔", "亮",
                              "誠", "真理", "浩二", "さおり", "玲子", "十和"})
            givenNames.push_back(Sj(n));
        for (const char* c : {"全国と地域のニュースをお伝えします。", "交通情報・気象情報。",
                              "新ドラマ、いよいよスタート。予告編もお見逃しなく。",
                              "番組ホームページで材料と作り方をご覧いただけます。",
                              "生放送でお届けします。視聴者プレゼントあり。", "字幕放送・データ放送に対応しています。",
                              "出演者の都合により内容を変更する場合があります。", "前回までのあらすじを冒頭でご紹介。"})
            sentences.push_back(Sj(c));
        episode = Sj("第"), episodeEnd = Sj("話"), cast = Sj("出演："), comma = Sj("、"),
        sub = Sj("【サブch】"), memo = Sj("編成メモ：差し替えの可能性あり");
    }

    std::vector<std::string> titles, subjects, surnames, givenNames, sentences;
    std::string episode, episodeEnd, cast, comma, sub, memo;
};

class Generator {
public:
    explicit Generator(const Options& options)
        : mOptions(options), mHost("MVBENCH", {options.year, 1, 1, 9, 0, 0}), mIds(mHost), mRandom(options.seed) {}

    FixedHost& Host() { return mHost; }
    FrameIdSource& Ids() { return mIds; }

    // The frames of one date, tiling the day; with the stress texts when asked.
    void Day(const Date& date, int count, LineList& slot) {
        count = std::clamp(count, 0, 1440);
        constexpr int kFirst = 300;  // 05:00 in minutes
        constexpr int kLength = 1440;
        for (int i = 0; i < count; ++i) {
            int start = FromMinutes(kFirst + i * kLength / count);
            int end = FromMinutes(kFirst + (i + 1) * kLength / count);
            if (!mOptions.stress) {
                slot.push_back(BuildRecordLine(*YearFrame(date, start, end)));
                continue;
            }
            auto frame = StressFrame(date, start, end);
            // Now and then a sub-channel programme beside it, counted in the total.
            if (i + 1 < count && mRandom.Below(20) == 0) {
                auto second = StressFrame(date, start, end);
                auto title = std::find_if(second->Fields.begin(), second->Fields.end(),
                                          [](const TFInf& field) { return field.FID != kTimeFieldId; });
                title->FTextStr = mText.sub + title->FTextStr;
                frame->ResizePos = 0, frame->ResizeLen = 50;
                second->ResizePos = 50, second->ResizeLen = 50, second->LeftPri = 1;
                slot.push_back(BuildRecordLine(*frame));
                frame = std::move(second);
                ++i;
            }
            slot.push_back(BuildRecordLine(*frame));
        }
    }

private:
    std::unique_ptr<TCInf> Bare(const Date& date, int start, int end) {
        auto frame = NewFrame(mDefaults, mIds.NewFrameId());
        frame->CDate = date;
        frame->STime = start;
        frame->ETime = end;
        frame->WakuBC = 0xC0C0C0 + mRandom.Below(0x3F3F3F);
        return frame;
    }

    void AddTimeField(TCInf& frame) {
        TFInf time = NewField(kTimeFieldId, 0, mDefaults);
        time.FTextStr = "[time]";
        time.FTextAL = 1;
        AddField(frame, std::move(time), true);
    }

    void AddTitle(TCInf& frame, std::string text) {
        TFInf title = NewField(0, 0, mDefaults);
        title.FTextStr = std::move(text);
        AddField(frame, std::move(title), false);
    }

    std::string Episode() { return mText.episode + std::to_string(1 + mRandom.Below(60)) + mText.episodeEnd; }

    // A time field, a title and a subtitle.
    std::unique_ptr<TCInf> YearFrame(const Date& date, int start, int end) {
        auto frame = Bare(date, start, end);
        AddTimeField(*frame);
        AddTitle(*frame, mRandom.Pick(mText.titles));
        TFInf subtitle = NewField(0, 0, mDefaults);
        subtitle.FTextStr = Episode();
        subtitle.FTextAL = 1;
        subtitle.FLineType = 2;
        AddField(*frame, std::move(subtitle), false);
        return frame;
    }

    std::string Person() { return mRandom.Pick(mText.surnames) + mRandom.Pick(mText.givenNames); }

    // Mostly one title field of one or two lines; some frames also carry a time field or a
    // cast field, contents, a link or a memo. Close to 600 bytes a line on average.
    std::unique_ptr<TCInf> StressFrame(const Date& date, int start, int end) {
        auto frame = Bare(date, start, end);
        std::string title = mRandom.Pick(mText.titles);
        if (mRandom.Below(4) == 0) title += kLineBreakByte + Episode();
        AddTitle(*frame, std::move(title));
        if (mRandom.Below(8) == 0) AddTimeField(*frame);
        if (mRandom.Below(16) == 0) {
            TFInf cast = NewField(0, 0, mDefaults);
            cast.FTextStr = mText.cast + Person() + mText.comma + Person() + kLineBreakByte + mRandom.Pick(mText.subjects);
            cast.FTextAL = 3;
            cast.FTextFH = HeightOfPointSize(8, mDefaults.pixelsPerInch);
            cast.FTextPS = 8;
            AddField(*frame, std::move(cast), false);
        }
        if (mRandom.Below(4) == 0) {
            frame->Contents = mRandom.Pick(mText.sentences);
            if (mRandom.Below(4) == 0) frame->Contents += kLineBreakByte + mRandom.Pick(mText.sentences);
        }
        if (mRandom.Below(10) == 0) {
            frame->ContLink = true;
            frame->LinkURL = "https://www.example.jp/program/" + std::to_string(mRandom.Below(10000)) + "/";
        }
        if (mRandom.Below(50) == 0) frame->DayMemo = mText.memo;
        frame->Fixed = mRandom.Below(10) == 0;
        return frame;
    }

    const Options& mOptions;
    FixedHost mHost;
    FrameIdSource mIds;
    Random mRandom;
    FrameDefaults mDefaults;
    TextPool mText;
};

long long Number(const std::string& name, const std::string& text, long long low, long long high) {
    try {
        std::size_t used = 0;
        long long value = std::stoll(text, &used);
        if (used == text.size() && value >= low && value <= high) return value;
    } catch (const std::exception&) {
    }
    throw UsageError{name + " needs a number from " + std::to_string(low) + " to " + std::to_string(high)};
}

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) throw UsageError{arg + " needs a value"};
            return argv[++i];
        };
        if (arg == "--stress") options.stress = true;
        else if (arg == "--frames-per-day") options.framesPerDay = static_cast<int>(Number(arg, value(), 0, 1440));
        else if (arg == "--frames") options.totalFrames = Number(arg, value(), 0, 1440L * 366);
        else if (arg == "--year") options.year = static_cast<int>(Number(arg, value(), kFirstBaseYear, kFirstBaseYear + kLastBaseYearIndex));
        else if (arg == "--seed") options.seed = static_cast<std::uint64_t>(Number(arg, value(), 0, 1LL << 40));
        else if (arg.rfind("--", 0) == 0) throw UsageError{"unknown option " + arg};
        else if (options.out.empty()) options.out = arg;
        else throw UsageError{"one output file only"};
    }
    if (options.out.empty()) throw UsageError{"no output file"};
    if (options.stress && options.totalFrames == 0) options.totalFrames = 200000;
    return options;
}

int Run(int argc, char** argv) {
    const Options options = ParseOptions(argc, argv);
    Generator generator(options);
    StderrDialogs dialogs;
    DesignDocument design(generator.Host(), dialogs, generator.Ids());
    design.SetBaseYearIndex(options.year - kFirstBaseYear);
    design.SetTitle(Sj(options.stress ? "負荷試験用デザイン" : "年間番組表（生成）"));

    const int days = IsLeapYear(options.year) ? 366 : 365;
    long long placed = 0;
    for (int i = 0; i < days; ++i) {
        const Date date = AddDays({options.year, 1, 1}, i);
        int count = options.framesPerDay;
        if (options.totalFrames > 0) {
            // Spread the total evenly over the days.
            long long next = options.totalFrames * (i + 1) / days;
            count = static_cast<int>(next - placed);
            placed = next;
        }
        generator.Day(date, count, design.Store().Slot(SlotOfDate(date)));
    }
    return design.SaveDesignFile(options.out, false) ? 0 : 1;
}

}  // namespace
}  // namespace mv::bench

int main(int argc, char** argv) {
    try {
        return mv::bench::Run(argc, argv);
    } catch (const mv::bench::UsageError& error) {
        std::cerr << "generate-design: " << error.what << "\n"
                  << "usage: generate-design OUT.MVF [--frames-per-day N] [--year YYYY] [--seed S]\n"
                  << "       generate-design OUT.MVF --stress [--frames N] [--year YYYY] [--seed S]\n";
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "generate-design: " << error.what() << '\n';
        return 1;
    }
}
