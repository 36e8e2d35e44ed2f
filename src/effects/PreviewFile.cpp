#include "effects/PreviewFile.h"

#include "core/PageFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace {
QString& folderSet() {
    static QString folder;
    return folder;
}
} // namespace

namespace PreviewFile {

void SetFolder(const QString& folder) {
    folderSet() = folder;
}

QStringList Folders() {
    const QString first =
        folderSet().isEmpty() ? QCoreApplication::applicationDirPath() : folderSet();
    QStringList folders{QDir::fromNativeSeparators(first)};
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (!cache.isEmpty())
        folders << cache + "/preview";
    return folders;
}

QString Write(const QString& page) {
    const QByteArray bytes = page.toUtf8();
    for (const QString& folder : Folders()) {
        try {
            QDir().mkpath(folder);
            const QString path = QDir(folder).filePath(FileName);
            PageFile::Write(path, bytes);
            return path;
        } catch (...) {
            // Read-only, missing or full: the next folder.
        }
    }
    return QString();
}

} // namespace PreviewFile
