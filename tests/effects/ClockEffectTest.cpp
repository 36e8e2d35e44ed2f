// Insert > Special Effects > Digital Clock driven as a user would: the wizard, the
// preview with the clock running, Insert, Edit, the close box and Cancel.
#include "core/Module1.h"
#include "effects/Effects.h"
#include "effects/EffectsDriver.h"
#include "effects/frmDateTime.h"
#include "support/DialogDriver.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QWebEngineView>

using namespace EffectsDriver;

namespace {

const QString ClockBox =
    "A placeholder for the Digital Clock will be inserted into your Web page while you are "
    "editing it.\r\nYou will see the actual digital clock when you preview your page in your "
    "Web browser.";

class ClockEffect : public WithMainForm {
protected:
    QAction* clockItem() const { return form->mnuSpecialEffectsSub[1]; }

    static frmDateTime* wizard(QDialog* d) { return qobject_cast<frmDateTime*>(d); }
    static QString heading(QDialog* d) { return field<QLabel>(d, "lblHeading")->text(); }
    static void chooseFormat(QDialog* d, const QString& format) {
        auto* list = field<QListWidget>(d, "lstDateTimeFormat");
        list->setCurrentItem(list->findItems(format, Qt::MatchExactly).value(0));
    }
    void undo() {
        editor->view()->setFocus();
        QTest::keyClick(editor->view()->focusProxy(), Qt::Key_Z, Qt::ControlModifier);
        TestSupport::pump(30);
    }
};

// Seconds since midnight of "H:MM:SS" or of the preview's own clock.
int secondsOf(const QString& time) {
    const QStringList parts = time.split(':');
    if (parts.size() != 3)
        return -1;
    return parts[0].toInt() * 3600 + parts[1].toInt() * 60 + parts[2].toInt();
}
int previewNow(Preview* p) {
    return p->WebBrowser1
        ->Evaluate("(function(){const d=new Date();"
                   "return d.getHours()*3600+d.getMinutes()*60+d.getSeconds();})()")
        .toInt();
}

} // namespace

TEST_F(ClockEffect, TheClockGoesInOnceAndOneUndoTakesItOut) {
    page("<p id='p'>Hello</p>");
    QString box = "<no message>";
    withDialog(clockItem(), "frmDateTime", [&](QDialog* d) {
        EXPECT_TEXT(heading(d), "Digital Clock - Step 1: Select Date and/or Time");
        click(d, "cmdNext");
        chooseFormat(d, "11/28/2001");
        click(d, "cmdNext");
        EXPECT_TEXT(heading(d), "Digital Clock - Step 3: Set clock properties");
        onPreview([&](Preview* p) {
            const QString file = TestSupport::readText(previewFile());
            EXPECT_TRUE(file.contains("<HEAD><meta charset=\"utf-8\"><SCRIPT LANGUAGE='JavaScript'>"
                                      "\r\nfunction DigitalClock()"));
            EXPECT_TRUE(file.contains("valign='middle'><LAYER ID='lyrClock' bgcolor=''>"));
            // The clock replaced its placeholder with today's date.
            const QString today = QDate::currentDate().toString("MM/dd/yyyy");
            EXPECT_TRUE(TestSupport::waitUntil([&] {
                return previewText(p, "#spnClock") == today;
            })) << qPrintable(previewText(p, "#spnClock"));
            TestSupport::acceptMessageBox(&box);
            click(p, "cmdInsert");
        });
        click(d, "cmdNext"); // Done
    });
    EXPECT_TEXT(box, ClockBox);
    const QString page = body();
    EXPECT_TRUE(page.startsWith(" <script language=\"JavaScript\">\nfunction DigitalClock()\n"))
        << qPrintable(page.left(80));
    EXPECT_EQ(page.count("<script"), 1);
    EXPECT_EQ(page.count("id=\"spnClock\""), 1);
    EXPECT_EQ(page.count("Digital clock will be displayed here"), 1);
    EXPECT_TRUE(page.contains("<p id=\"p\">Hello<layer id=\"lyrClock\" bgcolor=\"\"></layer>"));
    EXPECT_EQ(Effects::Loaded(frmDateTime::Code), nullptr); // Insert unloads the wizard

    undo();
    EXPECT_TEXT(body(), "<p id=\"p\">Hello</p>");
}

TEST_F(ClockEffect, TheClockTicksInThePreviewOnTheTwentyFourHourClock) {
    withDialog(clockItem(), "frmDateTime", [&](QDialog* d) {
        QTest::mouseClick(field<QLabel>(d, "Label9"), Qt::LeftButton); // time only
        click(d, "cmdNext");
        EXPECT_TEXT(heading(d), "Digital Clock - Step 2: Set Time format");
        click(d, "chkMilitaryTime");
        click(d, "chkShowSeconds");
        click(d, "cmdNext");
        onPreview([&](Preview* p) {
            const int before = previewNow(p);
            const QString shown = previewText(p, "#spnClock");
            const int clock = secondsOf(shown);
            ASSERT_GE(clock, 0) << qPrintable(shown);
            const int lag = (before - clock + 86400) % 86400;
            EXPECT_TRUE(lag <= 1 || lag == 86399) << qPrintable(shown) << " at " << before;
            // Seconds tick.
            EXPECT_TRUE(
                TestSupport::waitUntil([&] { return previewText(p, "#spnClock") != shown; }, 3000));
            p->close();
        });
        click(d, "cmdNext");
    });
}

