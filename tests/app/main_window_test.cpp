// The desktop program driven off-screen: start-up, adding a client through the
// input dialog, modifying and deleting through the pane, the finder, import and
// export, the delete dialog, open charts after deletions, the database lock.
#include "app_test_support.h"

#include "app/child_frame.h"
#include "app/class_view.h"
#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/finder_edit.h"
#include "app/input_dlg.h"
#include "app/main_frame.h"
#include "app/view_tree.h"
#include "app/zelk_doc.h"
#include "clients/client_file.h"
#include "settings/settings_store.h"
#include "view/chart_interaction.h"
#include "view/period_pickers.h"
#include "view/zelk_view_widget.h"

#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

namespace zelk {
namespace {

using test::TestSession;
using test::WhenDialogOpens;

struct NewClient {
    QString name;
    int year, month, day, hourIndex;
    bool female = false;
};

// Answers the next input dialog with these birth data (Gregorian) and 排盤.
void FillInputDialog(const NewClient& c) {
    WhenDialogOpens([c](QDialog* d) {
        auto* dlg = qobject_cast<CInputDlg*>(d);
        ASSERT_NE(dlg, nullptr);
        qobject_cast<QLineEdit*>(dlg->control(ctl::Name))->setText(c.name);
        if (c.female) qobject_cast<QRadioButton*>(dlg->control(ctl::Female))->click();
        dlg->chooseYear(c.year - 1900);
        dlg->chooseMonth(c.month - 1);
        dlg->chooseDay(c.day - 1);
        dlg->chooseHour(c.hourIndex);
        dlg->accept();
    });
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString dataDir() const { return dir_.path(); }
    QString databasePath() const { return dir_.filePath(QStringLiteral("QUILMAIN.kvy")); }

    static void AddClient(CMainFrame* frame, const NewClient& c) {
        FillInputDialog(c);
        frame->newClient();
    }
    static QStringList Names(CViewTree* tree) {
        QStringList names;
        for (const tagUserInfo& r : tree->clients())
            names << r.name.text();
        return names;
    }
    static QStringList ShownNames(CViewTree* tree) {
        QStringList names;
        QTreeWidgetItem* root = tree->rootItem();
        for (int i = 0; root && i < root->childCount(); ++i)
            names << root->child(i)->text(0);
        return names;
    }
    static ClientList ReadDatabase(const QString& path) {
        ClientList list;
        ReadClientFile(path, list, true);
        return list;
    }

    QTemporaryDir dir_;
};

TEST_F(MainWindowTest, NewUserAddsAClientSeesTheChartAndFindsItAfterARestart) {
    {
        TestSession s(dataDir());
        ASSERT_TRUE(s.started);
        CMainFrame* frame = s.session->mainFrame();
        EXPECT_TRUE(frame->isVisible());
        EXPECT_FALSE(frame->menuBar()->isVisible());
        EXPECT_TRUE(frame->dock(cmd::ClientPane)->isVisible());
        for (int pane : {cmd::FileViewPane, cmd::OutputPane, cmd::PropertiesPane})
            EXPECT_FALSE(frame->dock(pane)->isVisible()) << pane;
        EXPECT_EQ(frame->tree()->rootItem()->text(0), QStringLiteral("QUILMAIN_客戶資料"));
        EXPECT_EQ(frame->tree()->rootItem()->childCount(), 0);

        AddClient(frame, {QStringLiteral("王小明"), 1986, 3, 15, 2});
        ASSERT_EQ(frame->chartWindows().size(), 1u);
        CZelkDoc* doc = frame->chartWindows().front()->document();
        EXPECT_TRUE(doc->hasChart());
        EXPECT_EQ(doc->clientIndex(), 0);
        EXPECT_EQ(doc->title(), QStringLiteral("本命盤 : 王小明"));
        EXPECT_EQ(ShownNames(frame->tree()), QStringList{QStringLiteral("王小明")});
        EXPECT_TRUE(s.responder.warnings.isEmpty())
            << s.responder.warnings.join('\n').toStdString();
    }
    const ClientList stored = ReadDatabase(databasePath());
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].year, 1986);
    EXPECT_EQ(stored[0].month, 3);
    EXPECT_EQ(stored[0].day, 15);
    EXPECT_EQ(stored[0].hourIndex, 2);
    EXPECT_EQ(stored[0].hour, 4);
    EXPECT_EQ(stored[0].lunarMonth, 2); // 1986-03-15 is lunar 1986-2-6
    EXPECT_EQ(stored[0].lunarDay, 6);
    EXPECT_EQ(stored[0].createdDate.text(), QStringLiteral("2024/03/15"));

