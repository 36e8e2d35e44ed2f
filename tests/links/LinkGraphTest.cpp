// Insert > Image: the image dialog and its image browser, driven as a user would.
#include "links/LinkGraph.h"
#include "core/Module1.h"
#include "platform/Help.h"
#include "support/DialogDriver.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace DialogDriver;

namespace {
const QString Position = "style=\"position:absolute; top:30px; left:30px\"";

QString imagesFolder() {
    return QCoreApplication::applicationDirPath() + "/images";
}

QSize sizeOf(const QString& path) {
    return QImageReader(path).size();
}

// Clicks a name in the browser's file list as the user would.
void clickFile(LinkGraph* d, const QString& name) {
    const QList<QListWidgetItem*> items = d->File1->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << qPrintable(name);
    // The list lays its rows out in batches: scroll until the row is in view.
    TestSupport::waitUntil(
        [&] {
            d->File1->scrollToItem(items[0]);
            return d->File1->viewport()->rect().contains(
                d->File1->visualItemRect(items[0]).center());
        },
        2000);
    QTest::mouseClick(d->File1->viewport(), Qt::LeftButton, Qt::NoModifier,
                      d->File1->visualItemRect(items[0]).center());
}

// Double-clicks a folder in the browser's folder list.
void openFolder(LinkGraph* d, const QString& name) {
    for (int i = 0; i < d->Dir1->count(); ++i) {
        QListWidgetItem* item = d->Dir1->item(i);
        if (item->text().trimmed() != name)
            continue;
        const QPoint at = d->Dir1->visualItemRect(item).center();
        QTest::mouseClick(d->Dir1->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(d->Dir1->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        return;
    }
    ADD_FAILURE() << "no folder " << qPrintable(name);
}

// Answers the file dialog that the click opens: chooses path, or cancels for "".
void answerFileDialog(const QString& path) {
    TestSupport::whenModal([path](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        if (!dialog) {
            ADD_FAILURE() << "expected a file dialog, got " << qPrintable(w->objectName());
            w->close();
            return;
        }
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
        dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Open)->click();
    });
}

class ImageDialog : public WithMainForm {};

// The dialog on its own, with a folder of pictures of the test's making.
class ImageBrowser : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        dialog.show();
        dialog.cmdImageBrowser->click();
    }
    QString file(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        TestSupport::writeBytes(path, bytes);
        return path;
    }
    QString sample(const QString& name) {
        return file(name, TestSupport::readBytes(imagesFolder() + "/sun.jpg"));
    }
    QTemporaryDir dir;
    LinkGraph dialog;
};
} // namespace

TEST_F(ImageDialog, AnImageFromTheImageBrowser) {
    Module1::LastImageFile = "left over";
    page("<div id='p'>Hello</div>");
    const QString sun = QDir::toNativeSeparators(imagesFolder() + "/sun.jpg");
    const QSize size = sizeOf(sun);
    ASSERT_TRUE(size.isValid()) << "the sample pictures are missing";
    withDialog(form->mnuInsertImage, "LinkGraph", [&](QDialog* d) {
        auto* dlg = qobject_cast<LinkGraph*>(d);
        EXPECT_EQ(d->windowTitle(), "Insert Image");
        EXPECT_EQ(Module1::LastImageFile, "");
        EXPECT_EQ(dlg->TabStrip1->tabText(0), " Select Image ");
        EXPECT_FALSE(dlg->Label15->isVisible());
        EXPECT_FALSE(dlg->File1->isVisible());
        const int closedHeight = d->height();
        field<QPushButton>(d, "cmdImageBrowser")->click();
        EXPECT_TRUE(dlg->File1->isVisible());
        EXPECT_FALSE(dlg->cmdImageBrowser->isVisible());
        EXPECT_GT(d->height(), closedHeight);

        // The samples' GIF and JPG files, in any letter case, and nothing else.
        QStringList expected;
        for (const QString& name : QDir(imagesFolder()).entryList(QDir::Files)) {
            const QString ending = name.right(4).toLower();
            if (ending == ".gif" || ending == ".jpg")
                expected << name;
        }
        QStringList listed;
        for (int i = 0; i < dlg->File1->count(); ++i)
            listed << dlg->File1->item(i)->text();
        expected.sort(Qt::CaseInsensitive);
        EXPECT_EQ(listed, expected);
        EXPECT_GE(listed.size(), 4);

        clickFile(dlg, "sun.jpg");
        EXPECT_EQ(dlg->GraphText->text(), sun);
        EXPECT_EQ(Module1::LastImageFile, sun);
        EXPECT_TRUE(dlg->Label15->isVisible());
        EXPECT_EQ(dlg->Label15->text(), "Image width (pixels):  " + QString::number(size.width()));
        EXPECT_EQ(dlg->Label16->text(),
                  "Image height (pixels):  " + QString::number(size.height()));
        EXPECT_EQ(dlg->Text1->text(), QString::number(size.width()));
        EXPECT_EQ(dlg->Text2->text(), QString::number(size.height()));
        field<QPushButton>(d, "LgraphOK")->click();
    });
    EXPECT_EQ(body(), QString("<div id=\"p\">Hello<img src=\"%1\" width=\"%2\" height=\"%3\" "
                              "border=\"0\" %4></div>")
                          .arg(sun)
                          .arg(size.width())
                          .arg(size.height())
                          .arg(Position));
    EXPECT_EQ(Module1::LastImageFile, sun);

    // The next opening forgets the picture.
    withDialog(form->mnuInsertImage, "LinkGraph", [&](QDialog* d) {
        EXPECT_EQ(Module1::LastImageFile, "");
        EXPECT_EQ(field<QLineEdit>(d, "GraphText")->text(), "");
        field<QPushButton>(d, "CANCELBUT")->click();
    });
}

