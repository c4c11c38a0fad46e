// zelk-cli db: a new database, a Big5 CSV import with a refused line and fresh
// numbers, the listing, export to CSV and to .kvy under the finder, a damaged
// database kept aside before it is rewritten, and command lines that are refused.
#include "cli_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace zelk::testing {
namespace {

namespace fs = std::filesystem;

// --- Big5 text ---------------------------------------------------------------------
// The CSV files are written as the desktop program's users have them: code page
// 950 bytes, whatever this machine's locale. Each text is kept in its own literal
// so that no hex escape runs into the ASCII after it.

const std::string kBig5Header = "\xbd\x73\xb8\xb9"                  // 編號
                                ",\xa9\x6d\xa6\x57"                 // 姓名
                                ",\xa5\x58\xa5\xcd\xa4\xe9\xb4\xc1" // 出生日期
                                ",\xa6\xdb\xa9\x77\xa5\xcd\xa4\xe9" // 自定生日
                                ",\xa9\xca\xa7\x4f"                 // 性別
                                ",\xa6\xe5\xab\xac"                 // 血型
                                ",\xa5\x58\xa5\xcd\xa6\x61"         // 出生地
                                ",\xb8\x67\xab\xd7"                 // 經度
                                ",\xbd\x6e\xab\xd7"                 // 緯度
                                ",\xa8\xad\xb0\xaa"                 // 身高
                                ",\xb1\xc6\xa6\xe6"                 // 排行
                                ",\xbe\xc7\xbe\xfa"                 // 學歷
                                ",\xab\xd8\xc0\xc9\xa4\xe9\xb4\xc1" // 建檔日期
                                ",\xb9\x71\xb8\xdc"                 // 電話
                                ",Email"
                                ",\xa6\x61\xa7\x7d"                  // 地址
                                ",\xb3\xc6\xb5\xf9"                  // 備註
                                ",\xa4\xb6\xb2\xd0\xa4\x48"          // 介紹人
                                ",\xab\xc8\xa4\xe1\xc3\xfe\xa7\x4f"; // 客戶類別

const std::string kBig5Wang = "\xa4\xfd\xa4\x70\xa9\xfa";    // 王小明
const std::string kBig5Chen = "\xb3\xaf\xa4\x6a\xa4\xe5";    // 陳大文
const std::string kBig5Taipei = "\xa5\x78\xa5\x5f\xa5\xab";  // 台北市
const std::string kBig5Regular = "\xa6\xd1\xab\xc8\xa4\xe1"; // 老客戶

// A full client; a 29 February of a common year, refused; a client without a name
// born in the late 子 hour on the eve of the lunar new year, on a last line that
// has no line break.
const std::string kWangLine = "7," + kBig5Wang + ",1980/05/12 08:30,T,M,A," + kBig5Taipei +
                              ",121.5,25.0,170,1,BA,2020/01/01,0912,a@b.c," + kBig5Taipei +
                              ",n1,Li," + kBig5Regular;
const std::string kChenLine = "8," + kBig5Chen + ",1981/02/29 00:00,F,F,O,,,,,,,,,,,,,";
const std::string kEveLine = "9,,2023/01/21 23:30,F,F,B,,,,,,,,,,,,,VIP";
const std::string kClientsCsv = kBig5Header + "\n" + kWangLine + "\n" + kChenLine + "\n" + kEveLine;

// --- Reading the answers -------------------------------------------------------------

// The value of `"key":` in a one-line JSON object the tool wrote: a string without
// its quotes (the texts here hold no escapes), or a number as written.
std::string Field(const std::string& json, const std::string& key) {
    const std::string marker = "\"" + key + "\":";
    const size_t at = json.find(marker);
    if (at == std::string::npos) {
        ADD_FAILURE() << "no \"" << key << "\" in " << json;
        return {};
    }
    size_t from = at + marker.size();
    if (from < json.size() && json[from] == '"') {
        const size_t end = json.find('"', from + 1);
        return json.substr(from + 1, end - from - 1);
    }
    const size_t end = json.find_first_of(",}]", from);
    return json.substr(from, end - from);
}

long long Number(const std::string& json, const std::string& key) {
    const std::string text = Field(json, key);
    return text.empty() ? -1 : std::stoll(text);
}

bool HasMessage(const std::string& json, int message) {
    return json.find("\"message\":" + std::to_string(message) + ",") != std::string::npos;
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A folder with its own settings file, so no run touches the user's settings, and
// the database and source files of one test.
struct DbFolder {
    TempDir dir;
    std::string data = (dir.path() / "data").string();

    DbFolder() { fs::create_directory(dir.path() / "data"); }
    std::string file(const std::string& name) const { return (dir.path() / name).string(); }

    // The next client number the settings file starts with.
    void setNextId(int next) const {
        const auto r =
            RunCli({"settings", "--data-dir", data, "--set", "UserNextId=" + std::to_string(next)});
        ASSERT_EQ(r.status, 0) << r.err;
    }
    CliResult db(std::vector<std::string> args) const {
        args.insert(args.begin(), "db");
        args.insert(args.end(), {"--data-dir", data});
        return RunCli(args);
    }
    // A new database holding the clients of kClientsCsv.
    std::string databaseWithClients(const std::string& name) const {
        const std::string database = file(name), csv = file(name + ".csv");
        WriteFile(csv, kClientsCsv);
        EXPECT_EQ(db({"new", database}).status, 0);
        const auto r = db({"import", database, csv});
        EXPECT_EQ(r.status, 0) << r.out;
        return database;
    }
};

// --- new -------------------------------------------------------------------------

TEST(CliDb, NewWritesAnEmptyDatabaseAndListsNothing) {
    DbFolder f;
    const std::string database = f.file("clients.kvy");
    const auto created = f.db({"new", database});
    EXPECT_EQ(created.status, 0) << created.out << created.err;
    EXPECT_EQ(Field(created.out, "created"), database);
    EXPECT_EQ(ReadWhole(database), std::string("\0\0", 2));

    const auto listed = f.db({"list", database});
    EXPECT_EQ(listed.status, 0) << listed.err;
    EXPECT_EQ(listed.out, "");

    // A folder that does not exist: an error, and no file anywhere.
    const std::string nowhere = f.file("missing/clients.kvy");
    const auto failed = f.db({"new", nowhere});
    EXPECT_EQ(failed.status, 1);
    EXPECT_FALSE(Field(failed.out, "error").empty()) << failed.out;
    EXPECT_FALSE(fs::exists(nowhere));
}

TEST(CliDb, NewRefusesToWipeAnExistingDatabaseWithoutForce) {
    DbFolder f;
    const std::string database = f.databaseWithClients("kept.kvy");
    const std::string before = ReadWhole(database);
    ASSERT_GT(before.size(), 2u);

    const auto refused = f.db({"new", database});
    EXPECT_EQ(refused.status, 1);
    EXPECT_FALSE(Field(refused.out, "error").empty()) << refused.out;
    EXPECT_EQ(ReadWhole(database), before);

    const auto forced = f.db({"new", database, "--force"});
    EXPECT_EQ(forced.status, 0) << forced.out << forced.err;
    EXPECT_EQ(ReadWhole(database), std::string("\0\0", 2));
}

// --- import and list ---------------------------------------------------------------------

TEST(CliDb, CsvImportAppendsWithFreshNumbersAndKeepsTheRefusedLineAside) {
    DbFolder f;
    f.setNextId(100);
    const std::string database = f.file("clients.kvy"), csv = f.file("list.csv");
    WriteFile(csv, kClientsCsv);
    ASSERT_EQ(f.db({"new", database}).status, 0);

    const auto imported = f.db({"import", database, csv});
    ASSERT_EQ(imported.status, 0) << imported.out << imported.err;
    EXPECT_EQ(Number(imported.out, "imported"), 2);
    EXPECT_EQ(Number(imported.out, "rejected"), 1);
    EXPECT_EQ(Field(imported.out, "rejectedFile"), csv + ".bck");
    EXPECT_EQ(Number(imported.out, "count"), 2);
    EXPECT_TRUE(HasMessage(imported.out, 808)) << imported.out;
    // Each accepted line takes a number when it is read and a fresh one when it is
    // appended: 100 and 101 go to the lines, 102 and 103 to the clients.
    EXPECT_EQ(Number(imported.out, "nextId"), 104);

    // The refused line, under the header, in the file's own encoding.
    EXPECT_EQ(ReadWhole(csv + ".bck"), kBig5Header + "\n" + kChenLine + "\n");

    const auto listed = f.db({"list", database});
    ASSERT_EQ(listed.status, 0) << listed.err;
    const auto lines = listed.lines();
    ASSERT_EQ(lines.size(), 2u) << listed.out;

    const std::string& wang = lines[0];
    EXPECT_EQ(Number(wang, "index"), 0);
    EXPECT_EQ(Number(wang, "id"), 102);
    EXPECT_EQ(Field(wang, "name"), "王小明");
    EXPECT_EQ(Number(wang, "year"), 1980);
    EXPECT_EQ(Number(wang, "month"), 5);
    EXPECT_EQ(Number(wang, "day"), 12);
    EXPECT_EQ(Number(wang, "hour"), 8);
    EXPECT_EQ(Number(wang, "minute"), 30);
    EXPECT_EQ(Number(wang, "hourIndex"), 4);
    EXPECT_EQ(Number(wang, "sex"), 0);
    EXPECT_EQ(Number(wang, "bloodType"), 1);
    EXPECT_EQ(Number(wang, "customBirthday"), 1); // "T" as the export writes it
    EXPECT_EQ(Field(wang, "birthPlace"), "台北市");
    EXPECT_EQ(Field(wang, "address"), "台北市");
    EXPECT_EQ(Field(wang, "longitude"), "121.5");
    EXPECT_EQ(Field(wang, "latitude"), "25.0");
    EXPECT_EQ(Number(wang, "height"), 170);
    EXPECT_EQ(Number(wang, "siblingRank"), 1);
    EXPECT_EQ(Field(wang, "education"), "BA");
    EXPECT_EQ(Field(wang, "createdDate"), "2020/01/01");
    EXPECT_EQ(Field(wang, "phone"), "0912");
    EXPECT_EQ(Field(wang, "email"), "a@b.c");
    EXPECT_EQ(Field(wang, "note"), "n1");
    EXPECT_EQ(Field(wang, "introducer"), "Li");
    EXPECT_EQ(Field(wang, "category"), "老客戶");

    // 23:30 on 2023-01-21 (lunar 12/30) is the late 子 hour: the lunar date is the
    // next day's, the new year's first, as the input dialog would store it. The
    // automatic name keeps the number the line was read with, the year in Minguo.
    const std::string& eve = lines[1];
    EXPECT_EQ(Number(eve, "index"), 1);
    EXPECT_EQ(Number(eve, "id"), 103);
    EXPECT_EQ(Field(eve, "name"), "101-112012123");
    EXPECT_EQ(Number(eve, "hour"), 23);
    EXPECT_EQ(Number(eve, "hourIndex"), 12);
    EXPECT_EQ(Number(eve, "lunarYear"), 2023);
    EXPECT_EQ(Number(eve, "lunarMonth"), 1);
    EXPECT_EQ(Number(eve, "lunarDay"), 1);
    EXPECT_EQ(Number(eve, "sex"), 1);
    EXPECT_EQ(Number(eve, "bloodType"), 2);
    EXPECT_EQ(Number(eve, "customBirthday"), 0);
    EXPECT_EQ(Field(eve, "category"), "VIP");

    // The numbers were kept in the settings: a second import goes on from 104 and
    // appends the same clients again after the first two.
    const auto again = f.db({"import", database, csv});
    ASSERT_EQ(again.status, 0) << again.out;
    EXPECT_EQ(Number(again.out, "count"), 4);
    EXPECT_EQ(Number(again.out, "nextId"), 108);
    const auto relisted = f.db({"list", database}).lines();
    ASSERT_EQ(relisted.size(), 4u);
    EXPECT_EQ(relisted[0], wang);
    EXPECT_EQ(Number(relisted[2], "index"), 2);
    EXPECT_EQ(Number(relisted[2], "id"), 106);
    EXPECT_EQ(Number(relisted[3], "id"), 107);
    EXPECT_EQ(Field(relisted[3], "name"), "105-112012123");
}

TEST(CliDb, ImportRefusesWhatItCannotReadAndLeavesTheDatabaseAlone) {
    DbFolder f;
    const std::string database = f.databaseWithClients("clients.kvy");
    const std::string before = ReadWhole(database);

    // The format follows the extension exactly: ".CSV" is not a CSV file.
    const std::string upper = f.file("LIST.CSV");
    WriteFile(upper, kClientsCsv);
    const auto refused = f.db({"import", database, upper});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(HasMessage(refused.out, 682)) << refused.out;

    const auto missing = f.db({"import", database, f.file("none.csv")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(HasMessage(missing.out, 681)) << missing.out;

    // Text without any line break holds no client lines.
    const std::string headerOnly = f.file("header.csv");
    WriteFile(headerOnly, kBig5Header);
    const auto nothing = f.db({"import", database, headerOnly});
    EXPECT_EQ(nothing.status, 0) << nothing.out;
    EXPECT_EQ(Number(nothing.out, "imported"), 0);
    EXPECT_FALSE(fs::exists(headerOnly + ".bck"));

    EXPECT_EQ(ReadWhole(database), before);

    // A database that exists but cannot be read is not written over, and the
    // numbers the refused import would have taken are not spent: the next import
    // goes on from 4, where the first one left off.
    const std::string folder = f.file("folder.kvy"), csv = f.file("clients.kvy.csv");
    fs::create_directory(folder);
    const auto unreadable = f.db({"import", folder, csv});
    EXPECT_EQ(unreadable.status, 1);
    EXPECT_TRUE(HasMessage(unreadable.out, 809)) << unreadable.out;
    EXPECT_TRUE(fs::is_directory(folder));
    const auto next = f.db({"import", database, csv});
    ASSERT_EQ(next.status, 0) << next.out;
    EXPECT_EQ(Number(next.out, "nextId"), 8);
    EXPECT_EQ(Number(f.db({"list", database}).lines().at(2), "id"), 6);
}

TEST(CliDb, KvyImportAppendsTheOtherDatabaseWithNewNumbers) {
    DbFolder f;
    const std::string source = f.databaseWithClients("source.kvy");
    const auto sourceLines = f.db({"list", source}).lines();
    ASSERT_EQ(sourceLines.size(), 2u);

    const std::string target = f.file("target.kvy");
    ASSERT_EQ(f.db({"new", target}).status, 0);
    const auto imported = f.db({"import", target, source});
    ASSERT_EQ(imported.status, 0) << imported.out;
    EXPECT_EQ(Number(imported.out, "imported"), 2);
    EXPECT_EQ(Number(imported.out, "rejected"), 0);

    const auto lines = f.db({"list", target}).lines();
    ASSERT_EQ(lines.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_GT(Number(lines[i], "id"), Number(sourceLines[1], "id"));
        EXPECT_EQ(Field(lines[i], "name"), Field(sourceLines[i], "name"));
        EXPECT_EQ(Field(lines[i], "category"), Field(sourceLines[i], "category"));
        EXPECT_EQ(Number(lines[i], "lunarDay"), Number(sourceLines[i], "lunarDay"));
    }
    EXPECT_EQ(Number(lines[1], "id"), Number(lines[0], "id") + 1);
}

// --- export ------------------------------------------------------------------------

TEST(CliDb, CsvExportWritesBig5AndReadsBackAsTheSameClients) {
    DbFolder f;
    f.setNextId(100);
    const std::string database = f.databaseWithClients("clients.kvy");
    const std::string out = f.file("out.csv");

    const auto exported = f.db({"export", database, out});
    ASSERT_EQ(exported.status, 0) << exported.out << exported.err;
    EXPECT_EQ(Number(exported.out, "exported"), 2);
    EXPECT_EQ(Field(exported.out, "encoding"), "Big5");
    EXPECT_TRUE(HasMessage(exported.out, 684));

    // Byte for byte: the 19 columns in header order, "T" for the flag, each line
    // ended by a line feed, the late 子 hour written as it was read.
    const std::string expected =
        kBig5Header + "\n" + "102," + kBig5Wang + ",1980/05/12 08:30,T,M,A," + kBig5Taipei +
        ",121.5,25.0,170,1,BA,2020/01/01,0912,a@b.c," + kBig5Taipei + ",n1,Li," + kBig5Regular +
        "\n" + "103,101-112012123,2023/01/21 23:30,F,F,B,,,,0,0,,,,,,,,VIP\n";
    EXPECT_EQ(ReadWhole(out), expected);

    // Read back: the same clients under new numbers, the flag and the late 子 hour's
    // lunar date included.
    const auto original = f.db({"list", database}).lines();
    const std::string copy = f.file("copy.kvy");
    ASSERT_EQ(f.db({"new", copy}).status, 0);
    const auto imported = f.db({"import", copy, out});
    ASSERT_EQ(imported.status, 0) << imported.out;
    EXPECT_EQ(Number(imported.out, "rejected"), 0);
    const auto back = f.db({"list", copy}).lines();
    ASSERT_EQ(back.size(), 2u);
    for (size_t i = 0; i < 2; ++i)
        for (const char* key :
             {"name",        "year",           "month",       "day",       "hour",        "minute",
              "hourIndex",   "lunarYear",      "lunarMonth",  "lunarDay",  "isLeapMonth", "sex",
              "bloodType",   "customBirthday", "birthPlace",  "longitude", "latitude",    "height",
              "siblingRank", "education",      "createdDate", "phone",     "email",       "address",
              "note",        "introducer",     "category"})
            EXPECT_EQ(Field(back[i], key), Field(original[i], key)) << i << " " << key;
}

TEST(CliDb, CsvExportOfTextBig5CannotHoldIsUtf8WithAByteOrderMark) {
    DbFolder f;
    const std::string database = f.file("clients.kvy"), csv = f.file("hangul.csv");
    WriteFile(csv, "\xef\xbb\xbf姓名,出生日期,性別\r\n김민준,1985/07/01 10:00,M\r\n");
    ASSERT_EQ(f.db({"new", database}).status, 0);
    const auto imported = f.db({"import", database, csv});
    ASSERT_EQ(imported.status, 0) << imported.out;
    EXPECT_EQ(Number(imported.out, "imported"), 1);
    ASSERT_EQ(Field(f.db({"list", database}).out, "name"), "김민준");

    const std::string out = f.file("out.csv");
    const auto exported = f.db({"export", database, out});
    ASSERT_EQ(exported.status, 0) << exported.out;
    EXPECT_EQ(Field(exported.out, "encoding"), "UTF-8");
    EXPECT_TRUE(HasMessage(exported.out, 806)) << exported.out;
    const std::string bytes = ReadWhole(out);
    EXPECT_EQ(bytes.substr(0, 3), "\xef\xbb\xbf");
    EXPECT_EQ(bytes.substr(3, 7), "編號,") << "the header in UTF-8";
    EXPECT_NE(bytes.find(",김민준,1985/07/01 10:00,F,M,"), std::string::npos) << bytes;
    EXPECT_EQ(bytes.find('?'), std::string::npos);
}

TEST(CliDb, DatabaseExportTakesOnlyTheClientsTheFinderShows) {
    DbFolder f;
    f.setNextId(100);
    const std::string database = f.databaseWithClients("clients.kvy");
    const auto all = f.db({"list", database}).lines();
    ASSERT_EQ(all.size(), 2u);

    struct Case {
        std::string finder;
        std::string shown; // the listing line of the one client exported
    };
    for (const Case& c : {Case{"VIP", all[1]},    // the category
                          Case{"vip", all[1]},    // letter case ignored
                          Case{"小明", all[0]},   // part of the name
                          Case{"198005", all[0]}, // birth year and month
                          Case{"20230121", all[1]}}) {
        SCOPED_TRACE(c.finder);
        const std::string out = f.file("found.kvy");
        const auto exported = f.db({"export", database, out, "--finder", c.finder});
        ASSERT_EQ(exported.status, 0) << exported.out;
        EXPECT_EQ(Number(exported.out, "exported"), 1);
        EXPECT_EQ(exported.out.find("\"encoding\""), std::string::npos);
        EXPECT_EQ(fs::file_size(out), 2u + 2000u);
        EXPECT_EQ(ReadWhole(out).substr(0, 2), std::string("\x01\x00", 2));
        // An exported database keeps the numbers; only its position is new.
        const auto lines = f.db({"list", out}).lines();
        ASSERT_EQ(lines.size(), 1u);
        std::string expected = c.shown;
        expected.replace(0, expected.find(','), "{\"index\":0");
        EXPECT_EQ(lines[0], expected);
    }

    // Without a finder, everyone; a finder that shows no one writes no file.
    const std::string everyone = f.file("everyone.kvy");
    ASSERT_EQ(f.db({"export", database, everyone}).status, 0);
    EXPECT_EQ(ReadWhole(everyone), ReadWhole(database));

    const std::string none = f.file("none.kvy");
    const auto nobody = f.db({"export", database, none, "--finder", "nobody"});
    EXPECT_EQ(nobody.status, 1);
    EXPECT_TRUE(HasMessage(nobody.out, 683)) << nobody.out;
    EXPECT_FALSE(fs::exists(none));

    const auto text = f.db({"export", database, f.file("out.txt")});
    EXPECT_EQ(text.status, 1);
    EXPECT_TRUE(HasMessage(text.out, 682)) << text.out;
    EXPECT_FALSE(fs::exists(f.file("out.txt")));
}

// --- damaged databases ------------------------------------------------------------------

TEST(CliDb, DamagedDatabaseIsReportedAndCopiedAsideBeforeItIsRewritten) {
    DbFolder f;
    const std::string database = f.databaseWithClients("clients.kvy");
    const std::string whole = ReadWhole(database);
    ASSERT_EQ(whole.size(), 2u + 2 * 2000u);
    const auto lines = f.db({"list", database}).lines();

    // Cut inside the second record: the count still says 2.
    const std::string truncated = whole.substr(0, 2 + 2000 + 700);
    WriteFile(database, truncated);

    const auto listed = f.db({"list", database});
    EXPECT_EQ(listed.status, 1);
    ASSERT_EQ(listed.lines().size(), 1u) << listed.out;
    EXPECT_EQ(listed.lines()[0], lines[0]);
    EXPECT_NE(listed.err.find(database), std::string::npos) << listed.err;
    // Reading alone changes nothing on disk.
    EXPECT_FALSE(fs::exists(database + ".damaged"));
    EXPECT_EQ(ReadWhole(database), truncated);

    // The next write keeps the damaged file first, and says where.
    const std::string more = f.file("more.csv");
    WriteFile(more, kBig5Header + "\n" + kWangLine + "\n");
    const auto imported = f.db({"import", database, more});
    ASSERT_EQ(imported.status, 0) << imported.out;
    EXPECT_TRUE(HasMessage(imported.out, 802)) << imported.out;
    EXPECT_TRUE(HasMessage(imported.out, 803)) << imported.out;
    EXPECT_NE(imported.out.find("\"path\":\"" + database + ".damaged\""), std::string::npos)
        << imported.out;
    EXPECT_EQ(ReadWhole(database + ".damaged"), truncated);
    EXPECT_EQ(Number(imported.out, "count"), 2);
    EXPECT_EQ(fs::file_size(database), 2u + 2 * 2000u);
    const auto after = f.db({"list", database});
    EXPECT_EQ(after.status, 0) << after.err;
    ASSERT_EQ(after.lines().size(), 2u);
    EXPECT_EQ(after.lines()[0], lines[0]);

    // A healthy file is rewritten without a copy; damaged again, the older copy
    // stays and the new one goes beside it.
    ASSERT_EQ(f.db({"import", database, more}).status, 0);
    EXPECT_FALSE(fs::exists(database + ".damaged.2"));
    const std::string trailing = ReadWhole(database) + "xyz";
    WriteFile(database, trailing);
    const auto second = f.db({"import", database, more});
    ASSERT_EQ(second.status, 0) << second.out;
    EXPECT_TRUE(HasMessage(second.out, 803)) << second.out;
    EXPECT_EQ(ReadWhole(database + ".damaged"), truncated);
    EXPECT_EQ(ReadWhole(database + ".damaged.2"), trailing);
    EXPECT_EQ(f.db({"list", database}).lines().size(), 4u);
}

TEST(CliDb, CountsTheFileCannotHoldAreDamageNotRecords) {
    DbFolder f;
    for (const std::string& bytes : {std::string("\xff\xff\xff\xff\xff\xff", 6), // 4 billion
                                     std::string("\xff\x7f", 2), std::string("\x01", 1)}) {
        SCOPED_TRACE(bytes.size());
        const std::string database = f.file("bad.kvy");
        WriteFile(database, bytes);
        const auto listed = f.db({"list", database});
        EXPECT_EQ(listed.status, 1);
        EXPECT_EQ(listed.out, "");
        EXPECT_FALSE(listed.err.empty());

        const auto exported = f.db({"export", database, f.file("out.csv")});
        EXPECT_EQ(exported.status, 1);
        EXPECT_TRUE(HasMessage(exported.out, 683)) << exported.out;
        EXPECT_EQ(ReadWhole(database), bytes);
        fs::remove(database);
    }
}

// --- the command line ----------------------------------------------------------------

TEST(CliDb, MalformedCommandLinesExitWithStatusTwoAndTouchNothing) {
    DbFolder f;
    const std::string database = f.file("clients.kvy");
    const std::vector<std::vector<std::string>> lines = {
        {"db"},
        {"db", "frob", database},
        {"db", "list"},
        {"db", "list", database, database},
        {"db", "new"},
        {"db", "new", "--bogus", database},
        {"db", "import", database},
        {"db", "import", database, "a.csv", "b.csv"},
        {"db", "export", database},
        {"db", "export", database, f.file("out.csv"), "--finder"},
        {"db", "export", database, f.file("out.csv"), "--find", "x"},
        {"db", "new", database, "--data-dir"},
    };
    for (const auto& args : lines) {
        std::string shown;
        for (const auto& a : args)
            shown += a + " ";
        SCOPED_TRACE(shown);
        const auto r = RunCli(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("usage"), std::string::npos) << r.err;
    }
    EXPECT_FALSE(fs::exists(database));
    EXPECT_FALSE(fs::exists(f.file("out.csv")));
}

} // namespace
} // namespace zelk::testing
