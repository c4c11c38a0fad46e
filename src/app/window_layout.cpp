#include "window_layout.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>

#include <algorithm>

namespace zelk {

namespace {

const char* const kGeometryKey = "MainWindow/Geometry";
const char* const kStateKey = "MainWindow/State";
// Raised when the docks or tool bars change in a way an older layout cannot fit.
constexpr int kLayoutVersion = 1;

constexpr int kPreferredWidth = 1440;
constexpr int kPreferredHeight = 960;
constexpr int kSideRoom = 20;   // each side, for the frame
constexpr int kTitleRoom = 32;  // above the window, for its title bar
constexpr int kBottomRoom = 12; // below, for the frame
constexpr int kSmallest = 480;

} // namespace

QRect FirstWindowGeometry(const QRect& available) {
    const int roomW = available.width() - 2 * kSideRoom;
    const int roomH = available.height() - kTitleRoom - kBottomRoom;
    // A screen too small for even the smallest window gets the window it has room
    // for; the window manager keeps it usable.
    const int width = std::clamp(roomW, std::min(kSmallest, available.width()), kPreferredWidth);
    const int height = std::clamp(roomH, std::min(kSmallest, available.height()), kPreferredHeight);
    const int left = available.left() + std::max(0, (available.width() - width) / 2);
    const int top = available.top() + kTitleRoom + std::max(0, (roomH - height) / 2);
    return {left, top, width, height};
}

bool RestoreWindowLayout(QMainWindow& window, QSettings& store) {
    const QByteArray geometry = store.value(QString::fromLatin1(kGeometryKey)).toByteArray();
    const QByteArray state = store.value(QString::fromLatin1(kStateKey)).toByteArray();
    // Qt moves a stored window that lies off the present screens back onto one.
    const bool placed = !geometry.isEmpty() && window.restoreGeometry(geometry);
    if (!placed) {
        QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
        if (screen) window.setGeometry(FirstWindowGeometry(screen->availableGeometry()));
    }
    if (!state.isEmpty()) window.restoreState(state, kLayoutVersion);
    return placed;
}

void SaveWindowLayout(const QMainWindow& window, QSettings& store) {
    store.setValue(QString::fromLatin1(kGeometryKey), window.saveGeometry());
    store.setValue(QString::fromLatin1(kStateKey), window.saveState(kLayoutVersion));
    store.sync();
}

} // namespace zelk
