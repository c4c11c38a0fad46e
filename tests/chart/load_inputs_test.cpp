// Loading birth data: the late 子 hour, stored clock hours, births outside the
// lunar table and records with fields no rule can use.
#include "chart_test_support.h"

#include "calendar/pillars.h"

#include <functional>

namespace zelk::test {
namespace {

int16_t Int16At(const std::array<uint8_t, kClientRecordSize>& b, int off) {
    return static_cast<int16_t>(b[off] | (b[off + 1] << 8));
}

TEST(LoadChartInputs, LateRatHourOnLastDayOfMonthMovesToFirstOfNext) {
    Env e;
    // 2023-02-19 is the last day (29th) of the first lunar month of 2023.
    ASSERT_EQ(SolarToLunar(2023, 2, 19), (LunarDate{2023, 1, 29, 0}));
    BirthInput in = Dialog(2023, 2, 19, 12, 0);
    ChartRecord r = LoadOrDie(e, in);
    EXPECT_EQ(r.lunarMonth, 2);
    EXPECT_EQ(r.lunarDay, 1);
    EXPECT_EQ(r.hourIndex, 12); // shown as the late 子 hour
    EXPECT_EQ(r.placementHour, 12);
    // ... and written back for the client database.
    EXPECT_EQ(in.lunarMonth, 2);
    EXPECT_EQ(in.lunarDay, 1);
    EXPECT_EQ(Int16At(in.clientBytes, 82), 2);
    EXPECT_EQ(Int16At(in.clientBytes, 84), 1);

    // It counts as 子 (0) for the placement: the same chart as 子 of the next day.
    ChartRecord early = LoadOrDie(e, Dialog(2023, 2, 20, 0, 0));
    EXPECT_EQ(r.natalChart, early.natalChart);
    EXPECT_EQ(r.lifePalace, early.lifePalace);
    EXPECT_EQ(r.bodyPalace, early.bodyPalace);
    EXPECT_EQ(r.ziYearDouJun, early.ziYearDouJun);
    EXPECT_EQ(r.birthPillars, early.birthPillars); // day pillar of the next day
}

TEST(LoadChartInputs, FillsRecordAndFlowDateFromThePresent) {
    Env e;
    BirthInput in = Dialog(1984, 2, 10, 6, 1);
    in.name = std::u16string(40, u'名'); // longer than the record's field
    ChartRecord r = LoadOrDie(e, in);
    EXPECT_EQ(r.shownLevel, 0);
    EXPECT_EQ(r.chartFilled, 1);
    EXPECT_EQ(r.name[32], u'名');
    EXPECT_EQ(r.name[33], 0); // always terminated
    EXPECT_EQ(r.flowLunarYear, e.now.lunar.year);
    EXPECT_EQ(r.flowLunarMonth, e.now.lunar.month);
    EXPECT_EQ(r.flowHour, e.now.hourIndex);
    EXPECT_EQ(r.flowMinute, e.now.minuteIndex);

    // Modifying the client keeps the flow date the chart had.
    r.flowLunarYear = 2001;
    BirthInput again = Dialog(1984, 2, 10, 6, 1);
    ASSERT_TRUE(LoadChartInputs(r, again, InputCommand::ModifyClient, e.env()).ok());
    EXPECT_EQ(r.flowLunarYear, 2001);
}

TEST(LoadChartInputs, RefusesBirthsOutsideTheLunarTable) {
    Env e;
    struct Case {
        int y, m, d, h;
    };
    for (const Case c : {Case{1850, 6, 1, 3}, Case{1900, 1, 30, 0}, Case{2100, 2, 9, 0},
                         Case{2100, 2, 8, 12}, Case{3000, 1, 1, 0}, Case{-5, 1, 1, 0}}) {
        ChartRecord r;
        const ChartRecord before = r;
        BirthInput in = Dialog(c.y, c.m, c.d, c.h, 0);
        const ChartResult res = LoadChartInputs(r, in, InputCommand::NewClient, e.env());
        EXPECT_EQ(res.refusal, ChartRefusal::BirthOutsideTable) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_FALSE(res.message.empty());
        EXPECT_EQ(r.chartFilled, before.chartFilled);
        EXPECT_EQ(r.shownLevel, -1);
    }
    // The two ends of the table load.
    LoadOrDie(e, Dialog(1900, 1, 31, 0, 0));
    LoadOrDie(e, Dialog(2100, 2, 8, 11, 1));
}

TEST(LoadChartInputs, RefusesFieldsOutOfRange) {
    Env e;
    for (BirthInput in :
         {Dialog(2000, 2, 30, 0, 0), Dialog(2000, 13, 1, 0, 0), Dialog(2000, 1, 1, 13, 0),
          Dialog(2000, 1, 1, -1, 0), Dialog(2000, 1, 1, 0, 7)}) {
        ChartRecord r;
        const ChartResult res = LoadChartInputs(r, in, InputCommand::NewClient, e.env());
        EXPECT_EQ(res.refusal, ChartRefusal::StoredFieldOutOfRange);
        EXPECT_EQ(r.chartFilled, 0);
    }
}

TEST(LoadStoredClient, ClockHourRules) {
    Env e;
    struct Case {
        int storedIndex, clock, index, clockAfter;
    };
    for (const Case c : {Case{6, 25, 6, 12}, Case{3, -1, 0, 0}, Case{0, -30, 0, 0},
                         Case{12, 0, 12, 24}, Case{5, 9, 5, 9}, Case{0, 1, 1, 1},
                         Case{12, 24, 12, 24}, Case{12, 23, 12, 23}, Case{2, 0, 0, 0}}) {
        BirthInput in = Stored(1990, 5, 10, false, c.clock, 0);
        in.hourIndex = static_cast<int16_t>(c.storedIndex);
        ChartRecord r = LoadStoredOrDie(e, in);
        EXPECT_EQ(r.hourIndex, c.index) << "clock " << c.clock;
        EXPECT_EQ(r.placementHour, c.index);
        EXPECT_EQ(r.clockHour, c.clockAfter) << "clock " << c.clock;
        // What changed is written back into the record.
        EXPECT_EQ(in.hourIndex, c.index);
        const bool changed = c.index != c.storedIndex || c.clockAfter != c.clock;
        EXPECT_EQ(Int16At(in.clientBytes, 74), changed ? c.index : 0);
        EXPECT_EQ(Int16At(in.clientBytes, 76), changed ? c.clockAfter : 0);
        EXPECT_EQ(r.clientIndex, 0);
    }
}

TEST(LoadStoredClient, LateRatRecordGivesTheSameChartAsTheDialog) {
    Env e;
    // Typed in as 2023-02-19 in the late 子 hour; the dialog stored lunar 2023-2-1,
    // hour index 12 and the period form 24 of the clock hour.
    BirthInput typed = Dialog(2023, 2, 19, 12, 1);
    ChartRecord fromDialog = LoadOrDie(e, typed);
    BirthInput stored = typed;
    ChartRecord fromStore = LoadStoredOrDie(e, stored);
    EXPECT_EQ(fromStore.hourIndex, 12);
    EXPECT_EQ(fromStore.lunarDay, 1);
    EXPECT_EQ(fromStore.birthPillars, fromDialog.birthPillars);
    EXPECT_EQ(fromStore.natalChart, fromDialog.natalChart);
}

TEST(LoadStoredClient, RefusesBadRecords) {
    Env e;
    const BirthInput ok = Stored(1990, 5, 10, false, 8, 0);
    LoadStoredOrDie(e, BirthInput(ok));
    struct Case {
        std::function<void(BirthInput&)> spoil;
        ChartRefusal why;
    };
    const Case cases[] = {
        {[](BirthInput& x) { x.solarYear = 1850; }, ChartRefusal::BirthOutsideTable}, // a CSV line
        {[](BirthInput& x) { x.lunarYear = 1899; }, ChartRefusal::BirthOutsideTable},
        {[](BirthInput& x) { x.clockHour = 40; }, ChartRefusal::StoredFieldOutOfRange},
        {[](BirthInput& x) { x.lunarDay = 31; }, ChartRefusal::StoredFieldOutOfRange},
        {[](BirthInput& x) { x.lunarDay = 0; }, ChartRefusal::StoredFieldOutOfRange},
        {[](BirthInput& x) { x.lunarMonth = 13; }, ChartRefusal::StoredFieldOutOfRange},
        {[](BirthInput& x) { x.sex = 7; }, ChartRefusal::StoredFieldOutOfRange},
        {[](BirthInput& x) { x.isLeapMonth = 2; }, ChartRefusal::StoredFieldOutOfRange},
    };
    for (const Case& c : cases) {
        BirthInput in = ok;
        c.spoil(in);
        ChartRecord r;
        const ChartResult res = LoadStoredClient(r, in, 3, e.env());
        EXPECT_EQ(res.refusal, c.why);
        EXPECT_FALSE(res.message.empty());
        EXPECT_EQ(r.clientIndex, -1);
    }
}

TEST(ComputeNatalChart, RefusesACorruptRecordAndKeepsTheChart) {
    Env e;
    ChartRecord r = LoadOrDie(e, Dialog(1975, 8, 20, 4, 0));
    const ChartBlock natal = r.natalChart;
    for (auto corrupt : std::initializer_list<std::function<void(ChartRecord&)>>{
             [](ChartRecord& x) { x.bureau = 9; }, [](ChartRecord& x) { x.bureau = 0; },
             [](ChartRecord& x) { x.lunarDay = 31; }, [](ChartRecord& x) { x.hourIndex = 40; },
             [](ChartRecord& x) { x.lifePalace = 12; }, [](ChartRecord& x) { x.yearStem = 12; },
             [](ChartRecord& x) { x.sex = 7; }, [](ChartRecord& x) { x.lunarMonth = 13; }}) {
        ChartRecord bad = r;
        corrupt(bad);
        const ChartResult res = ComputeNatalChart(bad, e.env());
        EXPECT_EQ(res.refusal, ChartRefusal::StoredFieldOutOfRange);
        EXPECT_EQ(bad.natalChart, natal);
        EXPECT_EQ(ComputePeriodChart(bad, 2, bad.periodChart, e.env()).refusal,
                  ChartRefusal::StoredFieldOutOfRange);
    }
}

} // namespace
} // namespace zelk::test
