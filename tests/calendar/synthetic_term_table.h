// A solar-term table with plausible moments for every year, so pillar tests do
// not depend on the generated data file: term i on day 6 (even i) or 21 (odd i)
// of month i / 2 + 1 at 12:00, with chosen entries overridden.
#pragma once

#include "solar_terms.h"

#include <cstdint>
#include <vector>

namespace zelk::testing {

inline std::size_t TermOffset(int year, int index) {
    return static_cast<std::size_t>(year - kFirstTermYear) * 96 +
           static_cast<std::size_t>(index) * 4;
}

inline void SetTerm(std::vector<uint8_t>& bytes, int year, int index, int month, int day, int hour,
                    int minute) {
    const std::size_t at = TermOffset(year, index);
    bytes[at] = static_cast<uint8_t>(month);
    bytes[at + 1] = static_cast<uint8_t>(day);
    bytes[at + 2] = static_cast<uint8_t>(hour);
    bytes[at + 3] = static_cast<uint8_t>(minute);
}

inline std::vector<uint8_t> SyntheticTermBytes() {
    std::vector<uint8_t> bytes(kSolarTermFileSize);
    for (int year = kFirstTermYear; year <= kLastTermYear; ++year)
        for (int i = 0; i < 24; ++i)
            SetTerm(bytes, year, i, i / 2 + 1, i % 2 ? 21 : 6, 12, 0);
    // 1984 立春 began at 23:19 on 4 February (UTC+8).
    SetTerm(bytes, 1984, 2, 2, 4, 23, 19);
    return bytes;
}

inline SolarTermTable SyntheticTermTable() {
    return *SolarTermTable::FromBytes(SyntheticTermBytes());
}

} // namespace zelk::testing
