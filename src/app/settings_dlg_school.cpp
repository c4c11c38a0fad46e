#include "settings_dlg_school.h"

#include "settings_dlg_controls.h"

#include <QGroupBox>
#include <QVBoxLayout>

namespace zelk {

namespace {
constexpr int kMANPIE = 522;
} // namespace

CSelectManPie::CSelectManPie(AppContext& context, QWidget* parent)
    : SettingsDlgBase(context, sdlg::SchoolDialog, QStringLiteral("門派"), {kMANPIE}, false,
                      parent) {
    using namespace sdlg::school;
    auto* body = new QVBoxLayout;
    body->addWidget(addRadioGroup(
        QStringLiteral("選擇門派："), kMANPIE,
        {{QinTian, u"欽天派(一般)", 0}, {ZhanYan, u"占驗門", 1}, {Eighteen, u"十八飛星", 2}},
        ShowRule::FirstTakesRest));
    setBody(body);
    load();
}

} // namespace zelk
