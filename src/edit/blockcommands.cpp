#include "edit/blockcommands.h"

#include <algorithm>

#include "edit/frameblocks.h"
#include "model/codec.h"
#include "model/designfile.h"
#include "model/identity.h"
#include "model/keyvalueline.h"
#include "model/recordline.h"
#include "model/textfile.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/filechooser.h"
#include "view/geometry/yeardates.h"

namespace mv {

namespace {

constexpr std::size_t kProgressLines = 100;  // more lines than this show their progress

bool Confirm(Dialogs& dialogs, const std::string& question, Answer preferred = Answer::Ok) {
    return dialogs.Show(MessageKind::Question, kConfirmCaption, question, Buttons::OkCancel, preferred) == Answer::Ok;
}

std::string DateText(const Date& date) { return FormatDate(date); }

int DaysBetween(const Date& first, const Date& last) { return DaySerial(last) - DaySerial(first) + 1; }

// The chosen frames (or the selected one alone) with their stored lines, by date and id.
std::vector<ChosenLine> ChosenLines(EditContext& context) {
    std::vector<ChosenLine> chosen;
    const LineStore& store = context.Design().Store();
    auto add = [&](const Date& date, const std::string& cid) {
        if (const std::string* line = store.FindLine(date, cid)) chosen.push_back({date, cid, *line});
    };
    if (context.Chosen().Count() > 0) {
        for (const MultiSelection::Entry& entry : context.Chosen().Entries()) add(entry.date, entry.cid);
    } else if (!context.Selection().Empty()) {
        add(context.Selection().SelectedDate(), context.Selection().Cid());
    }
    return chosen;
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// The block's lines 2 to 4 as the questions show them.
struct BlockHeading {
    std::string source, first, last;
};
BlockHeading HeadingOf(const std::vector<std::string>& lines) {
    auto at = [&](std::size_t i) { return i < lines.size() ? ToUtf8(lines[i]) : std::string(); };
    return {at(1), at(2), at(3)};
}

bool WriteDesignLines(const BlockSeams& seams, const std::filesystem::path& path, const std::vector<std::string>& lines) {
    const bool written = WriteFileAtomically(path, *seams.host, [&](LineWriter& out) {
        for (const std::string& line : lines) out.Line(line);
    });
    if (!written)
        seams.dialogs.Error(kProgramName, "ファイルの書き込みに失敗しました。\r\r\r     PATH = " + PathText(path) + "\r\r");
    return written;
}

// Asks for the partial file's name, and again when it is the design being edited.
std::optional<std::filesystem::path> ChooseTarget(const BlockSeams& seams, const char* title, std::string& lastPath,
                                                  const std::filesystem::path& designPath) {
    std::optional<std::string> chosen = seams.files->ChooseSave({title, "(*.MVF)|*.MVF|(*.*)|*.*", lastPath});
    if (!chosen) return std::nullopt;
    // A name given without an extension is a design file's.
    if (!std::filesystem::u8path(*chosen).has_extension()) *chosen += ".MVF";
    const std::filesystem::path path(std::filesystem::u8path(*chosen));
    std::error_code error;
    if (!designPath.empty() && (path == designPath || std::filesystem::equivalent(path, designPath, error))) {
        const std::string question = "現在編集中のデザインファイルに保存しようとしています。\r\r   Path  ＞  " + *chosen +
                                     "\r\rこのまま構わずに保存してもよろしいですか？\r\r";
        if (!Confirm(seams.dialogs, question, Answer::Cancel)) return std::nullopt;
    }
    lastPath = *chosen;
    return path;
}

// The line with `cid` for its id: the value of its Ci_Cid item replaced, or (when reading
// would not find that item) a Ci_Cid item put right after the date item, as opening a
// design does for old ids.
std::string WithNewId(const std::string& line, const std::string& cid) {
    std::string out = FindKey(line, "CI_CID=") != std::string::npos ? ReplaceItemValue(line, "Ci_Cid", cid) : line;
    if (FindValue(out, "Ci_Cid", kSep) == std::optional<std::string_view>(cid)) return out;
    const std::size_t date = FindKey(out, "CI_CDATE=");
    const std::size_t end = date == std::string::npos ? std::string::npos : out.find(kSep, date);
    if (end != std::string::npos) out.insert(end + kSep.size(), "Ci_Cid=" + cid + std::string(kSep));
    return out;
}

// Whether reading the line finds a record of `date` (a date of the design year) with the id.
bool ReadsBackAs(const std::string& line, const Date& date, const std::string& cid) {
    Date stored;
    std::string id;
    return GetDate(line, "Ci_CDate", kSep, stored) && Date{date.year, stored.month, stored.day} == date &&
           GetText(line, "Ci_Cid", kSep, id) && id == cid;
}

}  // namespace

int PlaceLines(EditContext& context, FrameIdSource& ids, const std::vector<std::string>& lines, std::size_t first,
               std::optional<Date> target) {
    WorkingSet& working = context.Working();
    LineStore& store = context.Design().Store();
    const RecordContext& records = working.Context();
    std::vector<std::string> placed;
    std::optional<Date> base, firstPlaced, lastPlaced;
    std::string lastCid;
    Date lastDate;
    const std::size_t total = lines.size() > first ? lines.size() - first : 0;
    for (std::size_t i = first; i < lines.size(); ++i) {
        if (total > kProgressLines && (i - first) % kProgressLines == 0)
            context.Listener().Progress(static_cast<int>(i - first), static_cast<int>(total));
        const std::optional<LineDate> carried = DateOfLine(lines[i]);
        if (!carried) continue;
        Date day = carried->date;
        if (target) {
            // The target moves on as the lines' days do, keeping the gaps between them.
            // A day's lines keep the year they were stored with, which need not be the year
            // of the day named before them (a run of days past 31 December names the next
            // year's January, whose lines carry the design year): the same month and day is
            // the same day.
            if (!base) base = carried->date;
            if (carried->date.month != base->month || carried->date.day != base->day) {
                target = AddDays(*target, DaySerial(carried->date) - DaySerial(*base));
                base = carried->date;
            }
            day = *target;
        }
        if (carried->separatorOnly) continue;
        const Date date = RebaseIntoYear(day, records.baseYear);
        const std::string cid = ids.NewFrameId();
        std::string line = WithNewId(RedateLine(lines[i], date), cid);
        // Only a line that reads back as a record of that date with that id is placed: its
        // undo finds it again by them, and a broken line would be dropped from the day.
        if (!ReadsBackAs(line, date, cid)) continue;
        if (!working.ColumnOf(date)) {
            store.AddLine(date, line);
        } else if (ParsedRecord parsed = ParseRecordLine(line, records); parsed.kind == ParsedRecord::Kind::Frame) {
            working.AddFrame(date, std::move(parsed.frame));
        } else {
            // A column record stays in the stored lines even for a shown day, which keep it.
            store.AddLine(date, line);
            working.AddLine(date, line);
        }
        placed.push_back(std::move(line));
        // At a target the days run on from it (past the year's end too); at their own dates
        // they are the design year's.
        const Date reported = target ? day : date;
        if (!firstPlaced || reported < *firstPlaced) firstPlaced = reported;
        if (!lastPlaced || reported > *lastPlaced) lastPlaced = reported;
        lastCid = cid;
        lastDate = date;
    }
    context.Listener().Progress(0, 0);
    if (placed.empty()) return 0;
    // Lines spread over more than a year touch every day of the design year.
    if (DaySerial(*lastPlaced) - DaySerial(*firstPlaced) >= 366) {
        firstPlaced = Date{records.baseYear, 1, 1};
        lastPlaced = Date{records.baseYear, 12, 31};
    }
    context.History().RecordLines(HistoryKind::BlockLoad, std::vector<std::string>(placed.size()), placed, *firstPlaced,
                                  *lastPlaced, Date{});
    context.Design().SetModified(true);
    context.ReportChanges(
        {{*firstPlaced, *lastPlaced == *firstPlaced ? Date{} : *lastPlaced, Sjis("Clip-MVF.読み込み")}});
    if (const TCInf* frame = working.FrameOn(lastDate, lastCid))
        context.ShowResult(lastDate, lastCid, frame->StoredSTime());
    return static_cast<int>(placed.size());
}

bool PutDaysOnClipboard(EditContext& context, const BlockSeams& seams, const Date& first, const Date& last,
                        const std::filesystem::path& designPath) {
    const std::string question = "クリップボードにデータを書き込みます。\r\r  ＞  日付範囲\r  ＞  " + DateText(first) +
                                 " ～ " + DateText(last) + "\r\rよろしいですか？\r\r";
    if (!Confirm(seams.dialogs, question)) return false;
    context.Working().CommitView(true);
    const std::vector<std::string> block =
        DateRangeBlock(context.Design().Store(), FromUtf8(PathText(designPath)), first, last);
    seams.clipboard->SetText(ToUtf8(JoinCrLf(block)));
    seams.dialogs.Information(kProgramName, "クリップボードに選択範囲のデータを書き込みました。  ( " +
                                                std::to_string(DaysBetween(first, last)) + " 日 )");
    return true;
}

bool PutChosenOnClipboard(EditContext& context, const BlockSeams& seams) {
    context.Working().CommitView(true);
    std::vector<ChosenLine> chosen = ChosenLines(context);
    if (chosen.empty()) return false;
    const auto [earliest, latest] = std::minmax_element(
        chosen.begin(), chosen.end(), [](const ChosenLine& a, const ChosenLine& b) { return a.date < b.date; });
    const std::string question = "クリップボードにデータを書き込みます。\r\r  ＞  選択枠  (" +
                                 std::to_string(chosen.size()) + " 個)\r  ＞  " + DateText(earliest->date) + " ～ " +
                                 DateText(latest->date) + "\r\rよろしいですか？\r\r";
    if (!Confirm(seams.dialogs, question)) return false;
    seams.clipboard->SetText(ToUtf8(JoinCrLf(ChosenBlock(chosen))));
    seams.dialogs.Information(kProgramName, "クリップボードに選択枠のデータを書き込みました。  ( " +
                                                std::to_string(chosen.size()) + " 個 )");
    return true;
}

bool ClipboardHoldsBlock(const Clipboard& clipboard) {
    return KindOfBlock(clipboard.Text()) != BlockKind::None;
}

bool ClearClipboardBlock(const BlockSeams& seams) {
    const std::string text = seams.clipboard->Text();
    if (KindOfBlock(text) == BlockKind::None) {
        seams.dialogs.Error(kProgramName, "クリップボードにデータはありません。\r\r");
        return false;
    }
    const BlockHeading heading = HeadingOf(SplitLines(FromUtf8(text)));
    const std::string question = "クリップボードのデータをクリアーします。\r\r  ＞  元データ  ．．．  " + heading.source +
                                 "      \r\r  ＞  " + heading.first + " ～ " + heading.last + "\r\rよろしいですか？\r\r";
    if (!Confirm(seams.dialogs, question)) return false;
    seams.clipboard->Clear();
    return true;
}

bool ReadClipboardBlock(EditContext& context, const BlockSeams& seams, const Date& target) {
    const std::string text = seams.clipboard->Text();
    if (KindOfBlock(text) == BlockKind::None) {
        seams.dialogs.Error(kProgramName, "クリップボードに読み込めるデータはありません。\r\r");
        return false;
    }
    const std::vector<std::string> lines = SplitLines(FromUtf8(text));
    const BlockHeading heading = HeadingOf(lines);
    const std::string question = "クリップボードのデータを読み込みます。\r\r  ＞  元データ  ．．．  " + heading.source +
                                 "      \r\r  ＞  " + heading.first + " ～ " + heading.last + " → " +
                                 DateText(target) + "        \r\rよろしいですか？\r\r";
    if (!Confirm(seams.dialogs, question)) return false;
    context.Working().CommitView(true);
    return PlaceLines(context, seams.ids, lines, 4, target) > 0;
}

bool SaveDaysAsFile(EditContext& context, const BlockSeams& seams, const Date& first, const Date& last,
                    std::string& lastPath, const std::filesystem::path& designPath) {
    const std::string range = DateText(first) + " ～ " + DateText(last) + "  ( " +
                              std::to_string(DaysBetween(first, last)) + " 日 )";
    if (!Confirm(seams.dialogs, "選択された日付をデザインファイルとして保存します。\r\r   範囲  ＞  " + range +
                                    "\r\rよろしいですか？\r\r"))
        return false;
    const std::optional<std::filesystem::path> path = ChooseTarget(
        seams, "選択された日付を指定のﾌｧｲﾙ名で ﾃﾞｻﾞｲﾝﾌｧｲﾙ として保存します。", lastPath, designPath);
    if (!path) return false;
    context.Working().CommitView(true);
    DesignDocument& design = context.Design();
    const std::vector<std::string> lines = PartialFileLines(
        design.BaseYearIndex(), design.MinuteStepIndex(), LinesOfDays(design.Store(), first, last));
    if (!WriteDesignLines(seams, *path, lines)) return false;
    seams.dialogs.Information(kProgramName, "選択された日付をデザインファイルとして保存しました。\r\r   範囲  ＞  " +
                                                range + "\r   Path  ＞  " + PathText(*path) + "\r\r");
    return true;
}

bool SaveChosenAsFile(EditContext& context, const BlockSeams& seams, std::string& lastPath,
                      const std::filesystem::path& designPath) {
    context.Working().CommitView(true);
    std::vector<ChosenLine> chosen = ChosenLines(context);
    if (chosen.empty()) return false;
    std::vector<std::string> records;
    ChosenBlock(chosen);  // sorts them by date and id
    for (const ChosenLine& frame : chosen) records.push_back(frame.line);
    const std::string range = DateText(chosen.front().date) + " ～ " + DateText(chosen.back().date) + "  ( " +
                              std::to_string(chosen.size()) + " 個 )";
    if (!Confirm(seams.dialogs, "選択された枠をデザインファイルとし保存します\r\r   範囲  ＞  " + range +
                                    "\r\rよろしいですか？\r\r"))
        return false;
    const std::optional<std::filesystem::path> path = ChooseTarget(
        seams, "選択された枠を指定のﾌｧｲﾙ名で ﾃﾞｻﾞｲﾝﾌｧｲﾙ として保存します。", lastPath, designPath);
    if (!path) return false;
    DesignDocument& design = context.Design();
    if (!WriteDesignLines(seams, *path, PartialFileLines(design.BaseYearIndex(), design.MinuteStepIndex(), records)))
        return false;
    seams.dialogs.Information(kProgramName, "選択された枠をデザインファイルとして保存しました。\r\r   範囲  ＞  " +
                                                range + "\r   Path  ＞  " + PathText(*path) + "\r\r");
    return true;
}

std::optional<Date> LoadDesignFile(EditContext& context, const BlockSeams& seams, const std::filesystem::path& path,
                                   std::optional<Date> target) {
    const std::optional<std::string> bytes = ReadFileBytes(path, *seams.host);
    if (!bytes || !IsDesignText(*bytes)) {
        seams.dialogs.Error(kProgramName, "これは Marovelantis のデータファイルではありません。\r\r   Path  ＞  " +
                                              PathText(path) + "\r\r");
        return std::nullopt;
    }
    const std::vector<std::string> lines = SplitLines(*bytes);
    const std::optional<DateSpan> span = DatesOfLines(lines);
    if (!span) {
        seams.dialogs.Error(kProgramName, "このデザインファイルに登録されているデータはありません。\r\r   Path  ＞  " +
                                              PathText(path) + "\r\r");
        return std::nullopt;
    }
    const std::string contents = DateText(span->earliest) + " ～ " + DateText(span->latest);
    const std::string question =
        target ? "指定のデザインファイルを指定の日付を起点に読み込みます。\r\r   内容  ＞  " + contents + " → " +
                     DateText(*target) + "        \r   Path  ＞  " + PathText(path) + "\r\rよろしいですか？\r\r"
               : "指定のデザインファイルをファイルの日付のまま読み込みます。\r\r   内容  ＞  " + contents +
                     "\r   Path  ＞  " + PathText(path) + "\r\rよろしいですか？\r\r";
    if (!Confirm(seams.dialogs, question)) return std::nullopt;
    const auto firstRecord = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
        return line.find("Ci_CDate") != std::string::npos;
    });
    context.Working().CommitView(true);
    if (PlaceLines(context, seams.ids, lines, static_cast<std::size_t>(firstRecord - lines.begin()), target) == 0)
        return std::nullopt;
    return span->earliest;
}

}  // namespace mv
