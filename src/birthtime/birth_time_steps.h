// The steps of the birth-time correction, shared by its source files only.
//
// Moments are counted in seconds since 1970-01-01 00:00 on the proleptic
// Gregorian calendar: "UTC seconds" for an instant, "local seconds" for a wall
// clock reading counted the same way as if it were UTC.
#pragma once

#include "birth_time.h"

#include <QTimeZone>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace zelk::birthtime {

int64_t LocalSeconds(const LocalDateTime& t);
LocalDateTime LocalOfSeconds(int64_t seconds); // the minute that contains it
int64_t RoundToMinute(double seconds);         // to the nearest whole minute, in seconds

// What a zone says about one instant.
struct ZonePeriod {
    int64_t startUtc = 0;    // the instant this offset came into force
    int offsetSeconds = 0;   // clock - UTC
    int standardSeconds = 0; // the zone's standard offset then
    bool daylight = false;   // the offset is summer (daylight-saving) time
    bool meanTime = false;   // local mean time, before the zone kept a standard offset
};

// A zone's offsets over the years of the lunar table, taken once from QTimeZone:
// asking QTimeZone for each instant costs far more than a binary search here.
// Instants after the last change QTimeZone lists (it lists rule-based summer
// time only up to 2037) are asked of QTimeZone itself.
class ZoneTable {
  public:
    explicit ZoneTable(const QTimeZone& zone);
    ZonePeriod at(int64_t utcSeconds) const;
    int offsetAt(int64_t utcSeconds) const { return at(utcSeconds).offsetSeconds; }

  private:
    QTimeZone zone_;
    std::vector<ZonePeriod> periods_; // by start; the first one from the distant past
    int64_t coveredUntil_ = 0;
};

// The table of a zone id, from a process-wide cache (building a QTimeZone reads
// and parses its file). Null for an unknown id.
std::shared_ptr<const ZoneTable> FindZone(const QString& id);

enum class ClockKind { Unique, Ambiguous, Skipped };
struct ClockReading {
    int64_t utcSeconds = 0;
    int offsetSeconds = 0; // the offset the reading was made with
    ClockKind kind = ClockKind::Unique;
    int otherOffsetSeconds = 0; // ambiguous: the second occurrence's; skipped: the offset after
};
// Reads a wall clock time in a zone (first occurrence when it occurred twice, the
// offset before the change when it never existed).
ClockReading ReadClock(const ZoneTable& zone, int64_t localSeconds);

NeighbourHour NeighbourOf(const LocalDateTime& used);

struct NearTerm {
    int index = 0;          // 0 小寒 ... 23 冬至
    int64_t utcSeconds = 0; // the moment the term begins
};
// The solar term whose beginning is nearest to the instant (the table's moments
// are UTC+8); empty outside the table.
std::optional<NearTerm> NearestSolarTerm(const SolarTermTable& table, int64_t utcSeconds);

// Texts of the warnings (Traditional Chinese).
QString OffsetText(int offsetSeconds);         // "UTC+8", "UTC+5:30", "UTC-5"
QString ClockTimeText(const LocalDateTime& t); // "HH:MM"
QString DaylightSavingText(int advanceMinutes, bool summerTime, int offsetSeconds);
QString AmbiguousClockText(const LocalDateTime& clock, int offsetSeconds);
QString SkippedClockText(const LocalDateTime& clock, int offsetSeconds);
QString HourBoundaryText(const NeighbourHour& n, const LocalDateTime& used, int hourIndex);
QString SolarTermText(int termIndex, const LocalDateTime& termInUsedTime, int minutes);

} // namespace zelk::birthtime
