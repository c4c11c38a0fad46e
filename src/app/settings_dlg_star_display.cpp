#include "settings_dlg_star_display.h"

#include "app_context.h"
#include "res_text.h"
#include "settings/settings_keys.h"
#include "settings/string_table.h"
#include "settings_dlg_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace zelk {

namespace star_masks {

namespace {
uint32_t Combine(int32_t high, int32_t low) {
    return (static_cast<uint32_t>(high) & 0xFFFFu) << 16 | (static_cast<uint32_t>(low) & 0xFFFFu);
}
uint8_t ByteOf(uint32_t mask, int bit) {
    return (mask >> bit) & 1u ? kShown : kHidden;
}
} // namespace

FirstGrade SpreadFirstGrade(int32_t astar1, int32_t astar2) {
    const uint32_t mask = Combine(astar1, astar2);
    FirstGrade bytes{};
    for (int i = 0; i < kFirstGradeCount; ++i)
        bytes[static_cast<std::size_t>(i)] = ByteOf(mask, 31 - i);
    return bytes;
}

SecondGrade SpreadSecondGrade(int32_t bstar1, int32_t bstar2, int32_t bstar3) {
    const uint32_t mask = Combine(bstar1, bstar2);
    const uint32_t third = static_cast<uint32_t>(bstar3) & 0xFFFFu;
    SecondGrade bytes{};
    for (int j = 0; j < 32; ++j)
        bytes[static_cast<std::size_t>(j)] = ByteOf(mask, 31 - j);
    bytes[32] = ByteOf(third, 15);
    bytes[33] = ByteOf(third, 14);
    return bytes;
}

std::pair<int32_t, int32_t> PackFirstGrade(const FirstGrade& bytes) {
    uint32_t mask = 0;
    for (int i = 0; i < kFirstGradeCount; ++i)
        if (bytes[static_cast<std::size_t>(i)] != kHidden) mask |= 1u << (31 - i);
    return {static_cast<int32_t>(mask >> 16), static_cast<int32_t>(mask & 0xFFFFu)};
}

std::array<int32_t, 3> PackSecondGrade(const SecondGrade& bytes) {
    uint32_t mask = 0;
    for (int j = 0; j < 32; ++j)
        if (bytes[static_cast<std::size_t>(j)] != kHidden) mask |= 1u << (31 - j);
    int32_t third = 0;
    if (bytes[32] != kHidden) third |= 0x8000;
    if (bytes[33] != kHidden) third |= 0x4000;
    return {static_cast<int32_t>(mask >> 16), static_cast<int32_t>(mask & 0xFFFFu), third};
}

} // namespace star_masks

namespace {

namespace k {
constexpr int ASTAR1 = 457, ASTAR2 = 458, BSTAR1 = 459, BSTAR2 = 460, BSTAR3 = 461,
              DOCTORSTAR = 462, LIFESTAR = 463, FLOWCHUNGSTAR = 464, FLOWAGESTAR = 465,
              FlowChanDisplay = 553, SkyCookDisplay = 554, Lyyg_Display = 555, Star7Display = 556,
              FlowLuDisplay = 566, FlowMaDisplay = 567, FlowLuanDisplay = 568;
} // namespace k

constexpr int kFirstGradeNames = 205; // 205-233: 紫微 ... 天鉞, 祿 權 科 忌
constexpr int kSecondGradeNames = 713;
constexpr int kSecondGradeNamesZhanYan = 714; // 地空 in place of 天空
constexpr int kNameChars = 9;

QStringList FirstGradeNames() {
    QStringList names;
    for (int i = 0; i < star_masks::kFirstGradeCount; ++i)
        names << Res(kFirstGradeNames + i);
    return names;
}

// The second/third-grade list names 天空 as 地空 under the 占驗門 transformations.
QStringList SecondGradeNames(int fourHuaType) {
    const int id = fourHuaType == 1 ? kSecondGradeNamesZhanYan : kSecondGradeNames;
    return ParseQuotedListSlots(LoadResString(id), star_masks::kSecondGradeCount, kNameChars);
}

} // namespace

