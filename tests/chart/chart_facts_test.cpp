// Chart facts: the palace element is the 納音 of the palace's own stem and branch,
// checked against the names of the thirty 納音 pairs, and the base palace of every
// chart whose palaces carry the natal stems has the element of the 五行局.
#include "chart_test_support.h"

#include "chart/chart_facts.h"
#include "chart/chart_steps.h"

#include <string>

namespace zelk::test {
namespace {

// The thirty 納音 names in the order of the cycle, one per pair of years (甲子乙丑
// first); the last character of each name is its element.
const char* const kNayinNames[30] = {"海中金", "爐中火", "大林木", "路旁土", "劍鋒金", "山頭火",
                                     "澗下水", "城頭土", "白蠟金", "楊柳木", "泉中水", "屋上土",
                                     "霹靂火", "松柏木", "長流水", "沙中金", "山下火", "平地木",
                                     "壁上土", "金箔金", "覆燈火", "天河水", "大驛土", "釵釧金",
                                     "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水"};

int ElementOfName(const std::string& name) {
    const std::string last = name.substr(name.size() - 3); // one character in UTF-8
    const char* const elements[5] = {"水", "木", "金", "土", "火"};
    for (int e = 0; e < 5; ++e)
        if (last == elements[e]) return e;
    return -1;
}

TEST(PalaceElement, NayinOfEveryPairOfTheCycle) {
    for (int i = 0; i < 60; ++i) {
        const int expected = ElementOfName(kNayinNames[i / 2]);
        ASSERT_GE(expected, 0);
        EXPECT_EQ(NayinElement(i % 10, i % 12), expected)
            << "cycle index " << i << " " << kNayinNames[i / 2];
    }
}

TEST(PalaceElement, NoElementForWhatIsNotAPairOfTheCycle) {
    EXPECT_EQ(NayinElement(0, 1), -1); // 甲丑 does not exist
    EXPECT_EQ(NayinElement(1, 0), -1);
    EXPECT_EQ(NayinElement(-1, 0), -1);
    EXPECT_EQ(NayinElement(10, 0), -1);
    EXPECT_EQ(NayinElement(0, 12), -1);
    EXPECT_EQ(NayinElement(0, -2), -1);
    ChartBlock empty; // stem nibble 0 at every position: 甲 at 卯 is not a pair
    EXPECT_EQ(PalaceElement(empty, 1), -1);
    EXPECT_EQ(PalaceElement(empty, 0), 0);  // 甲寅 大溪水
    EXPECT_EQ(PalaceElement(empty, 10), 2); // 甲子 海中金
    ChartBlock corrupt;
    corrupt.palaceInfo[3] = 0x1C; // stem 12
    EXPECT_EQ(PalaceElement(corrupt, 3), -1);
}

// The case the old drawing got wrong: 命宮 戊子 in a 火六局 chart is 火, not 金.
TEST(PalaceElement, LifePalaceWuZiIsFire) {
    EXPECT_EQ(PalaceElement(4, At(Zi)), 4);  // 霹靂火
    EXPECT_EQ(PalaceElement(2, At(Zi)), 0);  // 丙子 澗下水
    EXPECT_EQ(PalaceElement(9, At(Hai)), 0); // 癸亥 大海水
}

// Over births spread across the whole table, every hour and both sexes, and
// with the chart laid out from 命宮 and from 身宮: in the natal chart every
// palace's element is the 五行局 table's value for that palace, so the base
// palace's is the chart's own 五行局; the ten-year chart keeps the natal stems and
// with them the same elements; every chart of every level has an element in
// every palace.
TEST(PalaceElement, BasePalaceCarriesTheBureauAtEveryLevel) {
    int checked = 0;
    for (int panBase = 0; panBase <= 1; ++panBase) {
        Env e;
        e.settings.PanBase = static_cast<int16_t>(panBase);
        for (int year = 1901; year <= 2098; year += 3) {
            for (int step = 0; step < 6; ++step) {
                const int month = 1 + (year + 5 * step) % 12;
                const int day = 1 + (year * 7 + step * 11) % 28;
                const int hour = (year + step) % 13;
                ChartRecord r;
                BirthInput in = Dialog(year, month, day, hour, (year + step) % 2);
                ASSERT_TRUE(LoadChartInputs(r, in, InputCommand::NewClient, e.env()).ok());
                const int base = panBase == 1 ? r.bodyPalace : r.lifePalace;
                const int bureauElement = r.bureau - 2;
                ASSERT_EQ(PalaceElement(r.natalChart, base), bureauElement)
                    << year << "-" << month << "-" << day << " hour " << hour;
                for (int p = 0; p < 12; ++p)
                    ASSERT_EQ(PalaceElement(r.natalChart, p), detail::BureauOf(p, r.yearStem) - 2);

                r.flowLunarYear = static_cast<int16_t>(std::min(2099, r.lunarYear + step * 9));
                r.flowLunarMonth = static_cast<int16_t>(month);
                r.flowLunarDay = static_cast<int16_t>(day);
                r.flowHour = static_cast<int16_t>(hour);
                r.flowMinute = static_cast<int16_t>(step * 2);
                r.tenYearPalace = static_cast<int16_t>((base + step) % 12);
                for (int level = 1; level <= 6; ++level) {
                    ASSERT_TRUE(ComputePeriodChart(r, level, r.periodChart, e.env()).ok());
                    for (int p = 0; p < 12; ++p)
                        ASSERT_GE(PalaceElement(r.periodChart, p), 0) << "level " << level;
                    if (level == 1) {
                        ASSERT_EQ(PalaceElement(r.periodChart, base), bureauElement);
                    }
                    // The natal block stays as it was whatever level is computed.
                    ASSERT_EQ(PalaceElement(r.natalChart, base), bureauElement);
                    ++checked;
                }
            }
        }
    }
    EXPECT_GT(checked, 2 * 66 * 6 * 6 - 10);
}

} // namespace
} // namespace zelk::test
