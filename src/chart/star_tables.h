// Internal to the chart engine: the look-up tables of the auxiliary and minor
// stars, written by branch as practitioners' tables are (converted to palace
// positions where they are used).
#pragma once

#include <cstdint>

namespace zelk::detail {

enum Branch : int8_t { Zi, Chou, Yin, Mao, Chen, Si, Wu, Wei, Shen, You, Xu, Hai };

// By stem 甲 .. 癸.
struct StemRow {
    Branch luCun, tianKui, tianYue, tianGuan, tianFu, flowChang, tianChu, jieKong, jieKong1,
        flowHorse1;
};
inline constexpr StemRow kByStem[10] = {
    {Yin, Chou, Wei, Wei, You, Si, Si, Shen, Shen, Yin},  // 甲
    {Mao, Zi, Shen, Chen, Shen, Wu, Wu, Wu, Wu, Hai},     // 乙
    {Si, Hai, You, Si, Zi, Shen, Zi, Chen, Chen, Shen},   // 丙
    {Wu, Hai, You, Yin, Hai, You, Si, Yin, Yin, Si},      // 丁
    {Si, Chou, Wei, Mao, Mao, Shen, Wu, Zi, Xu, Yin},     // 戊
    {Wu, Zi, Shen, You, Yin, You, Shen, You, You, Hai},   // 己
    {Shen, Chou, Wei, Hai, Wu, Hai, Yin, Wei, Wei, Shen}, // 庚
    {You, Wu, Yin, You, Si, Zi, Wu, Si, Si, Si},          // 辛
    {Hai, Mao, Si, Xu, Wu, Yin, You, Mao, Mao, Yin},      // 壬
    {Zi, Mao, Si, Wu, Si, Mao, Hai, Chou, Hai, Hai},      // 癸
};

// By year branch 子 .. 亥.
struct BranchRow {
    Branch huoStart, lingStart, feiLian, poSui, flowLuan1;
};
inline constexpr BranchRow kByBranch[12] = {
    {Yin, Xu, Shen, Si, Mao},   // 子
    {Mao, Xu, You, Chou, Wu},   // 丑
    {Chou, Mao, Xu, You, You},  // 寅
    {You, Xu, Si, Si, Shen},    // 卯
    {Yin, Xu, Wu, Chou, Hai},   // 辰
    {Mao, Xu, Wei, You, Xu},    // 巳
    {Chou, Mao, Yin, Si, Chou}, // 午
    {You, Xu, Mao, Chou, Zi},   // 未
    {Yin, Xu, Chen, You, Mao},  // 申
    {Mao, Xu, Hai, Si, Yin},    // 酉
    {Chou, Mao, Zi, Chou, Si},  // 戌
    {You, Xu, Chou, You, Chen}, // 亥
};

// By month 1 .. 12.
struct MonthRow {
    Branch tianYue, tianWu, jieShen, yinSha;
};
inline constexpr MonthRow kByMonth[12] = {
    {Xu, Si, Shen, Yin}, {Si, Shen, Shen, Zi},   {Chen, Yin, Xu, Xu},  {Yin, Hai, Xu, Shen},
    {Wei, Si, Zi, Wu},   {Mao, Shen, Zi, Chen},  {Hai, Yin, Yin, Yin}, {Wei, Hai, Yin, Zi},
    {Yin, Si, Chen, Xu}, {Wu, Shen, Chen, Shen}, {Xu, Yin, Wu, Wu},    {Yin, Hai, Wu, Chen},
};

} // namespace zelk::detail
