// zelk-solar-terms: computes the beginning of the 24 solar terms of every
// Gregorian year 1801–2100 and writes the program's solar-term table.
//
//   zelk-solar-terms OUTPUT        write the 28,800-byte table to OUTPUT
//   zelk-solar-terms --year YEAR   print YEAR's 24 moments to the second
//
// Table layout: per year 24 entries of 4 bytes (month, day, hour 0–23,
// minute) in UTC+8, 小寒 first; year y, term i at (y − 1801)·96 + 4·i.

#include "term_moment.h"

#include <erfa.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace zelk::solar_terms;

constexpr int kFirstYear = 1801;
constexpr int kLastYear = 2100;
constexpr int kEntryBytes = 4;
constexpr int kYearBytes = kTermsPerYear * kEntryBytes;

constexpr std::array<const char*, kTermsPerYear> kTermNames = {
    "小寒", "大寒", "立春", "雨水", "驚蟄", "春分", "清明", "穀雨", "立夏", "小滿", "芒種", "夏至",
    "小暑", "大暑", "立秋", "處暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

int Usage() {
    std::fprintf(stderr,
                 "usage: zelk-solar-terms OUTPUT\n"
                 "       zelk-solar-terms --year YEAR   (%d-%d)\n",
                 kFirstYear, kLastYear);
    return 2;
}

// Minutes since the start of the year's January 1 (leap days counted), to
// check that a year's terms come in order.
int MinuteOfYear(const CivilMinute& m, int year) {
    static constexpr int kDaysBefore[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int dayOfYear = kDaysBefore[m.month - 1] + (leap && m.month > 2 ? 1 : 0) + m.day - 1;
    return (dayOfYear * 24 + m.hour) * 60 + m.minute;
}

// The 96 bytes of one year. Every term of a Gregorian year must fall inside
// that year and after the previous term; anything else is a fault of the
// computation and stops the run rather than writing a bad table.
std::array<unsigned char, kYearBytes> YearEntries(int year) {
    std::array<unsigned char, kYearBytes> bytes{};
    int previous = -1;
    for (int term = 0; term < kTermsPerYear; ++term) {
        const CivilMinute m = ToUtcPlus8(TermBeginning(year, term));
        if (m.year != year)
            throw std::runtime_error(std::string(kTermNames[term]) + " of " + std::to_string(year) +
                                     " falls in " + std::to_string(m.year));
        const int now = MinuteOfYear(m, year);
        if (now <= previous)
            throw std::runtime_error("terms out of order in " + std::to_string(year));
        previous = now;
        unsigned char* entry = bytes.data() + term * kEntryBytes;
        entry[0] = static_cast<unsigned char>(m.month);
        entry[1] = static_cast<unsigned char>(m.day);
        entry[2] = static_cast<unsigned char>(m.hour);
        entry[3] = static_cast<unsigned char>(m.minute);
    }
    return bytes;
}

// Writes beside the target and renames, so an interrupted run never leaves
// a truncated table behind.
int WriteTable(const std::filesystem::path& output) {
    std::vector<unsigned char> table;
    table.reserve(static_cast<size_t>(kLastYear - kFirstYear + 1) * kYearBytes);
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        const auto entries = YearEntries(year);
        table.insert(table.end(), entries.begin(), entries.end());
    }

    std::filesystem::path partial = output;
    partial += ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(table.data()),
                  static_cast<std::streamsize>(table.size()));
        out.close();
        if (!out) {
            std::fprintf(stderr, "zelk-solar-terms: cannot write %s\n", partial.c_str());
            return 1;
        }
    }
    std::error_code error;
    std::filesystem::rename(partial, output, error);
    if (error) {
        std::fprintf(stderr, "zelk-solar-terms: cannot write %s: %s\n", output.c_str(),
                     error.message().c_str());
        return 1;
    }
    return 0;
}

// "YYYY-MM-DD HH:MM:SS.S" of an unrounded local Julian date.
std::string SecondText(JulianDate local) {
    // Round to tenths of a second first, so 59.96 s never prints as "60.0".
    const long long tenths = std::llround(((local.whole - 2400000.5) + local.fraction) * 864000.0);
    // Floor division: days before 1858-11-17 have negative day numbers.
    long long day = tenths / 864000;
    long long tenthOfDay = tenths % 864000;
    if (tenthOfDay < 0) {
        tenthOfDay += 864000;
        --day;
    }
    int y, mo, d;
    double unused;
    eraJd2cal(2400000.5, static_cast<double>(day), &y, &mo, &d, &unused);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02lld:%02lld:%02lld.%lld", y, mo, d,
                  tenthOfDay / 36000, tenthOfDay / 600 % 60, tenthOfDay / 10 % 60, tenthOfDay % 10);
    return text;
}

// One line per term: index, name, longitude, the moment in UTC+8 to a tenth
// of a second, the rounded table value and the ΔT used.
int PrintYear(int year) {
    for (int term = 0; term < kTermsPerYear; ++term) {
        const JulianDate tt = TermBeginning(year, term);
        const JulianDate local = ToUtcPlus8Exact(tt);
        const CivilMinute rounded = ToUtcPlus8(tt);
        const double deltaT =
            ((tt.whole - local.whole) + (tt.fraction - local.fraction)) * 86400.0 + 8 * 3600.0;
        std::printf("%2d %s %3.0f  %s  table %02d-%02d %02d:%02d  dT %.1f s\n", term,
                    kTermNames[term], TermLongitude(term), SecondText(local).c_str(), rounded.month,
                    rounded.day, rounded.hour, rounded.minute, deltaT);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        if (argc == 2 && argv[1][0] != '-') return WriteTable(argv[1]);
        if (argc == 3 && std::string(argv[1]) == "--year") {
            char* end = nullptr;
            const long year = std::strtol(argv[2], &end, 10);
            if (*argv[2] == '\0' || *end != '\0' || year < kFirstYear || year > kLastYear)
                return Usage();
            return PrintYear(static_cast<int>(year));
        }
        return Usage();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zelk-solar-terms: %s\n", e.what());
        return 1;
    }
}
