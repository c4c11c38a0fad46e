#include "interface_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zelk {

bool InstallInterfaceLanguage(QCoreApplication& app) {
    // Tests start the program many times in one process; one translator is enough.
    static QTranslator* installed = nullptr;
    if (installed) return true;
    const QLocale taiwan(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan);
    QLocale::setDefault(taiwan);
    auto* translator = new QTranslator(&app);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // "qt" gathers the catalogues of every Qt module; "qtbase" alone holds the
    // widgets' texts, should the gathering file be missing.
    if (!translator->load(taiwan, QStringLiteral("qt"), QStringLiteral("_"), folder) &&
        !translator->load(taiwan, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
        delete translator;
        return false;
    }
    app.installTranslator(translator);
    installed = translator;
    return true;
}

} // namespace zelk
