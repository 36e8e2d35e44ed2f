#include "elements/InsertTableDlg.h"

#include "core/CColor.h"
#include "core/Module1.h"
#include "elements/ElementMarkup.h"
#include "platform/DHTMLEdit.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"
#include "platform/Twips.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using ElementMarkup::CountCheck;

namespace {
constexpr int FormWidth = 7755;
constexpr int FormHeight = 6390;
constexpr int BandHeight = 855;

ClickLabel* colorLabel(const QString& name, QWidget* parent) {
    auto* l = DialogParts::ColorLabel(parent, name, "Click to Select Color");
    l->setFixedHeight(l->fontMetrics().height() + 10); // as high as a text box
    return l;
}

const QString InvisibleBordersQuestion = QStringLiteral(
    "The table you are creating is borderless and you will not be able to see the borders "
    "while editing in Tessaly.\r\n\r\nInvisible borders allow you to see the outline of the "
    "table while editing it, but not when viewing your Web page in a Web browser.  Do you "
    "wish to enable invisible borders?");
} // namespace

InsertTableDlg::InsertTableDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("InsertTableDlg");
    setWindowTitle("Insert Table");

    auto* frame = new QGroupBox("Attributes", this);
    frame->setObjectName("Frame1");
    auto* grid = new QGridLayout(frame);
    int row = 0;

    Rows = DialogParts::TextBox(frame, "Rows");
    UpDown9 = DialogParts::UpDown(frame, "UpDown9", Rows, 1, 500);
    grid->addWidget(DialogParts::Label(frame, "Number of rows:", "RowLabel"), row, 0);
    grid->addWidget(Rows, row, 1);
    grid->addWidget(UpDown9, row++, 2);

    Cols = DialogParts::TextBox(frame, "Cols");
    UpDown1 = DialogParts::UpDown(frame, "UpDown1", Cols, 1, 500);
    grid->addWidget(DialogParts::Label(frame, "Number of columns:", "ColLabel"), row, 0);
    grid->addWidget(Cols, row, 1);
    grid->addWidget(UpDown1, row++, 2);

    chkBorder = new QCheckBox("Border", frame);
    chkBorder->setObjectName("chkBorder");
    chkBorder->setLayoutDirection(Qt::RightToLeft); // the caption on the left of the box
    grid->addWidget(chkBorder, row++, 0, Qt::AlignLeft);

    txtBorderSize = DialogParts::TextBox(frame, "txtBorderSize");
    UpDown3 = DialogParts::UpDown(frame, "UpDown3", txtBorderSize, 0, 20);
    Label26 = DialogParts::Label(frame, "Border Size:", "Label26");
    grid->addWidget(Label26, row, 0);
    grid->addWidget(txtBorderSize, row, 1);
    grid->addWidget(UpDown3, row++, 2);

    Label3 = DialogParts::Label(frame, "Border Color:", "Label3");
    lblBorderColor = colorLabel("lblBorderColor", frame);
    grid->addWidget(Label3, row, 0);
    grid->addWidget(lblBorderColor, row++, 1);

    txtCellspacing = DialogParts::TextBox(frame, "txtCellspacing");
    UpDown4 = DialogParts::UpDown(frame, "UpDown4", txtCellspacing, 0, 30);
    grid->addWidget(DialogParts::Label(frame, "Cell Spacing:", "Label28"), row, 0);
    grid->addWidget(txtCellspacing, row, 1);
    grid->addWidget(UpDown4, row++, 2);

    txtCellpadding = DialogParts::TextBox(frame, "txtCellpadding");
    UpDown5 = DialogParts::UpDown(frame, "UpDown5", txtCellpadding, 0, 30);
    grid->addWidget(DialogParts::Label(frame, "Cell Padding:", "Label27"), row, 0);
    grid->addWidget(txtCellpadding, row, 1);
    grid->addWidget(UpDown5, row++, 2);

    txtWidth = DialogParts::TextBox(frame, "txtWidth");
    grid->addWidget(DialogParts::Label(frame, "Table Width:", "Label1"), row, 0);
    grid->addWidget(txtWidth, row++, 1);
    grid->addWidget(
        DialogParts::Label(frame, "(in pixels or percentage of browser width)", "Label2"), row++, 1,
        1, 3);

    lblBGColor = colorLabel("lblBGColor", frame);
    grid->addWidget(DialogParts::Label(frame, "Background Color:", "Label6"), row, 0);
    grid->addWidget(lblBGColor, row++, 1);

    TableCaption = DialogParts::TextBox(frame, "TableCaption");
    grid->addWidget(DialogParts::Label(frame, "Caption:", "CaptionLabel"), row, 0);
    grid->addWidget(TableCaption, row++, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setVerticalSpacing(3);

    OkCmd = new QPushButton("OK", this);
    OkCmd->setObjectName("OkCmd");
    OkCmd->setDefault(true);
    CancelCmd = new QPushButton("Cancel", this);
    CancelCmd->setObjectName("CancelCmd");
    CancelCmd->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkCmd);
    buttons->addWidget(CancelCmd);
    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(9, Twips::toPixels(BandHeight) + 6, 9, 9);
    main->addWidget(frame);
    main->addLayout(buttons);

    for (QWidget* w :
         std::initializer_list<QWidget*>{txtBorderSize, UpDown3, lblBorderColor, Label26, Label3})
        w->setEnabled(false);

    connect(chkBorder, &QCheckBox::clicked, this, &InsertTableDlg::chkBorder_Click);
    connect(lblBGColor, &ClickLabel::clicked, this, &InsertTableDlg::lblBGColor_Click);
    connect(lblBorderColor, &ClickLabel::clicked, this, &InsertTableDlg::lblBorderColor_Click);
    connect(OkCmd, &QPushButton::clicked, this, &InsertTableDlg::OkCmd_Click);
    connect(CancelCmd, &QPushButton::clicked, this, &InsertTableDlg::CancelCmd_Click);

    // Form_Load
    DialogParts::SetFormSize(this, FormWidth, FormHeight);
    band_ = DialogParts::AddHeadingBand(
        this, FormWidth, "Create a Table",
        "Set the properties below to create a table for your Web page.", BandHeight);
    TableBGColor.clear();
    TableBorderColor.clear();
    TableParam = DEInsertTableParam();
    Rows->setText(QString::number(TableParam.NumRows));
    Cols->setText(QString::number(TableParam.NumCols));
    TableCaption->setText(TableParam.Caption);
    txtBorderSize->setText("0");
    txtCellspacing->setText("0");
    txtCellpadding->setText("2");
    txtWidth->setText("75%");
    Rows->setFocus();
}

void InsertTableDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void InsertTableDlg::chkBorder_Click() {
    const bool on = chkBorder->isChecked();
    if (on && txtBorderSize->text() == "0")
        txtBorderSize->setText("1");
    for (QWidget* w :
         std::initializer_list<QWidget*>{txtBorderSize, UpDown3, lblBorderColor, Label26, Label3})
        w->setEnabled(on);
}

void InsertTableDlg::pickColor(ClickLabel* label, QString& value) {
    if (const auto hex = CColor::PickForLabel(this, label))
        value = *hex;
}

void InsertTableDlg::lblBGColor_Click() {
    pickColor(lblBGColor, TableBGColor);
}

void InsertTableDlg::lblBorderColor_Click() {
    pickColor(lblBorderColor, TableBorderColor);
}

void InsertTableDlg::offerInvisibleBorders() {
    DHTMLEdit* editor = Module1::Editor();
    if (!editor || editor->ShowBorders())
        return;
    if (MsgBox(InvisibleBordersQuestion, vb::vbYesNo, QString(), this) != vb::vbYes)
        return;
    // The View menu's tick follows the surface.
    skipErrors([&] { editor->setShowBorders(true); });
}

void InsertTableDlg::OkCmd_Click() {
    const ElementMarkup::TableCount rows = ElementMarkup::CheckTableCount(Rows->text());
    if (rows.check == CountCheck::NotPositive) {
        MsgBox("Please specify a positive integer for the number of table rows.", vb::vbCritical,
               QString(), this);
        return;
    }
    if (rows.check == CountCheck::TooMany) {
        MsgBox("Please specify no more than 1000 table rows.", vb::vbCritical, QString(), this);
        return;
    }
    const ElementMarkup::TableCount cols = ElementMarkup::CheckTableCount(Cols->text());
    if (cols.check == CountCheck::NotPositive) {
        MsgBox("Please specify a positive integer for the number of table columns.", vb::vbCritical,
               QString(), this);
        return;
    }
    if (cols.check == CountCheck::TooMany) {
        MsgBox("Please specify no more than 1000 table columns.", vb::vbCritical, QString(), this);
        return;
    }
    TableParam.NumRows = rows.value;
    TableParam.NumCols = cols.value;

    ElementMarkup::TableChoices c;
    c.border = chkBorder->isChecked();
    c.borderSize = txtBorderSize->text();
    c.borderColor = TableBorderColor;
    c.cellSpacing = txtCellspacing->text();
    c.cellPadding = txtCellpadding->text();
    c.width = txtWidth->text();
    c.bgColor = TableBGColor;
    if (!c.border)
        skipErrors([&] { offerInvisibleBorders(); });
    TableParam.TableAttrs = ElementMarkup::BuildTableAttrs(c);
    if (!TableCaption->text().isEmpty())
        TableParam.Caption = TableCaption->text();

    // A table the page cannot take (more cells than an editor can handle) is said so,
    // rather than the dialog closing as if it had been inserted.
    try {
        if (DHTMLEdit* editor = Module1::Editor())
            editor->ExecCommand(DECMD_INSERTTABLE, OLECMDEXECOPT_DONTPROMPTUSER,
                                QVariant::fromValue(&TableParam));
    } catch (const PlatformError&) {
        skipErrors(
            [&] { MsgBox("The table could not be inserted into your Web page.", vb::vbCritical); });
    }
    accept();
}

void InsertTableDlg::CancelCmd_Click() {
    reject();
}
