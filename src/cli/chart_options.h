// The options of `zelk-cli chart` (and of every command that draws or prints a
// chart from the same options) and the chart computation they describe.
//
//   --solar YYYY-MM-DD --hour H --sex M|F      birth as the input dialog gives it
//                                              (H = HourIndex 0-12, 12 the late 子 hour)
//   --level L (0-6) --ten-year-palace P (0-11) --flow-year Y --flow-month M
//   --flow-leap --flow-day D --flow-hour H --flow-minute K
//   --now "YYYY-MM-DD HH:MM"                   the present moment (default: the clock)
//   --data-dir DIR                             read that folder's settings file (without
//                                              it: the data folder the program uses)
//   --set KEY=VALUE                            override one setting for this run (repeatable)
//   --format json|text
#pragma once

#include "calendar/current_time.h"
#include "chart/chart_engine.h"
#include "chart/chart_record.h"
#include "cli_support.h"
#include "settings/app_settings.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zelk::cli {

enum class ChartFormat { Json, Text };

struct ChartOptions {
    bool hasSolar = false; // false: no --solar given (stdin mode for `chart`)
    int solarYear = 0, solarMonth = 0, solarDay = 0;
    int hourIndex = -1;
    int sex = -1; // 0 M, 1 F
    int level = 0;
    std::optional<int> tenYearPalace;
    std::optional<int> flowYear, flowMonth, flowDay, flowHour, flowMinute;
    bool flowLeap = false;
    std::optional<LocalDateTime> now;
    std::string dataDir;
    std::vector<std::pair<std::string, std::string>> sets; // KEY, VALUE in order
    ChartFormat format = ChartFormat::Json;
};

// Takes the chart options out of `args` into `options` (options not given keep
// what `options` holds, and --set adds to its list). Returns false with a message in `error`
// for a malformed or out-of-range value or a word it does not know (a caller with
// options of its own takes them out first).
bool ParseChartOptions(Args& args, ChartOptions& options, std::string& error);

// The settings of a run: the defaults, or the settings file of --data-dir, then
// every --set in order. False with a message for an unknown key or a bad value.
// The present moment comes from --now or the clock; the second form takes it
// given (the custom-date keys default to it).
bool LoadChartSettings(const ChartOptions& options, AppSettings& settings, std::string& error);
bool LoadChartSettings(const ChartOptions& options, AppSettings& settings, std::string& error,
                       const CurrentTime& now);

// A computed chart and what it was computed with.
struct ChartRun {
    AppSettings settings;
    CurrentTime now;
    ChartRecord record;
    ChartResult result; // refusal: the record is not to be shown
};

// Settings, the present moment, the birth (LoadChartInputs as the input dialog
// gives it) and, for --level > 0, the period chart with the flow fields set as the
// pickers set them. `run.result` holds any refusal.
void ComputeChartFromOptions(const ChartOptions& options, ChartRun& run);

// The block on display: the natal chart at level 0, the period chart otherwise.
const ChartBlock& ShownBlock(const ChartRecord& record);

// One JSON object ("record" and "chart", or "error") on one line, and the
// palace-by-palace text form.
std::string ChartJson(const ChartRun& run);
std::string ChartText(const ChartRun& run);

} // namespace zelk::cli
