// The chart painter: one natal and one flow-year chart painted at 1024 px, the
// whole PNG export, the side panel, and a natal chart printed with its three time
// pages to a PDF file. Run: build/bin/bench_view
#include "chart/chart_engine.h"
#include "view/chart_interaction.h"
#include "view/chart_painter.h"
#include "view/chart_print.h"
#include "view/font_faces.h"
#include "view/period_pickers.h"
#include "view/png_export.h"
#include "view/side_panel.h"
#include "view/zelk_view_widget.h"

#include <QApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using namespace zelk;

struct BenchChart {
    AppSettings settings;
    CurrentTime now;
    Clock clock = FixedClock({2026, 12, 9, 10, 30});
    ChartRecord record;

    explicit BenchChart(int level) {
        RefreshCurrentTime(now, clock);
        BirthInput input;
        input.solarYear = 1980;
        input.solarMonth = 5;
        input.solarDay = 12;
        input.hourIndex = 4;
        input.clockHour = 8;
        input.name = u"王小明";
        ChartEnv env{settings, now, clock};
        if (!LoadChartInputs(record, input, InputCommand::NewClient, env)) std::abort();
        if (level > 0) {
            record.flowLunarYear = now.lunar.year;
            record.flowLunarMonth = now.lunar.month;
            record.flowLunarDay = now.lunar.day;
            record.shownLevel = static_cast<int16_t>(level);
            if (!ComputePeriodChart(record, level, record.periodChart, env)) std::abort();
        }
    }
};

void PaintAt1024(benchmark::State& state, int level) {
    BenchChart chart(level);
    QImage image(1024, 1024, QImage::Format_RGB888);
    for (auto _ : state) {
        ChartBlock block = level == 0 ? chart.record.natalChart : chart.record.periodChart;
        ChartViewState view;
        view.block = &block;
        view.now = chart.now;
        QPainter painter(&image);
        benchmark::DoNotOptimize(PaintChart(painter, 1024, chart.record, chart.settings, view));
    }
}

void BM_PaintChartNatal1024(benchmark::State& state) {
    PaintAt1024(state, 0);
}
void BM_PaintChartFlowYear1024(benchmark::State& state) {
    PaintAt1024(state, 2);
}

void BM_ExportPng(benchmark::State& state) {
    BenchChart chart(0);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chart.png"));
    for (auto _ : state) {
        ChartViewState view;
        view.now = chart.now;
        const auto result = ExportChartPng(path, chart.record, chart.settings, view);
        if (!result.ok()) state.SkipWithError("write failed");
    }
}

void BM_SidePanelNatal(benchmark::State& state) {
    BenchChart chart(0);
    const ChartLayout layout = PlaceChart({1377, 918});
    QImage image(layout.canvasWidth, layout.canvasHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        PaintSidePanel(painter, layout, chart.record, chart.settings, chart.now, nullptr);
    }
}

// The whole print job as the print command runs it: the print image made once,
// the chart page and one time page per age range (ages 1-27, 28-54, 55-81) on
// A4 at the printer's high resolution, written to a PDF file.
void BM_PrintNatalWithThreeTimePages(benchmark::State& state) {
    BenchChart chart(0);
    PrintSource source;
    source.record = chart.record;
    source.settings = chart.settings;
    source.settings.PrintLsan = kPrintRangePerPage | 0x7;
    source.state.now = chart.now;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chart.pdf"));
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QPageSize::A4));
        const PrintOutcome outcome = PrintChart(printer, source);
        if (!outcome.ok || outcome.pagesPrinted != 4) state.SkipWithError("print failed");
    }
}

// A click on a level button to the repainted view: the picker is confirmed at
// once, then the period is computed and the canvas (chart, buttons, side panel)
// painted again. Cycles through the six period levels.
void BM_LevelButtonClickToRepaintedView(benchmark::State& state) {
    BenchChart chart(0);
    CZelkView view;
    view.resize(1400, 1000);
    view.setChart(&chart.record, &chart.settings);
    view.setTimeSource([&chart] { return chart.now; });
    ChartInteractionHooks hooks;
    hooks.computePeriod = [&chart](ChartRecord& r, int level, const AppSettings& s) {
        return ComputePeriodChart(r, level, r.periodChart, ChartEnv{s, chart.now, chart.clock});
    };
    hooks.now = [&chart] { return chart.now; };
    hooks.loadExplanations = [](int) {};
    CChartInteraction* controller =
        CChartInteraction::attach(&view, &chart.record, &chart.settings, hooks);
    CPeriodPickerDlg::setRunner([](CPeriodPickerDlg& picker) { return picker.acceptWith(0); });
    view.canvasImage();
    int level = 1;
    for (auto _ : state) {
        // The middle of the button as the last paint drew it.
        const QRect button = view.lastButtons().levels[std::size_t(level)];
        controller->press(view.viewportPoint(button.center()), Qt::LeftButton);
        benchmark::DoNotOptimize(view.canvasImage().constBits());
        if (chart.record.shownLevel != level) {
            state.SkipWithError("the click did not reach the level button");
            break;
        }
        level = level % 6 + 1;
    }
    CPeriodPickerDlg::setRunner({});
}

BENCHMARK(BM_PaintChartNatal1024)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintChartFlowYear1024)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportPng)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SidePanelNatal)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintNatalWithThreeTimePages)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LevelButtonClickToRepaintedView)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
