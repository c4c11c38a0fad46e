#include "chart_print.h"

#include "calendar/date_text.h"
#include "calendar/pillars.h"
#include "chart_artwork.h"
#include "font_faces.h"
#include "view_text.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPrinter>

#include <algorithm>
#include <bit>
#include <cmath>

namespace zelk {

namespace {

constexpr int kProductTitleStringId = 101;
constexpr int kProductOwnerStringId = 515;
constexpr int kYearsPerRange = 27;
// The time page's fixed measures, in page units.
constexpr int kTableLeft = 400;
constexpr int kTableMargins = 800;
constexpr int kTableFrame = 20;
constexpr int kCellPen = 2;
constexpr int kCellTextPadding = 100;
constexpr int kSampleYear = 2050; // the widest year text the table prints

QString ClientNameOf(const ChartRecord& record) {
    const auto& name = record.name;
    const auto end = std::find(name.begin(), name.end(), u'\0');
    return QString::fromUtf16(name.data(), end - name.begin());
}

QString OwnerLineOf(const PrintSource& source) {
    return source.ownerLine.isEmpty() ? ViewText(kProductOwnerStringId) : source.ownerLine;
}

int Trunc(double v) {
    return static_cast<int>(std::trunc(v));
}

} // namespace

int TimePageCount(int32_t printLsan, int shownLevel) {
    if (shownLevel != kLevelNatal) return 0;
    if (printLsan & kPrintAllRangesOnePage) return 1;
    if (printLsan & kPrintRangePerPage)
        return std::popcount(static_cast<uint32_t>(printLsan & 0x7));
    return 0;
}

int PrintPageCount(int32_t printLsan, int shownLevel) {
    return 1 + TimePageCount(printLsan, shownLevel);
}

std::optional<TimePageRange> TimePageFor(int32_t printLsan, int shownLevel, int page) {
    const int k = page - 2;
    if (k < 0 || k >= TimePageCount(printLsan, shownLevel)) return std::nullopt;
    if (printLsan & kPrintAllRangesOnePage) return TimePageRange{true, 0};
    // The k-th selected range, in ascending order.
    int seen = 0;
    for (int range = 0; range < 3; ++range) {
        if (!(printLsan & (1 << range))) continue;
        if (seen++ == k) return TimePageRange{false, range};
    }
    return std::nullopt;
}

QImage CreatePrintImage(int& side, const PrintImageFactory& factory) {
    for (const int candidate : kPrintImageSides) {
        QImage image =
            factory ? factory(candidate) : QImage(candidate, candidate, QImage::Format_RGB32);
        if (!image.isNull() && image.width() >= candidate && image.height() >= candidate) {
            side = candidate;
            return image;
        }
    }
    side = 0;
    return {};
}

ChartPageGeometry ComputeChartPage(int width, int height, int imageSide) {
    ChartPageGeometry geo;
    const int W = std::max(1, width), H = std::max(1, height);
    const int e = std::max(1, imageSide);
    const int g = std::min(W, H);

    // Scale: the chart fills the width, or the height less a quarter of the short
    // side for the title when the page is not tall enough to hold both.
    const int m0 = 2 * (g / 256);
    int h = H - m0;
    if (H < W + g / 4) h -= g / 4;
    const double s = std::max(0.0, std::min(double(W - m0) / e, double(h) / e));
    const int c = (g + 20) / 40;
    geo.scale = s;
    geo.unit = c;

    // Title picture.
    int tw = Trunc(kTitleWidth * s), th = Trunc(kTitleHeight * s);
    if (tw > e) {
        tw = e;
        th = e * kTitleHeight / kTitleWidth;
    }
    const int B = Trunc(s * e);
    const int y0 = B / 256;
    if (tw < W / 2) {
        if (H - y0 - 3 * c - B >= 2 * th) {
            tw *= 2;
            th *= 2;
        }
    } else if (H < th + 2 * y0 + 3 * c + B || W - 2 * y0 < tw) {
        tw /= 2;
        th /= 2;
    }

    // Vertical placement.
    const int rest = H - (2 * y0 + 3 * c + B);
    int top;
    if (rest < th) {
        tw /= 2;
        th /= 2;
        top = y0 + th / 2;
    } else {
        top = y0 + th + (rest - th) / 2;
        if (c < (rest - th) / 2) top -= c;
    }

    const int E = Trunc(0.96 * s * e);
    const int F = E / 256;
    const int x = (W - E) / 2;
    geo.chart = QRect(x, top, E, E);
    geo.frame = QRect(QPoint(x - F, top - F), QPoint(x + E + F - 1, top + E + F - 1));
    geo.title = QRect((W - tw) / 2, top - F - th, tw, th);
    geo.ownerLine = QRect(0, top + E + F + c / 4, W, c);
    geo.ownerFontHeight = (g + 22) / 44;
    return geo;
}

QRect ScreenImagePlacement(int width, int height, QSize imageSize) {
    if (imageSize.isEmpty() || width <= 0 || height <= 0) return {};
    const int k = std::min(width / imageSize.width(), height / imageSize.height());
    QSize size = k >= 1 ? imageSize * k : imageSize.scaled(width, height, Qt::KeepAspectRatio);
    return QRect((width - size.width()) / 2, (height - size.height()) / 2, size.width(),
                 size.height());
}

QRect TimePageGeometry::cell(int row, int column) const {
    return QRect(cells.x() + column * cellWidth, cells.y() + row * rowHeight, cellWidth, rowHeight);
}

TimePageGeometry ComputeTimePage(int width, int height, bool allRanges) {
    TimePageGeometry geo;
    const int W = std::max(0, width), H = std::max(0, height);
    geo.headerHeight = allRanges ? 6 * (H / 81) : 3 * (H / 27);
    const int hb = geo.headerHeight;
    // A page narrower than its margins keeps an empty table rather than one of
    // negative width.
    geo.tableWidth = std::max(0, W - kTableMargins);
    const int xr = geo.tableWidth;
    const int yb = std::max(0, H - 2 * hb);
    geo.columns = allRanges ? 3 : 1;
    geo.rows = kYearsPerRange;
    geo.cellWidth = xr / geo.columns;
    geo.rowHeight = allRanges ? 3 * (yb / 81) : yb / 27;
    geo.cells = QRect(kTableLeft, hb, geo.columns * geo.cellWidth, geo.rows * geo.rowHeight);
    geo.titleLine = QRect(0, 0, W, hb / 2);
    geo.birthLine = QRect(0, hb / 2, W, hb - hb / 2);
    geo.footer = QRect(kTableLeft, H - hb, xr, hb);
    // The heights follow the width; on a landscape page they would outgrow the
    // header band's halves and the name would run off the top of the sheet.
    geo.titleFontHeight = std::min((xr + 20) / 24, geo.titleLine.height() * 4 / 5);
    geo.birthFontHeight = std::min((xr + 20) / 36, geo.birthLine.height() * 4 / 5);
    return geo;
}

QString PrintYearText(int year, int yearDisplay) {
    std::string out;
    if (yearDisplay == 1)
        FormatMinguoYear(year, out);
    else
        out = QString::asprintf("%4d", year).toStdString() + "年";
    return Utf8(out);
}

QString PrintYearPillar(int lunarYear) {
    // In the middle of the lunar year (6th month, 1st day) the year pillar is the
    // lunar year's own: 甲子 falls on the years 4 + 60n.
    return Utf8(PillarName(Mod(lunarYear - 4, 60)));
}

QString YearCellText(int year, int birthLunarYear, int yearDisplay) {
    return PrintYearText(year, yearDisplay) + u' ' + PrintYearPillar(year) + u' ' +
           QString::number(year - birthLunarYear + 1) + QStringLiteral("歲");
}

int YearOfCell(int birthLunarYear, const TimePageRange& range, int row, int column) {
    const int start = birthLunarYear + (range.allRanges ? 0 : kYearsPerRange * range.range);
    return start + row + kYearsPerRange * column;
}

QString TimePageTitle(const ChartRecord& record) {
    const QString spaces = QStringLiteral("   ");
    const QString title = record.sex == 1 ? QStringLiteral("小姐") : QStringLiteral("先生");
    return ClientNameOf(record) + spaces + title + spaces + QStringLiteral("命書一覽");
}

QString TimePageBirthLine(const ChartRecord& record, const AppSettings& settings) {
    return QStringLiteral("陽曆") + PrintYearText(record.solarYear, settings.YearDisplay) +
           QString::asprintf("%3d", record.solarMonth) + QStringLiteral("月") +
           QString::asprintf("%3d", record.solarDay) + QStringLiteral("日") +
           QString::asprintf("%3d", record.clockHour) + QStringLiteral("時") +
           QStringLiteral(" 吉時");
}

ChartPrintJob::ChartPrintJob(const PrintSource& source, bool colourTarget)
    : source_(source), colourTarget_(colourTarget),
      pageCount_(PrintPageCount(source.settings.PrintLsan, source.record.shownLevel)) {
    image_ = CreatePrintImage(imageSide_, source.imageFactory);
    if (image_.isNull()) return;
    image_.fill(Qt::white);
    // The painter adds the marks it draws to the block it paints; a copy keeps
    // the view's own block as it was.
    ChartViewState state = source.state;
    state.block = nullptr;
    state.printing = true;
    state.colourTarget = colourTarget;
    QPainter painter(&image_);
    PaintChart(painter, imageSide_, source.record, source.settings, state);
}

bool ChartPrintJob::paintPage(QPainter& painter, QSize pageSize, int page) {
    if (page < 1 || page > pageCount_) return false;
    painter.save();
    if (page == 1)
        paintChartPage(painter, pageSize);
    else if (const auto range =
                 TimePageFor(source_.settings.PrintLsan, source_.record.shownLevel, page))
        paintTimePage(painter, pageSize, *range);
    painter.restore();
    return true;
}

void ChartPrintJob::paintChartPage(QPainter& painter, QSize pageSize) {
    const int W = pageSize.width(), H = pageSize.height();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    if (image_.isNull()) {
        if (source_.screenImage.isNull()) return;
        const QImage screen = colourTarget_
                                  ? source_.screenImage
                                  : source_.screenImage.convertToFormat(QImage::Format_Grayscale8);
        painter.drawImage(ScreenImagePlacement(W, H, screen.size()), screen);
        return;
    }
    const ChartPageGeometry geo = ComputeChartPage(W, H, imageSide_);
    painter.fillRect(geo.frame, Qt::black);
    painter.drawImage(geo.chart, image_);
    paintTitle(painter, geo.title);

    painter.setPen(Qt::black);
    painter.setFont(ChartFont(kFaceMing, geo.ownerFontHeight, true));
    painter.drawText(geo.ownerLine, Qt::AlignCenter | Qt::TextSingleLine, OwnerLineOf(source_));
}

void ChartPrintJob::paintTitle(QPainter& painter, const QRect& rect) {
    if (rect.isEmpty()) return;
    if (!source_.titlePicture) {
        painter.setPen(Qt::black);
        painter.setFont(ChartFont(kFaceKai, rect.height() / 2, true));
        painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine,
                         ViewText(kProductTitleStringId));
        return;
    }
    if (colourTarget_) {
        PaintTitlePicture(painter, rect);
        return;
    }
    // A monochrome printer gets the picture in grey, drawn at a resolution no
    // finer than the print image's.
    const QSize size =
        rect.size().boundedTo(QSize(imageSide_, imageSide_ * kTitleHeight / kTitleWidth + 1));
    QImage picture(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter p(&picture);
        PaintTitlePicture(p, picture.rect());
    }
    painter.drawImage(rect, picture.convertToFormat(QImage::Format_Grayscale8));
}

