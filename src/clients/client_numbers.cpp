#include "client_numbers.h"

#include <limits>

namespace zelk {

int32_t FollowingClientId(int32_t current) {
    return current == std::numeric_limits<int32_t>::max() ? current : current + 1;
}

void RenumberClients(ClientList& list, int32_t& nextId) {
    for (auto& record : list) {
        record.id = nextId;
        nextId = FollowingClientId(nextId);
    }
}

int32_t NextIdAfterRebuild(const ClientList& list, int32_t nextId) {
    if (list.empty() || nextId > list.back().id) return nextId;
    return FollowingClientId(list.back().id);
}

QString MakeClientAutoName(const tagUserInfo& record, int32_t nextId, int yearDisplay) {
    const long long n = record.id >= 1 ? record.id : nextId;
    long long y = record.year;
    const char* format = "%lld-%04lld%02d%02d%02d";
    if (yearDisplay == 1) {
        y -= 1911;
        if (y > 0)
            format = "%lld-%03lld%02d%02d%02d";
        else
            y -= 1; // no year 0 in Minguo counting: 1911 is 民國前1年
    }
    return QString::asprintf(format, n, y, int(record.month), int(record.day), int(record.hour));
}

} // namespace zelk
