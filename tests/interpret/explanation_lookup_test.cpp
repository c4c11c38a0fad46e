// Building keys and finding lines in explanation sets, with the program's own
// string table supplying the name lists.
#include "explanation_cache.h"
#include "explanation_lists.h"
#include "find_explanation.h"
#include "star_list_position.h"

#include "settings/app_settings.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include "qstring_printer.h"

#include <gtest/gtest.h>

namespace zelk {
namespace {

// Element codes.
constexpr int kWater = 0, kWood = 1, kMetal = 2, kEarth = 3, kFire = 4;

const ExplanationLists& Lists() {
    static const ExplanationLists lists = ParseExplanationLists();
    return lists;
}

QByteArray Big5(const QString& text) {
    QStringEncoder encode("Big5");
    return encode(text);
}

ExplanationSet SetOf(const QString& text) {
    return ParseExplanationText(Big5(text));
}

StarInPalace Star(int palace, int palaceElement, int kind, int subKind, int index,
                  int starElement) {
    return {palace, palaceElement, kind, subKind, index, starElement};
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}

TEST(ExplanationKey, PartsComeFromTheListsInKeyOrder) {
    // 紫微 is 土 (place 3 on the cycle), the palace 水 (place 0): three apart.
    EXPECT_EQ(ExplanationKey(Lists(), 0, Star(1, kWater, kStarFirstGrade, 0, 0, kEarth)),
              QStringLiteral("命宮紫微剋"));
    // The palace numbers run 命宮, 兄弟, ... while the key list runs 命宮, 父母, ...
    EXPECT_EQ(ExplanationKey(Lists(), 0, Star(2, kFire, kStarFirstGrade, 0, 0, kFire)),
              QStringLiteral("兄弟紫微生"));
    EXPECT_EQ(ExplanationKey(Lists(), 0, Star(9, kWood, kStarFirstGrade, 1, 1, kWood)),
              QStringLiteral("官祿天機生"));
    EXPECT_EQ(ExplanationKey(Lists(), 0, Star(12, -1, kStarFirstGrade, 0, 21, kFire)),
              QStringLiteral("父母火星無"));
    // Second grade and rings.
    EXPECT_EQ(ExplanationKey(Lists(), 0, Star(5, kMetal, kStarSecondGrade, 0, 33, kWater)),
              QStringLiteral("財帛天使生"));
    EXPECT_EQ(ExplanationKey(Lists(), 0, Star(3, kMetal, kStarRing, kRingDoctor, 0, kWater)),
              QStringLiteral("夫妻博士生"));
}

TEST(ExplanationKey, SingleCharacterStagesKeepTheirTwoSpaces) {
    // 衰 is stage 5 of the 長生 ring.
    const QString key =
        ExplanationKey(Lists(), 0, Star(1, kWater, kStarRing, kRingLongLife, 5, kWater));
    EXPECT_EQ(key, QStringLiteral("命宮衰  生"));
    const QString last = ExplanationKey(Lists(), 0, Star(1, -1, kStarRing, kRingLongLife, 11, -1));
    EXPECT_EQ(last, QStringLiteral("命宮養  無"));
}

TEST(ExplanationKey, YearFrontStarsUseTheirSpecialNamesWhenAsked) {
    const StarInPalace suiJian = Star(1, kFire, kStarRing, kRingYearFront, 0, kFire);
    EXPECT_EQ(ExplanationKey(Lists(), 0, suiJian), QStringLiteral("命宮歲建生"));
    EXPECT_EQ(ExplanationKey(Lists(), 1, suiJian), QStringLiteral("命宮太歲生"));
    // 天德 (index 9) becomes 福德; the 博士 ring's 小耗 is never renamed.
    EXPECT_EQ(ExplanationKey(Lists(), 1, Star(1, -1, kStarRing, kRingYearFront, 9, -1)),
              QStringLiteral("命宮福德無"));
    EXPECT_EQ(ExplanationKey(Lists(), 1, Star(1, -1, kStarRing, kRingDoctor, 3, -1)),
              QStringLiteral("命宮小耗無"));
}

TEST(ExplanationKey, NoKeyForImpossibleStarsOrPalaces) {
    EXPECT_TRUE(ExplanationKey(Lists(), 0, Star(0, 0, kStarFirstGrade, 0, 0, 0)).isEmpty());
    EXPECT_TRUE(ExplanationKey(Lists(), 0, Star(13, 0, kStarFirstGrade, 0, 0, 0)).isEmpty());
    EXPECT_TRUE(ExplanationKey(Lists(), 0, Star(1, 0, kStarFirstGrade, 0, 25, 0)).isEmpty());
    EXPECT_TRUE(ExplanationKey(Lists(), 0, Star(1, 0, kStarRing, 5, 0, 0)).isEmpty());
    // Without lists there are no names, and an empty part must not match any line.
    const ExplanationLists empty;
    EXPECT_TRUE(ExplanationKey(empty, 0, Star(1, 0, kStarFirstGrade, 0, 0, 0)).isEmpty());
    const ExplanationSet set = SetOf(QStringLiteral("命宮紫微生某段文字"));
    EXPECT_FALSE(FindExplanation(empty, &set, 0, Star(1, 0, kStarFirstGrade, 0, 0, 0)));
}

TEST(ApplySuiQianNames, ReplacesEveryOccurrenceOnlyForYearFrontPositions) {
    const QString text = QStringLiteral("歲建－歲建之年");
    EXPECT_EQ(ApplySuiQianNames(Lists(), 1, kYearFrontFirst, text),
              QStringLiteral("太歲－太歲之年"));
    EXPECT_EQ(ApplySuiQianNames(Lists(), 0, kYearFrontFirst, text), text);
    // 博士 ring's 小耗 (position 49) is left alone; the 歲前 one (103) becomes 死符.
    EXPECT_EQ(ApplySuiQianNames(Lists(), 1, 49, QStringLiteral("小耗")), QStringLiteral("小耗"));
    EXPECT_EQ(ApplySuiQianNames(Lists(), 1, 103, QStringLiteral("小耗")), QStringLiteral("死符"));
    // A list without the usual names must not splice the special name everywhere.
    ExplanationLists noNames = Lists();
    noNames.suiQianNormalNames.fill(QString());
    EXPECT_EQ(ApplySuiQianNames(noNames, 1, kYearFrontFirst, QStringLiteral("文字")),
              QStringLiteral("文字"));
}

TEST(FindExplanation, FirstMatchingLineWinsAndOnlyTheKeyLengthIsCompared) {
    const ExplanationSet set = SetOf(QStringLiteral(
        "命宮紫微生第一行\r\n命宮紫微生第二行\r\n命宮紫微剋之後的文字\r\n命宮衰  生衰的解說\r\n"
        "命宮太歲生太歲的解說\r\n命宮歲建生歲建的解說\r\n"));
    const auto first = FindExplanation(Lists(), &set, 0, Star(1, kFire, 1, 0, 0, kEarth));
    ASSERT_TRUE(first);
    EXPECT_EQ(*first, QStringLiteral("第一行"));
    EXPECT_EQ(FindExplanation(Lists(), &set, 0, Star(1, kWater, 1, 0, 0, kEarth)).value_or(""),
              QStringLiteral("之後的文字"));
    EXPECT_EQ(
        FindExplanation(Lists(), &set, 0, Star(1, kWater, kStarRing, 2, 5, kWater)).value_or(""),
        QStringLiteral("衰的解說"));
    const StarInPalace suiJian = Star(1, kFire, kStarRing, kRingYearFront, 0, kFire);
    EXPECT_EQ(FindExplanation(Lists(), &set, 1, suiJian).value_or(""),
              QStringLiteral("太歲的解說"));
    EXPECT_EQ(FindExplanation(Lists(), &set, 0, suiJian).value_or(""),
              QStringLiteral("歲建的解說"));
    // 衰 without its spaces is a different key.
    const ExplanationSet unpadded = SetOf(QStringLiteral("命宮衰生沒有空格"));
    EXPECT_FALSE(FindExplanation(Lists(), &unpadded, 0, Star(1, kWater, 3, 2, 5, kWater)));
    // A key with nothing after it gives an empty explanation, which is still a match.
    const ExplanationSet bare = SetOf(QStringLiteral("命宮紫微生"));
    EXPECT_EQ(FindExplanation(Lists(), &bare, 0, Star(1, kFire, 1, 0, 0, kEarth)),
              std::optional<QString>(QString()));
    EXPECT_FALSE(FindExplanation(Lists(), nullptr, 0, Star(1, kFire, 1, 0, 0, kEarth)));
}

TEST(ParseExplanationText, SplitsAtEveryKindOfLineEnd) {
    const ExplanationSet set = SetOf(QStringLiteral("甲一\r\n甲二\r甲三\n\n\r\n\r\r甲四\n\r甲五"));
    EXPECT_EQ(set.lines,
              (QStringList{QStringLiteral("甲一"), QStringLiteral("甲二"), QStringLiteral("甲三"),
                           QStringLiteral("甲四"), QStringLiteral("甲五")}));
    EXPECT_TRUE(ParseExplanationText(QByteArray()).lines.isEmpty());
    EXPECT_TRUE(ParseExplanationText(QByteArray("\r\n\r\n")).lines.isEmpty());
}

TEST(ParseExplanationText, DecodesBig5WhateverTheLocale) {
    // 命 is A9 52 and 宮 is AE 63 in Big5; a UTF-8 reading would give garbage.
    const ExplanationSet set = ParseExplanationText(QByteArray("\xA9\x52\xAE\x63\r\n", 6));
    ASSERT_EQ(set.lines.size(), 1);
    EXPECT_EQ(set.lines[0], QStringLiteral("命宮"));
}

TEST(ParseExplanationText, KeepsAVeryLongLineWhole) {
    const QString body = QString(20000, QChar(u'吉'));
    const ExplanationSet set =
        SetOf(QStringLiteral("命宮紫微生") + body + QStringLiteral("\r\n命宮紫微剋短"));
    ASSERT_EQ(set.lines.size(), 2);
    const auto found = FindExplanation(Lists(), &set, 0, Star(1, kFire, 1, 0, 0, kEarth));
    ASSERT_TRUE(found);
    EXPECT_EQ(found->size(), 20000);
}

class ExplanationCacheTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString fileOf(int level) const { return ExplanationFilePath(dir.path(), level); }
};

TEST_F(ExplanationCacheTest, EachLevelIsReadOnceAndTheLastLoadedIsCurrent) {
    WriteFile(fileOf(0), Big5(QStringLiteral("命宮紫微生本命\r\n")));
    WriteFile(fileOf(2), Big5(QStringLiteral("命宮紫微生流年\r\n")));
    ExplanationSetCache cache;
    EXPECT_EQ(cache.current(), nullptr);
    cache.load(0, dir.path());
    ASSERT_NE(cache.current(), nullptr);
    EXPECT_EQ(cache.current()->lines.value(0), QStringLiteral("命宮紫微生本命"));
    cache.load(2, dir.path());
    EXPECT_EQ(cache.current()->lines.value(0), QStringLiteral("命宮紫微生流年"));
    // Loaded sets stay as they were read, even when the file changes.
    WriteFile(fileOf(0), Big5(QStringLiteral("命宮紫微生改過\r\n")));
    cache.load(0, dir.path());
    EXPECT_EQ(cache.current()->lines.value(0), QStringLiteral("命宮紫微生本命"));
    cache.load(9, dir.path());
    EXPECT_EQ(cache.current(), nullptr);
    EXPECT_EQ(cache.currentLevel(), -1);
}

TEST_F(ExplanationCacheTest, AMissingFileGivesNothingAndIsTriedAgain) {
    ExplanationSetCache cache;
    cache.load(1, dir.path());
    EXPECT_EQ(cache.current(), nullptr);
    EXPECT_FALSE(FindExplanation(Lists(), cache.current(), 0, Star(1, kFire, 1, 0, 0, kEarth)));
    WriteFile(fileOf(1), Big5(QStringLiteral("命宮紫微生十年\n")));
    cache.load(1, dir.path());
    ASSERT_NE(cache.current(), nullptr);
    EXPECT_EQ(
        FindExplanation(Lists(), cache.current(), 0, Star(1, kFire, 1, 0, 0, kEarth)).value_or(""),
        QStringLiteral("十年"));
}

TEST_F(ExplanationCacheTest, AFolderOfAnyPathLengthWorks) {
    // Far longer than a fixed 129-character path buffer could hold, with Chinese folder names.
    QString deep = dir.path();
    for (int i = 0; i < 12; ++i)
        deep += QStringLiteral("/說明檔資料夾第%1層_abcdefghij").arg(i);
    ASSERT_TRUE(QDir().mkpath(deep));
    ASSERT_GT(ExplanationFilePath(deep, 0).size(), 300);
    WriteFile(ExplanationFilePath(deep, 0), Big5(QStringLiteral("命宮紫微生深處\r\n")));
    ExplanationSetCache cache;
    cache.load(0, deep);
    ASSERT_NE(cache.current(), nullptr);
    EXPECT_EQ(cache.current()->lines.value(0), QStringLiteral("命宮紫微生深處"));
}

} // namespace
} // namespace zelk

