// zelk-cli chart: the JSON shape, a chart checked star by star against one worked
// by hand, every period level, refusals, settings for one run, the text form and
// the stdin mode.
#include "cli_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace zelk::testing {
namespace {

// --- A small JSON reader, enough for the answers of zelk-cli ------------------

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object } kind = Kind::Null;
    bool boolean = false;
    long long number = 0;
    std::string text;
    std::vector<JsonValue> items;
    std::vector<std::pair<std::string, JsonValue>> members;

    bool isNull() const { return kind == Kind::Null; }
    bool isNumber() const { return kind == Kind::Number; }
    bool isString() const { return kind == Kind::String; }
    bool has(const std::string& key) const {
        return std::any_of(members.begin(), members.end(),
                           [&](const auto& m) { return m.first == key; });
    }
    const JsonValue& operator[](const std::string& key) const {
        static const JsonValue missing;
        for (const auto& [k, v] : members)
            if (k == key) return v;
        ADD_FAILURE() << "no member \"" << key << "\"";
        return missing;
    }
    const JsonValue& operator[](std::size_t i) const {
        static const JsonValue missing;
        if (i < items.size()) return items[i];
        ADD_FAILURE() << "no item " << i << " of " << items.size();
        return missing;
    }
    std::size_t size() const { return kind == Kind::Array ? items.size() : members.size(); }
};

class JsonReader {
  public:
    explicit JsonReader(const std::string& s) : s_(s) {}

    // The whole text must be one value (blanks and a final newline aside).
    std::optional<JsonValue> document() {
        JsonValue v;
        if (!value(v)) return std::nullopt;
        blanks();
        if (i_ != s_.size()) return std::nullopt;
        return v;
    }

