// Names of the stems, branches, pillars and zodiac animals (UTF-8). The calendar
// cannot use the string table layer, so it carries the same texts as the
// program's string table: stems 135-144, branches 145-156, animals 364-375.
#include "pillars.h"

#include <array>

namespace zelk {

namespace {
constexpr std::array<const char*, 10> kStems = {"甲", "乙", "丙", "丁", "戊",
                                                "己", "庚", "辛", "壬", "癸"};
constexpr std::array<const char*, 12> kBranches = {"子", "丑", "寅", "卯", "辰", "巳",
                                                   "午", "未", "申", "酉", "戌", "亥"};
constexpr std::array<const char*, 12> kAnimals = {"鼠", "牛", "虎", "兔", "龍", "蛇",
                                                  "馬", "羊", "猴", "雞", "狗", "豬"};

template <std::size_t N> const char* NameAt(const std::array<const char*, N>& names, int i) {
    if (i < 0 || i >= static_cast<int>(N)) return "";
    return names[static_cast<std::size_t>(i)];
}
} // namespace

const char* StemName(int stem) {
    return NameAt(kStems, stem);
}
const char* BranchName(int branch) {
    return NameAt(kBranches, branch);
}
const char* AnimalName(int branch) {
    return NameAt(kAnimals, branch);
}

std::string PillarName(int sexagenary) {
    if (sexagenary < 0 || sexagenary >= 60) return {};
    return std::string(StemName(sexagenary % 10)) + BranchName(sexagenary % 12);
}

} // namespace zelk
