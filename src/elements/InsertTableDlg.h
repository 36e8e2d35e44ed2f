#pragma once

#include "core/DialogParts.h"
#include "platform/DHTMLEditCommands.h"

#include <QDialog>

class ClickLabel;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The table dialog: the size and attributes of a new table, inserted by the editing
// surface's own insert-table command. A table without a border while the border display
// is off brings the offer to show invisible borders.
class InsertTableDlg : public QDialog {
    Q_OBJECT
public:
    explicit InsertTableDlg(QWidget* parent = nullptr);

    QLineEdit* Rows = nullptr;
    QSpinBox* UpDown9 = nullptr;
    QLineEdit* Cols = nullptr;
    QSpinBox* UpDown1 = nullptr;
    QCheckBox* chkBorder = nullptr;
    QLabel* Label26 = nullptr;
    QLineEdit* txtBorderSize = nullptr;
    QSpinBox* UpDown3 = nullptr;
    QLabel* Label3 = nullptr;
    ClickLabel* lblBorderColor = nullptr;
    QLineEdit* txtCellspacing = nullptr;
    QSpinBox* UpDown4 = nullptr;
    QLineEdit* txtCellpadding = nullptr;
    QSpinBox* UpDown5 = nullptr;
    QLineEdit* txtWidth = nullptr;
    ClickLabel* lblBGColor = nullptr;
    QLineEdit* TableCaption = nullptr;
    QPushButton* OkCmd = nullptr;
    QPushButton* CancelCmd = nullptr;

    DEInsertTableParam TableParam;
    QString TableBGColor;     // "#RRGGBB" or empty
    QString TableBorderColor; // "#RRGGBB" or empty

    void chkBorder_Click();
    void lblBGColor_Click();
    void lblBorderColor_Click();
    void OkCmd_Click();
    void CancelCmd_Click();

protected:
    // Escape is not the Cancel button's here.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void pickColor(ClickLabel* label, QString& value);
    // Asks whether to show invisible borders when the border display is off.
    void offerInvisibleBorders();

    DialogParts::HeadingBand band_;
};
