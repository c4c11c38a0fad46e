// The chart painter: draws one chart record as the square of twelve palaces
// around the centre block, on any QPainter target (screen image, printer, PNG,
// the command-line tool). It keeps no state between paints; what the view needs
// afterwards (the flow pillars, the clickable areas) comes back in the result.
#pragma once

#include "calendar/current_time.h"
#include "chart/chart_record.h"
#include "chart_layout.h"
#include "settings/app_settings.h"

#include <QPainter>
#include <QRect>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

namespace zelk {

// The flow stems and branches the transformation marks use, filled while the
// centre block is painted. -1 where the level has no such pillar.
struct FlowPillarCache {
    int yearStem = -1, yearBranch = -1;
    int monthStem = -1, monthBranch = -1;
    int dayStem = -1, dayBranch = -1;
    int hourStem = -1, hourBranch = -1;
    int flowAge = 0; // nominal age of the flow year
};

// What the view passes in for one paint.
struct ChartViewState {
    // The block shown. Marks the painter draws in the single-stem modes are added
    // to it, so later readers of the block find 化祿 .. 化忌 where they are drawn.
    // Null: the record's natal block at level 0, its period block otherwise (on a
    // copy, the record stays untouched).
    ChartBlock* block = nullptr;
    bool printing = false;
    bool colourTarget = true; // false: a monochrome printer, everything in black
    // Flying transformations of one palace's stem (screen only).
    bool flyingStemMode = false;
    int flyingPalace = -1;
    // Star links: the palaces whose stem transforms linkedBit.
    bool linkMode = false;
    uint32_t linkedBit = 0;
    bool dipperToggleOn = false; // the 七星 column
    int stripStem = -1;          // the stem chosen in the stem strip (0-9), -1 none
    CurrentTime now;             // the present moment, read by the caller before painting
    QStringList footerLines;     // product-owner lines under the centre block (empty ones skipped)
};

struct StarHitArea {
    uint32_t bit = 0; // groupA bit
    QRect rect;       // the name column, relative to the chart square
};

// A piece of a period line that a press acts on, with what it chooses (see
// PeriodSegment::value).
struct PeriodHitArea {
    QRect rect; // where the text is drawn, relative to the chart square
    int value = -1;
};

struct ChartPaintResult {
    bool painted = false; // false: no computed chart, the square was left white
    FlowPillarCache pillars;
    QRect centreLine7;       // 命主 / 身主, for the 七星 toggle
    QRect centreClientLines; // the first three centre lines (edit the client)
    QRect logoLeft, logoRight;
    std::array<std::vector<StarHitArea>, 12> starNames; // first-grade names by palace
    std::array<QRect, 12> stemCorners;
    std::array<QRect, 12> periodLines; // the row of each period line
    std::array<std::vector<PeriodHitArea>, 12> periodValues;
    std::array<QRect, 12> dipperNames; // the 七星 names, empty while they are hidden
    // The numeric brightness digits drawn in each palace (for their tooltips).
    struct Digit {
        QRect rect;
        int digit = 0; // 1-7
    };
    std::array<std::vector<Digit>, 12> brightnessDigits;
};

// Paints the chart square of `side` pixels with its origin at the painter's
// (0, 0): pixels 1 .. side - 2 are covered, the outermost row and column are left
// as the target had them. A record without a computed chart (shownLevel < 0)
// paints the square white and nothing else.
ChartPaintResult PaintChart(QPainter& painter, int side, const ChartRecord& record,
                            const AppSettings& settings, ChartViewState& state);

// The screen canvas around the chart square: margins and the blue frame.
void PaintCanvasBackground(QPainter& painter, const ChartLayout& layout);

} // namespace zelk
