#include "chart_artwork.h"

#include "chart_paint_parts.h"
#include "font_faces.h"
#include "view_text.h"

#include <QLinearGradient>

namespace zelk {

namespace {

const QColor kButtonTop{40, 70, 140};
const QColor kButtonBottom{15, 30, 80};
const QColor kCaptionNormal{170, 220, 255};
const QColor kCaptionSelected{255, 235, 0};
const QColor kSelectedBorder{220, 0, 0};
const QColor kStripBack{235, 235, 245};
const QColor kStemSelectedBack{120, 40, 170};
const QColor kStemSelectedText{255, 235, 0};

// Captions 本命盤 .. 流分盤: the level captions without their " : ".
QString ButtonCaption(int level) {
    QString caption = ViewText(506 + level);
    const int colon = caption.indexOf(QLatin1Char(':'));
    if (colon >= 0) caption = caption.left(colon);
    return caption.trimmed();
}

} // namespace

void PaintLevelButton(QPainter& painter, QPoint topLeft, int level, bool selected) {
    if (level < 0 || level > 6) return;
    painter.save();
    const QRect box(topLeft, QSize(kButtonWidth, kButtonHeight));
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, kButtonTop);
    gradient.setColorAt(1, kButtonBottom);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(selected ? kSelectedBorder : QColor(10, 20, 50), selected ? 3 : 1));
    painter.setBrush(gradient);
    painter.drawRoundedRect(QRectF(box).adjusted(1.5, 1.5, -1.5, -1.5), 8, 8);
    painter.setFont(ChartFont(kFaceMing, 18, true));
    painter.setPen(selected ? kCaptionSelected : kCaptionNormal);
    painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, ButtonCaption(level));
    painter.restore();
}

QRect StemCellRect(QPoint topLeft, int stem) {
    if (stem < 0 || stem > 9) return {};
    return QRect(topLeft.x() + kStemCellWidth * (stem % 5),
                 topLeft.y() + kStemCellHeight * (stem / 5), kStemCellWidth, kStemCellHeight);
}

void PaintStemStrip(QPainter& painter, QPoint topLeft, const std::array<bool, 10>& selected) {
    painter.save();
    painter.fillRect(QRect(topLeft, QSize(kButtonWidth, kButtonHeight)), kStripBack);
    painter.setFont(ChartFont(kFaceMing, 13));
    for (int stem = 0; stem < 10; ++stem) {
        const QRect cell = StemCellRect(topLeft, stem);
        if (selected[stem]) painter.fillRect(cell, kStemSelectedBack);
        painter.setPen(QColor(150, 150, 170));
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
        painter.setPen(selected[stem] ? kStemSelectedText : QColor(Qt::black));
        painter.drawText(cell, Qt::AlignCenter | Qt::TextSingleLine, ViewText(135 + stem));
    }
    painter.restore();
}

void PaintChartButtons(QPainter& painter, const ChartLayout& layout, int shownLevel,
                       const std::array<bool, 10>& selectedStems) {
    for (int level = 0; level < 7; ++level)
        PaintLevelButton(painter, QPoint(layout.buttonLeft, layout.buttonTop[level]), level,
                         level == shownLevel);
    PaintStemStrip(painter, QPoint(layout.buttonLeft, layout.buttonTop[7] + 3), selectedStems);
}

void PaintLogo(QPainter& painter, const QRect& rect, int which) {
    if (rect.width() <= 4 || rect.height() <= 4) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF box = QRectF(rect).adjusted(2, 2, -2, -2);
    const QColor ink = which == 0 ? QColor(110, 40, 150) : QColor(30, 80, 160);
    painter.setPen(QPen(ink, 1.5));
    painter.setBrush(which == 0 ? QColor(245, 235, 255) : QColor(230, 240, 255));
    painter.drawRoundedRect(box, box.height() / 4, box.height() / 4);
    // A small purple star (the emblem of the pole star) before the name.
    const qreal r = box.height() * 0.3;
    const QPointF centre(box.left() + box.height() * 0.55, box.center().y());
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 == 0 ? r : r * 0.45;
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        star << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPolygon(star);
    painter.setPen(ink);
    painter.setFont(ChartFont(which == 0 ? kFaceKai : kFaceArial,
                              static_cast<int>(box.height() * 0.5), which == 1));
    const QRectF textBox = box.adjusted(box.height() * 1.1, 0, -4, 0);
    painter.drawText(textBox, Qt::AlignCenter | Qt::TextSingleLine,
                     which == 0 ? QStringLiteral("紫微斗數") : QStringLiteral("Zelk"));
    painter.restore();
}

void PaintTitlePicture(QPainter& painter, const QRect& rect) {
    if (rect.width() <= 0 || rect.height() <= 0) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient gradient(rect.topLeft(), rect.topRight());
    gradient.setColorAt(0, QColor(250, 244, 255));
    gradient.setColorAt(1, QColor(236, 226, 250));
    painter.fillRect(rect, gradient);
    painter.setPen(QPen(QColor(110, 40, 150), std::max(1, rect.height() / 60)));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.setFont(ChartFont(kFaceKai, rect.height() * 45 / 100, true));
    painter.setPen(QColor(90, 20, 130));
    painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, QStringLiteral("紫微斗數命盤"));
    painter.restore();
}

void ChartPainter::paintLogoStrip(int textBottom, int lc) {
    const int c = layout_.cell;
    const int height = lc * 5 / 2;
    const int top = std::max(textBottom, 3 * c - 2 * lc - height);
    const int left = c + 2 * lc;
    const int right = 3 * c - 2 * lc;
    const int middle = left + (right - left) / 2;
    result_.logoLeft = QRect(left, top, middle - left, height);
    result_.logoRight = QRect(middle, top, right - middle, height);
    PaintLogo(p_, result_.logoLeft, 0);
    PaintLogo(p_, result_.logoRight, 1);
}

} // namespace zelk
