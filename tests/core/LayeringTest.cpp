// Who knows whom: the folders are floors (platform, core's services, the subsystems,
// core's window, the program), and a file includes only from its own floor and those
// below; only the window and the composition root know the main window, and only the
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
    static const QRegularExpression allowed(R"(^(core/window/MainForm[^/]*\.cpp|app/main\.cpp)$)");
    return allowed.match(file).hasMatch();
}

// The floor of a file or header under src/, lowest first; -1 for what is not ours.
int floorOf(const QString& path) {
    static const QList<QPair<QString, int>> floors = {
        {"platform/", 0}, {"core/window/", 3}, {"core/", 1}, {"links/", 2},
        {"elements/", 2}, {"effects/", 2},     {"app/", 4}};
    for (const auto& [folder, floor] : floors) {
        if (path.startsWith(folder))
            return floor;
    }
    return -1;
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
        if (inc.header == "core/window/MainForm.h") {
            EXPECT_TRUE(mayKnowMainForm(inc.file)) << qPrintable(inc.file) << ":" << inc.line
                                                   << " includes core/window/MainForm.h; change "
                                                      "the surface or Module1's state and let "
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

TEST(Layering, NoFileIncludesFromAFloorAboveItsOwn) {
    for (const Include& inc : includesUnderSrc()) {
        const int from = floorOf(inc.file);
        const int to = floorOf(inc.header);
        if (from < 0 || to < 0)
            continue;
        EXPECT_LE(to, from) << qPrintable(inc.file) << ":" << inc.line << " includes "
                            << qPrintable(inc.header)
                            << " from a floor above its own (platform, core's services, "
                               "links/elements/effects, core/window, app)";
    }
}
