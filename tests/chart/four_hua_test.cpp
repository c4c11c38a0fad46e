// The four transformations: methods, the stem of each level, the user's table
// with empty cells, 來因 and 業障.
#include "chart_test_support.h"

#include "calendar/pillars.h"

namespace zelk::test {
namespace {

uint32_t Mark(int k) {
    return StarA::HuaLu >> k;
}

// The palace of `star` carries mark k, and no other palace does.
void ExpectMarkOn(const ChartBlock& c, uint32_t star, int k) {
    const int p = FindBit(c.groupA, star);
    ASSERT_GE(p, 0);
    EXPECT_TRUE(c.groupA[p] & Mark(k)) << "mark " << k;
    EXPECT_EQ(CountBit(c.groupA, Mark(k)), 1) << "mark " << k;
}

TEST(FourHua, JiaYearMethodZero) {
    Env e;
    const ChartRecord r = LoadOrDie(e, Dialog(1984, 7, 7, 5, 0)); // 甲子
    ExpectMarkOn(r.natalChart, StarA::LianZhen, 0);
    ExpectMarkOn(r.natalChart, StarA::PoJun, 1);
    ExpectMarkOn(r.natalChart, StarA::WuQu, 2);
    ExpectMarkOn(r.natalChart, StarA::TaiYang, 3);
}

TEST(FourHua, GengYearByMethod) {
    Env e;
    auto geng = [&](int type) {
        e.settings.FourHuaType = static_cast<int16_t>(type);
        return LoadOrDie(e, Dialog(1990, 7, 7, 5, 0));
    }; // 庚午
    const ChartRecord m0 = geng(0);
    ExpectMarkOn(m0.natalChart, StarA::TaiYin, 2);
    ExpectMarkOn(m0.natalChart, StarA::TianTong, 3);
    const ChartRecord m1 = geng(1);
    ExpectMarkOn(m1.natalChart, StarA::TianTong, 2);
    ExpectMarkOn(m1.natalChart, StarA::TianXiang, 3);
    ExpectMarkOn(geng(2).natalChart, StarA::TianFu, 2);
    // Any other value is the default table, method 0.
    EXPECT_EQ(geng(7).natalChart, m0.natalChart);
    EXPECT_EQ(geng(-1).natalChart, m0.natalChart);
}

TEST(FourHua, EmptyUserCellMarksNothing) {
    Env e;
    e.settings.FourHuaType = 3;
    e.settings.UserFourHuaTable = kFourHuaPresetTable[0];
    e.settings.UserFourHuaTable[0][1] = 0;                   // 甲 權: empty
    e.settings.UserFourHuaTable[0][2] = FourHuaStarMask(25); // 甲 科: names the 化祿 mark bit
    const ChartRecord r = LoadOrDie(e, Dialog(1984, 7, 7, 5, 0));
    EXPECT_EQ(CountBit(r.natalChart.groupA, Mark(1)), 0);
    EXPECT_EQ(CountBit(r.natalChart.groupA, Mark(2)), 0);
    ExpectMarkOn(r.natalChart, StarA::LianZhen, 0);
    ExpectMarkOn(r.natalChart, StarA::TaiYang, 3);

    const auto found = FindHuaPalaces(0, r.natalChart.groupA, e.settings);
    EXPECT_EQ(found[0], FindBit(r.natalChart.groupA, StarA::LianZhen));
    EXPECT_EQ(found[1], -1);
    EXPECT_EQ(found[2], -1);
    EXPECT_EQ(found[3], FindBit(r.natalChart.groupA, StarA::TaiYang));
}

TEST(FourHua, FindHuaPalacesAndBadStems) {
    Env e;
    const ChartRecord r = LoadOrDie(e, Dialog(1979, 3, 3, 9, 1));
    const auto found = FindHuaPalaces(9, r.natalChart.groupA, e.settings); // 癸: 破 巨 陰 貪
    EXPECT_EQ(found[0], FindBit(r.natalChart.groupA, StarA::PoJun));
    EXPECT_EQ(found[3], FindBit(r.natalChart.groupA, StarA::TanLang));
    EXPECT_EQ(FindHuaPalaces(10, r.natalChart.groupA, e.settings),
              (std::array<int, 4>{-1, -1, -1, -1}));
    EXPECT_EQ(FindHuaPalaces(-1, r.natalChart.groupA, e.settings),
              (std::array<int, 4>{-1, -1, -1, -1}));
    // A chart without the star (an empty block) answers -1.
    const std::array<uint32_t, 12> none{};
    EXPECT_EQ(FindHuaPalaces(0, none, e.settings), (std::array<int, 4>{-1, -1, -1, -1}));
}

TEST(FourHua, StemOfEachLevelByYearHuaBase) {
    Env e;
    ChartRecord r = LoadOrDie(e, Dialog(1985, 9, 9, 7, 1)); // 乙
    r.flowLunarYear = 2004;                                 // 甲
    r.flowLunarMonth = 5;
    r.flowLunarDay = 10;
    r.flowHour = 3;
    r.tenYearPalace = 4;
    e.settings.YearHuaBase = 0;
    for (int level = 1; level <= 6; ++level) {
        ChartRecord x = r;
        ASSERT_TRUE(ComputePeriodChart(x, level, x.periodChart, e.env()).ok());
        EXPECT_EQ(FourHuaStemOfLevel(x, level, e.settings), 1);
        // The marks of the birth year stem stand on the same stars as in the natal chart.
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(FindBit(x.periodChart.groupA, Mark(k)),
                      FindBit(x.natalChart.groupA, Mark(k)));
    }
    e.settings.YearHuaBase = 2;
    EXPECT_EQ(FourHuaStemOfLevel(r, 1, e.settings), 1);
    EXPECT_EQ(FourHuaStemOfLevel(r, 4, e.settings), 0);
    e.settings.YearHuaBase = 1;
    EXPECT_EQ(FourHuaStemOfLevel(r, 1, e.settings), r.natalChart.stemAt(4));
    ChartRecord day = r;
    ASSERT_TRUE(ComputePeriodChart(day, 4, day.periodChart, e.env()).ok());
    const auto pillars =
        FourPillarsLunar(day.flowSolarYear, day.flowSolarMonth, day.flowSolarDay, 0);
    ASSERT_TRUE(pillars);
    EXPECT_EQ(FourHuaStemOfLevel(day, 4, e.settings), pillars->day() % 10);
    EXPECT_EQ(FourHuaStemOfLevel(day, 3, e.settings), pillars->month() % 10);
}

TEST(FourHua, OverlayShowsNatalStarsWithFlowMarks) {
    Env e;
    e.settings.YearHuaBase = 3;
    ChartRecord r = LoadOrDie(e, Dialog(1985, 9, 9, 7, 1));
    r.flowLunarYear = 2004; // 甲
    ASSERT_TRUE(ComputePeriodChart(r, 2, r.periodChart, e.env()).ok());
    for (int p = 0; p < 12; ++p) {
        EXPECT_EQ(r.periodChart.groupA[p] & ~0x7Fu, r.natalChart.groupA[p] & ~0x7Fu);
        EXPECT_EQ(r.periodChart.groupB[p], r.natalChart.groupB[p]);
    }
    // 甲: 化忌 on 太陽.
    EXPECT_TRUE(r.periodChart.groupA[FindBit(r.natalChart.groupA, StarA::TaiYang)] & Mark(3));
}

TEST(CauseAndKarma, RenYearMarksTigerAndRat) {
    Env e;
    const ChartRecord r = LoadOrDie(e, Dialog(1992, 8, 1, 5, 0)); // 壬申
    EXPECT_TRUE(r.natalChart.groupC[At(Yin)] & StarC::LaiYin);
    EXPECT_TRUE(r.natalChart.groupC[At(Zi)] & StarC::LaiYin);
    EXPECT_EQ(CountBit(r.natalChart.groupC, StarC::LaiYin), 2);
    // 業障: the 化忌 star of the stem of 丑 (壬 year: 丑 carries 癸, 化忌 貪狼).
    ASSERT_EQ(r.natalChart.stemAt(At(Chou)), 9);
    EXPECT_EQ(FindBit(r.natalChart.groupC, StarC::YeZhang),
              FindBit(r.natalChart.groupA, StarA::TanLang));
    EXPECT_EQ(CountBit(r.natalChart.groupC, StarC::YeZhang), 1);

    e.settings.Lyyg_Display = 0;
    const ChartRecord off = LoadOrDie(e, Dialog(1992, 8, 1, 5, 0));
    EXPECT_EQ(CountBit(off.natalChart.groupC, StarC::LaiYin | StarC::YeZhang), 0);
}

} // namespace
} // namespace zelk::test
