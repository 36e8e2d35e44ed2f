#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// Insert > HTML: the user types markup, OK pastes it over the selection as typed.
class InsertHTMLDlg : public QDialog {
    Q_OBJECT
public:
    explicit InsertHTMLDlg(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QPlainTextEdit* HTMLText = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    // The typed text with CR LF line ends.
    QString typedHtml() const;

    void Form_Load();
    void cmdOK_Click();
    void cmdCancel_Click();
};
