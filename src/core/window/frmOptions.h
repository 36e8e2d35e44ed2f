#pragma once

#include <QDialog>
#include <QList>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

// View > Options: the beginner toolbar, the border display and the save method. OK
// stores and applies the choices; Cancel changes nothing.
class frmOptions : public QDialog {
    Q_OBJECT
public:
    explicit frmOptions(QWidget* parent = nullptr);

    QGroupBox* Frame1 = nullptr;
    QList<QRadioButton*> optPublishLocal; // 0 copy, 1 absolute references
    QCheckBox* chkViewBorders = nullptr;
    QCheckBox* chkBeginnerToolbar = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    void Form_Load();
    void cmdOK_Click();
    void cmdCancel_Click();

signals:
    // OK stored the toolbar choice: the window shows the toolbar it names.
    void BeginnerToolbarChosen();
};
