// Year and date texts (UTF-8): the 民國 year forms and the chart's date formats.
#pragma once

#include <string>

namespace zelk {

// 民國N年, 民國元年, 民國前N年.
void FormatMinguoYear(int year, std::string& out);
// N, 元, 前N.
void FormatMinguoYearShort(int year, std::string& out);

// Flags of FormatChartDate.
inline constexpr int kDateLongForm = 0x4000;

// Appends a date: a non-empty label first, then the parts the level shows
// (level > 1 year, > 2 month, > 3 day, > 4 hour); each part only when non-zero,
// and a missing part ends the text. Long form (kDateLongForm): year as the long
// 民國 text when yearDisplay is 1, else "%4d年"; "%2d月", "%2d日", "%2d時".
// Short form: "%4d" or the short 民國 text, then "/%d" per part.
void FormatChartDate(int flags, const std::string& label, std::string& out, int year, int month,
                     int day, int hour, int level, int yearDisplay);

} // namespace zelk
