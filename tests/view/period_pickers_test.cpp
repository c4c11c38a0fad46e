// The six period pickers: their lists, preselections, check boxes and what each
// writes into the chart record on 排盤; Cancel writes nothing.
#include "chart_fixture.h"

#include "calendar/lunar_calendar.h"
#include "settings/string_table.h"
#include "view/period_pickers.h"

#include <QCheckBox>
#include <QComboBox>

#include <gtest/gtest.h>

namespace zelk {
namespace {

using test::ChartFixture;

class PickerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // A flow date other than the present one, so every check box is shown.
        f.record.flowLunarYear = 2020;
        f.record.flowSolarYear = 2020;
        f.record.flowSolarMonth = 3;
        f.record.flowSolarDay = 31;
        f.record.flowLunarMonth = 3;
        f.record.flowLunarDay = 8;
        f.record.flowIsLeap = 0;
        f.record.flowHour = 2;
        f.record.flowMinute = 4;
        f.record.hourIndex = 9;
    }
    void setFlowToPresent() {
        f.record.flowLunarYear = f.now.lunar.year;
        f.record.flowLunarMonth = f.now.lunar.month;
        f.record.flowLunarDay = f.now.lunar.day;
        f.record.flowIsLeap = f.now.lunar.leap;
        f.record.flowHour = f.now.hourIndex;
    }
    ChartFixture f; // born lunar 1980, present moment 2026-12-09 10:30 (巳 hour)
};

TEST_F(PickerTest, TenYearListsTwelveRangesWithTheirPalacesAndYears) {
    ChartRecord& r = f.record;
    CTenYearDlg dialog(r, f.settings, f.now, nullptr, PickerOpensOn::Present);
    ASSERT_EQ(dialog.entryCount(), 12);
    // A yang (庚) male steps forward from the life palace.
    ASSERT_EQ(r.stemParity, 0);
    ASSERT_EQ(r.sex, 0);
    for (int i = 0; i < 12; ++i) {
        const int start = r.bureau + 10 * i;
        const int palace = Mod(r.lifePalace + i, 12);
        const QString pillar = LoadResString(135 + r.natalChart.stemAt(palace)) +
                               LoadResString(145 + BranchOfPosition(palace));
        const QString text = dialog.entryText(i);
        EXPECT_TRUE(text.startsWith(QString::asprintf("%3d --%3d", start, start + 9))) << i;
        EXPECT_TRUE(text.contains(pillar)) << text.toStdString();
        EXPECT_TRUE(text.contains(QString::asprintf("%4d -- %4d", 1979 + start, 1988 + start)))
            << text.toStdString();
    }
    // Nothing chosen yet: the decade of the present age.
    const int age = f.now.lunar.year - r.lunarYear + 1;
    EXPECT_EQ(dialog.selectedIndex(), (age - r.bureau) / 10);
    EXPECT_TRUE(dialog.acceptWith(5));
    EXPECT_EQ(dialog.chosenIndex(), 5);
    EXPECT_EQ(r.hourIndex, r.placementHour);

    // Before the first range begins, the first one.
    CurrentTime early = f.now;
    early.lunar.year = static_cast<int16_t>(r.lunarYear);
    CTenYearDlg young(r, f.settings, early, nullptr, PickerOpensOn::Present);
    EXPECT_EQ(young.selectedIndex(), 0);

    // After a choice: the decade of the stored ten-year palace.
    r.tenYearPalace = static_cast<int16_t>(Mod(r.lifePalace + 7, 12));
    CTenYearDlg again(r, f.settings, f.now);
    EXPECT_EQ(again.selectedIndex(), 7);
}

