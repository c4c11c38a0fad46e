#include "star_list_position.h"

#include <array>

namespace zelk {

namespace {

// 紫微 .. 文曲 keep their numbers; the rest of the first grade sits further on.
constexpr std::array<int, 25> kFirstGrade = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                                             13, 14, 15, 22, 23, 35, 36, 37, 16, 17, 38, 39};

// 地劫, 天空, 天刑, 天姚, 天馬, 解神, 陰煞, 天喜, 天官, 天福, 天哭, 天虛, 龍池, 鳳閣, 紅鸞,
// 孤辰, 寡宿, 蜚廉, 破碎, 台輔, 封誥, 天巫, 天月, 三台, 八座, 恩光, 天貴, 天才, 天壽,
// 截空, 旬中, 旬空, 天傷, 天使.
constexpr std::array<int, 34> kSecondGrade = {18, 19, 24, 25, 26, 27, 30,  63, 44, 45, 58, 59,
                                              60, 61, 62, 64, 65, 66, 67,  20, 21, 28, 29, 31,
                                              32, 33, 34, 68, 69, 82, 110, 83, 85, 84};

constexpr std::array<int, 5> kRingFirst = {-1, kDoctorFirst, kLongLifeFirst, kGeneralFrontFirst,
                                           kYearFrontFirst};

template <std::size_t N> int Lookup(const std::array<int, N>& table, int index) {
    return (index >= 0 && index < int(N)) ? table[std::size_t(index)] : kNoListPosition;
}

} // namespace

int StarListPosition(int kind, int subKind, int index) {
    switch (kind) {
    case kStarFirstGrade:
        return Lookup(kFirstGrade, index);
    case kStarSecondGrade:
        return Lookup(kSecondGrade, index);
    case kStarRing:
        if (subKind < kRingDoctor || subKind > kRingYearFront || index < 0 || index > 11)
            return kNoListPosition;
        return kRingFirst[std::size_t(subKind)] + index;
    default:
        return kNoListPosition;
    }
}

} // namespace zelk

namespace zelk {

namespace {
// Of the 34 second-grade names, 0-31 are the groupB bits 31 down to 0; the last two
// are the palace-bound 天傷 and 天使.
constexpr int kTianShangIndex = 32, kTianShiIndex = 33;
} // namespace

int StarElementInPalace(const ChartBlock& chart, int palaceNumber, int position, int kind,
                        int subKind, int index) {
    const int p = Mod(position, 12);
    switch (kind) {
    case kStarFirstGrade:
        if (index < 0 || index >= kFourHuaStarCount) return kNone;
        return ElementOfGroupA(chart.groupA, p, FourHuaStarMask(index));
    case kStarSecondGrade:
        if (index == kTianShangIndex)
            return ElementOfGroupB(kGroupPalaceBound, kTianShang, palaceNumber, p, chart);
        if (index == kTianShiIndex)
            return ElementOfGroupB(kGroupPalaceBound, kTianShi, palaceNumber, p, chart);
        if (index < 0 || index > 31) return kNone;
        return ElementOfGroupB(kGroupB, 0x80000000u >> index, palaceNumber, p, chart);
    case kStarRing:
        return ElementOfRing(p, chart, subKind, index);
    default:
        return kNone;
    }
}

} // namespace zelk
