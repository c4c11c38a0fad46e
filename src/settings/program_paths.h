// Where the program keeps its files.
//
// The data folder (settings file, client databases) is, in this order:
//  1. the folder given with --data-dir (passed in as overrideDir);
//  2. the folder named by the environment variable ZELK_DATA_DIR;
//  3. the program's own folder, when it is writable (a build tree, a portable copy);
//  4. otherwise the per-user data folder, <GenericDataLocation>/zelk — the same for
//     both programs, whatever application name each one sets.
// Read-only data files (solar_terms.dat, the explanation texts, the logo) are
// looked for in the override folder (1 or 2) first, then next to the program,
// then in the installed data folder <prefix>/share/zelk.
#pragma once

#include <QString>
#include <QStringList>

namespace zelk {

inline constexpr char kDataDirEnvironmentVariable[] = "ZELK_DATA_DIR";

// The folder of the running executable, without a trailing separator.
QString ProgramDirectory();
QString PerUserDataDirectory();
// The data folder by the rules above; overrideDir empty means "not given".
QString ResolveDataDirectory(const QString& overrideDir);

// "a16_S3" + application title (string 57344) + ".ini" in the data folder:
// "a16_S3Zelk_V3.ini".
QString SettingsFileName();
QString SettingsFilePath(const QString& dataDirectory);

// The folders searched for read-only data files, in search order (existing ones only).
QStringList DataFileFolders(const QString& overrideDir);
// The first folder of DataFileFolders that holds solar_terms.dat, else the first
// folder (the program's own when nothing exists).
QString ReadOnlyDataDirectory(const QString& overrideDir);
// The full path of a read-only data file, or empty when no folder holds it.
QString FindDataFile(const QString& fileName, const QString& overrideDir);

} // namespace zelk