TEST_F(PickerTest, FlowYearListsTheYearsWithTheirPillarsAndAges) {
    ChartRecord& r = f.record;
    const int present = f.now.lunar.year; // 2026, 丙午
    f.settings.YearDisplay = 0;
    CFlowYearDlg dialog(r, f.settings, f.now, nullptr, PickerOpensOn::Present);
    // From the birth year (less than 200 years back) to 2099.
    ASSERT_EQ(dialog.entryCount(), (present - 1980) + 1 + (2099 - present));
    EXPECT_EQ(dialog.entryText(0), QStringLiteral("1980年 庚申 1歲"));
    const int presentEntry = present - 1980;
    EXPECT_EQ(dialog.selectedIndex(), presentEntry);
    EXPECT_EQ(dialog.entryText(presentEntry), QStringLiteral("今年 丙午 %1歲").arg(present - 1979));
    EXPECT_EQ(dialog.entryText(presentEntry + 1), QStringLiteral("2027年 丁未 48歲"));
    EXPECT_EQ(dialog.yearOfEntry(dialog.entryCount() - 1), 2099);

    f.settings.YearDisplay = 1;
    CFlowYearDlg minguo(r, f.settings, f.now);
    EXPECT_EQ(minguo.entryText(0), QStringLiteral("民國69年 庚申 1歲"));
    // The stored flow year (2020) is the last choice.
    EXPECT_EQ(minguo.selectedIndex(), 2020 - 1980);
    EXPECT_TRUE(minguo.acceptWith(presentEntry + 3));
    EXPECT_EQ(r.flowLunarYear, present + 3);
    EXPECT_EQ(r.flowSolarYear, present + 3);
    EXPECT_EQ(r.hourIndex, r.placementHour);
    CFlowYearDlg reopened(r, f.settings, f.now);
    EXPECT_EQ(reopened.selectedIndex(), presentEntry + 3);

    // At most 200 years back, and nothing from 2100 on.
    r.lunarYear = 1900;
    CurrentTime late = f.now;
    late.lunar.year = 2150;
    CFlowYearDlg far(r, f.settings, late);
    EXPECT_EQ(far.yearOfEntry(0), 1950);
    EXPECT_EQ(far.entryText(far.entryCount() - 1).left(2), QStringLiteral("今年"));
}

TEST_F(PickerTest, FlowMonthPlacesTheLeapMonthAfterItsMonthAndOpensOnTheLastChoice) {
    ChartRecord& r = f.record;
    // 2020 has a leap fourth month; its third month begins on 2020-03-24, a 庚辰 month.
    ASSERT_EQ(LunarYearMonthLengths(2020).leapMonth, 4);
    const int leap = 4;
    auto pick = [&](int index, int expectedSelection) {
        CFlowMonthDlg dialog(r, f.settings, f.now);
        EXPECT_EQ(dialog.entryCount(), 13);
        EXPECT_TRUE(dialog.entryText(leap).startsWith(QStringLiteral("閏") +
                                                      QString::asprintf("%2d", leap)));
        EXPECT_EQ(dialog.selectedIndex(), expectedSelection);
        EXPECT_TRUE(dialog.acceptWith(index));
    };
    {
        CFlowMonthDlg dialog(r, f.settings, f.now);
        EXPECT_EQ(dialog.entryText(2), QStringLiteral(" 3月   庚辰月   2020/3/24 起"));
    }
    pick(leap - 1, 2); // the stored third month
    EXPECT_EQ(r.flowLunarMonth, leap);
    EXPECT_EQ(r.flowIsLeap, 0);
    pick(leap, leap - 1);
    EXPECT_EQ(r.flowLunarMonth, leap);
    EXPECT_EQ(r.flowIsLeap, 1);
    pick(leap + 1, leap); // opens on the leap month just chosen
    EXPECT_EQ(r.flowLunarMonth, leap + 1);
    EXPECT_EQ(r.flowIsLeap, 0);
    EXPECT_EQ(r.flowLunarYear, 2020);
    EXPECT_EQ(r.hourIndex, r.placementHour);

    // Nothing chosen yet: the present month number (the eleventh), in the listed year too.
    CFlowMonthDlg fresh(r, f.settings, f.now, nullptr, PickerOpensOn::Present);
    EXPECT_EQ(fresh.selectedIndex(), f.now.lunar.month); // one entry later for 閏4
}

TEST_F(PickerTest, FlowMonthBoxSwitchesToThePresentYear) {
    ChartRecord& r = f.record;
    CFlowMonthDlg dialog(r, f.settings, f.now);
    ASSERT_TRUE(dialog.presentBoxShown());
    dialog.presentBox()->setChecked(true);
    const LunarYearMonths months = LunarYearMonthLengths(f.now.lunar.year);
    EXPECT_EQ(dialog.entryCount(), months.count);
    int expected = f.now.lunar.month - 1;
    if (months.hasLeap && f.now.lunar.month > months.leapMonth) ++expected;
    EXPECT_EQ(dialog.selectedIndex(), expected);
    EXPECT_TRUE(dialog.acceptWith(dialog.selectedIndex(), true));
    EXPECT_EQ(r.flowLunarYear, f.now.lunar.year);
    EXPECT_EQ(r.flowLunarMonth, f.now.lunar.month);

    setFlowToPresent();
    CFlowMonthDlg present(r, f.settings, f.now);
    EXPECT_FALSE(present.presentBoxShown());
}

