#include "io/csv/csvexport.h"

#include <algorithm>
#include <cstdio>

#include "io/csv/csvdatetime.h"
#include "io/csv/csvformat.h"
#include "model/codec.h"
#include "model/dayslot.h"
#include "model/frame.h"
#include "model/keyvalueline.h"
#include "model/linestore.h"
#include "model/recordline.h"

namespace mv {

namespace {

void PutTwoDigits(char* at, int value) {
    at[0] = static_cast<char>('0' + value / 10 % 10);
    at[1] = static_cast<char>('0' + value % 10);
}

// "HH:MM:SS" with the hour modulo 24 and the seconds 00.
std::string CsvTime(int hhmm) {
    if (hhmm < 0 || hhmm >= 10000) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%02d:%02d:00", (hhmm / 100) % 24, hhmm % 100);
        return buffer;
    }
    std::string text = "00:00:00";
    PutTwoDigits(&text[0], hhmm / 100 % 24);
    PutTwoDigits(&text[3], hhmm % 100);
    return text;
}

std::string CsvDate(const Date& date) {
    std::string text;
    AppendCsvDate(text, date);
    return text;
}

constexpr std::string_view kFieldOpen = "#Filed[";
constexpr std::string_view kFieldClose = "#Filed]";

// Reads of a record line what the export uses (times and the fields' ids, texts and
// vertical offsets), with the lookups and defaults of the full record reader, which would
// spend most of an export's time on items the export never shows. False for lines that
// are no timed frame or whose month and day the base year lacks.
bool DecodeForExport(std::string_view line, int baseYear, TCInf& frame) {
    Date stored;
    if (!GetDate(line, "Ci_CDate", kSep, stored) || !IsValidDate(baseYear, stored.month, stored.day)) return false;
    frame.STime = 500;
    frame.ETime = 600;
    GetInt(line, "Ci_STime", kSep, frame.STime);
    if (frame.IsColumnRecord()) return false;
    GetInt(line, "Ci_ETime", kSep, frame.ETime);
    frame.Fields.clear();
    static thread_local std::vector<std::string_view> blocks;
    blocks.clear();
    std::size_t at = line.find(kFieldOpen);
    while (at != std::string_view::npos) {
        const std::size_t start = at + kFieldOpen.size();
        const std::size_t end = line.find(kFieldClose, start);
        if (end == std::string_view::npos) break;
        const std::string_view block = line.substr(start, end - start);
        TFInf& field = frame.Fields.emplace_back();
        GetInt(block, "Fi_FID", kSep, field.FID);
        GetText(block, "Fi_FTextStr", kSep, field.FTextStr);
        blocks.push_back(block);
        at = line.find(kFieldOpen, end + kFieldClose.size());
    }
    // The offsets only order several fields.
    if (blocks.size() > 1) {
        for (std::size_t i = 0; i < blocks.size(); ++i) {
            GetInt(blocks[i], "Fi_FOff_Y0", kSep, frame.Fields[i].FOff_Y0);
            GetInt(blocks[i], "Fi_FOff_Y1", kSep, frame.Fields[i].FOff_Y1);
        }
    }
    return true;
}

std::string ExportTitle(const TCInf& frame, int titleLocation) {
    static const std::string kNakaguro = Sjis("・");
    // Most frames have one field; only several need putting in display order.
    static thread_local std::vector<const TFInf*> fields;
    fields.clear();
    for (const TFInf& field : frame.Fields) fields.push_back(&field);
    if (fields.size() > 1) {
        std::stable_sort(fields.begin(), fields.end(), [titleLocation](const TFInf* a, const TFInf* b) {
            return titleLocation == 0 ? a->FOff_Y0 < b->FOff_Y0 : a->FOff_Y1 < b->FOff_Y1;
        });
    }
    for (const TFInf* field : fields) {
        if (field->FID == kTimeFieldId) continue;
        std::string_view trimmed = Trim(field->FTextStr);
        if (trimmed.empty() || trimmed == kNakaguro) continue;
        std::string title;
        title.reserve(field->FTextStr.size());
        // 0x7F is never a trail byte, so dropping it byte by byte keeps every character.
        for (char c : field->FTextStr)
            if (c != kLineBreakByte) title += c;
        return title;
    }
    return {};
}

}  // namespace

