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

    // The side panel's horizontal extent (left inclusive, right limit).
    int sidePanelLeft() const { return chartLeft + chartSide + 4; }
    int sidePanelRight() const { return canvasWidth - 10; }
};

// The design canvas of a target w x h. Printing uses the whole printable area;
// the screen canvas is derived from the screen's resolution so that it does not
// follow window resizing.
CanvasSize ComputeCanvas(int width, int height, bool printing);

// Places the chart square, the buttons and the text unit on a canvas.
ChartLayout PlaceChart(CanvasSize canvas);

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
