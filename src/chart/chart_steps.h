// Internal to the chart engine: the working values of one placement run and the
// placement steps, in the order ComputeChartLevel runs them.
#pragma once

#include "calendar/pillars.h"
#include "chart/chart_engine.h"

#include <array>
#include <cstdint>

namespace zelk::detail {

// Positions of the branches, for the tables written by branch.
enum Pos : int8_t { kYin = 0, kMao, kChen, kSi, kWu, kWei, kShen, kYou, kXu, kHai, kZi, kChou };

inline constexpr int Wrap12(int v) {
    return Mod(v, 12);
}
inline constexpr int Wrap10(int v) {
    return Mod(v, 10);
}
inline int StemOfYear(int lunarYear) {
    return Mod(lunarYear + 6, 10);
}
inline int BranchOfYear(int lunarYear) {
    return Mod(lunarYear - 1900, 12);
}
inline int HourAsBranch(int hourIndex) {
    return Mod(hourIndex, 12);
} // 12 counts as 子
inline int PillarStem(int sexagenary) {
    return sexagenary % 10;
}
inline int PillarBranch(int sexagenary) {
    return sexagenary % 12;
}

// Everything a placement run reads besides the record and the settings.
struct LevelContext {
    int level = 0;
    int Ys = 0, Yb = 0;         // working year stem and branch
    int Wm = 1, Wd = 1, Wh = 0; // working month 1-12, day 1-30, hour 0-11
    int M = 1;                  // placement month of the birth (leap rule applied)
    int birthHour = 0;          // placementHour, 12 as 0
    int chartLife = 0;          // position that carries the palace name 命宮
    int tianCaiBase = 0;        // the chart 命宮 L from which 天才 counts
    bool forward = true;        // yang male or yin female
    FourPillars flowPillars;    // of the flow date (levels 2-6): hour 0 at 3-4, flow hour at 5-6
};

// Frame (frame.cpp).
int PlacementMonth(int lunarMonth, int lunarDay, bool isLeap, int leapBase);
int BureauOf(int basePalacePosition, int yearStem); // 2-6
int BasePalace(const ChartRecord& r, const AppSettings& s);
int SmallLimitPalace(const ChartRecord& r, int nominalAge); // position of the 小限
void DeriveFrameValues(ChartRecord& r, const AppSettings& s);
void ComputeSmallLimitAndDecades(ChartRecord& r, const AppSettings& s);
void PlacePalaceStems(ChartBlock& c, const ChartRecord& r, const LevelContext& x);
void PlacePalaceNames(ChartBlock& c, int lifePosition);

// Stars (main_stars.cpp, minor_stars.cpp, rings.cpp).
int ZiWeiPosition(int bureau, int lunarDay);
void PlaceMainStars(ChartBlock& c, int bureau, int lunarDay);
void PlaceLongLifeRing(ChartBlock& c, const ChartRecord& r, const AppSettings& s,
                       const LevelContext& x);
void PlaceAuxiliaryStars(ChartBlock& c, const ChartRecord& r, const AppSettings& s,
                         const LevelContext& x);
void PlaceFrontRings(ChartBlock& c, const ChartRecord& r, const AppSettings& s,
                     const LevelContext& x);
int LuCunPosition(int stem);

// Transformations (four_hua.cpp).
// The stem of a level's marks; `pillars` are the flow pillars of the run, or
// null to compute them from the record's Gregorian flow date.
int HuaStem(const ChartRecord& r, int level, const AppSettings& s, const FourPillars* pillars);
void MarkFourHua(ChartBlock& c, int stem, const AppSettings& s);
void MarkCauseAndKarmaFrom(ChartBlock& c, const ChartBlock& natal, const ChartRecord& r,
                           const AppSettings& s);

// Validation (load_inputs.cpp): the birth and frame fields a placement run reads.
ChartResult CheckRecordFields(const ChartRecord& r);

ChartResult Refuse(ChartRefusal why, const char* message);

} // namespace zelk::detail
