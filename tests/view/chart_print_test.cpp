// The printed chart: page counts of real PDF jobs, where the chart page puts its
// parts on portrait and landscape pages, the year cells' texts (recorded), the
// monochrome pages (probed pixels), the fallbacks and the preview bookkeeping.
#include "chart_fixture.h"
#include "recording_paint_device.h"

#include "calendar/pillars.h"
#include "view/chart_print.h"
#include "view/print_commands.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zelk {
namespace {

using test::ChartFixture;
using test::RecordingPaintDevice;

PrintSource SourceOf(const ChartFixture& f, int32_t printLsan) {
    PrintSource source;
    source.record = f.record;
    source.settings = f.settings;
    source.settings.PrintLsan = printLsan;
    source.state.now = f.now;
    return source;
}

// Pages of a PDF file as its page objects count them.
int PdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QString text = QString::fromLatin1(file.readAll());
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return int(text.count(page));
}

struct PdfJob {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("chart.pdf"));
    QPrinter printer{QPrinter::HighResolution};
    PdfJob(QPageSize size = QPageSize(QPageSize::A4),
           QPageLayout::Orientation orientation = QPageLayout::Portrait) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageSize(size);
        printer.setPageOrientation(orientation);
    }
};

// Page `page` of a PDF file as a picture at `dpi`, through poppler's pdftoppm;
// a null image when the tool is not installed.
QImage RenderPdfPage(const QString& pdf, int page, int dpi) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (tool.isEmpty()) return {};
    const QString prefix = pdf + QStringLiteral(".page");
    QProcess::execute(tool, {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
                             QString::number(page), QStringLiteral("-l"), QString::number(page),
                             QStringLiteral("-singlefile"), QStringLiteral("-png"), pdf, prefix});
    return QImage(prefix + QStringLiteral(".png"));
}

bool HasColourPixel(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qRed(p) != qGreen(p) || qGreen(p) != qBlue(p)) return true;
        }
    return false;
}

QImage PaintPage(const PrintSource& source, bool colour, int page, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    ChartPrintJob job(source, colour);
    QPainter painter(&image);
    job.paintPage(painter, size, page);
    return image;
}

TEST(ChartPrint, PageCountsFollowPrintLsanAndTheChartLevel) {
    struct Row {
        int32_t lsan;
        int level;
        int pages;
    };
    const Row rows[] = {
        {0, 0, 1},      {0x100, 0, 2}, {0x100 | 0x7, 0, 2}, {0x200, 0, 1}, {0x201, 0, 2},
        {0x205, 0, 3},  {0x207, 0, 4}, {0x300 | 0x7, 0, 2}, {0x100, 2, 1}, {0x207, 1, 1},
        {0x207, -1, 1}, {-1, 0, 2},    {0x2F8, 0, 1}, // range bits above 0x4 are not ranges
    };
    for (const Row& r : rows)
        EXPECT_EQ(PrintPageCount(r.lsan, r.level), r.pages) << std::hex << r.lsan << " " << r.level;

    // 0x1 and 0x4: ages 1-27 on page 2, ages 55-81 on page 3, nothing after.
    EXPECT_EQ(TimePageFor(0x205, 0, 2), (TimePageRange{false, 0}));
    EXPECT_EQ(TimePageFor(0x205, 0, 3), (TimePageRange{false, 2}));
    EXPECT_FALSE(TimePageFor(0x205, 0, 4));
    EXPECT_FALSE(TimePageFor(0x205, 0, 1));
    EXPECT_EQ(TimePageFor(0x100, 0, 2), (TimePageRange{true, 0}));
    EXPECT_FALSE(TimePageFor(0x100, 2, 2));
}

