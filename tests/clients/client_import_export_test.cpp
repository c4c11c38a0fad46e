// Import into the current database and export of checked, shown clients, for
// every file kind, including the refusals that must leave everything as it was.
#include "big5_text.h"
#include "client_file.h"
#include "client_import_export.h"
#include "client_test_support.h"
#include "client_v2_file.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zelk {
namespace {

using test::SampleClient;

QByteArray V2Record(const QByteArray& nameBig5, int year) {
    QByteArray r(kV2RecordSize, '\0');
    r.replace(0, qMin<qsizetype>(nameBig5.size(), 32), nameBig5.left(32));
    const int16_t values[] = {int16_t(year), 4, 5, 3, 6, 30, int16_t(year), 3, 8};
    for (int i = 0; i < 9; ++i)
        r.replace(32 + 2 * i, 2, test::LittleEndian16(values[i]));
    r.replace(52, 4, test::LittleEndian32(1));
    r.replace(56, 4, test::LittleEndian32(0));
    r.replace(60, 4, EncodeBig5(u"台北"));
    r.replace(124, 3, QByteArray("123"));
    return r;
}

QByteArray V2File(int n, const QByteArray& records) {
    QByteArray header(kV2HeaderSize, '\x55');
    header.replace(32, 2, test::LittleEndian16(n));
    return header + records;
}

class ClientImportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        settings.programDir = dir.path();
        settings.nextId = 50;
        ClientList start = {SampleClient(1, QStringLiteral("a")),
                            SampleClient(2, QStringLiteral("b"))};
        ASSERT_TRUE(WriteClientFile(Path(QStringLiteral("QUILMAIN.kvy")), start).ok);
        db.LoadClientDatabase();
    }
    QString Path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
    MemoryClientSettings settings;
    ClientDatabase db{settings};
};

TEST_F(ClientImportTest, CsvLinesTakeTwoNumbersAndRejectsGoToTheBckFile) {
    const QString csv = Path(QStringLiteral("list.csv"));
    ASSERT_TRUE(test::WriteAll(
        csv, EncodeBig5(u"姓名,出生日期\n甲,1980/01/02 03:04\n乙,bad\n,1986/03/15 04:00")));
    const ClientImportResult r = ImportClientFile(db, QStringLiteral("csv"), csv);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.imported, 2);
    EXPECT_EQ(r.rejected, 1);
    EXPECT_EQ(r.rejectedPath, csv + QStringLiteral(".bck"));
    EXPECT_TRUE(r.has(kMsgCsvLinesRejected));
    ASSERT_EQ(db.count(), 4);
    EXPECT_EQ(db.clients()[2].id, 52) << "50, 51 went to the lines, 52, 53 to the renumbering";
    EXPECT_EQ(db.clients()[3].id, 53);
    EXPECT_EQ(db.clients()[3].name.text(), u"51-075031504") << "the automatic name keeps the first";
    EXPECT_EQ(settings.nextId, 54);
    EXPECT_EQ(test::ReadAll(r.rejectedPath), EncodeBig5(u"姓名,出生日期\n乙,bad\n"));
    ClientList onDisk;
    ReadClientFile(db.currentPath(), onDisk, true);
    EXPECT_EQ(onDisk.size(), 4u);
}

TEST_F(ClientImportTest, KvyImportKeepsEverythingButTheNumbers) {
    const QString other = Path(QStringLiteral("other.kvy"));
    tagUserInfo c = SampleClient(7, QStringLiteral("他"));
    c.note.assign(u"note");
    ASSERT_TRUE(WriteClientFile(other, {c, c}).ok);
    ASSERT_TRUE(ImportClientFile(db, QStringLiteral("kvy"), other).ok);
    ASSERT_EQ(db.count(), 4);
    tagUserInfo expected = c;
    expected.id = 50;
    EXPECT_EQ(db.clients()[2], expected);
    EXPECT_EQ(db.clients()[3].id, 51);
    ASSERT_TRUE(ImportClientFile(db, QStringLiteral("kvy"), other).ok);
    EXPECT_EQ(db.count(), 6) << "importing twice adds twice";
}

TEST_F(ClientImportTest, LegacyFilesAllLengths) {
    const QString aid = Path(QStringLiteral("old.AID"));
    ASSERT_TRUE(test::WriteAll(aid, V2File(0, V2Record(EncodeBig5(u"林"), 1970))));
    ClientImportResult r = ImportClientFile(db, QStringLiteral("AID"), aid);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.imported, 1);
    const tagUserInfo& c = db.clients().back();
    EXPECT_EQ(c.name.text(), u"林");
    EXPECT_EQ(c.year, 1970);
    EXPECT_EQ(c.minute, 30);
    EXPECT_EQ(c.lunarDay, 8);
    EXPECT_EQ(c.sex, 1);
    EXPECT_EQ(c.address.text(), u"台北");
    EXPECT_EQ(c.phone.text(), u"123");

    ASSERT_TRUE(test::WriteAll(aid, V2File(-1, V2Record("x", 1970))));
    r = ImportClientFile(db, QStringLiteral("AID"), aid);
    EXPECT_EQ(r.imported, 0);

    // Header says 4 records, the file holds 2 and a half.
    QByteArray body = V2Record("a", 1971) + V2Record("b", 1972) + V2Record("c", 1973).left(100);
    ASSERT_TRUE(test::WriteAll(aid, V2File(3, body)));
    const int before = db.count();
    r = ImportClientFile(db, QStringLiteral("AID"), aid);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.imported, 2);
    ASSERT_TRUE(r.has(kMsgLegacyFileShort));
    EXPECT_EQ(db.count(), before + 2);
    EXPECT_EQ(db.clients().back().year, 1972);

    EXPECT_TRUE(ParseV2ClientFile(QByteArray(10, '\0')).short_);
}

