// The about box: caption, version, size, and the link that lights up and opens the
// maker's address.
#include "core/window/AboutFrm.h"
#include "core/DialogParts.h"
#include "core/window/WebAddresses.h"
#include "platform/Shell.h"
#include "platform/Twips.h"
#include "support/MainFormFixture.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {
QColor linkColor(AboutFrm& about) {
    return about.Label3->palette().color(QPalette::WindowText);
}
void moveOver(QWidget* w) {
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}
} // namespace

TEST(AboutBox, ShowsCaptionVersionArtworkAndAddress) {
    AboutFrm about;
    EXPECT_TEXT(about.objectName(), "AboutFrm");
    EXPECT_TEXT(about.windowTitle(), "About Tessaly");
    EXPECT_TEXT(about.Label2->text(), "2.06");
    EXPECT_TEXT(about.Label3->text(), WebAddresses::MakerHome);
    EXPECT_TEXT(about.Command1->text(), "&OK");
    EXPECT_EQ(about.size(), QSize(Twips::toPixels(7170), Twips::toPixels(4440)));
    EXPECT_FALSE(about.Picture1->pixmap().isNull()) << "the artwork did not load";
    EXPECT_EQ(about.Picture3->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(linkColor(about), QColor(Qt::white));
}

TEST(AboutBox, TheLinkTurnsBlueUnderTheMouseAndWhiteAgainOffIt) {
    AboutFrm about;
    about.show();
    ASSERT_TRUE(about.Label3->hasMouseTracking());
    ASSERT_TRUE(about.Picture1->hasMouseTracking());
    ASSERT_TRUE(about.hasMouseTracking());
    moveOver(about.Label3);
    EXPECT_EQ(linkColor(about), QColor(0, 0, 255));
    moveOver(about.Picture1);
    EXPECT_EQ(linkColor(about), QColor(Qt::white));
    moveOver(about.Label3);
    moveOver(&about);
    EXPECT_EQ(linkColor(about), QColor(Qt::white));
}

TEST(AboutBox, AClickOnTheLinkOpensTheAddressAndOkCloses) {
    QStringList opened;
    Shell::SetOpenHandler([&](const QString& target) { opened << target; });
    AboutFrm about;
    about.show();
    QTest::mouseClick(about.Label3, Qt::LeftButton);
    Shell::SetOpenHandler({});
    EXPECT_EQ(opened, QStringList{WebAddresses::MakerHome});
    about.Command1->click();
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST_F(MainFormTest, HelpAboutShowsTheAboutBox) {
    QAction* about = form->findChild<QAction*>("mnuAbout");
    ASSERT_NE(about, nullptr);
    withDialog(about, "AboutFrm", [](QDialog* d) {
        field<QPushButton>(d, "Command1")->click();
        EXPECT_FALSE(d->isVisible());
    });
}
