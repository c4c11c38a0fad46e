#include "birth_time.h"

#include "birth_places.h"
#include "birth_time_steps.h"
#include "birth_time_text.h"
#include "calendar/lunar_calendar.h"
#include "equation_of_time.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace zelk {

namespace {

using namespace birthtime;

constexpr int kUtc8Seconds = 8 * 3600;

// The tz database's names of the four UTC+8 zones and their other names.
constexpr std::array<const char*, 11> kUtc8Zones = {
    "Asia/Taipei",    "Asia/Shanghai",  "Asia/Hong_Kong", "Asia/Macau", "ROC",     "PRC",
    "Asia/Chongqing", "Asia/Chungking", "Asia/Harbin",    "Asia/Macao", "Hongkong"};

BirthTimeResult Refuse(QString message) {
    BirthTimeResult r;
    r.error = std::move(message);
    return r;
}

const QString& OutsideTableMessage() {
    static const QString text =
        QStringLiteral("出生時間換算後超出曆法範圍（西元1900年1月31日至2100年2月8日），無法排盤。");
    return text;
}

QString CheckInput(const BirthTimeInput& in) {
    const LocalDateTime& c = in.clock;
    if (c.month < 1 || c.month > 12 || c.day < 1 || c.day > GregorianMonthLength(c.year, c.month))
        return QStringLiteral("出生日期 %1-%2-%3 不存在。").arg(c.year).arg(c.month).arg(c.day);
    if (c.hour < 0 || c.hour > 23 || c.minute < 0 || c.minute > 59)
        return QStringLiteral("出生時間不正確：時須在 0 至 23、分須在 0 至 59 之間。");
    // A day's margin on either side of the lunar table: a correction of a few
    // hours may still bring the time inside; the table check comes after it.
    if (c.year < kFirstLunarYear - 1 || c.year > kLastLunarYear + 2) return OutsideTableMessage();
    if (in.longitude && !(std::abs(*in.longitude) <= 180.0))
        return QStringLiteral("經度超出範圍：必須在 -180 至 180 度之間。");
    if (in.rule == BirthTimeRule::Solar && !in.longitude)
        return QStringLiteral("真太陽時需要出生地的經度，請先輸入經度。");
    return {};
}

// The used moment must be a birth the chart loaders accept: a Gregorian date
// inside the lunar table and, for the late 子 hour, a next lunar day inside it.
bool InsideLunarTable(const LocalDateTime& used, int hourIndex) {
    LunarDate lunar = SolarToLunar(used.year, used.month, used.day);
    if (!lunar.valid()) return false;
    if (hourIndex == 12) NextLunarDay(lunar); // the late 子 hour: the next lunar day
    return lunar.valid() && lunar.year >= kFirstLunarYear && lunar.year <= kLastLunarYear;
}

struct StandardTime {
    int offsetSeconds = 0;
    bool summerTime = false;
    bool ahead = false; // the clock was read ahead of it
};

StandardTime StandardOf(const ZoneTable& zone, const QString& id, const ClockReading& reading) {
    const ZonePeriod period = zone.at(reading.utcSeconds);
    StandardTime s;
    if (IsUtc8Zone(id)) {
        s.offsetSeconds = kUtc8Seconds;
        // Before these zones kept UTC+8 their clocks showed local mean time, a few
        // minutes off UTC+8: no clock was set ahead then.
        s.ahead = reading.offsetSeconds > kUtc8Seconds && !period.meanTime;
    } else {
        // Never later than the clock: where the database records winter time as a
        // negative summer time (Europe/Dublin), the clock already shows standard time.
        s.offsetSeconds = std::min(period.standardSeconds, reading.offsetSeconds);
        s.ahead = reading.offsetSeconds > s.offsetSeconds;
    }
    s.summerTime = s.ahead && period.daylight;
    return s;
}

void AddBoundaryWarnings(BirthTime& t, const BirthTimeInput& in, double usedMinusUtcSeconds) {
    if (in.warnMinutes <= 0) return;
    if (t.neighbour.minutes <= in.warnMinutes)
        t.warnings.push_back(
            {t.neighbour.dayChange ? BirthWarningKind::DayBoundary : BirthWarningKind::HourBoundary,
             t.neighbour.minutes, HourBoundaryText(t.neighbour, t.used, t.hourIndex)});
    if (!in.solarTerms) return;
    const auto term = NearestSolarTerm(*in.solarTerms, t.utcSeconds);
    if (!term) return;
    // A term begins at an instant; its distance from the birth is the same in
    // every time scale, and it is shown in the scale of the used time.
    const int minutes = static_cast<int>(
        RoundToMinute(static_cast<double>(std::llabs(term->utcSeconds - t.utcSeconds))) / 60);
    if (minutes > in.warnMinutes) return;
    const LocalDateTime shown =
        LocalOfSeconds(RoundToMinute(static_cast<double>(term->utcSeconds) + usedMinusUtcSeconds));
    t.warnings.push_back(
        {BirthWarningKind::SolarTerm, minutes, SolarTermText(term->index, shown, minutes)});
}

} // namespace

QString BirthTimeRuleKey(BirthTimeRule rule) {
    switch (rule) {
    case BirthTimeRule::Standard:
        return QStringLiteral("standard");
    case BirthTimeRule::Solar:
        return QStringLiteral("solar");
    case BirthTimeRule::Clock:
        break;
    }
    return QStringLiteral("clock");
}

