#pragma once
// The colours of the timetable view, for its renderer and for the pages made from the view.

namespace mv {

// The view's colours (0x00BBGGRR).
namespace colours {
inline constexpr int kCell = 0xA0A0A0;
inline constexpr int kFixed = 0x808080;
inline constexpr int kWhite = 0xFFFFFF;
inline constexpr int kSunday = 0x2D52A0;
inline constexpr int kSaturday = 0xC08080;
inline constexpr int kHoliday = 0x578B2E;
inline constexpr int kCursor = 0x800000;
inline constexpr int kCursorText = 0xC0C0C0;
inline constexpr int kRange2 = 0xFF0000;
inline constexpr int kFrameLight = 0xE7E7E7;
inline constexpr int kMultiFill = 0x800000;
inline constexpr int kMultiCopyFill = 0x008000;
inline constexpr int kMultiText = 0xC0C0C0;
inline constexpr int kEdit = 0xFF0000;
inline constexpr int kMove = 0x00FFFF;
inline constexpr int kCopy = 0x008000;
inline constexpr int kPackSelection = 0x000080;
inline constexpr int kMinuteLabel = 0xFF0000;
inline constexpr int kMarker = 0xFF0000;
inline constexpr int kLineDecoration = 0xFF00FF;
inline constexpr int kFieldEditing = 0x0000FF;
inline constexpr int kPressedCorner = kFixed + 0x181818;
}  // namespace colours

}  // namespace mv