    TestSession again(dataDir());
    CMainFrame* frame = again.session->mainFrame();
    ASSERT_EQ(ShownNames(frame->tree()), QStringList{QStringLiteral("王小明")});
    frame->openClientChart(0);
    ASSERT_EQ(frame->chartWindows().size(), 1u);
    EXPECT_TRUE(frame->chartWindows().front()->document()->hasChart());
    // The next new client gets the next number.
    AddClient(frame, {QStringLiteral("李四"), 1990, 1, 1, 0});
    ASSERT_EQ(frame->tree()->clients().size(), 2u);
    EXPECT_GT(frame->tree()->clients()[1].id, frame->tree()->clients()[0].id);
}

TEST_F(MainWindowTest, LateZiHourStoresTheNextLunarDay) {
    TestSession s(dataDir(), test::TestClock(2024, 3, 15, 23, 30));
    CMainFrame* frame = s.session->mainFrame();
    WhenDialogOpens([](QDialog* d) {
        auto* dlg = qobject_cast<CInputDlg*>(d);
        ASSERT_NE(dlg, nullptr);
        EXPECT_EQ(dlg->dates().hourIndex(), 12);
        EXPECT_EQ(dlg->dates().hour(), 24);
        dlg->accept(); // no changes
    });
    frame->newClient();
    ASSERT_EQ(frame->tree()->clients().size(), 1u);
    const tagUserInfo& r = frame->tree()->clients()[0];
    EXPECT_EQ(r.year, 2024);
    EXPECT_EQ(r.day, 15); // the Gregorian date stays
    EXPECT_EQ(r.hourIndex, 12);
    EXPECT_EQ(r.hour, 24);
    // 2024-03-15 is lunar 2024-2-6; the late 子 hour belongs to 2-7.
    EXPECT_EQ(r.lunarMonth, 2);
    EXPECT_EQ(r.lunarDay, 7);
}

TEST_F(MainWindowTest, CancellingTheInputDialogStoresNothingAndLeavesNoEmptyWindow) {
    TestSession s(dataDir());
    CMainFrame* frame = s.session->mainFrame();
    WhenDialogOpens([](QDialog* d) { d->reject(); });
    frame->newClient();
    EXPECT_TRUE(frame->tree()->clients().empty());
    EXPECT_TRUE(frame->chartWindows().empty());
    QApplication::processEvents(); // the closed window is deleted
    EXPECT_TRUE(frame->mdiArea()->subWindowList().isEmpty());
}

TEST_F(MainWindowTest, OpenChartsKeepTheirClientsWhenRecordsBeforeThemAreDeleted) {
    TestSession s(dataDir());
    CMainFrame* frame = s.session->mainFrame();
    CViewTree* tree = frame->tree();
    const QStringList names = {QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙"),
                               QStringLiteral("丁"), QStringLiteral("戊")};
    for (int i = 0; i < names.size(); ++i)
        AddClient(frame, {names[i], 1970 + i, 5, 10, 3});
    ASSERT_EQ(Names(tree), names);
    // Every add opened its own chart window; 丁's chart is at position 3.
    CChildFrame* ding = frame->chartWindows()[3];
    ASSERT_EQ(ding->document()->clientIndex(), 3);
    CChildFrame* wu = frame->chartWindows()[4];

    // Delete 甲 and 丙 by check mark: their charts close, the others move down.
    tree->setChecked(0, true);
    tree->setChecked(2, true);
    frame->deleteClient();
    EXPECT_EQ(Names(tree),
              (QStringList{QStringLiteral("乙"), QStringLiteral("丁"), QStringLiteral("戊")}));
    ASSERT_EQ(frame->chartWindows().size(), 3u);
    EXPECT_EQ(ding->document()->clientIndex(), 1);
    EXPECT_EQ(wu->document()->clientIndex(), 2);

    // Modifying 丁 now writes 丁's record, not 戊's that sat at its old position.
    frame->mdiArea()->setActiveSubWindow(ding);
    WhenDialogOpens([](QDialog* d) {
        auto* dlg = qobject_cast<CInputDlg*>(d);
        ASSERT_NE(dlg, nullptr);
        EXPECT_EQ(dlg->mode(), CInputDlg::Mode::Modify);
        qobject_cast<QLineEdit*>(dlg->control(ctl::Name))->setText(QStringLiteral("丁二"));
        dlg->accept();
    });
    frame->modifyClient();
    const ClientList stored = ReadDatabase(databasePath());
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored[0].name.text(), QStringLiteral("乙"));
    EXPECT_EQ(stored[1].name.text(), QStringLiteral("丁二"));
    EXPECT_EQ(stored[1].year, 1973);
    EXPECT_EQ(stored[2].name.text(), QStringLiteral("戊"));

    // Deleting 丁 through the delete dialog leaves its chart unstored and cleared.
    WhenDialogOpens([](QDialog* d) {
        auto* dlg = qobject_cast<CSearchDlg*>(d);
        ASSERT_NE(dlg, nullptr);
        EXPECT_EQ(dlg->nameList()->currentText(), QStringLiteral("丁二"));
        EXPECT_FALSE(dlg->searchButton()->isEnabled());
        dlg->confirm();
    });
    frame->deleteClient();
    EXPECT_EQ(Names(tree), (QStringList{QStringLiteral("乙"), QStringLiteral("戊")}));
    EXPECT_EQ(ding->document()->clientIndex(), -1);
    EXPECT_FALSE(ding->document()->hasChart());
    EXPECT_EQ(wu->document()->clientIndex(), 1);
}

