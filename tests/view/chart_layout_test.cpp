#include "view/chart_layout.h"

#include <gtest/gtest.h>

#include <cmath>

#include <set>

namespace zelk {
namespace {

TEST(ComputeCanvas, ScreenCanvasFollowsTheScreenResolution) {
    // 1920 x 1080: min(0.75 w, h) = 1080, h0 = 918, w0 = 1377 fits in 5/6 of the width.
    EXPECT_EQ(ComputeCanvas(1920, 1080, false).width, 1377);
    EXPECT_EQ(ComputeCanvas(1920, 1080, false).height, 918);
    // 1024 x 768: h0 = 652, w0 = 978 is wider than 853, so both shrink to 5/6.
    EXPECT_EQ(ComputeCanvas(1024, 768, false).width, 815);
    EXPECT_EQ(ComputeCanvas(1024, 768, false).height, 543);
    // A portrait screen is limited by its width.
    EXPECT_EQ(ComputeCanvas(768, 1366, false).height, 407); // 489 (0.85 * 576), then 5/6
}

TEST(ComputeCanvas, PrintingUsesTheWholeAreaAndBadSizesGiveEmpty) {
    EXPECT_EQ(ComputeCanvas(4800, 6600, true).width, 4800);
    EXPECT_EQ(ComputeCanvas(4800, 6600, true).height, 6600);
    EXPECT_EQ(ComputeCanvas(-5, -5, false).width, 0);
    EXPECT_EQ(ComputeCanvas(-5, 100, true).width, 0);
    // Very large targets do not overflow the integer arithmetic.
    EXPECT_GT(ComputeCanvas(2000000000, 2000000000, false).height, 0);
}

TEST(PlaceChart, LandscapeMarginDecidesWhereTheChartStands) {
    // Margin exactly 90: the chart stays at 77 with the buttons at 1.
    ChartLayout narrow = PlaceChart({1180, 1000});
    EXPECT_EQ(narrow.chartLeft, 77);
    EXPECT_EQ(narrow.buttonLeft, 1);
    EXPECT_EQ(narrow.chartTop, 2);
    // Margin 91 moves it to 91 and the buttons to 8.
    ChartLayout wide = PlaceChart({1182, 1000});
    EXPECT_EQ(wide.chartLeft, 91);
    EXPECT_EQ(wide.buttonLeft, 8);
    EXPECT_EQ(wide.chartSide, 981); // 980 rounded to 4k, plus one
    EXPECT_EQ(wide.cell, 245);
    EXPECT_EQ(wide.line, 22);
    EXPECT_EQ(wide.sidePanelLeft(), 91 + 981 + 4);
    EXPECT_EQ(wide.sidePanelRight(), 1172);
}

TEST(PlaceChart, PortraitCentresTheChartVertically) {
    ChartLayout layout = PlaceChart({820, 1000});
    EXPECT_EQ(layout.chartLeft, 77);
    EXPECT_EQ(layout.chartTop, 90);
    EXPECT_EQ(layout.chartSide, 801);
    // A square canvas is not landscape; the top is at least 1.
    EXPECT_EQ(PlaceChart({900, 900}).chartTop, 1);
}

TEST(PlaceChart, ChartSideIsAlwaysOneModuloFour) {
    EXPECT_EQ(PlaceChart({1500, 620}).chartSide, 601); // side 600
    EXPECT_EQ(PlaceChart({1500, 623}).chartSide, 601); // side 603
    for (int h = 21; h < 1400; h += 7) {
        const ChartLayout layout = PlaceChart({h * 3 / 2, h});
        EXPECT_EQ(layout.chartSide % 4, 1) << h;
        EXPECT_EQ(layout.cell, (layout.chartSide - 1) / 4);
        EXPECT_EQ(layout.line, (layout.cell + 6) / 11);
    }
    // A canvas too small for a chart still gives a usable (empty) layout.
    EXPECT_EQ(PlaceChart({10, 5}).chartSide, 1);
    EXPECT_EQ(PlaceChart({10, 5}).cell, 0);
}

TEST(PlaceChart, ButtonTopsAreEvery54Units) {
    const ChartLayout layout = PlaceChart({1377, 918});
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(layout.buttonTop[i], layout.chartTop + 54 * i);
}

TEST(PlaceChart, TheButtonColumnScalesOnScreensOfHighDensity) {
    const ChartLayout layout = PlaceChart({1500, 1000}, 1.5);
    EXPECT_EQ(layout.chartLeft, 137); // 91 x 1.5, rounded
    EXPECT_EQ(layout.buttonLeft, 12);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(layout.buttonTop[i], layout.chartTop + std::lround(54 * 1.5 * i));
    EXPECT_EQ(layout.stripTopLeft(), QPoint(12, layout.buttonTop[7] + 5));
    // A margin too narrow for the scaled column keeps the chart nearer the edge.
    EXPECT_EQ(PlaceChart({1250, 1000}, 1.5).chartLeft, 116);
    // Scales below 1 or not numbers are held to 1.
    EXPECT_EQ(PlaceChart({1377, 918}, 0.5).chartLeft, PlaceChart({1377, 918}).chartLeft);
    EXPECT_EQ(PlaceChart({1377, 918}, std::nan("")).buttonScale, 1.0);
}

TEST(FitCanvas, TheLargestThreeByTwoCanvasInTheArea) {
    EXPECT_EQ(FitCanvas(1500, 2000).width, 1500); // width decides
    EXPECT_EQ(FitCanvas(1500, 2000).height, 1000);
    EXPECT_EQ(FitCanvas(3000, 900).width, 1350); // height decides
    EXPECT_EQ(FitCanvas(3000, 900).height, 900);
    EXPECT_EQ(FitCanvas(-5, 900).height, 0);
    EXPECT_GT(FitCanvas(2000000000, 2000000000).height, 0);
    // The smallest canvas still holds the buttons and the strip above the chart's bottom.
    for (const double scale : {1.0, 1.5, 2.0}) {
        const ChartLayout layout = PlaceChart(MinimumCanvas(scale), scale);
        const int stripBottom = layout.stripTopLeft().y() + layout.buttonUnits(50);
        EXPECT_LE(stripBottom, layout.chartTop + layout.chartSide) << scale;
    }
}

TEST(PlaceChartInArea, ASmallerCanvasStandsInTheMiddleOfThePicture) {
    const ChartLayout plain = PlaceChart({1200, 800});
    const ChartLayout centred = PlaceChartInArea({1200, 800}, {1500, 1000}, 1.0);
    EXPECT_EQ(centred.originX, 150);
    EXPECT_EQ(centred.originY, 100);
    EXPECT_EQ(centred.chartLeft, plain.chartLeft + 150);
    EXPECT_EQ(centred.chartTop, plain.chartTop + 100);
    EXPECT_EQ(centred.buttonLeft, plain.buttonLeft + 150);
    EXPECT_EQ(centred.buttonTop[3], plain.buttonTop[3] + 100);
    EXPECT_EQ(centred.chartSide, plain.chartSide);
    EXPECT_EQ(centred.sidePanelRight(), plain.sidePanelRight() + 150);
    EXPECT_EQ(centred.sidePanelLeft(), plain.sidePanelLeft() + 150);
    // A canvas larger than the area (zoomed in) starts at the picture's origin.
    const ChartLayout large = PlaceChartInArea({1200, 800}, {600, 400}, 1.0);
    EXPECT_EQ(large.originX, 0);
    EXPECT_EQ(large.chartLeft, plain.chartLeft);
}

TEST(LayoutForSide, APictureOf1024HasCell255AndLine23) {
    const ChartLayout layout = LayoutForSide(1024);
    EXPECT_EQ(layout.cell, 255);
    EXPECT_EQ(layout.line, 23);
    const ChartFontHeights fonts = FontHeightsForSide(1024);
    EXPECT_EQ(fonts.palace, 21);
    EXPECT_EQ(fonts.centre, 23);
    EXPECT_EQ(fonts.ages, 22);
    EXPECT_EQ(fonts.small, 18);
}

TEST(PalaceAt, EveryCellOfTheGrid) {
    const ChartLayout layout = LayoutForSide(1024);
    const int c = layout.cell;
    const int expected[4][4] = {{3, 4, 5, 6},
                                {2, kCentreBlock, kCentreBlock, 7},
                                {1, kCentreBlock, kCentreBlock, 8},
                                {0, 11, 10, 9}};
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            // The first and the last point of each cell.
            EXPECT_EQ(PalaceAt(layout, {column * c, row * c}), expected[row][column]);
            EXPECT_EQ(PalaceAt(layout, {column * c + c - 1, row * c + c - 1}),
                      expected[row][column]);
        }
    }
    EXPECT_EQ(PalaceAt(layout, {-1, 10}), kOutsideChart);
    EXPECT_EQ(PalaceAt(layout, {4 * c, 10}), kOutsideChart);
    EXPECT_EQ(PalaceAt(LayoutForSide(1), {0, 0}), kOutsideChart);
}

