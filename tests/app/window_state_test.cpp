// What the program keeps of its window from one run to the next: size, place,
// maximised state, docks, and the tool-bar buttons the user chose.
#include "app_test_support.h"

#include "app/class_view.h"
#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/main_frame.h"
#include "app/screen_fit.h"
#include "app/tool_bar_customize.h"
#include "app/window_layout.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QListWidget>
#include <QScreen>
#include <QSettings>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace zelk {
namespace {

using test::TestSession;
using test::WhenDialogOpens;

// The command of every button, the menu button's included.
std::vector<int> Buttons(QToolBar* bar) {
    std::vector<int> ids;
    for (QAction* a : bar->actions()) {
        auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(a));
        ids.push_back(button && button->defaultAction() ? button->defaultAction()->data().toInt()
                                                        : a->data().toInt());
    }
    return ids;
}

TEST(FirstWindow, FitsTheAvailableAreaOfCommonScreens) {
    struct Case {
        QRect available;
        QSize expected;
    };
    const Case cases[] = {
        {{0, 0, 1920, 1080}, {1440, 960}},   // room to spare: the preferred size
        {{0, 0, 1366, 768}, {1326, 724}},    // a laptop: nearly the whole screen
        {{0, 0, 1366, 728}, {1326, 684}},    // the same with a panel of 40 px
        {{0, 0, 1280, 1024}, {1240, 960}},   //
        {{1920, 0, 1366, 768}, {1326, 724}}, // a second screen to the right
    };
    for (const Case& c : cases) {
        const QRect g = FirstWindowGeometry(c.available);
        EXPECT_EQ(g.size(), c.expected) << c.available.width() << "x" << c.available.height();
        // The frame's title bar above and the borders fit on the screen too.
        EXPECT_TRUE(c.available.contains(g.adjusted(-8, -30, 8, 8)))
            << g.x() << "," << g.y() << " " << g.width() << "x" << g.height();
    }
    // A screen smaller than any sensible window gets the whole of it.
    const QRect tiny = FirstWindowGeometry({0, 0, 400, 300});
    EXPECT_LE(tiny.width(), 400);
    EXPECT_LE(tiny.height(), 300);
}

TEST(WindowLayout, SizePlaceAndDocksAreKeptAcrossRuns) {
    QTemporaryDir dir;
    QRect placed;
    {
        TestSession s(dir.path());
        CMainFrame* frame = s.session->mainFrame();
        // The first run fits the screen.
        EXPECT_TRUE(frame->screen()->availableGeometry().contains(frame->geometry()));
        frame->setGeometry(70, 90, 900, 650);
        frame->dock(cmd::OutputPane)->show();
        frame->dock(cmd::ClientPane)->hide();
        placed = frame->geometry();
    }
    {
        TestSession s(dir.path());
        CMainFrame* frame = s.session->mainFrame();
        EXPECT_EQ(frame->geometry().size(), placed.size());
        EXPECT_EQ(frame->geometry().topLeft(), placed.topLeft());
        EXPECT_TRUE(frame->dock(cmd::OutputPane)->isVisible());
        EXPECT_FALSE(frame->dock(cmd::ClientPane)->isVisible());
        frame->dock(cmd::ClientPane)->show();
        frame->showMaximized();
    }
    TestSession s(dir.path());
    EXPECT_TRUE(s.session->mainFrame()->isMaximized());
    EXPECT_TRUE(s.session->mainFrame()->dock(cmd::ClientPane)->isVisible());
}

TEST(WindowLayout, ADamagedStoreGivesTheFirstWindow) {
    QTemporaryDir dir;
    {
        QSettings store(dir.filePath(QStringLiteral("window_state.ini")), QSettings::IniFormat);
        store.setValue(QStringLiteral("MainWindow/Geometry"), QByteArray("not a geometry"));
        store.setValue(QStringLiteral("MainWindow/State"), QByteArray("\x01\x02", 2));
    }
    TestSession s(dir.path());
    CMainFrame* frame = s.session->mainFrame();
    EXPECT_EQ(frame->geometry(), FirstWindowGeometry(frame->screen()->availableGeometry()));
    EXPECT_TRUE(frame->dock(cmd::ClientPane)->isVisible());
}

