#include "io/csv/csvexport.h"

#include <algorithm>
#include <cstdio>

#include "io/csv/csvformat.h"
#include "model/codec.h"
#include "model/dayslot.h"
#include "model/frame.h"
#include "model/keyvalueline.h"
#include "model/linestore.h"
#include "model/recordline.h"

namespace mv {

namespace {

std::string CsvTime(int hhmm) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:00", (hhmm / 100) % 24, hhmm % 100);
    return buffer;
}

std::string ExportTitle(const TCInf& frame, int titleLocation) {
    static const std::string kNakaguro = Sjis("・");
    std::vector<const TFInf*> fields;
    fields.reserve(frame.Fields.size());
    for (const TFInf& field : frame.Fields) fields.push_back(&field);
    std::stable_sort(fields.begin(), fields.end(), [titleLocation](const TFInf* a, const TFInf* b) {
        return titleLocation == 0 ? a->FOff_Y0 < b->FOff_Y0 : a->FOff_Y1 < b->FOff_Y1;
    });
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
    texts[static_cast<int>(CsvItem::StartDate)] = FormatDate(s < 2400 ? d : next);
    texts[static_cast<int>(CsvItem::StartTime)] = CsvTime(s);
    texts[static_cast<int>(CsvItem::EndDate)] = FormatDate(s >= 2400 || e >= 2400 ? next : d);
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
    int count = 0;
    if (choices.headingLine) {
        lines.push_back(HeadingLine(options));
        ++count;
    }
    const CsvColumns order = ExportOrder(options.exportCol);
    const ExportRange range = ExportRangeFor(viewYear, choices);
    const int days = range.Days();
    for (int i = 0; i < days; ++i) {
        const Date d = AddDays(range.start, i);
        if (progress && i % 10 == 0) progress(i, days);
        for (const std::string& line : store.Slot(SlotOfDate(d))) {
            ParsedRecord parsed = ParseRecordLine(line, context);
            if (parsed.kind != ParsedRecord::Kind::Frame) continue;
            lines.push_back(DataLine(FrameToCsvFields(*parsed.frame, d, options.titleLocation), order));
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
