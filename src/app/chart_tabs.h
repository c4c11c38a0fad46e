// The tab bar of the chart windows. Every chart window keeps a colour of its own
// for its tab while it is open, so a practitioner with several clients open finds
// a chart again by its colour. A button at the right end of the bar opens the
// document list: every open chart (the active one checked) and the window
// manager. A right click on a tab offers the same list and closing that tab.
#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QTabBar>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QStyle;
class QToolButton;

namespace zelk {

// The colours tabs take, in the order they are handed out.
inline constexpr int kTabColourCount = 8;
QColor TabColour(int slot);

class ChartTabs : public QObject {
    Q_OBJECT
  public:
    // `area` must be in tabbed view. `windowManager` is the 視窗(&W)... command.
    ChartTabs(QMdiArea* area, QAction* windowManager);
    ~ChartTabs() override;

    // A new chart window: it takes the first colour no open window has.
    void adopt(QMdiSubWindow* window);
    // The colour of a window's tab (invalid for a window never adopted).
    static QColor colourOf(const QMdiSubWindow* window);
    // The colour of the tab at `index` of the bar.
    QColor tabColour(int index) const;

    QTabBar* tabBar() const { return bar_; }
    QToolButton* listButton() const { return listButton_; }
    QMenu* documentMenu() const { return listMenu_; }
    // Fills a menu with the document list (used by the button and the tab menu).
    void fillDocumentMenu(QMenu* menu) const;

    // The application style changed: the tabs are drawn over the new one.
    void followStyle();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void placeListButton();
    void showTabMenu(const QPoint& at);

    QMdiArea* area_;
    QPointer<QTabBar> bar_;
    const QObject* barObject_; // the bar, for comparing without a cast
    QAction* windowManager_;
    QToolButton* listButton_ = nullptr;
    QMenu* listMenu_ = nullptr;
    QStyle* tabStyle_ = nullptr;
    bool placing_ = false;
};

} // namespace zelk
