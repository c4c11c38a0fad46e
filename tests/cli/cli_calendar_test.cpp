// The calendar commands of zelk-cli: answer shapes, errors, stdin mode and the
// exit status of a bad command line.
#include "cli_run.h"

#include <gtest/gtest.h>

namespace zelk::testing {
namespace {

#define REQUIRE_SOLAR_TERMS()                                                                      \
    if (!SolarTermsBesideTheProgram()) GTEST_SKIP() << "no solar_terms.dat beside zelk-cli"

TEST(CliLunar, AnswersWithAndWithoutATime) {
    auto r = RunCli({"lunar", "1984-02-10"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "{\"solar\":\"1984-02-10\",\"lunar\":{\"year\":1984,\"month\":1,\"day\":9,"
                     "\"leap\":false}}\n");
    // From 23:00 the next lunar day: the eve of lunar 2024 becomes its first day.
    r = RunCli({"lunar", "2024-02-09", "23:30"});
    EXPECT_EQ(r.out, "{\"solar\":\"2024-02-09\",\"lunar\":{\"year\":2024,\"month\":1,\"day\":1,"
                     "\"leap\":false},\"hourIndex\":12,\"minuteIndex\":3}\n");
    r = RunCli({"lunar", "2033-12-22", "0:30"});
    EXPECT_EQ(r.out, "{\"solar\":\"2033-12-22\",\"lunar\":{\"year\":2033,\"month\":11,\"day\":1,"
                     "\"leap\":true},\"hourIndex\":0,\"minuteIndex\":9}\n");
}

TEST(CliLunar, BadOperandsGetAnErrorAnswer) {
    for (const char* date : {"2100-02-09", "1900-01-30", "2023-02-29", "2024-13-01", "20240101",
                             "2024-1-1x", "\"quoted\""}) {
        const auto r = RunCli({"lunar", date});
        EXPECT_EQ(r.status, 1) << date;
        EXPECT_EQ(r.out.rfind("{\"solar\":\"", 0), 0u) << r.out;
        EXPECT_NE(r.out.find("\"error\":\""), std::string::npos) << r.out;
        EXPECT_EQ(r.lines().size(), 1u);
    }
    const auto r = RunCli({"lunar", "2024-01-01", "24:00"});
    EXPECT_NE(r.out.find("\"error\""), std::string::npos);
}

TEST(CliLunar, EchoedOperandsStayValidText) {
    // Bytes that are not UTF-8 and an overlong operand are not copied into the answer.
    const auto r = RunCli({"lunar"}, "\xff\xfe-01-01\n" + std::string(5000, 'a') + "\n");
    const auto lines = r.lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].rfind("{\"solar\":\"?\?-01-01\",\"error\":", 0), 0u) << lines[0];
    EXPECT_LT(lines[1].size(), 200u);
}

TEST(CliSolar, AnswersAndRefusals) {
    auto r = RunCli({"solar", "1906", "4", "30", "leap"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "{\"lunar\":{\"year\":1906,\"month\":4,\"day\":30,\"leap\":true},"
                     "\"solar\":\"1906-06-21\"}\n");
    r = RunCli({"solar", "2033", "11", "1", "leap"});
    EXPECT_NE(r.out.find("\"solar\":\"2033-12-22\""), std::string::npos) << r.out;
    // Day 30 of a 29-day month is its last day.
    r = RunCli({"solar", "1900", "1", "30"});
    EXPECT_EQ(r.out, "{\"lunar\":{\"year\":1900,\"month\":1,\"day\":29,\"leap\":false},"
                     "\"solar\":\"1900-02-28\"}\n");
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"solar", "2024", "1", "1", "leap"},
          {"solar", "2100", "1", "1"},
          {"solar", "1899", "12", "1"},
          {"solar", "2024", "13", "1"},
          {"solar", "2024", "1", "31"},
          {"solar", "x", "1", "1"},
          {"solar", "2024", "1", "1", "maybe"}}) {
        r = RunCli(bad);
        EXPECT_EQ(r.status, 1) << bad[1] << " " << bad[2] << " " << bad[3];
        EXPECT_NE(r.out.find("\"error\":\""), std::string::npos) << r.out;
    }
}

