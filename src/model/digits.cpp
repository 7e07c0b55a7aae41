#include "model/digits.h"

namespace mv {

namespace {

// The digits of |value|, last digit first; the count (0 for 0). Works for the most
// negative int too, whose magnitude an int cannot hold.
int ReversedDigits(int value, char (&digits)[10]) {
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    int count = 0;
    while (magnitude != 0) {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    }
    return count;
}

char* Finish(char* out, const char (&digits)[10], int count, int zeros) {
    for (; zeros > 0; --zeros) *out++ = '0';
    while (count > 0) *out++ = digits[--count];
    return out;
}

}  // namespace

char* WriteDigits(char* out, int value, int minDigits) {
    char digits[10];
    const int count = ReversedDigits(value, digits);
    if (value < 0) *out++ = '-';
    return Finish(out, digits, count, minDigits - count);
}

char* WriteZeroPadded(char* out, int value, int width) {
    char digits[10];
    int count = ReversedDigits(value, digits);
    if (count == 0) digits[count++] = '0';  // the one digit of 0
    if (value < 0) *out++ = '-';
    return Finish(out, digits, count, width - count - (value < 0 ? 1 : 0));
}

}  // namespace mv
