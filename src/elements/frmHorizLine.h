#pragma once

#include "core/DialogParts.h"

#include <QDialog>

class ClickLabel;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

// The horizontal-line dialog: thickness, length, shading, alignment and colour of one
// "hr" element, handed back through PendingSnippet.
class frmHorizLine : public QDialog {
    Q_OBJECT
public:
    explicit frmHorizLine(QWidget* parent = nullptr);

    QLineEdit* Text1 = nullptr; // thickness
    QSpinBox* UpDown1 = nullptr;
    QLineEdit* Text2 = nullptr; // length
    QCheckBox* Check1 = nullptr;
    QComboBox* cmbAlign = nullptr;
    ClickLabel* lblColor = nullptr;
    QPushButton* Command1 = nullptr; // OK
    QPushButton* Command2 = nullptr; // Cancel
    QToolButton* Command8 = nullptr; // Help

    // "#RRGGBB" of the picked colour, or empty.
    QString LineColor;

    void lblColor_Click();
    void Command1_Click();
    void Command2_Click();

private:
    DialogParts::HeadingBand band_;
};
