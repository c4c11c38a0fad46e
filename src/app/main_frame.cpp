#include "main_frame.h"

#include "app_context.h"
#include "chart_tabs.h"
#include "child_frame.h"
#include "class_view.h"
#include "command_ids.h"
#include "command_table.h"
#include "finder_edit.h"
#include "res_text.h"
#include "settings_dlg_commands.h"
#include "side_panes.h"
#include "view/print_commands.h"
#include "view/zelk_view_widget.h"
#include "view_tree.h"
#include "visual_style.h"
#include "zelk_doc.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSettings>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>

namespace zelk {

CMainFrame::CMainFrame(AppContext& context, ClientSettings& clientSettings, QSettings& windowState)
    : context_(context), clientSettings_(clientSettings), windowState_(windowState) {
    setWindowTitle(ProductTitle());
    applyStoredStyle();
    createMdiArea();
    createCommands();
    createMenuBar();
    createStandardToolBar();
    createStatusBar();
    createClientPane();
    createHiddenPanes();
    createUserToolBars();
    connectCommands();
    restoreWindowLayout();
    updateCommandStates();
}

CMainFrame::~CMainFrame() {
    shutDown();
    // Windows and panes still emit signals while the base class destroys them,
    // when this object is no longer a main frame: nothing may reach it then.
    destroying_ = true;
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
}

void CMainFrame::applyStoredStyle() {
    style_ = LoadApplicationLook(windowState_);
    ApplyVisualStyle(style_);
}

void CMainFrame::createMdiArea() {
    mdi_ = new QMdiArea(this);
    mdi_->setViewMode(QMdiArea::TabbedView);
    mdi_->setTabsClosable(true);
    mdi_->setTabsMovable(true);
    mdi_->setDocumentMode(true);
    mdi_->setTabShape(QTabWidget::Rounded);
    setCentralWidget(mdi_);
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this] { onChartWindowActivated(); });
}

void CMainFrame::createCommands() {
    commands_ = std::make_unique<CommandTable>(this);
    functionMenu_ = new QMenu(this);
    viewMenu_ = commands_->buildFunctionMenu(functionMenu_);
    connect(functionMenu_, &QMenu::aboutToShow, this, &CMainFrame::updateCommandStates);
    // Every command answers its shortcut wherever its buttons are (or are not).
    for (int id : commands_->ids())
        addAction(commands_->action(id));
    tabs_ = new ChartTabs(mdi_, commands_->action(cmd::WindowManager));
}

void CMainFrame::createMenuBar() {
    commands_->buildHiddenMenus(menuBar());
    // The menu bar carries the shortcuts; its commands are reached through the
    // client pane's menu button, so the bar itself is not shown.
    for (QAction* a : menuBar()->actions())
        addAction(a);
    menuBar()->hide();
}

void CMainFrame::createStandardToolBar() {
    if (context_.settings.UserNewView != 1) return;
    standardBar_ = addToolBar(Res(124));
    standardBar_->setObjectName(QStringLiteral("standardToolBar"));
    auto* open = new QAction(QStringLiteral("開啟舊檔"), standardBar_);
    open->setData(cmd::StandardOpen);
    open->setEnabled(false);
    auto* save = new QAction(QStringLiteral("儲存檔案"), standardBar_);
    save->setData(cmd::StandardSave);
    save->setEnabled(false);
    standardBar_->addAction(commands_->action(cmd::NewClient));
    standardBar_->addAction(open);
    standardBar_->addAction(save);
    standardBar_->addAction(commands_->action(cmd::Print));
    standardBar_->addAction(commands_->action(cmd::About));
}

void CMainFrame::createStatusBar() {
    for (int i = 0; i < 3; ++i) {
        auto* indicator = new QLabel(this);
        indicator->setMinimumWidth(40);
        statusBar()->addPermanentWidget(indicator);
        indicators_.push_back(indicator);
    }
    statusBar()->showMessage(QString());
}

void CMainFrame::createClientPane() {
    auto* dock = new QDockWidget(Res(158), this);
    dock->setObjectName(QStringLiteral("pane%1").arg(cmd::ClientPane));
    clientPane_ = new CClassView(clientSettings_, *commands_, functionMenu_, dock);
    clientPane_->toolBar()->setObjectName(QStringLiteral("clientPaneToolBar"));
    clientPane_->toolBar()->setWindowTitle(Res(158));
    dock->setWidget(clientPane_);
    dock->setMinimumWidth(200);
    addDockWidget(Qt::LeftDockWidgetArea, dock);
    resizeDocks({dock}, {220}, Qt::Horizontal);
    docks_.push_back(dock);
    CViewTree* t = clientPane_->tree();
    connect(t, &CViewTree::clientChosen, this, &CMainFrame::openClientChart);
    connect(t, &CViewTree::selectedItemClicked, this, [this](int p) {
        if (context_.settings.UserNewView == 0) openClientChart(p);
    });
    connect(t, &CViewTree::checksChanged, this, &CMainFrame::updateCommandStates);
    connect(t, &CViewTree::recordsMoved, this, &CMainFrame::repointOpenCharts);
}

