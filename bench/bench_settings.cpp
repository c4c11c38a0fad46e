// Settings benchmarks: the bulk load of a full settings file (target: 2 ms), one
// key read, and the string table.
#include "settings/settings_keys.h"
#include "settings/settings_load_save.h"
#include "settings/settings_store.h"
#include "settings/string_table.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A settings file as the program leaves it: every bulk key, the strings, and a
// few foreign lines.
struct FullSettingsFile {
    FullSettingsFile() {
        zelk::AppSettings s;
        s.TimeBase = 2; // the custom date is read too
        zelk::SaveSettings(s, path, false, now);
        zelk::PutStringSetting(zelk::kMainSectionId, zelk::key::LastOpenUserFile,
                               QStringLiteral("/home/user/客戶/QUILMAIN.kvy"), path);
        zelk::PutIntSetting(7, zelk::key::GISUONG_RULE, path, false, now);
    }
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("a16_S3Zelk_V3.ini"));
    zelk::CurrentTime now;
};

void BM_LoadSettingsFile(benchmark::State& state) {
    FullSettingsFile file;
    for (auto _ : state) {
        zelk::AppSettings s;
        benchmark::DoNotOptimize(zelk::LoadSettings(s, file.path, file.path, file.now));
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_LoadSettingsFile)->Unit(benchmark::kMicrosecond);

void BM_SaveSettingsFile(benchmark::State& state) {
    FullSettingsFile file;
    zelk::AppSettings s;
    for (auto _ : state)
        benchmark::DoNotOptimize(zelk::SaveSettings(s, file.path, false, file.now));
}
BENCHMARK(BM_SaveSettingsFile)->Unit(benchmark::kMicrosecond);

void BM_GetIntSettingFromFile(benchmark::State& state) {
    FullSettingsFile file;
    for (auto _ : state)
        benchmark::DoNotOptimize(zelk::GetIntSetting(zelk::key::FourHuaType, file.path, file.now));
}
BENCHMARK(BM_GetIntSettingFromFile)->Unit(benchmark::kMicrosecond);

void BM_LoadResString(benchmark::State& state) {
    int id = 132;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zelk::LoadResString(id));
        id = id == 307 ? 132 : id + 1;
    }
}
BENCHMARK(BM_LoadResString);

void BM_ParseStarNameList(benchmark::State& state) {
    const QString list = zelk::LoadResString(690);
    for (auto _ : state)
        benchmark::DoNotOptimize(zelk::ParseQuotedListSlots(list, 112, 9));
}
BENCHMARK(BM_ParseStarNameList)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
