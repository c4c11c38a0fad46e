// The three rules against published daylight-saving periods (through the system's
// tz database), gaps and overlaps, corrections across midnight and 23:00, LMT
// eras and refusals.
#include "birth_time.h"
#include "birth_time_test_support.h"
#include "birth_time_text.h"

#include <gtest/gtest.h>

namespace zelk {
namespace {

using test::At;
using test::Corrected;
using test::Text;

// A practitioner's case: 1975-07-15 09:30 in Taipei was summer time (UTC+9).
// Standard time is 08:30, 辰時; at 121.5° E true solar time is also 08:30
// (00:30 UTC + 8 h 06 min = 08:36 mean solar time, equation of time -5 min 49 s).
TEST(BirthTime, TaipeiSummerOf1975) {
    const BirthTime standard = Corrected("Asia/Taipei", At(1975, 7, 15, 9, 30));
    EXPECT_TRUE(standard.daylightSaving);
    EXPECT_TRUE(standard.summerTime);
    EXPECT_EQ(standard.advanceMinutes, 60);
    EXPECT_EQ(standard.utcOffsetMinutes, 540);
    EXPECT_EQ(Text(standard.standard), "1975-07-15 08:30");
    EXPECT_EQ(Text(standard.used), "1975-07-15 08:30");
    EXPECT_EQ(standard.hourIndex, 4);
    EXPECT_EQ(standard.chartHour(), (ChartHour{1975, 7, 15, 4}));
    EXPECT_FALSE(standard.trueSolar);
    EXPECT_TRUE(standard.hasWarning(BirthWarningKind::DaylightSaving));
    EXPECT_EQ(UsedTimeText(standard), QStringLiteral("標準時間 08:30 (夏令時間已扣除)"));

    const BirthTime solar =
        Corrected("Asia/Taipei", At(1975, 7, 15, 9, 30), BirthTimeRule::Solar, 121.5);
    ASSERT_TRUE(solar.trueSolar);
    EXPECT_EQ(Text(*solar.trueSolar), "1975-07-15 08:30");
    EXPECT_EQ(Text(solar.used), "1975-07-15 08:30");
    EXPECT_EQ(UsedTimeText(solar), QStringLiteral("真太陽時 08:30"));

    // The clock rule keeps the time as entered, and still warns.
    const BirthTime clock = Corrected("Asia/Taipei", At(1975, 7, 15, 9, 30), BirthTimeRule::Clock);
    EXPECT_EQ(Text(clock.used), "1975-07-15 09:30");
    EXPECT_EQ(clock.hourIndex, 5);
    EXPECT_TRUE(clock.daylightSaving);
    EXPECT_TRUE(clock.hasWarning(BirthWarningKind::DaylightSaving));
    EXPECT_EQ(Text(clock.standard), "1975-07-15 08:30");
}

struct Period {
    int year, startMonth, startDay, endMonth, endDay; // first and last day of summer time
};

// Noon on the first and last day is summer time; noon on the day before and the
// day after is not.
void ExpectSummerTime(const char* zone, const Period& p) {
    SCOPED_TRACE(std::string(zone) + " " + std::to_string(p.year));
    const QDate first(p.year, p.startMonth, p.startDay), last(p.year, p.endMonth, p.endDay);
    auto dst = [&](QDate d) {
        return Corrected(zone, At(d.year(), d.month(), d.day(), 12, 0)).daylightSaving;
    };
    EXPECT_FALSE(dst(first.addDays(-1)));
    EXPECT_TRUE(dst(first));
    EXPECT_TRUE(dst(first.addDays(30)));
    EXPECT_TRUE(dst(last));
    EXPECT_FALSE(dst(last.addDays(1)));
}

// Taiwan's summer time as the tz database records it (its entries follow the
// Central Weather Bureau's published table, with 1946-1947 corrected from the
// original bulletins); clocks changed at 00:00.
TEST(BirthTime, TaiwanSummerTimePeriods) {
    const Period periods[] = {
        {1946, 5, 15, 9, 30}, {1947, 4, 15, 10, 31}, {1948, 5, 1, 9, 30},  {1949, 5, 1, 9, 30},
        {1950, 5, 1, 9, 30},  {1951, 5, 1, 9, 30},   {1952, 3, 1, 10, 31}, {1953, 4, 1, 10, 31},
        {1954, 4, 1, 10, 31}, {1955, 4, 1, 9, 30},   {1956, 4, 1, 9, 30},  {1957, 4, 1, 9, 30},
        {1958, 4, 1, 9, 30},  {1959, 4, 1, 9, 30},   {1960, 6, 1, 9, 30},  {1961, 6, 1, 9, 30},
        {1974, 4, 1, 9, 30},  {1975, 4, 1, 9, 30},   {1979, 7, 1, 9, 30},
    };
    for (const Period& p : periods)
        ExpectSummerTime("Asia/Taipei", p);
    for (int year : {1962, 1965, 1970, 1973, 1976, 1977, 1978, 1980, 1990, 2020})
        EXPECT_FALSE(Corrected("Asia/Taipei", At(year, 7, 15, 12, 0)).daylightSaving) << year;
}

// Taiwan kept Japanese standard time, UTC+9, from 1937-10-01 to 1945-09-21 01:00.
// The tz database records it as standard time, yet the standard rule uses UTC+8.
TEST(BirthTime, TaiwanUtc9Of1937To1945) {
    const BirthTime war = Corrected("Asia/Taipei", At(1940, 6, 1, 12, 0));
    EXPECT_TRUE(war.daylightSaving);
    EXPECT_FALSE(war.summerTime);
    EXPECT_EQ(war.advanceMinutes, 60);
    EXPECT_EQ(Text(war.used), "1940-06-01 11:00");
    EXPECT_EQ(UsedTimeText(war), QStringLiteral("標準時間 11:00 (UTC+9 已改為標準時間)"));
    EXPECT_FALSE(Corrected("Asia/Taipei", At(1937, 9, 30, 12, 0)).daylightSaving);
    EXPECT_TRUE(Corrected("Asia/Taipei", At(1937, 10, 1, 12, 0)).daylightSaving);
    EXPECT_FALSE(Corrected("Asia/Taipei", At(1945, 9, 21, 12, 0)).daylightSaving);
    // 1945-09-21 00:00-00:59 happened twice: first in UTC+9, then in UTC+8.
    const BirthTime twice = Corrected("Asia/Taipei", At(1945, 9, 21, 0, 30));
    EXPECT_TRUE(twice.hasWarning(BirthWarningKind::AmbiguousClock));
    EXPECT_EQ(Text(twice.used), "1945-09-20 23:30");
    EXPECT_EQ(twice.chartHour(), (ChartHour{1945, 9, 20, 12}));
}

// Mainland China 1986-1991 (State Council notices: summer time from the
// Sunday in mid-April, 1986 from 4 May, to the Sunday in mid-September; clocks
// moved at 02:00).
TEST(BirthTime, ChinaSummerTime1986To1991) {
    const Period periods[] = {
        {1986, 5, 4, 9, 13},  {1987, 4, 12, 9, 12}, {1988, 4, 17, 9, 10},
        {1989, 4, 16, 9, 16}, {1990, 4, 15, 9, 15}, {1991, 4, 14, 9, 14},
    };
    for (const Period& p : periods) {
        ExpectSummerTime("Asia/Shanghai", p);
        // On the first day 02:00-02:59 never existed; on the day after the last,
        // 01:00-01:59 came twice.
        const BirthTime before =
            Corrected("Asia/Shanghai", At(p.year, p.startMonth, p.startDay, 1, 30));
        EXPECT_FALSE(before.daylightSaving);
        EXPECT_FALSE(before.hasWarning(BirthWarningKind::SkippedClock));
        const BirthTime skipped =
            Corrected("Asia/Shanghai", At(p.year, p.startMonth, p.startDay, 2, 30));
        EXPECT_TRUE(skipped.hasWarning(BirthWarningKind::SkippedClock)) << p.year;
        EXPECT_TRUE(
            Corrected("Asia/Shanghai", At(p.year, p.startMonth, p.startDay, 3, 30)).daylightSaving);
        const QDate end = QDate(p.year, p.endMonth, p.endDay).addDays(1);
        const BirthTime twice =
            Corrected("Asia/Shanghai", At(end.year(), end.month(), end.day(), 1, 30));
        EXPECT_TRUE(twice.hasWarning(BirthWarningKind::AmbiguousClock)) << p.year;
        EXPECT_FALSE(Corrected("Asia/Shanghai", At(end.year(), end.month(), end.day(), 2, 30))
                         .daylightSaving);
    }
    for (int year : {1985, 1992, 2008})
        EXPECT_FALSE(Corrected("Asia/Shanghai", At(year, 7, 15, 12, 0)).daylightSaving) << year;
}

// 1986-05-04 02:30 in China never existed: it is read with the offset before
// the change (UTC+8), so standard time is 02:30. 1986-09-14 01:30 happened twice:
// the first time in summer time, 00:30 standard time.
TEST(BirthTime, GapAndOverlapInShanghai) {
    const BirthTime skipped = Corrected("Asia/Shanghai", At(1986, 5, 4, 2, 30));
    EXPECT_EQ(skipped.utcOffsetMinutes, 480);
    EXPECT_FALSE(skipped.daylightSaving);
    EXPECT_EQ(Text(skipped.used), "1986-05-04 02:30");
    EXPECT_FALSE(skipped.hasWarning(BirthWarningKind::AmbiguousClock));
    for (const BirthWarning& w : skipped.warnings)
        if (w.kind == BirthWarningKind::SkippedClock) {
            EXPECT_FALSE(w.minutes);
            EXPECT_TRUE(w.text.contains(QStringLiteral("02:30")));
            EXPECT_TRUE(w.text.contains(QStringLiteral("UTC+8")));
        }

    const BirthTime twice = Corrected("Asia/Shanghai", At(1986, 9, 14, 1, 30));
    EXPECT_EQ(twice.utcOffsetMinutes, 540);
    EXPECT_TRUE(twice.daylightSaving);
    EXPECT_TRUE(twice.hasWarning(BirthWarningKind::AmbiguousClock));
    EXPECT_FALSE(twice.hasWarning(BirthWarningKind::SkippedClock));
    EXPECT_EQ(Text(twice.used), "1986-09-14 00:30");
    EXPECT_EQ(twice.hourIndex, 0);
}

// Hong Kong Observatory: summer time 1979 from 13 May 03:30 to 21 October 03:30,
// none in 1977 and 1978; Japanese time (UTC+9) from 25 December 1941 to
// 18 November 1945; "half summer time" UTC+8:30 from 1 October 1941.
TEST(BirthTime, HongKongSummerAndWarTime) {
    EXPECT_TRUE(Corrected("Asia/Hong_Kong", At(1979, 7, 1, 12, 0)).daylightSaving);
    EXPECT_FALSE(Corrected("Asia/Hong_Kong", At(1977, 7, 1, 12, 0)).daylightSaving);
    EXPECT_FALSE(Corrected("Asia/Hong_Kong", At(1978, 7, 1, 12, 0)).daylightSaving);
    EXPECT_TRUE(Corrected("Asia/Hong_Kong", At(1979, 5, 13, 3, 45))
                    .hasWarning(BirthWarningKind::SkippedClock));
    EXPECT_FALSE(Corrected("Asia/Hong_Kong", At(1979, 5, 13, 3, 15)).daylightSaving);
    const BirthTime twice = Corrected("Asia/Hong_Kong", At(1979, 10, 21, 3, 0));
    EXPECT_TRUE(twice.hasWarning(BirthWarningKind::AmbiguousClock));
    EXPECT_EQ(Text(twice.used), "1979-10-21 02:00");

    const BirthTime war = Corrected("Asia/Hong_Kong", At(1943, 6, 1, 12, 0));
    EXPECT_TRUE(war.daylightSaving);
    EXPECT_EQ(Text(war.used), "1943-06-01 11:00");
    const BirthTime half = Corrected("Asia/Hong_Kong", At(1941, 11, 1, 12, 0));
    EXPECT_EQ(half.advanceMinutes, 30);
    EXPECT_EQ(Text(half.used), "1941-11-01 11:30");
    EXPECT_FALSE(Corrected("Asia/Hong_Kong", At(1946, 1, 15, 12, 0)).daylightSaving);
}

// Macau: UTC+9 from 1941-12-21 to 1945-09-30, UTC+10 in the summers of 1942
// and 1943 (tz database, after the Macau government's decrees).
TEST(BirthTime, MacauWarTime) {
    const BirthTime nine = Corrected("Asia/Macau", At(1944, 1, 15, 12, 0));
    EXPECT_EQ(nine.advanceMinutes, 60);
    EXPECT_EQ(Text(nine.used), "1944-01-15 11:00");
    const BirthTime ten = Corrected("Asia/Macau", At(1942, 7, 1, 12, 0));
    EXPECT_EQ(ten.advanceMinutes, 120);
    EXPECT_EQ(Text(ten.used), "1942-07-01 10:00");
    EXPECT_FALSE(Corrected("Asia/Macau", At(1941, 12, 1, 12, 0)).daylightSaving);
    EXPECT_TRUE(Corrected("Asia/Macau", At(1979, 7, 1, 12, 0)).daylightSaving);
}

// Other zones use their own standard offset: America/New_York is UTC-5 with
// summer time UTC-4 (2021: 14 March 02:00 to 7 November 02:00, US Energy Policy
// Act of 2005); London kept double summer time (UTC+2) in 1941.
TEST(BirthTime, OtherZonesUseTheirStandardOffset) {
    const BirthTime summer = Corrected("America/New_York", At(1975, 7, 15, 9, 30));
    EXPECT_TRUE(summer.daylightSaving);
    EXPECT_EQ(summer.utcOffsetMinutes, -240);
    EXPECT_EQ(Text(summer.used), "1975-07-15 08:30");

    const BirthTime skipped = Corrected("America/New_York", At(2021, 3, 14, 2, 30));
    EXPECT_TRUE(skipped.hasWarning(BirthWarningKind::SkippedClock));
    EXPECT_EQ(skipped.utcOffsetMinutes, -300);
    EXPECT_EQ(Text(skipped.used), "2021-03-14 02:30");

    const BirthTime twice = Corrected("America/New_York", At(2021, 11, 7, 1, 30));
    EXPECT_TRUE(twice.hasWarning(BirthWarningKind::AmbiguousClock));
    EXPECT_EQ(twice.utcOffsetMinutes, -240);
    EXPECT_EQ(Text(twice.used), "2021-11-07 00:30");

    const BirthTime winter = Corrected("America/New_York", At(2021, 1, 15, 9, 30));
    EXPECT_FALSE(winter.daylightSaving);
    EXPECT_TRUE(winter.warnings.empty());
    EXPECT_EQ(Text(winter.used), "2021-01-15 09:30");

    const BirthTime doubleSummer = Corrected("Europe/London", At(1941, 6, 1, 12, 0));
    EXPECT_EQ(doubleSummer.advanceMinutes, 120);
    EXPECT_EQ(Text(doubleSummer.used), "1941-06-01 10:00");

    const BirthTime tokyo = Corrected("Asia/Tokyo", At(2000, 7, 15, 12, 0));
    EXPECT_FALSE(tokyo.daylightSaving);
    EXPECT_EQ(tokyo.utcOffsetMinutes, 540);
    EXPECT_EQ(Text(tokyo.used), "2000-07-15 12:00");
}

// The tz database writes Ireland's winter time as a negative summer time under a
// standard offset of UTC+1. The standard rule never moves a clock forward: a
// winter birth in Dublin keeps its clock time.
TEST(BirthTime, NegativeSummerTimeIsNotAddedToTheClock) {
    const BirthTime winter = Corrected("Europe/Dublin", At(2020, 1, 15, 12, 0));
    EXPECT_FALSE(winter.daylightSaving);
    EXPECT_EQ(Text(winter.used), "2020-01-15 12:00");
}

// Before 1901 Shanghai kept local mean time, UTC+8:05:43. That is no clock
// advance: no warning, but the standard rule still gives UTC+8.
TEST(BirthTime, LocalMeanTimeIsNoDaylightSaving) {
    const BirthTime lmt = Corrected("Asia/Shanghai", At(1900, 6, 1, 12, 0));
    EXPECT_FALSE(lmt.daylightSaving);
    EXPECT_TRUE(lmt.warnings.empty());
    EXPECT_EQ(lmt.utcOffsetMinutes, 486);
    EXPECT_EQ(Text(lmt.used), "1900-06-01 11:54"); // 11:54:17
}

// Corrections may move the chart across midnight and across 23:00, where the
// late 子 hour begins the next lunar day.
TEST(BirthTime, CorrectionsAcrossMidnightAndTheLateZiHour) {
    // Summer time 00:30 is 23:30 standard time of the day before: the late 子 hour,
    // on the date before.
    const BirthTime late = Corrected("Asia/Taipei", At(1975, 7, 16, 0, 30));
    EXPECT_EQ(Text(late.used), "1975-07-15 23:30");
    EXPECT_EQ(late.chartHour(), (ChartHour{1975, 7, 15, 12}));
    EXPECT_EQ(UsedTimeText(late), QStringLiteral("標準時間 23:30 (夏令時間已扣除，前一日)"));

    // Summer time 23:30 is 22:30: 亥時 of the same day, no longer the late 子 hour.
    const BirthTime beforeLate = Corrected("Asia/Taipei", At(1975, 7, 15, 23, 30));
    EXPECT_EQ(beforeLate.chartHour(), (ChartHour{1975, 7, 15, 11}));

    // True solar time in Ürümqi (87.62° E, Beijing time): 00:30 on 1990-01-01 is
    // 16:30 UTC, + 5 h 50 min 29 s, - 3 min 8 s = 22:17 of 31 December. (The
    // expected times of this test were computed independently with the IAU's
    // fundamental-astronomy routines: Greenwich apparent sidereal time minus the
    // Sun's apparent right ascension.)
    const BirthTime west =
        Corrected("Asia/Shanghai", At(1990, 1, 1, 0, 30), BirthTimeRule::Solar, 87.62);
    EXPECT_EQ(Text(west.used), "1989-12-31 22:17");
    EXPECT_EQ(west.chartHour(), (ChartHour{1989, 12, 31, 11}));
    EXPECT_EQ(UsedTimeText(west), QStringLiteral("真太陽時 22:17 (前一日)"));

    // In Harbin (126.5° E) in early November the sun runs 26 min + 16 min 25 s
    // ahead of Beijing time: 23:30 becomes 00:12 of the next day.
    const BirthTime east =
        Corrected("Asia/Shanghai", At(1990, 11, 3, 23, 30), BirthTimeRule::Solar, 126.5);
    EXPECT_EQ(Text(east.used), "1990-11-04 00:12");
    EXPECT_EQ(east.chartHour(), (ChartHour{1990, 11, 4, 0}));
    EXPECT_EQ(UsedTimeText(east), QStringLiteral("真太陽時 00:12 (次日)"));
}

TEST(BirthTime, HourIndexFollowsTheUsedTime) {
    struct Row {
        int hour, minute, index;
    } rows[] = {{0, 0, 0}, {0, 59, 0},   {1, 0, 1},   {2, 59, 1},  {8, 59, 4},
                {9, 0, 5}, {22, 59, 11}, {23, 0, 12}, {23, 59, 12}};
    for (const Row& r : rows) {
        const BirthTime t = Corrected("Asia/Taipei", At(2001, 3, 10, r.hour, r.minute));
        EXPECT_EQ(t.chartHour(), (ChartHour{2001, 3, 10, r.index})) << r.hour << ":" << r.minute;
    }
}

BirthTimeResult Try(const char* zone, LocalDateTime clock, BirthTimeRule rule,
                    std::optional<double> longitude = std::nullopt) {
    BirthTimeInput in;
    in.clock = clock;
    in.zone = QString::fromLatin1(zone);
    in.rule = rule;
    in.longitude = longitude;
    return CorrectBirthTime(in);
}

TEST(BirthTime, RefusesWithAMessage) {
    const auto expectRefused = [](const BirthTimeResult& r, const char16_t* part) {
        EXPECT_FALSE(r);
        EXPECT_TRUE(r.error.contains(QString::fromUtf16(part))) << r.error.toStdString();
    };
    const auto standard = BirthTimeRule::Standard;
    expectRefused(Try("Asia/Taipei", At(1975, 7, 15, 9, 30), BirthTimeRule::Solar), u"經度");
    expectRefused(Try("Asia/Taipei", At(1975, 2, 29, 9, 30), standard), u"不存在");
    expectRefused(Try("Asia/Taipei", At(2023, 13, 1, 9, 30), standard), u"不存在");
    expectRefused(Try("Asia/Taipei", At(2023, 4, 31, 9, 30), standard), u"不存在");
    expectRefused(Try("Asia/Taipei", At(2023, 4, 1, 24, 0), standard), u"出生時間不正確");
    expectRefused(Try("Asia/Taipei", At(2023, 4, 1, 9, 60), standard), u"出生時間不正確");
    expectRefused(Try("Asia/Taipei", At(2023, 4, 1, -1, 0), standard), u"出生時間不正確");
    expectRefused(Try("Mars/Olympus_Mons", At(2023, 4, 1, 9, 0), standard), u"無法辨識的時區");
    expectRefused(Try("../../etc/passwd", At(2023, 4, 1, 9, 0), standard), u"無法辨識的時區");
    expectRefused(Try("", At(2023, 4, 1, 9, 0), standard), u"未指定");
    expectRefused(Try("Asia/Taipei", At(2023, 4, 1, 9, 0), standard, 200.0), u"經度超出範圍");
    // Outside the lunar table, also after the correction.
    expectRefused(Try("Asia/Taipei", At(1900, 1, 30, 12, 0), standard), u"曆法範圍");
    expectRefused(Try("Asia/Shanghai", At(1900, 1, 31, 0, 2), standard), u"曆法範圍");
    expectRefused(Try("Asia/Taipei", At(2100, 2, 8, 23, 30), standard), u"曆法範圍");
    expectRefused(Try("Asia/Taipei", At(-32000, 1, 1, 0, 0), standard), u"曆法範圍");
    expectRefused(Try("Asia/Taipei", At(32000, 1, 1, 0, 0), standard), u"曆法範圍");

    EXPECT_TRUE(Try("Asia/Shanghai", At(1900, 1, 31, 0, 30), standard));
    EXPECT_TRUE(Try("Asia/Taipei", At(2100, 2, 8, 22, 30), standard));
    // A longitude without the solar rule is fine; the true solar time is still given.
    const BirthTimeResult withLongitude = Try("Asia/Taipei", At(2023, 4, 1, 9, 0), standard, 121.5);
    ASSERT_TRUE(withLongitude);
    EXPECT_TRUE(withLongitude.value->trueSolar);
}

TEST(BirthTimeRule, KeysReadBack) {
    for (BirthTimeRule rule : {BirthTimeRule::Clock, BirthTimeRule::Standard, BirthTimeRule::Solar})
        EXPECT_EQ(BirthTimeRuleFromKey(BirthTimeRuleKey(rule)), rule);
    EXPECT_FALSE(BirthTimeRuleFromKey(u"sun"));
}

TEST(CommonBirthZones, StartWithTheUtc8ZonesAndAreAllKnown) {
    const QStringList zones = CommonBirthZones();
    ASSERT_GE(zones.size(), 6);
    EXPECT_EQ(zones.mid(0, 4),
              (QStringList{QStringLiteral("Asia/Taipei"), QStringLiteral("Asia/Shanghai"),
                           QStringLiteral("Asia/Hong_Kong"), QStringLiteral("Asia/Macau")}));
    EXPECT_EQ(zones.size(), QSet<QString>(zones.begin(), zones.end()).size());
    for (const QString& zone : zones) {
        BirthTimeInput in;
        in.clock = At(2000, 1, 1, 12, 0);
        in.zone = zone;
        EXPECT_TRUE(CorrectBirthTime(in)) << zone.toStdString();
    }
    EXPECT_TRUE(IsUtc8Zone(u"Asia/Macao"));
    EXPECT_FALSE(IsUtc8Zone(u"Asia/Urumqi"));
    EXPECT_FALSE(IsUtc8Zone(u"Asia/Singapore"));
}

} // namespace
} // namespace zelk
