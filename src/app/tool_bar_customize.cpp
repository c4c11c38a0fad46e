#include "tool_bar_customize.h"

#include "command_ids.h"
#include "command_table.h"
#include "res_text.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include <algorithm>

namespace zelk {

namespace {

const QString kGroup = QStringLiteral("ToolBars");
const QString kUserBarsKey = QStringLiteral("ToolBars/UserBars");
constexpr int kCommandRole = Qt::UserRole + 1;

// Commands without a picture get an empty one, so every name starts at one edge.
QIcon IconOrBlank(const QIcon& icon) {
    if (!icon.isNull()) return icon;
    QPixmap blank(20, 20);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

QString ButtonsKey(const QString& name) {
    return kGroup + QLatin1Char('/') + name;
}
QString TitleKey(const QString& name) {
    return kGroup + QLatin1Char('/') + name + QStringLiteral("Title");
}

// 自訂... without its dots: the dialog's title.
QString DialogTitle() {
    QString title = Res(125);
    while (title.endsWith(QLatin1Char('.')))
        title.chop(1);
    return title;
}

} // namespace

std::vector<int> DefaultPaneButtons() {
    return {cmd::OpenChecked,  cmd::NewClient, cmd::ModifyClient,
            cmd::DeleteClient, cmd::ToggleAll, cmd::Print};
}

std::vector<int> DefaultStandardButtons() {
    return {cmd::NewClient, cmd::StandardOpen, cmd::StandardSave, cmd::Print, cmd::About};
}

std::vector<int> ParseCommandList(const QString& text, const CommandTable& table) {
    std::vector<int> commands;
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int id = part.trimmed().toInt(&ok);
        const bool known =
            table.action(id) != nullptr || id == cmd::StandardOpen || id == cmd::StandardSave;
        if (!ok || !known || id == cmd::FunctionMenu) continue;
        if (std::find(commands.begin(), commands.end(), id) != commands.end()) continue;
        commands.push_back(id);
    }
    return commands;
}

QString FormatCommandList(const std::vector<int>& commands) {
    QStringList parts;
    for (int id : commands)
        parts << QString::number(id);
    return parts.join(QLatin1Char(','));
}

QString UserToolBarName(int id) {
    return QStringLiteral("userToolBar%1").arg(id);
}

std::vector<int> LoadToolBarButtons(QSettings& store, const QString& name,
                                    const std::vector<int>& defaults, const CommandTable& table) {
    const QVariant stored = store.value(ButtonsKey(name));
    if (!stored.isValid()) return defaults;
    return ParseCommandList(stored.toString(), table);
}

std::vector<ToolBarLayout> LoadUserToolBars(QSettings& store, const CommandTable& table) {
    std::vector<ToolBarLayout> bars;
    const QStringList ids =
        store.value(kUserBarsKey).toString().split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString& text : ids) {
        bool ok = false;
        const int id = text.toInt(&ok);
        if (!ok || id < cmd::FirstUserToolBar || id > cmd::LastUserToolBar) continue;
        const QString name = UserToolBarName(id);
        if (std::any_of(bars.begin(), bars.end(),
                        [&name](const ToolBarLayout& b) { return b.name == name; }))
            continue;
        ToolBarLayout bar;
        bar.name = name;
        bar.title = store.value(TitleKey(name)).toString();
        if (bar.title.isEmpty()) bar.title = QStringLiteral("工具列 %1").arg(id - 59431);
        bar.commands = ParseCommandList(store.value(ButtonsKey(name)).toString(), table);
        bar.userMade = true;
        bars.push_back(bar);
    }
    return bars;
}

void SaveToolBarLayouts(QSettings& store, const std::vector<ToolBarLayout>& layouts) {
    // User bars no longer listed are forgotten with their buttons.
    for (int id = cmd::FirstUserToolBar; id <= cmd::LastUserToolBar; ++id) {
        store.remove(ButtonsKey(UserToolBarName(id)));
        store.remove(TitleKey(UserToolBarName(id)));
    }
    QStringList userIds;
    for (const ToolBarLayout& bar : layouts) {
        store.setValue(ButtonsKey(bar.name), FormatCommandList(bar.commands));
        if (bar.userMade) {
            store.setValue(TitleKey(bar.name), bar.title);
            userIds << bar.name.mid(QStringLiteral("userToolBar").size());
        }
    }
    store.setValue(kUserBarsKey, userIds.join(QLatin1Char(',')));
    store.sync();
}

// ---------------------------------------------------------------------------

