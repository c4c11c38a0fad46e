#include "search_dlg.h"

#include "app_context.h"
#include "calendar/date_text.h"
#include "clients/client_numbers.h"
#include "command_ids.h"
#include "message_box.h"
#include "res_text.h"
#include "view_tree.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace zelk {

namespace {

constexpr int kSearchMaxChars = 31;
CSearchListDlg::Chooser gChooser;

QString BranchOfHourIndex(int hourIndex) {
    // 12, the late 子 hour, is 子 again; anything out of range shows as 子 too.
    const int branch = (hourIndex >= 0 && hourIndex < 12) ? hourIndex : 0;
    return Res(145 + branch);
}

} // namespace

QString PickListLine(const tagUserInfo& c, int yearDisplay) {
    const QString tail = QString::asprintf("%3d", c.month) + Res(172) +
                         QString::asprintf("%3d", c.day) + Res(173) +
                         BranchOfHourIndex(c.hourIndex) + Res(174);
    if (yearDisplay == 1) {
        std::string year;
        FormatMinguoYear(c.year, year);
        return QString::fromStdString(year) + tail;
    }
    return c.name.text() + Res(180) + QString::asprintf("%4d", c.year) + Res(171) + tail;
}

CSearchListDlg::CSearchListDlg(const QString& name, const QStringList& lines, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("dlg%1").arg(ctl::PickListDialog));
    setWindowTitle(QStringLiteral("刪除個人資料"));
    auto* nameBox = new QLineEdit(name, this);
    nameBox->setObjectName(QStringLiteral("ctl%1").arg(ctl::PickName));
    nameBox->setEnabled(false);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("ctl%1").arg(ctl::PickList));
    list_->addItems(lines);
    if (!lines.isEmpty()) list_->setCurrentRow(0);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("刪除"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("大名："), this), 0, 0);
    grid->addWidget(nameBox, 0, 1);
    grid->addWidget(list_, 1, 0, 1, 2);
    grid->addWidget(buttons, 2, 0, 1, 2);
}

int CSearchListDlg::chosenRow() const {
    return list_->currentRow();
}

void CSearchListDlg::SetChooser(Chooser chooser) {
    gChooser = std::move(chooser);
}

int CSearchListDlg::Choose(const QString& name, const QStringList& lines, QWidget* parent) {
    if (gChooser) return gChooser(lines);
    CSearchListDlg dialog(name, lines, parent);
    if (dialog.exec() != QDialog::Accepted) return -1;
    return dialog.chosenRow();
}

CSearchDlg::CSearchDlg(CViewTree& tree, AppContext& context, int32_t currentId, QWidget* parent)
    : QDialog(parent), tree_(tree), context_(context), currentId_(currentId) {
    setObjectName(QStringLiteral("dlg%1").arg(ctl::DeleteDialog));
    setWindowTitle(QStringLiteral("刪除個人資料"));
    auto named = [](auto* w, int id) {
        w->setObjectName(QStringLiteral("ctl%1").arg(id));
        return w;
    };
    searchBox_ = named(new QLineEdit(this), ctl::SearchBox);
    searchBox_->setMaxLength(kSearchMaxChars);
    surname_ = named(new QRadioButton(QStringLiteral("使用姓氏查詢"), this), ctl::SurnameMode);
    fullName_ = named(new QRadioButton(QStringLiteral("使用全名查詢"), this), ctl::FullNameMode);
    allNames_ = named(new QRadioButton(QStringLiteral("顯示所有姓名"), this), ctl::AllNamesMode);
    searchButton_ = named(new QPushButton(QStringLiteral("搜尋"), this), ctl::SearchButton);
    names_ = named(new QComboBox(this), ctl::NameList);
    auto* ok = named(new QPushButton(QStringLiteral("確定"), this), ctl::DeleteOk);
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("輸入姓氏或全名"), this), 0, 0);
    grid->addWidget(searchBox_, 0, 1);
    grid->addWidget(searchButton_, 0, 2);
    grid->addWidget(surname_, 1, 0);
    grid->addWidget(fullName_, 1, 1);
    grid->addWidget(allNames_, 1, 2);
    grid->addWidget(names_, 2, 0, 1, 3);
    grid->addWidget(ok, 3, 1);
    grid->addWidget(cancel, 3, 2);

    connect(surname_, &QRadioButton::clicked, this, [this] { chooseMode(Mode::Surname); });
    connect(fullName_, &QRadioButton::clicked, this, [this] { chooseMode(Mode::FullName); });
    connect(allNames_, &QRadioButton::clicked, this, [this] { chooseMode(Mode::AllNames); });
    connect(searchButton_, &QPushButton::clicked, this, &CSearchDlg::search);
    connect(ok, &QPushButton::clicked, this, &CSearchDlg::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    allNames_->setChecked(true);
    searchButton_->setEnabled(false);
    fillAll(currentId);
}

