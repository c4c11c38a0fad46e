#include "settings_dlg_pan_base.h"

#include "app_context.h"
#include "settings_dlg_controls.h"

#include <QGridLayout>
#include <QGroupBox>

namespace zelk {

namespace {

namespace k {
constexpr int PanBase = 305, LeapBase = 314, GodBase = 315, HorseBase = 316, YearHuaBase = 317,
              YearDisplay = 433, God12 = 445, PanSky = 488, StarLevel = 438, LifeLine = 437,
              HuaOut = 439, SelfHua = 466, HouseFive = 467, FlowTimeDisplay = 468,
              TenYearDisplay = 490, SmallDisplay = 491, UserNewView = 550, UserDefinedFourHua = 551,
              DoctorType = 557, LuType = 558, FlowSkyType = 559, SmallSanType = 560,
              FlowLifeHouseType = 561, GiaKungType = 562, FourHuaType = 563, GianSuaStarType = 564,
              SuaStarNameType = 565;
} // namespace k

// The edited keys first, then the ones carried through unchanged.
std::vector<int> PanBaseKeys() {
    return {k::LeapBase,     k::GodBase,         k::HorseBase,         k::YearHuaBase,
            k::YearDisplay,  k::God12,           k::FlowSkyType,       k::DoctorType,
            k::LuType,       k::SmallSanType,    k::FlowLifeHouseType, k::GiaKungType,
            k::FourHuaType,  k::GianSuaStarType, k::SuaStarNameType,   k::PanBase,
            k::PanSky,       k::StarLevel,       k::LifeLine,          k::HuaOut,
            k::SelfHua,      k::HouseFive,       k::FlowTimeDisplay,   k::TenYearDisplay,
            k::SmallDisplay, k::UserNewView,     k::UserDefinedFourHua};
}

} // namespace

CPanBaseDlg::CPanBaseDlg(AppContext& context, QWidget* parent)
    : SettingsDlgBase(context, sdlg::PanBaseDialog, QStringLiteral("排盤參數設定"), PanBaseKeys(),
                      true, parent) {
    using namespace sdlg::panbase;
    // Fourteen groups in four rows of four columns: the dialog stays lower than a
    // 768-pixel screen.
    constexpr int kRows = 4;
    auto* grid = new QGridLayout;
    int cell = 0;
    const auto put = [&](QGroupBox* box) {
        grid->addWidget(box, cell % kRows, cell / kRows);
        ++cell;
    };
    put(addRadioGroup(QStringLiteral("閏月排法："), k::LeapBase,
                      {{LeapThisMonth, u"閏月以該月排", 0},
                       {LeapSplitMonth, u"閏月前半月屬本月，下半月歸次月", 1},
                       {LeapNextMonth, u"閏月以次月排", 2}}));
    put(addRadioGroup(QStringLiteral("斗君排法："), k::GodBase,
                      {{GodZiYear, u"子年斗君", 0},
                       {GodFlowYear, u"流年斗君", 1},
                       {GodSmallPeriod, u"小限斗君", 2}}));
    put(addRadioGroup(QStringLiteral("天馬星排法："), k::HorseBase,
                      {{HorseByYear, u"以年排法", 0}, {HorseByMonth, u"以月排法", 1}}));
    put(addRadioGroup(QStringLiteral("流盤四化顯示："), k::YearHuaBase,
                      {{YearHuaNatal, u"本命盤固定顯示", 0},
                       {YearHuaMoving, u"依動盤顯示", 1},
                       {YearHuaNatalAndYear, u"本命及流年變化顯示", 2},
                       {YearHuaStacked, u"重疊顯示", 3}}));
    put(addRadioGroup(QStringLiteral("年代顯示："), k::YearDisplay,
                      {{YearWestern, u"西元年", 0}, {YearRepublic, u"民國年", 1}}));
    put(addRadioGroup(QStringLiteral("十二長生排法："), k::God12,
                      {{God12Natal, u"本命盤固定顯示", 0},
                       {God12Moving, u"依動盤顯示", 1},
                       {God12NatalAndYear, u"本命及流年變化顯示", 2}}));
    // 流盤干支排法 exists, keeps its key, and is not shown.
    QGroupBox* flowSky = addRadioGroup(QStringLiteral("流盤干支排法："), k::FlowSkyType,
                                       {{FlowSkyNatal, u"本命盤固定顯示", 0},
                                        {FlowSkyMoving, u"依動盤顯示", 1},
                                        {FlowSkyNatalAndYear, u"本命及流年變化顯示", 2}});
    flowSky->setVisible(false);
    put(addRadioGroup(QStringLiteral("博士星排法："), k::DoctorType,
                      {{DoctorNatal, u"本命盤固定顯示", 0},
                       {DoctorMoving, u"依動盤顯示", 1},
                       {DoctorNatalAndYear, u"本命及流年變化顯示", 2}}));
    put(addRadioGroup(QStringLiteral("祿存星排法顯示："), k::LuType,
                      {{LuNatal, u"本命盤固定顯示", 0},
                       {LuMoving, u"依動盤顯示", 1},
                       {LuNatalAndYear, u"本命及流年變化顯示", 2}}));
    put(addRadioGroup(
        QStringLiteral("起小限規則："), k::SmallSanType,
        {{SmallTraditional, u"傳統排法", 0}, {SmallFromBirthBranch, u"生年地支起小限", 1}}));
    put(addRadioGroup(
        QStringLiteral("流年命宮排法："), k::FlowLifeHouseType,
        {{FlowLifeByAnimalYear, u"生肖年為命宮", 0}, {FlowLifeBySmallPeriod, u"小限為命宮", 1}}));
    put(addRadioGroup(
        QStringLiteral("截空排法："), k::GiaKungType,
        {{GiaKungTraditional, u"傳統排法", 0}, {GiaKungWuGuiApart, u"戊癸年不同", 1}}));
    put(addRadioGroup(QStringLiteral("四化星排法："), k::FourHuaType,
                      {{FourHuaQinTian, u"欽天派(一般傳統)", 0},
                       {FourHuaZhanYan, u"占驗門四化", 1},
                       {FourHuaEighteen, u"十八飛星四化", 2},
                       {FourHuaUser, u"自訂四化星", 3}}));
    put(addRadioGroup(
        QStringLiteral("將前、歲前各星排法："), k::GianSuaStarType,
        {{GianSuaNatal, u"本命盤固定顯示", 0}, {GianSuaNatalAndYear, u"本命及流年變化顯示", 1}}));
    put(addRadioGroup(QStringLiteral("歲前各星名稱："), k::SuaStarNameType,
                      {{SuaNamesCommon, u"一般使用名稱", 0}, {SuaNamesSpecial, u"特別名稱", 1}}));
    grid->addWidget(flowSky, kRows, 0, 1, 4);
    setBody(grid);
    load();
}

void CPanBaseDlg::fieldsShown() {
    const bool doctorStarsShown = context_.settings.DOCTORSTAR != 0;
    setRadioGroupEnabled(k::DoctorType, doctorStarsShown);
    if (!doctorStarsShown) clearRadioGroup(k::DoctorType);
}

} // namespace zelk
