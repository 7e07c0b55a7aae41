#include "io/csv/csvdatetime.h"

#include "model/keyvalueline.h"

namespace mv {

namespace {

// A number of at most nine digits; longer runs fit no date or time and are refused.
constexpr int kMaxPartDigits = 9;

// The first three parts of text split at `separator`, as numbers (a missing or empty part
// is 0), read in the same pass that checks the text holds only digits and separators.
struct Parts {
    int value[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    bool separated = false;
    bool hasDigit = false;
};

bool ReadParts(std::string_view text, char separator, Parts& parts) {
    // The part in the making is kept in locals and stored at its end: this runs for every
    // date and time of an import.
    int part = 0, value = 0, digits = 0, allDigits = 0;
    for (char c : text) {
        const unsigned digit = static_cast<unsigned char>(c) - static_cast<unsigned>('0');
        if (digit <= 9) {
            if (digits < kMaxPartDigits) value = value * 10 + static_cast<int>(digit);
            ++digits;
        } else if (c == separator) {
            if (part < 3) parts.value[part] = value, parts.digits[part] = digits;
            allDigits += digits;
            ++part;
            value = digits = 0;
            parts.separated = true;
        } else {
            return false;
        }
    }
    if (part < 3) parts.value[part] = value, parts.digits[part] = digits;
    allDigits += digits;
    parts.hasDigit = allDigits > 0;
    return parts.hasDigit;
}

bool PartsTooLong(const Parts& parts) {
    return parts.digits[0] > kMaxPartDigits || parts.digits[1] > kMaxPartDigits || parts.digits[2] > kMaxPartDigits;
}

// The number written by `length` digits of an all-digit text from `at`; the digits past its
// end count as missing (0 when none are left).
int Piece(std::string_view digits, std::size_t at, std::size_t length) {
    int value = 0;
    for (std::size_t i = at; i < at + length && i < digits.size(); ++i) value = value * 10 + (digits[i] - '0');
    return value;
}

// True when the `length` bytes from `at` are all digits.
bool DigitsAt(std::string_view text, std::size_t at, std::size_t length) {
    for (std::size_t i = at; i < at + length; ++i)
        if (static_cast<unsigned char>(text[i]) - static_cast<unsigned>('0') > 9) return false;
    return true;
}

}  // namespace

std::optional<Date> NormalizeCsvDate(std::string_view text) {
    text = Trim(text);
    int y, m, d;
    Parts parts;
    if (text.size() == 10 && text[4] == '/' && text[7] == '/' && DigitsAt(text, 0, 4) && DigitsAt(text, 5, 2) &&
        DigitsAt(text, 8, 2)) {
        // "YYYY/MM/DD", as exports write dates: read as the general rules below read it.
        y = Piece(text, 0, 4), m = Piece(text, 5, 2), d = Piece(text, 8, 2);
    } else if (!ReadParts(text, '/', parts)) {
        return std::nullopt;
    } else if (parts.separated) {
        if (parts.digits[0] == 0 || PartsTooLong(parts)) return std::nullopt;
        y = parts.value[0], m = parts.value[1], d = parts.value[2];
    } else if (text.size() >= 8) {
        y = Piece(text, 0, 4), m = Piece(text, 4, 2), d = Piece(text, 6, 2);
    } else {
        y = Piece(text, 0, 2), m = Piece(text, 2, 2), d = Piece(text, 4, 2);
    }
    if (y < 100) y += y >= 30 ? 1900 : 2000;
    if (!IsValidDate(y, m, d)) return std::nullopt;
    return Date{y, m, d};
}

std::optional<int> NormalizeCsvTime(std::string_view text) {
    text = Trim(text);
    int hour, minute, second;
    Parts parts;
    if ((text.size() == 5 || (text.size() == 8 && text[5] == ':' && DigitsAt(text, 6, 2))) && text[2] == ':' &&
        DigitsAt(text, 0, 2) && DigitsAt(text, 3, 2)) {
        // "HH:MM" and "HH:MM:SS", the usual forms: read as the general rules below read them.
        hour = Piece(text, 0, 2), minute = Piece(text, 3, 2), second = text.size() == 8 ? Piece(text, 6, 2) : 0;
    } else if (!ReadParts(text, ':', parts)) {
        return std::nullopt;
    } else if (parts.separated) {
        if (PartsTooLong(parts)) return std::nullopt;
        hour = parts.value[0], minute = parts.value[1], second = parts.value[2];
    } else {
        // A three-digit time has its hour's leading 0 left out ("930").
        const std::size_t shift = text.size() == 3 ? 1 : 0;
        hour = Piece(text, 0, 2 - shift), minute = Piece(text, 2 - shift, 2), second = Piece(text, 4 - shift, 2);
    }
    if (minute >= 60 || second >= 60) return std::nullopt;
    return (hour % 24) * 10000 + minute * 100 + second;
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
