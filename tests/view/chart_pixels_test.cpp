// Colours of real pictures, probed pixel by pixel.
#include "chart_fixture.h"

#include "view/chart_colours.h"
#include "view/chart_layout.h"
#include "view/period_line.h"
#include "view/png_export.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>

namespace zelk {
namespace {

using test::ChartFixture;

// The colour most pixels of `rect` have: a palace's background under its text.
QColor DominantColour(const QImage& image, const QRect& rect) {
    std::map<QRgb, int> counts;
    for (int y = rect.top(); y <= rect.bottom(); y += 2)
        for (int x = rect.left(); x <= rect.right(); x += 2)
            ++counts[image.pixel(x, y) | 0xFF000000u];
    QRgb best = 0;
    int most = -1;
    for (const auto& [rgb, n] : counts)
        if (n > most) best = rgb, most = n;
    return QColor::fromRgb(best);
}

TEST(ChartPixels, TriadPalacesHaveTheirBackgrounds) {
    ChartFixture f;
    const QImage image = test::PaintToImage(f, 1024);
    const ChartLayout layout = LayoutForSide(1024);
    int coloured = 0;
    for (int p = 0; p < 12; ++p) {
        const int name = f.record.natalChart.nameAt(p);
        const QColor expected = colours::PalaceBackground(name);
        EXPECT_EQ(DominantColour(image, PalaceTextRect(layout, p)), expected) << p << " " << name;
        if (expected != QColor(Qt::white)) ++coloured;
    }
    EXPECT_EQ(coloured, 4);

    // Switched off on screen.
    f.settings.ColorType34 = 1;
    const QImage plain = test::PaintToImage(f, 1024);
    for (int p = 0; p < 12; ++p)
        EXPECT_EQ(DominantColour(plain, PalaceTextRect(layout, p)), QColor(Qt::white)) << p;
}

TEST(ChartPixels, GridLinesAndTheUntouchedOuterPixels) {
    ChartFixture f;
    f.settings.LifeLine = 0;
    const QImage image = test::PaintToImage(f, 801);                // cell 200
    EXPECT_EQ(image.pixelColor(200, 600 + 100), QColor(Qt::black)); // x = c in the bottom row
    EXPECT_EQ(image.pixelColor(2, 200), QColor(Qt::black));         // y = c across
    EXPECT_EQ(image.pixelColor(400, 100), QColor(Qt::black));       // x = 2c in row 0
    // The centre block is undivided: no line at x = 2c or y = 2c inside it.
    EXPECT_NE(image.pixelColor(400, 230), QColor(Qt::black));
    EXPECT_NE(image.pixelColor(210, 400), QColor(Qt::black));
    // Pixels 1 .. side - 2 are painted, the outermost are left as they were.
    EXPECT_EQ(image.pixelColor(0, 50), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(800, 50), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(799, 799), QColor(Qt::white));
}

TEST(ChartPixels, MonochromePrintHasNoColourAtAll) {
    ChartFixture f;
    f.period(2);
    ChartViewState state;
    state.printing = true;
    state.colourTarget = false;
    const QImage image = test::PaintToImage(f, 600, state);
    int coloured = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() != c.green() || c.green() != c.blue()) ++coloured;
        }
    EXPECT_EQ(coloured, 0);
}

TEST(CanvasBackground, MarginsAndFrame) {
    const ChartLayout layout = PlaceChart({1377, 918});
    QImage image(layout.canvasWidth, layout.canvasHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        PaintCanvasBackground(painter, layout);
    }
    const int left = layout.chartLeft, top = layout.chartTop, side = layout.chartSide;
    const int midY = top + side / 2;
    EXPECT_EQ(image.pixelColor(0, 0), colours::kMargin);
    EXPECT_EQ(image.pixelColor(layout.canvasWidth - 1, layout.canvasHeight - 1), colours::kMargin);
    EXPECT_EQ(image.pixelColor(left - 3, midY), colours::kMargin);
    EXPECT_EQ(image.pixelColor(left - 2, midY), colours::kFrame);
    EXPECT_EQ(image.pixelColor(left - 1, midY), colours::kFrame);
    EXPECT_EQ(image.pixelColor(left + side, midY), colours::kFrame);
    EXPECT_EQ(image.pixelColor(left + side + 1, midY), colours::kFrame);
    EXPECT_EQ(image.pixelColor(left + side + 2, midY), colours::kMargin);
    EXPECT_EQ(image.pixelColor(left + 10, top - 1), colours::kFrame);
    EXPECT_EQ(image.pixelColor(left + 10, top + side + 1), colours::kFrame);
    // The chart square itself is the chart image's, not the canvas's.
    EXPECT_EQ(image.pixelColor(left, top), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(left + side - 1, top + side - 1), QColor(Qt::black));
}

