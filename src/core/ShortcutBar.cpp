#include "core/ShortcutBar.h"

#include "platform/ListBar.h"

namespace ShortcutBar {

void Load(ListBar* /*bar*/) {
    // The Help, Forms and Special Effects groups go here.
}

void ItemClick(QWidget* /*owner*/, ListBar* /*bar*/, const QString& /*key*/) {
    // The items' actions go here.
}

} // namespace ShortcutBar
