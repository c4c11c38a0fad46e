#include "chart_fixture.h"
#include "recording_paint_device.h"

#include "settings/string_table.h"
#include "view/centre_block.h"
#include "view/chart_layout.h"
#include "view/period_pickers.h"

#include <QFontMetricsF>
#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

namespace zelk {
namespace {

using test::ChartFixture;

// A copy of the line, so a line taken from a temporary list stays valid.
std::optional<CentreLine> LineNumber(const std::vector<CentreLine>& lines, int number) {
    for (const auto& line : lines)
        if (line.number == number) return line;
    return std::nullopt;
}

std::vector<CentreLine> Lines(const ChartFixture& f, bool printing,
                              const QStringList& footers = {}) {
    return CentreBlockLines(f.record, f.settings, f.now, printing, FlowPillarsOf(f.record),
                            footers);
}

void AllPrintKeysOff(AppSettings& s) {
    for (int32_t* key :
         {&s.NameDisplay, &s.CurAgeDisplay, &s.AnimalDisplay, &s.SexDisplay, &s.WestDisplay,
          &s.EastDisplay, &s.EightWordDisplay, &s.LifeHouseDisplay, &s.BodyHouseDisplay,
          &s.LifeGodDisplay, &s.BodyGodDisplay, &s.PanGodDisplay, &s.FlowGodDisplay,
          &s.FlowChungDisplay, &s.FiveDisplay, &s.CurTimeDisplay, &s.PanInfoDisplay})
        *key = 0;
}

TEST(CentreBlock, ScreenShowsEveryLineOfTheNatalChart) {
    ChartFixture f;
    const auto lines = Lines(f, false);
    for (int n = 1; n <= 11; ++n) {
        const auto line = LineNumber(lines, n);
        ASSERT_TRUE(line) << n;
        EXPECT_TRUE(line->leftShown) << n;
    }
    EXPECT_FALSE(LineNumber(lines, 12)); // the 今日 line belongs to period charts
    EXPECT_EQ(LineNumber(lines, 1)->left, LoadResString(175) + QStringLiteral("王小明"));
    EXPECT_EQ(LineNumber(lines, 1)->right, LoadResString(408) + QStringLiteral("47"));
    // 1980 is a 庚申 year: 猴, a yang year, male.
    EXPECT_EQ(LineNumber(lines, 2)->left, LoadResString(179) + LoadResString(372));
    EXPECT_EQ(LineNumber(lines, 2)->right,
              LoadResString(176) + LoadResString(177) + LoadResString(132));
    EXPECT_TRUE(LineNumber(lines, 4)->left.startsWith(LoadResString(181) + QStringLiteral("庚申")));
    EXPECT_TRUE(LineNumber(lines, 5)->left.startsWith(LoadResString(381) + QStringLiteral("庚申")));
    EXPECT_TRUE(LineNumber(lines, 10)->left.startsWith(LoadResString(410)));
    EXPECT_TRUE(LineNumber(lines, 11)->left.startsWith(LoadResString(409)));
}

TEST(CentreBlock, FlowChangOnlyAtFlowLevels) {
    ChartFixture f;
    EXPECT_FALSE(LineNumber(Lines(f, false), 9)->rightShown);
    f.period(1);
    EXPECT_FALSE(LineNumber(Lines(f, false), 9)->rightShown);
    f.period(2); // 2026 is a 丙 year: 流昌 at 申
    const auto nine = LineNumber(Lines(f, false), 9);
    EXPECT_TRUE(nine->rightShown);
    EXPECT_EQ(nine->right, LoadResString(407) + LoadResString(153));
}

TEST(CentreBlock, PrintKeysDecideWhatIsPrinted) {
    ChartFixture f;
    f.period(2);
    AllPrintKeysOff(f.settings);
    auto lines = Lines(f, true, {QStringLiteral("A"), QString(), QStringLiteral("C")});
    std::vector<int> shown;
    for (const auto& line : lines)
        if (line.leftShown || line.rightShown) shown.push_back(line.number);
    // Only the footers (the empty one skipped) are left.
    EXPECT_EQ(shown, (std::vector<int>{13, 15}));

    // The 今日 line needs FlowTimeDisplay and CurTimeDisplay, on screen and on paper.
    f.settings.CurTimeDisplay = 1;
    lines = Lines(f, true);
    shown.clear();
    for (const auto& line : lines)
        if (line.leftShown || line.rightShown) shown.push_back(line.number);
    EXPECT_EQ(shown, (std::vector<int>{12}));
    f.settings.FlowTimeDisplay = 0;
    EXPECT_FALSE(LineNumber(Lines(f, false), 12));

    // A key on prints its item alone; on screen every line keeps its row.
    f.settings.BodyHouseDisplay = 1;
    const auto six = LineNumber(Lines(f, true), 6);
    EXPECT_FALSE(six->leftShown);
    EXPECT_TRUE(six->rightShown);
    EXPECT_FALSE(six->keepsRow);
    EXPECT_TRUE(LineNumber(Lines(f, false), 6)->keepsRow);
}

TEST(CentreBlock, PrintedLinesMoveUpWhenEarlierOnesAreOff) {
    ChartFixture f;
    AllPrintKeysOff(f.settings);
    f.settings.WestDisplay = 1;
    f.settings.BodyHouseDisplay = 1;
    test::RecordingPaintDevice device(1024, 1024);
    ChartViewState state;
    state.printing = true;
    state.now = f.now;
    {
        QPainter painter(&device);
        PaintChart(painter, 1024, f.record, f.settings, state);
    }
    const int c = 255, lc = 24;
    const auto west = device.textsContaining(LoadResString(180));
    ASSERT_EQ(west.size(), 1u);
    EXPECT_GT(west[0].origin.y(), c + 2 * lc);
    EXPECT_LE(west[0].origin.y(), c + 3 * lc);
    // The right item of line 6 starts at the left edge when its left item is off.
    const auto body = device.textsContaining(LoadResString(191));
    ASSERT_EQ(body.size(), 1u);
    EXPECT_NEAR(body[0].origin.x(), c + 2 * lc, 1);
    EXPECT_GT(body[0].origin.y(), c + 3 * lc);
    EXPECT_LE(body[0].origin.y(), c + 4 * lc);
}

TEST(CentreBlock, LeapMonthBirthShowsTheLeapSign) {
    ChartFixture f;
    EXPECT_FALSE(LineNumber(Lines(f, false), 4)->left.contains(LoadResString(363)));
    f.record.isLeapMonth = 1;
    EXPECT_TRUE(LineNumber(Lines(f, false), 4)
                    ->left.contains(LoadResString(181) + QStringLiteral("庚申") +
                                    LoadResString(171) + LoadResString(363) +
                                    QStringLiteral("  ")));
}

// A flow date or a present day in a leap month shows 閏 before the month.
TEST(CentreBlock, LeapFlowMonthsAndALeapTodayShowTheLeapSign) {
    ChartFixture f;
    f.settings.YearDisplay = 0;
    ChartRecord& r = f.record;
    r.flowLunarYear = 2025; // 2025 has a leap sixth month
    r.flowLunarMonth = 6;
    r.flowLunarDay = 10;
    r.flowIsLeap = 1;
    ASSERT_TRUE(DeriveSolarFlowDate(r));
    r.shownLevel = 4;
    ASSERT_TRUE(ComputePeriodChart(r, 4, r.periodChart, f.env()).ok());
    auto lines = Lines(f, false);
    EXPECT_TRUE(
        LineNumber(lines, 10)->left.endsWith(LoadResString(181) + QStringLiteral("2025/閏6/10")))
        << LineNumber(lines, 10)->left.toStdString();
    r.flowIsLeap = 0;
    EXPECT_TRUE(LineNumber(Lines(f, false), 10)->left.endsWith(QStringLiteral("2025/6/10")));

    f.now.lunar = LunarDate{2025, 6, 3, 1};
    lines = Lines(f, false);
    EXPECT_TRUE(LineNumber(lines, 12)->left.endsWith(QStringLiteral("2025/閏6/3")))
        << LineNumber(lines, 12)->left.toStdString();
}

// Whatever the size of the chart and whatever the level, no centre text runs past
// the block's right edge, a left item ends before the middle, and the dates of
// the period lines are never cut (a smaller type makes them fit).
TEST(CentreBlock, NoItemRunsPastItsPlaceAtAnySizeOrLevel) {
    ChartFixture f;
    f.settings.HuaOut = 0; // the opposite-palace marks inside the block are not its text
    const std::u16string longName = u"歐陽上官司馬長孫公孫諸葛東方慕容令狐皇甫尉遲";
    std::fill(f.record.name.begin(), f.record.name.end(), u'\0');
    std::copy(longName.begin(), longName.end(), f.record.name.begin());
    for (const int side : {1024, 701, 481}) {
        const ChartLayout layout = LayoutForSide(side);
        const int c = layout.cell;
        const int r = (2 * c + 11) / 22;
        const int lc = r + (r + 8) / 16;
        const QRectF block(c, c, 2 * c, 2 * c);
        for (int level = 0; level <= 6; ++level) {
            SCOPED_TRACE("side " + std::to_string(side) + " level " + std::to_string(level));
            f.period(level);
            test::RecordingPaintDevice device(side, side);
            ChartViewState state;
            state.now = f.now;
            {
                QPainter painter(&device);
                PaintChart(painter, side, f.record, f.settings, state);
            }
            const auto lines = Lines(f, false);
            bool nameSeen = false;
            for (const auto& t : device.textsIn(block)) {
                QFont font(t.family);
                font.setPixelSize(t.pixelSize);
                const double end = t.origin.x() + QFontMetricsF(font).horizontalAdvance(t.text);
                EXPECT_LE(end, 3 * c - lc + 1) << t.text.toStdString();
                if (t.text.startsWith(LoadResString(175))) {
                    nameSeen = true;
                    EXPECT_LE(end, 2 * c) << t.text.toStdString();
                    EXPECT_TRUE(t.text.endsWith(QStringLiteral("…"))) << t.text.toStdString();
                }
            }
            EXPECT_TRUE(nameSeen);
            // The period lines and today's line are there whole.
            for (const int number : {10, 11, 12}) {
                const auto line = LineNumber(lines, number);
                if (!line) continue;
                EXPECT_EQ(device.textsContaining(line->left).size(), 1u)
                    << "line " << number << ": " << line->left.toStdString();
            }
        }
    }
}

TEST(CentreBlock, FlowYearDouJunAtTheNatalLevelUsesThisYear) {
    ChartFixture f;
    f.settings.GodBase = 1;
    const int h = f.record.placementHour, m = f.record.lunarMonth;
    const int thisYear = Mod(f.now.lunar.year - 1900, 12);
    const int birthYear = Mod(f.record.lunarYear - 1900, 12);
    ASSERT_NE(thisYear, birthYear);
    EXPECT_EQ(LineNumber(Lines(f, false), 9)->left,
              LoadResString(382) + LoadResString(145 + Mod(thisYear + h - m + 1, 12)));
    f.settings.GodBase = 2;
    EXPECT_EQ(LineNumber(Lines(f, false), 9)->left,
              LoadResString(572) + LoadResString(145 + f.record.douJunBranch));
}

TEST(CentreBlock, PeriodInformationOfEachLevel) {
    ChartFixture f;
    f.settings.YearDisplay = 0;
    f.period(1);
    const int a = f.record.decadeFirstAge[f.record.tenYearPalace];
    auto lines = Lines(f, false);
    EXPECT_EQ(LineNumber(lines, 10)->left,
              LoadResString(507) + QString::asprintf("%3d -- %3d", a, a + 9) + LoadResString(422));
    f.period(4);
    lines = Lines(f, false);
    EXPECT_EQ(LineNumber(lines, 10)->left,
              LoadResString(510) + LoadResString(180) + QStringLiteral("2026/12/9  ") +
                  LoadResString(181) +
                  QString::asprintf("2026/%d/%d", f.now.lunar.month, f.now.lunar.day));
    // 虛歲 and the pillars down to the day.
    EXPECT_TRUE(
        LineNumber(lines, 11)->left.startsWith(LoadResString(420) + QStringLiteral("47  丙午年")));
    EXPECT_TRUE(LineNumber(lines, 11)->left.endsWith(LoadResString(173)));
}

TEST(FlowPillars, StemsAndBranchesOfTheLevel) {
    ChartFixture f;
    FlowPillarCache natal = FlowPillarsOf(f.record);
    EXPECT_EQ(natal.yearStem, 6);   // 庚
    EXPECT_EQ(natal.yearBranch, 8); // 申
    EXPECT_EQ(natal.monthStem, -1);
    f.period(2);
    FlowPillarCache year = FlowPillarsOf(f.record);
    EXPECT_EQ(year.yearStem, 2);   // 丙
    EXPECT_EQ(year.yearBranch, 6); // 午
    EXPECT_EQ(year.flowAge, 47);
    EXPECT_EQ(year.monthStem, -1);
    f.period(5);
    FlowPillarCache hour = FlowPillarsOf(f.record);
    EXPECT_GE(hour.monthStem, 0);
    EXPECT_GE(hour.dayStem, 0);
    EXPECT_GE(hour.hourStem, 0);
    EXPECT_EQ(hour.hourBranch, 5); // 10:30 is the 巳 hour
    // A flow date outside the calendar leaves the pillars unset instead of failing.
    f.record.flowSolarYear = 3000;
    EXPECT_EQ(FlowPillarsOf(f.record).hourStem, -1);
}

} // namespace
} // namespace zelk
