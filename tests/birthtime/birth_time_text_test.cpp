// The texts and the JSON of a corrected birth time.
#include "birth_time_test_support.h"
#include "birth_time_text.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

namespace zelk {
namespace {

using test::At;
using test::Corrected;

TEST(BirthTimeJson, HasEveryFieldInItsForm) {
    const BirthTime t = Corrected("Asia/Taipei", At(1975, 7, 15, 9, 30));
    const QJsonObject expected = QJsonDocument::fromJson(R"({
        "clock": "1975-07-15 09:30", "zone": "Asia/Taipei", "utcOffsetMinutes": 540,
        "daylightSaving": true, "standard": "1975-07-15 08:30", "trueSolar": null,
        "rule": "standard", "used": "1975-07-15 08:30", "hourIndex": 4})")
                                     .object();
    EXPECT_EQ(BirthTimeJson(t), expected) << QJsonDocument(BirthTimeJson(t)).toJson().toStdString();

    const QJsonArray warnings = BirthWarningsJson(t);
    ASSERT_EQ(warnings.size(), 1);
    const QJsonObject dst = warnings[0].toObject();
    EXPECT_EQ(dst.value(QStringLiteral("kind")).toString(), QStringLiteral("daylightSaving"));
    EXPECT_FALSE(dst.contains(QStringLiteral("minutes")));
    EXPECT_EQ(dst.value(QStringLiteral("text")).toString(),
              QStringLiteral("出生時正值夏令時間，時鐘比標準時間快 60 分鐘"));
}

TEST(BirthTimeJson, BoundaryWarningsCarryTheirMinutes) {
    const BirthTime t =
        Corrected("America/New_York", At(1990, 3, 1, 12, 57), BirthTimeRule::Solar, -74.01);
    const QJsonObject o = BirthTimeJson(t);
    EXPECT_EQ(o.value(QStringLiteral("utcOffsetMinutes")).toInt(), -300);
    EXPECT_EQ(o.value(QStringLiteral("rule")).toString(), QStringLiteral("solar"));
    EXPECT_TRUE(o.value(QStringLiteral("trueSolar")).isString());
    EXPECT_EQ(o.value(QStringLiteral("used")), o.value(QStringLiteral("trueSolar")));
    const QJsonArray warnings = BirthWarningsJson(t);
    for (const QJsonValue& v : warnings) {
        const QString kind = v.toObject().value(QStringLiteral("kind")).toString();
        const bool boundary = kind == QStringLiteral("hourBoundary") ||
                              kind == QStringLiteral("dayBoundary") ||
                              kind == QStringLiteral("solarTerm");
        EXPECT_EQ(v.toObject().contains(QStringLiteral("minutes")), boundary);
    }
}

TEST(UsedTimeText, NamesTheRuleAndWhatWasRemoved) {
    EXPECT_EQ(UsedTimeText(Corrected("Asia/Taipei", At(1975, 7, 15, 9, 30), BirthTimeRule::Clock)),
              QStringLiteral("出生時間 09:30 (未扣除夏令時間)"));
    EXPECT_EQ(UsedTimeText(Corrected("Asia/Taipei", At(1980, 7, 15, 9, 30), BirthTimeRule::Clock)),
              QStringLiteral("出生時間 09:30"));
    EXPECT_EQ(UsedTimeText(Corrected("Asia/Taipei", At(1980, 7, 15, 9, 30))),
              QStringLiteral("標準時間 09:30"));
    EXPECT_EQ(UsedTimeText(Corrected("Asia/Taipei", At(1940, 7, 15, 9, 30), BirthTimeRule::Clock)),
              QStringLiteral("出生時間 09:30 (時鐘為 UTC+9)"));
    EXPECT_EQ(UsedTimeText(
                  Corrected("Asia/Kolkata", At(1990, 7, 15, 9, 30), BirthTimeRule::Solar, 77.21)),
              QStringLiteral("真太陽時 09:03")); // 04:00 UTC + 5 h 08 min 50 s - 5 min 53 s
}

TEST(BirthTimeText, HourNamesAndMoments) {
    EXPECT_EQ(HourIndexName(0), QStringLiteral("子時"));
    EXPECT_EQ(HourIndexName(4), QStringLiteral("辰時"));
    EXPECT_EQ(HourIndexName(12), QStringLiteral("晚子時"));
    EXPECT_TRUE(HourIndexName(13).isEmpty());
    EXPECT_EQ(FormatBirthMoment(At(987, 1, 2, 3, 4)), QStringLiteral("0987-01-02 03:04"));
}

} // namespace
} // namespace zelk
