// Brightness grades, star elements and the text ids around a chart.
#include "chart_test_support.h"

namespace zelk::test {
namespace {

TEST(Brightness, TextAndNumericGrades) {
    EXPECT_EQ(TextGrade(StarA::ZiWei, At(Zi)), 3);            // 平
    EXPECT_EQ(NumericGrade(kGroupA, StarA::ZiWei, Zi), 0x15); // 5 with a ring
    EXPECT_EQ(TextGrade(StarA::TianJi, At(Yin)), kNone);
    EXPECT_EQ(TextGrade(StarA::PoJun, At(Chen)), kNone);
    EXPECT_EQ(TextGrade(StarA::YouBi, At(Si)), 1); // 旺, its only grade
    EXPECT_EQ(TextGrade(StarA::YouBi, At(Wu)), kNone);
    for (uint32_t none : {StarA::ZuoFu, StarA::HuaLu, 0u, StarA::ZiWei | StarA::TianJi})
        EXPECT_EQ(TextGrade(none, At(Wu)), kNone);
    EXPECT_EQ(TextGrade(StarA::ZiWei, 12), kNone);
    EXPECT_EQ(TextGrade(StarA::ZiWei, -1), kNone);

    EXPECT_EQ(NumericGrade(kGroupPalaceBound, kTianShang, Zi), 7);
    EXPECT_EQ(NumericGrade(kGroupPalaceBound, kTianShi, Chou), 7);
    EXPECT_EQ(NumericGrade(kGroupA, StarA::HuaJi, Zi), 4);
    EXPECT_EQ(NumericGrade(kGroupA, StarA::QiSha, Chen), 0x11);
    EXPECT_EQ(NumericGrade(kGroupA, StarA::ZuoFu, Zi), 0); // no entry
    EXPECT_EQ(NumericGrade(kGroupB, StarA::ZiWei, Zi), 0); // the group matters
    EXPECT_EQ(NumericGrade(kGroupA, StarA::ZiWei, 12), 0);
}

std::array<uint32_t, 12> Words(std::initializer_list<std::pair<int, uint32_t>> stars) {
    std::array<uint32_t, 12> w{};
    for (auto [p, bits] : stars)
        w[p] |= bits;
    return w;
}

TEST(Elements, GroupAWithCompanionsAndBorrowedStars) {
    EXPECT_EQ(ElementOfGroupA(Words({{3, StarA::LianZhen}}), 3, StarA::LianZhen), 1); // 木
    EXPECT_EQ(ElementOfGroupA(Words({{3, StarA::LianZhen | StarA::TanLang}}), 3, StarA::LianZhen),
              4);
    EXPECT_EQ(ElementOfGroupA(Words({{3, StarA::LianZhen | StarA::TanLang}}), 3, StarA::TanLang),
              0);
    EXPECT_EQ(ElementOfGroupA(Words({{3, StarA::QiSha | StarA::ZiWei}}), 3, StarA::QiSha), 4);
    EXPECT_EQ(ElementOfGroupA(Words({{3, StarA::QiSha}}), 3, StarA::QiSha), 2);

    // No main star: the opposite palace's are borrowed, as present and as companions.
    const auto borrowed = Words({{9, StarA::LianZhen | StarA::TianFu}, {3, StarA::QingYang}});
    EXPECT_EQ(ElementOfGroupA(borrowed, 3, StarA::LianZhen), 4);
    EXPECT_EQ(ElementOfGroupA(borrowed, 3, StarA::QingYang), 2); // only one of 廉 貪 殺
    EXPECT_EQ(ElementOfGroupA(borrowed, 3, StarA::TianFu), 3);
    const auto fiery = Words({{3, StarA::QingYang | StarA::LianZhen | StarA::QiSha}});
    EXPECT_EQ(ElementOfGroupA(fiery, 3, StarA::QingYang), 4);
    // A palace with its own main star borrows nothing.
    const auto own = Words({{9, StarA::LianZhen}, {3, StarA::TaiYin}});
    EXPECT_EQ(ElementOfGroupA(own, 3, StarA::LianZhen), kNone);
    EXPECT_EQ(ElementOfGroupA(own, 3, StarA::TaiYin), 0);
    EXPECT_EQ(ElementOfGroupA(own, 3, StarA::HuaKe), kNone);
    EXPECT_EQ(ElementOfGroupA(own, 12, StarA::TaiYin), kNone);
}

TEST(Elements, GroupBPalaceBoundAndRings) {
    ChartBlock c;
    c.groupB[5] = StarB::TianYao | StarB::JieShen;
    EXPECT_EQ(ElementOfGroupB(kGroupB, StarB::TianYao, 0, 5, c), 0);
    EXPECT_EQ(ElementOfGroupB(kGroupB, StarB::JieShen, 0, 5, c), kNone);
    EXPECT_EQ(ElementOfGroupB(kGroupB, StarB::TianKong, 0, 5, c), kNone); // not there
    EXPECT_EQ(ElementOfGroupB(kGroupPalaceBound, kTianShang, 8, 2, c), 0);
    EXPECT_EQ(ElementOfGroupB(kGroupPalaceBound, kTianShang, 6, 2, c), kNone);
    EXPECT_EQ(ElementOfGroupB(kGroupPalaceBound, kTianShi, 6, 2, c), 0);
    EXPECT_EQ(ElementOfGroupB(kGroupB, StarB::TianYao, 0, 40, c), kNone);

    c.doctorRing[1] = 1;    // 力士 火
    c.yearFrontRing[8] = 8; // 白虎 金
    EXPECT_EQ(ElementOfRing(1, c, kRingDoctor, 1), 4);
    EXPECT_EQ(ElementOfRing(2, c, kRingDoctor, 1), kNone); // not at that palace
    EXPECT_EQ(ElementOfRing(8, c, kRingYearFront, 8), 2);
    EXPECT_EQ(ElementOfRing(0, c, kRingLongLife, 0), kNone);
    EXPECT_EQ(ElementOfRing(0, c, 9, 0), kNone);
    EXPECT_EQ(ElementOfRing(1, c, kRingDoctor, 12), kNone);
}

TEST(Texts, NamesFromListsAndOutOfRangeIds) {
    EXPECT_EQ(LifeMasterStringId(-1), 193); // positions wrap: 丑 巨門
    EXPECT_EQ(BureauStringId(9), 0);
    EXPECT_EQ(StarNameA(StarA::ZiWei | StarA::TianJi), ResText{});
    EXPECT_EQ(StarNameB(StarB::TianKong, 0), (ResText{260}));
    EXPECT_EQ(StarNameB(StarB::TianKong, 1), (ResText{714, 1})); // 地空
    EXPECT_EQ(StarNameB(StarB::XunKong, 1), (ResText{290}));
    EXPECT_EQ(RingMemberName(kRingYearFront, 0, 1), (ResText{715, 0}));
    EXPECT_EQ(RingMemberName(kRingYearFront, 11, 0), (ResText{348}));
    EXPECT_EQ(RingMemberName(kRingLongLife, 12, 0), ResText{});
}

} // namespace
} // namespace zelk::test