CStarDisplayDlg::CStarDisplayDlg(AppContext& context, QWidget* parent)
    : SettingsDlgBase(context, sdlg::StarDisplayDialog, QStringLiteral("星曜顯示設定"),
                      {k::ASTAR1, k::ASTAR2, k::BSTAR1, k::BSTAR2, k::BSTAR3, k::DOCTORSTAR,
                       k::LIFESTAR, k::FLOWCHUNGSTAR, k::FLOWAGESTAR, k::FlowChanDisplay,
                       k::SkyCookDisplay, k::Lyyg_Display, k::Star7Display, k::FlowLuDisplay,
                       k::FlowMaDisplay, k::FlowLuanDisplay},
                      true, parent) {
    using namespace sdlg::stars;
    auto* grid = new QGridLayout;

    firstList_.bytes = first_.data();
    firstList_.count = star_masks::kFirstGradeCount;
    secondList_.bytes = second_.data();
    secondList_.count = star_masks::kSecondGradeCount;
    buildList(firstList_, FirstGradeList, FirstGradeShown, FirstGradeAll,
              QStringLiteral("甲級星曜設定"), FirstGradeNames());
    buildList(secondList_, SecondGradeList, SecondGradeShown, SecondGradeAll,
              QStringLiteral("乙、丙級星曜設定"), SecondGradeNames(context.settings.FourHuaType));
    grid->addWidget(firstList_.combo->parentWidget(), 0, 0);
    grid->addWidget(secondList_.combo->parentWidget(), 1, 0);

    auto* checks = new QVBoxLayout;
    checks->addWidget(addCheck(Doctor, QStringLiteral("顯示博士十二星"), k::DOCTORSTAR));
    checks->addWidget(addCheck(Life, QStringLiteral("顯示長生十二星"), k::LIFESTAR));
    checks->addWidget(addCheck(FlowChung, QStringLiteral("顯示將星諸星"), k::FLOWCHUNGSTAR));
    checks->addWidget(addCheck(FlowAge, QStringLiteral("顯示歲前諸星"), k::FLOWAGESTAR));
    checks->addWidget(addCheck(FlowChan, QStringLiteral("顯示流昌"), k::FlowChanDisplay));
    checks->addWidget(addCheck(SkyCook, QStringLiteral("顯示天廚星"), k::SkyCookDisplay));
    checks->addWidget(addCheck(Lyyg, QStringLiteral("顯示來因業障"), k::Lyyg_Display));
    checks->addWidget(addCheck(SevenStar, QStringLiteral("七星(按鍵)"), k::Star7Display));
    grid->addLayout(checks, 0, 1, 2, 1);

    auto* names = new QGroupBox(QStringLiteral("星曜流盤名稱"), this);
    auto* namesLayout = new QVBoxLayout(names);
    using Rule = ShowRule;
    namesLayout->addWidget(addRadioGroup(
        QString(), k::FlowLuDisplay,
        {{LuPlain, u"祿存，擎羊，陀羅", 0}, {LuFlow, u"流祿，流羊，流陀", 1}}, Rule::ExactOnly));
    namesLayout->addWidget(addRadioGroup(QString(), k::FlowMaDisplay,
                                         {{MaPlain, u"天馬", 0}, {MaFlow, u"流馬", 1}},
                                         Rule::ExactOnly));
    namesLayout->addWidget(addRadioGroup(QString(), k::FlowLuanDisplay,
                                         {{LuanPlain, u"紅鸞", 0}, {LuanFlow, u"流鸞", 1}},
                                         Rule::ExactOnly));
    grid->addWidget(names, 2, 0, 1, 2);
    setBody(grid);
    load();
}

void CStarDisplayDlg::buildList(StarList& list, int comboId, int shownId, int allId,
                                const QString& title, const QStringList& names) {
    auto* box = new QGroupBox(title, this);
    auto* layout = new QVBoxLayout(box);
    list.combo = new QComboBox(box);
    NameControl(list.combo, comboId);
    list.combo->addItems(names);
    list.shown = new QCheckBox(QStringLiteral("顯示星曜"), box);
    NameControl(list.shown, shownId);
    list.all = new QCheckBox(QStringLiteral("全部顯示"), box);
    NameControl(list.all, allId);
    layout->addWidget(list.combo);
    layout->addWidget(list.shown);
    layout->addWidget(list.all);
    connect(list.combo, &QComboBox::currentIndexChanged, this, [this, &list] { showList(list); });
    connect(list.shown, &QCheckBox::clicked, this, [this, &list] { toggleSelected(list); });
    connect(list.all, &QCheckBox::clicked, this,
            [this, &list](bool checked) { showAll(list, checked); });
}

void CStarDisplayDlg::showList(StarList& list) {
    const int i = list.combo->currentIndex();
    list.shown->setChecked(i >= 0 && i < list.count && list.bytes[i] != star_masks::kHidden);
    list.all->setChecked(list.allShown);
}

void CStarDisplayDlg::toggleSelected(StarList& list) {
    const int i = list.combo->currentIndex();
    if (i < 0 || i >= list.count) return;
    if (list.bytes[i] != star_masks::kHidden) {
        list.bytes[i] = star_masks::kHidden;
        list.allShown = false;
    } else {
        list.bytes[i] = star_masks::kShown;
        list.allShown = std::all_of(list.bytes, list.bytes + list.count,
                                    [](uint8_t b) { return b == star_masks::kShown; });
    }
    showList(list);
}

// Unchecking 全部顯示 hides nothing: it only clears the flag.
void CStarDisplayDlg::showAll(StarList& list, bool checked) {
    list.allShown = checked;
    if (checked) std::fill(list.bytes, list.bytes + list.count, star_masks::kShown);
    showList(list);
}

void CStarDisplayDlg::fieldsRead() {
    first_ = star_masks::SpreadFirstGrade(field(k::ASTAR1), field(k::ASTAR2));
    second_ = star_masks::SpreadSecondGrade(field(k::BSTAR1), field(k::BSTAR2), field(k::BSTAR3));
    firstList_.allShown = star_masks::AllShown(first_);
    secondList_.allShown = star_masks::AllShown(second_);
}

void CStarDisplayDlg::collectFields() {
    const auto [a1, a2] = star_masks::PackFirstGrade(first_);
    setField(k::ASTAR1, a1);
    setField(k::ASTAR2, a2);
    const auto b = star_masks::PackSecondGrade(second_);
    setField(k::BSTAR1, b[0]);
    setField(k::BSTAR2, b[1]);
    setField(k::BSTAR3, b[2]);
}

void CStarDisplayDlg::fieldsShown() {
    showList(firstList_);
    showList(secondList_);
}

void CStarDisplayDlg::saved() {
    applyTo(context_.settings);
}

void CStarDisplayDlg::defaultsWritten(const Fields& shownBefore) {
    for (const auto& [keyId, value] : shownBefore)
        SetSettingValue(context_.settings, keyId, value);
}

} // namespace zelk
