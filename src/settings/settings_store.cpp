#include "settings_store.h"

#include "settings_keys.h"
#include "string_table.h"

#include <limits>
#include <optional>

namespace zelk {

std::optional<int32_t> ParseStoredInt(const QString& text) {
    const QString t = text.trimmed();
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) ++i;
    if (i == t.size()) return std::nullopt;
    for (qsizetype k = i; k < t.size(); ++k)
        if (t[k] < u'0' || t[k] > u'9') return std::nullopt;
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok, 10);
    if (!ok || v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(v);
}

int32_t GetIntSetting(const IniDocument& doc, int keyId, const CurrentTime& now) {
    const QString name = SettingKeyName(keyId);
    const auto stored =
        name.isEmpty() ? std::nullopt : doc.Value(SettingSectionName(kStarSectionId), name);
    if (stored) {
        if (const auto v = ParseStoredInt(*stored)) return *v;
    }
    return SettingDefault(keyId, now);
}

void PutIntSetting(IniDocument& doc, int32_t value, int keyId, bool reset, const CurrentTime& now) {
    const QString name = SettingKeyName(keyId);
    if (name.isEmpty()) return; // an id without a name string is no key: never write "=value"
    const int32_t v = reset ? SettingDefault(keyId, now) : value;
    doc.SetValue(SettingSectionName(kStarSectionId), name, QString::number(v));
}

QString GetStringSetting(const IniDocument& doc, const QString& defaultText, int sectionId,
                         int keyId) {
    const QString name = SettingKeyName(keyId);
    const auto stored =
        name.isEmpty() ? std::nullopt : doc.Value(SettingSectionName(sectionId), name);
    return TruncateUtf16(stored ? *stored : defaultText, kMaxSettingTextLength);
}

void PutStringSetting(IniDocument& doc, int sectionId, int keyId, const QString& text) {
    const QString name = SettingKeyName(keyId);
    if (!name.isEmpty()) doc.SetValue(SettingSectionName(sectionId), name, text);
}

int32_t GetIntSetting(int keyId, const QString& filePath, const CurrentTime& now) {
    return GetIntSetting(ReadIniFile(filePath).document, keyId, now);
}

IniResult PutIntSetting(int32_t value, int keyId, const QString& filePath, bool reset,
                        const CurrentTime& now) {
    SettingsFileEdit edit(filePath);
    edit.PutInt(value, keyId, reset, now);
    return edit.Commit();
}

QString GetStringSetting(const QString& defaultText, int sectionId, int keyId,
                         const QString& filePath) {
    return GetStringSetting(ReadIniFile(filePath).document, defaultText, sectionId, keyId);
}

IniResult PutStringSetting(int sectionId, int keyId, const QString& text, const QString& filePath) {
    SettingsFileEdit edit(filePath);
    edit.PutString(sectionId, keyId, text);
    return edit.Commit();
}

QString GetMainString(int keyId, const QString& defaultText, const QString& settingsFilePath) {
    return GetStringSetting(defaultText, kMainSectionId, keyId, settingsFilePath);
}

SettingsFileEdit::SettingsFileEdit(QString filePath)
    : path_(std::move(filePath)), file_(ReadIniFile(path_)) {}

void SettingsFileEdit::PutInt(int32_t value, int keyId, bool reset, const CurrentTime& now) {
    PutIntSetting(file_.document, value, keyId, reset, now);
}

void SettingsFileEdit::PutString(int sectionId, int keyId, const QString& text) {
    PutStringSetting(file_.document, sectionId, keyId, text);
}

IniResult SettingsFileEdit::Commit() {
    if (!file_.result.ok()) return file_.result;
    return WriteIniFile(path_, file_.document);
}

} // namespace zelk
