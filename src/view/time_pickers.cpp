// The flow-hour and flow-minute pickers.
#include "period_pickers.h"

#include "calendar/lunar_calendar.h"
#include "calendar/pillars.h"
#include "view_text.h"

namespace zelk {

namespace {

inline constexpr int kLateZiHour = 12;

bool IsFlowDate(const ChartRecord& r, const LunarDate& d) {
    return r.flowLunarYear == d.year && r.flowLunarMonth == d.month && r.flowLunarDay == d.day &&
           (r.flowIsLeap != 0) == (d.leap != 0);
}

// The late 子 hour is stored as the 子 hour of the next lunar day.
int StoredHour(int hourIndex) {
    return hourIndex == kLateZiHour ? 0 : hourIndex;
}

void TakePresentDate(ChartRecord& r, const CurrentTime& now) {
    r.flowLunarYear = now.lunar.year;
    r.flowLunarMonth = now.lunar.month;
    r.flowLunarDay = now.lunar.day;
    r.flowIsLeap = now.lunar.leap;
    r.flowSolarYear = now.year;
    r.flowSolarMonth = now.month;
    r.flowSolarDay = now.day;
}

} // namespace

CFlowTimeDlg::CFlowTimeDlg(ChartRecord& record, const AppSettings& settings, const CurrentTime& now,
                           QWidget* parent, PickerOpensOn opensOn)
    : CPeriodPickerDlg(PickerDialogId::FlowTime, QStringLiteral("請選擇流時"), record, settings,
                       now, parent, opensOn) {
    addPresentBox(QStringLiteral("今日 ﹝如果不選則為先前所選流年流月流日﹞"));
    setPresentBoxShown(now_.lunar.valid() && !IsFlowDate(record_, now_.lunar));
    fillList();
}

void CFlowTimeDlg::fillList() {
    // Each hour with its pillar on the listed day (the late 子 hour is the next day's 子).
    const bool present = presentChecked();
    const int year = present ? now_.year : record_.flowSolarYear;
    const int month = present ? now_.month : record_.flowSolarMonth;
    const int day = present ? now_.day : record_.flowSolarDay;
    QStringList entries;
    for (int hour = 0; hour <= kLateZiHour; ++hour) {
        QString text = ViewText(105 + hour);
        if (const auto pillars = FourPillarsLunar(year, month, day, hour))
            text += QStringLiteral("   ") + PickerPillarText(pillars->hour()) + ViewText(174);
        entries << text;
    }
    setEntries(entries, present || !opensOnLastChoice() ? now_.hourIndex : record_.flowHour);
}

void CFlowTimeDlg::writeRecord(int index) {
    const bool present = presentChecked();
    if (present) TakePresentDate(record_, now_);
    if (index == kLateZiHour) {
        // The late 子 hour belongs to the next lunar day. The present date has
        // already moved there when the clock itself stands in that hour.
        if (!present || now_.hourIndex != kLateZiHour) {
            LunarDate date{record_.flowLunarYear, record_.flowLunarMonth, record_.flowLunarDay,
                           record_.flowIsLeap};
            NextLunarDay(date);
            record_.flowLunarYear = date.year;
            record_.flowLunarMonth = date.month;
            record_.flowLunarDay = date.day;
            record_.flowIsLeap = date.leap;
            DeriveSolarFlowDate(record_);
        }
    }
    record_.flowHour = static_cast<int16_t>(StoredHour(index));
    record_.hourIndex = record_.flowHour;
}

CFlowMinDlg::CFlowMinDlg(ChartRecord& record, const AppSettings& settings, const CurrentTime& now,
                         QWidget* parent, PickerOpensOn opensOn)
    : CPeriodPickerDlg(PickerDialogId::FlowMinute, QStringLiteral("請選擇流分"), record, settings,
                       now, parent, opensOn) {
    addPresentBox(QStringLiteral("目前時辰 ﹝如果不選則為先前所選流年流月流日流時﹞"));
    const bool presentHour = IsFlowDate(record_, now_.lunar) &&
                             StoredHour(record_.flowHour) == StoredHour(now_.hourIndex);
    setPresentBoxShown(now_.lunar.valid() && !presentHour);
    fillList();
}

void CFlowMinDlg::fillList() {
    const bool present = presentChecked();
    const int hour = present ? now_.hourIndex : record_.flowHour;
    QStringList entries;
    for (int slot = 0; slot < 12; ++slot)
        entries << PickerMinuteSlotText(hour, slot);
    // The present ten-minute slot with the box or before any choice.
    setEntries(entries, present || !opensOnLastChoice() ? now_.minuteIndex : record_.flowMinute);
}

void CFlowMinDlg::writeRecord(int index) {
    if (presentChecked()) {
        TakePresentDate(record_, now_);
        record_.flowHour = static_cast<int16_t>(StoredHour(now_.hourIndex));
        record_.hourIndex = record_.flowHour;
    }
    record_.flowMinute = static_cast<int16_t>(index);
}

} // namespace zelk
