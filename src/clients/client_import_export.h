// Import of client files into the current database, and export of the clients
// that are checked and shown under the finder.
//
// The format follows the extension, compared exactly: "csv", "AID" (import
// only) or "kvy"; anything else is refused with 682. An import is all or
// nothing: when the list would pass its limit or the database cannot be written,
// nothing is added and the next client number stays where it was.
#pragma once

#include "client_database.h"
#include "client_finder.h"
#include "client_messages.h"

#include <QString>

#include <set>
#include <vector>

namespace zelk {

enum class ClientFileKind { Csv, Legacy, Database, Unsupported };
ClientFileKind ClientFileKindOf(const QString& extension);
// The text after the last "." of the file name (empty when there is none).
QString ClientFileExtension(const QString& path);

struct ClientImportResult : ClientStoreResult {
    int imported = 0;
    int rejected = 0;     // CSV lines refused
    QString rejectedPath; // the rejected-lines file of a CSV import
};

ClientImportResult ImportClientFile(ClientDatabase& database, const QString& extension,
                                    const QString& path);

// The positions of `checked` that are inside the list and that the finder shows,
// in list order.
std::vector<int> CheckedVisiblePositions(const ClientList& list, const std::set<int>& checked,
                                         const ClientFilter& filter);

// 683 when nothing is checked; 684 when the file was written, 686 when not.
ClientStoreResult ExportCheckedClients(const ClientList& list, const std::set<int>& checked,
                                       const ClientFilter& filter, const QString& extension,
                                       const QString& path);

} // namespace zelk
