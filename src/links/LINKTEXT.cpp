#include "links/LINKTEXT.h"

#include "core/CFile.h"
#include "core/DialogParts.h"
#include "core/Module1.h"
#include "links/LinkMarkup.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"
#include "platform/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QToolButton>

namespace {
constexpr int FormWidth = 6555;
constexpr int FormHeight = 4305;

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, const QRect& where) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    label->setGeometry(where);
    return label;
}

QLineEdit* addBox(QWidget* parent, const QString& name, const QRect& where) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(where);
    return box;
}
} // namespace

LINKTEXT::LINKTEXT(QWidget* parent) : QDialog(parent) {
    setObjectName("LINKTEXT");
    setWindowTitle("HyperLink");
    setProperty("HelpContextID", 1);

    TabStrip1 = new QTabBar(this);
    TabStrip1->setObjectName("TabStrip1");
    TabStrip1->addTab(" Properties ");
    TabStrip1->addTab(" Advanced ");
    TabStrip1->setDrawBase(true);
    TabStrip1->setGeometry(Twips::toPixels(120, 120, 6315, 360));

    for (int i = 0; i < 2; ++i) {
        auto* page = new QWidget(this);
        page->setObjectName(QString("Picture1_%1").arg(i));
        Picture1 << page;
    }

    // " Properties ": the text and the address.
    QWidget* p0 = Picture1[0];
    Label1 = addLabel(p0, "Label1", "Hyperlink text:", Twips::toPixels(120, 120, 5900, 255));
    LText1 = addBox(p0, "LText1", Twips::toPixels(120, 405, 5900, 315));
    LText1->setToolTip("This text will be displayed and clickable on the Web page.");
    Label1->setBuddy(LText1);
    Label2 = addLabel(p0, "Label2",
                      "URL of Web page or file to link to:", Twips::toPixels(120, 900, 5000, 255));
    httpsite = new QComboBox(p0);
    httpsite->setObjectName("httpsite");
    httpsite->setEditable(true);
    httpsite->setInsertPolicy(QComboBox::NoInsert);
    httpsite->setToolTip("For example: http://www.example.com/ or /home/me/pages/index.html");
    httpsite->setGeometry(Twips::toPixels(120, 1185, 5040, 315));
    Label2->setBuddy(httpsite);
    Command1 = DialogParts::PictureButton(p0, "Command1", "browse", "Browse for local Web page...");
    Command1->setGeometry(Twips::toPixels(5220, 1170, 390, 345));
    Command3 = DialogParts::PictureButton(p0, "Command3", "favorites",
                                          "Browse Internet Explorer Favorites...", "*");
    Command3->setGeometry(Twips::toPixels(5640, 1170, 390, 345));

    // " Advanced ": the bookmark, the new window and the status texts.
    Frame1 = new QGroupBox("Advanced", Picture1[1]);
    Frame1->setObjectName("Frame1");
    Frame1->setGeometry(Twips::toPixels(60, 30, 6075, 2970));
    Check1 = new QCheckBox("Link to an anchor", Frame1);
    Check1->setObjectName("Check1");
    Check1->setGeometry(Twips::toPixels(120, 270, 2200, 285));
    Label3 = addLabel(Frame1, "Label3", "Anchor name:", Twips::toPixels(2400, 270, 1200, 285));
    Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Text1 = addBox(Frame1, "Text1", Twips::toPixels(3660, 255, 2295, 315));
    Label3->setBuddy(Text1);
    Label3->hide();
    Text1->hide();
    chkOpenNew = new QCheckBox("Open link in new window", Frame1);
    chkOpenNew->setObjectName("chkOpenNew");
    chkOpenNew->setGeometry(Twips::toPixels(120, 630, 4000, 285));
    Label5 = addLabel(Frame1, "Label5",
                      "When mouse moves over hyperlink, display this text in browser status bar:",
                      Twips::toPixels(120, 960, 5835, 450));
    Text2 = addBox(Frame1, "Text2", Twips::toPixels(120, 1440, 5835, 315));
    Label5->setBuddy(Text2);
    Label6 =
        addLabel(Frame1, "Label6",
                 "When mouse moves away from hyperlink, display this text in browser status bar:",
                 Twips::toPixels(120, 1815, 5835, 450));
    Text3 = addBox(Frame1, "Text3", Twips::toPixels(120, 2295, 5835, 315));
    Label6->setBuddy(Text3);

    // The button bar.
    Picture2 = new QWidget(this);
    Picture2->setObjectName("Picture2");
    Picture2->setGeometry(Twips::toPixels(0, 3570, FormWidth, 600));
    Command8 = DialogParts::HelpButton(this, "Command8");
    Command8->setParent(Picture2);
    Command8->setGeometry(Twips::toPixels(120, 60, 420, 375));
    LtextOK = new QPushButton("&OK", Picture2);
    LtextOK->setObjectName("LtextOK");
    LtextOK->setDefault(true);
    LtextOK->setGeometry(Twips::toPixels(3810, 60, 1215, 375));
    Command2 = new QPushButton("&Cancel", Picture2);
    Command2->setObjectName("Command2");
    Command2->setGeometry(Twips::toPixels(5160, 60, 1215, 375));

    setTabOrder(LText1, httpsite);
    setTabOrder(httpsite, Command1);
    setTabOrder(Command1, Command3);
    setTabOrder(Command3, Check1);
    setTabOrder(Check1, Text1);
    setTabOrder(Text1, chkOpenNew);
    setTabOrder(chkOpenNew, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, LtextOK);
    setTabOrder(LtextOK, Command2);
    setTabOrder(Command2, Command8);

    connect(TabStrip1, &QTabBar::currentChanged, this, &LINKTEXT::TabStrip1_Click);
    connect(Check1, &QCheckBox::clicked, this, &LINKTEXT::Check1_Click);
    connect(Command1, &QToolButton::clicked, this, &LINKTEXT::Command1_Click);
    connect(Command3, &QToolButton::clicked, this, &LINKTEXT::Command3_Click);
    connect(LtextOK, &QPushButton::clicked, this, &LINKTEXT::LtextOK_Click);
    connect(Command2, &QPushButton::clicked, this, &LINKTEXT::Command2_Click);
    Form_Load();
}