  private:
    void blanks() {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\n' || s_[i_] == '\r'))
            ++i_;
    }
    bool literal(const char* word) {
        const std::string w(word);
        if (s_.compare(i_, w.size(), w) != 0) return false;
        i_ += w.size();
        return true;
    }
    bool string(std::string& out) {
        if (i_ >= s_.size() || s_[i_] != '"') return false;
        ++i_;
        while (i_ < s_.size() && s_[i_] != '"') {
            char c = s_[i_++];
            if (static_cast<unsigned char>(c) < 0x20) return false;
            if (c == '\\') {
                if (i_ >= s_.size()) return false;
                const char e = s_[i_++];
                switch (e) {
                case '"':
                case '\\':
                case '/':
                    c = e;
                    break;
                case 'n':
                    c = '\n';
                    break;
                case 't':
                    c = '\t';
                    break;
                case 'r':
                    c = '\r';
                    break;
                case 'u':
                    // Only control characters are written as \u escapes.
                    if (i_ + 4 > s_.size() || s_.compare(i_, 2, "00") != 0) return false;
                    c = static_cast<char>(std::stoi(s_.substr(i_ + 2, 2), nullptr, 16));
                    i_ += 4;
                    break;
                default:
                    return false;
                }
            }
            out += c;
        }
        if (i_ >= s_.size()) return false;
        ++i_;
        return true;
    }
    // Integers only: every number of a chart answer is a whole number.
    bool number(long long& out) {
        const std::size_t start = i_;
        if (i_ < s_.size() && s_[i_] == '-') ++i_;
        const std::size_t digits = i_;
        while (i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9')
            ++i_;
        if (i_ == digits) return false;
        if (i_ < s_.size() && (s_[i_] == '.' || s_[i_] == 'e' || s_[i_] == 'E')) return false;
        out = std::stoll(s_.substr(start, i_ - start));
        return true;
    }
    bool value(JsonValue& v) {
        blanks();
        if (i_ >= s_.size()) return false;
        const char c = s_[i_];
        if (c == '{') {
            v.kind = JsonValue::Kind::Object;
            ++i_;
            blanks();
            if (i_ < s_.size() && s_[i_] == '}') return ++i_, true;
            for (;;) {
                blanks();
                std::string key;
                if (!string(key)) return false;
                blanks();
                if (i_ >= s_.size() || s_[i_++] != ':') return false;
                JsonValue member;
                if (!value(member)) return false;
                v.members.emplace_back(std::move(key), std::move(member));
                blanks();
                if (i_ >= s_.size()) return false;
                if (s_[i_] == ',') {
                    ++i_;
                    continue;
                }
                return s_[i_++] == '}';
            }
        }
        if (c == '[') {
            v.kind = JsonValue::Kind::Array;
            ++i_;
            blanks();
            if (i_ < s_.size() && s_[i_] == ']') return ++i_, true;
            for (;;) {
                JsonValue item;
                if (!value(item)) return false;
                v.items.push_back(std::move(item));
                blanks();
                if (i_ >= s_.size()) return false;
                if (s_[i_] == ',') {
                    ++i_;
                    continue;
                }
                return s_[i_++] == ']';
            }
        }
        if (c == '"') {
            v.kind = JsonValue::Kind::String;
            return string(v.text);
        }
        if (literal("null")) return v.kind = JsonValue::Kind::Null, true;
        if (literal("true")) return v.kind = JsonValue::Kind::Bool, v.boolean = true, true;
        if (literal("false")) return v.kind = JsonValue::Kind::Bool, v.boolean = false, true;
        v.kind = JsonValue::Kind::Number;
        return number(v.number);
    }

    const std::string& s_;
    std::size_t i_ = 0;
};

std::optional<JsonValue> ParseJson(const std::string& text) {
    return JsonReader(text).document();
}

// --- Running the command ----------------------------------------------------------

constexpr const char* kNow = "2025-04-12 10:30"; // lunar 2025 (乙巳), third month, day 15

// Every run reads the settings of an empty data folder unless it names its own, so
// nobody's settings file changes an answer.
struct ChartRunner {
    TempDir data;
    CliResult run(std::vector<std::string> args, const std::string& input = {}) const {
        args.insert(args.begin(), "chart");
        return RunCli(args, input, "ZELK_DATA_DIR=" + ShellQuoted(data.path().string()));
    }
};

// One chart answer, parsed; fails the test for anything but one JSON object.
JsonValue ChartOf(const CliResult& r) {
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ(r.lines().size(), 1u) << r.out;
    auto v = ParseJson(r.out);
    EXPECT_TRUE(v.has_value()) << "not JSON: " << r.out;
    return v.value_or(JsonValue{});
}

std::vector<JsonValue> AnswersOf(const CliResult& r) {
    EXPECT_EQ(r.status, 0) << r.err;
    std::vector<JsonValue> answers;
    for (const auto& line : r.lines()) {
        auto v = ParseJson(line);
        EXPECT_TRUE(v.has_value()) << "not JSON: " << line;
        answers.push_back(v.value_or(JsonValue{}));
    }
    return answers;
}

// The 1984-02-10 birth in the 辰 hour: lunar 1984 (甲子), first month, day 9.
const std::vector<std::string> kBirth = {"--solar", "1984-02-10", "--hour", "4", "--now", kNow};
std::string BirthLine(const std::string& sex, const std::string& more = {}) {
    return "--solar 1984-02-10 --hour 4 --sex " + sex + " " + more + "\n";
}
std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

const char* const kBranchOfPosition[12] = {"寅", "卯", "辰", "巳", "午", "未",
                                           "申", "酉", "戌", "亥", "子", "丑"};
const char* const kStemName[10] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
const char* const kPalaceName[13] = {"",     "命宮", "兄弟", "夫妻", "子女", "財帛", "疾厄",
                                     "遷移", "朋友", "官祿", "田宅", "福德", "父母"};
const char* const kMainStars[14] = {"紫微", "天機", "太陽", "武曲", "天同", "廉貞", "天府",
                                    "太陰", "貪狼", "巨門", "天相", "天梁", "七殺", "破軍"};

const JsonValue& Palaces(const JsonValue& answer) {
    return answer["chart"]["palaces"];
}

// Positions of the palaces holding a star (by name and group).
std::vector<int> PositionsOf(const JsonValue& answer, const std::string& name,
                             const std::string& group = "A") {
    std::vector<int> found;
    const JsonValue& palaces = Palaces(answer);
    for (std::size_t p = 0; p < palaces.size(); ++p)
        for (const auto& star : palaces[p]["stars"].items)
            if (star["name"].text == name && star["group"].text == group)
                found.push_back(static_cast<int>(p));
    return found;
}

int PositionOf(const JsonValue& answer, const std::string& name, const std::string& group = "A") {
    const auto found = PositionsOf(answer, name, group);
    EXPECT_EQ(found.size(), 1u) << name << " stands in " << found.size() << " palaces";
    return found.size() == 1 ? found[0] : -1;
}

const JsonValue* StarAt(const JsonValue& answer, int position, const std::string& name) {
    for (const auto& star : Palaces(answer)[static_cast<std::size_t>(position)]["stars"].items)
        if (star["name"].text == name) return &star;
    ADD_FAILURE() << name << " is not at position " << position;
    return nullptr;
}

int LifePalaceOf(const JsonValue& answer) {
    const JsonValue& palaces = Palaces(answer);
    for (std::size_t p = 0; p < palaces.size(); ++p)
        if (palaces[p]["name"].number == 1) return static_cast<int>(p);
    return -1;
}

std::string StemsOf(const JsonValue& answer) {
    std::string stems;
    for (const auto& palace : Palaces(answer).items)
        stems += palace["stemName"].text;
    return stems;
}

long long Num(const JsonValue& record, const char* key) {
    EXPECT_TRUE(record[key].isNumber()) << key;
    return record[key].number;
}

std::vector<long long> Numbers(const JsonValue& array) {
    std::vector<long long> out;
    for (const auto& v : array.items)
        out.push_back(v.number);
    return out;
}

// Main-star bits (31–18) of every palace, in position order.
std::vector<long long> MainStarWords(const JsonValue& answer) {
    std::vector<long long> words;
    for (const auto& palace : Palaces(answer).items)
        words.push_back(palace["groupA"].number & 0xFFFC0000LL);
    return words;
}

// The scalar fields of the record, in their order.
const char kRecordNumbers[] =
    "clientIndex lunarYear lunarMonth lunarDay hourIndex placementHour solarYear "
    "solarMonth solarDay clockHour birthMinute yearStem yearBranch tigerStem bureau "
    "lifePalace bodyPalace ziYearDouJun stemParity isLeapMonth sex chartFilled "
    "periodChanged newChart shownLevel tenYearPalace flowLunarYear flowSolarYear "
    "flowLunarMonth flowSolarMonth flowLunarDay flowSolarDay flowHour flowMinute "
    "flowIsLeap douJunBranch flowYearPosition flowLifePalace flowDouJun "
    "flowMonthLifePalace flowHourPalace solarTermNow forwardDirection";

bool IsPermutationOf12(const std::vector<long long>& v) {
    std::vector<long long> sorted = v;
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t i = 0; i < sorted.size(); ++i)
        if (sorted[i] != static_cast<long long>(i)) return false;
    return sorted.size() == 12;
}

// --- The answer's shape -----------------------------------------------------------

