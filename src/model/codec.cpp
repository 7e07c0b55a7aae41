#include "model/codec.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

#include <cerrno>
#include <mutex>
#include <stdexcept>

namespace mv {

#ifndef _WIN32
namespace {

// Converts with iconv; on an unconvertible or malformed input sequence, writes the
// replacement and skips one input character (its length given by skipLength).
template <typename SkipLength>
std::string Convert(const char* to, const char* from, std::string_view in, std::string_view replacement,
                    SkipLength skipLength, int* replaced) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert between CP932 and UTF-8");
    std::string out;
    out.resize(in.size() * 2 + 16);
    char* inPtr = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    while (inLeft > 0) {
        size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        if (rc != static_cast<size_t>(-1)) break;
        if (errno == E2BIG || outLeft < replacement.size()) {
            size_t used = out.size() - outLeft;
            out.resize(out.size() * 2);
            outPtr = out.data() + used;
            outLeft = out.size() - used;
            continue;
        }
        // EILSEQ or EINVAL: replace one character and go on.
        size_t skip = skipLength(std::string_view(inPtr, inLeft));
        inPtr += skip;
        inLeft -= skip;
        for (char c : replacement) *outPtr++ = c, --outLeft;
        if (replaced) ++*replaced;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(out.size() - outLeft);
    iconv_close(cd);
    return out;
}

size_t Utf8SequenceLength(std::string_view s) {
    unsigned char c = static_cast<unsigned char>(s[0]);
    size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 1;
    if (n > s.size()) return 1;
    for (size_t i = 1; i < n; ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return 1;
    return n;
}

}  // namespace

std::string ToUtf8(std::string_view cp932) {
    bool ascii = true;
    for (char c : cp932) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) return std::string(cp932);
    return Convert("UTF-8", "CP932", cp932, "\xEF\xBF\xBD",
                   [](std::string_view s) { return CharLength(s, 0); }, nullptr);
}

std::string FromUtf8(std::string_view utf8, int* replaced) {
    bool ascii = true;
    for (char c : utf8) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) return std::string(utf8);
    return Convert("CP932", "UTF-8", utf8, "?", Utf8SequenceLength, replaced);
}

#else

std::string ToUtf8(std::string_view cp932) {
    if (cp932.empty()) return {};
    int wlen = MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), nullptr, 0);
    std::wstring wide(wlen, L'\0');
    MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), wide.data(), wlen);
    int len = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wlen, nullptr, 0, nullptr, nullptr);
    std::string out(len, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wlen, out.data(), len, nullptr, nullptr);
    return out;
}

std::string FromUtf8(std::string_view utf8, int* replaced) {
    if (utf8.empty()) return {};
    int wlen = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(wlen, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), wlen);
    BOOL usedDefault = FALSE;
    int len = WideCharToMultiByte(932, 0, wide.data(), wlen, nullptr, 0, "?", &usedDefault);
    std::string out(len, '\0');
    WideCharToMultiByte(932, 0, wide.data(), wlen, out.data(), len, "?", &usedDefault);
    if (replaced && usedDefault) {
        // Count the characters that came out as "?" without being "?" before.
        int before = 0, after = 0;
        for (wchar_t c : wide) before += c == L'?';
        for (char c : out) after += c == '?';
        *replaced += after - before;
    }
    return out;
}

#endif

}  // namespace mv
