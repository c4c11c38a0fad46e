// The chart view follows its window: the chart fits the window without scroll
// bars, Ctrl with + / − / 0 and Ctrl + wheel zoom, the picture is painted in the
// screen's own pixels (this file runs a second time under a scale factor of 1.5),
// and a press lands on what is drawn under it at every size.
#include "chart_fixture.h"

#include "view/chart_interaction.h"
#include "view/period_pickers.h"
#include "view/zelk_view_widget.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <cmath>

namespace zelk {
namespace {

using test::ChartFixture;

class ViewGeometry : public ::testing::Test {
  protected:
    void SetUp() override {
        view.setChart(&f.record, &f.settings);
        view.setTimeSource([this] { return f.now; });
        ChartInteractionHooks hooks;
        hooks.now = [this] { return f.now; };
        hooks.computePeriod = [this](ChartRecord& r, int level, const AppSettings& s) {
            return ComputePeriodChart(r, level, r.periodChart, ChartEnv{s, f.now, f.clock});
        };
        hooks.loadExplanations = [](int) {};
        ctl = CChartInteraction::attach(&view, &f.record, &f.settings, hooks);
        // A scaled run must really be scaled, or it tests nothing more.
        const double scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
        if (scale > 0) {
            ASSERT_DOUBLE_EQ(view.devicePixelRatioF(), scale);
        }
    }
    void TearDown() override { CPeriodPickerDlg::setRunner({}); }

    // Shown, active and focused, as a chart window the user works in.
    void showAt(int width, int height) {
        view.resize(width, height);
        view.show();
        QApplication::setActiveWindow(&view);
        view.setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        view.canvasImage();
    }
    int pixels(int logical) const {
        return static_cast<int>(std::floor(logical * view.devicePixelRatioF()));
    }
    bool scrolls() const {
        return view.horizontalScrollBar()->maximum() > 0 || view.verticalScrollBar()->maximum() > 0;
    }
    // The right and bottom edges of what is drawn: the canvas with chart and side panel.
    QPoint drawnEnd() const {
        const ChartLayout& l = view.layout();
        return {l.originX + l.canvasWidth, l.chartTop + l.chartSide};
    }

    ChartFixture f;
    CZelkView view;
    CChartInteraction* ctl = nullptr;
};

TEST_F(ViewGeometry, TheChartFitsTheWindowAndFollowsItsSize) {
    for (const QSize size : {QSize(1300, 760), QSize(900, 900), QSize(1800, 950)}) {
        SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()));
        showAt(size.width(), size.height());
        EXPECT_TRUE(view.fitsWindow());
        EXPECT_FALSE(scrolls());
        const QSize area = view.maximumViewportSize();
        const QImage& picture = view.canvasImage();
        // Painted in the screen's pixels, exactly the size of the window's area.
        EXPECT_DOUBLE_EQ(picture.devicePixelRatio(), view.devicePixelRatioF());
        EXPECT_EQ(picture.size(), QSize(pixels(area.width()), pixels(area.height())));
        EXPECT_LE(drawnEnd().x(), picture.width());
        EXPECT_LE(drawnEnd().y(), picture.height());
        // The fitted canvas touches two opposite edges of the area.
        const ChartLayout& l = view.layout();
        EXPECT_TRUE(l.originX <= 1 || l.originY <= 1) << l.originX << " " << l.originY;
        // The margins around it are painted, not left grey.
        EXPECT_EQ(picture.pixelColor(0, 0), QColor(255, 255, 200));
        EXPECT_EQ(picture.pixelColor(picture.width() - 1, picture.height() - 1),
                  QColor(255, 255, 200));
    }
    showAt(1300, 760);
    const int smaller = view.layout().chartSide;
    showAt(1800, 1100);
    EXPECT_GT(view.layout().chartSide, smaller + 200);
}

TEST_F(ViewGeometry, ATinyWindowScrollsOverAChartThatKeepsItsButtons) {
    showAt(400, 300);
    EXPECT_TRUE(scrolls());
    const ChartLayout& l = view.layout();
    const QRect strip = view.lastButtons().stems[9];
    EXPECT_LE(strip.bottom(), l.chartTop + l.chartSide);
    EXPECT_LE(drawnEnd().x(), view.canvasImage().width());
}

