// The flow-month and flow-day pickers.
#include "period_pickers.h"

#include "calendar/lunar_calendar.h"
#include "view_text.h"

namespace zelk {

namespace {

bool SameLunarMonth(const ChartRecord& r, const LunarDate& d) {
    return r.flowLunarYear == d.year && r.flowLunarMonth == d.month &&
           (r.flowIsLeap != 0) == (d.leap != 0);
}

} // namespace

CFlowMonthDlg::CFlowMonthDlg(ChartRecord& record, const AppSettings& settings,
                             const CurrentTime& now, QWidget* parent)
    : CPeriodPickerDlg(PickerDialogId::FlowMonth, QStringLiteral("請選擇流月"), record, settings,
                       now, parent) {
    addPresentBox(QStringLiteral("今年 ﹝如果不選則為先前所選流年﹞"));
    setPresentBoxShown(now_.lunar.valid() && record_.flowLunarYear != now_.lunar.year);
    fillList();
}

int CFlowMonthDlg::listedYear() const {
    return presentChecked() ? now_.lunar.year : record_.flowLunarYear;
}

void CFlowMonthDlg::fillList() {
    const LunarYearMonths months = LunarYearMonthLengths(listedYear());
    QStringList entries;
    for (int month = 1; month <= 12; ++month) {
        entries << QString::asprintf("%2d", month);
        if (months.hasLeap && month == months.leapMonth)
            entries << ViewText(535) + QString::asprintf("%2d", month);
    }
    int preselected = 0;
    if (presentChecked()) {
        // The leap entry stands right after its month.
        preselected = now_.lunar.month - 1;
        if (months.hasLeap && (now_.lunar.month > months.leapMonth ||
                               (now_.lunar.month == months.leapMonth && now_.lunar.leap)))
            ++preselected;
    }
    setEntries(entries, preselected);
}

void CFlowMonthDlg::writeRecord(int index) {
    if (presentChecked()) {
        record_.flowLunarYear = now_.lunar.year;
        record_.flowSolarYear = now_.year;
    }
    const LunarYearMonths months = LunarYearMonthLengths(record_.flowLunarYear);
    const int leapMonth = months.hasLeap ? months.leapMonth : 13;
    if (index >= leapMonth) {
        record_.flowIsLeap = index == leapMonth ? 1 : 0;
        record_.flowLunarMonth = static_cast<int16_t>(index);
    } else {
        record_.flowIsLeap = 0;
        record_.flowLunarMonth = static_cast<int16_t>(index + 1);
    }
    record_.hourIndex = record_.placementHour;
}

CFlowDateDlg::CFlowDateDlg(ChartRecord& record, const AppSettings& settings, const CurrentTime& now,
                           QWidget* parent)
    : CPeriodPickerDlg(PickerDialogId::FlowDate, QStringLiteral("請選擇流日"), record, settings,
                       now, parent) {
    addPresentBox(QStringLiteral("本月 ﹝如果不選則為先前所選流年流月﹞"));
    setPresentBoxShown(now_.lunar.valid() && !SameLunarMonth(record_, now_.lunar));
    fillList();
}

void CFlowDateDlg::fillList() {
    const bool present = presentChecked();
    const int year = present ? now_.lunar.year : record_.flowLunarYear;
    const int month = present ? now_.lunar.month : record_.flowLunarMonth;
    const bool leap = present ? now_.lunar.leap != 0 : record_.flowIsLeap != 0;
    int length = LunarMonthLength(year, month, leap);
    // A flow month outside the calendar still offers a full month; the chart
    // computation then reports the date it cannot place.
    if (length <= 0) length = 30;
    QStringList entries;
    for (int day = 1; day <= length; ++day)
        entries << QString::asprintf("%2d", day);
    setEntries(entries, (present ? now_.lunar.day : record_.flowLunarDay) - 1);
}

void CFlowDateDlg::writeRecord(int index) {
    if (presentChecked()) {
        record_.flowLunarYear = now_.lunar.year;
        record_.flowLunarMonth = now_.lunar.month;
        record_.flowIsLeap = now_.lunar.leap;
    }
    record_.flowLunarDay = static_cast<int16_t>(index + 1);
    DeriveSolarFlowDate(record_);
    record_.hourIndex = record_.placementHour;
}

} // namespace zelk
