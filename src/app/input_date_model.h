// The birth-date lists of the input dialog as a model: the calendar they show
// (Gregorian or lunar), the year, month, day and hour selections, and the date
// fields each selection writes. The dialog only mirrors this state in its lists.
//
// Year list: 200 entries, 1900 .. 2099 (index = year - 1900), in both calendars.
// Month list: 12 entries; in lunar mode a year with leap month L gets a 13th entry,
// "閏 L", directly after month L. Day list: 1 .. the length of the selected month.
// Hour list: the 13 HourIndex entries, 12 being the late 子 hour from 23:00.
#pragma once

#include "calendar/lunar_calendar.h"

#include <cstdint>
#include <vector>

namespace zelk {

inline constexpr int kInputFirstYear = 1900;
inline constexpr int kInputYearCount = 200;
inline constexpr int kHourEntries = 13;

struct MonthEntry {
    int month = 0; // 1-12
    bool leap = false;
};

class InputDateModel {
  public:
    // Starts in Gregorian mode at a Gregorian date; the lunar date follows from it.
    void start(int year, int month, int day, int hourIndex, int hour);

    bool lunarMode() const { return lunar_; }
    void switchToLunar();
    void switchToGregorian();

    // What the lists show and which entries are selected.
    std::vector<MonthEntry> monthEntries() const;
    int dayCount() const;
    int yearIndex() const;
    int monthIndex() const;
    int dayIndex() const;
    int hourIndex() const { return hourIndex_; }

    // A selection in a list, as the user makes it. Out-of-range indexes are ignored.
    void selectYear(int index);
    void selectMonth(int index);
    void selectDay(int index);
    void selectHour(int index);

    // Confirming: both calendars agree, the date of the mode on display decides.
    void makeCalendarsAgree();

    const SolarDate& solar() const { return solar_; }
    const LunarDate& lunarDate() const { return lunarDate_; }
    int hour() const { return hour_; }

  private:
    static LunarDate LunarOf(const SolarDate& date);
    void clampDay();
    int monthLength() const;

    bool lunar_ = false;
    SolarDate solar_{1900, 1, 31};
    LunarDate lunarDate_{1900, 1, 1, 0};
    int hourIndex_ = 0;
    int hour_ = 0;
};

} // namespace zelk
