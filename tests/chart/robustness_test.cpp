// Records and settings with values from nowhere: every computation answers with
// a chart or a refusal, never reads outside a table (run under the sanitizers).
#include "chart_test_support.h"

#include <random>

namespace zelk::test {
namespace {

int16_t Wild(std::mt19937& rng) {
    static constexpr int16_t kValues[] = {-32768, -13, -1, 0,  1,  2,  3,  4,  5,  6,
                                          7,      9,   11, 12, 13, 25, 30, 31, 40, 3000};
    return kValues[rng() % std::size(kValues)];
}

TEST(Robustness, WildSettingsAndRecordFields) {
    std::mt19937 rng(20261209);
    Env e;
    const ChartRecord good = LoadOrDie(e, Dialog(1977, 4, 4, 4, 1));
    int refused = 0, computed = 0;
    for (int round = 0; round < 3000; ++round) {
        AppSettings& s = e.settings;
        s = AppSettings{};
        for (int16_t* f : {&s.TimeBase,        &s.BaseYear,      &s.BaseMonth,
                           &s.BaseDate,        &s.BaseTime,      &s.PanBase,
                           &s.LeapBase,        &s.HorseBase,     &s.GodBase,
                           &s.YearHuaBase,     &s.God12,         &s.DoctorType,
                           &s.LuType,          &s.SmallSanType,  &s.FlowLifeHouseType,
                           &s.GiaKungType,     &s.FourHuaType,   &s.GianSuaStarType,
                           &s.SuaStarNameType, &s.FlowLuDisplay, &s.FlowMaDisplay,
                           &s.FlowLuanDisplay})
            if (rng() % 3 == 0) *f = Wild(rng);
        s.UsePanParm = rng() % 2;
        s.BaseIsLeap = Wild(rng);
        for (auto& row : s.UserFourHuaTable)
            for (auto& cell : row)
                cell = rng() % 4 == 0 ? static_cast<uint32_t>(rng()) : cell;

        ChartRecord r = good;
        for (int16_t* f :
             {&r.lunarYear, &r.lunarMonth, &r.lunarDay, &r.hourIndex, &r.placementHour, &r.bureau,
              &r.lifePalace, &r.bodyPalace, &r.tenYearPalace, &r.flowLunarYear, &r.flowLunarMonth,
              &r.flowLunarDay, &r.flowHour, &r.flowMinute, &r.shownLevel, &r.ziYearDouJun})
            if (rng() % 8 == 0) *f = Wild(rng);
        if (rng() % 8 == 0) r.flowIsLeap = Wild(rng);
        if (rng() % 16 == 0) r.sex = Wild(rng);

        const ChartBlock natal = r.natalChart;
        const ChartResult n = ComputeNatalChart(r, e.env());
        if (!n) {
            EXPECT_EQ(r.natalChart, natal); // a refusal keeps the chart
            EXPECT_FALSE(n.message.empty());
        }
        for (int level = 1; level <= 6; ++level) {
            const ChartRecord before = r;
            const ChartResult p = ComputePeriodChart(r, level, r.periodChart, e.env());
            if (p) {
                ++computed;
                continue;
            }
            ++refused;
            EXPECT_FALSE(p.message.empty());
            EXPECT_EQ(r.periodChart, before.periodChart);
            EXPECT_EQ(r.baseChart, before.baseChart);
            EXPECT_EQ(r.flowLunarYear, before.flowLunarYear);
        }
        RecomputeAfterSettingsChange(r, e.env());
        FindHuaPalaces(Wild(rng), r.natalChart.groupA, s);
        for (int level = 0; level <= 6; ++level)
            ApplyFourHua(r.periodChart, r, level, s);
    }
    // Both outcomes are exercised.
    EXPECT_GT(refused, 1000);
    EXPECT_GT(computed, 1000);
}

} // namespace
} // namespace zelk::test
