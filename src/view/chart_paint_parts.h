// The pieces of one chart paint, shared by the files that draw them: the
// painter class and its state. Not for use outside the view layer.
#pragma once

#include "chart_painter.h"
#include "four_hua_layers.h"

#include <QColor>
#include <QFont>

namespace zelk {

class ChartPainter {
  public:
    ChartPainter(QPainter& painter, int side, const ChartRecord& record,
                 const AppSettings& settings, ChartViewState& state, ChartBlock& block);
    ChartPaintResult paint();

  private:
    // chart_painter.cpp: the square, the grid and the frame of every palace.
    void paintGrid();
    void paintPalace(int palace);
    void paintPalaceBackground(int palace, const QRect& rect);
    void paintPalaceNames(int palace, const QRect& rect);
    void paintStem(int palace, const QRect& rect);
    void paintPalaceElement(int palace, const QRect& rect);
    void paintPeriodLine(int palace, const QRect& rect);
    void paintLifeLines();
    int stemShownAt(int palace) const;

    // centre_block.cpp
    void paintCentreBlock();
    void paintCentreItem(const QRect& box, const QString& text);
    void paintLogoStrip(int textBottom, int lc);

    // palace_columns.cpp: stars, brightness and transformation marks.
    void paintPalaceColumns(int palace, const QRect& rect);
    int paintFirstGradeStars(int palace, const QRect& rect);
    void paintStarName(const QString& name, const QRect& column, const QColor& colour);
    void paintBrightness(uint32_t bit, int palace, const QRect& column, int& nextLine);
    void paintFourHuaMarks(int palace, uint32_t bit, const QRect& column, int& nextLine);
    void paintMark(int k, MarkStyle style, const QColor& layer, const QRect& box);
    void paintNumericGrade(uint8_t grade, const QRect& box, int palace);
    void paintLeftColumns(int palace, const QRect& rect);
    void paintSecondGradeRow(int palace, const QRect& rect);
    void paintOppositeMarks();

    // Shared helpers.
    QColor ink(const QColor& colour) const { return monochrome_ ? QColor(Qt::black) : colour; }
    void drawText(const QRect& rect, int flags, const QString& text, const QColor& colour);
    QRect column(const QRect& rect, int fromRight, int line) const;
    QRect leftColumn(const QRect& rect, int fromLeft, int line) const;
    int level() const { return level_; }

    QPainter& p_;
    ChartLayout layout_;
    ChartFontHeights heights_;
    QFont palaceFont_, centreFont_, agesFont_, smallFont_;
    const ChartRecord& record_;
    const AppSettings& settings_;
    ChartViewState& state_;
    ChartBlock& block_;
    int level_ = 0;
    bool monochrome_ = false;
    bool printing_ = false;
    ChartPaintResult result_;
};

} // namespace zelk
