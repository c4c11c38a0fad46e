// Every command of the command table, run the way a practitioner runs it: the real
// QAction of the real main window is triggered with one client's chart open, and
// what the user would see is checked — the dialog that opens (closed again here),
// the file written, the charts computed again, or the command greyed by its rule.
// The walk takes its commands from the table itself, so a command added without
// an expectation here, or without a handler, fails it.
#include "app_test_support.h"

#include "app/about_box.h"
#include "app/child_frame.h"
#include "app/class_view.h"
#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/four_hua_edit_dlg.h"
#include "app/gisuong_rule_dlg.h"
#include "app/input_dlg.h"
#include "app/main_frame.h"
#include "app/search_dlg.h"
#include "app/settings_dlg_controls.h"
#include "app/settings_dlg_interface.h"
#include "app/settings_dlg_pan_base.h"
#include "app/settings_dlg_print.h"
#include "app/settings_dlg_school.h"
#include "app/settings_dlg_star_display.h"
#include "app/tool_bar_customize.h"
#include "app/view_tree.h"
#include "app/visual_style.h"
#include "app/window_manager_dlg.h"
#include "app/zelk_doc.h"
#include "clients/client_file.h"
#include "clients/client_import_export.h"
#include "settings/settings_load_save.h"
#include "settings/settings_store.h"
#include "view/print_commands.h"

#include <QAbstractButton>
#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSettings>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace zelk {
namespace {

using test::TestSession;

QString ClassOf(const QMetaObject& meta) {
    return QString::fromLatin1(meta.className());
}

// Watches for the windows a command opens while it runs: each modal dialog (and
// the about box, which runs its own loop) is recorded by class and handed to
// `act`, which closes it; by default it is cancelled.
class WindowWatch : public QObject {
  public:
    using Act = std::function<void(QWidget*)>;
    explicit WindowWatch(Act act = {}) : act_(std::move(act)) {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, &WindowWatch::poll);
        timer_.start();
    }
    QStringList seen;

  private:
    void poll() {
        QWidget* w = QApplication::activeModalWidget();
        if (!w)
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->isVisible() && qobject_cast<AAboutDialog*>(top)) w = top;
        if (!w || w == last_) return;
        last_ = w;
        seen << QString::fromLatin1(w->metaObject()->className());
        if (act_)
            act_(w);
        else
            Dismiss(w);
    }

  public:
    static void Dismiss(QWidget* w) {
        if (auto* d = qobject_cast<QDialog*>(w))
            d->reject();
        else
            QTest::mouseClick(w, Qt::LeftButton);
    }

  private:
    Act act_;
    QTimer timer_;
    QPointer<QWidget> last_;
};

// Clicks the button of a dialog that carries this text (確定, 取消 ...).
bool ClickButton(QWidget* dialog, const QString& text) {
    for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>())
        if (b->text().remove(QLatin1Char('&')) == text && b->isVisible()) {
            b->click();
            return true;
        }
    ADD_FAILURE() << "no button " << text.toStdString() << " in "
                  << dialog->metaObject()->className();
    return false;
}

// Answers the input dialog with a Gregorian birth and 排盤.
void FillNewClient(QWidget* w, const QString& name, int year) {
    auto* dlg = qobject_cast<CInputDlg*>(w);
    ASSERT_NE(dlg, nullptr);
    qobject_cast<QLineEdit*>(dlg->control(ctl::Name))->setText(name);
    dlg->chooseYear(year - 1900);
    dlg->chooseMonth(2);
    dlg->chooseDay(14);
    dlg->chooseHour(2);
    ClickButton(dlg, QStringLiteral("排盤"));
}

// A program on its own data folder with 王小明's chart open, as the user left it.
struct Walk {
    QTemporaryDir dir;
    TestSession s{dir.path()};
    CMainFrame* frame = s.session->mainFrame();
    CChildFrame* chart = nullptr;

    Walk() {
        WindowWatch watch([](QWidget* w) { FillNewClient(w, QStringLiteral("王小明"), 1986); });
        frame->commands().action(cmd::NewClient)->trigger();
        if (!frame->chartWindows().empty()) chart = frame->chartWindows().front();
    }
    QAction* action(int id) const { return frame->commands().action(id); }
    AppContext& context() { return s.session->context(); }
    ChartRecord& record() { return chart->document()->record(); }
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

