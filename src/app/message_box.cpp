#include "message_box.h"

#include "res_text.h"

#include <QApplication>
#include <QMessageBox>

namespace zelk {

namespace {

MessageResponder* gResponder = nullptr;

QWidget* OwnerOf(QWidget* parent) {
    if (parent) return parent;
    return QApplication::activeWindow();
}

bool Ask(const QString& text, QMessageBox::StandardButtons buttons, QMessageBox::StandardButton yes,
         QWidget* parent) {
    if (gResponder) return gResponder->answer(text);
    QMessageBox box(QMessageBox::Warning, ProductTitle(), text, buttons, OwnerOf(parent));
    return box.exec() == yes;
}

} // namespace

void SetMessageResponder(MessageResponder* responder) {
    gResponder = responder;
}

void WarnText(const QString& text, QWidget* parent) {
    if (gResponder) {
        gResponder->warned(text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, ProductTitle(), text, QMessageBox::Ok, OwnerOf(parent));
    box.exec();
}

void InformText(const QString& text, QWidget* parent) {
    if (gResponder) {
        gResponder->informed(text);
        return;
    }
    QMessageBox box(QMessageBox::Information, ProductTitle(), text, QMessageBox::Ok,
                    OwnerOf(parent));
    box.exec();
}

void InformById(int stringId, QWidget* parent) {
    InformText(Res(stringId), parent);
}

bool IsSuccessMessage(int messageId) {
    switch (messageId) {
    case 547: // 已設回系統預設值!
    case 649: // 圖檔寫入完成
    case 684: // 選取項目匯出完成
        return true;
    default:
        return false;
    }
}

void WarnById(int stringId, QWidget* parent) {
    WarnText(Res(stringId), parent);
}

bool ConfirmById(int stringId, QWidget* parent) {
    return Ask(Res(stringId), QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, parent);
}

bool AskYesNoById(int stringId, QWidget* parent) {
    return Ask(Res(stringId), QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, parent);
}

} // namespace zelk