void ChartPrintJob::paintTimePage(QPainter& painter, QSize pageSize, const TimePageRange& range) {
    const TimePageGeometry geo =
        ComputeTimePage(pageSize.width(), pageSize.height(), range.allRanges);
    painter.setPen(QPen(Qt::black, kCellPen));
    painter.setBrush(Qt::NoBrush);

    painter.setFont(ChartFont(kFaceMing, geo.titleFontHeight, true));
    painter.drawText(geo.titleLine, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextSingleLine,
                     TimePageTitle(source_.record));
    painter.setFont(ChartFont(kFaceMing, geo.birthFontHeight));
    painter.drawText(geo.birthLine, Qt::AlignCenter | Qt::TextSingleLine,
                     TimePageBirthLine(source_.record, source_.settings));
    painter.drawText(geo.footer, Qt::AlignCenter | Qt::TextSingleLine, OwnerLineOf(source_));

    paintYearCells(painter, geo, range);

    // The frame: its inner edge on the table's left and top and along the outer
    // edges of the last cells.
    const QRect inner = geo.cells;
    const int t = kTableFrame;
    const QRect outer = inner.adjusted(-t, -t, t, t);
    painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), t), Qt::black);
    painter.fillRect(QRect(outer.left(), inner.bottom() + 1, outer.width(), t), Qt::black);
    painter.fillRect(QRect(outer.left(), inner.top(), t, inner.height()), Qt::black);
    painter.fillRect(QRect(inner.right() + 1, inner.top(), t, inner.height()), Qt::black);
}

