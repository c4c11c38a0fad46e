#include "zelk_view_widget.h"

#include "chart_artwork.h"
#include "side_panel.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>

namespace zelk {

CZelkView::CZelkView(QWidget* parent) : QAbstractScrollArea(parent) {
    // The canvas follows the screen, not the window: a small window scrolls.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->size() : QSize(1280, 1024);
    const CanvasSize canvas = ComputeCanvas(screenSize.width(), screenSize.height(), false);
    layout_ = PlaceChart(canvas);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setBackgroundRole(QPalette::Dark);
    updateScrollBars();
}

void CZelkView::setChart(ChartRecord* record, const AppSettings* settings) {
    record_ = record;
    settings_ = settings;
    chartChanged();
}

void CZelkView::setTimeSource(std::function<CurrentTime()> now) {
    now_ = std::move(now);
}

void CZelkView::setFooterLines(const QStringList& lines) {
    state_.footerLines = lines;
    chartChanged();
}

void CZelkView::chartChanged() {
    stale_ = true;
    viewport()->update();
}

const QImage& CZelkView::canvasImage() {
    if (stale_) paintCanvas();
    return canvas_;
}

void CZelkView::paintCanvas() {
    stale_ = false;
    canvas_ = QImage(layout_.canvasWidth, layout_.canvasHeight, QImage::Format_RGB32);
    canvas_.fill(Qt::white);
    QPainter p(&canvas_);
    PaintCanvasBackground(p, layout_);
    if (!record_ || !settings_) return;
    if (now_) state_.now = now_();
    state_.block = nullptr;
    p.translate(layout_.chartLeft, layout_.chartTop);
    lastPaint_ = PaintChart(p, layout_.chartSide, *record_, *settings_, state_);
    p.resetTransform();
    // The level buttons with the stem strip on the left, the period tables on the right.
    std::array<bool, 10> stems{};
    if (state_.stripStem >= 0 && state_.stripStem < 10) stems[state_.stripStem] = true;
    PaintChartButtons(p, layout_, record_->shownLevel, stems);
    if (record_->shownLevel >= 0)
        PaintSidePanel(p, layout_, *record_, *settings_, state_.now, terms_);
}

void CZelkView::paintEvent(QPaintEvent* event) {
    const QImage& image = canvasImage();
    QPainter p(viewport());
    const QPoint offset(horizontalScrollBar()->value(), verticalScrollBar()->value());
    p.fillRect(event->rect(), palette().color(QPalette::Dark));
    p.drawImage(QPoint(0, 0), image, QRect(offset, viewport()->size()));
}

void CZelkView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void CZelkView::scrollContentsBy(int, int) {
    viewport()->update();
}

void CZelkView::updateScrollBars() {
    const QSize page = viewport()->size();
    horizontalScrollBar()->setPageStep(page.width());
    verticalScrollBar()->setPageStep(page.height());
    horizontalScrollBar()->setRange(0, qMax(0, layout_.canvasWidth - page.width()));
    verticalScrollBar()->setRange(0, qMax(0, layout_.canvasHeight - page.height()));
}

} // namespace zelk
