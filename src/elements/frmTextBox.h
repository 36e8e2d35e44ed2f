#pragma once

#include "core/DialogParts.h"

#include <QDialog>

class ClickLabel;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

// The text-box dialog: a block of text put into the page as an absolutely positioned
// box, with an optional border, background colour and text colour.
class frmTextBox : public QDialog {
    Q_OBJECT
public:
    explicit frmTextBox(QWidget* parent = nullptr);

    QPlainTextEdit* txtText = nullptr;
    ClickLabel* lblBGColor = nullptr;
    ClickLabel* lblTextColor = nullptr;
    QGroupBox* fraBorder = nullptr;
    QCheckBox* chkBorder = nullptr;
    QLabel* lblThickness = nullptr;
    QLineEdit* txtBorderThickness = nullptr;
    QSpinBox* UpDown8 = nullptr;
    QLabel* lblColor = nullptr;
    ClickLabel* lblBorderColor = nullptr;
    QLabel* lblStyle = nullptr;
    QComboBox* cboBorderStyle = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QToolButton* cmdHelp = nullptr;

    // Colour texts "RRGGBB" (no "#") or empty.
    QString BoxBorderColor;
    QString BoxBackColor;
    QString BoxTextColor;
    bool BoxBorderOn = false;

    void SetBorderControls();
    void chkBorder_Click();
    void lblBGColor_Click();
    void lblTextColor_Click();
    void lblBorderColor_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

private:
    void pickColor(ClickLabel* label, QString& value);

    DialogParts::HeadingBand band_;
};
