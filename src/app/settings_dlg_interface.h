// CSetInterface: 操作介面設定 (dialog 615), the marks drawn on the chart: the
// colouring of the 三方四正, how brightness shows, and eight display switches.
// 小限應期顯示 is kept and written back but cannot be changed.
#pragma once

#include "settings_dlg_base.h"

namespace zelk {

class CSetInterface : public SettingsDlgBase {
    Q_OBJECT
  public:
    explicit CSetInterface(AppContext& context, QWidget* parent = nullptr);
};

} // namespace zelk
