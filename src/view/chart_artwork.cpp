#include "chart_artwork.h"

#include "chart_colours.h"
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

namespace {

// Paints one picture of the button column at `topLeft`, drawn at scale 1 and
// enlarged by the layout's button scale.
template <class Paint>
void PaintScaled(QPainter& painter, const ChartLayout& layout, QPoint topLeft, Paint paint) {
    painter.save();
    painter.translate(topLeft);
    painter.scale(layout.buttonScale, layout.buttonScale);
    paint();
    painter.restore();
}

// A rectangle of the button column given in units, placed at `topLeft`; edges
// are rounded one by one so neighbouring cells share their edges.
QRect UnitRect(const ChartLayout& layout, QPoint topLeft, int left, int top, int width,
               int height) {
    const int x0 = layout.buttonUnits(left);
    const int y0 = layout.buttonUnits(top);
    return QRect(topLeft.x() + x0, topLeft.y() + y0, layout.buttonUnits(left + width) - x0,
                 layout.buttonUnits(top + height) - y0);
}

} // namespace

ChartButtonAreas PaintChartButtons(QPainter& painter, const ChartLayout& layout, int shownLevel,
                                   const std::array<bool, 10>& selectedStems) {
    ChartButtonAreas areas;
    for (int level = 0; level < 7; ++level) {
        const QPoint topLeft(layout.buttonLeft, layout.buttonTop[level]);
        PaintScaled(painter, layout, topLeft,
                    [&] { PaintLevelButton(painter, QPoint(), level, level == shownLevel); });
        areas.levels[level] = UnitRect(layout, topLeft, 0, 0, kButtonWidth, kButtonHeight);
    }
    const QPoint strip = layout.stripTopLeft();
    PaintScaled(painter, layout, strip, [&] { PaintStemStrip(painter, QPoint(), selectedStems); });
    for (int stem = 0; stem < 10; ++stem)
        areas.stems[stem] = UnitRect(layout, strip, kStemCellWidth * (stem % 5),
                                     kStemCellHeight * (stem / 5), kStemCellWidth, kStemCellHeight);
    return areas;
}

QString NumericGradeName(int digit) {
    static const char16_t* const kNames[7] = {u"廟",   u"旺",     u"得地", u"利益",
                                              u"平和", u"不得地", u"落陷"};
    if (digit < 1 || digit > 7) return {};
    return QString::fromUtf16(kNames[digit - 1]);
}

void PaintViewLegend(QPainter& painter, const ChartLayout& layout, LegendContent content,
                     ChartButtonAreas& areas) {
    const int rowHeight = layout.buttonUnits(17);
    const int left = layout.buttonLeft;
    const int width = layout.buttonUnits(kButtonWidth);
    int top = layout.stripTopLeft().y() + layout.buttonUnits(kButtonHeight + 12);
    const int bottom = layout.chartTop + layout.chartSide;
    painter.save();
    painter.setFont(ChartFont(kFaceMing, layout.buttonUnits(13)));
    auto row = [&](const QString& text, const QColor& colour, int indent = 0) {
        painter.setPen(colour);
        painter.drawText(QRect(left + indent, top, width - indent, rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
        top += rowHeight;
    };
    // Each part is drawn whole or not at all.
    if (content.numericBrightness && top + 8 * rowHeight <= bottom) {
        const int first = top;
        row(QStringLiteral("亮度數字"), Qt::black);
        for (int digit = 1; digit <= 7; ++digit)
            row(ViewText(652 + digit) + QLatin1Char(' ') + NumericGradeName(digit),
                colours::kRedMark, layout.buttonUnits(4));
        areas.brightnessLegend = QRect(left, first, width, top - first);
        top += layout.buttonUnits(8);
    }
    if (content.dipper && top + 3 * rowHeight <= bottom) {
        // A sample of the frame, then what it means.
        const int first = top;
        const QRect sample(left, top, layout.buttonUnits(34), rowHeight);
        PaintDipperFrame(painter, sample, layout.buttonScale);
        row(QStringLiteral("七星"), colours::kRedMark, layout.buttonUnits(4));
        row(QStringLiteral("虛框為七星"), Qt::black);
        row(QStringLiteral("非宮中星曜"), Qt::black);
        areas.dipperLegend = QRect(left, first, width, top - first);
    }
    painter.restore();
}

void PaintDipperFrame(QPainter& painter, const QRect& rect, double scale) {
    painter.save();
    QPen pen(colours::kRedMark, std::max(1.0, scale));
    pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
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
