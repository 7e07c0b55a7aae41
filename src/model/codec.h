#pragma once
// The one place where text changes between Shift-JIS (code page 932), in which the program
// keeps and stores every text, and UTF-8, in which the rest of the world speaks.

#include <string>
#include <string_view>

namespace mv {

// True for the first byte of a double-byte Shift-JIS character.
constexpr bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// Length in bytes of the character that starts at text[i] (1 or 2; a lead byte at the very
// end of the text counts as 1).
inline std::size_t CharLength(std::string_view text, std::size_t i) {
    return (IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ? 2 : 1;
}

// Shift-JIS bytes to UTF-8. Bytes that form no character become U+FFFD.
std::string ToUtf8(std::string_view cp932);

// UTF-8 to Shift-JIS bytes. Characters Shift-JIS cannot hold (and malformed UTF-8) become
// "?"; their number is added to *replaced when given.
std::string FromUtf8(std::string_view utf8, int* replaced = nullptr);

// A constant compared with stored text, as Shift-JIS bytes.
inline std::string Sjis(std::string_view utf8) { return FromUtf8(utf8); }

}  // namespace mv
