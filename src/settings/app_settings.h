// AppSettings: every chart rule, display switch and print option of the program,
// one field per settings key. Plain struct, no Qt, so the chart engine and the
// painter can read it; the INI store that fills it lives beside it.
//
// Field widths follow the key table (int16 or int32, signed). Keys whose names
// start with a digit ("12God", "34ColorType", "8WordsDisplay", "7StarDisplay") get
// the field names God12, ColorType34, Words8Display and Star7Display.
// The values are kept as stored: a consumer that indexes a table with one checks it.
#pragma once

#include "four_hua_tables.h"

#include <cstdint>

namespace zelk {

struct AppSettings {
    // Chart rules.
    int32_t UsePanParm = 0;
    int16_t TimeBase = 1;
    int16_t BaseYear = 0;
    int16_t BaseMonth = 0;
    int16_t BaseDate = 0;
    int16_t BaseTime = 0;
    int32_t BaseIsLeap = 0;
    int16_t PanBase = 0;
    int16_t LeapBase = 1;
    int16_t HorseBase = 1;
    int16_t GodBase = 0;
    int16_t YearHuaBase = 2;
    int16_t YearDisplay = 1;
    int16_t God12 = 2;
    int32_t PanSky = 0;
    int16_t DoctorType = 2;
    int16_t LuType = 2;
    int16_t FlowSkyType = 1;
    int16_t SmallSanType = 0;
    int16_t FlowLifeHouseType = 0;
    int16_t GiaKungType = 0;
    int16_t FourHuaType = 0;
    int16_t GianSuaStarType = 1;
    int16_t SuaStarNameType = 0;
    int32_t UserNewView = 0;
    int32_t UserDefinedFourHua = 0;

    // Interface.
    int32_t StarLevel = 1;
    int32_t LifeLine = 1;
    int32_t HuaOut = 1;
    int32_t SelfHua = 1;
    int32_t HouseFive = 1;
    int32_t FlowTimeDisplay = 1;
    int32_t TenYearDisplay = 1;
    int32_t SmallDisplay = 1;
    int32_t Words8Display = 1; // "8WordsDisplay"
    int32_t SmallYearRevert = 0;
    int16_t ColorType34 = 0; // "34ColorType"
    int16_t MiaoWangType = 0;

    // Print keys of the centre block, 470-486 in this order.
    int32_t NameDisplay = 1;
    int32_t CurAgeDisplay = 1;
    int32_t AnimalDisplay = 1;
    int32_t SexDisplay = 1;
    int32_t WestDisplay = 1;
    int32_t EastDisplay = 1;
    int32_t EightWordDisplay = 1;
    int32_t LifeHouseDisplay = 1;
    int32_t BodyHouseDisplay = 1;
    int32_t LifeGodDisplay = 1;
    int32_t BodyGodDisplay = 1;
    int32_t PanGodDisplay = 1;
    int32_t FlowGodDisplay = 1;
    int32_t FlowChungDisplay = 1;
    int32_t FiveDisplay = 1;
    int32_t CurTimeDisplay = 1;
    int32_t PanInfoDisplay = 1;
    int32_t BaseLogoDisplay = 0;
    int32_t LuanDuanPrint = 0;
    int32_t PrintLsan = 256;

    // Star display. The masks combine the stored halves:
    // AStarMask = ASTAR1 << 16 | ASTAR2, BStarMask = BSTAR1 << 16 | BSTAR2, BStarMask2 = BSTAR3.
    uint32_t AStarMask = 0xFFFFFFFFu;
    uint32_t BStarMask = 0xFFFFFFFFu;
    uint16_t BStarMask2 = 0xFFFFu;
    int32_t DOCTORSTAR = 1;
    int32_t LIFESTAR = 1;
    int32_t FLOWCHUNGSTAR = 1;
    int32_t FLOWAGESTAR = 1;
    int32_t FlowChanDisplay = 1;
    int32_t SkyCookDisplay = 1;
    int32_t Lyyg_Display = 1;
    int32_t Star7Display = 1; // "7StarDisplay"
    int16_t FlowLuDisplay = 0;
    int16_t FlowMaDisplay = 0;
    int16_t FlowLuanDisplay = 0;

    // School and timing rules.
    int16_t MANPIE = 0;
    int32_t GISUONG_RULE = 7;

    // Client database.
    int32_t UserNextId = 0;

    // The user's own four-transformation table (stored as UserDefinedFourHuaData).
    FourHuaTable UserFourHuaTable = kFourHuaPresetTable[0];
};

// The four-transformation table in force for a FourHuaType value: 0, 1, 2 the
// built-in methods, 3 the user's table, any other value the default table.
inline const FourHuaTable& FourHuaTableInForce(const AppSettings& s) {
    switch (s.FourHuaType) {
    case 0:
    case 1:
    case 2:
        return kFourHuaPresetTable[s.FourHuaType];
    case 3:
        return s.UserFourHuaTable;
    default:
        return kDefaultFourHuaTable;
    }
}

} // namespace zelk
