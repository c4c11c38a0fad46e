#include "four_hua_text.h"
#include "program_paths.h"
#include "settings_keys.h"
#include "settings_load_save.h"
#include "settings_store.h"
#include "string_table.h"
#include "test_files.h"

#include <QSaveFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zelk {
namespace {

using test::ReadAll;
using test::WriteAll;

CurrentTime Now() {
    CurrentTime now;
    now.year = 2024;
    now.month = 6;
    now.day = 5;
    now.hourIndex = 7;
    now.lunar = {2024, 4, 29, 0};
    return now;
}

class SettingsFileTest : public ::testing::Test {
  protected:
    QString Path(const QString& name) const { return dir.filePath(name); }
    QString SettingsFile() const { return SettingsFilePath(dir.path()); }
    void WriteSettings(const QByteArray& text) { ASSERT_TRUE(WriteAll(SettingsFile(), text)); }
    IniDocument Stored(const QString& path) const { return ReadIniFile(path).document; }
    std::optional<QString> StoredKey(const QString& path, const char* key) const {
        return Stored(path).Value("a16_S3StarSection", key);
    }

    QTemporaryDir dir;
    CurrentTime now = Now();
};

// A table that is none of the presets, with an empty cell.
FourHuaTable UserTable() {
    FourHuaTable t = kFourHuaPresetTable[1];
    t[0][0] = FourHuaStarMask(24);
    t[9][3] = 0;
    return t;
}

TEST_F(SettingsFileTest, FreshInstallationRunsOnDefaultsAndWritesNothing) {
    AppSettings s;
    s.TimeBase = 2; // a value the load must replace with the default
    const IniResult r = LoadSettings(s, SettingsFile(), SettingsFile(), now);
    EXPECT_EQ(r.status, IniFileStatus::Missing);
    EXPECT_TRUE(r.ok());
    for (const SettingKey& k : SettingKeys()) {
        if (k.width == KeyWidth::Text || (k.id >= 307 && k.id <= 311) || k.id == 549) continue;
        EXPECT_EQ(SettingValue(s, k.id), SettingDefault(k.id, now)) << k.id;
    }
    EXPECT_EQ(s.UserFourHuaTable, kFourHuaPresetTable[0]);
    EXPECT_FALSE(QFile::exists(SettingsFile()));
    EXPECT_EQ(GetIntSetting(key::UserNextId, SettingsFile(), now), 0);
    EXPECT_EQ(GetMainString(key::LastOpenUserFile, "dflt", SettingsFile()), QStringLiteral("dflt"));
}

TEST_F(SettingsFileTest, SaveThenLoadGivesBackEveryBulkKey) {
    AppSettings s;
    int32_t v = 3;
    for (const SettingKey& k : SettingKeys())
        if (k.width != KeyWidth::Text) SetSettingValue(s, k.id, v++);
    s.TimeBase = 2;
    s.FourHuaType = 3;
    s.UserFourHuaTable = UserTable();
    ASSERT_TRUE(SaveSettings(s, SettingsFile(), false, now).ok());

    EXPECT_FALSE(StoredKey(SettingsFile(), "GISUONG_RULE"));
    EXPECT_FALSE(StoredKey(SettingsFile(), "UserNextId"));
    EXPECT_EQ(StoredKey(SettingsFile(), "ASTAR1"), QString::number(SettingValue(s, 457).value()));

    AppSettings back;
    ASSERT_TRUE(LoadSettings(back, SettingsFile(), SettingsFile(), now).ok());
    for (const SettingKey& k : SettingKeys()) {
        if (k.width == KeyWidth::Text || k.id == 611 || k.id == 549) continue;
        EXPECT_EQ(SettingValue(back, k.id), SettingValue(s, k.id)) << ResStringUtf8(k.id);
    }
    EXPECT_EQ(back.GISUONG_RULE, 7);
    EXPECT_EQ(back.UserFourHuaTable, UserTable());
}

TEST_F(SettingsFileTest, CustomDateIsReadOnlyUnderTimeBase2ButAlwaysWritten) {
    WriteSettings("[a16_S3StarSection]\nTimeBase=1\nBaseYear=1999\nBaseMonth=40\nBaseIsLeap=1\n");
    AppSettings s;
    s.BaseYear = 2001;
    s.BaseMonth = 3;
    LoadSettings(s, SettingsFile(), SettingsFile(), now);
    EXPECT_EQ(s.BaseYear, 2001);
    EXPECT_EQ(s.BaseMonth, 3);

    WriteSettings("[a16_S3StarSection]\nTimeBase=2\nBaseYear=1999\nBaseMonth=40\n");
    LoadSettings(s, SettingsFile(), SettingsFile(), now);
    EXPECT_EQ(s.BaseYear, 1999);
    EXPECT_EQ(s.BaseMonth, 40); // absurd but numeric: kept
    EXPECT_EQ(s.BaseDate, 29);  // missing: the lunar day of `now`
    EXPECT_EQ(s.BaseTime, 7);

    s.TimeBase = 0;
    ASSERT_TRUE(SaveSettings(s, SettingsFile(), false, now).ok());
    EXPECT_EQ(StoredKey(SettingsFile(), "BaseYear"), QStringLiteral("1999"));
    ASSERT_TRUE(SaveSettings(s, SettingsFile(), true, now).ok());
    EXPECT_EQ(StoredKey(SettingsFile(), "BaseYear"), QStringLiteral("2024"));
    EXPECT_EQ(StoredKey(SettingsFile(), "BaseMonth"), QStringLiteral("4"));
}

TEST_F(SettingsFileTest, GarbageValuesReadAsDefaultsAbsurdNumbersAreKept) {
    WriteSettings("[a16_S3StarSection]\n"
                  "LeapBase=abc\n"
                  "HorseBase=12abc\n"
                  "GodBase=\n"
                  "YearHuaBase=99999999999\n"
                  "PrintLsan=0x200\n"
                  "FourHuaType=7\n"
                  "MiaoWangType= -3 \n"
                  "12God=+1\n"
                  "PanBase=70000\n");
    AppSettings s;
    LoadSettings(s, SettingsFile(), SettingsFile(), now);
    EXPECT_EQ(s.LeapBase, 1);
    EXPECT_EQ(s.HorseBase, 1);
    EXPECT_EQ(s.GodBase, 0);
    EXPECT_EQ(s.YearHuaBase, 2);
    EXPECT_EQ(s.PrintLsan, 256);
    EXPECT_EQ(s.FourHuaType, 7);
    EXPECT_EQ(s.MiaoWangType, -3);
    EXPECT_EQ(s.God12, 1);
    EXPECT_EQ(s.PanBase, 4464); // a 16-bit field keeps the low 16 bits
    EXPECT_EQ(&FourHuaTableInForce(s), &kDefaultFourHuaTable);
}

TEST_F(SettingsFileTest, MaskHalvesCombineAndSplit) {
    WriteSettings("[a16_S3StarSection]\nASTAR1=1\nASTAR2=65528\nBSTAR1=43981\nBSTAR3=49152\n");
    AppSettings s;
    LoadSettings(s, SettingsFile(), SettingsFile(), now);
    EXPECT_EQ(s.AStarMask, 0x0001FFF8u);
    EXPECT_EQ(s.BStarMask, 0xABCDFFFFu);
    EXPECT_EQ(s.BStarMask2, 0xC000);
    s.AStarMask = 0x80000007u;
    ASSERT_TRUE(SaveSettings(s, SettingsFile(), false, now).ok());
    EXPECT_EQ(StoredKey(SettingsFile(), "ASTAR1"), QStringLiteral("32768"));
    EXPECT_EQ(StoredKey(SettingsFile(), "ASTAR2"), QStringLiteral("7"));
    EXPECT_EQ(StoredKey(SettingsFile(), "BSTAR2"), QStringLiteral("65535"));
}

TEST(FourHuaText, EightyCharacterRoundTrip) {
    const QString text = FormatFourHuaText(UserTable());
    ASSERT_EQ(text.size(), 80);
    EXPECT_TRUE(text.startsWith("24131502"));
    EXPECT_TRUE(text.endsWith("13090732"));
    EXPECT_EQ(ParseFourHuaText(text), UserTable());
    EXPECT_EQ(FormatFourHuaText(kFourHuaPresetTable[0]),
              QStringLiteral("0513030201110007040114050704010908071701030811150203070409021514"
                             "1100160313090708"));

    QString odd = text;
    odd.replace(0, 2, "32");
    odd.replace(2, 2, "99");
    odd.replace(4, 2, " 5");
    odd.replace(6, 2, "31");
    const auto parsed = ParseFourHuaText(odd);
    ASSERT_TRUE(parsed);
    EXPECT_EQ((*parsed)[0][0], 0u);
    EXPECT_EQ((*parsed)[0][1], 0u);
    EXPECT_EQ((*parsed)[0][2], 0u);
    EXPECT_EQ((*parsed)[0][3], 1u); // 31 is bit 0
    EXPECT_TRUE(FormatFourHuaText(*parsed).startsWith("32323231"));

    EXPECT_FALSE(ParseFourHuaText(text.left(79)));
    EXPECT_FALSE(ParseFourHuaText(text + "0"));
    EXPECT_FALSE(ParseFourHuaText(QString()));
    EXPECT_EQ(&FourHuaPresetFor(2), &kFourHuaPresetTable[2]);
    EXPECT_EQ(&FourHuaPresetFor(-1), &kDefaultFourHuaTable);
    EXPECT_EQ(&FourHuaPresetFor(3), &kDefaultFourHuaTable);
}

// The text is parsed before FourHuaType is read, so a text of the wrong length
// falls back on the method in memory, not the one in the file.
TEST_F(SettingsFileTest, FourHuaTextOfTheWrongLengthGivesThePresetInMemory) {
    const QString good = FormatFourHuaText(UserTable());
    for (const QString& bad : {good.left(79), good + "5", QString()}) {
        WriteSettings("[a16_S3StarSection]\nFourHuaType=1\nUserDefinedFourHuaData=" + bad.toUtf8() +
                      "\n");
        AppSettings s;
        s.FourHuaType = 2;
        LoadSettings(s, SettingsFile(), SettingsFile(), now);
        EXPECT_EQ(s.UserFourHuaTable, kFourHuaPresetTable[2]) << bad.size();
        EXPECT_EQ(s.FourHuaType, 1);
    }
    WriteSettings("[a16_S3StarSection]\nUserDefinedFourHuaData=" + good.toUtf8() + "\n");
    AppSettings s;
    LoadSettings(s, SettingsFile(), SettingsFile(), now);
    EXPECT_EQ(s.UserFourHuaTable, UserTable());
}

TEST_F(SettingsFileTest, SavePreparesTheTableFromTheMethodInMemory) {
    const struct {
        int16_t type;
        FourHuaTable expected;
    } rows[] = {{0, kFourHuaPresetTable[0]},
                {2, kFourHuaPresetTable[2]},
                {3, UserTable()},
                {7, kDefaultFourHuaTable},
                {-1, kDefaultFourHuaTable}};
    for (const auto& r : rows) {
        AppSettings s;
        s.FourHuaType = r.type;
        s.UserFourHuaTable = UserTable();
        ASSERT_TRUE(SaveSettings(s, SettingsFile(), true, now).ok()); // reset spares the text
        EXPECT_EQ(s.UserFourHuaTable, r.expected) << r.type;
        EXPECT_EQ(StoredKey(SettingsFile(), "UserDefinedFourHuaData"),
                  FormatFourHuaText(r.expected))
            << r.type;
        EXPECT_EQ(StoredKey(SettingsFile(), "FourHuaType"), QStringLiteral("0"));
    }
}

TEST_F(SettingsFileTest, GisuongRuleComesOnlyFromTheSettingsFile) {
    WriteSettings("[a16_S3StarSection]\nGISUONG_RULE=5\n");
    const QString param = Path("param.ini");
    ASSERT_TRUE(WriteAll(param, "[a16_S3StarSection]\nGISUONG_RULE=1\nLeapBase=2\n"));
    AppSettings s;
    LoadSettings(s, param, SettingsFile(), now);
    EXPECT_EQ(s.GISUONG_RULE, 5);
    EXPECT_EQ(s.LeapBase, 2);

    ASSERT_TRUE(ImportParameters(s, param, SettingsFile(), now).ok);
    EXPECT_EQ(s.GISUONG_RULE, 5);
    EXPECT_EQ(StoredKey(SettingsFile(), "GISUONG_RULE"), QStringLiteral("5"));

    const QString exported = Path("export.ini");
    ASSERT_TRUE(ExportParameters(s, exported, now).ok);
    EXPECT_FALSE(StoredKey(exported, "GISUONG_RULE"));
    EXPECT_EQ(StoredKey(exported, "LeapBase"), QStringLiteral("2"));
}

TEST_F(SettingsFileTest, ImportOfAFileLackingKeysGivesTheirDefaults) {
    WriteSettings("[a16_S3StarSection]\nLeapBase=2\nHorseBase=0\nTimeBase=2\nBaseYear=1990\n"
                  "[a16_S3MainSection]\nLastOpenUserFile=/x/a.kvy\n");
    AppSettings s;
    LoadSettings(s, SettingsFile(), SettingsFile(), now);
    ASSERT_EQ(s.LeapBase, 2);

    const QString param = Path("partial.ini");
    ASSERT_TRUE(WriteAll(param, "[a16_S3StarSection]\nHorseBase=0\nTimeBase=0\n"));
    const auto r = ImportParameters(s, param, SettingsFile(), now);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.refreshCharts);
    EXPECT_EQ(s.LeapBase, 1); // the default, not the previous 2
    EXPECT_EQ(s.HorseBase, 0);
    EXPECT_EQ(s.BaseYear, 1990); // TimeBase 0 in the file: kept from memory
    EXPECT_EQ(StoredKey(SettingsFile(), "LeapBase"), QStringLiteral("1"));
    EXPECT_EQ(StoredKey(SettingsFile(), "BaseYear"), QStringLiteral("1990"));
    EXPECT_EQ(GetMainString(key::LastOpenUserFile, "", SettingsFile()), QStringLiteral("/x/a.kvy"));
}

