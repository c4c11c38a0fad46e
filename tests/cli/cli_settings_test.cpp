// zelk-cli settings: the shown object, writes of --set, export, import, reset and
// the refusals that must write nothing.
#include "cli_run.h"

#include <gtest/gtest.h>

namespace zelk::testing {
namespace {

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(CliSettings, FreshDataFolderShowsTheDefaultsAndWritesNothing) {
    TempDir dir;
    const auto r = RunCli({"settings", "--data-dir", dir.path().string()});
    EXPECT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(r.lines().size(), 1u);
    const std::string file = (dir.path() / "a16_S3Zelk_V3.ini").string();
    EXPECT_EQ(r.out.rfind("{\"settingsFile\":\"" + file + "\",\"UsePanParm\":0,\"TimeBase\":1,", 0),
              0u)
        << r.out;
    for (const char* part :
         {"\"12God\":2,", "\"8WordsDisplay\":1,", "\"ASTAR2\":65535,", "\"PrintLsan\":256,",
          "\"GISUONG_RULE\":7,", "\"UserNextId\":0,", "\"UserDefinedFourHuaData\":\"\",",
          "\"LastOpenUserFile\":\"\",",
          "\"UserFourHuaTable\":[[5,13,3,2],[1,11,0,7],[4,1,14,5],[7,4,1,9],[8,7,17,1],"
          "[3,8,11,15],[2,3,7,4],[9,2,15,14],[11,0,16,3],[13,9,7,8]]}"})
        EXPECT_TRUE(Has(r.out, part)) << part;
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST(CliSettings, SetWritesEveryKeyInOneFileAndShowsThem) {
    TempDir dir;
    const std::string table =
        "24131502011100070401140507040109080717010308111502030410090203141100060313090732";
    const auto r =
        RunCli({"settings", "--data-dir", dir.path().string(), "--set", "FourHuaType=3", "--set",
                "UserDefinedFourHuaData=" + table, "--set", "UserInfoFinderFilter=王 小明", "--set",
                "UserNextId=12", "--set", "GISUONG_RULE=3"});
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_TRUE(Has(r.out, "\"FourHuaType\":3,"));
    EXPECT_TRUE(Has(r.out, "\"UserNextId\":12,"));
    EXPECT_TRUE(Has(r.out, "\"GISUONG_RULE\":3,"));
    EXPECT_TRUE(Has(r.out, "\"UserInfoFinderFilter\":\"王 小明\""));
    EXPECT_TRUE(Has(r.out, "\"UserFourHuaTable\":[[24,13,15,2],")) << r.out;
    EXPECT_TRUE(Has(r.out, ",[13,9,7,null]]}")) << r.out;
    const std::string ini = ReadWhole(dir.path() / "a16_S3Zelk_V3.ini");
    EXPECT_TRUE(Has(ini, "[a16_S3StarSection]\nFourHuaType=3\n"));
    EXPECT_TRUE(Has(ini, "[a16_S3MainSection]\nUserInfoFinderFilter=王 小明\n"));
}

TEST(CliSettings, BadKeysAndValuesWriteNothing) {
    TempDir dir;
    const auto file = dir.path() / "a16_S3Zelk_V3.ini";
    for (const char* set :
         {"NoSuchKey=1", "timebase=1", "TimeBase=two", "TimeBase=", "TimeBase=99999999999"}) {
        const auto r = RunCli(
            {"settings", "--data-dir", dir.path().string(), "--set", "LeapBase=2", "--set", set});
        EXPECT_EQ(r.status, 1) << set;
        EXPECT_TRUE(Has(r.out, "\"error\":\"")) << r.out;
        EXPECT_FALSE(std::filesystem::exists(file)) << set;
    }
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"settings", "--set", "NoEquals"},
          std::vector<std::string>{"settings", "extra"},
          std::vector<std::string>{"settings", "--export"}}) {
        const auto r = RunCli(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(Has(r.err, "usage:"));
    }
}

TEST(CliSettings, ExportImportAndReset) {
    TempDir a, b;
    const std::string param = (a.path() / "param.ini").string();
    auto r = RunCli({"settings", "--data-dir", a.path().string(), "--set", "LeapBase=2", "--set",
                     "GISUONG_RULE=1", "--export", param});
    ASSERT_EQ(r.status, 0) << r.out;
    const std::string exported = ReadWhole(param);
    EXPECT_TRUE(Has(exported, "LeapBase=2\n"));
    EXPECT_FALSE(Has(exported, "GISUONG_RULE"));

    // The environment variable chooses the data folder when no --data-dir is given.
    r = RunCli({"settings", "--import", param}, {}, "ZELK_DATA_DIR=" + b.path().string());
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_TRUE(Has(r.out, (b.path() / "a16_S3Zelk_V3.ini").string()));
    EXPECT_TRUE(Has(r.out, "\"LeapBase\":2,"));
    EXPECT_TRUE(Has(r.out, "\"GISUONG_RULE\":7,"));

    r = RunCli({"settings", "--data-dir", b.path().string(), "--reset"});
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_TRUE(Has(r.out, "\"LeapBase\":1,"));

    r = RunCli({"settings", "--data-dir", b.path().string(), "--import",
                (b.path() / "missing.ini").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Has(r.out, "\"error\":\""));
}

} // namespace
} // namespace zelk::testing
