#include "period_pickers.h"

#include "calendar/date_text.h"
#include "calendar/lunar_calendar.h"
#include "view_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelk {

namespace {
CPeriodPickerDlg::Runner& PickerRunner() {
    static CPeriodPickerDlg::Runner runner;
    return runner;
}
} // namespace

void CPeriodPickerDlg::setRunner(Runner runner) {
    PickerRunner() = std::move(runner);
}

CPeriodPickerDlg::CPeriodPickerDlg(int dialogId, const QString& caption, ChartRecord& record,
                                   const AppSettings& settings, const CurrentTime& now,
                                   QWidget* parent, PickerOpensOn opensOn)
    : QDialog(parent), record_(record), settings_(settings), now_(now), opensOn_(opensOn) {
    setObjectName(QString::number(dialogId));
    setWindowTitle(caption);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    label_ = new QLabel(caption, this);
    layout->addWidget(label_);
    list_ = new QComboBox(this);
    list_->setMaxVisibleItems(20);
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("排盤"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void CPeriodPickerDlg::addPresentBox(const QString& caption) {
    box_ = new QCheckBox(caption, this);
    box_->setChecked(false);
    auto* box = qobject_cast<QVBoxLayout*>(layout());
    box->insertWidget(2, box_);
    connect(box_, &QCheckBox::toggled, this, [this] { fillList(); });
}

void CPeriodPickerDlg::setPresentBoxShown(bool shown) {
    boxShown_ = shown && box_;
    if (!box_) return;
    box_->setVisible(shown);
    // A hidden box cannot be checked: the previous choice is the present one.
    if (!shown && box_->isChecked()) {
        const QSignalBlocker block(box_);
        box_->setChecked(false);
    }
}

bool CPeriodPickerDlg::presentBoxShown() const {
    return boxShown_;
}

bool CPeriodPickerDlg::presentChecked() const {
    return box_ && boxShown_ && box_->isChecked();
}

void CPeriodPickerDlg::setLabel(const QString& text) {
    label_->setText(text);
}

void CPeriodPickerDlg::setEntries(const QStringList& entries, int preselected) {
    const QSignalBlocker block(list_);
    list_->clear();
    list_->addItems(entries);
    if (entries.isEmpty()) return;
    list_->setCurrentIndex(std::clamp(preselected, 0, int(entries.size()) - 1));
}

int CPeriodPickerDlg::selectedIndex() const {
    return list_->currentIndex();
}
int CPeriodPickerDlg::entryCount() const {
    return list_->count();
}
QString CPeriodPickerDlg::entryText(int index) const {
    return list_->itemText(index);
}

bool CPeriodPickerDlg::acceptWith(int index) {
    if (index < 0 || index >= list_->count()) return false;
    list_->setCurrentIndex(index);
    accept();
    return result() == QDialog::Accepted;
}

bool CPeriodPickerDlg::acceptWith(int index, bool checked) {
    if (box_ && boxShown_) box_->setChecked(checked);
    return acceptWith(index);
}

void CPeriodPickerDlg::accept() {
    const int index = list_->currentIndex();
    if (index < 0 || index >= list_->count()) return; // nothing chosen: stay open
    writeRecord(index);
    QDialog::accept();
}

bool CPeriodPickerDlg::run() {
    if (PickerRunner()) return PickerRunner()(*this);
    return exec() == QDialog::Accepted;
}

QString PickerMinuteSlotText(int hourIndex, int slot) {
    hourIndex = std::clamp(hourIndex, 0, 12);
    slot = std::clamp(slot, 0, 11);
    int hour = 2 * hourIndex - 1; // the period's first clock hour
    if (hour < 0) hour += 24;
    int minute = 10 * slot;
    if (minute >= 60) { // the second clock hour of the period
        hour = (hour + 1) % 24;
        minute -= 60;
    }
    int endHour = hour;
    int endMinute = minute + 10;
    if (minute == 50) {
        endHour = (hour + 1) % 24;
        endMinute = 0;
    }
    return QString::asprintf("%2d:%02d ~ %2d:%02d", hour, minute, endHour, endMinute);
}

QString PickerPillarText(int sexagenary) {
    if (sexagenary < 0 || sexagenary > 59) return {};
    return ViewText(135 + sexagenary % 10) + ViewText(145 + sexagenary % 12);
}

QString PickerYearText(int year, int yearDisplay) {
    if (yearDisplay == 1) {
        std::string text;
        FormatMinguoYear(year, text);
        return QString::fromStdString(text);
    }
    return QString::asprintf("%4d", year) + ViewText(171);
}

bool DeriveSolarFlowDate(ChartRecord& record) {
    const auto solar = LunarToSolar(record.flowLunarYear, record.flowLunarMonth,
                                    record.flowLunarDay, record.flowIsLeap != 0);
    if (!solar) return false;
    record.flowSolarYear = solar->year;
    record.flowSolarMonth = solar->month;
    record.flowSolarDay = solar->day;
    return true;
}

} // namespace zelk
