// The chart record: one client's birth data, the values derived from it once,
// the period looked at (the flow date) and three computed charts.
//
// Numbering (binding everywhere):
//   stems 0 甲 .. 9 癸; branches 0 子 .. 11 亥;
//   palace positions counted from 寅: 0 寅, 1 卯 .. 10 子, 11 丑;
//     position = (branch + 10) mod 12, branch = (position + 2) mod 12;
//   palace names 1 命宮 .. 12 父母 (0 none); chart levels 0 本命, 1 十年, 2 流年,
//   3 流月, 4 流日, 5 流時, 6 流分; sexagenary 0 甲子 .. 59 癸亥;
//   elements 0 水, 1 木, 2 金, 3 土, 4 火; sex 0 male, 1 female.
// Every position is reduced with a true modulo 12.
#pragma once

#include <array>
#include <cstdint>

namespace zelk {

inline constexpr int Mod(int a, int n) { return ((a % n) + n) % n; }
inline constexpr int PositionOfBranch(int branch) { return Mod(branch + 10, 12); }
inline constexpr int BranchOfPosition(int position) { return Mod(position + 2, 12); }

enum ChartLevel : int16_t {
    kLevelNatal = 0,
    kLevelTenYear = 1,
    kLevelFlowYear = 2,
    kLevelFlowMonth = 3,
    kLevelFlowDay = 4,
    kLevelFlowHour = 5,
    kLevelFlowMinute = 6,
};

// groupA bits: 31 紫微 .. 7 天鉞 (bit 31 - n for FourHuaStarNumber n), 6..3 the
// 化祿/化權/化科/化忌 marks; bits 2..0 always 0.
namespace StarA {
inline constexpr uint32_t ZiWei = 1u << 31, TianJi = 1u << 30, TaiYang = 1u << 29,
                          WuQu = 1u << 28, TianTong = 1u << 27, LianZhen = 1u << 26,
                          TianFu = 1u << 25, TaiYin = 1u << 24, TanLang = 1u << 23,
                          JuMen = 1u << 22, TianXiang = 1u << 21, TianLiang = 1u << 20,
                          QiSha = 1u << 19, PoJun = 1u << 18, WenChang = 1u << 17,
                          WenQu = 1u << 16, ZuoFu = 1u << 15, YouBi = 1u << 14,
                          LuCun = 1u << 13, QingYang = 1u << 12, TuoLuo = 1u << 11,
                          HuoXing = 1u << 10, LingXing = 1u << 9, TianKui = 1u << 8,
                          TianYue = 1u << 7, HuaLu = 1u << 6, HuaQuan = 1u << 5,
                          HuaKe = 1u << 4, HuaJi = 1u << 3;
inline constexpr uint32_t MainStars = 0xFFFC0000u; // bits 31..18
inline constexpr uint32_t Marks = 0x78u;           // bits 6..3
} // namespace StarA

// groupB bits: bit 31 - k is the k-th star of 地劫, 天空, 天刑, 天姚, 天馬, 解神, 陰煞,
// 天喜, 天官, 天福, 天哭, 天虛, 龍池, 鳳閣, 紅鸞, 孤辰, 寡宿, 蜚廉, 破碎, 台輔, 封誥,
// 天巫, 天月, 三台, 八座, 恩光, 天貴, 天才, 天壽, 截空, 旬中, 旬空.
namespace StarB {
inline constexpr uint32_t DiJie = 1u << 31, TianKong = 1u << 30, TianXing = 1u << 29,
                          TianYao = 1u << 28, TianMa = 1u << 27, JieShen = 1u << 26,
                          YinSha = 1u << 25, TianXi = 1u << 24, TianGuan = 1u << 23,
                          TianFuB = 1u << 22, TianKu = 1u << 21, TianXu = 1u << 20,
                          LongChi = 1u << 19, FengGe = 1u << 18, HongLuan = 1u << 17,
                          GuChen = 1u << 16, GuaSu = 1u << 15, FeiLian = 1u << 14,
                          PoSui = 1u << 13, TaiFu = 1u << 12, FengGao = 1u << 11,
                          TianWu = 1u << 10, TianYueB = 1u << 9, SanTai = 1u << 8,
                          BaZuo = 1u << 7, EnGuang = 1u << 6, TianGui = 1u << 5,
                          TianCai = 1u << 4, TianShou = 1u << 3, JieKong = 1u << 2,
                          XunZhong = 1u << 1, XunKong = 1u << 0;
} // namespace StarB

// groupC bits: flow stars and marks.
namespace StarC {
inline constexpr uint32_t LaiYin = 1u << 31, YeZhang = 1u << 30, FlowLu = 1u << 29,
                          FlowYang = 1u << 28, FlowTuo = 1u << 27, FlowMa = 1u << 26,
                          TianChu = 1u << 25, FlowLuan = 1u << 24, FlowChang = 1u << 23;
} // namespace StarC

// One computed chart; all arrays indexed by palace position. No pointers:
// copying it copies the chart.
struct ChartBlock {
    std::array<uint32_t, 12> groupA{};
    std::array<uint32_t, 12> groupB{};
    std::array<uint8_t, 12> palaceInfo{}; // low nibble stem, high nibble palace name 1-12
    std::array<uint8_t, 12> longLifeRing{};
    std::array<uint8_t, 12> doctorRing{};
    std::array<uint8_t, 12> yearFrontRing{};
    std::array<uint8_t, 12> generalFrontRing{};
    std::array<uint32_t, 12> groupC{};

