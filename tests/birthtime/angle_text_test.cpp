// Longitudes and latitudes in the forms people type, and the refusals.
#include "angle_text.h"

#include <gtest/gtest.h>

namespace zelk {
namespace {

struct Accepted {
    const char16_t* text;
    double degrees;
};

TEST(ParseLongitude, ReadsTheCommonForms) {
    const Accepted rows[] = {
        {u"121.5", 121.5},
        {u"121", 121.0},
        {u"121°30'", 121.5},
        {u"121°30′", 121.5},
        {u"121º30'", 121.5},
        {u"121°30", 121.5},
        {u"121°30'36\"", 121.51},
        {u"121°30′36″", 121.51},
        {u"121°30'36''", 121.51},
        {u"121°30.6'", 121.51},
        {u"121度30分", 121.5},
        {u"121度30分36秒", 121.51},
        {u"E121.5", 121.5},
        {u"e121.5", 121.5},
        {u"121.5E", 121.5},
        {u"E 121° 30'", 121.5},
        {u"東經121.5", 121.5},
        {u"東經121度30分", 121.5},
        {u"121度30分東經", 121.5},
        {u"东经121.5", 121.5},
        {u"東121.5", 121.5},
        {u"-74", -74.0},
        {u"+74", 74.0},
        {u"−74", -74.0}, // the typographic minus sign
        {u"74W", -74.0},
        {u"W74", -74.0},
        {u"74°0'21\"W", -(74.0 + 21.0 / 3600.0)},
        {u"西經74", -74.0},
        {u"西經73度59分", -(73.0 + 59.0 / 60.0)},
        {u"１２１．５", 121.5},
        {u"東經１２１度３０分", 121.5},
        {u"－７４", -74.0},
        {u"Ｅ１２１．５", 121.5},
        {u"  121.5  ", 121.5},
        {u"180", 180.0},
        {u"-180", -180.0},
        {u"0", 0.0},
    };
    for (const Accepted& row : rows) {
        const AngleResult r = ParseLongitude(QString::fromUtf16(row.text));
        ASSERT_TRUE(r) << QString::fromUtf16(row.text).toStdString() << ": "
                       << r.error.toStdString();
        EXPECT_NEAR(*r.degrees, row.degrees, 1e-9) << QString::fromUtf16(row.text).toStdString();
        EXPECT_TRUE(r.error.isEmpty());
    }
}

TEST(ParseLatitude, ReadsTheCommonForms) {
    const Accepted rows[] = {
        {u"25.03", 25.03},
        {u"25°2'", 25.0 + 2.0 / 60.0},
        {u"北緯25度", 25.0},
        {u"N25.03", 25.03},
        {u"25.03N", 25.03},
        {u"南緯33.9", -33.9},
        {u"33°52'S", -(33.0 + 52.0 / 60.0)},
        {u"-33.9", -33.9},
        {u"北纬25", 25.0},
        {u"90", 90.0},
        {u"s90", -90.0},
    };
    for (const Accepted& row : rows) {
        const AngleResult r = ParseLatitude(QString::fromUtf16(row.text));
        ASSERT_TRUE(r) << QString::fromUtf16(row.text).toStdString() << ": "
                       << r.error.toStdString();
        EXPECT_NEAR(*r.degrees, row.degrees, 1e-9) << QString::fromUtf16(row.text).toStdString();
    }
}

TEST(ParseLongitude, RefusesWhatItCannotRead) {
    const char16_t* rows[] = {
        u"abc", u"121.5.3",     u"121,5",     u"121°30'15\"20", // four components
        u".5",  u"121.",        u"121.5°30'",                   // a fraction before the last part
        u"30'", u"121°°",       u"E121.5W",   u"東經121.5E",    u"121E30", u"-E121", u"E",
        u"°",   u"121 30 15 5", u"1e2",       u"121°-30'",      u"--74",   u"經121",
    };
    for (const char16_t* text : rows) {
        const AngleResult r = ParseLongitude(QString::fromUtf16(text));
        EXPECT_FALSE(r) << QString::fromUtf16(text).toStdString();
        EXPECT_FALSE(r.error.isEmpty()) << QString::fromUtf16(text).toStdString();
        EXPECT_FALSE(r.blank);
    }
}

TEST(ParseLongitude, ExplainsEachRefusal) {
    EXPECT_TRUE(ParseLongitude(u"xyz").error.contains(u"無法辨識的經度"));
    EXPECT_TRUE(ParseLongitude(u"xyz").error.contains(u"東經121.5"));

    const AngleResult beyond = ParseLongitude(u"181");
    EXPECT_FALSE(beyond);
    EXPECT_TRUE(beyond.error.contains(u"-180 至 180")) << beyond.error.toStdString();
    EXPECT_FALSE(ParseLongitude(u"180°0'1\""));
    EXPECT_FALSE(ParseLongitude(u"西經180.5"));

    const AngleResult minutes = ParseLongitude(u"121°60'");
    EXPECT_FALSE(minutes);
    EXPECT_TRUE(minutes.error.contains(u"小於 60")) << minutes.error.toStdString();
    EXPECT_FALSE(ParseLongitude(u"121°59'60\""));

    const AngleResult latitudeWord = ParseLongitude(u"北緯25");
    EXPECT_FALSE(latitudeWord);
    EXPECT_TRUE(latitudeWord.error.contains(u"緯度")) << latitudeWord.error.toStdString();
    EXPECT_FALSE(ParseLongitude(u"25N"));

    const AngleResult both = ParseLongitude(u"-74W");
    EXPECT_FALSE(both);
    EXPECT_TRUE(both.error.contains(u"正負號")) << both.error.toStdString();
}

TEST(ParseLatitude, RefusesLongitudesAndValuesBeyondThePoles) {
    EXPECT_FALSE(ParseLatitude(u"121.5"));
    EXPECT_TRUE(ParseLatitude(u"91").error.contains(u"-90 至 90"));
    EXPECT_FALSE(ParseLatitude(u"E25"));
    EXPECT_TRUE(ParseLatitude(u"東經25").error.contains(u"經度"));
}

TEST(ParseLongitude, BlankTextIsMarkedAsBlank) {
    for (const char16_t* text : {u"", u"   ", u"\u3000"}) {
        const AngleResult r = ParseLongitude(QString::fromUtf16(text));
        EXPECT_FALSE(r);
        EXPECT_TRUE(r.blank);
        EXPECT_FALSE(r.error.isEmpty());
    }
}

TEST(FormatAngle, ReadsBackThroughBothParsers) {
    for (double v : {121.5, -74.006, 0.0, 180.0, -33.8688}) {
        const AngleResult r = ParseLongitude(FormatAngle(v));
        ASSERT_TRUE(r) << FormatAngle(v).toStdString();
        EXPECT_NEAR(*r.degrees, v, 5e-5);
    }
    EXPECT_EQ(FormatAngle(121.5), QStringLiteral("121.5000"));
    // Short enough for the record's longitude field (11 characters).
    EXPECT_LE(FormatAngle(-179.99999).size(), 11);
}

} // namespace
} // namespace zelk
