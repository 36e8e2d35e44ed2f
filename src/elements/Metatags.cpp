#include "elements/Metatags.h"

#include "core/DialogParts.h"
#include "core/Module1.h"
#include "elements/PageProperties.h"
#include "platform/DHTMLEdit.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int FormWidth = 7200;
constexpr int FormHeight = 7800;
constexpr int HelpTopic = 14;

QLabel* wrapped(const QString& text, QWidget* parent, const QString& name) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setWordWrap(true);
    return l;
}

QPlainTextEdit* textArea(QWidget* parent, const QString& name, const QString& tip) {
    auto* t = new QPlainTextEdit(parent);
    t->setObjectName(name);
    t->setToolTip(tip);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    t->setTabChangesFocus(true);
    // The boxes give up height to the splash fields when those show.
    t->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    t->setMinimumHeight(40);
    return t;
}
} // namespace

Metatags::Metatags(QWidget* parent) : QDialog(parent) {
    setObjectName("Metatags");
    setWindowTitle("META Tags");
    setProperty("HelpContextID", HelpTopic);

    auto* description = new QGroupBox("Web page description", this);
    description->setObjectName("Frame1");
    Text1 = textArea(description, "Text1",
                     "This text is a description of the Web page (for search engine use)");
    auto* inDescription = new QVBoxLayout(description);
    inDescription->addWidget(
        wrapped("Type a description (250 characters) of your Web page for search engines to use.",
                description, "Label1"));
    inDescription->addWidget(Text1, 1);

    auto* keywords = new QGroupBox("Web page keywords", this);
    keywords->setObjectName("Frame2");
    Text2 = textArea(keywords, "Text2",
                     "This text represents keywords for the Web page (for search engine use)");
    auto* inKeywords = new QVBoxLayout(keywords);
    inKeywords->addWidget(wrapped("Type key words or phrases (separated by commas) that are "
                                  "related to your Web page.  Search engines will use these "
                                  "keywords to index your Web page.",
                                  keywords, "Label2"));
    inKeywords->addWidget(Text2, 1);

    auto* splash = new QGroupBox("Make this Web page into a Splash Screen", this);
    splash->setObjectName("Frame3");
    splash->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    Check1 = new QCheckBox("Make this page a splash screen.", splash);
    Check1->setObjectName("Check1");
    Check1->setToolTip("Select this to make the current Web page into a splash page");
    lblSplashSeconds = new QLabel("Number of seconds to wait before loading second page:", splash);
    lblSplashSeconds->setObjectName("lblSplashSeconds");
    Text3 = new QLineEdit(splash);
    Text3->setObjectName("Text3");
    Text3->setToolTip(
        "This is the number of seconds to pause before the 2nd Web page is displayed");
    Text3->setFixedWidth(48);
    UpDown1 = DialogParts::UpDown(splash, "UpDown1", Text3, 0, 999);
    lblSplashURL = new QLabel("URL of second Web page:", splash);
    lblSplashURL->setObjectName("lblSplashURL");
    Text4 = new QLineEdit(splash);
    Text4->setObjectName("Text4");
    Text4->setToolTip("This is the URL (address) of the Web page to load after the splash "
                      "screen Web page has expired");
    auto* seconds = new QHBoxLayout;
    seconds->addWidget(lblSplashSeconds);
    seconds->addWidget(Text3);
    seconds->addWidget(UpDown1);
    seconds->addStretch();
    auto* address = new QHBoxLayout;
    address->addWidget(lblSplashURL);
    address->addWidget(Text4, 1);
    auto* inSplash = new QVBoxLayout(splash);
    inSplash->addWidget(wrapped("Splash screens are Web pages that display for a certain period "
                                "of time.  When the time limit has expired, a different Web "
                                "page loads in the browser.",
                                splash, "Label3"));
    inSplash->addWidget(Check1);
    inSplash->addLayout(seconds);
    inSplash->addLayout(address);

    const DialogParts::FootButtons foot = DialogParts::AddFootButtons(this, "Command1", "Command2");
    Command1 = foot.ok;
    Command2 = foot.cancel;
    Command2->setAutoDefault(false);
    Command8 = foot.help;
    QHBoxLayout* buttons = foot.row;

    auto* main = new QVBoxLayout(this);
    main->addWidget(description, 1);
    main->addWidget(keywords, 1);
    main->addWidget(splash);
    main->addLayout(buttons);

    connect(Check1, &QCheckBox::clicked, this, &Metatags::Check1_Click);
    connect(Command1, &QPushButton::clicked, this, &Metatags::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Metatags::Command2_Click);

    DialogParts::SetFormSize(this, FormWidth, FormHeight);
    Form_Load();
}

void Metatags::Form_Load() {
    Text3->setEnabled(false);
    Text4->setEnabled(false);
    Check1_Click(); // the splash fields start hidden
    Text1->setPlainText(Module1::MetaDescription);
    Text2->setPlainText(Module1::MetaKeywords);
    // A box with nothing kept for it shows what the page itself holds, so that OK, which
    // the page-properties dialog then writes into the page, keeps the page's own values.
    DHTMLEdit* editor = Module1::Editor();
    if (editor) {
        const HtmlDocument doc = editor->DOM();
        skipErrors([&] {
            if (Module1::MetaDescription.isEmpty())
                Text1->setPlainText(doc.metaContent("name", "description"));
        });
        skipErrors([&] {
            if (Module1::MetaKeywords.isEmpty())
                Text2->setPlainText(doc.metaContent("name", "keywords"));
        });
    }
    if (Module1::SplashSeconds.isEmpty()) {
        skipErrors([&] {
            const QString own =
                editor ? editor->DOM().metaContent("http-equiv", "refresh") : QString();
            if (own.isEmpty())
                return;
            const PageProperties::Refresh refresh = PageProperties::ParseRefresh(own);
            Text3->setText(refresh.seconds);
            Text4->setText(refresh.url);
            Check1->setChecked(true);
            Check1_Click();
        });
        return;
    }
    Text3->setText(Module1::SplashSeconds);
    Text4->setText(Module1::SplashURL);
    Check1->setChecked(true);
    Check1_Click();
}

void Metatags::Check1_Click() {
    const bool on = Check1->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(lblSplashSeconds), static_cast<QWidget*>(Text3),
                       static_cast<QWidget*>(UpDown1), static_cast<QWidget*>(lblSplashURL),
                       static_cast<QWidget*>(Text4)})
        w->setVisible(on);
    Text3->setEnabled(on);
    Text4->setEnabled(on);
    if (on)
        Text3->setFocus();
}

void Metatags::Command1_Click() {
    Module1::MetaDescription.clear();
    Module1::MetaKeywords.clear();
    Module1::SplashSeconds.clear();
    Module1::SplashURL.clear();
    if (!Text1->toPlainText().isEmpty())
        Module1::MetaDescription = Text1->toPlainText();
    if (!Text2->toPlainText().isEmpty())
        Module1::MetaKeywords = Text2->toPlainText();
    if (Check1->isChecked()) {
        if (Text3->text().isEmpty() || Text4->text().isEmpty()) {
            MsgBox("Please enter the number of seconds and the Web page URL for the splash "
                   "screen.",
                   vb::vbOKOnly, QString(), this);
            Text3->setFocus();
            return;
        }
        Module1::SplashSeconds = Text3->text();
        Module1::SplashURL = Text4->text();
    }
    accept();
}

void Metatags::Command2_Click() {
    reject();
}
