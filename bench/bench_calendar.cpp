// Conversion speed of the calendar: both directions over dates spread across the
// whole table, so the year lookup is exercised rather than one cached year.
#include "lunar_calendar.h"
#include "pillars.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

std::vector<zelk::SolarDate> SpreadSolarDates() {
    std::vector<zelk::SolarDate> dates;
    for (int year = 1901; year <= 2099; year += 7)
        for (int month = 1; month <= 12; month += 5)
            dates.push_back({static_cast<int16_t>(year), static_cast<int16_t>(month),
                             static_cast<int16_t>(1 + (year + month) % 28)});
    return dates;
}

void BM_SolarToLunar(benchmark::State& state) {
    const auto dates = SpreadSolarDates();
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& d = dates[i++ % dates.size()];
        benchmark::DoNotOptimize(zelk::SolarToLunar(d.year, d.month, d.day));
    }
}
BENCHMARK(BM_SolarToLunar);

void BM_LunarToSolar(benchmark::State& state) {
    std::vector<zelk::LunarDate> dates;
    for (const auto& d : SpreadSolarDates())
        dates.push_back(zelk::SolarToLunar(d.year, d.month, d.day));
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& d = dates[i++ % dates.size()];
        benchmark::DoNotOptimize(zelk::LunarToSolar(d.year, d.month, d.day, d.leap != 0));
    }
}
BENCHMARK(BM_LunarToSolar);

void BM_FourPillarsLunar(benchmark::State& state) {
    const auto dates = SpreadSolarDates();
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& d = dates[i++ % dates.size()];
        benchmark::DoNotOptimize(
            zelk::FourPillarsLunar(d.year, d.month, d.day, static_cast<int>(i % 13)));
    }
}
BENCHMARK(BM_FourPillarsLunar);

} // namespace

BENCHMARK_MAIN();
