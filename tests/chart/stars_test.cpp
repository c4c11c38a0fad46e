// Main, auxiliary and minor stars, the flow stars and the four rings.
#include "chart_test_support.h"

#include "chart/chart_steps.h"

namespace zelk::test {
namespace {

TEST(MainStars, WaterTwoDayOneAndZiWeiAtTiger) {
    ChartBlock c;
    detail::PlaceMainStars(c, 2, 1);
    EXPECT_EQ(FindBit(c.groupA, StarA::ZiWei), At(Chou));
    EXPECT_EQ(FindBit(c.groupA, StarA::TianFu), At(Mao));

    ChartBlock t;
    detail::PlaceMainStars(t, 2, 2); // 紫微 at 寅 shares the palace with 天府
    const struct {
        uint32_t star;
        int branch;
    } expected[] = {{StarA::ZiWei, Yin},   {StarA::TianFu, Yin},   {StarA::TianJi, Chou},
                    {StarA::TaiYang, Hai}, {StarA::WuQu, Xu},      {StarA::TianTong, You},
                    {StarA::LianZhen, Wu}, {StarA::TaiYin, Mao},   {StarA::TanLang, Chen},
                    {StarA::JuMen, Si},    {StarA::TianXiang, Wu}, {StarA::TianLiang, Wei},
                    {StarA::QiSha, Shen},  {StarA::PoJun, Zi}};
    for (const auto& x : expected)
        EXPECT_EQ(FindBit(t.groupA, x.star), At(x.branch));
}

TEST(AuxiliaryStars, RenYearStemStars) {
    Env e;
    const ChartRecord r = LoadOrDie(e, Dialog(1992, 8, 1, 5, 0)); // 壬申
    ASSERT_EQ(r.yearStem, 8);
    const auto& a = r.natalChart.groupA;
    EXPECT_EQ(FindBit(a, StarA::TianKui), At(Mao));
    EXPECT_EQ(FindBit(a, StarA::TianYue), At(Si));
    EXPECT_EQ(FindBit(a, StarA::LuCun), At(Hai));
    EXPECT_EQ(FindBit(a, StarA::QingYang), At(Zi));
    EXPECT_EQ(FindBit(a, StarA::TuoLuo), At(Xu));
    // The 博士 ring starts on 祿存.
    EXPECT_EQ(r.natalChart.doctorRing[At(Hai)], 0);
}

TEST(AuxiliaryStars, VoidStarsOfJiaZiYear) {
    Env e;
    const ChartRecord r = LoadOrDie(e, Dialog(1984, 5, 5, 2, 1)); // 甲子
    EXPECT_EQ(FindBit(r.natalChart.groupB, StarB::XunZhong), At(Xu));
    EXPECT_EQ(FindBit(r.natalChart.groupB, StarB::XunKong), At(Hai));
    EXPECT_EQ(FindBit(r.natalChart.groupB, StarB::JieKong), At(Shen));
}

TEST(AuxiliaryStars, JieKongOfWuYearBySetting) {
    Env e;
    const ChartRecord trad = LoadOrDie(e, Dialog(1988, 5, 5, 2, 1)); // 戊辰
    EXPECT_EQ(FindBit(trad.natalChart.groupB, StarB::JieKong), At(Zi));
    e.settings.GiaKungType = 1;
    const ChartRecord alt = LoadOrDie(e, Dialog(1988, 5, 5, 2, 1));
    EXPECT_EQ(FindBit(alt.natalChart.groupB, StarB::JieKong), At(Xu));
}

TEST(Rings, FrontRingsOfChenYear) {
    Env e;
    e.settings.GianSuaStarType = 0;
    ChartRecord r = LoadOrDie(e, Dialog(2000, 6, 6, 3, 0)); // 庚辰
    ASSERT_EQ(r.yearBranch, Chen);
    EXPECT_EQ(r.natalChart.generalFrontRing[At(Zi)], 0); // 將星
    EXPECT_EQ(r.natalChart.yearFrontRing[At(Chen)], 0);  // 歲建
    // Setting 0 keeps the natal rings in a 流年 chart of another year ...
    r.flowLunarYear = 2005;
    ASSERT_TRUE(ComputePeriodChart(r, 2, r.periodChart, e.env()).ok());
    EXPECT_EQ(r.periodChart.yearFrontRing[At(Chen)], 0);
    // ... setting 1 moves them to the flow year (2005 酉: 將星 at 酉).
    e.settings.GianSuaStarType = 1;
    ASSERT_TRUE(ComputePeriodChart(r, 2, r.periodChart, e.env()).ok());
    EXPECT_EQ(r.periodChart.yearFrontRing[At(You)], 0);
    EXPECT_EQ(r.periodChart.generalFrontRing[At(You)], 0);
}

TEST(Rings, LongLifeRingStartsFromTheElement) {
    Env e;
    // 金四局 (1984-02-10 午 hour): 長生 at 巳, forward for a yang male.
    const ChartRecord r = LoadOrDie(e, Dialog(1984, 2, 10, 6, 0));
    ASSERT_EQ(r.bureau, 4);
    EXPECT_EQ(r.natalChart.longLifeRing[At(Si)], 0);
    EXPECT_EQ(r.natalChart.longLifeRing[At(Wu)], 1);
    // Female: backward.
    const ChartRecord f = LoadOrDie(e, Dialog(1984, 2, 10, 6, 1));
    EXPECT_EQ(f.natalChart.longLifeRing[At(Chen)], 1);

    // 12God 1: a 流年 chart of 甲子 (海中金) starts at 巳 too; 乙丑 year 1985 likewise;
    // 丙寅 1986 is 爐中火: 寅.
    e.settings.God12 = 1;
    ChartRecord p = LoadOrDie(e, Dialog(1970, 2, 10, 6, 0));
    p.flowLunarYear = 1986;
    ASSERT_TRUE(ComputePeriodChart(p, 2, p.periodChart, e.env()).ok());
    EXPECT_EQ(p.periodChart.longLifeRing[At(Yin)], 0);
    // 12God 0 keeps the natal ring.
    e.settings.God12 = 0;
    ASSERT_TRUE(ComputePeriodChart(p, 2, p.periodChart, e.env()).ok());
    EXPECT_EQ(p.periodChart.longLifeRing, p.natalChart.longLifeRing);
}

class FlowYearStars : public ::testing::Test {
  protected:
    Env e;
    ChartRecord r;
    void SetUp() override {
        r = LoadOrDie(e, Dialog(1985, 9, 9, 7, 1)); // 乙丑, female
        r.flowLunarYear = 2004;                     // 甲申
    }
    const ChartBlock& Flow() {
        EXPECT_TRUE(ComputePeriodChart(r, 2, r.periodChart, e.env()).ok());
        return r.periodChart;
    }
};

TEST_F(FlowYearStars, FlowHorseReplacesTheHorse) {
    const int horse = FindBit(Flow().groupB, StarB::TianMa);
    ASSERT_GE(horse, 0);
    e.settings.FlowMaDisplay = 1;
    const ChartBlock& c = Flow();
    EXPECT_EQ(CountBit(c.groupB, StarB::TianMa), 0);
    EXPECT_EQ(FindBit(c.groupC, StarC::FlowMa), horse);
}

TEST_F(FlowYearStars, HorseByYearOrMonth) {
    e.settings.HorseBase = 0; // 申 year: 寅
    EXPECT_EQ(FindBit(Flow().groupB, StarB::TianMa), At(Yin));
    e.settings.HorseBase = 1; // working month at 流年: the birth month
    const int month = r.lunarMonth;
    static constexpr int kHorse[4] = {Shen, Si, Yin, Hai};
    EXPECT_EQ(FindBit(Flow().groupB, StarB::TianMa), At(kHorse[(month - 1) % 4]));
}

TEST_F(FlowYearStars, MethodOneMovesTheHorseAndThePhoenix) {
    e.settings.FourHuaType = 1;
    const ChartBlock& c = Flow();
    EXPECT_EQ(FindBit(c.groupB, StarB::TianMa), At(Yin));   // 甲: 寅
    EXPECT_EQ(FindBit(c.groupB, StarB::HongLuan), At(Mao)); // 申 year: 卯
    EXPECT_EQ(FindBit(c.groupB, StarB::TianXi), At(You));
    e.settings.FlowMaDisplay = 1;
    e.settings.FlowLuanDisplay = 1;
    const ChartBlock& d = Flow();
    EXPECT_EQ(FindBit(d.groupC, StarC::FlowMa), At(Yin));
    EXPECT_EQ(CountBit(d.groupB, StarB::TianMa), 1);
    EXPECT_EQ(FindBit(d.groupC, StarC::FlowLuan), At(Mao));
    // The natal 紅鸞 stays beside the flow one.
    EXPECT_EQ(FindBit(d.groupB, StarB::HongLuan), FindBit(r.natalChart.groupB, StarB::HongLuan));
}

TEST_F(FlowYearStars, StemSchemesOfDoctorAndLuCun) {
    // Default 2: from 流年 on the flow year's stem (甲: 祿存 寅).
    EXPECT_EQ(FindBit(Flow().groupA, StarA::LuCun), At(Yin));
    EXPECT_EQ(Flow().doctorRing[At(Yin)], 0);
    // 0: the birth year's stem everywhere (乙: 卯).
    e.settings.LuType = 0;
    e.settings.DoctorType = 0;
    EXPECT_EQ(FindBit(Flow().groupA, StarA::LuCun), At(Mao));
    EXPECT_EQ(Flow().doctorRing[At(Mao)], 0);
}

TEST_F(FlowYearStars, FireAndBellFollowTheHourLevelsOnly) {
    // Not on an hour level: the birth year branch (丑) and the chart's hour.
    const int natalFire = FindBit(r.natalChart.groupA, StarA::HuoXing);
    EXPECT_EQ(FindBit(Flow().groupA, StarA::HuoXing), natalFire);
    // 流時: the flow year's branch (申: 寅) and the working hour, in the base chart too.
    r.flowLunarMonth = 3;
    r.flowLunarDay = 3;
    r.flowHour = 4;
    r.hourIndex = 4;
    ASSERT_TRUE(ComputePeriodChart(r, 5, r.periodChart, e.env()).ok());
    EXPECT_EQ(FindBit(r.periodChart.groupA, StarA::HuoXing), Mod(At(Yin) + 4, 12));
    // The 流年 base chart counts the hour of the completed flow date (the birth hour).
    EXPECT_EQ(FindBit(r.baseChart.groupA, StarA::HuoXing), Mod(At(Yin) + 7, 12));
}

} // namespace
} // namespace zelk::test
