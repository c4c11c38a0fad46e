// The flow-month and flow-day pickers.
#include "period_pickers.h"

#include "calendar/lunar_calendar.h"
#include "calendar/pillars.h"
#include "view_text.h"

namespace zelk {

namespace {

bool SameLunarMonth(const ChartRecord& r, const LunarDate& d) {
    return r.flowLunarYear == d.year && r.flowLunarMonth == d.month &&
           (r.flowIsLeap != 0) == (d.leap != 0);
}

// The entry index of a month in a year's list, where the leap month follows its
// regular month.
int MonthEntry(const LunarYearMonths& months, int month, bool leap) {
    int index = month - 1;
    if (months.hasLeap && (month > months.leapMonth || (month == months.leapMonth && leap)))
        ++index;
    return index;
}

// " 3月   庚辰月   起 2020/4/23": the month, its pillar and the Gregorian date of its
// first day (the pillar of that day's month, as the side panel shows it).
QString MonthEntryText(int year, int month, bool leap) {
    QString text = (leap ? ViewText(535) : QString()) + QString::asprintf("%2d", month);
    const auto first = LunarToSolar(year, month, 1, leap);
    if (!first) return text;
    text += ViewText(172);
    if (const auto pillars = FourPillarsLunar(first->year, first->month, first->day, 0))
        text += QStringLiteral("   ") + PickerPillarText(pillars->month()) + ViewText(172);
    return text + QStringLiteral("   ") +
           QString::asprintf("%d/%d/%d", first->year, first->month, first->day) +
           QStringLiteral(" 起");
}

// "%2d" + "日   壬午日   2020/5/1 (五)": the day, its pillar, its Gregorian date and weekday.
QString DayEntryText(int year, int month, int day, bool leap) {
    QString text = QString::asprintf("%2d", day);
    const auto solar = LunarToSolar(year, month, day, leap);
    if (!solar) return text;
    text += ViewText(173);
    if (const auto pillars = FourPillarsLunar(solar->year, solar->month, solar->day, 0))
        text += QStringLiteral("   ") + PickerPillarText(pillars->day()) + ViewText(173);
    const int weekday = Mod(DayNumber1900(solar->year, solar->month, solar->day), 7);
    return text + QStringLiteral("   ") +
           QString::asprintf("%d/%d/%d", solar->year, solar->month, solar->day) +
           QStringLiteral(" (") + ViewText(weekday == 0 ? 544 : 537 + weekday) + QLatin1Char(')');
}

} // namespace

CFlowMonthDlg::CFlowMonthDlg(ChartRecord& record, const AppSettings& settings,
                             const CurrentTime& now, QWidget* parent, PickerOpensOn opensOn)
    : CPeriodPickerDlg(PickerDialogId::FlowMonth, QStringLiteral("請選擇流月"), record, settings,
                       now, parent, opensOn) {
    addPresentBox(QStringLiteral("今年 ﹝如果不選則為先前所選流年﹞"));
    setPresentBoxShown(now_.lunar.valid() && record_.flowLunarYear != now_.lunar.year);
    fillList();
}

int CFlowMonthDlg::listedYear() const {
    return presentChecked() ? now_.lunar.year : record_.flowLunarYear;
}

void CFlowMonthDlg::fillList() {
    const int year = listedYear();
    const LunarYearMonths months = LunarYearMonthLengths(year);
    QStringList entries;
    for (int month = 1; month <= 12; ++month) {
        entries << MonthEntryText(year, month, false);
        if (months.hasLeap && month == months.leapMonth)
            entries << MonthEntryText(year, month, true);
    }
    // The present month with the box or before any choice, else the stored one;
    // a leap month only in the year that has it.
    int preselected = 0;
    if (presentChecked() || !opensOnLastChoice()) {
        const bool leap = now_.lunar.leap != 0 && year == now_.lunar.year;
        preselected = MonthEntry(months, now_.lunar.month, leap);
    } else {
        preselected = MonthEntry(months, record_.flowLunarMonth,
                                 record_.flowIsLeap != 0 && months.hasLeap &&
                                     record_.flowLunarMonth == months.leapMonth);
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
                           QWidget* parent, PickerOpensOn opensOn)
    : CPeriodPickerDlg(PickerDialogId::FlowDate, QStringLiteral("請選擇流日"), record, settings,
                       now, parent, opensOn) {
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
        entries << DayEntryText(year, month, day, leap);
    // Today's day with the box or before any choice (the month may be shorter).
    const int day = present || !opensOnLastChoice() ? now_.lunar.day : record_.flowLunarDay;
    setEntries(entries, std::min(day, length) - 1);
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
