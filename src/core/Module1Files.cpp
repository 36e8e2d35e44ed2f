#include "core/Module1.h"

#include "platform/Shell.h"

// The shared procedures that reach files: favourites, the desktop's programs and the
// copying of a page's linked files.

namespace Module1 {

QString FavoritesURLFromText(const QString& /*text*/) { return QString(); }

QString GetFavoritesURL() { return QString(); }

void ShellOpen(QWidget* owner, const QString& target) { Shell::Open(owner, target); }

QString CopyLinkedFiles(const QString& html, const QString& /*token*/,
                        const QString& /*pagePath*/) {
    return html;
}

} // namespace Module1
