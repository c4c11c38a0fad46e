// The chart view driven by synthetic mouse events at positions taken from its
// layout and its last paint: level buttons with their pickers, period-line
// clicks, the stem strip, right-button displays, star hits, the centre block.
#include "chart_fixture.h"

#include "calendar/lunar_calendar.h"
#include "chart/chart_facts.h"
#include "settings/string_table.h"
#include "view/chart_artwork.h"
#include "view/chart_interaction.h"
#include "view/period_pickers.h"
#include "view/zelk_view_widget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QToolTip>

#include <gtest/gtest.h>

#include <optional>

namespace zelk {
namespace {

using test::ChartFixture;

// The flow fields a cancelled or refused action must leave as they were.
struct PeriodFields {
    int level, tenYear, lunarYear, lunarMonth, lunarDay, leap, solarYear, solarMonth, solarDay,
        flowHour, flowMinute, hourIndex;
    ChartBlock period;
    static PeriodFields Of(const ChartRecord& r) {
        return {r.shownLevel, r.tenYearPalace, r.flowLunarYear,  r.flowLunarMonth, r.flowLunarDay,
                r.flowIsLeap, r.flowSolarYear, r.flowSolarMonth, r.flowSolarDay,   r.flowHour,
                r.flowMinute, r.hourIndex,     r.periodChart};
    }
    friend bool operator==(const PeriodFields&, const PeriodFields&) = default;
};

class InteractionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        view.resize(1400, 1000);
        view.setChart(&f.record, &f.settings);
        view.setTimeSource([this] { return f.now; });
        ChartInteractionHooks hooks;
        hooks.computePeriod = [this](ChartRecord& r, int level, const AppSettings& s) {
            computeSettings = s;
            return ComputePeriodChart(r, level, r.periodChart, ChartEnv{s, f.now, f.clock});
        };
        hooks.now = [this] { return f.now; };
        hooks.showStar = [this](const StarClick& click) { star = click; };
        hooks.openUrl = [this](const QUrl& url) { opened = url; };
        hooks.modifyClient = [this] { ++modifyCount; };
        hooks.report = [this](const QString& text) { reported = text; };
        hooks.loadExplanations = [this](int level) { loadedLevels.push_back(level); };
        ctl = CChartInteraction::attach(&view, &f.record, &f.settings, hooks);
        paint();
        ASSERT_GT(layout().cell, 40) << "the view's canvas is too small to hold a chart";
        ASSERT_TRUE(view.lastPaint().painted);
    }
    void TearDown() override { CPeriodPickerDlg::setRunner({}); }

    void paint() { view.canvasImage(); }
    const ChartLayout& layout() const { return view.layout(); }
    // A point of the chart square as the viewport sees it.
    QPoint chartPoint(QPoint p) const {
        return view.viewportPoint(p + QPoint(layout().chartLeft, layout().chartTop));
    }

    void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), view.viewport()->mapToGlobal(QPointF(at)), button,
                          held, Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &event);
        paint();
    }
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        send(QEvent::MouseButtonPress, at, button, button);
        send(QEvent::MouseButtonRelease, at, button, Qt::NoButton);
    }
    void rightPress(QPoint at) {
        send(QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton);
    }
    void rightRelease(QPoint at) {
        send(QEvent::MouseButtonRelease, at, Qt::RightButton, Qt::NoButton);
    }
    // The middle of a level button or a strip cell, where the painter drew it.
    QPoint buttonPoint(int level) const {
        return view.viewportPoint(view.lastButtons().levels[std::size_t(level)].center());
    }
    QPoint stripPoint(int stem) const {
        return view.viewportPoint(view.lastButtons().stems[std::size_t(stem)].center());
    }
    // The middle of the (first) clickable text of a palace's period line.
    QPoint periodLinePoint(int palace) const {
        const auto& areas = view.lastPaint().periodValues[std::size_t(palace)];
        EXPECT_FALSE(areas.empty()) << "no period text in palace " << palace;
        return areas.empty() ? QPoint() : chartPoint(areas.front().rect.center());
    }
    const ChartBlock& shown() const {
        return f.record.shownLevel <= 0 ? f.record.natalChart : f.record.periodChart;
    }
    // Accepts every picker with the entry that `choose` names (-1: cancel).
    void answerPickers(std::function<int(CPeriodPickerDlg&)> choose) {
        CPeriodPickerDlg::setRunner([this, choose](CPeriodPickerDlg& dialog) {
            ++pickerRuns;
            const int index = choose(dialog);
            return index >= 0 && dialog.acceptWith(index);
        });
    }
    void showLevel(int level) {
        f.period(level);
        view.chartChanged();
        paint();
    }

    ChartFixture f;
    CZelkView view;
    CChartInteraction* ctl = nullptr;
    AppSettings computeSettings;
    std::optional<StarClick> star;
    QUrl opened;
    int modifyCount = 0;
    QString reported;
    int pickerRuns = 0;
    std::vector<int> loadedLevels;
};