TEST_F(MainWindowTest, DeleteDialogFullNameModeDeletesTheChosenClientOfThatName) {
    TestSession s(dataDir());
    CMainFrame* frame = s.session->mainFrame();
    AddClient(frame, {QStringLiteral("Amy"), 1980, 1, 2, 1});
    AddClient(frame, {QStringLiteral("Bob"), 1981, 1, 2, 1});
    AddClient(frame, {QStringLiteral("AMY"), 1982, 1, 2, 1});
    std::vector<QStringList> offered;
    CSearchListDlg::SetChooser([&offered](const QStringList& lines) {
        offered.push_back(lines);
        return 1; // the second Amy
    });
    WhenDialogOpens([](QDialog* d) {
        auto* dlg = qobject_cast<CSearchDlg*>(d);
        ASSERT_NE(dlg, nullptr);
        dlg->chooseMode(CSearchDlg::Mode::FullName);
        EXPECT_FALSE(dlg->nameList()->isEnabled());
        EXPECT_FALSE(dlg->searchButton()->isEnabled());
        dlg->searchBox()->setText(QStringLiteral("amy"));
        dlg->confirm();
    });
    frame->deleteClientDialog();
    ASSERT_EQ(offered.size(), 1u);
    ASSERT_EQ(offered[0].size(), 2);
    EXPECT_TRUE(offered[0][1].contains(QStringLiteral("民國71"))) << offered[0][1].toStdString();
    EXPECT_EQ(Names(frame->tree()), (QStringList{QStringLiteral("Amy"), QStringLiteral("Bob")}));
}

TEST_F(MainWindowTest, DeleteDialogSurnameSearchIsCaseSensitiveAndUnknownNamesWarn) {
    TestSession s(dataDir());
    CMainFrame* frame = s.session->mainFrame();
    AddClient(frame, {QStringLiteral("王小明"), 1980, 1, 2, 1});
    AddClient(frame, {QStringLiteral("汪王"), 1981, 1, 2, 1});
    AddClient(frame, {QStringLiteral("wang"), 1982, 1, 2, 1});
    WhenDialogOpens([&s](QDialog* d) {
        auto* dlg = qobject_cast<CSearchDlg*>(d);
        ASSERT_NE(dlg, nullptr);
        dlg->searchBox()->setText(QStringLiteral("王"));
        dlg->chooseMode(CSearchDlg::Mode::Surname);
        EXPECT_TRUE(dlg->searchButton()->isEnabled());
        ASSERT_EQ(dlg->nameList()->count(), 1);
        EXPECT_EQ(dlg->nameList()->itemText(0), QStringLiteral("王小明"));
        dlg->searchBox()->setText(QStringLiteral("W"));
        dlg->search();
        EXPECT_EQ(dlg->nameList()->count(), 0);
        dlg->confirm(); // nothing selected: 416, the dialog stays
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_EQ(s.responder.warnings.value(0), QStringLiteral("找不到該客戶資料..."));
        dlg->reject();
    });
    frame->deleteClientDialog();
    EXPECT_EQ(frame->tree()->clients().size(), 3u);
}

