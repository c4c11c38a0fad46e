// CZelkView: the chart window's widget. It holds what the painter needs (the
// document's chart record, the settings, the view state), keeps the painted
// picture as an image, and in paintEvent only copies that image to the screen at
// the scroll position. Any change marks the image stale and calls update().
//
// The picture follows the window: by default the chart canvas is the largest
// one that fits the window (no scroll bars); Ctrl + wheel, Ctrl++ and Ctrl+−
// zoom in and out, Ctrl+0 fits it again. The picture is painted in the screen's
// own pixels (device pixel ratio), so text stays sharp on screens of high
// density; the layout, the painter's rectangles and every hit test are in those
// pixels too, and canvasPoint() turns a mouse position into them.
#pragma once

#include "calendar/solar_terms.h"
#include "chart_artwork.h"
#include "chart_layout.h"
#include "chart_painter.h"

#include <QAbstractScrollArea>
#include <QImage>

#include <functional>

class QAction;

namespace zelk {

class CZelkView : public QAbstractScrollArea {
    Q_OBJECT
  public:
    explicit CZelkView(QWidget* parent = nullptr);

    // The record and settings stay owned by the caller and must outlive the view.
    void setChart(ChartRecord* record, const AppSettings* settings);
    // The present moment for the centre block; called before each repaint.
    void setTimeSource(std::function<CurrentTime()> now);
    void setFooterLines(const QStringList& lines);
    // The solar terms for the side panel (may be null: the term column stays empty).
    void setSolarTerms(const SolarTermTable* terms) { terms_ = terms; }

    // The record or the settings changed: repaint from scratch.
    void chartChanged();

    // Geometry of the picture, in its own pixels (device pixels of the screen), as
    // laid out for the window's present size (on resizing and before painting).
    const ChartLayout& layout() const { return layout_; }
    const ChartPaintResult& lastPaint() const { return lastPaint_; }
    const ChartButtonAreas& lastButtons() const { return lastButtons_; }
    ChartViewState& viewState() { return state_; }
    // The picture as painted now (paints it first when stale).
    const QImage& canvasImage();
    // A point of the viewport (in its logical coordinates) as a pixel of the
    // picture, and back (the middle of that pixel).
    QPoint canvasPoint(QPoint viewportPoint) const;
    QPoint viewportPoint(QPoint canvasPoint) const;
    qreal pixelRatio() const { return ratio_; }

    // Zoom: 1 fits the window; larger values enlarge the chart (and scroll).
    double zoom() const { return zoom_; }
    bool fitsWindow() const { return zoom_ == 1.0; }
    void zoomIn();
    void zoomOut();
    void fitToWindow();
    // Zooms by `factor`, keeping the chart point under `anchor` (viewport
    // coordinates) where it is.
    void zoomBy(double factor, QPoint anchor);
    QAction* zoomInAction() const { return zoomIn_; }
    QAction* zoomOutAction() const { return zoomOut_; }
    QAction* fitAction() const { return fit_; }

    // A chart window asks for the screen canvas of its screen.
    QSize sizeHint() const override;

  signals:
    void zoomChanged(double zoom);

  protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

  private:
    void createZoomActions();
    void relayoutIfNeeded();
    void relayout();
    void setZoom(double zoom, QPoint anchor);
    void paintCanvas();
    void updateScrollBars();

    ChartRecord* record_ = nullptr;
    const AppSettings* settings_ = nullptr;
    std::function<CurrentTime()> now_;
    const SolarTermTable* terms_ = nullptr;
    ChartViewState state_;
    ChartLayout layout_;
    ChartPaintResult lastPaint_;
    ChartButtonAreas lastButtons_;
    QImage canvas_;
    QSize pictureSize_; // device pixels
    QSize laidOutFor_;  // the area (logical) the layout was made for
    QSize shownSize_;   // the part of it the viewport shows beside the scroll bars
    qreal ratio_ = 1.0;
    qreal laidOutRatio_ = 0.0;
    double zoom_ = 1.0;
    double laidOutZoom_ = 0.0;
    bool stale_ = true;
    QAction* zoomIn_ = nullptr;
    QAction* zoomOut_ = nullptr;
    QAction* fit_ = nullptr;
};

} // namespace zelk
