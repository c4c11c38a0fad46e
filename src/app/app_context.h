// What the windows of one running program share: the settings, the present
// moment and its clock, the folders, and the next client number. CZelkApp owns it;
// windows get a reference, so tests can build windows on a context of their own.
#pragma once

#include "calendar/current_time.h"
#include "calendar/solar_terms.h"
#include "chart/chart_engine.h"
#include "settings/app_settings.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace zelk {

struct AppContext {
    AppSettings settings;
    CurrentTime now;
    Clock clock = SystemClock();
    QString settingsPath;    // the INI file every setting is read from and written to
    QString programDir;      // the folder of the settings file and the default database
    QString dataFilesDir;    // the read-only data files (logo, solar terms, explanations)
    QString explicitDataDir; // --data-dir or ZELK_DATA_DIR; empty when not given
    // The solar terms of 1801-2100, read once at start-up; empty when the data file
    // is missing or damaged (the side panel then leaves the term column empty).
    std::optional<SolarTermTable> solarTerms;

    ChartEnv env() { return {settings, now, clock}; }
    // Takes the next client number for a new client and writes the advanced number
    // to UserNextId at once.
    int32_t takeNextClientId();
    // The path of a data file installed beside the program.
    QString dataFile(const QString& name) const;
    // Writes one integer setting of the main section to the settings file.
    void storeIntSetting(int keyStringId, int value);
    // Writes one text setting of the main section (LastOpenUserFile, the finder).
    void storeStringSetting(int keyStringId, const QString& value);
    QString mainString(int keyStringId) const;
};

} // namespace zelk
