// Operands and answers shared by the calendar commands of zelk-cli: strict
// parsing of dates, clock times and numbers, the JSON pieces of dates and
// pillars, and the argument-or-stdin run of a command.
#pragma once

#include "cli_support.h"
#include "lunar_calendar.h"
#include "pillars.h"

#include <charconv>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

namespace zelk::cli {

// A whole word as a decimal integer within [low, high]; nullopt otherwise.
inline std::optional<int> ParseInt(std::string_view word, int low, int high) {
    int value = 0;
    const char* end = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(word.data(), end, value);
    if (word.empty() || ec != std::errc() || ptr != end || value < low || value > high)
        return std::nullopt;
    return value;
}

// "YYYY-MM-DD" (month and day may have one digit) naming a real Gregorian date.
inline std::optional<SolarDate> ParseIsoDate(std::string_view word) {
    const auto first = word.find('-');
    const auto second = first == std::string_view::npos ? first : word.find('-', first + 1);
    if (first == std::string_view::npos || second == std::string_view::npos || first != 4)
        return std::nullopt;
    const auto year = ParseInt(word.substr(0, first), 1, 9999);
    const auto month = ParseInt(word.substr(first + 1, second - first - 1), 1, 12);
    const auto day = ParseInt(word.substr(second + 1), 1, 31);
    if (!year || !month || !day || *day > GregorianMonthLength(*year, *month)) return std::nullopt;
    return SolarDate{static_cast<int16_t>(*year), static_cast<int16_t>(*month),
                     static_cast<int16_t>(*day)};
}

struct ClockTime {
    int hour = 0, minute = 0;
};

// "HH:MM", 00:00 to 23:59 (the hour may have one digit).
inline std::optional<ClockTime> ParseClockTime(std::string_view word) {
    const auto colon = word.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon > 2 || word.size() != colon + 3)
        return std::nullopt;
    const auto hour = ParseInt(word.substr(0, colon), 0, 23);
    const auto minute = ParseInt(word.substr(colon + 1), 0, 59);
    if (!hour || !minute) return std::nullopt;
    return ClockTime{*hour, *minute};
}

// An operand echoed in an answer: printable ASCII only (anything else becomes
// '?', so the answer stays valid UTF-8 JSON) and at most 40 characters.
inline std::string EchoedOperand(std::string_view word) {
    std::string echo;
    for (char c : word.substr(0, 40))
        echo += (c >= 0x20 && c < 0x7F) ? c : '?';
    return echo;
}

inline std::string IsoDateText(int year, int month, int day) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", year, month, day);
    return buffer;
}
inline std::string IsoDateText(const SolarDate& d) {
    return IsoDateText(d.year, d.month, d.day);
}

inline std::string LunarJson(int year, int month, int day, bool leap) {
    Json j;
    j.beginObject();
    j.key("year").num(year).key("month").num(month).key("day").num(day).key("leap").boolean(leap);
    j.endObject();
    return j.text();
}
inline std::string LunarJson(const LunarDate& d) {
    return LunarJson(d.year, d.month, d.day, d.leap != 0);
}

inline std::string PillarsJson(const std::optional<FourPillars>& pillars) {
    if (!pillars) return "null";
    Json j;
    j.beginArray();
    for (uint8_t p : pillars->p)
        j.str(PillarName(p));
    j.endArray();
    return j.text();
}

// Messages of the calendar commands.
inline constexpr const char* kBadDate = "日期應寫成 YYYY-MM-DD，且須是存在的陽曆日期";
inline constexpr const char* kBadTime = "時間應寫成 HH:MM（00:00 至 23:59）";
inline constexpr const char* kOutsideLunarTable =
    "超出農曆表範圍：陽曆 1900-01-31 至 2100-02-08（農曆 1900 至 2099 年）";

// One answer: the JSON line and whether it reports an error.
struct Answer {
    std::string json;
    bool ok = true;
};
inline Answer Failure(std::string_view message, std::string_view leadingFields = {}) {
    return {ErrorObject(message, leadingFields), false};
}

// Runs a command over its operands: with operands on the command line (their
// count outside [minWords, maxWords] is a usage error), or else one operand line
// at a time from standard input, where a wrong count is an error answer and the
// run goes on. Exit status: 0, or 1 when the command-line operands got an error.
template <typename AnswerFn>
int RunOperands(const Args& args, std::size_t minWords, std::size_t maxWords, AnswerFn answer) {
    for (const std::string& a : args)
        if (a.size() > 1 && a[0] == '-' && a[1] == '-') throw UsageError{"unknown option " + a};
    if (args.empty()) {
        return ForEachStdinLine([&](const Args& words) {
            if (words.size() < minWords || words.size() > maxWords)
                return ErrorObject("運算元個數不對：需要 " + std::to_string(minWords) +
                                   (maxWords > minWords ? " 至 " + std::to_string(maxWords) : "") +
                                   " 個");
            return answer(words).json;
        });
    }
    if (args.size() < minWords || args.size() > maxWords)
        throw UsageError{"wrong number of operands"};
    const Answer result = answer(args);
    std::cout << result.json << '\n';
    return result.ok ? 0 : 1;
}

} // namespace zelk::cli
