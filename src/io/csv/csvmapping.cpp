#include "io/csv/csvmapping.h"

#include <algorithm>
#include <cstdio>

#include "io/csv/csvformat.h"
#include "model/codec.h"
#include "model/keyvalueline.h"
#include "platform/dialogs.h"

namespace mv {

std::vector<std::string> ColumnListLines(const std::vector<std::string>& firstLine, int columnCount) {
    std::vector<std::string> lines;
    for (int column = 0; column < columnCount; ++column) {
        char number[16];
        std::snprintf(number, sizeof number, "%4d. ", column + 1);
        lines.push_back(number + (column < static_cast<int>(firstLine.size()) ? firstLine[column] : std::string()));
    }
    return lines;
}

CsvColumns AutoMapColumns(const std::vector<std::string>& columnLines, const CsvTexts& taiou) {
    CsvColumns mapping{-1, -1, -1, -1, -1};
    for (int item = 0; item < kCsvItemCount; ++item) {
        if (taiou[item].empty()) continue;
        for (std::size_t column = 0; column < columnLines.size(); ++column) {
            if (ContainsText(columnLines[column], taiou[item])) {
                mapping[item] = static_cast<int>(column);
                break;
            }
        }
    }
    return mapping;
}

bool MapColumn(CsvColumns& importCol, int item, int column, const std::vector<std::string>& columnLines,
               Dialogs& dialogs) {
    const int columns = static_cast<int>(columnLines.size());
    if (column < 0 || column >= columns) return false;
    for (int other = 0; other < kCsvItemCount; ++other) {
        if (importCol[other] == column) {
            dialogs.Information(kConfirmCaption, "既に同じ列が選択されています。\r\n\r\n    ＞" +
                                                     ToUtf8(Trim(columnLines[column])));
            return false;
        }
    }
    importCol.at(item) = column;
    return true;
}

void RowTexts(const std::vector<std::string>& fields, const CsvColumns& importCol, CsvTexts& texts) {
    for (int item = 0; item < kCsvItemCount; ++item) {
        const int column = importCol[item];
        if (column >= 0 && column < static_cast<int>(fields.size())) texts[item] = fields[column];
        else texts[item].clear();
    }
}

CsvTexts RowTexts(const std::vector<std::string>& fields, const CsvColumns& importCol) {
    CsvTexts texts;
    RowTexts(fields, importCol, texts);
    return texts;
}

int FrozenLines(int frozenRows, int lineCount) { return std::clamp(frozenRows, 0, std::max(lineCount - 1, 0)); }

std::string AutoMappingQuestion(const CsvTexts& taiou) {
    std::string text = "対応項目の自動設定を行います。\r\n\r\n自動設定を行えるのは１行目の列名称が下記の列です。\r\n\r\n";
    for (int item = 0; item < kCsvItemCount; ++item)
        text += "    " + std::to_string(item + 1) + ".   \"" + ToUtf8(taiou[item]) + "\"\r\n";
    text += "\r\n\r\nよろしいですか？\r\n\r\n\r\n( 列名称は　「列見出し対応表」　タブで設定可能です )\r\n\r\n";
    return text;
}

std::string StartDateRequiredText() {
    return "対応項目の【 開始日 】 を指定して下さい。\r\n\r\n開始日はインポートの必須項目です。";
}

bool CheckStartDateMapped(const CsvColumns& importCol, Dialogs& dialogs) {
    if (importCol[static_cast<int>(CsvItem::StartDate)] >= 0) return true;
    dialogs.Error(kProgramName, StartDateRequiredText());
    return false;
}

}  // namespace mv
