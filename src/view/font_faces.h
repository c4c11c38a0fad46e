// The faces the chart asks for by name ("新細明體", "標楷體", "Arial") and the
// installed faces that stand in for them, and the face of the windows and dialogs.
// Every face named here draws the Traditional glyph forms (戶, 曆, 說 as taught
// in Taiwan); a general fallback would draw some characters in their mainland
// forms.
#pragma once

#include <QFont>
#include <QString>

namespace zelk {

inline const QString kFaceMing = QStringLiteral("新細明體");
inline const QString kFaceKai = QStringLiteral("標楷體");
inline const QString kFaceArial = QStringLiteral("Arial");

// Maps the three names to AR PL UMing TW, AR PL UKai TW and Liberation Sans.
// Call once after the application object exists (before the first chart paints).
void InstallFontSubstitutions();

// The windows' and dialogs' face, first found first: a sans-serif with the
// Traditional forms, then the Ming face of the chart.
QStringList InterfaceFaces();
// The interface font at `pointSize`, the size the desktop asks for.
QFont InterfaceFont(qreal pointSize);

// A font of that face at a character height of `pixels` (at least 1), weight 400
// unless bold, no italics.
QFont ChartFont(const QString& face, int pixels, bool bold = false);

} // namespace zelk
