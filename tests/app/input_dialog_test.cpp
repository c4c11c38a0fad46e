// The input dialog's widgets: list texts, limits and what 排盤 writes.
#include "app/app_context.h"
#include "app/command_ids.h"
#include "app/input_dlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace zelk {
namespace {

AppContext ContextAt(int year, int month, int day, int hour, int minute) {
    AppContext c;
    c.clock = FixedClock({year, month, day, hour, minute});
    c.settings.UserNextId = 12;
    return c;
}

QComboBox* Combo(const CInputDlg& d, int id) {
    return qobject_cast<QComboBox*>(d.control(id));
}
QLineEdit* Edit(const CInputDlg& d, int id) {
    return qobject_cast<QLineEdit*>(d.control(id));
}

TEST(InputDialog, YearListInMinguoFormsAndPlainYears) {
    AppContext c = ContextAt(2024, 3, 15, 10, 0);
    CInputDlg d(CInputDlg::Mode::New, c, {}, nullptr);
    QComboBox* years = Combo(d, ctl::Year);
    ASSERT_EQ(years->count(), 200);
    EXPECT_EQ(years->itemText(0), QStringLiteral("民國前12"));
    EXPECT_EQ(years->itemText(1911 - 1900), QStringLiteral("民國前1"));
    EXPECT_EQ(years->itemText(1912 - 1900), QStringLiteral("民國元年"));
    EXPECT_EQ(years->itemText(1986 - 1900), QStringLiteral("民國75"));
    EXPECT_EQ(years->currentIndex(), 124);
    EXPECT_EQ(CInputDlg::YearText(1986, 0), QStringLiteral("1986"));
    EXPECT_EQ(Combo(d, ctl::Hour)->count(), 13);
    EXPECT_EQ(Combo(d, ctl::Hour)->currentIndex(), 5); // 10:00 is 巳
}

TEST(InputDialog, LunarMonthListShowsTheLeapEntry) {
    AppContext c = ContextAt(2020, 6, 10, 10, 0);
    CInputDlg d(CInputDlg::Mode::New, c, {}, nullptr);
    d.chooseCalendar(true);
    QComboBox* months = Combo(d, ctl::Month);
    ASSERT_EQ(months->count(), 13);
    EXPECT_EQ(months->itemText(3), QStringLiteral(" 4"));
    EXPECT_EQ(months->itemText(4), QStringLiteral("閏 4"));
    EXPECT_EQ(months->currentIndex(), 4);
    EXPECT_EQ(Combo(d, ctl::Day)->currentText(), QStringLiteral("19"));
    d.chooseCalendar(false);
    EXPECT_EQ(months->count(), 12);
    EXPECT_EQ(months->currentIndex(), 5);
    EXPECT_EQ(Combo(d, ctl::Day)->currentText(), QStringLiteral("10"));
}

TEST(InputDialog, ConfirmWritesTheFieldsWithTheirRules) {
    AppContext c = ContextAt(2024, 3, 15, 10, 0);
    ClientList clients(3);
    clients[0].category.assign(QStringLiteral("VIP客戶"));
    clients[1].category.assign(QStringLiteral("vip客戶"));
    clients[2].category.assign(QStringLiteral("朋友"));
    CInputDlg d(CInputDlg::Mode::New, c, clients, nullptr);
    EXPECT_EQ(Combo(d, ctl::Category)->count(), 2); // one entry per text, case ignored
    EXPECT_EQ(Edit(d, ctl::Name)->maxLength(), 31);
    EXPECT_EQ(Combo(d, ctl::Category)->lineEdit()->maxLength(), 29);
    EXPECT_EQ(Edit(d, ctl::Longitude)->maxLength(), 11);
    Edit(d, ctl::Height)->setText(QStringLiteral("abc"));
    qobject_cast<QPlainTextEdit*>(d.control(ctl::Note))
        ->setPlainText(QString(300, QLatin1Char('n')));
    d.chooseYear(1986 - 1900);
    d.chooseMonth(2);
    d.chooseDay(14);
    d.chooseHour(2);
    d.accept();
    const tagUserInfo& r = d.record();
    EXPECT_EQ(r.height, 0);
    EXPECT_EQ(r.note.text().size(), 255);
    EXPECT_EQ(r.name.text(), QStringLiteral("12-075031504")); // the automatic name
    EXPECT_EQ(r.createdDate.text(), QStringLiteral("2024/03/15"));
    EXPECT_EQ(r.hour, 4);
    EXPECT_EQ(ParseHeightText(QStringLiteral(" 172 ")), 172);
    EXPECT_EQ(ParseHeightText(QStringLiteral("-3")), -3);
    EXPECT_EQ(ParseHeightText(QStringLiteral("99999")), 0);
}

TEST(InputDialog, ModifyingKeepsAnImportedClockHourUntilTheHourIsChosen) {
    AppContext c = ContextAt(2024, 3, 15, 10, 0);
    tagUserInfo imported;
    imported.id = 7;
    imported.name.assign(QStringLiteral("林"));
    imported.year = 1980;
    imported.month = 7;
    imported.day = 31;
    imported.hourIndex = 12;
    imported.hour = 23;
    imported.createdDate.assign(QStringLiteral("2001/01/01"));
    CInputDlg d(CInputDlg::Mode::Modify, c, {}, &imported);
    EXPECT_EQ(Combo(d, ctl::Hour)->currentIndex(), 12);
    d.accept();
    EXPECT_EQ(d.record().hour, 23);
    EXPECT_EQ(d.record().createdDate.text(), QStringLiteral("2001/01/01"));
    EXPECT_EQ(d.record().id, 7);
    // 1980-07-31 is lunar 1980-6-20; the late 子 hour moves it to 6-21.
    EXPECT_EQ(d.record().lunarMonth, 6);
    EXPECT_EQ(d.record().lunarDay, 21);
    EXPECT_EQ(d.record().day, 31);
}

TEST(InputDialog, LateZiHourOnTheLastDayOfTheYearMovesIntoTheNextLunarYear) {
    AppContext c = ContextAt(2024, 3, 15, 10, 0);
    CInputDlg d(CInputDlg::Mode::New, c, {}, nullptr);
    d.chooseCalendar(true);
    d.chooseYear(1983 - 1900);
    d.chooseMonth(11); // month 12 of lunar 1983 (no leap month)
    d.chooseDay(Combo(d, ctl::Day)->count() - 1);
    d.chooseHour(12);
    d.accept();
    EXPECT_EQ(d.record().lunarYear, 1984);
    EXPECT_EQ(d.record().lunarMonth, 1);
    EXPECT_EQ(d.record().lunarDay, 1);
    EXPECT_EQ(d.record().year, 1984); // Gregorian 1984-02-01, the day itself
    EXPECT_EQ(d.record().month, 2);
    EXPECT_EQ(d.record().day, 1);
}

} // namespace
} // namespace zelk
