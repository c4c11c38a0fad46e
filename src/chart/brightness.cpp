// Star brightness (廟 旺 利 平 陷, or the numeric grades) and star elements (五行).
#include "chart/brightness_tables.h"
#include "chart/chart_steps.h"

#include <bit>

namespace zelk {

namespace {
// Bit 31 - k -> k for a single bit, else -1.
int IndexOfBit(uint32_t bit) {
    if (!std::has_single_bit(bit)) return -1;
    return std::countl_zero(bit);
}
bool IsPosition(int p) {
    return p >= 0 && p < 12;
}
} // namespace

int TextGrade(uint32_t starBitA, int position) {
    const int k = IndexOfBit(starBitA);
    if (k < 0 || k >= 25 || !IsPosition(position)) return kNone;
    return detail::brightness::kTextGrade[k][BranchOfPosition(position)];
}

uint8_t NumericGrade(int group, uint32_t mask, int branch) {
    if (branch < 0 || branch > 11) return 0;
    for (const auto& row : detail::brightness::kNumericGrade)
        if (row.group == group && row.mask == mask) return row.byBranch[branch];
    return 0;
}

namespace {

// Elements 0 水, 1 木, 2 金, 3 土, 4 火, -1 none.
constexpr int8_t kElementA[29] = {
    3, 1, 4, 2, 0, 1, 3, 0, 1, 0, 0, 3, 2, 0, // 紫微 .. 破軍
    2, 0, 3, 0, 3, 2, 2, 4, 4, 4, 4,          // 文昌 .. 天鉞
    3, 1, 0, 0,                               // 化祿 化權 化科 化忌
};
constexpr int8_t kElementB[32] = {
    4, 4, 4, 0, 4, -1, -1, 0, 3, 3, 2, 3, 0, 3,  0,  4,  // 地劫 .. 孤辰
    4, 4, 4, 3, 3, -1, -1, 3, 3, 4, 3, 1, 3, -1, -1, -1, // 寡宿 .. 旬空
};
constexpr int8_t kElementDoctor[12] = {0, 4, 0, 4, 1, 2, 4, 0, 0, 4, 4, 4};
constexpr int8_t kElementGeneralFront[12] = {-1, -1, -1, -1, 1, -1, 4, -1, -1, -1, -1, -1};
constexpr int8_t kElementYearFront[12] = {4, -1, 1, -1, 4, 4, 4, -1, 2, -1, 4, 0};
constexpr int kWater = 0, kFire = 4;

constexpr uint32_t kFierySet = StarA::LianZhen | StarA::TanLang | StarA::QiSha;

} // namespace

int ElementOfGroupA(const std::array<uint32_t, 12>& groupA, int position, uint32_t starBitA) {
    const int k = IndexOfBit(starBitA);
    if (k < 0 || k >= 29 || !IsPosition(position)) return kNone;
    uint32_t w = groupA[position];
    // A palace without a main star borrows those of the opposite palace.
    if ((w & StarA::MainStars) == 0) w |= groupA[(position + 6) % 12] & StarA::MainStars;
    if ((w & starBitA) == 0) return kNone;
    const int mainCount = std::popcount(w & StarA::MainStars);
    // In company, 廉貞 and 七殺 read as 火 and 貪狼 as 水; 擎羊 is 火 beside two of them.
    if (starBitA == StarA::LianZhen || starBitA == StarA::QiSha)
        return mainCount > 1 ? kFire : kElementA[k];
    if (starBitA == StarA::TanLang) return mainCount > 1 ? kWater : kElementA[k];
    if (starBitA == StarA::QingYang && std::popcount(w & kFierySet) > 1) return kFire;
    return kElementA[k];
}

int ElementOfGroupB(int group, uint32_t mask, int palaceName, int position,
                    const ChartBlock& chart) {
    if (group == kGroupPalaceBound) {
        // 天傷 always stands in 朋友 (8) and 天使 in 疾厄 (6); both are 水.
        if ((mask == kTianShang && palaceName == 8) || (mask == kTianShi && palaceName == 6))
            return kWater;
        return kNone;
    }
    const int k = IndexOfBit(mask);
    if (group != kGroupB || k < 0 || !IsPosition(position)) return kNone;
    return (chart.groupB[position] & mask) ? kElementB[k] : kNone;
}

int ElementOfRing(int position, const ChartBlock& chart, int ringKind, int index) {
    if (!IsPosition(position) || index < 0 || index > 11) return kNone;
    switch (ringKind) {
    case kRingDoctor:
        return chart.doctorRing[position] == index ? kElementDoctor[index] : kNone;
    case kRingGeneralFront:
        return chart.generalFrontRing[position] == index ? kElementGeneralFront[index] : kNone;
    case kRingYearFront:
        return chart.yearFrontRing[position] == index ? kElementYearFront[index] : kNone;
    default:
        return kNone; // the 長生 ring has no elements
    }
}

} // namespace zelk
