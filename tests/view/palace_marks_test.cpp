// The marks around the star columns: which stem's transformations are shown at
// each level, 斗君, 七星, 來因/業障, the opposite-palace and star-link displays,
// brightness numbers, the second-grade row and the life-palace lines.
#include "chart_fixture.h"
#include "recording_paint_device.h"

#include "settings/string_table.h"
#include "view/centre_block.h"
#include "view/chart_colours.h"
#include "view/chart_layout.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace zelk {
namespace {

using test::ChartFixture;
using test::RecordedText;
using test::RecordingPaintDevice;

constexpr int kSide = test::kRecordedSide;
const ChartLayout kLayout = LayoutForSide(kSide);

std::unique_ptr<test::RecordedChart> Record(const ChartFixture& f, ChartViewState state = {}) {
    return test::RecordChart(f, std::move(state));
}

// Stem s turns star number s (紫微 .. 巨門) into 化祿, so the marked star names the stem.
void StemNamesItsStar(AppSettings& settings) {
    settings.FourHuaType = 3;
    for (int s = 0; s < 10; ++s)
        settings.UserFourHuaTable[s] = {FourHuaStarMask(s), 0, 0, 0};
    settings.SelfHua = 0;
    settings.HuaOut = 0;
}

// The stem whose 化祿 is drawn in palace 0, which holds stars 0 .. 9.
int StemShownAsLu(ChartFixture& f) {
    ChartBlock block = f.record.shownLevel == 0 ? f.record.natalChart : f.record.periodChart;
    for (auto& word : block.groupA)
        word = 0;
    block.groupA[0] = 0xFFC00000u; // stars 0-9
    ChartViewState state;
    state.block = &block;
    auto rec = Record(f, state);
    const auto marks = test::TextsInPalace(rec->device, 0, LoadResString(230));
    if (marks.size() != 1) return -1;
    for (const auto& star : rec->result.starNames[0])
        if (marks[0].origin.x() >= star.rect.left() && marks[0].origin.x() <= star.rect.right())
            return FourHuaStarNumber(star.bit);
    return -1;
}

TEST(FourHuaStems, ByLevelFollowTheShownPeriod) {
    ChartFixture f;
    StemNamesItsStar(f.settings);
    f.settings.YearHuaBase = 1;
    EXPECT_EQ(StemShownAsLu(f), f.record.yearStem);
    f.period(1);
    EXPECT_EQ(StemShownAsLu(f), f.record.natalChart.stemAt(f.record.tenYearPalace));
    f.period(2);
    EXPECT_EQ(StemShownAsLu(f), 2); // 丙午
    f.period(3);
    EXPECT_EQ(StemShownAsLu(f), FlowPillarsOf(f.record).monthStem);
    f.period(4);
    EXPECT_EQ(StemShownAsLu(f), FlowPillarsOf(f.record).dayStem);
    f.period(6);
    EXPECT_EQ(StemShownAsLu(f), FlowPillarsOf(f.record).hourStem);

    // Mode 2: the birth year up to the ten-year chart, the flow year from there on.
    f.settings.YearHuaBase = 2;
    EXPECT_EQ(StemShownAsLu(f), 2);
    f.period(1);
    EXPECT_EQ(StemShownAsLu(f), f.record.yearStem);
    // Mode 0 and values the settings file should not hold use fixed rules.
    f.settings.YearHuaBase = 0;
    f.period(4);
    EXPECT_EQ(StemShownAsLu(f), f.record.yearStem);
    f.settings.YearHuaBase = 77;
    EXPECT_EQ(StemShownAsLu(f), 2);
}

TEST(SpecialColumns, DouJunMarkAtFlowLevelsOnly) {
    ChartFixture f;
    const int ziDou = PositionOfBranch(f.record.ziYearDouJun);
    auto rec = Record(f);
    EXPECT_TRUE(test::TextsInPalace(rec->device, ziDou, QStringLiteral("斗")).empty());
    f.period(2);
    rec = Record(f);
    const auto mark = test::TextsInPalace(rec->device, ziDou, QStringLiteral("斗"));
    ASSERT_EQ(mark.size(), 1u);
    EXPECT_EQ(mark[0].pen, colours::kRedMark);
    EXPECT_EQ(test::TextsInPalace(rec->device, ziDou, QStringLiteral("子")).size(), 1u);
    // GodBase 2: 斗君 in the palace of the stored 小限斗君.
    f.settings.GodBase = 2;
    rec = Record(f);
    const int small = PositionOfBranch(f.record.douJunBranch);
    EXPECT_EQ(test::TextsInPalace(rec->device, small, QStringLiteral("君")).size(), 1u);
    size_t marks = 0;
    for (int p = 0; p < 12; ++p)
        marks += test::TextsInPalace(rec->device, p, QStringLiteral("君")).size();
    EXPECT_EQ(marks, 1u);
}

TEST(SpecialColumns, CauseKarmaAndTheSevenStars) {
    ChartFixture f;
    int cause = -1, karma = -1;
    for (int p = 0; p < 12; ++p) {
        if (f.record.natalChart.groupC[p] & StarC::LaiYin) cause = p;
        if (f.record.natalChart.groupC[p] & StarC::YeZhang) karma = p;
    }
    ASSERT_GE(cause, 0);
    ASSERT_GE(karma, 0);
    ASSERT_NE(cause, karma);
    auto rec = Record(f);
    const int l = kLayout.line;
    const auto lai = test::TextsInPalace(rec->device, cause, QStringLiteral("來"));
    ASSERT_EQ(lai.size(), 1u);
    EXPECT_EQ(lai[0].pen, colours::kRedMark);
    EXPECT_NEAR(lai[0].origin.x(), PalaceTextRect(kLayout, cause).x() + 2 * l, l / 2);
    // 業障 alone takes the same column 2.
    const auto ye = test::TextsInPalace(rec->device, karma, QStringLiteral("業"));
    ASSERT_EQ(ye.size(), 1u);
    EXPECT_NEAR(ye[0].origin.x(), PalaceTextRect(kLayout, karma).x() + 2 * l, l / 2);

    // 七星: the dipper star of 子 is 貪狼, shown only with the toggle and on screen.
    auto redTan = [&](const test::RecordedChart& r) {
        int n = 0;
        for (const auto& t : test::TextsInPalace(r.device, 10, QStringLiteral("貪")))
            n += t.pen == colours::kRedMark ? 1 : 0;
        return n;
    };
    EXPECT_EQ(redTan(*rec), 0);
    ChartViewState state;
    state.dipperToggleOn = true;
    EXPECT_EQ(redTan(*Record(f, state)), 1);
    state.printing = true;
    EXPECT_EQ(redTan(*Record(f, state)), 0);
    f.settings.Star7Display = 0;
    state.printing = false;
    EXPECT_EQ(redTan(*Record(f, state)), 0);
}

TEST(OppositeMarks, StandInsideTheCentreBlockNextToThePalace) {
    ChartFixture f;
    f.settings.FourHuaType = 3;
    for (auto& row : f.settings.UserFourHuaTable)
        row = {0, 0, 0, StarA::ZiWei};
    ChartBlock block = f.record.natalChart;
    for (auto& word : block.groupA)
        word = 0;
    block.groupA[6] = StarA::ZiWei; // 申: its opposite palace is 寅
    ChartViewState state;
    state.block = &block;
    auto rec = Record(f, state);
    const int c = kLayout.cell, l = kLayout.line;
    // 寅 is a corner palace: the box sits in the inner corner; 忌 is its bottom-right quarter.
    const QRectF quarter(c + 1 + l, 3 * c - 2 * l - 1 + l, l, l + 1);
    int found = 0;
    for (const auto& t : rec->device.textsIn(quarter))
        found += t.text == LoadResString(233);
    EXPECT_EQ(found, 1);
    f.settings.HuaOut = 0;
    auto off = Record(f, state);
    EXPECT_TRUE(off->device.textsIn(quarter).empty());
}

TEST(StarLinks, StemsThatTransformTheHeldStarStandOnItsColour) {
    ChartFixture f;
    f.settings.FourHuaType = 3;
    for (auto& row : f.settings.UserFourHuaTable)
        row = {0, 0, 0, 0};
    f.settings.UserFourHuaTable[0] = {0, StarA::ZiWei, 0, 0}; // only 甲 transforms 紫微 (權)
    ChartViewState state;
    state.linkMode = true;
    state.linkedBit = StarA::ZiWei;
    auto rec = Record(f, state);
    int linked = 0;
    for (int p = 0; p < 12; ++p) {
        const bool jia = f.record.natalChart.stemAt(p) == 0;
        const auto stem =
            test::TextsInPalace(rec->device, p, LoadResString(135 + f.record.natalChart.stemAt(p)));
        ASSERT_FALSE(stem.empty()) << p;
        EXPECT_EQ(stem.back().pen, jia ? QColor(Qt::white) : QColor(Qt::black)) << p;
        if (!jia) continue;
        ++linked;
        const QRect corner = rec->result.stemCorners[p];
        bool filled = false;
        for (const auto& r : rec->device.rects())
            filled = filled || (r.brush == colours::kQuan && r.rect == QRectF(corner));
        EXPECT_TRUE(filled) << p;
    }
    EXPECT_GE(linked, 1);
}

TEST(Brightness, NumbersWithTheirRing) {
    ChartFixture f;
    f.settings.MiaoWangType = 1;
    ChartBlock block = f.record.natalChart;
    for (auto& word : block.groupA)
        word = 0;
    block.groupA[10] = StarA::ZiWei; // 紫微 at 子: 5 with a ring
    block.groupA[4] = StarA::ZiWei;  // at 午: 1 without
    ChartViewState state;
    state.block = &block;
    auto rec = Record(f, state);
    const auto five = test::TextsInPalace(rec->device, 10, LoadResString(657));
    ASSERT_EQ(five.size(), 1u);
    EXPECT_EQ(five[0].pen, colours::kRedMark);
    EXPECT_EQ(test::TextsInPalace(rec->device, 4, LoadResString(653)).size(), 1u);
    // The ring is an outline around the digit's box: one in 子, none in 午.
    auto rings = [&](int palace) {
        int n = 0;
        const QRectF area = PalaceTextRect(kLayout, palace);
        for (const auto& r : rec->device.rects())
            n += !r.brush.isValid() && r.pen == colours::kRedMark && area.contains(r.rect);
        return n;
    };
    EXPECT_EQ(rings(10), 1);
    EXPECT_EQ(rings(4), 0);
    // Text grades are not drawn in number mode.
    EXPECT_TRUE(test::TextsInPalace(rec->device, 10, LoadResString(321)).empty());
}

TEST(SecondGradeRow, ARowTooLongForThePalaceContinuesBelow) {
    ChartFixture f;
    ChartBlock block = f.record.natalChart;
    block.groupB[0] = 0xFFFFF000u; // twenty second-grade stars in one palace
    ChartViewState state;
    state.block = &block;
    auto rec = Record(f, state);
    const QRect rect = PalaceTextRect(kLayout, 0);
    int inside = 0;
    for (const auto& t : rec->device.texts()) {
        if (t.pen != QColor(Qt::black)) continue;
        if (t.origin.y() <= rect.y() + 5 * kLayout.line) continue;
        if (t.origin.y() > rect.bottom() || t.origin.x() > rect.right() + 1) continue;
        EXPECT_GE(t.origin.x(), rect.x()) << t.text.toStdString();
        ++inside;
    }
    EXPECT_GE(inside, 40); // both characters of all twenty names
}

TEST(LifeLines, DrawnInRedAcrossTheCentreBlock) {
    ChartFixture f;
    f.settings.HuaOut = 0;
    auto redPixels = [&] {
        const QImage image = test::PaintToImage(f, kSide);
        const int c = kLayout.cell;
        int n = 0;
        for (int y = c + 1; y < 3 * c; ++y)
            for (int x = c + 1; x < 3 * c; ++x) {
                const QColor p = image.pixelColor(x, y);
                n += p.red() > 200 && p.green() < 120 && p.blue() < 120;
            }
        return n;
    };
    const int on = redPixels();
    f.settings.LifeLine = 0;
    const int off = redPixels();
    EXPECT_GT(on - off, 2 * kLayout.cell);
}

} // namespace
} // namespace zelk
