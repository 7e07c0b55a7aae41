#include "io/csv/csvoptions.h"

#include "model/codec.h"
#include "model/keyvalueline.h"

namespace mv {

const std::string& CsvItemName(int item) {
    static const std::array<std::string, kCsvItemCount> kNames = {"1. 開始日", "2. 開始時刻", "3. 終了日",
                                                                  "4. 終了時刻", "5. タイトル"};
    return kNames.at(item);
}

const CsvTexts& DefaultCsvTaiou() {
    static const CsvTexts kDefaults = {Sjis("開始日"), Sjis("開始時刻"), Sjis("終了日"), Sjis("終了時刻"),
                                       Sjis("件名")};
    return kDefaults;
}

const EnvSettings& DefaultEnvSettings() {
    static const EnvSettings kDefaults{};
    return kDefaults;
}

CsvOptions CsvOptionsFromSettings(const EnvSettings& settings) {
    CsvOptions options;
    options.taiou = settings.CsvTaiou;
    options.exportCol = settings.ExportCol;
    options.importCol = settings.ImportCol;
    options.titleLocation = settings.Cmb_TitleLoc;
    options.frozenRows = settings.Cmb_FixedRows;
    return options;
}

void ApplyDefinitionDefaults(CsvOptions& options) {
    if (Trim(options.taiou[0]).empty()) options.taiou = DefaultCsvTaiou();
    for (int i = 0; i < kCsvItemCount; ++i)
        if (options.exportCol[i] < 0) options.exportCol[i] = i;
}

CsvColumns ExportOrder(const CsvColumns& exportCol) {
    CsvColumns order = exportCol;
    for (int i = 0; i < kCsvItemCount; ++i)
        if (order[i] < 0 || order[i] >= kCsvItemCount) order[i] = i;
    return order;
}

}  // namespace mv
