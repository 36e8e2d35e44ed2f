// The hand-over of an effect: dialog, preview, and Insert, Edit or the close box, driven
// as a user would through the marquee and through stand-in dialogs of other codes.
#include "core/Module1.h"
#include "effects/EffectMarkup.h"
#include "effects/Effects.h"
#include "effects/EffectsDriver.h"
#include "effects/Marquee.h"
#include "platform/DHTMLEditCommands.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWebEngineView>

using namespace EffectsDriver;

namespace {

// An effect dialog of any code: OK hands over the strings it was given.
class StandIn : public EffectDialog {
public:
    StandIn(QWidget* parent, int32_t code, QString bodyStart, QString snippet)
        : EffectDialog(parent), code_(code), bodyStart_(std::move(bodyStart)),
          snippet_(std::move(snippet)) {
        setObjectName("StandIn");
        auto* ok = new QPushButton("&OK", this);
        ok->setObjectName("cmdOK");
        connect(ok, &QPushButton::clicked, this, [this] { handOver(code_, snippet_, bodyStart_); });
    }
    void Form_Load() override { ++loads; }
    int loads = 0;

private:
    int32_t code_;
    QString bodyStart_;
    QString snippet_;
};

const QString MarqueeBox =
    "A placeholder for the Marquee will be inserted into your Web page while you are editing "
    "it.\r\nYou will see the actual marquee when you preview your page in your Web browser.";

class Handover : public WithMainForm {
protected:
    // Opens the marquee dialog and types text into it.
    void typeMarquee(QDialog* d, const QString& text) {
        auto* box = field<QLineEdit>(d, "Text1");
        box->clear();
        QTest::keyClicks(box, text);
    }
    void undo() {
        editor->view()->setFocus();
        QTest::keyClick(editor->view()->focusProxy(), Qt::Key_Z, Qt::ControlModifier);
        TestSupport::pump(30);
    }
};

} // namespace

TEST_F(Handover, InsertPutsTheEffectInOnceAndOneUndoTakesItAllOut) {
    page("<p id='p'>Hello</p>");
    QString box;
    withDialog(marqueeItem(), "Marquee", [&](QDialog* d) {
        typeMarquee(d, "Go");
        onPreview([&](Preview* p) {
            EXPECT_TEXT(field<QLabel>(p, "lblHeading")->text(), "Special Effect Previewer");
            EXPECT_TEXT(field<QLabel>(p, "lblSubHeading")->text(),
                        "View the preview of your special effect below.  You can go back and "
                        "edit the special effect or insert it into your Web page.");
            EXPECT_EQ(field<QLabel>(p, "lblHeaderBkg")->width(), p->width());
            EXPECT_EQ(field<QPushButton>(p, "cmdPrevious")->text(), "<< &Edit special effect");
            // The page shown is the file just written, in UTF-8.
            EXPECT_EQ(p->File(), previewFile());
            EXPECT_EQ(TestSupport::readBytes(previewFile()),
                      EffectMarkup::BuildPreviewPage("", Module1::PendingSnippet).toUtf8());
            EXPECT_EQ(previewText(p, "marquee"), "Go");
            TestSupport::acceptMessageBox(&box);
            // Enter takes the default button, "&Insert into Web page".
            QWidget* focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr);
            EXPECT_EQ(focus->window(), p);
            QTest::keyClick(focus, Qt::Key_Return);
        });
        click(d, "Command1");
    });
    EXPECT_TEXT(box, MarqueeBox);
    EXPECT_TEXT(
        body(),
        " <p id=\"p\">Hello<marquee direction=\"right\" behavior=\"scroll\">Go</marquee></p>");
    // The preview changes none of the three; Insert unloads the marquee dialog.
    EXPECT_TEXT(Module1::PendingSnippet,
                "<marquee direction=\"right\" behavior=scroll>Go</marquee>");
    EXPECT_TEXT(Module1::PendingBodyStart, "");
    EXPECT_EQ(Module1::PreviewSource, 42);
    EXPECT_EQ(Effects::Loaded(42), nullptr);

    undo();
    EXPECT_TEXT(body(), "<p id=\"p\">Hello</p>");
}

