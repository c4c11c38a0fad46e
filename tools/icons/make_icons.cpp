// Draws the program's icon for the hicolor icon theme: a purple star (the pole
// star 紫微) inside the ring of the twelve palaces, on a night-blue tile.
//
//   zelk_make_icons OUT_DIR NAME SIZE...
//
// writes OUT_DIR/SIZExSIZE/apps/NAME.png for every SIZE and
// OUT_DIR/scalable/apps/NAME.svg. Both come from one list of shapes on a
// 256-unit canvas, so the pictures and the scalable icon cannot drift apart.
// Below 32 pixels the ring and its twelve lights would blur into a grey halo, so
// the small pictures show a larger star on the tile alone.
#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QSaveFile>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr double kCanvas = 256;
constexpr double kCentre = kCanvas / 2;
constexpr int kSmallBelow = 32; // sizes below this get the simple picture

enum class Kind { Tile, Circle, Polygon };

struct Shape {
    Kind kind;
    QRectF box;                      // Tile, Circle
    double cornerRadius = 0;         // Tile
    QPolygonF points;                // Polygon
    QColor fill = Qt::transparent;   // transparent: no fill
    QColor fillBottom;               // valid: vertical gradient from fill (top) to this
    QColor stroke = Qt::transparent; // transparent: no outline
    double strokeWidth = 0;
};

// How much of the picture a size shows.
enum class Detail { Full, Small };

QPolygonF Star(QPointF centre, double outer, double inner) {
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? outer : inner;
        const double angle = -M_PI / 2 + i * M_PI / 5; // the first point straight up
        star << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return star;
}

Shape Tile() {
    Shape s{Kind::Tile};
    s.box = QRectF(16, 16, 224, 224);
    s.cornerRadius = 44;
    s.fill = QColor(0x1d, 0x1b, 0x52);
    s.fillBottom = QColor(0x55, 0x2c, 0x86);
    return s;
}

Shape Circle(QPointF centre, double radius, QColor fill, QColor stroke, double strokeWidth) {
    Shape s{Kind::Circle};
    s.box = QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    s.fill = fill;
    s.stroke = stroke;
    s.strokeWidth = strokeWidth;
    return s;
}

Shape Polygon(const QPolygonF& points, QColor fill) {
    Shape s{Kind::Polygon};
    s.points = points;
    s.fill = fill;
    return s;
}

std::vector<Shape> IconShapes(Detail detail) {
    const QPointF centre(kCentre, kCentre);
    const QColor none(Qt::transparent);
    std::vector<Shape> shapes{Tile()};
    if (detail == Detail::Small) {
        shapes.push_back(Polygon(Star(centre, 92, 38), QColor(0xc0, 0x78, 0xf0)));
        shapes.push_back(Polygon(Star(centre, 56, 23), QColor(0xf0, 0xd8, 0xff)));
        return shapes;
    }
    // The ring of the twelve palaces and a light on each, 命宮 .. 父母 every 30°.
    shapes.push_back(Circle(centre, 82, none, QColor(0xc8, 0xb4, 0xf0, 150), 5));
    for (int k = 0; k < 12; ++k) {
        const double angle = k * M_PI / 6;
        const QPointF at = centre + QPointF(82 * std::cos(angle), 82 * std::sin(angle));
        shapes.push_back(Circle(at, 11, QColor(0xf6, 0xdc, 0x96), none, 0));
    }
    shapes.push_back(Polygon(Star(centre, 58, 24), QColor(0xb8, 0x6c, 0xec)));
    shapes.push_back(Polygon(Star(centre, 34, 14), QColor(0xe6, 0xc6, 0xff)));
    return shapes;
}

QBrush FillBrush(const Shape& s) {
    if (!s.fillBottom.isValid()) return s.fill.alpha() == 0 ? QBrush(Qt::NoBrush) : QBrush(s.fill);
    QLinearGradient gradient(0, s.box.top(), 0, s.box.bottom());
    gradient.setColorAt(0, s.fill);
    gradient.setColorAt(1, s.fillBottom);
    return gradient;
}

