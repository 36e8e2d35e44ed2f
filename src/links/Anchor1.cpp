#include "links/Anchor1.h"

#include "core/DialogParts.h"
#include "core/Module1.h"
#include "links/LinkMarkup.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {
constexpr int FormWidth = 5880;
constexpr int FormHeight = 3225;
// Room for the three lines of the sub-heading.
constexpr int HeadingHeight = 1035;

} // namespace

Anchor1::Anchor1(QWidget* parent) : QDialog(parent) {
    setObjectName("Anchor1");
    setWindowTitle("Bookmark");
    setProperty("HelpContextID", 3);

    const DialogParts::HeadingBand band =
        DialogParts::AddHeadingBand(this, FormWidth, QString(), QString(), HeadingHeight);
    lblHeadingBkg = band.lblHeadingBkg;
    lblHeading = band.lblHeading;
    lblSubHeading = band.lblSubHeading;

    Label5 = new QLabel("Anchor/Bookmark name:", this);
    Label5->setObjectName("Label5");
    Label5->setGeometry(Twips::toPixels(240, 1185, 5400, 255));
    Target = new QLineEdit(this);
    Target->setObjectName("Target");
    Target->setToolTip("This is the name of the target anchor");
    Target->setGeometry(Twips::toPixels(240, 1455, 5400, 315));
    Label5->setBuddy(Target);

    Label4 = new QLabel("Text that will be displayed on the Web page (optional):", this);
    Label4->setObjectName("Label4");
    Label4->setGeometry(Twips::toPixels(240, 1845, 5400, 255));
    Source = new QLineEdit(this);
    Source->setObjectName("Source");
    Source->setToolTip("This text will appear on the Web page at the location of the target");
    Source->setGeometry(Twips::toPixels(240, 2115, 5400, 315));
    Label4->setBuddy(Source);

    cmdHelp = DialogParts::HelpButton(this, "cmdHelp");
    cmdHelp->setGeometry(Twips::toPixels(240, 2580, 420, 375));
    cmdOK = new QPushButton("&OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdOK->setGeometry(Twips::toPixels(3000, 2580, 1215, 375));
    cmdCancel = new QPushButton("&Cancel", this);
    cmdCancel->setObjectName("cmdCancel");
    cmdCancel->setGeometry(Twips::toPixels(4365, 2580, 1215, 375));
    setTabOrder(Target, Source);
    setTabOrder(Source, cmdOK);
    setTabOrder(cmdOK, cmdCancel);
    setTabOrder(cmdCancel, cmdHelp);

    connect(cmdOK, &QPushButton::clicked, this, &Anchor1::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &Anchor1::cmdCancel_Click);
    Form_Load();
}

void Anchor1::Form_Load() {
    skipErrors([&] { DialogParts::SetFormSize(this, FormWidth, FormHeight); });
    skipErrors([&] {
        DialogParts::SizeHeadingBand({lblHeadingBkg, lblHeading, lblSubHeading}, FormWidth);
    });
    lblHeading->setText("Insert Anchor/Bookmark");
    lblSubHeading->setText("Create an anchor in your Web page.  You can link to the anchor with "
                           "a hyperlink and the Web browser will display the anchored section.");
    // A cancelled dialog hands back nothing.
    Module1::PendingSnippet.clear();
    Module1::PendingBodyStart.clear();
    Target->setFocus();
}

void Anchor1::cmdOK_Click() {
    skipErrors([&] {
        if (Target->text().isEmpty()) {
            MsgBox("Please enter an Anchor/Bookmark name.", vb::vbOKOnly, QString(), this);
            Target->setFocus();
            return;
        }
        Module1::PendingSnippet = BuildBookmark({Target->text(), Source->text()});
        Module1::PendingBodyStart.clear();
        accept();
    });
}

void Anchor1::cmdCancel_Click() {
    reject();
}
