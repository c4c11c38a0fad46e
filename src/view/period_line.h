// The period line of a palace: the ages, months, days, hours or ten-minute slots
// that the shown level gives each palace, one line above the palace name.
#pragma once

#include "chart/chart_record.h"
#include "settings/app_settings.h"

#include <QString>

#include <vector>

namespace zelk {

struct PeriodSegment {
    QString text;
    bool highlight = false; // the current period, in the highlight colour
    bool opaque = false;    // drawn on a highlight-coloured background (the flow day)
    // What a press on this text chooses: the ten-year palace (levels 0-1), the
    // flow age (2), month (3), day (4), hour index (5) or ten-minute slot (6);
    // -1 for text that chooses nothing (labels, the minor-period ages).
    int value = -1;
};

struct PeriodRun {
    enum Font { PalaceFont, AgesFont, SmallFont };
    enum Row { BottomRow, RaisedRow }; // raised: bottom moved up by L - L/8
    enum Align { Centred, LeftIndented, CentredNarrowRight };
    std::vector<PeriodSegment> segments;
    Font font = AgesFont;
    Row row = BottomRow;
    Align align = Centred;
    QString text() const; // all segments joined
};

// The runs of palace `palace` (0-11) at `level` (0-6) for the block shown.
std::vector<PeriodRun> PeriodLineRuns(const ChartRecord& record, const AppSettings& settings,
                                      const ChartBlock& block, int palace, int level,
                                      bool printing);

// The text of ten-minute slot k (0-11) of the two-hour period with hour index h
// (0-12): "%2d:%02d ~ %2d:%02d". The end of the :50 slot is the next hour :00,
// not wrapped (23:50 ~ 24:00).
QString MinuteSlotText(int hourIndex, int slot);

// The palace whose name number is `name` in the block; -1 when none is.
int PalaceNamed(const ChartBlock& block, int name);

} // namespace zelk