CsvTexts FrameToCsvFields(const TCInf& frame, const Date& d, int titleLocation) {
    const int s = frame.STime, e = frame.ETime;
    const Date next = AddDays(d, 1);
    CsvTexts texts;
    texts[static_cast<int>(CsvItem::StartDate)] = CsvDate(s < 2400 ? d : next);
    texts[static_cast<int>(CsvItem::StartTime)] = CsvTime(s);
    texts[static_cast<int>(CsvItem::EndDate)] = CsvDate(s >= 2400 || e >= 2400 ? next : d);
    texts[static_cast<int>(CsvItem::EndTime)] = CsvTime(e);
    texts[static_cast<int>(CsvItem::Title)] = ExportTitle(frame, titleLocation);
    return texts;
}

std::string HeadingLine(const CsvOptions& options) {
    const CsvColumns order = ExportOrder(options.exportCol);
    std::array<std::string_view, kCsvItemCount> names;
    for (int i = 0; i < kCsvItemCount; ++i) names[i] = options.taiou[order[i]];
    return JoinCsvFieldRange(names);
}

std::string DataLine(const CsvTexts& texts, const CsvColumns& order) {
    std::array<std::string_view, kCsvItemCount> columns;
    for (int i = 0; i < kCsvItemCount; ++i) columns[i] = texts[order[i]];
    return JoinCsvFieldRange(columns);
}

int ExportRange::Days() const { return DaySerial(end) - DaySerial(start) + 1; }

ExportRange ExportRangeFor(int viewYear, const ExportChoices& choices) {
    return {choices.from.value_or(Date{viewYear, 1, 1}), choices.to.value_or(Date{viewYear, 12, 31})};
}

int BuildExportLines(const LineStore& store, const RecordContext& context, int viewYear, const CsvOptions& options,
                     const ExportChoices& choices, std::vector<std::string>& lines, const ExportProgress& progress) {
    return BuildExportLines(
        store, context, viewYear, options, choices, [&lines](const std::string& line) { lines.push_back(line); },
        progress);
}

int BuildExportLines(const LineStore& store, const RecordContext& context, int viewYear, const CsvOptions& options,
                     const ExportChoices& choices, const ExportSink& sink, const ExportProgress& progress) {
    int count = 0;
    if (choices.headingLine) {
        sink(HeadingLine(options));
        ++count;
    }
    const CsvColumns order = ExportOrder(options.exportCol);
    const ExportRange range = ExportRangeFor(viewYear, choices);
    const int days = range.Days();
    TCInf frame;  // reused, so its fields keep their storage from line to line
    for (int i = 0; i < days; ++i) {
        const Date d = AddDays(range.start, i);
        if (progress && i % 10 == 0) progress(i, days);
        for (const std::string& line : store.Slot(SlotOfDate(d))) {
            if (!DecodeForExport(line, context.baseYear, frame)) continue;
            sink(DataLine(FrameToCsvFields(frame, d, options.titleLocation), order));
            ++count;
        }
    }
    return count;
}

std::string ExportConfirmationText(int viewYear, const ExportChoices& choices) {
    const ExportRange range = ExportRangeFor(viewYear, choices);
    auto condition = [](const std::optional<Date>& chosen, const Date& fallback) {
        return chosen ? FormatDate(*chosen) : "指定無し ( " + FormatDate(fallback) + " )";
    };
    return "指定された条件によりエキスポートデータの作成を行います。\r\n"
           "\r\n"
           "作成条件\r\n"
           "\r\n"
           "    開始日  　　　　　　　　：　" +
           condition(choices.from, range.start) +
           "\r\n"
           "    終了日 　　　　　　 　　：　" +
           condition(choices.to, range.end) +
           "\r\n"
           "    １行目の列見出し行  ：　" +
           (choices.headingLine ? "出力する" : "出力しない") +
           "\r\n"
           "\r\n"
           "よろしいですか？";
}

std::string ExportProgressText(int day, int days) {
    return "  Export  " + std::to_string(day) + " / " + std::to_string(days);
}

std::string ExportDoneText(int count) {
    if (count == 0) return "エキスポート対象データはありませんでした。";
    return "エキスポートのデータ作成を終了しました。\r\n\r\n    エキスポートデータ行数 = " + std::to_string(count);
}

}  // namespace mv
