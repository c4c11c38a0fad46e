// The update rules of the command table and the visual-style fallback.
#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/visual_style.h"

#include <gtest/gtest.h>

namespace zelk {
namespace {

TEST(CommandRules, ChartCommandsNeedAShownChartAndNoPreview) {
    CommandState s;
    EXPECT_FALSE(CommandRuleEnables(cmd::ModifyClient, s));
    EXPECT_FALSE(CommandRuleEnables(cmd::ExportChartImage, s));
    EXPECT_FALSE(CommandRuleEnables(cmd::CloseAllCharts, s));
    s.chartWindowCurrent = true; // an empty chart window
    EXPECT_FALSE(CommandRuleEnables(cmd::ModifyClient, s));
    EXPECT_TRUE(CommandRuleEnables(cmd::ExportChartImage, s));
    EXPECT_TRUE(CommandRuleEnables(cmd::CloseAllCharts, s));
    s.currentShownLevel = 0;
    EXPECT_TRUE(CommandRuleEnables(cmd::ModifyClient, s));
    EXPECT_TRUE(CommandRuleEnables(cmd::DeleteClient, s));
    s.previewOpen = true;
    EXPECT_FALSE(CommandRuleEnables(cmd::ModifyClient, s));
    EXPECT_FALSE(CommandRuleEnables(cmd::DeleteClient, s));
    EXPECT_FALSE(CommandRuleEnables(cmd::CloseAllCharts, s));
}

TEST(CommandRules, ChecksAndListDriveThePaneButtons) {
    CommandState s;
    EXPECT_FALSE(CommandRuleEnables(cmd::OpenChecked, s));
    EXPECT_FALSE(CommandRuleEnables(cmd::DeleteClient, s));
    EXPECT_FALSE(CommandRuleEnables(cmd::ToggleAll, s));
    s.clientCount = 3;
    EXPECT_TRUE(CommandRuleEnables(cmd::ToggleAll, s));
    s.checkedClients = 1;
    EXPECT_TRUE(CommandRuleEnables(cmd::OpenChecked, s));
    EXPECT_TRUE(CommandRuleEnables(cmd::DeleteClient, s));
    EXPECT_TRUE(CommandRuleEnables(cmd::NewClient, s));
}

TEST(CommandRules, FourHuaEditorOnlyForTheUsersTableAndAnalysisNever) {
    CommandState s;
    s.fourHuaType = 3;
    EXPECT_TRUE(CommandRuleEnables(cmd::UserFourHua, s));
    s.fourHuaType = 2;
    EXPECT_FALSE(CommandRuleEnables(cmd::UserFourHua, s));
    s.chartWindowCurrent = true;
    s.currentShownLevel = 0;
    s.checkedClients = 5;
    EXPECT_FALSE(CommandRuleEnables(cmd::ExportAnalysis, s));
    // Only 分析資料 has nothing behind it; the school and rule dialogs are there.
    EXPECT_FALSE(CommandAvailable(cmd::ExportAnalysis));
    for (int id : {cmd::Print, cmd::ChartParameters, cmd::ExportChartImage, cmd::School,
                   cmd::ImportRules, cmd::WindowManager, cmd::Customize})
        EXPECT_TRUE(CommandAvailable(id)) << id;
}

TEST(VisualStyle, UnlistedIdentifiersFallBackToTheBlueStyle) {
    for (int id : {211, 212, 213, 214, 0, 300, -5})
        EXPECT_EQ(EffectiveStyle(id), 215) << id;
    for (int id : kStyleIds)
        EXPECT_EQ(EffectiveStyle(id), id);
}

} // namespace
} // namespace zelk
