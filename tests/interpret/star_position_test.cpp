// List positions and element relations, checked against the names of the string
// table: a position that points at the wrong list entry shows another star's texts.
#include "element_relation.h"
#include "explanation_lists.h"
#include "star_list_position.h"

#include "settings/string_table.h"

#include "qstring_printer.h"

#include <gtest/gtest.h>

namespace zelk {
namespace {

const ExplanationLists& Lists() {
    static const ExplanationLists lists = ParseExplanationLists();
    return lists;
}

QString NameAt(int position) {
    if (position < 0 || position >= kListPositionCount) return QStringLiteral("<none>");
    return Lists().starNames[std::size_t(position)].trimmed();
}

TEST(StarListPosition, FirstGradeStarsPointAtTheirOwnNames) {
    // Strings 205-229 name the first-grade stars by four-transformation number.
    for (int n = 0; n < 25; ++n)
        EXPECT_EQ(NameAt(StarListPosition(kStarFirstGrade, 0, n)), LoadResString(205 + n))
            << "star " << n;
}

TEST(StarListPosition, SecondGradeStarsPointAtTheirOwnNames) {
    for (int j = 0; j < kSecondGradeCount; ++j)
        EXPECT_EQ(NameAt(StarListPosition(kStarSecondGrade, 0, j)),
                  Lists().secondGradeNames[std::size_t(j)])
            << "star " << j;
}

TEST(StarListPosition, RingMembersPointAtTheirOwnNames) {
    const struct {
        int subKind, firstString;
    } rings[] = {
        {kRingDoctor, 325}, {kRingLongLife, 293}, {kRingGeneralFront, 349}, {kRingYearFront, 337}};
    for (const auto& ring : rings)
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(NameAt(StarListPosition(kStarRing, ring.subKind, i)),
                      LoadResString(ring.firstString + i))
                << "ring " << ring.subKind << " member " << i;
}

TEST(StarListPosition, EveryOtherCombinationHasNone) {
    const int cases[][3] = {{0, 0, 0}, {4, 1, 0}, {1, 0, -1}, {1, 0, 25}, {2, 0, -1}, {2, 0, 34},
                            {3, 0, 0}, {3, 5, 0}, {3, 1, -1}, {3, 4, 12}, {-1, 1, 1}, {3, 2, 99}};
    for (const auto& c : cases)
        EXPECT_EQ(StarListPosition(c[0], c[1], c[2]), kNoListPosition)
            << c[0] << "/" << c[1] << "/" << c[2];
    // The sub-kind matters only for rings.
    EXPECT_EQ(StarListPosition(kStarFirstGrade, 3, 21), 16);
}

TEST(ElementRelation, FollowsTheGeneratingCycle) {
    enum { W = 0, Wd = 1, M = 2, E = 3, F = 4 };
    // Same element and neighbours on 水 木 火 土 金 (水 and 金 close the circle) generate.
    const int generating[][2] = {{W, W}, {W, Wd}, {Wd, F}, {F, E}, {E, M}, {M, W}, {W, M}};
    for (const auto& g : generating)
        EXPECT_EQ(ElementRelation(g[0], g[1]), kRelationGenerating) << g[0] << "," << g[1];
    // Two or three steps apart control.
    const int controlling[][2] = {{W, F}, {F, W}, {W, E}, {Wd, E}, {Wd, M}, {F, M}, {E, W}};
    for (const auto& c : controlling)
        EXPECT_EQ(ElementRelation(c[0], c[1]), kRelationControlling) << c[0] << "," << c[1];
    // The relation does not depend on the order of its two elements.
    for (int a = 0; a < 5; ++a)
        for (int b = 0; b < 5; ++b)
            EXPECT_EQ(ElementRelation(a, b), ElementRelation(b, a));
    EXPECT_EQ(ElementRelation(-1, W), kRelationNone);
    EXPECT_EQ(ElementRelation(F, -1), kRelationNone);
    EXPECT_EQ(ElementRelation(5, W), kRelationNone);
    EXPECT_EQ(ElementRelation(W, 100), kRelationNone);
}

} // namespace
} // namespace zelk
