#include "links/UsemapURL.h"

#include "core/CFile.h"
#include "core/DialogParts.h"
#include "core/Module1.h"
#include "links/ImageMap.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"
#include "platform/Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

namespace {
constexpr int FormWidth = 6000;
constexpr int FormHeight = 2565;

QComboBox* addCombo(QWidget* parent, const QString& name, const QString& tip, const QRect& where) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setToolTip(tip);
    box->setGeometry(where);
    return box;
}
} // namespace

UsemapURL::UsemapURL(QListWidget* areaList, QWidget* owner) : QDialog(owner), List1(areaList) {
    setObjectName("UsemapURL");
    setWindowTitle("Specify URL to link to");
    setProperty("HelpContextID", 25);

    Label8 = new QLabel("Link the hotspot to this URL:", this);
    Label8->setObjectName("Label8");
    Label8->setGeometry(Twips::toPixels(120, 120, 5000, 255));
    Combo1 = addCombo(this, "Combo1", "This is the URL (address) of the Web page to link to",
                      Twips::toPixels(120, 405, 4860, 315));
    Label8->setBuddy(Combo1);
    Command4 =
        DialogParts::PictureButton(this, "Command4", "browse", "Browse for local Web page...");
    Command4->setGeometry(Twips::toPixels(5040, 390, 390, 345));
    Command3 = DialogParts::PictureButton(this, "Command3", "favorites",
                                          "Browse Internet Explorer Favorites...", "*");
    Command3->setGeometry(Twips::toPixels(5460, 390, 390, 345));

    Label9 = new QLabel("If using Frames, type the name of the frame you wish to target:", this);
    Label9->setObjectName("Label9");
    Label9->setWordWrap(true);
    Label9->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    Label9->setGeometry(Twips::toPixels(120, 825, 5730, 480));
    Combo2 = addCombo(this, "Combo2",
                      "This is the name of the target frame where the Web page will be displayed",
                      Twips::toPixels(120, 1380, 2400, 315));
    Label9->setBuddy(Combo2);

    Command1 = new QPushButton("&OK", this);
    Command1->setObjectName("Command1");
    Command1->setDefault(true);
    Command1->setGeometry(Twips::toPixels(3270, 1995, 1215, 375));
    Command2 = new QPushButton("&Cancel", this);
    Command2->setObjectName("Command2");
    Command2->setGeometry(Twips::toPixels(4635, 1995, 1215, 375));

    setTabOrder(Combo1, Combo2);
    setTabOrder(Combo2, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command4);
    setTabOrder(Command4, Command3);

    connect(Command1, &QPushButton::clicked, this, &UsemapURL::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &UsemapURL::Command2_Click);
    connect(Command3, &QToolButton::clicked, this, &UsemapURL::Command3_Click);
    connect(Command4, &QToolButton::clicked, this, &UsemapURL::Command4_Click);
    Form_Load();
}

void UsemapURL::Form_Load() {
    skipErrors([&] { DialogParts::SetFormSize(this, FormWidth, FormHeight); });
    Combo1->addItem("http://");
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(QString());
    Combo2->addItems({"_blank", "_parent", "_self", "_top"});
    Combo2->setCurrentIndex(-1);
    Combo2->setEditText(QString());
    Combo1->setFocus();
}

void UsemapURL::Command1_Click() {
    const QString link = Combo1->currentText();
    if (link.isEmpty()) {
        skipErrors(
            [&] { MsgBox("Enter URL to link image area to.", vb::vbOKOnly, QString(), this); });
        Combo1->setFocus();
        return;
    }
    using namespace Module1;
    AreaHref = ImageMap::HrefAttribute(link);
    AreaTarget = ImageMap::TargetAttribute(Combo2->currentText());
    AreaCoords = ImageMap::CoordsAttribute(AreaShape, HotspotPoints, ClickState);
    const QString line = ImageMap::AreaLine(AreaShape, AreaCoords, AreaHref, AreaTarget);
    skipErrors([&] {
        if (List1)
            List1->addItem(line);
    });
    HotspotPoints = {};
    AreaCoords.clear();
    accept();
}

void UsemapURL::Command2_Click() {
    reject();
}

void UsemapURL::Command3_Click() {
    skipErrors([&] {
        // A cancelled pick keeps what the box holds.
        const QString url = Module1::GetFavoritesURL();
        if (!url.isEmpty())
            Combo1->setEditText(url);
    });
    Combo1->setFocus();
}

void UsemapURL::Command4_Click() {
    skipErrors([&] {
        CFile file;
        file.setOwner(this);
        // The bare file name: the linked page is expected beside the page. A cancelled
        // pick keeps what the box holds.
        if (!file.BrowseForFile(CFile::WebPages).isEmpty())
            Combo1->setEditText(file.Filename());
    });
    Combo1->setFocus();
}

void UsemapURL::done(int result) {
    Module1::ClickState = 1;
    QDialog::done(result);
}
