#include "io/csv/csvformat.h"

#include "model/codec.h"
#include "model/designfile.h"
#include "model/keyvalueline.h"
#include "model/textfile.h"
#include "platform/dialogs.h"

namespace mv {

void SplitCsvLine(std::string_view line, std::vector<std::string>& fields) {
    fields.clear();
    if (Trim(line).empty()) return;
    // The line is scanned as if a comma followed it, so the last field is ended like the
    // others.
    std::string field;
    std::size_t i = 0;
    const std::size_t n = line.size();
    while (i <= n) {
        if (i == n) {
            fields.push_back(std::move(field));
            break;
        }
        const char c = line[i];
        if (c == ',') {
            fields.push_back(std::move(field));
            field.clear();
            ++i;
        } else if (c == '"') {
            field.clear();
            const std::size_t close = line.find('"', i + 1);
            // No closing quote: the section runs to the end and its field is never ended.
            if (close == std::string_view::npos) break;
            field.append(line.substr(i + 1, close - i - 1));
            i = close + 1;
        } else {
            // Plain text up to the next comma or quote in one piece.
            std::size_t end = line.find_first_of(",\"", i);
            if (end == std::string_view::npos) end = n;
            field.append(line.substr(i, end - i));
            i = end;
        }
    }
}

std::vector<std::string> SplitCsvLine(std::string_view line) {
    std::vector<std::string> fields;
    SplitCsvLine(line, fields);
    return fields;
}

std::string JoinCsvFields(const std::vector<std::string>& fields) { return JoinCsvFieldRange(fields); }

std::size_t FindText(std::string_view text, std::string_view needle) {
    if (needle.empty()) return 0;
    for (std::size_t i = 0; i + needle.size() <= text.size(); i += CharLength(text, i))
        if (text.compare(i, needle.size(), needle) == 0) return i;
    return std::string_view::npos;
}

std::optional<CsvFileLines> ReadCsvFile(const std::filesystem::path& path, Host& host) {
    auto bytes = ReadFileBytes(path, host);
    if (!bytes) return std::nullopt;
    CsvFileLines file;
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (std::string_view(*bytes).substr(0, kBom.size()) == kBom) {
        file.utf8 = true;
        file.lines = SplitLines(FromUtf8(std::string_view(*bytes).substr(kBom.size()), &file.replaced));
    } else {
        file.lines = SplitLines(*bytes);
    }
    return file;
}

std::string ReplacedCharactersText(const std::filesystem::path& path, int count) {
    return "UTF-8 のＣＳＶファイルを Shift-JIS に変換して読み込みました。\r\n\r\n"
           "    Shift-JIS で表せない文字 " +
           std::to_string(count) + " 個を \"?\" に置き換えました。\r\n\r\n     PATH = " + PathText(path);
}

std::optional<std::vector<std::string>> ReadCsvLines(const std::filesystem::path& path, Host& host,
                                                      Dialogs& dialogs) {
    auto file = ReadCsvFile(path, host);
    if (!file) return std::nullopt;
    if (file->replaced > 0)
        dialogs.Information(kConfirmCaption, ReplacedCharactersText(path, file->replaced));
    return std::move(file->lines);
}

}  // namespace mv
