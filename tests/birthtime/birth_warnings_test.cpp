// Warnings near a boundary and the neighbouring 時辰.
#include "birth_time.h"
#include "birth_time_test_support.h"

#include <gtest/gtest.h>

namespace zelk {
namespace {

using test::At;
using test::Corrected;

const BirthWarning* Find(const BirthTime& t, BirthWarningKind kind) {
    for (const BirthWarning& w : t.warnings)
        if (w.kind == kind) return &w;
    return nullptr;
}

// Taipei 1980 has no summer time: the clock, standard time and the used time agree.
BirthTime Taipei(int hour, int minute, int warnMinutes = 10) {
    return Corrected("Asia/Taipei", At(1980, 1, 10, hour, minute), BirthTimeRule::Standard,
                     std::nullopt, warnMinutes);
}

TEST(BoundaryWarnings, NearTheBorderOfTwoHours) {
    const BirthTime before = Taipei(8, 55);
    const BirthWarning* w = Find(before, BirthWarningKind::HourBoundary);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->minutes, 5);
    EXPECT_EQ(w->text, QStringLiteral("距時辰交界 09:00（辰時／巳時）5 分鐘"));
    EXPECT_EQ(before.neighbour.hour, (ChartHour{1980, 1, 10, 5}));
    EXPECT_FALSE(before.neighbour.earlier);

    const BirthTime after = Taipei(9, 5);
    w = Find(after, BirthWarningKind::HourBoundary);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->minutes, 5);
    EXPECT_EQ(w->text, QStringLiteral("距時辰交界 09:00（辰時／巳時）5 分鐘"));
    EXPECT_EQ(after.neighbour.hour, (ChartHour{1980, 1, 10, 4}));
    EXPECT_TRUE(after.neighbour.earlier);

    const BirthTime onIt = Taipei(9, 0);
    w = Find(onIt, BirthWarningKind::HourBoundary);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->minutes, 0);
    EXPECT_EQ(w->text, QStringLiteral("恰在時辰交界 09:00（辰時／巳時）"));

    // The distance is inclusive; one minute further there is no warning.
    EXPECT_TRUE(Find(Taipei(8, 50), BirthWarningKind::HourBoundary));
    EXPECT_FALSE(Find(Taipei(8, 49), BirthWarningKind::HourBoundary));
    EXPECT_FALSE(Find(Taipei(9, 11), BirthWarningKind::HourBoundary));
    EXPECT_TRUE(Find(Taipei(8, 40, 20), BirthWarningKind::HourBoundary));
    EXPECT_TRUE(Taipei(8, 59, 0).warnings.empty()); // 0: no boundary warnings
    EXPECT_TRUE(Taipei(8, 59, -5).warnings.empty());
}

// 23:00 begins the late 子 hour, which belongs to the next lunar day.
TEST(BoundaryWarnings, NearTheDayChangeAt23) {
    const BirthTime before = Taipei(22, 58);
    const BirthWarning* w = Find(before, BirthWarningKind::DayBoundary);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->minutes, 2);
    EXPECT_FALSE(Find(before, BirthWarningKind::HourBoundary));
    EXPECT_TRUE(w->text.contains(QStringLiteral("23:00")));
    EXPECT_TRUE(w->text.contains(QStringLiteral("亥時／晚子時")));
    EXPECT_EQ(before.neighbour.hour, (ChartHour{1980, 1, 10, 12}));
    EXPECT_TRUE(before.neighbour.dayChange);

    const BirthTime after = Taipei(23, 0);
    EXPECT_EQ(Find(after, BirthWarningKind::DayBoundary)->minutes, 0);
    EXPECT_EQ(after.neighbour.hour, (ChartHour{1980, 1, 10, 11}));

    // Midnight is no border: the late 子 hour and the 子 hour after midnight give
    // one chart. 00:05 is 55 minutes from 01:00, the nearest border.
    const BirthTime midnight = Taipei(0, 5);
    EXPECT_TRUE(midnight.warnings.empty());
    EXPECT_EQ(midnight.neighbour.minutes, 55);
    EXPECT_EQ(midnight.neighbour.hour, (ChartHour{1980, 1, 10, 1}));
    const BirthTime lateZi = Taipei(23, 55);
    EXPECT_EQ(lateZi.neighbour.minutes, 55);
    EXPECT_EQ(lateZi.neighbour.hour, (ChartHour{1980, 1, 10, 11}));
}

