// Insert > Image Map: the wizard and its area-link dialog, driven as a user would, with
// real mouse clicks on a picture of ours.
#include "links/ImageMapDriver.h"
#include "platform/Help.h"

#include <QFileInfo>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>

using namespace ImageMapDriver;
using DialogDriver::answerWhile;
using DialogDriver::cancelDialog;
using DialogDriver::clickAnsweringMessage;

namespace {

// The wizard on its own, shown as the menu item shows it.
class ImageMapWizard : public ::testing::Test {
protected:
    void SetUp() override {
        Module1::ClickState = 0;
        picture = makePicture(dir.filePath("pic.png"), QSize(200, 150));
        wizard = std::make_unique<Usemap>();
        wizard->show();
    }
    void TearDown() override {
        TestSupport::clearModalWaiters();
        wizard.reset();
    }
    Usemap* w() { return wizard.get(); }

    QTemporaryDir dir;
    QString picture;
    std::unique_ptr<Usemap> wizard;
};

class ImageMapInsert : public DialogDriver::InsertTest {
protected:
    QTemporaryDir dir;
};

// Runs the page's own script and gives its answer as text.
QString ask(DHTMLEdit* editor, const QString& script) {
    return TestSupport::js(editor, script).toString();
}

} // namespace

TEST_F(ImageMapInsert, RectangleAndPolygonWithTheirLinksBecomeAMapInThePage) {
    const QString pic = makePicture(dir.filePath("town.png"), QSize(200, 150));
    page("<p id='p'>Map: </p>");
    TestSupport::caretAtEnd(editor, "#p");
    withDialog(form->mnuInsertImageMap, "Usemap", [&](QDialog* d) {
        auto* w = qobject_cast<Usemap*>(d);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->windowTitle(), "Image Map Wizard");
        EXPECT_EQ(w->lblHeading->text(), "Create an Image Map: Select image and map name");
        EXPECT_EQ(w->lblHeadingText->text(),
                  "An image map allows you to define different regions on a single image.  "
                  "The regions can be linked to different Web pages.  To begin, select an image "
                  "and type a name for your image map below.");
        EXPECT_TRUE(w->Picture2[0]->isVisible());
        EXPECT_FALSE(w->Picture2[1]->isVisible());
        EXPECT_EQ(Module1::ClickState, 1);

        pickPicture(w, pic);
        EXPECT_EQ(w->Text8->text(), "town.png");
        EXPECT_EQ(w->ImageFile, pic);
        EXPECT_FALSE(w->Picture5->pixmap().isNull());
        EXPECT_EQ(w->focusWidget(), w->Text1);
        w->Text1->setText("town");
        w->Command4->click();

        EXPECT_FALSE(w->Picture2[0]->isVisible());
        EXPECT_TRUE(w->Picture2[1]->isVisible());
        // The rectangle is chosen when the page first shows.
        EXPECT_EQ(w->Picture4[1]->property("Tag").toString(), "True");
        EXPECT_EQ(w->Picture4[0]->property("Tag").toString(), "False");
        EXPECT_EQ(w->Label7->text(), "Click the top left corner of the rectangle shape.");

        answerLink("North.html", "_blank");
        clickPicture(w, {10, 10});
        EXPECT_EQ(w->Label7->text(), "Click the lower right corner of the rectangle shape.");
        clickPicture(w, {60, 40});
        EXPECT_EQ(w->Label7->text(), "Click the top left corner of the rectangle shape.");
        EXPECT_TRUE(outlined(w, {10, 10}));
        EXPECT_TRUE(outlined(w, {60, 25}));

        w->Label3[2]->setFocus();
        QTest::mouseClick(w->Label3[2], Qt::LeftButton);
        EXPECT_EQ(w->Label7->text(), "Click the first vertex point of the polygon shape.");
        answerLink("south.html");
        clickPicture(w, {100, 100});
        clickPicture(w, {150, 100});
        clickPicture(w, {150, 140});
        clickPicture(w, {102, 102}); // near the first vertex: closes
        EXPECT_EQ(areaLines(w).size(), 2);
        EXPECT_EQ(Module1::ClickState, 1);
        w->Command2->click();
    });
    const QString b = body();
    EXPECT_TRUE(b.contains("<map name=\"town\">")) << qPrintable(b);
    EXPECT_TRUE(b.contains("<area shape=\"rect\" coords=\"10,10 60,40\" href=\"North.html\" "
                           "target=\"_blank\">"))
        << qPrintable(b);
    EXPECT_TRUE(
        b.contains("<area shape=\"poly\" coords=\"100,100 150,100 150,140\" href=\"south.html\">"))
        << qPrintable(b);
    EXPECT_TRUE(b.contains("<img src=\"" + pic +
                           "\" width=\"200\" height=\"150\" border=\"0\" usemap=\"#town\">"))
        << qPrintable(b);
    EXPECT_EQ(ask(editor, "document.querySelector('#p map').areas.length + ''"), "2");
    EXPECT_EQ(ask(editor, "document.querySelector('img').complete && "
                          "document.querySelector('img').naturalWidth + ''"),
              "200");
}

