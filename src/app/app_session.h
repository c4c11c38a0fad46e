// One run of the desktop program, from the settings to the shown main window:
// the start-up order without the application object, so that tests can start and
// stop the program many times in one process.
#pragma once

#include "app_client_settings.h"
#include "app_context.h"

#include <QString>
#include <QStringList>

#include <memory>

class QSettings;

namespace zelk {

class CMainFrame;

struct StartupOptions {
    QString dataDir;        // --data-dir DIR (else ZELK_DATA_DIR, else the program's rule)
    QString databasePath;   // a ".kvy" file named on the command line
    bool showSplash = true; // --no-splash leaves the about box out
    Clock clock;            // empty: the system clock
};

// Reads "--data-dir DIR", "--data-dir=DIR", "--no-splash" and a database path out
// of the program's arguments (the first is the program itself). Unknown options
// are ignored.
StartupOptions ParseStartupArguments(const QStringList& arguments);

class AppSession {
  public:
    AppSession();
    ~AppSession();

    // Settings, present moment, next client number, main window, database; then
    // the window is shown and (unless switched off) the splash is posted.
    bool start(const StartupOptions& options);

    AppContext& context() { return context_; }
    CMainFrame* mainFrame() const { return frame_.get(); }

  private:
    void loadSettings();
    void readCurrentTime();

    AppContext context_;
    std::unique_ptr<AppClientSettings> clientSettings_;
    std::unique_ptr<QSettings> windowState_;
    std::unique_ptr<CMainFrame> frame_;
};

} // namespace zelk
