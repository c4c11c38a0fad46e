#include "side_panes.h"

#include "command_ids.h"
#include "res_text.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zelk {

namespace {

constexpr int kCopy = 57634;
constexpr int kClear = 57632;

QVBoxLayout* TightLayout(QWidget* w) {
    auto* layout = new QVBoxLayout(w);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

} // namespace

COutputWnd::COutputWnd(QWidget* parent) : QWidget(parent) {
    tabs_ = new QTabWidget(this);
    TightLayout(this)->addWidget(tabs_);
    addList(Res(374)); // 建置
    addList(Res(375)); // 偵錯
    addList(Res(376)); // 尋找
}

QListWidget* COutputWnd::addList(const QString& title) {
    auto* list = new QListWidget(tabs_);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, this,
            [this, list](const QPoint& at) { showListMenu(list, at); });
    tabs_->addTab(list, title);
    return list;
}

void COutputWnd::showListMenu(QListWidget* list, const QPoint& at) {
    QMenu menu(this);
    QAction* copy = menu.addAction(QStringLiteral("複製"));
    copy->setData(kCopy);
    QAction* clear = menu.addAction(QStringLiteral("清除"));
    clear->setData(kClear);
    QAction* hide = menu.addAction(QStringLiteral("隱藏"));
    hide->setData(cmd::OutputPane);
    QAction* chosen = menu.exec(list->mapToGlobal(at));
    if (chosen == copy && list->currentItem())
        QApplication::clipboard()->setText(list->currentItem()->text());
    else if (chosen == clear)
        list->clear();
    else if (chosen == hide)
        emit hideRequested();
}

CPropertiesWnd::CPropertiesWnd(QWidget* parent) : QWidget(parent) {
    auto* layout = TightLayout(this);
    auto* combo = new QComboBox(this);
    combo->addItems({QStringLiteral("應用程式"), QStringLiteral("屬性視窗")});
    layout->addWidget(combo);
    auto* bar = new QToolBar(this);
    for (int id = 151; id <= 154; ++id)
        bar->addAction(QString::number(id))->setData(id);
    layout->addWidget(bar);
    grid_ = new QTreeWidget(this);
    grid_->setColumnCount(2);
    grid_->setHeaderHidden(true);
    auto* look = new QTreeWidgetItem(grid_, {QStringLiteral("外觀")});
    new QTreeWidgetItem(look, {QStringLiteral("立體外觀"), QStringLiteral("否")});
    new QTreeWidgetItem(look, {QStringLiteral("框線"), QStringLiteral("對話方塊框架")});
    new QTreeWidgetItem(look, {QStringLiteral("標題"), QStringLiteral("關於")});
    auto* size = new QTreeWidgetItem(grid_, {QStringLiteral("視窗大小")});
    new QTreeWidgetItem(size, {QStringLiteral("高度"), QStringLiteral("100")});
    new QTreeWidgetItem(size, {QStringLiteral("寬度"), QStringLiteral("200")});
    grid_->expandAll();
    layout->addWidget(grid_);
}

CFileView::CFileView(QWidget* parent) : QWidget(parent) {
    auto* layout = TightLayout(this);
    auto* bar = new QToolBar(this);
    bar->addAction(Res(377)); // 檔案總管
    layout->addWidget(bar);
    tree_ = new QTreeWidget(this);
    tree_->setHeaderHidden(true);
    auto* root = new QTreeWidgetItem(tree_, {QStringLiteral("檔案")});
    auto* src = new QTreeWidgetItem(root, {QStringLiteral("原始程式檔")});
    new QTreeWidgetItem(src, {QStringLiteral("命盤.cpp")});
    auto* hdr = new QTreeWidgetItem(root, {QStringLiteral("標頭檔")});
    new QTreeWidgetItem(hdr, {QStringLiteral("命盤.h")});
    tree_->expandAll();
    layout->addWidget(tree_);
}

} // namespace zelk