// Bit depth and colour type from the PNG header: 8 and 2 is 24-bit truecolour.
std::pair<int, int> PngDepthAndColourType(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {-1, -1};
    const QByteArray head = file.read(26);
    if (head.size() < 26) return {-1, -1};
    return {static_cast<unsigned char>(head[24]), static_cast<unsigned char>(head[25])};
}

TEST(PngExport, A1024PictureWithABlackBorder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ChartFixture f;
    f.period(2);
    ChartViewState state;
    state.now = f.now;
    state.printing = true; // the export paints in screen mode regardless
    const PngExportResult result =
        ExportChartPng(dir.filePath(QStringLiteral("chart")), f.record, f.settings, state);
    ASSERT_TRUE(result.ok()) << result.detail.toStdString();
    EXPECT_EQ(result.messageId, 649);
    EXPECT_EQ(result.path, dir.filePath(QStringLiteral("chart.png")));
    EXPECT_EQ(PngDepthAndColourType(result.path), std::make_pair(8, 2));

    QImage image(result.path);
    ASSERT_EQ(image.size(), QSize(1024, 1024));
    for (int i = 0; i < 1024; ++i) {
        EXPECT_EQ(image.pixelColor(i, 0), QColor(Qt::black)) << i;
        EXPECT_EQ(image.pixelColor(i, 1023), QColor(Qt::black)) << i;
        EXPECT_EQ(image.pixelColor(0, i), QColor(Qt::black)) << i;
        EXPECT_EQ(image.pixelColor(1023, i), QColor(Qt::black)) << i;
    }
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(1022, 1022), QColor(Qt::white));
    // Screen mode: the logo strip is there, the 命 palace coloured.
    const int life = PalaceNamed(f.record.periodChart, 1);
    EXPECT_EQ(DominantColour(image, PalaceTextRect(LayoutForSide(1024), life)), colours::kLifeBack);
}

TEST(PngExport, PathsAndFailures) {
    EXPECT_EQ(PngPathFor(QStringLiteral("a/b")), QStringLiteral("a/b.png"));
    EXPECT_EQ(PngPathFor(QStringLiteral("a/b.PNG")), QStringLiteral("a/b.PNG"));
    EXPECT_EQ(PngPathFor(QStringLiteral("a/b.png.txt")), QStringLiteral("a/b.png.txt.png"));

    QTemporaryDir dir;
    ChartFixture f;
    ChartViewState state;
    // A folder that does not exist: reported, nothing written, no completion message.
    const QString missing = dir.filePath(QStringLiteral("no/such/folder/chart.png"));
    PngExportResult result = ExportChartPng(missing, f.record, f.settings, state);
    EXPECT_EQ(result.status, PngExportResult::WriteFailed);
    EXPECT_EQ(result.messageId, 686);
    EXPECT_FALSE(QFile::exists(missing));
    // A path that is a folder.
    result = ExportChartPng(dir.path() + QStringLiteral("/sub.png"), f.record, f.settings, state);
    ASSERT_TRUE(result.ok());
    ASSERT_TRUE(QFile::remove(result.path));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub.png")));
    result = ExportChartPng(dir.path() + QStringLiteral("/sub.png"), f.record, f.settings, state);
    EXPECT_EQ(result.status, PngExportResult::WriteFailed);
    EXPECT_NE(result.messageId, 649);

    // No chart level: nothing is done at all.
    f.record.shownLevel = -1;
    const QString none = dir.filePath(QStringLiteral("none.png"));
    result = ExportChartPng(none, f.record, f.settings, state);
    EXPECT_EQ(result.status, PngExportResult::NoChart);
    EXPECT_EQ(result.messageId, 0);
    EXPECT_FALSE(QFile::exists(none));
}

} // namespace
} // namespace zelk
