// The birth-time block in a record's reserved area: where it lies, what it keeps,
// and that a damaged or foreign block reads as no data without harm.
#include "client_birth_block.h"
#include "client_record.h"
#include "client_test_support.h"

#include <gtest/gtest.h>

#include <cstring>

namespace zelk {
namespace {

ClientBirthBlock Taipei() {
    ClientBirthBlock b;
    b.rule = StoredTimeRule::Standard;
    b.zone = QStringLiteral("Asia/Taipei");
    b.longitude = 121.5;
    b.latitude = 25.04;
    return b;
}

QByteArray Image(const tagUserInfo& r) {
    return SerializeUserInfo(r);
}

TEST(ClientBirthBlock, LiesAtOffset1270WithItsSignatureAndVersion) {
    tagUserInfo r = test::SampleClient(7, QStringLiteral("林小姐"));
    ASSERT_TRUE(WriteBirthBlock(r, Taipei()));
    const QByteArray bytes = Image(r);
    ASSERT_EQ(bytes.size(), kUserInfoSize);
    EXPECT_EQ(bytes.mid(1270, 4), QByteArray("ZKBT"));
    EXPECT_EQ(uint8_t(bytes[1274]), 1);  // version
    EXPECT_EQ(uint8_t(bytes[1275]), 64); // size
    EXPECT_EQ(uint8_t(bytes[1276]), 2);  // standard
    EXPECT_EQ(uint8_t(bytes[1277]), 3);  // longitude and latitude
    EXPECT_EQ(bytes.mid(1278, 4), test::LittleEndian32(121500000));
    EXPECT_EQ(bytes.mid(1282, 4), test::LittleEndian32(25040000));
    EXPECT_EQ(uint8_t(bytes[1286]), 11);
    EXPECT_EQ(bytes.mid(1287, 11), QByteArray("Asia/Taipei"));
    EXPECT_EQ(bytes.mid(1298, 34), QByteArray(34, '\0'));
    // Everything after the block is as it was: zeros in a new record.
    EXPECT_EQ(bytes.mid(1334), QByteArray(kUserInfoSize - 1334, '\0'));
}

TEST(ClientBirthBlock, RoundTripsThroughTheStoredImage) {
    const ClientBirthBlock cases[] = {
        Taipei(),
        {StoredTimeRule::Solar, QStringLiteral("America/Argentina/ComodRivadavia"), -67.5, -45.87},
        {StoredTimeRule::Clock, QString(), std::nullopt, std::nullopt},
        {StoredTimeRule::FollowSetting, QStringLiteral("UTC+08:00"), 180.0, std::nullopt},
        {StoredTimeRule::Solar, QString(45, QLatin1Char('A')), -180.0, -90.0},
    };
    for (const ClientBirthBlock& block : cases) {
        tagUserInfo r = test::SampleClient(1, QStringLiteral("甲"));
        ASSERT_TRUE(WriteBirthBlock(r, block)) << block.zone.toStdString();
        const QByteArray first = Image(r);
        const tagUserInfo back = ParseUserInfo(first.constData());
        const auto read = ReadBirthBlock(back);
        ASSERT_TRUE(read) << block.zone.toStdString();
        EXPECT_EQ(*read, block);
        // Written again from what was read: the same bytes.
        tagUserInfo again = back;
        ASSERT_TRUE(WriteBirthBlock(again, *read));
        EXPECT_EQ(Image(again), first);
    }
}

TEST(ClientBirthBlock, KeepsTheNumbersToAMillionthOfADegree) {
    tagUserInfo r;
    ClientBirthBlock b = Taipei();
    b.longitude = 121.56438712;
    b.latitude = -0.0000004;
    ASSERT_TRUE(WriteBirthBlock(r, b));
    const auto read = ReadBirthBlock(r);
    ASSERT_TRUE(read);
    EXPECT_DOUBLE_EQ(*read->longitude, 121.564387);
    EXPECT_DOUBLE_EQ(*read->latitude, 0.0);
}

TEST(ClientBirthBlock, LeavesTheRestOfTheReservedAreaAlone) {
    tagUserInfo r;
    for (std::size_t i = 0; i < r.reserved1270.size(); ++i)
        r.reserved1270[i] = uint8_t(i * 7 + 3);
    const auto before = r.reserved1270;
    ASSERT_TRUE(WriteBirthBlock(r, Taipei()));
    EXPECT_TRUE(std::equal(before.begin() + kBirthBlockSize, before.end(),
                           r.reserved1270.begin() + kBirthBlockSize));
    ClearBirthBlock(r);
    EXPECT_FALSE(ReadBirthBlock(r));
    EXPECT_TRUE(std::all_of(r.reserved1270.begin(), r.reserved1270.begin() + kBirthBlockSize,
                            [](uint8_t c) { return c == 0; }));
    EXPECT_TRUE(std::equal(before.begin() + kBirthBlockSize, before.end(),
                           r.reserved1270.begin() + kBirthBlockSize));

    // Bytes that are no block of ours are not cleared.
    tagUserInfo foreign;
    foreign.reserved1270.fill(0x5A);
    const tagUserInfo copy = foreign;
    ClearBirthBlock(foreign);
    EXPECT_EQ(foreign, copy);
}

TEST(ClientBirthBlock, AbsentOrDamagedBlocksReadAsNoData) {
    EXPECT_FALSE(ReadBirthBlock(tagUserInfo{}));

    tagUserInfo good;
    ASSERT_TRUE(WriteBirthBlock(good, Taipei()));
    ASSERT_TRUE(ReadBirthBlock(good));
    // Every single changed byte of the block is caught.
    for (int at = 0; at < kBirthBlockSize; ++at)
        for (uint8_t flip : {uint8_t(0x01), uint8_t(0x80), uint8_t(0xFF)}) {
            tagUserInfo r = good;
            r.reserved1270[std::size_t(at)] ^= flip;
            EXPECT_FALSE(ReadBirthBlock(r)) << "byte " << at << " ^ " << int(flip);
        }
}

// A block with a correct checksum but contents no writer makes: still no data.
TEST(ClientBirthBlock, RefusesWellSummedNonsense) {
    auto withChecksum = [](tagUserInfo r) {
        const uint16_t sum = qChecksum(QByteArrayView(
            reinterpret_cast<const char*>(r.reserved1270.data()), kBirthBlockSize - 2));
        r.reserved1270[62] = uint8_t(sum & 0xFF);
        r.reserved1270[63] = uint8_t(sum >> 8);
        return r;
    };
    tagUserInfo good;
    ASSERT_TRUE(WriteBirthBlock(good, Taipei()));
    ASSERT_TRUE(ReadBirthBlock(withChecksum(good)));

    auto damaged = [&](int at, uint8_t value) {
        tagUserInfo r = good;
        r.reserved1270[std::size_t(at)] = value;
        return ReadBirthBlock(withChecksum(r));
    };
    EXPECT_FALSE(damaged(4, 2));    // a version this reader does not know
    EXPECT_FALSE(damaged(5, 65));   // another size
    EXPECT_FALSE(damaged(6, 4));    // no such rule
    EXPECT_FALSE(damaged(7, 4));    // an unknown flag
    EXPECT_FALSE(damaged(16, 46));  // zone longer than its field
    EXPECT_FALSE(damaged(17, ' ')); // a blank inside the zone id
    EXPECT_FALSE(damaged(17, 0xE4));
    EXPECT_FALSE(damaged(30, 'x'));  // text after the zone's length
    EXPECT_FALSE(damaged(11, 0x7F)); // longitude far beyond 180°
    tagUserInfo noLongitude = good;
    noLongitude.reserved1270[7] = 2; // flag cleared, number still there
    EXPECT_FALSE(ReadBirthBlock(withChecksum(noLongitude)));
}

TEST(ClientBirthBlock, RefusesWhatCannotBeStored) {
    tagUserInfo r;
    ASSERT_TRUE(WriteBirthBlock(r, Taipei()));
    const tagUserInfo before = r;
    auto refused = [&](ClientBirthBlock b) {
        const bool written = WriteBirthBlock(r, b);
        EXPECT_EQ(r, before);
        return !written;
    };
    ClientBirthBlock b = Taipei();
    b.zone = QString(46, QLatin1Char('A'));
    EXPECT_TRUE(refused(b));
    b.zone = QStringLiteral("Asia/台北");
    EXPECT_TRUE(refused(b));
    b.zone = QStringLiteral("Asia Taipei");
    EXPECT_TRUE(refused(b));
    b = Taipei();
    b.longitude = 180.5;
    EXPECT_TRUE(refused(b));
    b.longitude = std::nan("");
    EXPECT_TRUE(refused(b));
    b = Taipei();
    b.latitude = -90.01;
    EXPECT_TRUE(refused(b));
    b = Taipei();
    b.rule = static_cast<StoredTimeRule>(9);
    EXPECT_TRUE(refused(b));
}

} // namespace
} // namespace zelk
