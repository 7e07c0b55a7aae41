#pragma once
// What the CSV export and import work with: the five CSV items, the user's column headings,
// column orders and mappings (kept in the settings file and handed in here as plain values),
// and the choices of one export or import run.

#include <array>
#include <optional>
#include <string>

#include "model/date.h"
#include "model/settings.h"

namespace mv {

// The five items, in their fixed internal order.
enum class CsvItem { StartDate = 0, StartTime = 1, EndDate = 2, EndTime = 3, Title = 4 };
inline constexpr int kCsvItemCount = 5;

// One text per CsvItem (Shift-JIS), indexed by the item number.
using CsvTexts = std::array<std::string, kCsvItemCount>;
using CsvColumns = std::array<int, kCsvItemCount>;

// "1. 開始日" ... "5. タイトル" (UTF-8), as the definition window shows the items.
const std::string& CsvItemName(int item);
// "開始日", "開始時刻", "終了日", "終了時刻", "件名" as Shift-JIS bytes.
const CsvTexts& DefaultCsvTaiou();

// The settings of a missing settings file.
const EnvSettings& DefaultEnvSettings();

// The CSV settings, with the defaults a missing settings file gives (the headings as the
// definition window fills in blank ones).
struct CsvOptions {
    CsvTexts taiou = DefaultCsvTaiou();  // CsvTaiou0..4: column heading of each item
    CsvColumns exportCol = DefaultEnvSettings().ExportCol;  // ExportCol0..4: item written in CSV column i
    CsvColumns importCol = DefaultEnvSettings().ImportCol;  // ImportCol0..4: CSV column of item i, -1 unmapped
    int titleLocation = DefaultEnvSettings().Cmb_TitleLoc;  // Cmb_TitleLoc: which field offsets give the display order
    int frozenRows = DefaultEnvSettings().Cmb_FixedRows;    // Cmb_FixedRows: CSV lines of the grid not imported
};

// The CSV settings as the settings hold them; ApplyDefinitionDefaults then does what the
// definition window does with them.
CsvOptions CsvOptionsFromSettings(const EnvSettings& settings);

// What the definition window does to the settings when it is created: blank heading of
// item 0 -> all five headings back to their defaults; export columns below 0 -> their own
// index.
void ApplyDefinitionDefaults(CsvOptions& options);

// The export order in use: entries that name no item (below 0 or above 4) take their
// own column's index, so a damaged settings value can never index past the five items.
CsvColumns ExportOrder(const CsvColumns& exportCol);

// "取り込まない", "置換する", "重複したまま取り込む".
enum class DuplicateRule { Skip, Replace, Keep };

struct ExportChoices {
    std::optional<Date> from;  // Chk_ExpSDate checked: Dpc_ExpSDate
    std::optional<Date> to;    // Chk_ExpEDate checked: Dpc_ExpEDate
    bool headingLine = true;   // Rbt_ExpMidYes
};

struct ImportChoices {
    std::optional<Date> from;  // Chk_ImpSDate checked: Dpc_ImpSDate
    std::optional<Date> to;    // Chk_ImpEDate checked: Dpc_ImpEDate
    DuplicateRule duplicates = DuplicateRule::Replace;
};

}  // namespace mv
