// Reading and checking the solar-term table file.
#include "solar_terms.h"

#include "lunar_calendar.h"

#include <array>
#include <fstream>

namespace zelk {

namespace {

inline constexpr int kTermsPerYear = 24;
inline constexpr std::size_t kBytesPerYear = 96;
static_assert(kSolarTermFileSize == 28800);

std::size_t EntryOffset(int year, int index) {
    return static_cast<std::size_t>(year - kFirstTermYear) * kBytesPerYear +
           static_cast<std::size_t>(index) * 4;
}

void SetError(std::string* error, std::string text) {
    if (error) *error = std::move(text);
}

std::string TermLabel(int year, int index) {
    return std::to_string(year) + " " + SolarTermName(index);
}

// Every entry is a real moment, term i falls in month i / 2 + 1 (the two terms of
// each Gregorian month), and the 24 moments of a year rise strictly.
bool CheckYear(const std::vector<uint8_t>& bytes, int year, std::string* error) {
    int previous = -1;
    for (int i = 0; i < kTermsPerYear; ++i) {
        const std::size_t at = EntryOffset(year, i);
        const int month = bytes[at], day = bytes[at + 1], hour = bytes[at + 2],
                  minute = bytes[at + 3];
        if (month != i / 2 + 1 || day < 1 || day > GregorianMonthLength(year, month) || hour > 23 ||
            minute > 59) {
            SetError(error, "solar-term table: the entry of " + TermLabel(year, i) +
                                " is not a moment of its month");
            return false;
        }
        const int moment = (DayOfYear(year, month, day) * 24 + hour) * 60 + minute;
        if (moment <= previous) {
            SetError(error, "solar-term table: " + TermLabel(year, i) +
                                " does not come after the term before it");
            return false;
        }
        previous = moment;
    }
    return true;
}

} // namespace

std::optional<SolarTermTable> SolarTermTable::FromBytes(const std::vector<uint8_t>& bytes,
                                                        std::string* error) {
    if (bytes.size() != kSolarTermFileSize) {
        SetError(error, "solar-term table: " + std::to_string(bytes.size()) + " bytes instead of " +
                            std::to_string(kSolarTermFileSize));
        return std::nullopt;
    }
    for (int year = kFirstTermYear; year <= kLastTermYear; ++year)
        if (!CheckYear(bytes, year, error)) return std::nullopt;
    SolarTermTable table;
    table.bytes_ = bytes;
    return table;
}

std::optional<SolarTermTable> SolarTermTable::LoadFile(const std::string& path,
                                                       std::string* error) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        SetError(error, "solar-term table: cannot open " + path);
        return std::nullopt;
    }
    const std::streamoff size = in.tellg();
    // Check the size before reading, so a wrong file is never read whole.
    if (size != static_cast<std::streamoff>(kSolarTermFileSize)) {
        SetError(error, "solar-term table: " + path + " has " +
                            std::to_string(size < 0 ? 0 : size) + " bytes instead of " +
                            std::to_string(kSolarTermFileSize));
        return std::nullopt;
    }
    std::vector<uint8_t> bytes(kSolarTermFileSize);
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.gcount() != static_cast<std::streamsize>(bytes.size())) {
        SetError(error, "solar-term table: cannot read " + path);
        return std::nullopt;
    }
    return FromBytes(bytes, error);
}

std::optional<SolarTermMoment> SolarTermTable::term(int year, int index) const {
    if (!covers(year) || index < 0 || index >= kTermsPerYear || bytes_.size() != kSolarTermFileSize)
        return std::nullopt;
    const std::size_t at = EntryOffset(year, index);
    return SolarTermMoment{bytes_[at], bytes_[at + 1], bytes_[at + 2], bytes_[at + 3]};
}

const char* SolarTermName(int index) {
    // The same texts as the program's string table, 383 + index.
    static constexpr std::array<const char*, kTermsPerYear> kNames = {
        "小寒", "大寒", "立春", "雨水", "驚蟄", "春分", "清明", "穀雨",
        "立夏", "小滿", "芒種", "夏至", "小暑", "大暑", "立秋", "處暑",
        "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};
    if (index < 0 || index >= kTermsPerYear) return "";
    return kNames[static_cast<std::size_t>(index)];
}

} // namespace zelk