CCustomizeDlg::CCustomizeDlg(const CommandTable& table, std::vector<ToolBarLayout> layouts,
                             std::vector<ToolBarLayout> defaults, QWidget* parent)
    : QDialog(parent), table_(table), layouts_(std::move(layouts)), defaults_(std::move(defaults)) {
    setWindowTitle(DialogTitle());
    bars_ = new QComboBox(this);
    newBar_ = new QPushButton(QStringLiteral("新增工具列..."), this);
    deleteBar_ = new QPushButton(QStringLiteral("刪除工具列"), this);
    available_ = new QListWidget(this);
    buttons_ = new QListWidget(this);
    for (QListWidget* list : {available_, buttons_}) {
        list->setMinimumSize(220, 300);
        list->setIconSize(QSize(20, 20));
    }
    add_ = new QPushButton(QStringLiteral("加入(&A) →"), this);
    remove_ = new QPushButton(QStringLiteral("← 移除(&R)"), this);
    up_ = new QPushButton(QStringLiteral("上移(&U)"), this);
    down_ = new QPushButton(QStringLiteral("下移(&D)"), this);
    reset_ = new QPushButton(QStringLiteral("回復預設值"), this);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    box->button(QDialogButtonBox::Ok)->setText(QStringLiteral("確定"));
    box->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));

    auto* barRow = new QHBoxLayout;
    barRow->addWidget(new QLabel(QStringLiteral("工具列："), this));
    barRow->addWidget(bars_, 1);
    barRow->addWidget(newBar_);
    barRow->addWidget(deleteBar_);
    auto* middle = new QVBoxLayout;
    middle->addStretch(1);
    for (QPushButton* b : {add_, remove_, up_, down_})
        middle->addWidget(b);
    middle->addSpacing(12);
    middle->addWidget(reset_);
    middle->addStretch(1);
    auto* lists = new QGridLayout;
    lists->addWidget(new QLabel(QStringLiteral("可用的命令："), this), 0, 0);
    lists->addWidget(new QLabel(QStringLiteral("工具列上的按鈕："), this), 0, 2);
    lists->addWidget(available_, 1, 0);
    lists->addLayout(middle, 1, 1);
    lists->addWidget(buttons_, 1, 2);
    auto* top = new QVBoxLayout(this);
    top->addLayout(barRow);
    top->addLayout(lists, 1);
    top->addWidget(box);

    connect(bars_, &QComboBox::currentIndexChanged, this, &CCustomizeDlg::chooseBar);
    connect(add_, &QPushButton::clicked, this, &CCustomizeDlg::addChosenCommand);
    connect(remove_, &QPushButton::clicked, this, &CCustomizeDlg::removeChosenButton);
    connect(up_, &QPushButton::clicked, this, [this] { moveChosenButton(-1); });
    connect(down_, &QPushButton::clicked, this, [this] { moveChosenButton(1); });
    connect(reset_, &QPushButton::clicked, this, &CCustomizeDlg::restoreDefaultButtons);
    connect(newBar_, &QPushButton::clicked, this, [this] {
        bool ok = false;
        const QString title = QInputDialog::getText(
            this, QStringLiteral("新增工具列"), QStringLiteral("工具列名稱："), QLineEdit::Normal,
            QStringLiteral("工具列 %1").arg(bars_->count()), &ok);
        if (ok && !title.trimmed().isEmpty()) addUserToolBar(title.trimmed());
    });
    connect(deleteBar_, &QPushButton::clicked, this, &CCustomizeDlg::removeUserToolBar);
    connect(available_, &QListWidget::itemDoubleClicked, this, &CCustomizeDlg::addChosenCommand);
    connect(available_, &QListWidget::currentRowChanged, this, &CCustomizeDlg::followChoice);
    connect(buttons_, &QListWidget::currentRowChanged, this, &CCustomizeDlg::followChoice);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);

    fillAvailable();
    for (const ToolBarLayout& bar : layouts_)
        bars_->addItem(bar.title);
    chooseBar(0);
}

void CCustomizeDlg::fillAvailable() {
    for (int id : table_.idsInMenuOrder()) {
        if (id == cmd::FunctionMenu) continue;
        QAction* a = table_.action(id);
        auto* item = new QListWidgetItem(IconOrBlank(a->icon()), table_.label(id), available_);
        item->setData(kCommandRole, id);
    }
    available_->setCurrentRow(0);
}

ToolBarLayout& CCustomizeDlg::current() {
    const int index = std::clamp(bars_->currentIndex(), 0, int(layouts_.size()) - 1);
    return layouts_[std::size_t(index)];
}

