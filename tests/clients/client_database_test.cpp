// The current database: which file is current, storing, deleting, finding, the
// next client number, the file commands, and the guards around damaged files
// and the record limit.
#include "client_database.h"
#include "client_file.h"
#include "client_numbers.h"
#include "client_test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zelk {
namespace {

using test::SampleClient;

class ClientDatabaseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        settings.programDir = dir.path();
    }
    QString Path(const QString& name) const { return dir.filePath(name); }
    void Fill(int n) {
        ClientList list;
        for (int i = 0; i < n; ++i)
            list.push_back(SampleClient(i + 1, QStringLiteral("c%1").arg(i)));
        ASSERT_TRUE(WriteClientFile(Path(QStringLiteral("QUILMAIN.kvy")), list).ok);
        ASSERT_TRUE(db.LoadClientDatabase().ok);
    }

    QTemporaryDir dir;
    MemoryClientSettings settings;
    ClientDatabase db{settings};
};

TEST_F(ClientDatabaseTest, ResolvingTheCurrentFile) {
    const QString fallback = Path(QStringLiteral("QUILMAIN.kvy"));
    EXPECT_EQ(ResolveClientDatabasePath({}, dir.path()), fallback);

    const QString elsewhere = Path(QStringLiteral("sub/mine.kvy"));
    QDir(dir.path()).mkdir(QStringLiteral("sub"));
    ASSERT_TRUE(test::WriteAll(elsewhere, QByteArray(2, '\0')));
    EXPECT_EQ(ResolveClientDatabasePath(elsewhere, dir.path()), elsewhere);

    // A database moved together with the program is still found, whichever
    // separator the stored path uses.
    const QString beside = Path(QStringLiteral("moved.kvy"));
    ASSERT_TRUE(test::WriteAll(beside, QByteArray(2, '\0')));
    EXPECT_EQ(ResolveClientDatabasePath(QStringLiteral("/no/such/dir/moved.kvy"), dir.path()),
              beside);
    EXPECT_EQ(ResolveClientDatabasePath(QStringLiteral("C:\\Old\\moved.kvy"), dir.path()), beside);
    // Neither there: the default file, whether it exists or not.
    EXPECT_EQ(ResolveClientDatabasePath(QStringLiteral("/no/such/x.kvy"), dir.path()), fallback);
    // File names compare as the file system does: another case is another file.
    EXPECT_EQ(ResolveClientDatabasePath(QStringLiteral("/no/MOVED.kvy"), dir.path()), fallback);
}

TEST_F(ClientDatabaseTest, FirstStartShowsRootOnlyAndFirstStoreCreatesTheFile) {
    const ClientStoreResult loaded = db.LoadClientDatabase();
    EXPECT_FALSE(loaded.ok);
    EXPECT_TRUE(loaded.notices.empty());
    EXPECT_EQ(db.count(), 0);
    EXPECT_EQ(ClientTreeRootLabel(db.currentPath()), u"QUILMAIN_客戶資料");
    EXPECT_EQ(settings.lastOpen, Path(QStringLiteral("QUILMAIN.kvy")));

    const ClientStoreResult stored = db.StoreClient(SampleClient(1, QStringLiteral("a")), -1);
    ASSERT_TRUE(stored.ok);
    EXPECT_EQ(stored.index, 0);
    const QByteArray bytes = test::ReadAll(Path(QStringLiteral("QUILMAIN.kvy")));
    ASSERT_EQ(bytes.size(), 2002);
    EXPECT_EQ(bytes.left(2), test::LittleEndian16(1));
}

TEST_F(ClientDatabaseTest, StoreAppendsOrReplacesAndRereadsTheFile) {
    Fill(5);
    tagUserInfo added = SampleClient(99, QStringLiteral("new"));
    ClientStoreResult r = db.StoreClient(added, -1);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.index, 5);
    EXPECT_EQ(db.count(), 6);

    r = db.StoreClient(SampleClient(3, QStringLiteral("changed")), 2);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.index, 2);
    EXPECT_EQ(db.count(), 6);
    ClientList onDisk;
    ReadClientFile(db.currentPath(), onDisk, true);
    EXPECT_EQ(onDisk, db.clients());
    EXPECT_EQ(onDisk[2].name.text(), u"changed");

    EXPECT_FALSE(db.StoreClient(added, 6).ok) << "a position past the end is refused";
    EXPECT_EQ(db.count(), 6);
}

TEST_F(ClientDatabaseTest, DeleteRemovesOneAndRefusesOutsideTheList) {
    Fill(5);
    const ClientStoreResult outside = db.DeleteClientAt(5);
    EXPECT_FALSE(outside.ok);
    EXPECT_TRUE(outside.has(kMsgCannotDelete));
    EXPECT_EQ(db.count(), 5);
    EXPECT_FALSE(db.DeleteClientAt(-1).ok);

    ASSERT_TRUE(db.DeleteClientAt(1).ok);
    ASSERT_EQ(db.count(), 4);
    EXPECT_EQ(db.clients()[1].id, 3) << "the records behind move down";

    Fill(8);
    ASSERT_TRUE(db.DeleteClientsAt({1, 4, 7}).ok);
    std::vector<int> ids;
    for (const auto& c : db.clients())
        ids.push_back(c.id);
    EXPECT_EQ(ids, (std::vector<int>{1, 3, 4, 6, 7}));
}

