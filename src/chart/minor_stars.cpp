// The eleven further group-A stars, the thirty-two group-B stars and the flow
// stars of group C, for one chart level. Each is a count from a fixed branch by
// the working month, day, hour, year stem or year branch, or a table look-up.
#include "chart/chart_steps.h"
#include "chart/star_tables.h"

namespace zelk::detail {

namespace {

int P(Branch b) {
    return PositionOfBranch(b);
}

struct Placer {
    ChartBlock& c;
    void a(int position, uint32_t bit) { c.groupA[Wrap12(position)] |= bit; }
    void b(int position, uint32_t bit) { c.groupB[Wrap12(position)] |= bit; }
    void flow(int position, uint32_t bit) { c.groupC[Wrap12(position)] |= bit; }
};

// The three schemes of DoctorType and LuType: 0 the birth year stem at every
// level; 1 (and 3) the stem of the level's own period; 2 and any other value the
// birth year stem for the natal and ten-year charts, the flow year's from 流年 on.
int SchemeStem(int scheme, const ChartRecord& r, const LevelContext& x) {
    if (scheme == 0) return r.yearStem;
    if (scheme == 1 || scheme == 3) {
        switch (x.level) {
        case kLevelNatal:
            return r.yearStem;
        case kLevelTenYear:
            return r.natalChart.stemAt(r.tenYearPalace);
        case kLevelFlowYear:
            return x.Ys;
        case kLevelFlowMonth:
            return PillarStem(x.flowPillars.month());
        case kLevelFlowDay:
            return PillarStem(x.flowPillars.day());
        default:
            return PillarStem(x.flowPillars.hour());
        }
    }
    return x.level <= kLevelTenYear ? r.yearStem : x.Ys;
}

void PlaceScholarStars(Placer& put, const LevelContext& x) {
    put.a(P(Xu) - x.Wh, StarA::WenChang);
    put.a(P(Chen) + x.Wh, StarA::WenQu);
    put.a(P(Chen) + (x.Wm - 1), StarA::ZuoFu);
    put.a(P(Xu) - (x.Wm - 1), StarA::YouBi);
}

void PlaceDoctorRing(ChartBlock& c, const ChartRecord& r, const AppSettings& s,
                     const LevelContext& x) {
    const int start = LuCunPosition(SchemeStem(s.DoctorType, r, x));
    const int dir = x.forward ? 1 : -1;
    for (int k = 0; k < 12; ++k)
        c.doctorRing[Wrap12(start + dir * k)] = static_cast<uint8_t>(k);
}

void PlaceLuCunGroup(Placer& put, const ChartRecord& r, const AppSettings& s,
                     const LevelContext& x) {
    const int lu = LuCunPosition(SchemeStem(s.LuType, r, x));
    put.a(lu, StarA::LuCun);
    put.a(lu + 1, StarA::QingYang);
    put.a(lu - 1, StarA::TuoLuo);
}

void PlaceFireAndBell(Placer& put, const ChartRecord& r, const LevelContext& x) {
    // While a 流時 or 流分 chart is on display, every chart computed for it
    // (its 流年 base chart too) counts from the working year branch and hour.
    const bool hourLevel = r.shownLevel == kLevelFlowHour || r.shownLevel == kLevelFlowMinute;
    const int yb = hourLevel ? x.Yb : r.yearBranch;
    const int hour = hourLevel ? x.Wh : HourAsBranch(r.hourIndex);
    put.a(P(kByBranch[yb].huoStart) + hour, StarA::HuoXing);
    put.a(P(kByBranch[yb].lingStart) + hour, StarA::LingXing);
}

void PlaceHorse(Placer& put, const AppSettings& s, const LevelContext& x) {
    static constexpr Branch kHorse[4] = {Shen, Si, Yin, Hai};
    const int index = s.HorseBase == 0 ? PositionOfBranch(x.Yb) % 4 : Mod(x.Wm - 1, 4);
    const int horse = P(kHorse[index]);
    if (x.level <= kLevelTenYear) {
        put.b(horse, StarB::TianMa);
        return;
    }
    if (s.FourHuaType == 1) {
        // 占驗門 moves the period horse by the year stem.
        const int flowHorse = P(kByStem[x.Ys].flowHorse1);
        if (s.FlowMaDisplay == 1) {
            put.flow(flowHorse, StarC::FlowMa);
            put.b(horse, StarB::TianMa);
        } else {
            put.b(flowHorse, StarB::TianMa);
        }
        return;
    }
    if (s.FlowMaDisplay == 1)
        put.flow(horse, StarC::FlowMa);
    else
        put.b(horse, StarB::TianMa);
}

void PlaceRedPhoenix(Placer& put, const ChartRecord& r, const AppSettings& s,
                     const LevelContext& x) {
    const int natal = P(Mao) - r.yearBranch;
    if (x.level <= kLevelTenYear) {
        put.b(natal, StarB::HongLuan);
        put.b(natal + 6, StarB::TianXi);
        return;
    }
    const bool method1 = s.FourHuaType == 1;
    const int flowPos = method1 ? P(kByBranch[x.Yb].flowLuan1) : P(Mao) - x.Yb;
    if (s.FlowLuanDisplay == 1) {
        put.flow(flowPos, StarC::FlowLuan);
        if (method1) put.b(natal, StarB::HongLuan); // 占驗門 keeps the natal 紅鸞 beside it
    } else {
        put.b(flowPos, StarB::HongLuan);
    }
    put.b(flowPos + 6, StarB::TianXi);
}

void PlaceGroupB(Placer& put, const ChartRecord& r, const AppSettings& s, const LevelContext& x) {
    const int wm = x.Wm - 1, wh = x.Wh, wd = x.Wd, yb = x.Yb;
    const MonthRow& month = kByMonth[x.Wm - 1];

    put.b(P(Hai) + wh, StarB::DiJie);
    put.b(P(Hai) - wh, StarB::TianKong);
    put.b(P(You) + wm, StarB::TianXing);
    put.b(P(Chou) + wm, StarB::TianYao);
    PlaceHorse(put, s, x);
    put.b(P(month.jieShen), StarB::JieShen);
    put.b(P(month.yinSha), StarB::YinSha);
    PlaceRedPhoenix(put, r, s, x);
    put.b(P(kByStem[x.Ys].tianGuan), StarB::TianGuan);
    put.b(P(kByStem[x.Ys].tianFu), StarB::TianFuB);
    put.b(P(Wu) - yb, StarB::TianKu);
    put.b(P(Wu) + yb, StarB::TianXu);
    put.b(P(Chen) + yb, StarB::LongChi);
    put.b(P(Xu) - yb, StarB::FengGe);
    // The season group of the year branch, counted from 寅.
    const int season = 3 * (PositionOfBranch(yb) / 3);
    put.b(season + 3, StarB::GuChen);
    put.b(season + 11, StarB::GuaSu);
    put.b(P(kByBranch[yb].feiLian), StarB::FeiLian);
    put.b(P(kByBranch[yb].poSui), StarB::PoSui);
    put.b(P(Wu) + wh, StarB::TaiFu);
    put.b(P(Yin) + wh, StarB::FengGao);
    put.b(P(month.tianWu), StarB::TianWu);
    put.b(P(month.tianYue), StarB::TianYueB);

    const int zuoFu = P(Chen) + wm, youBi = P(Xu) - wm;
    const int wenChang = P(Xu) - wh, wenQu = P(Chen) + wh;
    put.b(zuoFu + (wd - 1), StarB::SanTai);
    put.b(youBi - (wd - 1), StarB::BaZuo);
    put.b(wenChang + wd - 2, StarB::EnGuang);
    put.b(wenQu + wd - 2, StarB::TianGui);

    put.b(x.tianCaiBase + yb, StarB::TianCai);
    if (x.level <= kLevelTenYear) put.b(r.bodyPalace + r.yearBranch, StarB::TianShou);

    const StemRow& stem = kByStem[x.Ys];
    put.b(P(s.GiaKungType == 1 ? stem.jieKong1 : stem.jieKong), StarB::JieKong);
    // The two branches the ten-day cycle (旬) of the year's stem and branch
    // leaves empty; P is even, so P + 1 never wraps.
    const int xun = PositionOfBranch(Mod(yb - x.Ys + 10, 12));
    put.b(xun, StarB::XunZhong);
    put.b(xun + 1, StarB::XunKong);
}

} // namespace

int LuCunPosition(int stem) {
    return P(kByStem[Mod(stem, 10)].luCun);
}

void PlaceAuxiliaryStars(ChartBlock& c, const ChartRecord& r, const AppSettings& s,
                         const LevelContext& x) {
    Placer put{c};
    PlaceScholarStars(put, x);
    PlaceDoctorRing(c, r, s, x);
    PlaceLuCunGroup(put, r, s, x);
    PlaceFireAndBell(put, r, x);
    put.a(P(kByStem[x.Ys].tianKui), StarA::TianKui);
    put.a(P(kByStem[x.Ys].tianYue), StarA::TianYue);
    if (x.level >= kLevelFlowYear && s.FlowChanDisplay != 0)
        put.flow(P(kByStem[x.Ys].flowChang), StarC::FlowChang);
    PlaceGroupB(put, r, s, x);
    if (s.SkyCookDisplay != 0) put.flow(P(kByStem[r.yearStem].tianChu), StarC::TianChu);
}

} // namespace zelk::detail
