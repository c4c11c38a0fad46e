// Helpers shared by the client tests: sample records and whole files on disk.
#pragma once

#include "client_record.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <csignal>
#include <sys/resource.h>

namespace zelk::test {

inline tagUserInfo SampleClient(int id, const QString& name, int year = 1980, int month = 3,
                                int day = 15) {
    tagUserInfo r;
    r.id = id;
    r.name.assign(name);
    r.year = int16_t(year);
    r.month = int16_t(month);
    r.day = int16_t(day);
    r.hourIndex = 2;
    r.hour = 4;
    return r;
}

inline QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline QByteArray LittleEndian16(int v) {
    QByteArray b(2, '\0');
    b[0] = char(v & 0xFF);
    b[1] = char((v >> 8) & 0xFF);
    return b;
}

inline QByteArray LittleEndian32(uint32_t v) {
    return LittleEndian16(int(v & 0xFFFF)) + LittleEndian16(int(v >> 16));
}

// While alive, files this process writes cannot grow past `bytes`: a write
// stops part-way, as on a full disk. Works whatever rights the tests run with.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, handler_);
    }
    bool active() const { return active_; }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*handler_)(int) = nullptr;
    bool active_ = false;
};

} // namespace zelk::test
