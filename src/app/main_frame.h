// CMainFrame: the main window. A tabbed area of chart windows, the docking client
// pane, three hidden side panes, a status bar, a hidden menu bar (its commands are
// reached through the client pane's 各項功能 button) and, with UserNewView 1, the
// standard tool bar. It routes the command table to its handlers.
#pragma once

#include "clients/client_messages.h"
#include "database_lock.h"

#include <QMainWindow>

#include <memory>
#include <set>
#include <vector>

class QDockWidget;
class QLabel;
class QMdiArea;
class QMenu;
class QSettings;
class QToolBar;

namespace zelk {

class CChildFrame;
class CClassView;
class ChartTabs;
class CViewTree;
class CommandTable;
class ClientSettings;
struct AppContext;
struct SettingsCommandResult;
struct ToolBarLayout;
struct tagUserInfo;

class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    CMainFrame(AppContext& context, ClientSettings& clientSettings, QSettings& windowState);
    ~CMainFrame() override;

    // Start-up: the database (the one named on the command line, else the current
    // one) is locked and read into the client pane, then the stored finder applies.
    void openStartupDatabase(const QString& commandLinePath);

    CommandTable& commands() { return *commands_; }
    CClassView* clientPane() const { return clientPane_; }
    CViewTree* tree() const;
    QMdiArea* mdiArea() const { return mdi_; }
    QMenu* functionMenu() const { return functionMenu_; }
    // The 檢視 sub-menu of the command menu: panes, looks, customisation, windows.
    QMenu* viewMenu() const { return viewMenu_; }
    ChartTabs* chartTabs() const { return tabs_; }
    QDockWidget* dock(int paneId) const;
    bool databaseReadOnly() const { return lock_.readOnly(); }

    std::vector<CChildFrame*> chartWindows() const;
    CChildFrame* currentChartWindow() const;
    CChildFrame* newChartWindow();

    // The commands, as the buttons and menus run them.
    void openClientChart(int position);
    void newClient();
    void modifyClient();
    void deleteClient();
    void deleteClientDialog();
    void openCheckedClients();
    void toggleAllChecks();
    void closeAllCharts();
    void closeChartsOfClient(int32_t id);
    void newClientFile();
    void openClientFile();
    void saveClientFileAs();
    void importClients();
    void exportClients();
    void importParameters();
    void exportParameters();
    void restoreDefaults();
    void exportChartImage();
    void refreshTime();
    void showAboutBox();
    // 列印, 預覽列印 and 列印設定 for the current chart window.
    void runPrintCommand(int id);
    // The settings dialogs, 自訂四化 and 垂象法則; a confirmed dialog makes the
    // open charts follow.
    void runSettingsCommand(int id);
    // 各項功能 run as a command (from a tool bar the user made): the menu pops up
    // under the button, or at the mouse.
    void showFunctionMenu();
    // 視窗(&W)...: the open chart windows, to activate or close.
    void showWindowManager();
    // 自訂...: the buttons of the tool bars.
    void customizeToolBars();
    std::vector<ToolBarLayout> toolBarLayouts() const;
    void applyToolBarLayouts(const std::vector<ToolBarLayout>& layouts);
    QToolBar* toolBar(const QString& name) const;
    void selectVisualStyle(int styleId);
    int visualStyle() const { return style_; }

    // Every open chart recomputes after the chart settings changed.
    void refreshAllCharts();

    // Runs the input dialog on a chart window and stores the client on 排盤.
    bool runInputDialog(CChildFrame* frame, bool modify);

    // After records moved: every open chart finds its client again.
    void repointOpenCharts(const std::set<int>& removed, bool fileChanged);
    void updateCommandStates();
    // What closing the program does once: keeps the finder text, writes the list
    // and releases the database.
    void shutDown();
    // Shows every notice of a client-layer result (text and path).
    void report(const ClientStoreResult& result);

    // Window size, position, maximised state, docks and tool bars, kept in the
    // per-user store; the first run fits the screen's available area.
    void restoreWindowLayout();
    void saveWindowLayout();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // The pane menu (right click on a dock's title or a tool bar): the panes, the
    // tool bars and 自訂....
    QMenu* createPopupMenu() override;

  private:
    void createMdiArea();
    void createCommands();
    void createMenuBar();
    void createStandardToolBar();
    void createStatusBar();
    void createClientPane();
    void createHiddenPanes();
    void connectCommands();
    void createUserToolBars();
    void applyStoredStyle();
    void adoptChartWindow(CChildFrame* frame);

    bool refuseWhenReadOnly();
    void showSettingsResult(const SettingsCommandResult& result, const QString& path);
    void lockDatabase(const QString& path);
    void onChartWindowActivated();
    bool loadIntoFrame(CChildFrame* frame, const tagUserInfo& client, int position);

    AppContext& context_;
    ClientSettings& clientSettings_;
    QSettings& windowState_;
    std::unique_ptr<CommandTable> commands_;
    QMdiArea* mdi_ = nullptr;
    QMenu* functionMenu_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    ChartTabs* tabs_ = nullptr;
    QToolBar* standardBar_ = nullptr;
    std::vector<QToolBar*> userBars_;
    CClassView* clientPane_ = nullptr;
    std::vector<QDockWidget*> docks_;
    std::vector<QLabel*> indicators_;
    CChildFrame* lastCurrent_ = nullptr;
    DatabaseLock lock_;
    int style_ = 0;
    bool shutDown_ = false;
    bool destroying_ = false;
};

} // namespace zelk
