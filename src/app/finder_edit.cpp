#include "finder_edit.h"

#include "res_text.h"

#include <QValidator>

namespace zelk {

namespace {

// The hint is longer than what may be typed, so the limit is a validator rather
// than the box's maximum length (which would cut the hint).
class FinderLengthValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        if (input.size() <= kFinderMaxChars || input == CMyFinderEdit::HintText())
            return Acceptable;
        return Invalid;
    }
};

} // namespace

CMyFinderEdit::CMyFinderEdit(QWidget* parent) : QLineEdit(parent) {
    setValidator(new FinderLengthValidator(this));
}

QString CMyFinderEdit::HintText() {
    return Res(689);
}

void CMyFinderEdit::startWith(const QString& storedText) {
    const QString text = storedText.isEmpty() ? HintText() : storedText;
    // Setting the text counts as a change even when it equals the current one.
    if (this->text() == text)
        emit textChanged(text);
    else
        setText(text);
}

void CMyFinderEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (text() == HintText()) {
        selectAll();
        clear();
    }
}

} // namespace zelk
