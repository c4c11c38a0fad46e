// The 星性說明 dialog places every text whole: a long explanation scrolls in its
// box instead of being cut, and texts from files are never read as markup.
#include "view/star_message_dlg.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace zelk {
namespace {

namespace C = StarMessageControl;

TEST(StarMessageDlg, EveryControlShowsItsTextWholeAndLongOnesScroll) {
    StarMessageTexts texts;
    texts.palaceLabel = QStringLiteral("【命】");
    texts.stemBranch = QStringLiteral("甲寅");
    texts.palaceElementName = QStringLiteral("水");
    texts.starName = QStringLiteral("<b>紫微</b>");
    texts.natureText = QStringLiteral("紫微－屬土，陰，化尊。");
    texts.keywordText = QStringLiteral("紫微－「尊貴」。");
    texts.explanation = QString(3000, QChar(u'命'));
    CStarMessageDlg dialog(texts);
    dialog.resize(300, 300);
    dialog.show();
    EXPECT_EQ(dialog.objectName(), QStringLiteral("576"));
    EXPECT_EQ(dialog.controlText(C::PalaceLabel), texts.palaceLabel);
    EXPECT_EQ(dialog.controlText(C::StemBranch), texts.stemBranch);
    EXPECT_EQ(dialog.controlText(C::PalaceElement), texts.palaceElementName);
    EXPECT_EQ(dialog.controlText(C::StarName), texts.starName);
    EXPECT_EQ(dialog.controlText(C::NatureText), texts.natureText);
    EXPECT_EQ(dialog.controlText(C::KeywordText), texts.keywordText);
    EXPECT_EQ(dialog.controlText(C::Explanation), texts.explanation);

    auto* box = dialog.findChild<QPlainTextEdit*>(QString::number(C::Explanation));
    ASSERT_TRUE(box);
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_GT(box->verticalScrollBar()->maximum(), 0);
    auto* name = dialog.findChild<QLabel*>(QString::number(C::StarName));
    ASSERT_TRUE(name);
    EXPECT_EQ(name->textFormat(), Qt::PlainText);
}

} // namespace
} // namespace zelk
