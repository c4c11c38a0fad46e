// The settings dialogs driven as a person would: each opens on a settings file
// in a temporary folder, controls are clicked, and the file and AppSettings are
// checked after 確定, 取消 and 回復預設值.
#include "app/app_context.h"
#include "app/command_ids.h"
#include "app/four_hua_edit_dlg.h"
#include "app/message_box.h"
#include "app/settings_dlg_base.h"
#include "app/settings_dlg_commands.h"
#include "app/settings_dlg_controls.h"
#include "app/settings_dlg_print.h"
#include "app/settings_dlg_star_display.h"
#include "chart/chart_engine.h"
#include "settings/four_hua_text.h"
#include "settings/ini_document.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace zelk {
namespace {

using Keys = std::map<int, int32_t>;

// Key ids used below.
constexpr int kLeapBase = 314, kGodBase = 315, kHorseBase = 316, kYearHuaBase = 317,
              kYearDisplay = 433, kPanBase = 305, kDoctorType = 557, kFourHuaType = 563,
              kColor34 = 573, kMiaoWang = 575, kHuaOut = 439, kSmallYearRevert = 604,
              kPrintLsan = 610, kNameDisplay = 470, kASTAR1 = 457, kASTAR2 = 458, kBSTAR1 = 459,
              kBSTAR3 = 461, kFlowMa = 567, kMANPIE = 522, kGiSuong = 611, kFourHuaData = 552;

struct CollectingResponder : MessageResponder {
    QStringList warnings;
    void warned(const QString& text) override { warnings << text; }
    bool answer(const QString&) override { return true; }
};

class SettingsDialogs : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        context.settingsPath = dir.filePath(QStringLiteral("a16_S3Zelk_V3.ini"));
        SetMessageResponder(&responder);
        hooks.refreshAllCharts = [this] { ++refreshed; };
        hooks.repaint = [this] { ++repainted; };
    }
    void TearDown() override { SetMessageResponder(nullptr); }

    void store(const Keys& keys) {
        SettingsFileEdit edit(context.settingsPath);
        for (const auto& [id, v] : keys)
            edit.PutInt(v, id, false, context.now);
        ASSERT_TRUE(edit.Commit().ok());
    }
    int32_t stored(int keyId) const {
        return GetIntSetting(keyId, context.settingsPath, context.now);
    }
    bool hasKey(int keyId) const {
        return ReadIniFile(context.settingsPath)
            .document.Value(SettingSectionName(kStarSectionId), SettingKeyName(keyId))
            .has_value();
    }
    QByteArray fileBytes() const {
        QFile f(context.settingsPath);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Runs a command; `drive` gets its dialog once it is up and must close it.
    bool run(int commandId, const std::function<void(QDialog*)>& drive) {
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!d) {
                ADD_FAILURE() << "no dialog for command " << commandId;
                return;
            }
            drive(d);
            if (d->isVisible()) {
                ADD_FAILURE() << "dialog left open";
                d->reject();
            }
        });
        return RunSettingsCommand(commandId, nullptr, context, hooks);
    }

    QTemporaryDir dir;
    AppContext context;
    CollectingResponder responder;
    SettingsCommandHooks hooks;
    int refreshed = 0;
    int repainted = 0;
};

template <class T = QAbstractButton> T* Ctl(const QWidget* dialog, int id) {
    QWidget* w = FindDialogControl(dialog, id);
    EXPECT_NE(w, nullptr) << "control " << id;
    return qobject_cast<T*>(w);
}
bool Checked(const QWidget* d, int id) {
    return Ctl(d, id)->isChecked();
}
bool Enabled(const QWidget* d, int id) {
    return Ctl<QWidget>(d, id)->isEnabled();
}
void Click(const QWidget* d, int id) {
    Ctl(d, id)->click();
}

// ---------------------------------------------------------------------------
// 排盤參數設定

