// Birth-time correction timings: the correction alone (zone lookup, clock
// reading, standard and true solar time, warnings) and a natal chart with and
// without it, so the cost the correction adds to a chart reads directly.
//   build/bin/bench_birthtime --benchmark_min_time=0.2
#include "angle_text.h"
#include "birth_places.h"
#include "birth_time.h"
#include "chart/chart_engine.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

using namespace zelk;

const SolarTermTable* Terms() {
    static const std::optional<SolarTermTable> table =
        SolarTermTable::LoadFile(ZELK_SOLAR_TERMS_FILE);
    return table ? &*table : nullptr;
}

// Births spread over the years, the hours and a few zones, some in summer time.
BirthTimeInput Birth(int i, BirthTimeRule rule) {
    static const std::array<const char*, 4> zones = {"Asia/Taipei", "Asia/Shanghai",
                                                     "Asia/Hong_Kong", "America/New_York"};
    BirthTimeInput in;
    in.clock = {1930 + (i * 7) % 160, 1 + (i * 5) % 12, 1 + (i * 11) % 28, i % 24, (i * 13) % 60};
    in.zone = QString::fromLatin1(zones[static_cast<std::size_t>(i) % zones.size()]);
    in.longitude = 121.5 - (i % 5) * 10;
    in.rule = rule;
    in.solarTerms = Terms();
    return in;
}

void BM_CorrectBirthTime(benchmark::State& state) {
    const auto rule = static_cast<BirthTimeRule>(state.range(0));
    std::vector<BirthTimeInput> births;
    for (int i = 0; i < 1024; ++i)
        births.push_back(Birth(i, rule));
    std::size_t i = 0;
    for (auto _ : state) {
        BirthTimeResult r = CorrectBirthTime(births[i++ & 1023]);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_CorrectBirthTime)->Arg(0)->Arg(1)->Arg(2)->ArgNames({"rule"});

struct ChartFixture {
    AppSettings settings;
    CurrentTime now;
    Clock clock = FixedClock({2026, 12, 9, 10, 30});
    ChartFixture() { RefreshCurrentTime(now, clock); }
    ChartEnv env() { return {settings, now, clock}; }
};

BirthInput ChartInput(const ChartHour& h, int sex) {
    BirthInput in;
    in.sex = sex;
    in.solarYear = static_cast<int16_t>(h.year);
    in.solarMonth = static_cast<int16_t>(h.month);
    in.solarDay = static_cast<int16_t>(h.day);
    in.hourIndex = static_cast<int16_t>(h.hourIndex);
    in.clockHour = static_cast<int16_t>(2 * h.hourIndex);
    return in;
}

// Today's natal chart from a date and an hour index, for comparison.
void BM_NatalChart(benchmark::State& state) {
    ChartFixture f;
    ChartRecord r;
    std::vector<ChartHour> hours;
    for (int i = 0; i < 1024; ++i) {
        const BirthTimeInput b = Birth(i, BirthTimeRule::Clock);
        hours.push_back(
            {b.clock.year, b.clock.month, b.clock.day, HourIndexOfClockHour(b.clock.hour)});
    }
    std::size_t i = 0;
    for (auto _ : state) {
        BirthInput in = ChartInput(hours[i & 1023], static_cast<int>(i & 1));
        ++i;
        benchmark::DoNotOptimize(LoadChartInputs(r, in, InputCommand::NewClient, f.env()));
        benchmark::DoNotOptimize(r.natalChart);
    }
}
BENCHMARK(BM_NatalChart);

// The natal chart of a clock time corrected under the standard rule.
void BM_CorrectedNatalChart(benchmark::State& state) {
    ChartFixture f;
    ChartRecord r;
    std::vector<BirthTimeInput> births;
    for (int i = 0; i < 1024; ++i)
        births.push_back(Birth(i, static_cast<BirthTimeRule>(state.range(0))));
    std::size_t i = 0;
    for (auto _ : state) {
        const BirthTimeResult t = CorrectBirthTime(births[i & 1023]);
        BirthInput in = ChartInput(t.value->chartHour(), static_cast<int>(i & 1));
        ++i;
        benchmark::DoNotOptimize(LoadChartInputs(r, in, InputCommand::NewClient, f.env()));
        benchmark::DoNotOptimize(r.natalChart);
    }
}
BENCHMARK(BM_CorrectedNatalChart)->Arg(1)->Arg(2)->ArgNames({"rule"});

void BM_ParseLongitude(benchmark::State& state) {
    const std::array<QString, 4> texts = {QStringLiteral("121.5"), QStringLiteral("121°30'"),
                                          QStringLiteral("東經121度30分"), QStringLiteral("74W")};
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseLongitude(texts[i++ & 3]));
}
BENCHMARK(BM_ParseLongitude);

void BM_FindBirthPlace(benchmark::State& state) {
    const std::array<QString, 4> texts = {QStringLiteral("台北市"),
                                          QStringLiteral("台灣高雄市苓雅區"),
                                          QStringLiteral("Vancouver, BC"), QStringLiteral("不明")};
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(FindBirthPlace(texts[i++ & 3]));
}
BENCHMARK(BM_FindBirthPlace);

} // namespace

BENCHMARK_MAIN();
