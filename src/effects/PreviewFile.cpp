#include "effects/PreviewFile.h"

#include "core/PageFile.h"
#include "platform/PlatformError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString& folderSet() {
    static QString folder;
    return folder;
}

// Makes a folder and the ones above it that are missing, unless the nearest existing
// one is read-only: that is a matter of its permission bits, whoever runs the program.
bool makeFolder(const QString& path) {
    QFileInfo existing(path);
    while (!existing.exists()) {
        const QString parent = existing.absolutePath();
        if (parent == existing.absoluteFilePath())
            return false;
        existing = QFileInfo(parent);
    }
    if (existing.absoluteFilePath() == QFileInfo(path).absoluteFilePath())
        return existing.isDir();
    const bool writable =
        existing.permissions() &
        (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther);
    return existing.isDir() && writable && QDir().mkpath(path);
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
            if (!makeFolder(folder))
                continue;
            const QString path = QDir(folder).filePath(FileName);
            PageFile::Write(path, bytes);
            return path;
        } catch (const PlatformError&) {
            // Read-only, missing or full: the next folder.
        }
    }
    return QString();
}

} // namespace PreviewFile
