#include "recording_paint_device.h"

#include <QPaintEngineState>
#include <QPainterPath>
#include <QTextItem>

namespace zelk::test {

class RecordingPaintEngine : public QPaintEngine {
  public:
    RecordingPaintEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& state) override {
        if (state.state() & QPaintEngine::DirtyPen) pen_ = state.pen();
        if (state.state() & QPaintEngine::DirtyBrush) brush_ = state.brush();
        if (state.state() & QPaintEngine::DirtyTransform) transform_ = state.transform();
    }

    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        const QFont font = item.font();
        texts.push_back(
            {item.text(), transform_.map(p), pen_.color(), font.pixelSize(), font.family()});
    }

    void drawRects(const QRectF* r, int count) override {
        for (int i = 0; i < count; ++i)
            record(r[i]);
    }
    void drawRects(const QRect* r, int count) override {
        for (int i = 0; i < count; ++i)
            record(QRectF(r[i]));
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath& path) override { record(path.boundingRect()); }

    std::vector<RecordedText> texts;
    std::vector<RecordedRect> rects;

  private:
    void record(const QRectF& r) {
        const QColor fill = brush_.style() == Qt::NoBrush ? QColor() : brush_.color();
        const QColor outline = pen_.style() == Qt::NoPen ? QColor() : pen_.color();
        rects.push_back({transform_.mapRect(r), fill, outline});
    }
    QPen pen_;
    QBrush brush_;
    QTransform transform_;
};

RecordingPaintDevice::RecordingPaintDevice(int width, int height)
    : width_(width), height_(height), engine_(std::make_unique<RecordingPaintEngine>()) {}

RecordingPaintDevice::~RecordingPaintDevice() = default;

QPaintEngine* RecordingPaintDevice::paintEngine() const {
    return engine_.get();
}

const std::vector<RecordedText>& RecordingPaintDevice::texts() const {
    return engine_->texts;
}
const std::vector<RecordedRect>& RecordingPaintDevice::rects() const {
    return engine_->rects;
}

std::vector<RecordedText> RecordingPaintDevice::textsContaining(const QString& needle) const {
    std::vector<RecordedText> out;
    for (const auto& t : engine_->texts)
        if (t.text.contains(needle)) out.push_back(t);
    return out;
}

std::vector<RecordedText> RecordingPaintDevice::textsIn(const QRectF& area) const {
    std::vector<RecordedText> out;
    for (const auto& t : engine_->texts)
        if (area.contains(t.origin)) out.push_back(t);
    return out;
}

QString RecordingPaintDevice::joinedTextIn(const QRectF& area) const {
    QString out;
    for (const auto& t : textsIn(area))
        out += t.text;
    return out;
}

int RecordingPaintDevice::metric(PaintDeviceMetric metric) const {
    switch (metric) {
    case PdmWidth:
        return width_;
    case PdmHeight:
        return height_;
    case PdmWidthMM:
        return width_ * 254 / 960;
    case PdmHeightMM:
        return height_ * 254 / 960;
    case PdmNumColors:
        return 0x7fffffff;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return 96;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
    default:
        return 0;
    }
}

} // namespace zelk::test
