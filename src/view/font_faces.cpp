#include "font_faces.h"

#include <QStringList>

#include <algorithm>

namespace zelk {

void InstallFontSubstitutions() {
    // The TW faces first: their glyphs are the traditional forms the chart is written in.
    QFont::insertSubstitutions(kFaceMing, QStringList{QStringLiteral("AR PL UMing TW"),
                                                      QStringLiteral("Noto Serif CJK TC"),
                                                      QStringLiteral("AR PL UMing HK")});
    QFont::insertSubstitutions(kFaceKai, QStringList{QStringLiteral("AR PL UKai TW"),
                                                     QStringLiteral("Noto Serif CJK TC"),
                                                     QStringLiteral("AR PL UKai HK")});
    QFont::insertSubstitutions(kFaceArial, QStringList{QStringLiteral("Liberation Sans")});
}

QStringList InterfaceFaces() {
    return {QStringLiteral("Noto Sans CJK TC"), QStringLiteral("Noto Sans TC"),
            QStringLiteral("AR PL UMing TW")};
}

QFont InterfaceFont(qreal pointSize) {
    QFont font;
    font.setFamilies(InterfaceFaces());
    if (pointSize > 0) font.setPointSizeF(pointSize);
    return font;
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