TEST(ToolBarLists, UnknownRepeatedAndMenuButtonEntriesAreLeftOut) {
    QTemporaryDir dir;
    TestSession s(dir.path());
    const CommandTable& table = s.session->mainFrame()->commands();
    EXPECT_EQ(ParseCommandList(QStringLiteral("57600, 99999,x,57600,32821,32773,"), table),
              (std::vector<int>{57600, 32773}));
    EXPECT_EQ(FormatCommandList({57600, 32773}), QStringLiteral("57600,32773"));
    EXPECT_TRUE(ParseCommandList(QString(), table).empty());
}

TEST(ToolBarCustomisation, ButtonsChosenInTheDialogStayAfterARestart) {
    QTemporaryDir dir;
    {
        TestSession s(dir.path());
        CMainFrame* frame = s.session->mainFrame();
        WhenDialogOpens([](QDialog* d) {
            auto* dlg = qobject_cast<CCustomizeDlg*>(d);
            ASSERT_NE(dlg, nullptr);
            EXPECT_EQ(dlg->barChooser()->count(), 1); // the pane's bar
            // Take 刪除命盤 off, put 設定排盤參數... after 修改命盤.
            dlg->buttonList()->setCurrentRow(3);
            dlg->removeChosenButton();
            dlg->buttonList()->setCurrentRow(2);
            for (int i = 0; i < dlg->commandList()->count(); ++i)
                if (dlg->commandList()->item(i)->text() == QStringLiteral("設定排盤參數..."))
                    dlg->commandList()->setCurrentRow(i);
            dlg->addChosenCommand();
            dlg->moveChosenButton(-1); // before 修改命盤
            // A bar of the user's own with 更新時間.
            ASSERT_TRUE(dlg->addUserToolBar(QStringLiteral("我的工具列")));
            for (int i = 0; i < dlg->commandList()->count(); ++i)
                if (dlg->commandList()->item(i)->text() == QStringLiteral("更新時間"))
                    dlg->commandList()->setCurrentRow(i);
            dlg->addChosenCommand();
            dlg->accept();
        });
        frame->commands().action(cmd::Customize)->trigger();
        const std::vector<int> expected = {
            cmd::FunctionMenu, cmd::OpenChecked, cmd::NewClient, cmd::ChartParameters,
            cmd::ModifyClient, cmd::ToggleAll,   cmd::Print};
        EXPECT_EQ(Buttons(frame->clientPane()->toolBar()), expected);
        QToolBar* mine = frame->toolBar(UserToolBarName(cmd::FirstUserToolBar));
        ASSERT_NE(mine, nullptr);
        EXPECT_EQ(mine->windowTitle(), QStringLiteral("我的工具列"));
        EXPECT_EQ(Buttons(mine), std::vector<int>{cmd::RefreshTime});
        EXPECT_TRUE(mine->isVisible());
    }
    {
        TestSession s(dir.path());
        CMainFrame* frame = s.session->mainFrame();
        EXPECT_EQ(Buttons(frame->clientPane()->toolBar()),
                  (std::vector<int>{cmd::FunctionMenu, cmd::OpenChecked, cmd::NewClient,
                                    cmd::ChartParameters, cmd::ModifyClient, cmd::ToggleAll,
                                    cmd::Print}));
        QToolBar* mine = frame->toolBar(UserToolBarName(cmd::FirstUserToolBar));
        ASSERT_NE(mine, nullptr);
        EXPECT_TRUE(mine->isVisible());
        EXPECT_EQ(Buttons(mine), std::vector<int>{cmd::RefreshTime});

        // 回復預設值 and removing the user's bar.
        WhenDialogOpens([](QDialog* d) {
            auto* dlg = qobject_cast<CCustomizeDlg*>(d);
            ASSERT_NE(dlg, nullptr);
            ASSERT_EQ(dlg->barChooser()->count(), 2);
            dlg->chooseBar(0);
            dlg->restoreDefaultButtons();
            dlg->chooseBar(1);
            dlg->removeUserToolBar();
            dlg->accept();
        });
        frame->commands().action(cmd::Customize)->trigger();
    }
    TestSession s(dir.path());
    CMainFrame* frame = s.session->mainFrame();
    std::vector<int> defaults = DefaultPaneButtons();
    defaults.insert(defaults.begin(), cmd::FunctionMenu);
    EXPECT_EQ(Buttons(frame->clientPane()->toolBar()), defaults);
    EXPECT_EQ(frame->toolBar(UserToolBarName(cmd::FirstUserToolBar)), nullptr);
}

