// The bulk load and save of AppSettings, and the three settings commands built on
// them (restore defaults, export and import of parameter files) without their
// dialogs: each returns what happened, and the caller shows the messages.
//
// `now` is the current moment: the custom-date keys (BaseYear ... BaseIsLeap)
// default to its lunar date and hour index. At start-up the first load may run
// before the clock is read; pass a zeroed CurrentTime then, and those defaults
// are 0.
#pragma once

#include "app_settings.h"
#include "calendar/current_time.h"
#include "ini_document.h"

#include <QString>

namespace zelk {

// Reads every bulk key from filePath into `s`, in this order:
//  1. UsePanParm PanBase LeapBase HorseBase GodBase TimeBase YearHuaBase YearDisplay
//     12God PanSky StarLevel UserNewView UserDefinedFourHua
//  2. UserDefinedFourHuaData into UserFourHuaTable: an 80-character text is parsed;
//     any other length (empty included) gives the preset of the FourHuaType now in
//     memory — FourHuaType itself is read only in step 9
//  3. 34ColorType MiaoWangType HuaOut SelfHua HouseFive FlowTimeDisplay
//     TenYearDisplay SmallDisplay 8WordsDisplay LifeLine SmallYearRevert
//  4. GISUONG_RULE, always from settingsFilePath: a parameter file never sets it
//  5. the seventeen centre-block keys, BaseLogoDisplay, LuanDuanPrint, PrintLsan
//  6. BaseYear BaseMonth BaseDate BaseTime BaseIsLeap, only when the TimeBase just
//     read is 2 (otherwise they keep their values in memory)
//  7. ASTAR1/ASTAR2 into AStarMask, BSTAR1/BSTAR2 into BStarMask, BSTAR3 into BStarMask2
//  8. DOCTORSTAR LIFESTAR FLOWCHUNGSTAR FLOWAGESTAR MANPIE FlowChanDisplay
//     SkyCookDisplay Lyyg_Display 7StarDisplay
//  9. DoctorType LuType FlowSkyType SmallSanType FlowLifeHouseType GiaKungType
//     FourHuaType GianSuaStarType SuaStarNameType FlowLuDisplay FlowMaDisplay
//     FlowLuanDisplay
// UserNextId, LastOpenUserFile and UserInfoFinderFilter are read by their owners.
// Missing keys take their defaults. The result tells whether the file could be
// read (a missing file is fine); on an unreadable file every key takes its default.
IniResult LoadSettings(AppSettings& s, const QString& filePath, const QString& settingsFilePath,
                       const CurrentTime& now);

// Writes every bulk key but GISUONG_RULE to filePath in one write, the custom-date
// keys always and the masks as their halves; `reset` writes each key's default.
// Before UserDefinedFourHuaData is written, UserFourHuaTable is prepared from the
// FourHuaType in memory (0-2: that preset, 3: kept, other: the default table) —
// the only change SaveSettings makes to `s`; `reset` does not apply to that text.
IniResult SaveSettings(AppSettings& s, const QString& filePath, bool reset, const CurrentTime& now);

// What a settings command did, for the caller's message and chart refresh.
struct SettingsCommandResult {
    bool ok = false;            // the command did its work
    bool refreshCharts = false; // AppSettings changed: recompute and repaint every chart
    int messageId = 0;          // string to show on success (547 after a restore), 0 none
    IniResult file;             // why it failed, when it did
};

// The question to ask before restoring defaults ("確定要回復系統預設值?").
inline constexpr int kRestoreDefaultsQuestionId = 546;
inline constexpr int kRestoreDefaultsDoneId = 547;

// Restore defaults (after the user said Yes to 546): every bulk key is written with
// its default, then everything is reloaded. When the write fails nothing changes.
SettingsCommandResult RestoreDefaultSettings(AppSettings& s, const QString& settingsFilePath,
                                             const CurrentTime& now);

// Export: the bulk save to a parameter file (keys already in that file that we do
// not write survive, as in any INI write).
SettingsCommandResult ExportParameters(AppSettings& s, const QString& parameterFilePath,
                                       const CurrentTime& now);

// Import: the bulk load from a parameter file (keys it lacks take their defaults),
// then the bulk save to the settings file. A parameter file that does not exist or
// cannot be read, or a failed save, changes nothing.
SettingsCommandResult ImportParameters(AppSettings& s, const QString& parameterFilePath,
                                       const QString& settingsFilePath, const CurrentTime& now);

} // namespace zelk
