#pragma once

#include "core/DialogParts.h"
#include "effects/EffectDialog.h"
#include "effects/Effects.h"
#include "effects/JumpMenu.h"

class QComboBox;
class QListWidget;
class QPushButton;
class QRadioButton;
class QToolButton;

// The jump menu dialog: builds a menu item by item (with PulldownURL), separators
// between them, in a drop-down or a full list; Done hands the form and its script to
// the preview. The menu lives only in the two lists, row by row.
class Pulldown : public EffectDialog {
    Q_OBJECT
public:
    static constexpr int32_t Code = Effects::PreviewJumpMenu;

    explicit Pulldown(QWidget* parent = nullptr);

    QListWidget* List1 = nullptr;    // the items' texts
    QListWidget* List2 = nullptr;    // their addresses
    QPushButton* Command1 = nullptr; // Add
    QPushButton* cmdEdit = nullptr;
    QPushButton* Command2 = nullptr; // Remove
    QPushButton* Command3 = nullptr; // Add separator
    QToolButton* cmdMoveUp = nullptr;
    QToolButton* cmdMoveDown = nullptr;
    QRadioButton* Option1[2] = {};
    QComboBox* cboTarget = nullptr;
    QPushButton* cmdDone = nullptr;
    QPushButton* Command5 = nullptr; // Cancel
    QToolButton* Command6 = nullptr; // Help

    void Form_Load() override;
    void enableButtons();
    void disableButtons();

    // The menu as the lists hold it, and the lists set from rows (selecting row
    // selected, -1 for none).
    JumpMenu::Rows rows() const;
    int selectedRow() const;
    void showRows(const JumpMenu::Rows& rows, int selected);

    void Command1_Click();
    void cmdEdit_Click();
    void Command2_Click();
    void Command3_Click();
    void cmdMoveUp_Click();
    void cmdMoveDown_Click();
    void cmdDone_Click();
    void Command5_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showItemDialog(bool editMode);
    void move(bool up);

    DialogParts::HeadingBand band_;
};
