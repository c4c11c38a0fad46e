// The client commands of the main window: opening charts from the client pane,
// new, modify and delete, and keeping open charts on their own clients.
#include "app_context.h"
#include "app_messages.h"
#include "chart_repoint.h"
#include "child_frame.h"
#include "class_view.h"
#include "finder_edit.h"
#include "input_dlg.h"
#include "main_frame.h"
#include "message_box.h"
#include "res_text.h"
#include "search_dlg.h"
#include "view/print_commands.h"
#include "view_tree.h"
#include "zelk_doc.h"

#include <QMdiArea>
#include <QSignalBlocker>

namespace zelk {

void CMainFrame::report(const ClientStoreResult& result) {
    for (const ClientNotice& notice : result.notices)
        (IsSuccessMessage(notice.messageId) ? InformText : WarnText)(ClientNoticeText(notice),
                                                                     this);
}

void CMainFrame::lockDatabase(const QString& path) {
    if (!lock_.acquire(path)) WarnText(DatabaseInUseText(path), this);
}

void CMainFrame::openStartupDatabase(const QString& commandLinePath) {
    CViewTree* t = tree();
    const QString path =
        commandLinePath.isEmpty()
            ? ResolveClientDatabasePath(context_.mainString(608), context_.programDir)
            : commandLinePath;
    lockDatabase(path);
    // The stored finder applies to the first filling of the tree, so the list is
    // put into the tree once.
    CMyFinderEdit* finder = clientPane_->finder();
    {
        const QSignalBlocker quiet(finder);
        finder->startWith(context_.mainString(609));
    }
    t->presetClientFinder(finder->text());
    report(t->loadClientDatabase(path));
}

bool CMainFrame::refuseWhenReadOnly() {
    if (!lock_.readOnly()) return false;
    WarnText(ReadOnlyRefusalText(lock_.path()), this);
    return true;
}

bool CMainFrame::loadIntoFrame(CChildFrame* frame, const tagUserInfo& client, int position) {
    const ChartResult result =
        frame->document()->loadStoredClient(client, position, context_.env());
    if (!result) {
        WarnText(QString::fromStdString(result.message), this);
        return false;
    }
    return true;
}

void CMainFrame::openClientChart(int position) {
    if (IsPreviewOpen()) {
        WarnById(650, this);
        return;
    }
    CChildFrame* target = currentChartWindow();
    if (context_.settings.UserNewView != 0 && target && target->document()->shownLevel() != -1)
        target = nullptr;
    if (!target) target = newChartWindow();
    const tagUserInfo client = tree()->database().GetClientAt(position).value_or(tagUserInfo{});
    loadIntoFrame(target, client, position);
    mdi_->setActiveSubWindow(target);
    updateCommandStates();
}

bool CMainFrame::runInputDialog(CChildFrame* frame, bool modify) {
    CZelkDoc* doc = frame->document();
    const tagUserInfo current = doc->client();
    CInputDlg dialog(modify ? CInputDlg::Mode::Modify : CInputDlg::Mode::New, context_,
                     tree()->clients(), modify ? &current : nullptr, this);
    if (dialog.exec() != QDialog::Accepted) return false;
    if (refuseWhenReadOnly()) return false;
    tagUserInfo record = dialog.record();
    const int index = modify ? doc->clientIndex() : -1;
    // Never write over another client's record: the position must still hold this
    // client (the list may have moved since the chart was opened).
    if (modify && !ClientStillAt(tree()->clients(), index, record.id)) {
        WarnText(ClientMovedText(), this);
        return false;
    }
    const ChartResult chart = doc->loadInput(
        record, modify ? InputCommand::ModifyClient : InputCommand::NewClient, context_.env());
    if (!chart) {
        WarnText(QString::fromStdString(chart.message), this);
        return false;
    }
    if (!modify) record.id = context_.takeNextClientId();
    const ClientStoreResult stored = tree()->storeClient(record, index);
    report(stored);
    if (stored.ok) {
        doc->setClientIndex(stored.index);
        // The stored copy carries the number the record was given.
        doc->record().client = BirthInputOf(record).clientBytes;
    }
    doc->setTitleFromName();
    frame->chartChanged();
    updateCommandStates();
    return stored.ok;
}

void CMainFrame::newClient() {
    CChildFrame* frame = newChartWindow();
    // Cancelled or refused: no empty chart window stays behind.
    if (!runInputDialog(frame, false) && !frame->document()->hasChart()) frame->close();
}

void CMainFrame::modifyClient() {
    CChildFrame* frame = currentChartWindow();
    if (!frame) frame = newChartWindow();
    if (frame->document()->clientIndex() >= 0) runInputDialog(frame, true);
}

void CMainFrame::deleteClient() {
    if (tree()->countCheckedClients() >= 1) {
        if (!ConfirmById(613, this) || refuseWhenReadOnly()) return;
        std::set<int> positions;
        const ClientList& list = tree()->clients();
        for (int p : tree()->checkedPositions()) {
            if (p < 0 || p >= static_cast<int>(list.size())) continue;
            positions.insert(p);
            closeChartsOfClient(list[p].id);
        }
        report(tree()->deleteClientsAt(positions));
        return;
    }
    deleteClientDialog();
}

void CMainFrame::deleteClientDialog() {
    CChildFrame* frame = currentChartWindow();
    if (!frame || refuseWhenReadOnly()) return;
    CZelkDoc* doc = frame->document();
    CSearchDlg dialog(*tree(), context_, doc->clientId(), this);
    connect(&dialog, &CSearchDlg::deletionResult, this, &CMainFrame::report);
    if (dialog.exec() == QDialog::Accepted && doc->clientIndex() == -1) {
        // The chart's own client was deleted: the chart is cleared.
        doc->clearChart();
        frame->chartChanged();
    }
    if (doc->shownLevel() == -1) frame->setWindowTitle(Res(57344));
    updateCommandStates();
}

void CMainFrame::openCheckedClients() {
    const std::vector<int> checked = tree()->checkedPositions();
    if (checked.empty()) {
        WarnById(683, this);
        return;
    }
    CChildFrame* last = nullptr;
    for (auto it = checked.rbegin(); it != checked.rend(); ++it) {
        const auto client = tree()->database().GetClientAt(*it);
        if (!client) continue;
        CChildFrame* frame = newChartWindow();
        loadIntoFrame(frame, *client, *it);
        last = frame;
    }
    if (last) {
        mdi_->setActiveSubWindow(last);
        last->chartChanged();
    }
}

void CMainFrame::toggleAllChecks() {
    tree()->toggleAllChecks();
    updateCommandStates();
}

void CMainFrame::closeAllCharts() {
    if (!ConfirmById(614, this)) return;
    for (CChildFrame* f : chartWindows())
        f->close();
    updateCommandStates();
}

void CMainFrame::closeChartsOfClient(int32_t id) {
    for (CChildFrame* f : chartWindows())
        if (f->document()->clientIndex() >= 0 && f->document()->clientId() == id) f->close();
}

void CMainFrame::repointOpenCharts(const std::set<int>& removed, bool fileChanged) {
    const ClientList& list = tree()->clients();
    for (CChildFrame* f : chartWindows()) {
        CZelkDoc* doc = f->document();
        if (doc->clientIndex() < 0) continue;
        // Another database holds other clients, whatever their numbers.
        const int now =
            fileChanged ? -1
                        : RepointClientIndex(doc->clientIndex(), doc->clientId(), removed, list);
        doc->setClientIndex(now);
    }
    updateCommandStates();
}

} // namespace zelk
