#include "star_message_dlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace zelk {

namespace C = StarMessageControl;

CStarMessageDlg::CStarMessageDlg(const StarMessageTexts& texts, QWidget* parent) : QDialog(parent) {
    build(texts);
}

CStarMessageDlg::CStarMessageDlg(const AppSettings& settings, const ChartBlock& chart,
                                 int palaceNumber, int palacePosition, int palaceElement, int kind,
                                 int subKind, int index, QWidget* parent)
    : QDialog(parent) {
    build(StarMessageFor(settings, chart, palaceNumber, palacePosition, palaceElement, kind,
                         subKind, index));
}

QLabel* CStarMessageDlg::addLabel(int id, const QString& text) {
    auto* label = new QLabel(this);
    label->setTextFormat(Qt::PlainText); // names from files are never markup
    label->setText(text);
    label->setObjectName(QString::number(id));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QPlainTextEdit* CStarMessageDlg::addTextBox(int id, const QString& text, int lines) {
    auto* box = new QPlainTextEdit(this);
    box->setObjectName(QString::number(id));
    box->setReadOnly(true);
    // Long texts wrap and scroll; nothing is cut to the box's size.
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    box->setPlainText(text);
    const int lineHeight = box->fontMetrics().lineSpacing();
    box->setMinimumHeight(lineHeight * lines + 12);
    return box;
}

void CStarMessageDlg::build(const StarMessageTexts& texts) {
    setObjectName(QString::number(C::Dialog));
    setWindowTitle(QStringLiteral("星性說明"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    auto* header = new QHBoxLayout;
    header->addWidget(addLabel(C::StarName, texts.starName));
    header->addWidget(addLabel(C::PalaceLabel, texts.palaceLabel));
    header->addWidget(addLabel(C::StemBranch, texts.stemBranch));
    header->addWidget(addLabel(C::PalaceElement, texts.palaceElementName));
    header->addStretch();
    layout->addLayout(header);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("星性"), addTextBox(C::NatureText, texts.natureText, 3));
    form->addRow(QStringLiteral("關鍵字"), addTextBox(C::KeywordText, texts.keywordText, 2));
    form->addRow(QStringLiteral("說明"), addTextBox(C::Explanation, texts.explanation, 8));
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("確定"), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    resize(460, 420);
}

QString CStarMessageDlg::controlText(int id) const {
    const QString name = QString::number(id);
    if (auto* label = findChild<QLabel*>(name)) return label->text();
    if (auto* box = findChild<QPlainTextEdit*>(name)) return box->toPlainText();
    return {};
}

void ShowStarMessage(QWidget* parent, const AppSettings& settings, const ChartBlock& chart,
                     int palaceNumber, int palacePosition, int palaceElement, int kind, int subKind,
                     int index) {
    CStarMessageDlg dialog(settings, chart, palaceNumber, palacePosition, palaceElement, kind,
                           subKind, index, parent);
    dialog.exec();
}

} // namespace zelk