std::optional<BirthTimeRule> BirthTimeRuleFromKey(QStringView key) {
    for (BirthTimeRule rule : {BirthTimeRule::Clock, BirthTimeRule::Standard, BirthTimeRule::Solar})
        if (key.compare(BirthTimeRuleKey(rule), Qt::CaseInsensitive) == 0) return rule;
    return std::nullopt;
}

QString BirthWarningKindKey(BirthWarningKind kind) {
    switch (kind) {
    case BirthWarningKind::DaylightSaving:
        return QStringLiteral("daylightSaving");
    case BirthWarningKind::AmbiguousClock:
        return QStringLiteral("ambiguousClock");
    case BirthWarningKind::SkippedClock:
        return QStringLiteral("skippedClock");
    case BirthWarningKind::HourBoundary:
        return QStringLiteral("hourBoundary");
    case BirthWarningKind::DayBoundary:
        return QStringLiteral("dayBoundary");
    case BirthWarningKind::SolarTerm:
        break;
    }
    return QStringLiteral("solarTerm");
}

bool BirthTime::hasWarning(BirthWarningKind kind) const {
    return std::any_of(warnings.begin(), warnings.end(),
                       [kind](const BirthWarning& w) { return w.kind == kind; });
}

bool IsUtc8Zone(QStringView zone) {
    return std::any_of(kUtc8Zones.begin(), kUtc8Zones.end(),
                       [zone](const char* id) { return zone == QLatin1String(id); });
}

QStringList CommonBirthZones() {
    QStringList zones = {QStringLiteral("Asia/Taipei"),    QStringLiteral("Asia/Shanghai"),
                         QStringLiteral("Asia/Hong_Kong"), QStringLiteral("Asia/Macau"),
                         QStringLiteral("Asia/Singapore"), QStringLiteral("Asia/Kuala_Lumpur")};
    for (const BirthPlace& place : BirthPlaces()) {
        const QString zone = QLatin1String(place.zone);
        if (!zones.contains(zone)) zones << zone;
    }
    return zones;
}

BirthTimeResult CorrectBirthTime(const BirthTimeInput& in) {
    if (QString problem = CheckInput(in); !problem.isEmpty()) return Refuse(problem);
    const QString zoneId = in.zone.trimmed();
    if (zoneId.isEmpty()) return Refuse(QStringLiteral("未指定出生地的時區。"));
    const std::shared_ptr<const ZoneTable> zone = FindZone(zoneId);
    if (!zone) return Refuse(QStringLiteral("無法辨識的時區「%1」。").arg(zoneId));

    const ClockReading reading = ReadClock(*zone, LocalSeconds(in.clock));
    const StandardTime standard = StandardOf(*zone, zoneId, reading);

    BirthTime t;
    t.clock = in.clock;
    t.zone = zoneId;
    t.rule = in.rule;
    t.utcSeconds = reading.utcSeconds;
    t.utcOffsetMinutes = static_cast<int>(RoundToMinute(reading.offsetSeconds) / 60);
    t.daylightSaving = standard.ahead;
    t.summerTime = standard.summerTime;
    if (standard.ahead)
        t.advanceMinutes =
            static_cast<int>(RoundToMinute(reading.offsetSeconds - standard.offsetSeconds) / 60);
    const double utc = static_cast<double>(reading.utcSeconds);
    t.standard = LocalOfSeconds(RoundToMinute(utc + standard.offsetSeconds));
    std::optional<double> solarSeconds;
    if (in.longitude) {
        solarSeconds = utc + *in.longitude * 240.0 +
                       EquationOfTimeSeconds(JulianDayOfUnixSeconds(reading.utcSeconds));
        t.trueSolar = LocalOfSeconds(RoundToMinute(*solarSeconds));
    }

    double usedSeconds = static_cast<double>(LocalSeconds(in.clock));
    if (in.rule == BirthTimeRule::Standard) usedSeconds = utc + standard.offsetSeconds;
    if (in.rule == BirthTimeRule::Solar) usedSeconds = *solarSeconds;
    t.used = LocalOfSeconds(RoundToMinute(usedSeconds));
    t.hourIndex = HourIndexOfClockHour(t.used.hour);
    if (!InsideLunarTable(t.used, t.hourIndex)) return Refuse(OutsideTableMessage());
    t.neighbour = NeighbourOf(t.used);

    if (t.daylightSaving)
        t.warnings.push_back(
            {BirthWarningKind::DaylightSaving, std::nullopt,
             DaylightSavingText(t.advanceMinutes, t.summerTime, reading.offsetSeconds)});
    if (reading.kind == ClockKind::Ambiguous)
        t.warnings.push_back({BirthWarningKind::AmbiguousClock, std::nullopt,
                              AmbiguousClockText(in.clock, reading.offsetSeconds)});
    if (reading.kind == ClockKind::Skipped)
        t.warnings.push_back({BirthWarningKind::SkippedClock, std::nullopt,
                              SkippedClockText(in.clock, reading.offsetSeconds)});
    AddBoundaryWarnings(t, in, usedSeconds - utc);

    BirthTimeResult r;
    r.value = std::move(t);
    return r;
}

} // namespace zelk
