#pragma once

#include <QDialog>

class Pulldown;
class QLineEdit;
class QPushButton;
class QToolButton;

// The jump menu's item dialog: one item's text and the page it leads to. OK appends
// the item to the menu, or replaces the selected row when the dialog edits it.
class PulldownURL : public QDialog {
    Q_OBJECT
public:
    // editMode: the dialog edits owner's selected row instead of adding one.
    PulldownURL(Pulldown* owner, bool editMode);

    bool EditMode = false;

    QLineEdit* txtMenuItem = nullptr;
    QLineEdit* txtMenuItemURL = nullptr;
    QToolButton* cmdBrowseURL = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    void Form_Load();
    void cmdBrowseURL_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

private:
    Pulldown* pulldown_;
};
