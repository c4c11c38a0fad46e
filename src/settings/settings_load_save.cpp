#include "settings_load_save.h"

#include "four_hua_text.h"
#include "settings_keys.h"
#include "settings_store.h"

#include <array>
#include <span>

namespace zelk {

namespace {

// The bulk keys in the order of the load; the four-transformation text comes
// between steps 1 and 3, GISUONG_RULE is step 4.
constexpr std::array kStep1 = {312, 305, 314, 316, 315, 306, 317, 433, 445, 488, 438, 550, 551};
constexpr std::array kStep3 = {573, 575, 439, 466, 467, 468, 490, 491, 577, 437, 604};
constexpr std::array kStep5 = {470, 471, 472, 473, 474, 475, 476, 477, 478, 479,
                               480, 481, 482, 483, 484, 485, 486, 469, 545, 610};
constexpr std::array kStep6 = {307, 308, 309, 310, 311}; // the custom date
constexpr std::array kStep7 = {457, 458, 459, 460, 461}; // the mask halves
constexpr std::array kStep8 = {462, 463, 464, 465, 522, 553, 554, 555, 556};
constexpr std::array kStep9 = {557, 558, 559, 560, 561, 562, 563, 564, 565, 566, 567, 568};

constexpr int kCustomTimeBase = 2;

void LoadKeys(AppSettings& s, const IniDocument& doc, std::span<const int> ids,
              const CurrentTime& now) {
    for (int id : ids)
        SetSettingValue(s, id, GetIntSetting(doc, id, now));
}

void SaveKeys(const AppSettings& s, IniDocument& doc, std::span<const int> ids, bool reset,
              const CurrentTime& now) {
    for (int id : ids)
        PutIntSetting(doc, SettingValue(s, id).value_or(0), id, reset, now);
}

void LoadFourHuaTable(AppSettings& s, const IniDocument& doc) {
    const QString text =
        GetStringSetting(doc, QString(), kStarSectionId, key::UserDefinedFourHuaData);
    if (const auto table = ParseFourHuaText(text))
        s.UserFourHuaTable = *table;
    else
        s.UserFourHuaTable = FourHuaPresetFor(s.FourHuaType);
}

// The user's own table is kept only while it is the method in force.
void PrepareFourHuaTable(AppSettings& s) {
    if (s.FourHuaType != 3) s.UserFourHuaTable = FourHuaPresetFor(s.FourHuaType);
}

SettingsCommandResult Failed(IniResult why) {
    return {false, false, 0, std::move(why)};
}

} // namespace

IniResult LoadSettings(AppSettings& s, const QString& filePath, const QString& settingsFilePath,
                       const CurrentTime& now) {
    const IniFile file = ReadIniFile(filePath);
    const IniDocument& doc = file.document;

    LoadKeys(s, doc, kStep1, now);
    LoadFourHuaTable(s, doc);
    LoadKeys(s, doc, kStep3, now);
    if (filePath == settingsFilePath) {
        s.GISUONG_RULE = GetIntSetting(doc, key::GISUONG_RULE, now);
    } else {
        s.GISUONG_RULE = GetIntSetting(key::GISUONG_RULE, settingsFilePath, now);
    }
    LoadKeys(s, doc, kStep5, now);
    if (s.TimeBase == kCustomTimeBase) LoadKeys(s, doc, kStep6, now);
    LoadKeys(s, doc, kStep7, now);
    LoadKeys(s, doc, kStep8, now);
    LoadKeys(s, doc, kStep9, now);
    return file.result;
}

IniResult SaveSettings(AppSettings& s, const QString& filePath, bool reset,
                       const CurrentTime& now) {
    IniFile file = ReadIniFile(filePath);
    if (!file.result.ok()) return file.result; // never replace what could not be read
    IniDocument& doc = file.document;

    SaveKeys(s, doc, kStep1, reset, now);
    PrepareFourHuaTable(s);
    PutStringSetting(doc, kStarSectionId, key::UserDefinedFourHuaData,
                     FormatFourHuaText(s.UserFourHuaTable));
    SaveKeys(s, doc, kStep3, reset, now);
    SaveKeys(s, doc, kStep5, reset, now);
    SaveKeys(s, doc, kStep6, reset, now);
    SaveKeys(s, doc, kStep7, reset, now);
    SaveKeys(s, doc, kStep8, reset, now);
    SaveKeys(s, doc, kStep9, reset, now);
    return WriteIniFile(filePath, doc);
}

// Each command works on a copy and hands it over only when its writes succeeded,
// so a failed write never leaves memory and file telling different stories.
SettingsCommandResult RestoreDefaultSettings(AppSettings& s, const QString& settingsFilePath,
                                             const CurrentTime& now) {
    AppSettings next = s;
    if (IniResult r = SaveSettings(next, settingsFilePath, true, now); !r) return Failed(r);
    const IniResult r = LoadSettings(next, settingsFilePath, settingsFilePath, now);
    s = next;
    return {true, true, kRestoreDefaultsDoneId, r};
}

SettingsCommandResult ExportParameters(AppSettings& s, const QString& parameterFilePath,
                                       const CurrentTime& now) {
    AppSettings next = s;
    if (IniResult r = SaveSettings(next, parameterFilePath, false, now); !r) return Failed(r);
    s = next;
    return {true, false, 0, {}};
}

SettingsCommandResult ImportParameters(AppSettings& s, const QString& parameterFilePath,
                                       const QString& settingsFilePath, const CurrentTime& now) {
    const IniFile probe = ReadIniFile(parameterFilePath);
    if (probe.result.status == IniFileStatus::Missing)
        return Failed(
            {IniFileStatus::Missing, QStringLiteral("找不到參數檔 %1").arg(parameterFilePath)});
    if (!probe.result.ok()) return Failed(probe.result);

    AppSettings next = s;
    if (IniResult r = LoadSettings(next, parameterFilePath, settingsFilePath, now); !r)
        return Failed(r);
    if (IniResult r = SaveSettings(next, settingsFilePath, false, now); !r) return Failed(r);
    s = next;
    return {true, true, 0, {}};
}

} // namespace zelk
