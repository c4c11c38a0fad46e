// The finder of the client pane: a short text turned into a filter, and the test
// of one record against it.
//
// A text of digits only is also read as a birth date: 4 or more digits give the
// year, 6 or more the month, 8 the day. A record is shown when its birth date
// matches, or its name contains the text, or its category does (letter case
// ignored). An empty finder, or the hint text itself, shows everyone.
#pragma once

#include "client_record.h"

#include <QString>
#include <QStringView>

namespace zelk {

// The hint the empty finder box shows.
inline constexpr char16_t kClientFinderHint[] = u"可用姓名或類別或生日YYYYMMDD搜尋。";
inline constexpr int kFilterTextUnits = 50;

struct ClientFilter {
    int filterYear = 0; // 0 = not given
    int filterMonth = 0;
    int filterDay = 0;
    QString filterText; // at most kFilterTextUnits - 1 units
    QString upperText;  // filterText in upper case, for the substring tests
};

ClientFilter ApplyClientFinder(QStringView text);
bool MatchesClientFilter(const ClientFilter& filter, const tagUserInfo& record);

} // namespace zelk