TEST(CliChart, JsonNamesEveryRecordFieldAndGivesTwelvePalacesInPositionOrder) {
    ChartRunner cli;
    const JsonValue answer = ChartOf(cli.run(With(kBirth, {"--sex", "M"})));
    ASSERT_EQ(answer.kind, JsonValue::Kind::Object);
    EXPECT_EQ(answer.size(), 2u);
    EXPECT_FALSE(answer.has("error"));

    const JsonValue& record = answer["record"];
    std::istringstream keys(kRecordNumbers);
    for (std::string key; keys >> key;)
        EXPECT_TRUE(record[key].isNumber()) << key;
    EXPECT_EQ(record["birthPillars"].items.size(), 4u);
    EXPECT_EQ(record["smallLimitOrder"].items.size(), 12u);
    EXPECT_EQ(record["decadeFirstAge"].items.size(), 12u);
    EXPECT_TRUE(record["name"].isString());
    EXPECT_EQ(Num(record, "clientIndex"), -1);
    EXPECT_EQ(Num(record, "shownLevel"), 0);
    EXPECT_EQ(Num(record, "chartFilled"), 1);
    EXPECT_EQ(Num(record, "newChart"), 1);

    const JsonValue& chart = answer["chart"];
    EXPECT_EQ(chart["level"].number, 0);
    const JsonValue& palaces = chart["palaces"];
    ASSERT_EQ(palaces.items.size(), 12u);
    std::set<long long> names;
    std::vector<long long> rings[4];
    const char* const ringKeys[4] = {"longLifeRing", "doctorRing", "yearFrontRing",
                                     "generalFrontRing"};
    const std::set<std::string> grades = {"廟", "旺", "利", "平", "陷"};
    const std::set<std::string> elements = {"水", "木", "金", "土", "火"};
    for (std::size_t p = 0; p < 12; ++p) {
        SCOPED_TRACE("position " + std::to_string(p));
        const JsonValue& palace = palaces[p];
        EXPECT_EQ(palace["position"].number, static_cast<long long>(p));
        EXPECT_EQ(palace["branch"].text, kBranchOfPosition[p]);
        const long long stem = palace["stem"].number;
        ASSERT_TRUE(stem >= 0 && stem <= 9);
        EXPECT_EQ(palace["stemName"].text, kStemName[stem]);
        const long long name = palace["name"].number;
        ASSERT_TRUE(name >= 1 && name <= 12);
        EXPECT_EQ(palace["nameText"].text, kPalaceName[name]);
        names.insert(name);
        for (int k = 0; k < 4; ++k)
            rings[k].push_back(palace[ringKeys[k]].number);

        // The star list and the raw words tell the same story.
        const std::map<std::string, std::pair<long long, uint32_t>> words = {
            {"A", {palace["groupA"].number, 0xFFFFFFF8u}},
            {"B", {palace["groupB"].number, 0xFFFFFFFFu}},
            {"C", {palace["groupC"].number, 0xFF800000u}}};
        std::map<std::string, int> listed;
        for (const auto& star : palace["stars"].items) {
            const std::string group = star["group"].text;
            ASSERT_TRUE(words.count(group)) << group;
            const long long bit = star["bit"].number;
            ASSERT_TRUE(bit >= 0 && bit <= 31);
            EXPECT_TRUE((words.at(group).first >> bit) & 1)
                << star["name"].text << " listed without its bit";
            EXPECT_FALSE(star["name"].text.empty());
            ++listed[group];
            if (!star["brightness"].isNull()) {
                EXPECT_TRUE(grades.count(star["brightness"].text));
            }
            if (!star["numericBrightness"].isNull()) {
                EXPECT_GE(star["numericBrightness"].number, 1);
                EXPECT_LE(star["numericBrightness"].number, 7);
            }
            if (!star["element"].isNull()) {
                EXPECT_TRUE(elements.count(star["element"].text));
            }
        }
        for (const auto& [group, word] : words)
            EXPECT_EQ(listed[group], std::popcount(static_cast<uint32_t>(word.first) & word.second))
                << "group " << group;
    }
    EXPECT_EQ(names.size(), 12u);
    for (int k = 0; k < 4; ++k)
        EXPECT_TRUE(IsPermutationOf12(rings[k])) << ringKeys[k];
    for (const char* star : kMainStars)
        PositionOf(answer, star);
}

// --- A chart worked by hand ---------------------------------------------------------
//
// 1984-02-10, 辰 hour: lunar 1984-1-9, 甲子 year. 寅 carries 丙 (五虎遁 of 甲), so
// 命宮 (month 1, back by the 辰 hour) is 甲戌 at 戌, 身宮 at 午; 甲戌 is 山頭火:
// 火六局. Day 9 of 火六局 puts 紫微 at 子, 天府 mirrors it at 辰. 甲 transforms
// 廉貞 (祿), 破軍 (權), 武曲 (科), 太陽 (忌).