TEST(ChartPrint, PdfJobsHaveTheirPages) {
    ChartFixture f;
    for (const auto& [lsan, pages] : {std::pair{0, 1}, {0x100, 2}, {0x205, 3}}) {
        PdfJob job;
        const PrintOutcome outcome = PrintChart(job.printer, SourceOf(f, lsan));
        ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();
        EXPECT_EQ(outcome.pagesPrinted, pages) << lsan;
        EXPECT_EQ(PdfPageCount(job.path), pages) << lsan;
    }

    // A flow-year chart is one page whatever PrintLsan asks for.
    f.period(kLevelFlowYear);
    PdfJob flow;
    const PrintOutcome outcome = PrintChart(flow.printer, SourceOf(f, 0x207));
    ASSERT_TRUE(outcome.ok);
    EXPECT_EQ(PdfPageCount(flow.path), 1);

    f.natal();
    // A landscape Letter page prints like any other.
    PdfJob wide(QPageSize(QPageSize::Letter), QPageLayout::Landscape);
    ASSERT_GT(wide.printer.width(), wide.printer.height());
    ASSERT_TRUE(PrintChart(wide.printer, SourceOf(f, 0x100)).ok);
    EXPECT_EQ(PdfPageCount(wide.path), 2);

    // The dialog's page range: pages 3 and 4.
    PdfJob range;
    range.printer.setPrintRange(QPrinter::PageRange);
    range.printer.setFromTo(3, 9);
    EXPECT_EQ(PrintChart(range.printer, SourceOf(f, 0x207)).pagesPrinted, 2);
    EXPECT_EQ(PdfPageCount(range.path), 2);
}

TEST(ChartPrint, AFailingPrinterReportsTheMessage) {
    ChartFixture f;
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("missing/folder/chart.pdf")));
    const PrintOutcome outcome = PrintChart(printer, SourceOf(f, 0x100));
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.error, PrintStartFailedText());
    EXPECT_EQ(outcome.pagesPrinted, 0);
}

// The chart page on A4 and Letter at 600 dpi, portrait and landscape: every part
// on the page, the frame around the chart, the title standing on the frame.
TEST(ChartPrint, ChartPageFitsEveryPage) {
    const QSize pages[] = {{4760, 6814}, {4900, 6400}, {6814, 4760}, {6400, 4900}, {600, 600}};
    for (const QSize page : pages) {
        for (const int e : kPrintImageSides) {
            SCOPED_TRACE(testing::Message() << page.width() << "x" << page.height() << " e=" << e);
            const ChartPageGeometry g = ComputeChartPage(page.width(), page.height(), e);
            const QRect area(QPoint(0, 0), page);
            EXPECT_TRUE(area.contains(g.frame));
            EXPECT_TRUE(area.contains(g.title));
            EXPECT_LE(g.ownerLine.bottom(), page.height());
            EXPECT_GE(g.ownerLine.top(), g.frame.bottom());
            EXPECT_TRUE(g.frame.contains(g.chart));
            EXPECT_EQ(g.frame.left() + g.frame.right(), g.chart.left() + g.chart.right());
            EXPECT_EQ(g.title.bottom() + 1, g.frame.top());
            EXPECT_LE(std::abs(g.chart.center().x() - page.width() / 2), 1);
            EXPECT_LE(std::abs(g.title.center().x() - page.width() / 2), 1);
            // The chart is 96 % of the scaled image.
            EXPECT_EQ(g.chart.width(), int(0.96 * g.scale * e));
        }
    }
    // Portrait A4: the chart spans the width (less the margins); the title is doubled.
    const ChartPageGeometry a4 = ComputeChartPage(4760, 6814, 2400);
    EXPECT_EQ(a4.chart.width(), int(0.96 * (4760 - 2 * (4760 / 256))));
    EXPECT_EQ(a4.title.height(), 2 * int(178 * a4.scale));
    // Landscape: a quarter of the short side stays free for the title.
    const ChartPageGeometry wide = ComputeChartPage(6814, 4760, 2400);
    EXPECT_LE(wide.frame.height(), 4760 - 4760 / 4);
    EXPECT_GE(wide.title.height(), 100);
}

