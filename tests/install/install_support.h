// Running programs and installing the build into a temporary prefix, for the
// tests of the installed tree.
#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <ostream>

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace zelk::testing {

struct RunResult {
    bool finished = false; // started and ended by itself within the time limit
    int exitCode = -1;
    QString out, err;
};

inline RunResult
RunProgram(const QString& program, const QStringList& arguments,
           const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
           const QByteArray& input = {}) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    RunResult result;
    if (!process.waitForStarted(10000)) return result;
    process.write(input);
    process.closeWriteChannel();
    result.finished =
        process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

// The environment of a session without any display: what a script, a package
// build or an ssh login sees.
inline QProcessEnvironment WithoutDisplay() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    return env;
}

// The build installed with `cmake --install` under a temporary prefix.
class InstalledTree {
  public:
    InstalledTree() {
        if (!dir_.isValid()) return;
        const RunResult r = RunProgram(QStringLiteral(ZELK_CMAKE_COMMAND),
                                       {QStringLiteral("--install"), QStringLiteral(ZELK_BUILD_DIR),
                                        QStringLiteral("--prefix"), prefix()});
        ok_ = r.finished && r.exitCode == 0;
        log_ = r.out + r.err;
    }
    bool ok() const { return ok_; }
    const QString& log() const { return log_; }
    QString prefix() const { return dir_.filePath(QStringLiteral("usr")); }
    QString path(const QString& relative) const { return prefix() + QLatin1Char('/') + relative; }
    QString home() const { return dir_.filePath(QStringLiteral("home")); }

  private:
    QTemporaryDir dir_;
    bool ok_ = false;
    QString log_;
};

inline QString ReadText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

// The text of a gzip-compressed file; empty when it is not one.
inline QString Gunzipped(const QString& path) {
    const RunResult r = RunProgram(QStringLiteral("gzip"), {QStringLiteral("-dc"), path});
    return r.finished && r.exitCode == 0 ? r.out : QString();
}

inline bool HaveTool(const QString& name) {
    return !QStandardPaths::findExecutable(name).isEmpty();
}

} // namespace zelk::testing
