// The current client database: the list in memory, the file it came from and
// every operation that changes it. Each change rewrites the whole file and reads
// it back, so the list always shows what is on disk.
//
// Safety rules beyond that:
// - every write goes through a temporary file that replaces the old one only when
//   complete (a failed write leaves the old file and the list as they were);
// - a file read as damaged, or one that exists but could not be read, is copied
//   to "<name>.damaged" before it is first overwritten; without a copy, no write;
// - the list never holds more than kClientListLimit records.
#pragma once

#include "client_messages.h"
#include "client_record.h"
#include "client_settings.h"

#include <QSet>
#include <QString>

#include <optional>
#include <set>
#include <vector>

namespace zelk {

inline constexpr char kDefaultClientDatabaseName[] = "QUILMAIN.kvy";

// The current file: LastOpenUserFile when it can be read; else a file of the same
// name in the program directory when that can be read; else QUILMAIN.kvy in the
// program directory, whether it exists or not.
QString ResolveClientDatabasePath(const QString& lastOpenUserFile, const QString& programDir);

// File name without directory and extension, + "_客戶資料": the client tree's root label.
QString ClientTreeRootLabel(const QString& path);

// True when the file exists and can be opened for reading.
bool IsReadableFile(const QString& path);

class ClientDatabase {
  public:
    explicit ClientDatabase(ClientSettings& settings) : settings_(settings) {}

    const ClientList& clients() const { return list_; }
    int count() const { return int(list_.size()); }
    const QString& currentPath() const { return current_; }
    ClientSettings& settings() { return settings_; }

    // Makes `path` (empty: the resolved path) current and reads it, replacing the
    // list. A file that cannot be opened leaves the list as it was.
    ClientStoreResult LoadClientDatabase(const QString& path = {});

    // index < 0 appends, otherwise replaces the record at index; saves and reloads.
    // result.index is the record's position.
    ClientStoreResult StoreClient(const tagUserInfo& record, int index);
    // Removes one record (444 when index is outside the list); saves and reloads.
    ClientStoreResult DeleteClientAt(int index);
    // Removes the records at the given positions (invalid ones are skipped).
    ClientStoreResult DeleteClientsAt(const std::set<int>& positions);

    std::optional<tagUserInfo> GetClientAt(int index) const;
    // Records whose name equals key.name regardless of letter case and whose id
    // equals key.id; each match is copied into `key`.
    std::vector<ClientIndex> FindClientsByNameAndId(tagUserInfo& key) const;

    // Fresh numbers from UserNextId for imported records.
    void RenumberClients(ClientList& list);
    QString MakeClientAutoName(const tagUserInfo& record) const;

    // Appends `source` in order, saves and reloads. Refused as a whole (805)
    // when the list would pass kClientListLimit.
    ClientStoreResult AppendClients(const ClientList& source);

    ClientStoreResult CreateClientDatabase(const QString& path);
    ClientStoreResult SwitchClientDatabase(const QString& path);
    ClientStoreResult SaveClientDatabaseAs(const QString& path);

    // Writes the whole list to the current file (what closing the client pane does).
    ClientStoreResult SaveClientDatabase();

    // True while `path` was read damaged or unreadable and has not been rewritten.
    bool needsBackupBeforeWrite(const QString& path) const;

  private:
    void EnsureCurrentPath();
    ClientStoreResult WriteList(const QString& path);
    ClientStoreResult KeepDamagedCopy(const QString& path);
    void ApplyNextNumberRule();

    ClientSettings& settings_;
    ClientList list_;
    QString current_;
    QSet<QString> guarded_; // absolute paths to copy before overwriting
};

} // namespace zelk
