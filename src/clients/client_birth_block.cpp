#include "client_birth_block.h"

#include <QByteArrayView>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace zelk {

namespace {

constexpr char kSignature[4] = {'Z', 'K', 'B', 'T'};
constexpr uint8_t kVersion = 1;
constexpr int kOffRule = 6, kOffFlags = 7, kOffLongitude = 8, kOffLatitude = 12,
              kOffZoneLength = 16, kOffZone = 17, kOffChecksum = 62;
constexpr uint8_t kHasLongitude = 1, kHasLatitude = 2;
constexpr double kMicro = 1e6;
static_assert(kOffZone + kBirthBlockZoneLength == kOffChecksum);
static_assert(kOffChecksum + 2 == kBirthBlockSize);
static_assert(kBirthBlockSize <= int(sizeof(tagUserInfo::reserved1270)));

bool IsZoneCharacter(uint8_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '+' || c == '/' || c == ':';
}

uint16_t Checksum(const uint8_t* block) {
    return qChecksum(QByteArrayView(reinterpret_cast<const char*>(block), kOffChecksum));
}

// Millionths of a degree; empty for a value beyond the limit or not a number.
std::optional<int32_t> Micro(double degrees, double limit) {
    if (!(std::abs(degrees) <= limit)) return std::nullopt;
    return static_cast<int32_t>(std::lround(degrees * kMicro));
}

bool InLimit(int32_t micro, double limit) {
    return std::abs(static_cast<double>(micro)) <= limit * kMicro;
}

} // namespace

std::optional<ClientBirthBlock> ReadBirthBlock(const tagUserInfo& record) {
    const uint8_t* b = record.reserved1270.data();
    if (std::memcmp(b, kSignature, 4) != 0 || b[4] != kVersion || b[5] != kBirthBlockSize)
        return std::nullopt;
    if (qFromLittleEndian<uint16_t>(b + kOffChecksum) != Checksum(b)) return std::nullopt;

    const uint8_t rule = b[kOffRule], flags = b[kOffFlags], zoneLength = b[kOffZoneLength];
    const int32_t longitude = qFromLittleEndian<int32_t>(b + kOffLongitude);
    const int32_t latitude = qFromLittleEndian<int32_t>(b + kOffLatitude);
    // A block that passes the checksum but holds what no writer writes is damaged
    // all the same; every field must be in the form WriteBirthBlock gives it.
    if (rule > static_cast<uint8_t>(StoredTimeRule::Solar) ||
        (flags & ~(kHasLongitude | kHasLatitude)) != 0 || zoneLength > kBirthBlockZoneLength)
        return std::nullopt;
    if ((flags & kHasLongitude) ? !InLimit(longitude, 180.0) : longitude != 0) return std::nullopt;
    if ((flags & kHasLatitude) ? !InLimit(latitude, 90.0) : latitude != 0) return std::nullopt;
    const uint8_t* zone = b + kOffZone;
    if (!std::all_of(zone, zone + zoneLength, IsZoneCharacter) ||
        !std::all_of(zone + zoneLength, zone + kBirthBlockZoneLength,
                     [](uint8_t c) { return c == 0; }))
        return std::nullopt;

    ClientBirthBlock block;
    block.rule = static_cast<StoredTimeRule>(rule);
    block.zone = QString::fromLatin1(reinterpret_cast<const char*>(zone), zoneLength);
    if (flags & kHasLongitude) block.longitude = longitude / kMicro;
    if (flags & kHasLatitude) block.latitude = latitude / kMicro;
    return block;
}

bool WriteBirthBlock(tagUserInfo& record, const ClientBirthBlock& block) {
    if (block.zone.size() > kBirthBlockZoneLength) return false;
    for (QChar c : block.zone)
        if (c.unicode() > 0x7F || !IsZoneCharacter(static_cast<uint8_t>(c.unicode()))) return false;
    std::optional<int32_t> longitude, latitude;
    if (block.longitude && !(longitude = Micro(*block.longitude, 180.0))) return false;
    if (block.latitude && !(latitude = Micro(*block.latitude, 90.0))) return false;
    if (static_cast<uint8_t>(block.rule) > static_cast<uint8_t>(StoredTimeRule::Solar))
        return false;

    uint8_t b[kBirthBlockSize] = {};
    std::memcpy(b, kSignature, 4);
    b[4] = kVersion;
    b[5] = kBirthBlockSize;
    b[kOffRule] = static_cast<uint8_t>(block.rule);
    b[kOffFlags] =
        static_cast<uint8_t>((longitude ? kHasLongitude : 0) | (latitude ? kHasLatitude : 0));
    qToLittleEndian<int32_t>(longitude.value_or(0), b + kOffLongitude);
    qToLittleEndian<int32_t>(latitude.value_or(0), b + kOffLatitude);
    b[kOffZoneLength] = static_cast<uint8_t>(block.zone.size());
    const QByteArray zone = block.zone.toLatin1();
    std::memcpy(b + kOffZone, zone.constData(), static_cast<std::size_t>(zone.size()));
    qToLittleEndian<uint16_t>(Checksum(b), b + kOffChecksum);
    std::memcpy(record.reserved1270.data(), b, kBirthBlockSize);
    return true;
}

void ClearBirthBlock(tagUserInfo& record) {
    // Bytes without the signature are not ours to clear.
    if (std::memcmp(record.reserved1270.data(), kSignature, 4) != 0) return;
    std::fill_n(record.reserved1270.begin(), kBirthBlockSize, uint8_t{0});
}

} // namespace zelk
