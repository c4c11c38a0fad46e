#include "zelk_app.h"

#include "app_session.h"
#include "zelk_version.h"

namespace zelk {

CZelkApp::CZelkApp(int& argc, char** argv) : QApplication(argc, argv) {
    setOrganizationName(QStringLiteral("Quiln"));
    setApplicationName(QStringLiteral("Zelk"));
    setApplicationVersion(QStringLiteral(ZELK_VERSION));
    setDesktopFileName(QStringLiteral("org.zelk.Zelk"));
}

CZelkApp::~CZelkApp() {
    session_.reset();
}

bool CZelkApp::InitInstance() {
    session_ = std::make_unique<AppSession>();
    return session_->start(ParseStartupArguments(arguments()));
}

int CZelkApp::Run() {
    if (!InitInstance()) return 1;
    return exec();
}

} // namespace zelk
