// The sexagenary cycle and the four pillars (八字).
//
// Sexagenary index 0 甲子 ... 59 癸亥; stem = index mod 10, branch = index mod 12.
// Day count D: 1801-01-01 = 1. Two computations: a lunar one (year and month pillar
// from the lunar date) used by the chart engine, and a solar-term one (year from
// 立春, month from the 節 in force) used for display. Both cover exactly the years
// of the tables; outside them the result is "not computed" (nullopt).
#pragma once

#include "solar_terms.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace zelk {

struct FourPillars {
    std::array<uint8_t, 4> p{}; // year, month, day, hour
    uint8_t year() const { return p[0]; }
    uint8_t month() const { return p[1]; }
    uint8_t day() const { return p[2]; }
    uint8_t hour() const { return p[3]; }
    friend bool operator==(const FourPillars&, const FourPillars&) = default;
};

int32_t DayCount1801(int year, int month, int day); // 1801-01-01 = 1

// Gregorian date and HourIndex (0-12; 12 = late 子: day pillar of the next day).
// Not computed outside the lunar table (1900-01-31 .. 2100-02-08), for a date
// that does not exist or an hour index outside 0-12.
std::optional<FourPillars> FourPillarsLunar(int year, int month, int day, int hourIndex);

struct SolarTermPillars {
    FourPillars pillars;
    int16_t solarTermNow = 0; // index 0-23 of the term in force
};
// Gregorian date and clock hour (0-23, negative when not given). Not computed for
// a year outside the table (or an empty table), a date that does not exist or a
// clock hour above 23. The clock hour alone decides the day of 立春: a term that
// begins at 23:19 has not begun at any time of the 23 o'clock hour.
std::optional<SolarTermPillars> FourPillarsSolarTerms(const SolarTermTable& table, int year,
                                                      int month, int day, int clockHour);

// Index 0-23 of the last term of that year that has begun at the moment; a moment
// before the year's 小寒 gives 23; with a negative hour a term that begins on the
// day counts as begun. -1 for a year outside the table (or an empty table) and
// for a date that does not exist.
int SolarTermIndex(const SolarTermTable& table, int year, int month, int day, int hour, int minute);

// Texts (UTF-8): stem 甲..癸, branch 子..亥, pillar "甲子", animal 鼠..豬.
const char* StemName(int stem);
const char* BranchName(int branch);
std::string PillarName(int sexagenary);
const char* AnimalName(int branch);

// PillarText flags: 1 "八字 : ", 2 year, 4 month, 8 day, 16 hour (each + 年/月/日/時).
void PillarText(const FourPillars& pillars, std::string& out, int flags);
// Pillar text of a lunar date; false (nothing appended) when not computable.
bool LunarDatePillars(int lunarYear, int lunarMonth, int lunarDay, bool leap, int hourIndex,
                      std::string& out, int flags);

} // namespace zelk
