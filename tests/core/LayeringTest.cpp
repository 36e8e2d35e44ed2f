// Who knows whom: only the composition root knows the main window, and only the
// platform layer knows the web engine.
#include "support/TestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

QString sourceRoot() {
    return QDir::cleanPath(QStringLiteral(TESSALY_TEST_DATA) + "/../../src");
}

struct Include {
    QString file; // relative to src/
    int line;
    QString header;
};

QList<Include> includesUnderSrc() {
    static const QRegularExpression include(R"(^\s*#\s*include\s*[<"]([^>"]+)[>"])");
    QList<Include> found;
    const QDir root(sourceRoot());
    QDirIterator it(root.path(), {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QStringList lines = TestSupport::readText(path).split('\n');
        for (int i = 0; i < lines.size(); ++i) {
            const auto m = include.match(lines[i]);
            if (m.hasMatch())
                found.push_back({root.relativeFilePath(path), i + 1, m.captured(1)});
        }
    }
    return found;
}

bool mayKnowMainForm(const QString& file) {
    static const QRegularExpression allowed(
        R"(^(core/MainForm[^/]*\.cpp|core/Module1\.cpp|app/main\.cpp)$)");
    return allowed.match(file).hasMatch();
}

bool isWebEngineHeader(const QString& header) {
    return header.startsWith("QWebEngine") || header.startsWith("QtWebEngine") ||
           header.startsWith("QWebChannel") || header.startsWith("QtWebChannel");
}

} // namespace

TEST(Layering, TheSourcesAreFound) {
    // Guards the two checks below against passing on an empty tree.
    EXPECT_GT(includesUnderSrc().size(), 100);
}

TEST(Layering, OnlyTheCompositionRootIncludesTheMainWindow) {
    for (const Include& inc : includesUnderSrc()) {
        if (inc.header == "core/MainForm.h") {
            EXPECT_TRUE(mayKnowMainForm(inc.file))
                << qPrintable(inc.file) << ":" << inc.line
                << " includes core/MainForm.h; change the surface or Module1's state and let "
                   "the window follow its signals instead";
        }
    }
}

TEST(Layering, OnlyThePlatformLayerIncludesTheWebEngine) {
    for (const Include& inc : includesUnderSrc()) {
        if (isWebEngineHeader(inc.header)) {
            EXPECT_TRUE(inc.file.startsWith("platform/"))
                << qPrintable(inc.file) << ":" << inc.line << " includes " << qPrintable(inc.header)
                << "; only src/platform may know the web engine";
        }
    }
}
