#include "class_view.h"

#include "command_ids.h"
#include "command_table.h"
#include "finder_edit.h"
#include "tree_icons.h"
#include "view_tree.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace zelk {

namespace {
constexpr int kFinderHeight = 20;
constexpr int kInset = 1;
} // namespace

CClassView::CClassView(ClientSettings& settings, CommandTable& commands, QMenu* functionMenu,
                       QWidget* parent)
    : QWidget(parent) {
    createToolBar(commands, functionMenu);
    tree_ = new CViewTree(settings, this);
    finder_ = new CMyFinderEdit(this);
    finder_->setFixedHeight(kFinderHeight);
    connect(finder_, &QLineEdit::textChanged, tree_, &CViewTree::applyClientFinder);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar_);
    auto* inset = new QVBoxLayout;
    inset->setContentsMargins(kInset, kInset, kInset, kInset);
    inset->setSpacing(kInset);
    inset->addWidget(finder_);
    inset->addWidget(tree_, 1);
    layout->addLayout(inset, 1);
    setFocusProxy(tree_);
}

void CClassView::createToolBar(CommandTable& commands, QMenu* functionMenu) {
    toolBar_ = new QToolBar(this);
    toolBar_->setIconSize(QSize(20, 20));
    toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    functionButton_ = new QToolButton(toolBar_);
    functionButton_->setMenu(functionMenu);
    functionButton_->setPopupMode(QToolButton::InstantPopup);
    functionButton_->setDefaultAction(commands.action(cmd::FunctionMenu));
    toolBar_->addWidget(functionButton_);
    for (int id : {cmd::OpenChecked, cmd::NewClient, cmd::ModifyClient, cmd::DeleteClient,
                   cmd::ToggleAll, cmd::Print})
        toolBar_->addAction(commands.action(id));
}

void CClassView::focusInEvent(QFocusEvent*) {
    tree_->setFocus();
}

} // namespace zelk
