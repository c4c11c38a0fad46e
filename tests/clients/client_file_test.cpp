// The client database file: both count forms, damage of every kind, and the
// atomic write.
#include "client_file.h"
#include "client_test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zelk {
namespace {

using test::LittleEndian16;
using test::LittleEndian32;
using test::SampleClient;

QByteArray Records(int n) {
    QByteArray b;
    for (int i = 0; i < n; ++i)
        b += SerializeUserInfo(SampleClient(i + 1, QStringLiteral("c%1").arg(i)));
    return b;
}

TEST(ClientFileFormat, EmptyDatabaseIsTwoZeroBytes) {
    EXPECT_EQ(SerializeClientFile({}), QByteArray(2, '\0'));
    const ClientFileImage image = ParseClientFile(QByteArray(2, '\0'));
    EXPECT_TRUE(image.records.empty());
    EXPECT_EQ(image.damage, ClientFileDamage::None);
}

TEST(ClientFileFormat, ShortCountFormRoundTrips) {
    ClientList list = {SampleClient(1, QStringLiteral("甲")),
                       SampleClient(2, QStringLiteral("乙"))};
    const QByteArray bytes = SerializeClientFile(list);
    ASSERT_EQ(bytes.size(), 2 + 2 * 2000);
    EXPECT_EQ(bytes.left(2), LittleEndian16(2));
    EXPECT_EQ(bytes.mid(2, 2000), SerializeUserInfo(list[0]));
    const ClientFileImage image = ParseClientFile(bytes);
    EXPECT_EQ(image.damage, ClientFileDamage::None);
    EXPECT_EQ(image.records, list);
}

TEST(ClientFileFormat, LongCountFormIsRead) {
    // FF FF then a uint32 count: the form a count of 65535 or more takes.
    const QByteArray bytes = QByteArray("\xFF\xFF", 2) + LittleEndian32(3) + Records(3);
    const ClientFileImage image = ParseClientFile(bytes);
    EXPECT_EQ(image.damage, ClientFileDamage::None);
    ASSERT_EQ(image.records.size(), 3u);
    EXPECT_EQ(image.records[2].id, 3);
}

TEST(ClientFileDamageTest, CountsTheFileCannotHoldAreDamageNotAllocations) {
    // FF FF FF FF 00 00 announces 65535 records, and the file holds none.
    ClientFileImage a = ParseClientFile(QByteArray("\xFF\xFF\xFF\xFF\x00\x00", 6));
    EXPECT_EQ(a.announced, 65535u);
    EXPECT_EQ(a.damage, ClientFileDamage::Truncated);
    EXPECT_TRUE(a.records.empty());
    // FF FF and four billion, followed by one record: that record is kept.
    ClientFileImage b =
        ParseClientFile(QByteArray("\xFF\xFF", 2) + LittleEndian32(0xFFFFFFF0u) + Records(1));
    EXPECT_EQ(b.damage, ClientFileDamage::Truncated);
    EXPECT_EQ(b.records.size(), 1u);
    EXPECT_LE(b.records.capacity(), 1u);
}

TEST(ClientFileDamageTest, EveryShapeOfDamageKeepsTheWholeRecords) {
    const QByteArray three = LittleEndian16(3) + Records(3);
    struct Case {
        QByteArray bytes;
        ClientFileDamage damage;
        size_t kept;
    };
    const Case cases[] = {
        {QByteArray(), ClientFileDamage::NoCount, 0},
        {QByteArray(1, '\x01'), ClientFileDamage::NoCount, 0},
        {QByteArray("\xFF\xFF\x01", 3), ClientFileDamage::NoCount, 0},
        {three.left(2 + 2000 + 1500), ClientFileDamage::Truncated, 1},
        {three + "x", ClientFileDamage::TrailingBytes, 3},
        {LittleEndian16(1) + Records(2), ClientFileDamage::TrailingBytes, 1},
    };
    for (const Case& c : cases) {
        const ClientFileImage image = ParseClientFile(c.bytes);
        EXPECT_EQ(image.damage, c.damage) << c.bytes.size();
        EXPECT_EQ(image.records.size(), c.kept) << c.bytes.size();
    }
}

TEST(ClientFileDamageTest, MoreRecordsThanAListHoldsIsDamage) {
    const ClientFileImage image = ParseClientFile(LittleEndian16(32768) + Records(32768));
    EXPECT_EQ(image.damage, ClientFileDamage::OverLimit);
    EXPECT_EQ(image.records.size(), size_t(kClientListLimit));
}

TEST(ClientFileIo, ReadReportsMissingUnreadableAndDamagedFiles) {
    QTemporaryDir dir;
    ClientList list = {SampleClient(7, QStringLiteral("keep"))};

    ClientStoreResult missing =
        ReadClientFile(dir.filePath(QStringLiteral("none.kvy")), list, true);
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.notices.empty()) << "a first start is silent";
    EXPECT_EQ(list.size(), 1u) << "a file that cannot be opened leaves the list";

    ClientStoreResult folder = ReadClientFile(dir.path(), list, true);
    EXPECT_FALSE(folder.ok);
    EXPECT_EQ(list.size(), 1u);

    const QString damaged = dir.filePath(QStringLiteral("d.kvy"));
    ASSERT_TRUE(test::WriteAll(damaged, LittleEndian16(2) + Records(1)));
    ClientStoreResult read = ReadClientFile(damaged, list, true);
    EXPECT_TRUE(read.ok);
    ASSERT_TRUE(read.has(kMsgFileDamaged));
    EXPECT_EQ(read.notices[0].path, damaged);
    EXPECT_EQ(read.notices[0].number, 1);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].id, 1);

    ClientStoreResult appended = ReadClientFile(damaged, list, false);
    EXPECT_EQ(list.size(), 2u) << "without replace the records are appended";
}

TEST(ClientFileIo, WriteFailingHalfWayLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("QUILMAIN.kvy"));
    ClientList small = {SampleClient(1, QStringLiteral("old"))};
    ASSERT_TRUE(WriteClientFile(path, small).ok);
    const QByteArray before = test::ReadAll(path);

    ClientList big;
    for (int i = 0; i < 200; ++i)
        big.push_back(SampleClient(i, QStringLiteral("new")));

    ClientStoreResult result;
    {
        test::FileSizeLimit limit(100 * 1000);
        ASSERT_TRUE(limit.active());
        result = WriteClientFile(path, big);
    }
    EXPECT_FALSE(result.ok);
    ASSERT_TRUE(result.has(kMsgWriteFailed));
    EXPECT_EQ(result.notices[0].path, path);
    EXPECT_EQ(test::ReadAll(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("QUILMAIN.kvy")})
        << "no temporary file is left behind";
}

TEST(ClientFileIo, WriteIntoMissingFolderFails) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gone/x.kvy"));
    const ClientStoreResult result = WriteClientFile(path, {});
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.has(kMsgWriteFailed));
}

TEST(ClientFileIo, CheckedPartIsWrittenInTheOrderGiven) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("part.kvy"));
    ClientList list;
    for (int i = 0; i < 5; ++i)
        list.push_back(SampleClient(10 + i, QStringLiteral("n")));
    const ClientStoreResult result = WriteClientFile(path, list, {1, 3, 9, -1});
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.count, 2);
    ClientList back;
    ASSERT_TRUE(ReadClientFile(path, back, true).ok);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].id, 11);
    EXPECT_EQ(back[1].id, 13);
}

} // namespace
} // namespace zelk
