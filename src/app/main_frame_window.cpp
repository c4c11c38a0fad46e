// The main window's own commands: the command menu as a button of any tool bar,
// the window manager, tool-bar customisation and the pane menu, and keeping the
// window's size, place, docks and tool bars from one run to the next.
#include "chart_tabs.h"
#include "class_view.h"
#include "command_ids.h"
#include "command_table.h"
#include "main_frame.h"
#include "tool_bar_customize.h"
#include "window_layout.h"
#include "window_manager_dlg.h"

#include <QAction>
#include <QCursor>
#include <QMdiArea>
#include <QMenu>
#include <QSettings>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace zelk {

namespace {
const QString kPaneBar = QStringLiteral("clientPaneToolBar");
const QString kStandardBar = QStringLiteral("standardToolBar");

int CommandOf(const QAction* a) {
    bool ok = false;
    const int id = a->data().toInt(&ok);
    return ok ? id : 0;
}
} // namespace

void CMainFrame::showFunctionMenu() {
    // Under the button that ran it, when a button did; else at the mouse.
    QAction* a = commands_->action(cmd::FunctionMenu);
    for (QObject* o : a->associatedObjects()) {
        auto* button = qobject_cast<QToolButton*>(o);
        if (button && button->isVisible() && button->underMouse()) {
            functionMenu_->popup(button->mapToGlobal(QPoint(0, button->height())));
            return;
        }
    }
    functionMenu_->popup(QCursor::pos());
}

void CMainFrame::showWindowManager() {
    CWindowManagerDlg dialog(mdi_, this);
    dialog.exec();
    updateCommandStates();
}

QToolBar* CMainFrame::toolBar(const QString& name) const {
    if (name == kPaneBar) return clientPane_->toolBar();
    for (QToolBar* bar : findChildren<QToolBar*>(name, Qt::FindDirectChildrenOnly))
        return bar;
    return nullptr;
}

std::vector<ToolBarLayout> CMainFrame::toolBarLayouts() const {
    std::vector<ToolBarLayout> layouts;
    auto layoutOf = [](QToolBar* bar, bool userMade) {
        ToolBarLayout layout{bar->objectName(), bar->windowTitle(), {}, userMade};
        for (QAction* a : bar->actions())
            if (const int id = CommandOf(a); id != 0 && id != cmd::FunctionMenu)
                layout.commands.push_back(id);
        return layout;
    };
    layouts.push_back(layoutOf(clientPane_->toolBar(), false));
    if (standardBar_) layouts.push_back(layoutOf(standardBar_, false));
    for (QToolBar* bar : userBars_)
        layouts.push_back(layoutOf(bar, true));
    return layouts;
}

void CMainFrame::applyToolBarLayouts(const std::vector<ToolBarLayout>& layouts) {
    // User bars no longer wanted go; new ones are made.
    for (auto it = userBars_.begin(); it != userBars_.end();) {
        const QString name = (*it)->objectName();
        if (std::none_of(layouts.begin(), layouts.end(),
                         [&name](const ToolBarLayout& l) { return l.name == name; })) {
            removeToolBar(*it);
            (*it)->deleteLater();
            it = userBars_.erase(it);
        } else {
            ++it;
        }
    }
    for (const ToolBarLayout& layout : layouts) {
        QToolBar* bar = toolBar(layout.name);
        if (!bar && layout.userMade) {
            bar = new QToolBar(layout.title, this);
            bar->setObjectName(layout.name);
            addToolBar(Qt::TopToolBarArea, bar);
            // Made while the window is up, it is shown at once.
            if (isVisible()) bar->show();
            userBars_.push_back(bar);
        }
        if (!bar) continue;
        if (layout.userMade) bar->setWindowTitle(layout.title);
        // The standard bar's own open and save buttons are its children.
        std::vector<QAction*> own;
        for (QAction* a : bar->findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly))
            own.push_back(a);
        // The pane's menu button stays first.
        for (QAction* a : bar->actions())
            if (bar->widgetForAction(a) != clientPane_->functionButton()) bar->removeAction(a);
        for (int id : layout.commands) {
            QAction* a = commands_->action(id);
            for (QAction* o : own)
                if (!a && CommandOf(o) == id) a = o;
            if (a) bar->addAction(a);
        }
    }
}

void CMainFrame::createUserToolBars() {
    std::vector<ToolBarLayout> layouts;
    layouts.push_back({kPaneBar,
                       {},
                       LoadToolBarButtons(windowState_, kPaneBar, DefaultPaneButtons(), *commands_),
                       false});
    if (standardBar_)
        layouts.push_back(
            {kStandardBar,
             {},
             LoadToolBarButtons(windowState_, kStandardBar, DefaultStandardButtons(), *commands_),
             false});
    for (const ToolBarLayout& user : LoadUserToolBars(windowState_, *commands_))
        layouts.push_back(user);
    applyToolBarLayouts(layouts);
}

void CMainFrame::customizeToolBars() {
    std::vector<ToolBarLayout> defaults = {{kPaneBar, {}, DefaultPaneButtons(), false}};
    if (standardBar_) defaults.push_back({kStandardBar, {}, DefaultStandardButtons(), false});
    CCustomizeDlg dialog(*commands_, toolBarLayouts(), defaults, this);
    if (dialog.exec() != QDialog::Accepted) return;
    applyToolBarLayouts(dialog.layouts());
    SaveToolBarLayouts(windowState_, toolBarLayouts());
    updateCommandStates();
}

QMenu* CMainFrame::createPopupMenu() {
    QMenu* menu = QMainWindow::createPopupMenu();
    if (!menu) menu = new QMenu(this);
    menu->addSeparator();
    menu->addAction(commands_->action(cmd::Customize));
    return menu;
}

void CMainFrame::restoreWindowLayout() {
    RestoreWindowLayout(*this, windowState_);
}

void CMainFrame::saveWindowLayout() {
    SaveWindowLayout(*this, windowState_);
}

} // namespace zelk