TEST(BoundaryWarnings, NeighbourAcrossMidnight) {
    // 00:50: the nearest border is 01:00, on the same day.
    EXPECT_EQ(Taipei(0, 50).neighbour.hour, (ChartHour{1980, 1, 10, 1}));
    // 23:58 on the last day of a month: the border 23:00 lies behind; across it is
    // 亥時 of the same day.
    const BirthTime t = Corrected("Asia/Taipei", At(1980, 1, 31, 23, 58));
    EXPECT_EQ(t.neighbour.hour, (ChartHour{1980, 1, 31, 11}));
}

// Warnings follow the time used: summer time 09:55 is 08:55 standard time, near
// the 辰/巳 border; the clock rule sees 09:55, far from any border.
TEST(BoundaryWarnings, FollowTheRule) {
    const BirthTime standard = Corrected("Asia/Taipei", At(1975, 7, 15, 9, 55));
    EXPECT_TRUE(Find(standard, BirthWarningKind::HourBoundary));
    EXPECT_TRUE(Find(standard, BirthWarningKind::DaylightSaving));
    const BirthTime clock = Corrected("Asia/Taipei", At(1975, 7, 15, 9, 55), BirthTimeRule::Clock);
    EXPECT_FALSE(Find(clock, BirthWarningKind::HourBoundary));
    EXPECT_TRUE(Find(clock, BirthWarningKind::DaylightSaving));
}

class SolarTermWarnings : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        table_ = SolarTermTable::LoadFile(ZELK_SOLAR_TERMS_FILE, &error);
        if (!table_) GTEST_SKIP() << "solar-term table not available: " << error;
    }
    std::optional<SolarTermTable> table_;
};

// 立春 1984 began on 4 February at 23:19 Beijing time (Hong Kong Observatory).
TEST_F(SolarTermWarnings, NearTheBeginningOfATerm) {
    const BirthTime near = Corrected("Asia/Taipei", At(1984, 2, 4, 23, 15), BirthTimeRule::Standard,
                                     std::nullopt, 10, &*table_);
    const BirthWarning* w = Find(near, BirthWarningKind::SolarTerm);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->minutes, 4);
    EXPECT_EQ(w->text, QStringLiteral("距立春交節 4 分鐘（1984-02-04 23:19）"));

    const BirthTime far = Corrected("Asia/Taipei", At(1984, 2, 4, 23, 35), BirthTimeRule::Standard,
                                    std::nullopt, 10, &*table_);
    EXPECT_FALSE(Find(far, BirthWarningKind::SolarTerm));
    const BirthTime none = Corrected("Asia/Taipei", At(1984, 2, 4, 23, 15));
    EXPECT_FALSE(Find(none, BirthWarningKind::SolarTerm)); // no table, no term warnings
}

// A term begins at an instant: in New York (UTC-5) 立春 1984 began at 10:19, and
// the clock rule sees it there.
TEST_F(SolarTermWarnings, AreMeasuredBetweenInstants) {
    const BirthTime t = Corrected("America/New_York", At(1984, 2, 4, 10, 25), BirthTimeRule::Clock,
                                  std::nullopt, 10, &*table_);
    const BirthWarning* w = Find(t, BirthWarningKind::SolarTerm);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->minutes, 6);
    EXPECT_TRUE(w->text.contains(QStringLiteral("1984-02-04 10:19"))) << w->text.toStdString();

    // Across the turn of a year: 小寒 1985 began on 5 January 1985 at 17:35
    // Beijing time; a birth on 31 December is far from every term.
    const BirthTime yearEnd = Corrected("Asia/Taipei", At(1984, 12, 31, 12, 0),
                                        BirthTimeRule::Standard, std::nullopt, 10, &*table_);
    EXPECT_FALSE(Find(yearEnd, BirthWarningKind::SolarTerm));
}

} // namespace
} // namespace zelk
