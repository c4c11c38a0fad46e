// Checks of the shipped solar-term table (resources/solar_terms.dat) read as
// raw bytes: its layout, its internal consistency over all 300 years, and
// agreement with moments published by almanac offices and observatories.
//
// Layout: for each Gregorian year 1801–2100, 24 entries of four bytes
// (month, day, hour 0–23, minute) in UTC+8, 小寒 first; year y, term i at
// (y − 1801)·96 + 4·i.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr int kFirstYear = 1801;
constexpr int kLastYear = 2100;
constexpr int kTerms = 24;
constexpr std::size_t kTableBytes = (kLastYear - kFirstYear + 1) * kTerms * 4;

enum Term {
    XiaoHan = 0, // 小寒
    LiChun = 2,  // 立春
    ChunFen = 5, // 春分
    QingMing = 6,
    XiaZhi = 11, // 夏至
    QiuFen = 17, // 秋分
    DongZhi = 23 // 冬至
};

const std::vector<std::uint8_t>& TableBytes() {
    static const std::vector<std::uint8_t> bytes = [] {
        std::ifstream in(ZELK_SOLAR_TERMS_FILE, std::ios::binary);
        return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in),
                                         std::istreambuf_iterator<char>());
    }();
    return bytes;
}

struct Entry {
    int month, day, hour, minute;
};

Entry EntryOf(int year, int term) {
    const std::uint8_t* p = TableBytes().data() + (year - kFirstYear) * 96 + term * 4;
    return {p[0], p[1], p[2], p[3]};
}

bool IsLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

// Days from 1970-01-01 of a Gregorian date (proleptic, any year here).
long long DaysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

long long Minutes(int y, int mo, int d, int h, int mi) {
    return (DaysFromCivil(y, mo, d) * 24 + h) * 60 + mi;
}

// An absolute moment (minutes since 1970 in UTC+8) of a table entry.
long long MomentOf(int year, int term) {
    const Entry e = EntryOf(year, term);
    return Minutes(year, e.month, e.day, e.hour, e.minute);
}

std::string Describe(int year, int term) {
    const Entry e = EntryOf(year, term);
    return std::to_string(year) + " term " + std::to_string(term) + " = " +
           std::to_string(e.month) + "-" + std::to_string(e.day) + " " + std::to_string(e.hour) +
           ":" + std::to_string(e.minute);
}

class SolarTermTable : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(TableBytes().size(), kTableBytes)
            << "missing or damaged table: " << ZELK_SOLAR_TERMS_FILE;
    }
};

// Every entry is a real clock time on a real day, in the month its term
// always falls in: the 節 (even terms) early in the month, the 中氣 (odd
// terms) late, term i in month i/2 + 1.
TEST_F(SolarTermTable, EveryEntryIsARealMomentInItsMonth) {
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        for (int term = 0; term < kTerms; ++term) {
            const Entry e = EntryOf(year, term);
            SCOPED_TRACE(Describe(year, term));
            ASSERT_EQ(e.month, term / 2 + 1);
            ASSERT_GE(e.day, 1);
            ASSERT_LE(e.day, DaysInMonth(year, e.month));
            ASSERT_LE(e.hour, 23);
            ASSERT_LE(e.minute, 59);
            if (term % 2 == 0) {
                EXPECT_GE(e.day, 3);
                EXPECT_LE(e.day, 9);
            } else {
                EXPECT_GE(e.day, 18);
                EXPECT_LE(e.day, 24);
            }
        }
    }
}

// The Sun needs 14.7 days (near perihelion, early January) to 15.8 days (near
// aphelion, early July) for 15° of longitude. This holds within each year and
// across the turn of the year from 冬至 to the next 小寒.
TEST_F(SolarTermTable, TermsFollowEachOtherFifteenDaysApart) {
    constexpr long long kShortest = static_cast<long long>(14.7 * 1440);
    constexpr long long kLongest = static_cast<long long>(15.8 * 1440);
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        for (int term = 0; term < kTerms; ++term) {
            const bool last = term == kTerms - 1;
            if (last && year == kLastYear) break;
            const long long gap = last ? MomentOf(year + 1, 0) - MomentOf(year, term)
                                       : MomentOf(year, term + 1) - MomentOf(year, term);
            SCOPED_TRACE(Describe(year, term));
            EXPECT_GE(gap, kShortest);
            EXPECT_LE(gap, kLongest);
        }
    }
}

