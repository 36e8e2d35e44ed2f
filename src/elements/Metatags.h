#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

// The meta-tags dialog of the page-properties dialog: a description and keywords for
// search engines and the splash-page settings, kept in Module1 until the program ends
// (a box with nothing kept shows the page's own value). It is accepted only when OK
// stored the values; the page-properties dialog's OK then writes them into the page.
class Metatags : public QDialog {
    Q_OBJECT
public:
    explicit Metatags(QWidget* parent = nullptr);

    QPlainTextEdit* Text1 = nullptr; // description
    QPlainTextEdit* Text2 = nullptr; // keywords
    QCheckBox* Check1 = nullptr;     // splash page
    QLabel* lblSplashSeconds = nullptr;
    QLineEdit* Text3 = nullptr; // seconds
    QSpinBox* UpDown1 = nullptr;
    QLabel* lblSplashURL = nullptr;
    QLineEdit* Text4 = nullptr;      // the page that follows
    QPushButton* Command1 = nullptr; // OK
    QPushButton* Command2 = nullptr; // Cancel
    QToolButton* Command8 = nullptr; // Help

    void Check1_Click();
    void Command1_Click();
    void Command2_Click();

private:
    void Form_Load();
};