TEST_F(InteractionTest, EachLevelButtonComputesThePeriodItsPickerChose) {
    ChartRecord& r = f.record;
    // 十年: the fourth range of the list is the decade that starts at bureau + 30.
    answerPickers([](CPeriodPickerDlg&) { return 3; });
    click(buttonPoint(1));
    EXPECT_EQ(r.shownLevel, 1);
    EXPECT_EQ(r.decadeFirstAge[std::size_t(r.tenYearPalace)], r.bureau + 30);
    EXPECT_EQ(r.hourIndex, r.placementHour);

    // 流年: the year 2030 gives age 51 and the decade palace holding it.
    answerPickers([](CPeriodPickerDlg& d) {
        auto& years = static_cast<CFlowYearDlg&>(d);
        for (int i = 0; i < d.entryCount(); ++i)
            if (years.yearOfEntry(i) == 2030) return i;
        return -1;
    });
    click(buttonPoint(2));
    EXPECT_EQ(r.shownLevel, 2);
    EXPECT_EQ(r.flowLunarYear, 2030);
    const int start = r.decadeFirstAge[std::size_t(r.tenYearPalace)];
    EXPECT_TRUE(start <= 51 && 51 < start + 10) << start;

    answerPickers([](CPeriodPickerDlg&) { return 4; });
    click(buttonPoint(3));
    EXPECT_EQ(r.shownLevel, 3);
    EXPECT_EQ(r.flowLunarYear, 2030);
    EXPECT_EQ(r.flowLunarMonth, 5); // 2030 has no leap month

    answerPickers([](CPeriodPickerDlg&) { return 14; });
    click(buttonPoint(4));
    EXPECT_EQ(r.shownLevel, 4);
    EXPECT_EQ(r.flowLunarDay, 15);
    const auto solar = LunarToSolar(2030, 5, 15, false);
    ASSERT_TRUE(solar);
    EXPECT_EQ(r.flowSolarMonth, solar->month);
    EXPECT_EQ(r.flowSolarDay, solar->day);

    answerPickers([](CPeriodPickerDlg&) { return 3; });
    click(buttonPoint(5));
    EXPECT_EQ(r.shownLevel, 5);
    EXPECT_EQ(r.flowHour, 3);
    EXPECT_EQ(r.hourIndex, 3);

    answerPickers([](CPeriodPickerDlg&) { return 7; });
    click(buttonPoint(6));
    EXPECT_EQ(r.shownLevel, 6);
    EXPECT_EQ(r.flowMinute, 7);
    EXPECT_EQ(pickerRuns, 6);

    click(buttonPoint(0));
    EXPECT_EQ(r.shownLevel, 0);
    EXPECT_EQ(r.hourIndex, r.placementHour);
    EXPECT_TRUE(reported.isEmpty()) << reported.toStdString();
}

