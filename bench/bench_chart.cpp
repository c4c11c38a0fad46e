// Chart engine timings: a natal chart from birth data (LoadChartInputs through
// ComputeNatalChart) and a period chart of each level, base chart included.
//   build/bin/bench_chart --benchmark_min_time=0.2
#include "chart/chart_engine.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zelk;

struct Fixture {
    AppSettings settings;
    CurrentTime now;
    Clock clock = FixedClock({2026, 12, 9, 10, 30});
    Fixture() { RefreshCurrentTime(now, clock); }
    ChartEnv env() { return {settings, now, clock}; }
};

BirthInput Birth(int i) {
    BirthInput in;
    in.sex = i % 2;
    in.solarYear = static_cast<int16_t>(1920 + (i * 7) % 170);
    in.solarMonth = static_cast<int16_t>(1 + (i * 5) % 12);
    in.solarDay = static_cast<int16_t>(1 + (i * 11) % 28);
    in.hourIndex = static_cast<int16_t>(i % 13);
    in.clockHour = static_cast<int16_t>(2 * in.hourIndex);
    return in;
}

void BM_NatalChart(benchmark::State& state) {
    Fixture f;
    ChartRecord r;
    int i = 0;
    for (auto _ : state) {
        BirthInput in = Birth(i++ & 1023);
        ChartResult res = LoadChartInputs(r, in, InputCommand::NewClient, f.env());
        benchmark::DoNotOptimize(res);
        benchmark::DoNotOptimize(r.natalChart);
    }
}
BENCHMARK(BM_NatalChart);

void BM_PeriodChart(benchmark::State& state) {
    const int level = static_cast<int>(state.range(0));
    Fixture f;
    f.settings.TimeBase = 0; // the default TimeBase 1 reads the clock on each run; see below
    ChartRecord r;
    BirthInput in = Birth(17);
    LoadChartInputs(r, in, InputCommand::NewClient, f.env());
    r.tenYearPalace = 5;
    r.flowLunarYear = 2030;
    r.flowLunarMonth = 7;
    r.flowLunarDay = 21;
    r.flowHour = 8;
    r.flowMinute = 4;
    for (auto _ : state) {
        ChartResult res = ComputePeriodChart(r, level, r.periodChart, f.env());
        benchmark::DoNotOptimize(res);
        benchmark::DoNotOptimize(r.periodChart);
    }
}
BENCHMARK(BM_PeriodChart)->DenseRange(1, 6);

// With the default TimeBase 1 every period run refreshes the present moment from
// the clock passed in (here a fixed one).
void BM_PeriodChartPresentTime(benchmark::State& state) {
    Fixture f;
    ChartRecord r;
    BirthInput in = Birth(17);
    LoadChartInputs(r, in, InputCommand::NewClient, f.env());
    r.flowLunarYear = 2030;
    for (auto _ : state) {
        ChartResult res = ComputePeriodChart(r, 6, r.periodChart, f.env());
        benchmark::DoNotOptimize(res);
    }
}
BENCHMARK(BM_PeriodChartPresentTime);

} // namespace

BENCHMARK_MAIN();
