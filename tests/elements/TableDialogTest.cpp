// Insert > Table > Insert Table... on the real editing surface, driven as a user would.
#include "core/Module1.h"
#include "elements/InsertTableDlg.h"
#include "support/DialogDriver.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace DialogDriver;

namespace {
const QString RowsMessage = "Please specify a positive integer for the number of table rows.";
const QString ColsMessage = "Please specify a positive integer for the number of table columns.";

class TableDialog : public WithMainForm {
protected:
    void SetUp() override {
        WithMainForm::SetUp();
        if (form->ViewSub[0]->isChecked())
            form->ViewSub[0]->trigger(); // border display off, as a first run has it
    }
    void type(QDialog* d, const QString& name, const QString& text) {
        auto* box = field<QLineEdit>(d, name);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
    int count(const QString& tag) { return html().count(QRegularExpression("<" + tag + "[ >]")); }
};
} // namespace

TEST_F(TableDialog, ThreeByTwoWithTheInvisibleBordersOffer) {
    page("<div id='p'>Hello</div>");
    QString question;
    withDialog(form->TableSub[0], "InsertTableDlg", [&](QDialog* d) {
        EXPECT_EQ(d->parentWidget(), form.get());
        EXPECT_EQ(field<QLineEdit>(d, "Rows")->text(), "2");
        EXPECT_EQ(field<QLineEdit>(d, "Cols")->text(), "2");
        EXPECT_FALSE(field<QLineEdit>(d, "txtBorderSize")->isEnabled());
        type(d, "Rows", "3");
        TestSupport::answerMessageBox(QMessageBox::Yes, &question);
        field<QPushButton>(d, "OkCmd")->click();
    });
    EXPECT_TRUE(question.startsWith("The table you are creating is borderless and you will not "
                                    "be able to see the borders while editing in Tessaly.\r\n\r\n"
                                    "Invisible borders allow"))
        << qPrintable(question);
    EXPECT_TRUE(question.endsWith("Web browser.  Do you wish to enable invisible borders?"));
    EXPECT_TRUE(editor->ShowBorders());
    EXPECT_TRUE(form->ViewSub[0]->isChecked());
    EXPECT_EQ(TestSupport::setting("TSLY", "Misc", "ViewBorders"), "<unset>");
    EXPECT_EQ(count("table"), 1);
    EXPECT_EQ(count("tr"), 3);
    EXPECT_EQ(count("td"), 6);
    EXPECT_TRUE(
        html().contains("<table border=\"0\" cellspacing=\"0\" cellpadding=\"2\" width=\"75%\">"))
        << qPrintable(html());
}

TEST_F(TableDialog, NoToTheOfferKeepsTheDisplayAndStillInserts) {
    page("<div id='p'>Hello</div>");
    withDialog(form->TableSub[0], "InsertTableDlg", [&](QDialog* d) {
        type(d, "Rows", "2.5"); // two rows
        type(d, "Cols", "3.5"); // four columns
        EXPECT_EQ(
            answerWhile([&] { field<QPushButton>(d, "OkCmd")->click(); }, QMessageBox::No).left(20),
            "The table you are cr");
    });
    EXPECT_FALSE(editor->ShowBorders());
    EXPECT_FALSE(form->ViewSub[0]->isChecked());
    EXPECT_EQ(count("tr"), 2);
    EXPECT_EQ(count("td"), 8);
}

TEST_F(TableDialog, BorderColoursCaptionAndNoOfferWithABorder) {
    page("<div id='p'>Hello</div>");
    withDialog(form->TableSub[0], "InsertTableDlg", [&](QDialog* d) {
        auto* border = field<QCheckBox>(d, "chkBorder");
        border->click();
        EXPECT_EQ(field<QLineEdit>(d, "txtBorderSize")->text(), "1");
        EXPECT_TRUE(field<QLabel>(d, "lblBorderColor")->isEnabled());
        type(d, "txtBorderSize", "5");
        pickColor([&] { QTest::mouseClick(field<QLabel>(d, "lblBorderColor"), Qt::LeftButton); },
                  QColor(255, 0, 0));
        pickColor([&] { QTest::mouseClick(field<QLabel>(d, "lblBGColor"), Qt::LeftButton); },
                  QColor(0, 0x80, 0xFF));
        EXPECT_EQ(field<QLabel>(d, "lblBGColor")->text(), "");
        auto* dlg = qobject_cast<InsertTableDlg*>(d);
        EXPECT_EQ(dlg->TableBorderColor, "#FF0000");
        EXPECT_EQ(dlg->TableBGColor, "#0080FF");
        type(d, "txtCellspacing", "");
        type(d, "txtWidth", "300");
        QTest::keyClicks(field<QLineEdit>(d, "TableCaption"), "Prices");
        field<QPushButton>(d, "OkCmd")->click(); // no question: the table has a border
    });
    EXPECT_TRUE(html().contains("<table border=\"5\" bordercolor=\"#FF0000\" cellpadding=\"2\" "
                                "width=\"300\" bgcolor=\"#0080FF\">"))
        << qPrintable(html());
    EXPECT_TRUE(html().contains("<caption>Prices</caption>"));
    EXPECT_FALSE(editor->ShowBorders());
}

TEST_F(TableDialog, UntickingTheBorderDropsItsColourAndKeepsTheSize) {
    form->ViewSub[0]->trigger(); // borders shown: no question
    ASSERT_TRUE(form->ViewSub[0]->isChecked());
    page("<div id='p'>Hello</div>");
    withDialog(form->TableSub[0], "InsertTableDlg", [&](QDialog* d) {
        auto* border = field<QCheckBox>(d, "chkBorder");
        border->click();
        pickColor([&] { QTest::mouseClick(field<QLabel>(d, "lblBorderColor"), Qt::LeftButton); },
                  QColor(255, 0, 0));
        border->click();
        EXPECT_EQ(field<QLineEdit>(d, "txtBorderSize")->text(), "1");
        EXPECT_FALSE(field<QLineEdit>(d, "txtBorderSize")->isEnabled());
        field<QPushButton>(d, "OkCmd")->click();
    });
    EXPECT_TRUE(
        html().contains("<table border=\"0\" cellspacing=\"0\" cellpadding=\"2\" width=\"75%\">"))
        << qPrintable(html());
}

TEST_F(TableDialog, ATableTooLargeForThePageIsReported) {
    page("<div id='p'>Hello</div>");
    form->ViewSub[0]->trigger(); // borders shown: no offer to show them first
    QString text;
    withDialog(form->TableSub[0], "InsertTableDlg", [&](QDialog* d) {
        type(d, "Rows", "1000");
        type(d, "Cols", "1000");
        text = answerWhile([&] { field<QPushButton>(d, "OkCmd")->click(); });
        EXPECT_FALSE(d->isVisible());
    });
    EXPECT_EQ(text, "The table could not be inserted into your Web page.");
    EXPECT_EQ(count("table"), 0);
}

TEST_F(TableDialog, BadCountsAreRefusedAndTheDialogStaysOpen) {
    page("<div id='p'>Hello</div>");
    withDialog(form->TableSub[0], "InsertTableDlg", [&](QDialog* d) {
        auto* ok = field<QPushButton>(d, "OkCmd");
        for (const char* rows : {"", "abc", "0", "-1", "0.3", "0.5"}) {
            type(d, "Rows", rows);
            EXPECT_EQ(answerWhile([&] { ok->click(); }), RowsMessage) << rows;
            EXPECT_TRUE(d->isVisible());
        }
        type(d, "Rows", "1001");
        EXPECT_EQ(answerWhile([&] { ok->click(); }),
                  "Please specify no more than 1000 table rows.");
        type(d, "Rows", "99999999999");
        EXPECT_EQ(answerWhile([&] { ok->click(); }),
                  "Please specify no more than 1000 table rows.");
        // Columns are checked once the rows pass.
        type(d, "Rows", "2");
        type(d, "Cols", "0.4");
        EXPECT_EQ(answerWhile([&] { ok->click(); }), ColsMessage);
        type(d, "Cols", "2000");
        EXPECT_EQ(answerWhile([&] { ok->click(); }),
                  "Please specify no more than 1000 table columns.");
        EXPECT_TRUE(d->isVisible());
        // Escape is not bound to Cancel here.
        QTest::keyClick(d, Qt::Key_Escape);
        EXPECT_TRUE(d->isVisible());
        field<QPushButton>(d, "CancelCmd")->click();
        EXPECT_FALSE(d->isVisible());
    });
    EXPECT_EQ(count("table"), 0);
    EXPECT_EQ(body(), "<div id=\"p\">Hello</div>");
}

TEST_F(TableDialog, AQuoteTypedIntoABoxStaysInItsAttribute) {
    page("<div id='p'>Hello</div>");
    withDialog(form->TableSub[0], "InsertTableDlg", [&](QDialog* d) {
        field<QCheckBox>(d, "chkBorder")->click();
        type(d, "txtBorderSize", "2' onclick='x");
        type(d, "txtWidth", "50%\" title=\"y");
        type(d, "txtCellpadding", "<&\\");
        field<QLineEdit>(d, "TableCaption")->setText(QString::fromUtf8("Tom's \"<b>\" Ωμέγα"));
        field<QPushButton>(d, "OkCmd")->click();
    });
    const QVariantMap table = TestSupport::js(editor, R"((function(){
        const t = document.querySelector('table');
        return {names: Array.from(t.attributes, a => a.name).join(' '),
                border: t.getAttribute('border'), width: t.getAttribute('width'),
                padding: t.getAttribute('cellpadding'), caption: t.caption.textContent}; })())")
                                  .toMap();
    EXPECT_TEXT(table["names"].toString(), "border cellspacing cellpadding width");
    EXPECT_TEXT(table["border"].toString(), "2' onclick='x");
    EXPECT_TEXT(table["width"].toString(), "50%\" title=\"y");
    EXPECT_TEXT(table["padding"].toString(), "<&\\");
    EXPECT_TEXT(table["caption"].toString(), QString::fromUtf8("Tom's \"<b>\" Ωμέγα"));
}