TEST_F(SettingsFileTest, ImportOfAMissingOrUnreadableFileChangesNothing) {
    WriteSettings("[a16_S3StarSection]\nLeapBase=2\n");
    const QByteArray before = ReadAll(SettingsFile());
    AppSettings s;
    s.LeapBase = 2;
    for (const QString& bad : {Path("none.ini"), dir.path(), QString()}) {
        const auto r = ImportParameters(s, bad, SettingsFile(), now);
        EXPECT_FALSE(r.ok) << bad.toStdString();
        EXPECT_FALSE(r.file.error.isEmpty());
        EXPECT_EQ(s.LeapBase, 2);
    }
    EXPECT_EQ(ReadAll(SettingsFile()), before);
}

TEST_F(SettingsFileTest, RestoreDefaultsKeepsTheTableOfTheMethodInForce) {
    WriteSettings("; mine\n[a16_S3StarSection]\nLeapBase=2\nFourHuaType=3\n"
                  "GISUONG_RULE=1\nUserNextId=42\n"
                  "[a16_S3MainSection]\nUserInfoFinderFilter=王\n");
    AppSettings s;
    LoadSettings(s, SettingsFile(), SettingsFile(), now);
    s.UserFourHuaTable = UserTable();
    s.BaseYear = 1980;

    const auto r = RestoreDefaultSettings(s, SettingsFile(), now);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.refreshCharts);
    EXPECT_EQ(r.messageId, 547);
    EXPECT_EQ(s.FourHuaType, 0);
    EXPECT_EQ(s.LeapBase, 1);
    EXPECT_EQ(s.UserFourHuaTable, UserTable());
    EXPECT_EQ(StoredKey(SettingsFile(), "UserDefinedFourHuaData"), FormatFourHuaText(UserTable()));
    EXPECT_EQ(StoredKey(SettingsFile(), "BaseYear"), QStringLiteral("2024"));
    // Keys outside the bulk save and foreign lines are left alone.
    EXPECT_EQ(StoredKey(SettingsFile(), "GISUONG_RULE"), QStringLiteral("1"));
    EXPECT_EQ(StoredKey(SettingsFile(), "UserNextId"), QStringLiteral("42"));
    EXPECT_TRUE(ReadAll(SettingsFile()).startsWith("; mine\n"));
    EXPECT_EQ(GetMainString(key::UserInfoFinderFilter, "", SettingsFile()), QStringLiteral("王"));
}

