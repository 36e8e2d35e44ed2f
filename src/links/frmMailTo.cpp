#include "links/frmMailTo.h"

#include "core/CFile.h"
#include "core/DialogParts.h"
#include "core/Module1.h"
#include "links/LinkMarkup.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"
#include "platform/Settings.h"
#include "platform/Twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyleOption>
#include <QToolButton>

namespace {
constexpr int FormWidth = 7050;
constexpr int FormHeight = 4665;
// Room for the three lines of the sub-heading.
constexpr int HeadingHeight = 1080;

const QString SettingsApp = QStringLiteral("Tessaly");
const QString SettingsSection = QStringLiteral("Miscellaneous");
const QString SettingsKey = QStringLiteral("EmailAddress");

// A check box whose long caption wraps onto more lines; the whole box takes clicks.
class WrappingCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QRect indicator =
            style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
        option.rect = indicator;
        style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, this);
        const QRect textRect = rect().adjusted(indicator.right() + 6, 0, 0, 0);
        style()->drawItemText(&painter, textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                              palette(), isEnabled(), text(), QPalette::WindowText);
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = textRect;
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    }
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

public:
    // The caption wraps: the box grows downwards, never wider.
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override {
        QStyleOptionButton option;
        initStyleOption(&option);
        const QRect indicator =
            style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
        const QRect text = fontMetrics().boundingRect(
            QRect(0, 0, qMax(1, width - indicator.right() - 6), 100000),
            Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, this->text());
        return qMax(indicator.height(), text.height());
    }
};
} // namespace

frmMailTo::frmMailTo(QWidget* parent) : QDialog(parent) {
    setObjectName("frmMailTo");
    setWindowTitle("E-mail Link");
    setProperty("HelpContextID", 4);

    const DialogParts::HeadingBand band =
        DialogParts::AddHeadingBand(this, FormWidth, QString(), QString(), HeadingHeight);
    lblHeadingBkg = band.lblHeadingBkg;
    lblHeading = band.lblHeading;
    lblSubHeading = band.lblSubHeading;

    auto label = [this](QLabel*& l, const QString& name, const QString& text, int top) {
        l = new QLabel(text, this);
        l->setObjectName(name);
        l->setGeometry(Twips::toPixels(240, top, 2700, 315));
    };
    auto box = [this](QLineEdit*& b, const QString& name, const QString& tip, int top, int width) {
        b = new QLineEdit(this);
        b->setObjectName(name);
        b->setToolTip(tip);
        b->setGeometry(Twips::toPixels(3000, top, width, 315));
    };
    label(Label1, "Label1", "Email address:", 1215);
    box(Email, "Email", "This is the email address you wish to link to", 1215, 3765);
    label(Label4, "Label4", "Email subject:", 1635);
    box(txtSubject, "txtSubject", "This is the default subject of the email message", 1635, 3765);
    label(Label2, "Label2", "Text that will appear as a link on the Web page:", 2055);
    Label2->setWordWrap(true);
    Label2->setGeometry(Twips::toPixels(240, 2055, 2700, 495));
    box(MailToText, "MailToText",
        "This is the text that will be displayed as the email link on your Web page", 2055, 3765);
    label(Label3, "Label3", "Image (optional):", 2655);
    box(txtImage, "txtImage",
        "This is an image that will be displayed as the email link on your Web page", 2655, 3285);
    cmdBrowse = DialogParts::PictureButton(this, "cmdBrowse", "browse", "Browse for image...");
    cmdBrowse->setGeometry(Twips::toPixels(6345, 2640, 420, 345));
    Label1->setBuddy(Email);
    Label4->setBuddy(txtSubject);
    Label2->setBuddy(MailToText);
    Label3->setBuddy(txtImage);

    chkAntiSpam = new WrappingCheckBox(
        "Protect my email address from being taken from my Web page and used in spam and "
        "unsolicited email messages",
        this);
    chkAntiSpam->setObjectName("chkAntiSpam");
    chkAntiSpam->setChecked(true);
    chkAntiSpam->setGeometry(Twips::toPixels(240, 3120, 6525, 495));

    cmdHelp = DialogParts::HelpButton(this, "cmdHelp");
    cmdHelp->setGeometry(Twips::toPixels(240, 3900, 420, 375));
    cmdOK = new QPushButton("&OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdOK->setGeometry(Twips::toPixels(4170, 3900, 1215, 375));
    cmdCancel = new QPushButton("&Cancel", this);
    cmdCancel->setObjectName("cmdCancel");
    cmdCancel->setGeometry(Twips::toPixels(5550, 3900, 1215, 375));

    setTabOrder(Email, txtSubject);
    setTabOrder(txtSubject, MailToText);
    setTabOrder(MailToText, txtImage);
    setTabOrder(txtImage, cmdBrowse);
    setTabOrder(cmdBrowse, chkAntiSpam);
    setTabOrder(chkAntiSpam, cmdOK);
    setTabOrder(cmdOK, cmdCancel);
    setTabOrder(cmdCancel, cmdHelp);

    connect(cmdBrowse, &QToolButton::clicked, this, &frmMailTo::cmdBrowse_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmMailTo::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmMailTo::cmdCancel_Click);
    Form_Load();
}

void frmMailTo::Form_Load() {
    skipErrors([&] { DialogParts::SetFormSize(this, FormWidth, FormHeight); });
    skipErrors([&] {
        Email->setText(GetSetting(SettingsApp, SettingsSection, SettingsKey, QString()));
        // Typing replaces the remembered address.
        Email->selectAll();
        Email->setFocus();
    });
    skipErrors([&] {
        DialogParts::SizeHeadingBand({lblHeadingBkg, lblHeading, lblSubHeading}, FormWidth);
    });
    lblHeading->setText("Email Link");
    lblSubHeading->setText(
        "Create a link to your email address allowing visitors to write an email message to "
        "you.  Includes protection so spammers won't steal your email address from your Web "
        "page.");
    Module1::PendingSnippet.clear();
    Module1::PendingBodyStart.clear();
}

void frmMailTo::cmdBrowse_Click() {
    skipErrors([&] {
        CFile file;
        file.setOwner(this);
        file.BrowseForFile(CFile::Graphics);
        // A cancelled dialog leaves the box as it was.
        if (!file.Filename().isEmpty())
            txtImage->setText("file://" + file.PathAndFilename());
    });
    txtImage->setFocus();
}

void frmMailTo::cmdOK_Click() {
    EmailChoices choices;
    choices.address = Email->text();
    choices.subject = txtSubject->text();
    choices.text = MailToText->text();
    choices.image = txtImage->text();
    choices.antiSpam = chkAntiSpam->isChecked();
    const EmailOutcome outcome = BuildEmailLink(choices);
    if (!outcome.message.isEmpty()) {
        skipErrors([&] { MsgBox(outcome.message, vb::vbOKOnly, QString(), this); });
        if (outcome.focus == EmailField::Address)
            Email->setFocus();
        else if (outcome.focus == EmailField::Text)
            MailToText->setFocus();
        return;
    }
    Module1::PendingBodyStart = outcome.bodyStart;
    Module1::PendingSnippet = outcome.snippet;
    skipErrors([&] { SaveSetting(SettingsApp, SettingsSection, SettingsKey, choices.address); });
    accept();
}

void frmMailTo::cmdCancel_Click() {
    reject();
}