TEST_F(ImageMapInsert, EveryWayOutInsertsNothingAndTheNextOpeningStartsFresh) {
    const QString pic = makePicture(dir.filePath("pic.png"), QSize(100, 80));
    page("<p id='p'>Hello</p>");
    TestSupport::selectText(editor, "#p");
    Module1::PendingSnippet = "<b>stale</b>";
    withDialog(form->mnuInsertImageMap, "Usemap", [&](QDialog* d) {
        auto* w = static_cast<Usemap*>(d);
        startOn(w, pic, "m");
        drawRect(w, {5, 5}, {50, 50}, "a.html");
        EXPECT_EQ(areaLines(w).size(), 1);
        w->Command1->click(); // Cancel on page 2
    });
    withDialog(form->mnuInsertImageMap, "Usemap", [&](QDialog* d) {
        auto* w = static_cast<Usemap*>(d);
        EXPECT_EQ(w->Text8->text(), "");
        EXPECT_EQ(w->Text1->text(), "");
        EXPECT_EQ(w->ImageFile, "");
        EXPECT_EQ(w->List1->count(), 0);
        EXPECT_TRUE(w->Picture5->pixmap().isNull());
        pickPicture(w, pic);
        w->Text1->setText("m");
        w->cmdCancel->click(); // Cancel on page 1
    });
    withDialog(form->mnuInsertImageMap, "Usemap", [&](QDialog* d) {
        QTest::keyClick(d, Qt::Key_Escape);
        EXPECT_FALSE(d->isVisible());
    });
    withDialog(form->mnuInsertImageMap, "Usemap", [&](QDialog* d) { d->close(); });
    EXPECT_EQ(body(), "<p id=\"p\">Hello</p>");
    EXPECT_FALSE(editor->IsDirty());
}

TEST_F(ImageMapInsert, QuotesAndOtherScriptsInTheNameAndLinkArriveWhole) {
    const QString pic = makePicture(dir.filePath(QString::fromUtf8("χάρτης 'ένα'.png")), {90, 60});
    const QString name = QString::fromUtf8("Κέντρο \"old\" 'town' 日本");
    const QString link = QString::fromUtf8("page.html?q=\"x\"&y='z'#Ω");
    page("<p id='p'>Hello</p>");
    TestSupport::caretAtEnd(editor, "#p");
    withDialog(form->mnuInsertImageMap, "Usemap", [&](QDialog* d) {
        auto* w = static_cast<Usemap*>(d);
        startOn(w, pic, name);
        drawRect(w, {1, 1}, {40, 40}, link, "my \"frame\"");
        w->Command2->click();
    });
    EXPECT_EQ(ask(editor, "document.querySelector('map').name"), name);
    EXPECT_EQ(ask(editor, "document.querySelector('img').useMap"), "#" + name);
    EXPECT_EQ(ask(editor, "document.querySelector('img').getAttribute('src')"), pic);
    EXPECT_EQ(ask(editor, "document.querySelector('area').getAttribute('href')"), link);
    EXPECT_EQ(ask(editor, "document.querySelector('area').target"), "my \"frame\"");
    EXPECT_EQ(ask(editor, "document.querySelector('area').coords"), "1,1 40,40");
}

