// The settings commands of the command table: the five settings dialogs, the
// user's four-transformation table and the timing rules. Each runs its dialog
// and, when it was confirmed, puts the stored values into AppSettings and asks
// the main window to follow:
//
//   32773 排盤參數設定, 32828 操作介面設定, 32786 星曜顯示設定, 32814 門派
//         -> every open chart is computed again and repainted
//   32787 請設定列印參數, 32823 自訂四化, 32848 垂象法則
//         -> the main window and its charts are repainted, nothing recomputed
//
// 32823 runs only while FourHuaType is 3 (the user's own table is in force).
#pragma once

#include <functional>
#include <span>

class QWidget;

namespace zelk {

struct AppContext;
struct AppSettings;

struct SettingsCommandHooks {
    std::function<void()> refreshAllCharts; // recompute every open chart, then repaint
    std::function<void()> repaint;          // repaint the main window and its charts
};

// The commands handled here.
std::span<const int> SettingsCommandIds();
bool IsSettingsCommand(int commandId);
// The update rule: 自訂四化 only while FourHuaType is 3; the others always.
bool IsSettingsCommandEnabled(int commandId, const AppSettings& settings);

// Runs the command's dialog. True when it was confirmed and stored; false when it
// was cancelled, is disabled, or is not a settings command.
bool RunSettingsCommand(int commandId, QWidget* parent, AppContext& context,
                        const SettingsCommandHooks& hooks);

} // namespace zelk