    // What the user does: opens the command menu (which updates every command's
    // state), then runs the command if it is enabled.
    QStringList run(int id, WindowWatch::Act act = {}) {
        emit frame->functionMenu()->aboutToShow();
        QAction* a = action(id);
        EXPECT_TRUE(a->isEnabled()) << "command " << id << " is greyed";
        WindowWatch watch(std::move(act));
        a->trigger();
        QApplication::processEvents();
        return watch.seen;
    }
    // Spoils the natal chart in memory; a command that computes the charts again
    // puts it back, one that does not leaves it spoiled.
    ChartBlock spoilChart() {
        const ChartBlock good = record().natalChart;
        record().natalChart = ChartBlock{};
        return good;
    }
};

using Expectation = std::function<void(Walk&)>;

std::map<int, Expectation> Expectations() {
    std::map<int, Expectation> e;

    auto dialogThenRecompute = [](int id, const QMetaObject& meta) {
        return [id, &meta](Walk& w) {
            const ChartBlock good = w.spoilChart();
            const QStringList seen =
                w.run(id, [](QWidget* d) { ClickButton(d, QStringLiteral("確定")); });
            EXPECT_EQ(seen, QStringList{ClassOf(meta)});
            EXPECT_EQ(w.record().natalChart, good) << "the open chart was not computed again";
        };
    };
    auto dialogOnly = [](int id, const QMetaObject& meta) {
        return [id, &meta](Walk& w) { EXPECT_EQ(w.run(id), QStringList{ClassOf(meta)}); };
    };

    // Client database files.
    e[cmd::NewClientFile] = [](Walk& w) {
        const QString fresh = w.path("fresh.kvy");
        SetFileChooser([fresh](FileDialogKind, const QString&) { return fresh; });
        w.run(cmd::NewClientFile);
        EXPECT_TRUE(QFileInfo::exists(fresh));
        EXPECT_EQ(w.frame->tree()->rootItem()->text(0), QStringLiteral("fresh_客戶資料"));
        EXPECT_EQ(w.chart->document()->clientIndex(), -1);
    };
    e[cmd::OpenClientFile] = [](Walk& w) {
        const QString other = w.path("other.kvy");
        ASSERT_TRUE(QFile::copy(w.path("QUILMAIN.kvy"), other));
        SetFileChooser([other](FileDialogKind, const QString&) { return other; });
        w.run(cmd::OpenClientFile);
        EXPECT_EQ(w.frame->tree()->rootItem()->text(0), QStringLiteral("other_客戶資料"));
        EXPECT_EQ(w.frame->tree()->clients().size(), 1u);
    };
    e[cmd::SaveClientFileAs] = [](Walk& w) {
        const QString copy = w.path("copy.kvy");
        SetFileChooser([copy](FileDialogKind, const QString&) { return copy; });
        w.run(cmd::SaveClientFileAs);
        ClientList list;
        ReadClientFile(copy, list, true);
        ASSERT_EQ(list.size(), 1u);
        EXPECT_EQ(list[0].name.text(), QStringLiteral("王小明"));
        EXPECT_EQ(w.frame->tree()->rootItem()->text(0), QStringLiteral("copy_客戶資料"));
    };

    // Settings dialogs.
    e[cmd::ChartParameters] =
        dialogThenRecompute(cmd::ChartParameters, CPanBaseDlg::staticMetaObject);
    e[cmd::InterfaceSettings] =
        dialogThenRecompute(cmd::InterfaceSettings, CSetInterface::staticMetaObject);
    e[cmd::StarDisplay] = dialogThenRecompute(cmd::StarDisplay, CStarDisplayDlg::staticMetaObject);
    e[cmd::School] = dialogThenRecompute(cmd::School, CSelectManPie::staticMetaObject);
    e[cmd::PrintParameters] = [](Walk& w) {
        const int before = w.context().settings.NameDisplay;
        const QStringList seen = w.run(cmd::PrintParameters, [](QWidget* d) {
            qobject_cast<QAbstractButton*>(FindDialogControl(d, sdlg::print::Name))->click();
            ClickButton(d, QStringLiteral("確定"));
        });
        EXPECT_EQ(seen, QStringList{ClassOf(CPrintDlg::staticMetaObject)});
        EXPECT_NE(w.context().settings.NameDisplay, before);
    };
    e[cmd::UserFourHua] = [](Walk& w) {
        // Greyed unless the user's own table is in force.
        w.frame->updateCommandStates();
        EXPECT_FALSE(w.action(cmd::UserFourHua)->isEnabled());
        w.context().settings.FourHuaType = 3;
        const QStringList seen =
            w.run(cmd::UserFourHua, [](QWidget* d) { ClickButton(d, QStringLiteral("確定")); });
        EXPECT_EQ(seen, QStringList{ClassOf(CEditFourHua::staticMetaObject)});
        EXPECT_EQ(GetStringSetting(QString(), 103, 552, w.context().settingsPath).size(), 80);
    };
    e[cmd::ImportRules] = [](Walk& w) {
        const int before = w.context().settings.GISUONG_RULE;
        const QStringList seen = w.run(cmd::ImportRules, [](QWidget* d) {
            qobject_cast<QAbstractButton*>(FindDialogControl(d, sdlg::gisuong::Rule1))->click();
            ClickButton(d, QStringLiteral("確定"));
        });
        EXPECT_EQ(seen, QStringList{ClassOf(CGiSuongRule::staticMetaObject)});
        EXPECT_EQ(w.context().settings.GISUONG_RULE, before ^ 1);
    };

    // Printing.
    e[cmd::Print] = [](Walk& w) {
        const QString pdf = w.path("chart.pdf");
        SharedPrinter().setOutputFileName(pdf);
        const QStringList seen =
            w.run(cmd::Print, [](QWidget* d) { qobject_cast<QDialog*>(d)->accept(); });
        SharedPrinter().setOutputFileName(QString());
        EXPECT_EQ(seen, QStringList{ClassOf(QPrintDialog::staticMetaObject)});
        EXPECT_GT(QFileInfo(pdf).size(), 1000) << "nothing was printed";
    };
    e[cmd::PrintPreview] = [](Walk& w) {
        w.run(cmd::PrintPreview);
        QPrintPreviewDialog* preview = w.frame->findChild<QPrintPreviewDialog*>();
        ASSERT_NE(preview, nullptr);
        EXPECT_TRUE(preview->isVisible());
        EXPECT_TRUE(IsPreviewOpen());
        EXPECT_EQ(w.chart->windowTitle(), QStringLiteral("王小明預覽列印"));
        preview->close();
        QApplication::processEvents();
        EXPECT_FALSE(IsPreviewOpen());
        EXPECT_EQ(w.chart->windowTitle(), QStringLiteral("本命盤 : 王小明"));
    };
    e[cmd::PrintSetup] = [](Walk& w) {
        EXPECT_EQ(w.run(cmd::PrintSetup), QStringList{ClassOf(QPageSetupDialog::staticMetaObject)});
    };

    // Import and export.
    e[cmd::ImportParameters] = [](Walk& w) {
        AppSettings other = w.context().settings;
        other.HorseBase = other.HorseBase == 0 ? 1 : 0;
        const QString file = w.path("other.ini");
        ASSERT_TRUE(ExportParameters(other, file, w.context().now).ok);
        SetFileChooser([file](FileDialogKind, const QString&) { return file; });
        const ChartBlock good = w.spoilChart();
        w.run(cmd::ImportParameters);
        EXPECT_EQ(w.context().settings.HorseBase, other.HorseBase);
        EXPECT_NE(w.record().natalChart, ChartBlock{}) << "the open chart was not computed again";
        (void)good;
    };
    e[cmd::ImportClients] = [](Walk& w) {
        const QString csv = w.path("list.csv");
        ASSERT_TRUE(ExportCheckedClients(w.frame->tree()->clients(), {0}, w.frame->tree()->filter(),
                                         QStringLiteral("csv"), csv)
                        .ok);
        SetFileChooser([csv](FileDialogKind, const QString&) { return csv; });
        w.run(cmd::ImportClients);
        ASSERT_EQ(w.frame->tree()->clients().size(), 2u);
        EXPECT_EQ(w.frame->tree()->clients()[1].name.text(), QStringLiteral("王小明"));
    };
    e[cmd::ExportParameters] = [](Walk& w) {
        const QString file = w.path("mine.ini");
        SetFileChooser([file](FileDialogKind, const QString&) { return file; });
        w.run(cmd::ExportParameters);
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_TRUE(f.readAll().contains("HorseBase"));
    };
    e[cmd::ExportClients] = [](Walk& w) {
        const QString csv = w.path("out.csv");
        SetFileChooser([csv](FileDialogKind, const QString&) { return csv; });
        w.frame->tree()->setChecked(0, true);
        w.run(cmd::ExportClients);
        EXPECT_TRUE(QFileInfo::exists(csv));
        EXPECT_TRUE(
            w.s.responder.informations.join('\n').contains(QStringLiteral("選取項目匯出完成")));
    };
    e[cmd::ExportAnalysis] = [](Walk& w) {
        w.frame->updateCommandStates();
        EXPECT_FALSE(w.action(cmd::ExportAnalysis)->isEnabled())
            << "分析資料 has nothing behind it";
    };
    e[cmd::ExportChartImage] = [](Walk& w) {
        // The real save dialog: it offers the client's name and the level.
        const QString png = w.path("picture.png");
        QString offered;
        const QStringList seen = w.run(cmd::ExportChartImage, [&](QWidget* d) {
            auto* dialog = qobject_cast<QFileDialog*>(d);
            ASSERT_NE(dialog, nullptr);
            offered = QFileInfo(dialog->selectedFiles().value(0)).fileName();
            dialog->selectFile(png);
            static_cast<QDialog*>(dialog)->accept(); // 儲存
        });
        EXPECT_EQ(seen, QStringList{ClassOf(QFileDialog::staticMetaObject)});
        EXPECT_EQ(offered, QStringLiteral("王小明_本命盤.png"));
        EXPECT_EQ(QImage(png).size(), QSize(1024, 1024));
        EXPECT_TRUE(w.s.responder.informations.contains(QStringLiteral("圖檔寫入完成")));
    };

    // Time, defaults, about.
    e[cmd::RefreshTime] = [](Walk& w) {
        const ChartBlock good = w.spoilChart();
        w.run(cmd::RefreshTime);
        EXPECT_EQ(w.record().natalChart, good) << "the open chart was not computed again";
    };
    e[cmd::RestoreDefaults] = [](Walk& w) {
        AppSettings& s = w.context().settings;
        s.HorseBase = s.HorseBase == 0 ? 1 : 0;
        const int changed = s.HorseBase;
        ASSERT_TRUE(
            PutIntSetting(changed, 316, w.context().settingsPath, false, w.context().now).ok());
        const ChartBlock good = w.spoilChart();
        w.run(cmd::RestoreDefaults);
        EXPECT_TRUE(w.s.responder.questions.contains(QStringLiteral("確定要回復系統預設值?")));
        EXPECT_NE(s.HorseBase, changed);
        EXPECT_TRUE(w.s.responder.informations.contains(QStringLiteral("已設回系統預設值!")));
        EXPECT_EQ(w.record().natalChart, good) << "the open chart was not computed again";
    };
    e[cmd::About] = dialogOnly(cmd::About, AAboutDialog::staticMetaObject);

    // Windows.
    e[cmd::CloseAllCharts] = [](Walk& w) {
        w.run(cmd::CloseAllCharts);
        EXPECT_TRUE(w.s.responder.questions.contains(QStringLiteral("確定關閉所有命盤?")));
        EXPECT_TRUE(w.frame->chartWindows().empty());
    };
    e[cmd::Exit] = [](Walk& w) {
        w.run(cmd::Exit);
        EXPECT_FALSE(w.frame->isVisible());
        QSettings store(w.path("window_state.ini"), QSettings::IniFormat);
        EXPECT_TRUE(store.contains(QStringLiteral("MainWindow/Geometry")));
    };
    e[cmd::WindowManager] = [](Walk& w) {
        QStringList listed;
        const QStringList seen = w.run(cmd::WindowManager, [&listed](QWidget* d) {
            auto* dlg = qobject_cast<CWindowManagerDlg*>(d);
            ASSERT_NE(dlg, nullptr);
            for (int i = 0; i < dlg->list()->count(); ++i)
                listed << dlg->list()->item(i)->text();
            dlg->closeSelected(); // the current chart is the one selected
            dlg->reject();
        });
        EXPECT_EQ(seen, QStringList{ClassOf(CWindowManagerDlg::staticMetaObject)});
        EXPECT_EQ(listed, QStringList{QStringLiteral("本命盤 : 王小明")});
        EXPECT_TRUE(w.frame->chartWindows().empty());
    };
    e[cmd::Customize] = [](Walk& w) {
        int buttons = -1;
        const QStringList seen = w.run(cmd::Customize, [&buttons](QWidget* d) {
            auto* dlg = qobject_cast<CCustomizeDlg*>(d);
            ASSERT_NE(dlg, nullptr);
            buttons = dlg->buttonList()->count();
            dlg->reject();
        });
        EXPECT_EQ(seen, QStringList{ClassOf(CCustomizeDlg::staticMetaObject)});
        EXPECT_EQ(buttons, 6); // the pane's buttons after the menu button
    };

    // The client pane's commands.
    e[cmd::FunctionMenu] = [](Walk& w) {
        w.run(cmd::FunctionMenu);
        EXPECT_TRUE(w.frame->functionMenu()->isVisible());
        w.frame->functionMenu()->hide();
    };
    e[cmd::OpenChecked] = [](Walk& w) {
        w.frame->updateCommandStates();
        EXPECT_FALSE(w.action(cmd::OpenChecked)->isEnabled()) << "nothing is checked yet";
        w.frame->tree()->setChecked(0, true);
        w.run(cmd::OpenChecked);
        ASSERT_EQ(w.frame->chartWindows().size(), 2u);
        EXPECT_EQ(w.frame->chartWindows()[1]->document()->clientIndex(), 0);
    };
    e[cmd::NewClient] = [](Walk& w) {
        const QStringList seen = w.run(
            cmd::NewClient, [](QWidget* d) { FillNewClient(d, QStringLiteral("李四"), 1990); });
        EXPECT_EQ(seen, QStringList{ClassOf(CInputDlg::staticMetaObject)});
        ASSERT_EQ(w.frame->tree()->clients().size(), 2u);
        EXPECT_EQ(w.frame->chartWindows().size(), 2u);
    };
    e[cmd::ModifyClient] = [](Walk& w) {
        bool modifying = false;
        const QStringList seen = w.run(cmd::ModifyClient, [&modifying](QWidget* d) {
            auto* dlg = qobject_cast<CInputDlg*>(d);
            modifying = dlg && dlg->mode() == CInputDlg::Mode::Modify;
            d->close();
        });
        EXPECT_EQ(seen, QStringList{ClassOf(CInputDlg::staticMetaObject)});
        EXPECT_TRUE(modifying);
    };
    e[cmd::DeleteClient] = dialogOnly(cmd::DeleteClient, CSearchDlg::staticMetaObject);
    e[cmd::DeleteClientDialog] = dialogOnly(cmd::DeleteClientDialog, CSearchDlg::staticMetaObject);
    e[cmd::ToggleAll] = [](Walk& w) {
        w.run(cmd::ToggleAll);
        EXPECT_EQ(w.frame->tree()->countCheckedClients(), 1);
    };

    // The looks.
    for (int style : kStyleIds)
        e[style] = [style](Walk& w) {
            w.run(style);
            EXPECT_EQ(w.frame->visualStyle(), style);
            EXPECT_TRUE(w.action(style)->isChecked());
            QSettings store(w.path("window_state.ini"), QSettings::IniFormat);
            EXPECT_EQ(store.value(QStringLiteral("ApplicationLook")).toInt(), style);
        };
    return e;
}

