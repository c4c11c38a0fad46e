// The centre block: the lines of client data, pillars, 命主/身主, 斗君 and the
// period shown, with the print switch of each item.
#pragma once

#include "calendar/current_time.h"
#include "chart/chart_record.h"
#include "chart_painter.h"
#include "settings/app_settings.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace zelk {

struct CentreLine {
    int number = 0;         // 1-12 as listed below; 13, 14, 15 the footer lines
    QString left, right;    // a line with one item has only `left`
    bool leftShown = false; // on screen nearly always; on paper when its print key is on
    bool rightShown = false;
    // The line takes its row even when nothing of it is drawn (screen painting).
    bool keepsRow = false;
};

// Lines: 1 name | age, 2 animal | sex, 3 Gregorian birth, 4 lunar birth,
// 5 eight characters, 6 命宮 | 身宮, 7 命主 | 身主, 8 子年斗君 | 五行局, 9 斗君 | 流昌,
// 10-11 the period (or the present moment at the natal level), 12 today (period
// levels only), then the footer lines.
std::vector<CentreLine> CentreBlockLines(const ChartRecord& record, const AppSettings& settings,
                                         const CurrentTime& now, bool printing,
                                         const FlowPillarCache& pillars,
                                         const QStringList& footers);

// The flow stems and branches of the record's flow date for its level, and the
// flow age. Pillars the flow date cannot give (outside the calendar) stay -1.
FlowPillarCache FlowPillarsOf(const ChartRecord& record);

// The name of a sexagenary pillar (0-59) from the stem and branch strings.
QString PillarLabel(int sexagenary);

} // namespace zelk
