#include "settings_dlg_commands.h"

#include "app_context.h"
#include "command_ids.h"
#include "four_hua_edit_dlg.h"
#include "gisuong_rule_dlg.h"
#include "settings_dlg_interface.h"
#include "settings_dlg_pan_base.h"
#include "settings_dlg_print.h"
#include "settings_dlg_school.h"
#include "settings_dlg_star_display.h"

#include <algorithm>
#include <array>

namespace zelk {

namespace {

constexpr std::array kSettingsCommands = {
    cmd::ChartParameters, cmd::InterfaceSettings, cmd::StarDisplay, cmd::PrintParameters,
    cmd::School,          cmd::UserFourHua,       cmd::ImportRules};

constexpr int kUserFourHuaType = 3;

void Call(const std::function<void()>& hook) {
    if (hook) hook();
}

enum class Follow { Recompute, Repaint };

// A settings dialog: confirmed, its fields go into AppSettings.
template <class Dialog>
bool RunFieldDialog(QWidget* parent, AppContext& context, const SettingsCommandHooks& hooks,
                    Follow follow) {
    Dialog dialog(context, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    dialog.applyTo(context.settings);
    Call(follow == Follow::Recompute ? hooks.refreshAllCharts : hooks.repaint);
    return true;
}

// The four-transformation editor and the timing rules store into AppSettings
// themselves when their write succeeded.
template <class Dialog>
bool RunSelfStoringDialog(QWidget* parent, AppContext& context, const SettingsCommandHooks& hooks) {
    Dialog dialog(context, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    Call(hooks.repaint);
    return true;
}

} // namespace

std::span<const int> SettingsCommandIds() {
    return kSettingsCommands;
}

bool IsSettingsCommand(int commandId) {
    return std::find(kSettingsCommands.begin(), kSettingsCommands.end(), commandId) !=
           kSettingsCommands.end();
}

bool IsSettingsCommandEnabled(int commandId, const AppSettings& settings) {
    if (commandId == cmd::UserFourHua) return settings.FourHuaType == kUserFourHuaType;
    return IsSettingsCommand(commandId);
}

bool RunSettingsCommand(int commandId, QWidget* parent, AppContext& context,
                        const SettingsCommandHooks& hooks) {
    if (!IsSettingsCommandEnabled(commandId, context.settings)) return false;
    switch (commandId) {
    case cmd::ChartParameters:
        return RunFieldDialog<CPanBaseDlg>(parent, context, hooks, Follow::Recompute);
    case cmd::InterfaceSettings:
        return RunFieldDialog<CSetInterface>(parent, context, hooks, Follow::Recompute);
    case cmd::StarDisplay:
        return RunFieldDialog<CStarDisplayDlg>(parent, context, hooks, Follow::Recompute);
    case cmd::School:
        return RunFieldDialog<CSelectManPie>(parent, context, hooks, Follow::Recompute);
    case cmd::PrintParameters:
        return RunFieldDialog<CPrintDlg>(parent, context, hooks, Follow::Repaint);
    case cmd::UserFourHua:
        return RunSelfStoringDialog<CEditFourHua>(parent, context, hooks);
    case cmd::ImportRules:
        return RunSelfStoringDialog<CGiSuongRule>(parent, context, hooks);
    default:
        return false;
    }
}

} // namespace zelk
