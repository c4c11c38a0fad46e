// CStarDisplayDlg: 星曜顯示設定 (dialog 575), which stars are drawn and how the
// period stars are named.
//
// The two display masks are edited as byte arrays, one byte per list entry (255
// shown, 0 hidden): 29 first-grade items (the 25 stars 紫微 ... 天鉞, then 祿 權 科
// 忌) and the 34 second/third-grade stars. Item i of the first list is bit 31 - i
// of ASTAR1 << 16 | ASTAR2; star j < 32 of the second list is bit 31 - j of
// BSTAR1 << 16 | BSTAR2, stars 32 and 33 are bits 15 and 14 of BSTAR3. Packing
// writes only those bits, so a saved ASTAR2 has bits 2-0 clear (its default
// 65535 has them set; both mean the same display).
//
// This dialog puts its values into AppSettings itself whenever it saves, also
// when 回復預設值 saves: AppSettings then receives what the dialog showed before
// the reset, while the file holds the defaults.
#pragma once

#include "settings_dlg_base.h"

#include <array>
#include <cstdint>
#include <utility>

class QCheckBox;
class QComboBox;

namespace zelk {

namespace star_masks {
inline constexpr int kFirstGradeCount = 29;
inline constexpr int kSecondGradeCount = 34;
using FirstGrade = std::array<uint8_t, kFirstGradeCount>;
using SecondGrade = std::array<uint8_t, kSecondGradeCount>;
inline constexpr uint8_t kShown = 255;
inline constexpr uint8_t kHidden = 0;

// From the stored halves (each taken as its low 16 bits).
FirstGrade SpreadFirstGrade(int32_t astar1, int32_t astar2);
SecondGrade SpreadSecondGrade(int32_t bstar1, int32_t bstar2, int32_t bstar3);
// Back to ASTAR1/ASTAR2 and BSTAR1/BSTAR2/BSTAR3.
std::pair<int32_t, int32_t> PackFirstGrade(const FirstGrade& bytes);
std::array<int32_t, 3> PackSecondGrade(const SecondGrade& bytes);

template <std::size_t N> bool AllShown(const std::array<uint8_t, N>& bytes) {
    for (uint8_t b : bytes)
        if (b != kShown) return false;
    return true;
}
} // namespace star_masks

class CStarDisplayDlg : public SettingsDlgBase {
    Q_OBJECT
  public:
    explicit CStarDisplayDlg(AppContext& context, QWidget* parent = nullptr);

    const star_masks::FirstGrade& firstGrade() const { return first_; }
    const star_masks::SecondGrade& secondGrade() const { return second_; }

  protected:
    void fieldsRead() override;
    void collectFields() override;
    void fieldsShown() override;
    void saved() override;
    void defaultsWritten(const Fields& shownBefore) override;

  private:
    // One list: its combo, its 顯示星曜 and 全部顯示 boxes, its bytes.
    struct StarList {
        QComboBox* combo = nullptr;
        QCheckBox* shown = nullptr;
        QCheckBox* all = nullptr;
        uint8_t* bytes = nullptr;
        int count = 0;
        bool allShown = false;
    };
    void buildList(StarList& list, int comboId, int shownId, int allId, const QString& title,
                   const QStringList& names);
    void showList(StarList& list);
    void toggleSelected(StarList& list);
    void showAll(StarList& list, bool checked);

    star_masks::FirstGrade first_{};
    star_masks::SecondGrade second_{};
    StarList firstList_;
    StarList secondList_;
};

} // namespace zelk
