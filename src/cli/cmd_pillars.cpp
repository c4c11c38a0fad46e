// zelk-cli pillars YYYY-MM-DD HH:MM: the four pillars of a moment, lunar (with
// the two-hour period of that clock time) and by solar terms (with the clock
// hour), and the solar term in force.
#include "calendar_operands.h"
#include "cli_paths.h"
#include "current_time.h"

namespace zelk::cli {

namespace {

Answer PillarsAnswer(const Args& words, const std::string& dataDir) {
    const std::string solarField = "\"solar\":\"" + JsonEscape(EchoedOperand(words[0])) + "\"";
    const auto date = ParseIsoDate(words[0]);
    if (!date) return Failure(kBadDate, solarField);
    const auto time = ParseClockTime(words[1]);
    if (!time) return Failure(kBadTime, solarField);
    if (date->year < kFirstTermYear || date->year > kLastTermYear)
        return Failure("超出節氣表範圍：1801 至 2100 年", solarField);

    std::string tableError;
    const SolarTermTable* table = SolarTerms(dataDir, tableError);
    if (!table) return Failure(tableError, solarField);

    // Before lunar 1900 there is no lunar date, so no lunar pillars (null).
    const auto lunar =
        FourPillarsLunar(date->year, date->month, date->day, HourIndexOfClockHour(time->hour));
    const auto bySolarTerms =
        FourPillarsSolarTerms(*table, date->year, date->month, date->day, time->hour);
    if (!bySolarTerms) return Failure("無法計算節氣八字", solarField);

    Json j;
    j.beginObject().key("solar").str(IsoDateText(*date));
    j.key("lunarPillars").raw(PillarsJson(lunar));
    j.key("solarTermPillars").raw(PillarsJson(bySolarTerms->pillars));
    j.key("solarTerm").str(SolarTermName(bySolarTerms->solarTermNow));
    j.endObject();
    return {j.text()};
}

int RunPillars(const Args& arguments) {
    Args args = arguments;
    std::string dataDir;
    TakeOption(args, "--data-dir", dataDir);
    return RunOperands(args, 2, 2,
                       [&](const Args& words) { return PillarsAnswer(words, dataDir); });
}

} // namespace

ZELK_CLI_COMMAND("pillars",
                 "zelk-cli pillars YYYY-MM-DD HH:MM [--data-dir DIR]   (no operands: one operand "
                 "line per stdin line)",
                 RunPillars);

} // namespace zelk::cli
