// The 民國 year texts and the chart date formats.
#include "date_text.h"

#include <gtest/gtest.h>

namespace zelk {
namespace {

std::string Long(int y) {
    std::string s;
    FormatMinguoYear(y, s);
    return s;
}
std::string Short(int y) {
    std::string s;
    FormatMinguoYearShort(y, s);
    return s;
}

TEST(MinguoYear, LongAndShortForms) {
    EXPECT_EQ(Long(2011), "民國100年");
    EXPECT_EQ(Long(1913), "民國2年");
    EXPECT_EQ(Long(1912), "民國元年");
    EXPECT_EQ(Long(1911), "民國前1年");
    EXPECT_EQ(Long(1801), "民國前111年");
    EXPECT_EQ(Short(2011), "100");
    EXPECT_EQ(Short(1912), "元");
    EXPECT_EQ(Short(1911), "前1");
    std::string appended = "x";
    FormatMinguoYear(2024, appended);
    EXPECT_EQ(appended, "x民國113年");
}

std::string Chart(int flags, const std::string& label, int y, int m, int d, int h, int level,
                  int yearDisplay) {
    std::string s;
    FormatChartDate(flags, label, s, y, m, d, h, level, yearDisplay);
    return s;
}

TEST(ChartDate, LevelDecidesTheParts) {
    EXPECT_EQ(Chart(kDateLongForm, "", 2011, 3, 5, 7, 2, 1), "民國100年");
    EXPECT_EQ(Chart(kDateLongForm, "", 2011, 3, 5, 7, 3, 0), "2011年 3月");
    EXPECT_EQ(Chart(kDateLongForm, "", 2011, 3, 5, 7, 4, 0), "2011年 3月 5日");
    EXPECT_EQ(Chart(kDateLongForm, "農曆 : ", 2011, 12, 25, 7, 5, 0), "農曆 : 2011年12月25日 7時");
    EXPECT_EQ(Chart(kDateLongForm, "", 2011, 3, 5, 7, 1, 0), "");
    EXPECT_EQ(Chart(0, "", 2011, 3, 5, 7, 6, 0), "2011/3/5/7");
    EXPECT_EQ(Chart(0, "", 2011, 3, 5, 7, 4, 1), "100/3/5");
    EXPECT_EQ(Chart(0, "", 1912, 3, 5, 7, 3, 1), "元/3");
    EXPECT_EQ(Chart(0, "", 987, 3, 5, 7, 2, 0), " 987");
}

TEST(ChartDate, AZeroPartEndsTheText) {
    EXPECT_EQ(Chart(kDateLongForm, "", 2011, 0, 5, 7, 6, 0), "2011年");
    EXPECT_EQ(Chart(0, "", 2011, 3, 0, 7, 6, 0), "2011/3");
    EXPECT_EQ(Chart(0, "陽曆 : ", 0, 3, 5, 7, 6, 0), "陽曆 : ");
}

} // namespace
} // namespace zelk