TEST_F(ImageMapWizard, NextChecksThePictureThenTheName) {
    EXPECT_EQ(clickAnsweringMessage(w()->Command4), "Enter an image filename.");
    EXPECT_EQ(w()->focusWidget(), w()->Text8);
    // The file box only shows what Browse chose.
    EXPECT_TRUE(w()->Text8->isReadOnly());
    w()->Text1->setText("m");
    EXPECT_EQ(clickAnsweringMessage(w()->Command4), "Enter an image filename.");

    pickPicture(w(), picture);
    w()->Text1->clear();
    EXPECT_EQ(clickAnsweringMessage(w()->Command4), "Enter a name for your image map.");
    EXPECT_EQ(w()->focusWidget(), w()->Text1);
    EXPECT_TRUE(w()->Picture2[0]->isVisible());

    // Blanks are a name.
    w()->Text1->setText("  ");
    w()->Command4->click();
    EXPECT_TRUE(w()->Picture2[1]->isVisible());
}

TEST_F(ImageMapWizard, BrowseKeepsThePictureWhenCancelledOrGivenSomethingElse) {
    pickPicture(w(), picture);
    ASSERT_EQ(w()->Picture1->pictureSize(), QSize(200, 150));

    clickAnswering(w()->Command7, cancelDialog);
    EXPECT_EQ(w()->Text8->text(), "pic.png");
    EXPECT_EQ(w()->ImageFile, picture);
    EXPECT_EQ(w()->focusWidget(), w()->Text1);

    // Not a picture: told, and the name and the picture stay a pair.
    const QString notPicture = dir.filePath("notes.png");
    TestSupport::writeText(notPicture, "these are words, not pixels");
    QString told;
    TestSupport::acceptMessageBox(&told);
    pickPicture(w(), notPicture);
    EXPECT_EQ(told, "notes.png could not be opened as a picture.");
    EXPECT_EQ(w()->Text8->text(), "pic.png");
    EXPECT_EQ(w()->ImageFile, picture);
    EXPECT_EQ(w()->Picture1->pictureSize(), QSize(200, 150));

    // A broken file with a picture's beginning is no better.
    QByteArray png = TestSupport::readBytes(picture);
    const QString broken = dir.filePath("broken.png");
    TestSupport::writeBytes(broken, png.left(60));
    TestSupport::acceptMessageBox(&told);
    pickPicture(w(), broken);
    EXPECT_EQ(told, "broken.png could not be opened as a picture.");
    EXPECT_EQ(w()->ImageFile, picture);
}

TEST_F(ImageMapWizard, TheWindowGrowsToThePictureWithinTheScreenAndIsCentred) {
    const QRect screen = w()->screen()->availableGeometry();
    EXPECT_EQ(w()->size(), QSize(582, 364)); // 8730 x 5460 twips

    startOn(w(), picture, "small");
    EXPECT_EQ(w()->size(), QSize(582, 364));
    EXPECT_EQ(w()->frameGeometry().center(), screen.center());

    // A picture of 4000 x 4000 pixels: the window is the screen, the picture keeps its
    // size and scrolls, and a click far down and right still lands where it was made.
    auto big = std::make_unique<Usemap>();
    big->show();
    const QString large = makePicture(dir.filePath("large.png"), QSize(4000, 4000));
    startOn(big.get(), large, "large");
    EXPECT_EQ(big->frameGeometry(), screen);
    EXPECT_EQ(big->Picture1->pictureSize(), QSize(4000, 4000));
    answerLink("far.html");
    clickPicture(big.get(), {3950, 3960});
    clickPicture(big.get(), {3999, 3999});
    EXPECT_EQ(areaLines(big.get()),
              QStringList{"<area shape=\"rect\" coords=\"3950,3960 3999,3999\" "
                          "href=\"far.html\">\r\n"});
    EXPECT_TRUE(outlined(big.get(), {3999, 3980}));
    big->Command2->click();
    EXPECT_TRUE(Module1::PendingSnippet.contains("width=\"4000\" height=\"4000\""));
}

