#include "four_hua_edit_dlg.h"

#include "app_context.h"
#include "message_box.h"
#include "res_text.h"
#include "settings/four_hua_text.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"
#include "settings_dlg_base.h"
#include "settings_dlg_controls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelk {

namespace {

constexpr int kStarNames = 205; // 205 + n: the name of FourHuaStarNumber n
constexpr int kStemNames = 135; // 135 + s: 甲 ... 癸
constexpr int kHuaNames = 230;  // 祿 權 科 忌
constexpr int kStemCount = 10;

// The row buttons' own texts ("修改已" is the button's text as it has always been).
constexpr const char16_t* kRowButtonTexts[kStemCount] = {u"修改甲", u"修改乙", u"修改丙", u"修改丁",
                                                         u"修改戊", u"修改已", u"修改庚", u"修改辛",
                                                         u"修改壬", u"修改癸"};

int CellStar(uint32_t mask) {
    const int n = FourHuaStarNumber(mask);
    return n < kFourHuaStarCount ? n : -1;
}

} // namespace

QString FourHuaCellText(uint32_t mask) {
    const int n = CellStar(mask);
    return n < 0 ? QString() : Res(kStarNames + n);
}

// ---------------------------------------------------------------------------
// 修改四化

CEditSkyFourHua::CEditSkyFourHua(int stem, const Row& stars, QWidget* parent)
    : QDialog(parent), stem_(stem >= 0 && stem < kStemCount ? stem : 0) {
    setObjectName(QStringLiteral("dlg%1").arg(sdlg::FourHuaRowDialog));
    setWindowTitle(QStringLiteral("修改四化"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    auto* stemEdit = new QLineEdit(Res(kStemNames + stem_), this);
    stemEdit->setReadOnly(true);
    NameControl(stemEdit, sdlg::fourhua::RowStem);
    grid->addWidget(stemEdit, 0, 0, 1, 2);
    for (int k = 0; k < 4; ++k) {
        auto* combo = new QComboBox(this);
        NameControl(combo, sdlg::fourhua::kRowCombos[k]);
        for (int n = 0; n < kFourHuaStarCount; ++n)
            combo->addItem(Res(kStarNames + n));
        combos_[static_cast<std::size_t>(k)] = combo;
        grid->addWidget(new QLabel(Res(kHuaNames + k), this), k + 1, 0);
        grid->addWidget(combo, k + 1, 1);
    }
    layout->addLayout(grid);
    QAbstractButton* defaults = AddDialogButtons(this, layout, true);
    connect(defaults, &QAbstractButton::clicked, this, &CEditSkyFourHua::restoreDefaults);
    select(stars);
}

void CEditSkyFourHua::select(const Row& stars) {
    for (std::size_t k = 0; k < 4; ++k) {
        const int n = stars[k];
        combos_[k]->setCurrentIndex(n >= 0 && n < kFourHuaStarCount ? n : -1);
    }
}

CEditSkyFourHua::Row CEditSkyFourHua::selections() const {
    Row row{};
    for (std::size_t k = 0; k < 4; ++k)
        row[k] = combos_[k]->currentIndex();
    return row;
}

QWidget* CEditSkyFourHua::control(int controlId) const {
    return FindDialogControl(this, controlId);
}

void CEditSkyFourHua::restoreDefaults() {
    Row row{};
    for (std::size_t k = 0; k < 4; ++k)
        row[k] = FourHuaStarNumber(kDefaultFourHuaTable[static_cast<std::size_t>(stem_)][k]);
    select(row);
}

// ---------------------------------------------------------------------------
// 編輯四化

CEditFourHua::CEditFourHua(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), table_(context.settings.UserFourHuaTable) {
    setObjectName(QStringLiteral("dlg%1").arg(sdlg::FourHuaTableDialog));
    setWindowTitle(QStringLiteral("編輯四化"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    for (int k = 0; k < 4; ++k)
        grid->addWidget(new QLabel(Res(kHuaNames + k), this), 0, k + 1);
    for (int s = 0; s < kStemCount; ++s) {
        grid->addWidget(new QLabel(Res(kStemNames + s), this), s + 1, 0);
        for (int k = 0; k < 4; ++k) {
            auto* cell = new QLineEdit(this);
            cell->setReadOnly(true);
            NameControl(cell, sdlg::fourhua::kCells[s][k]);
            cells_[static_cast<std::size_t>(s)][static_cast<std::size_t>(k)] = cell;
            grid->addWidget(cell, s + 1, k + 1);
        }
        auto* button = new QPushButton(QString::fromUtf16(kRowButtonTexts[s]), this);
        NameControl(button, sdlg::fourhua::kRowButtons[s]);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, s] { editRow(s); });
        grid->addWidget(button, s + 1, 5);
    }
    layout->addLayout(grid);
    QAbstractButton* defaults = AddDialogButtons(this, layout, true);
    connect(defaults, &QAbstractButton::clicked, this, &CEditFourHua::restoreDefaults);
    showCells();
}

QWidget* CEditFourHua::control(int controlId) const {
    return FindDialogControl(this, controlId);
}

void CEditFourHua::showCells() {
    for (std::size_t s = 0; s < cells_.size(); ++s)
        for (std::size_t k = 0; k < 4; ++k)
            cells_[s][k]->setText(FourHuaCellText(table_[s][k]));
}

void CEditFourHua::editRow(int stem) {
    if (stem < 0 || stem >= kStemCount) return;
    const auto& masks = table_[static_cast<std::size_t>(stem)];
    CEditSkyFourHua::Row stars{};
    for (std::size_t k = 0; k < 4; ++k)
        stars[k] = CellStar(masks[k]);
    CEditSkyFourHua row(stem, stars, this);
    if (row.exec() == QDialog::Accepted) setRow(stem, row.selections());
}

void CEditFourHua::setRow(int stem, const CEditSkyFourHua::Row& stars) {
    if (stem < 0 || stem >= kStemCount) return;
    auto& masks = table_[static_cast<std::size_t>(stem)];
    for (std::size_t k = 0; k < 4; ++k) {
        const int n = stars[k];
        masks[k] = n >= 0 && n < kFourHuaStarCount ? FourHuaStarMask(n) : 0u;
    }
    showCells();
    update();
}

void CEditFourHua::restoreDefaults() {
    table_ = kDefaultFourHuaTable;
    showCells();
}

void CEditFourHua::accept() {
    const IniResult r = PutStringSetting(kStarSectionId, key::UserDefinedFourHuaData,
                                         FormatFourHuaText(table_), context_.settingsPath);
    if (!r) {
        WarnText(SettingsWriteFailureText(r, context_.settingsPath), this);
        return;
    }
    context_.settings.UserFourHuaTable = table_;
    QDialog::accept();
}

} // namespace zelk
