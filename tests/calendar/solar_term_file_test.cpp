// Reading the solar-term file: size, damaged entries, missing files, lookups.
#include "solar_terms.h"

#include "synthetic_term_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace zelk {
namespace {

namespace fs = std::filesystem;

class TempFile {
  public:
    explicit TempFile(const std::vector<uint8_t>& bytes)
        : path_(fs::temp_directory_path() /
                ("zelk_terms_" + std::to_string(reinterpret_cast<std::uintptr_t>(this)) + ".dat")) {
        std::ofstream out(path_, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    ~TempFile() {
        std::error_code ignored;
        fs::remove(path_, ignored);
    }
    std::string path() const { return path_.string(); }

  private:
    fs::path path_;
};

TEST(SolarTermFile, AcceptsAWellFormedTableAndLooksTermsUp) {
    std::string error;
    const auto table = SolarTermTable::FromBytes(testing::SyntheticTermBytes(), &error);
    ASSERT_TRUE(table) << error;
    const auto spring = table->term(1984, 2);
    ASSERT_TRUE(spring);
    EXPECT_EQ(spring->month, 2);
    EXPECT_EQ(spring->day, 4);
    EXPECT_EQ(spring->hour, 23);
    EXPECT_EQ(spring->minute, 19);
    EXPECT_TRUE(table->term(1801, 0));
    EXPECT_TRUE(table->term(2100, 23));
    EXPECT_FALSE(table->term(1800, 0));
    EXPECT_FALSE(table->term(2101, 0));
    EXPECT_FALSE(table->term(2000, 24));
    EXPECT_FALSE(table->term(2000, -1));
    EXPECT_FALSE(SolarTermTable{}.term(2000, 0));
    EXPECT_STREQ(SolarTermName(2), "立春");
    EXPECT_STREQ(SolarTermName(24), "");
    EXPECT_STREQ(SolarTermName(-1), "");
}

TEST(SolarTermFile, RefusesAWrongSize) {
    auto bytes = testing::SyntheticTermBytes();
    bytes.pop_back();
    std::string error;
    EXPECT_FALSE(SolarTermTable::FromBytes(bytes, &error));
    EXPECT_NE(error.find("28799"), std::string::npos) << error;
    EXPECT_FALSE(SolarTermTable::FromBytes({}, &error));
    bytes.resize(kSolarTermFileSize + 1);
    EXPECT_FALSE(SolarTermTable::FromBytes(bytes));
}

TEST(SolarTermFile, RefusesDamagedEntries) {
    struct Damage {
        const char* what;
        int year, index, month, day, hour, minute;
    } damages[] = {
        {"hour 24", 1950, 5, 3, 20, 24, 0},
        {"minute 60", 1950, 5, 3, 20, 1, 60},
        {"day 0", 2000, 0, 1, 0, 1, 0},
        {"30 February", 2000, 3, 2, 30, 1, 0},
        {"29 February of a common year", 2001, 3, 2, 29, 1, 0},
        {"term in the wrong month", 2100, 23, 11, 22, 1, 0},
        {"moment before the term before it", 1801, 1, 1, 5, 0, 0},
        {"same moment as the term after it", 2050, 10, 6, 21, 12, 0},
    };
    for (const Damage& d : damages) {
        auto bytes = testing::SyntheticTermBytes();
        testing::SetTerm(bytes, d.year, d.index, d.month, d.day, d.hour, d.minute);
        std::string error;
        EXPECT_FALSE(SolarTermTable::FromBytes(bytes, &error)) << d.what;
        EXPECT_NE(error.find(std::to_string(d.year)), std::string::npos) << d.what << ": " << error;
    }
}

TEST(SolarTermFile, LoadFileReportsMissingAndDamagedFiles) {
    std::string error;
    EXPECT_FALSE(SolarTermTable::LoadFile("/nonexistent/zelk/solar_terms.dat", &error));
    EXPECT_NE(error.find("cannot open"), std::string::npos) << error;

    const TempFile shortFile(std::vector<uint8_t>(100, 1));
    EXPECT_FALSE(SolarTermTable::LoadFile(shortFile.path(), &error));
    EXPECT_NE(error.find("100 bytes"), std::string::npos) << error;

    const TempFile good(testing::SyntheticTermBytes());
    const auto table = SolarTermTable::LoadFile(good.path(), &error);
    ASSERT_TRUE(table) << error;
    EXPECT_EQ(table->term(1984, 2)->minute, 19);

    EXPECT_FALSE(SolarTermTable::LoadFile(fs::temp_directory_path().string(), &error));
}

} // namespace
} // namespace zelk