TEST(CliChart, KnownBirthMatchesTheChartWorkedByHand) {
    ChartRunner cli;
    const auto answers = AnswersOf(cli.run({"--now", kNow}, BirthLine("M") + BirthLine("F")));
    ASSERT_EQ(answers.size(), 2u);
    const JsonValue& male = answers[0];
    const JsonValue& record = male["record"];
    EXPECT_EQ(Num(record, "lunarYear"), 1984);
    EXPECT_EQ(Num(record, "lunarMonth"), 1);
    EXPECT_EQ(Num(record, "lunarDay"), 9);
    EXPECT_EQ(Num(record, "yearStem"), 0);
    EXPECT_EQ(Num(record, "yearBranch"), 0);
    EXPECT_EQ(Num(record, "tigerStem"), 2);
    EXPECT_EQ(Num(record, "lifePalace"), 8);
    EXPECT_EQ(Num(record, "bodyPalace"), 4);
    EXPECT_EQ(Num(record, "bureau"), 6);
    EXPECT_EQ(Num(record, "ziYearDouJun"), 4); // 辰
    EXPECT_EQ(Num(record, "stemParity"), 0);
    EXPECT_EQ(Num(record, "forwardDirection"), 1);
    EXPECT_EQ(Num(record, "clockHour"), 8);
    EXPECT_EQ(record["bureauText"].text, "火六局");
    EXPECT_EQ(record["lifeMaster"].text, "祿存"); // 命宮 at 戌
    EXPECT_EQ(record["bodyMaster"].text, "火星"); // 子 year
    // 甲子 year, 丙寅 month, 甲戌 day, 戊辰 hour.
    EXPECT_EQ(Numbers(record["birthPillars"]), (std::vector<long long>{0, 2, 10, 4}));
    // The flow date starts at the present moment.
    EXPECT_EQ(Num(record, "flowLunarYear"), 2025);
    EXPECT_EQ(Num(record, "flowLunarMonth"), 3);
    EXPECT_EQ(Num(record, "flowLunarDay"), 15);
    EXPECT_EQ(Num(record, "flowSolarMonth"), 4);
    EXPECT_EQ(Num(record, "flowSolarDay"), 12);
    EXPECT_EQ(Num(record, "flowHour"), 5); // 10:30 is the 巳 hour

    EXPECT_EQ(LifePalaceOf(male), 8);
    EXPECT_EQ(Palaces(male)[8]["nameText"].text, "命宮");
    EXPECT_EQ(Palaces(male)[9]["nameText"].text, "父母");
    EXPECT_EQ(Palaces(male)[7]["nameText"].text, "兄弟");
    EXPECT_EQ(StemsOf(male), "丙丁戊己庚辛壬癸甲乙丙丁");

    const std::map<std::string, int> stars = {
        {"紫微", 10}, {"天機", 9}, {"太陽", 7}, {"武曲", 6}, {"天同", 5},  {"廉貞", 2},
        {"天府", 2},  {"太陰", 3}, {"貪狼", 4}, {"巨門", 5}, {"天相", 6},  {"天梁", 7},
        {"七殺", 8},  {"破軍", 0}, {"祿存", 0}, {"擎羊", 1}, {"陀羅", 11}, {"天魁", 11},
        {"天鉞", 5},  {"文昌", 4}, {"文曲", 6}, {"左輔", 2}, {"右弼", 8},  {"火星", 4},
        {"鈴星", 0},  {"化祿", 2}, {"化權", 0}, {"化科", 6}, {"化忌", 7}};
    for (const auto& [name, position] : stars)
        EXPECT_EQ(PositionOf(male, name), position) << name;
    EXPECT_EQ(PositionOf(male, "天馬", "B"), 6); // month 1: 申
    EXPECT_EQ(PositionOf(male, "旬中", "B"), 8); // 甲子 leaves 戌 and 亥 empty
    EXPECT_EQ(PositionOf(male, "旬空", "B"), 9);
    EXPECT_EQ(PositionOf(male, "天壽", "B"), 4);
    EXPECT_EQ(PositionOf(male, "天廚", "C"), 3);
    EXPECT_EQ(PositionOf(male, "來因", "C"), 8); // the only 甲 palace
    EXPECT_EQ(PositionOf(male, "業障", "C"), 5); // 丑 is 丁, whose 忌 is 巨門

    // Brightness and elements where the stars stand.
    struct Expect {
        int position;
        const char* star;
        const char* grade;
        long long numeric; // 0: none
        const char* element;
    };
    for (const Expect& e :
         {Expect{10, "紫微", "平", 5, "土"}, Expect{2, "廉貞", "利", 4, "火"},
          Expect{2, "天府", "廟", 1, "土"}, Expect{8, "七殺", "廟", 1, "金"},
          Expect{4, "貪狼", "旺", 2, "木"}, Expect{1, "擎羊", "陷", 7, "金"},
          Expect{5, "天鉞", nullptr, 0, "火"}, Expect{6, "天馬", nullptr, 0, "火"},
          Expect{6, "解神", nullptr, 0, nullptr}}) {
        SCOPED_TRACE(e.star);
        const JsonValue* star = StarAt(male, e.position, e.star);
        ASSERT_NE(star, nullptr);
        EXPECT_EQ((*star)["brightness"].isNull(), e.grade == nullptr);
        if (e.grade) {
            EXPECT_EQ((*star)["brightness"].text, e.grade);
        }
        EXPECT_EQ((*star)["numericBrightness"].isNull(), e.numeric == 0);
        if (e.numeric) {
            EXPECT_EQ((*star)["numericBrightness"].number, e.numeric);
        }
        EXPECT_EQ((*star)["element"].isNull(), e.element == nullptr);
        if (e.element) {
            EXPECT_EQ((*star)["element"].text, e.element);
        }
    }
    const JsonValue* mark = StarAt(male, 2, "化祿");
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ((*mark)["group"].text, "A");
    EXPECT_EQ((*mark)["bit"].number, 6);

    // A yang male runs forward: 長生 of 火六局 at 寅, 博士 on 祿存 (寅), the
    // decades from 6 at 命宮, the 小限 of a 子 year from 戌.
    std::vector<long long> forward(12), backward(12), sui(12);
    for (int p = 0; p < 12; ++p) {
        forward[p] = p;
        backward[p] = (12 - p) % 12;
        sui[p] = (p + 2) % 12; // 歲建 at 子
    }
    std::vector<long long> longLife, doctor, yearFront;
    for (const auto& palace : Palaces(male).items) {
        longLife.push_back(palace["longLifeRing"].number);
        doctor.push_back(palace["doctorRing"].number);
        yearFront.push_back(palace["yearFrontRing"].number);
    }
    EXPECT_EQ(longLife, forward);
    EXPECT_EQ(doctor, forward);
    EXPECT_EQ(yearFront, sui);
    EXPECT_EQ(Numbers(record["decadeFirstAge"]),
              (std::vector<long long>{46, 56, 66, 76, 86, 96, 106, 116, 6, 16, 26, 36}));
    EXPECT_EQ(Numbers(record["smallLimitOrder"]),
              (std::vector<long long>{5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3, 4}));

    // The same birth as a woman: the stars stay, the cycles run backward.
    const JsonValue& female = answers[1];
    EXPECT_EQ(Num(female["record"], "sex"), 1);
    EXPECT_EQ(Num(female["record"], "forwardDirection"), 0);
    EXPECT_EQ(MainStarWords(female), MainStarWords(male));
    std::vector<long long> femaleLongLife, femaleDoctor;
    for (const auto& palace : Palaces(female).items) {
        femaleLongLife.push_back(palace["longLifeRing"].number);
        femaleDoctor.push_back(palace["doctorRing"].number);
    }
    EXPECT_EQ(femaleLongLife, backward);
    EXPECT_EQ(femaleDoctor, backward);
    EXPECT_EQ(Numbers(female["record"]["decadeFirstAge"]),
              (std::vector<long long>{86, 76, 66, 56, 46, 36, 26, 16, 6, 116, 106, 96}));
    EXPECT_EQ(Numbers(female["record"]["smallLimitOrder"]),
              (std::vector<long long>{9, 8, 7, 6, 5, 4, 3, 2, 1, 12, 11, 10}));
}

