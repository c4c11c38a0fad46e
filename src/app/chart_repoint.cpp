#include "chart_repoint.h"

#include <cstdlib>

namespace zelk {

int RepointClientIndex(int oldIndex, int32_t id, const std::set<int>& removed,
                       const ClientList& now) {
    if (oldIndex < 0 || removed.count(oldIndex)) return -1;
    int shifted = oldIndex;
    for (int p : removed)
        if (p >= 0 && p < oldIndex) --shifted;
    const int size = static_cast<int>(now.size());
    if (shifted < size && now[shifted].id == id) return shifted;
    int best = -1;
    for (int p = 0; p < size; ++p) {
        if (now[p].id != id) continue;
        if (best < 0 || std::abs(p - shifted) < std::abs(best - shifted)) best = p;
    }
    return best;
}

} // namespace zelk

namespace zelk {

bool ClientStillAt(const ClientList& list, int index, int32_t id) {
    return index >= 0 && index < static_cast<int>(list.size()) && list[index].id == id;
}

} // namespace zelk
