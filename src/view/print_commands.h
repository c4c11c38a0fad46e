// The print, print preview and print set-up commands of a chart view, and the
// process-wide preview count the other commands consult: while a preview is
// open, printing, previewing, deleting charts, closing all charts and choosing
// another client are refused.
#pragma once

#include "chart_print.h"

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

namespace zelk {

namespace print_cmd {
inline constexpr int PrintSetup = 57606;
inline constexpr int Print = 57607;
inline constexpr int PrintPreview = 57609;
} // namespace print_cmd

inline constexpr int kPreviewTitleStringId = 637;   // "預覽列印"
inline constexpr int kPreviewRefusalStringId = 650; // "請先關閉預覽列印"

// Number of open previews, never below 0.
int PreviewCount();
bool IsPreviewOpen();

// Print and preview: a chart view is active, its chart level is set, and no
// preview is open anywhere (which covers the view's own).
bool PrintCommandEnabled(bool chartViewActive, int shownLevel);

// The client's name followed by 預覽列印.
QString PreviewTitle(const ChartRecord& record);
// "請先關閉預覽列印", the answer to choosing another client during a preview.
QString PreviewRefusalText();

// What a command needs from the chart window. The source is copied, so an open
// preview keeps printing the chart as it was when the preview opened.
struct PrintRequest {
    PrintSource source;
    // Marks the view's chart image stale and repaints it; run after every job,
    // whether it printed, failed or was cancelled.
    std::function<void()> repaintView;
    // The document title: the preview title while previewing, the client's name after.
    std::function<void(const QString&)> setDocumentTitle;
    // Puts the product title back on the main window when a preview closes.
    std::function<void()> restoreMainTitle;
};

enum class PrintCommandResult {
    NotAPrintCommand,
    Refused,   // disabled: no chart level, or a preview is open
    Cancelled, // the dialog was cancelled
    Printed,
    Failed,        // the printing system's message was shown
    PreviewOpened, // the preview window is open (it runs on by itself)
    SetUpDone,
};

// Runs command `id` (57606, 57607, 57609) with dialogs owned by `parent`. The
// preview is a window of its own; it counts as open from here until it closes.
PrintCommandResult RunPrintCommand(int id, QWidget* parent, const PrintRequest& request);

// The printer every command uses, so a print set-up carries over to later jobs.
// Lives as long as the application object.
QPrinter& SharedPrinter();

// The preview bookkeeping, separate so that a test can drive it without a
// window: opening counts the preview and sets the preview title; closing
// uncounts it, restores the titles and repaints the view.
void PreviewOpened(const PrintRequest& request);
void PreviewClosed(const PrintRequest& request);

} // namespace zelk
