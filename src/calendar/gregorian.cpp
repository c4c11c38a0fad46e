// Gregorian month lengths, day ordinals and validation. All of it is arithmetic:
// there is no month table that could be changed under a caller's feet.
#include "gregorian_days.h"
#include "lunar_calendar.h"

namespace zelk {

namespace gregorian {

// The civil-from-days pair counts in 400-year eras of 146,097 days whose years
// start on 1 March, so February's leap day is the last day of the year.
int64_t DaysFromCivil(int64_t year, int64_t month, int64_t day) {
    // Normalise the month into 1..12, carrying whole years (floor division).
    const int64_t monthIndex = month - 1;
    const int64_t carry = monthIndex >= 0 ? monthIndex / 12 : -((11 - monthIndex) / 12);
    year += carry;
    month = monthIndex - 12 * carry + 1;

    year -= month <= 2 ? 1 : 0;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;                     // 0..399
    const int64_t marchMonth = month > 2 ? month - 3 : month + 9;   // 0..11
    const int64_t dayOfYear = (153 * marchMonth + 2) / 5 + day - 1; // 0..365
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

SolarDate CivilFromDays(int64_t days) {
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t dayOfEra = days - era * 146097; // 0..146096
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365; // 0..399
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t marchMonth = (5 * dayOfYear + 2) / 153;                    // 0..11
    const int64_t day = dayOfYear - (153 * marchMonth + 2) / 5 + 1;          // 1..31
    const int64_t month = marchMonth < 10 ? marchMonth + 3 : marchMonth - 9; // 1..12
    const int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<int16_t>(year), static_cast<int16_t>(month), static_cast<int16_t>(day)};
}

bool IsValidDate(int year, int month, int day) {
    return month >= 1 && month <= 12 && day >= 1 && day <= GregorianMonthLength(year, month);
}

} // namespace gregorian

bool IsGregorianLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int GregorianMonthLength(int year, int month) {
    switch (month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return 31;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return IsGregorianLeapYear(year) ? 29 : 28;
    default:
        return 0;
    }
}

int32_t DayNumber1900(int year, int month, int day) {
    return static_cast<int32_t>(gregorian::DaysFromCivil(year, month, day) +
                                gregorian::kDay1900Of1970);
}

int DayOfYear(int year, int month, int day) {
    return static_cast<int>(gregorian::DaysFromCivil(year, month, day) -
                            gregorian::DaysFromCivil(year, 1, 1) + 1);
}

int32_t DayDifference8(int32_t yyyymmddA, int32_t yyyymmddB) {
    const auto serial = [](int32_t v) {
        return gregorian::DaysFromCivil(v / 10000, v / 100 % 100, v % 100);
    };
    return static_cast<int32_t>(serial(yyyymmddB) - serial(yyyymmddA));
}

bool IsValidSolarDateTime(int month, int day, int year, int hour, int minute) {
    return year >= 1801 && year <= 2099 && month >= 1 && month <= 12 && day >= 0 &&
           day <= GregorianMonthLength(year, month) && hour >= 0 && hour <= 23 && minute >= 0 &&
           minute <= 59;
}

} // namespace zelk
