// The 24 solar terms of the Gregorian years 1801-2100.
//
// File layout (solar_terms.dat, 28,800 bytes): for each year 1801..2100, 24 entries
// in the order 小寒, 大寒, 立春 ... 冬至, each four bytes month, day, hour (0-23),
// minute: the local moment (UTC+8) at which the term begins. The entry of year y
// and term i is at (y - 1801) * 96 + 4i.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zelk {

inline constexpr int kFirstTermYear = 1801;
inline constexpr int kLastTermYear = 2100;
inline constexpr int kTermYears = kLastTermYear - kFirstTermYear + 1;
inline constexpr std::size_t kSolarTermFileSize = kTermYears * 96;

struct SolarTermMoment {
    uint8_t month = 0, day = 0, hour = 0, minute = 0;
};

class SolarTermTable {
  public:
    // Parses the file's bytes; refuses (nullopt, with a reason in `error`) a wrong
    // size, an entry that is not a real moment of its year, a term outside its
    // month (term i lies in month i / 2 + 1) or a year whose moments do not rise.
    static std::optional<SolarTermTable> FromBytes(const std::vector<uint8_t>& bytes,
                                                   std::string* error = nullptr);
    static std::optional<SolarTermTable> LoadFile(const std::string& path,
                                                  std::string* error = nullptr);

    bool covers(int year) const { return year >= kFirstTermYear && year <= kLastTermYear; }
    // Term i (0-23) of a year; nullopt for a year or index outside the table (and
    // for a default-constructed, empty table).
    std::optional<SolarTermMoment> term(int year, int index) const;

  private:
    std::vector<uint8_t> bytes_;
};

// Names of the terms, index 0 小寒 ... 23 冬至 (UTF-8).
const char* SolarTermName(int index);

} // namespace zelk
