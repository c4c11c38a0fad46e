// The stored image of one client: offsets, byte order, text fields, and the
// bytes the program does not interpret surviving a read and a write.
#include "client_record.h"
#include "client_test_support.h"

#include <gtest/gtest.h>

#include <cstring>

namespace zelk {
namespace {

uint16_t U16(const QByteArray& b, int at) {
    return uint16_t(uint8_t(b[at]) | uint8_t(b[at + 1]) << 8);
}
uint32_t U32(const QByteArray& b, int at) {
    return U16(b, at) | uint32_t(U16(b, at + 2)) << 16;
}
QString TextAt(const QByteArray& b, int at, int units) {
    QString s;
    for (int i = 0; i < units && U16(b, at + 2 * i) != 0; ++i)
        s += QChar(U16(b, at + 2 * i));
    return s;
}

TEST(ClientRecordLayout, EveryFieldLandsAtItsOffsetLittleEndian) {
    tagUserInfo r;
    r.id = 0x01020304;
    r.name.assign(u"王小明");
    r.year = 1986;
    r.month = 3;
    r.day = 15;
    r.hourIndex = 12;
    r.hour = 24;
    r.minute = 59;
    r.lunarYear = 1986;
    r.lunarMonth = 2;
    r.lunarDay = 7;
    r.sex = 1;
    r.isLeapMonth = 1;
    r.address.assign(u"台北市");
    r.phone.assign(u"02-1234");
    r.note.assign(u"line1\r\nline2");
    r.bloodType = 3;
    r.customBirthday = -2;
    r.birthPlace.assign(u"台南");
    r.longitude.assign(u"121.5");
    r.latitude.assign(u"25.0");
    r.height = -170;
    r.siblingRank = 16;
    r.education.assign(u"大學");
    r.createdDate.assign(u"2024/01/31");
    r.email.assign(u"a@b.tw");
    r.introducer.assign(u"李四");
    r.category.assign(u"VIP客戶");

    const QByteArray b = SerializeUserInfo(r);
    ASSERT_EQ(b.size(), 2000);
    EXPECT_EQ(uint8_t(b[0]), 0x04); // little-endian
    EXPECT_EQ(U32(b, 0), 0x01020304u);
    EXPECT_EQ(TextAt(b, 4, 32), u"王小明");
    const int16_t shorts[] = {1986, 3, 15, 12, 24, 59, 1986, 2, 7};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(int16_t(U16(b, 68 + 2 * i)), shorts[i]) << i;
    EXPECT_EQ(U32(b, 88), 1u);
    EXPECT_EQ(U32(b, 92), 1u);
    EXPECT_EQ(TextAt(b, 96, 64), u"台北市");
    EXPECT_EQ(TextAt(b, 224, 32), u"02-1234");
    EXPECT_EQ(TextAt(b, 288, 256), u"line1\r\nline2");
    EXPECT_EQ(U16(b, 802), 3);
    EXPECT_EQ(int32_t(U32(b, 804)), -2);
    EXPECT_EQ(TextAt(b, 808, 32), u"台南");
    EXPECT_EQ(TextAt(b, 872, 12), u"121.5");
    EXPECT_EQ(TextAt(b, 896, 12), u"25.0");
    EXPECT_EQ(int16_t(U16(b, 920)), -170);
    EXPECT_EQ(U16(b, 922), 16);
    EXPECT_EQ(TextAt(b, 924, 32), u"大學");
    EXPECT_EQ(TextAt(b, 988, 15), u"2024/01/31");
    EXPECT_EQ(TextAt(b, 1018, 64), u"a@b.tw");
    EXPECT_EQ(TextAt(b, 1146, 32), u"李四");
    EXPECT_EQ(TextAt(b, 1210, 30), u"VIP客戶");
    // Nothing outside the fields is written for a fresh record.
    for (int at : {86, 87, 800, 801})
        EXPECT_EQ(b[at], '\0') << at;
    for (int at = 1270; at < 2000; ++at)
        ASSERT_EQ(b[at], '\0') << at;
    EXPECT_EQ(ParseUserInfo(b.constData()), r);
}

TEST(ClientRecordLayout, UninterpretedBytesAreWrittenBackAsTheyWere) {
    // A record from another writer: noise everywhere, texts ended early.
    QByteArray noise(2000, '\0');
    for (int i = 0; i < 2000; ++i)
        noise[i] = char((i * 37 + 11) & 0xFF);
    noise[4] = 'A';
    noise[5] = 0;
    noise[6] = 0;
    noise[7] = 0; // name "A", then leftovers
    const tagUserInfo r = ParseUserInfo(noise.constData());
    EXPECT_EQ(r.name.text(), u"A");
    EXPECT_EQ(SerializeUserInfo(r), noise);
}

TEST(ClientRecordText, FieldWithoutTerminatorReadsToItsEnd) {
    QByteArray b(2000, '\0');
    for (int i = 0; i < 12; ++i) {
        b[872 + 2 * i] = char('0' + i % 10);
        b[873 + 2 * i] = 0;
    }
    EXPECT_EQ(ParseUserInfo(b.constData()).longitude.text(), u"012345678901");
}

TEST(ClientRecordText, AssignCutsToFieldKeepsPairsAndClearsLeftovers) {
    FixedText<4> t;
    t.assign(u"abcdef");
    EXPECT_EQ(t.text(), u"abc");
    EXPECT_EQ(t.units[3], 0);
    t.assign(u"z");
    EXPECT_EQ(t.units[1], 0) << "an older, longer text must not survive after the terminator";
    // A character outside the BMP at the cut is dropped whole, not split.
    t.assign(QString::fromUtf8("ab\xF0\x9F\x98\x80"));
    EXPECT_EQ(t.text(), u"ab");
    FixedText<32> name;
    name.assign(QString(40, QChar(u'名')));
    EXPECT_EQ(name.text().size(), 31);
}

} // namespace
} // namespace zelk
