// The lunar-year table 1900-2099 and the cumulative day table built from it at
// compile time, so both conversions find a year without walking the years.
#include "lunar_table.h"

#include <array>

namespace zelk::lunar_table {

namespace {

inline constexpr int kFirstYear = 1900;
inline constexpr int kYears = 200;

// One word per lunar year 1900..2099: bits 0-3 the month followed by a leap month
// (0 = none), bits 15..4 months 1..12 (set = 30 days), bit 16 the leap month's
// size, bit 20 always set and never read.
//
// 2033 carries its leap month after month 11 (29 days; months 8-12 of 29, 30, 30,
// 30, 30 days), as every modern astronomical calendar places it; the old entry
// 0x104BD7 put it after month 7 and shifted lunar 2033-34 by a month. The years
// 1914-1920 follow the Beijing local time then in force and differ from a UTC+8
// calculation; they are kept as they are, as is 2097 (a new moon within a minute
// of midnight).
// clang-format off
constexpr std::array<uint32_t, kYears> kYearWords = {
    0x104BD8, 0x104AE0, 0x10A570, 0x1054D5, 0x10D260, 0x10D950, 0x116554, 0x1056A0, 0x109AD0, 0x1055D2, // 1900
    0x104AE0, 0x10A5B6, 0x10A4D0, 0x10D250, 0x11D295, 0x10B550, 0x1056A0, 0x10ADA2, 0x1095B0, 0x114977, // 1910
    0x1049B0, 0x10A4B0, 0x10B4B5, 0x106A50, 0x106D40, 0x11AB54, 0x102B60, 0x109570, 0x1052F2, 0x104970, // 1920
    0x106566, 0x10D4A0, 0x10EA50, 0x116A95, 0x105AD0, 0x102B60, 0x1186E3, 0x1092E0, 0x11C8D7, 0x10C950, // 1930
    0x10D4A0, 0x11D8A6, 0x10B550, 0x1056A0, 0x11A5B4, 0x1025D0, 0x1092D0, 0x10D2B2, 0x10A950, 0x10B557, // 1940
    0x106CA0, 0x10B550, 0x115355, 0x104DA0, 0x10A5B0, 0x114573, 0x1052B0, 0x10A9A8, 0x10E950, 0x106AA0, // 1950
    0x10AEA6, 0x10AB50, 0x104B60, 0x10AAE4, 0x10A570, 0x105260, 0x10F263, 0x10D950, 0x105B57, 0x1056A0, // 1960
    0x1096D0, 0x104DD5, 0x104AD0, 0x10A4D0, 0x10D4D4, 0x10D250, 0x10D558, 0x10B540, 0x10B6A0, 0x1195A6, // 1970
    0x1095B0, 0x1049B0, 0x10A974, 0x10A4B0, 0x10B27A, 0x106A50, 0x106D40, 0x10AF46, 0x10AB60, 0x109570, // 1980
    0x104AF5, 0x104970, 0x1064B0, 0x1074A3, 0x10EA50, 0x106B58, 0x105AC0, 0x10AB60, 0x1096D5, 0x1092E0, // 1990
    0x10C960, 0x10D954, 0x10D4A0, 0x10DA50, 0x107552, 0x1056A0, 0x10ABB7, 0x1025D0, 0x1092D0, 0x10CAB5, // 2000
    0x10A950, 0x10B4A0, 0x10BAA4, 0x10AD50, 0x1055D9, 0x104BA0, 0x10A5B0, 0x115176, 0x1052B0, 0x10A930, // 2010
    0x107954, 0x106AA0, 0x10AD50, 0x105B52, 0x104B60, 0x10A6E6, 0x10A4E0, 0x10D260, 0x10EA65, 0x10D530, // 2020
    0x105AA0, 0x1076A3, 0x1096D0, 0x104AFB, 0x104AD0, 0x10A4D0, 0x11D0B6, 0x10D250, 0x10D520, 0x10DD45, // 2030
    0x10B5A0, 0x1056D0, 0x1055B2, 0x1049B0, 0x10A577, 0x10A4B0, 0x10AA50, 0x11B255, 0x106D20, 0x10ADA0, // 2040
    0x114B63, 0x109370, 0x1049F8, 0x104970, 0x1064B0, 0x1168A6, 0x10EA50, 0x106B20, 0x11A6C4, 0x10AAE0, // 2050
    0x1092E0, 0x10D2E3, 0x10C960, 0x10D557, 0x10D4A0, 0x10DA50, 0x105D55, 0x1056A0, 0x10A6D0, 0x1055D4, // 2060
    0x1052D0, 0x10A9B8, 0x10A950, 0x10B4A0, 0x10B6A6, 0x10AD50, 0x1055A0, 0x10ABA4, 0x10A5B0, 0x1052B0, // 2070
    0x10B273, 0x106930, 0x107337, 0x106AA0, 0x10AD50, 0x114B55, 0x104B60, 0x10A570, 0x1054E4, 0x10D160, // 2080
    0x10E968, 0x10D520, 0x10DAA0, 0x116AA6, 0x1056D0, 0x104AE0, 0x10A9D4, 0x10A4D0, 0x10D150, 0x10F252, // 2090
};
// clang-format on

constexpr int YearLength(uint32_t word) {
    int days = 0;
    for (int month = 1; month <= 12; ++month)
        days += RegularMonthLength(word, month);
    if (LeapMonthOf(word) != 0) days += LeapMonthLength(word);
    return days;
}

// Lunar 1900-1-1 is Gregorian 1900-01-31, day 31 counted from 1900-01-01 = 1.
inline constexpr int32_t kEpochDay = 31;

constexpr std::array<int32_t, kYears + 1> BuildNewYearDays() {
    std::array<int32_t, kYears + 1> days{};
    days[0] = kEpochDay;
    for (int i = 0; i < kYears; ++i)
        days[i + 1] = days[i] + YearLength(kYearWords[i]);
    return days;
}

constexpr std::array<int32_t, kYears + 1> kNewYearDays = BuildNewYearDays();

constexpr bool WordsAreWellFormed() {
    for (uint32_t word : kYearWords) {
        if ((word & ~0x11FFFFu) != 0 || !(word & 0x100000u))
            return false; // bit 20 and data bits only
        if (LeapMonthOf(word) > 12) return false;
        if (LeapMonthOf(word) == 0 && (word & kLeapMonthBig)) return false;
        const int length = YearLength(word);
        if (length < 353 || length > 385) return false;
    }
    return true;
}

static_assert(WordsAreWellFormed());
// Lunar 2100-1-1 is Gregorian 2100-02-09: 200 years of 365 days plus 49 leap days
// (1904 ... 2096; 1900 and 2100 are common years) plus 31 + 9 days.
static_assert(kNewYearDays[kYears] == 200 * 365 + 49 + 31 + 9);
// Lunar 1984-1-1 is Gregorian 1984-02-02.
static_assert(kNewYearDays[84] == 84 * 365 + 20 + 31 + 2);

} // namespace

uint32_t Word(int lunarYear) {
    if (lunarYear < kFirstYear || lunarYear >= kFirstYear + kYears) return 0;
    return kYearWords[static_cast<std::size_t>(lunarYear - kFirstYear)];
}

int32_t NewYearDay(int lunarYear) {
    if (lunarYear < kFirstYear || lunarYear > kFirstYear + kYears) return 0;
    return kNewYearDays[static_cast<std::size_t>(lunarYear - kFirstYear)];
}

} // namespace zelk::lunar_table