// Four tropical years (1460.97 days) after any term the same term comes
// again; the planets and the Moon pull it by at most about half an hour, and
// an entry lies within 30 minutes of the mean of the same term four years
// before and after. A single entry off by half an hour or more stands out
// here even when the order of its year still looks right.
TEST_F(SolarTermTable, EachTermRecursFourTropicalYearsLater) {
    constexpr double kFourTropicalYearsMinutes = 4 * 365.24219 * 1440;
    for (int year = kFirstYear; year + 4 <= kLastYear; ++year) {
        for (int term = 0; term < kTerms; ++term) {
            const double shift =
                static_cast<double>(MomentOf(year + 4, term) - MomentOf(year, term));
            EXPECT_NEAR(shift, kFourTropicalYearsMinutes, 40) << Describe(year, term);
            if (year - 4 < kFirstYear) continue;
            const double mean = (MomentOf(year - 4, term) + MomentOf(year + 4, term)) / 2.0;
            EXPECT_NEAR(static_cast<double>(MomentOf(year, term)), mean, 30)
                << Describe(year, term);
        }
    }
}

struct Published {
    int year, term;
    int month, day, hour, minute; // UTC+8
    const char* source;
};

// Moments as published, converted to UTC+8 where they were given in UTC. A
// table entry may differ from a value rounded elsewhere by at most a minute:
// published moments carry the publisher's own ΔT and rounding.
TEST_F(SolarTermTable, AgreesWithPublishedMomentsWithinAMinute) {
    const std::vector<Published> published = {
        // Published almanac values for China (UTC+8), as announced by the
        // national observatory.
        {1984, LiChun, 2, 4, 23, 19, "1984 立春, published almanac value"},
        {2020, QiuFen, 9, 22, 21, 31, "2020 秋分, published almanac value"},
        {2022, LiChun, 2, 4, 4, 51, "2022 立春, published almanac value"},
        {2024, LiChun, 2, 4, 16, 27, "2024 立春, published almanac value"},
        {2024, QingMing, 4, 4, 15, 2, "2024 清明, published almanac value"},
        {2025, QingMing, 4, 4, 20, 49, "2025 清明, published almanac value"},
        {2026, QingMing, 4, 5, 2, 40, "2026 清明, published almanac value"},
        // Equinox of 2024-03-20 03:06:21 UTC, published almanac value of the
        // French ephemeris office.
        {2024, ChunFen, 3, 20, 11, 6, "2024 March equinox, published almanac value"},
        // Almanac for 1996 (UT): Mar 20 08:03, Jun 21 02:24, Sep 22 18:00,
        // Dec 21 14:06; published almanac value.
        {1996, ChunFen, 3, 20, 16, 3, "1996 March equinox"},
        {1996, XiaZhi, 6, 21, 10, 24, "1996 June solstice"},
        {1996, QiuFen, 9, 23, 2, 0, "1996 September equinox"},
        {1996, DongZhi, 12, 21, 22, 6, "1996 December solstice"},
        // 2023 December solstice, 2023-12-22 03:27 UTC, published almanac value.
        {2023, DongZhi, 12, 22, 11, 27, "2023 December solstice"},
    };
    for (const Published& p : published) {
        const long long expected = Minutes(p.year, p.month, p.day, p.hour, p.minute);
        EXPECT_LE(std::llabs(MomentOf(p.year, p.term) - expected), 1)
            << p.source << ": table has " << Describe(p.year, p.term);
    }
}