TEST_F(SettingsDialogs, ChartParametersShowStoredValuesByGroupRules) {
    store({{kLeapBase, 0},
           {kGodBase, -1},
           {kYearHuaBase, 9},
           {kYearDisplay, 5},
           {kFourHuaType, 7},
           {kDoctorType, 1}});
    context.settings.DOCTORSTAR = 1;
    run(cmd::ChartParameters, [](QDialog* d) {
        using namespace sdlg::panbase;
        EXPECT_TRUE(Checked(d, LeapThisMonth));
        EXPECT_FALSE(Checked(d, LeapSplitMonth));
        EXPECT_TRUE(Checked(d, GodSmallPeriod)) << "three-way: -1 shows the third";
        EXPECT_TRUE(Checked(d, YearHuaStacked)) << "four-way: 9 shows the fourth";
        EXPECT_TRUE(Checked(d, YearRepublic)) << "two-way: 5 shows the second";
        EXPECT_TRUE(Checked(d, FourHuaUser)) << "FourHuaType 7 shows 自訂四化星";
        EXPECT_TRUE(Checked(d, DoctorMoving));
        EXPECT_TRUE(Enabled(d, DoctorMoving));
        EXPECT_TRUE(Checked(d, HorseByMonth)) << "a missing key shows its default";
        EXPECT_FALSE(Ctl<QWidget>(d, FlowSkyMoving)->isVisibleTo(d));
        d->reject();
    });
}

TEST_F(SettingsDialogs, ChartParametersConfirmWritesEveryKeyOnceAndCopiesIntoSettings) {
    store({{kFourHuaType, 7}, {kYearHuaBase, 9}, {kPanBase, 1}, {kDoctorType, 1}});
    context.settings.DOCTORSTAR = 0;
    const bool confirmed = run(cmd::ChartParameters, [](QDialog* d) {
        using namespace sdlg::panbase;
        for (int id : {DoctorNatal, DoctorMoving, DoctorNatalAndYear}) {
            EXPECT_FALSE(Enabled(d, id));
            EXPECT_FALSE(Checked(d, id));
        }
        Click(d, HorseByYear);
        Click(d, LeapNextMonth);
        Click(d, sdlg::Ok);
    });
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(refreshed, 1);
    EXPECT_EQ(stored(kHorseBase), 0);
    EXPECT_EQ(stored(kLeapBase), 2);
    EXPECT_EQ(stored(kFourHuaType), 7) << "an untouched out-of-range value is written back";
    EXPECT_EQ(stored(kYearHuaBase), 9);
    EXPECT_EQ(stored(kDoctorType), 1) << "DoctorType is kept while its buttons are off";
    EXPECT_TRUE(hasKey(kPanBase)) << "carried keys are written too";
    EXPECT_EQ(context.settings.HorseBase, 0);
    EXPECT_EQ(context.settings.LeapBase, 2);
    EXPECT_EQ(context.settings.FourHuaType, 7);
    EXPECT_EQ(context.settings.PanBase, 1) << "carried keys come from the file";
    EXPECT_EQ(context.settings.DoctorType, 1);
}

TEST_F(SettingsDialogs, ChartParametersCancelWritesAndCopiesNothing) {
    store({{kHorseBase, 1}});
    const QByteArray before = fileBytes();
    const AppSettings settingsBefore = context.settings;
    EXPECT_FALSE(run(cmd::ChartParameters, [](QDialog* d) {
        Click(d, sdlg::panbase::HorseByYear);
        Click(d, sdlg::Cancel);
    }));
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(context.settings.HorseBase, settingsBefore.HorseBase);
    EXPECT_EQ(refreshed, 0);
}

TEST_F(SettingsDialogs, ChartParametersRestoreDefaultsWritesAtOnceAndStaysOpen) {
    store({{kHorseBase, 0}, {kFourHuaType, 2}});
    context.settings.HorseBase = 0;
    run(cmd::ChartParameters, [this](QDialog* d) {
        Click(d, sdlg::Defaults);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(stored(kHorseBase), 1);
        EXPECT_EQ(stored(kFourHuaType), 0);
        EXPECT_TRUE(Checked(d, sdlg::panbase::HorseByMonth));
        EXPECT_TRUE(Checked(d, sdlg::panbase::FourHuaQinTian));
        Click(d, sdlg::Cancel);
    });
    EXPECT_EQ(stored(kHorseBase), 1) << "the defaults stay in the file";
    EXPECT_EQ(context.settings.HorseBase, 0) << "memory keeps its values for the run";
}

