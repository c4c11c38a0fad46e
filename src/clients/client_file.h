// The client database file (".kvy"): a record count and the records, nothing else.
//
//   count < 65535:  uint16 count, then count x 2000 bytes
//   count >= 65535: FF FF, uint32 count, then count x 2000 bytes
//
// An empty database is the two bytes 00 00. The file has no signature and no
// checksum, so the reader checks what it can: the count must fit the file's size,
// nothing may follow the last record, and no more than kClientListLimit records
// are taken. Anything else is damage: the whole records are kept and reported.
#pragma once

#include "client_messages.h"
#include "client_record.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>

namespace zelk {

enum class ClientFileDamage {
    None,
    NoCount,       // shorter than its count field
    Truncated,     // ends inside the records the count announces
    TrailingBytes, // bytes follow the last announced record
    OverLimit,     // announces more records than a client list holds
};

struct ClientFileImage {
    ClientList records;
    uint32_t announced = 0; // the count the file gives
    ClientFileDamage damage = ClientFileDamage::None;
};

// Decodes a whole file image. Never reads past the bytes given and never
// reserves more than the bytes can hold, whatever the count says.
ClientFileImage ParseClientFile(QByteArrayView bytes);

// The file image of the records at `positions` (in that order), or of all records.
QByteArray SerializeClientFile(const ClientList& list);
QByteArray SerializeClientFile(const ClientList& list, const std::vector<int>& positions);

// Reads a client database file into `list` (emptied first when `replace`). Not
// opened (ok false): the list stays as it was; a missing file is silent, a file
// that exists but cannot be read reports kMsgCannotReadFile. Damage keeps the
// whole records and reports kMsgFileDamaged with the number kept; ok stays true.
ClientStoreResult ReadClientFile(const QString& path, ClientList& list, bool replace);

// Writes the bytes through a temporary file beside `path`, which replaces the old
// file only once it is complete and flushed. A failure leaves the old file as it
// was and reports kMsgWriteFailed.
ClientStoreResult WriteFileAtomically(const QString& path, const QByteArray& bytes,
                                      int failMessage = kMsgWriteFailed);

// WriteFileAtomically of SerializeClientFile.
ClientStoreResult WriteClientFile(const QString& path, const ClientList& list);
ClientStoreResult WriteClientFile(const QString& path, const ClientList& list,
                                  const std::vector<int>& positions);

} // namespace zelk
