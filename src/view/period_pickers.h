// The six period pickers of the chart view: one combo box of periods, a "排盤"
// button that writes the choice into the chart record, and (for month, day,
// hour and ten-minute slot) a check box that bases the choice on the present
// moment instead of the flow date chosen before. Nothing is written on Cancel,
// so a cancelled picker leaves the level and every flow field as they were.
#pragma once

#include "calendar/current_time.h"
#include "chart/chart_record.h"
#include "settings/app_settings.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;

namespace zelk {

// Which entry a picker opens on when its check box is off: the period stored in
// the record — the last one chosen in this chart window — or, while nothing has
// been chosen there yet, the period of the present moment (this year, today's
// day, the present hour and ten-minute slot).
enum class PickerOpensOn { LastChoice, Present };

// Dialog numbers of the pickers, as the program's resources name them.
namespace PickerDialogId {
inline constexpr int FlowTime = 549, FlowDate = 559, FlowMinute = 560, FlowMonth = 561,
                     TenYear = 562, FlowYear = 563;
} // namespace PickerDialogId

class CPeriodPickerDlg : public QDialog {
    Q_OBJECT
  public:
    // Opens the picker modally; true when it was confirmed (and the record written).
    bool run();

    QComboBox* periodList() const { return list_; }
    QCheckBox* presentBox() const { return box_; } // null for the first two pickers
    int selectedIndex() const;
    int entryCount() const;
    QString entryText(int index) const;
    bool presentBoxShown() const;

    // Chooses entry `index` (and the check box state when given) and confirms, as
    // the user would. False, with nothing written, for an index outside the list.
    bool acceptWith(int index);
    bool acceptWith(int index, bool presentChecked);

    // Replaces exec() for every picker run() opens until reset with an empty
    // function: the function gets the open picker and returns whether it was
    // confirmed (by acceptWith, normally). For tests and scripted use.
    using Runner = std::function<bool(CPeriodPickerDlg&)>;
    static void setRunner(Runner runner);

  protected:
    CPeriodPickerDlg(int dialogId, const QString& caption, ChartRecord& record,
                     const AppSettings& settings, const CurrentTime& now, QWidget* parent,
                     PickerOpensOn opensOn);

    // Adds the check box with its caption; shown or hidden once the list is filled.
    void addPresentBox(const QString& caption);
    void setPresentBoxShown(bool shown);
    bool presentChecked() const;
    void setLabel(const QString& text);
    void setEntries(const QStringList& entries, int preselected);

    // Fills the list for the current check-box state (called on opening and
    // whenever the box changes).
    virtual void fillList() = 0;
    // Writes the chosen entry into the record.
    virtual void writeRecord(int index) = 0;

    void accept() override;

    // Whether the list opens on the stored period (the last choice).
    bool opensOnLastChoice() const { return opensOn_ == PickerOpensOn::LastChoice; }

    ChartRecord& record_;
    const AppSettings& settings_;
    const CurrentTime now_;
    const PickerOpensOn opensOn_;

  private:
    QLabel* label_ = nullptr;
    QComboBox* list_ = nullptr;
    QCheckBox* box_ = nullptr;
    bool boxShown_ = false;
};

// 請選擇十年大運: twelve ten-year ranges from the first start age (the bureau).
// The choice is an index; the view turns it into a palace.
class CTenYearDlg : public CPeriodPickerDlg {
    Q_OBJECT
  public:
    CTenYearDlg(ChartRecord& record, const AppSettings& settings, const CurrentTime& now,
                QWidget* parent = nullptr, PickerOpensOn opensOn = PickerOpensOn::LastChoice);
    int chosenIndex() const { return chosen_; }

  protected:
    void fillList() override;
    void writeRecord(int index) override;

  private:
    int chosen_ = -1;
};

// 請選擇流年: up to 200 years before the present lunar year (not before the birth
// year), 今年, and up to 200 years after it (before 2100).
class CFlowYearDlg : public CPeriodPickerDlg {
    Q_OBJECT
  public:
    CFlowYearDlg(ChartRecord& record, const AppSettings& settings, const CurrentTime& now,
                 QWidget* parent = nullptr, PickerOpensOn opensOn = PickerOpensOn::LastChoice);
    int chosenYear() const { return chosenYear_; }
    int yearOfEntry(int index) const;

  protected:
    void fillList() override;
    void writeRecord(int index) override;

  private:
    std::vector<int> years_;
    int chosenYear_ = 0;
};

// 請選擇流月: the months of the flow year, the leap month after its regular one.
class CFlowMonthDlg : public CPeriodPickerDlg {
    Q_OBJECT
  public:
    CFlowMonthDlg(ChartRecord& record, const AppSettings& settings, const CurrentTime& now,
                  QWidget* parent = nullptr, PickerOpensOn opensOn = PickerOpensOn::LastChoice);

  protected:
    void fillList() override;
    void writeRecord(int index) override;

  private:
    int listedYear() const;
};

// 請選擇流日: the days of the flow lunar month.
class CFlowDateDlg : public CPeriodPickerDlg {
    Q_OBJECT
  public:
    CFlowDateDlg(ChartRecord& record, const AppSettings& settings, const CurrentTime& now,
                 QWidget* parent = nullptr, PickerOpensOn opensOn = PickerOpensOn::LastChoice);

  protected:
    void fillList() override;
    void writeRecord(int index) override;
};

// 請選擇流時: the thirteen two-hour periods, 子 after midnight to the late 子.
class CFlowTimeDlg : public CPeriodPickerDlg {
    Q_OBJECT
  public:
    CFlowTimeDlg(ChartRecord& record, const AppSettings& settings, const CurrentTime& now,
                 QWidget* parent = nullptr, PickerOpensOn opensOn = PickerOpensOn::LastChoice);

  protected:
    void fillList() override;
    void writeRecord(int index) override;
};

// 請選擇流分: the twelve ten-minute slots of the flow two-hour period.
class CFlowMinDlg : public CPeriodPickerDlg {
    Q_OBJECT
  public:
    CFlowMinDlg(ChartRecord& record, const AppSettings& settings, const CurrentTime& now,
                QWidget* parent = nullptr, PickerOpensOn opensOn = PickerOpensOn::LastChoice);

  protected:
    void fillList() override;
    void writeRecord(int index) override;
};

// The picker text of ten-minute slot k (0-11) of hour index h (0-12): the :50
// slot ends at the next hour :00, and 23 wraps to 0.
QString PickerMinuteSlotText(int hourIndex, int slot);

// The flow year's entry text: "%4d年", or the 民國 text when yearDisplay is 1.
QString PickerYearText(int year, int yearDisplay);

// The sexagenary name (干支) of a pillar 0-59; empty outside.
QString PickerPillarText(int sexagenary);

// Writes the Gregorian flow date from the lunar one; false (nothing written)
// when the lunar flow date does not exist.
bool DeriveSolarFlowDate(ChartRecord& record);

} // namespace zelk
