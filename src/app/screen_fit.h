// Dialogs that fit the screen. A settings dialog holds many groups; on a small
// screen (1366 by 768, a panel taking part of it) it would run past the bottom
// and hide 確定. Its groups sit in a scroll area instead, and the dialog never
// grows past the screen's available area; the buttons stay in view.
#pragma once

#include <QScrollArea>

class QLayout;

namespace zelk {

// A scroll area that asks for the whole of its contents, so the dialog is as
// large as its groups wherever the screen allows it.
class FittingScrollArea : public QScrollArea {
    Q_OBJECT
  public:
    explicit FittingScrollArea(QLayout* body, QWidget* parent = nullptr);
    QSize sizeHint() const override;
};

// Shrinks a window that is larger than its screen's available area to fit it,
// its frame included. A dialog then places itself inside that area when shown.
void FitToScreen(QWidget* window);

} // namespace zelk
