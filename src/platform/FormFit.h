#pragma once

#include <QSize>

class QWidget;

// Forms keep their design sizes, in twips, but a desktop's face and text size are the
// user's: where a caption, label, button, group or list entry needs more room in the
// font the form is shown in, the control grows, what lies below or beside it moves
// along, and the form grows with it. Nothing ever gets smaller than its design.
namespace FormFit {

// Gives form its design size and fits it to its texts each time it is shown. A form
// the user may resize starts at that size and may be made smaller again.
void KeepFitted(QWidget* form, QSize designPixels, bool resizable = false);

// Fits form to its texts now (after a page of it changed its texts while shown); the
// form only grows.
void Fit(QWidget* form);

// For a container that places its own controls (a page, a column): grows its controls
// to their texts, moving what lies below and beside them; the container's size then.
QSize FitControls(QWidget* container);
// Fits the heading band standing in container to width and moves the container's
// other controls down by what the band grew; that growth.
int FitBand(QWidget* container, int width);

// Marks the labels of a form's heading band, which fitting keeps across the top.
enum class BandPart { Background, Heading, SubHeading };
void MarkBand(QWidget* label, BandPart part, int designHeightPixels);

} // namespace FormFit
