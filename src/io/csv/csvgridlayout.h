#pragma once
// The arithmetic of the CSV grid window without widgets: line numbers with thousands
// separators, how many CSV lines stay frozen at the top, the column widths in characters
// and the file-dialog filter, so the tests and the window agree on them.

#include <cstdint>
#include <string>
#include <vector>

namespace mv {

class CsvTable;

// 1234567 as "1,234,567" (negative numbers keep their sign).
std::string ThousandsText(std::int64_t value);

// The frozen-row choice " 無し" (0) or " n 行" (1-10), as offered by the window.
inline constexpr int kMaxFrozenChoice = 10;

// CSV lines frozen under the field numbers for the choice: never every line of the grid,
// so at most the line count minus one; none for a choice out of range.
int FrozenLinesFor(int choice, int lineCount);

// Width of each field column in widths of "A": the longest text (in bytes, a double-byte
// character being about two letters wide) plus 2, at most kMaxColumnChars, and never
// narrower than the column's number plus 2. A large file is measured on its first
// `sampleLines` lines and about as many more spread evenly over the rest, so the widths
// cost the same for a file of any length.
inline constexpr int kMaxColumnChars = 80;
std::vector<int> CsvColumnChars(const CsvTable& table, int sampleLines = 2000);

// The open and save filter: "(*.csv)|*.csv|(*.*)|*.*", preceded by an entry for the
// proposed file's own extension when it has one (a bare "." is none).
std::string CsvFileFilter(const std::string& proposedUtf8);

}  // namespace mv
