// The finder: digits as a birth date, texts against name and category.
#include "client_finder.h"
#include "client_test_support.h"

#include <gtest/gtest.h>

namespace zelk {
namespace {

using test::SampleClient;

tagUserInfo Client(const QString& name, int year, int month, int day,
                   const QString& category = {}) {
    tagUserInfo r = SampleClient(1, name, year, month, day);
    r.category.assign(category);
    return r;
}

bool Shows(QStringView finder, const tagUserInfo& r) {
    return MatchesClientFilter(ApplyClientFinder(finder), r);
}

TEST(ClientFinder, DigitsSetTheDateParts) {
    EXPECT_EQ(ApplyClientFinder(u"198").filterYear, 0);
    const ClientFilter f = ApplyClientFinder(u"19800315");
    EXPECT_EQ(f.filterYear, 1980);
    EXPECT_EQ(f.filterMonth, 3);
    EXPECT_EQ(f.filterDay, 15);
    const ClientFilter m = ApplyClientFinder(u"198003");
    EXPECT_EQ(m.filterMonth, 3);
    EXPECT_EQ(m.filterDay, 0);
    EXPECT_EQ(ApplyClientFinder(u"1980a").filterYear, 0);
    EXPECT_EQ(ApplyClientFinder(u"１９８０").filterYear, 0) << "only ASCII digits are a date";
}

TEST(ClientFinder, DateNameAndCategoryTests) {
    const tagUserInfo born1980 = Client(QStringLiteral("王小明"), 1980, 3, 15);
    const tagUserInfo born1980May = Client(QStringLiteral("李"), 1980, 5, 1);
    const tagUserInfo named1980 = Client(QStringLiteral("1980班"), 1975, 1, 1);
    const tagUserInfo other = Client(QStringLiteral("陳"), 1975, 1, 1, QStringLiteral("VIP客戶"));

    EXPECT_TRUE(Shows(u"1980", born1980));
    EXPECT_TRUE(Shows(u"1980", named1980));
    EXPECT_FALSE(Shows(u"1980", other));
    EXPECT_TRUE(Shows(u"198003", born1980));
    EXPECT_FALSE(Shows(u"198003", born1980May));
    EXPECT_TRUE(Shows(u"19800315", born1980));
    EXPECT_FALSE(Shows(u"19800316", born1980));
    EXPECT_FALSE(Shows(u"198", born1980)) << "fewer than 4 digits set no date";
    EXPECT_TRUE(Shows(u"198", named1980));

    EXPECT_TRUE(Shows(u"vip", other));
    EXPECT_TRUE(Shows(u"王", born1980));
    EXPECT_FALSE(Shows(u"王", other));
    for (const auto* r : {&born1980, &named1980, &other}) {
        EXPECT_TRUE(Shows(u"", *r));
        EXPECT_TRUE(Shows(QStringView(kClientFinderHint), *r));
    }
}

TEST(ClientFinder, LongFinderTextIsCutToItsField) {
    const ClientFilter f = ApplyClientFinder(QString(80, QChar(u'x')));
    EXPECT_EQ(f.filterText.size(), kFilterTextUnits - 1);
    ClientFilter byHand;
    byHand.filterText = QStringLiteral("vip"); // no upper-case form given
    EXPECT_TRUE(
        MatchesClientFilter(byHand, Client(QStringLiteral("x"), 1, 1, 1, QStringLiteral("VIP"))));
}

} // namespace
} // namespace zelk