namespace zelk {
namespace {

// The path the chart view takes: process-wide lists, sets found in the data
// folder, the 歲前 names taken from the settings.
TEST(ProcessWideExplanations, LoadFromTheDataFolderAndFindWithTheSettings) {
    QTemporaryDir dir;
    WriteFile(ExplanationFilePath(dir.path(), 4), Big5(QStringLiteral("命宮太歲生流日太歲\r\n")));
    qputenv("ZELK_DATA_DIR", dir.path().toUtf8());
    InstallExplanationLists(ParseExplanationLists());
    LoadExplanationSet(4);
    qunsetenv("ZELK_DATA_DIR");
    ASSERT_NE(ExplanationSets().current(), nullptr);
    AppSettings settings;
    settings.SuaStarNameType = 1;
    EXPECT_EQ(FindExplanation(settings, 1, 4, kStarRing, kRingYearFront, 0, 4).value_or(""),
              QStringLiteral("流日太歲"));
    settings.SuaStarNameType = 0;
    EXPECT_FALSE(FindExplanation(settings, 1, 4, kStarRing, kRingYearFront, 0, 4));
    // Once loaded, the level keeps its set although the folder is gone.
    dir.remove();
    LoadExplanationSet(4);
    EXPECT_NE(ExplanationSets().current(), nullptr);
}

} // namespace
} // namespace zelk
