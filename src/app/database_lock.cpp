#include "database_lock.h"

#include <QFileInfo>
#include <QLockFile>

namespace zelk {

DatabaseLock::DatabaseLock() = default;
DatabaseLock::~DatabaseLock() {
    release();
}

QString DatabaseLock::LockPathOf(const QString& databasePath) {
    return QFileInfo(databasePath).absoluteFilePath() + QStringLiteral(".lock");
}

bool DatabaseLock::acquire(const QString& databasePath) {
    const QString wanted = QFileInfo(databasePath).absoluteFilePath();
    if (lock_ && path_ == wanted && !readOnly_) return true;
    release();
    path_ = wanted;
    lock_ = std::make_unique<QLockFile>(LockPathOf(databasePath));
    // Never stale by age: the lock is held as long as its program runs; a lock
    // whose program died is recognised by its process number and taken over.
    lock_->setStaleLockTime(0);
    readOnly_ = !lock_->tryLock(0);
    if (readOnly_) {
        // A folder we cannot write to cannot be locked either; that is not another
        // program's lock, and the write itself will report the folder.
        if (lock_->error() == QLockFile::PermissionError) readOnly_ = false;
        lock_.reset();
    }
    return !readOnly_;
}

void DatabaseLock::release() {
    if (lock_) lock_->unlock();
    lock_.reset();
    readOnly_ = false;
}

} // namespace zelk
