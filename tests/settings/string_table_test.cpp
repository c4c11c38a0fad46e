#include "string_table.h"

#include <gtest/gtest.h>

namespace zelk {
namespace {

// The long runs of the table are the easiest place to lose or double an item:
// every id below sits at a run boundary or right after a repeated text.
TEST(StringTable, RunBoundariesHoldTheirTexts) {
    const struct {
        int id;
        const char* text;
    } rows[] = {
        {132, "男"},
        {134, "造"},
        {135, "甲"},
        {144, "癸"},
        {145, "子"},
        {156, "亥"},
        {157, "檔案檢視"},
        {171, "年"},
        {175, "姓名 : "},
        {176, "命造 : "},
        {184, "子年斗君 : "},
        {189, "火六局"},
        {190, "命宮 : "},
        {205, "紫微"},
        {206, "天機"},
        {229, "天鉞"},
        {230, "祿"},
        {233, "忌"},
        {234, "寅"},
        {245, "丑"},
        {246, "五行局 : "},
        {247, "【命】"},
        {258, "【父母】"},
        {259, "地劫"},
        {292, "天使"},
        {293, "長生"},
        {298, "衰"},
        {304, "養"},
        {305, "PanBase"},
        {306, "TimeBase"},
        {307, "BaseYear"},
        {308, "BaseMonth"},
        {313, "【本命】"},
        {315, "GodBase"},
        {318, "廟"},
        {322, "陷"},
        {325, "博士"},
        {360, "亡神"},
        {362, "【身】"},
        {363, "閏"},
        {381, "八字 : "},
        {383, "小寒"},
        {406, "冬至"},
        {407, "流昌："},
        {414, "姓名及出生年月日"},
        {417, "今年"},
        {432, "流分"},
        {437, "LifeLine"},
        {444, "無法刪除該筆資料"},
        {446, "今日 : "},
        {451, "分"},
        {457, "ASTAR1"},
        {461, "BSTAR3"},
        {506, "本命盤 : "},
        {513, "《紫微地盤》"},
        {521, "流昌"},
        {544, "日"},
        {572, "小限斗君 : "},
        {585, "流祿"},
        {603, "生年命主："},
        {617, "未輸入"},
        {631, "新細明體"},
        {632, "未知"},
        {643, "Ｏ"},
        {647, "【"},
        {649, "圖檔寫入完成"},
        {652, "０"},
        {661, "９"},
        {684, "選取項目匯出完成"},
        {716, "先生"},
        {729, "排盤圖檔"},
        {737, "星性"},
        {742, "諸星"},
        {57344, "Zelk_V3"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(ResStringUtf8(r.id), r.text) << "string " << r.id;
}

TEST(StringTable, SingleStringsKeepBlanksEscapesAndMarks) {
    EXPECT_EQ(ResStringUtf8(105), "子時  午夜十二點後");
    EXPECT_EQ(ResStringUtf8(108), "卯時 早上五點後");
    EXPECT_EQ(
        LoadResString(130),
        QStringLiteral("\nZelk\nZelk\nZelk Files (*.kvy)\n.kvy\nZelk.Document\nZelk.Document"));
    EXPECT_EQ(ResStringUtf8(546), "確定要回復系統預設值?");
    EXPECT_EQ(ResStringUtf8(547), "已設回系統預設值!");
    EXPECT_EQ(ResStringUtf8(607), "Kyvra參數檔(*.ini )|*.ini||");
    EXPECT_EQ(ResStringUtf8(612), "確定要刪除%s檔案 %s ?");
    EXPECT_EQ(ResStringUtf8(103), "StarSection");
    EXPECT_EQ(ResStringUtf8(102), "MainSection");
}

TEST(StringTable, MissingStringsAreEmpty) {
    for (int id : {-1, 0, 99, 101 + 0x10000, 128 + 0x10000, 500, 701, 65535, 1 << 20}) {
        if (id == 701 && HasResString(701)) continue; // written with the star texts
        EXPECT_TRUE(LoadResString(id).isEmpty()) << id;
        EXPECT_TRUE(ResStringUtf8(id).empty()) << id;
    }
}

TEST(StringTable, ListsSplitIntoTheirItems) {
    const QStringList stars = ParseQuotedList(LoadResString(690));
    ASSERT_EQ(stars.size(), 112);
    EXPECT_EQ(stars[0], QStringLiteral("紫微"));
    EXPECT_EQ(stars[75], QStringLiteral("衰  "));
    EXPECT_EQ(stars[81], QStringLiteral("養  "));
    EXPECT_EQ(stars[82], QStringLiteral("截空"));
    EXPECT_EQ(stars[111], QStringLiteral("天廚"));

    const QStringList palaces = ParseQuotedList(LoadResString(692));
    ASSERT_EQ(palaces.size(), 12);
    EXPECT_EQ(palaces[1], QStringLiteral("父母"));
    EXPECT_EQ(ParseQuotedList(LoadResString(694)), (QStringList{"生", "剋", "無"}));

    const QStringList second = ParseQuotedList(LoadResString(713));
    const QStringList alt = ParseQuotedList(LoadResString(714));
    ASSERT_EQ(second.size(), 34);
    ASSERT_EQ(alt.size(), 34);
    EXPECT_EQ(second[1], QStringLiteral("天空"));
    EXPECT_EQ(alt[1], QStringLiteral("地空"));
    for (int i = 0; i < 34; ++i) {
        if (i != 1) {
            EXPECT_EQ(second[i], alt[i]) << i;
        }
    }
    EXPECT_EQ(second[33], QStringLiteral("天使"));
    EXPECT_EQ(ParseQuotedList(LoadResString(715)).value(10), QStringLiteral("吊客"));
}

TEST(ParseQuotedList, MalformedPiecesGiveDocumentedItems) {
    EXPECT_TRUE(ParseQuotedList(QString()).isEmpty());
    EXPECT_EQ(ParseQuotedList(QStringLiteral("\"a\",\"b\",")), (QStringList{"a", "b", ""}));
    EXPECT_EQ(ParseQuotedList(QStringLiteral("x,\"open")), (QStringList{"", "open"}));
    EXPECT_EQ(ParseQuotedList(QStringLiteral(" \"a\" tail,\"\"")), (QStringList{"a", ""}));
}

TEST(ParseQuotedList, SlotsAreFixedAndCut) {
    const QStringList two = ParseQuotedListSlots(QStringLiteral("\"a\",\"b\",\"c\""), 2, 9);
    EXPECT_EQ(two, (QStringList{"a", "b"}));
    const QStringList four = ParseQuotedListSlots(QStringLiteral("\"0123456789AB\""), 4, 9);
    ASSERT_EQ(four.size(), 4);
    EXPECT_EQ(four[0], QStringLiteral("012345678"));
    EXPECT_TRUE(four[3].isEmpty());
    // A character outside the basic plane is two UTF-16 units and is not split.
    const QString wide = QStringLiteral("\"12345678") + QString::fromUcs4(U"\U00020000") + "\"";
    EXPECT_EQ(ParseQuotedListSlots(wide, 1, 9).value(0), QStringLiteral("12345678"));
}

} // namespace
} // namespace zelk
