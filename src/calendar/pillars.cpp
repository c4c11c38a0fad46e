// The four pillars: the lunar computation used by the chart engine and the
// solar-term computation used for display, the term in force, and pillar texts.
#include "pillars.h"

#include "gregorian_days.h"
#include "lunar_calendar.h"

#include <array>

namespace zelk {

namespace {

// The day count and the pillar formulas take 1801, the first year of the
// solar-term table, as their origin.
inline constexpr int kOriginYear = kFirstTermYear;

int Mod60(int64_t value) {
    const int64_t r = value % 60;
    return static_cast<int>(r < 0 ? r + 60 : r);
}

uint8_t YearPillar(int year) {
    return static_cast<uint8_t>(Mod60(static_cast<int64_t>(year) - kOriginYear + 57));
}

// The 寅 month (monthOfYear 1) of 1801 is 庚寅; monthOfYear 0 is the 丑 month
// before it and 11 the 子 month at the end of the year.
uint8_t MonthPillar(int year, int monthOfYear) {
    return static_cast<uint8_t>(
        Mod60(12 * (static_cast<int64_t>(year) - kOriginYear) + monthOfYear + 25));
}

uint8_t DayPillar(int32_t dayCount) {
    return static_cast<uint8_t>(Mod60(dayCount + 30LL));
}

// 五鼠遁: the 子 hour of a day whose stem is 甲 or 己 is 甲子, of 乙 or 庚 丙子, ...
uint8_t HourPillar(int hourBranch, int32_t dayCount) {
    const int64_t stemGroup = (static_cast<int64_t>(dayCount) - 1) % 5;
    return static_cast<uint8_t>(
        Mod60(hourBranch + 12 * (stemGroup < 0 ? stemGroup + 5 : stemGroup) + 12));
}

// The moment of a term as minutes since the start of its year.
int64_t MinuteOfYear(int year, const SolarTermMoment& t) {
    return (static_cast<int64_t>(DayOfYear(year, t.month, t.day)) * 24 + t.hour) * 60 + t.minute;
}

bool IsBeforeSpringStart(const SolarTermTable& table, int year, int month, int day, int clockHour) {
    const auto spring = table.term(year, 2); // 立春
    if (!spring) return false;
    const int dayOfYear = DayOfYear(year, month, day);
    const int springDay = DayOfYear(year, spring->month, spring->day);
    if (dayOfYear != springDay) return dayOfYear < springDay;
    // On the day itself only a given clock hour can fall before the term.
    return clockHour >= 0 && clockHour * 60 < spring->hour * 60 + spring->minute;
}

} // namespace

int32_t DayCount1801(int year, int month, int day) {
    return static_cast<int32_t>(gregorian::DaysFromCivil(year, month, day) -
                                gregorian::DaysFromCivil(kOriginYear, 1, 1) + 1);
}

std::optional<FourPillars> FourPillarsLunar(int year, int month, int day, int hourIndex) {
    if (hourIndex < 0 || hourIndex > 12) return std::nullopt;
    LunarDate lunar = SolarToLunar(year, month, day);
    if (!lunar.valid()) return std::nullopt;

    int32_t dayCount = DayCount1801(year, month, day);
    int hourBranch = hourIndex;
    if (hourIndex == 12) {
        // The late 子 hour belongs to the next day, in both calendars.
        hourBranch = 0;
        ++dayCount;
        NextLunarDay(lunar);
    }
    FourPillars result;
    result.p = {YearPillar(lunar.year), MonthPillar(lunar.year, lunar.month), DayPillar(dayCount),
                HourPillar(hourBranch, dayCount)};
    return result;
}

int SolarTermIndex(const SolarTermTable& table, int year, int month, int day, int hour,
                   int minute) {
    if (!table.covers(year) || !gregorian::IsValidDate(year, month, day)) return -1;
    if (!table.term(year, 0)) return -1; // an empty table
    const int64_t dayStart = static_cast<int64_t>(DayOfYear(year, month, day)) * 24 * 60;
    // Without a clock hour a term that begins on the day counts as begun.
    const int64_t now =
        hour < 0 ? dayStart + 24 * 60 - 1 : dayStart + static_cast<int64_t>(hour) * 60 + minute;
    int inForce = 23; // before 小寒 the previous year's 冬至 is in force
    for (int i = 0; i < 24; ++i) {
        const auto term = table.term(year, i);
        if (!term || MinuteOfYear(year, *term) > now) break;
        inForce = i;
    }
    return inForce;
}

std::optional<SolarTermPillars> FourPillarsSolarTerms(const SolarTermTable& table, int year,
                                                      int month, int day, int clockHour) {
    if (clockHour > 23 || !gregorian::IsValidDate(year, month, day)) return std::nullopt;
    const int termNow = SolarTermIndex(table, year, month, day, clockHour, 0);
    if (termNow < 0) return std::nullopt;

    // From 23:00 the day (and so the hour) pillar is the next day's.
    int32_t dayCount = DayCount1801(year, month, day);
    int hourBranch = clockHour < 0 ? 0 : (clockHour + 1) / 2;
    if (hourBranch == 12) {
        hourBranch = 0;
        ++dayCount;
    }
    const int pillarYear =
        IsBeforeSpringStart(table, year, month, day, clockHour) ? year - 1 : year;
    // A 冬至 in force in January or February is the 子 month of the previous year.
    const int monthYear = termNow == 23 && month <= 2 ? year - 1 : year;

    SolarTermPillars result;
    result.pillars.p = {YearPillar(pillarYear), MonthPillar(monthYear, termNow / 2),
                        DayPillar(dayCount), HourPillar(hourBranch, dayCount)};
    result.solarTermNow = static_cast<int16_t>(termNow);
    return result;
}

void PillarText(const FourPillars& pillars, std::string& out, int flags) {
    // The same texts as the program's string table: "八字 : " 381, 年月日時 171-174.
    static constexpr std::array<const char*, 4> kSuffixes = {"年", "月", "日", "時"};
    if (flags & 1) out += "八字 : ";
    for (std::size_t i = 0; i < 4; ++i) {
        if (!(flags & (2 << i))) continue;
        out += PillarName(pillars.p[i]);
        out += kSuffixes[i];
    }
}

bool LunarDatePillars(int lunarYear, int lunarMonth, int lunarDay, bool leap, int hourIndex,
                      std::string& out, int flags) {
    const auto solar = LunarToSolar(lunarYear, lunarMonth, lunarDay, leap);
    if (!solar) return false;
    auto pillars = FourPillarsLunar(solar->year, solar->month, solar->day, hourIndex);
    if (!pillars) return false;
    // The year and month pillars are those of the lunar date asked for, even when
    // the late 子 hour has moved the day into the next month or year. Lunar month 6
    // always lies in the Gregorian year of the same number, so the year pillar is
    // that of the lunar year itself.
    pillars->p[0] = YearPillar(lunarYear);
    pillars->p[1] = MonthPillar(lunarYear, lunarMonth);
    PillarText(*pillars, out, flags);
    return true;
}

} // namespace zelk
