#include "program_paths.h"

#include "string_table.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <filesystem>
#include <system_error>

namespace zelk {

namespace {

QString OverrideOrEnvironment(const QString& overrideDir) {
    if (!overrideDir.isEmpty()) return QDir::cleanPath(QDir(overrideDir).absolutePath());
    const QString env = qEnvironmentVariable(kDataDirEnvironmentVariable);
    if (!env.isEmpty()) return QDir::cleanPath(QDir(env).absolutePath());
    return {};
}

bool IsWritableFolder(const QString& dir) {
    const QFileInfo info(dir);
    return info.isDir() && info.isWritable();
}

} // namespace

QString ProgramDirectory() {
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
    // Without an application object (the command-line tool, tests) ask the kernel.
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return QDir::currentPath();
    return QFileInfo(QString::fromStdString(exe.string())).absolutePath();
}

QString PerUserDataDirectory() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/zelk");
}

QString ResolveDataDirectory(const QString& overrideDir) {
    if (QString dir = OverrideOrEnvironment(overrideDir); !dir.isEmpty()) return dir;
    const QString program = ProgramDirectory();
    if (IsWritableFolder(program)) return program;
    return PerUserDataDirectory();
}

QString SettingsFileName() {
    return QStringLiteral("a16_S3") + LoadResString(kAppTitleStringId) + QStringLiteral(".ini");
}

QString SettingsFilePath(const QString& dataDirectory) {
    return QDir(dataDirectory).filePath(SettingsFileName());
}

QStringList DataFileFolders(const QString& overrideDir) {
    const QString program = ProgramDirectory();
    const QStringList candidates = {
        OverrideOrEnvironment(overrideDir),
        program,
        QDir::cleanPath(program + QStringLiteral("/../share/zelk")),
    };
    QStringList folders;
    for (const QString& dir : candidates)
        if (!dir.isEmpty() && QFileInfo(dir).isDir() && !folders.contains(dir)) folders.append(dir);
    return folders;
}

QString ReadOnlyDataDirectory(const QString& overrideDir) {
    const QStringList folders = DataFileFolders(overrideDir);
    for (const QString& dir : folders)
        if (QFileInfo::exists(QDir(dir).filePath(QStringLiteral("solar_terms.dat")))) return dir;
    return folders.isEmpty() ? ProgramDirectory() : folders.first();
}

QString FindDataFile(const QString& fileName, const QString& overrideDir) {
    if (fileName.isEmpty()) return {};
    for (const QString& dir : DataFileFolders(overrideDir)) {
        const QString path = QDir(dir).filePath(fileName);
        if (QFileInfo(path).isFile()) return path;
    }
    return {};
}

} // namespace zelk
