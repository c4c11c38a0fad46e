#include "chart_tabs.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionTab>
#include <QTabBar>
#include <QToolButton>

namespace zelk {

namespace {

const char* const kColourProperty = "zelkTabColour";

// Light colours: the tab's text stays black on every one of them.
constexpr QRgb kTabColours[kTabColourCount] = {
    0xFF9CC3F0, // blue
    0xFFA8DC98, // green
    0xFFF7C98A, // orange
    0xFFCFAEEA, // violet
    0xFFF2E38A, // yellow
    0xFF8FD8D2, // teal
    0xFFF3A9BF, // rose
    0xFFC8BCA8, // sand
};

// The style of the current look, with every tab shape tinted in its tab's colour.
// The label is drawn after the shape, so the text stays as the look draws it.
class TabTintStyle : public QProxyStyle {
  public:
    TabTintStyle(QStyle* base, const ChartTabs* tabs) : QProxyStyle(base), tabs_(tabs) {}

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (element != CE_TabBarTabShape) return;
        const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
        if (!tab) return;
        const QColor colour = tabs_->tabColour(tab->tabIndex);
        if (!colour.isValid()) return;
        const bool selected = tab->state & State_Selected;
        QColor tint = colour;
        tint.setAlpha(selected ? 235 : 150);
        const QRect r = tab->rect.adjusted(1, 1, -1, 0);
        painter->save();
        painter->fillRect(r, tint);
        // A band in the full colour along the top edge marks the tab even when
        // the look paints its own selection.
        painter->fillRect(QRect(r.left(), r.top(), r.width(), selected ? 4 : 2),
                          colour.darker(selected ? 140 : 115));
        painter->restore();
    }

  private:
    const ChartTabs* tabs_;
};

QIcon SwatchIcon(const QColor& colour) {
    QPixmap pm(14, 14);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(colour.darker(150));
    p.setBrush(colour);
    p.drawRect(1, 1, 11, 11);
    return QIcon(pm);
}

} // namespace

QColor TabColour(int slot) {
    if (slot < 0) return {};
    return QColor::fromRgb(kTabColours[slot % kTabColourCount]);
}

ChartTabs::ChartTabs(QMdiArea* area, QAction* windowManager)
    : QObject(area), area_(area), bar_(area->findChild<QTabBar*>()), barObject_(bar_.data()),
      windowManager_(windowManager) {
    listMenu_ = new QMenu(area_);
    connect(listMenu_, &QMenu::aboutToShow, this, [this] {
        listMenu_->clear();
        fillDocumentMenu(listMenu_);
    });
    listButton_ = new QToolButton(area_);
    listButton_->setObjectName(QStringLiteral("documentListButton"));
    listButton_->setArrowType(Qt::DownArrow);
    listButton_->setAutoRaise(true);
    // The menu opens under the button, its right edge at the button's; a menu set
    // on the button would add a second arrow of its own.
    connect(listButton_, &QToolButton::clicked, this, [this] {
        emit listMenu_->aboutToShow();
        const QPoint at(listButton_->width() - listMenu_->sizeHint().width(),
                        listButton_->height());
        listMenu_->popup(listButton_->mapToGlobal(at));
    });
    listButton_->setToolTip(QStringLiteral("已開啟的命盤"));
    listButton_->hide();
    if (bar_) {
        bar_->setExpanding(false);
        bar_->setElideMode(Qt::ElideRight);
        bar_->installEventFilter(this);
        // Closing the last tab leaves the bar without a resize: the button follows
        // the tab count too.
        connect(bar_, &QTabBar::currentChanged, this, [this] { placeListButton(); });
        followStyle();
    }
}

ChartTabs::~ChartTabs() {
    if (bar_) bar_->setStyle(nullptr);
    delete tabStyle_;
}

void ChartTabs::followStyle() {
    if (!bar_) return;
    QStyle* base = QStyleFactory::create(QApplication::style()->name());
    if (!base) return;
    auto* next = new TabTintStyle(base, this);
    bar_->setStyle(next);
    delete tabStyle_;
    tabStyle_ = next;
    placeListButton();
}

