// zelk-cli demo [YYYY-MM-DD HH:MM]: the calendar of the present moment (or of the
// moment given) as readable lines: Gregorian and lunar date, the four pillars
// both ways and the solar term in force.
#include "calendar_operands.h"
#include "cli_paths.h"
#include "current_time.h"
#include "date_text.h"

#include <iostream>

namespace zelk::cli {

namespace {

LocalDateTime MomentFromArgs(const Args& args) {
    if (args.empty()) return SystemClock()();
    if (args.size() != 2) throw UsageError{"give both a date and a time, or neither"};
    const auto date = ParseIsoDate(args[0]);
    const auto time = ParseClockTime(args[1]);
    if (!date) throw UsageError{"bad date " + args[0] + " (YYYY-MM-DD)"};
    if (!time) throw UsageError{"bad time " + args[1] + " (HH:MM)"};
    return {date->year, date->month, date->day, time->hour, time->minute};
}

std::string TwoDigits(int v) {
    return (v < 10 ? "0" : "") + std::to_string(v);
}

std::string SolarLine(const LocalDateTime& m) {
    std::string line;
    FormatChartDate(kDateLongForm, "陽曆 : ", line, m.year, m.month, m.day, 0, 4, 0);
    line += " " + TwoDigits(m.hour) + ":" + TwoDigits(m.minute) + "（";
    FormatMinguoYear(m.year, line);
    line += "）";
    return line;
}

std::string LunarLines(const CurrentTime& now) {
    if (!now.lunar.valid()) return std::string("農曆 : ") + kOutsideLunarTable + "\n";
    const LunarDate& l = now.lunar;
    const int yearPillar = ((l.year - 4) % 60 + 60) % 60;
    std::string line =
        "農曆 : " + std::to_string(l.year) + "年（" + PillarName(yearPillar) + "年）";
    if (l.leap) line += "閏";
    line += std::to_string(l.month) + "月" + std::to_string(l.day) + "日 " +
            BranchName(now.hourIndex % 12) + "時";
    if (now.hourIndex == 12) line += "（23 時起屬次日）";
    line += "\n生肖 : ";
    line += AnimalName(yearPillar % 12);
    return line + "\n";
}

int RunDemo(const Args& arguments) {
    Args args = arguments;
    std::string dataDir;
    TakeOption(args, "--data-dir", dataDir);
    const LocalDateTime moment = MomentFromArgs(args);
    CurrentTime now;
    RefreshCurrentTime(now, FixedClock(moment));

    std::string out = "紫微斗數 Zelk — 曆法示範\n";
    out += SolarLine(moment) + "\n";
    out += LunarLines(now);

    if (const auto lunar = FourPillarsLunar(moment.year, moment.month, moment.day, now.hourIndex)) {
        out += "農曆";
        PillarText(*lunar, out, 0x1F);
    } else {
        out += "農曆八字 : 無法計算（超出農曆表範圍）";
    }
    out += "\n";

    std::string tableError;
    const SolarTermTable* table = SolarTerms(dataDir, tableError);
    const auto bySolarTerms =
        table ? FourPillarsSolarTerms(*table, moment.year, moment.month, moment.day, moment.hour)
              : std::nullopt;
    if (bySolarTerms) {
        out += "節氣";
        PillarText(bySolarTerms->pillars, out, 0x1F);
        out += "\n節氣 : ";
        out += SolarTermName(bySolarTerms->solarTermNow);
    } else {
        const std::string reason = table ? "超出節氣表範圍：1801 至 2100 年" : tableError;
        out += "節氣八字 : 無法計算（" + reason + "）\n節氣 : 無法計算";
    }
    std::cout << out << "\n";
    return 0;
}

} // namespace

ZELK_CLI_COMMAND("demo", "zelk-cli demo [YYYY-MM-DD HH:MM] [--data-dir DIR]", RunDemo);

} // namespace zelk::cli
