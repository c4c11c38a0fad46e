// The window manager (視窗): the open chart windows in tab order, to bring one to
// the front or to close several at once.
#pragma once

#include <QDialog>

class QListWidget;
class QMdiArea;
class QMdiSubWindow;
class QPushButton;

namespace zelk {

class CWindowManagerDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CWindowManagerDlg(QMdiArea* area, QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }
    QPushButton* activateButton() const { return activate_; }
    QPushButton* closeButton() const { return closeWindows_; }

    // Brings the selected window to the front and closes the dialog.
    void activateSelected();
    // Closes every selected window; the list shows the windows still open.
    void closeSelected();

  private:
    void fill();
    void followSelection();
    QList<QMdiSubWindow*> selectedWindows() const;

    QMdiArea* area_;
    QListWidget* list_ = nullptr;
    QPushButton* activate_ = nullptr;
    QPushButton* closeWindows_ = nullptr;
};

} // namespace zelk
