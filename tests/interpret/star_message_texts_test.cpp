// The texts of the star explanation dialog for each kind of star.
#include "explanation_cache.h"
#include "explanation_lists.h"
#include "star_list_position.h"
#include "star_message_texts.h"

#include "chart/chart_record.h"
#include "settings/app_settings.h"
#include "settings/string_table.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include "qstring_printer.h"

#include <gtest/gtest.h>

namespace zelk {
namespace {

const ExplanationLists& Lists() {
    static const ExplanationLists lists = ParseExplanationLists();
    return lists;
}

QString Res(int id) {
    return LoadResString(id);
}

ExplanationSet SetOf(const QString& text) {
    QStringEncoder encode("Big5");
    return ParseExplanationText(encode(text));
}

class StarMessageTest : public ::testing::Test {
  protected:
    ChartBlock chart;
    StarMessageSettings settings;
    ExplanationSet set = SetOf(QStringLiteral("夫妻紫微剋紫微在夫妻\r\n命宮太歲無太歲在命\r\n"));

    void SetUp() override {
        // Position 8 is 戌; give it the stem 丙.
        chart.palaceInfo[8] = uint8_t((3 << 4) | 2);
    }
    StarMessageTexts Build(int palacePosition, const StarInPalace& star) const {
        return BuildStarMessageTexts(Res, Lists(), &set, settings, chart, palacePosition, star);
    }
};

TEST_F(StarMessageTest, FirstGradeStarInItsPalace) {
    // 紫微 土 in a 水 palace: 剋.
    const auto t = Build(8, {3, 0, kStarFirstGrade, 0, 0, 3});
    EXPECT_EQ(t.palaceLabel, QStringLiteral("【夫妻】"));
    EXPECT_EQ(t.stemBranch, QStringLiteral("丙戌"));
    EXPECT_EQ(t.palaceElementName, QStringLiteral("水"));
    EXPECT_EQ(t.starName, QStringLiteral("紫微"));
    EXPECT_EQ(t.explanation, QStringLiteral("紫微在夫妻"));
    EXPECT_EQ(t.natureText, Lists().natureTexts[0]);
    EXPECT_EQ(t.keywordText, Lists().keywordTexts[0]);
    // Another relation has no line: only the explanation stays empty.
    const auto other = Build(8, {3, 0, kStarFirstGrade, 0, 0, 0});
    EXPECT_TRUE(other.explanation.isEmpty());
    EXPECT_EQ(other.natureText, Lists().natureTexts[0]);
}

TEST_F(StarMessageTest, SecondGradeNamesFollowTheFourHuaMethod) {
    EXPECT_EQ(Build(0, {1, 0, kStarSecondGrade, 0, 1, 4}).starName, QStringLiteral("天空"));
    settings.fourHuaType = 1;
    EXPECT_EQ(Build(0, {1, 0, kStarSecondGrade, 0, 1, 4}).starName, QStringLiteral("地空"));
}

TEST_F(StarMessageTest, RingNamesAndYearFrontSpecialNames) {
    EXPECT_EQ(Build(0, {1, -1, kStarRing, kRingDoctor, 11, -1}).starName, QStringLiteral("官府"));
    EXPECT_EQ(Build(0, {1, -1, kStarRing, kRingLongLife, 5, -1}).starName, QStringLiteral("衰"));
    EXPECT_EQ(Build(0, {1, -1, kStarRing, kRingGeneralFront, 4, -1}).starName,
              QStringLiteral("華蓋"));
    const StarInPalace suiJian{1, -1, kStarRing, kRingYearFront, 0, -1};
    const auto usual = Build(0, suiJian);
    EXPECT_EQ(usual.starName, QStringLiteral("歲建"));
    EXPECT_TRUE(usual.explanation.isEmpty());
    EXPECT_TRUE(usual.natureText.startsWith(QStringLiteral("歲建")));

    settings.suaStarNameType = 1;
    const auto special = Build(0, suiJian);
    EXPECT_EQ(special.starName, QStringLiteral("太歲"));
    EXPECT_EQ(special.explanation, QStringLiteral("太歲在命"));
    EXPECT_TRUE(special.natureText.startsWith(QStringLiteral("太歲")));
    EXPECT_FALSE(special.natureText.contains(QStringLiteral("歲建")));
    EXPECT_FALSE(special.keywordText.contains(QStringLiteral("歲建")));
}

TEST_F(StarMessageTest, ShortKeywordsGiveWayToTheNatureText) {
    ExplanationLists lists = Lists();
    lists.keywordTexts[0] = QStringLiteral("紫微－");
    const auto t = BuildStarMessageTexts(Res, lists, &set, settings, chart, 8,
                                         {3, 0, kStarFirstGrade, 0, 0, 3});
    EXPECT_EQ(t.keywordText, lists.natureTexts[0]);
}

TEST_F(StarMessageTest, OutOfRangeNumbersLeaveTheirTextsEmpty) {
    chart.palaceInfo[8] = uint8_t((3 << 4) | 12); // a stem byte beyond 癸
    const auto t = Build(8 + 120, {13, 7, kStarFirstGrade, 0, 30, 3});
    EXPECT_TRUE(t.palaceLabel.isEmpty());
    EXPECT_EQ(t.stemBranch, QStringLiteral("戌"));
    EXPECT_TRUE(t.palaceElementName.isEmpty());
    EXPECT_TRUE(t.starName.isEmpty());
    EXPECT_TRUE(t.explanation.isEmpty());
    EXPECT_TRUE(t.natureText.isEmpty());
    EXPECT_TRUE(t.keywordText.isEmpty());
    // A negative position is taken modulo 12 (−4 is 戌 as well).
    EXPECT_EQ(Build(-4, {1, 0, 1, 0, 0, 0}).stemBranch, QStringLiteral("戌"));
    // No set at all: the star's own texts are still there.
    const auto noSet = BuildStarMessageTexts(Res, Lists(), nullptr, settings, chart, 0,
                                             {1, 0, kStarFirstGrade, 0, 0, 3});
    EXPECT_TRUE(noSet.explanation.isEmpty());
    EXPECT_FALSE(noSet.natureText.isEmpty());
}

// A palace at position 3 holding 廉貞 and 貪狼, 天姚 and 天才, and the 博士 ring's 力士.
ChartBlock CompanionChart() {
    ChartBlock chart;
    chart.groupA[3] = StarA::LianZhen | StarA::TanLang;
    chart.groupB[3] = StarB::TianYao | StarB::TianCai;
    chart.doctorRing.fill(0);
    chart.doctorRing[3] = 1;
    return chart;
}

TEST(StarElementInPalace, ReadsTheStarTheViewNames) {
    const ChartBlock chart = CompanionChart();
    const int none = -1, water = 0, wood = 1, fire = 4;
    // 廉貞 and 貪狼 together take their alternative elements.
    EXPECT_EQ(StarElementInPalace(chart, 1, 3, kStarFirstGrade, 0, 5), fire);
    EXPECT_EQ(StarElementInPalace(chart, 1, 3, kStarFirstGrade, 0, 8), water);
    EXPECT_EQ(StarElementInPalace(chart, 1, 3, kStarFirstGrade, 0, 0), none);
    EXPECT_EQ(StarElementInPalace(chart, 1, 3 + 24, kStarFirstGrade, 0, 5), fire);
    EXPECT_EQ(StarElementInPalace(chart, 1, 3, kStarFirstGrade, 0, 25), none);
    // Second grade j is groupB bit 31 - j; the last two are bound to their palaces.
    EXPECT_EQ(StarElementInPalace(chart, 1, 3, kStarSecondGrade, 0, 3), water); // 天姚
    EXPECT_EQ(StarElementInPalace(chart, 1, 3, kStarSecondGrade, 0, 27), wood); // 天才
    EXPECT_EQ(StarElementInPalace(chart, 1, 3, kStarSecondGrade, 0, 0), none);
    EXPECT_EQ(StarElementInPalace(chart, 8, 3, kStarSecondGrade, 0, 32), water); // 天傷 in 朋友
    EXPECT_EQ(StarElementInPalace(chart, 1, 3, kStarSecondGrade, 0, 32), none);
    EXPECT_EQ(StarElementInPalace(chart, 6, 3, kStarSecondGrade, 0, 33), water); // 天使 in 疾厄
    EXPECT_EQ(StarElementInPalace(chart, 1, 3, kStarSecondGrade, 0, 34), none);
    EXPECT_EQ(StarElementInPalace(chart, 1, 3, kStarSecondGrade, 0, -1), none);
    // Rings: the member must stand there.
    EXPECT_EQ(StarElementInPalace(chart, 1, 3, kStarRing, kRingDoctor, 1), fire);
    EXPECT_EQ(StarElementInPalace(chart, 1, 3, kStarRing, kRingDoctor, 0), none);
}

TEST(StarMessageFor, UsesTheStarsElementWhereItStands) {
    QTemporaryDir dir;
    {
        QFile f(ExplanationFilePath(dir.path(), 5));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        QStringEncoder encode("Big5");
        f.write(encode(QStringLiteral("命宮廉貞剋獨坐之讀法\r\n命宮廉貞生同宮之讀法\r\n")));
    }
    InstallExplanationLists(ParseExplanationLists());
    ExplanationSets().load(5, dir.path());
    AppSettings settings;
    // In a 土 palace: 廉貞 with 貪狼 is 火, which generates 土; alone (木) it would control.
    const auto t = StarMessageFor(settings, CompanionChart(), 1, 3, 3, kStarFirstGrade, 0, 5);
    EXPECT_EQ(t.starName, QStringLiteral("廉貞"));
    EXPECT_EQ(t.explanation, QStringLiteral("同宮之讀法"));
    EXPECT_EQ(t.palaceElementName, QStringLiteral("土"));
}

} // namespace
} // namespace zelk
