// The birth-time block of a client record: the time zone of the birthplace, the
// rule the client's charts read the birth time with, and the longitude and
// latitude as numbers. It lives in the record's reserved area (offset 1270), so
// the record keeps its 2000-byte layout and readers that know nothing of it keep
// the bytes as they are.
//
// Layout, 64 bytes at the start of the reserved area (absolute offset 1270),
// integers little-endian:
//   0  4  signature "ZKBT"
//   4  1  version, 1
//   5  1  size of the block in bytes, 64
//   6  1  rule: 0 follow the program's setting, 1 clock, 2 standard, 3 solar
//   7  1  flags: bit 0 a longitude is stored, bit 1 a latitude; other bits 0
//   8  4  longitude, int32, millionths of a degree east (0 without the flag)
//  12  4  latitude, int32, millionths of a degree north (0 without the flag)
//  16  1  length n of the zone id, 0-45
//  17 45  zone id (IANA name), ASCII, n bytes then zeros
//  62  2  CRC-16 (ISO 3309, qChecksum) of bytes 0-61
// Anything else in those 64 bytes is no block: reading gives "no data". The rest
// of the reserved area is never touched.
#pragma once

#include "client_record.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace zelk {

inline constexpr int kBirthBlockOffset = 1270; // absolute offset in the stored record
inline constexpr int kBirthBlockSize = 64;
inline constexpr int kBirthBlockZoneLength = 45;

enum class StoredTimeRule : uint8_t { FollowSetting = 0, Clock = 1, Standard = 2, Solar = 3 };

struct ClientBirthBlock {
    StoredTimeRule rule = StoredTimeRule::FollowSetting;
    QString zone;                    // IANA id; empty = none given
    std::optional<double> longitude; // degrees east, kept to a millionth of a degree
    std::optional<double> latitude;  // degrees north, likewise
    friend bool operator==(const ClientBirthBlock&, const ClientBirthBlock&) = default;
};

// The block of a record; empty when there is none or it is damaged.
std::optional<ClientBirthBlock> ReadBirthBlock(const tagUserInfo& record);

// Writes the block into the record's reserved area. Refuses (false, record
// unchanged) a zone id longer than 45 characters or with characters other than
// ASCII letters, digits and _ - + / :, a longitude beyond ±180° or a latitude
// beyond ±90° (or not a number).
bool WriteBirthBlock(tagUserInfo& record, const ClientBirthBlock& block);

// Removes the block: when the reserved area starts with the signature (a block,
// whole or damaged), its 64 bytes become zeros as in a new record; otherwise
// nothing changes.
void ClearBirthBlock(tagUserInfo& record);

} // namespace zelk
