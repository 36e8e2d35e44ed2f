#include "core/window/MainForm.h"

#include <QApplication>
#include <unistd.h>

int main(int argc, char** argv) {
    // The web engine refuses to start as root unless its sandbox is off.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    MainForm form(QApplication::arguments().mid(1));
    form.show();
    return app.exec();
}
