// The colours of the chart picture (red, green, blue).
#pragma once

#include <QColor>

namespace zelk::colours {

inline const QColor kMargin{255, 255, 200};     // canvas around the chart square
inline const QColor kFrame{0, 0, 188};          // the 2-unit frame around the square
inline const QColor kLifeBack{255, 220, 220};   // 命
inline const QColor kWealthBack{245, 220, 255}; // 財帛
inline const QColor kTravelBack{255, 255, 180}; // 遷移
inline const QColor kCareerBack{220, 255, 220}; // 官祿
inline const QColor kLu{255, 0, 0};
inline const QColor kQuan{200, 100, 255};
inline const QColor kKe{0, 0, 255};
inline const QColor kJi{150, 150, 50};
inline const QColor kPalaceLabel{255, 0, 0};
inline const QColor kHighlight{255, 100, 0}; // the current period in the period line
inline const QColor kFlowStar{200, 100, 255};
inline const QColor kRedMark{255, 0, 0}; // 來因, 業障, 斗君, 子斗, 七星, brightness numbers
inline const QColor kFlowYearLayer{0, 180, 0};
inline const QColor kLifeLines{255, 0, 0};

// Side panel.
inline const QColor kCurrentRow{220, 200, 255};
inline const QColor kDayRow{255, 255, 180};
inline const QColor kYearHeader{0, 0, 255};
inline const QColor kCaptionBack{235, 235, 250}; // the heading that names the 四化 stems
inline const QColor kCaptionInk{60, 20, 120};

// The colour of transformation k (0 祿, 1 權, 2 科, 3 忌); black for anything else.
inline QColor FourHua(int k) {
    switch (k) {
    case 0:
        return kLu;
    case 1:
        return kQuan;
    case 2:
        return kKe;
    case 3:
        return kJi;
    default:
        return Qt::black;
    }
}

// Palace background by palace-name number: 命 1, 財帛 5, 遷移 7, 官祿 9; white otherwise.
inline QColor PalaceBackground(int palaceName) {
    switch (palaceName) {
    case 1:
        return kLifeBack;
    case 5:
        return kWealthBack;
    case 7:
        return kTravelBack;
    case 9:
        return kCareerBack;
    default:
        return Qt::white;
    }
}

} // namespace zelk::colours