void CMainFrame::createHiddenPanes() {
    struct PaneSpec {
        int id;
        int title;
        QWidget* widget;
        QSize size;
    };
    auto* output = new COutputWnd;
    const PaneSpec panes[] = {
        {cmd::FileViewPane, 157, new CFileView, {200, 200}},
        {cmd::OutputPane, 159, output, {100, 100}},
        {cmd::PropertiesPane, 160, new CPropertiesWnd, {200, 200}},
    };
    for (const PaneSpec& pane : panes) {
        auto* dock = new QDockWidget(Res(pane.title), this);
        dock->setObjectName(QStringLiteral("pane%1").arg(pane.id));
        pane.widget->setParent(dock);
        pane.widget->resize(pane.size);
        dock->setWidget(pane.widget);
        addDockWidget(
            pane.id == cmd::OutputPane ? Qt::BottomDockWidgetArea : Qt::RightDockWidgetArea, dock);
        dock->hide();
        docks_.push_back(dock);
    }
    connect(output, &COutputWnd::hideRequested, this, [this] { dock(cmd::OutputPane)->hide(); });
    // The pane menu: every pane can be shown or hidden from the command menu's
    // 檢視, the hidden menu bar and the context menu of the dock areas.
    QAction* first = viewMenu_->actions().value(0);
    for (QDockWidget* d : docks_)
        viewMenu_->insertAction(first, d->toggleViewAction());
    viewMenu_->insertSeparator(first);
    for (QAction* a : menuBar()->actions())
        if (a->menu() && a->text() == QStringLiteral("檢視(&V)"))
            for (QDockWidget* d : docks_)
                a->menu()->addAction(d->toggleViewAction());
}

QDockWidget* CMainFrame::dock(int paneId) const {
    const QString name = QStringLiteral("pane%1").arg(paneId);
    for (QDockWidget* d : docks_)
        if (d->objectName() == name) return d;
    return nullptr;
}

void CMainFrame::connectCommands() {
    CommandTable& c = *commands_;
    c.handle(cmd::NewClientFile, [this] { newClientFile(); });
    c.handle(cmd::OpenClientFile, [this] { openClientFile(); });
    c.handle(cmd::SaveClientFileAs, [this] { saveClientFileAs(); });
    c.handle(cmd::ImportParameters, [this] { importParameters(); });
    c.handle(cmd::ImportClients, [this] { importClients(); });
    c.handle(cmd::ExportParameters, [this] { exportParameters(); });
    c.handle(cmd::ExportClients, [this] { exportClients(); });
    c.handle(cmd::ExportChartImage, [this] { exportChartImage(); });
    c.handle(cmd::RefreshTime, [this] { refreshTime(); });
    c.handle(cmd::RestoreDefaults, [this] { restoreDefaults(); });
    c.handle(cmd::About, [this] { showAboutBox(); });
    c.handle(cmd::CloseAllCharts, [this] { closeAllCharts(); });
    c.handle(cmd::Exit, [this] { close(); });
    c.handle(cmd::OpenChecked, [this] { openCheckedClients(); });
    c.handle(cmd::NewClient, [this] { newClient(); });
    c.handle(cmd::ModifyClient, [this] { modifyClient(); });
    c.handle(cmd::DeleteClient, [this] { deleteClient(); });
    c.handle(cmd::DeleteClientDialog, [this] { deleteClientDialog(); });
    c.handle(cmd::ToggleAll, [this] { toggleAllChecks(); });
    c.handle(cmd::FunctionMenu, [this] { showFunctionMenu(); });
    for (int id : SettingsCommandIds())
        c.handle(id, [this, id] { runSettingsCommand(id); });
    for (int id : {cmd::Print, cmd::PrintPreview, cmd::PrintSetup})
        c.handle(id, [this, id] { runPrintCommand(id); });
    c.handle(cmd::WindowManager, [this] { showWindowManager(); });
    c.handle(cmd::Customize, [this] { customizeToolBars(); });
    for (int id : kStyleIds)
        c.handle(id, [this, id] { selectVisualStyle(id); });
}

