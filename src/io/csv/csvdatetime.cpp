#include "io/csv/csvdatetime.h"

#include <array>

#include "model/keyvalueline.h"

namespace mv {

namespace {

bool OnlyDigitsAnd(std::string_view text, char separator, bool& hasSeparator, bool& hasDigit) {
    hasSeparator = hasDigit = false;
    for (char c : text) {
        if (c == separator) hasSeparator = true;
        else if (c >= '0' && c <= '9') hasDigit = true;
        else return false;
    }
    return true;
}

// A run of digits as a number; an empty run is 0 (a missing part), a run too long for any
// date or time is refused.
std::optional<int> Number(std::string_view digits) {
    if (digits.size() > 9) return std::nullopt;
    int value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return value;
}

// The first three parts of text split at `separator`; missing parts are empty.
std::array<std::string_view, 3> FirstThreeParts(std::string_view text, char separator) {
    std::array<std::string_view, 3> parts{};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        std::size_t end = text.find(separator);
        parts[i] = text.substr(0, end);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return parts;
}

// Fixed-width pieces of a digit string; pieces past its end are empty.
std::string_view Piece(std::string_view digits, std::size_t at, std::size_t length) {
    if (at >= digits.size()) return {};
    return digits.substr(at, length);
}

}  // namespace

std::optional<Date> NormalizeCsvDate(std::string_view text) {
    text = Trim(text);
    bool slashed = false, hasDigit = false;
    if (!OnlyDigitsAnd(text, '/', slashed, hasDigit) || !hasDigit) return std::nullopt;
    std::array<std::string_view, 3> parts;
    if (slashed) {
        parts = FirstThreeParts(text, '/');
        if (parts[0].empty()) return std::nullopt;
    } else if (text.size() >= 8) {
        parts = {text.substr(0, 4), text.substr(4, 2), text.substr(6, 2)};
    } else {
        parts = {Piece(text, 0, 2), Piece(text, 2, 2), Piece(text, 4, 2)};
    }
    auto year = Number(parts[0]), month = Number(parts[1]), day = Number(parts[2]);
    if (!year || !month || !day) return std::nullopt;
    int y = *year;
    if (y < 100) y += y >= 30 ? 1900 : 2000;
    if (!IsValidDate(y, *month, *day)) return std::nullopt;
    return Date{y, *month, *day};
}

std::optional<int> NormalizeCsvTime(std::string_view text) {
    text = Trim(text);
    bool colons = false, hasDigit = false;
    if (!OnlyDigitsAnd(text, ':', colons, hasDigit) || !hasDigit) return std::nullopt;
    std::array<std::string_view, 3> parts;
    std::string padded;
    if (colons) {
        parts = FirstThreeParts(text, ':');
    } else {
        if (text.size() == 3) {
            padded = "0" + std::string(text);
            text = padded;
        }
        parts = {Piece(text, 0, 2), Piece(text, 2, 2), Piece(text, 4, 2)};
    }
    auto hour = Number(parts[0]), minute = Number(parts[1]), second = Number(parts[2]);
    if (!hour || !minute || !second || *minute >= 60 || *second >= 60) return std::nullopt;
    return (*hour % 24) * 10000 + *minute * 100 + *second;
}

void AppendCsvDate(std::string& out, const Date& date) {
    if (date.year < 0 || date.year > 9999 || date.month < 0 || date.month > 99 || date.day < 0 || date.day > 99) {
        out += FormatDate(date);
        return;
    }
    char text[10];
    auto two = [&text](int at, int value) {
        text[at] = static_cast<char>('0' + value / 10);
        text[at + 1] = static_cast<char>('0' + value % 10);
    };
    two(0, date.year / 100);
    two(2, date.year % 100);
    text[4] = '/';
    two(5, date.month);
    text[7] = '/';
    two(8, date.day);
    out.append(text, sizeof text);
}

}  // namespace mv
