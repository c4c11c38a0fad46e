// CPanBaseDlg: 排盤參數設定 (dialog 616), the chart rules. Fifteen radio groups,
// and besides them a dozen keys that are read and written back unchanged, so that
// one confirmation always stores a consistent set.
//
// While DOCTORSTAR is 0 the 博士 stars are not drawn, so their rule cannot be
// chosen: the three 博士星排法 buttons are disabled and none is set (DoctorType is
// still written back as stored).
#pragma once

#include "settings_dlg_base.h"

namespace zelk {

class CPanBaseDlg : public SettingsDlgBase {
    Q_OBJECT
  public:
    explicit CPanBaseDlg(AppContext& context, QWidget* parent = nullptr);

  protected:
    void fieldsShown() override;
};

} // namespace zelk
