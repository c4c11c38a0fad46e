// zelk-cli chart: a natal or period chart as JSON (or a readable table), one
// chart per run, or one per line of standard input when no --solar is given.
#include "chart_options.h"
#include "cli_paths.h"
#include "cli_support.h"

#include "calendar/pillars.h"
#include "chart/chart_facts.h"
#include "settings/string_table.h"

#include <iostream>
#include <unordered_map>

namespace zelk::cli {
namespace {

constexpr char kUsage[] =
    "zelk-cli chart --solar YYYY-MM-DD --hour H --sex M|F [--level L] [--ten-year-palace P] "
    "[--flow-year Y] [--flow-month M] [--flow-leap] [--flow-day D] [--flow-hour H] "
    "[--flow-minute K] [--now \"YYYY-MM-DD HH:MM\"] [--data-dir DIR] [--set KEY=VALUE ...] "
    "[--format json|text]   (without --solar: one chart's options per line of standard input)";

// Texts of the string table as UTF-8; a list item is cut out of its list once.
const std::string& Text(ResText t) {
    static std::unordered_map<int64_t, std::string> cache;
    const int64_t key = int64_t{t.stringId} * 1000 + (t.listItem + 1);
    if (auto it = cache.find(key); it != cache.end()) return it->second;
    std::string text;
    if (t.stringId != 0) {
        if (t.listItem < 0) {
            text = std::string(ResStringUtf8(t.stringId));
        } else {
            const QStringList items = ParseQuotedList(LoadResString(t.stringId));
            if (t.listItem < items.size()) text = items[t.listItem].toStdString();
        }
    }
    return cache.emplace(key, std::move(text)).first->second;
}
const std::string& Text(int id) {
    return Text(ResText{id});
}

std::string NameUtf8(const ChartRecord& r) {
    std::u16string name;
    for (char16_t c : r.name) {
        if (c == 0) break;
        name.push_back(c);
    }
    return QString::fromStdU16String(name).toStdString();
}

template <class Array> void NumberArray(Json& j, const char* key, const Array& a) {
    j.key(key).beginArray();
    for (auto v : a)
        j.num(v);
    j.endArray();
}

void RecordJson(Json& j, const ChartRecord& r) {
    j.key("record").beginObject();
    const std::pair<const char*, long long> scalars[] = {{"clientIndex", r.clientIndex},
                                                         {"lunarYear", r.lunarYear},
                                                         {"lunarMonth", r.lunarMonth},
                                                         {"lunarDay", r.lunarDay},
                                                         {"hourIndex", r.hourIndex},
                                                         {"placementHour", r.placementHour},
                                                         {"solarYear", r.solarYear},
                                                         {"solarMonth", r.solarMonth},
                                                         {"solarDay", r.solarDay},
                                                         {"clockHour", r.clockHour},
                                                         {"birthMinute", r.birthMinute},
                                                         {"yearStem", r.yearStem},
                                                         {"yearBranch", r.yearBranch},
                                                         {"tigerStem", r.tigerStem},
                                                         {"bureau", r.bureau},
                                                         {"lifePalace", r.lifePalace},
                                                         {"bodyPalace", r.bodyPalace},
                                                         {"ziYearDouJun", r.ziYearDouJun},
                                                         {"stemParity", r.stemParity},
                                                         {"isLeapMonth", r.isLeapMonth},
                                                         {"sex", r.sex},
                                                         {"chartFilled", r.chartFilled},
                                                         {"periodChanged", r.periodChanged},
                                                         {"newChart", r.newChart}};
    for (const auto& [k, v] : scalars)
        j.key(k).num(v);
    j.key("name").str(NameUtf8(r));
    NumberArray(j, "birthPillars", r.birthPillars);
    const std::pair<const char*, long long> more[] = {{"shownLevel", r.shownLevel},
                                                      {"tenYearPalace", r.tenYearPalace},
                                                      {"flowLunarYear", r.flowLunarYear},
                                                      {"flowSolarYear", r.flowSolarYear},
                                                      {"flowLunarMonth", r.flowLunarMonth},
                                                      {"flowSolarMonth", r.flowSolarMonth},
                                                      {"flowLunarDay", r.flowLunarDay},
                                                      {"flowSolarDay", r.flowSolarDay},
                                                      {"flowHour", r.flowHour},
                                                      {"flowMinute", r.flowMinute},
                                                      {"flowIsLeap", r.flowIsLeap}};
    for (const auto& [k, v] : more)
        j.key(k).num(v);
    NumberArray(j, "smallLimitOrder", r.smallLimitOrder);
    NumberArray(j, "decadeFirstAge", r.decadeFirstAge);
    const std::pair<const char*, long long> period[] = {
        {"douJunBranch", r.douJunBranch},
        {"flowYearPosition", r.flowYearPosition},
        {"flowLifePalace", r.flowLifePalace},
        {"flowDouJun", r.flowDouJun},
        {"flowMonthLifePalace", r.flowMonthLifePalace},
        {"flowHourPalace", r.flowHourPalace},
        {"solarTermNow", r.solarTermNow},
        {"forwardDirection", r.forwardDirection}};
    for (const auto& [k, v] : period)
        j.key(k).num(v);
    j.key("lifeMaster").str(Text(LifeMasterStringId(r.lifePalace)));
    j.key("bodyMaster").str(Text(BodyMasterStringId(r.yearBranch)));
    j.key("bureauText").str(Text(BureauStringId(r.bureau)));
    j.endObject();
}

std::string MarkName(uint32_t bit) {
    return "化" + Text(StarNameA(bit));
}

void StarJson(Json& j, const std::string& name, const char* group, int bit, int grade,
              uint8_t numeric, int element) {
    j.beginObject().key("name").str(name).key("group").str(group).key("bit").num(bit);
    j.key("brightness");
    if (grade >= 0)
        j.str(Text(GradeStringId(grade)));
    else
        j.null();
    j.key("numericBrightness");
    if (numeric & 0x0F)
        j.num(numeric & 0x0F);
    else
        j.null();
    j.key("element");
    if (element >= 0)
        j.str(Text(ElementStringId(element)));
    else
        j.null();
    j.endObject();
}

void StarsJson(Json& j, const ChartBlock& c, int p, const AppSettings& s) {
    const int branch = BranchOfPosition(p);
    j.key("stars").beginArray();
    for (int bit = 31; bit >= 3; --bit) {
        const uint32_t b = 1u << bit;
        if (!(c.groupA[p] & b)) continue;
        const std::string name = bit >= 7 ? Text(StarNameA(b)) : MarkName(b);
        StarJson(j, name, "A", bit, TextGrade(b, p), NumericGrade(kGroupA, b, branch),
                 ElementOfGroupA(c.groupA, p, b));
    }
    for (int bit = 31; bit >= 0; --bit) {
        const uint32_t b = 1u << bit;
        if (!(c.groupB[p] & b)) continue;
        StarJson(j, Text(StarNameB(b, s.FourHuaType)), "B", bit, kNone,
                 NumericGrade(kGroupB, b, branch), ElementOfGroupB(kGroupB, b, c.nameAt(p), p, c));
    }
    for (int bit = 31; bit >= 23; --bit) {
        const uint32_t b = 1u << bit;
        if (c.groupC[p] & b) StarJson(j, Text(StarNameC(b)), "C", bit, kNone, 0, kNone);
    }
    j.endArray();
}

void BlockJson(Json& j, const ChartRecord& r, const AppSettings& s) {
    const ChartBlock& c = ShownBlock(r);
    j.key("chart").beginObject().key("level").num(std::max<int>(r.shownLevel, 0));
    j.key("palaces").beginArray();
    for (int p = 0; p < 12; ++p) {
        const int branch = BranchOfPosition(p);
        j.beginObject();
        j.key("position").num(p).key("branch").str(Text(BranchStringId(branch)));
        j.key("stem").num(c.stemAt(p)).key("stemName").str(Text(StemStringId(c.stemAt(p))));
        // The palace's own element (納音 of its stem and branch), whatever HouseFive is.
        j.key("element");
        if (const int element = PalaceElement(c, p); element >= 0)
            j.str(Text(ElementStringId(element)));
        else
            j.null();
        j.key("name").num(c.nameAt(p)).key("nameText").str(Text(PalaceNameStringId(c.nameAt(p))));
        j.key("groupA")
            .num(c.groupA[p])
            .key("groupB")
            .num(c.groupB[p])
            .key("groupC")
            .num(c.groupC[p]);
        j.key("longLifeRing").num(c.longLifeRing[p]).key("doctorRing").num(c.doctorRing[p]);
        j.key("yearFrontRing").num(c.yearFrontRing[p]);
        j.key("generalFrontRing").num(c.generalFrontRing[p]);
        StarsJson(j, c, p, s);
        j.endObject();
    }
    j.endArray().endObject();
}

std::string StarList(const ChartBlock& c, int p, const AppSettings& s) {
    std::string out;
    auto add = [&](const std::string& name, int grade) {
        if (!out.empty()) out += ' ';
        out += name;
        if (grade >= 0) out += "(" + Text(GradeStringId(grade)) + ")";
    };
    for (int bit = 31; bit >= 3; --bit) {
        const uint32_t b = 1u << bit;
        if (c.groupA[p] & b) add(bit >= 7 ? Text(StarNameA(b)) : MarkName(b), TextGrade(b, p));
    }
    out += " |";
    for (int bit = 31; bit >= 0; --bit)
        if (c.groupB[p] & (1u << bit)) add(Text(StarNameB(1u << bit, s.FourHuaType)), kNone);
    out += " |";
    for (int bit = 31; bit >= 23; --bit)
        if (c.groupC[p] & (1u << bit)) add(Text(StarNameC(1u << bit)), kNone);
    return out;
}

// Fills solarTermNow from the solar-term table when there is one.
void SetSolarTermNow(ChartRecord& r, const std::string& dataDir) {
    std::string error;
    const SolarTermTable* table = SolarTerms(dataDir, error);
    if (!table) return;
    if (auto p = FourPillarsSolarTerms(*table, r.solarYear, r.solarMonth, r.solarDay, r.clockHour))
        r.solarTermNow = p->solarTermNow;
}

std::string Answer(const ChartOptions& o) {
    ChartRun run;
    ComputeChartFromOptions(o, run);
    if (!run.result) return ErrorObject(run.result.message);
    SetSolarTermNow(run.record, o.dataDir);
    return o.format == ChartFormat::Text ? ChartText(run) : ChartJson(run);
}

std::string AnswerLine(const ChartOptions& base, const Args& words) {
    ChartOptions o = base;
    Args args = words;
    std::string error;
    if (!ParseChartOptions(args, o, error)) return ErrorObject(error);
    if (!o.hasSolar) return ErrorObject("需要 --solar YYYY-MM-DD");
    return Answer(o);
}

int RunChart(const Args& argv) {
    Args args = argv;
    ChartOptions o;
    std::string error;
    if (!ParseChartOptions(args, o, error)) throw UsageError{error};
    if (!o.hasSolar) {
        // The command line's options stand for every line; a line's own options win.
        return ForEachStdinLine([&](const Args& words) { return AnswerLine(o, words); });
    }
    if (o.hourIndex < 0 || o.sex < 0) throw UsageError{"--hour and --sex are needed with --solar"};
    const std::string answer = Answer(o);
    std::cout << answer;
    if (answer.empty() || answer.back() != '\n') std::cout << "\n";
    return answer.rfind("{\"error\"", 0) == 0 ? 1 : 0;
}

} // namespace

std::string ChartJson(const ChartRun& run) {
    if (!run.result) return ErrorObject(run.result.message);
    Json j;
    j.beginObject();
    RecordJson(j, run.record);
    BlockJson(j, run.record, run.settings);
    j.endObject();
    return j.text();
}

std::string ChartText(const ChartRun& run) {
    if (!run.result) return "error: " + run.result.message + "\n";
    const ChartRecord& r = run.record;
    const ChartBlock& c = ShownBlock(r);
    std::string out = Text(LevelCaptionStringId(std::max<int>(r.shownLevel, 0)));
    out += "陽曆 " + std::to_string(r.solarYear) + "-" + std::to_string(r.solarMonth) + "-" +
           std::to_string(r.solarDay) + "  農曆 " + std::to_string(r.lunarYear) + "-" +
           (r.isLeapMonth ? Text(363) : std::string()) + std::to_string(r.lunarMonth) + "-" +
           std::to_string(r.lunarDay) + "  " + Text(BranchStringId(r.placementHour % 12)) + "時  " +
           Text(r.sex == 0 ? 132 : 133) + "  " + Text(BureauStringId(r.bureau)) + "\n";
    out += "命主 " + Text(LifeMasterStringId(r.lifePalace)) + "  身主 " +
           Text(BodyMasterStringId(r.yearBranch)) + "  命宮 " +
           Text(PositionStringId(r.lifePalace)) + "  身宮 " + Text(PositionStringId(r.bodyPalace));
    if (r.shownLevel > 0)
        out += "  流盤 " + std::to_string(r.flowLunarYear) + "-" +
               std::to_string(r.flowLunarMonth) + "-" + std::to_string(r.flowLunarDay) + " " +
               Text(BranchStringId(r.flowHour % 12)) + "時";
    out += "\n";
    const int sua = run.settings.SuaStarNameType;
    for (int p = 0; p < 12; ++p) {
        const int element = PalaceElement(c, p);
        out += Text(PositionStringId(p)) + " " + Text(StemStringId(c.stemAt(p))) +
               (element >= 0 ? Text(ElementStringId(element)) : std::string()) + " " +
               Text(PalaceNameStringId(c.nameAt(p))) + "  " +
               Text(RingMemberName(kRingLongLife, c.longLifeRing[p], sua)) + " " +
               Text(RingMemberName(kRingDoctor, c.doctorRing[p], sua)) + " " +
               Text(RingMemberName(kRingYearFront, c.yearFrontRing[p], sua)) + " " +
               Text(RingMemberName(kRingGeneralFront, c.generalFrontRing[p], sua)) + "  " +
               StarList(c, p, run.settings) + "\n";
    }
    return out;
}

ZELK_CLI_COMMAND("chart", kUsage, RunChart);

} // namespace zelk::cli
