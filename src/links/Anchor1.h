#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// The bookmark dialog: a named anchor around an optional text. On OK it hands the
// anchor back through PendingSnippet; the main window pastes it.
class Anchor1 : public QDialog {
    Q_OBJECT
public:
    explicit Anchor1(QWidget* parent = nullptr);

    QLabel* lblHeadingBkg = nullptr;
    QLabel* lblHeading = nullptr;
    QLabel* lblSubHeading = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* Target = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* Source = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QToolButton* cmdHelp = nullptr;

    void Form_Load();
    void cmdOK_Click();
    void cmdCancel_Click();
};
