// Star explanation look-ups: reading a set, finding a key in it, and filling the
// texts of the star dialog. Run from the build's bin/ folder, where the shipped
// explanation files sit beside the program.
#include "explanation_cache.h"
#include "explanation_lists.h"
#include "find_explanation.h"
#include "star_list_position.h"
#include "star_message_texts.h"

#include "chart/chart_record.h"
#include "settings/string_table.h"

#include <QCoreApplication>
#include <QFile>

#include <benchmark/benchmark.h>

namespace {

using namespace zelk;

const ExplanationLists& Lists() {
    static const ExplanationLists lists = ParseExplanationLists();
    return lists;
}

QByteArray ShippedNormalFile() {
    QFile f(ExplanationFilePath(QCoreApplication::applicationDirPath(), 0));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void BM_ParseNormalSet(benchmark::State& state) {
    const QByteArray bytes = ShippedNormalFile();
    if (bytes.isEmpty()) {
        state.SkipWithError("starExplain_Normal_Star.txt is not beside the program");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseExplanationText(bytes));
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}
BENCHMARK(BM_ParseNormalSet);

// The last star of the set in the last palace: the longest scan that still finds.
void BM_FindExplanationWorstHit(benchmark::State& state) {
    const ExplanationSet set = ParseExplanationText(ShippedNormalFile());
    const StarInPalace star{12, -1, kStarSecondGrade, 0, 3, -1}; // 父母天姚無, the last line
    for (auto _ : state)
        benchmark::DoNotOptimize(FindExplanation(Lists(), &set, 0, star));
}
BENCHMARK(BM_FindExplanationWorstHit);

// A star the set does not hold: every line is compared.
void BM_FindExplanationMiss(benchmark::State& state) {
    const ExplanationSet set = ParseExplanationText(ShippedNormalFile());
    const StarInPalace star{1, 0, kStarRing, kRingLongLife, 5, 0}; // 命宮衰  生
    for (auto _ : state)
        benchmark::DoNotOptimize(FindExplanation(Lists(), &set, 0, star));
}
BENCHMARK(BM_FindExplanationMiss);

void BM_StarMessageTexts(benchmark::State& state) {
    const ExplanationSet set = ParseExplanationText(ShippedNormalFile());
    const ChartBlock chart{};
    const StarMessageSettings settings{};
    const ResourceTextFn text = [](int id) { return LoadResString(id); };
    const StarInPalace star{7, 2, kStarFirstGrade, 0, 12, 2};
    for (auto _ : state)
        benchmark::DoNotOptimize(
            BuildStarMessageTexts(text, Lists(), &set, settings, chart, 3, star));
}
BENCHMARK(BM_StarMessageTexts);

void BM_ParseExplanationLists(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseExplanationLists());
}
BENCHMARK(BM_ParseExplanationLists);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