TEST_F(Handover, EditGoesBackWithEverythingKeptAndTheNextPreviewShowsTheChange) {
    page("<p id='p'>Hello</p>");
    withDialog(marqueeItem(), "Marquee", [&](QDialog* d) {
        typeMarquee(d, "First");
        field<QComboBox>(d, "cboDirection")->setCurrentText("Right to Left");
        onPreview([&, d](Preview* p) {
            EXPECT_TRUE(TestSupport::readText(previewFile()).contains(">First</marquee>"));
            onDialog("Marquee", [&, d](QDialog* again) {
                EXPECT_EQ(again, d);
                EXPECT_EQ(field<QLineEdit>(again, "Text1")->text(), "First");
                EXPECT_EQ(field<QComboBox>(again, "cboDirection")->currentText(), "Right to Left");
                // No second load: the lists are not filled twice, the strings not cleared.
                EXPECT_EQ(field<QComboBox>(again, "Combo2")->count(), 3);
                EXPECT_TRUE(Module1::PendingSnippet.contains("First"));
                typeMarquee(again, "Second");
                onPreview([&](Preview* second) {
                    const QString file = TestSupport::readText(previewFile());
                    EXPECT_TRUE(
                        file.contains("direction=\"left\" behavior=scroll>Second</marquee>"))
                        << qPrintable(file);
                    EXPECT_FALSE(file.contains("First"));
                    EXPECT_EQ(previewText(second, "marquee"), "Second");
                    TestSupport::acceptMessageBox();
                    click(second, "cmdInsert");
                });
                click(again, "Command1");
            });
            click(p, "cmdPrevious");
        });
        click(d, "Command1");
    });
    EXPECT_EQ(body().count("<marquee"), 1);
    EXPECT_TRUE(body().contains(">Second</marquee>"));
}

TEST_F(Handover, TheCloseBoxInsertsNothingAndTheNextOpeningShowsTheOldEntries) {
    page("<p id='p'>Hello</p>");
    QString box;
    withDialog(marqueeItem(), "Marquee", [&](QDialog* d) {
        typeMarquee(d, "Kept");
        field<QComboBox>(d, "Combo2")->setCurrentText("Slide");
        onPreview([&](Preview* p) {
            TestSupport::acceptMessageBox(&box);
            p->close();
        });
        click(d, "Command1");
    });
    // Nothing went in, and no message says a placeholder did.
    TestSupport::pump(50);
    EXPECT_TEXT(box, "");
    TestSupport::clearModalWaiters();
    EXPECT_TEXT(body(), "<p id=\"p\">Hello</p>");
    ASSERT_NE(Effects::Loaded(42), nullptr);
    EXPECT_FALSE(Effects::Loaded(42)->isVisible());
    const QString effect = Module1::PendingSnippet;
    EXPECT_TRUE(effect.contains("behavior=slide>Kept"));

    withDialog(marqueeItem(), "Marquee", [&](QDialog* d) {
        EXPECT_EQ(field<QLineEdit>(d, "Text1")->text(), "Kept");
        EXPECT_EQ(field<QComboBox>(d, "Combo2")->currentText(), "Slide");
        EXPECT_EQ(field<QComboBox>(d, "Combo2")->count(), 3);
        EXPECT_EQ(Module1::PendingSnippet, effect); // not cleared: the dialog did not load
        click(d, "Command2");
    });
    EXPECT_EQ(Effects::Loaded(42), nullptr); // Cancel unloads it
    EXPECT_EQ(Module1::PendingSnippet, effect);
}

