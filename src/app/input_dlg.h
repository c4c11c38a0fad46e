// CInputDlg: entering a new client (dialog 558 "請輸入個人資料") or changing the
// client of the current chart (dialog 565 "修改個人資料"). It edits one client
// record; 排盤 confirms. The date lists follow InputDateModel.
#pragma once

#include "clients/client_record.h"
#include "input_date_model.h"

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace zelk {

struct AppContext;

class CInputDlg : public QDialog {
    Q_OBJECT
  public:
    enum class Mode { New, Modify };

    // `clients` gives the category list; `current` is the chart's record (modify mode).
    CInputDlg(Mode mode, AppContext& context, const ClientList& clients, const tagUserInfo* current,
              QWidget* parent = nullptr);

    Mode mode() const { return mode_; }
    // The record as confirmed (valid after accept()).
    const tagUserInfo& record() const { return record_; }
    const InputDateModel& dates() const { return dates_; }
    // A control by its dialog number.
    QWidget* control(int id) const;

    // The user's selections, as the lists make them.
    void chooseCalendar(bool lunar);
    void chooseYear(int index);
    void chooseMonth(int index);
    void chooseDay(int index);
    void chooseHour(int index);

    // Year-list text of a year (民國 forms when yearDisplay is 1).
    static QString YearText(int year, int yearDisplay);

    void accept() override;

  private:
    void createControls();
    void fillFromRecord();
    void fillYearList();
    void fillMonthList();
    void fillDayList();
    void fillCategoryList(const ClientList& clients);
    void collectIntoRecord();
    QLineEdit* addEdit(int id, int maxLength);

    Mode mode_;
    AppContext& context_;
    tagUserInfo record_;
    InputDateModel dates_;
    QLineEdit* name_ = nullptr;
    QRadioButton* male_ = nullptr;
    QRadioButton* female_ = nullptr;
    QComboBox* category_ = nullptr;
    QRadioButton* gregorian_ = nullptr;
    QRadioButton* lunar_ = nullptr;
    QComboBox* blood_ = nullptr;
    QComboBox* sibling_ = nullptr;
    QComboBox* year_ = nullptr;
    QComboBox* month_ = nullptr;
    QComboBox* day_ = nullptr;
    QComboBox* hour_ = nullptr;
    QLineEdit* address_ = nullptr;
    QLineEdit* phone_ = nullptr;
    QLineEdit* birthPlace_ = nullptr;
    QLineEdit* email_ = nullptr;
    QLineEdit* introducer_ = nullptr;
    QLineEdit* longitude_ = nullptr;
    QLineEdit* latitude_ = nullptr;
    QLineEdit* height_ = nullptr;
    QLineEdit* education_ = nullptr;
    QPlainTextEdit* note_ = nullptr;
    QLineEdit* idBox_ = nullptr;
    QLineEdit* createdBox_ = nullptr;
};

// The height box read as a signed 16-bit integer; 0 when empty or not a number.
int16_t ParseHeightText(const QString& text);

} // namespace zelk