void ChartPrintJob::paintYearCells(QPainter& painter, const TimePageGeometry& geo,
                                   const TimePageRange& range) {
    if (geo.cellWidth <= 0 || geo.rowHeight <= 0) return;
    const int yearDisplay = source_.settings.YearDisplay;
    const int birthYear = source_.record.lunarYear;

    // Half the row height, smaller when the text part would take more than three
    // fifths of the cell.
    int fontHeight = std::max(1, geo.rowHeight / 2);
    const QString sample = YearCellText(kSampleYear, kSampleYear - 49, yearDisplay);
    int w0 = 0;
    for (;;) {
        painter.setFont(ChartFont(kFaceMing, fontHeight));
        w0 = painter.fontMetrics().horizontalAdvance(sample);
        if (fontHeight <= 4 || (w0 + kCellTextPadding) * 5 <= geo.cellWidth * 3) break;
        fontHeight = fontHeight * 9 / 10;
    }
    const int textWidth = std::min(w0 + kCellTextPadding, geo.cellWidth);

    for (int column = 0; column < geo.columns; ++column) {
        for (int row = 0; row < geo.rows; ++row) {
            const QRect cell = geo.cell(row, column);
            const int year = YearOfCell(birthYear, range, row, column);
            painter.drawRect(cell);
            const QRect textPart(cell.x(), cell.y(), textWidth, cell.height());
            painter.drawText(textPart, Qt::AlignCenter | Qt::TextSingleLine,
                             YearCellText(year, birthYear, yearDisplay));
            painter.drawLine(textPart.right(), cell.top(), textPart.right(), cell.bottom());
        }
    }
}

