#pragma once
// Dates and times as other programs write them in CSV files, read into the program's forms.

#include <optional>
#include <string>
#include <string_view>

#include "model/date.h"

namespace mv {

// A date written with "/" ("2024/5/10", "24/5/10": the first three parts are year, month
// and day) or as digits alone (eight or more: YYYYMMDD; fewer: YYMMDD). Years up to 99
// are two-digit years: 30-99 are 19xx, 00-29 are 20xx. Nothing unless, once trimmed and
// rid of "/", only digits remain and the date exists ("2024-05-10" is no date).
std::optional<Date> NormalizeCsvDate(std::string_view text);

// A time written with ":" (hours, minutes, seconds) or as digits alone (HHMMSS; a
// three-digit text gets a leading 0). Missing parts are 00 and hours of 24 or more are
// taken modulo 24. The result is HHMMSS as an integer (93000 for 9:30). Nothing unless,
// once trimmed and rid of ":", only digits remain and minutes and seconds are below 60.
std::optional<int> NormalizeCsvTime(std::string_view text);

// Appends the date as "YYYY/MM/DD", as FormatDate writes it, without formatted output
// (exports and imports write one per line).
void AppendCsvDate(std::string& out, const Date& date);

}  // namespace mv