TEST_F(PickerTest, FlowDateListsTheDaysWithPillarsAndGregorianDates) {
    ChartRecord& r = f.record;
    CFlowDateDlg dialog(r, f.settings, f.now);
    EXPECT_EQ(dialog.entryCount(), LunarMonthLength(2020, 3, false));
    // Lunar 2020-3-8 is Tuesday 2020-03-31, a 癸酉 day.
    EXPECT_EQ(dialog.entryText(7), QStringLiteral(" 8日   癸酉日   2020/3/31 (二)"));
    EXPECT_EQ(dialog.selectedIndex(), 7); // the stored flow day 8, the last choice
    ASSERT_TRUE(dialog.presentBoxShown());
    dialog.presentBox()->setChecked(true);
    EXPECT_EQ(dialog.entryCount(),
              LunarMonthLength(f.now.lunar.year, f.now.lunar.month, f.now.lunar.leap != 0));
    EXPECT_EQ(dialog.selectedIndex(), f.now.lunar.day - 1);
    dialog.presentBox()->setChecked(false);
    EXPECT_TRUE(dialog.acceptWith(19));
    EXPECT_EQ(r.flowLunarYear, 2020);
    EXPECT_EQ(r.flowLunarMonth, 3);
    EXPECT_EQ(r.flowLunarDay, 20);
    const auto solar = LunarToSolar(2020, 3, 20, false);
    ASSERT_TRUE(solar);
    EXPECT_EQ(r.flowSolarYear, solar->year);
    EXPECT_EQ(r.flowSolarMonth, solar->month);
    EXPECT_EQ(r.flowSolarDay, solar->day);

    CFlowDateDlg again(r, f.settings, f.now);
    EXPECT_TRUE(again.acceptWith(0, true));
    EXPECT_EQ(r.flowLunarMonth, f.now.lunar.month);
    EXPECT_EQ(r.flowLunarDay, 1);
    EXPECT_EQ(r.hourIndex, r.placementHour);

    // Nothing chosen yet: today's day, held to the length of a shorter month.
    CurrentTime late = f.now;
    late.lunar.day = 30;
    r.flowLunarYear = 2020;
    r.flowLunarMonth = 3;
    r.flowIsLeap = 0;
    ASSERT_EQ(LunarMonthLength(2020, 3, false), 30);
    CFlowDateDlg today(r, f.settings, late, nullptr, PickerOpensOn::Present);
    EXPECT_EQ(today.selectedIndex(), 29);
    r.flowLunarMonth = 1; // 29 days
    ASSERT_EQ(LunarMonthLength(2020, 1, false), 29);
    CFlowDateDlg shorter(r, f.settings, late, nullptr, PickerOpensOn::Present);
    EXPECT_EQ(shorter.selectedIndex(), 28);
}

TEST_F(PickerTest, FlowTimeLateZiHourIsTheNextDaysZiHour) {
    ChartRecord& r = f.record;
    CFlowTimeDlg dialog(r, f.settings, f.now);
    ASSERT_EQ(dialog.entryCount(), 13);
    // The hours of a 癸 day (2020-03-31) start at 壬子; the late 子 hour is the 甲子 day's.
    ASSERT_EQ(r.flowSolarDay, 31);
    EXPECT_EQ(dialog.entryText(0), QStringLiteral("子時  午夜十二點後   壬子時"));
    EXPECT_TRUE(dialog.entryText(6).endsWith(QStringLiteral("戊午時")));
    EXPECT_EQ(dialog.entryText(12), QStringLiteral("子時  晚上十一後   甲子時"));
    EXPECT_EQ(dialog.selectedIndex(), 2); // the stored flow hour
    CFlowTimeDlg fresh(r, f.settings, f.now, nullptr, PickerOpensOn::Present);
    EXPECT_EQ(fresh.selectedIndex(), f.now.hourIndex);
    EXPECT_TRUE(dialog.acceptWith(6));
    EXPECT_EQ(r.flowHour, 6);
    EXPECT_EQ(r.hourIndex, 6);

    // The last day of a month: the late 子 hour opens the next month.
    r.flowLunarDay = static_cast<int16_t>(LunarMonthLength(2020, 3, false));
    CFlowTimeDlg late(r, f.settings, f.now);
    EXPECT_TRUE(late.acceptWith(12));
    EXPECT_EQ(r.flowHour, 0);
    EXPECT_EQ(r.hourIndex, 0);
    EXPECT_EQ(r.flowLunarMonth, 4);
    EXPECT_EQ(r.flowLunarDay, 1);
    const auto solar = LunarToSolar(2020, 4, 1, false);
    ASSERT_TRUE(solar);
    EXPECT_EQ(r.flowSolarDay, solar->day);

    // With the box the present day's late 子 hour is the next day's too; when the
    // clock stands in it the present lunar date has moved already.
    CFlowTimeDlg today(r, f.settings, f.now);
    EXPECT_TRUE(today.acceptWith(12, true));
    LunarDate next = f.now.lunar;
    NextLunarDay(next);
    EXPECT_EQ(r.flowLunarDay, next.day);
    CurrentTime night = f.now;
    night.hourIndex = 12;
    r.flowLunarYear = 2020;
    CFlowTimeDlg atNight(r, f.settings, night);
    EXPECT_EQ(atNight.selectedIndex(), 0);
    atNight.presentBox()->setChecked(true);
    EXPECT_EQ(atNight.selectedIndex(), 12);
    EXPECT_TRUE(atNight.acceptWith(12, true));
    EXPECT_EQ(r.flowLunarDay, night.lunar.day);
    EXPECT_EQ(r.flowHour, 0);
}

