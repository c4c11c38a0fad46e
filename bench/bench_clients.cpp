// Client layer timings with a full database (32767 records, a 65 MB file):
// load, store one record (rewrite and re-read), one finder pass, and a
// 10,000-line CSV import.
#include "big5_text.h"
#include "client_csv.h"
#include "client_database.h"
#include "client_file.h"
#include "client_finder.h"
#include "client_import_export.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace zelk;

ClientList FullList() {
    ClientList list(kClientListLimit);
    for (int i = 0; i < kClientListLimit; ++i) {
        tagUserInfo& r = list[size_t(i)];
        r.id = i + 1;
        r.name.assign(QStringLiteral("客戶%1").arg(i));
        r.category.assign(i % 7 == 0 ? QStringLiteral("VIP客戶") : QStringLiteral("一般"));
        r.year = int16_t(1930 + i % 80);
        r.month = int16_t(1 + i % 12);
        r.day = int16_t(1 + i % 28);
        r.note.assign(QStringLiteral("備註 %1").arg(i));
    }
    return list;
}

struct FullDatabase {
    QTemporaryDir dir;
    QString path;
    FullDatabase() : path(dir.filePath(QStringLiteral("QUILMAIN.kvy"))) {
        WriteClientFile(path, FullList());
    }
};

FullDatabase& Shared() {
    static FullDatabase db;
    return db;
}

void BM_LoadFullDatabase(benchmark::State& state) {
    MemoryClientSettings settings;
    ClientDatabase db(settings);
    for (auto _ : state) {
        db.LoadClientDatabase(Shared().path);
        benchmark::DoNotOptimize(db.count());
    }
    if (db.count() != kClientListLimit) state.SkipWithError("not every record was read");
}
BENCHMARK(BM_LoadFullDatabase)->Unit(benchmark::kMillisecond);

void BM_StoreOneRecordInFullDatabase(benchmark::State& state) {
    MemoryClientSettings settings;
    ClientDatabase db(settings);
    db.LoadClientDatabase(Shared().path);
    tagUserInfo changed = *db.GetClientAt(100);
    int n = 0;
    for (auto _ : state) {
        changed.height = int16_t(++n);
        if (!db.StoreClient(changed, 100).ok) state.SkipWithError("store failed");
    }
}
BENCHMARK(BM_StoreOneRecordInFullDatabase)->Unit(benchmark::kMillisecond);

void BM_FinderPass(benchmark::State& state, const char16_t* finder) {
    MemoryClientSettings settings;
    ClientDatabase db(settings);
    db.LoadClientDatabase(Shared().path);
    const ClientFilter filter = ApplyClientFinder(finder);
    for (auto _ : state) {
        int shown = 0;
        for (const auto& r : db.clients())
            shown += MatchesClientFilter(filter, r) ? 1 : 0;
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK_CAPTURE(BM_FinderPass, name, u"客戶12")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FinderPass, latin_category, u"vip")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FinderPass, date, u"198003")->Unit(benchmark::kMillisecond);

void BM_ImportCsv10000Lines(benchmark::State& state) {
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("list.csv"));
    QString text = ClientCsvHeader() + QLatin1Char('\n');
    for (int i = 0; i < 10000; ++i) {
        tagUserInfo r;
        r.id = i;
        r.name.assign(QStringLiteral("匯入%1").arg(i));
        r.year = int16_t(1940 + i % 60);
        r.month = int16_t(1 + i % 12);
        r.day = int16_t(1 + i % 28);
        r.hour = int16_t(i % 24);
        r.address.assign(QStringLiteral("台北市中正區重慶南路一段%1號").arg(i));
        r.note.assign(QStringLiteral("第%1位客戶").arg(i));
        text += FormatClientCsvLine(r) + QLatin1Char('\n');
    }
    QFile f(csv);
    f.open(QIODevice::WriteOnly);
    f.write(EncodeBig5(text));
    f.close();

    const QString dbPath = dir.filePath(QStringLiteral("QUILMAIN.kvy"));
    for (auto _ : state) {
        state.PauseTiming();
        WriteClientFile(dbPath, {});
        MemoryClientSettings settings;
        ClientDatabase db(settings);
        db.LoadClientDatabase(dbPath);
        state.ResumeTiming();
        const ClientImportResult r = ImportClientFile(db, QStringLiteral("csv"), csv);
        if (r.imported != 10000) state.SkipWithError("lines were lost");
    }
}
BENCHMARK(BM_ImportCsv10000Lines)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
