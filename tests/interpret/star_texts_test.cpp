// The built-in nature and keyword texts as the string table stores them, and the
// Normal explanation set as it ships.
#include "explanation_lists.h"
#include "explanation_set.h"
#include "find_explanation.h"
#include "star_list_position.h"

#include "chart/chart_record.h"

#include "settings/string_table.h"

#include <QSet>

#include "qstring_printer.h"

#include <gtest/gtest.h>

namespace zelk {
namespace {

const ExplanationLists& Lists() {
    static const ExplanationLists lists = ParseExplanationLists();
    return lists;
}

// Parses the six strings of one list without the slot limits, so that a text
// too long for its slot shows up instead of being cut quietly.
QStringList WholeList(int firstId) {
    QString joined;
    for (int k = 0; k < ListString::TextParts; ++k)
        joined += LoadResString(firstId + k);
    return ParseQuotedList(joined);
}

void ExpectOneTextPerStar(int firstId, const std::array<QString, kListPositionCount>& parsed) {
    const QStringList whole = WholeList(firstId);
    ASSERT_EQ(whole.size(), kListPositionCount) << "list from string " << firstId;
    for (int p = 0; p < kListPositionCount; ++p) {
        const QString& text = whole[p];
        const QString name = Lists().starNames[std::size_t(p)].trimmed();
        EXPECT_LT(text.size(), 150) << "position " << p;
        // Each text names its own star first, so a shifted list is caught.
        EXPECT_TRUE(text.startsWith(name + QStringLiteral("－")))
            << "position " << p << ": " << text.toStdString();
        EXPECT_EQ(parsed[std::size_t(p)], text) << "position " << p;
    }
}

TEST(StarTexts, NatureTextsAreOnePerStarInListOrder) {
    ExpectOneTextPerStar(ListString::NatureTextsFirst, Lists().natureTexts);
}

TEST(StarTexts, KeywordTextsAreOnePerStarInListOrder) {
    ExpectOneTextPerStar(ListString::KeywordTextsFirst, Lists().keywordTexts);
    for (const QString& text : Lists().keywordTexts)
        EXPECT_GE(text.size(), 5);
}

TEST(StarTexts, EveryPartHoldsSomeOfTheList) {
    for (int id = 701; id <= 712; ++id)
        EXPECT_FALSE(LoadResString(id).isEmpty()) << id;
}

TEST(StarTexts, ListsRunOnAcrossStringBoundaries) {
    // Two parts whose items are split between them, as the table may store them.
    const ExplanationLists lists = ParseExplanationLists([](int id) -> QString {
        switch (id) {
        case 701:
            return QStringLiteral("\"甲－一\",\"乙－");
        case 702:
            return QStringLiteral("二\",\"丙－三\",");
        case 703:
            return QStringLiteral("\"丁－") + QString(200, QChar(u'四')) + u'"';
        default:
            return {};
        }
    });
    EXPECT_EQ(lists.natureTexts[0], QStringLiteral("甲－一"));
    EXPECT_EQ(lists.natureTexts[1], QStringLiteral("乙－二"));
    EXPECT_EQ(lists.natureTexts[2], QStringLiteral("丙－三"));
    // A text longer than its slot keeps 149 characters.
    EXPECT_EQ(lists.natureTexts[3].size(), 149);
    EXPECT_TRUE(lists.natureTexts[4].isEmpty());
    EXPECT_TRUE(lists.natureTexts[111].isEmpty());
}

// The element a nature text states ("屬土", "屬木火") is the one the chart gives the
// star standing alone; a star without an element states none.
TEST(StarTexts, NatureTextsStateTheStarsOwnElement) {
    const QString elementNames = QStringLiteral("水木金土火");
    auto check = [&](const ChartBlock& chart, int palaceNumber, int kind, int subKind, int index) {
        const int p = StarListPosition(kind, subKind, index);
        ASSERT_NE(p, kNoListPosition);
        const QString& text = Lists().natureTexts[std::size_t(p)];
        const int element = StarElementInPalace(chart, palaceNumber, 0, kind, subKind, index);
        const qsizetype at = text.indexOf(QStringLiteral("－屬"));
        if (element < 0) {
            const bool statesOne = at >= 0 && elementNames.contains(text.at(at + 2));
            EXPECT_FALSE(statesOne) << text.toStdString();
        } else {
            ASSERT_GE(at, 0) << text.toStdString();
            const QString stated = text.mid(at + 2, text.indexOf(u'，', at) - at - 2);
            EXPECT_TRUE(stated.contains(elementNames.at(element))) << text.toStdString();
        }
    };
    for (int n = 0; n < 25; ++n) {
        ChartBlock chart;
        chart.groupA[0] = 0x80000000u >> n;
        check(chart, 1, kStarFirstGrade, 0, n);
    }
    for (int j = 0; j < kSecondGradeCount; ++j) {
        ChartBlock chart;
        if (j < 32) chart.groupB[0] = 0x80000000u >> j;
        check(chart, j == 32 ? 8 : 6, kStarSecondGrade, 0, j);
    }
    for (int i = 0; i < 12; ++i) {
        ChartBlock chart;
        chart.doctorRing[0] = chart.longLifeRing[0] = uint8_t(i);
        chart.generalFrontRing[0] = chart.yearFrontRing[0] = uint8_t(i);
        for (int ring = kRingDoctor; ring <= kRingYearFront; ++ring)
            check(chart, 1, kStarRing, ring, i);
    }
}

// The stars the Normal set covers in every palace and relation.
struct CoveredStar {
    int kind, index;
};
constexpr CoveredStar kCovered[] = {
    // The fourteen main stars.
    {1, 0},
    {1, 1},
    {1, 2},
    {1, 3},
    {1, 4},
    {1, 5},
    {1, 6},
    {1, 7},
    {1, 8},
    {1, 9},
    {1, 10},
    {1, 11},
    {1, 12},
    {1, 13},
    // 文昌, 文曲, 左輔, 右弼, 天魁, 天鉞.
    {1, 14},
    {1, 15},
    {1, 16},
    {1, 17},
    {1, 23},
    {1, 24},
    // 擎羊, 陀羅, 火星, 鈴星, then 地劫 and 天空 of the second grade.
    {1, 19},
    {1, 20},
    {1, 21},
    {1, 22},
    {2, 0},
    {2, 1}};

ExplanationSet ShippedSet(int level) {
    const auto set =
        ReadExplanationFile(ExplanationFilePath(QStringLiteral(ZELK_EXPLAIN_DIR), level));
    return set.value_or(ExplanationSet{});
}

// Every shipped set (Normal to Hour) holds every required star.
class ShippedSetTest : public ::testing::TestWithParam<int> {};

TEST_P(ShippedSetTest, CoversEveryRequiredStarInEveryPalaceAndRelation) {
    const ExplanationSet set = ShippedSet(GetParam());
    ASSERT_FALSE(set.lines.isEmpty());
    // Element pairs giving 生, 剋 and 無.
    const int elementPairs[3][2] = {{0, 0}, {0, 3}, {-1, -1}};
    for (const CoveredStar& s : kCovered) {
        QSet<QString> readings;
        for (int palace = 1; palace <= 12; ++palace) {
            for (const auto& pair : elementPairs) {
                const StarInPalace star{palace, pair[1], s.kind, 0, s.index, pair[0]};
                const auto text = FindExplanation(Lists(), &set, 0, star);
                ASSERT_TRUE(text) << ExplanationKey(Lists(), 0, star).toStdString();
                EXPECT_GE(text->size(), 20) << ExplanationKey(Lists(), 0, star).toStdString();
                readings.insert(*text);
            }
        }
        // Twelve palaces, three relations: no two of them read the same.
        EXPECT_EQ(readings.size(), 36) << "star " << s.kind << "/" << s.index;
    }
}

TEST_P(ShippedSetTest, DecodesCleanlyAndEveryLineStartsWithAKey) {
    const ExplanationSet set = ShippedSet(GetParam());
    const auto& palaces = Lists().palaceNames;
    for (const QString& line : set.lines) {
        EXPECT_FALSE(line.contains(QChar::ReplacementCharacter)) << line.toStdString();
        EXPECT_TRUE(std::any_of(palaces.begin(), palaces.end(), [&](const QString& p) {
            return line.startsWith(p);
        })) << line.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(NatalToHour, ShippedSetTest, ::testing::Values(0, 1, 2, 3, 4, 5));

TEST(ShippedSets, EachLevelReadsDifferently) {
    const ExplanationSet natal = ShippedSet(0), decade = ShippedSet(1), year = ShippedSet(2);
    const StarInPalace star{5, 0, kStarFirstGrade, 0, 3, 2}; // 武曲 in 財帛
    const auto a = FindExplanation(Lists(), &natal, 0, star);
    const auto b = FindExplanation(Lists(), &decade, 0, star);
    const auto c = FindExplanation(Lists(), &year, 0, star);
    ASSERT_TRUE(a && b && c);
    EXPECT_NE(*a, *b);
    EXPECT_NE(*b, *c);
    EXPECT_NE(*a, *c);
}

} // namespace
} // namespace zelk