TEST_F(SettingsDialogs, ChartParametersRecomputeOpenChartsWithTheNewRule) {
    context.clock = FixedClock({2026, 12, 9, 10, 30});
    RefreshCurrentTime(context.now, context.clock);
    BirthInput birth;
    birth.sex = 1;
    birth.solarYear = 1985; // 乙丑: by year, 天馬 stands in 亥
    birth.solarMonth = 9;
    birth.solarDay = 9;
    birth.hourIndex = 7;
    birth.clockHour = 14;
    ChartRecord chart;
    ASSERT_TRUE(LoadChartInputs(chart, birth, InputCommand::NewClient, context.env()).ok());
    const auto horseAt = [&chart] {
        for (int p = 0; p < 12; ++p)
            if (chart.natalChart.groupB[p] & StarB::TianMa) return p;
        return -1;
    };
    const int byMonth = horseAt();
    hooks.refreshAllCharts = [&] {
        ASSERT_TRUE(RecomputeAfterSettingsChange(chart, context.env()).ok());
    };
    EXPECT_TRUE(run(cmd::ChartParameters, [](QDialog* d) {
        Click(d, sdlg::panbase::HorseByYear);
        Click(d, sdlg::Ok);
    }));
    EXPECT_EQ(horseAt(), PositionOfBranch(11)) << "亥";
    EXPECT_NE(horseAt(), byMonth);
}

// ---------------------------------------------------------------------------
// 操作介面設定

TEST_F(SettingsDialogs, InterfaceEditsItsKeysAndRecomputes) {
    store({{kColor34, 3}, {kMiaoWang, 2}, {kHuaOut, 0}, {kSmallYearRevert, 1}});
    EXPECT_TRUE(run(cmd::InterfaceSettings, [](QDialog* d) {
        using namespace sdlg::iface;
        EXPECT_TRUE(Checked(d, NoColour34));
        EXPECT_TRUE(Checked(d, MiaoWangHidden));
        EXPECT_FALSE(Checked(d, HuaOut));
        EXPECT_TRUE(Checked(d, SmallYearRevert));
        EXPECT_FALSE(Enabled(d, SmallYearRevert));
        Click(d, HuaOut);
        Click(d, MiaoWangNumber);
        Click(d, sdlg::Ok);
    }));
    EXPECT_EQ(stored(kHuaOut), 1);
    EXPECT_EQ(stored(kMiaoWang), 1);
    EXPECT_EQ(stored(kColor34), 3);
    EXPECT_EQ(stored(kSmallYearRevert), 1);
    EXPECT_EQ(context.settings.HuaOut, 1);
    EXPECT_EQ(context.settings.MiaoWangType, 1);
    EXPECT_EQ(context.settings.ColorType34, 3);
    EXPECT_EQ(refreshed, 1);
}

// ---------------------------------------------------------------------------
// 請設定列印參數

TEST(PrintPages, ClicksFollowTheTimePageRules) {
    using namespace print_pages;
    EXPECT_EQ(ToggleTimePages(0), 256);
    EXPECT_EQ(ToggleTimePages(512 | 4), 0);
    EXPECT_EQ(ChooseThreePages(256), 512);
    EXPECT_EQ(ChooseThreePages(512 | 3), 512) << "page bits are cleared";
    EXPECT_EQ(TogglePage(TogglePage(512, 0), 2), 512 | 1 | 4);
    EXPECT_EQ(TogglePage(512 | 2, 1), 512);

    const Shown none = Show(0);
    EXPECT_FALSE(none.timePages || none.layoutEnabled || none.pagesEnabled);
    const Shown one = Show(256);
    EXPECT_TRUE(one.timePages && one.onePage && one.layoutEnabled);
    EXPECT_FALSE(one.pagesEnabled);
    const Shown three = Show(512 | 2);
    EXPECT_TRUE(three.threePages && three.pagesEnabled && three.pages[1]);
    EXPECT_FALSE(three.onePage || three.pages[0] || three.pages[2]);
}

