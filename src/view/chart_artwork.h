// The pictures around the chart, drawn in code: the seven chart-level buttons
// (75 x 50), the stem strip (75 x 50, two rows of five 15 x 25 cells), its
// highlighted cells, the logo strip of the centre block and the title picture of
// the printed page (740 x 178 at scale 1).
#pragma once

#include "chart_layout.h"

#include <QPainter>
#include <QRect>
#include <QString>

#include <array>

namespace zelk {

inline constexpr int kButtonWidth = 75;
inline constexpr int kButtonHeight = 50;
inline constexpr int kStemCellWidth = 15;
inline constexpr int kStemCellHeight = 25;
inline constexpr int kTitleWidth = 740;
inline constexpr int kTitleHeight = 178;

// One chart-level button (level 0-6, captions 本命盤 .. 流分盤) with its top-left at
// `topLeft`; the selected one has a yellow caption and a red border.
void PaintLevelButton(QPainter& painter, QPoint topLeft, int level, bool selected);

// Where the pictures beside the chart were drawn: the view answers a press or a
// tooltip in exactly these rectangles.
struct ChartButtonAreas {
    std::array<QRect, 7> levels; // 本命盤 .. 流分盤
    std::array<QRect, 10> stems; // 甲 .. 癸 of the strip
    QRect brightnessLegend;      // empty when not drawn
    QRect dipperLegend;          // empty when not drawn
};

// The seven buttons at (buttonLeft, buttonTop[i]) and the stem strip 3 units
// below the eighth top, with the cells of the selected stems highlighted; all
// scaled by the layout's button scale.
ChartButtonAreas PaintChartButtons(QPainter& painter, const ChartLayout& layout, int shownLevel,
                                   const std::array<bool, 10>& selectedStems);

// What the legend under the stem strip explains.
struct LegendContent {
    bool numericBrightness = false; // the meaning of the brightness digits
    bool dipper = false;            // the frame that marks the 七星 names
};

// The legend in the column under the stem strip, as far as the column has room
// for it. Writes the rectangles it drew into `areas`.
void PaintViewLegend(QPainter& painter, const ChartLayout& layout, LegendContent content,
                     ChartButtonAreas& areas);

// The dashed red frame that sets the 七星 names apart from the stars of a palace.
void PaintDipperFrame(QPainter& painter, const QRect& rect, double scale = 1.0);

// The grades of the numeric brightness digits 1-7 (廟, 旺, 得地 ..); empty outside 1-7.
QString NumericGradeName(int digit);

// The strip of the ten stems; a selected stem's cell is yellow on violet.
void PaintStemStrip(QPainter& painter, QPoint topLeft, const std::array<bool, 10>& selected);

// The rectangle of stem cell k (0-9) of a strip at topLeft: 甲 .. 戊 in the top row.
QRect StemCellRect(QPoint topLeft, int stem);

// One of the two logos of the centre block's strip (0 left, 1 right).
void PaintLogo(QPainter& painter, const QRect& rect, int which);

// The title picture of the printed chart page, scaled into `rect`.
void PaintTitlePicture(QPainter& painter, const QRect& rect);

} // namespace zelk
