#include "print_commands.h"

#include "view_text.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>
#include <memory>

namespace zelk {

namespace {

constexpr int kProductTitleStringId = 101;

int g_previewCount = 0;

void UncountPreview() {
    g_previewCount = std::max(0, g_previewCount - 1);
}

// Owns the shared printer and is a child of the application object, so the
// printer goes away with the application rather than after it.
class PrinterHolder : public QObject {
  public:
    explicit PrinterHolder(QObject* parent)
        : QObject(parent), printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}
    std::unique_ptr<QPrinter> printer;
};

QString ClientNameOf(const ChartRecord& record) {
    const auto& name = record.name;
    const auto end = std::find(name.begin(), name.end(), u'\0');
    return QString::fromUtf16(name.data(), end - name.begin());
}

void Run(const std::function<void()>& f) {
    if (f) f();
}

void ShowPrintFailure(QWidget* parent, const QString& message) {
    QMessageBox::warning(parent, ViewText(kProductTitleStringId), message);
}

PrintCommandResult PrintWithDialog(QWidget* parent, const PrintRequest& request) {
    QPrinter& printer = SharedPrinter();
    QPrintDialog dialog(&printer, parent);
    const int pages =
        PrintPageCount(request.source.settings.PrintLsan, request.source.record.shownLevel);
    dialog.setMinMax(1, pages);
    dialog.setFromTo(1, pages);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (dialog.exec() != QDialog::Accepted) return PrintCommandResult::Cancelled;

    const PrintOutcome outcome = PrintChart(printer, request.source);
    // The view is repainted whatever happened, so nothing of the job stays on it.
    Run(request.repaintView);
    if (!outcome.ok) {
        ShowPrintFailure(parent, outcome.error);
        return PrintCommandResult::Failed;
    }
    return PrintCommandResult::Printed;
}

PrintCommandResult OpenPreview(QWidget* parent, const PrintRequest& request) {
    auto shared = std::make_shared<PrintRequest>(request);
    // A page range chosen for an earlier job would hide pages of the preview.
    SharedPrinter().setPrintRange(QPrinter::AllPages);
    auto* dialog = new QPrintPreviewDialog(&SharedPrinter(), parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(PreviewTitle(request.source.record));

    QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
                     [shared, dialog](QPrinter* printer) {
                         const PrintOutcome outcome = PrintChart(*printer, shared->source);
                         if (!outcome.ok) ShowPrintFailure(dialog, outcome.error);
                     });
    // Closed by the user: the titles and the view come back. Destroyed with its
    // parent (the chart window closing): only the count, the view is gone.
    auto closed = std::make_shared<bool>(false);
    QObject::connect(dialog, &QDialog::finished, dialog, [shared, closed](int) {
        if (*closed) return;
        *closed = true;
        PreviewClosed(*shared);
    });
    QObject::connect(dialog, &QObject::destroyed, [closed] {
        if (*closed) return;
        *closed = true;
        UncountPreview();
    });

    PreviewOpened(*shared);
    dialog->show();
    return PrintCommandResult::PreviewOpened;
}

} // namespace

int PreviewCount() {
    return g_previewCount;
}

bool IsPreviewOpen() {
    return g_previewCount > 0;
}

bool PrintCommandEnabled(bool chartViewActive, int shownLevel) {
    return chartViewActive && shownLevel >= 0 && !IsPreviewOpen();
}

QString PreviewTitle(const ChartRecord& record) {
    return ClientNameOf(record) + ViewText(kPreviewTitleStringId);
}

QString PreviewRefusalText() {
    return ViewText(kPreviewRefusalStringId);
}

void PreviewOpened(const PrintRequest& request) {
    ++g_previewCount;
    if (request.setDocumentTitle) request.setDocumentTitle(PreviewTitle(request.source.record));
}

void PreviewClosed(const PrintRequest& request) {
    UncountPreview();
    Run(request.restoreMainTitle);
    if (request.setDocumentTitle) request.setDocumentTitle(ClientNameOf(request.source.record));
    Run(request.repaintView);
}

QPrinter& SharedPrinter() {
    static QPointer<PrinterHolder> holder;
    if (!holder) holder = new PrinterHolder(QCoreApplication::instance());
    return *holder->printer;
}

PrintCommandResult RunPrintCommand(int id, QWidget* parent, const PrintRequest& request) {
    switch (id) {
    case print_cmd::PrintSetup: {
        QPageSetupDialog dialog(&SharedPrinter(), parent);
        return dialog.exec() == QDialog::Accepted ? PrintCommandResult::SetUpDone
                                                  : PrintCommandResult::Cancelled;
    }
    case print_cmd::Print:
    case print_cmd::PrintPreview:
        if (!PrintCommandEnabled(true, request.source.record.shownLevel))
            return PrintCommandResult::Refused;
        return id == print_cmd::Print ? PrintWithDialog(parent, request)
                                      : OpenPreview(parent, request);
    default:
        return PrintCommandResult::NotAPrintCommand;
    }
}

} // namespace zelk