TEST_F(SettingsFileTest, AFailedWriteIsReportedAndChangesNothing) {
    const QString folder = Path("a16_S3Zelk_V3.ini"); // a folder in the file's place
    ASSERT_TRUE(QDir().mkpath(folder));
    AppSettings s;
    s.LeapBase = 2;
    s.FourHuaType = 1;
    s.UserFourHuaTable = UserTable();

    EXPECT_EQ(SaveSettings(s, folder, false, now).status, IniFileStatus::Unreadable);
    EXPECT_FALSE(PutIntSetting(1, 314, folder, false, now).ok());
    const auto restore = RestoreDefaultSettings(s, folder, now);
    EXPECT_FALSE(restore.ok);
    EXPECT_FALSE(restore.refreshCharts);
    EXPECT_EQ(s.LeapBase, 2);
    EXPECT_EQ(s.UserFourHuaTable, UserTable()); // not even the table was prepared
    EXPECT_FALSE(ExportParameters(s, Path("a16_S3Zelk_V3.ini"), now).ok);
}

TEST_F(SettingsFileTest, AnOversizedSettingsFileIsNeverOverwritten) {
    const QByteArray huge = "[a16_S3StarSection]\nLeapBase=2\n" + QByteArray(kMaxIniFileBytes, '#');
    WriteSettings(huge);
    AppSettings s;
    EXPECT_EQ(LoadSettings(s, SettingsFile(), SettingsFile(), now).status, IniFileStatus::TooLarge);
    EXPECT_EQ(s.LeapBase, 1);
    EXPECT_FALSE(PutIntSetting(0, 314, SettingsFile(), false, now).ok());
    EXPECT_FALSE(SaveSettings(s, SettingsFile(), false, now).ok());
    EXPECT_EQ(ReadAll(SettingsFile()), huge);
}

