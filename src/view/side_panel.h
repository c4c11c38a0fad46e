// The side panel beside the chart square: a table that fits the shown level —
// 88 years from birth, the years around the ten-year period, the lunar months of
// the flow year, the days of the flow month, the two-hour periods of the flow day.
#pragma once

#include "calendar/current_time.h"
#include "calendar/solar_terms.h"
#include "chart/chart_record.h"
#include "chart_layout.h"
#include "settings/app_settings.h"

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QString>

#include <vector>

namespace zelk {

struct SidePanelCell {
    QString text;
    int width = 1;        // in half units (2 = one unit U)
    bool current = false; // the current year's cell of the natal table
};

struct SidePanelRow {
    std::vector<SidePanelCell> cells;
    QColor fill; // invalid: white
    QColor ink = Qt::black;
    bool header = false; // one cell across the whole row
};

struct SidePanelTable {
    int columnsPerRow = 1; // the natal table puts 8 year cells in a row
    int unitDivisor = 35;  // U = canvasWidth / unitDivisor
    int rowCount = 0;      // rows the side is divided into
    std::vector<SidePanelRow> rows;
};

// The table of the record's shown level. `terms` may be null: the solar-term
// column then stays empty.
SidePanelTable SidePanelTableFor(const ChartRecord& record, const AppSettings& settings,
                                 const CurrentTime& now, const SolarTermTable* terms);

// Paints the table in canvas coordinates to the right of the chart square, under
// a heading row with `caption` (no heading when it is empty). The heading's
// text shrinks to fit the panel's width.
void PaintSidePanel(QPainter& painter, const ChartLayout& layout, const ChartRecord& record,
                    const AppSettings& settings, const CurrentTime& now,
                    const SolarTermTable* terms, const QString& caption = {});

// The heading row's height for a chart side.
int SidePanelCaptionHeight(int chartSide);

} // namespace zelk
