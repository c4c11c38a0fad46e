// The palace frame: 命宮, 身宮, 子年斗君, the 五行局, the palace stems and names of
// each chart, and the 小限 and ten-year tables of the natal chart.
#include "chart/chart_steps.h"

namespace zelk::detail {

int PlacementMonth(int lunarMonth, int lunarDay, bool isLeap, int leapBase) {
    // A leap month counts as the next month with LeapBase 2, or from day 16 on
    // with LeapBase 1; a leap twelfth month always stays month 12 (there is no
    // thirteenth month to move into).
    if (!isLeap || lunarMonth >= 12) return lunarMonth;
    if (leapBase == 2 || (leapBase == 1 && lunarDay > 15)) return lunarMonth + 1;
    return lunarMonth;
}

int BureauOf(int basePalacePosition, int yearStem) {
    // Rows by the branch pair of the palace (子丑, 寅卯 .. 戌亥), columns by year
    // stem mod 5 (甲己, 乙庚, 丙辛, 丁壬, 戊癸); 2 水 .. 6 火.
    static constexpr int8_t kTable[6][5] = {{2, 6, 5, 3, 4}, {6, 5, 3, 4, 2}, {3, 4, 2, 6, 5},
                                            {5, 3, 4, 2, 6}, {4, 2, 6, 5, 3}, {6, 5, 3, 4, 2}};
    return kTable[BranchOfPosition(basePalacePosition) / 2][Mod(yearStem, 5)];
}

int BasePalace(const ChartRecord& r, const AppSettings& s) {
    // 地盤排法 (PanBase 1) lays the chart out from 身宮 instead of 命宮.
    return s.PanBase == 1 ? r.bodyPalace : r.lifePalace;
}

int SmallLimitPalace(const ChartRecord& r, int nominalAge) {
    // The palace whose order is ((age - 1) mod 12) + 1; a nominal age of 0 or
    // below (a flow year before the birth year) still names one palace.
    const int order = Mod(nominalAge - 1, 12) + 1;
    for (int p = 0; p < 12; ++p)
        if (r.smallLimitOrder[p] == order) return p;
    return 0; // only for a record whose natal chart was never computed
}

void DeriveFrameValues(ChartRecord& r, const AppSettings& s) {
    r.yearStem = static_cast<int16_t>(StemOfYear(r.lunarYear));
    r.yearBranch = static_cast<int16_t>(BranchOfYear(r.lunarYear));
    r.stemParity = static_cast<int16_t>(r.yearStem % 2);
    r.tigerStem = static_cast<int16_t>(Mod((r.yearStem % 5 + 1) * 2, 10)); // 五虎遁
    r.forwardDirection = (r.stemParity == 0) == (r.sex == 0) ? 1 : 0;

    const int m = PlacementMonth(r.lunarMonth, r.lunarDay, r.isLeapMonth != 0, s.LeapBase);
    const int h = HourAsBranch(r.placementHour);
    // From 寅 as month 1 to the birth month, then back (命宮) or on (身宮) by the hour.
    r.lifePalace = static_cast<int16_t>(Wrap12(m - h - 1));
    r.bodyPalace = static_cast<int16_t>(Wrap12(m + h - 1));
    // 子年斗君: from 子 back to the birth month (as it is, leap or not) and on to the hour.
    r.ziYearDouJun = static_cast<int16_t>(Wrap12(h - r.lunarMonth + 1));
    r.bureau = static_cast<int16_t>(BureauOf(BasePalace(r, s), r.yearStem));
}

void ComputeSmallLimitAndDecades(ChartRecord& r, const AppSettings& s) {
    const int yb = r.yearBranch;
    int start;
    int step;
    if (s.SmallSanType == 1) {
        start = PositionOfBranch(yb); // from the birth year's own palace, always forward
        step = 1;
    } else {
        // 申子辰 戌, 巳酉丑 未, 寅午戌 辰, 亥卯未 丑 (the year branch mod 4 names the group).
        static constexpr int kStart[4] = {kXu, kWei, kChen, kChou};
        start = kStart[yb % 4];
        step = r.sex == 0 ? 1 : -1;
    }
    for (int i = 0; i < 12; ++i)
        r.smallLimitOrder[Wrap12(start + i * step)] = static_cast<int16_t>(i + 1);

    const int base = BasePalace(r, s);
    const int dir = r.forwardDirection ? 1 : -1;
    for (int i = 0; i < 12; ++i)
        r.decadeFirstAge[Wrap12(base + i * dir)] = static_cast<int16_t>(r.bureau + 10 * i);
}

namespace {
void StemsFrom(ChartBlock& c, int firstPosition, int firstStem) {
    for (int i = 0; i < 12; ++i) {
        const int p = Wrap12(firstPosition + i);
        c.palaceInfo[p] = static_cast<uint8_t>((c.palaceInfo[p] & 0xF0) | Wrap10(firstStem + i));
    }
}
int TigerStemOf(int stem) {
    return Mod((stem % 5 + 1) * 2, 10);
} // 五虎遁: stem of 寅
int RatStemOf(int stem) {
    return (stem % 5) * 2;
} // 五鼠遁: stem of 子
} // namespace

void PlacePalaceStems(ChartBlock& c, const ChartRecord& r, const LevelContext& x) {
    switch (x.level) {
    case kLevelFlowYear:
        // Two positions before the flow year's branch starts two stems back, so
        // the flow year's own palace carries the flow year's stem.
        StemsFrom(c, PositionOfBranch(x.Yb) - 2, x.Ys - 2);
        break;
    case kLevelFlowMonth:
        StemsFrom(c, kYin, TigerStemOf(x.Ys));
        break;
    case kLevelFlowDay: {
        const int day = x.flowPillars.day();
        StemsFrom(c, PositionOfBranch(PillarBranch(day)), PillarStem(day));
        break;
    }
    case kLevelFlowHour:
        StemsFrom(c, kZi, RatStemOf(PillarStem(x.flowPillars.day())));
        break;
    case kLevelFlowMinute:
        StemsFrom(c, kZi, RatStemOf(PillarStem(x.flowPillars.hour())));
        break;
    default:
        StemsFrom(c, kYin, r.tigerStem);
        break;
    }
}

void PlacePalaceNames(ChartBlock& c, int lifePosition) {
    // 命宮 at the chart's life position, 兄弟 one back, ... 父母 one forward.
    for (int name = 1; name <= 12; ++name) {
        const int p = Wrap12(lifePosition - (name - 1));
        c.palaceInfo[p] = static_cast<uint8_t>((c.palaceInfo[p] & 0x0F) | (name << 4));
    }
}

} // namespace zelk::detail