QImage PaintIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(size / kCanvas, size / kCanvas);
    for (const Shape& s : IconShapes(size < kSmallBelow ? Detail::Small : Detail::Full)) {
        painter.setBrush(FillBrush(s));
        painter.setPen(s.stroke.alpha() == 0 ? QPen(Qt::NoPen) : QPen(s.stroke, s.strokeWidth));
        switch (s.kind) {
        case Kind::Tile:
            painter.drawRoundedRect(s.box, s.cornerRadius, s.cornerRadius);
            break;
        case Kind::Circle:
            painter.drawEllipse(s.box);
            break;
        case Kind::Polygon:
            painter.drawPolygon(s.points);
            break;
        }
    }
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// A coordinate with at most two decimals and no trailing zeros: "128", "40.5".
QString Num(double v) {
    QString text = QString::number(v, 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

// "#rrggbb" and, for a colour that is not opaque, an opacity attribute.
QString SvgPaint(const char* attribute, const QColor& c) {
    QString text = QStringLiteral(" %1=\"%2\"").arg(QLatin1String(attribute), c.name());
    if (c.alpha() != 255)
        text += QStringLiteral(" %1-opacity=\"%2\"").arg(QLatin1String(attribute), Num(c.alphaF()));
    return text;
}

QString SvgText() {
    QString svg;
    QTextStream out(&svg);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" << kCanvas
        << "\" height=\"" << kCanvas << "\" viewBox=\"0 0 " << kCanvas << ' ' << kCanvas << "\">\n";
    int gradients = 0;
    for (const Shape& s : IconShapes(Detail::Full)) {
        QString fill =
            s.fill.alpha() == 0 ? QStringLiteral(" fill=\"none\"") : SvgPaint("fill", s.fill);
        if (s.fillBottom.isValid()) {
            const QString id = QStringLiteral("g%1").arg(gradients++);
            out << "  <linearGradient id=\"" << id
                << "\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"" << Num(s.box.top())
                << "\" x2=\"0\" y2=\"" << Num(s.box.bottom()) << "\">\n"
                << "    <stop offset=\"0\" stop-color=\"" << s.fill.name() << "\"/>\n"
                << "    <stop offset=\"1\" stop-color=\"" << s.fillBottom.name() << "\"/>\n"
                << "  </linearGradient>\n";
            fill = QStringLiteral(" fill=\"url(#%1)\"").arg(id);
        }
        QString stroke;
        if (s.stroke.alpha() != 0)
            stroke = SvgPaint("stroke", s.stroke) +
                     QStringLiteral(" stroke-width=\"%1\"").arg(Num(s.strokeWidth));
        switch (s.kind) {
        case Kind::Tile:
            out << "  <rect x=\"" << Num(s.box.x()) << "\" y=\"" << Num(s.box.y()) << "\" width=\""
                << Num(s.box.width()) << "\" height=\"" << Num(s.box.height()) << "\" rx=\""
                << Num(s.cornerRadius) << "\" ry=\"" << Num(s.cornerRadius) << '"';
            break;
        case Kind::Circle:
            out << "  <circle cx=\"" << Num(s.box.center().x()) << "\" cy=\""
                << Num(s.box.center().y()) << "\" r=\"" << Num(s.box.width() / 2) << '"';
            break;
        case Kind::Polygon: {
            QStringList points;
            for (const QPointF& p : s.points)
                points << Num(p.x()) + QLatin1Char(',') + Num(p.y());
            out << "  <polygon points=\"" << points.join(QLatin1Char(' ')) << '"';
            break;
        }
        }
        out << fill << stroke << "/>\n";
    }
    out << "</svg>\n";
    return svg;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

bool WritePng(const QString& path, const QImage& image) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    return image.save(path, "PNG");
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s OUT_DIR NAME SIZE...\n", argv[0]);
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLatin1(argv[i]).toInt(&ok);
        if (!ok || size < 8 || size > 1024) {
            std::fprintf(stderr, "bad icon size '%s' (8-1024)\n", argv[i]);
            return 2;
        }
        const QString path = QStringLiteral("%1/%2x%2/apps/%3.png").arg(outDir).arg(size).arg(name);
        if (!WritePng(path, PaintIcon(size))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    const QString svgPath = QStringLiteral("%1/scalable/apps/%2.svg").arg(outDir, name);
    if (!WriteFile(svgPath, SvgText().toUtf8())) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(svgPath));
        return 1;
    }
    return 0;
}