TEST_F(SettingsDialogs, PrintDialogDrivesPrintLsanAndOnlyRepaints) {
    store({{kPrintLsan, 512}, {kNameDisplay, 0}});
    EXPECT_TRUE(run(cmd::PrintParameters, [](QDialog* d) {
        using namespace sdlg::print;
        EXPECT_TRUE(Checked(d, TimePages));
        EXPECT_TRUE(Checked(d, ThreePages));
        EXPECT_FALSE(Checked(d, OnePage));
        for (int id : {Page1, Page2, Page3}) {
            EXPECT_TRUE(Enabled(d, id));
            EXPECT_FALSE(Checked(d, id));
        }
        EXPECT_FALSE(Checked(d, Name));
        EXPECT_FALSE(Enabled(d, Watermark));
        EXPECT_FALSE(Enabled(d, Judgement));

        Click(d, OnePage);
        for (int id : {Page1, Page2, Page3})
            EXPECT_FALSE(Enabled(d, id));
        Click(d, TimePages);
        EXPECT_FALSE(Checked(d, TimePages));
        for (int id : {OnePage, ThreePages, Page1})
            EXPECT_FALSE(Enabled(d, id));
        Click(d, TimePages);
        EXPECT_TRUE(Checked(d, OnePage));
        Click(d, ThreePages);
        Click(d, Page2);
        EXPECT_TRUE(Checked(d, Page2));
        EXPECT_FALSE(Checked(d, OnePage));
        Click(d, Name);
        Click(d, sdlg::Ok);
    }));
    EXPECT_EQ(stored(kPrintLsan), 512 | 2);
    EXPECT_EQ(stored(kNameDisplay), 1);
    EXPECT_EQ(context.settings.PrintLsan, 512 | 2);
    EXPECT_EQ(context.settings.NameDisplay, 1);
    EXPECT_EQ(repainted, 1);
    EXPECT_EQ(refreshed, 0);
}

// ---------------------------------------------------------------------------
// 星曜顯示設定

TEST(StarMasks, SpreadAndPackKeepTheBitPositions) {
    using namespace star_masks;
    const FirstGrade first = SpreadFirstGrade(0x7FFF, 0xFFFF);
    EXPECT_EQ(first[0], kHidden);
    EXPECT_EQ(first[1], kShown);
    EXPECT_EQ(first[28], kShown);
    EXPECT_EQ(PackFirstGrade(first), std::make_pair(0x7FFF, 0xFFF8)) << "bits 2-0 carry no item";

    const SecondGrade second = SpreadSecondGrade(0xFFFF, 0xFFFE, 0x4000);
    EXPECT_EQ(second[31], kHidden);
    EXPECT_EQ(second[32], kHidden);
    EXPECT_EQ(second[33], kShown);
    EXPECT_EQ(PackSecondGrade(second), (std::array<int32_t, 3>{0xFFFF, 0xFFFE, 0x4000}));
    // A stored half that is out of range is taken as its low 16 bits.
    EXPECT_EQ(SpreadFirstGrade(0x18000, 0)[0], kShown);
}

TEST_F(SettingsDialogs, StarDisplayCombosAndShowAll) {
    store({{kASTAR1, 0x7FFF}, {kBSTAR3, 0}, {kFlowMa, 2}});
    context.settings.FourHuaType = 1;
    EXPECT_TRUE(run(cmd::StarDisplay, [](QDialog* d) {
        using namespace sdlg::stars;
        auto* first = Ctl<QComboBox>(d, FirstGradeList);
        auto* second = Ctl<QComboBox>(d, SecondGradeList);
        EXPECT_EQ(first->count(), 29);
        EXPECT_EQ(first->itemText(0), QStringLiteral("紫微"));
        EXPECT_EQ(first->itemText(28), QStringLiteral("忌"));
        EXPECT_EQ(second->count(), 34);
        EXPECT_EQ(second->itemText(1), QStringLiteral("地空")) << "the 占驗門 list";
        EXPECT_FALSE(Checked(d, MaPlain));
        EXPECT_FALSE(Checked(d, MaFlow)) << "FlowMaDisplay 2 shows neither button";

        EXPECT_FALSE(Checked(d, FirstGradeShown)) << "紫微 is hidden";
        EXPECT_FALSE(Checked(d, FirstGradeAll));
        Click(d, FirstGradeShown);
        EXPECT_TRUE(Checked(d, FirstGradeAll)) << "showing the last hidden item shows all";
        first->setCurrentIndex(3);
        EXPECT_TRUE(Checked(d, FirstGradeShown));
        Click(d, FirstGradeShown);
        EXPECT_FALSE(Checked(d, FirstGradeShown));
        EXPECT_FALSE(Checked(d, FirstGradeAll));

        EXPECT_FALSE(Checked(d, SecondGradeAll));
        Click(d, SecondGradeAll);
        second->setCurrentIndex(33);
        EXPECT_TRUE(Checked(d, SecondGradeShown));
        Click(d, SecondGradeAll); // unchecking hides nothing
        EXPECT_TRUE(Checked(d, SecondGradeShown));
        Click(d, sdlg::Ok);
    }));
    EXPECT_EQ(stored(kASTAR1), 0xEFFF) << "item 3 is bit 28";
    EXPECT_EQ(stored(kASTAR2), 0xFFF8);
    EXPECT_EQ(stored(kBSTAR3), 0xC000);
    EXPECT_EQ(stored(kFlowMa), 2);
    EXPECT_EQ(context.settings.AStarMask, 0xEFFFFFF8u);
    EXPECT_EQ(context.settings.BStarMask2, 0xC000u);
    EXPECT_EQ(context.settings.FlowMaDisplay, 2);
    EXPECT_EQ(refreshed, 1);
}