TEST_F(InteractionTest, CancelledPickersLeaveLevelAndFlowFieldsAsTheyWere) {
    showLevel(2);
    const PeriodFields before = PeriodFields::Of(f.record);
    answerPickers([](CPeriodPickerDlg&) { return -1; });
    for (int level = 1; level <= 6; ++level) {
        click(buttonPoint(level));
        EXPECT_EQ(PeriodFields::Of(f.record), before) << "level " << level;
    }
    EXPECT_EQ(pickerRuns, 6); // pressing 流年盤 on the flow-year chart re-opens its picker
}

// A picker opens on the present period until something is chosen in this chart
// window, and on the last choice from then on.
TEST_F(InteractionTest, PickersOpenOnThePresentThenOnTheLastChoice) {
    ChartRecord& r = f.record;
    // The stored flow date differs from the present one (a chart opened earlier).
    r.flowLunarDay = 9;
    r.flowMinute = static_cast<int16_t>((f.now.minuteIndex + 5) % 12);
    std::vector<int> opened;
    int choose = 0;
    answerPickers([&](CPeriodPickerDlg& d) {
        opened.push_back(d.selectedIndex());
        return choose;
    });
    choose = 14;
    click(buttonPoint(4));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], f.now.lunar.day - 1); // today
    EXPECT_EQ(r.flowLunarDay, 15);
    choose = 3;
    click(buttonPoint(4));
    EXPECT_EQ(opened.at(1), 14); // the day just chosen
    click(buttonPoint(6));
    EXPECT_EQ(opened.at(2), f.now.minuteIndex); // the present ten-minute slot
    choose = 2;
    click(buttonPoint(6));
    EXPECT_EQ(opened.at(3), 3);
    // A palace click is a choice too.
    showLevel(3);
    click(periodLinePoint(Mod(r.flowDouJun + 4, 12)));
    EXPECT_EQ(r.flowLunarMonth, 5);
    click(buttonPoint(3));
    const LunarYearMonths months = LunarYearMonthLengths(r.flowLunarYear);
    EXPECT_EQ(opened.at(4), months.hasLeap && months.leapMonth < 5 ? 5 : 4);
}

TEST_F(InteractionTest, NatalButtonOnTheNatalChartDoesNothing) {
    f.record.hourIndex = 7; // would be reset by a natal switch
    click(buttonPoint(0));
    EXPECT_EQ(f.record.hourIndex, 7);
    EXPECT_FALSE(ctl->isActiveAt(buttonPoint(0)));
    EXPECT_TRUE(ctl->isActiveAt(buttonPoint(1)));
}

TEST_F(InteractionTest, FixedChartParametersSkipThePickersButNotTheMinutePicker) {
    f.settings.UsePanParm = 1; // TimeBase 1: the present lunar year gives the age
    answerPickers([](CPeriodPickerDlg&) { return 0; });
    click(buttonPoint(1));
    EXPECT_EQ(pickerRuns, 0);
    const int age = f.now.lunar.year - f.record.lunarYear + 1;
    const int start = f.record.decadeFirstAge[std::size_t(f.record.tenYearPalace)];
    EXPECT_TRUE(start <= age && age < start + 10) << start << " " << age;
    for (int level = 3; level <= 5; ++level)
        click(buttonPoint(level));
    EXPECT_EQ(pickerRuns, 0);
    click(buttonPoint(6));
    EXPECT_EQ(pickerRuns, 1);
    EXPECT_EQ(f.record.shownLevel, 6);
}

