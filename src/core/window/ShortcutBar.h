#pragma once

class ListBar;
class QString;
class QWidget;

// The shortcut bar's contents and what a click on one of its items does.
namespace ShortcutBar {

// Builds the groups and their items; runs once, at start-up.
void Load(ListBar* bar);
// The item key of bar was clicked; owner is the window the item's action belongs to.
void ItemClick(QWidget* owner, ListBar* bar, const QString& key);

} // namespace ShortcutBar
