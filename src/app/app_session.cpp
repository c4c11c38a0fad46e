#include "app_session.h"

#include "about_box.h"
#include "command_ids.h"
#include "interface_language.h"
#include "interpret/explanation_lists.h"
#include "main_frame.h"
#include "res_text.h"
#include "settings/program_paths.h"
#include "settings/settings_load_save.h"
#include "settings/settings_store.h"
#include "view/font_faces.h"
#include "visual_style.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTimer>

namespace zelk {

namespace {
constexpr int kUserNextIdKey = 549;
constexpr int kSplashTicks = 20;
} // namespace

StartupOptions ParseStartupArguments(const QStringList& arguments) {
    StartupOptions options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--data-dir") && i + 1 < arguments.size())
            options.dataDir = arguments[++i];
        else if (a.startsWith(QLatin1String("--data-dir=")))
            options.dataDir = a.mid(11);
        else if (a == QLatin1String("--no-splash"))
            options.showSplash = false;
        else if (!a.startsWith(QLatin1String("--")) && options.databasePath.isEmpty())
            options.databasePath = a;
    }
    return options;
}

AppSession::AppSession() = default;

AppSession::~AppSession() {
    // The main window goes first: closing it writes the finder text and the list.
    frame_.reset();
}

void AppSession::loadSettings() {
    CurrentTime unread; // the custom-date defaults need the clock, read below
    LoadSettings(context_.settings, context_.settingsPath, context_.settingsPath, unread);
}

void AppSession::readCurrentTime() {
    // From 23:00 the lunar date is already the next day's.
    RefreshCurrentTime(context_.now, context_.clock);
}

bool AppSession::start(const StartupOptions& options) {
    InstallFontSubstitutions();
    // Windows, dialogs and Qt's own texts in Traditional Chinese, in a face that
    // draws the Traditional forms.
    QApplication::setFont(InterfaceFont(QApplication::font().pointSizeF()));
    if (auto* app = QCoreApplication::instance()) InstallInterfaceLanguage(*app);
    // The built-in quoted lists (star names, explanation texts) are parsed once.
    InstallExplanationLists(ParseExplanationLists());
    QString overrideDir = options.dataDir;
    if (overrideDir.isEmpty()) overrideDir = qEnvironmentVariable(kDataDirEnvironmentVariable);
    context_.explicitDataDir = overrideDir;
    context_.programDir = ResolveDataDirectory(options.dataDir);
    QDir().mkpath(context_.programDir);
    context_.settingsPath = SettingsFilePath(context_.programDir);
    context_.dataFilesDir = ReadOnlyDataDirectory(options.dataDir);
    if (options.clock) context_.clock = options.clock;

    loadSettings();
    readCurrentTime();
    context_.solarTerms = SolarTermTable::LoadFile(
        context_.dataFile(QStringLiteral("solar_terms.dat")).toStdString());
    context_.settings.UserNextId =
        GetIntSetting(kUserNextIdKey, context_.settingsPath, context_.now);

    windowState_ = OpenWindowStateStore(context_.explicitDataDir);
    clientSettings_ = std::make_unique<AppClientSettings>(context_);
    frame_ = std::make_unique<CMainFrame>(context_, *clientSettings_, *windowState_);
    frame_->openStartupDatabase(options.databasePath);
    frame_->setWindowTitle(ProductTitle());
    frame_->show();
    if (options.showSplash) {
        const QString logo = context_.dataFile(QStringLiteral("SABOUT.LGO"));
        QTimer::singleShot(0, frame_.get(), [logo] { ShowAbout(kSplashTicks, logo); });
    }
    return true;
}

} // namespace zelk
