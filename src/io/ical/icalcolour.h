#pragma once
// Frame fills as iCalendar colours: RFC 7986's COLOR takes a CSS colour name, so the
// nearest name stands for the fill and the exact value travels in an X- property.

#include <string>

namespace mv {

// The CSS colour name nearest to a fill 0x00BBGGRR (by squared RGB distance).
std::string NearestCssColourName(int fill);
// The fill 0x00BBGGRR of a CSS colour name (any case); -1 for a name not in the table.
int CssColourFill(const std::string& name);

}  // namespace mv
