#include "chart_paint_parts.h"

#include "chart/chart_engine.h"
#include "chart/chart_facts.h"
#include "chart_colours.h"
#include "font_faces.h"
#include "period_line.h"
#include "view_text.h"

#include <QFontMetrics>

#include <algorithm>

namespace zelk {

namespace {

constexpr int kSingleLine = Qt::TextSingleLine | Qt::TextDontClip;

ChartBlock& BlockToPaint(const ChartRecord& record, ChartViewState& state, ChartBlock& copy) {
    if (state.block) return *state.block;
    copy = record.shownLevel <= 0 ? record.natalChart : record.periodChart;
    return copy;
}

} // namespace

ChartPainter::ChartPainter(QPainter& painter, int side, const ChartRecord& record,
                           const AppSettings& settings, ChartViewState& state, ChartBlock& block)
    : p_(painter), layout_(LayoutForSide(side)), heights_(FontHeightsForSide(side)),
      record_(record), settings_(settings), state_(state), block_(block) {
    level_ = std::clamp<int>(record.shownLevel, 0, 6);
    printing_ = state.printing;
    monochrome_ = state.printing && !state.colourTarget;
    palaceFont_ = ChartFont(kFaceMing, heights_.palace);
    centreFont_ = ChartFont(kFaceMing, heights_.centre);
    agesFont_ = ChartFont(kFaceArial, heights_.ages);
    smallFont_ = ChartFont(kFaceArial, heights_.small);
}

void ChartPainter::drawText(const QRect& rect, int flags, const QString& text,
                            const QColor& colour) {
    if (text.isEmpty()) return;
    p_.setPen(ink(colour));
    p_.drawText(rect, flags | kSingleLine, text);
}

QRect ChartPainter::column(const QRect& rect, int fromRight, int line) const {
    const int l = layout_.line;
    return QRect(rect.x() + rect.width() - (fromRight + 1) * l, rect.y() + line * l, l, l);
}

QRect ChartPainter::leftColumn(const QRect& rect, int fromLeft, int line) const {
    const int l = layout_.line;
    return QRect(rect.x() + fromLeft * l, rect.y() + line * l, l, l);
}

ChartPaintResult ChartPainter::paint() {
    const int side = layout_.chartSide;
    p_.save();
    p_.setBackgroundMode(Qt::TransparentMode);
    // The outermost pixels are left as the target had them (black in a PNG).
    p_.fillRect(QRect(1, 1, std::max(0, side - 2), std::max(0, side - 2)), Qt::white);
    if (record_.shownLevel < 0) {
        p_.restore();
        return result_;
    }
    result_.painted = true;
    paintGrid();
    p_.setFont(centreFont_);
    paintCentreBlock();
    for (int palace = 0; palace < 12; ++palace)
        paintPalace(palace);
    if (settings_.HuaOut) paintOppositeMarks();
    if (settings_.LifeLine) paintLifeLines();
    p_.restore();
    return result_;
}

void ChartPainter::paintGrid() {
    const int c = layout_.cell;
    const int s4 = 4 * c;
    p_.setPen(QPen(Qt::black, 1));
    p_.drawLine(0, c, s4, c);
    p_.drawLine(0, 2 * c, c, 2 * c);
    p_.drawLine(3 * c, 2 * c, s4, 2 * c);
    p_.drawLine(0, 3 * c, s4, 3 * c);
    p_.drawLine(c, 0, c, s4);
    p_.drawLine(2 * c, 0, 2 * c, c);
    p_.drawLine(2 * c, 3 * c, 2 * c, s4);
    p_.drawLine(3 * c, 0, 3 * c, s4);
}

void ChartPainter::paintPalace(int palace) {
    QRect rect = PalaceTextRect(layout_, palace);
    const int l = layout_.line;
    paintPalaceBackground(palace, rect);
    p_.setFont(palaceFont_);
    paintPalaceNames(palace, rect);
    // The branch on the bottom line, then everything else stands one line higher.
    drawText(rect, Qt::AlignRight | Qt::AlignBottom, ViewText(234 + palace), Qt::black);
    rect.setBottom(rect.bottom() - l);
    paintStem(palace, rect);
    if (settings_.HouseFive) paintPalaceElement(palace, rect);
    paintPalaceColumns(palace, rect);
    paintPeriodLine(palace, rect);
}

void ChartPainter::paintPalaceBackground(int palace, const QRect& rect) {
    const bool wanted = printing_ ? !monochrome_ : settings_.ColorType34 == 0;
    if (!wanted) return;
    const QColor colour = colours::PalaceBackground(block_.nameAt(palace));
    if (colour != QColor(Qt::white)) p_.fillRect(rect, colour);
}

void ChartPainter::paintPalaceNames(int palace, const QRect& rect) {
    const int l = layout_.line;
    const int name = block_.nameAt(palace);
    if (level_ == 0 && settings_.PanBase == 0 && palace == Mod(record_.bodyPalace, 12))
        drawText(rect, Qt::AlignLeft | Qt::AlignBottom, ViewText(362), Qt::black);
    // With the chart based on the body palace, its 命 palace is labelled 【身】.
    auto label = [&](int n) {
        if (n == 1 && settings_.PanBase == 1) return ViewText(362);
        return n >= 1 && n <= 12 ? ViewText(246 + n) : QString();
    };
    if (level_ == 0) {
        drawText(rect, Qt::AlignHCenter | Qt::AlignBottom, label(name), colours::kPalaceLabel);
        return;
    }
    const QRect narrowed = rect.adjusted(l, 0, -2 * l, 0);
    drawText(narrowed, Qt::AlignLeft | Qt::AlignBottom, label(name), colours::kPalaceLabel);
    const int natalName = record_.natalChart.nameAt(palace);
    const QString natal = natalName == 1 ? ViewText(313) : label(natalName);
    drawText(narrowed, Qt::AlignRight | Qt::AlignBottom, natal, Qt::black);
}

int ChartPainter::stemShownAt(int palace) const {
    const int type = settings_.FlowSkyType;
    if (type == 0 || level_ <= 1) return record_.natalChart.stemAt(palace);
    if (type == 2 && level_ >= 3) return record_.baseChart.stemAt(palace);
    return block_.stemAt(palace);
}

void ChartPainter::paintStem(int palace, const QRect& rect) {
    const int l = layout_.line;
    const int stem = stemShownAt(palace);
    const QRect box(rect.right() + 1 - l, rect.bottom() + 1 - l, l, l);
    result_.stemCorners[palace] = box;
    QColor colour = Qt::black;
    if (state_.linkMode && !monochrome_ && stem >= 0 && stem <= 9) {
        // Star links: the stem that transforms the held star stands on its colour.
        const auto& table = FourHuaTableInForce(settings_);
        for (int k = 0; k < 4; ++k) {
            if (table[stem][k] & state_.linkedBit) {
                p_.fillRect(box, colours::FourHua(k));
                colour = Qt::white;
                break;
            }
        }
    }
    if (stem >= 0 && stem <= 9)
        drawText(rect, Qt::AlignRight | Qt::AlignBottom, ViewText(135 + stem), colour);
}

void ChartPainter::paintPalaceElement(int palace, const QRect& rect) {
    const int l = layout_.line;
    // The element of the stem drawn beside it: the 納音 of that stem and the branch.
    const int element = PalaceElement(stemShownAt(palace), palace);
    if (element < 0) return;
    const QRect r = rect.adjusted(0, l / 2, -l, l / 2);
    drawText(r, Qt::AlignRight | Qt::AlignBottom, ViewText(ElementStringId(element)), Qt::black);
}

void ChartPainter::paintPeriodLine(int palace, const QRect& rect) {
    const int l = layout_.line;
    const int centre = rect.x() + rect.width() / 2;
    result_.periodLines[palace] = QRect(centre - 3 * l, rect.bottom() + 1 - l, 6 * l, l);
    const auto runs = PeriodLineRuns(record_, settings_, block_, palace, level_, printing_);
    for (const auto& run : runs) {
        const QFont& font = run.font == PeriodRun::SmallFont  ? smallFont_
                            : run.font == PeriodRun::AgesFont ? agesFont_
                                                              : palaceFont_;
        p_.setFont(font);
        const QFontMetrics metrics(font);
        QRect r = rect;
        if (run.row == PeriodRun::RaisedRow) r.setBottom(r.bottom() - (l - l / 8));
        if (run.align == PeriodRun::CentredNarrowRight) r.setRight(r.right() - l);
        int width = 0;
        for (const auto& s : run.segments)
            width += metrics.horizontalAdvance(s.text);
        int x = run.align == PeriodRun::LeftIndented ? r.x() + 10 : r.x() + (r.width() - width) / 2;
        const int top = r.bottom() + 1 - metrics.height();
        for (const auto& s : run.segments) {
            const int w = metrics.horizontalAdvance(s.text);
            const QRect piece(x, top, w, metrics.height());
            if (s.opaque && !monochrome_) p_.fillRect(piece, colours::kHighlight);
            drawText(piece, Qt::AlignLeft | Qt::AlignVCenter, s.text,
                     s.highlight ? colours::kHighlight : QColor(Qt::black));
            if (s.value >= 0) result_.periodValues[palace].push_back({piece, s.value});
            x += w;
        }
    }
    p_.setFont(palaceFont_);
}

void ChartPainter::paintLifeLines() {
    const int life = PalaceNamed(block_, 1);
    if (life < 0) return;
    const QPoint a = PalaceAnchor(layout_, life);
    const QPoint before = PalaceAnchor(layout_, Mod(life - 4, 12));
    const QPoint after = PalaceAnchor(layout_, Mod(life + 4, 12));
    const QPoint opposite = PalaceAnchor(layout_, Mod(life + 6, 12));
    p_.setPen(QPen(ink(colours::kLifeLines), 1));
    p_.drawLine(a, before);
    p_.drawLine(a, after);
    p_.drawLine(a, opposite);
    p_.drawLine(before, after);
}

ChartPaintResult PaintChart(QPainter& painter, int side, const ChartRecord& record,
                            const AppSettings& settings, ChartViewState& state) {
    ChartBlock copy;
    ChartBlock& block = BlockToPaint(record, state, copy);
    ChartPainter chartPainter(painter, side, record, settings, state, block);
    return chartPainter.paint();
}

void PaintCanvasBackground(QPainter& painter, const ChartLayout& layout) {
    const QRect canvas(layout.originX, layout.originY, layout.canvasWidth, layout.canvasHeight);
    const QRect square(layout.chartLeft, layout.chartTop, layout.chartSide, layout.chartSide);
    // Four margins around the square, then the frame as four 2-unit bars just outside it.
    painter.fillRect(
        QRect(canvas.left(), canvas.top(), canvas.width(), square.top() - canvas.top()),
        colours::kMargin);
    painter.fillRect(QRect(canvas.left(), square.bottom() + 1, canvas.width(),
                           canvas.bottom() - square.bottom()),
                     colours::kMargin);
    painter.fillRect(
        QRect(canvas.left(), square.top(), square.left() - canvas.left(), square.height()),
        colours::kMargin);
    painter.fillRect(
        QRect(square.right() + 1, square.top(), canvas.right() - square.right(), square.height()),
        colours::kMargin);
    const int left = square.left() - 1;
    const int right = square.right() + 2; // chartLeft + chartSide + 1
    const int top = square.top() - 1;
    const int bottom = square.bottom() + 2;
    painter.fillRect(QRect(left - 1, top - 1, right - left + 2, 2), colours::kFrame);
    painter.fillRect(QRect(left - 1, bottom - 1, right - left + 2, 2), colours::kFrame);
    painter.fillRect(QRect(left - 1, top - 1, 2, bottom - top + 2), colours::kFrame);
    painter.fillRect(QRect(right - 1, top - 1, 2, bottom - top + 2), colours::kFrame);
}

} // namespace zelk
