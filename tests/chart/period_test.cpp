// Period charts: completing the flow date, the period frame, base charts, the
// 流祿 move, refusals that leave the chart as it was, and settings changes.
#include "chart_test_support.h"

#include "chart/chart_steps.h"

namespace zelk::test {
namespace {

class Period : public ::testing::Test {
  protected:
    Env e;
    ChartRecord r;
    void SetUp() override {
        // 乙丑 1985, lunar 8-5, female, 午 hour.
        r = LoadStoredOrDie(e, Stored(1985, 8, 5, false, 12, 1));
        ASSERT_EQ(r.yearStem, 1);
    }
    ChartResult Compute(int level) { return ComputePeriodChart(r, level, r.periodChart, e.env()); }
    int SmallLimitOf(int age) const {
        for (int p = 0; p < 12; ++p)
            if (r.smallLimitOrder[p] == Mod(age - 1, 12) + 1) return p;
        return -1;
    }
};

TEST_F(Period, FlowYearTakesMonthDayAndHourFromTheBirth) {
    r.flowLunarYear = 2010;
    r.flowLunarMonth = 3;
    r.flowLunarDay = 20;
    ASSERT_TRUE(Compute(2).ok());
    EXPECT_EQ(r.flowLunarMonth, 8);
    EXPECT_EQ(r.flowLunarDay, 5);
    EXPECT_EQ(r.flowHour, 6);
    EXPECT_EQ(r.periodChanged, 1);
    EXPECT_EQ(r.shownLevel, 2);
    // The Gregorian flow date is derived from the lunar one.
    const auto g = LunarToSolar(2010, 8, 5, false);
    EXPECT_EQ(r.flowSolarYear, g->year);
    EXPECT_EQ(r.flowSolarMonth, g->month);
    EXPECT_EQ(r.flowSolarDay, g->day);
    // The flow year's own palace carries the flow year's stem (2010 庚寅).
    EXPECT_EQ(r.periodChart.stemAt(At(Yin)), 6);
    EXPECT_EQ(r.periodChart.nameAt(r.flowLifePalace), 1);
    EXPECT_EQ(r.flowYearPosition, At(Yin));
}

TEST_F(Period, FlowMonthDayLimitedToTheMonthWithBirthTimeBase) {
    // Born on a 30th; flow month 1 of 2023 has 29 days.
    ChartRecord born30 = LoadStoredOrDie(e, Stored(1990, 1, 30, false, 12, 0));
    ASSERT_EQ(LunarMonthLength(2023, 1, false), 29);
    e.settings.TimeBase = 0;
    born30.flowLunarYear = 2023;
    born30.flowLunarMonth = 1;
    ASSERT_TRUE(ComputePeriodChart(born30, 3, born30.periodChart, e.env()).ok());
    EXPECT_EQ(born30.flowLunarDay, 29);
    EXPECT_EQ(born30.flowLunarMonth, 1); // the base run's changes were put back
    // The 流月 chart's 命宮 counts the flow month from the 斗君.
    EXPECT_EQ(born30.flowMonthLifePalace, born30.flowDouJun);
    EXPECT_EQ(born30.periodChart.nameAt(born30.flowMonthLifePalace), 1);
}

TEST_F(Period, LeapFlowMonthConvertsAsTheLeapMonth) {
    // 2020 has a leap fourth month; a 流日 chart of leap 4-10 is a month after 4-10.
    r.flowLunarYear = 2020;
    r.flowLunarMonth = 4;
    r.flowIsLeap = 1;
    r.flowLunarDay = 10;
    ASSERT_TRUE(Compute(4).ok());
    const auto leap = LunarToSolar(2020, 4, 10, true);
    EXPECT_EQ(r.flowSolarMonth, leap->month);
    EXPECT_EQ(r.flowSolarDay, leap->day);
    // A leap flag on a month that has none converts the regular month.
    r.flowLunarMonth = 6;
    ASSERT_TRUE(Compute(4).ok());
    EXPECT_EQ(r.flowSolarMonth, LunarToSolar(2020, 6, 10, false)->month);
    EXPECT_EQ(r.flowIsLeap, 0);
}

TEST_F(Period, CustomDateReplacesThePickedYear) {
    e.settings.TimeBase = 2;
    e.settings.UsePanParm = 1;
    e.settings.BaseYear = 2030;
    e.settings.BaseMonth = 4;
    e.settings.BaseDate = 12;
    e.settings.BaseTime = 9;
    for (int picked : {1999, 2015, 2044}) {
        r.flowLunarYear = static_cast<int16_t>(picked);
        ASSERT_TRUE(Compute(2).ok());
        EXPECT_EQ(r.flowLunarYear, 2030);
        EXPECT_EQ(r.flowLunarMonth, 4);
        EXPECT_EQ(r.flowLunarDay, 12);
        EXPECT_EQ(r.flowHour, 9);
    }
}

TEST_F(Period, FlowDatesOutsideTheTableAreRefusedAndTheChartStays) {
    r.flowLunarYear = 2012;
    ASSERT_TRUE(Compute(3).ok());
    const ChartRecord shown = r;

    auto expectRefusedUnchanged = [&](int level) {
        const ChartResult res = Compute(level);
        EXPECT_EQ(res.refusal, ChartRefusal::FlowDateOutsideTable) << "level " << level;
        EXPECT_FALSE(res.message.empty());
        EXPECT_EQ(r.periodChart, shown.periodChart);
        EXPECT_EQ(r.baseChart, shown.baseChart);
        EXPECT_EQ(r.shownLevel, shown.shownLevel);
        EXPECT_EQ(r.flowLunarMonth, shown.flowLunarMonth);
    };
    for (int level = 2; level <= 6; ++level) {
        r.flowLunarYear = 2100;
        expectRefusedUnchanged(level);
        EXPECT_EQ(r.flowLunarYear, 2100); // what was picked stays for the caller to see
        r.flowLunarYear = 1899;
        expectRefusedUnchanged(level);
    }
    r = shown;
    e.settings.TimeBase = 2;
    e.settings.UsePanParm = 1;
    e.settings.BaseMonth = 1;
    e.settings.BaseDate = 1;
    for (int year : {0, 3000, -20}) {
        e.settings.BaseYear = static_cast<int16_t>(year);
        expectRefusedUnchanged(2);
        expectRefusedUnchanged(5);
    }
    e.settings.BaseYear = 2020;
    e.settings.BaseMonth = 40; // a custom month no table has
    expectRefusedUnchanged(2);
    e.settings.BaseMonth = 3;
    e.settings.BaseDate = 31;
    expectRefusedUnchanged(4);
    e.settings.BaseDate = 3;
    EXPECT_TRUE(Compute(2).ok());
}

TEST_F(Period, LevelsAndMissingBirthData) {
    EXPECT_EQ(Compute(0).refusal, ChartRefusal::BadLevel);
    EXPECT_EQ(Compute(7).refusal, ChartRefusal::BadLevel);
    ChartRecord empty;
    EXPECT_EQ(ComputePeriodChart(empty, 2, empty.periodChart, e.env()).refusal,
              ChartRefusal::NoBirthData);
    EXPECT_EQ(ComputeChartLevel(r, 9, r.periodChart, e.env()).refusal, ChartRefusal::BadLevel);
}

TEST_F(Period, NominalAgeAndSmallLimitLifePalace) {
    e.settings.FlowLifeHouseType = 1;
    r.flowLunarYear = 1985 + 11; // nominal age 12
    ASSERT_TRUE(Compute(2).ok());
    EXPECT_EQ(r.smallLimitOrder[r.flowLifePalace], 12);
    // A flow year before the birth: age -4 still names the palace of order 8.
    r.flowLunarYear = 1980;
    ASSERT_TRUE(Compute(2).ok());
    EXPECT_EQ(r.smallLimitOrder[r.flowLifePalace], 8);
    EXPECT_EQ(r.periodChart.nameAt(r.flowLifePalace), 1);
}

TEST_F(Period, DouJunByGodBase) {
    r.flowLunarYear = 2020;
    const int m = r.lunarMonth, h = r.placementHour % 12;
    e.settings.GodBase = 7; // read as 0, 子年斗君
    ASSERT_TRUE(Compute(3).ok());
    EXPECT_EQ(r.flowDouJun, At(r.ziYearDouJun));
    e.settings.GodBase = 2;
    ASSERT_TRUE(Compute(3).ok());
    EXPECT_EQ(r.flowDouJun, Mod(SmallLimitOf(2020 - 1985 + 1) - m + h + 1, 12));
    EXPECT_EQ(r.douJunBranch, BranchOfPosition(r.flowDouJun));
}

TEST_F(Period, HourChartsCountTheFrameWithTheBirthHour) {
    e.settings.GodBase = 1;
    r.flowLunarYear = 2020;
    r.flowLunarMonth = 6;
    r.flowLunarDay = 6;
    ASSERT_TRUE(Compute(3).ok());
    const int douJun = r.flowDouJun;
    // A 流時 chart: the picker sets the flow hour and hourIndex to it.
    r.flowHour = 2;
    r.hourIndex = 2;
    ASSERT_TRUE(Compute(5).ok());
    EXPECT_EQ(r.flowDouJun, douJun);
    EXPECT_EQ(r.hourIndex, 2);
    EXPECT_EQ(r.flowHourPalace, At(Yin));
    EXPECT_EQ(r.periodChart.nameAt(At(Yin)), 1);
    // 流分: the minute slot moves on from the hour palace.
    r.flowMinute = 5;
    ASSERT_TRUE(Compute(6).ok());
    EXPECT_EQ(r.periodChart.nameAt(Mod(At(Yin) + 5, 12)), 1);
    r.flowMinute = 12;
    EXPECT_EQ(Compute(6).refusal, ChartRefusal::FlowDateOutsideTable);
}

TEST_F(Period, WorkingMonthOfFlowYearIsTheStoredLunarMonth) {
    // A leap-month birth with LeapBase 2 is placed as the next month in the natal
    // chart, but the 流年 chart counts 左輔 from the month as stored.
    e.settings.LeapBase = 2;
    ChartRecord leap = LoadStoredOrDie(e, Stored(2020, 4, 10, true, 12, 0));
    EXPECT_EQ(FindBit(leap.natalChart.groupA, StarA::ZuoFu), At(Chen) + 4); // month 5
    leap.flowLunarYear = 2030;
    ASSERT_TRUE(ComputePeriodChart(leap, 2, leap.periodChart, e.env()).ok());
    EXPECT_EQ(FindBit(leap.periodChart.groupA, StarA::ZuoFu), At(Chen) + 3); // month 4
}

TEST_F(Period, FlowLuCunBesideTheNatalOne) {
    e.settings.FlowLuDisplay = 1;
    r.flowLunarYear = 2004; // 甲
    ASSERT_TRUE(Compute(2).ok());
    const ChartBlock& c = r.periodChart;
    EXPECT_EQ(FindBit(c.groupA, StarA::LuCun), At(Mao)); // natal 乙
    EXPECT_EQ(FindBit(c.groupC, StarC::FlowLu), At(Yin));
    EXPECT_EQ(FindBit(c.groupC, StarC::FlowYang), At(Mao));
    EXPECT_EQ(FindBit(c.groupC, StarC::FlowTuo), At(Chou));
    EXPECT_EQ(CountBit(c.groupA, StarA::LuCun), 1);
    EXPECT_EQ(CountBit(c.groupA, StarA::QingYang), 1);
    EXPECT_EQ(FindBit(c.groupA, StarA::TuoLuo), At(Yin));
}

TEST_F(Period, TenYearChartUsesThePickedPalace) {
    r.tenYearPalace = 7;
    ASSERT_TRUE(Compute(1).ok());
    EXPECT_EQ(r.periodChart.nameAt(7), 1);
    EXPECT_EQ(r.baseChart, r.natalChart);
    r.tenYearPalace = 19; // reduced into the ring of palaces
    ASSERT_TRUE(Compute(1).ok());
    EXPECT_EQ(r.periodChart.nameAt(7), 1);
}

TEST_F(Period, SettingsChangeRecomputesBureauNatalAndShownPeriod) {
    ChartRecord x = LoadStoredOrDie(e, Stored(1988, 7, 12, false, 6, 1)); // 卯 hour
    ASSERT_NE(x.lifePalace, x.bodyPalace);
    x.flowLunarYear = 2015;
    ASSERT_TRUE(ComputePeriodChart(x, 2, x.periodChart, e.env()).ok());
    x.periodChanged = 0;
    const ChartBlock before = x.periodChart;
    const int life = x.lifePalace, body = x.bodyPalace;
    e.settings.PanBase = 1;
    ASSERT_TRUE(RecomputeAfterSettingsChange(x, e.env()).ok());
    EXPECT_EQ(x.bureau, detail::BureauOf(body, x.yearStem));
    EXPECT_EQ(x.lifePalace, life);
    EXPECT_EQ(x.natalChart.nameAt(body), 1);
    EXPECT_EQ(x.decadeFirstAge[body], x.bureau);
    EXPECT_EQ(x.periodChanged, 1);
    EXPECT_EQ(x.shownLevel, 2);
    if (detail::BureauOf(body, x.yearStem) != detail::BureauOf(life, x.yearStem)) {
        EXPECT_NE(x.periodChart, before); // main stars moved with the 局
    }
    // Without birth data there is nothing to recompute.
    ChartRecord empty;
    EXPECT_TRUE(RecomputeAfterSettingsChange(empty, e.env()).ok());
    EXPECT_EQ(empty.periodChanged, 0);
}

} // namespace
} // namespace zelk::test
