// A paint device that records what is drawn on it instead of rasterising: every
// text item with its position, pen colour and font size, and every filled or
// outlined rectangle. Lets tests ask "which texts are drawn where" without
// comparing pictures.
#pragma once

#include <QColor>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QRectF>
#include <QString>

#include <memory>
#include <vector>

namespace zelk::test {

struct RecordedText {
    QString text;
    QPointF origin; // baseline start, in device coordinates
    QColor pen;
    int pixelSize = 0;
    QString family;
};

struct RecordedRect {
    QRectF rect;
    QColor brush; // invalid when not filled
    QColor pen;
};

class RecordingPaintEngine;

class RecordingPaintDevice : public QPaintDevice {
  public:
    RecordingPaintDevice(int width, int height);
    ~RecordingPaintDevice() override;
    QPaintEngine* paintEngine() const override;

    const std::vector<RecordedText>& texts() const;
    const std::vector<RecordedRect>& rects() const;
    // Texts that contain `needle`.
    std::vector<RecordedText> textsContaining(const QString& needle) const;
    // Texts whose origin lies inside `area`.
    std::vector<RecordedText> textsIn(const QRectF& area) const;
    // All texts inside `area` joined in drawing order.
    QString joinedTextIn(const QRectF& area) const;

  protected:
    int metric(PaintDeviceMetric metric) const override;

  private:
    int width_, height_;
    std::unique_ptr<RecordingPaintEngine> engine_;
};

} // namespace zelk::test