TEST_F(ImageDialog, ATypedNameWithALinkAndLayout) {
    page("<div id='p'>Hello</div>");
    withDialog(form->mnuInsertImage, "LinkGraph", [&](QDialog* d) {
        auto* dlg = qobject_cast<LinkGraph*>(d);
        QTest::keyClicks(dlg->GraphText, "a.gif");
        dlg->TabStrip1->setCurrentIndex(1);
        EXPECT_EQ(d->focusWidget(), dlg->XimageLink);
        EXPECT_EQ(dlg->XimageLink->currentText(), "");
        EXPECT_EQ(dlg->XimageLink->itemText(0), "http://");
        QTest::keyClicks(dlg->XimageLink, "http://x.example/");
        dlg->TabStrip1->setCurrentIndex(2);
        EXPECT_EQ(d->focusWidget(), dlg->Text2);
        EXPECT_EQ(dlg->Combo1->currentIndex(), -1);
        EXPECT_EQ(dlg->Text3->text(), "0");
        // Keys pick the alignment as clicks do: "None", "Top", "Middle", "Bottom(Default)".
        dlg->Combo1->setFocus();
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(dlg->Combo1, Qt::Key_Down);
        EXPECT_EQ(dlg->Combo1->currentText(), "Bottom(Default)");
        EXPECT_EQ(dlg->AlignPart, " ALIGN=\"Bottom\"");
        QTest::keyClicks(dlg->Text1, "50%");
        QTest::keyClicks(dlg->Text2, "10px");
        QTest::keyClicks(dlg->Text4, "3");
        field<QPushButton>(d, "LgraphOK")->click();
    });
    EXPECT_EQ(body(), "<div id=\"p\">Hello<a href=\"http://x.example/\" " + Position +
                          "><img src=\"a.gif\" align=\"bottom\" width=\"50%\" height=\"10px\" "
                          "border=\"0\" vspace=\"3\"></a></div>");
}

TEST_F(ImageDialog, AnEmptyNameIsRefusedAndCancelInsertsNothing) {
    page("<div id='p'>Hello</div>");
    withDialog(form->mnuInsertImage, "LinkGraph", [&](QDialog* d) {
        auto* dlg = qobject_cast<LinkGraph*>(d);
        EXPECT_EQ(answerWhile([&] { dlg->LgraphOK->click(); }),
                  "Please enter image filename in the box below.");
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(d->focusWidget(), dlg->GraphText);
        QTest::keyClicks(dlg->GraphText, "never.gif");
        field<QPushButton>(d, "CANCELBUT")->click();
    });
    EXPECT_EQ(body(), "<div id=\"p\">Hello</div>");
}

TEST_F(ImageDialog, HelpOpensItsTopic) {
    withDialog(form->mnuInsertImage, "LinkGraph", [&](QDialog* d) {
        field<QToolButton>(d, "Command8")->click();
        EXPECT_EQ(Help::ShownTopic(), 2);
        field<QPushButton>(d, "CANCELBUT")->click();
    });
}

