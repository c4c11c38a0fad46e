#include "app_messages.h"

#include <QDir>

namespace zelk {

QString DatabaseInUseText(const QString& path) {
    return QStringLiteral("此客戶資料檔已由另一個執行中的程式開啟，本程式將以唯讀方式開啟，"
                          "不會寫入任何變更。\n%1")
        .arg(QDir::toNativeSeparators(path));
}

QString ReadOnlyRefusalText(const QString& path) {
    return QStringLiteral("客戶資料檔以唯讀方式開啟（另一個執行中的程式正在使用），"
                          "無法儲存變更。\n%1")
        .arg(QDir::toNativeSeparators(path));
}

QString ClientMovedText() {
    return QStringLiteral("此命盤的客戶資料已不在原位置，為免覆寫其他客戶，本次修改未存檔。");
}

} // namespace zelk
