// zelk-cli lunar YYYY-MM-DD [HH:MM]: the lunar date of a Gregorian date; with a
// clock time also the two-hour period and ten-minute slot, and from 23:00 the
// next lunar day (the late 子 hour belongs to the next day).
#include "calendar_operands.h"
#include "current_time.h"

namespace zelk::cli {

namespace {

Answer LunarAnswer(const Args& words) {
    const std::string solarField = "\"solar\":\"" + JsonEscape(EchoedOperand(words[0])) + "\"";
    const auto date = ParseIsoDate(words[0]);
    if (!date) return Failure(kBadDate, solarField);
    std::optional<ClockTime> time;
    if (words.size() > 1) {
        time = ParseClockTime(words[1]);
        if (!time) return Failure(kBadTime, solarField);
    }
    LunarDate lunar = SolarToLunar(date->year, date->month, date->day);
    if (!lunar.valid()) return Failure(kOutsideLunarTable, solarField);

    Json j;
    j.beginObject().key("solar").str(IsoDateText(*date));
    if (time) {
        const int hourIndex = HourIndexOfClockHour(time->hour);
        if (hourIndex == 12) NextLunarDay(lunar);
        j.key("lunar").raw(LunarJson(lunar));
        j.key("hourIndex").num(hourIndex);
        j.key("minuteIndex").num(MinuteIndexOf(time->hour, time->minute));
    } else {
        j.key("lunar").raw(LunarJson(lunar));
    }
    j.endObject();
    return {j.text()};
}

int RunLunar(const Args& arguments) {
    // Accepted like every command's, though no data file is needed here.
    Args args = arguments;
    std::string dataDir;
    TakeOption(args, "--data-dir", dataDir);
    return RunOperands(args, 1, 2, LunarAnswer);
}

} // namespace

ZELK_CLI_COMMAND(
    "lunar", "zelk-cli lunar YYYY-MM-DD [HH:MM]   (no operands: one operand line per stdin line)",
    RunLunar);

} // namespace zelk::cli
