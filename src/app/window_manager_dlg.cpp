#include "window_manager_dlg.h"

#include "chart_tabs.h"
#include "res_text.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelk {

namespace {

constexpr int kWindowRole = Qt::UserRole + 1;

// "視窗(&W)..." without its mnemonic and dots: the dialog's title.
QString TitleOf(QString menuText) {
    menuText.remove(QStringLiteral("(&W)"));
    menuText.remove(QLatin1Char('&'));
    while (menuText.endsWith(QLatin1Char('.')))
        menuText.chop(1);
    return menuText.trimmed();
}

QIcon Swatch(const QColor& colour) {
    QPixmap pm(14, 14);
    pm.fill(Qt::transparent);
    if (colour.isValid()) {
        QPainter p(&pm);
        p.setPen(colour.darker(150));
        p.setBrush(colour);
        p.drawRect(1, 1, 11, 11);
    }
    return QIcon(pm);
}

} // namespace

CWindowManagerDlg::CWindowManagerDlg(QMdiArea* area, QWidget* parent)
    : QDialog(parent), area_(area) {
    setWindowTitle(TitleOf(Res(131)));
    list_ = new QListWidget(this);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setMinimumSize(320, 220);
    activate_ = new QPushButton(QStringLiteral("啟用(&A)"), this);
    closeWindows_ = new QPushButton(QStringLiteral("關閉視窗(&C)"), this);
    auto* done = new QDialogButtonBox(QDialogButtonBox::Close, this);
    done->button(QDialogButtonBox::Close)->setText(QStringLiteral("關閉"));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(activate_);
    buttons->addWidget(closeWindows_);
    buttons->addStretch(1);
    buttons->addWidget(done);
    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("選取視窗："), this));
    left->addWidget(list_, 1);
    top->addLayout(left, 1);
    top->addLayout(buttons);
    setLayout(top);

    connect(activate_, &QPushButton::clicked, this, &CWindowManagerDlg::activateSelected);
    connect(closeWindows_, &QPushButton::clicked, this, &CWindowManagerDlg::closeSelected);
    connect(done, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemSelectionChanged, this, &CWindowManagerDlg::followSelection);
    connect(list_, &QListWidget::itemDoubleClicked, this, &CWindowManagerDlg::activateSelected);
    fill();
}

void CWindowManagerDlg::fill() {
    list_->clear();
    QMdiSubWindow* current = area_->currentSubWindow();
    for (QMdiSubWindow* w : area_->subWindowList(QMdiArea::CreationOrder)) {
        auto* item = new QListWidgetItem(Swatch(ChartTabs::colourOf(w)), w->windowTitle(), list_);
        item->setData(kWindowRole, QVariant::fromValue(static_cast<QObject*>(w)));
        if (w == current) list_->setCurrentItem(item);
    }
    if (!list_->currentItem() && list_->count() > 0) list_->setCurrentRow(0);
    followSelection();
}

QList<QMdiSubWindow*> CWindowManagerDlg::selectedWindows() const {
    QList<QMdiSubWindow*> windows;
    for (QListWidgetItem* item : list_->selectedItems())
        if (auto* w = qobject_cast<QMdiSubWindow*>(item->data(kWindowRole).value<QObject*>()))
            if (area_->subWindowList().contains(w)) windows << w;
    return windows;
}

void CWindowManagerDlg::followSelection() {
    const int selected = static_cast<int>(list_->selectedItems().size());
    activate_->setEnabled(selected == 1);
    closeWindows_->setEnabled(selected >= 1);
}

void CWindowManagerDlg::activateSelected() {
    const QList<QMdiSubWindow*> windows = selectedWindows();
    if (windows.size() != 1) return;
    area_->setActiveSubWindow(windows.front());
    accept();
}

void CWindowManagerDlg::closeSelected() {
    // Closing one window must not leave a dangling pointer to another.
    QList<QPointer<QMdiSubWindow>> windows;
    for (QMdiSubWindow* w : selectedWindows())
        windows << w;
    for (const QPointer<QMdiSubWindow>& w : windows)
        if (w) w->close();
    fill();
}

} // namespace zelk
