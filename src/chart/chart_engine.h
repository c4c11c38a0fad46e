// The chart engine: fills a ChartRecord from birth data and computes the natal
// chart and the six kinds of period chart (十年, 流年, 流月, 流日, 流時, 流分).
//
// The engine keeps no state and does no I/O. Everything it reads comes in as
// arguments: the record, the settings and the present moment (CurrentTime, which
// the engine refreshes from the clock passed in when a period chart is based on
// the present moment, so a period chart is reproducible with a fixed clock).
//
// Refusals are values: a ChartResult whose `message` is a UTF-8 Traditional
// Chinese text the caller can show. A refused computation leaves the record as
// it was.
#pragma once

#include "calendar/current_time.h"
#include "chart/chart_record.h"
#include "settings/app_settings.h"

#include <array>
#include <cstdint>
#include <string>

namespace zelk {

struct ChartEnv {
    const AppSettings& settings;
    CurrentTime& now;   // refreshed from `clock` when a period chart asks for it
    const Clock& clock; // the source of the present moment
};

// ---------------------------------------------------------------------------
// Results

enum class ChartRefusal {
    None = 0,
    BirthOutsideTable,     // birth date outside 1900-01-31 .. 2100-02-08
    StoredFieldOutOfRange, // a record field no rule can bring into range
    FlowDateOutsideTable,  // the flow date of a period chart lies outside the lunar table
    BadLevel,              // chart level outside 0-6 (1-6 for a period chart)
    NoBirthData,           // a period chart asked for before birth data is loaded
};

struct ChartResult {
    ChartRefusal refusal = ChartRefusal::None;
    std::string message; // UTF-8, empty when the computation succeeded
    bool ok() const { return refusal == ChartRefusal::None; }
    explicit operator bool() const { return ok(); }
};

// ---------------------------------------------------------------------------
// Birth input

// What the input dialog or a stored client gives. The client layer fills it from
// its record; the loaders write back what they adjust (lunar date and leap flag
// from the dialog; hour index and clock hour of a stored record), both here and
// into `clientBytes` at the record's own offsets, so the caller can store it.
struct BirthInput {
    int32_t sex = 0; // 0 male, 1 female
    int16_t solarYear = 0, solarMonth = 0, solarDay = 0;
    int16_t lunarYear = 0, lunarMonth = 0, lunarDay = 0; // as stored (late 子 already applied)
    int32_t isLeapMonth = 0;
    int16_t hourIndex = 0; // HourIndex 0-12
    int16_t clockHour = 0; // 0-23, or 2 x hourIndex when the hour was chosen as a period
    int16_t minute = 0;    // negative when not given
    std::u16string name;   // at most 33 units are kept
    std::array<uint8_t, kClientRecordSize> clientBytes{}; // the client's record, verbatim
};

// How the input dialog was opened: a new client sets the flow date to the present
// moment; modifying a client keeps the flow date the chart had.
enum class InputCommand { NewClient, ModifyClient };

// Birth data from the input dialog: the Gregorian date is converted (late 子 moves
// to the next lunar day), the frame values derived, the flow date set to the
// present moment (new clients only), the birth pillars computed, the natal chart
// computed. Refuses a birth outside the lunar table and out-of-range fields.
ChartResult LoadChartInputs(ChartRecord& record, BirthInput& input, InputCommand command,
                            ChartEnv env);

// The same from a stored record: the stored lunar date is used as it is and the
// hour index is derived from the stored clock hour (rules in load_inputs.cpp).
ChartResult LoadStoredClient(ChartRecord& record, BirthInput& stored, int16_t clientIndex,
                             ChartEnv env);

// ---------------------------------------------------------------------------
// Computation

// 小限 order, ten-year ages and the natal chart (level 0) into record.natalChart.
ChartResult ComputeNatalChart(ChartRecord& record, ChartEnv env);

// The chart of level 1-6 into `target` (normally record.periodChart), with its base
// chart (natal for level 1, 流年 for levels 3-6) into record.baseChart. The flow
// date and hourIndex changed by the base run are put back first. On a refusal
// neither `target`, the base chart nor the flow date change. Sets periodChanged.
ChartResult ComputePeriodChart(ChartRecord& record, int level, ChartBlock& target, ChartEnv env);

// One placement run of level 0-6 into `target`.
ChartResult ComputeChartLevel(ChartRecord& record, int level, ChartBlock& target, ChartEnv env);

// After the chart settings changed: bureau (it depends on PanBase), the natal
// chart, and the shown period chart when shownLevel > 0; sets periodChanged.
ChartResult RecomputeAfterSettingsChange(ChartRecord& record, ChartEnv env);

// ---------------------------------------------------------------------------
// Four transformations

// The stem (0-9) whose transformations a chart of `level` carries (YearHuaBase).
// Reads the flow date of the record; -1 when the flow date cannot give a pillar.
int FourHuaStemOfLevel(const ChartRecord& record, int level, const AppSettings& settings);

// Sets the 化祿/化權/化科/化忌 marks of `chart` for the stem of `level`. An empty cell
// of the table marks nothing.
void ApplyFourHua(ChartBlock& chart, const ChartRecord& record, int level,
                  const AppSettings& settings);

// For `stem`: the first position holding the 祿, 權, 科, 忌 star of the table in force,
// -1 where no palace holds it or the cell is empty (or the stem is not 0-9).
std::array<int, 4> FindHuaPalaces(int stem, const std::array<uint32_t, 12>& groupA,
                                  const AppSettings& settings);

// 來因 and 業障 marks from the natal chart (when Lyyg_Display is on).
void MarkCauseAndKarma(ChartBlock& chart, const ChartRecord& record, const AppSettings& settings);

// ---------------------------------------------------------------------------
// Brightness and elements

inline constexpr int kNone = -1;

// Text grade 0 廟, 1 旺, 2 利, 3 平, 4 陷 of a groupA star bit at a position; kNone.
int TextGrade(uint32_t starBitA, int position);

// Star groups of the numeric grade table and of ElementOfGroupB. The palace-bound
// stars 天傷 and 天使 are not stored in a word; they have their own pseudo group.
enum StarGroup : int { kGroupA = 1, kGroupB = 2, kGroupPalaceBound = 3 };
inline constexpr uint32_t kTianShang = 1u; // in kGroupPalaceBound: 天傷 (palace 朋友)
inline constexpr uint32_t kTianShi = 2u;   // in kGroupPalaceBound: 天使 (palace 疾厄)

// Byte of the numeric grade table: bits 0-3 the digit 0-7, bit 4 the ring flag;
// 0 when the star has no entry (or the branch is not 0-11).
uint8_t NumericGrade(int group, uint32_t mask, int branch);

// Element 0 水, 1 木, 2 金, 3 土, 4 火 or kNone.
int ElementOfGroupA(const std::array<uint32_t, 12>& groupA, int position, uint32_t starBitA);
// `group` kGroupB with a groupB bit, or kGroupPalaceBound with kTianShang/kTianShi.
int ElementOfGroupB(int group, uint32_t mask, int palaceName, int position,
                    const ChartBlock& chart);

enum RingKind : int {
    kRingDoctor = 1,
    kRingLongLife = 2,
    kRingGeneralFront = 3,
    kRingYearFront = 4
};
int ElementOfRing(int position, const ChartBlock& chart, int ringKind, int index);

// ---------------------------------------------------------------------------
// Texts, as resource string ids (the engine has no string table). A name that is
// one item of a quoted-list string has listItem >= 0.

struct ResText {
    int stringId = 0; // 0 = no text
    int listItem = -1;
    friend bool operator==(const ResText&, const ResText&) = default;
};

int StemStringId(int stem);          // 135-144, 0 outside 0-9
int BranchStringId(int branch);      // 145-156
int PositionStringId(int position);  // 234-245
int PalaceNameStringId(int name);    // 618-629 for 1-12, 0 otherwise
int LevelCaptionStringId(int level); // 506-512
int GradeStringId(int grade);        // 318-322
int ElementStringId(int element);    // 492-496

int LifeMasterStringId(int lifePalacePosition); // 命主: 192-198
int BodyMasterStringId(int yearBranch);         // 身主: 199-204
int BureauStringId(int bureau);                 // 五行局: 185-189, 0 outside 2-6

ResText StarNameA(uint32_t bit);                  // 紫微 .. 天鉞 and the four marks
ResText StarNameB(uint32_t bit, int fourHuaType); // 地劫 .. 旬空 (地空 with method 1)
ResText StarNameC(uint32_t bit);                  // 來因, 業障, 流祿 .. 流昌
ResText PalaceBoundStarName(uint32_t mask);       // 天傷, 天使
ResText RingMemberName(int ringKind, int index, int suaStarNameType);

} // namespace zelk