TEST_F(ImageMapWizard, ACancelledAreaKeepsItsOutlineUntilUndo) {
    startOn(w(), picture, "m");
    // Undo with nothing listed does nothing.
    w()->Command5->click();
    EXPECT_EQ(w()->List1->count(), 0);

    drawRect(w(), {10, 20}, {60, 70}, "a.html");
    cancelLink();
    clickPicture(w(), {100, 20});
    clickPicture(w(), {150, 70});
    EXPECT_EQ(w()->List1->count(), 1);
    EXPECT_EQ(Module1::ClickState, 1);
    EXPECT_TRUE(outlined(w(), {10, 20}));
    EXPECT_TRUE(outlined(w(), {100, 20}));
    EXPECT_TRUE(outlined(w(), {150, 45}));
    // Outlines survive the window being covered and painted again.
    w()->hide();
    w()->show();
    TestSupport::pump(20);
    EXPECT_TRUE(outlined(w(), {150, 45}));

    // Undo takes the last listed area and every outline not in the list.
    w()->Command5->click();
    EXPECT_EQ(w()->List1->count(), 0);
    EXPECT_FALSE(outlined(w(), {10, 20}));
    EXPECT_FALSE(outlined(w(), {100, 20}));
    EXPECT_EQ(w()->Picture1->shown(), HotspotPicture::ReadPicture(picture));
}

TEST_F(ImageMapWizard, UndoBetweenPolygonClicksKeepsThePolygonGoing) {
    startOn(w(), picture, "m");
    drawRect(w(), {5, 5}, {20, 20}, "r.html");
    QTest::mouseClick(w()->Picture4[2], Qt::LeftButton);
    clickPicture(w(), {100, 50});
    clickPicture(w(), {150, 50});
    EXPECT_TRUE(outlined(w(), {125, 50}));
    EXPECT_EQ(Module1::ClickState, 3);

    w()->Command5->click();
    EXPECT_EQ(w()->List1->count(), 0);
    EXPECT_FALSE(outlined(w(), {125, 50})); // the partial outline is gone too
    EXPECT_FALSE(outlined(w(), {5, 5}));
    EXPECT_EQ(Module1::ClickState, 3);

    answerLink("p.html");
    clickPicture(w(), {150, 120});
    clickPicture(w(), {101, 52});
    EXPECT_EQ(
        areaLines(w()),
        QStringList{"<area shape=\"poly\" coords=\"100,50 150,50 150,120\" href=\"p.html\">\r\n"});
}