TEST_F(ClientDatabaseTest, GetAndFindByNameAndId) {
    Fill(3);
    ASSERT_TRUE(db.StoreClient(SampleClient(12, QStringLiteral("AMY")), -1).ok);
    ASSERT_TRUE(db.StoreClient(SampleClient(13, QStringLiteral("Amy")), -1).ok);
    EXPECT_FALSE(db.GetClientAt(5).has_value());
    EXPECT_FALSE(db.GetClientAt(-1).has_value());
    ASSERT_TRUE(db.GetClientAt(3).has_value());

    tagUserInfo key;
    key.name.assign(u"amy");
    key.id = 12;
    const auto found = db.FindClientsByNameAndId(key);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0], 3);
    EXPECT_EQ(key.name.text(), u"AMY") << "the match is copied into the key";
    key.id = 99;
    EXPECT_TRUE(db.FindClientsByNameAndId(key).empty());
}

TEST_F(ClientDatabaseTest, NextNumberRuleLooksAtTheLastRecordOnly) {
    ClientList list = {SampleClient(9, QStringLiteral("a")), SampleClient(5, QStringLiteral("b"))};
    ASSERT_TRUE(WriteClientFile(Path(QStringLiteral("QUILMAIN.kvy")), list).ok);
    settings.nextId = 3;
    db.LoadClientDatabase();
    EXPECT_EQ(settings.nextId, 6);
    settings.nextId = 40;
    db.LoadClientDatabase();
    EXPECT_EQ(settings.nextId, 40) << "a number already above the last id stays";

    // The largest id does not wrap the next number around to a negative one.
    EXPECT_EQ(NextIdAfterRebuild({SampleClient(INT32_MAX, QStringLiteral("x"))}, 1), INT32_MAX);
    ClientList two(2);
    int32_t next = INT32_MAX;
    RenumberClients(two, next);
    EXPECT_EQ(two[1].id, INT32_MAX);
}

TEST_F(ClientDatabaseTest, RenumberTakesFreshNumbersAndMovesTheSetting) {
    settings.nextId = 20;
    ClientList scratch(3);
    db.RenumberClients(scratch);
    EXPECT_EQ(scratch[0].id, 20);
    EXPECT_EQ(scratch[2].id, 22);
    EXPECT_EQ(settings.nextId, 23);
}

TEST(ClientAutoName, MinguoAndWesternYears) {
    tagUserInfo r = SampleClient(12, {}, 1986, 3, 15);
    r.hour = 4;
    EXPECT_EQ(MakeClientAutoName(r, 1, 1), u"12-075031504");
    EXPECT_EQ(MakeClientAutoName(r, 1, 0), u"12-1986031504");
    r.year = 1900;
    EXPECT_EQ(MakeClientAutoName(r, 1, 1), u"12--012031504");
    r.year = 1911; // 民國前1年
    EXPECT_EQ(MakeClientAutoName(r, 1, 1), u"12--001031504");
    r.id = 0;
    r.year = 1986;
    EXPECT_EQ(MakeClientAutoName(r, 77, 1), u"77-075031504") << "no id: the next number";
}

TEST_F(ClientDatabaseTest, DamagedFileIsCopiedBeforeItIsOverwritten) {
    const QString path = Path(QStringLiteral("QUILMAIN.kvy"));
    const QByteArray damaged = test::LittleEndian16(3) +
                               SerializeUserInfo(SampleClient(1, QStringLiteral("a"))) +
                               SerializeUserInfo(SampleClient(2, QStringLiteral("b"))).left(700);
    ASSERT_TRUE(test::WriteAll(path, damaged));

    const ClientStoreResult loaded = db.LoadClientDatabase();
    ASSERT_TRUE(loaded.has(kMsgFileDamaged));
    EXPECT_EQ(db.count(), 1);
    EXPECT_TRUE(db.needsBackupBeforeWrite(path));

    const ClientStoreResult stored = db.StoreClient(SampleClient(5, QStringLiteral("c")), -1);
    ASSERT_TRUE(stored.ok);
    ASSERT_TRUE(stored.has(kMsgDamagedCopyKept));
    const QString copy = path + QStringLiteral(".damaged");
    EXPECT_EQ(stored.notices[0].path, copy) << "the message says where the copy is";
    EXPECT_EQ(test::ReadAll(copy), damaged);
    EXPECT_EQ(db.count(), 2);
    EXPECT_FALSE(db.needsBackupBeforeWrite(path));

    // The next store has a sound file: no second copy.
    EXPECT_FALSE(db.StoreClient(SampleClient(6, QStringLiteral("d")), -1).has(kMsgDamagedCopyKept));

    // Damaged again later: an older copy is never replaced.
    ASSERT_TRUE(test::WriteAll(path, QByteArray("\x05", 1)));
    db.LoadClientDatabase();
    const ClientStoreResult again = db.SaveClientDatabase();
    ASSERT_TRUE(again.has(kMsgDamagedCopyKept));
    EXPECT_EQ(again.notices[0].path, path + QStringLiteral(".damaged.2"));
    EXPECT_EQ(test::ReadAll(copy), damaged);
}