TEST(CliPillars, BothComputationsAndTheTermInForce) {
    REQUIRE_SOLAR_TERMS();
    auto r = RunCli({"pillars", "1984-02-10", "08:00"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "{\"solar\":\"1984-02-10\",\"lunarPillars\":[\"甲子\",\"丙寅\",\"甲戌\","
                     "\"戊辰\"],\"solarTermPillars\":[\"甲子\",\"丙寅\",\"甲戌\",\"戊辰\"],"
                     "\"solarTerm\":\"立春\"}\n");
    // Before lunar 1900 only the solar-term pillars exist.
    r = RunCli({"pillars", "1801-01-01", "12:00"});
    EXPECT_NE(r.out.find("\"lunarPillars\":null"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"solarTermPillars\":[\"庚申\",\"戊子\",\"乙未\","), std::string::npos)
        << r.out;
    r = RunCli({"pillars", "2101-01-01", "12:00"});
    EXPECT_NE(r.out.find("\"error\""), std::string::npos);
}

TEST(CliPillars, MissingOrDamagedTableIsAnError) {
    TempDir empty;
    auto r = RunCli({"pillars", "1984-02-10", "08:00", "--data-dir", empty.path().string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("\"error\":\"找不到節氣表 solar_terms.dat"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("Pillars\":["), std::string::npos) << "no pillars without a table";

    TempDir damaged;
    std::ofstream(damaged.path() / "solar_terms.dat", std::ios::binary) << "not a table";
    r = RunCli({"terms", "2024"}, {}, "ZELK_DATA_DIR=" + ShellQuoted(damaged.path().string()));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("\"error\":\"節氣表無法使用"), std::string::npos) << r.out;
    EXPECT_EQ(r.lines().size(), 1u);
}

TEST(CliTerms, TwentyFourLinesOrOne) {
    REQUIRE_SOLAR_TERMS();
    auto r = RunCli({"terms", "2024"});
    EXPECT_EQ(r.status, 0);
    const auto lines = r.lines();
    ASSERT_EQ(lines.size(), 24u);
    EXPECT_EQ(lines[2], "{\"year\":2024,\"index\":2,\"name\":\"立春\",\"month\":2,\"day\":4,"
                        "\"hour\":16,\"minute\":27}");
    EXPECT_NE(lines[23].find("\"index\":23,\"name\":\"冬至\",\"month\":12"), std::string::npos);
    r = RunCli({"terms", "1984", "2"});
    EXPECT_EQ(r.out, "{\"year\":1984,\"index\":2,\"name\":\"立春\",\"month\":2,\"day\":4,"
                     "\"hour\":23,\"minute\":19}\n");
    r = RunCli({"terms", "1800"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out.rfind("{\"year\":1800,\"error\":", 0), 0u) << r.out;
}

TEST(CliStdin, OneAnswerLinePerOperandLineInOrder) {
    const auto r = RunCli({"lunar"}, "1984-02-10\n\nnonsense\n2024-02-10 23:10\n1 2 3\n");
    EXPECT_EQ(r.status, 0);
    const auto lines = r.lines();
    ASSERT_EQ(lines.size(), 4u) << r.out; // the blank line gets no answer
    EXPECT_NE(lines[0].find("\"day\":9"), std::string::npos);
    EXPECT_NE(lines[1].find("\"error\""), std::string::npos);
    EXPECT_NE(lines[2].find("\"day\":2,\"leap\":false},\"hourIndex\":12,\"minuteIndex\":1"),
              std::string::npos)
        << lines[2];
    EXPECT_NE(lines[3].find("\"error\""), std::string::npos);
}

TEST(CliStdin, AHundredThousandLines) {
    std::string input;
    for (int i = 0; i < 100000; ++i)
        input += (i % 2 ? "2024-02-10\n" : "1984-02-10 08:15\n");
    const auto r = RunCli({"lunar"}, input);
    EXPECT_EQ(r.status, 0);
    const auto lines = r.lines();
    ASSERT_EQ(lines.size(), 100000u);
    EXPECT_EQ(lines.back(), "{\"solar\":\"2024-02-10\",\"lunar\":{\"year\":2024,\"month\":1,"
                            "\"day\":1,\"leap\":false}}");
    EXPECT_NE(lines.front().find("\"hourIndex\":4,\"minuteIndex\":7"), std::string::npos);
}

TEST(CliStdin, SolarAndTermsReadLinesToo) {
    auto r = RunCli({"solar"}, "1984 1 9\n2024 1 1 leap\n");
    ASSERT_EQ(r.lines().size(), 2u);
    EXPECT_NE(r.lines()[0].find("\"solar\":\"1984-02-10\""), std::string::npos);
    EXPECT_NE(r.lines()[1].find("\"error\""), std::string::npos);
    if (!SolarTermsBesideTheProgram()) return;
    r = RunCli({"terms"}, "2024 2\n2023\n");
    EXPECT_EQ(r.lines().size(), 25u);
}

TEST(CliUsage, BadCommandLinesExitWithStatus2) {
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"lunar", "2024-01-01", "10:00", "extra"},
          {"solar", "2024"},
          {"pillars", "1984-02-10"},
          {"terms", "--bogus", "2024"},
          {"pillars", "1984-02-10", "08:00", "--data-dir"},
          {"demo", "2024-01-01"},
          {"demo", "yesterday", "10:00"},
          {"no-such-command"},
          {}}) {
        const auto r = RunCli(bad);
        EXPECT_EQ(r.status, 2) << (bad.empty() ? "" : bad[0]);
        EXPECT_NE(r.err.find("usage"), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
}

TEST(CliDemo, ShowsTheCalendarOfAGivenMoment) {
    REQUIRE_SOLAR_TERMS();
    const auto r = RunCli({"demo", "2024-02-09", "23:30"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("陽曆 : 2024年 2月 9日 23:30（民國113年）"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("農曆 : 2024年（甲辰年）1月1日 子時"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("生肖 : 龍"), std::string::npos);
    EXPECT_NE(r.out.find("節氣 : 立春"), std::string::npos);
    // Today's calendar also runs.
    EXPECT_EQ(RunCli({"demo"}).status, 0);
}

} // namespace
} // namespace zelk::testing