TEST_F(PickerTest, FlowMinuteListsTheSlotsOfTheFlowHour) {
    EXPECT_EQ(PickerMinuteSlotText(0, 0), QStringLiteral("23:00 ~ 23:10"));
    EXPECT_EQ(PickerMinuteSlotText(0, 5), QStringLiteral("23:50 ~  0:00"));
    EXPECT_EQ(PickerMinuteSlotText(0, 6), QStringLiteral(" 0:00 ~  0:10"));
    EXPECT_EQ(PickerMinuteSlotText(1, 5), QStringLiteral(" 1:50 ~  2:00"));
    EXPECT_EQ(PickerMinuteSlotText(11, 11), QStringLiteral("22:50 ~ 23:00"));

    ChartRecord& r = f.record;
    CFlowMinDlg dialog(r, f.settings, f.now);
    EXPECT_EQ(dialog.entryText(0), PickerMinuteSlotText(2, 0));
    EXPECT_EQ(dialog.selectedIndex(), 4); // the stored slot
    CFlowMinDlg fresh(r, f.settings, f.now, nullptr, PickerOpensOn::Present);
    ASSERT_NE(f.now.minuteIndex, 4);
    EXPECT_EQ(fresh.selectedIndex(), f.now.minuteIndex);
    ASSERT_TRUE(dialog.presentBoxShown());
    dialog.presentBox()->setChecked(true);
    EXPECT_EQ(dialog.entryText(0), PickerMinuteSlotText(f.now.hourIndex, 0));
    EXPECT_EQ(dialog.selectedIndex(), f.now.minuteIndex);
    EXPECT_TRUE(dialog.acceptWith(3, true));
    EXPECT_EQ(r.flowMinute, 3);
    EXPECT_EQ(r.flowHour, f.now.hourIndex);
    EXPECT_EQ(r.hourIndex, f.now.hourIndex);
    EXPECT_EQ(r.flowLunarDay, f.now.lunar.day);
    EXPECT_EQ(r.flowSolarDay, f.now.day);

    CFlowMinDlg present(r, f.settings, f.now);
    EXPECT_FALSE(present.presentBoxShown());
}

TEST_F(PickerTest, CancelWritesNothingWhateverWasChosen) {
    ChartRecord& r = f.record;
    const ChartRecord before = r;
    auto same = [&] {
        return r.flowLunarYear == before.flowLunarYear &&
               r.flowLunarMonth == before.flowLunarMonth && r.flowLunarDay == before.flowLunarDay &&
               r.flowIsLeap == before.flowIsLeap && r.flowSolarYear == before.flowSolarYear &&
               r.flowHour == before.flowHour && r.flowMinute == before.flowMinute &&
               r.hourIndex == before.hourIndex;
    };
    CFlowMonthDlg month(r, f.settings, f.now);
    CFlowDateDlg date(r, f.settings, f.now);
    CFlowTimeDlg time(r, f.settings, f.now);
    CFlowMinDlg minute(r, f.settings, f.now);
    for (CPeriodPickerDlg* dialog :
         std::initializer_list<CPeriodPickerDlg*>{&month, &date, &time, &minute}) {
        dialog->presentBox()->setChecked(true);
        dialog->periodList()->setCurrentIndex(1);
        dialog->reject();
        EXPECT_TRUE(same()) << dialog->objectName().toStdString();
    }
    CFlowYearDlg year(r, f.settings, f.now);
    EXPECT_FALSE(year.acceptWith(year.entryCount())); // no such entry
    EXPECT_TRUE(same());
}

} // namespace
} // namespace zelk