TEST(PalaceGeometry, TextRectanglesLieInsideTheirOwnCells) {
    const ChartLayout layout = LayoutForSide(1024);
    const int c = layout.cell;
    std::set<std::pair<int, int>> cells;
    for (int p = 0; p < 12; ++p) {
        const QRect r = PalaceTextRect(layout, p);
        const QPoint origin = PalaceCellOrigin(layout, p);
        EXPECT_EQ(r.left(), origin.x() + 2) << p;
        EXPECT_EQ(r.top(), origin.y() + 2) << p;
        EXPECT_EQ(r.width(), c - 3) << p;
        EXPECT_EQ(r.height(), c - 1) << p;
        EXPECT_EQ(PalaceAt(layout, r.center()), p);
        cells.insert({origin.x(), origin.y()});
    }
    EXPECT_EQ(cells.size(), 12u);
    // 寅 bottom-left, 巳 top-left, 申 top-right, 亥 bottom-right.
    EXPECT_EQ(PalaceCellOrigin(layout, 0), QPoint(0, 3 * c));
    EXPECT_EQ(PalaceCellOrigin(layout, 3), QPoint(0, 0));
    EXPECT_EQ(PalaceCellOrigin(layout, 6), QPoint(3 * c, 0));
    EXPECT_EQ(PalaceCellOrigin(layout, 9), QPoint(3 * c, 3 * c));
    EXPECT_EQ(GridCellOfPalace(12), QPoint(-1, -1));
}

} // namespace
} // namespace zelk
