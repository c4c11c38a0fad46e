#include "settings_keys.h"
#include "string_table.h"

#include <gtest/gtest.h>

#include <set>

namespace zelk {
namespace {

TEST(SettingKeys, EveryKeyHasAUniqueNameAndIsFoundByIt) {
    std::set<std::string> names;
    int text = 0;
    for (const SettingKey& k : SettingKeys()) {
        const std::string name(ResStringUtf8(k.id));
        ASSERT_FALSE(name.empty()) << "key " << k.id << " has no name string";
        EXPECT_TRUE(names.insert(name).second) << name;
        EXPECT_EQ(FindSettingKeyByName(name), &k);
        EXPECT_EQ(FindSettingKey(k.id), &k);
        if (k.width == KeyWidth::Text) ++text;
        EXPECT_EQ(k.sectionId == kMainSectionId, k.id == 608 || k.id == 609) << name;
    }
    EXPECT_EQ(names.size(), 80u);
    EXPECT_EQ(text, 3);
    EXPECT_EQ(FindSettingKeyByName("timebase"), nullptr); // names are exact
    EXPECT_EQ(FindSettingKey(313), nullptr);              // a string, not a key
    AppSettings s;
    EXPECT_FALSE(SetSettingValue(s, 552, 1)); // a text key has no integer field
    EXPECT_FALSE(SetSettingValue(s, 313, 1));
    EXPECT_FALSE(SettingValue(s, 608));
    EXPECT_TRUE(SetSettingValue(s, 461, 0x1C000)); // BSTAR3: 16 bits
    EXPECT_EQ(s.BStarMask2, 0xC000);
    EXPECT_EQ(SettingSectionName(kStarSectionId), QStringLiteral("a16_S3StarSection"));
    EXPECT_EQ(SettingSectionName(kMainSectionId), QStringLiteral("a16_S3MainSection"));
}

TEST(SettingDefault, FixedDefaultsAtTheEdgesOfTheirRanges) {
    const CurrentTime zero;
    const struct {
        int id;
        int32_t value;
    } rows[] = {
        {305, 0}, {306, 1},   {312, 0}, {314, 1}, {315, 0}, {316, 1},   {317, 2},     {433, 1},
        {436, 0}, {437, 1},   {439, 1}, {440, 0}, {445, 2}, {456, 0},   {457, 65535}, {461, 65535},
        {462, 1}, {468, 1},   {469, 0}, {470, 1}, {486, 1}, {487, 0},   {488, 0},     {490, 1},
        {491, 1}, {492, 0},   {522, 0}, {545, 0}, {549, 0}, {550, 0},   {552, 0},     {553, 1},
        {556, 1}, {557, 2},   {558, 2}, {559, 1}, {560, 0}, {563, 0},   {564, 1},     {565, 0},
        {575, 0}, {576, 0},   {577, 1}, {578, 0}, {604, 0}, {610, 256}, {611, 7},     {0, 0},
        {-1, 0},  {70000, 0},
    };
    for (const auto& r : rows)
        EXPECT_EQ(SettingDefault(r.id, zero), r.value) << r.id;
}

// A fresh AppSettings must agree with the key table, or a fresh installation
// would run with values no file or restore could ever produce.
TEST(SettingDefault, AgreesWithAFreshAppSettings) {
    const AppSettings fresh;
    for (const SettingKey& k : SettingKeys()) {
        if (k.width == KeyWidth::Text) continue;
        EXPECT_EQ(SettingValue(fresh, k.id), SettingDefault(k.id, CurrentTime{}))
            << ResStringUtf8(k.id);
    }
}

} // namespace
} // namespace zelk
