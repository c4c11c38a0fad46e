// zelk-cli solar YEAR MONTH DAY [leap]: the Gregorian date of a lunar date. A day
// beyond the month's length means its last day; the answer shows the lunar date
// actually converted.
#include "calendar_operands.h"

namespace zelk::cli {

namespace {

std::optional<bool> ParseLeapWord(std::string_view word) {
    if (word == "leap" || word == "閏" || word == "1" || word == "true") return true;
    if (word == "0" || word == "false") return false;
    return std::nullopt;
}

Answer SolarAnswer(const Args& words) {
    const auto year = ParseInt(words[0], -99999, 99999);
    const auto month = ParseInt(words[1], -99999, 99999);
    const auto day = ParseInt(words[2], -99999, 99999);
    const auto leap = words.size() > 3 ? ParseLeapWord(words[3]) : std::optional<bool>(false);
    if (!year || !month || !day) return Failure("年、月、日應為整數");
    if (!leap) return Failure("第四個運算元只能是 leap");

    const std::string lunarField = "\"lunar\":" + LunarJson(*year, *month, *day, *leap);
    if (*year < kFirstLunarYear || *year > kLastLunarYear)
        return Failure("農曆年份超出範圍：1900 至 2099", lunarField);
    if (*month < 1 || *month > 12) return Failure("月份應為 1 至 12", lunarField);
    if (*day < 1 || *day > 30) return Failure("日應為 1 至 30", lunarField);
    if (*leap && LunarYearMonthLengths(*year).leapMonth != *month)
        return Failure("該年沒有閏" + std::to_string(*month) + "月", lunarField);

    const auto solar = LunarToSolar(*year, *month, *day, *leap);
    if (!solar) return Failure(kOutsideLunarTable, lunarField);
    const int converted = ClampLunarDay(*month, *day, *year, *leap);
    Json j;
    j.beginObject();
    j.key("lunar").raw(LunarJson(*year, *month, converted, *leap));
    j.key("solar").str(IsoDateText(*solar));
    j.endObject();
    return {j.text()};
}

int RunSolar(const Args& arguments) {
    // Accepted like every command's, though no data file is needed here.
    Args args = arguments;
    std::string dataDir;
    TakeOption(args, "--data-dir", dataDir);
    return RunOperands(args, 3, 4, SolarAnswer);
}

} // namespace

ZELK_CLI_COMMAND(
    "solar",
    "zelk-cli solar YEAR MONTH DAY [leap]   (no operands: one operand line per stdin line)",
    RunSolar);

} // namespace zelk::cli
