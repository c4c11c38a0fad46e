// The four transformations (四化) of each heavenly stem: which star becomes 化祿,
// 化權, 化科 and 化忌. A cell is a one-bit mask of the groupA star word: bit (31 - n)
// for FourHuaStarNumber n (0 紫微 ... 24 天鉞); 0 is an empty cell (no star).
#pragma once

#include <array>
#include <cstdint>

namespace zelk {

// FourHuaStarNumber: 0 紫微, 1 天機, 2 太陽, 3 武曲, 4 天同, 5 廉貞, 6 天府, 7 太陰,
// 8 貪狼, 9 巨門, 10 天相, 11 天梁, 12 七殺, 13 破軍, 14 文昌, 15 文曲, 16 左輔,
// 17 右弼, 18 祿存, 19 擎羊, 20 陀羅, 21 火星, 22 鈴星, 23 天魁, 24 天鉞.
inline constexpr int kFourHuaStarCount = 25;

constexpr uint32_t FourHuaStarMask(int starNumber) {
    return (starNumber >= 0 && starNumber < 32) ? (0x80000000u >> starNumber) : 0u;
}
// The star number of a one-bit mask, or -1 for an empty (or not one-bit) cell.
constexpr int FourHuaStarNumber(uint32_t mask) {
    if (mask == 0 || (mask & (mask - 1)) != 0) return -1;
    int n = 0;
    while ((mask & 0x80000000u) == 0) {
        mask <<= 1;
        ++n;
    }
    return n;
}

// Rows 甲..癸, columns 祿 權 科 忌.
using FourHuaTable = std::array<std::array<uint32_t, 4>, 10>;

namespace detail {
constexpr FourHuaTable MakeFourHuaTable(const int (&numbers)[10][4]) {
    FourHuaTable t{};
    for (int s = 0; s < 10; ++s)
        for (int k = 0; k < 4; ++k) t[s][k] = FourHuaStarMask(numbers[s][k]);
    return t;
}
inline constexpr int kMethod0[10][4] = {{5, 13, 3, 2},  {1, 11, 0, 7}, {4, 1, 14, 5},
                                        {7, 4, 1, 9},   {8, 7, 17, 1}, {3, 8, 11, 15},
                                        {2, 3, 7, 4},   {9, 2, 15, 14}, {11, 0, 16, 3},
                                        {13, 9, 7, 8}};
inline constexpr int kMethod1[10][4] = {{5, 13, 15, 2}, {1, 11, 0, 7}, {4, 1, 14, 5},
                                        {7, 4, 1, 9},   {8, 7, 17, 1}, {3, 8, 11, 15},
                                        {2, 3, 4, 10},  {9, 2, 3, 14}, {11, 0, 6, 3},
                                        {13, 9, 7, 8}};
inline constexpr int kMethod2[10][4] = {{5, 13, 3, 2},  {1, 11, 0, 7}, {4, 1, 14, 5},
                                        {7, 4, 1, 9},   {8, 7, 17, 1}, {3, 8, 11, 13},
                                        {2, 3, 6, 4},   {9, 2, 15, 11}, {11, 0, 16, 3},
                                        {13, 9, 7, 8}};
} // namespace detail

// Methods 0 欽天派, 1 占驗門, 2 十八飛星.
inline constexpr std::array<FourHuaTable, 3> kFourHuaPresetTable = {
    detail::MakeFourHuaTable(detail::kMethod0), detail::MakeFourHuaTable(detail::kMethod1),
    detail::MakeFourHuaTable(detail::kMethod2)};
inline constexpr FourHuaTable kDefaultFourHuaTable = kFourHuaPresetTable[0];

static_assert(FourHuaStarNumber(FourHuaStarMask(24)) == 24);
static_assert(kFourHuaPresetTable[0][0][0] == (0x80000000u >> 5)); // 甲 化祿 廉貞

} // namespace zelk
