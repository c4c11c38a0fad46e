// One placement run of a chart level, the natal chart and the period charts.
//
// Readings this file fixes:
// - The palace frame and every 斗君 rule count with the birth hour
//   (placementHour), also while a 流時 or 流分 chart has set hourIndex to the
//   flow hour: "forward to the birth hour" means the hour of the birth.
// - From 流年 on, the working month is the lunar month of the completed flow date
//   (at 流年 the birth's lunar month as stored, without the leap rule), not the
//   placement month of the natal chart.
// - The 流月 day limit of the birth time base uses the flow month's own length
//   (its leap flag), the month the flow date converts with.
// - When the flow date is completed from the birth, its hour is the birth hour
//   (placementHour): the 流年 base chart of a 流時 or 流分 chart is then the same
//   流年 chart the practitioner sees on its own, not one counted from the flow hour.
// - douJunBranch holds the branch of the 斗君 actually used by a period chart,
//   whichever GodBase chose it.
#include "chart/chart_steps.h"

#include "calendar/lunar_calendar.h"

#include <optional>

namespace zelk {

namespace detail {

namespace {

// The lower parts of the flow date come from the birth (TimeBase 0 and 1) or from
// the custom date (TimeBase 2). A TimeBase outside 0-2 is read as 1, the default.
struct DateSource {
    int month, day, leap, hour;
};

int NormalisedTimeBase(const AppSettings& s) {
    return (s.TimeBase == 0 || s.TimeBase == 2) ? s.TimeBase : 1;
}

struct FlowDate {
    int year, month, day, leap, hour, minute;
};

bool InRange(int v, int lo, int hi) {
    return v >= lo && v <= hi;
}

// The leap flag only counts for the year's real leap month; a flag on any other
// month would convert a day of the wrong month.
bool IsRealLeap(int year, int month, int leap) {
    return leap != 0 && LunarYearMonthLengths(year).leapMonth == month;
}

void ContextOfNatalLevels(const ChartRecord& r, const AppSettings& s, int level, LevelContext& x) {
    x.Ys = r.yearStem;
    x.Yb = r.yearBranch;
    x.Wm = x.M;
    x.Wd = r.lunarDay;
    x.Wh = x.birthHour;
    x.tianCaiBase = BasePalace(r, s);
    x.chartLife = level == kLevelNatal ? x.tianCaiBase : Wrap12(r.tenYearPalace);
}

// The 斗君 of the present nominal age, for the natal and ten-year charts.
void SetPresentDouJun(ChartRecord& r, const CurrentTime& now, const LevelContext& x) {
    const int age = now.lunar.year - r.lunarYear + 1;
    const int p = SmallLimitPalace(r, age) - x.M + x.birthHour + 1;
    r.douJunBranch = static_cast<int16_t>(BranchOfPosition(p));
}

FlowDate CompleteFlowDate(const ChartRecord& r, const AppSettings& s, int level, int& sourceDay) {
    const int timeBase = NormalisedTimeBase(s);
    const DateSource src =
        timeBase == 2 ? DateSource{s.BaseMonth, s.BaseDate, s.BaseIsLeap, s.BaseTime}
                      : DateSource{r.lunarMonth, r.lunarDay, r.isLeapMonth, r.placementHour};
    FlowDate f{r.flowLunarYear, r.flowLunarMonth, r.flowLunarDay,
               r.flowIsLeap,    r.flowHour,       r.flowMinute};
    sourceDay = f.day;
    if (timeBase == 2 && s.UsePanParm == 1) {
        // The custom date replaces whatever was picked.
        f = {s.BaseYear, s.BaseMonth, s.BaseDate, s.BaseIsLeap, s.BaseTime, r.flowMinute};
        sourceDay = f.day;
        return f;
    }
    switch (level) {
    case kLevelFlowYear:
        f.month = src.month;
        f.day = src.day;
        f.leap = src.leap;
        f.hour = src.hour;
        sourceDay = f.day;
        break;
    case kLevelFlowMonth:
        sourceDay = src.day;
        // From the birth day, a day past the end of the flow month is its last day.
        f.day = timeBase == 0 && InRange(f.month, 1, 12)
                    ? ClampLunarDay(f.month, src.day, f.year, IsRealLeap(f.year, f.month, f.leap))
                    : src.day;
        f.hour = src.hour;
        break;
    case kLevelFlowDay:
        f.hour = src.hour;
        sourceDay = f.day;
        break;
    default:
        sourceDay = f.day;
        break; // 流時 and 流分: the picker set hour and minute
    }
    return f;
}

ChartResult ContextOfFlowLevels(ChartRecord& r, const AppSettings& s, ChartEnv env, int level,
                                LevelContext& x) {
    const int timeBase = NormalisedTimeBase(s);
    if (timeBase == 1 || (timeBase == 0 && s.UsePanParm == 1))
        RefreshCurrentTime(env.now, env.clock);

    int sourceDay = 0;
    const FlowDate f = CompleteFlowDate(r, s, level, sourceDay);
    if (!InRange(f.year, kFirstLunarYear, kLastLunarYear))
        return Refuse(ChartRefusal::FlowDateOutsideTable,
                      "流盤日期超出曆法範圍（農曆1900年至2099年），命盤維持不變。");
    if (!InRange(f.month, 1, 12) || !InRange(f.day, 1, 30) || !InRange(f.hour, 0, 12) ||
        (level == kLevelFlowMinute && !InRange(f.minute, 0, 11)))
        return Refuse(ChartRefusal::FlowDateOutsideTable, "流盤日期或時辰不正確，命盤維持不變。");

    // Working month, day, hour and the leap flag of the Gregorian conversion.
    int wm = f.month, wd = level == kLevelFlowMonth ? sourceDay : f.day, wh = f.hour;
    // The flow date converts with its own leap flag at every level: a picked leap
    // month would otherwise give the Gregorian date (and the day and hour pillars)
    // of the regular month a month earlier.
    int leap = f.leap;
    if (s.UsePanParm == 1) {
        if (timeBase == 0) {
            wm = r.lunarMonth;
            wd = r.lunarDay;
            wh = r.placementHour;
            leap = r.isLeapMonth;
        } else {
            wd = f.day;
            leap = f.leap;
        }
    }
    if (!InRange(wm, 1, 12) || !InRange(wd, 1, 30) || !InRange(wh, 0, 12))
        return Refuse(ChartRefusal::FlowDateOutsideTable, "流盤日期或時辰不正確，命盤維持不變。");

    const std::optional<SolarDate> solar =
        LunarToSolar(f.year, f.month, f.day, IsRealLeap(f.year, f.month, leap));
    if (!solar)
        return Refuse(ChartRefusal::FlowDateOutsideTable,
                      "流盤日期超出曆法範圍（農曆1900年至2099年），命盤維持不變。");
    const int pillarHour = level >= kLevelFlowHour ? HourAsBranch(f.hour) : 0;
    const std::optional<FourPillars> pillars =
        FourPillarsLunar(solar->year, solar->month, solar->day, pillarHour);
    if (!pillars)
        return Refuse(ChartRefusal::FlowDateOutsideTable,
                      "流盤日期超出曆法範圍（農曆1900年至2099年），命盤維持不變。");

    // Everything checked: the completed flow date goes into the record.
    r.flowLunarYear = static_cast<int16_t>(f.year);
    r.flowLunarMonth = static_cast<int16_t>(f.month);
    r.flowLunarDay = static_cast<int16_t>(f.day);
    r.flowIsLeap = IsRealLeap(f.year, f.month, f.leap) ? 1 : 0; // only a real leap month is one
    r.flowHour = static_cast<int16_t>(f.hour);
    r.flowMinute = static_cast<int16_t>(f.minute);
    r.flowSolarYear = solar->year;
    r.flowSolarMonth = solar->month;
    r.flowSolarDay = solar->day;

    x.flowPillars = *pillars;
    x.Ys = StemOfYear(f.year);
    x.Yb = BranchOfYear(f.year);
    x.Wm = wm;
    x.Wd = wd;
    x.Wh = HourAsBranch(wh);

    // Period frame: 流年 命宮, 斗君, 流月 and 流時 palaces. A flow year before the
    // birth year gives a nominal age of 0 or below; the 小限 palace of such an age
    // is still found by the true modulo.
    const int age = f.year - r.lunarYear + 1;
    r.flowYearPosition = static_cast<int16_t>(PositionOfBranch(x.Yb));
    r.flowLifePalace = static_cast<int16_t>(s.FlowLifeHouseType == 0 ? r.flowYearPosition
                                                                     : SmallLimitPalace(r, age));
    int douJun; // GodBase 0, and any value outside 0-2: 子年斗君
    switch (s.GodBase) {
    case 1:
        douJun = r.flowYearPosition - x.M + x.birthHour + 1;
        break;
    case 2:
        douJun = SmallLimitPalace(r, age) - x.M + x.birthHour + 1;
        break;
    default:
        douJun = PositionOfBranch(r.ziYearDouJun);
        break;
    }
    r.flowDouJun = static_cast<int16_t>(Wrap12(douJun));
    r.douJunBranch = static_cast<int16_t>(BranchOfPosition(r.flowDouJun));
    if (level >= kLevelFlowMonth)
        r.flowMonthLifePalace = static_cast<int16_t>(Wrap12(r.flowDouJun + f.month - 1));
    if (level >= kLevelFlowHour) r.flowHourPalace = static_cast<int16_t>(PositionOfBranch(f.hour));

    switch (level) {
    case kLevelFlowYear:
        x.chartLife = r.flowLifePalace;
        break;
    case kLevelFlowMonth:
        x.chartLife = r.flowMonthLifePalace;
        break;
    case kLevelFlowDay:
        x.chartLife = Wrap12(r.flowMonthLifePalace + f.day % 12 - 1);
        break;
    case kLevelFlowHour:
        x.chartLife = r.flowHourPalace;
        break;
    default:
        x.chartLife = Wrap12(r.flowHourPalace + f.minute);
        break;
    }
    x.tianCaiBase = level == kLevelFlowYear ? r.flowDouJun : x.chartLife;
    return {};
}

// The period 祿存, 擎羊 and 陀羅 become 流祿, 流羊 and 流陀, and the natal ones are
// shown beside them.
void MoveFlowLuCun(ChartBlock& c, const ChartBlock& natal) {
    static constexpr struct {
        uint32_t a, flow;
    } kMoves[3] = {{StarA::LuCun, StarC::FlowLu},
                   {StarA::QingYang, StarC::FlowYang},
                   {StarA::TuoLuo, StarC::FlowTuo}};
    for (const auto& m : kMoves) {
        for (int p = 0; p < 12; ++p) {
            if (c.groupA[p] & m.a) {
                c.groupA[p] &= ~m.a;
                c.groupC[p] |= m.flow;
                break;
            }
        }
        for (int p = 0; p < 12; ++p) {
            if (natal.groupA[p] & m.a) {
                c.groupA[p] |= m.a;
                break;
            }
        }
    }
}

// 重疊顯示: the 流年 chart shows the natal stars with the flow year's marks.
void OverlayNatalStars(ChartBlock& c, const ChartBlock& natal) {
    for (int p = 0; p < 12; ++p) {
        c.groupA[p] = (natal.groupA[p] & ~0x7Fu) | (c.groupA[p] & 0x7Fu);
        c.groupB[p] = natal.groupB[p];
    }
}

} // namespace

ChartResult Refuse(ChartRefusal why, const char* message) {
    return {why, message};
}

} // namespace detail

using namespace detail;

ChartResult ComputeChartLevel(ChartRecord& r, int level, ChartBlock& target, ChartEnv env) {
    if (level < kLevelNatal || level > kLevelFlowMinute)
        return Refuse(ChartRefusal::BadLevel, "命盤層級不正確。");
    if (ChartResult check = CheckRecordFields(r); !check) return check;
    const AppSettings& s = env.settings;

    LevelContext x;
    x.level = level;
    x.M = PlacementMonth(r.lunarMonth, r.lunarDay, r.isLeapMonth != 0, s.LeapBase);
    x.birthHour = HourAsBranch(r.placementHour);
    x.forward = r.forwardDirection != 0;
    if (level <= kLevelTenYear) {
        ContextOfNatalLevels(r, s, level, x);
        SetPresentDouJun(r, env.now, x);
    } else if (ChartResult flow = ContextOfFlowLevels(r, s, env, level, x); !flow) {
        return flow;
    }

    ChartBlock c;
    PlacePalaceStems(c, r, x);
    PlacePalaceNames(c, x.chartLife);
    PlaceLongLifeRing(c, r, s, x);
    PlaceMainStars(c, r.bureau, r.lunarDay);
    PlaceAuxiliaryStars(c, r, s, x);
    PlaceFrontRings(c, r, s, x);
    MarkFourHua(c, HuaStem(r, level, s, level >= kLevelFlowMonth ? &x.flowPillars : nullptr), s);
    // The natal chart is its own reference for 來因 and 業障.
    MarkCauseAndKarmaFrom(c, level == kLevelNatal ? c : r.natalChart, r, s);
    if (level >= kLevelFlowYear && s.FlowLuDisplay == 1) MoveFlowLuCun(c, r.natalChart);
    if (level == kLevelFlowYear && s.YearHuaBase == 3) OverlayNatalStars(c, r.natalChart);
    target = c;
    return {};
}

ChartResult ComputeNatalChart(ChartRecord& r, ChartEnv env) {
    if (ChartResult check = CheckRecordFields(r); !check) return check;
    ComputeSmallLimitAndDecades(r, env.settings);
    return ComputeChartLevel(r, kLevelNatal, r.natalChart, env);
}

ChartResult ComputePeriodChart(ChartRecord& r, int level, ChartBlock& target, ChartEnv env) {
    if (level < kLevelTenYear || level > kLevelFlowMinute)
        return Refuse(ChartRefusal::BadLevel, "命盤層級不正確。");
    if (r.chartFilled == 0) return Refuse(ChartRefusal::NoBirthData, "尚未輸入出生資料。");

    // A refused run leaves the record and the chart on display as they were.
    const ChartRecord saved = r;
    const ChartBlock savedTarget = target;
    auto refuse = [&](ChartResult why) {
        r = saved;
        target = savedTarget;
        return why;
    };

    // The level on display is set first: the 火星/鈴星 rule of 流時 and 流分 holds
    // for their 流年 base chart too.
    r.shownLevel = static_cast<int16_t>(level);

    const ChartRecord kept = r; // the flow date and hourIndex the base run may change
    if (level == kLevelTenYear || level >= kLevelFlowMonth) {
        const int baseLevel = level == kLevelTenYear ? kLevelNatal : kLevelFlowYear;
        if (ChartResult base = ComputeChartLevel(r, baseLevel, r.baseChart, env); !base)
            return refuse(base);
    }
    r.flowLunarYear = kept.flowLunarYear;
    r.flowSolarYear = kept.flowSolarYear;
    r.flowLunarMonth = kept.flowLunarMonth;
    r.flowSolarMonth = kept.flowSolarMonth;
    r.flowLunarDay = kept.flowLunarDay;
    r.flowSolarDay = kept.flowSolarDay;
    r.flowHour = kept.flowHour;
    r.flowMinute = kept.flowMinute;
    r.flowIsLeap = kept.flowIsLeap;
    r.hourIndex = kept.hourIndex;

    if (ChartResult run = ComputeChartLevel(r, level, target, env); !run) return refuse(run);
    r.periodChanged = 1;
    return {};
}

ChartResult RecomputeAfterSettingsChange(ChartRecord& r, ChartEnv env) {
    if (r.chartFilled == 0) return {};
    if (ChartResult check = CheckRecordFields(r); !check) return check;
    // Only the 五行局 depends on a setting (PanBase); 命宮, 身宮 and 子年斗君 keep
    // the values computed when the birth data was loaded.
    r.bureau = static_cast<int16_t>(BureauOf(BasePalace(r, env.settings), r.yearStem));
    if (ChartResult natal = ComputeNatalChart(r, env); !natal) return natal;
    ChartResult period;
    if (r.shownLevel > kLevelNatal)
        period = ComputePeriodChart(r, r.shownLevel, r.periodChart, env);
    r.periodChanged = 1;
    return period;
}

} // namespace zelk
