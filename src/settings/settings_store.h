// Reading and writing single settings keys in a settings or parameter file.
//
// Integer keys live in "a16_S3StarSection" as decimal text. A stored value that is
// not a decimal integer (or does not fit 32 bits) reads as the key's default; a
// numeric value, however absurd (a FourHuaType of 7), is returned as stored, and
// whoever indexes a table with it checks it. The default always comes from
// SettingDefault. Text keys come back cut to 499 characters.
//
// An empty file path is refused: reads give the defaults (as for a missing file)
// and writes write nothing and report NoPath. The program always has a path.
// An id without a name string is no key: it reads as its default and is never
// written.
//
// Each file-path function reads (and writes) the whole file once. A dialog that
// confirms several keys collects them in a SettingsFileEdit and writes once.
#pragma once

#include "calendar/current_time.h"
#include "ini_document.h"

#include <QString>

#include <cstdint>

namespace zelk {

inline constexpr int kMaxSettingTextLength = 499;

// On a document already in memory.
int32_t GetIntSetting(const IniDocument& doc, int keyId, const CurrentTime& now);
void PutIntSetting(IniDocument& doc, int32_t value, int keyId, bool reset, const CurrentTime& now);
QString GetStringSetting(const IniDocument& doc, const QString& defaultText, int sectionId,
                         int keyId);
void PutStringSetting(IniDocument& doc, int sectionId, int keyId, const QString& text);

// On a file: one read, and for the Put functions one whole-file write.
int32_t GetIntSetting(int keyId, const QString& filePath, const CurrentTime& now);
// `reset` writes SettingDefault(keyId) instead of `value`.
IniResult PutIntSetting(int32_t value, int keyId, const QString& filePath, bool reset,
                        const CurrentTime& now);
QString GetStringSetting(const QString& defaultText, int sectionId, int keyId,
                         const QString& filePath);
IniResult PutStringSetting(int sectionId, int keyId, const QString& text, const QString& filePath);
// A key of "a16_S3MainSection" in the settings file.
QString GetMainString(int keyId, const QString& defaultText, const QString& settingsFilePath);

// Several keys, one write: read the file, put the keys, Commit.
class SettingsFileEdit {
  public:
    explicit SettingsFileEdit(QString filePath);
    void PutInt(int32_t value, int keyId, bool reset, const CurrentTime& now);
    void PutString(int sectionId, int keyId, const QString& text);
    // Writes the file; refused when it could not be read (its contents would be lost).
    IniResult Commit();
    const IniDocument& Document() const { return file_.document; }

  private:
    QString path_;
    IniFile file_;
};

// Parses a decimal integer as stored: optional sign, digits, blanks around.
std::optional<int32_t> ParseStoredInt(const QString& text);

} // namespace zelk
