#include "settings_dlg_base.h"

#include "app_context.h"
#include "message_box.h"
#include "screen_fit.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"
#include "settings_dlg_controls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zelk {

QWidget* FindDialogControl(const QWidget* dialog, int controlId) {
    return dialog->findChild<QWidget*>(QStringLiteral("ctl%1").arg(controlId));
}

QString SettingsWriteFailureText(const IniResult& result, const QString& path) {
    if (!result.error.isEmpty()) return result.error;
    return QStringLiteral("無法寫入設定檔 %1").arg(QDir::toNativeSeparators(path));
}

void NameControl(QWidget* widget, int controlId) {
    widget->setObjectName(QStringLiteral("ctl%1").arg(controlId));
}

QAbstractButton* AddDialogButtons(QDialog* dialog, QBoxLayout* layout, bool withDefaults) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("確定"), dialog);
    NameControl(ok, sdlg::Ok);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    row->addWidget(ok);
    auto* cancel = new QPushButton(QStringLiteral("取消"), dialog);
    NameControl(cancel, sdlg::Cancel);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    row->addWidget(cancel);
    QPushButton* defaults = nullptr;
    if (withDefaults) {
        defaults = new QPushButton(QStringLiteral("回復預設值"), dialog);
        NameControl(defaults, sdlg::Defaults);
        row->addWidget(defaults);
    }
    layout->addLayout(row);
    return defaults;
}

SettingsDlgBase::SettingsDlgBase(AppContext& context, int dialogId, const QString& title,
                                 std::vector<int> keyIds, bool hasDefaultsButton, QWidget* parent)
    : QDialog(parent), context_(context), keyIds_(std::move(keyIds)),
      hasDefaultsButton_(hasDefaultsButton) {
    setObjectName(QStringLiteral("dlg%1").arg(dialogId));
    setWindowTitle(title);
    for (int id : keyIds_)
        fields_[id] = 0;
}

int32_t SettingsDlgBase::field(int keyId) const {
    const auto it = fields_.find(keyId);
    return it == fields_.end() ? 0 : it->second;
}

void SettingsDlgBase::applyTo(AppSettings& settings) const {
    for (int id : keyIds_)
        SetSettingValue(settings, id, field(id));
}

QGroupBox* SettingsDlgBase::addRadioGroup(const QString& label, int keyId,
                                          std::initializer_list<Choice> choices, ShowRule rule) {
    auto* box = new QGroupBox(label, this);
    auto* layout = new QVBoxLayout(box);
    RadioBinding binding{keyId, new QButtonGroup(box), {}, rule};
    for (const Choice& c : choices) {
        auto* button = new QRadioButton(QString::fromUtf16(c.text), box);
        NameControl(button, c.controlId);
        binding.group->addButton(button);
        layout->addWidget(button);
        binding.buttons.emplace_back(button, c.value);
        const int32_t value = c.value;
        connect(button, &QRadioButton::clicked, this,
                [this, keyId, value] { setField(keyId, value); });
    }
    radios_.push_back(std::move(binding));
    return box;
}

QCheckBox* SettingsDlgBase::addCheck(int controlId, const QString& text, int keyId) {
    auto* box = new QCheckBox(text, this);
    NameControl(box, controlId);
    checks_.push_back({keyId, box});
    connect(box, &QCheckBox::clicked, this,
            [this, keyId](bool checked) { setField(keyId, checked ? 1 : 0); });
    return box;
}

void SettingsDlgBase::setBody(QLayout* body) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new FittingScrollArea(body, this), 1);
    QAbstractButton* defaults = AddDialogButtons(this, layout, hasDefaultsButton_);
    if (defaults)
        connect(defaults, &QAbstractButton::clicked, this, &SettingsDlgBase::restoreDefaults);
}

void SettingsDlgBase::setVisible(bool visible) {
    if (visible && !isVisible()) {
        // Its whole size first (adjustSize would stop at two thirds of the screen),
        // then no more than the screen has.
        resize(sizeHint());
        FitToScreen(this);
    }
    QDialog::setVisible(visible);
}

void SettingsDlgBase::load() {
    const IniFile file = ReadIniFile(context_.settingsPath);
    for (int id : keyIds_)
        fields_[id] = GetIntSetting(file.document, id, context_.now);
    fieldsRead();
    showFields();
}

IniResult SettingsDlgBase::writeFields(bool reset) {
    SettingsFileEdit edit(context_.settingsPath);
    for (int id : keyIds_)
        edit.PutInt(field(id), id, reset, context_.now);
    return edit.Commit();
}

void SettingsDlgBase::accept() {
    collectFields();
    if (const IniResult r = writeFields(false); !r) {
        WarnText(SettingsWriteFailureText(r, context_.settingsPath), this);
        return;
    }
    saved();
    QDialog::accept();
}

void SettingsDlgBase::restoreDefaults() {
    collectFields();
    const Fields shownBefore = fields_;
    if (const IniResult r = writeFields(true); !r) {
        WarnText(SettingsWriteFailureText(r, context_.settingsPath), this);
        return;
    }
    defaultsWritten(shownBefore);
    load();
}

SettingsDlgBase::RadioBinding* SettingsDlgBase::findRadioBinding(int keyId) {
    for (RadioBinding& b : radios_)
        if (b.keyId == keyId) return &b;
    return nullptr;
}

void SettingsDlgBase::clearRadioGroup(int keyId) {
    RadioBinding* b = findRadioBinding(keyId);
    if (!b) return;
    // An exclusive group keeps one button checked; only a non-exclusive one can be emptied.
    b->group->setExclusive(false);
    for (auto& [button, value] : b->buttons)
        button->setChecked(false);
    b->group->setExclusive(true);
}

void SettingsDlgBase::setRadioGroupEnabled(int keyId, bool enabled) {
    if (RadioBinding* b = findRadioBinding(keyId))
        for (auto& [button, value] : b->buttons)
            button->setEnabled(enabled);
}

void SettingsDlgBase::showRadioGroup(const RadioBinding& b) {
    clearRadioGroup(b.keyId);
    const int32_t v = field(b.keyId);
    QRadioButton* pick = nullptr;
    for (const auto& [button, value] : b.buttons)
        if (value == v) pick = button;
    if (!pick && !b.buttons.empty()) {
        if (b.rule == ShowRule::LastTakesRest) pick = b.buttons.back().first;
        if (b.rule == ShowRule::FirstTakesRest) pick = b.buttons.front().first;
    }
    if (pick) pick->setChecked(true);
}

void SettingsDlgBase::showFields() {
    for (const RadioBinding& b : radios_)
        showRadioGroup(b);
    for (const CheckBinding& c : checks_)
        c.box->setChecked(field(c.keyId) != 0);
    fieldsShown();
}

} // namespace zelk
