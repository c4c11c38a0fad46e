#include "element_relation.h"

#include <array>
#include <cstdlib>

namespace zelk {

namespace {
// Element code -> place on the generating cycle: 水 0, 木 1, 金 4, 土 3, 火 2.
constexpr std::array<int, 5> kCyclePlace = {0, 1, 4, 3, 2};

bool IsElement(int e) {
    return e >= 0 && e < 5;
}
} // namespace

Relation ElementRelation(int starElement, int palaceElement) {
    if (!IsElement(starElement) || !IsElement(palaceElement)) return kRelationNone;
    const int d =
        std::abs(kCyclePlace[std::size_t(starElement)] - kCyclePlace[std::size_t(palaceElement)]);
    return (d == 2 || d == 3) ? kRelationControlling : kRelationGenerating;
}

} // namespace zelk
