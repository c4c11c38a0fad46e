// The time of birth a chart uses: the clock time written on the birth record,
// read in the time zone of the birthplace, under one of three rules.
//
//   clock     the time as written (the program's behaviour before time zones);
//   standard  daylight saving removed. For Asia/Taipei, Asia/Shanghai,
//             Asia/Hong_Kong and Asia/Macau this is UTC+8 at every date, which
//             also removes Taiwan's UTC+9 of 1937-1945 and every war-time
//             advance; for any other zone UTC + the zone's standard offset at
//             that moment;
//   solar     true (apparent) solar time at the birthplace's longitude:
//             UTC + longitude / 15 h + the equation of time.
//
// Zones come from the system's tz database through QTimeZone. A clock time that
// occurred twice (clocks set back) is read as its first occurrence; one that never
// existed (clocks set forward) with the offset in force before the change; both
// are reported as warnings. Every time the chart sees is rounded to the minute.
//
// The chart takes the used moment as the pair (Gregorian date, HourIndex) that the
// loaders take from the input dialog: a used time of 23:xx keeps its own date and
// gets HourIndex 12, the late 子 hour, whose lunar day the loaders move forward.
#pragma once

#include "calendar/current_time.h"
#include "calendar/solar_terms.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <vector>

namespace zelk {

enum class BirthTimeRule { Clock, Standard, Solar };

// "clock", "standard", "solar": the words of settings, files and command lines.
QString BirthTimeRuleKey(BirthTimeRule rule);
std::optional<BirthTimeRule> BirthTimeRuleFromKey(QStringView key);

struct BirthTimeInput {
    LocalDateTime clock;             // the clock time of birth, to the minute
    QString zone;                    // IANA id, e.g. "Asia/Taipei"
    std::optional<double> longitude; // degrees east; needed for the solar rule
    BirthTimeRule rule = BirthTimeRule::Clock;
    int warnMinutes = 10; // boundary warnings within this distance; <= 0: none
    const SolarTermTable* solarTerms = nullptr; // solar-term warnings only with a table
};

enum class BirthWarningKind {
    DaylightSaving, // the clock was ahead of standard time (whatever the rule)
    AmbiguousClock, // the clock time occurred twice
    SkippedClock,   // the clock time never existed
    HourBoundary,   // the used time is near the border of two 時辰
    DayBoundary,    // ... near 23:00, where the late 子 hour begins the next lunar day
    SolarTerm,      // the birth is near the beginning of a solar term
};
// "daylightSaving", "ambiguousClock", "skippedClock", "hourBoundary",
// "dayBoundary", "solarTerm".
QString BirthWarningKindKey(BirthWarningKind kind);

struct BirthWarning {
    BirthWarningKind kind;
    std::optional<int> minutes; // distance to the boundary (boundary kinds only)
    QString text;               // Traditional Chinese, one line
};

// The birth as the chart loaders take it.
struct ChartHour {
    int year = 0, month = 0, day = 0; // Gregorian date
    int hourIndex = 0;                // HourIndex 0-12
    friend bool operator==(const ChartHour&, const ChartHour&) = default;
};

// The 時辰 on the other side of the 時辰 border nearest to the used time, for
// comparing the two charts.
struct NeighbourHour {
    ChartHour hour;
    int minutes = 0;        // from the used time to that border
    bool earlier = false;   // the neighbour comes before the used time
    bool dayChange = false; // the border is 23:00
};

struct BirthTime {
    LocalDateTime clock;                    // as entered
    QString zone;                           // IANA id
    int utcOffsetMinutes = 0;               // the offset the clock was read with (clock - UTC)
    int64_t utcSeconds = 0;                 // the birth instant, seconds since 1970 UTC
    bool daylightSaving = false;            // the clock was ahead of `standard`
    int advanceMinutes = 0;                 // by how much (0 when not ahead)
    bool summerTime = false;                // the advance was the zone's summer time (not a
                                            // war-time or foreign standard offset like UTC+9)
    LocalDateTime standard;                 // standard time of the moment
    std::optional<LocalDateTime> trueSolar; // true solar time, when a longitude was given
    BirthTimeRule rule = BirthTimeRule::Clock;
    LocalDateTime used; // the time the chart uses
    int hourIndex = 0;  // HourIndex of `used`
    NeighbourHour neighbour;
    std::vector<BirthWarning> warnings;

    ChartHour chartHour() const { return {used.year, used.month, used.day, hourIndex}; }
    bool hasWarning(BirthWarningKind kind) const;
};

struct BirthTimeResult {
    std::optional<BirthTime> value;
    QString error; // Traditional Chinese; empty when `value` holds a result
    explicit operator bool() const { return value.has_value(); }
};

// Refuses, with a message: a clock date or time that does not exist, an unknown
// zone, a longitude outside ±180°, the solar rule without a longitude, and a used
// moment outside the lunar table (1900-01-31 to 2100-02-08, the late 子 hour of
// the last day included).
BirthTimeResult CorrectBirthTime(const BirthTimeInput& input);

// True for the four zones whose standard time is UTC+8 at every date (and the
// tz database's other names for them, e.g. "Asia/Macao", "PRC", "ROC").
bool IsUtc8Zone(QStringView zone);

// The zones offered first in a zone list: the four UTC+8 zones, then Singapore,
// Kuala Lumpur and the zones of the place table in its order, each once.
QStringList CommonBirthZones();

} // namespace zelk