void CMainFrame::runPrintCommand(int id) {
    // Printing needs a chart on display (the rule keeps the commands off otherwise);
    // an empty chart window made only to refuse the job would stay behind.
    CChildFrame* frame = currentChartWindow();
    if (!frame && id != cmd::PrintSetup) return;
    PrintRequest request;
    if (frame) {
        request.source.record = frame->document()->record();
        request.source.settings = context_.settings;
        request.source.state = frame->view()->viewState();
        request.source.state.now = context_.now;
        request.source.screenImage = frame->view()->canvasImage();
        const QPointer<CChildFrame> guard(frame);
        request.repaintView = [guard] {
            if (guard) guard->chartChanged();
        };
        // While previewing, the tab says so; afterwards it names the chart again,
        // level caption included.
        request.setDocumentTitle = [guard](const QString& title) {
            if (!guard) return;
            CZelkDoc* doc = guard->document();
            if (title == PreviewTitle(doc->record())) {
                guard->setWindowTitle(title);
            } else {
                doc->setTitleFromName();
                guard->setWindowTitle(doc->title());
            }
        };
    }
    request.restoreMainTitle = [this] {
        setWindowTitle(ProductTitle());
        updateCommandStates();
    };
    RunPrintCommand(id, this, request);
    updateCommandStates();
}

void CMainFrame::runSettingsCommand(int id) {
    SettingsCommandHooks hooks;
    hooks.refreshAllCharts = [this] { refreshAllCharts(); };
    hooks.repaint = [this] {
        for (CChildFrame* f : chartWindows())
            f->chartChanged();
        update();
    };
    RunSettingsCommand(id, this, context_, hooks);
    // A confirmed chart-parameter dialog may have switched 自訂四化 on or off.
    updateCommandStates();
}

void CMainFrame::selectVisualStyle(int styleId) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    style_ = styleId;
    ApplyVisualStyle(styleId);
    tabs_->followStyle();
    SaveApplicationLook(windowState_, styleId);
    update();
    QApplication::restoreOverrideCursor();
    updateCommandStates();
}

CViewTree* CMainFrame::tree() const {
    return clientPane_->tree();
}

std::vector<CChildFrame*> CMainFrame::chartWindows() const {
    std::vector<CChildFrame*> frames;
    for (QMdiSubWindow* w : mdi_->subWindowList())
        if (auto* f = qobject_cast<CChildFrame*>(w); f && !f->closing()) frames.push_back(f);
    return frames;
}

CChildFrame* CMainFrame::currentChartWindow() const {
    if (auto* f = qobject_cast<CChildFrame*>(mdi_->currentSubWindow()); f && !f->closing())
        return f;
    // The chart window made current last, while it is still open.
    for (CChildFrame* f : chartWindows())
        if (f == lastCurrent_) return f;
    return nullptr;
}

CChildFrame* CMainFrame::newChartWindow() {
    auto* frame = new CChildFrame(context_);
    mdi_->addSubWindow(frame);
    tabs_->adopt(frame);
    // The buttons follow the chart as soon as it is shown or changed, not only
    // when another window becomes active.
    connect(frame->document(), &CZelkDoc::chartChanged, this, &CMainFrame::updateCommandStates);
    connect(frame->document(), &CZelkDoc::titleChanged, this, &CMainFrame::updateCommandStates);
    // A click on the client lines of the chart edits that chart's client.
    connect(frame, &CChildFrame::modifyClientRequested, this, [this, frame] {
        if (frame->document()->clientIndex() >= 0) runInputDialog(frame, true);
    });
    connect(frame, &QObject::destroyed, this, [this, frame] {
        if (lastCurrent_ == frame) lastCurrent_ = nullptr;
        updateCommandStates();
    });
    frame->showMaximized();
    mdi_->setActiveSubWindow(frame);
    lastCurrent_ = frame;
    updateCommandStates();
    return frame;
}

void CMainFrame::onChartWindowActivated() {
    if (destroying_) return;
    if (auto* f = qobject_cast<CChildFrame*>(mdi_->activeSubWindow())) {
        lastCurrent_ = f;
        // The pane follows the chart: its client is selected there.
        if (f->document()->clientIndex() >= 0) {
            tree()->selectClientItem(f->document()->clientIndex());
            tree()->setSelectedByChart(true);
        }
    }
    setWindowTitle(ProductTitle());
    updateCommandStates();
}

void CMainFrame::updateCommandStates() {
    if (destroying_) return;
    CommandState s;
    if (CChildFrame* f = currentChartWindow()) {
        s.chartWindowCurrent = true;
        s.currentShownLevel = f->document()->shownLevel();
    }
    s.previewOpen = IsPreviewOpen();
    s.checkedClients = tree()->countCheckedClients();
    s.clientCount = static_cast<int>(tree()->clients().size());
    s.fourHuaType = context_.settings.FourHuaType;
    commands_->applyRules(s);
    for (int id : kStyleIds)
        if (QAction* a = commands_->action(id)) a->setChecked(EffectiveStyle(style_) == id);
}

void CMainFrame::shutDown() {
    if (shutDown_) return;
    shutDown_ = true;
    saveWindowLayout();
    // The finder text is kept; the list was written with every change, and is
    // written once more unless another program holds the database.
    context_.storeStringSetting(609, clientPane_->finder()->textToStore());
    if (!lock_.readOnly()) report(tree()->database().SaveClientDatabase());
    lock_.release();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    shutDown();
    event->accept();
}

} // namespace zelk
