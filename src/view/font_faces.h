// The faces the chart asks for by name ("新細明體", "標楷體", "Arial") and the
// installed faces that stand in for them.
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

// A font of that face at a character height of `pixels` (at least 1), weight 400
// unless bold, no italics.
QFont ChartFont(const QString& face, int pixels, bool bold = false);

} // namespace zelk