TEST_F(MainWindowTest, FinderFiltersTheTreeAndIsKeptAcrossRestarts) {
    {
        TestSession s(dataDir());
        CMainFrame* frame = s.session->mainFrame();
        CMyFinderEdit* finder = frame->clientPane()->finder();
        EXPECT_EQ(finder->text(), CMyFinderEdit::HintText());
        AddClient(frame, {QStringLiteral("王小明"), 1980, 3, 15, 1});
        AddClient(frame, {QStringLiteral("陳大文"), 1980, 4, 1, 1});
        AddClient(frame, {QStringLiteral("林1980"), 1975, 1, 1, 1});
        CViewTree* tree = frame->tree();
        EXPECT_EQ(ShownNames(tree).size(), 3);

        finder->setFocus();
        QFocusEvent focusIn(QEvent::FocusIn);
        QApplication::sendEvent(finder, &focusIn);
        EXPECT_TRUE(finder->text().isEmpty()); // the hint goes away on focus
        QTest::keyClicks(finder, QStringLiteral("198003"));
        EXPECT_EQ(ShownNames(tree), QStringList{QStringLiteral("王小明")});
        finder->setText(QStringLiteral("1980"));
        EXPECT_EQ(ShownNames(tree).size(), 3); // two births and one name
        finder->setText(QStringLiteral("陳"));
        EXPECT_EQ(ShownNames(tree), QStringList{QStringLiteral("陳大文")});
        // Adding a client keeps the finder applied.
        AddClient(frame, {QStringLiteral("張三"), 1990, 1, 1, 1});
        EXPECT_EQ(ShownNames(tree), QStringList{QStringLiteral("陳大文")});

        finder->clear();
        QTest::keyClicks(finder, QStringLiteral("123456789"));
        EXPECT_EQ(finder->text(), QStringLiteral("12345678"));
        finder->setText(QStringLiteral("王"));
    }
    TestSession again(dataDir());
    CMainFrame* frame = again.session->mainFrame();
    EXPECT_EQ(frame->clientPane()->finder()->text(), QStringLiteral("王"));
    EXPECT_EQ(ShownNames(frame->tree()), QStringList{QStringLiteral("王小明")});
}

TEST_F(MainWindowTest, ToggleAllChecksAndRebuildsClearTheBoxes) {
    TestSession s(dataDir());
    CMainFrame* frame = s.session->mainFrame();
    AddClient(frame, {QStringLiteral("甲"), 1980, 1, 1, 1});
    AddClient(frame, {QStringLiteral("乙"), 1981, 1, 1, 1});
    CViewTree* tree = frame->tree();
    QAction* open = frame->commands().action(cmd::OpenChecked);
    EXPECT_FALSE(open->isEnabled());
    frame->toggleAllChecks();
    EXPECT_EQ(tree->countCheckedClients(), 2);
    EXPECT_TRUE(open->isEnabled());
    frame->clientPane()->finder()->setText(QStringLiteral("甲")); // a rebuild
    EXPECT_EQ(tree->countCheckedClients(), 0);
    EXPECT_TRUE(tree->checkAllState());
    frame->toggleAllChecks(); // clears: nothing visible changes
    EXPECT_EQ(tree->countCheckedClients(), 0);
    frame->toggleAllChecks();
    EXPECT_EQ(tree->countCheckedClients(), 1);
}

TEST_F(MainWindowTest, OpenCheckedOpensOneChartEachAndWarnsWhenNoneIsChecked) {
    TestSession s(dataDir());
    CMainFrame* frame = s.session->mainFrame();
    AddClient(frame, {QStringLiteral("甲"), 1980, 1, 1, 1});
    AddClient(frame, {QStringLiteral("乙"), 1981, 1, 1, 1});
    frame->closeAllCharts();
    ASSERT_TRUE(frame->chartWindows().empty());
    frame->openCheckedClients();
    EXPECT_EQ(s.responder.warnings.value(0), QStringLiteral("請先選取客戶"));
    frame->toggleAllChecks();
    frame->openCheckedClients();
    ASSERT_EQ(frame->chartWindows().size(), 2u);
    for (CChildFrame* f : frame->chartWindows())
        EXPECT_TRUE(f->document()->hasChart());
}

