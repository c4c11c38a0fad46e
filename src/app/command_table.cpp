#include "command_table.h"

#include "command_ids.h"
#include "res_text.h"
#include "settings_dlg_commands.h"
#include "tree_icons.h"
#include "visual_style.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>

#include <algorithm>

namespace zelk {

namespace {

// Tool-tip texts of the client pane's buttons: tool tip, then the button's name.
struct PaneButton {
    int id;
    const char16_t* tip;
};
constexpr PaneButton kPaneButtons[] = {
    {cmd::FunctionMenu, u"各項功能\n功能設定"},
    {cmd::OpenChecked, u"請先勾選\n開啟命盤"},
    {cmd::NewClient, u"個人資料\n新增命盤"},
    {cmd::ModifyClient, u"個人資料\n修改命盤"},
    {cmd::DeleteClient, u"勾選或目前命盤\n刪除命盤"},
    {cmd::ToggleAll, u"選取/不選\n命盤全選"},
    {cmd::Print, u"列印使用中文件\n列印"},
};

} // namespace

bool CommandAvailable(int id) {
    // 分析資料 has no analysis behind it in this version.
    return id != cmd::ExportAnalysis;
}

bool CommandRuleEnables(int id, const CommandState& s) {
    const bool chartShown = s.chartWindowCurrent && s.currentShownLevel >= 0 && !s.previewOpen;
    switch (id) {
    case cmd::UserFourHua:
        return s.fourHuaType == 3;
    case cmd::ExportAnalysis:
        return false;
    case cmd::ExportChartImage:
        return s.chartWindowCurrent;
    case cmd::OpenChecked:
        return s.checkedClients > 0;
    case cmd::ModifyClient:
    case cmd::Print:
    case cmd::PrintPreview:
        return chartShown;
    case cmd::DeleteClient:
        return !s.previewOpen &&
               (s.checkedClients > 0 || (s.chartWindowCurrent && s.currentShownLevel >= 0));
    case cmd::ToggleAll:
        return s.clientCount > 0;
    case cmd::CloseAllCharts:
        return s.chartWindowCurrent && !s.previewOpen;
    default:
        return true;
    }
}

CommandTable::CommandTable(QWidget* owner) : QObject(owner), owner_(owner) {
    add(cmd::NewClientFile, QStringLiteral("開新客戶資料檔"));
    add(cmd::OpenClientFile, QStringLiteral("開啟舊客戶資料檔"));
    add(cmd::SaveClientFileAs, QStringLiteral("另存客戶資料檔"));
    add(cmd::ChartParameters, QStringLiteral("設定排盤參數..."));
    add(cmd::InterfaceSettings, QStringLiteral("操作介面設定"));
    add(cmd::StarDisplay, QStringLiteral("設定星曜顯示..."));
    add(cmd::PrintParameters, QStringLiteral("設定列印參數..."));
    add(cmd::UserFourHua, QStringLiteral("自訂四化"));
    add(cmd::Print, QStringLiteral("列印(&P)..."))->setShortcut(QKeySequence::Print);
    add(cmd::PrintPreview, QStringLiteral("預覽列印(&V)"));
    add(cmd::PrintSetup, QStringLiteral("列印設定(&R)..."));
    add(cmd::ImportParameters, QStringLiteral("參數"));
    add(cmd::ImportClients, QStringLiteral("客戶名單"));
    add(cmd::ImportRules, QStringLiteral("吉凶垂象法則設定"));
    add(cmd::ExportParameters, QStringLiteral("參數"));
    add(cmd::ExportClients, QStringLiteral("客戶名單"));
    add(cmd::ExportAnalysis, QStringLiteral("分析資料"));
    add(cmd::ExportChartImage, QStringLiteral("排盤圖檔"));
    add(cmd::RefreshTime, QStringLiteral("更新時間"));
    add(cmd::RestoreDefaults, QStringLiteral("回復系統預設值"));
    add(cmd::About, QStringLiteral("關於 ") + ProductTitle() + QStringLiteral("..."));
    add(cmd::CloseAllCharts, QStringLiteral("關閉所有命盤"));
    add(cmd::Exit, QStringLiteral("結束(&X)"));
    add(cmd::School, QStringLiteral("設定門派..."));
    add(cmd::DeleteClientDialog, QStringLiteral("刪除個人資料"));
    add(cmd::WindowManager, Res(131));
    add(cmd::Customize, Res(125));
    for (const PaneButton& b : kPaneButtons) {
        const QString tip = QString::fromUtf16(b.tip);
        QAction* a = actions_.count(b.id) ? actions_.at(b.id) : add(b.id, tip.section('\n', 1));
        a->setIcon(ToolIcon(b.id));
        a->setToolTip(tip.section('\n', 0, 0));
        a->setStatusTip(tip.section('\n', 0, 0));
        if (b.id != cmd::Print) a->setText(tip.section('\n', 1));
    }
    // One look at a time: the menu shows them as a choice of one.
    auto* looks = new QActionGroup(this);
    looks->setExclusive(true);
    for (int id : kStyleIds) {
        QAction* a = add(id, StyleMenuText(id));
        a->setCheckable(true);
        looks->addAction(a);
    }
    // A tool-bar button of a command without a picture shows this name.
    for (auto& [id, a] : actions_)
        if (a->icon().isNull()) a->setIconText(label(id).remove(QStringLiteral("...")));
}

QString CommandTable::label(int id) const {
    QAction* a = action(id);
    if (!a) return {};
    QString text = a->text();
    // "列印(&P)..." -> "列印..."
    static const QRegularExpression mnemonic(QStringLiteral("\\(&.\\)"));
    text.remove(mnemonic);
    text.remove(QLatin1Char('&'));
    switch (id) {
    case cmd::ImportParameters:
    case cmd::ImportClients:
    case cmd::ImportRules:
        return QStringLiteral("匯入") + text;
    case cmd::ExportParameters:
    case cmd::ExportClients:
    case cmd::ExportAnalysis:
    case cmd::ExportChartImage:
        return QStringLiteral("匯出") + text;
    default:
        break;
    }
    if (id >= cmd::FirstStyle && id <= cmd::LastStyle) return QStringLiteral("外觀：") + text;
    return text;
}

QAction* CommandTable::add(int id, const QString& text) {
    auto* a = new QAction(text, owner_);
    a->setData(id);
    a->setObjectName(QStringLiteral("cmd%1").arg(id));
    actions_[id] = a;
    return a;
}

std::vector<int> CommandTable::idsInMenuOrder() const {
    std::vector<int> order;
    auto take = [this, &order](int id) {
        if (action(id) && std::find(order.begin(), order.end(), id) == order.end())
            order.push_back(id);
    };
    // The command menu first, sub-menus in place, then the pane's buttons and the rest.
    QMenu menu;
    buildFunctionMenu(&menu);
    std::function<void(const QMenu*)> walk = [&](const QMenu* m) {
        for (QAction* a : m->actions()) {
            if (a->menu())
                walk(a->menu());
            else if (!a->isSeparator())
                take(a->data().toInt());
        }
    };
    walk(&menu);
    for (const PaneButton& b : kPaneButtons)
        take(b.id);
    for (int id : ids())
        take(id);
    return order;
}

std::vector<int> CommandTable::ids() const {
    std::vector<int> all;
    all.reserve(actions_.size());
    for (const auto& entry : actions_)
        all.push_back(entry.first);
    return all;
}

QAction* CommandTable::action(int id) const {
    auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

void CommandTable::handle(int id, std::function<void()> handler) {
    if (QAction* a = action(id))
        connect(a, &QAction::triggered, this, [h = std::move(handler)] { h(); });
}

QMenu* CommandTable::buildFunctionMenu(QMenu* menu) const {
    menu->setTitle(QStringLiteral("檔案(&F)"));
    for (int id : {cmd::NewClientFile, cmd::OpenClientFile, cmd::SaveClientFileAs})
        menu->addAction(action(id));
    menu->addSeparator();
    for (int id : {cmd::ChartParameters, cmd::InterfaceSettings, cmd::StarDisplay,
                   cmd::PrintParameters, cmd::School, cmd::UserFourHua})
        menu->addAction(action(id));
    menu->addSeparator();
    for (int id : {cmd::Print, cmd::PrintPreview, cmd::PrintSetup})
        menu->addAction(action(id));
    menu->addSeparator();
    QMenu* import = menu->addMenu(QStringLiteral("匯入"));
    for (int id : {cmd::ImportParameters, cmd::ImportClients, cmd::ImportRules})
        import->addAction(action(id));
    QMenu* exportMenu = menu->addMenu(QStringLiteral("匯出"));
    for (int id :
         {cmd::ExportParameters, cmd::ExportClients, cmd::ExportAnalysis, cmd::ExportChartImage})
        exportMenu->addAction(action(id));
    // The menu bar is hidden, so the window commands and the looks are reached here.
    QMenu* view = menu->addMenu(QStringLiteral("檢視(&V)"));
    view->setObjectName(QStringLiteral("viewMenu"));
    addLooksMenu(view);
    view->addAction(action(cmd::Customize));
    view->addAction(action(cmd::WindowManager));
    menu->addSeparator();
    for (int id : {cmd::RefreshTime, cmd::RestoreDefaults, cmd::About})
        menu->addAction(action(id));
    menu->addSeparator();
    menu->addAction(action(cmd::CloseAllCharts));
    menu->addAction(action(cmd::Exit));
    return view;
}

void CommandTable::addLooksMenu(QMenu* menu) const {
    QMenu* looks = menu->addMenu(QStringLiteral("外觀"));
    for (int id : kStyleIds)
        looks->addAction(action(id));
}

void CommandTable::buildHiddenMenus(QWidget* menuBarWidget) const {
    auto* bar = qobject_cast<QMenuBar*>(menuBarWidget);
    if (!bar) return;
    QMenu* file = bar->addMenu(QStringLiteral("檔案(&F)"));
    buildFunctionMenu(file);
    QMenu* settings = bar->addMenu(QStringLiteral("設定(&S)"));
    for (int id : {cmd::ChartParameters, cmd::InterfaceSettings, cmd::StarDisplay,
                   cmd::PrintParameters, cmd::School, cmd::UserFourHua})
        settings->addAction(action(id));
    QMenu* clients = bar->addMenu(QStringLiteral("個人資料(&P)"));
    for (int id : {cmd::NewClient, cmd::ModifyClient, cmd::DeleteClientDialog})
        clients->addAction(action(id));
    QMenu* view = bar->addMenu(QStringLiteral("檢視(&V)"));
    addLooksMenu(view);
    view->addAction(action(cmd::Customize));
    QMenu* window = bar->addMenu(QStringLiteral("視窗(&W)"));
    window->addAction(action(cmd::WindowManager));
}

void CommandTable::applyRules(const CommandState& state) {
    for (auto& [id, a] : actions_) {
        if (id >= cmd::FirstStyle && id <= cmd::LastStyle) continue;
        a->setEnabled(CommandAvailable(id) && CommandRuleEnables(id, state));
    }
}

} // namespace zelk
