#include "model/keyvalueline.h"

#include <charconv>
#include <cstring>
#include <limits>

#include "model/codec.h"

namespace mv {

namespace {
constexpr char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool EqualsUpper(std::string_view text, std::string_view upper) {
    if (text.size() != upper.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A lead byte's partner is never upper-cased; keys are ASCII so a double-byte
        // character in `text` can never equal them anyway.
        if (Upper(text[i]) != upper[i]) return false;
    }
    return true;
}

// A key trimmed and upper-cased, kept in place: keys are short names, and a lookup is made
// for every item of every line read, so it should not allocate.
class UpperKey {
public:
    explicit UpperKey(std::string_view key) {
        key = Trim(key);
        char* out = mShort;
        if (key.size() > sizeof mShort) {
            mLong.resize(key.size());
            out = mLong.data();
        }
        for (std::size_t i = 0; i < key.size(); ++i) out[i] = Upper(key[i]);
        mView = std::string_view(out, key.size());
    }
    UpperKey(const UpperKey&) = delete;
    UpperKey& operator=(const UpperKey&) = delete;
    operator std::string_view() const { return mView; }

private:
    char mShort[40];
    std::string mLong;
    std::string_view mView;
};
}  // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    auto upper = [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; };
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i])) return false;
    return true;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= 0x20) text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 0x20) text.remove_suffix(1);
    return text;
}

namespace {
// True when position i starts a character. The bytes before it that could be lead bytes
// pair up as lead and trail from the last byte that cannot be a lead byte; an odd run means
// the byte before i is a lead byte and i its trail byte.
bool StartsCharacter(std::string_view line, std::size_t i) {
    std::size_t run = 0;
    while (run < i && IsLeadByte(static_cast<unsigned char>(line[i - run - 1]))) ++run;
    return run % 2 == 0;
}
}  // namespace

std::size_t FindKey(std::string_view line, std::string_view upperNeedle, std::size_t from) {
    if (upperNeedle.empty()) return std::string_view::npos;
    const std::size_t n = upperNeedle.size();
    // Keys hold a byte that is not a letter ("_", "="), which has one case: candidates are
    // found by a vectorised search for it, which keeps reading a long line cheap when it is
    // searched once for every item.
    std::size_t pivot = 0;
    while (pivot < n && upperNeedle[pivot] >= 'A' && upperNeedle[pivot] <= 'Z') ++pivot;
    if (pivot < n) {
        const char mark = upperNeedle[pivot];
        for (std::size_t i = from; i + n <= line.size();) {
            const void* hit = std::memchr(line.data() + i + pivot, mark, line.size() - n + 1 - i);
            if (!hit) break;
            const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(hit) - line.data()) - pivot;
            std::size_t k = 0;
            while (k < n && Upper(line[at + k]) == upperNeedle[k]) ++k;
            if (k == n && StartsCharacter(line, at)) return at;
            i = at + 1;
        }
        return std::string_view::npos;
    }
    const char first = upperNeedle.front();
    const char lowerFirst = (first >= 'A' && first <= 'Z') ? static_cast<char>(first - 'A' + 'a') : first;
    // Candidates are found byte by byte and only then checked to start a character, which
    // keeps the scan a tight loop: keys are ASCII, so a match never holds a lead byte.
    for (std::size_t i = from; i + n <= line.size(); ++i) {
        const char c = line[i];
        if (c != first && c != lowerFirst) continue;
        std::size_t k = 1;
        while (k < n && Upper(line[i + k]) == upperNeedle[k]) ++k;
        if (k == n && StartsCharacter(line, i)) return i;
    }
    return std::string_view::npos;
}

std::optional<std::string_view> FindValue(std::string_view line, std::string_view key, std::string_view separator) {
    const UpperKey upperKey(key);
    const std::size_t at = FindKey(line, upperKey);
    if (at == std::string_view::npos) return std::nullopt;
    if (at > 0) {
        char before = line[at - 1];
        if (before != ',' && before != '#' && before != ' ') return std::nullopt;
    }
    std::string_view rest = Trim(line.substr(at));
    std::size_t eq = rest.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    if (!EqualsUpper(Trim(rest.substr(0, eq)), upperKey)) return std::nullopt;
    std::string_view value = Trim(rest.substr(eq + 1));
    if (separator.empty()) return value;
    std::size_t end = value.find(separator);
    if (end == std::string_view::npos) return std::nullopt;
    return Trim(value.substr(0, end));
}

std::optional<std::string_view> LineItemValue(std::string_view line, std::string_view key) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos || !EqualsUpper(Trim(line.substr(0, eq)), UpperKey(key))) return std::nullopt;
    return Trim(line.substr(eq + 1));
}

std::optional<int> ParseInt(std::string_view text) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

bool GetText(std::string_view line, std::string_view key, std::string_view separator, std::string& value) {
    auto found = FindValue(line, key, separator);
    if (!found) return false;
    value.assign(*found);
    return true;
}

bool GetInt(std::string_view line, std::string_view key, std::string_view separator, int& value) {
    auto found = FindValue(line, key, separator);
    if (!found) return false;
    auto number = ParseInt(*found);
    if (!number) return false;
    value = *number;
    return true;
}

bool GetBool(std::string_view line, std::string_view key, std::string_view separator, bool& value) {
    auto found = FindValue(line, key, separator);
    if (!found) return false;
    value = EqualsUpper(*found, "TRUE");
    return true;
}

bool GetDate(std::string_view line, std::string_view key, std::string_view separator, Date& value) {
    auto found = FindValue(line, key, separator);
    if (!found) return false;
    auto date = ParseDate(*found);
    if (!date) return false;
    value = *date;
    return true;
}

bool GetRect(std::string_view line, std::string_view key, std::string_view separator, Rect& value) {
    auto found = FindValue(line, key, separator);
    if (!found) return false;
    int parts[4];
    std::string_view rest = *found;
    for (int i = 0; i < 4; ++i) {
        std::size_t comma = rest.find(',');
        if ((comma == std::string_view::npos) != (i == 3)) return false;
        auto number = ParseInt(rest.substr(0, comma));
        if (!number) return false;
        parts[i] = *number;
        if (comma != std::string_view::npos) rest.remove_prefix(comma + 1);
    }
    value = {parts[0], parts[1], parts[2], parts[3]};
    return true;
}

std::string TextItem(std::string_view key, std::string_view text) {
    std::string item(Trim(key));
    item += '=';
    item += text;
    return item;
}

std::string IntItem(std::string_view key, int value) { return TextItem(key, std::to_string(value)); }

std::string BoolItem(std::string_view key, bool value) { return TextItem(key, value ? "True" : "False"); }

std::string DateItem(std::string_view key, const Date& value) { return TextItem(key, FormatDate(value)); }

std::string RectItem(std::string_view key, const Rect& value) {
    return TextItem(key, std::to_string(value.top) + "," + std::to_string(value.left) + "," +
                             std::to_string(value.width) + "," + std::to_string(value.height));
}

std::string StripTrailingBreaks(std::string_view text) {
    while (!text.empty() && text.back() == kLineBreakByte) text.remove_suffix(1);
    return std::string(text);
}

std::string BreaksToCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == kLineBreakByte) out += "\r\n";
        else out += c;
    }
    return out;
}

std::string CrLfToBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += kLineBreakByte;
            ++i;
        } else if (text[i] == '\n' || text[i] == '\r') {
            out += kLineBreakByte;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace mv