TEST_F(Handover, CancelInsertsNothingAndLeavesTheVariablesAsTheyWere) {
    page("<p id='p'>Hello</p>");
    Module1::PreviewSource = 41;
    Module1::PendingSnippet = "<b>older</b>";
    QString box;
    withDialog(marqueeItem(), "Marquee", [&](QDialog* d) {
        EXPECT_TEXT(Module1::PendingSnippet, ""); // the load step clears both strings
        typeMarquee(d, "Never");
        TestSupport::acceptMessageBox(&box);
        click(d, "Command2");
    });
    TestSupport::pump(50);
    EXPECT_TEXT(box, "") << "no placeholder went in";
    TestSupport::clearModalWaiters();
    EXPECT_TEXT(body(), "<p id=\"p\">Hello</p>");
    EXPECT_EQ(Module1::PreviewSource, 41);
    EXPECT_TEXT(Module1::PendingSnippet, "");
    EXPECT_EQ(Effects::Loaded(42), nullptr);

    // Back from the preview, Cancel keeps what the first finish generated.
    withDialog(marqueeItem(), "Marquee", [&](QDialog* d) {
        typeMarquee(d, "Generated");
        onPreview([&](Preview* p) {
            onDialog("Marquee", [&](QDialog* again) { click(again, "Command2"); });
            click(p, "cmdPrevious");
        });
        click(d, "Command1");
    });
    EXPECT_TEXT(body(), "<p id=\"p\">Hello</p>");
    EXPECT_TRUE(Module1::PendingSnippet.contains(">Generated</marquee>"));
    EXPECT_EQ(Module1::PreviewSource, 42);
}

TEST_F(Handover, InsertWithBothStringsEmptyLeavesThePageAloneAndStillUnloads) {
    page("<p id='p'>Hello</p>");
    QPointer<StandIn> dialog = new StandIn(form.get(), 41, "", "");
    Effects::Keep(41, dialog);
    onDialog("StandIn", [&](QDialog* d) {
        onPreview([&](Preview* p) { click(p, "cmdInsert"); });
        click(d, "cmdOK");
    });
    Effects::Run(dialog);
    EXPECT_TEXT(body(), "<p id=\"p\">Hello</p>");
    EXPECT_TRUE(dialog.isNull());
}

TEST_F(Handover, AJumpMenuStaysLoadedAfterInsertAndItsScriptGoesToTheBodyStart) {
    page("<p id='p'>Hello</p>");
    auto* menu =
        new StandIn(form.get(), 15, "<script id=\"s\">go()</script>", "<select id=\"j\"></select>");
    Effects::Keep(15, menu);
    onDialog("StandIn", [&](QDialog* d) {
        onPreview([&](Preview* p) {
            EXPECT_TRUE(TestSupport::readText(previewFile())
                            .startsWith("<HTML><HEAD><meta charset=\"utf-8\"><script "
                                        "id=\"s\">go()</script></HEAD>"));
            click(p, "cmdInsert");
        });
        click(d, "cmdOK");
    });
    Effects::Run(menu);
    EXPECT_TEXT(body(), " <script id=\"s\">go()</script><p id=\"p\">Hello<select "
                        "id=\"j\"></select></p>");
    EXPECT_EQ(Effects::Loaded(15), menu);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(menu->loads, 0); // kept, never loaded again
}

TEST_F(Handover, ACodeThatNamesNoDialogOnlyClosesThePreview) {
    page("<p id='p'>Hello</p>");
    auto* other = new StandIn(form.get(), 7, "", "<i>x</i>");
    Effects::Keep(16, other);
    onDialog("StandIn", [&](QDialog* d) {
        onPreview([&](Preview* p) { click(p, "cmdPrevious"); });
        click(d, "cmdOK");
    });
    Effects::Run(other); // returns: "Edit" finds no dialog for code 7
    EXPECT_EQ(Effects::Loaded(16), other);
    EXPECT_FALSE(other->isVisible());
    EXPECT_TEXT(body(), "<p id=\"p\">Hello</p>");

    onDialog("StandIn", [&](QDialog* d) {
        onPreview([&](Preview* p) { click(p, "cmdInsert"); });
        click(d, "cmdOK");
    });
    Effects::Run(other);
    EXPECT_TEXT(body(), " <p id=\"p\">Hello<i>x</i></p>");
    EXPECT_EQ(Effects::Loaded(16), other); // Insert unloads only the preview
}
