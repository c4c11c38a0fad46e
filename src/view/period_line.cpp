#include "period_line.h"

#include "calendar/lunar_calendar.h"
#include "view_text.h"

namespace zelk {

QString PeriodRun::text() const {
    QString out;
    for (const auto& s : segments)
        out += s.text;
    return out;
}

int PalaceNamed(const ChartBlock& block, int name) {
    for (int p = 0; p < 12; ++p)
        if (block.nameAt(p) == name) return p;
    return -1;
}

QString MinuteSlotText(int hourIndex, int slot) {
    int hour = 2 * hourIndex - 1; // the period's first clock hour
    if (hour < 0) hour += 24;
    int minute = 10 * slot;
    if (minute > 58) { // the second clock hour of the period
        hour = hour + 1 == 24 ? 0 : hour + 1;
        minute -= 60;
    }
    int endHour = hour;
    int endMinute = minute + 10;
    if (minute == 50) { // the end hour is not wrapped: 23:50 ends at 24:00
        endHour = hour + 1;
        endMinute = 0;
    }
    return QString::asprintf("%2d:%02d ~ %2d:%02d", hour, minute, endHour, endMinute);
}

namespace {

PeriodRun Run(PeriodRun::Font font, PeriodRun::Row row, PeriodRun::Align align) {
    PeriodRun run;
    run.font = font;
    run.row = row;
    run.align = align;
    return run;
}

QString AgeRange(int start) {
    return QString::asprintf("%3d -- %3d", start, start + 9);
}

// The eight minor-period ages of a palace, or the first one alone when the
// stacked transformation display takes the room.
void AddMinorAges(std::vector<PeriodRun>& runs, const ChartRecord& record,
                  const AppSettings& settings, int palace, bool printing) {
    const int first = record.smallLimitOrder[palace];
    if (settings.YearHuaBase == 3) {
        if (!settings.SmallDisplay) return;
        auto run = Run(PeriodRun::SmallFont, PeriodRun::BottomRow, PeriodRun::LeftIndented);
        run.segments.push_back({QString::asprintf("%3d ", first)});
        runs.push_back(run);
        return;
    }
    if (!printing && !settings.SmallDisplay) return;
    auto run = Run(PeriodRun::SmallFont, PeriodRun::RaisedRow, PeriodRun::Centred);
    run.segments.push_back(
        {QString::asprintf("%2d %2d %2d %2d %2d %2d %2d %2d", first, first + 12, first + 24,
                           first + 36, first + 48, first + 60, first + 72, first + 84)});
    runs.push_back(run);
}

void AddDecade(std::vector<PeriodRun>& runs, const ChartRecord& record, const AppSettings& settings,
               int palace, int level, bool printing) {
    if (!printing && !settings.TenYearDisplay) return;
    // The natal chart writes its ages in the number face, the period charts in the palace face.
    auto run = Run(level == 0 ? PeriodRun::AgesFont : PeriodRun::PalaceFont, PeriodRun::BottomRow,
                   PeriodRun::Centred);
    const QString range = AgeRange(record.decadeFirstAge[palace]);
    if (level == 1 && palace == Mod(record.tenYearPalace, 12))
        run.segments.push_back({ViewText(421) + range, true, false, palace});
    else
        run.segments.push_back({range, false, false, palace});
    runs.push_back(run);
}

void AddFlowYear(std::vector<PeriodRun>& runs, const ChartRecord& record,
                 const AppSettings& settings, const ChartBlock& block, int palace) {
    const int flowAge = record.flowLunarYear - record.lunarYear + 1;
    const int base = Mod(record.flowLifePalace, 12);
    // The flow-year palace shows the flow age; the nine after it count up, the
    // two before it down; an age that comes out at or below 0 wraps by 12.
    int age = flowAge + Mod(palace - (base - 2), 12) - 2;
    if (age <= 0) age += 12;
    const int flowLife = settings.FlowLifeHouseType == 0 ? PalaceNamed(block, 1) : base;

    int smallLimitAge = flowAge % 12;
    if (smallLimitAge <= 0) smallLimitAge += 12;
    if (record.smallLimitOrder[palace] == smallLimitAge) {
        auto small = Run(PeriodRun::PalaceFont, PeriodRun::RaisedRow, PeriodRun::Centred);
        small.segments.push_back({ViewText(419) + QString::asprintf("%3d", flowAge), true});
        runs.push_back(small);
    }
    auto run = Run(PeriodRun::PalaceFont, PeriodRun::BottomRow, PeriodRun::Centred);
    const QString text = QString::asprintf("%3d ", age);
    if (palace == flowLife)
        run.segments.push_back({ViewText(418) + text, true, false, age});
    else
        run.segments.push_back({text, false, false, age});
    runs.push_back(run);
}

void AddFlowMonth(std::vector<PeriodRun>& runs, const ChartRecord& record, const ChartBlock& block,
                  int palace) {
    const int month = Mod(palace - record.flowDouJun, 12) + 1;
    auto run = Run(PeriodRun::PalaceFont, PeriodRun::BottomRow, PeriodRun::Centred);
    const QString text = QString::asprintf("%2d", month);
    if (block.nameAt(palace) == 1)
        run.segments.push_back({ViewText(429) + text, true, false, month});
    else
        run.segments.push_back({text, false, false, month});
    runs.push_back(run);
}

void AddFlowDay(std::vector<PeriodRun>& runs, const ChartRecord& record, const ChartBlock& block,
                int palace) {
    const int d = Mod(palace - record.flowMonthLifePalace, 12);
    const int length =
        LunarMonthLength(record.flowLunarYear, record.flowLunarMonth, record.flowIsLeap != 0);
    auto run = Run(PeriodRun::PalaceFont, PeriodRun::BottomRow, PeriodRun::Centred);
    if (block.nameAt(palace) == 1) run.segments.push_back({ViewText(430), true});
    bool firstDay = true;
    for (int day = d + 1; day <= d + 25; day += 12) {
        // The third day exists only in a month that long; without a month length
        // (outside the calendar table) the two first days still show.
        if (day > 24 && day > length) break;
        QString text = QString::asprintf(firstDay ? "%2d" : " %2d", day);
        firstDay = false;
        const bool current = day == record.flowLunarDay;
        run.segments.push_back({text, false, current, day});
    }
    run.segments.push_back({ViewText(173)});
    runs.push_back(run);
}

void AddFlowHour(std::vector<PeriodRun>& runs, const ChartRecord& record, const ChartBlock& block,
                 int palace) {
    // Hour 0 (子) stands in the palace the 流時 命宮 steps back to.
    const int hourBase = Mod(record.flowHourPalace - record.flowHour, 12);
    const int hour = Mod(palace - hourBase, 12);
    auto run = Run(PeriodRun::PalaceFont, PeriodRun::BottomRow, PeriodRun::Centred);
    const QString text = ViewText(145 + hour) + ViewText(174);
    if (block.nameAt(palace) == 1)
        run.segments.push_back({ViewText(431) + text, true, false, hour});
    else
        run.segments.push_back({text, false, false, hour});
    runs.push_back(run);
}

void AddFlowMinute(std::vector<PeriodRun>& runs, const ChartRecord& record, int palace) {
    const int slot = Mod(palace - record.flowHourPalace, 12);
    const int hourIndex = record.flowHour >= 0 && record.flowHour <= 12 ? record.flowHour : 0;
    const QString text = MinuteSlotText(hourIndex, slot);
    if (slot == Mod(record.flowMinute, 12)) {
        auto run = Run(PeriodRun::PalaceFont, PeriodRun::BottomRow, PeriodRun::CentredNarrowRight);
        run.segments.push_back({ViewText(432) + text, true, false, slot});
        runs.push_back(run);
        return;
    }
    auto run = Run(PeriodRun::PalaceFont, PeriodRun::BottomRow, PeriodRun::Centred);
    run.segments.push_back({text, false, false, slot});
    runs.push_back(run);
}

} // namespace

std::vector<PeriodRun> PeriodLineRuns(const ChartRecord& record, const AppSettings& settings,
                                      const ChartBlock& block, int palace, int level,
                                      bool printing) {
    std::vector<PeriodRun> runs;
    if (palace < 0 || palace > 11) return runs;
    switch (level) {
    case 0:
    case 1:
        AddDecade(runs, record, settings, palace, level, printing);
        AddMinorAges(runs, record, settings, palace, printing);
        break;
    case 2:
        AddFlowYear(runs, record, settings, block, palace);
        break;
    case 3:
        AddFlowMonth(runs, record, block, palace);
        break;
    case 4:
        AddFlowDay(runs, record, block, palace);
        break;
    case 5:
        AddFlowHour(runs, record, block, palace);
        break;
    case 6:
        AddFlowMinute(runs, record, palace);
        break;
    default:
        break;
    }
    return runs;
}

} // namespace zelk