TEST_F(MainWindowTest, ExportThenImportAppendsWithFreshNumbers) {
    TestSession s(dataDir());
    CMainFrame* frame = s.session->mainFrame();
    AddClient(frame, {QStringLiteral("王小明"), 1980, 1, 1, 1});
    AddClient(frame, {QStringLiteral("陳大文"), 1981, 2, 2, 2, true});
    const QString csv = dir_.filePath(QStringLiteral("out.csv"));
    SetFileChooser([csv](FileDialogKind, const QString&) { return csv; });
    frame->exportClients(); // nothing checked
    EXPECT_EQ(s.responder.warnings.value(0), QStringLiteral("請先選取客戶"));
    frame->toggleAllChecks();
    ASSERT_EQ(frame->tree()->countCheckedClients(), 2);
    frame->exportClients();
    EXPECT_TRUE(QFileInfo::exists(csv))
        << s.responder.warnings.join(QStringLiteral(" / ")).toStdString();
    // A success is told with the information icon, not as a warning.
    EXPECT_TRUE(s.responder.informations.value(0).startsWith(QStringLiteral("選取項目匯出完成")));
    EXPECT_EQ(s.responder.warnings.size(), 1); // only the refusal above

    frame->importClients();
    const ClientList& list = frame->tree()->clients();
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[2].name.text(), QStringLiteral("王小明"));
    EXPECT_EQ(list[3].name.text(), QStringLiteral("陳大文"));
    EXPECT_EQ(list[3].sex, 1);
    EXPECT_EQ(list[3].month, 2);
    EXPECT_GT(list[2].id, list[1].id);
    EXPECT_GT(list[3].id, list[2].id);
    EXPECT_EQ(ReadDatabase(databasePath()).size(), 4u);

    // Unsupported extensions are refused with their path.
    const QString odd = dir_.filePath(QStringLiteral("list.txt"));
    SetFileChooser([odd](FileDialogKind, const QString&) { return odd; });
    frame->importClients();
    EXPECT_TRUE(s.responder.warnings.last().contains(QStringLiteral("不支援此檔")));
    EXPECT_EQ(frame->tree()->clients().size(), 4u);
}

TEST_F(MainWindowTest, ASecondRunningCopyOpensTheDatabaseReadOnly) {
    TestSession first(dataDir());
    AddClient(first.session->mainFrame(), {QStringLiteral("甲"), 1980, 1, 1, 1});
    const QByteArray before = [&] {
        QFile f(databasePath());
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();

    test::RecordingResponder secondMessages;
    auto second = std::make_unique<AppSession>();
    StartupOptions options;
    options.dataDir = dataDir();
    options.showSplash = false;
    options.clock = test::TestClock();
    SetMessageResponder(&secondMessages);
    ASSERT_TRUE(second->start(options));
    CMainFrame* frame = second->mainFrame();
    EXPECT_TRUE(frame->databaseReadOnly());
    ASSERT_FALSE(secondMessages.warnings.isEmpty());
    EXPECT_TRUE(secondMessages.warnings[0].contains(QStringLiteral("唯讀")));
    EXPECT_TRUE(secondMessages.warnings[0].contains(QStringLiteral("QUILMAIN.kvy")));
    EXPECT_EQ(frame->tree()->clients().size(), 1u);

    AddClient(frame, {QStringLiteral("乙"), 1981, 1, 1, 1});
    EXPECT_EQ(frame->tree()->clients().size(), 1u);
    second.reset();
    SetMessageResponder(&first.responder);
    QFile f(databasePath());
    f.open(QIODevice::ReadOnly);
    EXPECT_EQ(f.readAll(), before);
}

TEST_F(MainWindowTest, DamagedDatabaseIsReportedWithItsPath) {
    QFile f(databasePath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("\x02\x00", 2) +
            QByteArray(2500, 'x')); // two records announced, one and a bit there
    f.close();
    TestSession s(dataDir());
    ASSERT_FALSE(s.responder.warnings.isEmpty());
    EXPECT_TRUE(s.responder.warnings.join('\n').contains(QStringLiteral("QUILMAIN.kvy")));
    EXPECT_EQ(s.session->mainFrame()->tree()->clients().size(), 1u);
}

TEST_F(MainWindowTest, VisualStyleIsKeptInTheWindowStateStore) {
    {
        TestSession s(dataDir());
        CMainFrame* frame = s.session->mainFrame();
        EXPECT_EQ(frame->visualStyle(), 210);
        frame->commands().action(216)->trigger();
        EXPECT_TRUE(frame->commands().action(216)->isChecked());
        EXPECT_FALSE(frame->commands().action(210)->isChecked());
    }
    EXPECT_TRUE(QFileInfo::exists(dir_.filePath(QStringLiteral("window_state.ini"))));
    TestSession again(dataDir());
    EXPECT_EQ(again.session->mainFrame()->visualStyle(), 216);
}

TEST(StartupArguments, DataFolderDatabaseAndSplash) {
    const StartupOptions o = ParseStartupArguments(
        {QStringLiteral("zelk"), QStringLiteral("--data-dir"), QStringLiteral("/tmp/d"),
         QStringLiteral("--no-splash"), QStringLiteral("clients.kvy")});
    EXPECT_EQ(o.dataDir, QStringLiteral("/tmp/d"));
    EXPECT_EQ(o.databasePath, QStringLiteral("clients.kvy"));
    EXPECT_FALSE(o.showSplash);
    EXPECT_EQ(
        ParseStartupArguments({QStringLiteral("zelk"), QStringLiteral("--data-dir=/x")}).dataDir,
        QStringLiteral("/x"));
    EXPECT_TRUE(ParseStartupArguments({QStringLiteral("zelk")}).showSplash);
}

} // namespace
} // namespace zelk

