#include "client_record.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace zelk {

namespace {

// Offsets of the stored image. The list is written out in full so that the
// layout can be checked against the table at a glance.
namespace at {
constexpr int id = 0, name = 4, year = 68, month = 70, day = 72, hourIndex = 74, hour = 76,
              minute = 78, lunarYear = 80, lunarMonth = 82, lunarDay = 84, reserved86 = 86,
              sex = 88, isLeapMonth = 92, address = 96, phone = 224, note = 288, reserved800 = 800,
              bloodType = 802, customBirthday = 804, birthPlace = 808, longitude = 872,
              latitude = 896, height = 920, siblingRank = 922, education = 924, createdDate = 988,
              email = 1018, introducer = 1146, category = 1210, reserved1270 = 1270;
} // namespace at

static_assert(at::name + 2 * 32 == at::year);
static_assert(at::address + 2 * 64 == at::phone);
static_assert(at::note + 2 * 256 == at::reserved800);
static_assert(at::createdDate + 2 * 15 == at::email);
static_assert(at::category + 2 * 30 == at::reserved1270);
static_assert(at::reserved1270 + 730 == kUserInfoSize);

// Little-endian reads and writes, independent of the host's byte order.
uint32_t ReadU32(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}
uint16_t ReadU16(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return uint16_t(b[0] | b[1] << 8);
}
void WriteU32(char* p, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = char((v >> (8 * i)) & 0xFF);
}
void WriteU16(char* p, uint16_t v) {
    p[0] = char(v & 0xFF);
    p[1] = char(v >> 8);
}

// Texts are UTF-16LE: on a little-endian host the units are the bytes as they
// stand, and copying them whole keeps a full-database load fast.
template <int N> void ReadText(const char* p, FixedText<N>& field) {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(field.units.data(), p, 2 * N);
    } else {
        for (int i = 0; i < N; ++i) field.units[i] = char16_t(ReadU16(p + 2 * i));
    }
}
template <int N> void WriteText(char* p, const FixedText<N>& field) {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(p, field.units.data(), 2 * N);
    } else {
        for (int i = 0; i < N; ++i) WriteU16(p + 2 * i, field.units[i]);
    }
}
template <size_t N> void ReadRaw(const char* p, std::array<uint8_t, N>& raw) {
    std::memcpy(raw.data(), p, N);
}
template <size_t N> void WriteRaw(char* p, const std::array<uint8_t, N>& raw) {
    std::memcpy(p, raw.data(), N);
}

int16_t ReadI16(const char* p) {
    return int16_t(ReadU16(p));
}
int32_t ReadI32(const char* p) {
    return int32_t(ReadU32(p));
}
void WriteI16(char* p, int16_t v) {
    WriteU16(p, uint16_t(v));
}
void WriteI32(char* p, int32_t v) {
    WriteU32(p, uint32_t(v));
}

} // namespace

void AssignTextUnits(char16_t* field, int units, QStringView value) {
    const char16_t* source = value.utf16();
    qsizetype length = qMin<qsizetype>(value.size(), units - 1);
    if (length > 0 && length < value.size() && QChar::isHighSurrogate(source[length - 1])) --length;
    std::fill_n(field, units, u'\0');
    std::copy_n(source, length, field);
}

tagUserInfo ParseUserInfo(const char* b) {
    tagUserInfo r;
    r.id = ReadI32(b + at::id);
    ReadText(b + at::name, r.name);
    r.year = ReadI16(b + at::year);
    r.month = ReadI16(b + at::month);
    r.day = ReadI16(b + at::day);
    r.hourIndex = ReadI16(b + at::hourIndex);
    r.hour = ReadI16(b + at::hour);
    r.minute = ReadI16(b + at::minute);
    r.lunarYear = ReadI16(b + at::lunarYear);
    r.lunarMonth = ReadI16(b + at::lunarMonth);
    r.lunarDay = ReadI16(b + at::lunarDay);
    ReadRaw(b + at::reserved86, r.reserved86);
    r.sex = ReadI32(b + at::sex);
    r.isLeapMonth = ReadI32(b + at::isLeapMonth);
    ReadText(b + at::address, r.address);
    ReadText(b + at::phone, r.phone);
    ReadText(b + at::note, r.note);
    ReadRaw(b + at::reserved800, r.reserved800);
    r.bloodType = ReadU16(b + at::bloodType);
    r.customBirthday = ReadI32(b + at::customBirthday);
    ReadText(b + at::birthPlace, r.birthPlace);
    ReadText(b + at::longitude, r.longitude);
    ReadText(b + at::latitude, r.latitude);
    r.height = ReadI16(b + at::height);
    r.siblingRank = ReadI16(b + at::siblingRank);
    ReadText(b + at::education, r.education);
    ReadText(b + at::createdDate, r.createdDate);
    ReadText(b + at::email, r.email);
    ReadText(b + at::introducer, r.introducer);
    ReadText(b + at::category, r.category);
    ReadRaw(b + at::reserved1270, r.reserved1270);
    return r;
}

void SerializeUserInfo(const tagUserInfo& r, char* b) {
    WriteI32(b + at::id, r.id);
    WriteText(b + at::name, r.name);
    WriteI16(b + at::year, r.year);
    WriteI16(b + at::month, r.month);
    WriteI16(b + at::day, r.day);
    WriteI16(b + at::hourIndex, r.hourIndex);
    WriteI16(b + at::hour, r.hour);
    WriteI16(b + at::minute, r.minute);
    WriteI16(b + at::lunarYear, r.lunarYear);
    WriteI16(b + at::lunarMonth, r.lunarMonth);
    WriteI16(b + at::lunarDay, r.lunarDay);
    WriteRaw(b + at::reserved86, r.reserved86);
    WriteI32(b + at::sex, r.sex);
    WriteI32(b + at::isLeapMonth, r.isLeapMonth);
    WriteText(b + at::address, r.address);
    WriteText(b + at::phone, r.phone);
    WriteText(b + at::note, r.note);
    WriteRaw(b + at::reserved800, r.reserved800);
    WriteU16(b + at::bloodType, r.bloodType);
    WriteI32(b + at::customBirthday, r.customBirthday);
    WriteText(b + at::birthPlace, r.birthPlace);
    WriteText(b + at::longitude, r.longitude);
    WriteText(b + at::latitude, r.latitude);
    WriteI16(b + at::height, r.height);
    WriteI16(b + at::siblingRank, r.siblingRank);
    WriteText(b + at::education, r.education);
    WriteText(b + at::createdDate, r.createdDate);
    WriteText(b + at::email, r.email);
    WriteText(b + at::introducer, r.introducer);
    WriteText(b + at::category, r.category);
    WriteRaw(b + at::reserved1270, r.reserved1270);
}

QByteArray SerializeUserInfo(const tagUserInfo& record) {
    QByteArray bytes(kUserInfoSize, '\0');
    SerializeUserInfo(record, bytes.data());
    return bytes;
}

} // namespace zelk
