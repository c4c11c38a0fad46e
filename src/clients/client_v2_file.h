// Client files of the previous generation (".AID"), read only.
//
//   0   32 bytes  not read
//   32  int16 N   N + 1 records follow when N >= 0, none when N < 0
//   34  2 bytes   not read
//   36  (N + 1) x 412-byte records
//
// Record: name[32], nine int16 (year, month, day, hour index, hour, minute, lunar
// year, lunar month, lunar day), 2 bytes, int32 sex, int32 leap flag, address[64],
// telephone[32], note[256]; texts in Big5, ended by a zero byte. A file shorter
// than its header says gives the whole records it holds and a report.
#pragma once

#include "client_messages.h"
#include "client_record.h"

#include <QByteArrayView>
#include <QString>

namespace zelk {

inline constexpr int kV2HeaderSize = 36;
inline constexpr int kV2RecordSize = 412;

struct V2ClientImage {
    ClientList records;
    int announced = 0;   // N + 1, or 0
    bool short_ = false; // fewer whole records than announced
};

V2ClientImage ParseV2ClientFile(QByteArrayView bytes);
tagUserInfo ParseV2ClientRecord(const char* bytes);

// Fills `list` (emptied first). A file that cannot be opened adds nothing and is
// reported with kMsgCannotOpenFile; a short one with kMsgLegacyFileShort.
ClientStoreResult ReadV2ClientFile(const QString& path, ClientList& list);

} // namespace zelk
