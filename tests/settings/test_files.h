// Small helpers for the settings tests: whole-file reads and writes in a
// temporary folder.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

namespace zelk::test {

inline QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Files in a folder other than the given ones (left-over temporary files).
inline QStringList OtherFiles(const QString& dir, const QStringList& expected) {
    QStringList others;
    for (const QString& name : QDir(dir).entryList(QDir::Files | QDir::Hidden))
        if (!expected.contains(name)) others.append(name);
    return others;
}

} // namespace zelk::test
