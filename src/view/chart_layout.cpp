#include "chart_layout.h"

#include <algorithm>
#include <cmath>

namespace zelk {

CanvasSize ComputeCanvas(int width, int height, bool printing) {
    if (printing) return {std::max(0, width), std::max(0, height)};
    width = std::max(0, width);
    height = std::max(0, height);
    // min(0.75 w, h) in integers, then 85 % of it; 64-bit so a huge target cannot overflow.
    const long long smaller = std::min(768LL * width, 1024LL * height) / 1024;
    const long long h0 = smaller * 85 / 100;
    const long long w0 = h0 * 1500 / 1000;
    if (w0 > 5LL * width / 6) return {static_cast<int>(w0 * 5 / 6), static_cast<int>(h0 * 5 / 6)};
    return {static_cast<int>(w0), static_cast<int>(h0)};
}

int ChartSideOf(int side) {
    return std::max(0, side) / 4 * 4 + 1;
}

QPoint ChartLayout::stripTopLeft() const {
    return {buttonLeft, buttonTop[7] + buttonUnits(3)};
}

int ChartLayout::buttonUnits(double units) const {
    return static_cast<int>(std::lround(units * buttonScale));
}

namespace {
void FillDerived(ChartLayout& layout) {
    layout.cell = (layout.chartSide - 1) / 4;
    layout.line = (layout.cell + 6) / 11;
    for (int i = 0; i < 8; ++i)
        layout.buttonTop[i] = layout.chartTop + layout.buttonUnits(54 * i);
}

// Below 1 a button would lose its caption; absurd scales are held to a sane range.
double SaneButtonScale(double scale) {
    return std::isfinite(scale) ? std::clamp(scale, 1.0, 8.0) : 1.0;
}
} // namespace

ChartLayout PlaceChart(CanvasSize canvas, double buttonScale) {
    ChartLayout layout;
    layout.buttonScale = SaneButtonScale(buttonScale);
    layout.canvasWidth = canvas.width;
    layout.canvasHeight = canvas.height;
    int side = 0;
    const int wideLeft = layout.buttonUnits(91);
    if (canvas.width > canvas.height) {
        layout.chartTop = 2;
        side = canvas.height - 20;
        const int margin = (canvas.width - canvas.height) / 2;
        // A margin wide enough for the buttons with room to spare moves the chart right.
        if (margin >= wideLeft) {
            layout.chartLeft = wideLeft;
            layout.buttonLeft = layout.buttonUnits(8);
        } else {
            layout.chartLeft = layout.buttonUnits(77);
            layout.buttonLeft = layout.buttonUnits(1);
        }
    } else {
        side = canvas.width - 20;
        layout.chartLeft = layout.buttonUnits(77);
        layout.buttonLeft = layout.buttonUnits(1);
        layout.chartTop = std::max(1, (canvas.height - canvas.width) / 2);
    }
    layout.chartSide = ChartSideOf(side);
    FillDerived(layout);
    return layout;
}

CanvasSize FitCanvas(int width, int height) {
    // 64-bit, so a huge area cannot overflow; 3 : 2 like the screen canvas.
    const long long w = std::max(0, width);
    const long long h = std::max(0, height);
    const long long fittedHeight = std::min(h, w * 2 / 3);
    return {static_cast<int>(fittedHeight * 3 / 2), static_cast<int>(fittedHeight)};
}

CanvasSize MinimumCanvas(double buttonScale) {
    // The strip ends 54 x 7 + 3 + 50 units below the chart's top; the chart's
    // side is the canvas height less 20 (and up to 3 more for its 4k + 1 form),
    // and a few pixels more keep the strip off the chart's bottom edge.
    const double scale = SaneButtonScale(buttonScale);
    const int height = static_cast<int>(std::ceil((54 * 7 + 3 + 50) * scale)) + 30;
    return {height * 3 / 2, height};
}

ChartLayout PlaceChartInArea(CanvasSize canvas, CanvasSize area, double buttonScale) {
    ChartLayout layout = PlaceChart(canvas, buttonScale);
    const int dx = std::max(0, (area.width - canvas.width) / 2);
    const int dy = std::max(0, (area.height - canvas.height) / 2);
    layout.originX = dx;
    layout.originY = dy;
    layout.chartLeft += dx;
    layout.chartTop += dy;
    layout.buttonLeft += dx;
    for (int& top : layout.buttonTop)
        top += dy;
    return layout;
}

ChartLayout LayoutForSide(int side) {
    ChartLayout layout;
    // The image side is taken as it is: a 1024 picture has N = 1023 and cell 255.
    layout.chartSide = std::max(1, side);
    layout.canvasWidth = layout.chartSide;
    layout.canvasHeight = layout.chartSide;
    FillDerived(layout);
    return layout;
}

namespace {
// Palace index by grid row and column; -1 marks the centre block.
constexpr int kGrid[4][4] = {{3, 4, 5, 6}, {2, -1, -1, 7}, {1, -1, -1, 8}, {0, 11, 10, 9}};
} // namespace

int PalaceAt(const ChartLayout& layout, QPoint point) {
    if (layout.cell <= 0 || point.x() < 0 || point.y() < 0) return kOutsideChart;
    const int column = point.x() / layout.cell;
    const int row = point.y() / layout.cell;
    if (column > 3 || row > 3) return kOutsideChart;
    const int palace = kGrid[row][column];
    return palace < 0 ? kCentreBlock : palace;
}

QPoint GridCellOfPalace(int palace) {
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            if (kGrid[row][column] == palace && palace >= 0) return {column, row};
    return {-1, -1};
}

QPoint PalaceCellOrigin(const ChartLayout& layout, int palace) {
    const QPoint cell = GridCellOfPalace(palace);
    if (cell.x() < 0) return {0, 0};
    return {cell.x() * layout.cell, cell.y() * layout.cell};
}

QRect PalaceTextRect(const ChartLayout& layout, int palace) {
    // Left and top edges sit 2 units inside the grid line; the right edge stops
    // one unit short of the next line and the bottom runs one unit past the cell,
    // so every palace has the same (c - 3) x (c - 1) text area.
    const QPoint origin = PalaceCellOrigin(layout, palace);
    const int c = layout.cell;
    const int left = origin.x() + 2;
    const int right = origin.x() + c - 1;
    const int top = origin.y() + 2;
    const int bottom = origin.y() + c + 1;
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

QPoint PalaceAnchor(const ChartLayout& layout, int palace) {
    const int c = layout.cell;
    const int c15 = c * 3 / 2;
    const int c25 = c * 5 / 2;
    switch (palace) {
    case 0:
        return {c, 3 * c}; // 寅
    case 1:
        return {c, c25}; // 卯
    case 2:
        return {c, c15}; // 辰
    case 3:
        return {c, c}; // 巳
    case 4:
        return {c15, c}; // 午
    case 5:
        return {c25, c}; // 未
    case 6:
        return {3 * c, c}; // 申
    case 7:
        return {3 * c, c15}; // 酉
    case 8:
        return {3 * c, c25}; // 戌
    case 9:
        return {3 * c, 3 * c}; // 亥
    case 10:
        return {c25, 3 * c}; // 子
    case 11:
        return {c15, 3 * c}; // 丑
    default:
        return {2 * c, 2 * c};
    }
}

ChartFontHeights FontHeightsForSide(int chartSide) {
    const int n = std::max(0, chartSide - 1);
    return {(n + 24) / 48, (n + 22) / 44, (n + 22) / 46, (n + 26) / 56};
}

} // namespace zelk
