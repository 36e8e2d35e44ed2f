// Every window of the program, opened as a user opens it, in the default face of a stock
// desktop and at 125 % text size: every caption, label, button, group title, tab and
// list entry reads whole, every window has a title of its own, and every window lies
// wholly on the screen (here 1024 x 600, beside a second screen).
#include "core/Module1.h"
#include "effects/EffectsDriver.h"
#include "links/ImageMapDriver.h"
#include "platform/ListBar.h"
#include "platform/WindowPlacement.h"
#include "screens/CutTexts.h"

#include <QFont>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QToolBar>

using namespace TestSupport;
using DialogDriver::clickAnswering;

namespace {

class WindowTexts : public EffectsDriver::WithMainForm {
protected:
    explicit WindowTexts(double points) : points_(points) {}
    void SetUp() override {
        // The face and size are the desktop's before the first window opens.
        QApplication::setFont(QFont("DejaVu Sans", points_));
        EffectsDriver::WithMainForm::SetUp();
        ASSERT_TRUE(files.isValid());
    }

    // Looks at a window as it is now: what does not read whole, and whether it lies on
    // a screen.
    void look(QWidget* window, const QString& where) {
        waitUntil([&] { return window->isVisible(); }, 10000);
        pump(30);
        for (const QString& cut : CutTexts::In(window))
            faults.append(where + ": " + cut);
        const QRect frame = window->frameGeometry();
        bool onScreen = false;
        for (const QRect& area : WindowPlacement::AvailableAreas())
            onScreen = onScreen || area.contains(frame);
        if (!onScreen)
            faults.append(QString("%1: lies at %2,%3 %4x%5, off the screens")
                              .arg(where)
                              .arg(frame.x())
                              .arg(frame.y())
                              .arg(frame.width())
                              .arg(frame.height()));
    }
    // The dialog that action opens, named name: looked at, then act shows its other
    // pages; it is closed after.
    void modal(QAction* action, const QString& name,
               const std::function<void(QDialog*)>& act = nullptr) {
        withDialog(action, name, [&](QDialog* d) {
            look(d, name);
            if (act)
                act(d);
        });
    }
    // The modal window that pressing button opens, looked at and closed.
    void nested(QAbstractButton* button, const QString& where,
                const std::function<void(QWidget*)>& act = nullptr) {
        bool seen = false;
        clickAnswering(button, [&](QWidget* w) {
            seen = true;
            look(w, where + " > " + w->objectName());
            if (act)
                act(w);
            if (w->isVisible())
                w->close();
        });
        EXPECT_TRUE(seen) << qPrintable(where) << ": nothing opened";
    }
    void tabs(QDialog* d, const QString& name, const std::function<void(int)>& onTab = nullptr) {
        auto* strip = field<QTabBar>(d, "TabStrip1");
        for (int i = 1; strip && i < strip->count(); ++i) {
            strip->setCurrentIndex(i);
            look(d, QString("%1, tab %2").arg(name).arg(i + 1));
            if (onTab)
                onTab(i);
        }
    }

    void everyWindow();