void ChartTabs::adopt(QMdiSubWindow* window) {
    bool taken[kTabColourCount] = {};
    int open = 0;
    for (QMdiSubWindow* w : area_->subWindowList()) {
        if (w == window) continue;
        bool ok = false;
        const int slot = w->property(kColourProperty).toInt(&ok);
        if (ok && slot >= 0) {
            taken[slot % kTabColourCount] = true;
            ++open;
        }
    }
    // The first free colour; with every colour in use, they repeat in turn.
    int slot = open % kTabColourCount;
    for (int i = 0; i < kTabColourCount; ++i)
        if (!taken[i]) {
            slot = i;
            break;
        }
    window->setProperty(kColourProperty, slot);
    // The area adds the window's tab at the end; the colour travels with the tab
    // when the user drags it elsewhere.
    if (bar_ && bar_->count() > 0) {
        const QList<QMdiSubWindow*> order = area_->subWindowList(QMdiArea::CreationOrder);
        const int index = static_cast<int>(order.indexOf(window));
        if (index >= 0 && index < bar_->count()) bar_->setTabData(index, slot);
        bar_->update();
    }
    placeListButton();
}

QColor ChartTabs::colourOf(const QMdiSubWindow* window) {
    bool ok = false;
    const int slot = window ? window->property(kColourProperty).toInt(&ok) : -1;
    return ok ? TabColour(slot) : QColor();
}

QColor ChartTabs::tabColour(int index) const {
    if (!bar_ || index < 0 || index >= bar_->count()) return {};
    bool ok = false;
    const int slot = bar_->tabData(index).toInt(&ok);
    return ok ? TabColour(slot) : QColor();
}

void ChartTabs::fillDocumentMenu(QMenu* menu) const {
    QMdiSubWindow* active = area_->currentSubWindow();
    int number = 0;
    for (QMdiSubWindow* w : area_->subWindowList(QMdiArea::CreationOrder)) {
        ++number;
        QString text = w->windowTitle();
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* a =
            menu->addAction(SwatchIcon(colourOf(w)),
                            number < 10 ? QStringLiteral("&%1 %2").arg(number).arg(text) : text);
        a->setCheckable(true);
        a->setChecked(w == active);
        if (w == active) {
            QFont bold = a->font();
            bold.setBold(true);
            a->setFont(bold);
        }
        const QPointer<QMdiSubWindow> target(w);
        connect(a, &QAction::triggered, area_, [area = area_, target] {
            if (target) area->setActiveSubWindow(target);
        });
    }
    if (number > 0) menu->addSeparator();
    menu->addAction(windowManager_);
}

void ChartTabs::showTabMenu(const QPoint& at) {
    QMenu menu(bar_);
    const int index = bar_->tabAt(at);
    const QList<QMdiSubWindow*> order = area_->subWindowList(QMdiArea::CreationOrder);
    if (index >= 0 && index < order.size()) {
        const QPointer<QMdiSubWindow> target(order[index]);
        QAction* close = menu.addAction(QStringLiteral("關閉此命盤"));
        connect(close, &QAction::triggered, &menu, [target] {
            if (target) target->close();
        });
        menu.addSeparator();
    }
    fillDocumentMenu(&menu);
    menu.exec(bar_->mapToGlobal(at));
}

void ChartTabs::placeListButton() {
    if (!bar_ || placing_) return;
    placing_ = true;
    const bool shown = bar_->isVisible() && bar_->count() > 0;
    if (shown) {
        // The area gives the bar its whole width; the list button takes the end.
        const int side = bar_->height();
        const QRect bar = bar_->geometry();
        const int width = area_->width() - bar.left() - side;
        if (bar.width() != width && width > side) bar_->resize(width, bar.height());
        listButton_->setGeometry(bar_->geometry().right() + 1, bar.top(), side, side);
        listButton_->raise();
    }
    listButton_->setVisible(shown);
    placing_ = false;
}

bool ChartTabs::eventFilter(QObject* watched, QEvent* event) {
    // A bar being destroyed is no longer a tab bar, and sends events still.
    auto* bar = qobject_cast<QTabBar*>(watched);
    if (!bar || static_cast<QObject*>(bar) != barObject_)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::Move:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::LayoutRequest:
        placeListButton();
        break;
    case QEvent::ContextMenu:
        showTabMenu(static_cast<QContextMenuEvent*>(event)->pos());
        return true;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zelk