namespace zelk {
namespace {

// A program on its own data folder with one new client's chart open.
struct OneChartOpen {
    QTemporaryDir dir;
    test::TestSession s{dir.path()};
    CMainFrame* frame = s.session->mainFrame();
    OneChartOpen() {
        FillInputDialog({QStringLiteral("王小明"), 1986, 3, 15, 2});
        frame->newClient();
    }
};

// The chart window shows the painted chart: the canvas is not blank, and the main
// window with it can be grabbed (ZELK_SCREENSHOT names a file to keep the picture).
TEST(MainWindowPicture, AnOpenChartIsPaintedInItsWindow) {
    OneChartOpen open;
    CMainFrame* frame = open.frame;
    ASSERT_EQ(frame->chartWindows().size(), 1u);
    CZelkView* view = frame->chartWindows().front()->view();
    const QImage& canvas = view->canvasImage();
    ASSERT_FALSE(canvas.isNull());
    EXPECT_TRUE(view->lastPaint().painted);
    // The palace grid draws dark lines inside the chart square.
    const ChartLayout& l = view->layout();
    int dark = 0;
    for (int x = l.chartLeft; x < l.chartLeft + l.chartSide; x += 3)
        for (int y = l.chartTop; y < l.chartTop + l.chartSide; y += 3)
            if (qGray(canvas.pixel(x, y)) < 100) ++dark;
    EXPECT_GT(dark, 100);

    frame->resize(1600, 1100);
    QApplication::processEvents();
    const QPixmap shot = frame->grab();
    EXPECT_FALSE(shot.isNull());
    const QString keep = qEnvironmentVariable("ZELK_SCREENSHOT");
    if (!keep.isEmpty()) {
        EXPECT_TRUE(shot.save(keep, "PNG"));
    }
}

// A chart window answers the mouse: its level buttons are drawn beside the chart
// and a press on 流年盤 computes the flow-year chart through the picker.
TEST(MainWindowPicture, ChartWindowLevelButtonsSwitchToThePeriodChart) {
    OneChartOpen open;
    test::TestSession& s = open.s;
    CMainFrame* frame = open.frame;
    ASSERT_EQ(frame->chartWindows().size(), 1u);
    CChildFrame* window = frame->chartWindows().front();
    CZelkView* view = window->view();
    auto* controller = view->findChild<CChartInteraction*>();
    ASSERT_NE(controller, nullptr);

    // The 本命盤 button is painted left of the chart: not the canvas margin colour.
    const QImage& canvas = view->canvasImage();
    const ChartLayout& l = view->layout();
    const QPoint button(l.buttonLeft + 37, l.buttonTop[0] + 25);
    EXPECT_NE(canvas.pixel(button), qRgb(255, 255, 200));

    CPeriodPickerDlg::setRunner([](CPeriodPickerDlg& picker) { return picker.acceptWith(0); });
    const QPoint flowYearButton(l.buttonLeft + 37, l.buttonTop[2] + 25);
    controller->press(flowYearButton, Qt::LeftButton);
    CPeriodPickerDlg::setRunner({});
    const ChartRecord& r = window->document()->record();
    EXPECT_EQ(r.shownLevel, kLevelFlowYear);
    EXPECT_TRUE(window->document()->title().startsWith(QStringLiteral("流年盤 : ")))
        << window->document()->title().toStdString();
    EXPECT_TRUE(s.responder.warnings.isEmpty()) << s.responder.warnings.join('\n').toStdString();
}

} // namespace
} // namespace zelk