TEST(CliChart, LateZiHourBelongsToTheNextLunarDayButPlacesAsZi) {
    ChartRunner cli;
    const auto answers =
        AnswersOf(cli.run({"--now", kNow, "--sex", "F"}, "--solar 2024-02-09 --hour 12\n"
                                                         "--solar 2024-02-10 --hour 0\n"));
    ASSERT_EQ(answers.size(), 2u);
    const JsonValue& late = answers[0]["record"];
    EXPECT_EQ(Num(late, "lunarYear"), 2024);
    EXPECT_EQ(Num(late, "lunarMonth"), 1);
    EXPECT_EQ(Num(late, "lunarDay"), 1);
    EXPECT_EQ(Num(late, "hourIndex"), 12);
    EXPECT_EQ(Num(late, "placementHour"), 12);
    EXPECT_EQ(Num(late, "clockHour"), 24);
    EXPECT_EQ(Num(late, "solarDay"), 9);
    EXPECT_EQ(Num(answers[1]["record"], "lunarDay"), 1);
    // Every palace, star and ring is the one of the next morning's 子 hour.
    for (std::size_t p = 0; p < 12; ++p) {
        SCOPED_TRACE(p);
        const JsonValue& a = Palaces(answers[0])[p];
        const JsonValue& b = Palaces(answers[1])[p];
        for (const char* key : {"stem", "name", "groupA", "groupB", "groupC", "longLifeRing",
                                "doctorRing", "yearFrontRing", "generalFrontRing"})
            EXPECT_EQ(a[key].number, b[key].number) << key;
    }
}

// --- Period charts ---------------------------------------------------------------------
//
// For the birth above with the default settings: 子年斗君 is 辰, so each flow year's
// first month starts at 辰; 2025 is 乙巳 (乙 transforms 天機, 天梁, 紫微, 太陰);
// lunar 2025-3-15 is 2025-04-12, a 辛亥 day; its 午 hour is 甲午.

TEST(CliChart, EveryLevelComputesItsPeriodChartFromThePickedDate) {
    ChartRunner cli;
    const std::string flowDay = "--flow-year 2025 --flow-month 3 --flow-day 15";
    const auto answers = AnswersOf(
        cli.run({"--now", kNow},
                BirthLine("M") + BirthLine("M", "--level 1 --ten-year-palace 3") +
                    BirthLine("M", "--level 1") + BirthLine("M", "--level 2 --flow-year 2025") +
                    BirthLine("M", "--level 3 --flow-year 2025 --flow-month 3") +
                    BirthLine("M", "--level 4 " + flowDay) +
                    BirthLine("M", "--level 5 " + flowDay + " --flow-hour 6") +
                    BirthLine("M", "--level 6 " + flowDay + " --flow-hour 6 --flow-minute 3") +
                    BirthLine("M", "--level 2 --flow-year 1980 --set FlowLifeHouseType=1") +
                    BirthLine("M", "--level 2 --flow-year 2025 --set TimeBase=2 --set UsePanParm=1 "
                                   "--set BaseYear=2030") +
                    BirthLine("M", "--level 3 --flow-year 2025 --flow-month 6 --flow-leap") +
                    BirthLine("M", "--level 3 --flow-year 2025 --flow-month 7 --flow-leap")));
    ASSERT_EQ(answers.size(), 12u);
    const JsonValue& natal = answers[0];
    const int levels[] = {0, 1, 1, 2, 3, 4, 5, 6, 2, 2, 3, 3};
    for (std::size_t i = 0; i < answers.size(); ++i) {
        SCOPED_TRACE("answer " + std::to_string(i));
        ASSERT_FALSE(answers[i].has("error")) << answers[i]["error"].text;
        EXPECT_EQ(answers[i]["chart"]["level"].number, levels[i]);
        EXPECT_EQ(Num(answers[i]["record"], "shownLevel"), levels[i]);
        // The main stars hang on the birth day and the bureau only.
        EXPECT_EQ(MainStarWords(answers[i]), MainStarWords(natal));
    }

    // 十年: the picked decade's palace is 命宮; stems and the 甲 marks stay natal.
    const JsonValue& decade = answers[1];
    EXPECT_EQ(Num(decade["record"], "tenYearPalace"), 3);
    EXPECT_EQ(LifePalaceOf(decade), 3);
    EXPECT_EQ(Palaces(decade)[2]["nameText"].text, "兄弟");
    EXPECT_EQ(StemsOf(decade), StemsOf(natal));
    EXPECT_EQ(PositionOf(decade, "化祿"), 2);
    // Without a pick, the decade of the present age: 42 in 2025, 丑 (36–45).
    EXPECT_EQ(Num(answers[2]["record"], "tenYearPalace"), 11);
    EXPECT_EQ(LifePalaceOf(answers[2]), 11);

    // 流年 2025: 命宮 on 巳, which carries the year's own stem; 乙's marks.
    const JsonValue& year = answers[3];
    const JsonValue& yr = year["record"];
    EXPECT_EQ(Num(yr, "flowLunarYear"), 2025);
    EXPECT_EQ(Num(yr, "flowLunarMonth"), 1); // month and day of the birth
    EXPECT_EQ(Num(yr, "flowLunarDay"), 9);
    EXPECT_EQ(Num(yr, "flowSolarYear"), 2025);
    EXPECT_EQ(Num(yr, "flowSolarMonth"), 2);
    EXPECT_EQ(Num(yr, "flowSolarDay"), 6);
    EXPECT_EQ(Num(yr, "flowYearPosition"), 3);
    EXPECT_EQ(Num(yr, "flowLifePalace"), 3);
    EXPECT_EQ(Num(yr, "flowDouJun"), 2);
    EXPECT_EQ(LifePalaceOf(year), 3);
    EXPECT_EQ(StemsOf(year), "甲癸甲乙丙丁戊己庚辛壬癸");
    EXPECT_EQ(PositionOf(year, "化祿"), 9);
    EXPECT_EQ(PositionOf(year, "化權"), 7);
    EXPECT_EQ(PositionOf(year, "化科"), 10);
    EXPECT_EQ(PositionOf(year, "化忌"), 3);
    EXPECT_TRUE(PositionsOf(year, "天壽", "B").empty()); // a natal-only star

    // 流月, third month: 辰 + 2 = 午; 寅 carries 戊 (五虎遁 of 乙); the day
    // comes from the birth.
    const JsonValue& month = answers[4];
    EXPECT_EQ(Num(month["record"], "flowMonthLifePalace"), 4);
    EXPECT_EQ(Num(month["record"], "flowLunarDay"), 9);
    EXPECT_EQ(Num(month["record"], "flowSolarDay"), 6);
    EXPECT_EQ(LifePalaceOf(month), 4);
    EXPECT_EQ(StemsOf(month), "戊己庚辛壬癸甲乙丙丁戊己");

    // 流日, day 15: 午 + 15 mod 12 − 1 = 申; the day pillar 辛亥 gives 亥 its stem.
    const JsonValue& day = answers[5];
    EXPECT_EQ(Num(day["record"], "flowLunarDay"), 15);
    EXPECT_EQ(Num(day["record"], "flowSolarMonth"), 4);
    EXPECT_EQ(Num(day["record"], "flowSolarDay"), 12);
    EXPECT_EQ(Num(day["record"], "flowHour"), 4); // the birth hour
    EXPECT_EQ(LifePalaceOf(day), 6);
    EXPECT_EQ(Palaces(day)[9]["stemName"].text, "辛");

    // 流時, 午 hour: 命宮 on 午; 子 carries 戊 (五鼠遁 of 辛).
    const JsonValue& hour = answers[6];
    EXPECT_EQ(Num(hour["record"], "flowHour"), 6);
    EXPECT_EQ(Num(hour["record"], "flowHourPalace"), 4);
    EXPECT_EQ(LifePalaceOf(hour), 4);
    EXPECT_EQ(Palaces(hour)[10]["stemName"].text, "戊");
    EXPECT_EQ(Palaces(hour)[4]["stemName"].text, "甲");

    // 流分, minute index 3: 午 + 3 = 酉; 子 carries 甲 (五鼠遁 of the 甲午 hour).
    const JsonValue& minute = answers[7];
    EXPECT_EQ(Num(minute["record"], "flowMinute"), 3);
    EXPECT_EQ(LifePalaceOf(minute), 7);
    EXPECT_EQ(Palaces(minute)[10]["stemName"].text, "甲");
    EXPECT_EQ(Palaces(minute)[0]["stemName"].text, "丙");

    // A flow year before the birth: nominal age −3 still names a 小限 palace
    // (order 9, 午); 1980 is 庚申.
    const JsonValue& before = answers[8];
    EXPECT_EQ(Num(before["record"], "flowYearPosition"), 6);
    EXPECT_EQ(Num(before["record"], "flowLifePalace"), 4);
    EXPECT_EQ(LifePalaceOf(before), 4);
    EXPECT_EQ(PositionOf(before, "化祿"), 7); // 太陽
    EXPECT_EQ(PositionOf(before, "化忌"), 5); // 天同

    // A custom base date replaces the picked year; the parts not set are today's
    // (lunar 3-15). 2030 is 庚戌.
    const JsonValue& custom = answers[9]["record"];
    EXPECT_EQ(Num(custom, "flowLunarYear"), 2030);
    EXPECT_EQ(Num(custom, "flowLunarMonth"), 3);
    EXPECT_EQ(Num(custom, "flowLunarDay"), 15);
    EXPECT_EQ(Num(custom, "flowYearPosition"), 8);
    EXPECT_EQ(LifePalaceOf(answers[9]), 8);

    // The leap flag is taken for 2025's leap sixth month, not for a seventh month.
    EXPECT_EQ(Num(answers[10]["record"], "flowIsLeap"), 1);
    EXPECT_EQ(Num(answers[11]["record"], "flowIsLeap"), 0);
    EXPECT_EQ(Num(answers[11]["record"], "flowLunarMonth"), 7);
}