TEST_F(ImageDialog, ANameWithBlanksQuotesAndGreekLettersArrivesWhole) {
    QTemporaryDir dir;
    const QString name = QString::fromUtf8("my \"best\" Ωmega pic.gif");
    const QString path = QDir::toNativeSeparators(dir.filePath(name));
    TestSupport::writeBytes(path, TestSupport::readBytes(imagesFolder() + "/sun.jpg"));
    page("<div id='p'>Hello</div>");
    withDialog(form->mnuInsertImage, "LinkGraph", [&](QDialog* d) {
        auto* dlg = qobject_cast<LinkGraph*>(d);
        dlg->cmdImageBrowser->click();
        ASSERT_TRUE(dlg->Dir1->setPath(dir.path()));
        clickFile(dlg, name);
        EXPECT_EQ(dlg->GraphText->text(), path);
        dlg->LgraphOK->click();
    });
    EXPECT_EQ(
        TestSupport::js(editor, "document.querySelector('img').getAttribute('src')").toString(),
        path);
}

TEST_F(ImageDialog, QuotesTypedIntoTheLinkAndLayoutStayInTheirAttributes) {
    const QString odd = QString::fromUtf8(R"(1"2'3\4<5&6 日本)");
    page("<div id='p'>Hello</div>");
    withDialog(form->mnuInsertImage, "LinkGraph", [&](QDialog* d) {
        auto* dlg = qobject_cast<LinkGraph*>(d);
        dlg->GraphText->setText("a \"b\".gif");
        dlg->XimageLink->setEditText(odd);
        for (QLineEdit* box : {dlg->Text1, dlg->Text2, dlg->Text3, dlg->Text4, dlg->Text5})
            box->setText(odd);
        dlg->LgraphOK->click();
    });
    const QVariantMap image = TestSupport::js(editor, R"((function(){
        const a = document.querySelector('a'), i = document.querySelector('img');
        const values = n => Array.from(n.attributes, x => x.name + '=' + x.value).join('|');
        return {link: values(a), image: values(i)}; })())")
                                  .toMap();
    EXPECT_TEXT(image["link"].toString(),
                "href=" + odd + "|style=position:absolute; top:30px; left:30px");
    EXPECT_TEXT(image["image"].toString(), "src=a \"b\".gif|width=" + odd + "|height=" + odd +
                                               "|border=" + odd + "|vspace=" + odd +
                                               "|hspace=" + odd);
}

TEST_F(ImageBrowser, FoldersOpenWithADoubleClick) {
    QDir(dir.path()).mkdir("holiday");
    TestSupport::writeBytes(dir.filePath("holiday/beach.GIF"),
                            TestSupport::readBytes(imagesFolder() + "/sun.jpg"));
    sample("top.jpg");
    file("notes.txt", "not a picture");
    ASSERT_TRUE(dialog.Dir1->setPath(dir.path()));
    EXPECT_EQ(dialog.File1->count(), 1);
    openFolder(&dialog, "holiday");
    EXPECT_EQ(QDir(dialog.Dir1->Path()), QDir(dir.filePath("holiday")));
    ASSERT_EQ(dialog.File1->count(), 1);
    EXPECT_EQ(dialog.File1->item(0)->text(), "beach.GIF");
    clickFile(&dialog, "beach.GIF");
    EXPECT_EQ(Module1::LastImageFile, QDir::toNativeSeparators(dir.filePath("holiday/beach.GIF")));
}

TEST_F(ImageBrowser, APictureThatCannotBeReadShowsNoSize) {
    const QString good = sample("good.jpg");
    const QString bad = file("bad.gif", "GIF89a but not really a picture");
    const QSize size = sizeOf(good);
    ASSERT_TRUE(dialog.Dir1->setPath(dir.path()));

    clickFile(&dialog, "good.jpg");
    EXPECT_EQ(dialog.Text1->text(), QString::number(size.width()));
    clickFile(&dialog, "bad.gif");
    EXPECT_EQ(dialog.GraphText->text(), QDir::toNativeSeparators(bad));
    EXPECT_EQ(Module1::LastImageFile, QDir::toNativeSeparators(bad));
    EXPECT_FALSE(dialog.Label15->isVisible());
    EXPECT_FALSE(dialog.Label16->isVisible());
    EXPECT_EQ(dialog.Text1->text(), "");
    EXPECT_EQ(dialog.Text2->text(), "");
    EXPECT_TRUE(dialog.Picture2->pixmap().isNull());

    // What the user typed stays.
    clickFile(&dialog, "good.jpg");
    dialog.Text1->selectAll();
    QTest::keyClicks(dialog.Text1, "77");
    clickFile(&dialog, "bad.gif");
    EXPECT_EQ(dialog.Text1->text(), "77");
    EXPECT_EQ(dialog.Text2->text(), "");
}

