// zelk-cli png: the chart of `zelk-cli chart` written as a 1024 x 1024 PNG
// picture, the same picture the chart window exports.
#include "chart_options.h"
#include "cli_support.h"

#include "settings/string_table.h"
#include "view/font_faces.h"
#include "view/png_export.h"

#include <QGuiApplication>

#include <algorithm>
#include <iostream>

namespace zelk::cli {
namespace {

// Fonts need a GUI application; without a display it runs on the offscreen platform.
void UseOffscreenWithoutDisplay() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The name the centre block shows; the record keeps at most 33 UTF-16 units.
void SetClientName(ChartRecord& record, const QString& name) {
    record.name.fill(u'\0');
    const int units = std::min<int>(name.size(), static_cast<int>(record.name.size()) - 1);
    for (int i = 0; i < units; ++i)
        record.name[i] = name[i].unicode();
}

int RunPng(const Args& given) {
    Args args = given;
    std::string output;
    if (!TakeOption(args, "-o", output) && !TakeOption(args, "--output", output))
        throw UsageError{"-o FILE.png is required"};
    if (output.empty()) throw UsageError{"-o needs a file name"};
    std::string name;
    TakeOption(args, "--name", name);
    ChartOptions options;
    std::string error;
    if (!ParseChartOptions(args, options, error)) throw UsageError{error};
    if (!options.hasSolar) throw UsageError{"--solar YYYY-MM-DD is required"};

    ChartRun run;
    ComputeChartFromOptions(options, run);
    if (!run.result.ok()) {
        std::cout << ErrorObject(run.result.message) << "\n";
        return 1;
    }

    UseOffscreenWithoutDisplay();
    int argc = 1;
    char program[] = "zelk-cli";
    char* argv[] = {program, nullptr};
    QGuiApplication app(argc, argv);
    InstallFontSubstitutions();

    SetClientName(run.record, QString::fromStdString(name));
    ChartViewState state;
    ChartBlock block = ShownBlock(run.record);
    state.block = &block;
    state.now = run.now;
    const PngExportResult result =
        ExportChartPng(QString::fromStdString(output), run.record, run.settings, state);
    if (!result.ok()) {
        std::string message = LoadResString(kPngFailedStringId).toStdString();
        if (!result.detail.isEmpty()) message += ": " + result.detail.toStdString();
        std::cout << ErrorObject(message) << "\n";
        return 1;
    }
    Json json;
    json.beginObject()
        .key("png")
        .str(result.path.toStdString())
        .key("message")
        .str(LoadResString(kPngDoneStringId).toStdString())
        .endObject();
    std::cout << json.text() << "\n";
    return 0;
}

} // namespace

ZELK_CLI_COMMAND("png",
                 "zelk-cli png -o FILE.png [--name NAME] --solar YYYY-MM-DD --hour H "
                 "--sex M|F [the other options of zelk-cli chart]",
                 RunPng);

} // namespace zelk::cli
