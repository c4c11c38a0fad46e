// The compiled string table, generated at build time from resources/strings*.txt.
// Internal to the settings layer: use string_table.h.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zelk::detail {

struct StringEntry {
    uint16_t id;
    uint32_t size; // bytes of UTF-8
    const char* utf8;
};

// Sorted by id, no duplicates (the generator checks both).
extern const StringEntry kStringTable[];
extern const std::size_t kStringTableSize;

} // namespace zelk::detail
