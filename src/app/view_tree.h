// CViewTree: the client tree of the client pane. It owns the client database (the
// list and its file) and shows one root, labelled with the file, and one checkable
// item per client that passes the finder; an item's data is its position in the
// list. Every change to the list goes through here, so the tree always shows the
// list as it is on disk.
#pragma once

#include "clients/client_database.h"
#include "clients/client_finder.h"

#include <QIcon>
#include <QTreeWidget>

#include <set>
#include <vector>

namespace zelk {

class CViewTree : public QTreeWidget {
    Q_OBJECT
  public:
    CViewTree(ClientSettings& settings, QWidget* parent = nullptr);

    ClientDatabase& database() { return db_; }
    const ClientList& clients() const { return db_.clients(); }
    const ClientFilter& filter() const { return filter_; }

    // Reads a database file (empty: the current one) and rebuilds the tree.
    ClientStoreResult loadClientDatabase(const QString& path = {});
    void rebuildClientTree();
    void applyClientFinder(const QString& text);
    // The filter of a finder text without rebuilding (the next rebuild applies it).
    void presetClientFinder(const QString& text);

    // Changes to the list; each rebuilds the tree and reports the positions it
    // removed through recordsMoved, so open charts can find their clients again.
    ClientStoreResult storeClient(const tagUserInfo& record, int index);
    ClientStoreResult deleteClientAt(int index);
    ClientStoreResult deleteClientsAt(const std::set<int>& positions);
    ClientStoreResult appendClients(const ClientList& source);
    // Imports a CSV, .AID or .kvy file (by its extension) with fresh numbers.
    ClientStoreResult importClientFile(const QString& path);
    ClientStoreResult createDatabase(const QString& path);
    ClientStoreResult switchDatabase(const QString& path);
    ClientStoreResult saveDatabaseAs(const QString& path);

    QTreeWidgetItem* rootItem() const { return topLevelItemCount() ? topLevelItem(0) : nullptr; }
    QTreeWidgetItem* itemOfPosition(int position) const;
    static int PositionOfItem(const QTreeWidgetItem* item);
    void selectClientItem(int position);
    int countCheckedClients() const;
    std::vector<int> checkedPositions() const; // in list order
    void setChecked(int position, bool on);
    void toggleAllChecks();
    bool checkAllState() const { return checkAllState_; }

    void setSelectedByChart(bool on) { selectedByChart_ = on; }
    bool selectedByChart() const { return selectedByChart_; }

  signals:
    // A client item chosen with the mouse (its position).
    void clientChosen(int position);
    // A click on the item a chart window's activation had selected.
    void selectedItemClicked(int position);
    void checksChanged();
    // The list was re-read; `removed` holds the positions deleted by this change,
    // `fileChanged` is set when another database file became current.
    void recordsMoved(const std::set<int>& removed, bool fileChanged);

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QTreeWidgetItem* makeClientItem(const tagUserInfo& record, int position) const;
    void onCurrentItemChanged(QTreeWidgetItem* current);
    void onItemCollapsed(QTreeWidgetItem* item);
    ClientStoreResult afterChange(ClientStoreResult result, const std::set<int>& removed,
                                  bool fileChanged);

    ClientDatabase db_;
    QIcon maleIcon_, femaleIcon_;
    ClientFilter filter_;
    bool selectedByChart_ = false;
    bool expandGuard_ = false;
    bool checkAllState_ = false;
    bool mouseChoosing_ = false;
    bool rebuilding_ = false;
};

// Root label of a database file: "<file title>_客戶資料".
QString RootLabelOf(const QString& path);

} // namespace zelk
