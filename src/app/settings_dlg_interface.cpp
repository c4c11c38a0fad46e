#include "settings_dlg_interface.h"

#include "settings_dlg_controls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace zelk {

namespace {

namespace k {
constexpr int ColorType34 = 573, MiaoWangType = 575, HuaOut = 439, SelfHua = 466, HouseFive = 467,
              FlowTimeDisplay = 468, TenYearDisplay = 490, SmallDisplay = 491, Words8Display = 577,
              LifeLine = 437, SmallYearRevert = 604;
} // namespace k

} // namespace

CSetInterface::CSetInterface(AppContext& context, QWidget* parent)
    : SettingsDlgBase(context, sdlg::InterfaceDialog, QStringLiteral("操作介面設定"),
                      {k::ColorType34, k::MiaoWangType, k::HuaOut, k::SelfHua, k::HouseFive,
                       k::FlowTimeDisplay, k::TenYearDisplay, k::SmallDisplay, k::Words8Display,
                       k::LifeLine, k::SmallYearRevert},
                      true, parent) {
    using namespace sdlg::iface;
    auto* grid = new QGridLayout;
    grid->addWidget(addRadioGroup(QStringLiteral("三方四正色彩顯示"), k::ColorType34,
                                  {{Colour34, u"彩色顯示", 0}, {NoColour34, u"無色彩顯示", 1}}),
                    0, 0);
    grid->addWidget(addRadioGroup(QStringLiteral("顯示廟旺平落陷"), k::MiaoWangType,
                                  {{MiaoWangText, u"文字顯示", 0},
                                   {MiaoWangNumber, u"數值顯示", 1},
                                   {MiaoWangHidden, u"不顯示", 2}}),
                    1, 0);
    auto* checks = new QVBoxLayout;
    checks->addWidget(addCheck(HuaOut, QStringLiteral("顯示對宮四化"), k::HuaOut));
    checks->addWidget(addCheck(SelfHua, QStringLiteral("顯示自化"), k::SelfHua));
    checks->addWidget(addCheck(HouseFive, QStringLiteral("顯示各宮五行"), k::HouseFive));
    checks->addWidget(addCheck(FlowTime, QStringLiteral("顯示命盤時間"), k::FlowTimeDisplay));
    checks->addWidget(addCheck(TenYear, QStringLiteral("顯示十年大運"), k::TenYearDisplay));
    checks->addWidget(addCheck(Small, QStringLiteral("顯示小限時間"), k::SmallDisplay));
    checks->addWidget(addCheck(Words8, QStringLiteral("顯示八字時間"), k::Words8Display));
    checks->addWidget(addCheck(LifeLine, QStringLiteral("標示命宮三方四正"), k::LifeLine));
    QCheckBox* revert =
        addCheck(SmallYearRevert, QStringLiteral("小限應期顯示"), k::SmallYearRevert);
    revert->setEnabled(false);
    checks->addWidget(revert);
    grid->addLayout(checks, 0, 1, 2, 1);
    setBody(grid);
    load();
}

} // namespace zelk
