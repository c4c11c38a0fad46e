// zelk-cli terms YEAR [INDEX]: the beginning moments (UTC+8) of the 24 solar
// terms of a Gregorian year, one line each, or of one term.
#include "calendar_operands.h"
#include "cli_paths.h"

namespace zelk::cli {

namespace {

Answer TermsAnswer(const Args& words, const std::string& dataDir) {
    const auto year = ParseInt(words[0], -99999, 99999);
    if (!year) return Failure("年份應為整數");
    const std::string yearField = "\"year\":" + std::to_string(*year);
    if (*year < kFirstTermYear || *year > kLastTermYear)
        return Failure("超出節氣表範圍：1801 至 2100 年", yearField);
    int first = 0, last = 23;
    if (words.size() > 1) {
        const auto index = ParseInt(words[1], 0, 23);
        if (!index) return Failure("節氣序號應為 0 至 23", yearField);
        first = last = *index;
    }

    std::string tableError;
    const SolarTermTable* table = SolarTerms(dataDir, tableError);
    if (!table) return Failure(tableError, yearField);

    std::string lines;
    for (int i = first; i <= last; ++i) {
        const auto term = table->term(*year, i);
        if (!term) return Failure("節氣表缺少這一年", yearField);
        Json j;
        j.beginObject().key("year").num(*year).key("index").num(i).key("name").str(
            SolarTermName(i));
        j.key("month").num(term->month).key("day").num(term->day);
        j.key("hour").num(term->hour).key("minute").num(term->minute);
        j.endObject();
        if (!lines.empty()) lines += '\n';
        lines += j.text();
    }
    return {lines};
}

int RunTerms(const Args& arguments) {
    Args args = arguments;
    std::string dataDir;
    TakeOption(args, "--data-dir", dataDir);
    return RunOperands(args, 1, 2, [&](const Args& words) { return TermsAnswer(words, dataDir); });
}

} // namespace

ZELK_CLI_COMMAND("terms",
                 "zelk-cli terms YEAR [INDEX] [--data-dir DIR]   (24 lines, or the one term "
                 "INDEX 0-23; no operands: one operand line per stdin line)",
                 RunTerms);

} // namespace zelk::cli
