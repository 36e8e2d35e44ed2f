#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;

// Asks for the link (and the frame) of one image-map area when the user has finished
// its shape. OK writes the area line from the working state and appends it to the
// wizard's area list; Cancel adds nothing. However it closes, the shape is finished:
// the next click on the picture starts a new one.
class UsemapURL : public QDialog {
    Q_OBJECT
public:
    UsemapURL(QListWidget* areaList, QWidget* owner);

    QLabel* Label8 = nullptr;
    QComboBox* Combo1 = nullptr;
    QToolButton* Command4 = nullptr;
    QToolButton* Command3 = nullptr;
    QLabel* Label9 = nullptr;
    QComboBox* Combo2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    // Every ending goes through here (OK, Cancel, Escape, the close box).
    void done(int result) override;

private:
    QListWidget* List1 = nullptr;
};
