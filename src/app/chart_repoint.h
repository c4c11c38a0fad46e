// Keeping open charts on their own client when records move.
//
// A chart remembers its client's position in the list. Deleting records moves
// every record behind them down; re-reading a file may move them anywhere. Before a
// later modification writes the chart's client back, the position must be found
// again, or the client would be written over someone else's record.
#pragma once

#include "clients/client_record.h"

#include <cstdint>
#include <set>

namespace zelk {

// The position the chart's client has now, or -1 when its record is gone.
// `oldIndex` is the position before the change, `id` the client number of the
// chart's copy, `removed` the positions deleted (as they were before deleting).
// The shifted position is tried first and accepted only when its record carries the
// same number; otherwise the list is searched for that number (nearest to the
// shifted position when several records carry it).
int RepointClientIndex(int oldIndex, int32_t id, const std::set<int>& removed,
                       const ClientList& now);

} // namespace zelk

namespace zelk {

// True when `index` is a position of `list` whose record carries `id`: the check
// made before a modified client is written back to its position.
bool ClientStillAt(const ClientList& list, int index, int32_t id);

} // namespace zelk
