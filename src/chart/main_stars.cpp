// The fourteen main stars, placed from the lunar birth day and the 五行局 only.
#include "chart/chart_steps.h"
#include "chart/star_tables.h"

namespace zelk::detail {

namespace {
// Branch of 紫微 for each 局 (水二 .. 火六) and lunar day 1-30.
constexpr Branch kZiWeiBranch[5][30] = {
    // 水二局
    {Chou, Yin, Yin, Mao, Mao, Chen, Chen, Si, Si,   Wu,   Wu,  Wei, Wei, Shen, Shen,
     You,  You, Xu,  Xu,  Hai, Hai,  Zi,   Zi, Chou, Chou, Yin, Yin, Mao, Mao,  Chen},
    // 木三局
    {Chen, Chou, Yin, Si, Yin, Mao,  Wu,  Mao,  Chen, Wei, Chen, Si, Shen, Si, Wu,
     You,  Wu,   Wei, Xu, Wei, Shen, Hai, Shen, You,  Zi,  You,  Xu, Chou, Xu, Hai},
    // 金四局
    {Hai, Chen, Chou, Yin, Zi, Si,   Yin, Mao, Chou, Wu, Mao, Chen, Yin,  Wei, Chen,
     Si,  Mao,  Shen, Si,  Wu, Chen, You, Wu,  Wei,  Si, Xu,  Wei,  Shen, Wu,  Hai},
    // 土五局
    {Wu,  Hai, Chen, Chou, Yin, Wei, Zi,  Si,   Yin, Mao, Shen, Chou, Wu,  Mao, Chen,
     You, Yin, Wei,  Chen, Si,  Xu,  Mao, Shen, Si,  Wu,  Hai,  Chen, You, Wu,  Wei},
    // 火六局
    {You, Wu,  Hai,  Chen, Chou, Yin, Xu,  Wei,  Zi, Si,   Yin, Mao, Hai,  Shen, Chou,
     Wu,  Mao, Chen, Zi,   You,  Yin, Wei, Chen, Si, Chou, Xu,  Mao, Shen, Si,   Wu},
};

struct Offset {
    uint32_t bit;
    int8_t offset;
};
// 紫微 series, backwards from 紫微.
constexpr Offset kZiWeiSeries[] = {{StarA::ZiWei, 0}, {StarA::TianJi, -1},   {StarA::TaiYang, -3},
                                   {StarA::WuQu, -4}, {StarA::TianTong, -5}, {StarA::LianZhen, -8}};
// 天府 series, forwards from 天府.
constexpr Offset kTianFuSeries[] = {
    {StarA::TianFu, 0},    {StarA::TaiYin, 1},    {StarA::TanLang, 2}, {StarA::JuMen, 3},
    {StarA::TianXiang, 4}, {StarA::TianLiang, 5}, {StarA::QiSha, 6},   {StarA::PoJun, 10}};
} // namespace

int ZiWeiPosition(int bureau, int lunarDay) {
    // The caller has checked bureau 2-6 and day 1-30.
    return PositionOfBranch(kZiWeiBranch[bureau - 2][lunarDay - 1]);
}

void PlaceMainStars(ChartBlock& c, int bureau, int lunarDay) {
    const int z = ZiWeiPosition(bureau, lunarDay);
    // 天府 mirrors 紫微 across the 寅-申 axis.
    const int f = Wrap12(12 - z);
    for (const auto& s : kZiWeiSeries)
        c.groupA[Wrap12(z + s.offset)] |= s.bit;
    for (const auto& s : kTianFuSeries)
        c.groupA[Wrap12(f + s.offset)] |= s.bit;
}

} // namespace zelk::detail
