// One running program per client database. The program that opens a database
// first holds a lock file beside it ("<database>.lock"); a second program that
// opens the same database finds the lock and works on it read-only, so the two
// cannot overwrite each other's changes. A lock left by a program that died is
// taken over.
#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace zelk {

class DatabaseLock {
  public:
    DatabaseLock();
    ~DatabaseLock();

    // Releases the lock held and tries to lock `databasePath`; false when another
    // running program holds it (the database is then to be used read-only).
    bool acquire(const QString& databasePath);
    void release();
    bool readOnly() const { return readOnly_; }
    const QString& path() const { return path_; }

    static QString LockPathOf(const QString& databasePath);

  private:
    std::unique_ptr<QLockFile> lock_;
    QString path_;
    bool readOnly_ = false;
};

} // namespace zelk
