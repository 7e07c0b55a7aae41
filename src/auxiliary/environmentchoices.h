#pragma once
// The lists and rules of the environment dialog, without widgets. Texts are UTF-8 (they
// are captions, not record text).

#include <string>
#include <vector>

namespace mv {

// " 05 時" ... " 23 時", " 00 時" ... " 04 時": item i is the view's hour row i.
std::vector<std::string> HourRowItems();
// A blank, n and " %" for every even n from 50 to 300.
std::vector<std::string> FormScaleItems();
// The item of the form scale list for 100 percent.
int FormScaleItemOf100();
// The print end hour item after a change: never before the start item.
int PrintEndItem(int startItem, int endItem);
// The HTML background panel's caption is black on light colours (0x00BBGGRR values above
// 12632255) and white otherwise.
bool HtmlCaptionIsBlack(int colour);

// The holiday grid: a row per month, the day columns 1..31 between two label columns.
inline constexpr int kHolidayGridColumns = 33;
// The background of a day cell (0x00RRGGBB): green for a holiday, a lighter grey in the
// rows of even months (February, April, ...), white otherwise.
int HolidayCellColour(int month, bool holiday);
// " 1月" ... " 12月".
std::string MonthLabel(int month);

}  // namespace mv