TEST(ClientV2Record, TextThatDoesNotFitStaysEmpty) {
    QByteArray full(32, 'N'); // 32 characters: one too many for the name field
    const tagUserInfo r = ParseV2ClientRecord(V2Record(full, 1980).constData());
    EXPECT_TRUE(r.name.empty());
    EXPECT_EQ(ParseV2ClientRecord(V2Record(full.left(31), 1980).constData()).name.text().size(),
              31);
}

TEST_F(ClientImportTest, RefusalsChangeNothing) {
    const QByteArray before = test::ReadAll(db.currentPath());
    const ClientImportResult upper =
        ImportClientFile(db, QStringLiteral("CSV"), Path(QStringLiteral("list.CSV")));
    EXPECT_FALSE(upper.ok);
    EXPECT_TRUE(upper.has(kMsgUnsupportedFile));
    const ClientImportResult missing =
        ImportClientFile(db, QStringLiteral("csv"), Path(QStringLiteral("none.csv")));
    EXPECT_TRUE(missing.has(kMsgCannotOpenFile));
    EXPECT_FALSE(ImportClientFile(db, QStringLiteral("kvy"), Path(QStringLiteral("none.kvy"))).ok);
    EXPECT_EQ(db.count(), 2);
    EXPECT_EQ(settings.nextId, 50);
    EXPECT_EQ(test::ReadAll(db.currentPath()), before);
}

TEST_F(ClientImportTest, ImportPastTheLimitIsRefusedWhole) {
    const QString big = Path(QStringLiteral("big.kvy"));
    ASSERT_TRUE(WriteClientFile(big, ClientList(kClientListLimit - 1)).ok);
    const QByteArray before = test::ReadAll(db.currentPath());
    const ClientImportResult r = ImportClientFile(db, QStringLiteral("kvy"), big);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.has(kMsgClientLimit));
    EXPECT_EQ(db.count(), 2);
    EXPECT_EQ(settings.nextId, 50) << "no number is used up";
    EXPECT_EQ(test::ReadAll(db.currentPath()), before);

    ASSERT_TRUE(WriteClientFile(big, ClientList(kClientListLimit - 2)).ok);
    EXPECT_TRUE(ImportClientFile(db, QStringLiteral("kvy"), big).ok) << "exactly full is allowed";
    EXPECT_EQ(db.count(), kClientListLimit);
}

TEST(ClientExport, OnlyCheckedAndShownClientsAreWritten) {
    QTemporaryDir dir;
    ClientList list = {SampleClient(1, QStringLiteral("王一")),
                       SampleClient(2, QStringLiteral("李二")),
                       SampleClient(3, QStringLiteral("王三"))};
    const ClientFilter finder = ApplyClientFinder(u"王");
    const QString kvy = dir.filePath(QStringLiteral("out.kvy"));
    ClientStoreResult r =
        ExportCheckedClients(list, {0, 1, 2, 7}, finder, QStringLiteral("kvy"), kvy);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.has(kMsgExportDone));
    ClientList back;
    ReadClientFile(kvy, back, true);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[1].id, 3);

    const QString csv = dir.filePath(QStringLiteral("out.csv"));
    r = ExportCheckedClients(list, {1, 2}, ApplyClientFinder(u""), QStringLiteral("csv"), csv);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.count, 2);
    EXPECT_EQ(DecodeBig5(test::ReadAll(csv)).count(QLatin1Char('\n')), 3);

    EXPECT_TRUE(ExportCheckedClients(list, {}, finder, QStringLiteral("csv"), csv)
                    .has(kMsgSelectClientFirst));
    EXPECT_TRUE(ExportCheckedClients(list, {0}, finder, QStringLiteral("AID"), csv)
                    .has(kMsgUnsupportedFile));
    const ClientStoreResult failed = ExportCheckedClients(list, {0}, finder, QStringLiteral("csv"),
                                                          dir.filePath(QStringLiteral("no/x.csv")));
    EXPECT_FALSE(failed.ok);
    EXPECT_TRUE(failed.has(kMsgExportFailed));
}

TEST(ClientExtension, ComparedExactly) {
    EXPECT_EQ(ClientFileExtension(QStringLiteral("/a.b/list.csv")), u"csv");
    EXPECT_EQ(ClientFileExtension(QStringLiteral("/a.b/list")), u"");
    EXPECT_EQ(ClientFileKindOf(QStringLiteral("CSV")), ClientFileKind::Unsupported);
    EXPECT_EQ(ClientFileKindOf(QStringLiteral("aid")), ClientFileKind::Unsupported);
}

} // namespace
} // namespace zelk
