// Geometry of the chart view: the design canvas, the chart square inside it,
// the palace cells of the 4 x 4 grid and the text unit of a palace.
//
// Palace index p counts the branches from 寅 (0 寅 .. 9 亥, 10 子, 11 丑) and the
// palaces stand clockwise from the bottom-left cell:
//
//   巳 3 | 午 4 | 未 5 | 申 6
//   辰 2 |    centre   | 酉 7
//   卯 1 |    block    | 戌 8
//   寅 0 | 丑 11| 子 10| 亥 9
//
// All values are integers in device units of the target.
#pragma once

#include <QPoint>
#include <QRect>

#include <array>

namespace zelk {

struct CanvasSize {
    int width = 0;
    int height = 0;
};

struct ChartLayout {
    int canvasWidth = 0;
    int canvasHeight = 0;
    int chartLeft = 0;
    int chartTop = 0;
    int chartSide = 1; // always 4k + 1
    int cell = 0;      // (chartSide - 1) / 4
    int line = 0;      // (cell + 6) / 11, the palace text unit
    int buttonLeft = 1;
    std::array<int, 8> buttonTop{}; // seven level buttons, then the stem strip
    // The level buttons and the stem strip are 75 x 50 units; on a screen of high
    // density a unit is more than one pixel, so they keep their size to the eye.
    double buttonScale = 1.0;
    // Where the canvas stands in the view's picture when the picture is larger
    // (the canvas is then centred in it); every position above already includes it.
    int originX = 0;
    int originY = 0;

    // The side panel's horizontal extent (left inclusive, right limit).
    int sidePanelLeft() const { return chartLeft + chartSide + 4; }
    int sidePanelRight() const { return originX + canvasWidth - 10; }
    // Top-left of the stem strip: 3 units below the eighth button top.
    QPoint stripTopLeft() const;
    // A length of `units` button units in pixels.
    int buttonUnits(double units) const;
};

// The design canvas of a target w x h. Printing uses the whole printable area;
// for a screen it is the canvas the screen's resolution gives, a size a chart
// window may ask for (the view itself fits its canvas to the window).
CanvasSize ComputeCanvas(int width, int height, bool printing);

// Places the chart square, the buttons and the text unit on a canvas. The
// positions of the button column scale with `buttonScale` (1 on a screen of
// ordinary density).
ChartLayout PlaceChart(CanvasSize canvas, double buttonScale = 1.0);

// The screen view. Its canvas keeps the proportions of the screen canvas (3 : 2)
// and is the largest such canvas that fits the area the window offers...
CanvasSize FitCanvas(int width, int height);
// ... but never smaller than this one, which still holds the seven level
// buttons and the stem strip beside the chart.
CanvasSize MinimumCanvas(double buttonScale);
// A canvas of `canvas` placed in the view's picture of `area`: centred in it when
// the picture is larger, at its origin otherwise.
ChartLayout PlaceChartInArea(CanvasSize canvas, CanvasSize area, double buttonScale);

// The geometry of a chart image of a given side (cell = (side - 1) / 4, line);
// chartLeft and chartTop are 0. The side is not rounded to 4k + 1, so a PNG of
// 1024 has cell 255 and a white area up to pixel 1022.
ChartLayout LayoutForSide(int side);

// The chart side of the form 4k + 1 that a computed side gives (600 -> 601).
int ChartSideOf(int side);

inline constexpr int kCentreBlock = -1;
inline constexpr int kOutsideChart = -2;

// The palace under a point relative to the chart square: palace index 0-11,
// kCentreBlock for the four middle cells, kOutsideChart outside the 4 x 4 grid.
int PalaceAt(const ChartLayout& layout, QPoint point);

// Grid cell (column, row) of a palace index (0-11); (-1, -1) for anything else.
QPoint GridCellOfPalace(int palace);

// Top-left corner of the palace's grid cell, relative to the chart square.
QPoint PalaceCellOrigin(const ChartLayout& layout, int palace);

// The palace text rectangle, relative to the chart square: the cell without the
// grid lines, 2 units in from its left and top edges.
QRect PalaceTextRect(const ChartLayout& layout, int palace);

// The point on the centre block's border that the life-palace lines start from.
QPoint PalaceAnchor(const ChartLayout& layout, int palace);

// Character heights (pixel sizes) of the four chart fonts for a chart side.
struct ChartFontHeights {
    int palace = 0; // star names, brightness, marks, palace labels
    int centre = 0; // the centre block
    int ages = 0;   // ten-year ages and the period line
    int small = 0;  // the eight minor-period ages
};
ChartFontHeights FontHeightsForSide(int chartSide);

} // namespace zelk
