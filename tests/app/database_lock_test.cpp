// The lock beside a client database: held while a program runs, taken over from a
// program that died.
#include "app/database_lock.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zelk {
namespace {

TEST(DatabaseLock, ASecondHolderIsReadOnlyUntilTheFirstReleases) {
    QTemporaryDir dir;
    const QString db = dir.filePath(QStringLiteral("QUILMAIN.kvy"));
    DatabaseLock first, second;
    EXPECT_TRUE(first.acquire(db));
    EXPECT_FALSE(second.acquire(db));
    EXPECT_TRUE(second.readOnly());
    first.release();
    EXPECT_TRUE(second.acquire(db));
    EXPECT_FALSE(second.readOnly());
    // Locking another database gives up the first one.
    EXPECT_TRUE(second.acquire(dir.filePath(QStringLiteral("other.kvy"))));
    EXPECT_TRUE(first.acquire(db));
}

TEST(DatabaseLock, ALockLeftByADeadProgramIsTakenOver) {
    QTemporaryDir dir;
    const QString db = dir.filePath(QStringLiteral("QUILMAIN.kvy"));
    QFile stale(DatabaseLock::LockPathOf(db));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    // Process number, program name and host as the lock file records them; no
    // process of that number runs.
    stale.write("2147483000\nzelk\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    DatabaseLock lock;
    EXPECT_TRUE(lock.acquire(db));
}

} // namespace
} // namespace zelk
