// The printed chart: page 1 is the chart square under a title picture, stretched
// from an off-screen print image; a natal chart continues with up to three time
// pages, a year table with one cell per year of life (ages 1 to 81) for the
// practitioner's handwritten notes.
//
// Page coordinates are device units of the printer. A device coarser than
// 600 dpi is painted in units of 1/600 inch instead, so the fixed margins of the
// time pages (400 units left and right) always leave room for the cells.
#pragma once

#include "chart_painter.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class QPagedPaintDevice;
class QPrinter;

namespace zelk {

// Sides of the print image, tried in this order until one can be created.
inline constexpr std::array<int, 4> kPrintImageSides{2400, 1200, 600, 400};
// The coarsest resolution painted in device units.
inline constexpr int kPrintMinimumDpi = 600;

// PrintLsan bits: 0x100 all three age ranges on one page; 0x200 one page per
// selected range, 0x1 ages 1-27, 0x2 ages 28-54, 0x4 ages 55-81.
inline constexpr int32_t kPrintAllRangesOnePage = 0x100;
inline constexpr int32_t kPrintRangePerPage = 0x200;

// Time pages of a job: only a natal chart (level 0) has them.
int TimePageCount(int32_t printLsan, int shownLevel);
// 1 + TimePageCount.
int PrintPageCount(int32_t printLsan, int shownLevel);

// What a time page shows: every range (one page) or one range 0-2.
struct TimePageRange {
    bool allRanges = false;
    int range = 0; // 0 ages 1-27, 1 ages 28-54, 2 ages 55-81; unused with allRanges
    friend bool operator==(const TimePageRange&, const TimePageRange&) = default;
};
// The range printed on page `page` (2, 3, ...); nullopt for a page that is not a
// time page of this job.
std::optional<TimePageRange> TimePageFor(int32_t printLsan, int shownLevel, int page);

// Makes an image of side x side pixels; a null image means "cannot be made".
using PrintImageFactory = std::function<QImage(int side)>;
// The first of kPrintImageSides the factory can make (the default factory
// allocates an RGB32 image). `side` is set to its side, or 0 when all fail.
QImage CreatePrintImage(int& side, const PrintImageFactory& factory = {});

// Where the chart page puts its parts on a page of W x H units for a print
// image of side e.
struct ChartPageGeometry {
    double scale = 0; // s: print image pixels to page units
    int unit = 0;     // c = (g + 20) / 40
    QRect title;      // the title picture (bottom at the frame's top)
    QRect chart;      // the stretched chart image, 96 % of the scaled side
    QRect frame;      // the black frame around it, F units on each side
    QRect ownerLine;  // the product-owner line below the frame
    int ownerFontHeight = 0;
};
ChartPageGeometry ComputeChartPage(int width, int height, int imageSide);

// Where the screen image goes when no print image could be made: the largest
// whole multiple of its size that fits, centred (scaled down to fit when even
// the image itself is larger than the page).
QRect ScreenImagePlacement(int width, int height, QSize imageSize);

// The layout of one time page of W x H units.
struct TimePageGeometry {
    int headerHeight = 0; // hb
    int tableWidth = 0;   // xr = W - 800
    int columns = 1, rows = 27;
    int cellWidth = 0, rowHeight = 0;
    QRect cells;     // the union of the cells, from (400, hb)
    QRect titleLine; // upper half of the header band
    QRect birthLine; // lower half of the header band
    QRect footer;    // the product-owner line
    int titleFontHeight = 0, birthFontHeight = 0;
    QRect cell(int row, int column) const;
};
TimePageGeometry ComputeTimePage(int width, int height, bool allRanges);

// "民國69年" when yearDisplay is 1, else "%4d年".
QString PrintYearText(int year, int yearDisplay);
// The year's stem and branch as printed: the year pillar of the 1st day of the
// 6th lunar month at hour index 6.
QString PrintYearPillar(int lunarYear);
// Year text, a space, the pillar, a space, the nominal age and 歲.
QString YearCellText(int year, int birthLunarYear, int yearDisplay);
// The year of row r and column k (0-based) of a time page.
int YearOfCell(int birthLunarYear, const TimePageRange& range, int row, int column);
// name, three spaces, 先生 or 小姐, three spaces, 命書一覽.
QString TimePageTitle(const ChartRecord& record);
// 陽曆 + birth year + "%3d月" + "%3d日" + "%3d時" + " 吉時".
QString TimePageBirthLine(const ChartRecord& record, const AppSettings& settings);

// Everything a print job reads. Held by value, so a job (or an open preview)
// never depends on the view it was started from.
struct PrintSource {
    ChartRecord record;
    AppSettings settings;
    ChartViewState state; // the view's state; the job paints on a copy with printing set
    QImage screenImage;   // the chart as the screen shows it, used when no print image can be made
    QString ownerLine;    // the product-owner line; empty: the string table's
    bool titlePicture = true;       // false: the title text in 標楷體 instead of the picture
    PrintImageFactory imageFactory; // empty: allocate normally
};

// One print job: the print image is made once, every page is painted from it.
// The job keeps its own copy of the source.
class ChartPrintJob {
  public:
    ChartPrintJob(const PrintSource& source, bool colourTarget);

    int pageCount() const { return pageCount_; }
    int printImageSide() const { return imageSide_; } // 0: the screen image is used
    // Paints page `page` (1-based) on a page of `pageSize` units; pages beyond
    // pageCount paint nothing and return false.
    bool paintPage(QPainter& painter, QSize pageSize, int page);

  private:
    void paintChartPage(QPainter& painter, QSize pageSize);
    void paintTitle(QPainter& painter, const QRect& rect);
    void paintTimePage(QPainter& painter, QSize pageSize, const TimePageRange& range);
    void paintYearCells(QPainter& painter, const TimePageGeometry& geometry,
                        const TimePageRange& range);

    PrintSource source_;
    bool colourTarget_ = true;
    int pageCount_ = 1;
    int imageSide_ = 0;
    QImage image_;
};

// The units a device is painted in: its own pixels, or 1/600 inch on a coarser
// device (`factor` device pixels per unit, at most 1).
struct PageUnits {
    double factor = 1.0;
    QSize pageSize; // the printable area in units
};
PageUnits PageUnitsFor(int dpi, QSize deviceSize);

struct PrintOutcome {
    bool ok = false;
    int pagesPrinted = 0;
    QString error; // the printing system's message when !ok
};

// Prints pages fromPage..toPage (1-based; 0 for either end means unbounded) to
// any paged device. The device is finished (painter ended) on every path.
PrintOutcome PrintChartDocument(QPagedPaintDevice& device, const PrintSource& source,
                                bool colourTarget, int fromPage = 0, int toPage = 0);
// The same on a printer: colour when the printer prints colour, the page range
// the print dialog chose.
PrintOutcome PrintChart(QPrinter& printer, const PrintSource& source);
// More than two colours and a colour mode.
bool PrinterPrintsColour(const QPrinter& printer);

// The printing system's message when a job cannot start.
QString PrintStartFailedText();
QString PrintFailedText();

} // namespace zelk
