// The settings key table: every key's id, width and section. A key's id is also
// the number of the string that holds its name ("TimeBase" is string 306) and
// what selects its default.
#pragma once

#include "app_settings.h"
#include "calendar/current_time.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace zelk {

// Section names as stored are "a16_S3" followed by one of these strings.
inline constexpr int kMainSectionId = 102; // "MainSection"
inline constexpr int kStarSectionId = 103; // "StarSection"

// Key ids of the keys other code names directly.
namespace key {
inline constexpr int PanBase = 305, TimeBase = 306, BaseYear = 307, BaseMonth = 308, BaseDate = 309,
                     BaseTime = 310, BaseIsLeap = 311, UsePanParm = 312;
inline constexpr int ASTAR1 = 457, ASTAR2 = 458, BSTAR1 = 459, BSTAR2 = 460, BSTAR3 = 461;
inline constexpr int UserNextId = 549, UserDefinedFourHuaData = 552, FourHuaType = 563;
inline constexpr int LastOpenUserFile = 608, UserInfoFinderFilter = 609, GISUONG_RULE = 611;
} // namespace key

enum class KeyWidth : uint8_t {
    Int16,    // a 16-bit field: the low 16 bits of the stored value
    Int32,    // a 32-bit field
    MaskHalf, // ASTAR1 ... BSTAR3: 16 bits of a display mask (0-65535)
    Text,     // a string of at most 499 characters
};

struct SettingKey {
    int id;
    KeyWidth width;
    int sectionId; // kStarSectionId or kMainSectionId
};

// Every key, in the order of the key table.
std::span<const SettingKey> SettingKeys();
const SettingKey* FindSettingKey(int id);
// Exact (case-sensitive) match of the key name.
const SettingKey* FindSettingKeyByName(std::string_view name);

QString SettingKeyName(int id);            // the key's string, e.g. "TimeBase"
QString SettingSectionName(int sectionId); // "a16_S3" + the section string

// The default of a key. The custom-date keys (307-311) take the lunar year,
// month, day, hour index and leap flag of `now`; every other key has a fixed
// default, 0 for an id not in the table.
int32_t SettingDefault(int keyId, const CurrentTime& now);

// The value of an integer key as AppSettings holds it (mask halves as 0-65535);
// nullopt for a text key or an id not in the table.
std::optional<int32_t> SettingValue(const AppSettings& s, int keyId);
// Stores an integer key into AppSettings (16-bit fields keep the low 16 bits,
// mask halves set their half). False for a text key or an id not in the table.
bool SetSettingValue(AppSettings& s, int keyId, int32_t value);

} // namespace zelk
