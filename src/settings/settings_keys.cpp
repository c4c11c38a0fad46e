#include "settings_keys.h"

#include "string_table.h"

#include <algorithm>
#include <array>

namespace zelk {

namespace {

constexpr KeyWidth I16 = KeyWidth::Int16, I32 = KeyWidth::Int32, Half = KeyWidth::MaskHalf,
                   Txt = KeyWidth::Text;
constexpr int Star = kStarSectionId, Main = kMainSectionId;

// clang-format off
constexpr std::array kKeys = {
    SettingKey{312, I32, Star}, // UsePanParm
    SettingKey{306, I16, Star}, // TimeBase
    SettingKey{307, I16, Star}, // BaseYear
    SettingKey{308, I16, Star}, // BaseMonth
    SettingKey{309, I16, Star}, // BaseDate
    SettingKey{310, I16, Star}, // BaseTime
    SettingKey{311, I32, Star}, // BaseIsLeap
    SettingKey{305, I16, Star}, // PanBase
    SettingKey{314, I16, Star}, // LeapBase
    SettingKey{316, I16, Star}, // HorseBase
    SettingKey{315, I16, Star}, // GodBase
    SettingKey{317, I16, Star}, // YearHuaBase
    SettingKey{433, I16, Star}, // YearDisplay
    SettingKey{445, I16, Star}, // 12God
    SettingKey{488, I32, Star}, // PanSky
    SettingKey{557, I16, Star}, // DoctorType
    SettingKey{558, I16, Star}, // LuType
    SettingKey{559, I16, Star}, // FlowSkyType
    SettingKey{560, I16, Star}, // SmallSanType
    SettingKey{561, I16, Star}, // FlowLifeHouseType
    SettingKey{562, I16, Star}, // GiaKungType
    SettingKey{563, I16, Star}, // FourHuaType
    SettingKey{564, I16, Star}, // GianSuaStarType
    SettingKey{565, I16, Star}, // SuaStarNameType
    SettingKey{550, I32, Star}, // UserNewView
    SettingKey{551, I32, Star}, // UserDefinedFourHua
    SettingKey{438, I32, Star}, // StarLevel
    SettingKey{437, I32, Star}, // LifeLine
    SettingKey{439, I32, Star}, // HuaOut
    SettingKey{466, I32, Star}, // SelfHua
    SettingKey{467, I32, Star}, // HouseFive
    SettingKey{468, I32, Star}, // FlowTimeDisplay
    SettingKey{490, I32, Star}, // TenYearDisplay
    SettingKey{491, I32, Star}, // SmallDisplay
    SettingKey{577, I32, Star}, // 8WordsDisplay
    SettingKey{604, I32, Star}, // SmallYearRevert
    SettingKey{573, I16, Star}, // 34ColorType
    SettingKey{575, I16, Star}, // MiaoWangType
    SettingKey{470, I32, Star}, SettingKey{471, I32, Star}, SettingKey{472, I32, Star},
    SettingKey{473, I32, Star}, SettingKey{474, I32, Star}, SettingKey{475, I32, Star},
    SettingKey{476, I32, Star}, SettingKey{477, I32, Star}, SettingKey{478, I32, Star},
    SettingKey{479, I32, Star}, SettingKey{480, I32, Star}, SettingKey{481, I32, Star},
    SettingKey{482, I32, Star}, SettingKey{483, I32, Star}, SettingKey{484, I32, Star},
    SettingKey{485, I32, Star}, SettingKey{486, I32, Star}, // NameDisplay ... PanInfoDisplay
    SettingKey{469, I32, Star}, // BaseLogoDisplay
    SettingKey{545, I32, Star}, // LuanDuanPrint
    SettingKey{610, I32, Star}, // PrintLsan
    SettingKey{457, Half, Star}, // ASTAR1
    SettingKey{458, Half, Star}, // ASTAR2
    SettingKey{459, Half, Star}, // BSTAR1
    SettingKey{460, Half, Star}, // BSTAR2
    SettingKey{461, Half, Star}, // BSTAR3
    SettingKey{462, I32, Star}, // DOCTORSTAR
    SettingKey{463, I32, Star}, // LIFESTAR
    SettingKey{464, I32, Star}, // FLOWCHUNGSTAR
    SettingKey{465, I32, Star}, // FLOWAGESTAR
    SettingKey{553, I32, Star}, // FlowChanDisplay
    SettingKey{554, I32, Star}, // SkyCookDisplay
    SettingKey{555, I32, Star}, // Lyyg_Display
    SettingKey{556, I32, Star}, // 7StarDisplay
    SettingKey{566, I16, Star}, // FlowLuDisplay
    SettingKey{567, I16, Star}, // FlowMaDisplay
    SettingKey{568, I16, Star}, // FlowLuanDisplay
    SettingKey{522, I16, Star}, // MANPIE
    SettingKey{611, I32, Star}, // GISUONG_RULE
    SettingKey{549, I32, Star}, // UserNextId
    SettingKey{552, Txt, Star}, // UserDefinedFourHuaData
    SettingKey{608, Txt, Main}, // LastOpenUserFile
    SettingKey{609, Txt, Main}, // UserInfoFinderFilter
};
// clang-format on
static_assert(kKeys.size() == 80);

bool InRange(int id, int first, int last) {
    return id >= first && id <= last;
}

// Where an integer key lives in AppSettings: one 16-bit or one 32-bit field.
struct FieldRef {
    int16_t* i16 = nullptr;
    int32_t* i32 = nullptr;
};

FieldRef FieldOf(AppSettings& s, int id) {
    switch (id) {
    case 312:
        return {nullptr, &s.UsePanParm};
    case 306:
        return {&s.TimeBase};
    case 307:
        return {&s.BaseYear};
    case 308:
        return {&s.BaseMonth};
    case 309:
        return {&s.BaseDate};
    case 310:
        return {&s.BaseTime};
    case 311:
        return {nullptr, &s.BaseIsLeap};
    case 305:
        return {&s.PanBase};
    case 314:
        return {&s.LeapBase};
    case 316:
        return {&s.HorseBase};
    case 315:
        return {&s.GodBase};
    case 317:
        return {&s.YearHuaBase};
    case 433:
        return {&s.YearDisplay};
    case 445:
        return {&s.God12};
    case 488:
        return {nullptr, &s.PanSky};
    case 557:
        return {&s.DoctorType};
    case 558:
        return {&s.LuType};
    case 559:
        return {&s.FlowSkyType};
    case 560:
        return {&s.SmallSanType};
    case 561:
        return {&s.FlowLifeHouseType};
    case 562:
        return {&s.GiaKungType};
    case 563:
        return {&s.FourHuaType};
    case 564:
        return {&s.GianSuaStarType};
    case 565:
        return {&s.SuaStarNameType};
    case 550:
        return {nullptr, &s.UserNewView};
    case 551:
        return {nullptr, &s.UserDefinedFourHua};
    case 438:
        return {nullptr, &s.StarLevel};
    case 437:
        return {nullptr, &s.LifeLine};
    case 439:
        return {nullptr, &s.HuaOut};
    case 466:
        return {nullptr, &s.SelfHua};
    case 467:
        return {nullptr, &s.HouseFive};
    case 468:
        return {nullptr, &s.FlowTimeDisplay};
    case 490:
        return {nullptr, &s.TenYearDisplay};
    case 491:
        return {nullptr, &s.SmallDisplay};
    case 577:
        return {nullptr, &s.Words8Display};
    case 604:
        return {nullptr, &s.SmallYearRevert};
    case 573:
        return {&s.ColorType34};
    case 575:
        return {&s.MiaoWangType};
    case 470:
        return {nullptr, &s.NameDisplay};
    case 471:
        return {nullptr, &s.CurAgeDisplay};
    case 472:
        return {nullptr, &s.AnimalDisplay};
    case 473:
        return {nullptr, &s.SexDisplay};
    case 474:
        return {nullptr, &s.WestDisplay};
    case 475:
        return {nullptr, &s.EastDisplay};
    case 476:
        return {nullptr, &s.EightWordDisplay};
    case 477:
        return {nullptr, &s.LifeHouseDisplay};
    case 478:
        return {nullptr, &s.BodyHouseDisplay};
    case 479:
        return {nullptr, &s.LifeGodDisplay};
    case 480:
        return {nullptr, &s.BodyGodDisplay};
    case 481:
        return {nullptr, &s.PanGodDisplay};
    case 482:
        return {nullptr, &s.FlowGodDisplay};
    case 483:
        return {nullptr, &s.FlowChungDisplay};
    case 484:
        return {nullptr, &s.FiveDisplay};
    case 485:
        return {nullptr, &s.CurTimeDisplay};
    case 486:
        return {nullptr, &s.PanInfoDisplay};
    case 469:
        return {nullptr, &s.BaseLogoDisplay};
    case 545:
        return {nullptr, &s.LuanDuanPrint};
    case 610:
        return {nullptr, &s.PrintLsan};
    case 462:
        return {nullptr, &s.DOCTORSTAR};
    case 463:
        return {nullptr, &s.LIFESTAR};
    case 464:
        return {nullptr, &s.FLOWCHUNGSTAR};
    case 465:
        return {nullptr, &s.FLOWAGESTAR};
    case 553:
        return {nullptr, &s.FlowChanDisplay};
    case 554:
        return {nullptr, &s.SkyCookDisplay};
    case 555:
        return {nullptr, &s.Lyyg_Display};
    case 556:
        return {nullptr, &s.Star7Display};
    case 566:
        return {&s.FlowLuDisplay};
    case 567:
        return {&s.FlowMaDisplay};
    case 568:
        return {&s.FlowLuanDisplay};
    case 522:
        return {&s.MANPIE};
    case 611:
        return {nullptr, &s.GISUONG_RULE};
    case 549:
        return {nullptr, &s.UserNextId};
    default:
        return {};
    }
}

} // namespace

std::span<const SettingKey> SettingKeys() {
    return kKeys;
}

const SettingKey* FindSettingKey(int id) {
    const auto it =
        std::find_if(kKeys.begin(), kKeys.end(), [id](const SettingKey& k) { return k.id == id; });
    return it != kKeys.end() ? &*it : nullptr;
}

const SettingKey* FindSettingKeyByName(std::string_view name) {
    const auto it = std::find_if(kKeys.begin(), kKeys.end(), [name](const SettingKey& k) {
        return ResStringUtf8(k.id) == name;
    });
    return it != kKeys.end() ? &*it : nullptr;
}

QString SettingKeyName(int id) {
    return LoadResString(id);
}

QString SettingSectionName(int sectionId) {
    return QStringLiteral("a16_S3") + LoadResString(sectionId);
}

int32_t SettingDefault(int keyId, const CurrentTime& now) {
    switch (keyId) {
    case key::BaseYear:
        return now.lunar.year;
    case key::BaseMonth:
        return now.lunar.month;
    case key::BaseDate:
        return now.lunar.day;
    case key::BaseTime:
        return now.hourIndex;
    case key::BaseIsLeap:
        return now.lunar.leap;
    case 317:
    case 445:
    case 557:
    case 558:
        return 2;
    case 610:
        return 256;
    case 611:
        return 7;
    default:
        break;
    }
    if (InRange(keyId, 457, 461)) return 65535;
    const bool one = keyId == 306 || keyId == 314 || keyId == 316 || keyId == 433 ||
                     InRange(keyId, 437, 439) || InRange(keyId, 462, 468) ||
                     InRange(keyId, 470, 486) || keyId == 490 || keyId == 491 ||
                     InRange(keyId, 553, 556) || keyId == 559 || keyId == 564 || keyId == 577;
    return one ? 1 : 0;
}

std::optional<int32_t> SettingValue(const AppSettings& s, int keyId) {
    switch (keyId) {
    case key::ASTAR1:
        return static_cast<int32_t>(s.AStarMask >> 16);
    case key::ASTAR2:
        return static_cast<int32_t>(s.AStarMask & 0xFFFFu);
    case key::BSTAR1:
        return static_cast<int32_t>(s.BStarMask >> 16);
    case key::BSTAR2:
        return static_cast<int32_t>(s.BStarMask & 0xFFFFu);
    case key::BSTAR3:
        return static_cast<int32_t>(s.BStarMask2);
    default:
        break;
    }
    const FieldRef f = FieldOf(const_cast<AppSettings&>(s), keyId);
    if (f.i16) return *f.i16;
    if (f.i32) return *f.i32;
    return std::nullopt;
}

bool SetSettingValue(AppSettings& s, int keyId, int32_t value) {
    const auto half = static_cast<uint32_t>(value) & 0xFFFFu;
    switch (keyId) {
    case key::ASTAR1:
        s.AStarMask = (s.AStarMask & 0x0000FFFFu) | (half << 16);
        return true;
    case key::ASTAR2:
        s.AStarMask = (s.AStarMask & 0xFFFF0000u) | half;
        return true;
    case key::BSTAR1:
        s.BStarMask = (s.BStarMask & 0x0000FFFFu) | (half << 16);
        return true;
    case key::BSTAR2:
        s.BStarMask = (s.BStarMask & 0xFFFF0000u) | half;
        return true;
    case key::BSTAR3:
        s.BStarMask2 = static_cast<uint16_t>(half);
        return true;
    default:
        break;
    }
    const FieldRef f = FieldOf(s, keyId);
    if (f.i16)
        *f.i16 = static_cast<int16_t>(value); // the low 16 bits, as stored
    else if (f.i32)
        *f.i32 = value;
    return f.i16 || f.i32;
}

} // namespace zelk