TEST_F(SettingsDialogs, StarDisplayRestoreThenCancelKeepsTheShownMasksInMemory) {
    store({{kASTAR1, 0x0FFF}, {kASTAR2, 0xFFF8}, {kBSTAR1, 0}});
    context.settings.AStarMask = 0xFFFFFFFFu;
    context.settings.BStarMask = 0xFFFFFFFFu;
    EXPECT_FALSE(run(cmd::StarDisplay, [](QDialog* d) {
        Click(d, sdlg::Defaults);
        EXPECT_TRUE(Checked(d, sdlg::stars::FirstGradeAll));
        EXPECT_TRUE(Checked(d, sdlg::stars::SecondGradeAll));
        Click(d, sdlg::Cancel);
    }));
    EXPECT_EQ(stored(kASTAR1), 65535);
    EXPECT_EQ(stored(kASTAR2), 65535);
    EXPECT_EQ(stored(kBSTAR1), 65535);
    EXPECT_EQ(context.settings.AStarMask, 0x0FFFFFF8u) << "the masks shown before the reset";
    EXPECT_EQ(context.settings.BStarMask, 0x0000FFFFu);
    EXPECT_EQ(refreshed, 0);
}

// ---------------------------------------------------------------------------
// 門派

TEST_F(SettingsDialogs, SchoolShowsUnknownValuesAsTheFirstSchool) {
    store({{kMANPIE, 5}});
    EXPECT_TRUE(run(cmd::School, [](QDialog* d) {
        EXPECT_TRUE(Checked(d, sdlg::school::QinTian));
        EXPECT_EQ(FindDialogControl(d, sdlg::Defaults), nullptr);
        Click(d, sdlg::Ok);
    }));
    EXPECT_EQ(stored(kMANPIE), 5);
    EXPECT_EQ(context.settings.MANPIE, 5);

    EXPECT_TRUE(run(cmd::School, [](QDialog* d) {
        Click(d, sdlg::school::Eighteen);
        Click(d, sdlg::Ok);
    }));
    EXPECT_EQ(stored(kMANPIE), 2);
    EXPECT_EQ(context.settings.MANPIE, 2);
    EXPECT_EQ(refreshed, 2);
}

// ---------------------------------------------------------------------------
// 自訂四化

TEST_F(SettingsDialogs, UserFourHuaOnlyWhileTheUserTableIsInForce) {
    context.settings.FourHuaType = 0;
    EXPECT_FALSE(IsSettingsCommandEnabled(cmd::UserFourHua, context.settings));
    EXPECT_FALSE(RunSettingsCommand(cmd::UserFourHua, nullptr, context, hooks));
    context.settings.FourHuaType = 3;
    EXPECT_TRUE(IsSettingsCommandEnabled(cmd::UserFourHua, context.settings));
    EXPECT_TRUE(IsSettingsCommandEnabled(cmd::ChartParameters, context.settings));
    EXPECT_FALSE(IsSettingsCommandEnabled(cmd::About, context.settings));
}

