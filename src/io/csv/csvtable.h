#pragma once
// The lines of a CSV file as a table of fields, for the CSV grid window, the import from
// it and the writing of it. Fields are kept unescaped, back to back in one buffer with
// their ends, so a large file costs about its own size plus four bytes per field rather
// than a string object per cell. Texts are Shift-JIS bytes.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace mv {

class Host;

// Called every 1,000th line with the line index (0-based) and the line count.
using CsvTableProgress = std::function<void(int line, int count)>;

class CsvTable {
public:
    // Reads the file's lines (a UTF-8 file with a byte-order mark is converted, its
    // characters without a Shift-JIS form counted in `replaced`). False when it cannot be
    // read; the table is then empty.
    bool LoadFile(const std::filesystem::path& path, Host& host, const CsvTableProgress& progress = {},
                  int* replaced = nullptr);
    // Takes lines already made (the export's); stops at 4 GB of text.
    void LoadLines(const std::vector<std::string>& lines, const CsvTableProgress& progress = {});
    void Clear();

    int LineCount() const { return static_cast<int>(mLineStarts.size()) - 1; }
    // The largest field count of any line.
    int ColumnCount() const { return mColumns; }
    int FieldCount(int line) const;
    // Empty past the line's fields.
    std::string_view Field(int line, int column) const;
    // The line's own fields (as many as it has).
    void Fields(int line, std::vector<std::string>& fields) const;
    // The line written back: its fields and empty ones up to the column count, joined.
    std::string JoinedLine(int line) const;
    // Length of the lines as read plus two per line (their line ends).
    std::uint64_t TotalSize() const { return mTotalSize; }

private:
    bool Add(std::string_view line, std::vector<std::string>& scratch);

    std::string mText;                            // every field, unescaped, back to back
    std::vector<std::uint32_t> mFieldEnds;        // end of each field in mText
    std::vector<std::uint32_t> mLineStarts{0};    // index of each line's first field; one more at the end
    int mColumns = 0;
    std::uint64_t mTotalSize = 0;
};

}  // namespace mv
