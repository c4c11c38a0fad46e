#include "gisuong_rule_dlg.h"

#include "app_context.h"
#include "message_box.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"
#include "settings_dlg_base.h"
#include "settings_dlg_controls.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace zelk {

namespace {
struct Rule {
    int controlId;
    const char16_t* text;
    int32_t bit;
};
constexpr Rule kRules[] = {
    {sdlg::gisuong::Rule1, u"規則一(天干垂象應期規則)", 1},
    {sdlg::gisuong::Rule2, u"規則二(天干自化應期規則)", 2},
    {sdlg::gisuong::Rule3, u"規則三(天干自化忌應期規則)", 4},
};
} // namespace

CGiSuongRule::CGiSuongRule(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName(QStringLiteral("dlg%1").arg(sdlg::GiSuongRuleDialog));
    setWindowTitle(QStringLiteral("垂象法則"));
    context_.settings.GISUONG_RULE =
        GetIntSetting(key::GISUONG_RULE, context_.settingsPath, context_.now);
    auto* layout = new QVBoxLayout(this);
    for (const Rule& rule : kRules) {
        auto* box = new QCheckBox(QString::fromUtf16(rule.text), this);
        NameControl(box, rule.controlId);
        box->setChecked((context_.settings.GISUONG_RULE & rule.bit) != 0);
        const int32_t bit = rule.bit;
        connect(box, &QCheckBox::clicked, this,
                [this, bit] { context_.settings.GISUONG_RULE ^= bit; });
        layout->addWidget(box);
    }
    AddDialogButtons(this, layout, false);
}

QWidget* CGiSuongRule::control(int controlId) const {
    return FindDialogControl(this, controlId);
}

void CGiSuongRule::accept() {
    const IniResult r = PutIntSetting(context_.settings.GISUONG_RULE, key::GISUONG_RULE,
                                      context_.settingsPath, false, context_.now);
    if (!r) {
        WarnText(SettingsWriteFailureText(r, context_.settingsPath), this);
        return;
    }
    QDialog::accept();
}

} // namespace zelk
