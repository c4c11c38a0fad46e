// The file and settings commands of the main window: the three database-file
// commands, client-list import and export, parameter files, restoring defaults,
// the chart picture, 更新時間 and the about box.
#include "about_box.h"
#include "app_context.h"
#include "app_messages.h"
#include "child_frame.h"
#include "clients/client_import_export.h"
#include "file_dialogs.h"
#include "main_frame.h"
#include "message_box.h"
#include "res_text.h"
#include "settings/settings_load_save.h"
#include "view/png_export.h"
#include "view/zelk_view_widget.h"
#include "view_tree.h"
#include "zelk_doc.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace zelk {

namespace {

constexpr int kKvyFilter = 440;
constexpr int kParameterFilter = 607;
constexpr int kImportFilter = 633;
constexpr int kExportFilter = 634;
constexpr int kPngFilter = 648;

QString WithPath(const QString& text, const QString& path) {
    return path.isEmpty() ? text : text + QLatin1Char('\n') + QDir::toNativeSeparators(path);
}

} // namespace

// A database about to be created or written under a new name must not be one that
// another running program holds.
static bool TargetHeldElsewhere(const QString& path, const QString& current) {
    if (QFileInfo(path).absoluteFilePath() == QFileInfo(current).absoluteFilePath()) return false;
    DatabaseLock probe;
    return !probe.acquire(path);
}

void CMainFrame::newClientFile() {
    const QString path = ChooseFile(this, FileDialogKind::Save, Res(721), Res(kKvyFilter));
    if (path.isEmpty()) return;
    if (TargetHeldElsewhere(path, tree()->database().currentPath())) {
        WarnText(ReadOnlyRefusalText(path), this);
        return;
    }
    const ClientStoreResult result = tree()->createDatabase(path);
    if (result.ok) lockDatabase(tree()->database().currentPath());
    report(result);
}

void CMainFrame::openClientFile() {
    const QString path = ChooseFile(this, FileDialogKind::Open, Res(722), Res(kKvyFilter));
    if (path.isEmpty()) return;
    if (!IsReadableFile(path)) return;
    lockDatabase(path);
    report(tree()->switchDatabase(path));
}

void CMainFrame::saveClientFileAs() {
    const QString path = ChooseFile(this, FileDialogKind::Save, Res(723), Res(kKvyFilter));
    if (path.isEmpty()) return;
    if (TargetHeldElsewhere(path, tree()->database().currentPath())) {
        WarnText(ReadOnlyRefusalText(path), this);
        return;
    }
    const ClientStoreResult result = tree()->saveDatabaseAs(path);
    if (result.ok) lockDatabase(tree()->database().currentPath());
    report(result);
}

void CMainFrame::importClients() {
    const QString path = ChooseFile(this, FileDialogKind::Open, Res(725), Res(kImportFilter));
    if (path.isEmpty() || refuseWhenReadOnly()) return;
    report(tree()->importClientFile(path));
}

void CMainFrame::exportClients() {
    const QString path = ChooseFile(this, FileDialogKind::Save, Res(724), Res(kExportFilter));
    if (path.isEmpty()) return;
    const std::vector<int> checked = tree()->checkedPositions();
    report(ExportCheckedClients(tree()->clients(), std::set<int>(checked.begin(), checked.end()),
                                tree()->filter(), ClientFileExtension(path), path));
}

void CMainFrame::refreshAllCharts() {
    for (CChildFrame* f : chartWindows()) {
        CZelkDoc* doc = f->document();
        if (!doc->hasChart()) continue;
        const ChartResult result = RecomputeAfterSettingsChange(doc->record(), context_.env());
        if (!result) WarnText(QString::fromStdString(result.message), this);
        f->chartChanged();
    }
    update();
}

void CMainFrame::showSettingsResult(const SettingsCommandResult& result, const QString& path) {
    if (!result.ok) {
        WarnText(WithPath(result.file.error.isEmpty() ? Res(686) : result.file.error, path), this);
        return;
    }
    if (result.refreshCharts) refreshAllCharts();
    if (result.messageId == 0) return;
    if (IsSuccessMessage(result.messageId))
        InformById(result.messageId, this);
    else
        WarnById(result.messageId, this);
}

void CMainFrame::importParameters() {
    const QString path = ChooseFile(this, FileDialogKind::Open, Res(727), Res(kParameterFilter));
    if (path.isEmpty()) return;
    showSettingsResult(
        ImportParameters(context_.settings, path, context_.settingsPath, context_.now), path);
}

void CMainFrame::exportParameters() {
    const QString path = ChooseFile(this, FileDialogKind::Save, Res(726), Res(kParameterFilter));
    if (path.isEmpty()) return;
    showSettingsResult(ExportParameters(context_.settings, path, context_.now), path);
}

void CMainFrame::restoreDefaults() {
    if (!AskYesNoById(kRestoreDefaultsQuestionId, this)) return;
    SettingsCommandResult result =
        RestoreDefaultSettings(context_.settings, context_.settingsPath, context_.now);
    if (result.ok && result.messageId == 0) result.messageId = kRestoreDefaultsDoneId;
    showSettingsResult(result, context_.settingsPath);
}

// The save dialog offers the client's name and the level in the pictures folder.
static QString SuggestedImagePath(const CZelkDoc& doc) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    return QDir(folder).filePath(doc.imageFileName());
}

void CMainFrame::exportChartImage() {
    CChildFrame* frame = currentChartWindow();
    // A window without a chart has nothing to draw.
    if (!frame || !frame->document()->hasChart()) return;
    const QString path = ChooseFile(this, FileDialogKind::Save, Res(729), Res(kPngFilter), nullptr,
                                    SuggestedImagePath(*frame->document()));
    if (path.isEmpty()) return;
    ChartViewState state = frame->view()->viewState();
    state.now = context_.now;
    const PngExportResult result =
        ExportChartPng(path, frame->document()->record(), context_.settings, state);
    if (result.messageId == 0) return;
    if (result.ok())
        InformById(result.messageId, this);
    else
        WarnText(WithPath(Res(result.messageId) + QLatin1Char('\n') + result.detail, result.path),
                 this);
}

void CMainFrame::refreshTime() {
    RefreshCurrentTime(context_.now, context_.clock);
    for (CChildFrame* f : chartWindows()) {
        CZelkDoc* doc = f->document();
        if (!doc->hasChart()) continue;
        ChartRecord& r = doc->record();
        ComputeNatalChart(r, context_.env());
        if (r.shownLevel > 0) ComputePeriodChart(r, r.shownLevel, r.periodChart, context_.env());
        r.periodChanged = 1;
        f->chartChanged();
    }
    update();
}

void CMainFrame::showAboutBox() {
    ShowAbout(0, context_.dataFile(QStringLiteral("SABOUT.LGO")));
}

} // namespace zelk
