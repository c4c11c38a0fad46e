// CGiSuongRule: 垂象法則 (dialog 630), the three timing rules, one bit each of
// GISUONG_RULE (1 規則一, 2 規則二, 4 規則三).
//
// Opening reads the stored value into AppSettings; each click toggles its bit in
// AppSettings at once. 確定 stores the value; 取消 stores nothing and leaves the
// toggled bits in memory until the dialog is opened again or the settings are
// reloaded. No chart reads the rules, so the difference is never drawn.
#pragma once

#include <QDialog>

namespace zelk {

struct AppContext;

class CGiSuongRule : public QDialog {
    Q_OBJECT
  public:
    explicit CGiSuongRule(AppContext& context, QWidget* parent = nullptr);
    QWidget* control(int controlId) const;
    // 確定: when the write fails the dialog says so and stays open.
    void accept() override;

  private:
    AppContext& context_;
};

} // namespace zelk
