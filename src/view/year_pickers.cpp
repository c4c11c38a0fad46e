// The ten-year and flow-year pickers.
#include "period_pickers.h"

#include "calendar/lunar_calendar.h"
#include "view_text.h"

#include <QComboBox>

namespace zelk {

namespace {
// The lunar year of the present moment; the Gregorian year when the moment lies
// outside the lunar table.
int PresentLunarYear(const CurrentTime& now) {
    return now.lunar.valid() ? now.lunar.year : now.year;
}
} // namespace

CTenYearDlg::CTenYearDlg(ChartRecord& record, const AppSettings& settings, const CurrentTime& now,
                         QWidget* parent, PickerOpensOn opensOn)
    : CPeriodPickerDlg(PickerDialogId::TenYear, QStringLiteral("請選擇十年大運"), record, settings,
                       now, parent, opensOn) {
    fillList();
}

void CTenYearDlg::fillList() {
    const int first = record_.bureau;
    const int age = PresentLunarYear(now_) - record_.lunarYear + 1;
    // The view steps from the life palace, forward for a yang male or a yin female.
    const bool forward = (record_.stemParity == 0) == (record_.sex == 0);
    QStringList entries;
    int preselected = 0;
    int stored = -1;
    for (int i = 0; i < 12; ++i) {
        const int start = first + 10 * i;
        const int palace = Mod(record_.lifePalace + (forward ? i : -i), 12);
        // The decade's palace with its natal stem and branch, and its lunar years.
        const int stem = record_.natalChart.stemAt(palace);
        const int from = record_.lunarYear + start - 1;
        entries << QString::asprintf("%3d --%3d", start, start + 9) + QStringLiteral("   ") +
                       ViewText(135 + stem) + ViewText(145 + BranchOfPosition(palace)) +
                       QStringLiteral("   ") + QString::asprintf("%4d -- %4d", from, from + 9) +
                       ViewText(171);
        if (start <= age && age <= start + 9) preselected = i;
        if (palace == Mod(record_.tenYearPalace, 12)) stored = i;
    }
    // An age past the last range keeps to the last one.
    if (age > first + 119) preselected = 11;
    if (opensOnLastChoice() && stored >= 0) preselected = stored;
    setEntries(entries, preselected);
}

void CTenYearDlg::writeRecord(int index) {
    chosen_ = index;
    record_.hourIndex = record_.placementHour;
}

CFlowYearDlg::CFlowYearDlg(ChartRecord& record, const AppSettings& settings, const CurrentTime& now,
                           QWidget* parent, PickerOpensOn opensOn)
    : CPeriodPickerDlg(PickerDialogId::FlowYear, QStringLiteral("請選擇流年"), record, settings,
                       now, parent, opensOn) {
    setLabel(QStringLiteral("請選擇以下農曆年"));
    fillList();
}

void CFlowYearDlg::fillList() {
    const int present = PresentLunarYear(now_);
    const int birth = record_.lunarYear;
    years_.clear();
    QStringList entries;
    int storedEntry = -1;
    auto add = [&](int year, const QString& yearText) {
        if (year == record_.flowLunarYear) storedEntry = int(entries.size());
        years_.push_back(year);
        // The year with its 干支 and the nominal age it gives.
        const QString pillar =
            ViewText(135 + Mod(year + 6, 10)) + ViewText(145 + Mod(year - 1900, 12));
        entries << QStringLiteral("%1 %2 %3%4")
                       .arg(yearText, pillar)
                       .arg(year - birth + 1)
                       .arg(ViewText(422));
    };
    for (int year = std::max(present - 200, birth); year < present; ++year)
        add(year, PickerYearText(year, settings_.YearDisplay));
    const int presentEntry = int(entries.size());
    add(present, ViewText(417)); // 今年
    for (int year = present + 1; year <= present + 200 && year < 2100; ++year)
        add(year, PickerYearText(year, settings_.YearDisplay));
    setEntries(entries, opensOnLastChoice() && storedEntry >= 0 ? storedEntry : presentEntry);
}

int CFlowYearDlg::yearOfEntry(int index) const {
    if (index < 0 || index >= int(years_.size())) return 0;
    return years_[std::size_t(index)];
}

void CFlowYearDlg::writeRecord(int index) {
    chosenYear_ = yearOfEntry(index);
    record_.flowLunarYear = static_cast<int16_t>(chosenYear_);
    record_.flowSolarYear = static_cast<int16_t>(chosenYear_);
    record_.hourIndex = record_.placementHour;
}

} // namespace zelk
