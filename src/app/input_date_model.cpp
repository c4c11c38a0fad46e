#include "input_date_model.h"

#include <algorithm>

namespace zelk {

namespace {

constexpr int kLastInputYear = kInputFirstYear + kInputYearCount - 1;

int LeapMonthOf(int lunarYear) {
    const LunarYearMonths months = LunarYearMonthLengths(lunarYear);
    return months.hasLeap ? months.leapMonth : 0;
}

} // namespace

// Gregorian days before lunar 1900-1-1 (1900-01-01 .. 01-30) have no lunar date;
// their lunar lists show the first lunar day the table holds.
LunarDate InputDateModel::LunarOf(const SolarDate& date) {
    const LunarDate lunar = SolarToLunar(date.year, date.month, date.day);
    if (lunar.valid()) return lunar;
    if (date.year <= kInputFirstYear) return {kInputFirstYear, 1, 1, 0};
    return {kLastLunarYear, 12, static_cast<int16_t>(LunarMonthLength(kLastLunarYear, 12, false)),
            0};
}

void InputDateModel::start(int year, int month, int day, int hourIndex, int hour) {
    lunar_ = false;
    solar_.year = static_cast<int16_t>(std::clamp(year, kInputFirstYear, kLastInputYear));
    solar_.month = static_cast<int16_t>(std::clamp(month, 1, 12));
    solar_.day = static_cast<int16_t>(std::max(day, 1));
    clampDay();
    lunarDate_ = LunarOf(solar_);
    hourIndex_ = std::clamp(hourIndex, 0, kHourEntries - 1);
    hour_ = hour;
}

void InputDateModel::switchToLunar() {
    if (lunar_) return;
    lunarDate_ = LunarOf(solar_);
    lunar_ = true;
}

void InputDateModel::switchToGregorian() {
    if (!lunar_) return;
    lunar_ = false;
    const auto solar =
        LunarToSolar(lunarDate_.year, lunarDate_.month, lunarDate_.day, lunarDate_.leap != 0);
    if (!solar) return;
    solar_ = *solar;
    // The last lunar days of 2099 fall in Gregorian 2100, which the year list does
    // not hold: they show as the list's last day.
    if (solar_.year > kLastInputYear) solar_ = {kLastInputYear, 12, 31};
}

std::vector<MonthEntry> InputDateModel::monthEntries() const {
    std::vector<MonthEntry> entries;
    const int leapMonth = lunar_ ? LeapMonthOf(lunarDate_.year) : 0;
    for (int m = 1; m <= 12; ++m) {
        entries.push_back({m, false});
        if (m == leapMonth) entries.push_back({m, true});
    }
    return entries;
}

int InputDateModel::monthLength() const {
    if (lunar_) return LunarMonthLength(lunarDate_.year, lunarDate_.month, lunarDate_.leap != 0);
    return GregorianMonthLength(solar_.year, solar_.month);
}

int InputDateModel::dayCount() const {
    return monthLength();
}

int InputDateModel::yearIndex() const {
    return (lunar_ ? lunarDate_.year : solar_.year) - kInputFirstYear;
}

int InputDateModel::monthIndex() const {
    if (!lunar_) return solar_.month - 1;
    const int leapMonth = LeapMonthOf(lunarDate_.year);
    const int m = lunarDate_.month;
    if (leapMonth == 0 || m < leapMonth || (m == leapMonth && !lunarDate_.leap)) return m - 1;
    return m;
}

int InputDateModel::dayIndex() const {
    return (lunar_ ? lunarDate_.day : solar_.day) - 1;
}

void InputDateModel::clampDay() {
    const int length = monthLength();
    if (length <= 0) return;
    if (lunar_)
        lunarDate_.day = static_cast<int16_t>(std::clamp<int>(lunarDate_.day, 1, length));
    else
        solar_.day = static_cast<int16_t>(std::clamp<int>(solar_.day, 1, length));
}

void InputDateModel::selectYear(int index) {
    if (index < 0 || index >= kInputYearCount) return;
    const auto year = static_cast<int16_t>(kInputFirstYear + index);
    if (lunar_) {
        // A leap month chosen in the old year is not carried into the new one.
        lunarDate_.year = year;
        lunarDate_.leap = 0;
    } else {
        solar_.year = year;
    }
    clampDay();
}

void InputDateModel::selectMonth(int index) {
    const auto entries = monthEntries();
    if (index < 0 || index >= static_cast<int>(entries.size())) return;
    if (lunar_) {
        lunarDate_.month = static_cast<int16_t>(entries[index].month);
        lunarDate_.leap = entries[index].leap ? 1 : 0;
    } else {
        solar_.month = static_cast<int16_t>(entries[index].month);
    }
    clampDay();
}

void InputDateModel::selectDay(int index) {
    if (index < 0 || index >= dayCount()) return;
    if (lunar_)
        lunarDate_.day = static_cast<int16_t>(index + 1);
    else
        solar_.day = static_cast<int16_t>(index + 1);
}

void InputDateModel::selectHour(int index) {
    if (index < 0 || index >= kHourEntries) return;
    hourIndex_ = index;
    hour_ = 2 * index;
}

void InputDateModel::makeCalendarsAgree() {
    if (lunar_) {
        if (const auto solar = LunarToSolar(lunarDate_.year, lunarDate_.month, lunarDate_.day,
                                            lunarDate_.leap != 0))
            solar_ = *solar;
    } else {
        lunarDate_ = SolarToLunar(solar_.year, solar_.month, solar_.day);
    }
}

} // namespace zelk
