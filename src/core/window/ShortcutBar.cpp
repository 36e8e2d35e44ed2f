#include "core/window/ShortcutBar.h"

#include "core/Module1.h"
#include "core/window/CoreCommands.h"
#include "core/window/WebAddresses.h"
#include "effects/Effects.h"
#include "platform/ListBar.h"
#include "platform/PlatformError.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

struct ItemRow {
    QString text;
    QString key;
    QString iconKey;
};

// The pictures behind the icon keys: icons/<key lower-cased>.png, with its 32-pixel
// drawing for the large view where there is one.
QMap<QString, QIcon> imageList(const QList<ItemRow>& items) {
    QMap<QString, QIcon> images;
    const QString folder = QCoreApplication::applicationDirPath() + "/icons/";
    for (const ItemRow& item : items) {
        const QString name = item.iconKey.toLower();
        QIcon icon;
        for (const QString& file : {folder + name + ".png", folder + name + "-32.png"})
            if (QFileInfo::exists(file))
                icon.addFile(file);
        images.insert(item.iconKey, icon);
    }
    return images;
}

const QList<ItemRow>& helpItems() {
    static const QList<ItemRow> rows = {
        {"How to upload your Web page to the Internet", "HowToUpload", "Upload"},
        {"Helpful Web Sites", "HelpfulWebSites", "WebSites"},
        {"Zestra - Web page Javascripts and DHTML special effects", "Zestra", "Zestra"},
    };
    return rows;
}

// Eleven are added; the third and then the sixth are taken out again.
const QList<ItemRow>& formItems() {
    static const QList<ItemRow> rows = {
        {"  Text input box", "Text input box", "textbox"},
        {"  Text area", "Text area", "textarea"},
        {"  Dropdown menu", "Dropdown menu", "formSelect"},
        {"  Password box", "Password box", "password"},
        {"  Checkbox", "Checkbox", "checkbox"},
        {"  Radio button", "Radio button", "radio"},
        {"  Image", "Image", "image"},
        {"  Hidden field", "Hidden field", "hidden"},
        {"  Submit button", "Submit button", "button"},
        {"  Reset button", "Reset button", "button"},
        {"  JavaScript button", "JavaScript button", "button"},
    };
    return rows;
}

const QList<ItemRow>& effectItems() {
    static const QList<ItemRow> rows = {
        {"  Digital Clock", "Digital Clock", "image"},
        {"  Jumpto/Dropdown Menu", "Jumpto/Dropdown Menu", "image"},
        {"  Inline Frame", "Inline Frame", "image"},
        {"  Marquee Scrolling text", "Marquee Scrolling text", "image"},
    };
    return rows;
}

void addItems(ListBar* bar, int group, const QList<ItemRow>& items) {
    for (int i = 0; i < items.size(); ++i) {
        const ItemRow& item = items[i];
        skipErrors([&] { bar->addItem(group, i + 1, item.key, item.text); });
        skipErrors([&] { bar->setItemIcon(group, i + 1, item.iconKey); });
    }
}

// The form field index of a Forms key ("Text input box" and any other key keep 0).
int formFieldIndex(const QString& key) {
    static const QStringList keys = {
        "Text area", "Dropdown menu", "Password box",  "Checkbox",     "Radio button",
        "Image",     "Hidden field",  "Submit button", "Reset button", "JavaScript button"};
    return int(keys.indexOf(key)) + 1;
}

// The Special Effects menu index of an effects key, or 0.
int effectIndex(const QString& key) {
    if (key == "Digital Clock")
        return 1;
    if (key == "Inline Frame")
        return 2;
    if (key == "Jumpto/Dropdown Menu")
        return 3;
    if (key == "Marquee Scrolling text")
        return 4;
    return 0;
}

} // namespace

namespace ShortcutBar {

void Load(ListBar* bar) {
    skipErrors([&] { bar->setImageList(imageList(helpItems() + formItems() + effectItems())); });

    // Our list bar starts without a group of its own, so the three groups take the
    // positions 1 to 3 and nothing is removed afterwards.
    skipErrors([&] { bar->addGroup(1, "Help", "Help"); });
    skipErrors([&] { bar->setGroupView(1, ListBar::LargeIcons); });
    addItems(bar, 1, helpItems());

    skipErrors([&] { bar->addGroup(2, "Forms", "Forms"); });
    skipErrors([&] { bar->setGroupView(2, ListBar::SmallIcons); });
    addItems(bar, 2, formItems());
    skipErrors([&] { bar->removeItem(2, 3); });
    skipErrors([&] { bar->removeItem(2, 6); });

    skipErrors([&] { bar->addGroup(3, "Special Effects", "Special Effects"); });
    skipErrors([&] { bar->setGroupView(3, ListBar::SmallIcons); });
    addItems(bar, 3, effectItems());
}

void ItemClick(QWidget* owner, ListBar* bar, const QString& key) {
    const QString folder = QCoreApplication::applicationDirPath();
    int index = 0;
    if (key == "HowToUpload")
        skipErrors([&] { Module1::ShellOpen(owner, folder + "/howtoupload.html"); });
    else if (key == "HelpfulWebSites")
        skipErrors([&] { Module1::ShellOpen(owner, folder + "/helpfulsites.html"); });
    else if (key == "Zestra")
        skipErrors([&] { Module1::ShellOpen(owner, WebAddresses::SiblingProduct); });
    else if (const int field = formFieldIndex(key); field > 0)
        index = field;
    else if (const int effect = effectIndex(key); effect > 0)
        skipErrors([&] { Effects::SpecialEffect(owner, effect); });
    // Only the Forms group's items insert a field (its first item keeps index 0).
    skipErrors([&] {
        if (bar->groupKey(bar->currentGroup()) == "Forms")
            CoreCommands::InsertFormField(index);
    });
}

} // namespace ShortcutBar
