// PNG export of a chart: a 1024 x 1024, 24-bit picture of the chart square as
// the screen shows it, its outermost pixels left black.
#pragma once

#include "chart_painter.h"

#include <QImage>
#include <QString>

namespace zelk {

inline constexpr int kPngSide = 1024;
inline constexpr int kPngDoneStringId = 649;   // "圖檔寫入完成"
inline constexpr int kPngFailedStringId = 686; // "匯出失敗"

// The path as it will be written: ".png" appended when it does not end in it
// (case-insensitive).
QString PngPathFor(const QString& path);

// The 1024 x 1024 picture (RGB888, black before painting), painted in screen mode
// whatever the state's printing flag says.
QImage RenderChartPicture(const ChartRecord& record, const AppSettings& settings,
                          ChartViewState& state);

struct PngExportResult {
    enum Status { Written, NoChart, WriteFailed };
    Status status = NoChart;
    QString path;      // the path written to (with ".png")
    int messageId = 0; // 649 when written, 686 when the write failed, 0 when nothing was done
    QString detail;    // why a write failed, for a log or the command line
    bool ok() const { return status == Written; }
};

// Paints and writes the picture. A record without a chart level writes nothing.
// The file is replaced only when the whole picture was written.
PngExportResult ExportChartPng(const QString& path, const ChartRecord& record,
                               const AppSettings& settings, ChartViewState& state);

} // namespace zelk
