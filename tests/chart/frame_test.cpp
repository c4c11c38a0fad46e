// The palace frame: leap-month placement, 五行局, 地盤排法, 小限 and ten-year tables.
#include "chart_test_support.h"

#include "chart/chart_steps.h"

namespace zelk::test {
namespace {

// A stored birth in the leap fourth month of 2020 (a real leap month).
ChartRecord LeapFourth(Env& e, int day, int leapBase) {
    e.settings.LeapBase = static_cast<int16_t>(leapBase);
    return LoadStoredOrDie(e, Stored(2020, 4, day, true, 8, 0)); // 辰 hour (index 4)
}

TEST(Frame, LeapMonthPlacementFollowsLeapBase) {
    Env e;
    // Hour index 4: 命宮 = M - 5, 身宮 = M + 3.
    auto expectMonth = [](const ChartRecord& r, int month) {
        EXPECT_EQ(r.lifePalace, Mod(month - 5, 12)) << "month " << month;
        EXPECT_EQ(r.bodyPalace, Mod(month + 3, 12)) << "month " << month;
    };
    expectMonth(LeapFourth(e, 16, 1), 5);
    expectMonth(LeapFourth(e, 15, 1), 4);
    expectMonth(LeapFourth(e, 16, 0), 4);
    expectMonth(LeapFourth(e, 2, 2), 5);
    // 子年斗君 uses the month as it is.
    EXPECT_EQ(LeapFourth(e, 16, 1).ziYearDouJun, LeapFourth(e, 16, 0).ziYearDouJun);

    // LeapBase 2 changes nothing for a regular month.
    e.settings.LeapBase = 2;
    const ChartRecord regular2 = LoadStoredOrDie(e, Stored(2020, 4, 20, false, 8, 0));
    e.settings.LeapBase = 0;
    const ChartRecord regular0 = LoadStoredOrDie(e, Stored(2020, 4, 20, false, 8, 0));
    EXPECT_EQ(regular2.lifePalace, regular0.lifePalace);
    EXPECT_EQ(regular2.natalChart, regular0.natalChart);

    // A leap twelfth month always counts as the twelfth.
    EXPECT_EQ(detail::PlacementMonth(12, 20, true, 2), 12);
    EXPECT_EQ(detail::PlacementMonth(12, 20, true, 1), 12);
    EXPECT_EQ(detail::PlacementMonth(11, 20, true, 1), 12);
}

TEST(Frame, BureauTable) {
    EXPECT_EQ(detail::BureauOf(At(Zi), 0), 2);  // 甲 year, 命宮 at 子: 水二局
    EXPECT_EQ(detail::BureauOf(At(Yin), 1), 5); // 乙 year, 命宮 at 寅: 土五局
}

TEST(Frame, HourTwelveCountsAsRat) {
    Env e;
    for (int day = 1; day <= 29; day += 7) {
        const ChartRecord late = LoadStoredOrDie(e, Stored(1995, 3, day, false, 24, 0));
        const ChartRecord early = LoadStoredOrDie(e, Stored(1995, 3, day, false, 0, 0));
        ASSERT_EQ(late.hourIndex, 12);
        ASSERT_EQ(early.hourIndex, 0);
        EXPECT_EQ(late.lifePalace, early.lifePalace);
        EXPECT_EQ(late.bodyPalace, early.bodyPalace);
        EXPECT_EQ(late.ziYearDouJun, early.ziYearDouJun);
        EXPECT_EQ(late.natalChart, early.natalChart);
    }
}

TEST(Frame, PanBaseOneLaysTheChartOutFromTheBodyPalace) {
    Env e;
    // A birth whose 命宮 and 身宮 differ (hour 卯).
    e.settings.PanBase = 1;
    const ChartRecord r = LoadStoredOrDie(e, Stored(1988, 7, 12, false, 6, 1));
    ASSERT_NE(r.lifePalace, r.bodyPalace);
    EXPECT_EQ(r.natalChart.nameAt(r.bodyPalace), 1);
    EXPECT_EQ(r.bureau, detail::BureauOf(r.bodyPalace, r.yearStem));
    EXPECT_EQ(r.decadeFirstAge[r.bodyPalace], r.bureau);

    e.settings.PanBase = 0;
    const ChartRecord plain = LoadStoredOrDie(e, Stored(1988, 7, 12, false, 6, 1));
    EXPECT_EQ(plain.natalChart.nameAt(plain.lifePalace), 1);
    EXPECT_EQ(plain.bureau, detail::BureauOf(plain.lifePalace, plain.yearStem));
}

TEST(SmallLimit, TraditionalAndBirthBranchOrders) {
    Env e;
    // 寅 year (1986), female: 1 at 辰, 2 at 卯, 3 at 寅.
    ChartRecord f = LoadStoredOrDie(e, Stored(1986, 5, 5, false, 10, 1));
    ASSERT_EQ(f.yearBranch, Yin);
    EXPECT_EQ(f.smallLimitOrder[At(Chen)], 1);
    EXPECT_EQ(f.smallLimitOrder[At(Mao)], 2);
    EXPECT_EQ(f.smallLimitOrder[At(Yin)], 3);
    EXPECT_EQ(f.smallLimitOrder[At(Si)], 12);
    // SmallSanType 1: from the year's own branch, forward for both sexes.
    e.settings.SmallSanType = 1;
    ChartRecord own = LoadStoredOrDie(e, Stored(1986, 5, 5, false, 10, 1));
    EXPECT_EQ(own.smallLimitOrder[At(Yin)], 1);
    EXPECT_EQ(own.smallLimitOrder[At(Mao)], 2);
    // A value outside the table reads as the traditional order.
    e.settings.SmallSanType = 9;
    EXPECT_EQ(LoadStoredOrDie(e, Stored(1986, 5, 5, false, 10, 1)).smallLimitOrder,
              f.smallLimitOrder);
}

TEST(TenYear, AgesRunWithTheDirectionOfTheBirth) {
    Env e;
    // 水二局 with 命宮 at 午: month 6, 丑 hour, in a 壬 (yang) and a 丁 (yin) year.
    const ChartRecord yang = LoadStoredOrDie(e, Stored(1992, 6, 10, false, 2, 0));
    ASSERT_EQ(yang.bureau, 2);
    ASSERT_EQ(yang.lifePalace, At(Wu));
    EXPECT_EQ(yang.decadeFirstAge[At(Wu)], 2);
    EXPECT_EQ(yang.decadeFirstAge[At(Wei)], 12);
    EXPECT_EQ(yang.decadeFirstAge[At(Shen)], 22);
    EXPECT_EQ(yang.decadeFirstAge[At(Si)], 112);
    const ChartRecord yin = LoadStoredOrDie(e, Stored(1987, 6, 10, false, 2, 0));
    ASSERT_EQ(yin.bureau, 2);
    EXPECT_EQ(yin.decadeFirstAge[At(Wu)], 2);
    EXPECT_EQ(yin.decadeFirstAge[At(Si)], 12);
}

} // namespace
} // namespace zelk::test