TEST_F(ImageBrowser, FiveThousandImagesListAtOnce) {
    const QByteArray bytes = TestSupport::readBytes(imagesFolder() + "/sun.jpg");
    for (int i = 0; i < 5000; ++i)
        TestSupport::writeBytes(
            dir.filePath(QString("img%1.%2").arg(i, 4, 10, QChar('0')).arg(i % 2 ? "gif" : "JPG")),
            i == 4999 ? bytes : QByteArray());
    file("skip.png", bytes);
    // The window answers throughout: no gap between two beats of a timer is long.
    QElapsedTimer sinceBeat;
    qint64 longestGap = 0;
    QTimer heartbeat;
    heartbeat.setInterval(5);
    QObject::connect(&heartbeat, &QTimer::timeout,
                     [&] { longestGap = qMax(longestGap, sinceBeat.restart()); });
    heartbeat.start();
    sinceBeat.start();
    ASSERT_TRUE(dialog.Dir1->setPath(dir.path()));
    EXPECT_EQ(dialog.File1->count(), 5000);
    clickFile(&dialog, "img4999.gif");
    EXPECT_TRUE(dialog.GraphText->text().endsWith("img4999.gif"));
    EXPECT_TRUE(dialog.Label15->isVisible());
    longestGap = qMax(longestGap, sinceBeat.elapsed());
    EXPECT_LT(longestGap, 500);
}

TEST_F(ImageBrowser, AFiftyMegapixelPictureShowsItsSizeAndASmallPreview) {
    QImage huge(8660, 5774, QImage::Format_Grayscale8);
    huge.fill(200);
    const QString path = dir.filePath("huge.jpg");
    ASSERT_TRUE(huge.save(path, "JPG", 50));
    huge = QImage();
    ASSERT_TRUE(dialog.Dir1->setPath(dir.path()));
    QElapsedTimer timer;
    timer.start();
    clickFile(&dialog, "huge.jpg");
    EXPECT_LT(timer.elapsed(), 3000);
    EXPECT_EQ(dialog.Label15->text(), "Image width (pixels):  8660");
    EXPECT_EQ(dialog.Text2->text(), "5774");
    const QSize preview = dialog.Picture2->pixmap().size();
    EXPECT_GT(preview.width(), 0);
    EXPECT_LE(preview.width(), dialog.Picture2->width());
    EXPECT_LE(preview.height(), dialog.Picture2->height());
}

TEST_F(ImageBrowser, BrowsingForAPictureFillsTheNameAndSize) {
    const QString picture = sample("chosen.jpg");
    answerFileDialog(picture);
    dialog.Command2->click();
    EXPECT_EQ(QDir::fromNativeSeparators(dialog.GraphText->text()), picture);
    EXPECT_EQ(dialog.Text1->text(), QString::number(sizeOf(picture).width()));
    EXPECT_TRUE(dialog.Label16->isVisible());
    // Only the browser's own list remembers a picture.
    EXPECT_EQ(Module1::LastImageFile, "");

    answerFileDialog("");
    dialog.Command2->click();
    EXPECT_EQ(QDir::fromNativeSeparators(dialog.GraphText->text()), picture);
}

TEST_F(ImageBrowser, ACancelledPickKeepsTheLink) {
    dialog.TabStrip1->setCurrentIndex(1);
    QTest::keyClicks(dialog.XimageLink, "http://kept.example/");
    answerFileDialog(""); // the favourites
    dialog.Command1->click();
    EXPECT_EQ(dialog.XimageLink->currentText(), "http://kept.example/");
    answerFileDialog(""); // a file
    dialog.Command5->click();
    EXPECT_EQ(dialog.XimageLink->currentText(), "http://kept.example/");

    const QString page = file("target.html", "<html></html>");
    answerFileDialog(page);
    dialog.Command5->click();
    EXPECT_EQ(QDir::fromNativeSeparators(dialog.XimageLink->currentText()), page);

    const QString shortcut = file("site.url", "[InternetShortcut]\r\nURL=http://fav.example/\r\n");
    answerFileDialog(shortcut);
    dialog.Command1->click();
    EXPECT_EQ(dialog.XimageLink->currentText(), "http://fav.example/");
}