bool InMenu(const QMenu* menu, const QAction* a) {
    for (QAction* item : menu->actions()) {
        if (item == a) return true;
        if (item->menu() && InMenu(item->menu(), a)) return true;
    }
    return false;
}

TEST(CommandWalk, EveryCommandOfTheTableDoesWhatItsMenuEntrySays) {
    const std::map<int, Expectation> expectations = Expectations();
    std::vector<int> ids;
    {
        Walk probe;
        ASSERT_NE(probe.chart, nullptr);
        ids = probe.frame->commands().ids();
        for (int id : ids) {
            QAction* a = probe.action(id);
            // Reachable: the command menu or the pane's tool bar shows it. The
            // delete dialog of 刪除個人資料 is what 刪除命盤 opens when nothing is
            // checked.
            const CClassView* pane = probe.frame->clientPane();
            const bool reachable =
                InMenu(probe.frame->functionMenu(), a) || pane->toolBar()->actions().contains(a) ||
                pane->functionButton()->defaultAction() == a || id == cmd::DeleteClientDialog;
            EXPECT_TRUE(reachable)
                << "command " << id << " 「" << a->text().toStdString() << "」 cannot be reached";
        }
    }
    ASSERT_GT(ids.size(), 40u);
    for (int id : ids) {
        const auto it = expectations.find(id);
        if (it == expectations.end()) {
            ADD_FAILURE() << "command " << id << " 「"
                          << Walk().frame->commands().label(id).toStdString()
                          << "」 has no expectation in this walk: add what it shows or does";
            continue;
        }
        SCOPED_TRACE(testing::Message() << "command " << id);
        Walk w;
        ASSERT_NE(w.chart, nullptr);
        it->second(w);
        EXPECT_TRUE(w.s.responder.warnings.isEmpty())
            << w.s.responder.warnings.join('\n').toStdString();
    }
    for (const auto& [id, check] : expectations)
        EXPECT_NE(std::find(ids.begin(), ids.end(), id), ids.end())
            << "an expectation for command " << id << ", which the table no longer has";
}

} // namespace
} // namespace zelk
