// Chart options, their settings and the chart computation they describe.
#include "chart_options.h"

#include "calendar/lunar_calendar.h"
#include "settings/four_hua_text.h"
#include "settings/program_paths.h"
#include "settings/settings_keys.h"
#include "settings/settings_load_save.h"
#include "settings/settings_store.h"

#include <charconv>
#include <map>

namespace zelk::cli {

namespace {

bool ParseInt(const std::string& text, int& out) {
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') ++first;
    const auto [ptr, ec] = std::from_chars(first, last, out);
    return ec == std::errc() && ptr == last && first != last;
}

bool ParseIntIn(const std::string& text, int lo, int hi, int& out) {
    return ParseInt(text, out) && out >= lo && out <= hi;
}

// "YYYY-MM-DD" (the year may have a sign).
bool ParseDate(const std::string& text, int& y, int& m, int& d) {
    const auto second = text.rfind('-');
    const auto first = second == std::string::npos || second == 0 ? std::string::npos
                                                                  : text.rfind('-', second - 1);
    if (first == std::string::npos || first == 0) return false;
    return ParseInt(text.substr(0, first), y) &&
           ParseInt(text.substr(first + 1, second - first - 1), m) &&
           ParseInt(text.substr(second + 1), d);
}

// "YYYY-MM-DD HH:MM" (also with a T between date and time).
bool ParseMoment(const std::string& text, LocalDateTime& out) {
    auto sep = text.find_first_of(" T");
    if (sep == std::string::npos) return false;
    const std::string time = text.substr(sep + 1);
    const auto colon = time.find(':');
    if (colon == std::string::npos) return false;
    LocalDateTime t;
    if (!ParseDate(text.substr(0, sep), t.year, t.month, t.day)) return false;
    if (!ParseIntIn(time.substr(0, colon), 0, 23, t.hour) ||
        !ParseIntIn(time.substr(colon + 1), 0, 59, t.minute))
        return false;
    if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > GregorianMonthLength(t.year, t.month))
        return false;
    out = t;
    return true;
}

struct Fail {
    std::string message;
};

void TakeInt(Args& args, const char* name, int lo, int hi, std::optional<int>& out) {
    std::string value;
    if (!TakeOption(args, name, value)) return;
    int v = 0;
    if (!ParseIntIn(value, lo, hi, v))
        throw Fail{std::string(name) + " 需要 " + std::to_string(lo) + "–" + std::to_string(hi) +
                   " 的整數，而不是 '" + value + "'"};
    out = v;
}

void ParseInto(Args& args, ChartOptions& o) {
    std::string value;
    if (TakeOption(args, "--solar", value)) {
        if (!ParseDate(value, o.solarYear, o.solarMonth, o.solarDay))
            throw Fail{"--solar 需要 YYYY-MM-DD，而不是 '" + value + "'"};
        o.hasSolar = true;
    }
    std::optional<int> hour, level;
    TakeInt(args, "--hour", 0, 12, hour);
    if (hour) o.hourIndex = *hour;
    if (TakeOption(args, "--sex", value)) {
        if (value == "M" || value == "m" || value == "0")
            o.sex = 0;
        else if (value == "F" || value == "f" || value == "1")
            o.sex = 1;
        else
            throw Fail{"--sex 需要 M 或 F，而不是 '" + value + "'"};
    }
    TakeInt(args, "--level", 0, 6, level);
    if (level) o.level = *level;
    TakeInt(args, "--ten-year-palace", 0, 11, o.tenYearPalace);
    TakeInt(args, "--flow-year", -32768, 32767, o.flowYear);
    TakeInt(args, "--flow-month", 1, 12, o.flowMonth);
    TakeInt(args, "--flow-day", 1, 30, o.flowDay);
    TakeInt(args, "--flow-hour", 0, 12, o.flowHour);
    TakeInt(args, "--flow-minute", 0, 11, o.flowMinute);
    if (TakeFlag(args, "--flow-leap")) o.flowLeap = true;
    if (TakeOption(args, "--now", value)) {
        LocalDateTime t;
        if (!ParseMoment(value, t))
            throw Fail{"--now 需要 \"YYYY-MM-DD HH:MM\"，而不是 '" + value + "'"};
        o.now = t;
    }
    if (TakeOption(args, "--data-dir", value)) o.dataDir = value;
    while (TakeOption(args, "--set", value)) {
        const auto eq = value.find('=');
        if (eq == std::string::npos || eq == 0)
            throw Fail{"--set 需要 KEY=VALUE，而不是 '" + value + "'"};
        o.sets.emplace_back(value.substr(0, eq), value.substr(eq + 1));
    }
    if (TakeOption(args, "--format", value)) {
        if (value == "json")
            o.format = ChartFormat::Json;
        else if (value == "text")
            o.format = ChartFormat::Text;
        else
            throw Fail{"--format 需要 json 或 text，而不是 '" + value + "'"};
    }
    if (!args.empty()) throw Fail{"不明的參數 '" + args.front() + "'"};
}

// The settings file of a folder, read once per run and folder.
bool LoadSettingsOfFolder(const std::string& dataDir, const CurrentTime& now, AppSettings& out,
                          std::string& error) {
    static std::map<std::pair<std::string, int>, AppSettings> cache;
    // The custom-date defaults depend on the present day; keep one entry per day.
    const int day = now.year * 10000 + now.month * 100 + now.day + now.hourIndex * 100000000;
    const auto key = std::make_pair(dataDir, day);
    if (auto it = cache.find(key); it != cache.end()) {
        out = it->second;
        return true;
    }
    const QString path = SettingsFilePath(ResolveDataDirectory(QString::fromStdString(dataDir)));
    AppSettings s;
    const IniResult r = LoadSettings(s, path, path, now);
    if (!r) {
        error = "無法讀取設定檔: " + r.error.toStdString();
        return false;
    }
    // The custom date is read only when the file selects it. A run whose --set selects
    // it must still find the date the program would read: the stored one, else today.
    if (s.TimeBase != 2)
        for (int id :
             {key::BaseYear, key::BaseMonth, key::BaseDate, key::BaseTime, key::BaseIsLeap})
            SetSettingValue(s, id, GetIntSetting(id, path, now));
    cache.emplace(key, s);
    out = s;
    return true;
}

bool ApplySet(AppSettings& s, const std::string& name, const std::string& value,
              std::string& error) {
    const SettingKey* k = FindSettingKeyByName(name);
    if (!k) {
        error = "不明的設定鍵: " + name;
        return false;
    }
    const QString text = QString::fromStdString(value);
    if (k->width == KeyWidth::Text) {
        // Only the user's four-transformation table is a chart setting among the texts.
        if (k->id == key::UserDefinedFourHuaData) {
            const auto table = ParseFourHuaText(text);
            if (!table) {
                error = "UserDefinedFourHuaData 需要 80 位數字";
                return false;
            }
            s.UserFourHuaTable = *table;
        }
        return true;
    }
    const auto number = ParseStoredInt(text);
    if (!number || !SetSettingValue(s, k->id, *number)) {
        error = "設定鍵 " + name + " 需要整數值，而不是 '" + value + "'";
        return false;
    }
    return true;
}

// The ten-year period of the present nominal age, as the picker first offers it;
// the base palace before the first period starts.
int PresentDecadePalace(const ChartRecord& r, const CurrentTime& now) {
    const int age = now.lunar.year - r.lunarYear + 1;
    int best = -1;
    for (int p = 0; p < 12; ++p)
        if (r.decadeFirstAge[p] <= age &&
            (best < 0 || r.decadeFirstAge[p] > r.decadeFirstAge[best]))
            best = p;
    if (best >= 0) return best;
    for (int p = 0; p < 12; ++p)
        if (r.decadeFirstAge[p] == r.bureau) return p;
    return 0;
}

} // namespace

