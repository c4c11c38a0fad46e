#include "child_frame.h"

#include "app_context.h"
#include "interpret/explanation_cache.h"
#include "res_text.h"
#include "view/chart_interaction.h"
#include "view/zelk_view_widget.h"
#include "zelk_doc.h"

#include <QCloseEvent>
#include <QEvent>

namespace zelk {

CChildFrame::CChildFrame(AppContext& context, QWidget* parent)
    : QMdiSubWindow(parent), doc_(std::make_unique<CZelkDoc>(context.now)) {
    setAttribute(Qt::WA_DeleteOnClose);
    view_ = new CZelkView(this);
    view_->setChart(&doc_->record(), &context.settings);
    view_->setTimeSource([&context] { return context.now; });
    view_->setFooterLines({Res(514), Res(515)});
    view_->setSolarTerms(context.solarTerms ? &*context.solarTerms : nullptr);
    attachInteraction(context);
    // Whatever changed the level (a level button, a period line, a picker), the
    // window's title and tab name the chart shown when it is painted.
    view_->viewport()->installEventFilter(this);
    setWidget(view_);
    // A chart without a client is titled with the application title.
    setWindowTitle(Res(57344));
    connect(doc_.get(), &CZelkDoc::titleChanged, this, &QWidget::setWindowTitle);
    connect(doc_.get(), &CZelkDoc::chartChanged, this, &CChildFrame::chartChanged);
}

CChildFrame::~CChildFrame() = default;

void CChildFrame::attachInteraction(AppContext& context) {
    ChartInteractionHooks hooks;
    hooks.computePeriod = [&context, doc = doc_.get()](ChartRecord& r, int level,
                                                       const AppSettings& s) {
        const ChartResult result =
            ComputePeriodChart(r, level, r.periodChart, ChartEnv{s, context.now, context.clock});
        if (result) doc->setTitleFromName();
        return result;
    };
    hooks.now = [&context] {
        RefreshCurrentTime(context.now, context.clock);
        return context.now;
    };
    hooks.loadExplanations = [&context](int level) {
        LoadExplanationSet(level, context.explicitDataDir);
    };
    hooks.modifyClient = [this] { emit modifyClientRequested(); };
    CChartInteraction::attach(view_, &doc_->record(), &context.settings, std::move(hooks));
}

bool CChildFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched == view_->viewport()) followShownLevel();
    return QMdiSubWindow::eventFilter(watched, event);
}

void CChildFrame::followShownLevel() {
    if (doc_->hasChart() && doc_->titleFromName() != doc_->title()) doc_->setTitleFromName();
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    closing_ = true;
    QMdiSubWindow::closeEvent(event);
}

void CChildFrame::chartChanged() {
    view_->chartChanged();
}

} // namespace zelk