    QStringList faults;
    QTemporaryDir files;
    double points_;
};

// The stock desktop's face, and the same at 125 % text size.
class StockFace : public WindowTexts {
protected:
    StockFace() : WindowTexts(10) {}
};
class LargerText : public WindowTexts {
protected:
    LargerText() : WindowTexts(12.5) {}
};

void WindowTexts::everyWindow() {
    // The main window in both toolbar layouts, with each group of the shortcut bar open.
    form->resize(1000, 560);
    for (int group = 1; group <= form->SSListBar1->groupCount(); ++group) {
        form->SSListBar1->setCurrentGroup(group);
        look(form.get(), "MainForm, group " + form->SSListBar1->groupCaption(group));
    }
    form->ViewSub[5]->trigger();
    look(form.get(), "MainForm, standard toolbar");
    form->ViewSub[5]->trigger();

    modal(form->mnuInsertPageProperties, "BGCOLOR", [&](QDialog* d) {
        tabs(d, "BGCOLOR", [&](int tab) {
            if (tab == 3)
                nested(field<QAbstractButton>(d, "cmdMetaTags"), "BGCOLOR");
        });
    });
    modal(form->mnuInsertAnchor, "Anchor1");
    modal(form->mnuInsertEmailLink, "frmMailTo");
    modal(form->mnuInsertHorizLine, "frmHorizLine");
    modal(form->mnuInsertHyperlink, "LINKTEXT", [&](QDialog* d) { tabs(d, "LINKTEXT"); });
    modal(form->mnuInsertImage, "LinkGraph", [&](QDialog* d) {
        field<QAbstractButton>(d, "cmdImageBrowser")->click();
        look(d, "LinkGraph, with its picture browser");
    });
    modal(form->mnuInsertImageMap, "Usemap", [&](QDialog* d) {
        auto* wizard = qobject_cast<Usemap*>(d);
        ImageMapDriver::startOn(
            wizard, ImageMapDriver::makePicture(files.filePath("map.png"), {300, 200}), "map");
        for (int shape = 0; shape < wizard->Label3.size(); ++shape) {
            QTest::mouseClick(wizard->Label3[shape], Qt::LeftButton);
            look(d, QString("Usemap, shape %1").arg(shape + 1));
        }
        QTest::mouseClick(wizard->Label3[0], Qt::LeftButton);
        ImageMapDriver::clickPicture(wizard, {10, 10});
        TestSupport::whenModal([&](QWidget* w) {
            look(w, "Usemap > UsemapURL");
            w->close();
        });
        ImageMapDriver::clickPicture(wizard, {60, 40});
    });
    modal(form->mnuInsertSound, "BGSound");
    modal(form->TableSub[0], "InsertTableDlg");
    modal(form->mnuTextBox, "frmTextBox");
    modal(form->InsertHTML, "InsertHTMLDlg");
    modal(form->ViewSub[2], "frmViewSource");
    modal(form->ViewSub[7], "frmOptions");
    modal(form->findChild<QAction*>("mnuAbout"), "AboutFrm");
    modal(form->EditSub[8], "FindDialog");

    // Effects: each page of the clock wizard, the jump menu's item dialog, the preview
    // and a message box.
    modal(form->mnuSpecialEffectsSub[1], "frmDateTime", [&](QDialog* d) {
        // Date and time: every page shows in turn.
        field<QRadioButton>(d, "optDateTime_2")->setChecked(true);
        auto* next = field<QPushButton>(d, "cmdNext");
        for (int page = 2; page <= 4; ++page) {
            next->click();
            look(d, QString("frmDateTime, page %1").arg(page));
            if (page == 2)
                field<QListWidget>(d, "lstDateTimeFormat")->setCurrentRow(0);
        }
    });
    modal(form->mnuSpecialEffectsSub[2], "frmIframe");
    modal(form->mnuSpecialEffectsSub[3], "Pulldown",
          [&](QDialog* d) { nested(field<QAbstractButton>(d, "Command1"), "Pulldown"); });
    modal(marqueeItem(), "Marquee", [&](QDialog* d) {
        nested(field<QAbstractButton>(d, "Command1"), "Marquee, no text");
        field<QLineEdit>(d, "Text1")->setText("News");
        EffectsDriver::onPreview([&](Preview* p) { look(p, "Preview"); });
        field<QAbstractButton>(d, "Command1")->click();
    });

    // The save-method question, on a changed page.
    page("<p>changed</p>");
    js(editor, "document.body.appendChild(document.createTextNode('x'))");
    modal(form->FileSave, "frmPublishLocalPrompt");

    // Windows that are not modal: the special characters and the help.
    form->mnuInsertSpecChars->trigger();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "frmVowels" && w->isVisible()) {
            look(w, "frmVowels");
            auto* strip = field<QTabBar>(w, "TabStrip1");
            for (int i = 1; strip && i < strip->count(); ++i) {
                strip->setCurrentIndex(i);
                look(w, QString("frmVowels, tab %1").arg(i + 1));
            }
            w->close();
        }
    form->mnuHelpContents->trigger();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "HelpWindow" && w->isVisible()) {
            look(w, "HelpWindow");
            w->close();
        }
}

} // namespace

TEST_F(StockFace, EveryWindowReadsWholeAndHasATitleOnASmallScreen) {
    everyWindow();
    EXPECT_TRUE(faults.isEmpty()) << qPrintable(faults.join("\n"));
}

TEST_F(LargerText, EveryWindowReadsWholeAndHasATitleOnASmallScreen) {
    everyWindow();
    EXPECT_TRUE(faults.isEmpty()) << qPrintable(faults.join("\n"));
}
