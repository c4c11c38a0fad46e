#include "calendar/lunar_calendar.h"
#include "settings/string_table.h"
#include "view/period_line.h"

#include <gtest/gtest.h>

namespace zelk {
namespace {

// A block whose palace names start with 命 at `life` and run backwards.
ChartBlock NamedBlock(int life) {
    ChartBlock block;
    for (int n = 1; n <= 12; ++n)
        block.palaceInfo[Mod(life - (n - 1), 12)] = uint8_t(n << 4);
    return block;
}

QString Joined(const std::vector<PeriodRun>& runs) {
    QStringList parts;
    for (const auto& run : runs)
        parts << run.text();
    return parts.join(QLatin1Char('|'));
}

struct PeriodLineTest : ::testing::Test {
    ChartRecord record;
    AppSettings settings;
    void SetUp() override {
        record.lunarYear = 1980;
        for (int p = 0; p < 12; ++p) {
            record.decadeFirstAge[p] = int16_t(6 + 10 * Mod(p - 10, 12));
            record.smallLimitOrder[p] = int16_t(Mod(p - 8, 12) + 1);
        }
    }
};

TEST_F(PeriodLineTest, NatalShowsTheDecadeAndTheEightMinorAges) {
    const ChartBlock block = NamedBlock(10);
    auto runs = PeriodLineRuns(record, settings, block, 10, 0, false);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].text(), QStringLiteral("  6 --  15"));
    EXPECT_EQ(runs[0].font, PeriodRun::AgesFont);
    EXPECT_EQ(runs[1].text(), QStringLiteral(" 3 15 27 39 51 63 75 87"));
    EXPECT_EQ(runs[1].font, PeriodRun::SmallFont);
    EXPECT_EQ(runs[1].row, PeriodRun::RaisedRow);

    // Switched off on screen, but always printed.
    settings.TenYearDisplay = 0;
    settings.SmallDisplay = 0;
    EXPECT_TRUE(PeriodLineRuns(record, settings, block, 10, 0, false).empty());
    EXPECT_EQ(PeriodLineRuns(record, settings, block, 10, 0, true).size(), 2u);

    // The stacked display keeps only the first age, bottom-left, and only on request.
    settings.YearHuaBase = 3;
    EXPECT_EQ(Joined(PeriodLineRuns(record, settings, block, 10, 0, true)),
              QStringLiteral("  6 --  15"));
    settings.SmallDisplay = 1;
    runs = PeriodLineRuns(record, settings, block, 10, 0, false);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].text(), QStringLiteral("  3 "));
    EXPECT_EQ(runs[0].align, PeriodRun::LeftIndented);
}

TEST_F(PeriodLineTest, TenYearLevelMarksTheCurrentPeriod) {
    record.tenYearPalace = 1;
    const ChartBlock block = NamedBlock(1);
    auto runs = PeriodLineRuns(record, settings, block, 1, 1, false);
    ASSERT_FALSE(runs.empty());
    EXPECT_EQ(runs[0].text(), LoadResString(421) + QStringLiteral(" 36 --  45"));
    EXPECT_TRUE(runs[0].segments[0].highlight);
    EXPECT_EQ(runs[0].font, PeriodRun::PalaceFont);
    runs = PeriodLineRuns(record, settings, block, 2, 1, false);
    EXPECT_EQ(runs[0].text(), QStringLiteral(" 46 --  55"));
    EXPECT_FALSE(runs[0].segments[0].highlight);
}

