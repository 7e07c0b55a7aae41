#pragma once
// Which CSV column feeds which CSV item on import: the column list the user picks from,
// the automatic mapping by heading names, and the five texts of a row.

#include <string>
#include <vector>

#include "io/csv/csvoptions.h"

namespace mv {

class Dialogs;

// One line per CSV column: the 1-based column number right-aligned in 4 characters, ". "
// and the column's text in the first CSV line (empty when that line is shorter).
std::vector<std::string> ColumnListLines(const std::vector<std::string>& firstLine, int columnCount);

// For each item in order, the first column whose list line contains the item's heading
// name; items with an empty name or no such column stay unmapped (-1). Two items may end
// up on the same column.
CsvColumns AutoMapColumns(const std::vector<std::string>& columnLines, const CsvTexts& taiou);

// Maps `item` to `column` unless another item already shows that column (a mapping beyond
// the columns shows nothing); then tells the user and returns false.
bool MapColumn(CsvColumns& importCol, int item, int column, const std::vector<std::string>& columnLines,
               Dialogs& dialogs);

// Item i's text is the field of its mapped column, empty when unmapped or the row is
// shorter.
CsvTexts RowTexts(const std::vector<std::string>& fields, const CsvColumns& importCol);
// The same into `texts`, reusing its strings' storage.
void RowTexts(const std::vector<std::string>& fields, const CsvColumns& importCol, CsvTexts& texts);

// How many of `lineCount` CSV lines the grid freezes for `frozenRows`: never every line,
// since the grid keeps at least one row that scrolls.
int FrozenLines(int frozenRows, int lineCount);

// Texts of the import tab (UTF-8).
std::string AutoMappingQuestion(const CsvTexts& taiou);
std::string StartDateRequiredText();

// Tells the user and returns false when the start date has no column.
bool CheckStartDateMapped(const CsvColumns& importCol, Dialogs& dialogs);

}  // namespace mv