// An empty path is refused: reads give defaults, writes write nothing; the same
// for an id that has no name string.
TEST(SettingsStore, EmptyPathAndNamelessIdsAreRefused) {
    const CurrentTime now = Now();
    EXPECT_EQ(GetIntSetting(314, QString(), now), 1);
    EXPECT_EQ(GetIntSetting(307, QString(), now), 2024);
    EXPECT_EQ(GetStringSetting("d", kMainSectionId, 608, QString()), QStringLiteral("d"));
    EXPECT_EQ(PutIntSetting(0, 314, QString(), false, now).status, IniFileStatus::NoPath);
    EXPECT_EQ(PutStringSetting(kMainSectionId, 608, "x", QString()).status, IniFileStatus::NoPath);
    AppSettings s;
    EXPECT_EQ(SaveSettings(s, QString(), false, now).status, IniFileStatus::NoPath);
    // An id without a name string is no key: nothing is written for it.
    IniDocument doc;
    PutIntSetting(doc, 5, 700, false, now);
    PutStringSetting(doc, kMainSectionId, 700, "x");
    EXPECT_TRUE(doc.IsEmpty());
    EXPECT_EQ(LoadSettings(s, QString(), QString(), now).status, IniFileStatus::NoPath);
    EXPECT_EQ(s.LeapBase, 1);
}

