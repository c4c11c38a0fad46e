#include "chart_fixture.h"

#include "calendar/lunar_calendar.h"
#include "recording_paint_device.h"
#include "settings/string_table.h"
#include "view/centre_block.h"
#include "view/four_hua_layers.h"
#include "view/side_panel.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace zelk {
namespace {

using test::ChartFixture;

TEST(SidePanel, NatalTableOf88YearsHighlightsThisYear) {
    ChartFixture f;
    SidePanelTable table = SidePanelTableFor(f.record, f.settings, f.now, nullptr);
    ASSERT_EQ(table.rows.size(), 11u);
    int current = 0;
    for (const auto& row : table.rows) {
        ASSERT_EQ(row.cells.size(), 8u);
        for (const auto& cell : row.cells)
            current += cell.current ? 1 : 0;
    }
    EXPECT_EQ(current, 1);
    // The 47th cell (row 5, column 6) is 2026, shown as 民國 115 by default.
    const SidePanelCell& cell = table.rows[5].cells[6];
    EXPECT_TRUE(cell.current);
    EXPECT_TRUE(cell.text.startsWith(QStringLiteral("115\n")));
    EXPECT_TRUE(cell.text.endsWith(QStringLiteral(" 47")));
    // A present moment more than 88 years after birth highlights nothing.
    f.now.lunar.year = 2080;
    table = SidePanelTableFor(f.record, f.settings, f.now, nullptr);
    for (const auto& row : table.rows)
        for (const auto& c : row.cells)
            EXPECT_FALSE(c.current);
}

// The heading names the stem whose transformations the chart shows: with the
// default setting 十年盤 shows the birth year's (庚, 1980) and 流月盤 the flow
// year's (丙, 2026), which the chart alone does not tell.
TEST(SidePanel, TheHeadingNamesTheStemsOfTheTransformations) {
    ChartFixture f;
    auto caption = [&](int level) {
        f.period(level);
        return FourHuaCaption(f.record, f.settings, FlowPillarsOf(f.record), level);
    };
    f.settings.YearHuaBase = 2;
    EXPECT_EQ(caption(0), QStringLiteral("四化：生年干 庚"));
    EXPECT_EQ(caption(1), QStringLiteral("四化：生年干 庚"));
    for (int level = 2; level <= 6; ++level)
        EXPECT_EQ(caption(level), QStringLiteral("四化：流年干 丙")) << level;
    f.settings.YearHuaBase = 0;
    EXPECT_EQ(caption(3), QStringLiteral("四化：生年干 庚"));
    f.settings.YearHuaBase = 1;
    f.period(1);
    const QString decadeStem =
        LoadResString(135 + f.record.natalChart.stemAt(f.record.tenYearPalace));
    EXPECT_EQ(caption(1), QStringLiteral("四化：大限干 ") + decadeStem);
    f.period(3);
    const FlowPillarCache month = FlowPillarsOf(f.record);
    EXPECT_EQ(caption(3), QStringLiteral("四化：流月干 ") + LoadResString(135 + month.monthStem));
    EXPECT_TRUE(caption(5).startsWith(QStringLiteral("四化：流時干 ")));
    f.settings.YearHuaBase = 3;
    EXPECT_EQ(caption(2), QStringLiteral("四化：生年庚(圓框)　大限") + decadeStem +
                              QStringLiteral("(方框)　流年丙(圓角框)"));

    // Painted as the panel's first row, above the table, and kept inside the panel.
    f.settings.YearHuaBase = 2;
    f.period(3);
    const ChartLayout layout = PlaceChart({1377, 918});
    test::RecordingPaintDevice device(layout.canvasWidth, layout.canvasHeight);
    {
        QPainter painter(&device);
        PaintSidePanel(painter, layout, f.record, f.settings, f.now, nullptr,
                       QStringLiteral("四化：流年干 丙"));
    }
    const auto heading = device.textsContaining(QStringLiteral("四化：流年干 丙"));
    ASSERT_EQ(heading.size(), 1u);
    EXPECT_GE(heading[0].origin.x(), layout.sidePanelLeft());
    EXPECT_LT(heading[0].origin.y(), layout.chartTop + SidePanelCaptionHeight(layout.chartSide));
    for (const auto& t : device.texts()) {
        if (t.text == heading[0].text) continue;
        EXPECT_GT(t.origin.y(), layout.chartTop + SidePanelCaptionHeight(layout.chartSide))
            << t.text.toStdString();
    }
}

TEST(SidePanel, TenYearListStartsAtAgeOneForAnEarlyPeriod) {
    ChartFixture f;
    f.period(1);
    f.record.decadeFirstAge[f.record.tenYearPalace] = 2;
    const SidePanelTable table = SidePanelTableFor(f.record, f.settings, f.now, nullptr);
    ASSERT_EQ(table.rows.size(), 30u);
    EXPECT_EQ(table.rows[0].cells.back().text, QStringLiteral("  1") + LoadResString(422));
    for (int row = 0; row < 30; ++row)
        EXPECT_EQ(table.rows[row].fill.isValid(), row >= 1 && row <= 10) << row;
    // A late period starts ten years before it.
    f.record.decadeFirstAge[f.record.tenYearPalace] = 46;
    const SidePanelTable late = SidePanelTableFor(f.record, f.settings, f.now, nullptr);
    EXPECT_EQ(late.rows[0].cells.back().text, QStringLiteral(" 36") + LoadResString(422));
    EXPECT_TRUE(late.rows[10].fill.isValid());
    EXPECT_FALSE(late.rows[9].fill.isValid());
}

TEST(SidePanel, FlowYearListsTheLeapMonth) {
    ChartFixture f;
    f.period(2);
    int leapYear = 0;
    for (int y = 2020; y < 2040 && !leapYear; ++y)
        if (LunarYearMonthLengths(y).hasLeap) leapYear = y;
    ASSERT_NE(leapYear, 0);
    const LunarYearMonths months = LunarYearMonthLengths(leapYear);
    f.record.flowLunarYear = int16_t(leapYear);
    const SidePanelTable table = SidePanelTableFor(f.record, f.settings, f.now, nullptr);
    const int next = LunarYearMonthLengths(leapYear + 1).count;
    ASSERT_EQ(table.rows.size(), size_t(1 + 13 + 1 + next));
    EXPECT_TRUE(table.rows[0].header);
    const SidePanelRow& leapRow = table.rows[1 + months.leapMonth];
    EXPECT_EQ(leapRow.cells[0].text, LoadResString(535) + LoadResString(522 + months.leapMonth));
    const int length = months.lengths[months.leapMonth];
    EXPECT_EQ(leapRow.cells.back().text, LoadResString(length == 30 ? 536 : 537));
}

TEST(SidePanel, DayAndHourTables) {
    ChartFixture f;
    f.period(4);
    const int days =
        LunarMonthLength(f.record.flowLunarYear, f.record.flowLunarMonth, f.record.flowIsLeap != 0);
    SidePanelTable table = SidePanelTableFor(f.record, f.settings, f.now, nullptr);
    ASSERT_EQ(table.rows.size(), size_t(days + 1));
    EXPECT_EQ(table.rows[10].fill, QColor(255, 255, 180));
    EXPECT_EQ(table.rows[f.record.flowLunarDay].fill, QColor(220, 200, 255));
    f.period(5);
    table = SidePanelTableFor(f.record, f.settings, f.now, nullptr);
    ASSERT_EQ(table.rows.size(), 27u);
    EXPECT_EQ(table.rows[2].cells[1].text, QStringLiteral("23:00 ~ 01:00"));
    EXPECT_EQ(table.rows[13].cells[1].text, QStringLiteral("21:00 ~ 23:00"));
    EXPECT_EQ(table.rows[2 + 5].fill, QColor(220, 200, 255)); // 巳, the flow hour
    EXPECT_FALSE(table.rows[15 + 5].fill == QColor(220, 200, 255));

    // Painting every level into a canvas stays inside the panel.
    const ChartLayout layout = PlaceChart({1377, 918});
    for (int level = 0; level <= 6; ++level) {
        f.period(level);
        QImage image(layout.canvasWidth, layout.canvasHeight, QImage::Format_RGB32);
        image.fill(Qt::black);
        {
            QPainter painter(&image);
            PaintSidePanel(painter, layout, f.record, f.settings, f.now, nullptr);
        }
        EXPECT_EQ(image.pixelColor(layout.sidePanelLeft() - 1, layout.chartTop + 5),
                  QColor(Qt::black))
            << level;
        EXPECT_EQ(image.pixelColor(layout.sidePanelRight(), layout.chartTop + 5), QColor(Qt::black))
            << level;
    }
}

} // namespace
} // namespace zelk