TEST_F(InteractionTest, PeriodLineClicksChooseThePeriodUnderThePoint) {
    ChartRecord& r = f.record;
    const int l = layout().line;
    f.settings.UsePanParm = 1; // a palace click ignores it

    // Natal chart: a palace's age range makes it the ten-year palace.
    click(periodLinePoint(5));
    EXPECT_EQ(r.shownLevel, 1);
    EXPECT_EQ(r.tenYearPalace, 5);
    EXPECT_EQ(computeSettings.UsePanParm, 0);

    // Flow year: two palaces before the flow-year palace is two years back.
    showLevel(2);
    const int flowYear = r.flowLunarYear;
    click(periodLinePoint(Mod(r.flowLifePalace - 2, 12)));
    EXPECT_EQ(r.flowLunarYear, flowYear - 2);
    const int start = r.decadeFirstAge[std::size_t(r.tenYearPalace)];
    const int age = flowYear - 2 - r.lunarYear + 1;
    EXPECT_TRUE(start <= age && age < start + 10);
    // Beside the drawn age nothing answers.
    const auto ages = view.lastPaint().periodValues[0];
    ASSERT_EQ(ages.size(), 1u);
    click(chartPoint(ages[0].rect.topRight() + QPoint(2 + l / 2, 0)));
    EXPECT_EQ(r.flowLunarYear, flowYear - 2);

    // Flow month: the palace's month number, leap flag cleared.
    showLevel(3);
    r.flowIsLeap = 1;
    const int m1 = r.flowDouJun;
    click(periodLinePoint(Mod(m1 + 6, 12)));
    EXPECT_EQ(r.flowLunarMonth, 7);
    EXPECT_EQ(r.flowIsLeap, 0);

    // Flow day: " 4 16 28日"; each number answers exactly where the painter drew it,
    // from its first pixel to its last, and nothing left of the first one does.
    showLevel(4);
    ASSERT_GE(LunarMonthLength(r.flowLunarYear, r.flowLunarMonth, r.flowIsLeap != 0), 28);
    const int palace = Mod(r.flowMonthLifePalace + 3, 12);
    const auto days = view.lastPaint().periodValues[std::size_t(palace)];
    ASSERT_EQ(days.size(), 3u);
    const int expected[3] = {4, 16, 28};
    for (std::size_t i = 0; i < 3; ++i) {
        ASSERT_EQ(days[i].value, expected[i]);
        for (const QPoint at :
             {days[i].rect.topLeft(), days[i].rect.center(), days[i].rect.bottomRight()}) {
            r.flowLunarDay = 1;
            showLevel(4);
            click(chartPoint(at));
            EXPECT_EQ(r.flowLunarDay, expected[i]) << "day " << expected[i];
        }
    }
    r.flowLunarDay = 1;
    showLevel(4);
    click(chartPoint(days[0].rect.topLeft() - QPoint(2, 0)));
    EXPECT_EQ(r.flowLunarDay, 1);
    // " 9 21日" in a palace whose third day the month does not reach.
    const int short2 = Mod(r.flowMonthLifePalace + 8, 12);
    // (A new flow day moves the 流日 label, so the areas are read after each click.)
    auto dayArea = [&](std::size_t i) {
        const auto& two = view.lastPaint().periodValues[std::size_t(short2)];
        EXPECT_EQ(two.size(), 2u);
        return two.size() == 2 ? chartPoint(two[i].rect.center()) : QPoint();
    };
    click(dayArea(0));
    EXPECT_EQ(r.flowLunarDay, 9);
    click(dayArea(1));
    EXPECT_EQ(r.flowLunarDay, 21);

    // Flow hour and minute: the palace's hour, its ten-minute slot.
    showLevel(5);
    const int hourBase = Mod(r.flowHourPalace - r.flowHour, 12);
    click(periodLinePoint(Mod(hourBase + 9, 12)));
    EXPECT_EQ(r.flowHour, 9);
    EXPECT_EQ(r.hourIndex, 9);
    showLevel(6);
    click(periodLinePoint(Mod(r.flowHourPalace + 4, 12)));
    EXPECT_EQ(r.flowMinute, 4);
    EXPECT_TRUE(reported.isEmpty()) << reported.toStdString();
}