QString PrintStartFailedText() {
    return QStringLiteral("無法開始列印工作。");
}

QString PrintFailedText() {
    return QStringLiteral("列印工作未能完成。");
}

PageUnits PageUnitsFor(int dpi, QSize deviceSize) {
    PageUnits units;
    // The time pages' fixed margins need a fine device; a coarse one is painted
    // in 1/600 inch units.
    if (dpi > 0 && dpi < kPrintMinimumDpi) units.factor = double(dpi) / kPrintMinimumDpi;
    units.pageSize = QSize(Trunc(std::max(0, deviceSize.width()) / units.factor),
                           Trunc(std::max(0, deviceSize.height()) / units.factor));
    return units;
}

PrintOutcome PrintChartDocument(QPagedPaintDevice& device, const PrintSource& source,
                                bool colourTarget, int fromPage, int toPage) {
    PrintOutcome outcome;
    ChartPrintJob job(source, colourTarget);
    const int first = std::max(1, fromPage);
    const int last = toPage > 0 ? std::min(toPage, job.pageCount()) : job.pageCount();

    QPainter painter;
    if (!painter.begin(&device)) {
        outcome.error = PrintStartFailedText();
        return outcome;
    }
    const PageUnits units =
        PageUnitsFor(device.logicalDpiX(), QSize(device.width(), device.height()));
    painter.scale(units.factor, units.factor);
    const QSize pageSize = units.pageSize;

    bool failed = false;
    for (int page = first; page <= last; ++page) {
        if (outcome.pagesPrinted > 0 && !device.newPage()) {
            failed = true;
            break;
        }
        job.paintPage(painter, pageSize, page);
        ++outcome.pagesPrinted;
    }
    if (!painter.end()) failed = true;
    if (failed) {
        outcome.error = PrintFailedText();
        return outcome;
    }
    outcome.ok = true;
    return outcome;
}

bool PrinterPrintsColour(const QPrinter& printer) {
    return printer.colorMode() == QPrinter::Color && printer.colorCount() > 2;
}

PrintOutcome PrintChart(QPrinter& printer, const PrintSource& source) {
    int from = 0, to = 0;
    if (printer.printRange() == QPrinter::PageRange) {
        from = printer.fromPage();
        to = printer.toPage();
    }
    PrintOutcome outcome =
        PrintChartDocument(printer, source, PrinterPrintsColour(printer), from, to);
    if (outcome.ok && printer.printerState() == QPrinter::Error) {
        outcome.ok = false;
        outcome.error = PrintFailedText();
    }
    return outcome;
}

} // namespace zelk
