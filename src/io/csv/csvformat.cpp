#include "io/csv/csvformat.h"

#include <algorithm>
#include <cstring>

#include "model/codec.h"
#include "model/designfile.h"
#include "model/keyvalueline.h"
#include "model/textfile.h"
#include "platform/dialogs.h"

namespace mv {

namespace {
void GrowFields(std::vector<std::string>& fields) { fields.emplace_back(); }
}  // namespace

void SplitCsvLine(std::string_view line, std::vector<std::string>& fields) {
    std::size_t count = 0;
    if (Trim(line).empty()) {
        fields.clear();
        return;
    }
    // Starts the next field in the next string of `fields`, keeping that string's storage.
    // Lines of a file mostly have as many fields as the line before, so the vector rarely
    // grows; the growing stays out of the way of the common case.
    auto nextField = [&]() -> std::string& {
        if (count == fields.size()) [[unlikely]]
            GrowFields(fields);
        std::string& field = fields[count++];
        field.clear();
        return field;
    };
    // The line is scanned as if a comma followed it, so the last field is ended like the
    // others: the field in the making is already counted and simply stays.
    std::string* field = &nextField();
    std::size_t i = 0;
    const std::size_t n = line.size();
    // The next comma and the next double quote are each found with memchr and kept until
    // passed (n when there is none), so plain text is skipped at memchr's speed.
    auto next = [&line, n](char c, std::size_t from) {
        const void* found = std::memchr(line.data() + from, c, n - from);
        return found ? static_cast<std::size_t>(static_cast<const char*>(found) - line.data()) : n;
    };
    std::size_t comma = next(',', 0);
    std::size_t quote = next('"', 0);
    while (i < n) {
        if (comma < i) comma = next(',', i);
        if (quote < i) quote = next('"', i);
        if (comma == i) {
            field = &nextField();
            ++i;
        } else if (quote == i) {
            field->clear();
            const std::size_t close = next('"', i + 1);
            if (close == n) {
                // No closing quote: the section runs to the end and its field is never ended.
                --count;
                break;
            }
            field->append(line.substr(i + 1, close - i - 1));
            i = close + 1;
        } else {
            // Plain text up to the next comma or quote in one piece.
            const std::size_t end = std::min(comma, quote);
            field->append(line.substr(i, end - i));
            i = end;
        }
    }
    fields.resize(count);
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

std::optional<CsvFileText> ReadCsvText(const std::filesystem::path& path, Host& host) {
    auto bytes = ReadFileBytes(path, host);
    if (!bytes) return std::nullopt;
    CsvFileText file;
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (std::string_view(*bytes).substr(0, kBom.size()) == kBom) {
        file.utf8 = true;
        file.text = FromUtf8(std::string_view(*bytes).substr(kBom.size()), &file.replaced);
    } else {
        file.text = std::move(*bytes);
    }
    return file;
}

std::vector<std::string_view> LineViews(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    const std::size_t n = text.size();
    while (start < n) {
        std::size_t end = start;
        while (end < n && text[end] != '\r' && text[end] != '\n') ++end;
        if (end == n) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    return lines;
}

std::optional<CsvFileLines> ReadCsvFile(const std::filesystem::path& path, Host& host) {
    auto text = ReadCsvText(path, host);
    if (!text) return std::nullopt;
    CsvFileLines file;
    file.utf8 = text->utf8;
    file.replaced = text->replaced;
    for (std::string_view line : LineViews(text->text)) file.lines.emplace_back(line);
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
