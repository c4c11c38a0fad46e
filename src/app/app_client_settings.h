// The client layer's view of the settings: the next client number, the year style
// and the current database file, kept in the program's settings file.
#pragma once

#include "app_context.h"
#include "clients/client_settings.h"

namespace zelk {

class AppClientSettings : public ClientSettings {
  public:
    explicit AppClientSettings(AppContext& context) : context_(context) {}

    int32_t userNextId() const override { return context_.settings.UserNextId; }
    void setUserNextId(int32_t next) override {
        context_.settings.UserNextId = next;
        context_.storeIntSetting(549, next);
    }
    int yearDisplay() const override { return context_.settings.YearDisplay; }
    QString lastOpenUserFile() const override { return context_.mainString(608); }
    void setLastOpenUserFile(const QString& path) override {
        if (context_.mainString(608) != path) context_.storeStringSetting(608, path);
    }
    QString programDirectory() const override { return context_.programDir; }

  private:
    AppContext& context_;
};

} // namespace zelk
