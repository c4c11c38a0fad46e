// CZelkView: the chart window's widget. It holds what the painter needs (the
// document's chart record, the settings, the view state), keeps the painted
// canvas as an image, and in paintEvent only copies that image to the screen at
// the scroll position. Any change marks the image stale and calls update().
#pragma once

#include "calendar/solar_terms.h"
#include "chart_layout.h"
#include "chart_painter.h"

#include <QAbstractScrollArea>
#include <QImage>

#include <functional>

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

    const ChartLayout& layout() const { return layout_; }
    const ChartPaintResult& lastPaint() const { return lastPaint_; }
    ChartViewState& viewState() { return state_; }
    // The canvas as painted now (paints it first when stale).
    const QImage& canvasImage();

  protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void scrollContentsBy(int dx, int dy) override;

  private:
    void paintCanvas();
    void updateScrollBars();

    ChartRecord* record_ = nullptr;
    const AppSettings* settings_ = nullptr;
    std::function<CurrentTime()> now_;
    const SolarTermTable* terms_ = nullptr;
    ChartViewState state_;
    ChartLayout layout_;
    ChartPaintResult lastPaint_;
    QImage canvas_;
    bool stale_ = true;
};

} // namespace zelk