// All 24 terms of 2013 in Hong Kong time (UTC+8) as the Hong Kong
// Observatory published them from the data of the British and U.S. nautical
// almanac offices (published almanac values).
TEST_F(SolarTermTable, AgreesWithAPublishedYearWithinAMinute) {
    const Entry published2013[kTerms] = {
        {1, 5, 12, 34},  {1, 20, 5, 52},   {2, 4, 0, 13},  {2, 18, 20, 2},  {3, 5, 18, 15},
        {3, 20, 19, 2},  {4, 4, 23, 2},    {4, 20, 6, 3},  {5, 5, 16, 18},  {5, 21, 5, 9},
        {6, 5, 20, 23},  {6, 21, 13, 4},   {7, 7, 6, 35},  {7, 22, 23, 56}, {8, 7, 16, 20},
        {8, 23, 7, 2},   {9, 7, 19, 16},   {9, 23, 4, 44}, {10, 8, 10, 58}, {10, 23, 14, 10},
        {11, 7, 14, 14}, {11, 22, 11, 48}, {12, 7, 7, 9},  {12, 22, 1, 11}};
    for (int term = 0; term < kTerms; ++term) {
        const Entry& e = published2013[term];
        const long long expected = Minutes(2013, e.month, e.day, e.hour, e.minute);
        EXPECT_LE(std::llabs(MomentOf(2013, term) - expected), 1)
            << "table has " << Describe(2013, term);
    }
}

// Equinoxes and solstices 2004–2017 in UTC from the U.S. naval observatory's
// table of the Earth's seasons (published almanac values): day of March,
// June, September and December and the time, to the minute.
TEST_F(SolarTermTable, AgreesWithPublishedSeasonsWithinAMinute) {
    struct Season {
        int day, hour, minute;
    };
    struct Year {
        int year;
        Season march, june, september, december;
    };
    const std::vector<Year> seasons = {
        {2004, {20, 6, 49}, {21, 0, 57}, {22, 16, 30}, {21, 12, 42}},
        {2005, {20, 12, 33}, {21, 6, 46}, {22, 22, 23}, {21, 18, 35}},
        {2006, {20, 18, 26}, {21, 12, 26}, {23, 4, 3}, {22, 0, 22}},
        {2007, {21, 0, 7}, {21, 18, 6}, {23, 9, 51}, {22, 6, 8}},
        {2008, {20, 5, 48}, {20, 23, 59}, {22, 15, 44}, {21, 12, 4}},
        {2009, {20, 11, 44}, {21, 5, 45}, {22, 21, 18}, {21, 17, 47}},
        {2010, {20, 17, 32}, {21, 11, 28}, {23, 3, 9}, {21, 23, 38}},
        {2011, {20, 23, 21}, {21, 17, 16}, {23, 9, 4}, {22, 5, 30}},
        {2012, {20, 5, 14}, {20, 23, 9}, {22, 14, 49}, {21, 11, 11}},
        {2013, {20, 11, 2}, {21, 5, 4}, {22, 20, 44}, {21, 17, 11}},
        {2014, {20, 16, 57}, {21, 10, 51}, {23, 2, 29}, {21, 23, 3}},
        {2015, {20, 22, 45}, {21, 16, 38}, {23, 8, 20}, {22, 4, 48}},
        {2016, {20, 4, 30}, {20, 22, 34}, {22, 14, 21}, {21, 10, 44}},
        {2017, {20, 10, 28}, {21, 4, 24}, {22, 20, 2}, {21, 16, 28}},
    };
    constexpr int kUtcPlus8Minutes = 8 * 60;
    for (const Year& y : seasons) {
        const struct {
            int term, month;
            Season s;
        } events[] = {{ChunFen, 3, y.march},
                      {XiaZhi, 6, y.june},
                      {QiuFen, 9, y.september},
                      {DongZhi, 12, y.december}};
        for (const auto& e : events) {
            const long long expected =
                Minutes(y.year, e.month, e.s.day, e.s.hour, e.s.minute) + kUtcPlus8Minutes;
            EXPECT_LE(std::llabs(MomentOf(y.year, e.term) - expected), 1)
                << y.year << " month " << e.month << ": table has " << Describe(y.year, e.term);
        }
    }
}

} // namespace