TEST(ChartPrint, ScreenImageFallback) {
    EXPECT_EQ(ScreenImagePlacement(4000, 6000, QSize(900, 900)), QRect(200, 1200, 3600, 3600));
    EXPECT_EQ(ScreenImagePlacement(800, 1000, QSize(900, 900)), QRect(0, 100, 800, 800));
    EXPECT_TRUE(ScreenImagePlacement(800, 1000, QSize()).isNull());

    ChartFixture f;
    PrintSource source = SourceOf(f, 0);
    source.imageFactory = [](int side) {
        return side > 600 ? QImage() : QImage(side, side, QImage::Format_RGB32);
    };
    EXPECT_EQ(ChartPrintJob(source, true).printImageSide(), 600);

    // No print image at all: the screen's picture, three times its size, centred.
    source.imageFactory = [](int) { return QImage(); };
    source.screenImage = QImage(100, 100, QImage::Format_RGB32);
    source.screenImage.fill(QColor(0, 0, 255));
    ChartPrintJob job(source, true);
    EXPECT_EQ(job.printImageSide(), 0);
    const QImage page = PaintPage(source, true, 1, QSize(350, 500));
    EXPECT_EQ(page.pixelColor(175, 250), QColor(0, 0, 255));
    EXPECT_EQ(page.pixelColor(26, 101), QColor(0, 0, 255));
    EXPECT_EQ(page.pixelColor(24, 250), QColor(Qt::white));
    EXPECT_EQ(page.pixelColor(175, 98), QColor(Qt::white));
}

TEST(ChartPrint, MonochromePrinterGetsNoColour) {
    ChartFixture f;
    const PrintSource source = SourceOf(f, 0x100);
    const QSize a4(1190, 1684); // A4 at 150 dpi, painted in page units
    EXPECT_TRUE(HasColourPixel(PaintPage(source, true, 1, a4)));
    EXPECT_FALSE(HasColourPixel(PaintPage(source, false, 2, a4)));

    // The print image, the screen image in its place, the title text in place
    // of the picture: all grey.
    PrintSource screenOnly = source, titleText = source, printImage = source;
    screenOnly.imageFactory = [](int) { return QImage(); };
    screenOnly.screenImage = test::PaintToImage(f, 300);
    titleText.titlePicture = false;
    for (const PrintSource* s : {&printImage, &screenOnly, &titleText})
        EXPECT_FALSE(HasColourPixel(PaintPage(*s, false, 1, a4)));
}

// The same through a real PDF job on a grey-scale printer.
TEST(ChartPrint, MonochromePdf) {
    ChartFixture f;
    PdfJob job(QPageSize(QPageSize::Letter));
    job.printer.setColorMode(QPrinter::GrayScale);
    ASSERT_FALSE(PrinterPrintsColour(job.printer));
    ASSERT_TRUE(PrintChart(job.printer, SourceOf(f, 0x100)).ok);
    const QImage page = RenderPdfPage(job.path, 1, 40);
    if (page.isNull()) GTEST_SKIP() << "pdftoppm is not installed";
    EXPECT_FALSE(HasColourPixel(page));

    PdfJob colour(QPageSize(QPageSize::Letter));
    ASSERT_TRUE(PrinterPrintsColour(colour.printer));
    ASSERT_TRUE(PrintChart(colour.printer, SourceOf(f, 0x100)).ok);
    EXPECT_TRUE(HasColourPixel(RenderPdfPage(colour.path, 1, 40)));
}

// A coarse printer is painted in 1/600 inch, so the table keeps its margins.
TEST(ChartPrint, CoarseDevicesUseFinerUnits) {
    const PageUnits screen = PageUnitsFor(96, QSize(794, 1123));
    EXPECT_DOUBLE_EQ(screen.factor, 0.16);
    EXPECT_EQ(screen.pageSize, QSize(4962, 7018));
    EXPECT_EQ(PageUnitsFor(1200, QSize(9583, 13699)).pageSize, QSize(9583, 13699));
    EXPECT_EQ(PageUnitsFor(0, QSize(-5, 10)).pageSize, QSize(0, 10));

    ChartFixture f;
    PdfJob job;
    job.printer.setResolution(96);
    ASSERT_TRUE(PrintChart(job.printer, SourceOf(f, 0x201)).ok);
    const QImage page = RenderPdfPage(job.path, 2, 60);
    if (page.isNull()) GTEST_SKIP() << "pdftoppm is not installed";
    // The frame's left edge sits 400 units (2/3 inch) into the printable area.
    const int printableLeft = int(job.printer.pageLayout().paintRectPixels(60).left());
    int darkest = 255;
    for (int x = printableLeft + 36; x <= printableLeft + 42; ++x)
        darkest = std::min(darkest, qGray(page.pixel(x, page.height() / 2)));
    EXPECT_LT(darkest, 128);
}

