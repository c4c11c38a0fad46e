// Where the main window opens: the size and place it had when the program last
// closed (with its docks and tool bars), or on the first run a size that fits the
// screen's available area.
#pragma once

#include <QRect>

class QMainWindow;
class QSettings;

namespace zelk {

// The first window inside `available` (the screen without its panels): at most
// 1440 by 960, centred, with room for the window's frame and title bar.
QRect FirstWindowGeometry(const QRect& available);

// False when the store holds no window of an earlier run (the window then gets
// FirstWindowGeometry of its screen).
bool RestoreWindowLayout(QMainWindow& window, QSettings& store);
void SaveWindowLayout(const QMainWindow& window, QSettings& store);

} // namespace zelk
