// Which stems' four transformations (四化) a chart shows, in which style: one
// stem in the single-stem modes of YearHuaBase, up to three stacked layers in
// the stacked mode. The painter draws the marks from it and the side panel names
// the stems in its heading, so the two never disagree.
#pragma once

#include "chart/chart_record.h"
#include "chart_painter.h"
#include "settings/app_settings.h"

#include <QColor>
#include <QString>

#include <vector>

namespace zelk {

enum class MarkStyle { Plain, Circle, Square, Rounded, Filled };

// Where a layer's stem comes from.
enum class HuaSource { BirthYear, TenYearPalace, FlowYear, FlowMonth, FlowDay, FlowHour };

struct HuaLayer {
    int stem = -1; // 0-9; -1 when the flow date gives no pillar
    MarkStyle style = MarkStyle::Plain;
    QColor colour;            // the layer's colour (stacked mode); invalid: each mark's own
    bool addsToBlock = false; // single-stem modes record the marks in the block
    HuaSource source = HuaSource::BirthYear;
};

// The layers of the shown `level` (0-6), with the flow stems of the centre block.
std::vector<HuaLayer> HuaLayersOf(const ChartRecord& record, const AppSettings& settings,
                                  const FlowPillarCache& pillars, int level);

// "四化：流年干 乙" — the stem (or stacked stems) whose transformations the chart
// shows, for the heading of the side panel.
QString FourHuaCaption(const ChartRecord& record, const AppSettings& settings,
                       const FlowPillarCache& pillars, int level);

} // namespace zelk