TEST(ChartPrint, YearTexts) {
    EXPECT_EQ(YearCellText(1980, 1980, 1), QStringLiteral("民國69年 庚申 1歲"));
    EXPECT_EQ(YearCellText(2060, 1980, 0), QStringLiteral("2060年 庚辰 81歲"));
    EXPECT_EQ(YearCellText(1911, 1911, 1), QStringLiteral("民國前1年 辛亥 1歲"));
    EXPECT_EQ(YearCellText(1912, 1911, 1), QStringLiteral("民國元年 壬子 2歲"));
    EXPECT_EQ(PrintYearText(987, 0), QStringLiteral(" 987年"));

    // The pillar of mid-year is that of the lunar calendar's 6th month, 1st day.
    for (int year = 1901; year <= 2099; ++year) {
        std::string pillars;
        ASSERT_TRUE(LunarDatePillars(year, 6, 1, false, 6, pillars, 2)) << year;
        EXPECT_EQ((PrintYearPillar(year) + QStringLiteral("年")).toStdString(), pillars) << year;
    }

    ChartFixture f;
    EXPECT_EQ(TimePageTitle(f.record), QStringLiteral("王小明   先生   命書一覽"));
    EXPECT_EQ(TimePageBirthLine(f.record, f.settings),
              QStringLiteral("陽曆民國69年  5月 12日  8時 吉時"));
    f.record.sex = 1;
    f.settings.YearDisplay = 0;
    EXPECT_EQ(TimePageTitle(f.record), QStringLiteral("王小明   小姐   命書一覽"));
    EXPECT_EQ(TimePageBirthLine(f.record, f.settings),
              QStringLiteral("陽曆1980年  5月 12日  8時 吉時"));
}

// The texts the time pages draw, each inside its cell.
TEST(ChartPrint, TimePageCells) {
    ChartFixture f;
    const QSize size(4760, 6814);
    auto record = [&](int32_t lsan, int page) {
        auto device = std::make_unique<RecordingPaintDevice>(size.width(), size.height());
        ChartPrintJob job(SourceOf(f, lsan), true);
        QPainter painter(device.get());
        EXPECT_TRUE(job.paintPage(painter, size, page));
        return device;
    };
    auto cellText = [](const RecordingPaintDevice& d, const QRect& cell) {
        return d.joinedTextIn(QRectF(cell)).trimmed();
    };

    // All on one page: 3 columns of 27, year = birth year + row + 27 x column.
    {
        const auto d = record(0x100, 2);
        const TimePageGeometry g = ComputeTimePage(size.width(), size.height(), true);
        EXPECT_EQ(g.headerHeight, 6 * (6814 / 81));
        EXPECT_EQ(g.cellWidth, (4760 - 800) / 3);
        EXPECT_EQ(cellText(*d, g.cell(0, 0)), QStringLiteral("民國69年 庚申 1歲"));
        EXPECT_EQ(cellText(*d, g.cell(26, 0)), QStringLiteral("民國95年 丙戌 27歲"));
        EXPECT_EQ(cellText(*d, g.cell(0, 1)), QStringLiteral("民國96年 丁亥 28歲"));
        EXPECT_EQ(cellText(*d, g.cell(26, 2)), QStringLiteral("民國149年 庚辰 81歲"));
        EXPECT_EQ(d->textsContaining(QStringLiteral("歲")).size(), 81u);
        EXPECT_EQ(d->textsContaining(QStringLiteral("命書一覽")).size(), 1u);
        EXPECT_EQ(d->textsContaining(QStringLiteral("吉時")).size(), 1u);
    }
    // One range per page: the third page of 0x205 holds ages 55 to 81.
    {
        const auto d = record(0x205, 3);
        const TimePageGeometry g = ComputeTimePage(size.width(), size.height(), false);
        EXPECT_EQ(g.headerHeight, 3 * (6814 / 27));
        EXPECT_EQ(cellText(*d, g.cell(0, 0)), QStringLiteral("民國123年 甲寅 55歲"));
        EXPECT_EQ(cellText(*d, g.cell(26, 0)), QStringLiteral("民國149年 庚辰 81歲"));
        EXPECT_EQ(d->textsContaining(QStringLiteral("歲")).size(), 27u);
    }
    // Pages beyond the job print nothing.
    {
        RecordingPaintDevice d(size.width(), size.height());
        ChartPrintJob job(SourceOf(f, 0x205), true);
        QPainter painter(&d);
        EXPECT_FALSE(job.paintPage(painter, size, 4));
        EXPECT_FALSE(job.paintPage(painter, size, 0));
        painter.end();
        EXPECT_TRUE(d.texts().empty());
    }
}