namespace zelk {
namespace {

// The three database-file commands; charts of the previous database are no longer
// stored ones, since the other file's positions mean other clients.
TEST(DatabaseFileCommands, NewSwitchAndSaveAs) {
    QTemporaryDir dir;
    test::TestSession s(dir.path());
    CMainFrame* frame = s.session->mainFrame();
    FillInputDialog({QStringLiteral("甲"), 1980, 1, 1, 1});
    frame->newClient();
    CChildFrame* chart = frame->chartWindows().front();
    ASSERT_EQ(chart->document()->clientIndex(), 0);

    const QString copy = dir.filePath(QStringLiteral("copy.kvy"));
    SetFileChooser([copy](FileDialogKind, const QString&) { return copy; });
    frame->saveClientFileAs();
    EXPECT_EQ(frame->tree()->rootItem()->text(0), QStringLiteral("copy_客戶資料"));
    EXPECT_EQ(chart->document()->clientIndex(), 0); // the same records under a new name

    const QString fresh = dir.filePath(QStringLiteral("fresh.kvy"));
    SetFileChooser([fresh](FileDialogKind, const QString&) { return fresh; });
    frame->newClientFile();
    EXPECT_EQ(frame->tree()->rootItem()->text(0), QStringLiteral("fresh_客戶資料"));
    EXPECT_TRUE(frame->tree()->clients().empty());
    EXPECT_EQ(chart->document()->clientIndex(), -1);
    QFile freshFile(fresh);
    ASSERT_TRUE(freshFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(freshFile.readAll(), QByteArray("\0\0", 2));

    SetFileChooser([copy](FileDialogKind, const QString&) { return copy; });
    frame->openClientFile();
    ASSERT_EQ(frame->tree()->clients().size(), 1u);
    EXPECT_EQ(frame->tree()->clients()[0].name.text(), QStringLiteral("甲"));
    EXPECT_TRUE(s.responder.warnings.isEmpty()) << s.responder.warnings.join('\n').toStdString();
}

} // namespace
} // namespace zelk

namespace zelk {
namespace {

TEST(UserNewView, StandardToolBarAndOneChartWindowPerClient) {
    QTemporaryDir dir;
    {
        test::TestSession s(dir.path());
        CMainFrame* frame = s.session->mainFrame();
        EXPECT_EQ(frame->findChild<QToolBar*>(QStringLiteral("standardToolBar")), nullptr);
        for (int i = 0; i < 3; ++i) {
            FillInputDialog({QStringLiteral("客%1").arg(i), 1980 + i, 1, 1, 1});
            frame->newClient();
        }
        PutIntSetting(1, 550, s.session->context().settingsPath, false, CurrentTime{});
    }
    test::TestSession s(dir.path());
    CMainFrame* frame = s.session->mainFrame();
    auto* bar = frame->findChild<QToolBar*>(QStringLiteral("standardToolBar"));
    ASSERT_NE(bar, nullptr);
    for (QAction* a : bar->actions()) {
        if (a->data().toInt() == cmd::StandardOpen || a->data().toInt() == cmd::StandardSave) {
            EXPECT_FALSE(a->isEnabled());
        }
    }
    frame->newChartWindow(); // a fresh empty chart window is used first
    for (int p = 0; p < 3; ++p)
        frame->openClientChart(p);
    ASSERT_EQ(frame->chartWindows().size(), 3u);
    for (int p = 0; p < 3; ++p)
        EXPECT_EQ(frame->chartWindows()[p]->document()->clientIndex(), p);
}

} // namespace
} // namespace zelk
