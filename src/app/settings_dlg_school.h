// CSelectManPie: 門派 (dialog 573), the school. It has no 回復預設值. A stored value
// other than 1 or 2 shows as 欽天派(一般) and is written back as stored unless the
// user picks a school. The school chooses no rule of its own (the transformation
// method is FourHuaType), but the charts are computed again after a change.
#pragma once

#include "settings_dlg_base.h"

namespace zelk {

class CSelectManPie : public SettingsDlgBase {
    Q_OBJECT
  public:
    explicit CSelectManPie(AppContext& context, QWidget* parent = nullptr);
};

} // namespace zelk