TEST_F(SettingsDialogs, UserFourHuaEditorWithAnEmptyCell) {
    // 甲's 科 stored as "32": an empty cell.
    QString text = FormatFourHuaText(kDefaultFourHuaTable);
    text.replace(4, 2, QStringLiteral("32"));
    ASSERT_TRUE(PutStringSetting(103, kFourHuaData, text, context.settingsPath).ok());
    context.settings.FourHuaType = 3;
    context.settings.UserFourHuaTable = *ParseFourHuaText(text);

    EXPECT_TRUE(run(cmd::UserFourHua, [](QDialog* d) {
        using namespace sdlg::fourhua;
        EXPECT_EQ(Ctl<QLineEdit>(d, kCells[0][0])->text(), QStringLiteral("廉貞"));
        EXPECT_EQ(Ctl<QLineEdit>(d, kCells[0][1])->text(), QStringLiteral("破軍"));
        EXPECT_EQ(Ctl<QLineEdit>(d, kCells[0][2])->text(), QString());
        EXPECT_EQ(Ctl<QLineEdit>(d, kCells[0][3])->text(), QStringLiteral("太陽"));
        EXPECT_EQ(Ctl(d, kRowButtons[5])->text(), QStringLiteral("修改已"));

        // The row editor: no selection for the empty cell; 確定 keeps it empty.
        QTimer::singleShot(0, [] {
            auto* row = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(row, nullptr);
            EXPECT_EQ(Ctl<QLineEdit>(row, RowStem)->text(), QStringLiteral("甲"));
            EXPECT_EQ(Ctl<QComboBox>(row, kRowCombos[0])->currentIndex(), 5);
            EXPECT_EQ(Ctl<QComboBox>(row, kRowCombos[2])->currentIndex(), -1);
            Ctl<QComboBox>(row, kRowCombos[0])->setCurrentIndex(0); // 祿 to 紫微
            Ctl<QComboBox>(row, kRowCombos[3])->setCurrentIndex(0); // the same star twice
            Click(row, sdlg::Ok);
        });
        Click(d, kRowButtons[0]);
        EXPECT_EQ(Ctl<QLineEdit>(d, kCells[0][0])->text(), QStringLiteral("紫微"));
        EXPECT_EQ(Ctl<QLineEdit>(d, kCells[0][2])->text(), QString());
        EXPECT_EQ(Ctl<QLineEdit>(d, kCells[0][3])->text(), QStringLiteral("紫微"));
        Click(d, sdlg::Ok);
    }));
    QString expected = text;
    expected.replace(0, 2, QStringLiteral("00"));
    expected.replace(6, 2, QStringLiteral("00"));
    EXPECT_EQ(GetStringSetting(QString(), 103, kFourHuaData, context.settingsPath), expected);
    EXPECT_EQ(context.settings.UserFourHuaTable[0][0], FourHuaStarMask(0));
    EXPECT_EQ(context.settings.UserFourHuaTable[0][2], 0u);
    EXPECT_EQ(repainted, 1);
    EXPECT_EQ(refreshed, 0) << "charts take the table at their next computation";
}

TEST_F(SettingsDialogs, UserFourHuaDefaultsThenCancelChangeNothing) {
    context.settings.FourHuaType = 3;
    context.settings.UserFourHuaTable = kFourHuaPresetTable[1];
    EXPECT_FALSE(run(cmd::UserFourHua, [](QDialog* d) {
        using namespace sdlg::fourhua;
        EXPECT_EQ(Ctl<QLineEdit>(d, kCells[0][2])->text(), QStringLiteral("文曲"));
        Click(d, sdlg::Defaults);
        EXPECT_EQ(Ctl<QLineEdit>(d, kCells[0][2])->text(), QStringLiteral("武曲"));
        Click(d, sdlg::Cancel);
    }));
    EXPECT_EQ(context.settings.UserFourHuaTable, kFourHuaPresetTable[1]);
    EXPECT_FALSE(QFile::exists(context.settingsPath));
}

TEST(FourHuaRowEditor, RestoreDefaultsSelectsTheDefaultStars) {
    CEditSkyFourHua row(6, {-1, -1, -1, -1});
    EXPECT_EQ(row.selections(), (CEditSkyFourHua::Row{-1, -1, -1, -1}));
    row.restoreDefaults();
    EXPECT_EQ(row.selections(), (CEditSkyFourHua::Row{2, 3, 7, 4})) << "庚: 太陽 武曲 太陰 天同";
    EXPECT_EQ(FourHuaCellText(FourHuaStarMask(26)), QString()) << "26 names no star";
}