TEST_F(InteractionTest, StemStripCellsActAsRadioCellsThatCanAllBeOff) {
    ChartViewState& state = view.viewState();
    const ChartBlock& block = shown();
    auto lastPalaceOf = [&](int stem) {
        int last = -1;
        for (int p = 0; p < 12; ++p)
            if (block.stemAt(p) == stem) last = p;
        return last;
    };
    // The stems of palaces 0 and 10 are the same: the later palace is marked.
    const int shared = block.stemAt(0);
    ASSERT_EQ(block.stemAt(10), shared);
    click(stripPoint(shared));
    EXPECT_EQ(ctl->stripStem(), shared);
    EXPECT_EQ(state.stripStem, shared);
    EXPECT_TRUE(state.flyingStemMode);
    EXPECT_EQ(state.flyingPalace, 10);

    const int other = (shared + 3) % 10;
    click(stripPoint(other));
    EXPECT_EQ(ctl->stripStem(), other);
    EXPECT_EQ(state.flyingPalace, lastPalaceOf(other));

    // A new period moves the display to the palace of that stem in the new block.
    answerPickers([](CPeriodPickerDlg& d) { return d.selectedIndex(); });
    click(buttonPoint(2));
    ASSERT_EQ(f.record.shownLevel, 2);
    int last = -1;
    for (int p = 0; p < 12; ++p)
        if (f.record.periodChart.stemAt(p) == other) last = p;
    EXPECT_EQ(state.flyingPalace, last);
    EXPECT_TRUE(state.flyingStemMode);

    click(stripPoint(other));
    EXPECT_EQ(ctl->stripStem(), -1);
    EXPECT_EQ(state.stripStem, -1);
    EXPECT_FALSE(state.flyingStemMode);
    EXPECT_EQ(state.flyingPalace, -1);
}

TEST_F(InteractionTest, RightButtonDisplaysLastWhileTheButtonIsHeld) {
    ChartViewState& state = view.viewState();
    const QImage plain = view.canvasImage().copy();
    const auto& names = view.lastPaint().starNames;
    int palace = 0;
    while (palace < 12 && names[std::size_t(palace)].empty())
        ++palace;
    ASSERT_LT(palace, 12);
    const StarHitArea first = names[std::size_t(palace)].front();
    const QPoint onStar = chartPoint(first.rect.center());

    rightPress(onStar);
    EXPECT_TRUE(state.linkMode);
    EXPECT_EQ(state.linkedBit, first.bit);
    EXPECT_TRUE(ctl->rightButtonDown());
    rightRelease(onStar);
    EXPECT_FALSE(state.linkMode);
    EXPECT_EQ(view.canvasImage(), plain);

    // The stem corner shows the palace's flying transformations, clearing the strip.
    click(stripPoint(4));
    const QPoint corner = chartPoint(view.lastPaint().stemCorners[3].center());
    rightPress(corner);
    EXPECT_TRUE(state.flyingStemMode);
    EXPECT_EQ(state.flyingPalace, 3);
    EXPECT_EQ(ctl->stripStem(), -1);
    rightRelease(corner);
    EXPECT_FALSE(state.flyingStemMode);
    EXPECT_EQ(view.canvasImage(), plain);

    // A left press on the corner does nothing.
    click(corner);
    EXPECT_FALSE(state.flyingStemMode);
}

TEST_F(InteractionTest, AReleaseLostOutsideTheViewEndsTheDisplayAtTheNextEventSeen) {
    ChartViewState& state = view.viewState();
    const QImage plain = view.canvasImage().copy();
    const auto& names = view.lastPaint().starNames;
    int palace = 0;
    while (palace < 12 && names[std::size_t(palace)].empty())
        ++palace;
    ASSERT_LT(palace, 12);
    const QPoint onStar = chartPoint(names[std::size_t(palace)].front().rect.center());
    const QPoint corner = chartPoint(view.lastPaint().stemCorners[6].center());

    // The release arrives with a point outside the viewport (the grab sends it here).
    rightPress(onStar);
    rightRelease(QPoint(-50, -50));
    EXPECT_FALSE(state.linkMode);

    // No release at all: the next button-less move ends it.
    rightPress(onStar);
    send(QEvent::MouseMove, QPoint(5, 5), Qt::NoButton, Qt::NoButton);
    EXPECT_FALSE(state.linkMode);
    EXPECT_FALSE(ctl->rightButtonDown());
    EXPECT_EQ(view.canvasImage(), plain);

    // No release, then a right press on the corner and its release: both end.
    rightPress(onStar);
    rightPress(corner);
    EXPECT_FALSE(state.linkMode);
    EXPECT_TRUE(state.flyingStemMode);
    rightRelease(corner);
    EXPECT_FALSE(state.linkMode);
    EXPECT_FALSE(state.flyingStemMode);
    EXPECT_EQ(view.canvasImage(), plain);
}