// --- Palace elements ------------------------------------------------------------------------

// The element character of the 納音 of a stem and branch (indices), from the
// thirty names of the cycle's pairs, 海中金 (甲子乙丑) first.
std::string NayinOf(int stem, int branch) {
    static const char* const kNames[30] = {
        "海中金", "爐中火", "大林木", "路旁土", "劍鋒金", "山頭火", "澗下水", "城頭土",
        "白蠟金", "楊柳木", "泉中水", "屋上土", "霹靂火", "松柏木", "長流水", "沙中金",
        "山下火", "平地木", "壁上土", "金箔金", "覆燈火", "天河水", "大驛土", "釵釧金",
        "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水"};
    for (int i = 0; i < 60; ++i)
        if (i % 10 == stem && i % 12 == branch) return std::string(kNames[i / 2]).substr(6);
    return {};
}

std::string ElementsOf(const JsonValue& answer) {
    std::string elements;
    for (const auto& palace : Palaces(answer).items)
        elements += palace["element"].text;
    return elements;
}

TEST(CliChart, EveryPalaceCarriesTheElementOfItsOwnStemAndBranchAtEveryLevel) {
    ChartRunner cli;
    const std::string flowDay = "--flow-year 2025 --flow-month 3 --flow-day 15 --flow-hour 6";
    std::string lines;
    for (int level = 0; level <= 6; ++level)
        lines += BirthLine("M", "--level " + std::to_string(level) + " " + flowDay +
                                    " --flow-minute 3 --set HouseFive=" + (level % 2 ? "1" : "0"));
    lines += BirthLine("F", "--set PanBase=1");
    const auto answers = AnswersOf(cli.run({"--now", kNow}, lines));
    ASSERT_EQ(answers.size(), 8u);

    // Worked by hand: 丙寅 丁卯 爐中火, 戊辰 己巳 大林木, 庚午 辛未 路旁土, 壬申 癸酉
    // 劍鋒金, 甲戌 乙亥 山頭火, 丙子 丁丑 澗下水; 命宮 甲戌 is 火 like the 火六局.
    EXPECT_EQ(ElementsOf(answers[0]), "火火木木土土金金火火水水");
    for (std::size_t i = 0; i < answers.size(); ++i) {
        SCOPED_TRACE("answer " + std::to_string(i));
        ASSERT_FALSE(answers[i].has("error")) << answers[i]["error"].text;
        const JsonValue& palaces = Palaces(answers[i]);
        for (std::size_t p = 0; p < 12; ++p) {
            const int stem = static_cast<int>(palaces[p]["stem"].number);
            EXPECT_EQ(palaces[p]["element"].text, NayinOf(stem, static_cast<int>((p + 2) % 12)))
                << "position " << p;
        }
        // Where the palaces carry the natal stems, the base palace holds the 五行局's element.
        const JsonValue& record = answers[i]["record"];
        if (Num(record, "shownLevel") <= 1) {
            const long long base = i == 7 ? Num(record, "bodyPalace") : Num(record, "lifePalace");
            EXPECT_EQ(palaces[static_cast<std::size_t>(base)]["element"].text,
                      record["bureauText"].text.substr(0, 3));
        }
    }
    // The period charts of the day really carry other stems, and so other elements.
    EXPECT_NE(ElementsOf(answers[4]), ElementsOf(answers[0]));
}