// The header lines keep to their halves of the band, in landscape as well.
TEST(ChartPrint, TimePageHeaderFitsItsBand) {
    const TimePageGeometry portrait = ComputeTimePage(9583, 13699, true);
    EXPECT_EQ(portrait.titleFontHeight, (9583 - 800 + 20) / 24);
    EXPECT_EQ(portrait.birthFontHeight, (9583 - 800 + 20) / 36);
    for (const bool all : {true, false}) {
        const TimePageGeometry wide = ComputeTimePage(13699, 9583, all);
        EXPECT_LE(wide.titleFontHeight, wide.titleLine.height() * 4 / 5);
        EXPECT_LE(wide.birthFontHeight, wide.birthLine.height() * 4 / 5);
        EXPECT_EQ(wide.titleLine.height() + wide.birthLine.height(), wide.headerHeight);
    }
}

TEST(ChartPrint, TinyPagesKeepAnEmptyTable) {
    const TimePageGeometry g = ComputeTimePage(300, 200, true);
    EXPECT_EQ(g.tableWidth, 0);
    EXPECT_GE(g.rowHeight, 0);
    ChartFixture f;
    for (const QSize size : {QSize(300, 200), QSize(1, 1), QSize(0, 0)}) {
        QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        ChartPrintJob job(SourceOf(f, 0x207), false);
        QPainter painter(&image);
        for (int page = 1; page <= 4; ++page)
            EXPECT_TRUE(job.paintPage(painter, size, page));
    }
}

TEST(PrintCommands, PreviewBookkeeping) {
    ChartFixture f;
    QStringList titles;
    int repaints = 0, mainTitles = 0;
    PrintRequest request;
    request.source = SourceOf(f, 0x100);
    request.setDocumentTitle = [&](const QString& t) { titles << t; };
    request.repaintView = [&] { ++repaints; };
    request.restoreMainTitle = [&] { ++mainTitles; };

    ASSERT_EQ(PreviewCount(), 0);
    EXPECT_TRUE(PrintCommandEnabled(true, 0));
    EXPECT_FALSE(PrintCommandEnabled(true, -1));
    EXPECT_FALSE(PrintCommandEnabled(false, 0));

    PreviewOpened(request);
    EXPECT_TRUE(IsPreviewOpen());
    EXPECT_FALSE(PrintCommandEnabled(true, 0));
    EXPECT_EQ(RunPrintCommand(print_cmd::Print, nullptr, request), PrintCommandResult::Refused);
    EXPECT_EQ(RunPrintCommand(print_cmd::PrintPreview, nullptr, request),
              PrintCommandResult::Refused);
    EXPECT_EQ(titles, QStringList{QStringLiteral("王小明預覽列印")});

    PreviewClosed(request);
    EXPECT_EQ(PreviewCount(), 0);
    EXPECT_EQ(titles.last(), QStringLiteral("王小明"));
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(mainTitles, 1);
    PreviewClosed(request);
    EXPECT_EQ(PreviewCount(), 0);

    EXPECT_EQ(PreviewRefusalText(), QStringLiteral("請先關閉預覽列印"));
    EXPECT_EQ(RunPrintCommand(4711, nullptr, request), PrintCommandResult::NotAPrintCommand);
    request.source.record.shownLevel = -1;
    EXPECT_EQ(RunPrintCommand(print_cmd::Print, nullptr, request), PrintCommandResult::Refused);
}

} // namespace
} // namespace zelk
