#pragma once

// What a user cannot read whole in a window: captions, labels, buttons, group titles,
// tab captions and list or box entries whose text does not fit where it is shown.

#include <QStringList>

class QWidget;

namespace CutTexts {

// One line per text that does not fit in window as it is now laid out: the control's
// name, its text and what it lacks. Hidden controls are left out; so are tab pages
// not in front, so the caller brings each page to the front in turn.
QStringList In(QWidget* window);

} // namespace CutTexts
