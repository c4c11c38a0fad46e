#include "screen_fit.h"

#include <QLayout>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace zelk {

namespace {
// Room for a window frame and title bar that are not drawn yet.
constexpr int kFrameRoomX = 16;
constexpr int kFrameRoomY = 40;
} // namespace

FittingScrollArea::FittingScrollArea(QLayout* body, QWidget* parent) : QScrollArea(parent) {
    auto* content = new QWidget(this);
    content->setLayout(body);
    setWidget(content);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

QSize FittingScrollArea::sizeHint() const {
    const QSize content = widget() ? widget()->sizeHint() : QSize();
    const int f = 2 * frameWidth();
    return content + QSize(f, f);
}

void FitToScreen(QWidget* window) {
    QScreen* screen = window->screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QRect frame = window->frameGeometry();
    // Before the window is shown its frame is not known yet: room is kept for one.
    const int extraX = std::max(frame.width() - window->width(), kFrameRoomX);
    const int extraY = std::max(frame.height() - window->height(), kFrameRoomY);
    QSize size = window->size();
    const int scrollBar = window->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (size.height() + extraY > area.height()) {
        size.setHeight(area.height() - extraY);
        // The scroll bar that appears takes width of its own.
        size.setWidth(size.width() + scrollBar);
    }
    size.setWidth(std::min(size.width(), area.width() - extraX));
    if (size != window->size()) window->resize(size);
}

} // namespace zelk