TEST_F(ViewGeometry, CtrlPlusMinusAndZeroZoomAndFitAgain) {
    showAt(1300, 800);
    const int fitted = view.layout().chartSide;
    QTest::keyClick(&view, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_NEAR(view.zoom(), 1.25, 1e-9);
    EXPECT_GT(view.layout().chartSide, fitted * 6 / 5);
    EXPECT_TRUE(scrolls());
    QTest::keyClick(&view, Qt::Key_Equal, Qt::ControlModifier); // the + key without Shift
    EXPECT_GT(view.zoom(), 1.5);
    QTest::keyClick(&view, Qt::Key_0, Qt::ControlModifier);
    EXPECT_TRUE(view.fitsWindow());
    EXPECT_EQ(view.layout().chartSide, fitted);
    EXPECT_FALSE(scrolls());
    QTest::keyClick(&view, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_LT(view.zoom(), 1.0);
    EXPECT_LT(view.layout().chartSide, fitted);
    // Zooming back in passes the fitted size and stops there.
    QTest::keyClick(&view, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_TRUE(view.fitsWindow());
    // Zooming out stops at the smallest canvas that holds the buttons.
    for (int i = 0; i < 20; ++i)
        QTest::keyClick(&view, Qt::Key_Minus, Qt::ControlModifier);
    const ChartLayout& l = view.layout();
    EXPECT_LE(view.lastButtons().stems[9].bottom(), l.chartTop + l.chartSide);
}

TEST_F(ViewGeometry, CtrlWheelZoomsAroundThePointUnderTheMouse) {
    showAt(1300, 800);
    const ChartLayout before = view.layout();
    // A point over the palace 午, in the viewport.
    const QPoint palaceCentre(before.chartLeft + before.cell * 3 / 2,
                              before.chartTop + before.cell / 2);
    const QPoint at = view.viewportPoint(palaceCentre);
    auto fraction = [&](QPoint canvas) {
        const ChartLayout& l = view.layout();
        return QPointF(double(canvas.x() - l.chartLeft) / l.chartSide,
                       double(canvas.y() - l.chartTop) / l.chartSide);
    };
    const QPointF was = fraction(view.canvasPoint(at));
    QWheelEvent wheel(QPointF(at), view.viewport()->mapToGlobal(QPointF(at)), QPoint(),
                      QPoint(0, 240), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.viewport(), &wheel);
    EXPECT_NEAR(view.zoom(), 1.5625, 1e-9);
    const QPointF now = fraction(view.canvasPoint(at));
    EXPECT_NEAR(now.x(), was.x(), 0.01);
    EXPECT_NEAR(now.y(), was.y(), 0.01);
    // Without Ctrl the wheel scrolls and leaves the zoom alone.
    QWheelEvent plain(QPointF(at), view.viewport()->mapToGlobal(QPointF(at)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.viewport(), &plain);
    EXPECT_NEAR(view.zoom(), 1.5625, 1e-9);
}

// The strip cell a press selects is the cell painted highlighted, to the pixel,
// and a level button answers where it is drawn — fitted and zoomed in.
TEST_F(ViewGeometry, PressesLandOnWhatIsDrawnThere) {
    showAt(1300, 800);
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round == 0 ? "fitted" : "zoomed in and scrolled");
        const QRect cell = view.lastButtons().stems[3];
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier,
                          view.viewportPoint(cell.center()));
        ASSERT_EQ(ctl->stripStem(), 3);
        const QImage& picture = view.canvasImage();
        const QColor selected(120, 40, 170);
        // Inside the cell's corners (clear of its border and of the stem's glyph).
        const QPoint inset(std::max(2, cell.width() / 6), std::max(2, cell.height() / 8));
        EXPECT_EQ(picture.pixelColor(cell.topLeft() + inset), selected);
        EXPECT_EQ(picture.pixelColor(cell.bottomRight() - inset), selected);
        EXPECT_NE(picture.pixelColor(cell.topLeft() - QPoint(0, 2)), selected);
        // The cell's own edges answer for it, the bottom one too (not the cell below).
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier,
                          view.viewportPoint(cell.topLeft() + QPoint(1, 1)));
        EXPECT_EQ(ctl->stripStem(), -1);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier,
                          view.viewportPoint(cell.bottomLeft() + QPoint(1, -1)));
        EXPECT_EQ(ctl->stripStem(), 3);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier,
                          view.viewportPoint(cell.center()));
        EXPECT_EQ(ctl->stripStem(), -1);

        int runs = 0;
        CPeriodPickerDlg::setRunner([&](CPeriodPickerDlg&) {
            ++runs;
            return false;
        });
        const QRect button = view.lastButtons().levels[2];
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier,
                          view.viewportPoint(button.topLeft() + QPoint(1, 1)));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier,
                          view.viewportPoint(button.bottomRight() + QPoint(0, 3)));
        EXPECT_EQ(runs, 1);
        CPeriodPickerDlg::setRunner({});

        view.zoomIn();
        view.zoomIn();
        view.horizontalScrollBar()->setValue(0);
        view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
        view.canvasImage();
    }
}

} // namespace
} // namespace zelk
