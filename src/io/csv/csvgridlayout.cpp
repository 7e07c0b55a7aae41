#include "io/csv/csvgridlayout.h"

#include <algorithm>
#include <filesystem>

#include "io/csv/csvtable.h"

namespace mv {

std::string ThousandsText(std::int64_t value) {
    const bool negative = value < 0;
    const unsigned long long magnitude =
        negative ? static_cast<unsigned long long>(-(value + 1)) + 1 : static_cast<unsigned long long>(value);
    const std::string digits = std::to_string(magnitude);
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return negative ? "-" + out : out;
}

int FrozenLinesFor(int choice, int lineCount) {
    if (choice <= 0 || choice > kMaxFrozenChoice || lineCount <= 1) return 0;
    return std::min(choice, lineCount - 1);
}

std::vector<int> CsvColumnChars(const CsvTable& table, int sampleLines) {
    const int columns = table.ColumnCount();
    std::vector<int> chars(static_cast<std::size_t>(columns));
    for (int column = 0; column < columns; ++column)
        chars[column] = static_cast<int>(std::to_string(column + 1).size()) + 2;
    const auto measure = [&](int line) {
        const int count = table.FieldCount(line);
        for (int column = 0; column < count; ++column) {
            const std::size_t length = table.Field(line, column).size();
            const int wanted = static_cast<int>(std::min<std::size_t>(length + 2, kMaxColumnChars));
            chars[column] = std::max(chars[column], wanted);
        }
    };
    const int lines = table.LineCount();
    sampleLines = std::max(sampleLines, 1);
    const int head = std::min(lines, sampleLines);
    for (int line = 0; line < head; ++line) measure(line);
    if (lines > head) {
        // The rest in even steps, the last line included.
        const double step = static_cast<double>(lines - head) / sampleLines;
        for (int k = 1; k <= sampleLines; ++k) measure(std::min(lines - 1, head - 1 + static_cast<int>(k * step + 0.5)));
    }
    return chars;
}

std::string CsvFileFilter(const std::string& proposedUtf8) {
    const std::string base = "(*.csv)|*.csv|(*.*)|*.*";
    const std::u8string wide = std::filesystem::path(std::u8string(proposedUtf8.begin(), proposedUtf8.end())).extension().u8string();
    const std::string extension(wide.begin(), wide.end());
    if (extension.empty() || extension == ".") return base;
    return "(*" + extension + ")|*" + extension + "|" + base;
}

}  // namespace mv
