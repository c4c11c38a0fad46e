// The visual styles 205-219. Each identifier maps to a Qt style and a palette; the
// choice is kept as "ApplicationLook" in the per-user window-state store.
#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace zelk {

// Styles with a menu entry, in menu order; 211-214 have none and fall back to 215.
inline constexpr int kStyleIds[] = {205, 206, 207, 208, 209, 210, 215, 216, 217, 218, 219};
inline constexpr int kFallbackStyle = 215;

// The style actually installed for a stored identifier (unknown ones give 215).
int EffectiveStyle(int styleId);
// Menu text of a style identifier with a menu entry.
QString StyleMenuText(int styleId);
// Installs the style and palette of an identifier on the application.
void ApplyVisualStyle(int styleId);

// The per-user store of window state and "ApplicationLook". When the data folder is
// given explicitly (--data-dir, ZELK_DATA_DIR) it is an INI file in that folder, so a
// test or a portable copy never writes the user's own store.
std::unique_ptr<QSettings> OpenWindowStateStore(const QString& explicitDataDir);

int LoadApplicationLook(QSettings& store);
void SaveApplicationLook(QSettings& store, int styleId);

} // namespace zelk
