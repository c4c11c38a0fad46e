// Texts and JSON of a corrected birth time, for the centre block, the chart
// window's warnings, CSV columns and the command-line tool.
#pragma once

#include "birth_time.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

namespace zelk {

// "YYYY-MM-DD HH:MM".
QString FormatBirthMoment(const LocalDateTime& t);

// "出生時間", "標準時間", "真太陽時".
QString BirthTimeRuleLabel(BirthTimeRule rule);

// The time the chart uses, for the centre block: "真太陽時 08:32",
// "標準時間 08:30 (夏令時間已扣除)", "出生時間 09:30 (未扣除夏令時間)"; a used
// date other than the clock's date adds "前一日" or "次日" to the note.
QString UsedTimeText(const BirthTime& time);

// "子時" ... "亥時" for HourIndex 0-11, "晚子時" for 12.
QString HourIndexName(int hourIndex);

// {"clock", "zone", "utcOffsetMinutes", "daylightSaving", "standard",
//  "trueSolar" (null without a longitude), "rule", "used", "hourIndex"}.
QJsonObject BirthTimeJson(const BirthTime& time);
// [{"kind", "minutes" (boundary kinds only), "text"}, ...].
QJsonArray BirthWarningsJson(const BirthTime& time);

} // namespace zelk
