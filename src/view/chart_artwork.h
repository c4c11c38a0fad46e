// The pictures around the chart, drawn in code: the seven chart-level buttons
// (75 x 50), the stem strip (75 x 50, two rows of five 15 x 25 cells), its
// highlighted cells, the logo strip of the centre block and the title picture of
// the printed page (740 x 178 at scale 1).
#pragma once

#include "chart_layout.h"

#include <QPainter>
#include <QRect>

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

// The seven buttons at (buttonLeft, buttonTop[i]) and the stem strip 3 units
// below the eighth top, with the cells of the selected stems highlighted.
void PaintChartButtons(QPainter& painter, const ChartLayout& layout, int shownLevel,
                       const std::array<bool, 10>& selectedStems);

// The strip of the ten stems; a selected stem's cell is yellow on violet.
void PaintStemStrip(QPainter& painter, QPoint topLeft, const std::array<bool, 10>& selected);

// The rectangle of stem cell k (0-9) of a strip at topLeft: 甲 .. 戊 in the top row.
QRect StemCellRect(QPoint topLeft, int stem);

// One of the two logos of the centre block's strip (0 left, 1 right).
void PaintLogo(QPainter& painter, const QRect& rect, int which);

// The title picture of the printed chart page, scaled into `rect`.
void PaintTitlePicture(QPainter& painter, const QRect& rect);

} // namespace zelk
