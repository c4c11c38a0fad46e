// Message boxes of the desktop program: the product title as caption, owned by the
// main window when there is one. Faults and refusals carry the warning icon; a
// notice that something was done ("圖檔寫入完成") carries the information icon.
#pragma once

#include <QString>

class QWidget;

namespace zelk {

// A warning with the text of a resource string.
void WarnById(int stringId, QWidget* parent = nullptr);
// A warning with a composed text (a client-layer error with its path, say).
void WarnText(const QString& text, QWidget* parent = nullptr);
// A notice that an operation succeeded, with the information icon.
void InformText(const QString& text, QWidget* parent = nullptr);
void InformById(int stringId, QWidget* parent = nullptr);
// Whether a client-layer or settings message number reports a success.
bool IsSuccessMessage(int messageId);
// OK/Cancel question with the text of a resource string; true for OK.
bool ConfirmById(int stringId, QWidget* parent = nullptr);
// Yes/No question with the text of a resource string; true for Yes.
bool AskYesNoById(int stringId, QWidget* parent = nullptr);

// Tests answer the questions and collect the warnings instead of a person: while a
// responder is installed no box is shown.
struct MessageResponder {
    virtual ~MessageResponder() = default;
    virtual void warned(const QString& text) = 0;
    // A success notice; by default collected like a warning.
    virtual void informed(const QString& text) { warned(text); }
    virtual bool answer(const QString& text) = 0;
};
void SetMessageResponder(MessageResponder* responder);

} // namespace zelk
