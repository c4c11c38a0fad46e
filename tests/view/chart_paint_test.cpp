// What the painter draws where: texts, their pens and the rectangles they sit
// in, recorded on a paint device that keeps them instead of rasterising.
#include "chart_fixture.h"
#include "recording_paint_device.h"

#include "chart/chart_facts.h"
#include "settings/string_table.h"
#include "view/chart_colours.h"
#include "view/chart_layout.h"
#include "view/period_line.h"

#include <QFontMetricsF>
#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>

namespace zelk {
namespace {

using test::ChartFixture;
using test::RecordedText;
using test::RecordingPaintDevice;

constexpr int kSide = test::kRecordedSide;

using test::TextsInPalace;

std::unique_ptr<test::RecordedChart> Record(const ChartFixture& f, ChartViewState state = {}) {
    return test::RecordChart(f, std::move(state));
}

// A chart with one first-grade star set (紫微 in palace 0, or `stars` there) and a
// user four-transformation table whose every stem turns 紫微 into 化祿.
void KeepOnlyStars(ChartBlock& block, uint32_t stars) {
    for (int p = 0; p < 12; ++p)
        block.groupA[p] = 0;
    block.groupA[0] = stars;
}
void EveryStemTurnsZiWeiToLu(AppSettings& settings) {
    settings.FourHuaType = 3;
    for (auto& row : settings.UserFourHuaTable)
        row = {StarA::ZiWei, 0, 0, 0};
}

TEST(ChartPaint, EveryPalaceHasItsBranchAndItsRedName) {
    ChartFixture f;
    auto rec = Record(f);
    ASSERT_TRUE(rec->result.painted);
    const ChartBlock& block = f.record.natalChart;
    for (int p = 0; p < 12; ++p) {
        EXPECT_EQ(TextsInPalace(rec->device, p, LoadResString(234 + p)).size(), 1u) << p;
        const auto names = TextsInPalace(rec->device, p, LoadResString(246 + block.nameAt(p)));
        ASSERT_EQ(names.size(), 1u) << p;
        EXPECT_EQ(names[0].pen, colours::kPalaceLabel);
        // Centred on the bottom line of the palace.
        const QRect rect = PalaceTextRect(LayoutForSide(kSide), p);
        EXPECT_GT(names[0].origin.x(), rect.left() + rect.width() / 4.0);
        EXPECT_GT(names[0].origin.y(), rect.bottom() - LayoutForSide(kSide).line);
    }
    // The body palace carries 【身】 at the natal level.
    EXPECT_EQ(TextsInPalace(rec->device, f.record.bodyPalace, LoadResString(362)).size(), 1u);
}

TEST(ChartPaint, PeriodChartsShowTheNatalNamesInBlack) {
    ChartFixture f;
    f.period(2);
    auto rec = Record(f);
    const int natalLife = f.record.lifePalace;
    const auto natal = TextsInPalace(rec->device, natalLife, LoadResString(313));
    ASSERT_EQ(natal.size(), 1u);
    EXPECT_EQ(natal[0].pen, QColor(Qt::black));
    // The period name is red and stands left of the natal one.
    const int periodName = f.record.periodChart.nameAt(natalLife);
    const auto period = TextsInPalace(rec->device, natalLife, LoadResString(246 + periodName));
    ASSERT_FALSE(period.empty());
    EXPECT_EQ(period[0].pen, colours::kPalaceLabel);
    EXPECT_LT(period[0].origin.x(), natal[0].origin.x());
}

TEST(ChartPaint, BodyBasedChartsLabelTheLifePalaceWithBody) {
    ChartFixture f;
    f.settings.PanBase = 1;
    f.natal();
    auto rec = Record(f);
    EXPECT_TRUE(rec->device.textsContaining(LoadResString(247)).empty()); // no 【命】
    const int life = f.record.bodyPalace;
    ASSERT_EQ(f.record.natalChart.nameAt(life), 1);
    const auto body = TextsInPalace(rec->device, life, LoadResString(362));
    ASSERT_EQ(body.size(), 1u);
    EXPECT_EQ(body[0].pen, colours::kPalaceLabel);
}

TEST(ChartPaint, StackedMarksAtTheFlowYearLevel) {
    ChartFixture f;
    f.period(2);
    f.settings.YearHuaBase = 3;
    f.settings.HuaOut = 0;
    EveryStemTurnsZiWeiToLu(f.settings);
    ChartBlock block = f.record.periodChart;
    KeepOnlyStars(block, StarA::ZiWei);
    ChartViewState state;
    state.block = &block;
    auto rec = Record(f, state);
    auto marks = TextsInPalace(rec->device, 0, LoadResString(230));
    ASSERT_EQ(marks.size(), 3u);
    std::sort(marks.begin(), marks.end(),
              [](const auto& a, const auto& b) { return a.origin.y() < b.origin.y(); });
    EXPECT_EQ(marks[0].pen, colours::kRedMark);       // birth year, circle
    EXPECT_EQ(marks[1].pen, colours::kKe);            // ten-year palace, square
    EXPECT_EQ(marks[2].pen, colours::kFlowYearLayer); // flow year, rounded box
    // One line apart, all in the star's column.
    const int l = LayoutForSide(kSide).line;
    EXPECT_NEAR(marks[1].origin.y() - marks[0].origin.y(), l, 1);
    EXPECT_NEAR(marks[2].origin.y() - marks[1].origin.y(), l, 1);
    // The stacked display does not write into the block.
    EXPECT_EQ(block.groupA[0] & StarA::Marks, 0u);
}

TEST(ChartPaint, SingleStemMarksAreAddedToTheBlockOnlyWhenShown) {
    ChartFixture f;
    f.settings.YearHuaBase = 0;
    f.settings.SelfHua = 0;
    f.settings.HuaOut = 0;
    EveryStemTurnsZiWeiToLu(f.settings);
    ChartBlock block = f.record.natalChart;
    KeepOnlyStars(block, StarA::ZiWei);
    ChartViewState state;
    state.block = &block;
    auto shown = Record(f, state);
    EXPECT_EQ(TextsInPalace(shown->device, 0, LoadResString(230)).size(), 1u);
    EXPECT_EQ(block.groupA[0], StarA::ZiWei | StarA::HuaLu);

    // With the 祿 display bit cleared: neither drawn nor added.
    f.settings.AStarMask &= ~StarA::HuaLu;
    KeepOnlyStars(block, StarA::ZiWei);
    auto hidden = Record(f, state);
    EXPECT_TRUE(TextsInPalace(hidden->device, 0, LoadResString(230)).empty());
    EXPECT_EQ(block.groupA[0], StarA::ZiWei);
    // A star whose display bit is clear has no column at all.
    f.settings.AStarMask &= ~StarA::ZiWei;
    auto noStar = Record(f, state);
    EXPECT_TRUE(noStar->result.starNames[0].empty());
}

TEST(ChartPaint, SixthStarColumnEndsFiveLinesFromTheRight) {
    ChartFixture f;
    ChartBlock block = f.record.natalChart;
    KeepOnlyStars(block, StarA::ZiWei | StarA::TianJi | StarA::TaiYang | StarA::WuQu |
                             StarA::TianTong | StarA::LianZhen);
    ChartViewState state;
    state.block = &block;
    auto rec = Record(f, state);
    const auto& stars = rec->result.starNames[0];
    ASSERT_EQ(stars.size(), 6u);
    const QRect rect = PalaceTextRect(LayoutForSide(kSide), 0);
    const int l = LayoutForSide(kSide).line;
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(stars[k].rect.x() + stars[k].rect.width(), rect.x() + rect.width() - k * l);
    EXPECT_EQ(stars[0].bit, StarA::ZiWei);
    EXPECT_EQ(stars[5].bit, StarA::LianZhen);
    // Names run top to bottom: the first character on line 0, the second on line 1.
    const auto zi = TextsInPalace(rec->device, 0, QStringLiteral("紫"));
    const auto wei = TextsInPalace(rec->device, 0, QStringLiteral("微"));
    ASSERT_EQ(zi.size(), 1u);
    ASSERT_EQ(wei.size(), 1u);
    EXPECT_NEAR(wei[0].origin.y() - zi[0].origin.y(), l, 1);
}

TEST(ChartPaint, PalaceBoundStarsFollowTheirPalaceAndMask) {
    ChartFixture f;
    auto rec = Record(f);
    const int friends = PalaceNamed(f.record.natalChart, 8);
    const int illness = PalaceNamed(f.record.natalChart, 6);
    ASSERT_GE(friends, 0);
    ASSERT_GE(illness, 0);
    ASSERT_EQ(rec->device.textsContaining(QStringLiteral("傷")).size(), 1u);
    EXPECT_EQ(TextsInPalace(rec->device, friends, QStringLiteral("傷")).size(), 1u);
    EXPECT_EQ(TextsInPalace(rec->device, illness, QStringLiteral("使")).size(), 1u);
    f.settings.BStarMask2 = 0x4000; // 天使 only
    auto masked = Record(f);
    EXPECT_TRUE(masked->device.textsContaining(QStringLiteral("傷")).empty());
    EXPECT_EQ(masked->device.textsContaining(QStringLiteral("使")).size(), 1u);
}

TEST(ChartPaint, FlyingStemColoursTheNamesItReaches) {
    ChartFixture f;
    EveryStemTurnsZiWeiToLu(f.settings);
    ChartBlock block = f.record.natalChart;
    KeepOnlyStars(block, StarA::ZiWei);
    ChartViewState state;
    state.block = &block;
    state.flyingStemMode = true;
    state.flyingPalace = 5;
    auto rec = Record(f, state);
    const auto zi = TextsInPalace(rec->device, 0, QStringLiteral("紫"));
    ASSERT_EQ(zi.size(), 1u);
    EXPECT_EQ(zi[0].pen, QColor(Qt::white));
    const QRect name = rec->result.starNames[0].at(0).rect;
    const bool filled =
        std::any_of(rec->device.rects().begin(), rec->device.rects().end(), [&](const auto& r) {
            return r.brush == colours::kLu && r.rect.contains(QRectF(name).center());
        });
    EXPECT_TRUE(filled);
    // Printing never shows the selection display.
    state.printing = true;
    auto printed = Record(f, state);
    EXPECT_EQ(TextsInPalace(printed->device, 0, QStringLiteral("紫")).at(0).pen, QColor(Qt::black));
}

// The element drawn one column left of a palace's stem, half a line lower; empty
// when none of the five is there.
QString ElementDrawnIn(const RecordingPaintDevice& device, int palace) {
    const ChartLayout layout = LayoutForSide(kSide);
    const int l = layout.line;
    const QRect rect = PalaceTextRect(layout, palace);
    const QRectF box(rect.right() - 2 * l - 2, rect.bottom() - l - l / 2, l + 2, l + l / 2 + 1);
    QString found;
    for (const auto& t : device.textsIn(box))
        if (QStringLiteral("水木金土火").contains(t.text) && t.text.size() == 1) found += t.text;
    return found;
}

// The stem each palace shows beside its element, as the painter reads it.
int StemShown(const ChartFixture& f, int palace) {
    if (f.settings.FlowSkyType == 0 || f.record.shownLevel <= 1)
        return f.record.natalChart.stemAt(palace);
    return f.record.periodChart.stemAt(palace);
}

TEST(ChartPaint, PalaceElementIsTheNayinOfTheStemBesideItAtEveryLevel) {
    for (int flowSky = 0; flowSky <= 1; ++flowSky) {
        ChartFixture f;
        f.settings.FlowSkyType = static_cast<int16_t>(flowSky);
        for (int level = 0; level <= 6; ++level) {
            SCOPED_TRACE("FlowSkyType " + std::to_string(flowSky) + " level " +
                         std::to_string(level));
            f.period(level);
            auto rec = Record(f);
            for (int p = 0; p < 12; ++p) {
                const int element = PalaceElement(StemShown(f, p), p);
                ASSERT_GE(element, 0);
                EXPECT_EQ(ElementDrawnIn(rec->device, p), LoadResString(492 + element))
                    << "palace " << p;
            }
            // Beside the natal stems the base palace shows the 五行局's element.
            if (flowSky == 0 || level <= 1) {
                EXPECT_EQ(ElementDrawnIn(rec->device, f.record.lifePalace),
                          LoadResString(183 + f.record.bureau).left(1));
            }
        }
    }
    // Without HouseFive no element is drawn.
    ChartFixture f;
    f.settings.HouseFive = 0;
    auto rec = Record(f);
    for (int p = 0; p < 12; ++p)
        EXPECT_TRUE(ElementDrawnIn(rec->device, p).isEmpty()) << p;
}

// The box a recorded text covers: its advance and the font's ascent and descent.
QRectF TextBox(const RecordedText& t) {
    QFont font(t.family);
    font.setPixelSize(t.pixelSize);
    const QFontMetricsF m(font);
    return QRectF(t.origin.x(), t.origin.y() - m.ascent(), m.horizontalAdvance(t.text),
                  m.ascent() + m.descent());
}

// Numeric brightness: each digit has a place of its own — under its star's name —
// and covers no other text of the palace; the painter returns where it drew them.
TEST(ChartPaint, BrightnessDigitsCoverNoOtherText) {
    for (int level : {0, 2}) {
        ChartFixture f;
        f.settings.MiaoWangType = 1;
        f.settings.StarLevel = 1;
        f.settings.BStarMask = 0xFFFFFFFFu; // every second-grade star with its digit
        f.period(level);
        auto rec = Record(f);
        const QString digits = QStringLiteral("１２３４５６７");
        int drawn = 0;
        for (int p = 0; p < 12; ++p) {
            const QRect rect = PalaceTextRect(LayoutForSide(kSide), p);
            const auto texts = rec->device.textsIn(QRectF(rect).adjusted(0, 0, 0, 1));
            std::vector<QRectF> others;
            std::vector<RecordedText> marks;
            for (const auto& t : texts) {
                if (t.text.size() == 1 && digits.contains(t.text) && t.pen == colours::kRedMark)
                    marks.push_back(t);
                else
                    others.push_back(TextBox(t).adjusted(2, 2, -2, -2));
            }
            EXPECT_EQ(marks.size(), rec->result.brightnessDigits[p].size()) << p;
            for (const auto& mark : marks) {
                ++drawn;
                const QRectF box = TextBox(mark).adjusted(2, 2, -2, -2);
                for (const QRectF& other : others)
                    EXPECT_FALSE(box.intersects(other))
                        << "palace " << p << " digit " << mark.text.toStdString() << " at "
                        << mark.origin.x() << "," << mark.origin.y();
            }
        }
        EXPECT_GT(drawn, 20) << "level " << level;
    }
}

TEST(ChartPaint, NoComputedChartPaintsNothingButWhite) {
    ChartFixture f;
    f.record.shownLevel = -1;
    auto rec = Record(f);
    EXPECT_FALSE(rec->result.painted);
    EXPECT_TRUE(rec->device.texts().empty());
}

TEST(ChartPaint, HitGeometryForTheView) {
    ChartFixture f;
    auto rec = Record(f);
    const ChartLayout layout = LayoutForSide(kSide);
    const int l = layout.line;
    for (int p = 0; p < 12; ++p) {
        const QRect stem = rec->result.stemCorners[p];
        EXPECT_EQ(stem.size(), QSize(l, l));
        EXPECT_EQ(PalaceAt(layout, stem.center()), p);
        EXPECT_EQ(PalaceAt(layout, rec->result.periodLines[p].center()), p);
        for (const auto& star : rec->result.starNames[p])
            EXPECT_EQ(PalaceAt(layout, star.rect.center()), p);
    }
    EXPECT_EQ(PalaceAt(layout, rec->result.centreLine7.center()), kCentreBlock);
    EXPECT_FALSE(rec->result.logoLeft.isEmpty());
}

} // namespace
} // namespace zelk
