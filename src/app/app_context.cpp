#include "app_context.h"

#include "clients/client_numbers.h"
#include "settings/program_paths.h"
#include "settings/settings_store.h"

#include <QDir>

namespace zelk {

namespace {
constexpr int kMainSection = 102;
constexpr int kUserNextIdKey = 549;
} // namespace

int32_t AppContext::takeNextClientId() {
    const int32_t id = settings.UserNextId;
    settings.UserNextId = FollowingClientId(id);
    storeIntSetting(kUserNextIdKey, settings.UserNextId);
    return id;
}

QString AppContext::dataFile(const QString& name) const {
    const QString found = FindDataFile(name, explicitDataDir);
    return found.isEmpty() ? QDir(dataFilesDir).filePath(name) : found;
}

void AppContext::storeIntSetting(int keyStringId, int value) {
    PutIntSetting(value, keyStringId, settingsPath, false, now);
}

void AppContext::storeStringSetting(int keyStringId, const QString& value) {
    PutStringSetting(kMainSection, keyStringId, value, settingsPath);
}

QString AppContext::mainString(int keyStringId) const {
    return GetMainString(keyStringId, QString(), settingsPath);
}

} // namespace zelk