TEST_F(ClockEffect, CancelInsertsNothingAndSaysNothingOfAPlaceholder) {
    page("<p id='p'>Hello</p>");
    Module1::PendingSnippet = "<b>older</b>";
    QString box = "<no message>";
    withDialog(clockItem(), "frmDateTime", [&](QDialog* d) {
        // The wizard's load leaves the strings alone.
        EXPECT_TEXT(Module1::PendingSnippet, "<b>older</b>");
        TestSupport::acceptMessageBox(&box);
        click(d, "cmdCancel");
    });
    TestSupport::pump(50);
    EXPECT_TEXT(box, "<no message>");
    TestSupport::clearModalWaiters();
    EXPECT_TEXT(body(), "<p id=\"p\">Hello</p>");
    EXPECT_EQ(Effects::Loaded(frmDateTime::Code), nullptr);
}

TEST_F(ClockEffect, EditComesBackToThePropertiesWithTheSameStepNumbers) {
    withDialog(clockItem(), "frmDateTime", [&](QDialog* d) {
        click(d, "optDateTime_2");
        click(d, "cmdNext");
        chooseFormat(d, "November 28");
        click(d, "cmdNext");
        click(d, "cmdNext");
        EXPECT_TEXT(heading(d), "Digital Clock - Step 4: Set clock properties");
        onPreview([&, d](Preview* p) {
            onDialog("frmDateTime", [&, d](QDialog* again) {
                EXPECT_EQ(again, d);
                EXPECT_TEXT(heading(again), "Digital Clock - Step 4: Set clock properties");
                click(again, "cmdPrevious");
                EXPECT_TEXT(heading(again), "Digital Clock - Step 3: Set Time format");
                click(again, "cmdPrevious");
                EXPECT_TEXT(heading(again), "Digital Clock - Step 2: Set Date format");
                EXPECT_EQ(field<QListWidget>(again, "lstDateTimeFormat")->count(), 12);
                click(again, "cmdCancel");
            });
            click(p, "cmdPrevious");
        });
        click(d, "cmdNext");
    });
    // Cancel after Edit keeps what Done generated.
    EXPECT_EQ(Module1::PreviewSource, 4);
    EXPECT_TRUE(Module1::PendingBodyStart.contains("strMonthName + ' ' + intWeekday"));
    EXPECT_EQ(Effects::Loaded(frmDateTime::Code), nullptr);
}

TEST_F(ClockEffect, AfterTheCloseBoxTheWizardComesBackAsLeftUntilItIsClosed) {
    withDialog(clockItem(), "frmDateTime", [&](QDialog* d) {
        click(d, "cmdNext");
        chooseFormat(d, "28/11/01");
        click(d, "cmdNext");
        DialogDriver::pickColor(
            [&] { QTest::mouseClick(field<QLabel>(d, "lblBGColor"), Qt::LeftButton); },
            QColor(0, 0x80, 0));
        // The preview's close box inserts nothing: no message follows.
        onPreview([&](Preview* p) { p->close(); });
        click(d, "cmdNext");
    });
    ASSERT_NE(Effects::Loaded(frmDateTime::Code), nullptr);
    withDialog(clockItem(), "frmDateTime", [&](QDialog* d) {
        EXPECT_EQ(wizard(d)->BackColorHex, "#008000");
        EXPECT_TEXT(heading(d), "Digital Clock - Step 3: Set clock properties");
        click(d, "cmdCancel");
    });
    // Closed, the wizard forgets its colours: the next clock starts without them.
    withDialog(clockItem(), "frmDateTime", [&](QDialog* d) {
        EXPECT_EQ(wizard(d)->BackColorHex, "");
        EXPECT_TEXT(heading(d), "Digital Clock - Step 1: Select Date and/or Time");
        click(d, "cmdCancel");
    });
}

TEST_F(ClockEffect, HostileFontTextsLeaveTheClockWorking) {
    page("<p id='p'>Hello</p>");
    withDialog(clockItem(), "frmDateTime", [&](QDialog* d) {
        click(d, "optDateTime_1");
        click(d, "cmdNext");
        click(d, "cmdNext");
        field<QComboBox>(d, "cboFont")->setEditText("Tom's \"font\" </SCRIPT><b>&amp; Ωж");
        field<QComboBox>(d, "cboFontSize")->setEditText("abc");
        field<QLineEdit>(d, "txtPadding")->setText("'x\"");
        onPreview([&](Preview* p) {
            // The script ran: the time replaced the placeholder.
            const QRegularExpression time("^\\d{1,2}:\\d\\d$");
            EXPECT_TRUE(TestSupport::waitUntil([&] {
                return time.match(previewText(p, "#spnClock")).hasMatch();
            })) << qPrintable(previewText(p, "#spnClock"));
            EXPECT_EQ(p->WebBrowser1->Evaluate("document.scripts.length").toInt(), 1);
            TestSupport::acceptMessageBox();
            click(p, "cmdInsert");
        });
        click(d, "cmdNext");
    });
    const QString page = body();
    EXPECT_EQ(page.count("<script"), 1);
    EXPECT_EQ(page.count("</script>"), 1);
    EXPECT_TRUE(page.contains("Digital clock will be displayed here</span></span>\n</p>"))
        << qPrintable(page.right(200));
}
