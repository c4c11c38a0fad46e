// The four transformations (四化): which stem drives a chart's marks, the marks
// themselves, where a stem's transformed stars stand, and the 來因/業障 marks.
#include "chart/chart_steps.h"

#include <optional>

namespace zelk {

namespace {

// A cell of the table names one of the 25 stars 紫微 .. 天鉞 (bits 31-7). A cell
// holding no star bit (an empty cell of the user's table, or a number that names
// a mark bit) transforms nothing: the containment test would otherwise hold for
// every palace.
constexpr uint32_t kStarBits = 0xFFFFFF80u;
uint32_t CellStar(const FourHuaTable& table, int stem, int kind) {
    return table[stem][kind] & kStarBits;
}

std::optional<FourPillars> FlowPillarsFor(const ChartRecord& r, int level) {
    // Hour 0 for 流月 and 流日; the flow hour (12 as 子) for 流時 and 流分.
    const int hour = level >= kLevelFlowHour ? detail::HourAsBranch(r.flowHour) : 0;
    return FourPillarsLunar(r.flowSolarYear, r.flowSolarMonth, r.flowSolarDay, hour);
}

} // namespace

namespace detail {
int HuaStem(const ChartRecord& r, int level, const AppSettings& s, const FourPillars* pillars) {
    const int birth = Wrap10(r.yearStem);
    if (level <= kLevelNatal || s.YearHuaBase == 0) return birth;
    const int flowYear = StemOfYear(r.flowLunarYear);
    if (s.YearHuaBase == 1 || s.YearHuaBase == 3) {
        if (level == kLevelTenYear) return r.natalChart.stemAt(r.tenYearPalace) % 10;
        if (level == kLevelFlowYear) return flowYear;
        std::optional<FourPillars> computed;
        if (!pillars) {
            computed = FlowPillarsFor(r, level);
            if (!computed) return -1;
            pillars = &*computed;
        }
        if (level == kLevelFlowMonth) return PillarStem(pillars->month());
        if (level == kLevelFlowDay) return PillarStem(pillars->day());
        return PillarStem(pillars->hour());
    }
    return level == kLevelTenYear ? birth : flowYear;
}
} // namespace detail

int FourHuaStemOfLevel(const ChartRecord& r, int level, const AppSettings& s) {
    return detail::HuaStem(r, level, s, nullptr);
}

namespace detail {

void MarkFourHua(ChartBlock& c, int stem, const AppSettings& s) {
    if (stem < 0 || stem > 9) return;
    const FourHuaTable& table = FourHuaTableInForce(s);
    for (int k = 0; k < 4; ++k) {
        const uint32_t star = CellStar(table, stem, k);
        if (star == 0) continue;
        const uint32_t mark = StarA::HuaLu >> k; // 化祿 bit 6 .. 化忌 bit 3
        for (auto& word : c.groupA)
            if ((word & star) == star) word |= mark;
    }
}

void MarkCauseAndKarmaFrom(ChartBlock& c, const ChartBlock& natal, const ChartRecord& r,
                           const AppSettings& s) {
    if (s.Lyyg_Display == 0) return;
    // 來因: the palaces whose natal stem is the birth year's stem (two for 辛 and 壬).
    for (int p = 0; p < 12; ++p)
        if (natal.stemAt(p) == r.yearStem) c.groupC[p] |= StarC::LaiYin;
    // 業障: the natal palace holding the 化忌 star of the stem of 丑.
    const int stem = natal.stemAt(kChou);
    if (stem > 9) return;
    const uint32_t star = CellStar(FourHuaTableInForce(s), stem, 3);
    if (star == 0) return;
    for (int p = 0; p < 12; ++p) {
        if ((natal.groupA[p] & star) == star) {
            c.groupC[p] |= StarC::YeZhang;
            return;
        }
    }
}

} // namespace detail

void ApplyFourHua(ChartBlock& chart, const ChartRecord& record, int level,
                  const AppSettings& settings) {
    detail::MarkFourHua(chart, FourHuaStemOfLevel(record, level, settings), settings);
}

std::array<int, 4> FindHuaPalaces(int stem, const std::array<uint32_t, 12>& groupA,
                                  const AppSettings& settings) {
    std::array<int, 4> found{-1, -1, -1, -1};
    if (stem < 0 || stem > 9) return found;
    const FourHuaTable& table = FourHuaTableInForce(settings);
    for (int k = 0; k < 4; ++k) {
        const uint32_t star = CellStar(table, stem, k);
        if (star == 0) continue;
        for (int p = 0; p < 12; ++p) {
            if ((groupA[p] & star) == star) {
                found[k] = p;
                break;
            }
        }
    }
    return found;
}

void MarkCauseAndKarma(ChartBlock& chart, const ChartRecord& record, const AppSettings& settings) {
    detail::MarkCauseAndKarmaFrom(chart, record.natalChart, record, settings);
}

} // namespace zelk
