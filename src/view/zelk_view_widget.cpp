#include "zelk_view_widget.h"

#include "chart_colours.h"
#include "four_hua_layers.h"
#include "side_panel.h"

#include <QAction>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace zelk {

namespace {

constexpr double kZoomStep = 1.25;
constexpr double kLargestZoom = 4.0;
constexpr int kLargestCanvasHeight = 4000; // pixels: the picture stays a sane image
constexpr double kSmallestZoom = 0.25;

int ToDevice(int logical, qreal ratio) {
    return static_cast<int>(std::floor(logical * ratio));
}

} // namespace

CZelkView::CZelkView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    createZoomActions();
    relayout();
}

void CZelkView::createZoomActions() {
    auto make = [this](const QString& text, QList<QKeySequence> keys, void (CZelkView::*slot)()) {
        auto* action = new QAction(text, this);
        action->setShortcuts(keys);
        // Only the chart window that has the focus zooms.
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
        return action;
    };
    zoomIn_ =
        make(QStringLiteral("放大命盤"),
             {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}, &CZelkView::zoomIn);
    zoomOut_ = make(QStringLiteral("縮小命盤"), {QKeySequence::ZoomOut}, &CZelkView::zoomOut);
    fit_ = make(QStringLiteral("命盤符合視窗"), {QKeySequence(Qt::CTRL | Qt::Key_0)},
                &CZelkView::fitToWindow);
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
    relayoutIfNeeded();
    if (stale_) paintCanvas();
    return canvas_;
}

QSize CZelkView::sizeHint() const {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    const QSize screenSize = s ? s->availableSize() : QSize(1280, 1024);
    const CanvasSize canvas = ComputeCanvas(screenSize.width(), screenSize.height(), false);
    const int frame = 2 * frameWidth();
    return QSize(canvas.width + frame, canvas.height + frame);
}

// ---------------------------------------------------------------------------
// Geometry

void CZelkView::relayoutIfNeeded() {
    if (maximumViewportSize() != laidOutFor_ || devicePixelRatioF() != laidOutRatio_ ||
        zoom_ != laidOutZoom_)
        relayout();
}

void CZelkView::relayout() {
    ratio_ = std::max<qreal>(1.0, devicePixelRatioF());
    const QSize area = maximumViewportSize(); // the whole area, without scroll bars
    const CanvasSize fit =
        FitCanvas(ToDevice(area.width(), ratio_), ToDevice(area.height(), ratio_));
    const CanvasSize minimum = MinimumCanvas(ratio_);
    int height = static_cast<int>(std::lround(fit.height * zoom_));
    height = std::clamp(height, minimum.height, std::max(minimum.height, kLargestCanvasHeight));
    const CanvasSize canvas{height * 3 / 2, height};

    // Scroll bars take room only where the canvas is larger than the area; one
    // bar can make the other necessary.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    bool wide = false, tall = false;
    QSize shown = area;
    for (int pass = 0; pass < 2; ++pass) {
        wide = canvas.width > ToDevice(shown.width(), ratio_);
        tall = canvas.height > ToDevice(shown.height(), ratio_);
        shown = area - QSize(tall ? bar : 0, wide ? bar : 0);
    }
    shownSize_ = shown;
    pictureSize_ = QSize(std::max(canvas.width, ToDevice(shown.width(), ratio_)),
                         std::max(canvas.height, ToDevice(shown.height(), ratio_)));
    layout_ = PlaceChartInArea(canvas, {pictureSize_.width(), pictureSize_.height()}, ratio_);
    laidOutFor_ = area;
    laidOutRatio_ = devicePixelRatioF();
    laidOutZoom_ = zoom_;
    stale_ = true;
    updateScrollBars();
}

void CZelkView::updateScrollBars() {
    // The page is what the viewport shows once the bars the picture needs are in
    // place (the viewport itself may still be sized for bars about to go away).
    const QSize page = shownSize_;
    const int width = static_cast<int>(std::ceil(pictureSize_.width() / ratio_));
    const int height = static_cast<int>(std::ceil(pictureSize_.height() / ratio_));
    horizontalScrollBar()->setPageStep(page.width());
    verticalScrollBar()->setPageStep(page.height());
    horizontalScrollBar()->setSingleStep(std::max(1, page.width() / 20));
    verticalScrollBar()->setSingleStep(std::max(1, page.height() / 20));
    horizontalScrollBar()->setRange(0, std::max(0, width - page.width()));
    verticalScrollBar()->setRange(0, std::max(0, height - page.height()));
}

QPoint CZelkView::canvasPoint(QPoint viewportPoint) const {
    const QPointF logical(viewportPoint.x() + horizontalScrollBar()->value(),
                          viewportPoint.y() + verticalScrollBar()->value());
    return QPoint(static_cast<int>(std::floor(logical.x() * ratio_)),
                  static_cast<int>(std::floor(logical.y() * ratio_)));
}

