#include "platform/Shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace {
std::function<void(const QString&)>& handler() {
    static std::function<void(const QString&)> h;
    return h;
}
} // namespace

namespace Shell {

void SetOpenHandler(std::function<void(const QString&)> h) {
    handler() = std::move(h);
}

void Open(QWidget* /*owner*/, const QString& target) {
    if (handler()) {
        handler()(target);
        return;
    }
    const QUrl url(target);
    // A path (absolute or not) opens as a file; anything with a scheme as an address.
    if (url.scheme().size() > 1 && !QDir::isAbsolutePath(target))
        QDesktopServices::openUrl(url);
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::fromNativeSeparators(target)));
}

} // namespace Shell
