// zelk-cli settings: shows the settings as the program loads them, and writes,
// exports, imports or restores them.
//
// The steps run in a fixed order, whatever the order on the command line:
// --set (all keys in one write), --import, --reset, --export; then the settings
// file is shown. Any failure stops the run with an error object and status 1;
// an unknown key or a value that is not an integer writes nothing.
#include "cli_support.h"

#include "calendar/current_time.h"
#include "settings/four_hua_tables.h"
#include "settings/program_paths.h"
#include "settings/settings_keys.h"
#include "settings/settings_load_save.h"
#include "settings/settings_store.h"
#include "settings/string_table.h"

#include <iostream>

namespace zelk::cli {
namespace {

constexpr char kUsage[] =
    "zelk-cli settings [--data-dir DIR] [--set KEY=VALUE ...] [--import FILE] [--reset] "
    "[--export FILE]";

struct Options {
    QString dataDir, importFile, exportFile;
    std::vector<std::pair<std::string, std::string>> sets;
    bool reset = false;
};

Options ParseOptions(Args args) {
    Options o;
    std::string value;
    if (TakeOption(args, "--data-dir", value)) o.dataDir = QString::fromStdString(value);
    if (TakeOption(args, "--import", value)) o.importFile = QString::fromStdString(value);
    if (TakeOption(args, "--export", value)) o.exportFile = QString::fromStdString(value);
    o.reset = TakeFlag(args, "--reset");
    while (TakeOption(args, "--set", value)) {
        const auto eq = value.find('=');
        if (eq == std::string::npos || eq == 0)
            throw UsageError{"--set needs KEY=VALUE, got '" + value + "'"};
        o.sets.emplace_back(value.substr(0, eq), value.substr(eq + 1));
    }
    if (!args.empty()) throw UsageError{"unexpected argument '" + args.front() + "'"};
    return o;
}

int Fail(const QString& settingsFile, const std::string& message) {
    const std::string lead = "\"settingsFile\":\"" + JsonEscape(settingsFile.toStdString()) + "\"";
    std::cout << ErrorObject(message, lead) << "\n";
    return 1;
}

// Every key checked before anything is written.
std::string ApplySets(const Options& o, const QString& settingsFile, const CurrentTime& now) {
    SettingsFileEdit edit(settingsFile);
    for (const auto& [name, value] : o.sets) {
        const SettingKey* k = FindSettingKeyByName(name);
        if (!k) return "不明的設定鍵: " + name;
        const QString text = QString::fromStdString(value);
        if (k->width == KeyWidth::Text) {
            edit.PutString(k->sectionId, k->id, text);
            continue;
        }
        const auto number = ParseStoredInt(text);
        if (!number) return "設定鍵 " + name + " 需要整數值，而不是 '" + value + "'";
        edit.PutInt(*number, k->id, false, now);
    }
    if (o.sets.empty()) return {};
    const IniResult r = edit.Commit();
    return r ? std::string() : r.error.toStdString();
}

void WriteFourHuaTable(Json& json, const FourHuaTable& table) {
    json.beginArray();
    for (const auto& row : table) {
        json.beginArray();
        for (uint32_t mask : row) {
            const int n = FourHuaStarNumber(mask);
            if (n < 0)
                json.null();
            else
                json.num(n);
        }
        json.endArray();
    }
    json.endArray();
}

std::string SettingsObject(const AppSettings& s, const QString& settingsFile,
                           const CurrentTime& now) {
    const IniDocument doc = ReadIniFile(settingsFile).document;
    Json json;
    json.beginObject().key("settingsFile").str(settingsFile.toStdString());
    for (const SettingKey& k : SettingKeys()) {
        json.key(ResStringUtf8(k.id));
        if (k.width == KeyWidth::Text) {
            json.str(GetStringSetting(doc, QString(), k.sectionId, k.id).toStdString());
        } else if (k.id == key::UserNextId) {
            json.num(GetIntSetting(doc, k.id, now)); // read by start-up, not the bulk load
        } else {
            json.num(SettingValue(s, k.id).value_or(0));
        }
    }
    json.key("UserFourHuaTable");
    WriteFourHuaTable(json, s.UserFourHuaTable);
    json.endObject();
    return json.text();
}

int RunSettings(const Args& args) {
    const Options o = ParseOptions(args);
    CurrentTime now;
    RefreshCurrentTime(now, SystemClock());
    const QString settingsFile = SettingsFilePath(ResolveDataDirectory(o.dataDir));

    if (std::string error = ApplySets(o, settingsFile, now); !error.empty())
        return Fail(settingsFile, error);

    AppSettings s;
    if (IniResult r = LoadSettings(s, settingsFile, settingsFile, now); !r)
        return Fail(settingsFile, r.error.toStdString());
    if (!o.importFile.isEmpty()) {
        const auto r = ImportParameters(s, o.importFile, settingsFile, now);
        if (!r.ok) return Fail(settingsFile, r.file.error.toStdString());
    }
    if (o.reset) {
        const auto r = RestoreDefaultSettings(s, settingsFile, now);
        if (!r.ok) return Fail(settingsFile, r.file.error.toStdString());
    }
    if (!o.exportFile.isEmpty()) {
        const auto r = ExportParameters(s, o.exportFile, now);
        if (!r.ok) return Fail(settingsFile, r.file.error.toStdString());
    }
    std::cout << SettingsObject(s, settingsFile, now) << "\n";
    return 0;
}

} // namespace

ZELK_CLI_COMMAND("settings", kUsage, RunSettings);

} // namespace zelk::cli
