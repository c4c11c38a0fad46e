#include "font_faces.h"

#include <QStringList>

#include <algorithm>

namespace zelk {

void InstallFontSubstitutions() {
    // The TW faces first: their glyphs are the traditional forms the chart is written in.
    QFont::insertSubstitutions(
        kFaceMing, QStringList{QStringLiteral("AR PL UMing TW"), QStringLiteral("AR PL UMing HK")});
    QFont::insertSubstitutions(
        kFaceKai, QStringList{QStringLiteral("AR PL UKai TW"), QStringLiteral("AR PL UKai HK")});
    QFont::insertSubstitutions(kFaceArial, QStringList{QStringLiteral("Liberation Sans")});
}

QFont ChartFont(const QString& face, int pixels, bool bold) {
    QFont font(face);
    font.setPixelSize(std::max(1, pixels));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace zelk
