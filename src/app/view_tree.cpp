#include "view_tree.h"

#include "clients/client_import_export.h"
#include "tree_icons.h"

#include <QFont>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace zelk {

QString RootLabelOf(const QString& path) {
    return ClientTreeRootLabel(path);
}

CViewTree::CViewTree(ClientSettings& settings, QWidget* parent)
    : QTreeWidget(parent), db_(settings), maleIcon_(MaleIcon()), femaleIcon_(FemaleIcon()) {
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(12);
    setIconSize(QSize(16, 16));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setContextMenuPolicy(Qt::NoContextMenu);
    setUniformRowHeights(true);
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) { onCurrentItemChanged(current); });
    connect(this, &QTreeWidget::itemCollapsed, this, &CViewTree::onItemCollapsed);
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem*) {
        if (!rebuilding_) expandGuard_ = true;
    });
    connect(this, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem*, int) {
        if (!rebuilding_) emit checksChanged();
    });
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item, int) {
        if (!selectedByChart_ || !item || !item->parent()) return;
        selectedByChart_ = false;
        emit selectedItemClicked(PositionOfItem(item));
    });
}

ClientStoreResult CViewTree::loadClientDatabase(const QString& path) {
    const QString before = db_.currentPath();
    ClientStoreResult result = db_.LoadClientDatabase(path);
    return afterChange(result, {}, db_.currentPath() != before);
}

QTreeWidgetItem* CViewTree::makeClientItem(const tagUserInfo& record, int position) const {
    auto* item = new QTreeWidgetItem;
    item->setText(0, record.name.text());
    item->setIcon(0, record.sex != 0 ? femaleIcon_ : maleIcon_);
    item->setData(0, Qt::UserRole, position);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(0, Qt::Unchecked);
    return item;
}

void CViewTree::rebuildClientTree() {
    rebuilding_ = true;
    const QSignalBlocker block(this);
    clear();
    expandGuard_ = false;
    // The items are made first and handed to the tree in one step: inserting tens
    // of thousands of rows one at a time would notify the view for each.
    auto* root = new QTreeWidgetItem;
    root->setText(0, RootLabelOf(db_.currentPath()));
    root->setIcon(0, RootIcon());
    root->setData(0, Qt::UserRole, 0);
    root->setFlags(Qt::ItemIsEnabled);
    QFont bold = font();
    bold.setBold(true);
    root->setFont(0, bold);
    const ClientList& list = db_.clients();
    QList<QTreeWidgetItem*> items;
    for (int p = 0; p < static_cast<int>(list.size()); ++p)
        if (MatchesClientFilter(filter_, list[p])) items.append(makeClientItem(list[p], p));
    root->addChildren(items);
    addTopLevelItem(root);
    root->setExpanded(true);
    rebuilding_ = false;
}

void CViewTree::presetClientFinder(const QString& text) {
    filter_ = ApplyClientFinder(text);
}

void CViewTree::applyClientFinder(const QString& text) {
    filter_ = ApplyClientFinder(text);
    rebuildClientTree();
    emit checksChanged();
}

ClientStoreResult CViewTree::afterChange(ClientStoreResult result, const std::set<int>& removed,
                                         bool fileChanged) {
    rebuildClientTree();
    emit recordsMoved(removed, fileChanged);
    emit checksChanged();
    return result;
}

ClientStoreResult CViewTree::storeClient(const tagUserInfo& record, int index) {
    ClientStoreResult result = afterChange(db_.StoreClient(record, index), {}, false);
    if (result.ok) selectClientItem(result.index);
    return result;
}

ClientStoreResult CViewTree::deleteClientAt(int index) {
    ClientStoreResult result = db_.DeleteClientAt(index);
    return afterChange(result, result.ok ? std::set<int>{index} : std::set<int>{}, false);
}