QWidget* CSearchDlg::control(int id) const {
    return findChild<QWidget*>(QStringLiteral("ctl%1").arg(id));
}

QString CSearchDlg::displayName(const tagUserInfo& client) const {
    if (!client.name.empty()) return client.name.text();
    return MakeClientAutoName(client, context_.settings.UserNextId, context_.settings.YearDisplay);
}

void CSearchDlg::showEntries(int selected) {
    names_->clear();
    for (const Entry& e : entries_)
        names_->addItem(e.name);
    if (!entries_.empty()) names_->setCurrentIndex(selected);
}

void CSearchDlg::fillAll(int32_t preferredId) {
    entries_.clear();
    int selected = -1;
    for (const tagUserInfo& c : tree_.clients()) {
        if (c.id == preferredId && selected < 0) selected = static_cast<int>(entries_.size());
        entries_.push_back({displayName(c), c.id});
    }
    if (selected < 0) selected = 0;
    showEntries(selected);
}

void CSearchDlg::fillSurname() {
    const QString typed = searchBox_->text();
    if (typed.isEmpty()) return;
    entries_.clear();
    for (const tagUserInfo& c : tree_.clients()) {
        const QString name = displayName(c);
        if (name.startsWith(typed, Qt::CaseSensitive)) entries_.push_back({name, c.id});
    }
    showEntries(0);
}

void CSearchDlg::chooseMode(Mode mode) {
    mode_ = mode;
    (mode == Mode::Surname    ? surname_
     : mode == Mode::FullName ? fullName_
                              : allNames_)
        ->setChecked(true);
    names_->setEnabled(mode != Mode::FullName);
    searchButton_->setEnabled(mode == Mode::Surname);
    if (mode == Mode::AllNames) fillAll(currentId_);
    if (mode == Mode::Surname) fillSurname();
}

void CSearchDlg::search() {
    if (mode_ == Mode::Surname) fillSurname();
}

void CSearchDlg::deleteAt(int position) {
    emit deletionResult(tree_.deleteClientAt(position));
}

void CSearchDlg::confirm() {
    if (mode_ == Mode::FullName)
        confirmFullName();
    else
        confirmListMode();
}

void CSearchDlg::confirmListMode() {
    const int row = names_->currentIndex();
    if (row < 0 || row >= static_cast<int>(entries_.size()) || entries_[row].name.isEmpty()) {
        WarnById(416, this);
        return;
    }
    tagUserInfo key;
    key.name.assign(entries_[row].name);
    key.id = entries_[row].id;
    const std::vector<ClientIndex> matches = tree_.database().FindClientsByNameAndId(key);
    if (matches.empty()) {
        WarnById(416, this);
        return;
    }
    if (matches.size() == 1) {
        deleteAt(matches.front());
    } else {
        QStringList lines;
        for (ClientIndex p : matches)
            lines << PickListLine(tree_.clients()[p], context_.settings.YearDisplay);
        const int chosen = CSearchListDlg::Choose(entries_[row].name, lines, this);
        if (chosen >= 0 && chosen < static_cast<int>(matches.size())) deleteAt(matches[chosen]);
    }
    accept();
}

void CSearchDlg::confirmFullName() {
    const QString typed = searchBox_->text().trimmed();
    std::vector<int> matches;
    const ClientList& list = tree_.clients();
    for (int p = 0; p < static_cast<int>(list.size()); ++p)
        if (!typed.isEmpty() && list[p].name.text().compare(typed, Qt::CaseInsensitive) == 0)
            matches.push_back(p);
    if (matches.empty()) {
        WarnById(416, this);
        return;
    }
    // Even a single match is confirmed in the pick list: nothing else in this mode
    // says which client is meant.
    QStringList lines;
    for (int p : matches)
        lines << PickListLine(list[p], context_.settings.YearDisplay);
    const int chosen = CSearchListDlg::Choose(typed, lines, this);
    if (chosen >= 0 && chosen < static_cast<int>(matches.size())) deleteAt(matches[chosen]);
    accept();
}

} // namespace zelk
