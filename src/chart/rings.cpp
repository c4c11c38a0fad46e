// The rings of twelve gods that give every palace one member each: 長生 (from an
// element), 歲前 and 將前 (from a year branch). The 博士 ring starts at 祿存 and is
// placed with it (minor_stars.cpp).
#include "chart/chart_facts.h"
#include "chart/chart_steps.h"
#include "chart/star_tables.h"

namespace zelk::detail {

namespace {

// Element of the 五行局 that a stem and a palace give (局 2 水, 3 木, 4 金, 5 土, 6 火).
int BureauElement(int stem, int position) {
    return BureauOf(position, stem) - 2;
}

// The element the 長生 ring of this level starts from, by 12God: 0 the natal
// pair everywhere; 1 (and 3) the pair of each level's own period; 2 and any other
// value the natal pair up to the ten-year chart and the flow year from 流年 on.
int LongLifeElement(const ChartRecord& r, const AppSettings& s, const LevelContext& x) {
    const int base = BasePalace(r, s);
    const int natal = BureauElement(r.yearStem, base);
    if (s.God12 == 0 || x.level == kLevelNatal) return natal;
    if (s.God12 == 1 || s.God12 == 3) {
        switch (x.level) {
        case kLevelTenYear:
            return BureauElement(r.yearStem, r.tenYearPalace);
        case kLevelFlowYear:
            return NayinElement(x.Ys, x.Yb);
        case kLevelFlowMonth: {
            const int p = x.flowPillars.month();
            return NayinElement(PillarStem(p), PillarBranch(p));
        }
        case kLevelFlowDay: {
            const int p = x.flowPillars.day();
            return NayinElement(PillarStem(p), PillarBranch(p));
        }
        default: {
            const int p = x.flowPillars.hour();
            return NayinElement(PillarStem(p), PillarBranch(p));
        }
        }
    }
    if (x.level == kLevelTenYear) return natal;
    return NayinElement(x.Ys, x.Yb);
}

} // namespace

void PlaceLongLifeRing(ChartBlock& c, const ChartRecord& r, const AppSettings& s,
                       const LevelContext& x) {
    // 長生 starts at 申 for 水 and 土, 亥 for 木, 巳 for 金, 寅 for 火.
    static constexpr Branch kStart[5] = {Shen, Hai, Si, Shen, Yin};
    int element = LongLifeElement(r, s, x);
    if (element < 0) element = BureauElement(r.yearStem, BasePalace(r, s)); // never a bad index
    const int start = PositionOfBranch(kStart[element]);
    const int dir = x.forward ? 1 : -1;
    for (int k = 0; k < 12; ++k)
        c.longLifeRing[Wrap12(start + dir * k)] = static_cast<uint8_t>(k);
}

void PlaceFrontRings(ChartBlock& c, const ChartRecord& r, const AppSettings& s,
                     const LevelContext& x) {
    const int branch = s.GianSuaStarType == 0 ? r.yearBranch : x.Yb;
    const int yearStart = PositionOfBranch(branch); // 歲建 on the year's own branch
    // 將星: 申子辰 years at 子, 巳酉丑 at 酉, 寅午戌 at 午, 亥卯未 at 卯.
    static constexpr Branch kGeneral[4] = {Zi, You, Wu, Mao};
    const int generalStart = PositionOfBranch(kGeneral[branch % 4]);
    for (int k = 0; k < 12; ++k) {
        c.yearFrontRing[Wrap12(yearStart + k)] = static_cast<uint8_t>(k);
        c.generalFrontRing[Wrap12(generalStart + k)] = static_cast<uint8_t>(k);
    }
}

} // namespace zelk::detail