QPoint CZelkView::viewportPoint(QPoint canvasPoint) const {
    return QPoint(static_cast<int>(std::floor((canvasPoint.x() + 0.5) / ratio_)) -
                      horizontalScrollBar()->value(),
                  static_cast<int>(std::floor((canvasPoint.y() + 0.5) / ratio_)) -
                      verticalScrollBar()->value());
}

// ---------------------------------------------------------------------------
// Zoom

void CZelkView::zoomIn() {
    zoomBy(kZoomStep, viewport()->rect().center());
}

void CZelkView::zoomOut() {
    zoomBy(1.0 / kZoomStep, viewport()->rect().center());
}

void CZelkView::fitToWindow() {
    setZoom(1.0, viewport()->rect().center());
}

void CZelkView::zoomBy(double factor, QPoint anchor) {
    if (!std::isfinite(factor) || factor <= 0) return;
    double zoom = zoom_ * factor;
    // Passing the fitted size on the way snaps to it, so the steps come back to it.
    if ((zoom_ < 1.0 && zoom > 1.0) || (zoom_ > 1.0 && zoom < 1.0) || std::abs(zoom - 1.0) < 0.02)
        zoom = 1.0;
    setZoom(zoom, anchor);
}

void CZelkView::setZoom(double zoom, QPoint anchor) {
    relayoutIfNeeded();
    // Smaller than the canvas that still holds the buttons, or larger than the
    // largest picture, changes nothing: those limits are where the zoom stops.
    const int fitHeight =
        FitCanvas(ToDevice(laidOutFor_.width(), ratio_), ToDevice(laidOutFor_.height(), ratio_))
            .height;
    double smallest = kSmallestZoom, largest = kLargestZoom;
    if (fitHeight > 0) {
        smallest = std::max(smallest, double(MinimumCanvas(ratio_).height) / fitHeight);
        largest = std::min(largest, double(kLargestCanvasHeight) / fitHeight);
    }
    zoom = std::clamp(zoom, std::min(smallest, 1.0), std::max(largest, 1.0));
    if (zoom == zoom_) return;

    // The point of the chart square under the anchor stays under it.
    const QPoint before = canvasPoint(anchor);
    const double fx = double(before.x() - layout_.chartLeft) / std::max(1, layout_.chartSide);
    const double fy = double(before.y() - layout_.chartTop) / std::max(1, layout_.chartSide);
    zoom_ = zoom;
    relayout();
    const double x = layout_.chartLeft + fx * layout_.chartSide;
    const double y = layout_.chartTop + fy * layout_.chartSide;
    horizontalScrollBar()->setValue(static_cast<int>(std::lround(x / ratio_ - anchor.x())));
    verticalScrollBar()->setValue(static_cast<int>(std::lround(y / ratio_ - anchor.y())));
    viewport()->update();
    emit zoomChanged(zoom_);
}

void CZelkView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const int delta = event->angleDelta().y();
    if (delta != 0) zoomBy(std::pow(kZoomStep, delta / 120.0), event->position().toPoint());
    event->accept();
}

// ---------------------------------------------------------------------------
// Painting

void CZelkView::paintCanvas() {
    stale_ = false;
    canvas_ = QImage(pictureSize_, QImage::Format_RGB32);
    // Outside the canvas the picture continues in the canvas's margin colour.
    canvas_.fill(colours::kMargin);
    {
        QPainter p(&canvas_);
        PaintCanvasBackground(p, layout_);
        lastButtons_ = {};
        lastPaint_ = {};
        if (record_ && settings_) {
            if (now_) state_.now = now_();
            state_.block = nullptr;
            p.translate(layout_.chartLeft, layout_.chartTop);
            lastPaint_ = PaintChart(p, layout_.chartSide, *record_, *settings_, state_);
            p.resetTransform();
            // The level buttons with the stem strip on the left, the period tables on the right.
            std::array<bool, 10> stems{};
            if (state_.stripStem >= 0 && state_.stripStem < 10) stems[state_.stripStem] = true;
            lastButtons_ = PaintChartButtons(p, layout_, record_->shownLevel, stems);
            LegendContent legend;
            legend.numericBrightness = settings_->StarLevel && settings_->MiaoWangType == 1;
            legend.dipper = settings_->Star7Display && state_.dipperToggleOn;
            PaintViewLegend(p, layout_, legend, lastButtons_);
            if (record_->shownLevel >= 0)
                PaintSidePanel(
                    p, layout_, *record_, *settings_, state_.now, terms_,
                    FourHuaCaption(*record_, *settings_, lastPaint_.pillars, record_->shownLevel));
        }
    }
    // Drawn at the screen's density: one pixel of the picture is one pixel of the screen.
    canvas_.setDevicePixelRatio(ratio_);
}

void CZelkView::paintEvent(QPaintEvent* event) {
    const QImage& image = canvasImage();
    QPainter p(viewport());
    p.fillRect(event->rect(), colours::kMargin);
    p.drawImage(QPointF(-horizontalScrollBar()->value(), -verticalScrollBar()->value()), image);
}

void CZelkView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    relayoutIfNeeded();
    updateScrollBars();
}

void CZelkView::scrollContentsBy(int, int) {
    viewport()->update();
}

} // namespace zelk