void CCustomizeDlg::chooseBar(int index) {
    if (index < 0 || index >= int(layouts_.size())) return;
    if (bars_->currentIndex() != index) {
        bars_->setCurrentIndex(index); // comes back here through the signal
        return;
    }
    showButtons();
}

void CCustomizeDlg::showButtons() {
    const int keep = buttons_->currentRow();
    buttons_->clear();
    if (layouts_.empty()) return;
    for (int id : current().commands) {
        QAction* a = table_.action(id);
        QString text = a ? table_.label(id) : Res(124) + QStringLiteral("：") + QString::number(id);
        if (id == cmd::StandardOpen) text = QStringLiteral("開啟舊檔");
        if (id == cmd::StandardSave) text = QStringLiteral("儲存檔案");
        auto* item = new QListWidgetItem(IconOrBlank(a ? a->icon() : QIcon()), text, buttons_);
        item->setData(kCommandRole, id);
    }
    buttons_->setCurrentRow(std::min(keep, buttons_->count() - 1));
    followChoice();
}

void CCustomizeDlg::followChoice() {
    const bool any = !layouts_.empty();
    const int row = buttons_->currentRow();
    const int count = buttons_->count();
    add_->setEnabled(any && available_->currentItem() != nullptr);
    remove_->setEnabled(any && row >= 0);
    up_->setEnabled(any && row > 0);
    down_->setEnabled(any && row >= 0 && row + 1 < count);
    deleteBar_->setEnabled(any && current().userMade);
    newBar_->setEnabled(std::count_if(layouts_.begin(), layouts_.end(), [](const auto& b) {
                            return b.userMade;
                        }) < cmd::LastUserToolBar - cmd::FirstUserToolBar + 1);
}

void CCustomizeDlg::addChosenCommand() {
    QListWidgetItem* item = available_->currentItem();
    if (!item || layouts_.empty()) return;
    const int id = item->data(kCommandRole).toInt();
    std::vector<int>& commands = current().commands;
    const auto existing = std::find(commands.begin(), commands.end(), id);
    if (existing != commands.end()) {
        // A command has one button per bar: choosing it again selects that button.
        buttons_->setCurrentRow(int(existing - commands.begin()));
        return;
    }
    const int row = buttons_->currentRow();
    const int at = row < 0 ? int(commands.size()) : row + 1;
    commands.insert(commands.begin() + at, id);
    showButtons();
    buttons_->setCurrentRow(at);
}

void CCustomizeDlg::removeChosenButton() {
    const int row = buttons_->currentRow();
    if (layouts_.empty() || row < 0 || row >= int(current().commands.size())) return;
    current().commands.erase(current().commands.begin() + row);
    showButtons();
}

void CCustomizeDlg::moveChosenButton(int step) {
    const int row = buttons_->currentRow();
    const int to = row + step;
    std::vector<int>& commands = current().commands;
    if (layouts_.empty() || row < 0 || to < 0 || to >= int(commands.size())) return;
    std::swap(commands[std::size_t(row)], commands[std::size_t(to)]);
    showButtons();
    buttons_->setCurrentRow(to);
}

void CCustomizeDlg::restoreDefaultButtons() {
    if (layouts_.empty()) return;
    ToolBarLayout& bar = current();
    bar.commands.clear();
    for (const ToolBarLayout& d : defaults_)
        if (d.name == bar.name) bar.commands = d.commands;
    showButtons();
}

bool CCustomizeDlg::addUserToolBar(const QString& title) {
    for (int id = cmd::FirstUserToolBar; id <= cmd::LastUserToolBar; ++id) {
        const QString name = UserToolBarName(id);
        if (std::any_of(layouts_.begin(), layouts_.end(),
                        [&name](const ToolBarLayout& b) { return b.name == name; }))
            continue;
        layouts_.push_back({name, title, {}, true});
        bars_->addItem(title);
        chooseBar(int(layouts_.size()) - 1);
        return true;
    }
    return false;
}

void CCustomizeDlg::removeUserToolBar() {
    const int index = bars_->currentIndex();
    if (index < 0 || index >= int(layouts_.size()) || !layouts_[std::size_t(index)].userMade)
        return;
    layouts_.erase(layouts_.begin() + index);
    {
        const QSignalBlocker quiet(bars_);
        bars_->removeItem(index);
        bars_->setCurrentIndex(std::max(0, index - 1));
    }
    showButtons();
}

} // namespace zelk
