// Where a star stands in the explanation lists (0-111). The chart view names a
// clicked star by kind, sub-kind and index:
//   kind 1: a first-grade star by its four-transformation number 0-24 (紫微 ... 天鉞);
//   kind 2: a second/third-grade star j of the 34-name list (地劫 ... 天使);
//   kind 3: member i (0-11) of a twelve-star ring, sub-kind 1 博士, 2 長生,
//           3 將前, 4 歲前.
#pragma once

#include "chart/chart_engine.h" // RingKind

namespace zelk {

enum StarKind : int { kStarFirstGrade = 1, kStarSecondGrade = 2, kStarRing = 3 };

inline constexpr int kNoListPosition = -1;

// First list positions of the ring series.
inline constexpr int kDoctorFirst = 46, kLongLifeFirst = 70, kGeneralFrontFirst = 86,
                     kYearFrontFirst = 98, kYearFrontLast = 109;

// The list position, or kNoListPosition for any other combination.
int StarListPosition(int kind, int subKind, int index);

// The element of the star where it stands (0 水, 1 木, 2 金, 3 土, 4 火), or -1
// when it has none there or is not there. palaceNumber is the palace's name
// (1 命宮 ... 12 父母), which places 天傷 in 朋友 and 天使 in 疾厄.
int StarElementInPalace(const ChartBlock& chart, int palaceNumber, int position, int kind,
                        int subKind, int index);

} // namespace zelk
