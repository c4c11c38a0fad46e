// CPrintDlg: 請設定列印參數 (dialog 574), the seventeen centre-block items, two
// print switches kept but not changeable (watermark, judgement text), and the
// time pages of the printout (PrintLsan).
//
// PrintLsan: 0 no time pages; 256 all on one page; 512 three pages, with bits
// 1, 2, 4 choosing the pages of ages 1~27, 28~54 and 55~81.
#pragma once

#include "settings_dlg_base.h"

#include <array>

namespace zelk {

namespace print_pages {
inline constexpr int32_t kOnePage = 0x100;
inline constexpr int32_t kThreePages = 0x200;
inline constexpr std::array<int32_t, 3> kPageBits = {1, 2, 4};

// 列印時間頁 switches the time pages on (to one page) or off.
constexpr int32_t ToggleTimePages(int32_t v) {
    return v == 0 ? kOnePage : 0;
}
// 分三頁 starts with no page chosen.
constexpr int32_t ChooseThreePages(int32_t) {
    return kThreePages;
}
constexpr int32_t ChooseOnePage(int32_t) {
    return kOnePage;
}
constexpr int32_t TogglePage(int32_t v, int page) {
    return v ^ kPageBits[static_cast<std::size_t>(page)];
}

// What the controls show for a value.
struct Shown {
    bool timePages, onePage, threePages;
    std::array<bool, 3> pages;
    bool layoutEnabled; // 同一頁, 分三頁 and the page boxes need the time pages
    bool pagesEnabled;  // the page boxes mean nothing while everything is on one page
};
Shown Show(int32_t v);
} // namespace print_pages

class CPrintDlg : public SettingsDlgBase {
    Q_OBJECT
  public:
    explicit CPrintDlg(AppContext& context, QWidget* parent = nullptr);

  protected:
    void fieldsShown() override;

  private:
    void changePrintPages(int32_t value);
};

} // namespace zelk
