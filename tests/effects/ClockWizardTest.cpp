// The digital clock wizard on its own: its pages, the step numbers, the date-format
// check, the colour labels and the font dialog.
#include "core/Module1.h"
#include "effects/frmDateTime.h"
#include "platform/Help.h"
#include "support/DialogDriver.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

using namespace TestSupport;

namespace {

class ClockWizard : public ::testing::Test {
protected:
    void SetUp() override {
        wizard = std::make_unique<frmDateTime>();
        wizard->Form_Load();
        wizard->show();
    }
    void TearDown() override { clearModalWaiters(); }

    QString heading() { return child<QLabel>(wizard.get(), "lblHeading")->text(); }
    QString subHeading() { return child<QLabel>(wizard.get(), "lblSubHeading")->text(); }
    // The page in front, 1 to 4.
    int page() { return wizard->pages->currentIndex() + 1; }
    void next() { wizard->cmdNext->click(); }
    void previous() { wizard->cmdPrevious->click(); }
    // Next, answering the message box it shows; returns its text ("" for none).
    QString nextWithMessage() {
        QString text;
        acceptMessageBox(&text);
        next();
        pump(30);
        clearModalWaiters();
        return text;
    }
    void chooseFormat(const QString& format) {
        const auto found = wizard->lstDateTimeFormat->findItems(format, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        wizard->lstDateTimeFormat->setCurrentItem(found.first());
    }

    std::unique_ptr<frmDateTime> wizard;
};

} // namespace

TEST_F(ClockWizard, StartsOnItsFirstPageWithItsDefaults) {
    EXPECT_EQ(wizard->objectName(), "frmDateTime");
    EXPECT_EQ(wizard->size(), QSize(428, 375));
    EXPECT_EQ(page(), 1);
    EXPECT_TEXT(heading(), "Digital Clock - Step 1: Select Date and/or Time");
    EXPECT_TEXT(subHeading(), "From the choices below, select the item you wish to be displayed "
                              "on your Web page: date only, time only or both.");
    EXPECT_TRUE(wizard->optDateTime[0]->isChecked());
    EXPECT_FALSE(wizard->cmdPrevious->isEnabled());
    EXPECT_TEXT(wizard->Label10->text(), "Display both the date and time on your Web page in a "
                                         "format like: \"Monday, April 3, 2001  12:31 pm\"");
    EXPECT_EQ(wizard->lstDateTimeFormat->count(), 12);
    EXPECT_TEXT(wizard->lstDateTimeFormat->item(0)->text(), "November 28, 2001");
    EXPECT_TEXT(wizard->lstDateTimeFormat->item(11)->text(), "28-11-2001");
    EXPECT_TRUE(wizard->lstDateTimeFormat->selectedItems().isEmpty());
    EXPECT_TEXT(wizard->cboFont->currentText(), "Arial");
    EXPECT_EQ(wizard->cboFont->count(), 10);
    EXPECT_TEXT(wizard->cboFontStyle->currentText(), "Normal");
    EXPECT_TEXT(wizard->cboFontSize->currentText(), "12");
    EXPECT_EQ(wizard->cboFontSize->count(), 14);
    EXPECT_TEXT(wizard->txtPadding->text(), "2");
    EXPECT_TEXT(wizard->lblBGColor->text(), "Click to Select Color");
    EXPECT_TEXT(wizard->lblFontColor->toolTip(), "Click here to select a color");
    for (QCheckBox* c : {wizard->chkDayOfWeek, wizard->chkShowTimeBeforeDate,
                         wizard->chkMilitaryTime, wizard->chkShowSeconds, wizard->chkShowAMPM})
        EXPECT_FALSE(c->isChecked()) << c->objectName().toStdString();
}

TEST_F(ClockWizard, TheDescriptionsSelectTheirOption) {
    QTest::mouseClick(wizard->Label10, Qt::LeftButton);
    EXPECT_TRUE(wizard->optDateTime[2]->isChecked());
    QTest::mouseClick(wizard->Label9, Qt::LeftButton);
    EXPECT_TRUE(wizard->optDateTime[1]->isChecked());
    QTest::mouseClick(wizard->Label8, Qt::LeftButton);
    EXPECT_TRUE(wizard->optDateTime[0]->isChecked());
}

TEST_F(ClockWizard, TimeOnlySkipsTheDatePageAndNeedsNoFormat) {
    wizard->optDateTime[1]->click();
    next();
    EXPECT_EQ(page(), 3);
    EXPECT_TEXT(heading(), "Digital Clock - Step 2: Set Time format");
    EXPECT_TRUE(wizard->chkShowTimeBeforeDate->isHidden());
    next();
    EXPECT_EQ(page(), 4);
    EXPECT_TEXT(heading(), "Digital Clock - Step 3: Set clock properties");
    EXPECT_TEXT(wizard->cmdNext->text(), "&Done");
    previous();
    EXPECT_EQ(page(), 3);
    EXPECT_TEXT(heading(), "Digital Clock - Step 2: Set Time format");
    EXPECT_TEXT(wizard->cmdNext->text(), "&Next >>");
    previous();
    EXPECT_EQ(page(), 1);
    EXPECT_TEXT(heading(), "Digital Clock - Step 1: Select Date and/or Time");
    EXPECT_FALSE(wizard->cmdPrevious->isEnabled());
}

TEST_F(ClockWizard, DateOnlySkipsTheTimePage) {
    next();
    EXPECT_EQ(page(), 2);
    EXPECT_TEXT(heading(), "Digital Clock - Step 2: Set Date format");
    EXPECT_TEXT(subHeading(), "Select the date format you wish to be displayed on your Web page.");
    EXPECT_TRUE(wizard->cmdPrevious->isEnabled());
    EXPECT_TEXT(nextWithMessage(), "Please select a Date format from the list below.");
    EXPECT_EQ(page(), 2);
    chooseFormat("11/28/01");
    next();
    EXPECT_EQ(page(), 4);
    EXPECT_TEXT(heading(), "Digital Clock - Step 3: Set clock properties");
    previous();
    EXPECT_EQ(page(), 2);
    EXPECT_TEXT(heading(), "Digital Clock - Step 2: Set Date format");
}

TEST_F(ClockWizard, BothWithoutAFormatStaysOnTheDatePage) {
    wizard->optDateTime[2]->click();
    next();
    EXPECT_TEXT(nextWithMessage(), "Please select a Date format from the list below.");
    EXPECT_EQ(page(), 2);
    EXPECT_EQ(wizard->PageNumber, 2);
    EXPECT_TEXT(heading(), "Digital Clock - Step 2: Set Date format");
    // Asked again, the same answer: the step number does not drift.
    EXPECT_TEXT(nextWithMessage(), "Please select a Date format from the list below.");
    EXPECT_TEXT(heading(), "Digital Clock - Step 2: Set Date format");
    chooseFormat("28 November 2001");
    next();
    EXPECT_EQ(page(), 3);
    EXPECT_TEXT(heading(), "Digital Clock - Step 3: Set Time format");
    EXPECT_FALSE(wizard->chkShowTimeBeforeDate->isHidden());
    next();
    EXPECT_TEXT(heading(), "Digital Clock - Step 4: Set clock properties");
}

TEST_F(ClockWizard, ColourLabelsTakeAColourAndACancelChangesNothing) {
    using DialogDriver::pickColor;
    pickColor([&] { QTest::mouseClick(wizard->lblBGColor, Qt::LeftButton); }, QColor(255, 0, 0));
    EXPECT_EQ(wizard->BackColorHex, "#FF0000");
    EXPECT_EQ(wizard->lblBGColor->text(), "");
    EXPECT_EQ(wizard->lblBGColor->palette().color(QPalette::Window), QColor(255, 0, 0));
    pickColor([&] { QTest::mouseClick(wizard->lblFontColor, Qt::LeftButton); }, QColor(0, 0, 0x80));
    EXPECT_EQ(wizard->FontColorHex, "#000080");
    pickColor([&] { QTest::mouseClick(wizard->lblBGColor, Qt::LeftButton); }, QColor());
    EXPECT_EQ(wizard->BackColorHex, "#FF0000");
    EXPECT_EQ(wizard->lblBGColor->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_TRUE(ClockScript::ClockStyle(wizard->Choices())
                    .startsWith(";background-color:#FF0000;color:#000080;"));
    // Closing the wizard forgets both.
    wizard->cmdCancel->click();
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_FALSE(wizard->handedOver);
    EXPECT_EQ(wizard->BackColorHex, "");
    EXPECT_EQ(wizard->FontColorHex, "");
}

TEST_F(ClockWizard, TheFontDialogFillsNameSizeAndStyleUnlessCancelled) {
    // A family this machine has in bold italic.
    QString family;
    for (const QString& f : QFontDatabase::families()) {
        const QStringList styles = QFontDatabase::styles(f);
        if (styles.contains("Bold Italic") || styles.contains("Bold Oblique")) {
            family = f;
            break;
        }
    }
    ASSERT_FALSE(family.isEmpty()) << "no font family with a bold italic style";
    whenModal([&](QWidget* w) {
        auto* dialog = qobject_cast<QFontDialog*>(w);
        ASSERT_TRUE(dialog) << "expected the font dialog, got " << w->objectName().toStdString();
        dialog->setCurrentFont(QFont(family, 14, QFont::Bold, true));
        dialog->accept();
    });
    wizard->cmdMoreFonts->click();
    EXPECT_EQ(wizard->cboFont->currentText(), family);
    EXPECT_EQ(wizard->cboFontSize->currentText(), "14");
    EXPECT_EQ(wizard->cboFontStyle->currentText(), "Bold Italic");
    for (const auto& [bold, italic, style] :
         QList<std::tuple<bool, bool, QString>>{{true, false, "Bold"}, {false, true, "Italic"}}) {
        whenModal([&](QWidget* w) {
            auto* dialog = qobject_cast<QFontDialog*>(w);
            ASSERT_TRUE(dialog);
            dialog->setCurrentFont(QFont(family, 9, bold ? QFont::Bold : QFont::Normal, italic));
            dialog->accept();
        });
        wizard->cmdMoreFonts->click();
        EXPECT_EQ(wizard->cboFontStyle->currentText(), style);
        EXPECT_EQ(wizard->cboFontSize->currentText(), "9");
    }

    // A cancelled dialog leaves the three boxes as they were.
    wizard->cboFont->setEditText("Verdana");
    wizard->cboFontSize->setEditText("abc");
    wizard->cboFontStyle->setCurrentIndex(wizard->cboFontStyle->findText("Italic"));
    whenModal([&](QWidget* w) {
        auto* dialog = qobject_cast<QFontDialog*>(w);
        ASSERT_TRUE(dialog);
        dialog->setCurrentFont(QFont(family, 20, QFont::Bold, false));
        dialog->reject();
    });
    wizard->cmdMoreFonts->click();
    EXPECT_EQ(wizard->cboFont->currentText(), "Verdana");
    EXPECT_EQ(wizard->cboFontSize->currentText(), "abc");
    EXPECT_EQ(wizard->cboFontStyle->currentText(), "Italic");
    // The typed size goes into the clock as the user left it, and breaks nothing.
    EXPECT_TRUE(ClockScript::ClockStyle(wizard->Choices()).contains(";font-size:abcpt;"));
}

TEST_F(ClockWizard, HelpOpensTheClockPage) {
    wizard->cmdHelp->click();
    EXPECT_EQ(Help::ShownTopic(), 27);
}
