// Every test process starts here: no display, a fresh settings folder and home folder
// (no test reads or writes the user's settings), failures skipped on purpose traced (so
// a failing test shows what was skipped on its way), then the tests. The desktop tests
// run on the X server that their fixture started: TESSALY_X_SESSION names its folder.
#include <QApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer build: what the sanitizers find in our code ends the test. The web
// engine's library (not built with them) frees some objects by a base of another size,
// which is its own affair, and the program's lifetime objects are left to the exit.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=0:new_delete_type_mismatch=0";
}
extern "C" const char* __ubsan_default_options() {
    return "print_stacktrace=1:halt_on_error=1";
}
#endif

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const QString session = qEnvironmentVariable("TESSALY_X_SESSION");
    if (!session.isEmpty() && !::testing::GTEST_FLAG(list_tests)) {
        QFile display(session + "/display");
        if (!display.open(QIODevice::ReadOnly)) {
            fprintf(stderr, "no X server: %s/display is missing\n", qPrintable(session));
            return 1;
        }
        qputenv("DISPLAY", display.readAll().trimmed());
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
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
