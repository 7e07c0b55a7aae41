#pragma once
// What the CSV definition window keeps in its lists, without widgets: the item cells of the
// import mapping (one per item, built from the column list and read back into ImportCol),
// and the lines of the export order (each carrying its item number out of sight, so the
// list can be reordered and the order read back). Texts are Shift-JIS bytes.
#include <string>
#include <vector>

#include "io/csv/csvoptions.h"

namespace mv {

class Dialogs;

// The mapping cell of each item: a blank and the trimmed column-list line of its column;
// empty when the item is unmapped or its column is beyond the list (the number stays in
// ImportCol).
CsvTexts KeyCellTexts(const CsvColumns& importCol, const std::vector<std::string>& columnLines);
// The cell of one column-list line, as KeyCellTexts builds it.
std::string KeyCellText(const std::string& columnLine);
// ImportCol read back from the cells: an empty cell gives -1, any other the number before
// its first "." minus 1 (-1 when there is no number).
CsvColumns ImportColFromKeyCells(const CsvTexts& cells);
// Puts the cell of `columnLine` on `item` unless some item's cell already shows that line;
// then tells the user and returns false.
bool PlaceKeyCell(CsvTexts& cells, int item, const std::string& columnLine, Dialogs& dialogs);
// Empties the item's cell (the item becomes unmapped). False when it was empty already.
bool ClearKeyCell(CsvTexts& cells, int item);
// The cells of the automatic mapping: every item on the first line holding its heading.
CsvTexts AutoMappedKeyCells(const std::vector<std::string>& columnLines, const CsvTexts& taiou);

// The export list: line i is " ", i + 1, ". ", the heading of item exportCol[i], then 100
// blanks, "#" and the item number.
std::vector<std::string> ExportListLines(const CsvColumns& exportCol, const CsvTexts& taiou);
// The visible part of an export list line (without the padding and the item number).
std::string ExportListCaption(const std::string& line);
// The item number behind a line; -1 when it carries none.
int ExportListItem(const std::string& line);
// Moves line `from` onto line `to`: dropped on a line above it, it goes before that line;
// on a line below it, after that line. Then the lines are numbered 1..n again.
void MoveExportListLine(std::vector<std::string>& lines, int from, int to);
// The lines numbered 1..n again in their order.
void RenumberExportListLines(std::vector<std::string>& lines);
// ExportCol read back from the item numbers behind the lines; a line without one keeps its
// column's own index.
CsvColumns ExportColFromListLines(const std::vector<std::string>& lines);

}  // namespace mv
