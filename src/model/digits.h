#pragma once
// Decimal numbers written with leading zeros, as printf's "%.Nd" and "%0Nd" write them, but
// without formatted output: dates, times and frame ids are written once per record line,
// and a large import or save writes hundreds of thousands of them.

#include <string>

namespace mv {

// Writes `value` with at least `minDigits` digits (zeros in front, a minus sign before the
// zeros), as "%.Nd" does: -5 with 2 gives "-05"; 0 with 0 gives nothing. Returns the end;
// `out` needs room for 11 characters or minDigits + 1, whichever is more.
char* WriteDigits(char* out, int value, int minDigits);
// Writes `value` zero-padded to `width` characters, the minus sign counted in the width, as
// "%0Nd" does: -5 with 4 gives "-005", 12345 with 4 gives "12345". Returns the end; `out`
// needs room for 11 characters or `width`, whichever is more.
char* WriteZeroPadded(char* out, int value, int width);

// The same appended to a string; minDigits and width up to 20.
inline void AppendDigits(std::string& out, int value, int minDigits) {
    char buffer[32];
    out.append(buffer, WriteDigits(buffer, value, minDigits));
}
inline void AppendZeroPadded(std::string& out, int value, int width) {
    char buffer[32];
    out.append(buffer, WriteZeroPadded(buffer, value, width));
}

}  // namespace mv

namespace mv {

// The text with blanks in front up to `width` characters (bytes), as "%*s" writes it.
inline std::string RightAligned(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

// The number with a "," between every three digits: 1234567 gives "1,234,567".
std::string WithThousands(long long value);

}  // namespace mv
