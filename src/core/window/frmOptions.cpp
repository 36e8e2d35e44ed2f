#include "core/window/frmOptions.h"

#include "core/DialogParts.h"
#include "core/Module1.h"
#include "platform/DHTMLEdit.h"
#include "platform/PlatformError.h"
#include "platform/Settings.h"
#include "platform/Twips.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

using Module1::AppKey;

frmOptions::frmOptions(QWidget* parent) : QDialog(parent) {
    setObjectName("frmOptions");
    setWindowTitle("Options");

    Frame1 = new QGroupBox("Saving your Web page", this);
    Frame1->setObjectName("Frame1");
    Frame1->setGeometry(Twips::toPixels(120, 120, 9900, 1260));
    auto* group = new QButtonGroup(this);
    const QStringList captions = {
        "Copy images and other files to the same folder where your Web page is stored. "
        "(Recommended)",
        "Don't copy images to Web page folder.  Use absolute file references to display "
        "images."};
    const int tops[] = {360, 780};
    for (int i = 0; i < 2; ++i) {
        auto* option = new QRadioButton(captions[i], Frame1);
        option->setObjectName(QString("optPublishLocal_%1").arg(i));
        option->setGeometry(Twips::toPixels(180, tops[i], 9600, 300));
        group->addButton(option, i);
        optPublishLocal << option;
    }

    chkViewBorders = new QCheckBox("View borders", this);
    chkViewBorders->setObjectName("chkViewBorders");
    chkViewBorders->setGeometry(Twips::toPixels(240, 1500, 3000, 300));
    chkBeginnerToolbar = new QCheckBox("Use Beginner Toolbar", this);
    chkBeginnerToolbar->setObjectName("chkBeginnerToolbar");
    chkBeginnerToolbar->setGeometry(Twips::toPixels(240, 1860, 3000, 300));

    cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setGeometry(Twips::toPixels(7440, 2340, 1215, 375));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton("Cancel", this);
    cmdCancel->setObjectName("cmdCancel");
    cmdCancel->setGeometry(Twips::toPixels(8805, 2340, 1215, 375));
    DialogParts::SetFormSize(this, 10140, 2880);

    connect(cmdOK, &QPushButton::clicked, this, &frmOptions::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOptions::cmdCancel_Click);
    Form_Load();
}

void frmOptions::Form_Load() {
    skipErrors([&] {
        chkBeginnerToolbar->setChecked(GetSetting(AppKey, "Misc", "BeginnerToolbar", "yes") ==
                                       "yes");
    });
    skipErrors([&] {
        chkViewBorders->setChecked(GetSetting(AppKey, "Misc", "ViewBorders", "no") == "yes");
    });
    // The stored method is shown; the current page's own choice changes only on OK.
    skipErrors([&] {
        const QString stored = GetSetting(AppKey, "Misc", "PublishLocal", "");
        if (stored == "Copy")
            optPublishLocal[0]->setChecked(true);
        else if (stored == "AbsolutePath")
            optPublishLocal[1]->setChecked(true);
    });
}

void frmOptions::cmdOK_Click() {
    const bool beginner = chkBeginnerToolbar->isChecked();
    skipErrors([&] { SaveSetting(AppKey, "Misc", "BeginnerToolbar", beginner ? "yes" : "no"); });
    emit BeginnerToolbarChosen();

    const bool borders = chkViewBorders->isChecked();
    skipErrors([&] {
        if (DHTMLEdit* editor = Module1::Editor())
            editor->setShowBorders(borders);
    });
    skipErrors([&] { SaveSetting(AppKey, "Misc", "ViewBorders", borders ? "yes" : "no"); });

    skipErrors([&] {
        if (optPublishLocal[0]->isChecked()) {
            Module1::PublishLocalMode = "Copy";
            SaveSetting(AppKey, "Misc", "PublishLocal", "Copy");
        } else if (optPublishLocal[1]->isChecked()) {
            Module1::PublishLocalMode = "AbsolutePath";
            SaveSetting(AppKey, "Misc", "PublishLocal", "AbsolutePath");
        }
    });
    accept();
}

void frmOptions::cmdCancel_Click() {
    reject();
}
