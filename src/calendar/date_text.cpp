// Year and date texts. The calendar cannot use the string table layer, so the
// texts are the same as the program's string table: 民國 434, 民國前 435,
// 民國元年 436, 前 448, 元 449, 年月日時 171-174.
#include "date_text.h"

#include <cstdio>

namespace zelk {

namespace {

// The Republic's first year is 1912.
inline constexpr int kMinguoFirstYear = 1912;

std::string Formatted(const char* format, int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

void AppendYear(std::string& out, int year, bool longForm, int yearDisplay) {
    if (yearDisplay == 1) {
        if (longForm)
            FormatMinguoYear(year, out);
        else
            FormatMinguoYearShort(year, out);
        return;
    }
    out += Formatted("%4d", year);
    if (longForm) out += "年";
}

// Years counted from the Republic's first year; long long, so no year overflows.
long long MinguoYears(int year) {
    return static_cast<long long>(year) - (kMinguoFirstYear - 1);
}
long long YearsBeforeMinguo(int year) {
    return kMinguoFirstYear - static_cast<long long>(year);
}

} // namespace

void FormatMinguoYear(int year, std::string& out) {
    if (year > kMinguoFirstYear)
        out += "民國" + std::to_string(MinguoYears(year)) + "年";
    else if (year == kMinguoFirstYear)
        out += "民國元年";
    else
        out += "民國前" + std::to_string(YearsBeforeMinguo(year)) + "年";
}

void FormatMinguoYearShort(int year, std::string& out) {
    if (year > kMinguoFirstYear)
        out += std::to_string(MinguoYears(year));
    else if (year == kMinguoFirstYear)
        out += "元";
    else
        out += "前" + std::to_string(YearsBeforeMinguo(year));
}

void FormatChartDate(int flags, const std::string& label, std::string& out, int year, int month,
                     int day, int hour, int level, int yearDisplay) {
    out += label;
    const bool longForm = (flags & kDateLongForm) != 0;
    // Each level shows one more part; a part that is zero ends the text.
    if (level <= 1 || year == 0) return;
    AppendYear(out, year, longForm, yearDisplay);

    struct Part {
        int value;
        const char* unit;
    };
    const Part parts[] = {{month, "月"}, {day, "日"}, {hour, "時"}};
    for (int i = 0; i < 3; ++i) {
        if (level <= i + 2 || parts[i].value == 0) return;
        if (longForm)
            out += Formatted("%2d", parts[i].value) + parts[i].unit;
        else
            out += "/" + Formatted("%d", parts[i].value);
    }
}

} // namespace zelk
