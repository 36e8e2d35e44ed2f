// Every test process starts here: no display, a fresh settings folder and home folder
// (no test reads or writes the user's settings), failures skipped on purpose traced (so
// a failing test shows what was skipped on its way), then the tests.
#include <QApplication>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QTemporaryDir home;
    QTemporaryDir config;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QLoggingCategory::setFilterRules("tessaly.skipped.debug=true");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