TEST_F(ClientDatabaseTest, NoCopyMeansNoWrite) {
    // A large damaged file whose copy cannot be completed (the disk fills up).
    const QString path = Path(QStringLiteral("QUILMAIN.kvy"));
    ClientList many(100);
    const QByteArray damaged = SerializeClientFile(many) + "xx";
    ASSERT_TRUE(test::WriteAll(path, damaged));
    ASSERT_TRUE(db.LoadClientDatabase().has(kMsgFileDamaged));
    ClientStoreResult stored;
    {
        test::FileSizeLimit limit(50 * 1000);
        stored = db.StoreClient(SampleClient(1, QStringLiteral("x")), -1);
    }
    EXPECT_FALSE(stored.ok);
    EXPECT_TRUE(stored.has(kMsgDamagedCopyFailed));
    EXPECT_EQ(test::ReadAll(path), damaged);
    EXPECT_EQ(db.count(), 100) << "the refused record is not left in the list";
    EXPECT_TRUE(db.needsBackupBeforeWrite(path));
}

TEST_F(ClientDatabaseTest, FailedWriteLeavesListAndFile) {
    Fill(60);
    const QByteArray before = test::ReadAll(db.currentPath());
    ClientStoreResult stored, changed, deleted;
    {
        test::FileSizeLimit limit(50 * 1000);
        stored = db.StoreClient(SampleClient(3, QStringLiteral("x")), -1);
        changed = db.StoreClient(SampleClient(3, QStringLiteral("x")), 0);
        deleted = db.DeleteClientAt(0);
    }
    for (const auto* r : {&stored, &changed, &deleted}) {
        EXPECT_FALSE(r->ok);
        EXPECT_TRUE(r->has(kMsgWriteFailed));
    }
    EXPECT_EQ(db.count(), 60);
    EXPECT_EQ(db.clients()[0].name.text(), u"c0");
    EXPECT_EQ(test::ReadAll(db.currentPath()), before);
}

TEST_F(ClientDatabaseTest, StoreBeyondTheLimitIsRefused) {
    ClientList full(kClientListLimit);
    for (int i = 0; i < kClientListLimit; ++i)
        full[size_t(i)].id = i + 1;
    ASSERT_TRUE(WriteClientFile(Path(QStringLiteral("QUILMAIN.kvy")), full).ok);
    db.LoadClientDatabase();
    ASSERT_EQ(db.count(), kClientListLimit);
    const QByteArray before = test::ReadAll(db.currentPath());
    const ClientStoreResult r = db.StoreClient(SampleClient(1, QStringLiteral("one more")), -1);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.has(kMsgClientLimit));
    EXPECT_EQ(db.count(), kClientListLimit);
    EXPECT_EQ(test::ReadAll(db.currentPath()), before);
    EXPECT_TRUE(db.StoreClient(SampleClient(1, QStringLiteral("replace")), 0).ok)
        << "replacing a record is still allowed";
}

TEST_F(ClientDatabaseTest, CreateSwitchAndSaveAs) {
    Fill(2);
    const QString other = Path(QStringLiteral("other.data"));
    ASSERT_TRUE(db.SaveClientDatabaseAs(other).ok);
    EXPECT_EQ(db.currentPath(), other) << "used under the path chosen, whatever its extension";
    EXPECT_EQ(db.count(), 2);
    EXPECT_EQ(settings.lastOpen, other);

    const QString fresh = Path(QStringLiteral("fresh.kvy"));
    ASSERT_TRUE(db.CreateClientDatabase(fresh).ok);
    EXPECT_EQ(test::ReadAll(fresh), QByteArray(2, '\0'));
    EXPECT_EQ(db.count(), 0);

    EXPECT_FALSE(db.SwitchClientDatabase(Path(QStringLiteral("none.kvy"))).ok);
    EXPECT_EQ(db.currentPath(), fresh) << "a file that cannot be read changes nothing";
    ASSERT_TRUE(db.SwitchClientDatabase(other).ok);
    EXPECT_EQ(db.count(), 2);

    EXPECT_FALSE(db.CreateClientDatabase(Path(QStringLiteral("no/dir.kvy"))).ok);
    EXPECT_EQ(db.count(), 2) << "a failed create keeps the list";
    EXPECT_EQ(db.currentPath(), other);
}

} // namespace
} // namespace zelk
