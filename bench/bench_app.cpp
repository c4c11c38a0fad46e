// The desktop program's speed: start-up to a shown main window (empty database and
// 32767 clients), opening a client's chart (selection to painted view) and one
// finder keystroke with 32767 clients. Off-screen:
//   QT_QPA_PLATFORM=offscreen build/bin/bench_app
#include "app/app_session.h"
#include "app/child_frame.h"
#include "app/class_view.h"
#include "app/finder_edit.h"
#include "app/main_frame.h"
#include "app/message_box.h"
#include "app/view_tree.h"
#include "clients/client_file.h"
#include "view/zelk_view_widget.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace zelk;

struct SilentResponder : MessageResponder {
    void warned(const QString&) override {}
    bool answer(const QString&) override { return true; }
} gSilent;

// A data folder whose database holds `count` clients with varied names and dates.
void FillDatabase(const QString& dir, int count) {
    ClientList list;
    list.reserve(count);
    const QString surnames = QStringLiteral("王陳林張李黃吳劉蔡楊");
    for (int i = 0; i < count; ++i) {
        tagUserInfo r;
        r.id = i + 1;
        r.name.assign(surnames.mid(i % 10, 1) + QString::number(i));
        r.year = static_cast<int16_t>(1930 + i % 80);
        r.month = static_cast<int16_t>(1 + i % 12);
        r.day = static_cast<int16_t>(1 + i % 28);
        const LunarDate lunar = SolarToLunar(r.year, r.month, r.day);
        r.lunarYear = lunar.year;
        r.lunarMonth = lunar.month;
        r.lunarDay = lunar.day;
        r.isLeapMonth = lunar.leap;
        r.hourIndex = static_cast<int16_t>(i % 12);
        r.hour = static_cast<int16_t>(2 * r.hourIndex);
        r.sex = i % 2;
        r.category.assign(i % 7 == 0 ? QStringLiteral("VIP客戶") : QStringLiteral("一般"));
        list.push_back(r);
    }
    WriteClientFile(QDir(dir).filePath(QStringLiteral("QUILMAIN.kvy")), list);
}

StartupOptions OptionsFor(const QString& dir) {
    StartupOptions o;
    o.dataDir = dir;
    o.showSplash = false;
    o.clock = FixedClock({2024, 3, 15, 10, 20});
    return o;
}

void StartUp(benchmark::State& state) {
    QTemporaryDir dir;
    if (state.range(0) > 0) FillDatabase(dir.path(), static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto session = std::make_unique<AppSession>();
        session->start(OptionsFor(dir.path()));
        QApplication::processEvents();
        benchmark::DoNotOptimize(session->mainFrame()->isVisible());
        state.PauseTiming();
        session.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(StartUp)->Arg(0)->Arg(32767)->Unit(benchmark::kMillisecond)->Iterations(5);

void OpenClientChart(benchmark::State& state) {
    QTemporaryDir dir;
    FillDatabase(dir.path(), 1000);
    AppSession session;
    session.start(OptionsFor(dir.path()));
    CMainFrame* frame = session.mainFrame();
    int p = 0;
    for (auto _ : state) {
        frame->openClientChart(p);
        CChildFrame* chart = frame->currentChartWindow();
        benchmark::DoNotOptimize(chart->view()->canvasImage().constBits());
        p = (p + 37) % 1000;
    }
}
BENCHMARK(OpenClientChart)->Unit(benchmark::kMillisecond);

void FinderKeystroke(benchmark::State& state) {
    QTemporaryDir dir;
    FillDatabase(dir.path(), 32767);
    AppSession session;
    session.start(OptionsFor(dir.path()));
    CMyFinderEdit* finder = session.mainFrame()->clientPane()->finder();
    const QString texts[] = {QStringLiteral("王"), QStringLiteral("王1"), QStringLiteral("1980"),
                             QStringLiteral("vip"), QString()};
    int i = 0;
    for (auto _ : state) {
        finder->setText(texts[i % 5]);
        ++i;
    }
}
BENCHMARK(FinderKeystroke)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetMessageResponder(&gSilent);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
