// What the client layer needs from the settings: the next client number
// (UserNextId), the year style (YearDisplay), the current database file
// (LastOpenUserFile) and the program directory. The caller supplies them, so the
// layer itself reads no settings file and tests run on values of their own.
#pragma once

#include <QString>

#include <cstdint>

namespace zelk {

class ClientSettings {
  public:
    virtual ~ClientSettings() = default;
    virtual int32_t userNextId() const = 0;
    // Called every time the number changes; the caller writes it at once.
    virtual void setUserNextId(int32_t next) = 0;
    virtual int yearDisplay() const = 0; // 1 = Minguo years
    virtual QString lastOpenUserFile() const = 0;
    virtual void setLastOpenUserFile(const QString& path) = 0;
    // The folder of QUILMAIN.kvy and of a database moved together with the program.
    virtual QString programDirectory() const = 0;
};

// Values held in memory only.
class MemoryClientSettings : public ClientSettings {
  public:
    int32_t nextId = 1;
    int yearDisplayValue = 1;
    QString lastOpen;
    QString programDir;

    int32_t userNextId() const override { return nextId; }
    void setUserNextId(int32_t next) override { nextId = next; }
    int yearDisplay() const override { return yearDisplayValue; }
    QString lastOpenUserFile() const override { return lastOpen; }
    void setLastOpenUserFile(const QString& path) override { lastOpen = path; }
    QString programDirectory() const override { return programDir; }
};

} // namespace zelk
