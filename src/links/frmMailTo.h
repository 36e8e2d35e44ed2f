#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// The e-mail link dialog: a plain "mailto:" link or a spam-resistant one whose address
// a small script joins again when the link is clicked. On OK it hands the script back
// through PendingBodyStart and the link through PendingSnippet, and remembers the
// address for the next time.
class frmMailTo : public QDialog {
    Q_OBJECT
public:
    explicit frmMailTo(QWidget* parent = nullptr);

    QLabel* lblHeadingBkg = nullptr;
    QLabel* lblHeading = nullptr;
    QLabel* lblSubHeading = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Email = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* txtSubject = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* MailToText = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txtImage = nullptr;
    QToolButton* cmdBrowse = nullptr;
    QCheckBox* chkAntiSpam = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QToolButton* cmdHelp = nullptr;

    void Form_Load();
    void cmdBrowse_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
};
