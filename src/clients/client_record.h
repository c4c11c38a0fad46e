// tagUserInfo: one client, exactly as it is stored in a client database file.
//
// The stored image is 2000 bytes: integers little-endian, texts UTF-16LE ended by
// a 0 unit inside their field. The struct below is the typed form; it is never
// copied to or from disk as memory. ParseUserInfo and SerializeUserInfo walk the
// fields at their offsets, and every byte the struct does not interpret (reserved
// areas, units after a text's terminator) is kept so that an unchanged record is
// written back byte for byte.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <vector>

namespace zelk {

inline constexpr int kUserInfoSize = 2000;

// Writes `value` into a field of `units` units: at most units - 1 of them (never
// half of a surrogate pair), then zeros to the end of the field.
void AssignTextUnits(char16_t* field, int units, QStringView value);

// A text field of N UTF-16 units. A reader stops at the first 0 unit or at the
// end of the field; at most N - 1 characters are ever written into it.
template <int N> struct FixedText {
    static constexpr int kUnits = N;
    std::array<char16_t, N> units{};

    QString text() const {
        int length = 0;
        while (length < N && units[length] != 0)
            ++length;
        return QString(reinterpret_cast<const QChar*>(units.data()), length);
    }
    // Stores the text cut to N - 1 units and clears the rest of the field, so no
    // fragment of an older text survives.
    void assign(QStringView value) { AssignTextUnits(units.data(), N, value); }
    bool empty() const { return units[0] == 0; }
    friend bool operator==(const FixedText&, const FixedText&) = default;
};

struct tagUserInfo {
    int32_t id = 0;     // client number
    FixedText<32> name; // at most 31 characters
    int16_t year = 0;   // Gregorian birth date
    int16_t month = 0;  // 1-12
    int16_t day = 0;
    int16_t hourIndex = 0;  // 0-12; 12 = the late 子 hour
    int16_t hour = 0;       // dialog: 2 x hourIndex (0..24); CSV: clock hour 0-23
    int16_t minute = 0;     // 0-59
    int16_t lunarYear = 0;  // lunar birth date (advanced one day for the late 子 hour)
    int16_t lunarMonth = 0; // 1-12
    int16_t lunarDay = 0;   // 1-30
    std::array<uint8_t, 2> reserved86{};
    int32_t sex = 0;         // 0 male, 1 female
    int32_t isLeapMonth = 0; // 1 = the lunar month is the leap month
    FixedText<64> address;
    FixedText<32> phone;
    FixedText<256> note; // may hold line breaks
    std::array<uint8_t, 2> reserved800{};
    uint16_t bloodType = 0;     // 0 未知, 1 A, 2 B, 3 AB, 4 O
    int32_t customBirthday = 0; // non-zero = set
    FixedText<32> birthPlace;
    FixedText<12> longitude; // as typed
    FixedText<12> latitude;  // as typed
    int16_t height = 0;      // 0 = not given
    int16_t siblingRank = 0; // 0 not given, 1-15, 16 = 16 or later
    FixedText<32> education;
    FixedText<15> createdDate; // "%04d/%02d/%02d"
    FixedText<64> email;
    FixedText<32> introducer;
    FixedText<30> category; // free text, searched by the finder
    std::array<uint8_t, 730> reserved1270{};

    friend bool operator==(const tagUserInfo&, const tagUserInfo&) = default;
};

// The client list in file order. New records go to the end; nothing sorts it.
using ClientList = std::vector<tagUserInfo>;
// A position in ClientList: 0-based, -1 = none (or "append" for StoreClient).
using ClientIndex = int16_t;
inline constexpr int kClientListLimit = 32767;

// Reads one record from exactly kUserInfoSize bytes.
tagUserInfo ParseUserInfo(const char* bytes);
// Writes one record into exactly kUserInfoSize bytes.
void SerializeUserInfo(const tagUserInfo& record, char* bytes);
QByteArray SerializeUserInfo(const tagUserInfo& record);

} // namespace zelk
