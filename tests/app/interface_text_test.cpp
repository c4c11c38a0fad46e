// The program's texts as the user reads them: a face with the Traditional glyph
// forms for windows, dialogs and the chart; Qt's own buttons and dialogs in
// Traditional Chinese; successes told with the information icon; the picture
// export's offered file name.
#include "app_test_support.h"

#include "app/class_view.h"
#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/main_frame.h"
#include "app/message_box.h"
#include "app/view_tree.h"
#include "app/zelk_doc.h"
#include "view/font_faces.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace zelk {
namespace {

using test::TestSession;

// Faces whose glyphs are the forms taught in Taiwan.
bool IsTraditionalFace(const QString& family) {
    return family.contains(QStringLiteral("CJK TC")) || family.endsWith(QStringLiteral(" TW"));
}

TEST(InterfaceFaces, WindowsDialogsAndChartUseTraditionalFaces) {
    QTemporaryDir dir;
    TestSession s(dir.path());
    CMainFrame* frame = s.session->mainFrame();
    const QString pane = QFontInfo(frame->tree()->font()).family();
    EXPECT_TRUE(IsTraditionalFace(pane)) << pane.toStdString();
    QMessageBox box;
    EXPECT_TRUE(IsTraditionalFace(QFontInfo(box.font()).family()));
    // The chart's and the print's faces.
    for (const QString& face : {kFaceMing, kFaceKai}) {
        const QString family = QFontInfo(ChartFont(face, 16)).family();
        EXPECT_TRUE(IsTraditionalFace(family))
            << face.toStdString() << " -> " << family.toStdString();
    }
}

TEST(InterfaceLanguage, QtsOwnButtonsAndDialogsSpeakTraditionalChinese) {
    QTemporaryDir dir;
    TestSession s(dir.path());
    QMessageBox box(QMessageBox::Question, QString(), QString(),
                    QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(box.button(QMessageBox::Ok)->text().contains(QStringLiteral("確定")));
    EXPECT_TRUE(box.button(QMessageBox::Cancel)->text().contains(QStringLiteral("取消")));
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().contains(QStringLiteral("是")));
    EXPECT_TRUE(box.button(QMessageBox::No)->text().contains(QStringLiteral("否")));

    QFileDialog files;
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.setAcceptMode(QFileDialog::AcceptSave);
    auto* buttons = files.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    ASSERT_FALSE(buttons->buttons().isEmpty());
    for (QAbstractButton* b : buttons->buttons()) {
        bool chinese = false;
        for (QChar c : b->text())
            chinese = chinese || (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF);
        EXPECT_TRUE(chinese) << b->text().toStdString();
    }
}

TEST(Notices, SuccessCarriesTheInformationIconAndFaultsTheWarning) {
    SetMessageResponder(nullptr);
    QMessageBox::Icon seen = QMessageBox::NoIcon;
    test::WhenDialogOpens([&seen](QDialog* d) {
        seen = qobject_cast<QMessageBox*>(d)->icon();
        d->accept();
    });
    InformById(649);
    EXPECT_EQ(seen, QMessageBox::Information);
    test::WhenDialogOpens([&seen](QDialog* d) {
        seen = qobject_cast<QMessageBox*>(d)->icon();
        d->accept();
    });
    WarnById(686);
    EXPECT_EQ(seen, QMessageBox::Warning);

    for (int done : {547, 649, 684})
        EXPECT_TRUE(IsSuccessMessage(done)) << done;
    for (int fault : {416, 650, 683, 686, 801, 806, 808})
        EXPECT_FALSE(IsSuccessMessage(fault)) << fault;
}

TEST(ChartImageName, NameAndLevelMadeSafeForAFile) {
    CZelkDoc doc{CurrentTime{}};
    auto setName = [&doc](const QString& name) {
        doc.record().name.fill(0);
        for (int i = 0; i < name.size() && i < int(doc.record().name.size()); ++i)
            doc.record().name[std::size_t(i)] = name[i].unicode();
    };
    setName(QStringLiteral("王小明"));
    doc.record().shownLevel = 0;
    EXPECT_EQ(doc.imageFileName(), QStringLiteral("王小明_本命盤.png"));
    doc.record().shownLevel = 2;
    EXPECT_EQ(doc.imageFileName(), QStringLiteral("王小明_流年盤.png"));
    setName(QStringLiteral("a/b:c*?"));
    EXPECT_EQ(doc.imageFileName(), QStringLiteral("a_b_c___流年盤.png"));
    setName(QStringLiteral(".."));
    EXPECT_EQ(doc.imageFileName(), QStringLiteral("命盤_流年盤.png"));
    setName(QString());
    doc.record().shownLevel = -1;
    EXPECT_EQ(doc.imageFileName(), QStringLiteral("命盤.png"));
}

TEST(CommandMenu, SchoolFollowsThePrintParametersAndViewHoldsTheWindowCommands) {
    QTemporaryDir dir;
    TestSession s(dir.path());
    CMainFrame* frame = s.session->mainFrame();
    const QList<QAction*> items = frame->functionMenu()->actions();
    const int print = items.indexOf(frame->commands().action(cmd::PrintParameters));
    ASSERT_GE(print, 0);
    EXPECT_EQ(items.value(print + 1), frame->commands().action(cmd::School));
    QMenu* view = frame->viewMenu();
    ASSERT_NE(view, nullptr);
    for (int id : {cmd::Customize, cmd::WindowManager})
        EXPECT_TRUE(view->actions().contains(frame->commands().action(id))) << id;
    // Both 匯入 and 匯出 have a 參數: the names say which.
    EXPECT_EQ(frame->commands().label(cmd::ImportParameters), QStringLiteral("匯入參數"));
    EXPECT_EQ(frame->commands().label(cmd::ExportParameters), QStringLiteral("匯出參數"));
    EXPECT_EQ(frame->commands().label(cmd::Print), QStringLiteral("列印..."));
    EXPECT_EQ(frame->commands().idsInMenuOrder().front(), cmd::NewClientFile);
}

} // namespace
} // namespace zelk
