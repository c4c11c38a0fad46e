// Charts computed by the engine for the painter tests: a fixed client and a
// fixed present moment, so every test sees the same chart.
#pragma once

#include "chart/chart_engine.h"
#include "recording_paint_device.h"
#include "view/chart_painter.h"

#include <QImage>

#include <memory>
#include <vector>

namespace zelk::test {

struct ChartFixture {
    AppSettings settings;
    CurrentTime now;
    Clock clock = FixedClock({2026, 12, 9, 10, 30});
    ChartRecord record;

    // A male born 1980-05-12 in the 辰 hour (index 4), natal chart shown.
    ChartFixture();
    // Recomputes the natal chart after a settings change.
    void natal();
    // The chart of `level` with the flow date of the fixed present moment
    // (flow year 2026, the ten-year palace that holds the flow age).
    void period(int level);
    ChartBlock shownBlock() const;
    ChartEnv env() { return ChartEnv{settings, now, clock}; }
};

// Paints the record at `side` into a white-filled RGB32 image, screen mode.
QImage PaintToImage(const ChartFixture& fixture, int side, ChartViewState state = {});

// A chart painted at 1024 px onto the recording device, with what the painter returned.
inline constexpr int kRecordedSide = 1024;
struct RecordedChart {
    RecordingPaintDevice device{kRecordedSide, kRecordedSide};
    ChartPaintResult result;
};
std::unique_ptr<RecordedChart> RecordChart(const ChartFixture& fixture, ChartViewState state = {});
// The recorded texts equal to `text` inside the text area of one palace.
std::vector<RecordedText> TextsInPalace(const RecordingPaintDevice& device, int palace,
                                        const QString& text);

} // namespace zelk::test
