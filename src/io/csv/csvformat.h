#pragma once
// The CSV line format of the program, used by the export, the import, the grid window and
// the command-line parameter: Shift-JIS, one record per line, fields separated by a single
// comma. Writing quotes only fields that hold a comma; reading has no escape for a quote
// inside a quoted section. Both sides scan bytes: Shift-JIS trail bytes are never a comma
// or a double quote.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mv {

class Dialogs;
class Host;

// The fields of one line. An empty or blank line has no fields. A double quote drops what
// stood before it in the field and takes everything up to the next double quote (commas
// included); text after the closing quote is appended to the same field; a quoted section
// without a closing quote swallows the rest of the line and its field is lost.
std::vector<std::string> SplitCsvLine(std::string_view line);
// The same into `fields`, which ends up holding exactly the line's fields; the strings it
// already holds are reused, so splitting many lines into one vector allocates little.
void SplitCsvLine(std::string_view line, std::vector<std::string>& fields);

// The fields joined by ","; a field that holds a comma is enclosed in double quotes, and
// nothing else is changed (double quotes are written as they stand).
std::string JoinCsvFields(const std::vector<std::string>& fields);
template <typename Range>
std::string JoinCsvFieldRange(const Range& fields) {
    std::string line;
    bool first = true;
    for (const auto& field : fields) {
        if (!first) line += ',';
        first = false;
        if (std::string_view(field).find(',') != std::string_view::npos) {
            line += '"';
            line += field;
            line += '"';
        } else {
            line += field;
        }
    }
    return line;
}

// Position of the first occurrence of `needle` in Shift-JIS `text` that starts on a
// character boundary, or npos (a byte search could match from the middle of a character).
std::size_t FindText(std::string_view text, std::string_view needle);
inline bool ContainsText(std::string_view text, std::string_view needle) {
    return FindText(text, needle) != std::string_view::npos;
}

struct CsvFileText {
    std::string text;  // Shift-JIS
    bool utf8 = false;  // the file began with a UTF-8 byte-order mark
    int replaced = 0;   // characters Shift-JIS cannot hold, now "?"
};
// The whole text of a CSV file as Shift-JIS: a file that starts with a UTF-8 byte-order
// mark is taken as UTF-8 and converted; anything else is Shift-JIS already. Nothing when
// the file cannot be read.
std::optional<CsvFileText> ReadCsvText(const std::filesystem::path& path, Host& host);
// The lines of a text, ended by CR, LF or CR LF, as views into it.
std::vector<std::string_view> LineViews(std::string_view text);

struct CsvFileLines {
    std::vector<std::string> lines;  // Shift-JIS
    bool utf8 = false;               // the file began with a UTF-8 byte-order mark
    int replaced = 0;                // characters Shift-JIS cannot hold, now "?"
};

// The lines of a CSV file, read as ReadCsvText reads it.
std::optional<CsvFileLines> ReadCsvFile(const std::filesystem::path& path, Host& host);
// As ReadCsvFile; when characters had to be replaced, tells the user how many.
std::optional<std::vector<std::string>> ReadCsvLines(const std::filesystem::path& path, Host& host,
                                                      Dialogs& dialogs);
// The message about replaced characters (UTF-8).
std::string ReplacedCharactersText(const std::filesystem::path& path, int count);

}  // namespace mv