// --- Refusals ------------------------------------------------------------------------------

TEST(CliChart, BirthsAndFlowDatesOutsideTheTableAnswerWithAnError) {
    ChartRunner cli;
    // A single chart that is refused exits with 1 and answers with the error alone.
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--solar", "1850-06-01", "--hour", "3", "--sex", "M"},
          {"--solar", "1984-02-10", "--hour", "4", "--sex", "M", "--level", "2", "--flow-year",
           "2100"}}) {
        const auto r = cli.run(args);
        EXPECT_EQ(r.status, 1) << r.out;
        ASSERT_EQ(r.lines().size(), 1u) << r.out;
        const auto answer = ParseJson(r.out);
        ASSERT_TRUE(answer.has_value()) << r.out;
        EXPECT_EQ(answer->size(), 1u) << r.out;
        EXPECT_FALSE((*answer)["error"].text.empty());
    }
    const std::string refused[] = {
        "--solar 2100-03-01 --hour 0 --sex F", "--solar 1900-01-30 --hour 5 --sex F",
        // 23:00 on the table's last day would be lunar 2100-1-1.
        "--solar 2100-02-08 --hour 12 --sex M", "--solar 2023-02-29 --hour 0 --sex M",
        "--solar 1984-02-31 --hour 0 --sex M", "--solar 99999-01-01 --hour 0 --sex M",
        "--solar 1984-02-10 --hour 4 --sex M --level 3 --flow-year 1899 --flow-month 5",
        "--solar 1984-02-10 --hour 4 --sex M --level 2 --set TimeBase=2 --set UsePanParm=1 "
        "--set BaseYear=3000",
        "--solar 1984-02-10 --hour 4 --sex M --level 4 --set TimeBase=2 --set UsePanParm=1 "
        "--set BaseYear=0",
        "--solar 1984-02-10 --hour 4 --sex M --set NoSuchKey=1",
        "--solar 1984-02-10 --hour 4 --sex M --set HorseBase=x",
        "--solar 1984-02-10 --hour 4 --sex M --set UserDefinedFourHuaData=12"};
    std::string input;
    for (const auto& line : refused)
        input += line + "\n";
    const auto answers = AnswersOf(cli.run({}, input));
    ASSERT_EQ(answers.size(), std::size(refused));
    for (std::size_t i = 0; i < answers.size(); ++i) {
        SCOPED_TRACE(refused[i]);
        EXPECT_EQ(answers[i].size(), 1u);
        EXPECT_TRUE(answers[i].has("error") && !answers[i]["error"].text.empty());
    }
    // The first and last days of the table are charted.
    const auto first = ChartOf(cli.run({"--solar", "1900-01-31", "--hour", "0", "--sex", "F"}));
    EXPECT_EQ(Num(first["record"], "lunarYear"), 1900);
    EXPECT_EQ(Num(first["record"], "lunarDay"), 1);
    const auto last = ChartOf(cli.run({"--solar", "2100-02-08", "--hour", "11", "--sex", "F"}));
    EXPECT_EQ(Num(last["record"], "lunarYear"), 2099);
    EXPECT_EQ(Num(last["record"], "lunarMonth"), 12);
    EXPECT_EQ(Num(last["record"], "lunarDay"), 30);
}

// --- Settings ----------------------------------------------------------------------------

TEST(CliChart, SetOverridesASettingForThisRunOnly) {
    ChartRunner cli;
    TempDir dir;
    const auto args = With(kBirth, {"--sex", "M", "--data-dir", dir.path().string()});
    // By the month (default) the first month's horse stands at 申; by the 子 year at 寅.
    const auto byYear = ChartOf(cli.run(With(args, {"--set", "HorseBase=0"})));
    EXPECT_EQ(PositionOf(byYear, "天馬", "B"), 0);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "a16_S3Zelk_V3.ini"));
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    const auto byMonth = ChartOf(cli.run(args));
    EXPECT_EQ(PositionOf(byMonth, "天馬", "B"), 6);
    // Later --set of the same key wins.
    const auto twice =
        ChartOf(cli.run(With(args, {"--set", "HorseBase=0", "--set", "HorseBase=1"})));
    EXPECT_EQ(PositionOf(twice, "天馬", "B"), 6);
}

TEST(CliChart, DataDirSettingsFileIsReadAndSetStillWins) {
    ChartRunner cli;
    TempDir dir;
    std::ofstream(dir.path() / "a16_S3Zelk_V3.ini", std::ios::binary)
        << "[a16_S3StarSection]\nHorseBase=0\nFourHuaType=1\n";
    const auto args = With(kBirth, {"--sex", "M", "--data-dir", dir.path().string()});
    const auto fromFile = ChartOf(cli.run(args));
    EXPECT_EQ(PositionOf(fromFile, "天馬", "B"), 0);
    // Method 1 names the star 地空 where the others say 天空 (亥 back by the 辰 hour: 未).
    EXPECT_EQ(PositionOf(fromFile, "地空", "B"), 5);
    EXPECT_TRUE(PositionsOf(fromFile, "天空", "B").empty());
    const auto overridden = ChartOf(cli.run(With(args, {"--set", "HorseBase=1"})));
    EXPECT_EQ(PositionOf(overridden, "天馬", "B"), 6);
    // A custom date stored while another time base was in force is the one a run
    // that selects the custom date finds.
    TempDir stored;
    std::ofstream(stored.path() / "a16_S3Zelk_V3.ini", std::ios::binary)
        << "[a16_S3StarSection]\nBaseMonth=7\nBaseDate=20\nBaseTime=3\n";
    const auto custom = ChartOf(cli.run(
        With(kBirth, {"--sex", "M", "--data-dir", stored.path().string(), "--level", "2", "--set",
                      "TimeBase=2", "--set", "UsePanParm=1", "--set", "BaseYear=2030"})));
    EXPECT_EQ(Num(custom["record"], "flowLunarYear"), 2030);
    EXPECT_EQ(Num(custom["record"], "flowLunarMonth"), 7);
    EXPECT_EQ(Num(custom["record"], "flowLunarDay"), 20);
    EXPECT_EQ(Num(custom["record"], "flowHour"), 3);
    // A folder that does not exist gives the defaults and is not created; a settings
    // file that cannot be read refuses the chart.
    const auto missing = dir.path() / "no" / "such";
    const auto defaults =
        ChartOf(cli.run(With(kBirth, {"--sex", "M", "--data-dir", missing.string()})));
    EXPECT_EQ(PositionOf(defaults, "天馬", "B"), 6);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "no"));
    std::filesystem::create_directories(missing / "a16_S3Zelk_V3.ini");
    const auto unreadable = cli.run(With(kBirth, {"--sex", "M", "--data-dir", missing.string()}));
    EXPECT_EQ(unreadable.status, 1);
    EXPECT_EQ(unreadable.out.rfind("{\"error\":\"", 0), 0u) << unreadable.out;
    // The folder given in the environment is read the same way.
    const auto viaEnvironment = RunCli(With({"chart"}, With(kBirth, {"--sex", "M"})), {},
                                       "ZELK_DATA_DIR=" + ShellQuoted(dir.path().string()));
    EXPECT_EQ(PositionOf(ChartOf(viaEnvironment), "天馬", "B"), 0);
}