TEST_F(PeriodLineTest, FlowYearAgesRunFromTheFlowYearPalace) {
    record.flowLunarYear = 2026; // flow age 47
    record.flowLifePalace = 4;
    const ChartBlock block = NamedBlock(4);
    auto ageIn = [&](int p) {
        const auto runs = PeriodLineRuns(record, settings, block, p, 2, false);
        return runs.back().text();
    };
    EXPECT_EQ(ageIn(4), LoadResString(418) + QStringLiteral(" 47 "));
    EXPECT_EQ(ageIn(5), QStringLiteral(" 48 "));
    EXPECT_EQ(ageIn(1), QStringLiteral(" 56 ")); // the ninth after it
    EXPECT_EQ(ageIn(3), QStringLiteral(" 46 "));
    EXPECT_EQ(ageIn(2), QStringLiteral(" 45 "));

    // A young flow age wraps by 12 in the two palaces before the flow-year palace.
    record.flowLunarYear = 1980; // age 1
    EXPECT_EQ(ageIn(3), QStringLiteral(" 12 "));
    EXPECT_EQ(ageIn(2), QStringLiteral(" 11 "));

    // The flow-year palace is the palace B itself when FlowLifeHouseType is 1.
    record.flowLunarYear = 2026;
    settings.FlowLifeHouseType = 1;
    record.flowLifePalace = 7;
    EXPECT_TRUE(ageIn(7).startsWith(LoadResString(418)));
    EXPECT_FALSE(ageIn(4).startsWith(LoadResString(418)));
}

TEST_F(PeriodLineTest, FlowYearShowsTheMinorPeriodOneLineHigher) {
    record.flowLunarYear = 2026; // 47 mod 12 = 11
    record.flowLifePalace = 4;
    const ChartBlock block = NamedBlock(4);
    for (int p = 0; p < 12; ++p) {
        const auto runs = PeriodLineRuns(record, settings, block, p, 2, false);
        if (record.smallLimitOrder[p] == 11) {
            ASSERT_EQ(runs.size(), 2u);
            EXPECT_EQ(runs[0].text(), LoadResString(419) + QStringLiteral(" 47"));
            EXPECT_EQ(runs[0].row, PeriodRun::RaisedRow);
        } else {
            EXPECT_EQ(runs.size(), 1u) << p;
        }
    }
    // Age 48: remainder 0 means the palace with order 12.
    record.flowLunarYear = 2027;
    int found = -1;
    for (int p = 0; p < 12; ++p)
        if (PeriodLineRuns(record, settings, block, p, 2, false).size() == 2) found = p;
    ASSERT_GE(found, 0);
    EXPECT_EQ(record.smallLimitOrder[found], 12);
}

TEST_F(PeriodLineTest, FlowMonthNumbersStartAtTheFirstMonthPalace) {
    record.flowDouJun = 9;
    const ChartBlock block = NamedBlock(11);
    EXPECT_EQ(Joined(PeriodLineRuns(record, settings, block, 9, 3, false)), QStringLiteral(" 1"));
    EXPECT_EQ(Joined(PeriodLineRuns(record, settings, block, 8, 3, false)), QStringLiteral("12"));
    EXPECT_EQ(Joined(PeriodLineRuns(record, settings, block, 11, 3, false)),
              LoadResString(429) + QStringLiteral(" 3"));
}

TEST_F(PeriodLineTest, FlowDayNumbersFollowTheMonthLength) {
    // Find one short and one long lunar month.
    int shortMonth = 0, longMonth = 0;
    for (int m = 1; m <= 12; ++m) {
        const int length = LunarMonthLength(2026, m, false);
        if (length == 29 && !shortMonth) shortMonth = m;
        if (length == 30 && !longMonth) longMonth = m;
    }
    ASSERT_TRUE(shortMonth && longMonth);
    record.flowLunarYear = 2026;
    record.flowMonthLifePalace = 0;
    record.flowLunarDay = 13;
    const ChartBlock block = NamedBlock(0);
    const QString day = LoadResString(173);

    record.flowLunarMonth = int16_t(longMonth);
    EXPECT_EQ(Joined(PeriodLineRuns(record, settings, block, 5, 4, false)),
              QStringLiteral(" 6 18 30") + day);
    record.flowLunarMonth = int16_t(shortMonth);
    EXPECT_EQ(Joined(PeriodLineRuns(record, settings, block, 5, 4, false)),
              QStringLiteral(" 6 18") + day);
    EXPECT_EQ(Joined(PeriodLineRuns(record, settings, block, 4, 4, false)),
              QStringLiteral(" 5 17 29") + day);

    // The 命 palace starts with 流日; the current day is drawn on the highlight.
    const auto runs = PeriodLineRuns(record, settings, block, 0, 4, false);
    ASSERT_EQ(runs.size(), 1u);
    const auto& segments = runs[0].segments;
    ASSERT_EQ(segments.size(), 5u); // 流日, 1, 13, 25, 日
    EXPECT_TRUE(segments[0].highlight);
    EXPECT_EQ(segments[0].text, LoadResString(430));
    EXPECT_FALSE(segments[1].opaque);
    EXPECT_TRUE(segments[2].opaque);
    EXPECT_EQ(segments[2].text, QStringLiteral(" 13"));
}