TEST_F(InteractionTest, AStripStemKeepsItsDisplayAfterAHeldStarLink) {
    ChartViewState& state = view.viewState();
    click(stripPoint(2));
    const int palace = state.flyingPalace;
    const auto& names = view.lastPaint().starNames;
    int p = 0;
    while (p < 12 && names[std::size_t(p)].empty())
        ++p;
    ASSERT_LT(p, 12);
    const QPoint onStar = chartPoint(names[std::size_t(p)].front().rect.center());
    rightPress(onStar);
    rightRelease(onStar);
    EXPECT_EQ(ctl->stripStem(), 2);
    EXPECT_TRUE(state.flyingStemMode);
    EXPECT_EQ(state.flyingPalace, palace);
}

TEST_F(InteractionTest, StarHitsInAPalaceWithManyStars) {
    // Nine first-grade stars in 寅, one of them hidden by the display mask.
    using namespace StarA;
    f.record.natalChart.groupA[0] =
        ZiWei | TianFu | WuQu | WenChang | WenQu | ZuoFu | YouBi | TianKui | TianYue;
    f.settings.AStarMask &= ~WuQu;
    view.chartChanged();
    paint();
    const auto& names = view.lastPaint().starNames[0];
    ASSERT_EQ(names.size(), 8u);
    for (const StarHitArea& name : names) {
        star.reset();
        click(chartPoint(QPoint(name.rect.left(), name.rect.top() + 1)));
        ASSERT_TRUE(star) << name.bit;
        EXPECT_EQ(star->starNumber, FourHuaStarNumber(name.bit));
        EXPECT_EQ(star->palacePosition, 0);
        EXPECT_EQ(star->palaceNumber, f.record.natalChart.nameAt(0));
        EXPECT_GE(star->palaceElement, 0);
        star.reset();
        click(chartPoint(QPoint(name.rect.right(), name.rect.bottom())));
        ASSERT_TRUE(star);
        EXPECT_EQ(star->starNumber, FourHuaStarNumber(name.bit));
    }
    // Left of the last column, and below the two name lines (brightness, marks),
    // nothing is hit.
    star.reset();
    click(chartPoint(QPoint(names.back().rect.left() - 1, names.back().rect.top() + 2)));
    EXPECT_FALSE(star);
    click(chartPoint(QPoint(names.front().rect.center().x(), names.front().rect.bottom() + 2)));
    EXPECT_FALSE(star);
}

// The star dialog relates the star to the element of its palace: in the natal
// chart the life palace's element is that of the 五行局; in a flow-year chart a
// palace has the element of its flow stem.
TEST_F(InteractionTest, AStarClickCarriesThePalaceElementOfItsOwnStemAndBranch) {
    const int life = f.record.lifePalace;
    f.record.natalChart.groupA[std::size_t(life)] |= StarA::ZiWei;
    view.chartChanged();
    paint();
    const auto& names = view.lastPaint().starNames[std::size_t(life)];
    ASSERT_FALSE(names.empty());
    click(chartPoint(names.front().rect.center()));
    ASSERT_TRUE(star);
    EXPECT_EQ(star->palacePosition, life);
    EXPECT_EQ(star->palaceElement, f.record.bureau - 2);

    showLevel(2);
    const ChartBlock& year = f.record.periodChart;
    for (int p = 0; p < 12; ++p) {
        const auto& here = view.lastPaint().starNames[std::size_t(p)];
        if (here.empty()) continue;
        star.reset();
        click(chartPoint(here.front().rect.center()));
        ASSERT_TRUE(star);
        EXPECT_EQ(star->palaceElement, NayinElement(year.stemAt(p), BranchOfPosition(p))) << p;
    }
}

