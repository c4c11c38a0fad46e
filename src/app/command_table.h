// The command table: one QAction per command number, the 各項功能 menu built from
// them, and the update rules that enable and disable them. The actions are shared
// by the menu, the client pane's tool bar, the hidden menu bar and the shortcuts.
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace zelk {

// What the update rules look at.
struct CommandState {
    bool chartWindowCurrent = false; // a chart window is the current one
    int currentShownLevel = -1;      // its shownLevel (-1 none)
    bool previewOpen = false;        // a print preview is open
    int checkedClients = 0;
    int clientCount = 0;
    int fourHuaType = 0;
};

// Whether the command has anything behind it; one that has not stays disabled
// whatever its rule says (分析資料).
bool CommandAvailable(int id);
// The update rule of one command (its availability aside).
bool CommandRuleEnables(int id, const CommandState& state);

class CommandTable : public QObject {
    Q_OBJECT
  public:
    explicit CommandTable(QWidget* owner);

    QAction* action(int id) const;
    // The command's name without mnemonic, with 匯入/匯出 before the file kinds
    // (both sub-menus have a 參數 and a 客戶名單).
    QString label(int id) const;
    // Every command number of the table, ascending.
    std::vector<int> ids() const;
    // The same numbers in the order the command menu lists them, then the rest.
    std::vector<int> idsInMenuOrder() const;
    // Connects a command to its handler.
    void handle(int id, std::function<void()> handler);
    // Fills the popup "檔案(&F)" of the 各項功能 button; returns its 檢視 sub-menu,
    // where the main window adds its panes.
    QMenu* buildFunctionMenu(QMenu* menu) const;
    // The hidden menu bar's menus (the same settings commands, the school dialog,
    // the client commands and the visual styles).
    void buildHiddenMenus(QWidget* menuBar) const;
    void applyRules(const CommandState& state);

  private:
    QAction* add(int id, const QString& text);
    void addLooksMenu(QMenu* menu) const;

    QWidget* owner_;
    std::map<int, QAction*> actions_;
};

} // namespace zelk