// --- Text form ------------------------------------------------------------------------------

TEST(CliChart, TextFormatPrintsAHeaderAndOneLinePerPalace) {
    ChartRunner cli;
    const auto r = cli.run(With(kBirth, {"--sex", "M", "--format", "text"}));
    EXPECT_EQ(r.status, 0) << r.err;
    const auto lines = r.lines();
    ASSERT_EQ(lines.size(), 14u) << r.out;
    EXPECT_EQ(lines[0].rfind("本命盤", 0), 0u) << lines[0];
    for (const char* part : {"1984-2-10", "1984-1-9", "辰時", "火六局"})
        EXPECT_NE(lines[0].find(part), std::string::npos) << part;
    for (const char* part : {"命主 祿存", "身主 火星", "命宮 戌", "身宮 午"})
        EXPECT_NE(lines[1].find(part), std::string::npos) << part;
    for (int p = 0; p < 12; ++p)
        EXPECT_EQ(lines[2 + p].rfind(std::string(kBranchOfPosition[p]) + " ", 0), 0u)
            << lines[2 + p];
    EXPECT_NE(lines[2 + 10].find("紫微(平)"), std::string::npos) << lines[12];
    EXPECT_NE(lines[2 + 8].find("命宮"), std::string::npos) << lines[10];
    EXPECT_EQ(r.out.find('{'), std::string::npos);

    const auto year = cli.run(
        With(kBirth, {"--sex", "M", "--format", "text", "--level", "2", "--flow-year", "2025"}));
    ASSERT_EQ(year.lines().size(), 14u) << year.out;
    EXPECT_EQ(year.lines()[0].rfind("流年盤", 0), 0u) << year.lines()[0];
    EXPECT_NE(year.lines()[1].find("2025-1-9"), std::string::npos) << year.lines()[1];
}

// --- Standard input -------------------------------------------------------------------

TEST(CliChart, StdinAnswersEveryLineInOrderAndGoesOnAfterABadOne) {
    ChartRunner cli;
    // The command line's options stand for every line; a line's own come after them.
    const auto r = cli.run({"--now", kNow, "--set", "HorseBase=0"},
                           BirthLine("M") + "\n   \n" +
                               "--solar 1850-06-01 --hour 0 --sex M\n"
                               "nonsense words\n"
                               "--hour 4 --sex M\n"
                               "--solar 1984-02-10 --hour 99 --sex M\n"
                               "--solar 1984-02-10 --hour 4 --sex M --set\n" +
                               BirthLine("F", "--level 2 --flow-year 2025 --set HorseBase=1"));
    const auto answers = AnswersOf(r);
    ASSERT_EQ(answers.size(), 7u) << r.out;
    EXPECT_EQ(PositionOf(answers[0], "天馬", "B"), 0);
    for (std::size_t i = 1; i <= 5; ++i) {
        EXPECT_EQ(answers[i].size(), 1u) << "line " << i;
        EXPECT_FALSE(answers[i]["error"].text.empty()) << "line " << i;
    }
    const JsonValue& last = answers[6];
    ASSERT_FALSE(last.has("error"));
    EXPECT_EQ(Num(last["record"], "sex"), 1);
    EXPECT_EQ(last["chart"]["level"].number, 2);
    EXPECT_EQ(Num(last["record"], "flowLunarYear"), 2025);
    // A 流年 horse by the birth month (1): 申.
    EXPECT_EQ(PositionOf(last, "天馬", "B"), 6);
    EXPECT_TRUE(r.err.empty()) << r.err;
}

// --- Bad command lines --------------------------------------------------------------------

TEST(CliChart, BadCommandLineExitsWithUsage) {
    ChartRunner cli;
    const std::vector<std::string> birth = {"--solar", "1984-02-10", "--hour", "4", "--sex", "M"};
    for (const std::vector<std::string>& extra : {std::vector<std::string>{"--level", "7"},
                                                  {"--ten-year-palace", "12"},
                                                  {"--flow-day", "31"},
                                                  {"--flow-minute", "12"},
                                                  {"--format", "xml"},
                                                  {"--now", "2025-02-30 10:00"},
                                                  {"--set", "NoEquals"},
                                                  {"--set", "=1"},
                                                  {"--bogus"},
                                                  {"stray"},
                                                  {"--level"}}) {
        SCOPED_TRACE(extra[0]);
        const auto r = cli.run(With(birth, extra));
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.empty()) << r.out;
        EXPECT_NE(r.err.find("usage:"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("zelk-cli chart"), std::string::npos) << r.err;
    }
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--solar", "1984-02-10"},
          {"--solar", "1984-02-10", "--sex", "F"},
          {"--solar", "1984/02/10", "--hour", "4", "--sex", "M"},
          {"--solar", "1984-02-10", "--hour", "13", "--sex", "M"},
          {"--solar", "1984-02-10", "--hour", "4", "--sex", "X"}}) {
        const auto r = cli.run(args);
        EXPECT_EQ(r.status, 2) << args.size();
        EXPECT_NE(r.err.find("usage:"), std::string::npos) << r.err;
    }
}

} // namespace
} // namespace zelk::testing
