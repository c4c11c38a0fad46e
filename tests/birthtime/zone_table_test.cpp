// The cached zone table answers exactly what QTimeZone answers, at every change
// of offset, a second before it, and on a walk through the whole table range,
// including the years after the last change QTimeZone lists.
#include "birth_time_steps.h"

#include <QDateTime>
#include <QTimeZone>

#include <gtest/gtest.h>

namespace zelk::birthtime {
namespace {

void ExpectSame(const QTimeZone& zone, const ZoneTable& table, int64_t utc) {
    const QDateTime at = QDateTime::fromSecsSinceEpoch(utc, Qt::UTC);
    const ZonePeriod p = table.at(utc);
    ASSERT_EQ(p.offsetSeconds, zone.offsetFromUtc(at)) << at.toString(Qt::ISODate).toStdString();
    ASSERT_EQ(p.standardSeconds, zone.standardTimeOffset(at))
        << at.toString(Qt::ISODate).toStdString();
    ASSERT_EQ(p.daylight, zone.isDaylightTime(at)) << at.toString(Qt::ISODate).toStdString();
}

TEST(ZoneTable, AgreesWithQTimeZone) {
    for (const char* id : {"Asia/Taipei", "Asia/Shanghai", "Asia/Hong_Kong", "Asia/Macau",
                           "America/New_York", "Europe/London", "Europe/Dublin", "Australia/Sydney",
                           "Asia/Kolkata", "America/Sao_Paulo"}) {
        SCOPED_TRACE(id);
        const QTimeZone zone(id);
        ASSERT_TRUE(zone.isValid());
        const auto table = FindZone(QString::fromLatin1(id));
        ASSERT_TRUE(table);
        const QDateTime from(QDate(1899, 1, 1), QTime(0, 0), Qt::UTC);
        const QDateTime to(QDate(2102, 1, 1), QTime(0, 0), Qt::UTC);
        for (const QTimeZone::OffsetData& d : zone.transitions(from, to)) {
            ExpectSame(zone, *table, d.atUtc.toSecsSinceEpoch());
            ExpectSame(zone, *table, d.atUtc.toSecsSinceEpoch() - 1);
        }
        for (int64_t t = from.toSecsSinceEpoch(); t < to.toSecsSinceEpoch(); t += 86400 * 11 + 3607)
            ExpectSame(zone, *table, t);
    }
}

TEST(ZoneTable, FindsOnlyRealZones) {
    EXPECT_TRUE(FindZone(QStringLiteral("Asia/Taipei")));
    EXPECT_EQ(FindZone(QStringLiteral("Asia/Taipei")), FindZone(QStringLiteral("Asia/Taipei")));
    EXPECT_FALSE(FindZone(QStringLiteral("Asia/Nowhere")));
    EXPECT_FALSE(FindZone(QStringLiteral("asia taipei")));
    EXPECT_FALSE(FindZone(QStringLiteral("/usr/share/zoneinfo/Asia/Taipei")));
    EXPECT_FALSE(FindZone(QString()));
}

// Wall-clock seconds of a date and back, over the table's whole range.
TEST(LocalSeconds, RoundTripsEveryDay) {
    const int64_t first = LocalSeconds({1898, 1, 1, 0, 0});
    const int64_t last = LocalSeconds({2103, 1, 1, 0, 0});
    EXPECT_EQ(LocalSeconds({1970, 1, 1, 0, 0}), 0);
    int64_t expectedDay = 0;
    for (int64_t t = first; t <= last; t += 86400, ++expectedDay) {
        const LocalDateTime d = LocalOfSeconds(t + 86399);
        ASSERT_EQ(LocalSeconds({d.year, d.month, d.day, 0, 0}), t);
        ASSERT_EQ(d.hour, 23);
        ASSERT_EQ(d.minute, 59);
    }
    EXPECT_EQ(expectedDay, 205 * 365 + 49 + 1); // 1898-2102 with 49 leap days, then 2103-01-01
    const LocalDateTime leap = LocalOfSeconds(LocalSeconds({2000, 2, 29, 12, 34}));
    EXPECT_EQ(leap.month, 2);
    EXPECT_EQ(leap.day, 29);
    EXPECT_EQ(leap.hour, 12);
    EXPECT_EQ(leap.minute, 34);
    EXPECT_EQ(LocalOfSeconds(-1).year, 1969); // before 1970: the minute that contains it
    EXPECT_EQ(LocalOfSeconds(-1).minute, 59);
}

} // namespace
} // namespace zelk::birthtime
