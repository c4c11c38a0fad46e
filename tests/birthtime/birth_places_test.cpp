// The table of birthplaces: finding a place in a 出生地 text, and the table's own
// facts checked against the tz database.
#include "birth_places.h"

#include <QTimeZone>

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace zelk {
namespace {

QString NameOf(const BirthPlace* place) {
    return place ? QString::fromUtf16(place->name) : QStringLiteral("(none)");
}

struct Lookup {
    const char16_t* text;
    const char16_t* place; // nullptr: no place
};

TEST(FindBirthPlace, MatchesWholeNamesAndShortForms) {
    const Lookup rows[] = {
        {u"台北", u"臺北市"},
        {u"臺北", u"臺北市"},
        {u"台北市", u"臺北市"},
        {u"臺北市", u"臺北市"},
        {u"Taipei", u"臺北市"},
        {u"TAIPEI", u"臺北市"},
        {u"台灣台北市大安區", u"臺北市"},
        {u"臺北縣板橋市", u"新北市"}, // the old county name, not 臺北市
        {u"新北市", u"新北市"},
        {u"新竹", u"新竹市"},
        {u"新竹縣竹北市", u"新竹縣"},
        {u"嘉義縣", u"嘉義縣"},
        {u"台中", u"臺中市"},
        {u"台東", u"臺東縣"},
        {u"馬祖", u"連江縣"},
        {u"香港九龍", u"香港"},
        {u"Hong Kong", u"香港"},
        {u"澳门", u"澳門"},
        {u"廣州", u"廣州市"},
        {u"广州市", u"廣州市"},
        {u"中國廣東省廣州市", u"廣州市"},
        {u"吉隆坡", u"吉隆坡"},
        {u"Kuala Lumpur, Malaysia", u"吉隆坡"},
        {u"Singapore", u"新加坡"},
        {u"Vancouver, BC", u"溫哥華"},
        {u"ｖａｎｃｏｕｖｅｒ", u"溫哥華"},
        {u"new   york", u"紐約"},
        {u"美國紐約", u"紐約"},
        {u"Parish", nullptr}, // a Latin name matches as a whole word only
        {u"Parisian", nullptr},
        {u"Paris", u"巴黎"},
        {u"台南市南京東路", u"臺南市"}, // the longer name wins over 南京
        {u"南京", u"南京市"},
        {u"", nullptr},
        {u"火星", nullptr},
    };
    for (const Lookup& row : rows) {
        const BirthPlace* found = FindBirthPlace(QString::fromUtf16(row.text));
        const QString expected =
            row.place ? QString::fromUtf16(row.place) : QStringLiteral("(none)");
        EXPECT_EQ(NameOf(found), expected) << QString::fromUtf16(row.text).toStdString();
    }
}

TEST(FindBirthPlace, FillsZoneAndCoordinates) {
    const BirthPlace* taipei = FindBirthPlace(u"台北");
    ASSERT_TRUE(taipei);
    EXPECT_STREQ(taipei->zone, "Asia/Taipei");
    EXPECT_NEAR(taipei->longitude, 121.56, 0.05);
    EXPECT_NEAR(taipei->latitude, 25.04, 0.05);
    const BirthPlace* newYork = FindBirthPlace(u"New York");
    ASSERT_TRUE(newYork);
    EXPECT_STREQ(newYork->zone, "America/New_York");
    EXPECT_LT(newYork->longitude, 0);
}

// Every place: a zone the tz database knows; a longitude whose mean solar time is
// within a few hours of the zone's standard time (catches an east/west or
// north/south slip); Taiwan's and China's places inside their countries' bounds.
TEST(BirthPlaces, AgreeWithTheTzDatabaseAndTheMap) {
    std::set<std::u16string> names;
    const QDateTime january(QDate(2001, 1, 15), QTime(12, 0), Qt::UTC);
    for (const BirthPlace& p : BirthPlaces()) {
        const QString name = QString::fromUtf16(p.name);
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(names.insert(p.name).second) << "listed twice";
        const QTimeZone zone(p.zone);
        ASSERT_TRUE(zone.isValid()) << p.zone;
        const double standardHours = zone.standardTimeOffset(january) / 3600.0;
        EXPECT_LT(std::abs(p.longitude / 15.0 - standardHours), 3.0);
        EXPECT_LE(std::abs(p.latitude), 90.0);
        EXPECT_LE(std::abs(p.longitude), 180.0);
        const std::string id = p.zone;
        if (id == "Asia/Taipei") {
            EXPECT_TRUE(p.latitude > 21.8 && p.latitude < 26.4 && p.longitude > 118.1 &&
                        p.longitude < 122.1);
        }
        if (id == "Asia/Shanghai") {
            EXPECT_TRUE(p.latitude > 18.0 && p.latitude < 53.6 && p.longitude > 73.5 &&
                        p.longitude < 135.1);
        }
        // Every name finds its own place.
        EXPECT_EQ(FindBirthPlace(name), &p);
    }
    EXPECT_GE(names.size(), 90u);
}

} // namespace
} // namespace zelk
