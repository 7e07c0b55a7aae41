#pragma once
// Lines of key=value items, the building block of every stored text: the separated form
// (each item followed by "%!#") and the plain form (one item on the line). Lines hold
// Shift-JIS bytes; key search is case-insensitive for single-byte letters only and never
// starts inside a double-byte character, and values are cut from the line as it stands.

#include <optional>
#include <string>
#include <string_view>

#include "model/date.h"

namespace mv {

inline constexpr std::string_view kSep = "%!#";
inline constexpr std::string_view kPlain = "";

// Multi-line texts keep each line break as this one byte.
inline constexpr char kLineBreakByte = 0x7F;

struct Rect {
    int top = 0, left = 0, width = 0, height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Blanks and control characters (bytes up to 0x20) removed from both ends.
std::string_view Trim(std::string_view text);

// Equal with ASCII letters folded. Keys are ASCII, so comparing a key cut from a line byte
// by byte cannot match from the middle of a double-byte character.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// Position of the first case-insensitive occurrence of an ASCII needle that starts on a
// character boundary, or npos.
std::size_t FindKey(std::string_view line, std::string_view upperNeedle, std::size_t from = 0);

// The raw value of `key`, or nothing when the item is not found (see FindKey and the
// lookup rules in the implementation).
std::optional<std::string_view> FindValue(std::string_view line, std::string_view key, std::string_view separator);

// The value of a line holding one plain item whose key is `key`: the line's key is the text
// before its first "=", so a key that only occurs inside a value (a title "番組表 #BaseYYYY=5")
// never matches. Nothing when the line is another item.
std::optional<std::string_view> LineItemValue(std::string_view line, std::string_view key);

// Typed lookups: true when found and converted, and then `value` is set; otherwise `value`
// keeps what the caller preset. A value that does not convert counts as not found.
bool GetText(std::string_view line, std::string_view key, std::string_view separator, std::string& value);
bool GetInt(std::string_view line, std::string_view key, std::string_view separator, int& value);
bool GetBool(std::string_view line, std::string_view key, std::string_view separator, bool& value);
bool GetDate(std::string_view line, std::string_view key, std::string_view separator, Date& value);
bool GetRect(std::string_view line, std::string_view key, std::string_view separator, Rect& value);

// Decimal integer with optional sign and blanks around it; nothing when malformed or out
// of range.
std::optional<int> ParseInt(std::string_view text);

// Items without separator; callers append "%!#" after each item of a separated line.
std::string TextItem(std::string_view key, std::string_view text);
std::string IntItem(std::string_view key, int value);
std::string BoolItem(std::string_view key, bool value);
std::string DateItem(std::string_view key, const Date& value);
std::string RectItem(std::string_view key, const Rect& value);

// Removes trailing line-break bytes (0x7F).
std::string StripTrailingBreaks(std::string_view text);
// 0x7F to CR LF, for editing and display; and back.
std::string BreaksToCrLf(std::string_view text);
std::string CrLfToBreaks(std::string_view text);

}  // namespace mv
