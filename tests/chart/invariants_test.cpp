// Invariants over every day of the lunar table (1900-01-31 .. 2100-02-08), with
// hours, sexes and several settings profiles, for natal and period charts.
#include "chart_test_support.h"

#include <bit>
#include <string>

namespace zelk::test {
namespace {

struct Day {
    int y = 1900, m = 1, d = 31;
    void next() {
        if (++d > GregorianMonthLength(y, m)) {
            d = 1;
            if (++m > 12) {
                m = 1;
                ++y;
            }
        }
    }
    bool beforeEnd() const { return y < 2100 || (y == 2100 && (m < 2 || (m == 2 && d <= 8))); }
};

// Four settings profiles: the defaults and three that change every rule a setting selects.
AppSettings Profile(int n) {
    AppSettings s;
    if (n % 4 == 1) {
        s.PanBase = 1, s.LeapBase = 2, s.FourHuaType = 1, s.FlowMaDisplay = 1,
        s.FlowLuanDisplay = 1;
        s.HorseBase = 0, s.GodBase = 2, s.FlowLifeHouseType = 1, s.SmallSanType = 1, s.God12 = 1;
        s.DoctorType = 1, s.LuType = 1, s.FlowLuDisplay = 1, s.YearHuaBase = 1;
    } else if (n % 4 == 2) {
        s.LeapBase = 0, s.FourHuaType = 2, s.YearHuaBase = 3, s.GodBase = 1, s.GiaKungType = 1;
        s.GianSuaStarType = 0, s.TimeBase = 0, s.FlowMaDisplay = 1, s.FlowLuanDisplay = 1;
    } else if (n % 4 == 3) {
        s.FourHuaType = 7, s.TimeBase = 2, s.UsePanParm = 1, s.BaseYear = 2030, s.BaseMonth = 6;
        s.BaseDate = 30, s.BaseTime = 12, s.YearHuaBase = 0, s.God12 = 3, s.DoctorType = 3;
        s.SkyCookDisplay = 0, s.FlowChanDisplay = 0, s.Lyyg_Display = 0, s.GodBase = 9;
    }
    return s;
}

bool IsPermutation(const std::array<uint8_t, 12>& ring) {
    unsigned seen = 0;
    for (uint8_t v : ring) {
        if (v > 11) return false;
        seen |= 1u << v;
    }
    return seen == 0xFFFu;
}

// Returns an empty text when the chart is sound, else what is wrong.
std::string CheckChart(const ChartRecord& r, const ChartBlock& c, int level, const AppSettings& s) {
    unsigned names = 0;
    int stemBreaks = 0;
    for (int p = 0; p < 12; ++p) {
        const int name = c.nameAt(p), stem = c.stemAt(p);
        if (name < 1 || name > 12) return "palace name out of range";
        names |= 1u << (name - 1);
        if (stem > 9) return "stem out of range";
        if (c.stemAt((p + 1) % 12) != (stem + 1) % 10) ++stemBreaks;
    }
    if (names != 0xFFFu) return "a palace name twice";
    if (stemBreaks != 1) return "palace stems do not run on";
    if (!IsPermutation(c.longLifeRing) || !IsPermutation(c.doctorRing) ||
        !IsPermutation(c.yearFrontRing) || !IsPermutation(c.generalFrontRing))
        return "a ring is not a permutation";

    for (int bit = 31; bit >= 7; --bit)
        if (CountBit(c.groupA, 1u << bit) != 1) return "group A star " + std::to_string(bit);
    for (uint32_t w : c.groupA)
        if (w & 7u) return "group A bits 2-0 set";
    const int z = FindBit(c.groupA, StarA::ZiWei);
    if (FindBit(c.groupA, StarA::TianFu) != (12 - z) % 12) return "天府 does not mirror 紫微";

    const bool flow = level >= kLevelFlowYear;
    const bool overlay = level == kLevelFlowYear && s.YearHuaBase == 3;
    for (int bit = 31; bit >= 0; --bit) {
        const uint32_t b = 1u << bit;
        int expected = 1;
        if (flow && !overlay) {
            if (b == StarB::TianShou) expected = 0;
            if (b == StarB::TianMa && s.FlowMaDisplay == 1 && s.FourHuaType != 1) expected = 0;
            if (b == StarB::HongLuan && s.FlowLuanDisplay == 1 && s.FourHuaType != 1) expected = 0;
        }
        if (CountBit(c.groupB, b) != expected) return "group B star " + std::to_string(bit);
    }

    // Each transformation marks exactly the palace of its star.
    const int stem = FourHuaStemOfLevel(r, level, s);
    if (stem < 0 || stem > 9) return "no stem for the marks";
    const FourHuaTable& table = FourHuaTableInForce(s);
    for (int k = 0; k < 4; ++k) {
        const uint32_t mark = StarA::HuaLu >> k;
        const int where = FindBit(c.groupA, table[stem][k]);
        if (CountBit(c.groupA, mark) != 1 || !(c.groupA[where] & mark))
            return "mark " + std::to_string(k);
    }

    auto countC = [&](uint32_t b) { return CountBit(c.groupC, b); };
    if (countC(StarC::TianChu) != (s.SkyCookDisplay ? 1 : 0)) return "天廚";
    if (countC(StarC::FlowChang) != (flow && s.FlowChanDisplay ? 1 : 0)) return "流昌";
    if (countC(StarC::FlowMa) != (flow && s.FlowMaDisplay == 1 ? 1 : 0)) return "流馬";
    if (countC(StarC::FlowLuan) != (flow && s.FlowLuanDisplay == 1 ? 1 : 0)) return "流鸞";
    const int flowLu = flow && s.FlowLuDisplay == 1 ? 1 : 0;
    if (countC(StarC::FlowLu) != flowLu || countC(StarC::FlowYang) != flowLu ||
        countC(StarC::FlowTuo) != flowLu)
        return "流祿 流羊 流陀";
    const int cause = countC(StarC::LaiYin);
    if (s.Lyyg_Display ? (cause < 1 || cause > 2) : cause != 0) return "來因";
    if (countC(StarC::YeZhang) != (s.Lyyg_Display ? 1 : 0)) return "業障";
    for (uint32_t w : c.groupC)
        if (w & 0x007FFFFFu) return "group C bits 22-0 set";

    if (level > kLevelNatal)
        for (int p = 0; p < 12; ++p)
            if ((c.groupA[p] ^ r.natalChart.groupA[p]) & StarA::MainStars)
                return "main stars differ from the natal chart";
    return {};
}

void CheckNatal(Env& e, const Day& day, int hour, int sex, int& charts) {
    ChartRecord r;
    BirthInput in = Dialog(day.y, day.m, day.d, hour, sex);
    const ChartResult res = LoadChartInputs(r, in, InputCommand::NewClient, e.env());
    // The late 子 hour of the very last day would fall into lunar 2100.
    if (day.y == 2100 && day.m == 2 && day.d == 8 && hour == 12) {
        ASSERT_EQ(res.refusal, ChartRefusal::BirthOutsideTable);
        return;
    }
    ASSERT_TRUE(res.ok()) << day.y << "-" << day.m << "-" << day.d << ": " << res.message;
    ++charts;
    const std::string fault = CheckChart(r, r.natalChart, 0, e.settings);
    ASSERT_EQ(fault, "") << day.y << "-" << day.m << "-" << day.d << " hour " << hour << " sex "
                         << sex;
    int ages = 0;
    for (int p = 0; p < 12; ++p)
        ages += r.decadeFirstAge[p];
    ASSERT_EQ(ages, 12 * r.bureau + 660);
    unsigned orders = 0;
    for (int16_t o : r.smallLimitOrder)
        orders |= 1u << (o - 1);
    ASSERT_EQ(orders, 0xFFFu);
}

TEST(Invariants, EveryDayOfTheTable) {
    int charts = 0, i = 0;
    Env e;
    for (Day day; day.beforeEnd(); day.next(), ++i) {
        if (i % 1000 == 0) e.settings = Profile(i / 1000);
        CheckNatal(e, day, i % 13, (i / 13) % 2, charts);
        if (HasFatalFailure()) return;
        if (i % 41 == 0) {
            // Every hour and both sexes on a sample of days.
            for (int hour = 0; hour <= 12; ++hour)
                for (int sex = 0; sex <= 1; ++sex)
                    CheckNatal(e, day, hour, sex, charts);
        }
        if (HasFatalFailure()) return;
    }
    EXPECT_GT(charts, 73000 + 1700 * 26);
}

TEST(Invariants, PeriodChartsOfEveryLevel) {
    int charts = 0, i = 0;
    for (Day day; day.beforeEnd(); day.next(), ++i) {
        if (i % 29 != 0) continue;
        Env e;
        e.settings = Profile(i / 29);
        ChartRecord r;
        BirthInput in = Dialog(day.y, day.m, day.d, i % 13, i % 2);
        if (!LoadChartInputs(r, in, InputCommand::NewClient, e.env()).ok()) continue;
        // Flow years before, at and long after the birth, within the table.
        const int flowYear = std::clamp(r.lunarYear - 10 + (i % 97), 1900, 2099);
        r.flowLunarYear = static_cast<int16_t>(flowYear);
        r.flowLunarMonth = static_cast<int16_t>(1 + i % 12);
        r.flowLunarDay = static_cast<int16_t>(1 + i % 29);
        r.flowHour = static_cast<int16_t>(i % 13);
        r.flowMinute = static_cast<int16_t>(i % 12);
        r.tenYearPalace = static_cast<int16_t>(i % 12);
        for (int level = 1; level <= 6; ++level) {
            const ChartResult res = ComputePeriodChart(r, level, r.periodChart, e.env());
            ASSERT_TRUE(res.ok()) << res.message;
            ++charts;
            const std::string fault = CheckChart(r, r.periodChart, level, e.settings);
            ASSERT_EQ(fault, "") << day.y << "-" << day.m << "-" << day.d << " level " << level
                                 << " profile " << (i / 29) % 4 << " flow " << r.flowLunarYear;
        }
    }
    EXPECT_GT(charts, 2500 * 6);
}

} // namespace
} // namespace zelk::test