bool ParseChartOptions(Args& args, ChartOptions& options, std::string& error) {
    try {
        ParseInto(args, options);
        return true;
    } catch (const Fail& f) {
        error = f.message;
    } catch (const UsageError& u) {
        error = u.message;
    }
    return false;
}

bool LoadChartSettings(const ChartOptions& options, AppSettings& settings, std::string& error,
                       const CurrentTime& now) {
    if (!LoadSettingsOfFolder(options.dataDir, now, settings, error)) return false;
    for (const auto& [name, value] : options.sets)
        if (!ApplySet(settings, name, value, error)) return false;
    return true;
}

bool LoadChartSettings(const ChartOptions& options, AppSettings& settings, std::string& error) {
    CurrentTime now;
    RefreshCurrentTime(now, options.now ? FixedClock(*options.now) : SystemClock());
    return LoadChartSettings(options, settings, error, now);
}

void ComputeChartFromOptions(const ChartOptions& o, ChartRun& run) {
    const Clock clock = o.now ? FixedClock(*o.now) : SystemClock();
    RefreshCurrentTime(run.now, clock);
    std::string error;
    if (!o.hasSolar || o.hourIndex < 0 || o.sex < 0) {
        run.result = {ChartRefusal::NoBirthData, "需要 --solar YYYY-MM-DD、--hour H 與 --sex M|F"};
        return;
    }
    if (!LoadChartSettings(o, run.settings, error, run.now)) {
        run.result = {ChartRefusal::StoredFieldOutOfRange, error};
        return;
    }
    const ChartEnv env{run.settings, run.now, clock};

    BirthInput in;
    in.sex = o.sex;
    in.solarYear = static_cast<int16_t>(o.solarYear);
    in.solarMonth = static_cast<int16_t>(o.solarMonth);
    in.solarDay = static_cast<int16_t>(o.solarDay);
    in.hourIndex = static_cast<int16_t>(o.hourIndex);
    in.clockHour = static_cast<int16_t>(2 * o.hourIndex); // chosen as a two-hour period
    in.minute = 0;
    // A year that does not fit the record's 16 bits is outside the table anyway.
    if (o.solarYear < -32768 || o.solarYear > 32767) in.solarYear = 0;
    run.record = ChartRecord{};
    run.result = LoadChartInputs(run.record, in, InputCommand::NewClient, env);
    if (!run.result || o.level == kLevelNatal) return;

    // The period pickers: the ten-year palace or the flow date, then the chart.
    ChartRecord& r = run.record;
    r.tenYearPalace =
        static_cast<int16_t>(o.tenYearPalace ? *o.tenYearPalace : PresentDecadePalace(r, run.now));
    if (o.flowYear) r.flowLunarYear = static_cast<int16_t>(*o.flowYear);
    if (o.flowMonth) r.flowLunarMonth = static_cast<int16_t>(*o.flowMonth);
    if (o.flowDay) r.flowLunarDay = static_cast<int16_t>(*o.flowDay);
    if (o.flowHour) r.flowHour = static_cast<int16_t>(*o.flowHour);
    if (o.flowMinute) r.flowMinute = static_cast<int16_t>(*o.flowMinute);
    if (o.flowMonth || o.flowLeap) r.flowIsLeap = o.flowLeap ? 1 : 0;
    // 流時 and 流分 charts run on the flow hour; the others on the birth hour.
    r.hourIndex = o.level >= kLevelFlowHour ? r.flowHour : r.placementHour;
    run.result = ComputePeriodChart(r, o.level, r.periodChart, env);
    if (run.result) r.shownLevel = static_cast<int16_t>(o.level);
}

const ChartBlock& ShownBlock(const ChartRecord& record) {
    return record.shownLevel > kLevelNatal ? record.periodChart : record.natalChart;
}

} // namespace zelk::cli
