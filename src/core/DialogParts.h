#pragma once

#include <QIcon>
#include <QLabel>
#include <QString>

class QDialog;
class QHBoxLayout;
class QPushButton;
class QLineEdit;
class QSpinBox;
class QToolButton;
class QWidget;

// Pieces most dialogs share: the heading band across the top, picture buttons, labels
// that take clicks, and sizes given in twips.
namespace DialogParts {

// The white band across the top of a dialog with its heading and sub-heading; the
// band is as wide as the form and the sub-heading 600 twips narrower.
struct HeadingBand {
    QLabel* lblHeadingBkg = nullptr;
    QLabel* lblHeading = nullptr;
    QLabel* lblSubHeading = nullptr;
};
// The object names of the band's labels, for a form whose labels are named otherwise.
struct HeadingNames {
    QString background = QStringLiteral("lblHeadingBkg");
    QString heading = QStringLiteral("lblHeading");
    QString subHeading = QStringLiteral("lblSubHeading");
};
HeadingBand AddHeadingBand(QWidget* form, int formWidthTwips, const QString& heading,
                           const QString& subHeading, int heightTwips = 855,
                           const HeadingNames& names = {});
// Fits the band to a new form width.
void SizeHeadingBand(const HeadingBand& band, int formWidthTwips);

// A label of a form, under its object name when one is given.
QLabel* Label(QWidget* parent, const QString& text, const QString& name = QString());
// A text box of a form under its object name, with its tool tip when one is given.
QLineEdit* TextBox(QWidget* parent, const QString& name, const QString& tip = QString());

// Gives a form its size in twips.
void SetFormSize(QWidget* form, int widthTwips, int heightTwips);

// A picture of the program folder's "icons" folder by name ("bold" is icons/bold.png);
// a null icon when the file is missing.
QIcon ProgramIcon(const QString& name);

// A button showing a picture and a tool tip, no caption (browse, favourites, help,
// play, move a row). icon names a file in the program folder's "icons" folder; text is
// shown when the picture is missing.
QToolButton* PictureButton(QWidget* parent, const QString& name, const QString& icon,
                           const QString& tip, const QString& text = QStringLiteral("..."));
// The help button of a dialog: it sends F1 to the dialog.
QToolButton* HelpButton(QWidget* form, const QString& name,
                        const QString& tip = QStringLiteral("Click here for help..."));

// The foot of a dialog: its help button at the left, OK (the default button) and Cancel
// at the right, under the object names given.
struct FootButtons {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QToolButton* help = nullptr;
    QHBoxLayout* row = nullptr;
};
FootButtons AddFootButtons(QWidget* form, const QString& okName, const QString& cancelName,
                           const QString& helpName = QStringLiteral("Command8"),
                           const QString& helpTip = QStringLiteral("Click here for help..."));

// The up-down spinner of a text box: its arrows step the number in buddy by one
// within min..max; what is typed into buddy is not limited by it, but an arrow takes a
// typed number beyond either end to that end.
QSpinBox* UpDown(QWidget* parent, const QString& name, QLineEdit* buddy, int min, int max);

} // namespace DialogParts

// A label that reports clicks (colour labels, descriptions that select their option).
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& text = QString(), QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

namespace DialogParts {
// A colour swatch: a sunken panel with a hand pointer that shows the chosen colour as
// its background and opens the colour picker when clicked.
ClickLabel* ColorLabel(QWidget* parent, const QString& name, const QString& caption,
                       const QString& tip = QStringLiteral("Click here to select a color"));
} // namespace DialogParts