// ---------------------------------------------------------------------------
// 垂象法則

TEST_F(SettingsDialogs, TimingRulesToggleMemoryAtOnceAndStoreOnConfirm) {
    EXPECT_TRUE(run(cmd::ImportRules, [](QDialog* d) {
        using namespace sdlg::gisuong;
        EXPECT_TRUE(Checked(d, Rule1) && Checked(d, Rule2) && Checked(d, Rule3));
        Click(d, sdlg::Ok);
    }));
    EXPECT_EQ(stored(kGiSuong), 7);

    EXPECT_FALSE(run(cmd::ImportRules, [this](QDialog* d) {
        Click(d, sdlg::gisuong::Rule2);
        EXPECT_EQ(context.settings.GISUONG_RULE, 5);
        Click(d, sdlg::Cancel);
    }));
    EXPECT_EQ(stored(kGiSuong), 7);
    EXPECT_EQ(context.settings.GISUONG_RULE, 5) << "cancelled toggles stay in memory";

    EXPECT_TRUE(run(cmd::ImportRules, [this](QDialog* d) {
        EXPECT_EQ(context.settings.GISUONG_RULE, 7) << "opening reads the stored value";
        Click(d, sdlg::gisuong::Rule3);
        Click(d, sdlg::Ok);
    }));
    EXPECT_EQ(stored(kGiSuong), 3);
    EXPECT_EQ(repainted, 2);
}

// ---------------------------------------------------------------------------
// A settings file that cannot be written

class UnwritableSettings : public SettingsDialogs {
  protected:
    void SetUp() override {
        SettingsDialogs::SetUp();
        // The settings folder is a plain file: nothing can be created below it
        // (file modes would not stop a test run as root).
        QFile blocker(dir.filePath(QStringLiteral("blocked")));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        context.settingsPath = dir.filePath(QStringLiteral("blocked/a16_S3Zelk_V3.ini"));
    }
    // Confirms with a change, expects a warning with the dialog still open, cancels.
    void confirmFails(int commandId, int controlId) {
        const bool confirmed = run(commandId, [&](QDialog* d) {
            if (controlId) Click(d, controlId);
            Click(d, sdlg::Ok);
            EXPECT_TRUE(d->isVisible()) << "the dialog stays open after the failure";
            EXPECT_EQ(responder.warnings.size(), 1);
            Click(d, sdlg::Cancel);
        });
        EXPECT_FALSE(confirmed);
        EXPECT_EQ(refreshed + repainted, 0);
    }
};

TEST_F(UnwritableSettings, ConfirmLeavesAppSettingsUnchanged) {
    confirmFails(cmd::ChartParameters, sdlg::panbase::HorseByYear);
    EXPECT_EQ(context.settings.HorseBase, 1);

    responder.warnings.clear();
    confirmFails(cmd::StarDisplay, sdlg::stars::FirstGradeShown);
    EXPECT_EQ(context.settings.AStarMask, 0xFFFFFFFFu);

    responder.warnings.clear();
    context.settings.FourHuaType = 3;
    const FourHuaTable before = context.settings.UserFourHuaTable;
    confirmFails(cmd::UserFourHua, sdlg::Defaults);
    EXPECT_EQ(context.settings.UserFourHuaTable, before);
    EXPECT_TRUE(responder.warnings.value(0).contains(QStringLiteral("a16_S3Zelk_V3.ini")));
}

TEST_F(UnwritableSettings, RestoreDefaultsFailureSaysSoAndKeepsTheShownValues) {
    context.settings.AStarMask = 0x12345678u;
    run(cmd::StarDisplay, [this](QDialog* d) {
        Click(d, sdlg::stars::FirstGradeShown);
        Click(d, sdlg::Defaults);
        EXPECT_EQ(responder.warnings.size(), 1);
        EXPECT_FALSE(Checked(d, sdlg::stars::FirstGradeShown)) << "the edit is still shown";
        Click(d, sdlg::Cancel);
    });
    EXPECT_EQ(context.settings.AStarMask, 0x12345678u);
}

} // namespace
} // namespace zelk
