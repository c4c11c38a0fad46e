#include "program_paths.h"

#include "test_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zelk {
namespace {

// Sets or clears ZELK_DATA_DIR for one test and puts the old value back.
class DataDirEnvironment {
  public:
    explicit DataDirEnvironment(const QString& value)
        : had_(qEnvironmentVariableIsSet(kDataDirEnvironmentVariable)),
          old_(qgetenv(kDataDirEnvironmentVariable)) {
        if (value.isEmpty())
            qunsetenv(kDataDirEnvironmentVariable);
        else
            qputenv(kDataDirEnvironmentVariable, value.toUtf8());
    }
    ~DataDirEnvironment() {
        if (had_)
            qputenv(kDataDirEnvironmentVariable, old_);
        else
            qunsetenv(kDataDirEnvironmentVariable);
    }

  private:
    bool had_;
    QByteArray old_;
};

TEST(ProgramPaths, TheOverrideWinsThenTheEnvironmentThenTheProgramFolder) {
    QTemporaryDir a, b;
    {
        DataDirEnvironment env(b.path());
        EXPECT_EQ(ResolveDataDirectory(a.path()), QDir::cleanPath(a.path()));
        EXPECT_EQ(ResolveDataDirectory(QString()), QDir::cleanPath(b.path()));
        // A relative override is made absolute, so the file does not move with the
        // working folder.
        EXPECT_TRUE(QDir::isAbsolutePath(ResolveDataDirectory("rel/dir")));
    }
    DataDirEnvironment none{QString()};
    // The test program's folder (the build's bin/) is writable.
    const QString program = ProgramDirectory();
    EXPECT_TRUE(QFileInfo(program).isDir());
    const QString argv0 = QString::fromLocal8Bit(testing::internal::GetArgvs()[0].c_str());
    EXPECT_EQ(QFileInfo(program).canonicalFilePath(), QFileInfo(argv0).canonicalPath());
    EXPECT_EQ(ResolveDataDirectory(QString()), program);
    EXPECT_TRUE(PerUserDataDirectory().endsWith("/zelk"));
}

TEST(ProgramPaths, DataFilesAreFoundInTheOverrideFolderFirst) {
    DataDirEnvironment none{QString()};
    QTemporaryDir dir;
    ASSERT_TRUE(test::WriteAll(dir.filePath("starExplain_Year_Star.txt"), "x"));
    const QStringList folders = DataFileFolders(dir.path());
    ASSERT_GE(folders.size(), 2);
    EXPECT_EQ(folders[0], QDir::cleanPath(dir.path()));
    EXPECT_EQ(folders[1], ProgramDirectory());
    EXPECT_EQ(FindDataFile("starExplain_Year_Star.txt", dir.path()),
              QDir::cleanPath(dir.path()) + "/starExplain_Year_Star.txt");
    EXPECT_TRUE(FindDataFile("no_such_file.dat", dir.path()).isEmpty());
    EXPECT_TRUE(FindDataFile(QString(), dir.path()).isEmpty());
    // Without solar_terms.dat in the override folder the table is looked for beside
    // the program; with it, the override folder holds the data.
    ASSERT_TRUE(test::WriteAll(dir.filePath("solar_terms.dat"), "x"));
    EXPECT_EQ(ReadOnlyDataDirectory(dir.path()), folders[0]);
}

} // namespace
} // namespace zelk