TEST_F(InteractionTest, CentreBlockEditsTheClientTogglesTheDipperAndOpensTheLogoPages) {
    const ChartPaintResult& paint = view.lastPaint();
    const QPoint client = chartPoint(paint.centreClientLines.center());
    f.record.clientIndex = -1;
    click(client);
    EXPECT_EQ(modifyCount, 0); // a chart of no stored client
    f.record.clientIndex = 3;
    click(client);
    EXPECT_EQ(modifyCount, 1);

    ASSERT_FALSE(paint.centreLine7.isEmpty());
    const QPoint line7 = chartPoint(paint.centreLine7.center());
    click(line7);
    EXPECT_TRUE(view.viewState().dipperToggleOn);
    click(line7);
    EXPECT_FALSE(view.viewState().dipperToggleOn);
    f.settings.Star7Display = 0;
    click(line7);
    EXPECT_FALSE(view.viewState().dipperToggleOn);

    click(chartPoint(view.lastPaint().logoLeft.center()));
    EXPECT_EQ(opened, LeftLogoUrl());
    click(chartPoint(view.lastPaint().logoRight.center()));
    EXPECT_EQ(opened, RightLogoUrl());
}

// Tooltips tell what a press does and what a mark means; the real tooltip event
// shows the same text.
TEST_F(InteractionTest, TooltipsOnButtonsStripCellsStarsAndPeriodLines) {
    f.settings.FourHuaType = 0;
    EXPECT_EQ(ctl->toolTipAt(buttonPoint(2)), QStringLiteral("流年盤：選擇流年"));
    // The shown level's button also says whose transformations the chart shows (庚 1980).
    EXPECT_TRUE(ctl->toolTipAt(buttonPoint(0)).endsWith(QStringLiteral("四化：生年干 庚")));
    EXPECT_TRUE(
        ctl->toolTipAt(stripPoint(0))
            .startsWith(QStringLiteral("甲干四化：廉貞化祿、破軍化權、武曲化科、太陽化忌")));
    click(stripPoint(0));
    EXPECT_TRUE(ctl->toolTipAt(stripPoint(0)).endsWith(QStringLiteral("再按一次取消標示")));

    const auto& names = view.lastPaint().starNames;
    int p = 0;
    while (p < 12 && names[std::size_t(p)].empty())
        ++p;
    ASSERT_LT(p, 12);
    const StarHitArea& first = names[std::size_t(p)].front();
    const QString starTip = ctl->toolTipAt(chartPoint(first.rect.center()));
    EXPECT_TRUE(starTip.startsWith(LoadResString(205 + FourHuaStarNumber(first.bit))))
        << starTip.toStdString();
    EXPECT_TRUE(starTip.contains(QStringLiteral("五行"))) << starTip.toStdString();
    EXPECT_TRUE(starTip.contains(QStringLiteral("星性說明")));

    const int a = f.record.decadeFirstAge[5];
    EXPECT_EQ(ctl->toolTipAt(periodLinePoint(5)),
              QStringLiteral("看此宮的十年盤（%1 -- %2 歲）").arg(a).arg(a + 9));
    showLevel(4);
    const auto& days = view.lastPaint().periodValues[0];
    ASSERT_FALSE(days.empty());
    EXPECT_EQ(ctl->toolTipAt(chartPoint(days.back().rect.center())),
              QStringLiteral("看流日：%1 日").arg(days.back().value));
    // An empty spot of the centre block has nothing to say.
    EXPECT_TRUE(
        ctl->toolTipAt(chartPoint(QPoint(2 * layout().cell, 2 * layout().cell + 5))).isEmpty());

    // Through the event the viewport receives.
    view.show();
    const QPoint at = buttonPoint(2);
    QHelpEvent help(QEvent::ToolTip, at, view.viewport()->mapToGlobal(at));
    QApplication::sendEvent(view.viewport(), &help);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("流年盤：選擇流年"));
    QToolTip::hideText();
}

