// Chart windows as a practitioner meets them: the title and tab follow the level
// shown, every tab keeps its own colour, the tab bar's document list and the
// window manager bring a chart to the front or close it.
#include "app_test_support.h"

#include "app/chart_tabs.h"
#include "app/child_frame.h"
#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/input_dlg.h"
#include "app/main_frame.h"
#include "app/res_text.h"
#include "app/view_tree.h"
#include "app/window_manager_dlg.h"
#include "app/zelk_doc.h"
#include "view/chart_interaction.h"
#include "view/period_pickers.h"
#include "view/zelk_view_widget.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace zelk {
namespace {

using test::TestSession;
using test::WhenDialogOpens;

// A program with one chart window per client named.
struct Charts {
    QTemporaryDir dir;
    TestSession s{dir.path()};
    CMainFrame* frame = s.session->mainFrame();

    explicit Charts(const QStringList& names) {
        int year = 1970;
        for (const QString& name : names) {
            WhenDialogOpens([name, year](QDialog* d) {
                auto* dlg = qobject_cast<CInputDlg*>(d);
                ASSERT_NE(dlg, nullptr);
                qobject_cast<QLineEdit*>(dlg->control(ctl::Name))->setText(name);
                dlg->chooseYear(year - 1900);
                dlg->accept();
            });
            frame->newClient();
            ++year;
        }
        QApplication::processEvents();
    }
    QTabBar* bar() const { return frame->chartTabs()->tabBar(); }
    QStringList tabTexts() const {
        QStringList texts;
        for (int i = 0; i < bar()->count(); ++i)
            texts << bar()->tabText(i);
        return texts;
    }
};

// Presses a level button of the chart (the picker answers with its first entry).
void PressLevel(CChildFrame* window, int level) {
    CZelkView* view = window->view();
    auto* controller = view->findChild<CChartInteraction*>();
    ASSERT_NE(controller, nullptr);
    const ChartLayout& l = view->layout();
    CPeriodPickerDlg::setRunner([](CPeriodPickerDlg& picker) { return picker.acceptWith(0); });
    controller->press(QPoint(l.buttonLeft + 37, l.buttonTop[std::size_t(level)] + 25),
                      Qt::LeftButton);
    CPeriodPickerDlg::setRunner({});
    QApplication::processEvents(); // the view repaints
}

TEST(ChartWindows, TitleAndTabNameTheLevelShown) {
    Charts c({QStringLiteral("王小明")});
    CChildFrame* window = c.frame->chartWindows().front();
    ASSERT_EQ(c.tabTexts(), QStringList{QStringLiteral("本命盤 : 王小明")});
    PressLevel(window, kLevelFlowYear);
    EXPECT_EQ(window->document()->record().shownLevel, kLevelFlowYear);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("流年盤 : 王小明"));
    PressLevel(window, kLevelNatal);
    EXPECT_EQ(window->document()->record().shownLevel, kLevelNatal);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("本命盤 : 王小明"));
    EXPECT_EQ(c.tabTexts(), QStringList{QStringLiteral("本命盤 : 王小明")});
    // The main window keeps the product title.
    EXPECT_EQ(c.frame->windowTitle(), ProductTitle());
}