void LINKTEXT::Form_Load() {
    skipErrors([&] { DialogParts::SetFormSize(this, FormWidth, FormHeight); });
    // The pages lie over the tab strip's client area, below the tabs.
    const QRect tabs = TabStrip1->geometry();
    const QRect client(tabs.left(), tabs.bottom() + 1, tabs.width(),
                       Twips::toPixels(3540) - tabs.bottom() - 1);
    for (QWidget* page : Picture1)
        page->setGeometry(client);
    showPage(0);
    LText1->setFocus();
    skipErrors([&] {
        LText1->setText(Module1::SelectedText());
        // The text is chosen already: the address is what the user types next.
        if (!LText1->text().isEmpty()) {
            setTabOrder(httpsite, LText1);
            httpsite->setFocus();
        }
    });
}

void LINKTEXT::showPage(int page) {
    for (int i = 0; i < Picture1.size(); ++i)
        Picture1[i]->setVisible(i == page);
    Picture1[page]->raise();
    Picture2->raise();
}

void LINKTEXT::TabStrip1_Click(int index) {
    skipErrors([&] {
        if (index < 0 || index >= Picture1.size())
            return;
        if (TabStrip1->currentIndex() != index) {
            TabStrip1->setCurrentIndex(index); // comes back here through the tab strip
            return;
        }
        showPage(index);
        if (index == 0)
            LText1->setFocus();
        else
            Text2->setFocus();
    });
}

void LINKTEXT::Check1_Click() {
    const bool ticked = Check1->isChecked();
    Label3->setVisible(ticked);
    Text1->setVisible(ticked);
    if (ticked)
        Text1->setFocus();
}

void LINKTEXT::Command1_Click() {
    skipErrors([&] {
        CFile file;
        file.setOwner(this);
        // A cancelled dialog leaves the box as it was.
        if (!file.BrowseForFile(CFile::WebPages).isEmpty())
            httpsite->setEditText(file.PathAndFilename());
    });
    httpsite->setFocus();
}

void LINKTEXT::Command3_Click() {
    skipErrors([&] {
        const QString url = Module1::GetFavoritesURL();
        if (!url.isEmpty())
            httpsite->setEditText(url);
    });
    httpsite->setFocus();
}

void LINKTEXT::LtextOK_Click() {
    HyperlinkChoices choices;
    choices.text = LText1->text();
    choices.address = httpsite->currentText();
    choices.toAnchor = Check1->isChecked();
    choices.anchorName = Text1->text();
    choices.newWindow = chkOpenNew->isChecked();
    choices.overText = Text2->text();
    choices.outText = Text3->text();
    const HyperlinkOutcome outcome = BuildHyperlink(choices);
    if (!outcome.message.isEmpty()) {
        skipErrors([&] { MsgBox(outcome.message, vb::vbOKOnly, QString(), this); });
        if (outcome.focus == HyperlinkField::Text) {
            TabStrip1_Click(0);
            LText1->setFocus();
        } else if (outcome.focus == HyperlinkField::Address) {
            TabStrip1_Click(0);
            httpsite->setFocus();
        }
        return;
    }
    if (outcome.clearsAddress)
        httpsite->setEditText(QString());
    // A failed paste still closes the dialog.
    skipErrors([&] { Module1::PasteAtSelection(outcome.html); });
    accept();
}

void LINKTEXT::Command2_Click() {
    reject();
}
