// The four pillars, lunar and by solar terms, and the term in force.
#include "pillars.h"

#include "synthetic_term_table.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zelk {
namespace {

std::string Names(const FourPillars& p) {
    std::string s;
    for (uint8_t v : p.p)
        s += PillarName(v) + " ";
    return s;
}

std::string Names(const std::optional<FourPillars>& p) {
    return p ? Names(*p) : "not computed";
}

std::string Names(const std::optional<SolarTermPillars>& p) {
    return p ? Names(p->pillars) : "not computed";
}

class SolarTermPillarsTest : public ::testing::Test {
  protected:
    SolarTermTable table = testing::SyntheticTermTable();
};

TEST(PillarsLunar, KnownDates) {
    // 1984-02-10 08:00 (辰 hour) is lunar 1984-1-9.
    EXPECT_EQ(Names(FourPillarsLunar(1984, 2, 10, 4)), "甲子 丙寅 甲戌 戊辰 ");
    // Two day pillars known from history: 1949-10-01 甲子, 2000-01-01 戊午.
    EXPECT_EQ(PillarName(FourPillarsLunar(1949, 10, 1, 0)->day()), "甲子");
    EXPECT_EQ(PillarName(FourPillarsLunar(2000, 1, 1, 0)->day()), "戊午");
    // Before lunar new year 1984 (2 February) it is still 癸亥, month 12 乙丑.
    EXPECT_EQ(Names(FourPillarsLunar(1984, 2, 1, 0)).substr(0, 14), "癸亥 乙丑 ");
}

TEST(PillarsLunar, LateZiHourIsTheNextDay) {
    const auto evening = FourPillarsLunar(1984, 2, 10, 12);
    const auto nextMorning = FourPillarsLunar(1984, 2, 11, 0);
    ASSERT_TRUE(evening && nextMorning);
    EXPECT_EQ(*evening, *nextMorning);
    EXPECT_EQ(PillarName(evening->hour()), "丙子"); // day 乙亥: 乙 days begin with 丙子
    // On the eve of the lunar new year the late 子 hour is already in the new year.
    const auto eve = FourPillarsLunar(1984, 2, 1, 12);
    ASSERT_TRUE(eve);
    EXPECT_EQ(PillarName(eve->year()), "甲子");
    EXPECT_EQ(PillarName(eve->month()), "丙寅");
}

TEST(PillarsLunar, LeapMonthHasThePillarOfItsRegularMonth) {
    // 1984 閏10 (from 23 November 1984) shares month 10's pillar 乙亥.
    const auto regular = FourPillarsLunar(1984, 11, 15, 0);
    const auto leap = FourPillarsLunar(1984, 12, 15, 0);
    ASSERT_TRUE(regular && leap);
    EXPECT_EQ(PillarName(regular->month()), "乙亥");
    EXPECT_EQ(leap->month(), regular->month());
}

TEST(PillarsLunar, NotComputedOutsideTheLunarTable) {
    EXPECT_FALSE(FourPillarsLunar(1900, 1, 30, 0));
    EXPECT_TRUE(FourPillarsLunar(1900, 1, 31, 0));
    EXPECT_TRUE(FourPillarsLunar(2100, 2, 8, 12));
    EXPECT_FALSE(FourPillarsLunar(2100, 2, 9, 0));
    EXPECT_FALSE(FourPillarsLunar(2024, 2, 30, 0));
    EXPECT_FALSE(FourPillarsLunar(2024, 1, 1, 13));
    EXPECT_FALSE(FourPillarsLunar(2024, 1, 1, -1));
}

TEST_F(SolarTermPillarsTest, YearAndMonthChangeAtTheSpringStart) {
    // 1984 立春: 4 February 23:19.
    const auto after = FourPillarsSolarTerms(table, 1984, 2, 10, 8);
    ASSERT_TRUE(after);
    EXPECT_EQ(Names(after), "甲子 丙寅 甲戌 戊辰 ");
    EXPECT_EQ(after->solarTermNow, 2);

    const auto before = FourPillarsSolarTerms(table, 1984, 2, 1, 8);
    ASSERT_TRUE(before);
    EXPECT_EQ(Names(before).substr(0, 14), "癸亥 乙丑 ");
    EXPECT_EQ(before->solarTermNow, 1);

    // On the day itself the clock hour decides; without an hour the term has begun.
    EXPECT_EQ(PillarName(FourPillarsSolarTerms(table, 1984, 2, 4, 22)->pillars.year()), "癸亥");
    EXPECT_EQ(PillarName(FourPillarsSolarTerms(table, 1984, 2, 4, -1)->pillars.year()), "甲子");
    EXPECT_EQ(FourPillarsSolarTerms(table, 1984, 2, 4, -1)->solarTermNow, 2);
    EXPECT_EQ(PillarName(FourPillarsSolarTerms(table, 1984, 2, 5, 0)->pillars.year()), "甲子");
}

TEST_F(SolarTermPillarsTest, WinterSolsticeInJanuaryIsThePreviousYearsZiMonth) {
    // Before 小寒 (6 January here) the 子 month of 1984 (丙子) is still in force.
    const auto early = FourPillarsSolarTerms(table, 1985, 1, 2, 12);
    ASSERT_TRUE(early);
    EXPECT_EQ(early->solarTermNow, 23);
    EXPECT_EQ(PillarName(early->pillars.month()), "丙子");
    EXPECT_EQ(PillarName(early->pillars.year()), "甲子");
    // After 冬至 in December the same month pillar.
    EXPECT_EQ(PillarName(FourPillarsSolarTerms(table, 1984, 12, 25, 12)->pillars.month()), "丙子");
    // After 小寒 the 丑 month 丁丑.
    EXPECT_EQ(PillarName(FourPillarsSolarTerms(table, 1985, 1, 7, 12)->pillars.month()), "丁丑");
}

TEST_F(SolarTermPillarsTest, DayPillarsAtTheEdgesOfTheTable) {
    EXPECT_EQ(PillarName(FourPillarsSolarTerms(table, 1801, 1, 1, -1)->pillars.day()), "乙未");
    EXPECT_EQ(PillarName(FourPillarsSolarTerms(table, 1900, 1, 1, -1)->pillars.day()), "甲戌");
    EXPECT_TRUE(FourPillarsSolarTerms(table, 2100, 12, 31, 23));
    EXPECT_FALSE(FourPillarsSolarTerms(table, 1800, 12, 31, 0));
    EXPECT_FALSE(FourPillarsSolarTerms(table, 2101, 1, 1, 0));
    EXPECT_FALSE(FourPillarsSolarTerms(table, 2024, 2, 30, 0));
    EXPECT_FALSE(FourPillarsSolarTerms(table, 2024, 1, 1, 24));
    EXPECT_FALSE(FourPillarsSolarTerms(SolarTermTable{}, 2024, 1, 1, 0)); // no table loaded
}

TEST_F(SolarTermPillarsTest, LateZiHourTakesTheNextDaysDayAndHour) {
    const auto evening = FourPillarsSolarTerms(table, 1984, 2, 10, 23);
    const auto nextMorning = FourPillarsSolarTerms(table, 1984, 2, 11, 0);
    ASSERT_TRUE(evening && nextMorning);
    EXPECT_EQ(evening->pillars.day(), nextMorning->pillars.day());
    EXPECT_EQ(PillarName(evening->pillars.hour()), "丙子");
    EXPECT_EQ(PillarName(evening->pillars.day()), "乙亥");
}

TEST_F(SolarTermPillarsTest, SolarTermIndexComparesTheMoment) {
    EXPECT_EQ(SolarTermIndex(table, 1984, 2, 4, 23, 18), 1);
    EXPECT_EQ(SolarTermIndex(table, 1984, 2, 4, 23, 19), 2);
    EXPECT_EQ(SolarTermIndex(table, 1984, 1, 1, 0, 0), 23);
    EXPECT_EQ(SolarTermIndex(table, 1984, 12, 31, 23, 59), 23);
    EXPECT_EQ(SolarTermIndex(table, 1984, 6, 21, 11, 59), 10);
    EXPECT_EQ(SolarTermIndex(table, 1984, 6, 21, 12, 0), 11);
    EXPECT_EQ(SolarTermIndex(table, 1800, 6, 1, 0, 0), -1);
    EXPECT_EQ(SolarTermIndex(table, 1984, 2, 31, 0, 0), -1);
}

TEST(PillarTexts, NamesAndFlags) {
    EXPECT_EQ(PillarName(59), "癸亥");
    EXPECT_EQ(PillarName(60), ""); // out of range: no text, no read past the names
    EXPECT_STREQ(AnimalName(12), "");

    const FourPillars p{{0, 2, 10, 4}};
    std::string all;
    PillarText(p, all, 1 | 2 | 4 | 8 | 16);
    EXPECT_EQ(all, "八字 : 甲子年丙寅月甲戌日戊辰時");
    std::string dayOnly = "x";
    PillarText(p, dayOnly, 8);
    EXPECT_EQ(dayOnly, "x甲戌日");
}

TEST(PillarTexts, LunarDatePillarsUseTheLunarYearAndMonth) {
    std::string text;
    ASSERT_TRUE(LunarDatePillars(1984, 1, 9, false, 4, text, 0x1F));
    EXPECT_EQ(text, "八字 : 甲子年丙寅月甲戌日戊辰時");
    // The late 子 hour of the last day of lunar 1983 keeps 1983's year and month.
    text.clear();
    ASSERT_TRUE(LunarDatePillars(1983, 12, 30, false, 12, text, 2 | 4));
    EXPECT_EQ(text, "癸亥年乙丑月");
    text = "kept";
    EXPECT_FALSE(LunarDatePillars(2100, 1, 1, false, 0, text, 0x1F));
    EXPECT_FALSE(LunarDatePillars(2024, 1, 1, true, 0, text, 0x1F));
    EXPECT_EQ(text, "kept");
}

TEST(PillarsRealTable, CommandLineExampleWithTheGeneratedTable) {
    if (!std::filesystem::exists(ZELK_SOLAR_TERMS_FILE)) GTEST_SKIP() << "no solar_terms.dat yet";
    std::string error;
    const auto table = SolarTermTable::LoadFile(ZELK_SOLAR_TERMS_FILE, &error);
    ASSERT_TRUE(table) << error;
    const auto p = FourPillarsSolarTerms(*table, 1984, 2, 10, 8);
    ASSERT_TRUE(p);
    EXPECT_EQ(Names(p), "甲子 丙寅 甲戌 戊辰 ");
    EXPECT_STREQ(SolarTermName(p->solarTermNow), "立春");
    EXPECT_EQ(Names(FourPillarsSolarTerms(*table, 1984, 2, 1, 8)).substr(0, 14), "癸亥 乙丑 ");
}

} // namespace
} // namespace zelk
