// Helpers of the chart engine tests: a fixed present moment, births loaded as
// the input dialog or a stored record gives them, and star look-ups by branch.
#pragma once

#include "calendar/lunar_calendar.h"
#include "chart/chart_engine.h"

#include <gtest/gtest.h>

#include <bit>

namespace zelk::test {

// Palace position of a branch 0 子 .. 11 亥.
inline int At(int branch) {
    return PositionOfBranch(branch);
}
enum B { Zi, Chou, Yin, Mao, Chen, Si, Wu, Wei, Shen, You, Xu, Hai };

struct Env {
    AppSettings settings;
    CurrentTime now;
    Clock clock = FixedClock({2026, 12, 9, 10, 30});
    Env() { RefreshCurrentTime(now, clock); }
    ChartEnv env() { return {settings, now, clock}; }
};

inline BirthInput Dialog(int y, int m, int d, int hourIndex, int sex) {
    BirthInput in;
    in.sex = sex;
    in.solarYear = static_cast<int16_t>(y);
    in.solarMonth = static_cast<int16_t>(m);
    in.solarDay = static_cast<int16_t>(d);
    in.hourIndex = static_cast<int16_t>(hourIndex);
    in.clockHour = static_cast<int16_t>(2 * hourIndex);
    in.name = u"測試";
    return in;
}

// A stored record for a lunar birth date (the Gregorian date derived from it).
inline BirthInput Stored(int ly, int lm, int ld, bool leap, int clockHour, int sex) {
    BirthInput in;
    const auto g = LunarToSolar(ly, lm, ld, leap);
    if (g) {
        in.solarYear = g->year;
        in.solarMonth = g->month;
        in.solarDay = g->day;
    }
    in.lunarYear = static_cast<int16_t>(ly);
    in.lunarMonth = static_cast<int16_t>(lm);
    in.lunarDay = static_cast<int16_t>(ld);
    in.isLeapMonth = leap ? 1 : 0;
    in.clockHour = static_cast<int16_t>(clockHour);
    in.hourIndex = static_cast<int16_t>((clockHour + 1) / 2 % 13);
    in.sex = sex;
    return in;
}

inline ChartRecord LoadOrDie(Env& e, BirthInput& in) {
    ChartRecord r;
    const ChartResult res = LoadChartInputs(r, in, InputCommand::NewClient, e.env());
    EXPECT_TRUE(res.ok()) << res.message;
    return r;
}

inline ChartRecord LoadOrDie(Env& e, BirthInput&& in) {
    return LoadOrDie(e, in);
}

inline ChartRecord LoadStoredOrDie(Env& e, BirthInput& in) {
    ChartRecord r;
    const ChartResult res = LoadStoredClient(r, in, 0, e.env());
    EXPECT_TRUE(res.ok()) << res.message;
    return r;
}

inline ChartRecord LoadStoredOrDie(Env& e, BirthInput&& in) {
    return LoadStoredOrDie(e, in);
}

// Positions holding a bit of a word array.
inline int CountBit(const std::array<uint32_t, 12>& words, uint32_t bit) {
    int n = 0;
    for (uint32_t w : words)
        n += (w & bit) ? 1 : 0;
    return n;
}
inline int FindBit(const std::array<uint32_t, 12>& words, uint32_t bit) {
    for (int p = 0; p < 12; ++p)
        if (words[p] & bit) return p;
    return -1;
}

} // namespace zelk::test
