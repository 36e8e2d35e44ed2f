// The map the wizard hands back works in a browser: a click inside an area follows its
// link, and a click outside every area follows none.
#include "links/ImageMapDriver.h"
#include "support/ScriptedPage.h"

#include <QTemporaryDir>
#include <QUrl>

using namespace ImageMapDriver;

TEST(ImageMapInBrowser, AClickInsideAnAreaFollowsItsLink) {
    QTemporaryDir dir;
    const QString pic = makePicture(dir.filePath("plan.png"), QSize(200, 150));
    Module1::ClickState = 0;
    {
        Usemap wizard;
        wizard.show();
        startOn(&wizard, pic, "plan");
        drawRect(&wizard, {20, 30}, {90, 100}, "north.html");
        drawRect(&wizard, {120, 30}, {180, 100}, "south.html");
        wizard.Command2->click();
    }
    const QString markup = Module1::PendingSnippet;
    ASSERT_TRUE(markup.startsWith("<map name=\"plan\">")) << qPrintable(markup);

    TestSupport::ScriptedPage visitor;
    ASSERT_TRUE(visitor.load("<html><body style=\"margin:0\">" + markup + "</body></html>"));
    ASSERT_TRUE(TestSupport::waitUntil(
        [&] { return visitor.run("document.images[0].naturalWidth").toInt() == 200; }, 10000))
        << "the picture did not load";
    EXPECT_EQ(visitor.run("document.images[0].useMap").toString(), "#plan");

    const QString north = QUrl::fromLocalFile("/north.html").toString();
    const QString south = QUrl::fromLocalFile("/south.html").toString();
    visitor.click({50, 60});
    EXPECT_TRUE(TestSupport::waitUntil([&] { return !visitor.navigations().isEmpty(); }, 10000));
    visitor.click({100, 120}); // outside both areas
    visitor.click({150, 60});
    EXPECT_TRUE(TestSupport::waitUntil([&] { return visitor.navigations().size() >= 2; }, 10000));
    EXPECT_EQ(visitor.navigations(), (QStringList{north, south}));
    EXPECT_EQ(visitor.errors(), QStringList());
}
