// The client pane's tool bar clicked as a user clicks it (the real QToolButtons),
// the Ctrl+P accelerator, and the chart buttons that follow the chart window.
#include "app_test_support.h"

#include "app/child_frame.h"
#include "app/class_view.h"
#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/input_dlg.h"
#include "app/main_frame.h"
#include "app/res_text.h"
#include "app/search_dlg.h"
#include "app/view_tree.h"
#include "app/zelk_doc.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPrintDialog>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace zelk {
namespace {

using test::TestSession;

// Runs `act` on each modal dialog or pop-up menu that opens while it lives, and
// records their classes.
class Opened : public QObject {
  public:
    using Act = std::function<void(QWidget*)>;
    explicit Opened(Act act) : act_(std::move(act)) {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, [this] {
            QWidget* w = QApplication::activePopupWidget();
            if (!w) w = QApplication::activeModalWidget();
            if (!w || w == last_) return;
            last_ = w;
            seen << QString::fromLatin1(w->metaObject()->className());
            act_(w);
        });
        timer_.start();
    }
    QStringList seen;

  private:
    Act act_;
    QTimer timer_;
    QPointer<QWidget> last_;
};

void Close(QWidget* w) {
    if (auto* d = qobject_cast<QDialog*>(w))
        d->reject();
    else
        w->close();
}

void AnswerInput(QWidget* w, const QString& name, int year, int month, int day) {
    auto* dlg = qobject_cast<CInputDlg*>(w);
    ASSERT_NE(dlg, nullptr);
    qobject_cast<QLineEdit*>(dlg->control(ctl::Name))->setText(name);
    dlg->chooseYear(year - 1900);
    dlg->chooseMonth(month - 1);
    dlg->chooseDay(day - 1);
    dlg->chooseHour(3);
    dlg->accept();
}

struct Pane {
    QTemporaryDir dir;
    TestSession s{dir.path()};
    CMainFrame* frame = s.session->mainFrame();

    QToolButton* button(int id) const {
        QToolBar* bar = frame->clientPane()->toolBar();
        if (id == cmd::FunctionMenu) return frame->clientPane()->functionButton();
        return qobject_cast<QToolButton*>(bar->widgetForAction(frame->commands().action(id)));
    }
    // A click on the button; whatever opens is handed to `act`.
    QStringList click(int id, Opened::Act act = Close) {
        QToolButton* b = button(id);
        EXPECT_NE(b, nullptr) << id;
        if (!b) return {};
        EXPECT_TRUE(b->isEnabled()) << "button " << id << " is greyed";
        Opened opened(std::move(act));
        QTest::mouseClick(b, Qt::LeftButton);
        QApplication::processEvents();
        return opened.seen;
    }
    void addClient(const QString& name, int year) {
        click(cmd::NewClient, [name, year](QWidget* w) { AnswerInput(w, name, year, 5, 10); });
    }
};

QString ClassOf(const QMetaObject& meta) {
    return QString::fromLatin1(meta.className());
}

TEST(PaneToolBar, EveryButtonDoesWhatItsTipSays) {
    Pane p;
    // 各項功能: the command menu drops down under the button.
    const QStringList menu = p.click(cmd::FunctionMenu);
    EXPECT_EQ(menu, QStringList{ClassOf(QMenu::staticMetaObject)});

    // 新增命盤: the input dialog; its 排盤 stores the client and shows the chart.
    p.addClient(QStringLiteral("王小明"), 1980);
    p.addClient(QStringLiteral("陳大文"), 1975);
    ASSERT_EQ(p.frame->tree()->clients().size(), 2u);
    ASSERT_EQ(p.frame->chartWindows().size(), 2u);

    // 修改命盤: the input dialog for the current chart's client.
    bool modify = false;
    p.click(cmd::ModifyClient, [&modify](QWidget* w) {
        auto* dlg = qobject_cast<CInputDlg*>(w);
        modify =
            dlg && dlg->mode() == CInputDlg::Mode::Modify &&
            qobject_cast<QLineEdit*>(dlg->control(ctl::Name))->text() == QStringLiteral("陳大文");
        dlg->reject();
    });
    EXPECT_TRUE(modify);

    // 命盤全選 checks everyone; 開啟命盤 opens one chart per checked client.
    EXPECT_FALSE(p.button(cmd::OpenChecked)->isEnabled());
    p.click(cmd::ToggleAll);
    EXPECT_EQ(p.frame->tree()->countCheckedClients(), 2);
    EXPECT_TRUE(p.button(cmd::OpenChecked)->isEnabled());
    p.click(cmd::OpenChecked);
    EXPECT_EQ(p.frame->chartWindows().size(), 4u);

    // 列印: the print dialog of the current chart.
    EXPECT_EQ(p.click(cmd::Print), QStringList{ClassOf(QPrintDialog::staticMetaObject)});

    // 刪除命盤 with clients checked: asked once, then both are gone with their charts.
    p.click(cmd::DeleteClient);
    EXPECT_EQ(p.s.responder.questions.value(0), QStringLiteral("是否要刪除被打勾的客戶資料?"));
    EXPECT_TRUE(p.frame->tree()->clients().empty());
    EXPECT_TRUE(p.frame->chartWindows().empty());
    EXPECT_TRUE(p.s.responder.warnings.isEmpty())
        << p.s.responder.warnings.join('\n').toStdString();
}