TEST_F(PeriodLineTest, FlowHourNamesEachPalaceByItsHour) {
    record.flowHour = 5;       // 巳
    record.flowHourPalace = 3; // 巳's position
    const ChartBlock block = NamedBlock(3);
    const QString hour = LoadResString(174);
    EXPECT_EQ(Joined(PeriodLineRuns(record, settings, block, 3, 5, false)),
              LoadResString(431) + LoadResString(150) + hour);
    EXPECT_EQ(Joined(PeriodLineRuns(record, settings, block, 10, 5, false)),
              LoadResString(145) + hour); // 子 at 子
    EXPECT_EQ(Joined(PeriodLineRuns(record, settings, block, 9, 5, false)),
              LoadResString(156) + hour); // 亥 at 亥
}

TEST(MinuteSlotText, SlotsOfTheTwoHourPeriod) {
    // Hour index 1 (丑): 1:00 .. 2:50.
    EXPECT_EQ(MinuteSlotText(1, 0), QStringLiteral(" 1:00 ~  1:10"));
    EXPECT_EQ(MinuteSlotText(1, 5), QStringLiteral(" 1:50 ~  2:00"));
    EXPECT_EQ(MinuteSlotText(1, 6), QStringLiteral(" 2:00 ~  2:10"));
    EXPECT_EQ(MinuteSlotText(1, 11), QStringLiteral(" 2:50 ~  3:00"));
    // The 子 period starts the evening before; 23:50 ends at 24:00, not at 0:00.
    EXPECT_EQ(MinuteSlotText(0, 0), QStringLiteral("23:00 ~ 23:10"));
    EXPECT_EQ(MinuteSlotText(0, 5), QStringLiteral("23:50 ~ 24:00"));
    EXPECT_EQ(MinuteSlotText(0, 6), QStringLiteral(" 0:00 ~  0:10"));
    EXPECT_EQ(MinuteSlotText(12, 5), QStringLiteral("23:50 ~ 24:00"));
    EXPECT_EQ(MinuteSlotText(11, 11), QStringLiteral("22:50 ~ 23:00"));
}

TEST_F(PeriodLineTest, FlowMinuteMarksTheCurrentSlot) {
    record.flowHour = 1;
    record.flowHourPalace = 11;
    record.flowMinute = 2;
    const ChartBlock block = NamedBlock(1);
    const auto current = PeriodLineRuns(record, settings, block, 1, 6, false);
    ASSERT_EQ(current.size(), 1u);
    EXPECT_EQ(current[0].text(), LoadResString(432) + QStringLiteral(" 1:20 ~  1:30"));
    EXPECT_EQ(current[0].align, PeriodRun::CentredNarrowRight);
    EXPECT_EQ(Joined(PeriodLineRuns(record, settings, block, 10, 6, false)),
              QStringLiteral(" 2:50 ~  3:00"));
}

TEST_F(PeriodLineTest, BadPalaceOrLevelGivesNothing) {
    const ChartBlock block = NamedBlock(0);
    EXPECT_TRUE(PeriodLineRuns(record, settings, block, 12, 0, false).empty());
    EXPECT_TRUE(PeriodLineRuns(record, settings, block, -1, 2, false).empty());
    EXPECT_TRUE(PeriodLineRuns(record, settings, block, 0, 7, false).empty());
    record.flowHour = 40; // a stored value out of range must not index a table
    EXPECT_EQ(PeriodLineRuns(record, settings, block, 0, 6, false).size(), 1u);
    EXPECT_EQ(PeriodLineRuns(record, settings, block, 0, 5, false).size(), 1u);
}

} // namespace
} // namespace zelk