TEST_F(ImageMapWizard, AnotherShapeIsRefusedWhileOneIsInProgress) {
    startOn(w(), picture, "m");
    QTest::mouseClick(w()->Label3[0], Qt::LeftButton);
    EXPECT_EQ(w()->Picture4[0]->property("Tag").toString(), "True");
    EXPECT_EQ(w()->Picture4[0]->frameShape(), QFrame::Box);
    EXPECT_EQ(w()->Picture4[1]->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(w()->Label3[0]->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_EQ(Module1::AreaShape, "\"Circle\"");
    clickPicture(w(), {50, 50});

    EXPECT_EQ(answerWhile([&] { QTest::mouseClick(w()->Label3[1], Qt::LeftButton); }),
              "Click the INSERT button to add the hotspot area or clear the coordinates in order "
              "to select a different shape.");
    EXPECT_EQ(w()->Picture4[0]->property("Tag").toString(), "True");
    EXPECT_EQ(w()->Picture4[1]->property("Tag").toString(), "False");
    EXPECT_EQ(w()->Label7->text(),
              "Click a point on the radius of the circle to create the circle.");
    EXPECT_EQ(Module1::AreaShape, "\"Circle\"");

    answerLink("c.html");
    clickPicture(w(), {53, 54});
    EXPECT_EQ(areaLines(w()),
              QStringList{"<area shape=\"circle\" coords=\"50,50 5\" href=\"c.html\">\r\n"});
    EXPECT_EQ(w()->Label7->text(), "Click the center point of the circle shape.");
}

TEST_F(ImageMapWizard, StatusBarShowsThePositionOverThePictureOnly) {
    startOn(w(), picture, "m");
    QTest::mouseMove(w(), w()->Picture1->mapTo(w(), QPoint(12, 34)));
    EXPECT_EQ(w()->StatusPanel1->text(), "Coordinates: (12, 34)");
    // Beside the picture, and in the page's margin.
    QTest::mouseMove(w(), w()->Picture1Scroll->viewport()->mapTo(w(), QPoint(300, 200)));
    EXPECT_EQ(w()->StatusPanel1->text(), "");
    QTest::mouseMove(w(), w()->Picture1->mapTo(w(), QPoint(199, 149)));
    EXPECT_EQ(w()->StatusPanel1->text(), "Coordinates: (199, 149)");
    QTest::mouseMove(w(), w()->Picture2[1]->mapTo(w(), QPoint(3, 200)));
    EXPECT_EQ(w()->StatusPanel1->text(), "");
    EXPECT_EQ(w()->Picture1->cursor().shape(), Qt::CrossCursor);
    // A click beside the picture is no click on it.
    QWidget* beside = w()->Picture1Scroll->viewport();
    ASSERT_EQ(beside->childAt(300, 200), nullptr);
    QTest::mouseClick(beside, Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
    EXPECT_EQ(Module1::ClickState, 1);
}

TEST_F(ImageMapWizard, IconsGetABorderUnderTheMouse) {
    startOn(w(), picture, "m");
    QTest::mouseMove(w(), w()->Label3[0]->mapTo(w(), QPoint(3, 3)));
    EXPECT_EQ(w()->Picture4[0]->frameShape(), QFrame::Box);
    EXPECT_EQ(w()->Picture4[1]->frameShape(), QFrame::Box); // the chosen one keeps it
    QTest::mouseMove(w(), w()->Picture3->mapTo(w(), QPoint(5, w()->Picture3->height() / 2)));
    EXPECT_EQ(w()->Picture4[0]->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(w()->Picture4[1]->frameShape(), QFrame::Box);
    EXPECT_EQ(w()->Picture4[2]->frameShape(), QFrame::NoFrame);
}

TEST_F(ImageMapWizard, LeftColumnKeepsItsButtonsAtItsFoot) {
    startOn(w(), picture, "m");
    w()->resize(900, 700);
    const int foot = w()->Picture3->height();
    EXPECT_EQ(w()->Picture3->width(), 131); // 1965 twips
    EXPECT_EQ(w()->Picture2[1]->x(), 136);  // 2040 twips
    EXPECT_EQ(w()->Command1->geometry().bottom() + 1, foot - 10);
    EXPECT_EQ(w()->Command8->y(), w()->Command1->y());
    EXPECT_LT(w()->Command2->geometry().bottom(), w()->Command1->y());
    EXPECT_LT(w()->Command5->geometry().bottom(), w()->Command2->y());
    EXPECT_EQ(w()->Label7->width(), w()->Picture2[1]->width());
}

TEST_F(ImageMapWizard, HelpOpensTheWizardsTopic) {
    EXPECT_EQ(Help::TopicOf(w()->Command8), 25);
    w()->Command8->click();
    EXPECT_EQ(Help::ShownTopic(), 25);
}

TEST_F(ImageMapWizard, TwoHundredAreasThenUndoRedrawsTheRest) {
    startOn(w(), picture, "many");
    for (int i = 0; i < 200; ++i) {
        // (0, 0) would be no position at all to the test's mouse.
        const QPoint a(1 + (i * 7) % 180, 1 + (i * 11) % 130);
        drawRect(w(), a, a + QPoint(15, 15), QString("p%1.html").arg(i));
    }
    ASSERT_EQ(w()->List1->count(), 200);
    w()->Command5->click();
    EXPECT_EQ(w()->List1->count(), 199);
    EXPECT_TRUE(outlined(w(), {1, 1}));   // the first area
    EXPECT_TRUE(outlined(w(), {16, 16})); // ... its far corner
    const QPoint last(1 + 199 * 7 % 180, 1 + 199 * 11 % 130);
    EXPECT_FALSE(outlined(w(), last + QPoint(15, 15))); // the last is gone
    w()->Command2->click();
    EXPECT_EQ(Module1::PendingSnippet.count("<area "), 199);
    EXPECT_TRUE(Module1::PendingSnippet.endsWith("usemap=\"#many\">\r\n"));
}

// ---- the area-link dialog on its own ----------------------------------------------------

namespace {
class AreaLink : public ::testing::Test {
protected:
    void SetUp() override {
        Module1::AreaShape = "\"Rect\"";
        Module1::HotspotPoints = {};
        Module1::HotspotPoints[0] = {4, 5};
        Module1::HotspotPoints[1] = {40, 50};
        Module1::ClickState = 1;
        Module1::AreaCoords = "stale";
        dialog = std::make_unique<UsemapURL>(&list, nullptr);
        dialog->show();
    }
    void TearDown() override { TestSupport::clearModalWaiters(); }

    QListWidget list;
    std::unique_ptr<UsemapURL> dialog;
};
} // namespace

TEST_F(AreaLink, OpensEmptyWithItsLists) {
    EXPECT_EQ(dialog->windowTitle(), "Specify URL to link to");
    EXPECT_EQ(dialog->Combo1->currentText(), "");
    EXPECT_EQ(dialog->Combo1->count(), 1);
    EXPECT_EQ(dialog->Combo1->itemText(0), "http://");
    EXPECT_EQ(dialog->Combo2->currentText(), "");
    QStringList targets;
    for (int i = 0; i < dialog->Combo2->count(); ++i)
        targets << dialog->Combo2->itemText(i);
    EXPECT_EQ(targets, (QStringList{"_blank", "_parent", "_self", "_top"}));
    EXPECT_EQ(dialog->focusWidget(), dialog->Combo1);
    EXPECT_EQ(Help::TopicOf(dialog->Combo2), 25);
}

TEST_F(AreaLink, AnEmptyLinkIsRefusedAndCancelAddsNothing) {
    Module1::ClickState = 2;
    EXPECT_EQ(clickAnsweringMessage(dialog->Command1), "Enter URL to link image area to.");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->focusWidget(), dialog->Combo1);
    dialog->Command2->click();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(Module1::ClickState, 1);
    EXPECT_EQ(Module1::HotspotPoints[1][1], 50); // kept
    EXPECT_EQ(Module1::AreaCoords, "stale");
}

TEST_F(AreaLink, OkWritesTheLineAndClearsThePoints) {
    dialog->Combo1->setEditText("http://");
    dialog->Combo2->setCurrentIndex(0);
    dialog->Command1->click();
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.item(0)->text(),
              "<area shape=\"rect\" coords=\"4,5 40,50\" href=\"http://\" target=\"_blank\">\r\n");
    EXPECT_EQ(Module1::AreaHref, " href=\"http://\"");
    EXPECT_EQ(Module1::AreaTarget, " target=\"_blank\"");
    EXPECT_EQ(Module1::AreaCoords, "");
    EXPECT_EQ(Module1::HotspotPoints, Module1::HotspotPointArray{});
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(AreaLink, TheCloseBoxActsAsCancel) {
    Module1::ClickState = 5;
    dialog->Combo1->setEditText("x.html");
    dialog->close();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(Module1::ClickState, 1);
}

TEST_F(AreaLink, BrowseGivesTheBareNameAndCancelledPicksKeepTheBox) {
    QTemporaryDir dir;
    const QString page = dir.filePath("north side.html");
    TestSupport::writeText(page, "<html></html>");
    dialog->Combo1->setEditText("typed.html");
    clickAnswering(dialog->Command4, cancelDialog);
    EXPECT_EQ(dialog->Combo1->currentText(), "typed.html");
    clickAnswering(dialog->Command3, cancelDialog);
    EXPECT_EQ(dialog->Combo1->currentText(), "typed.html");
    EXPECT_EQ(dialog->focusWidget(), dialog->Combo1);

    clickAnswering(dialog->Command4, [&](QWidget* d) { chooseFile(d, page); });
    EXPECT_EQ(dialog->Combo1->currentText(), "north side.html");

    const QString shortcut = dir.filePath("site.url");
    TestSupport::writeText(shortcut, "[InternetShortcut]\r\nURL=http://www.example.org/\r\n");
    clickAnswering(dialog->Command3, [&](QWidget* d) { chooseFile(d, shortcut); });
    EXPECT_EQ(dialog->Combo1->currentText(), "http://www.example.org/");
}
