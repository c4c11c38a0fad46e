#include "chart/chart_facts.h"

#include <cstdint>

namespace zelk {

int NayinElement(int stem, int branch) {
    if (stem < 0 || stem > 9 || branch < 0 || branch > 11 || stem % 2 != branch % 2) return -1;
    // One element per pair of years: the stem pair (甲乙, 丙丁 .. 壬癸) and the
    // branch pair (子丑, 寅卯 .. 戌亥) name it; the branch pairs repeat every three
    // because a stem pair comes back with the branch pair three steps on.
    static constexpr int8_t kByStemPair[5][3] = {
        {2, 0, 4}, // 甲子乙丑 金, 甲寅乙卯 水, 甲辰乙巳 火 (and 甲午 金, 甲申 水, 甲戌 火)
        {0, 4, 3}, // 丙子 水, 丙寅 火, 丙辰 土
        {4, 3, 1}, // 戊子 火, 戊寅 土, 戊辰 木
        {3, 1, 2}, // 庚子 土, 庚寅 木, 庚辰 金
        {1, 2, 0}, // 壬子 木, 壬寅 金, 壬辰 水
    };
    return kByStemPair[stem / 2][(branch / 2) % 3];
}

int PalaceElement(int stem, int position) {
    return NayinElement(stem, BranchOfPosition(position));
}

int PalaceElement(const ChartBlock& block, int position) {
    return PalaceElement(block.stemAt(position), position);
}

} // namespace zelk
