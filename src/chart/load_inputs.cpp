// Loading birth data into a chart record, from the input dialog or from a stored
// client, and the checks that keep bad records away from the placement tables.
//
// Rules for stored records:
// - The Gregorian birth date must be a real date between 1900-01-31 and
//   2100-02-08 (the lunar table); the stored lunar date must lie in lunar years
//   1900-2099 with month 1-12, day 1-30 and a leap flag of 0 or 1; sex must be 0
//   or 1. Anything else is refused, not guessed.
// - The hour index comes from the stored clock hour: a late 子 record (index 12,
//   clock hour 0) gets clock hour 24; a negative clock hour reads as 0 (子); 25
//   reads as 12 o'clock (午); h reads as (h + 1) / 2. Clock hours 23 and 24 give
//   the late 子 index 12, whose lunar day was already advanced when the record was
//   saved: the index stays 12 so that the day and hour pillars are those of the
//   next day, as for the same birth typed into the input dialog, and a later
//   modification does not move the birth back by one lunar day. Any clock hour
//   above 25 is refused.
#include "chart/chart_steps.h"

#include "calendar/lunar_calendar.h"
#include "calendar/pillars.h"

#include <algorithm>

namespace zelk {

namespace {

// Offsets of the chart fields inside the stored client record (little-endian).
constexpr int kOffHourIndex = 74, kOffHour = 76, kOffLunarYear = 80, kOffLunarMonth = 82,
              kOffLunarDay = 84, kOffIsLeapMonth = 92;

void PutLE(std::array<uint8_t, kClientRecordSize>& bytes, int offset, int32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

bool InRange(int v, int lo, int hi) {
    return v >= lo && v <= hi;
}

bool IsInsideLunarTable(int year, int month, int day) {
    if (!InRange(year, 1900, 2100) || !InRange(month, 1, 12)) return false;
    if (!InRange(day, 1, GregorianMonthLength(year, month))) return false;
    return SolarToLunar(year, month, day).valid();
}

constexpr const char* kBirthOutside =
    "出生日期超出曆法範圍（西元1900年1月31日至2100年2月8日），無法排盤。";

ChartResult CheckGregorianBirth(const BirthInput& in) {
    if (!InRange(in.solarMonth, 1, 12) || in.solarDay < 1 ||
        in.solarDay > GregorianMonthLength(in.solarYear, in.solarMonth))
        return detail::Refuse(ChartRefusal::StoredFieldOutOfRange, "出生日期不正確，無法排盤。");
    if (!IsInsideLunarTable(in.solarYear, in.solarMonth, in.solarDay))
        return detail::Refuse(ChartRefusal::BirthOutsideTable, kBirthOutside);
    if (!InRange(in.sex, 0, 1))
        return detail::Refuse(ChartRefusal::StoredFieldOutOfRange, "性別資料不正確，無法排盤。");
    return {};
}

void CopyName(ChartRecord& r, const std::u16string& name) {
    r.name.fill(0);
    const std::size_t n = std::min(name.size(), r.name.size() - 1);
    std::copy_n(name.begin(), n, r.name.begin());
}

// Step 1 and the birth fields common to both loaders.
void CopyBirth(ChartRecord& r, const BirthInput& in, const LunarDate& lunar, int hourIndex,
               int clockHour) {
    r.client = in.clientBytes;
    CopyName(r, in.name);
    r.sex = in.sex;
    r.isLeapMonth = lunar.leap != 0 ? 1 : 0;
    r.solarYear = in.solarYear;
    r.solarMonth = in.solarMonth;
    r.solarDay = in.solarDay;
    r.clockHour = static_cast<int16_t>(clockHour);
    r.birthMinute = in.minute;
    r.lunarYear = lunar.year;
    r.lunarMonth = lunar.month;
    r.lunarDay = lunar.day;
    r.hourIndex = static_cast<int16_t>(hourIndex);
    r.placementHour = static_cast<int16_t>(hourIndex);
}

void SetFlowDateToNow(ChartRecord& r, const CurrentTime& now) {
    r.flowLunarYear = now.lunar.year;
    r.flowLunarMonth = now.lunar.month;
    r.flowLunarDay = now.lunar.day;
    r.flowIsLeap = now.lunar.leap != 0 ? 1 : 0;
    r.flowSolarYear = now.year;
    r.flowSolarMonth = now.month;
    r.flowSolarDay = now.day;
    r.flowHour = now.hourIndex;
    r.flowMinute = now.minuteIndex;
}

// Steps 4 to 7, once the birth fields are in the record.
ChartResult FinishLoading(ChartRecord& r, bool setFlowDate, ChartEnv env) {
    detail::DeriveFrameValues(r, env.settings);
    if (setFlowDate) SetFlowDateToNow(r, env.now);
    if (auto pillars = FourPillarsLunar(r.solarYear, r.solarMonth, r.solarDay, r.hourIndex))
        r.birthPillars = pillars->p;
    r.shownLevel = kLevelNatal;
    r.chartFilled = 1;
    r.newChart = 1;
    return ComputeNatalChart(r, env);
}

} // namespace

ChartResult LoadChartInputs(ChartRecord& record, BirthInput& input, InputCommand command,
                            ChartEnv env) {
    if (ChartResult check = CheckGregorianBirth(input); !check) return check;
    if (!InRange(input.hourIndex, 0, 12))
        return detail::Refuse(ChartRefusal::StoredFieldOutOfRange, "出生時辰不正確，無法排盤。");

    LunarDate lunar = SolarToLunar(input.solarYear, input.solarMonth, input.solarDay);
    // The late 子 hour belongs to the next lunar day.
    if (input.hourIndex == 12) NextLunarDay(lunar);
    if (!lunar.valid() || !InRange(lunar.year, kFirstLunarYear, kLastLunarYear))
        return detail::Refuse(ChartRefusal::BirthOutsideTable, kBirthOutside);

    input.lunarYear = lunar.year;
    input.lunarMonth = lunar.month;
    input.lunarDay = lunar.day;
    input.isLeapMonth = lunar.leap != 0 ? 1 : 0;
    PutLE(input.clientBytes, kOffLunarYear, lunar.year, 2);
    PutLE(input.clientBytes, kOffLunarMonth, lunar.month, 2);
    PutLE(input.clientBytes, kOffLunarDay, lunar.day, 2);
    PutLE(input.clientBytes, kOffIsLeapMonth, input.isLeapMonth, 4);

    CopyBirth(record, input, lunar, input.hourIndex, input.clockHour);
    return FinishLoading(record, command != InputCommand::ModifyClient, env);
}

ChartResult LoadStoredClient(ChartRecord& record, BirthInput& stored, int16_t clientIndex,
                             ChartEnv env) {
    if (ChartResult check = CheckGregorianBirth(stored); !check) return check;
    if (!InRange(stored.lunarYear, kFirstLunarYear, kLastLunarYear))
        return detail::Refuse(ChartRefusal::BirthOutsideTable, kBirthOutside);
    if (!InRange(stored.lunarMonth, 1, 12) || !InRange(stored.lunarDay, 1, 30) ||
        !InRange(stored.isLeapMonth, 0, 1))
        return detail::Refuse(ChartRefusal::StoredFieldOutOfRange,
                              "農曆出生日期不正確，無法排盤。");

    int clock = stored.clockHour;
    int index;
    if (stored.hourIndex == 12 && clock == 0) {
        clock = 24;
        index = 12;
    } else if (clock < 0) {
        clock = 0;
        index = 0;
    } else if (clock == 25) {
        clock = 12;
        index = 6;
    } else if (clock <= 24) {
        index = (clock + 1) / 2; // 23:xx and the period form 24 give 12, the late 子 hour
    } else {
        return detail::Refuse(ChartRefusal::StoredFieldOutOfRange, "出生時辰不正確，無法排盤。");
    }
    if (index != stored.hourIndex || clock != stored.clockHour) {
        stored.hourIndex = static_cast<int16_t>(index);
        stored.clockHour = static_cast<int16_t>(clock);
        PutLE(stored.clientBytes, kOffHourIndex, index, 2);
        PutLE(stored.clientBytes, kOffHour, clock, 2);
    }

    LunarDate lunar{stored.lunarYear, stored.lunarMonth, stored.lunarDay, stored.isLeapMonth};
    CopyBirth(record, stored, lunar, index, clock);
    record.clientIndex = clientIndex;
    return FinishLoading(record, true, env);
}

namespace detail {

ChartResult CheckRecordFields(const ChartRecord& r) {
    const bool ok =
        InRange(r.lunarYear, kFirstLunarYear, kLastLunarYear) && InRange(r.lunarMonth, 1, 12) &&
        InRange(r.lunarDay, 1, 30) && InRange(r.isLeapMonth, 0, 1) && InRange(r.sex, 0, 1) &&
        InRange(r.hourIndex, 0, 12) && InRange(r.placementHour, 0, 12) && InRange(r.bureau, 2, 6) &&
        InRange(r.lifePalace, 0, 11) && InRange(r.bodyPalace, 0, 11) &&
        InRange(r.ziYearDouJun, 0, 11) && r.yearStem == StemOfYear(r.lunarYear) &&
        r.yearBranch == BranchOfYear(r.lunarYear) && InRange(r.tigerStem, 0, 9);
    if (ok) return {};
    return Refuse(ChartRefusal::StoredFieldOutOfRange,
                  "命盤資料不正確（欄位超出範圍），無法排盤。");
}

} // namespace detail

} // namespace zelk
