#include "birth_time_text.h"

#include "birth_time_steps.h"
#include "calendar/pillars.h"

#include <QStringList>

namespace zelk {

namespace {

QString TwoDigits(int v) {
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

} // namespace

QString FormatBirthMoment(const LocalDateTime& t) {
    return QStringLiteral("%1-%2-%3 %4:%5")
        .arg(t.year, 4, 10, QLatin1Char('0'))
        .arg(TwoDigits(t.month), TwoDigits(t.day), TwoDigits(t.hour), TwoDigits(t.minute));
}

QString BirthTimeRuleLabel(BirthTimeRule rule) {
    switch (rule) {
    case BirthTimeRule::Standard:
        return QStringLiteral("標準時間");
    case BirthTimeRule::Solar:
        return QStringLiteral("真太陽時");
    case BirthTimeRule::Clock:
        break;
    }
    return QStringLiteral("出生時間");
}

QString UsedTimeText(const BirthTime& time) {
    QStringList notes;
    if (time.daylightSaving && time.rule == BirthTimeRule::Standard)
        notes << (time.summerTime ? QStringLiteral("夏令時間已扣除")
                                  : QStringLiteral("%1 已改為標準時間")
                                        .arg(birthtime::OffsetText(time.utcOffsetMinutes * 60)));
    if (time.daylightSaving && time.rule == BirthTimeRule::Clock)
        notes << (time.summerTime ? QStringLiteral("未扣除夏令時間")
                                  : QStringLiteral("時鐘為 %1")
                                        .arg(birthtime::OffsetText(time.utcOffsetMinutes * 60)));
    const int64_t dayShift =
        (birthtime::LocalSeconds({time.used.year, time.used.month, time.used.day, 0, 0}) -
         birthtime::LocalSeconds({time.clock.year, time.clock.month, time.clock.day, 0, 0})) /
        86400;
    if (dayShift < 0) notes << QStringLiteral("前一日");
    if (dayShift > 0) notes << QStringLiteral("次日");

    QString text =
        BirthTimeRuleLabel(time.rule) + QLatin1Char(' ') + birthtime::ClockTimeText(time.used);
    if (!notes.isEmpty()) text += QStringLiteral(" (%1)").arg(notes.join(QStringLiteral("，")));
    return text;
}

QString HourIndexName(int hourIndex) {
    if (hourIndex == 12) return QStringLiteral("晚子時");
    if (hourIndex < 0 || hourIndex > 12) return {};
    return QString::fromUtf8(BranchName(hourIndex)) + QStringLiteral("時");
}

QJsonObject BirthTimeJson(const BirthTime& time) {
    QJsonObject o;
    o.insert(QStringLiteral("clock"), FormatBirthMoment(time.clock));
    o.insert(QStringLiteral("zone"), time.zone);
    o.insert(QStringLiteral("utcOffsetMinutes"), time.utcOffsetMinutes);
    o.insert(QStringLiteral("daylightSaving"), time.daylightSaving);
    o.insert(QStringLiteral("standard"), FormatBirthMoment(time.standard));
    o.insert(QStringLiteral("trueSolar"), time.trueSolar
                                              ? QJsonValue(FormatBirthMoment(*time.trueSolar))
                                              : QJsonValue(QJsonValue::Null));
    o.insert(QStringLiteral("rule"), BirthTimeRuleKey(time.rule));
    o.insert(QStringLiteral("used"), FormatBirthMoment(time.used));
    o.insert(QStringLiteral("hourIndex"), time.hourIndex);
    return o;
}

QJsonArray BirthWarningsJson(const BirthTime& time) {
    QJsonArray list;
    for (const BirthWarning& w : time.warnings) {
        QJsonObject o;
        o.insert(QStringLiteral("kind"), BirthWarningKindKey(w.kind));
        if (w.minutes) o.insert(QStringLiteral("minutes"), *w.minutes);
        o.insert(QStringLiteral("text"), w.text);
        list.append(o);
    }
    return list;
}

namespace birthtime {

QString OffsetText(int offsetSeconds) {
    const int minutes = (offsetSeconds >= 0 ? offsetSeconds + 30 : offsetSeconds - 30) / 60;
    const int whole = std::abs(minutes);
    QString text = QStringLiteral("UTC%1%2")
                       .arg(minutes < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                       .arg(whole / 60);
    if (whole % 60 != 0) text += QLatin1Char(':') + TwoDigits(whole % 60);
    return text;
}

QString ClockTimeText(const LocalDateTime& t) {
    return TwoDigits(t.hour) + QLatin1Char(':') + TwoDigits(t.minute);
}

QString DaylightSavingText(int advanceMinutes, bool summerTime, int offsetSeconds) {
    if (summerTime)
        return QStringLiteral("出生時正值夏令時間，時鐘比標準時間快 %1 分鐘").arg(advanceMinutes);
    return QStringLiteral("出生時當地時鐘為 %1，比標準時間快 %2 分鐘")
        .arg(OffsetText(offsetSeconds))
        .arg(advanceMinutes);
}

QString AmbiguousClockText(const LocalDateTime& clock, int offsetSeconds) {
    return QStringLiteral("時鐘撥回，%1 出現兩次，以第一次（%2）計算")
        .arg(ClockTimeText(clock), OffsetText(offsetSeconds));
}

QString SkippedClockText(const LocalDateTime& clock, int offsetSeconds) {
    return QStringLiteral("時鐘撥快，%1 並不存在，以撥快前的 %2 計算")
        .arg(ClockTimeText(clock), OffsetText(offsetSeconds));
}

QString HourBoundaryText(const NeighbourHour& n, const LocalDateTime& used, int hourIndex) {
    const bool neighbourFirst = n.earlier;
    const QString pair =
        neighbourFirst
            ? HourIndexName(n.hour.hourIndex) + QStringLiteral("／") + HourIndexName(hourIndex)
            : HourIndexName(hourIndex) + QStringLiteral("／") + HourIndexName(n.hour.hourIndex);
    const int64_t borderSeconds =
        LocalSeconds(used) + (neighbourFirst ? -n.minutes : n.minutes) * int64_t{60};
    const QString border = ClockTimeText(LocalOfSeconds(borderSeconds));
    if (n.dayChange) {
        const QString where = n.minutes == 0
                                  ? QStringLiteral("恰在 %1 換日").arg(border)
                                  : QStringLiteral("距 %1 換日 %2 分鐘").arg(border).arg(n.minutes);
        return where + QStringLiteral("（%1，晚子時屬次一農曆日）").arg(pair);
    }
    if (n.minutes == 0) return QStringLiteral("恰在時辰交界 %1（%2）").arg(border, pair);
    return QStringLiteral("距時辰交界 %1（%2）%3 分鐘").arg(border, pair).arg(n.minutes);
}

QString SolarTermText(int termIndex, const LocalDateTime& termInUsedTime, int minutes) {
    const QString name = QString::fromUtf8(SolarTermName(termIndex));
    const QString when = FormatBirthMoment(termInUsedTime);
    if (minutes == 0) return QStringLiteral("恰在%1交節（%2）").arg(name, when);
    return QStringLiteral("距%1交節 %2 分鐘（%3）").arg(name).arg(minutes).arg(when);
}

} // namespace birthtime

} // namespace zelk