TEST(ChartWindows, EveryTabKeepsItsOwnColour) {
    Charts c({QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙")});
    const std::vector<CChildFrame*> windows = c.frame->chartWindows();
    ASSERT_EQ(c.bar()->count(), 3);
    QList<QRgb> colours;
    for (int i = 0; i < 3; ++i) {
        const QColor colour = c.frame->chartTabs()->tabColour(i);
        ASSERT_TRUE(colour.isValid());
        EXPECT_EQ(colour, ChartTabs::colourOf(windows[std::size_t(i)]));
        EXPECT_FALSE(colours.contains(colour.rgb())) << "two tabs share a colour";
        colours << colour.rgb();
    }

    // What the user sees: each tab is painted in its colour (sampled away from
    // the text, below the band along the top edge).
    const QImage shot = c.bar()->grab().toImage();
    for (int i = 0; i < 3; ++i) {
        const QRect r = c.bar()->tabRect(i);
        const QColor seen = shot.pixelColor(r.left() + 4, r.bottom() - 3);
        const QColor want = c.frame->chartTabs()->tabColour(i);
        EXPECT_LT(std::abs(seen.hue() - want.hue()), 25)
            << "tab " << i << " " << seen.name().toStdString();
        EXPECT_GT(seen.saturation(), 40) << "tab " << i << " is not coloured";
    }

    // A tab dragged elsewhere takes its colour along.
    c.bar()->moveTab(0, 2);
    EXPECT_EQ(c.frame->chartTabs()->tabColour(2), ChartTabs::colourOf(windows[0]));
    // A closed window's colour goes to the next new one.
    const QColor freed = ChartTabs::colourOf(windows[1]);
    windows[1]->close();
    QApplication::processEvents();
    CChildFrame* next = c.frame->newChartWindow();
    EXPECT_EQ(ChartTabs::colourOf(next), freed);
}

TEST(ChartWindows, DocumentListBringsAChartToTheFront) {
    Charts c({QStringLiteral("甲"), QStringLiteral("乙")});
    QToolButton* list = c.frame->chartTabs()->listButton();
    EXPECT_TRUE(list->isVisible());
    // The button sits at the end of the bar, which leaves it room.
    EXPECT_LE(c.bar()->geometry().right(), list->geometry().left());

    QMenu* menu = c.frame->chartTabs()->documentMenu();
    emit menu->aboutToShow();
    QStringList texts;
    QAction* first = nullptr;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator()) continue;
        texts << a->text();
        if (!first) first = a;
    }
    EXPECT_EQ(texts, (QStringList{QStringLiteral("&1 本命盤 : 甲"),
                                  QStringLiteral("&2 本命盤 : 乙"), Res(131)}));
    EXPECT_TRUE(menu->actions()[1]->isChecked()); // 乙 is the active chart
    first->trigger();
    EXPECT_EQ(c.frame->currentChartWindow(), c.frame->chartWindows().front());

    // With the last chart closed the button goes.
    c.frame->closeAllCharts();
    QApplication::processEvents();
    EXPECT_FALSE(list->isVisible());
}

TEST(ChartWindows, RightClickOnATabOffersToCloseIt) {
    Charts c({QStringLiteral("甲"), QStringLiteral("乙")});
    QTimer closer;
    QStringList offered;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        for (QAction* a : menu->actions())
            if (!a->isSeparator()) offered << a->text();
        menu->actions().front()->trigger();
        menu->close();
    });
    closer.start(5);
    const QPoint onFirst = c.bar()->tabRect(0).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, onFirst, c.bar()->mapToGlobal(onFirst));
    QApplication::sendEvent(c.bar(), &event);
    closer.stop();
    QApplication::processEvents();
    ASSERT_FALSE(offered.isEmpty());
    EXPECT_EQ(offered.front(), QStringLiteral("關閉此命盤"));
    EXPECT_TRUE(offered.contains(Res(131)));
    ASSERT_EQ(c.frame->chartWindows().size(), 1u);
    EXPECT_EQ(c.frame->chartWindows().front()->windowTitle(), QStringLiteral("本命盤 : 乙"));
}

TEST(ChartWindows, WindowManagerActivatesOneAndClosesSeveral) {
    Charts c({QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙")});
    const std::vector<CChildFrame*> windows = c.frame->chartWindows();
    CWindowManagerDlg dialog(c.frame->mdiArea(), c.frame);
    QListWidget* list = dialog.list();
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->currentRow(), 2); // the active chart
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("本命盤 : 甲"));

    list->item(0)->setSelected(true); // 甲 and 丙
    EXPECT_FALSE(dialog.activateButton()->isEnabled());
    EXPECT_TRUE(dialog.closeButton()->isEnabled());
    QTest::mouseClick(dialog.closeButton(), Qt::LeftButton);
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("本命盤 : 乙"));
    ASSERT_EQ(c.frame->chartWindows().size(), 1u);
    EXPECT_EQ(c.frame->chartWindows().front(), windows[1]);

    list->setCurrentRow(0);
    QTest::mouseClick(dialog.activateButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(c.frame->mdiArea()->activeSubWindow(), windows[1]);
}

} // namespace
} // namespace zelk
