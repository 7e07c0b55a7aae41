#include "model/digits.h"

namespace mv {

namespace {

// |value| as unsigned: the most negative int has no positive int.
unsigned Magnitude(int value) {
    return value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
}

// Number of decimal digits of a magnitude; 0 has none.
int DigitCount(unsigned magnitude) {
    int count = 0;
    for (; magnitude != 0; magnitude /= 10) ++count;
    return count;
}

// `zeros` zeros (if any), then the `count` digits of the magnitude.
char* Finish(char* out, unsigned magnitude, int count, int zeros) {
    for (; zeros > 0; --zeros) *out++ = '0';
    char* end = out + count;
    for (char* at = end; at != out; magnitude /= 10) *--at = static_cast<char>('0' + magnitude % 10);
    return end;
}

}  // namespace

char* WriteDigits(char* out, int value, int minDigits) {
    const unsigned magnitude = Magnitude(value);
    const int count = DigitCount(magnitude);
    if (value < 0) *out++ = '-';
    return Finish(out, magnitude, count, minDigits - count);
}

char* WriteZeroPadded(char* out, int value, int width) {
    const unsigned magnitude = Magnitude(value);
    const int count = magnitude == 0 ? 1 : DigitCount(magnitude);  // 0 is written as "0"
    if (value < 0) *out++ = '-';
    return Finish(out, magnitude, count, width - count - (value < 0 ? 1 : 0));
}

}  // namespace mv

namespace mv {

std::string WithThousands(long long value) {
    const std::string digits = std::to_string(value < 0 ? -value : value);
    std::string out = value < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

}  // namespace mv