TEST(PaneToolBar, DeleteWithNothingCheckedOpensTheDeleteDialog) {
    Pane p;
    p.addClient(QStringLiteral("王小明"), 1980);
    EXPECT_EQ(p.click(cmd::DeleteClient), QStringList{ClassOf(CSearchDlg::staticMetaObject)});
    EXPECT_EQ(p.frame->tree()->clients().size(), 1u);
}

TEST(PaneToolBar, CancelledOrRefusedNewClientLeavesNoEmptyWindow) {
    Pane p;
    p.click(cmd::NewClient); // 取消
    EXPECT_TRUE(p.frame->chartWindows().empty());
    // 1900-01-05 lies before the lunar table: the chart is refused with a message.
    p.click(cmd::NewClient, [](QWidget* w) { AnswerInput(w, QStringLiteral("太早"), 1900, 1, 5); });
    EXPECT_FALSE(p.s.responder.warnings.isEmpty());
    EXPECT_TRUE(p.frame->chartWindows().empty());
    QApplication::processEvents();
    EXPECT_TRUE(p.frame->mdiArea()->subWindowList().isEmpty());
    EXPECT_EQ(p.frame->windowTitle(), ProductTitle());
}

// 修 and 印 answer as soon as a chart is shown in the active window, and go grey
// when it no longer shows one.
TEST(PaneToolBar, ChartButtonsFollowTheActiveChartAtOnce) {
    Pane p;
    p.addClient(QStringLiteral("王小明"), 1980);
    p.frame->closeAllCharts();
    ASSERT_TRUE(p.frame->chartWindows().empty());
    EXPECT_FALSE(p.button(cmd::ModifyClient)->isEnabled());
    EXPECT_FALSE(p.button(cmd::Print)->isEnabled());

    // A chart loaded into a fresh window by any path enables them.
    CChildFrame* window = p.frame->newChartWindow();
    EXPECT_FALSE(p.button(cmd::Print)->isEnabled()); // nothing shown yet
    window->document()->loadStoredClient(p.frame->tree()->clients()[0], 0,
                                         p.s.session->context().env());
    EXPECT_TRUE(p.button(cmd::ModifyClient)->isEnabled());
    EXPECT_TRUE(p.button(cmd::Print)->isEnabled());

    window->document()->clearChart();
    EXPECT_FALSE(p.button(cmd::ModifyClient)->isEnabled());
    EXPECT_FALSE(p.button(cmd::Print)->isEnabled());
}

// Ctrl+P prints the current chart from anywhere in the main window, also when the
// user took 印 off the pane's tool bar.
TEST(PaneToolBar, CtrlPOpensThePrintDialog) {
    Pane p;
    p.addClient(QStringLiteral("王小明"), 1980);
    p.frame->clientPane()->toolBar()->removeAction(p.frame->commands().action(cmd::Print));
    p.frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(p.frame));
    Opened opened(Close);
    QTest::keyClick(p.frame->tree(), Qt::Key_P, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(opened.seen, QStringList{ClassOf(QPrintDialog::staticMetaObject)});
}

} // namespace
} // namespace zelk