// Numeric brightness gets a legend under the stem strip, and each digit and the
// legend explain themselves; the 七星 names are framed, explained in the legend
// and in their tooltip.
TEST_F(InteractionTest, BrightnessDigitsAndTheDipperAreExplained) {
    EXPECT_TRUE(view.lastButtons().brightnessLegend.isEmpty());
    f.settings.MiaoWangType = 1;
    view.chartChanged();
    paint();
    const QRect legend = view.lastButtons().brightnessLegend;
    ASSERT_FALSE(legend.isEmpty());
    EXPECT_GT(legend.top(), view.lastButtons().stems[9].bottom());
    EXPECT_TRUE(ctl->toolTipAt(view.viewportPoint(legend.center()))
                    .startsWith(QStringLiteral("亮度數字：１廟　２旺　３得地")));
    int p = 0;
    while (p < 12 && view.lastPaint().brightnessDigits[std::size_t(p)].empty())
        ++p;
    ASSERT_LT(p, 12);
    const auto digit = view.lastPaint().brightnessDigits[std::size_t(p)].front();
    EXPECT_EQ(ctl->toolTipAt(chartPoint(digit.rect.center())),
              QStringLiteral("亮度 ") + LoadResString(652 + digit.digit) + QLatin1Char(' ') +
                  NumericGradeName(digit.digit));
    EXPECT_FALSE(ctl->isActiveAt(chartPoint(digit.rect.center())));

    EXPECT_TRUE(view.lastPaint().dipperNames[0].isEmpty());
    click(chartPoint(view.lastPaint().centreLine7.center()));
    ASSERT_TRUE(view.viewState().dipperToggleOn);
    EXPECT_FALSE(view.lastButtons().dipperLegend.isEmpty());
    for (int palace = 0; palace < 12; ++palace) {
        const QRect names = view.lastPaint().dipperNames[std::size_t(palace)];
        ASSERT_FALSE(names.isEmpty()) << palace;
        EXPECT_TRUE(ctl->toolTipAt(chartPoint(names.center())).startsWith(QStringLiteral("七星")));
        // The frame around the names is drawn in red.
        const QImage& picture = view.canvasImage();
        const QPoint corner = names.topLeft() + QPoint(layout().chartLeft - 1, layout().chartTop);
        bool red = false;
        for (int dy = 0; dy < names.height(); ++dy)
            red = red || picture.pixelColor(corner + QPoint(0, dy)) == QColor(255, 0, 0);
        EXPECT_TRUE(red) << palace;
    }
}

TEST_F(InteractionTest, HandCursorOverActivePositionsOnly) {
    send(QEvent::MouseMove, buttonPoint(2), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(view.viewport()->cursor().shape(), Qt::PointingHandCursor);
    const QPoint emptyCentre = chartPoint(QPoint(2 * layout().cell, 2 * layout().cell + 5));
    ASSERT_FALSE(view.lastPaint().centreClientLines.contains(emptyCentre - chartPoint({})));
    send(QEvent::MouseMove, emptyCentre, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(view.viewport()->cursor().shape(), Qt::ArrowCursor);
    send(QEvent::MouseMove, stripPoint(9), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(view.viewport()->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(InteractionTest, APaintOfAnotherLevelLoadsThatLevelsExplanations) {
    showLevel(3);
    QPaintEvent event(QRect(0, 0, 10, 10));
    QApplication::sendEvent(view.viewport(), &event);
    ASSERT_FALSE(loadedLevels.empty());
    EXPECT_EQ(loadedLevels.back(), 3);
}

TEST_F(InteractionTest, ARefusedPeriodIsReportedAndChangesNothing) {
    showLevel(2);
    // The last year the calendar has, and then the period line one year later.
    answerPickers([](CPeriodPickerDlg& d) { return d.entryCount() - 1; });
    click(buttonPoint(2));
    ASSERT_EQ(f.record.flowLunarYear, 2099);
    ASSERT_TRUE(reported.isEmpty());
    click(periodLinePoint(Mod(f.record.flowLifePalace + 1, 12)));
    EXPECT_FALSE(reported.isEmpty());
    EXPECT_EQ(f.record.flowLunarYear, 2099);
}

} // namespace
} // namespace zelk
