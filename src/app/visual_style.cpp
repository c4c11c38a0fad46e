#include "visual_style.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QSettings>
#include <QStyle>
#include <QStyleFactory>

namespace zelk {

namespace {

const char* const kLookKey = "ApplicationLook";
constexpr int kDefaultLook = 210;

struct StyleLook {
    int id;
    const char* menuText;
    const char* qtStyle;
    QRgb window; // 0 = the style's own palette
    QRgb base;
    QRgb text;
    QRgb highlight;
};

// Tinted palettes over the Fusion style; two plain styles without a tint.
constexpr StyleLook kLooks[] = {
    {205, "經典灰", "Windows", 0, 0, 0, 0},
    {206, "淡雅白", "Fusion", 0xFFF7F7F7, 0xFFFFFFFF, 0xFF000000, 0xFF7FA3D6},
    {207, "明亮藍", "Windows", 0, 0, 0, 0},
    {208, "湖水藍", "Fusion", 0xFFDCE6F4, 0xFFFFFFFF, 0xFF000000, 0xFF3A6EA5},
    {209, "沉穩灰", "Fusion", 0xFFE8E8EC, 0xFFFFFFFF, 0xFF000000, 0xFF3399FF},
    {210, "清爽灰", "Fusion", 0, 0, 0, 0},
    {215, "天空藍", "Fusion", 0xFFD5E3F5, 0xFFFFFFFF, 0xFF15428B, 0xFF4A7EC4},
    {216, "夜色黑", "Fusion", 0xFF3C3C3C, 0xFF2A2A2A, 0xFFEAEAEA, 0xFF6A8FC8},
    {217, "銀白", "Fusion", 0xFFE2E4E8, 0xFFFFFFFF, 0xFF000000, 0xFF8497B3},
    {218, "水綠", "Fusion", 0xFFDAEEEA, 0xFFFFFFFF, 0xFF00403A, 0xFF3E9C8F},
    {219, "晴空", "Fusion", 0xFFE9EEF5, 0xFFFFFFFF, 0xFF000000, 0xFF3D8EE0},
};

const StyleLook& LookOf(int styleId) {
    const int id = EffectiveStyle(styleId);
    for (const StyleLook& look : kLooks)
        if (look.id == id) return look;
    return kLooks[6];
}

QPalette PaletteOf(const StyleLook& look, const QPalette& standard) {
    if (look.window == 0) return standard;
    QPalette p = standard;
    const QColor window = QColor::fromRgb(look.window);
    const QColor text = QColor::fromRgb(look.text);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::Base, QColor::fromRgb(look.base));
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Highlight, QColor::fromRgb(look.highlight));
    p.setColor(QPalette::HighlightedText, Qt::white);
    return p;
}

} // namespace

int EffectiveStyle(int styleId) {
    for (int id : kStyleIds)
        if (id == styleId) return id;
    return kFallbackStyle;
}

QString StyleMenuText(int styleId) {
    return QString::fromUtf8(LookOf(styleId).menuText);
}

void ApplyVisualStyle(int styleId) {
    const StyleLook& look = LookOf(styleId);
    if (QStyle* style = QStyleFactory::create(QString::fromLatin1(look.qtStyle)))
        QApplication::setStyle(style);
    QApplication::setPalette(PaletteOf(look, QApplication::style()->standardPalette()));
}

std::unique_ptr<QSettings> OpenWindowStateStore(const QString& explicitDataDir) {
    if (!explicitDataDir.isEmpty())
        return std::make_unique<QSettings>(QDir(explicitDataDir).filePath("window_state.ini"),
                                           QSettings::IniFormat);
    return std::make_unique<QSettings>(QStringLiteral("Quiln"), QStringLiteral("Zelk"));
}

int LoadApplicationLook(QSettings& store) {
    bool ok = false;
    const int v = store.value(QString::fromLatin1(kLookKey), kDefaultLook).toInt(&ok);
    return ok ? v : kDefaultLook;
}

void SaveApplicationLook(QSettings& store, int styleId) {
    store.setValue(QString::fromLatin1(kLookKey), styleId);
    store.sync();
}

} // namespace zelk
