#include "tree_icons.h"

#include "command_ids.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace zelk {

namespace {

QPixmap Blank(int side = 16) {
    QPixmap pm(side, side);
    pm.fill(Qt::transparent);
    return pm;
}

// A person: a head and shoulders in the given colour.
QIcon PersonIcon(QColor colour) {
    QPixmap pm = Blank();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(colour.darker(140));
    p.setBrush(colour);
    p.drawEllipse(QRectF(5, 1, 6, 6));
    p.drawRoundedRect(QRectF(2.5, 8, 11, 7), 3, 3);
    return QIcon(pm);
}

QIcon GlyphIcon(QColor colour, const QString& glyph) {
    QPixmap pm = Blank(24);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(1, 1, 22, 22), 5, 5);
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setPixelSize(15);
    f.setBold(true);
    p.setFont(f);
    p.drawText(pm.rect(), Qt::AlignCenter, glyph);
    return QIcon(pm);
}

} // namespace

QIcon RootIcon() {
    QPixmap pm = Blank();
    QPainter p(&pm);
    p.setPen(QColor(0x8A, 0x6D, 0x1E));
    p.setBrush(QColor(0xF2, 0xC9, 0x4C));
    p.drawRect(1, 4, 13, 10);
    p.drawRect(1, 2, 6, 2);
    return QIcon(pm);
}

// Drawn once: the tree sets one on every client item.
QIcon MaleIcon() {
    static const QIcon icon = PersonIcon(QColor(0x3A, 0x6E, 0xC8));
    return icon;
}
QIcon FemaleIcon() {
    static const QIcon icon = PersonIcon(QColor(0xD8, 0x4E, 0x8A));
    return icon;
}

QIcon ToolIcon(int command) {
    switch (command) {
    case cmd::FunctionMenu:
        return GlyphIcon(QColor(0x55, 0x55, 0x55), QStringLiteral("≡"));
    case cmd::OpenChecked:
        return GlyphIcon(QColor(0x2E, 0x7D, 0x32), QStringLiteral("開"));
    case cmd::NewClient:
        return GlyphIcon(QColor(0x15, 0x65, 0xC0), QStringLiteral("新"));
    case cmd::ModifyClient:
        return GlyphIcon(QColor(0xEF, 0x6C, 0x00), QStringLiteral("修"));
    case cmd::DeleteClient:
        return GlyphIcon(QColor(0xC6, 0x28, 0x28), QStringLiteral("刪"));
    case cmd::ToggleAll:
        return GlyphIcon(QColor(0x6A, 0x1B, 0x9A), QStringLiteral("全"));
    case cmd::Print:
        return GlyphIcon(QColor(0x45, 0x5A, 0x64), QStringLiteral("印"));
    default:
        return {};
    }
}

} // namespace zelk
