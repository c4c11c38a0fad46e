// Time zones and reading a wall clock in them.
#include "birth_time_steps.h"

#include "calendar/lunar_calendar.h"

#include <QDate>
#include <QDateTime>
#include <QHash>

#include <algorithm>
#include <cmath>
#include <limits>
#include <mutex>

namespace zelk::birthtime {

namespace {

constexpr int64_t kSecondsPerDay = 86400;
// DayNumber1900 (1900-01-01 = 1) of 1970-01-01.
constexpr int64_t kDay1900Of1970 = 25568;

int64_t FloorDiv(int64_t a, int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// A zone id is ASCII letters, digits and _ - + / : (IANA names, "UTC+08:00");
// anything else is refused before it reaches the zone database.
bool IsPlausibleZoneId(const QString& id) {
    if (id.isEmpty() || id.size() > 64) return false;
    for (QChar c : id) {
        const char16_t u = c.unicode();
        const bool ok = (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') ||
                        (u >= '0' && u <= '9') || u == '_' || u == '-' || u == '+' || u == '/' ||
                        u == ':';
        if (!ok) return false;
    }
    return !id.startsWith(QLatin1Char('/')) && !id.contains(QLatin1String(".."));
}

} // namespace

int64_t LocalSeconds(const LocalDateTime& t) {
    const int64_t day = DayNumber1900(t.year, t.month, t.day) - kDay1900Of1970;
    return day * kSecondsPerDay + t.hour * 3600 + t.minute * 60;
}

LocalDateTime LocalOfSeconds(int64_t seconds) {
    const int64_t day = FloorDiv(seconds, kSecondsPerDay);
    const int64_t inDay = seconds - day * kSecondsPerDay;
    // Days since 1970-01-01 to a Gregorian date, counting in 400-year eras that
    // start on 1 March (the leap day falls at the end of such a year).
    const int64_t z = day + 719468;
    const int64_t era = FloorDiv(z, 146097);
    const int64_t dayOfEra = z - era * 146097; // 0-146096
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365; // 0-399
    const int64_t dayOfYear =
        dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100); // 0-365
    const int64_t mp = (5 * dayOfYear + 2) / 153;                       // 0-11, March = 0
    const int d = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int y = static_cast<int>(yearOfEra + era * 400 + (m <= 2 ? 1 : 0));
    return {y, m, d, static_cast<int>(inDay / 3600), static_cast<int>(inDay % 3600 / 60)};
}

int64_t RoundToMinute(double seconds) {
    return static_cast<int64_t>(std::floor(seconds / 60.0 + 0.5)) * 60;
}

namespace {

ZonePeriod PeriodOf(const QTimeZone::OffsetData& d, int64_t start) {
    return {start, d.offsetFromUtc, d.standardTimeOffset, d.daylightTimeOffset != 0,
            d.abbreviation == QLatin1String("LMT")};
}

QDateTime UtcOf(int64_t seconds) {
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
}

} // namespace

ZoneTable::ZoneTable(const QTimeZone& zone) : zone_(zone) {
    // A day's margin beyond the clock years CorrectBirthTime accepts (1899-2101).
    const QDateTime from(QDate(1898, 1, 1), QTime(0, 0), Qt::UTC);
    const QDateTime to(QDate(2103, 1, 1), QTime(0, 0), Qt::UTC);
    periods_.push_back(PeriodOf(zone.offsetData(from), std::numeric_limits<int64_t>::min()));
    for (const QTimeZone::OffsetData& d : zone.transitions(from, to))
        periods_.push_back(PeriodOf(d, d.atUtc.toSecsSinceEpoch()));
    // A zone that still changes its clocks has its changes listed only so far;
    // after the last one listed, QTimeZone works them out from the zone's rule.
    const int64_t lastChange = periods_.back().startUtc;
    const bool stillChanging =
        periods_.size() > 1 &&
        lastChange > QDateTime(QDate(2030, 1, 1), QTime(0, 0), Qt::UTC).toSecsSinceEpoch();
    coveredUntil_ = stillChanging ? lastChange : to.toSecsSinceEpoch();
}

ZonePeriod ZoneTable::at(int64_t utcSeconds) const {
    if (utcSeconds >= coveredUntil_) {
        const QDateTime when = UtcOf(utcSeconds);
        return PeriodOf(zone_.offsetData(when), utcSeconds);
    }
    // The last period that started at or before the instant.
    const auto next =
        std::upper_bound(periods_.begin(), periods_.end(), utcSeconds,
                         [](int64_t t, const ZonePeriod& p) { return t < p.startUtc; });
    return *std::prev(next);
}

std::shared_ptr<const ZoneTable> FindZone(const QString& id) {
    static std::mutex mutex;
    static QHash<QString, std::shared_ptr<const ZoneTable>> cache;
    if (!IsPlausibleZoneId(id)) return nullptr;
    std::lock_guard lock(mutex);
    if (auto it = cache.constFind(id); it != cache.constEnd()) return *it;
    const QTimeZone zone(id.toLatin1());
    if (!zone.isValid()) return nullptr;
    auto table = std::make_shared<const ZoneTable>(zone);
    cache.insert(id, table); // only real zones: the cache stays as small as the database
    return table;
}

ClockReading ReadClock(const ZoneTable& zone, int64_t localSeconds) {
    // The offsets a day before and a day after frame any change near the
    // reading; an offset fits the reading when the instant it gives has that
    // very offset. Two that fit: the time occurred twice; none: it was skipped.
    const int before = zone.offsetAt(localSeconds - kSecondsPerDay);
    const int after = zone.offsetAt(localSeconds + kSecondsPerDay);
    auto fits = [&](int offset) { return zone.offsetAt(localSeconds - offset) == offset; };
    const bool beforeFits = fits(before);
    const bool afterFits = after != before && fits(after);

    if (beforeFits && afterFits) {
        // The larger offset gives the earlier instant: the first occurrence.
        const int first = std::max(before, after);
        const int second = std::min(before, after);
        return {localSeconds - first, first, ClockKind::Ambiguous, second};
    }
    if (beforeFits) return {localSeconds - before, before, ClockKind::Unique, before};
    if (afterFits) return {localSeconds - after, after, ClockKind::Unique, after};
    // Neither framing offset fits. Usually a gap; but a short-lived offset (two
    // changes within the two days) may still fit the reading itself.
    const int own = zone.offsetAt(localSeconds - before);
    if (own != before && fits(own)) return {localSeconds - own, own, ClockKind::Unique, own};
    return {localSeconds - before, before, ClockKind::Skipped, after};
}

} // namespace zelk::birthtime
