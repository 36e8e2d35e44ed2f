// The shortcut bar: its groups and items, what a click on each does, and the group
// open at start-up.
#include "core/window/MainForm.h"
#include "core/window/WebAddresses.h"
#include "platform/DHTMLEdit.h"
#include "platform/ListBar.h"
#include "platform/Shell.h"
#include "support/MainFormFixture.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

struct Expected {
    QString text;
    QString key;
    QString iconKey;
};

class ShortcutBarItems : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        bar = form->SSListBar1;
        Shell::SetOpenHandler([this](const QString& target) { opened << target; });
        page("<p id='p'>x</p>");
        caretAtEnd(editor, "#p");
    }
    void TearDown() override {
        Shell::SetOpenHandler({});
        MainFormTest::TearDown();
    }
    // Clicks the item with key in the group at position group, that group open.
    void click(int group, const QString& key) {
        bar->setCurrentGroup(group);
        for (int i = 1; i <= bar->itemCount(group); ++i)
            if (bar->item(group, i).key == key) {
                bar->clickItem(group, i);
                pump(30);
                return;
            }
        ADD_FAILURE() << "no item " << qPrintable(key) << " in group " << group;
    }
    ListBar* bar = nullptr;
    QStringList opened;
};

void expectItems(ListBar* bar, int group, const QList<Expected>& items) {
    ASSERT_EQ(bar->itemCount(group), items.size()) << "group " << group;
    for (int i = 0; i < items.size(); ++i) {
        const ListBar::Item item = bar->item(group, i + 1);
        EXPECT_TEXT(item.text, items[i].text);
        EXPECT_TEXT(item.key, items[i].key);
        EXPECT_TEXT(item.iconKey, items[i].iconKey);
    }
}

} // namespace

TEST_F(ShortcutBarItems, ThreeGroupsWithTheirItemsTextsAndIcons) {
    ASSERT_EQ(bar->groupCount(), 3);
    EXPECT_TEXT(bar->groupKey(1), "Help");
    EXPECT_TEXT(bar->groupCaption(1), "Help");
    EXPECT_TEXT(bar->groupKey(2), "Forms");
    EXPECT_TEXT(bar->groupKey(3), "Special Effects");
    EXPECT_TEXT(bar->groupCaption(3), "Special Effects");
    expectItems(bar, 1,
                {{"How to upload your Web page to the Internet", "HowToUpload", "Upload"},
                 {"Helpful Web Sites", "HelpfulWebSites", "WebSites"},
                 {"Zestra - Web page Javascripts and DHTML special effects", "Zestra", "Zestra"}});
    expectItems(bar, 2,
                {{"  Text input box", "Text input box", "textbox"},
                 {"  Text area", "Text area", "textarea"},
                 {"  Password box", "Password box", "password"},
                 {"  Checkbox", "Checkbox", "checkbox"},
                 {"  Radio button", "Radio button", "radio"},
                 {"  Hidden field", "Hidden field", "hidden"},
                 {"  Submit button", "Submit button", "button"},
                 {"  Reset button", "Reset button", "button"},
                 {"  JavaScript button", "JavaScript button", "button"}});
    expectItems(bar, 3,
                {{"  Digital Clock", "Digital Clock", "image"},
                 {"  Jumpto/Dropdown Menu", "Jumpto/Dropdown Menu", "image"},
                 {"  Inline Frame", "Inline Frame", "image"},
                 {"  Marquee Scrolling text", "Marquee Scrolling text", "image"}});
}

TEST_F(ShortcutBarItems, EveryIconKeyHasAPicture) {
    for (int group = 1; group <= bar->groupCount(); ++group) {
        for (int i = 1; i <= bar->itemCount(group); ++i) {
            const QString icon = bar->item(group, i).iconKey.toLower();
            EXPECT_TRUE(
                QFile::exists(QCoreApplication::applicationDirPath() + "/icons/" + icon + ".png"))
                << qPrintable(icon);
        }
    }
}

TEST_F(ShortcutBarItems, HelpItemsOpenThePagesAndTheAddressWithoutInsertingAField) {
    const QString before = body();
    click(1, "HowToUpload");
    click(1, "HelpfulWebSites");
    click(1, "Zestra");
    const QString folder = QCoreApplication::applicationDirPath();
    EXPECT_EQ(opened, QStringList({folder + "/howtoupload.html", folder + "/helpfulsites.html",
                                   WebAddresses::SiblingProduct}));
    EXPECT_TRUE(QFile::exists(folder + "/howtoupload.html"));
    EXPECT_TRUE(QFile::exists(folder + "/helpfulsites.html"));
    EXPECT_TEXT(body(), before);
}

TEST_F(ShortcutBarItems, EachFormsItemInsertsItsField) {
    const QList<QPair<QString, QString>> fields = {
        {"Text input box", R"(<input type="Text" name="Text\d+")"},
        {"Text area", R"(<textarea name="Textarea\d+")"},
        {"Password box", R"(<input type="Password")"},
        {"Checkbox", R"(<input type="Checkbox")"},
        {"Radio button", R"(<input type="Radio")"},
        {"Hidden field", R"(<input type="Hidden")"},
        {"Submit button", R"(<input type="Submit")"},
        {"Reset button", R"(<input type="Reset")"},
        {"JavaScript button", R"(<input type="Button")"},
    };
    for (const auto& [key, pattern] : fields) {
        page("<p id='p'>x</p>");
        caretAtEnd(editor, "#p");
        click(2, key);
        EXPECT_TRUE(body().contains(QRegularExpression(pattern)))
            << qPrintable(key) << " gave " << qPrintable(body());
    }
    EXPECT_TRUE(opened.isEmpty());
}

TEST(ShortcutBarStart, TheOpenGroupFollowsTheStoredSetting) {
    const QList<QPair<QString, int>> cases = {{"0", 1}, {"1", 2}, {"2", 3}, {"7", 1}, {"x", 1}};
    for (const auto& [value, group] : cases) {
        resetSettings();
        storeSetting("TSLY", "Misc", "DefaultShortcutBarGroup", value);
        MainForm form;
        EXPECT_EQ(form.SSListBar1->currentGroup(), group) << "setting " << qPrintable(value);
        form.DHTMLEdit1->setDocumentHTML("<html><body></body></html>", false);
        form.close();
    }
}

TEST_F(ShortcutBarItems, EachEffectItemOpensItsDialogInTheMenusOrder) {
    // The bar lists the jump menu before the inline frame; the menu's indexes hold.
    struct Effect {
        QString key;
        QString dialog;
    };
    const QList<Effect> effects = {{"Digital Clock", "frmDateTime"},
                                   {"Jumpto/Dropdown Menu", "Pulldown"},
                                   {"Inline Frame", "frmIframe"},
                                   {"Marquee Scrolling text", "Marquee"}};
    const QString before = body();
    for (const Effect& effect : effects) {
        QString opened;
        whenModal([&](QWidget* w) {
            opened = w->objectName();
            if (auto* d = qobject_cast<QDialog*>(w))
                d->reject();
            else
                w->close();
        });
        // A cancelled effect put no placeholder in: no message says it did.
        QString message = "<none>";
        answerMessageBox(QMessageBox::Ok, &message);
        click(3, effect.key);
        EXPECT_TEXT(opened, effect.dialog) << qPrintable(effect.key);
        pump(50);
        EXPECT_TEXT(message, "<none>") << qPrintable(effect.key);
        clearModalWaiters();
    }
    // Cancelled effects insert nothing, and no form field comes with them.
    EXPECT_TEXT(body(), before);
}