ClientStoreResult CViewTree::deleteClientsAt(const std::set<int>& positions) {
    std::set<int> valid;
    for (int p : positions)
        if (p >= 0 && p < db_.count()) valid.insert(p);
    ClientStoreResult result = db_.DeleteClientsAt(valid);
    return afterChange(result, result.ok ? valid : std::set<int>{}, false);
}

ClientStoreResult CViewTree::appendClients(const ClientList& source) {
    return afterChange(db_.AppendClients(source), {}, false);
}

ClientStoreResult CViewTree::importClientFile(const QString& path) {
    ClientImportResult result = ImportClientFile(db_, ClientFileExtension(path), path);
    return afterChange(result, {}, false);
}

ClientStoreResult CViewTree::createDatabase(const QString& path) {
    return afterChange(db_.CreateClientDatabase(path), {}, true);
}

ClientStoreResult CViewTree::switchDatabase(const QString& path) {
    const QString before = db_.currentPath();
    ClientStoreResult result = db_.SwitchClientDatabase(path);
    return afterChange(result, {}, db_.currentPath() != before);
}

ClientStoreResult CViewTree::saveDatabaseAs(const QString& path) {
    // The same records under a new name: positions stay as they were.
    return afterChange(db_.SaveClientDatabaseAs(path), {}, false);
}

QTreeWidgetItem* CViewTree::itemOfPosition(int position) const {
    QTreeWidgetItem* root = rootItem();
    if (!root) return nullptr;
    // Client items stand in list order, so their positions increase.
    int lo = 0, hi = root->childCount() - 1;
    while (lo <= hi) {
        const int mid = lo + (hi - lo) / 2;
        const int p = PositionOfItem(root->child(mid));
        if (p == position) return root->child(mid);
        if (p < position)
            lo = mid + 1;
        else
            hi = mid - 1;
    }
    return nullptr;
}

int CViewTree::PositionOfItem(const QTreeWidgetItem* item) {
    if (!item || !item->parent()) return -1;
    bool ok = false;
    const int p = item->data(0, Qt::UserRole).toInt(&ok);
    return ok ? p : -1;
}

void CViewTree::selectClientItem(int position) {
    QTreeWidgetItem* item = itemOfPosition(position);
    if (!item) return;
    const QSignalBlocker block(this);
    setCurrentItem(item);
    scrollToItem(item);
}

int CViewTree::countCheckedClients() const {
    return static_cast<int>(checkedPositions().size());
}

std::vector<int> CViewTree::checkedPositions() const {
    std::vector<int> positions;
    QTreeWidgetItem* root = rootItem();
    if (!root) return positions;
    for (int i = 0; i < root->childCount(); ++i)
        if (root->child(i)->checkState(0) == Qt::Checked)
            positions.push_back(PositionOfItem(root->child(i)));
    return positions;
}

void CViewTree::setChecked(int position, bool on) {
    if (QTreeWidgetItem* item = itemOfPosition(position))
        item->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
}

void CViewTree::toggleAllChecks() {
    checkAllState_ = !checkAllState_;
    QTreeWidgetItem* root = rootItem();
    if (!root) return;
    {
        const QSignalBlocker block(this);
        for (int i = 0; i < root->childCount(); ++i)
            root->child(i)->setCheckState(0, checkAllState_ ? Qt::Checked : Qt::Unchecked);
    }
    viewport()->update();
    emit checksChanged();
}

void CViewTree::mousePressEvent(QMouseEvent* event) {
    mouseChoosing_ = true;
    QTreeWidget::mousePressEvent(event);
    mouseChoosing_ = false;
}

void CViewTree::onCurrentItemChanged(QTreeWidgetItem* current) {
    if (!mouseChoosing_ || !current || !current->parent()) return;
    emit clientChosen(PositionOfItem(current));
}

void CViewTree::onItemCollapsed(QTreeWidgetItem* item) {
    // The root stays open: once expanded after a rebuild, collapsing is refused.
    if (expandGuard_ && item == rootItem()) item->setExpanded(true);
}

} // namespace zelk