TEST(ToolBarCustomisation, CancelChangesNothing) {
    QTemporaryDir dir;
    TestSession s(dir.path());
    CMainFrame* frame = s.session->mainFrame();
    const std::vector<int> before = Buttons(frame->clientPane()->toolBar());
    WhenDialogOpens([](QDialog* d) {
        auto* dlg = qobject_cast<CCustomizeDlg*>(d);
        ASSERT_NE(dlg, nullptr);
        dlg->buttonList()->setCurrentRow(0);
        dlg->removeChosenButton();
        dlg->reject();
    });
    frame->commands().action(cmd::Customize)->trigger();
    EXPECT_EQ(Buttons(frame->clientPane()->toolBar()), before);
    QSettings store(dir.filePath(QStringLiteral("window_state.ini")), QSettings::IniFormat);
    EXPECT_FALSE(store.contains(QStringLiteral("ToolBars/clientPaneToolBar")));
}

} // namespace
} // namespace zelk

namespace zelk {
namespace {

// On a screen smaller than a settings dialog (the off-screen one is 800 by 600),
// the dialog stays on the screen and 確定 stays in view; its groups scroll.
TEST(SettingsDialogSize, FitTheScreenWithTheirButtonsInView) {
    QTemporaryDir dir;
    test::TestSession s(dir.path());
    CMainFrame* frame = s.session->mainFrame();
    const QRect area = frame->screen()->availableGeometry();
    for (int id : {cmd::ChartParameters, cmd::InterfaceSettings, cmd::StarDisplay,
                   cmd::PrintParameters, cmd::School}) {
        QRect shown;
        QRect okButton;
        WhenDialogOpens([&](QDialog* d) {
            shown = d->frameGeometry();
            for (QAbstractButton* b : d->findChildren<QAbstractButton*>())
                if (b->text() == QStringLiteral("確定"))
                    okButton = QRect(b->mapTo(d, QPoint(0, 0)), b->size());
            d->reject();
        });
        frame->commands().action(id)->trigger();
        ASSERT_FALSE(shown.isEmpty()) << id;
        EXPECT_TRUE(area.contains(shown)) << id << ": " << shown.width() << "x" << shown.height();
        EXPECT_TRUE(QRect(QPoint(0, 0), shown.size()).contains(okButton)) << id;
    }
}

// A dialog taller than the screen is cut down to it (with room for its frame),
// and made wider by a scroll bar's width for the scroll bar it will need.
TEST(SettingsDialogSize, ATallDialogIsCutToTheScreen) {
    QDialog tall;
    const QRect area = tall.screen()->availableGeometry();
    tall.resize(300, area.height() + 500);
    FitToScreen(&tall);
    EXPECT_LE(tall.height(), area.height() - 30);
    EXPECT_GT(tall.width(), 300);
    QDialog small;
    small.resize(300, 200);
    FitToScreen(&small);
    EXPECT_EQ(small.size(), QSize(300, 200));
}

} // namespace
} // namespace zelk
