#include "png_export.h"

#include <QImageWriter>
#include <QSaveFile>

namespace zelk {

QString PngPathFor(const QString& path) {
    if (path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) return path;
    return path + QStringLiteral(".png");
}

QImage RenderChartPicture(const ChartRecord& record, const AppSettings& settings,
                          ChartViewState& state) {
    QImage image(kPngSide, kPngSide, QImage::Format_RGB888);
    image.fill(Qt::black);
    ChartViewState screen = state;
    screen.printing = false;
    screen.colourTarget = true;
    {
        QPainter painter(&image);
        PaintChart(painter, kPngSide, record, settings, screen);
    }
    return image;
}

PngExportResult ExportChartPng(const QString& path, const ChartRecord& record,
                               const AppSettings& settings, ChartViewState& state) {
    PngExportResult result;
    if (record.shownLevel < 0) return result;
    result.path = PngPathFor(path);
    const QImage image = RenderChartPicture(record, settings, state);

    // Written to a temporary file beside the target and renamed at the end, so a
    // failed write never leaves a truncated picture under the chosen name.
    QSaveFile file(result.path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.status = PngExportResult::WriteFailed;
        result.messageId = kPngFailedStringId;
        result.detail = file.errorString();
        return result;
    }
    QImageWriter writer(&file, "png");
    // A light zlib level: the picture is mostly flat colour, so a higher level
    // saves little space and costs several times the time.
    writer.setQuality(80);
    if (!writer.write(image)) {
        file.cancelWriting();
        result.status = PngExportResult::WriteFailed;
        result.messageId = kPngFailedStringId;
        result.detail = writer.errorString();
        return result;
    }
    if (!file.commit()) {
        result.status = PngExportResult::WriteFailed;
        result.messageId = kPngFailedStringId;
        result.detail = file.errorString();
        return result;
    }
    result.status = PngExportResult::Written;
    result.messageId = kPngDoneStringId;
    return result;
}

} // namespace zelk
