// One application object for every test of the desktop program, off-screen.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quiln"));
    QApplication::setApplicationName(QStringLiteral("Zelk"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
