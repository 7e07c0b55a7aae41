#include "io/csv/csvtable.h"

#include <algorithm>

#include "io/csv/csvformat.h"
#include "io/csv/csvlinereader.h"

namespace mv {

namespace {
constexpr int kProgressLines = 1000;
}

void CsvTable::Clear() {
    mText.clear();
    mFieldEnds.clear();
    mLineStarts.assign(1, 0);
    mColumns = 0;
    mTotalSize = 0;
}

bool CsvTable::Add(std::string_view line, std::vector<std::string>& scratch) {
    // Field ends are 32-bit: a table past 4 GB of text is refused rather than wrapped.
    if (mText.size() + line.size() >= UINT32_MAX) return false;
    SplitCsvLine(line, scratch);
    for (const std::string& field : scratch) {
        mText += field;
        mFieldEnds.push_back(static_cast<std::uint32_t>(mText.size()));
    }
    mLineStarts.push_back(static_cast<std::uint32_t>(mFieldEnds.size()));
    mColumns = std::max(mColumns, static_cast<int>(scratch.size()));
    mTotalSize += line.size() + 2;
    return true;
}

bool CsvTable::LoadFile(const std::filesystem::path& path, Host& host, const CsvTableProgress& progress,
                        int* replaced) {
    Clear();
    CsvLineReader reader;
    if (!reader.Open(path, host)) return false;
    if (replaced) *replaced = reader.Replaced();
    const int count = reader.Count();
    mLineStarts.reserve(static_cast<std::size_t>(count) + 1);
    std::vector<std::string> scratch;
    for (int i = 0; i < count; ++i) {
        if (progress && i % kProgressLines == 0) progress(i, count);
        if (!Add(reader.Line(i), scratch)) {
            Clear();
            return false;
        }
    }
    return true;
}

void CsvTable::LoadLines(const std::vector<std::string>& lines, const CsvTableProgress& progress) {
    Clear();
    mLineStarts.reserve(lines.size() + 1);
    std::vector<std::string> scratch;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (progress && i % kProgressLines == 0) progress(static_cast<int>(i), static_cast<int>(lines.size()));
        if (!Add(lines[i], scratch)) return;
    }
}

int CsvTable::FieldCount(int line) const {
    if (line < 0 || line >= LineCount()) return 0;
    return static_cast<int>(mLineStarts[line + 1] - mLineStarts[line]);
}

std::string_view CsvTable::Field(int line, int column) const {
    if (column < 0 || column >= FieldCount(line)) return {};
    const std::size_t index = mLineStarts[line] + static_cast<std::size_t>(column);
    const std::size_t begin = index == 0 ? 0 : mFieldEnds[index - 1];
    return std::string_view(mText).substr(begin, mFieldEnds[index] - begin);
}

void CsvTable::Fields(int line, std::vector<std::string>& fields) const {
    const int count = FieldCount(line);
    fields.resize(static_cast<std::size_t>(count));
    for (int column = 0; column < count; ++column) fields[column].assign(Field(line, column));
}

std::string CsvTable::JoinedLine(int line) const {
    std::vector<std::string_view> fields(static_cast<std::size_t>(mColumns));
    for (int column = 0; column < FieldCount(line); ++column) fields[column] = Field(line, column);
    return JoinCsvFieldRange(fields);
}

}  // namespace mv
