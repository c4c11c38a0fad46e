// Resource string ids of the texts around a chart. The engine has no string
// table; the painter and the command-line tool look the ids up.
#include "chart/chart_engine.h"

namespace zelk {

namespace {
bool InRange(int v, int lo, int hi) {
    return v >= lo && v <= hi;
}
// Bit 31 - k of a word -> k, or -1 when `bit` is not a single bit.
int ItemOfBit(uint32_t bit) {
    if (bit == 0 || (bit & (bit - 1)) != 0) return -1;
    int k = 0;
    while ((bit & 0x80000000u) == 0) {
        bit <<= 1;
        ++k;
    }
    return k;
}
} // namespace

int StemStringId(int stem) {
    return InRange(stem, 0, 9) ? 135 + stem : 0;
}
int BranchStringId(int branch) {
    return InRange(branch, 0, 11) ? 145 + branch : 0;
}
int PositionStringId(int position) {
    return InRange(position, 0, 11) ? 234 + position : 0;
}
int PalaceNameStringId(int name) {
    return InRange(name, 1, 12) ? 617 + name : 0;
}
int LevelCaptionStringId(int level) {
    return InRange(level, 0, 6) ? 506 + level : 0;
}
int GradeStringId(int grade) {
    return InRange(grade, 0, 4) ? 318 + grade : 0;
}
int ElementStringId(int element) {
    return InRange(element, 0, 4) ? 492 + element : 0;
}

int LifeMasterStringId(int lifePalacePosition) {
    // By the position of 命宮 寅 .. 丑: 祿存 文曲 廉貞 武曲 破軍 武曲 廉貞 文曲 祿存 巨門 貪狼
    // 巨門.
    static constexpr int kOffset[12] = {2, 3, 4, 5, 6, 5, 4, 3, 2, 1, 0, 1};
    return 192 + kOffset[Mod(lifePalacePosition, 12)];
}
int BodyMasterStringId(int yearBranch) {
    return 199 + Mod(yearBranch, 6);
}
int BureauStringId(int bureau) {
    return InRange(bureau, 2, 6) ? 183 + bureau : 0;
}

ResText StarNameA(uint32_t bit) {
    const int k = ItemOfBit(bit);
    // Bits 31..7 the 25 stars (205..229), 6..3 the marks 祿 權 科 忌 (230..233).
    if (k < 0 || k > 28) return {};
    return {205 + k};
}

ResText StarNameB(uint32_t bit, int fourHuaType) {
    const int k = ItemOfBit(bit);
    if (k < 0) return {};
    // Method 1 names the second star 地空; only the list string 714 has that name.
    if (fourHuaType == 1 && k == 1) return {714, 1};
    return {259 + k};
}

ResText StarNameC(uint32_t bit) {
    switch (bit) {
    case StarC::LaiYin:
        return {578};
    case StarC::YeZhang:
        return {579};
    case StarC::FlowLu:
        return {585};
    case StarC::FlowYang:
        return {586};
    case StarC::FlowTuo:
        return {587};
    case StarC::FlowMa:
        return {588};
    case StarC::TianChu:
        return {548};
    case StarC::FlowLuan:
        return {605};
    case StarC::FlowChang:
        return {606};
    default:
        return {};
    }
}

ResText PalaceBoundStarName(uint32_t mask) {
    if (mask == kTianShang) return {713, 32};
    if (mask == kTianShi) return {713, 33};
    return {};
}

ResText RingMemberName(int ringKind, int index, int suaStarNameType) {
    if (!InRange(index, 0, 11)) return {};
    switch (ringKind) {
    case kRingLongLife:
        return {293 + index};
    case kRingDoctor:
        return {325 + index};
    case kRingYearFront:
        if (suaStarNameType == 1) return {715, index};
        return {337 + index};
    case kRingGeneralFront:
        return {349 + index};
    default:
        return {};
    }
}

} // namespace zelk