TEST_F(SettingsFileTest, StringsAreCutAt499Characters) {
    QString longText(600, u'紫');
    ASSERT_TRUE(PutStringSetting(kMainSectionId, 609, longText, SettingsFile()).ok());
    EXPECT_EQ(GetMainString(609, "", SettingsFile()), QString(499, u'紫'));
    // A character outside the basic plane straddling the cut is dropped whole.
    const QString wide = QString(498, u'a') + QString::fromUcs4(U"\U00020000") + "b";
    ASSERT_TRUE(PutStringSetting(kMainSectionId, 608, wide, SettingsFile()).ok());
    EXPECT_EQ(GetMainString(608, "", SettingsFile()), QString(498, u'a'));
    EXPECT_EQ(GetStringSetting(QString(600, u'x'), kMainSectionId, 700, SettingsFile()).size(),
              499);
}

int commits = 0;

// A dialog's confirmation is one write, however many keys it sets, and so is
// every bulk operation.
TEST_F(SettingsFileTest, EveryOperationWritesTheFileOnce) {
    detail::SetIniCommitHookForTesting([](QSaveFile&, const QByteArray&) {
        ++commits;
        return true;
    });
    SettingsFileEdit edit(SettingsFile());
    for (int id : {314, 316, 315, 317, 433})
        edit.PutInt(0, id, false, now);
    edit.PutString(kMainSectionId, 609, "x");
    EXPECT_TRUE(edit.Commit().ok());
    EXPECT_EQ(commits, 1);

    AppSettings s;
    EXPECT_TRUE(SaveSettings(s, SettingsFile(), false, now).ok());
    EXPECT_EQ(commits, 2);
    EXPECT_TRUE(RestoreDefaultSettings(s, SettingsFile(), now).ok);
    EXPECT_EQ(commits, 3);
    EXPECT_TRUE(ImportParameters(s, SettingsFile(), SettingsFile(), now).ok);
    EXPECT_EQ(commits, 4);
    detail::SetIniCommitHookForTesting(nullptr);
}

} // namespace
} // namespace zelk