    int stemAt(int position) const { return palaceInfo[Mod(position, 12)] & 0x0F; }
    int nameAt(int position) const { return palaceInfo[Mod(position, 12)] >> 4; }
    friend bool operator==(const ChartBlock&, const ChartBlock&) = default;
};

inline constexpr int kClientRecordSize = 2000;

// Fields in the order and widths of the record; see the engine for their meaning.
struct ChartRecord {
    int16_t clientIndex = -1;
    int16_t lunarYear = 0, lunarMonth = 0, lunarDay = 0;
    int16_t hourIndex = 0;     // the chart's hour (birth hour, or flow hour at levels 5-6)
    int16_t placementHour = 0; // the birth hour index as loaded; never changed afterwards
    int16_t solarYear = 0, solarMonth = 0, solarDay = 0;
    int16_t clockHour = 0;   // 0-23, or 2 x HourIndex (0..24) for a two-hour period
    int16_t birthMinute = -1; // negative when not given
    int16_t yearStem = 0, yearBranch = 0;
    int16_t tigerStem = 0;
    int16_t bureau = 0; // 五行局 2-6
    int16_t lifePalace = 0, bodyPalace = 0;
    int16_t ziYearDouJun = 0; // branch
    int16_t stemParity = 0;   // 0 yang, 1 yin
    int32_t isLeapMonth = 0;
    int32_t sex = 0;
    int32_t chartFilled = 0, periodChanged = 0, newChart = 0;
    std::array<char16_t, 34> name{};
    std::array<uint8_t, 4> birthPillars{}; // year, month, day, hour
    int16_t shownLevel = -1;
    std::array<uint8_t, kClientRecordSize> client{}; // the client's stored record, verbatim
    int16_t tenYearPalace = 0;
    int16_t flowLunarYear = 0, flowSolarYear = 0, flowLunarMonth = 0, flowSolarMonth = 0,
            flowLunarDay = 0, flowSolarDay = 0, flowHour = 0, flowMinute = 0;
    int32_t flowIsLeap = 0;
    std::array<int16_t, 12> smallLimitOrder{}; // 1-12 by position
    std::array<int16_t, 12> decadeFirstAge{};  // by position
    ChartBlock natalChart, periodChart, baseChart;
    int16_t douJunBranch = 0, flowYearPosition = 0, flowLifePalace = 0, flowDouJun = 0,
            flowMonthLifePalace = 0, flowHourPalace = 0;
    int16_t solarTermNow = 0;
    int32_t forwardDirection = 0; // 1 = yang male or yin female
};

} // namespace zelk
