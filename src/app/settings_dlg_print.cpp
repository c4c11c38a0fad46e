#include "settings_dlg_print.h"

#include "settings_dlg_controls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zelk {

namespace print_pages {
Shown Show(int32_t v) {
    Shown s{};
    s.timePages = v != 0;
    s.onePage = (v & kOnePage) != 0;
    s.threePages = (v & kThreePages) != 0;
    for (std::size_t i = 0; i < kPageBits.size(); ++i)
        s.pages[i] = (v & kPageBits[i]) != 0;
    s.layoutEnabled = v != 0;
    s.pagesEnabled = v != 0 && !s.onePage;
    return s;
}
} // namespace print_pages

namespace {

constexpr int kPrintLsan = 610, kBaseLogoDisplay = 469, kLuanDuanPrint = 545;

struct CentreItem {
    int controlId;
    const char16_t* text;
    int keyId;
};
// The centre-block items in the order of their keys (470-486).
constexpr CentreItem kCentreItems[] = {
    {sdlg::print::Name, u"顯示姓名", 470},        {sdlg::print::CurAge, u"顯示現在虛歲", 471},
    {sdlg::print::Animal, u"顯示生肖", 472},      {sdlg::print::Sex, u"顯示性別", 473},
    {sdlg::print::West, u"顯示陽曆生時", 474},    {sdlg::print::East, u"顯示陰曆生時", 475},
    {sdlg::print::EightWord, u"顯示八字", 476},   {sdlg::print::LifeHouse, u"顯示命宮", 477},
    {sdlg::print::BodyHouse, u"顯示身宮", 478},   {sdlg::print::LifeGod, u"顯示命主", 479},
    {sdlg::print::BodyGod, u"顯示身主", 480},     {sdlg::print::PanGod, u"顯示子年斗君", 481},
    {sdlg::print::FlowGod, u"顯示流年斗君", 482}, {sdlg::print::FlowChung, u"顯示流昌", 483},
    {sdlg::print::Five, u"顯示五行局", 484},      {sdlg::print::CurTime, u"顯示現在時間", 485},
    {sdlg::print::PanInfo, u"顯示流盤訊息", 486},
};

std::vector<int> PrintKeys() {
    std::vector<int> keys;
    for (const CentreItem& item : kCentreItems)
        keys.push_back(item.keyId);
    keys.insert(keys.end(), {kBaseLogoDisplay, kLuanDuanPrint, kPrintLsan});
    return keys;
}

template <class T> T* Control(const QWidget* dialog, int id) {
    return static_cast<T*>(FindDialogControl(dialog, id));
}

} // namespace

CPrintDlg::CPrintDlg(AppContext& context, QWidget* parent)
    : SettingsDlgBase(context, sdlg::PrintDialog, QStringLiteral("請設定列印參數"), PrintKeys(),
                      true, parent) {
    using namespace sdlg::print;
    auto* grid = new QGridLayout;
    int row = 0;
    for (const CentreItem& item : kCentreItems) {
        grid->addWidget(addCheck(item.controlId, QString::fromUtf16(item.text), item.keyId),
                        row % 9, row / 9);
        ++row;
    }
    QCheckBox* watermark = addCheck(Watermark, QStringLiteral("顯示浮水印"), kBaseLogoDisplay);
    QCheckBox* judgement = addCheck(Judgement, QStringLiteral("列印論斷說明"), kLuanDuanPrint);
    watermark->setEnabled(false);
    judgement->setEnabled(false);
    grid->addWidget(watermark, 8, 1);
    grid->addWidget(judgement, 9, 1);

    // The time pages are not a plain check box or radio group: every click
    // computes the new value and all six controls are shown again from it.
    auto* pages = new QGroupBox(this);
    auto* pagesLayout = new QVBoxLayout(pages);
    auto* timePages = new QCheckBox(QStringLiteral("列印時間頁"), pages);
    auto* onePage = new QRadioButton(QStringLiteral("同一頁"), pages);
    auto* threePages = new QRadioButton(QStringLiteral("分三頁"), pages);
    onePage->setAutoExclusive(false);
    threePages->setAutoExclusive(false);
    const char16_t* pageTexts[] = {u"第一頁時間：1~27歲", u"第二頁時間：28~54歲",
                                   u"第三頁時間：55~81歲"};
    const int pageIds[] = {Page1, Page2, Page3};
    NameControl(timePages, TimePages);
    NameControl(onePage, OnePage);
    NameControl(threePages, ThreePages);
    pagesLayout->addWidget(timePages);
    pagesLayout->addWidget(onePage);
    pagesLayout->addWidget(threePages);
    for (int i = 0; i < 3; ++i) {
        auto* box = new QCheckBox(QString::fromUtf16(pageTexts[i]), pages);
        NameControl(box, pageIds[i]);
        pagesLayout->addWidget(box);
        connect(box, &QCheckBox::clicked, this,
                [this, i] { changePrintPages(print_pages::TogglePage(field(kPrintLsan), i)); });
    }
    connect(timePages, &QCheckBox::clicked, this,
            [this] { changePrintPages(print_pages::ToggleTimePages(field(kPrintLsan))); });
    connect(onePage, &QRadioButton::clicked, this,
            [this] { changePrintPages(print_pages::ChooseOnePage(field(kPrintLsan))); });
    connect(threePages, &QRadioButton::clicked, this,
            [this] { changePrintPages(print_pages::ChooseThreePages(field(kPrintLsan))); });
    grid->addWidget(pages, 0, 2, 10, 1);
    setBody(grid);
    load();
}

void CPrintDlg::changePrintPages(int32_t value) {
    setField(kPrintLsan, value);
    fieldsShown();
}

void CPrintDlg::fieldsShown() {
    using namespace sdlg::print;
    const print_pages::Shown s = print_pages::Show(field(kPrintLsan));
    Control<QCheckBox>(this, TimePages)->setChecked(s.timePages);
    Control<QRadioButton>(this, OnePage)->setChecked(s.onePage);
    Control<QRadioButton>(this, ThreePages)->setChecked(s.threePages);
    Control<QRadioButton>(this, OnePage)->setEnabled(s.layoutEnabled);
    Control<QRadioButton>(this, ThreePages)->setEnabled(s.layoutEnabled);
    const int pageIds[] = {Page1, Page2, Page3};
    for (int i = 0; i < 3; ++i) {
        auto* box = Control<QCheckBox>(this, pageIds[i]);
        box->setChecked(s.pages[static_cast<std::size_t>(i)]);
        box->setEnabled(s.pagesEnabled);
    }
}

} // namespace zelk
