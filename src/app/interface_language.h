// The language of Qt's own texts: the standard buttons (確定, 取消, 是, 否), the file,
// print and page set-up dialogs and the context menus of edit boxes speak
// Traditional Chinese, like every text of the program itself.
#pragma once

class QCoreApplication;

namespace zelk {

// Loads Qt's Traditional Chinese (Taiwan) translations from Qt's translations
// folder into the application, once per process, and makes zh_TW the default
// locale. False when the translation files are not installed (Qt then speaks
// English in its own dialogs; everything else is unaffected).
bool InstallInterfaceLanguage(QCoreApplication& app);

} // namespace zelk
