#pragma once

#include <QDialog>
#include <QList>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;
class QToolButton;
class QWidget;

// The hyperlink dialog: the link text, the address (typed, a local file or a
// favourite), an optional bookmark in that page, status-bar texts and the new-window
// option. On OK it pastes the link over the editing surface's selection itself.
class LINKTEXT : public QDialog {
    Q_OBJECT
public:
    explicit LINKTEXT(QWidget* parent = nullptr);

    QTabBar* TabStrip1 = nullptr;
    QList<QWidget*> Picture1;    // the pages of the two tabs
    QWidget* Picture2 = nullptr; // the button bar, always in front
    QLabel* Label1 = nullptr;
    QLineEdit* LText1 = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* httpsite = nullptr;
    QToolButton* Command1 = nullptr; // browse for a local page
    QToolButton* Command3 = nullptr; // favourites
    QGroupBox* Frame1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Text1 = nullptr;
    QCheckBox* chkOpenNew = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* Text3 = nullptr;
    QPushButton* LtextOK = nullptr;
    QPushButton* Command2 = nullptr; // Cancel
    QToolButton* Command8 = nullptr; // Help

    void Form_Load();
    void TabStrip1_Click(int index);
    void Check1_Click();
    void Command1_Click();
    void Command3_Click();
    void LtextOK_Click();
    void Command2_Click();

private:
    void showPage(int page);
};
