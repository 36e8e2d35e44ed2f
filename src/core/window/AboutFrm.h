#pragma once

#include <QDialog>

class ClickLabel;
class QLabel;
class QPushButton;

// The about box: the artwork, the version and the maker's address as a link that
// lights up under the mouse.
class AboutFrm : public QDialog {
    Q_OBJECT
public:
    explicit AboutFrm(QWidget* parent = nullptr);

    QLabel* Picture1 = nullptr;
    QWidget* Picture3 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    ClickLabel* Label3 = nullptr;
    QPushButton* Command1 = nullptr;

    void Form_Load();
    void Form_MouseMove();
    void Picture1_MouseMove();
    void Label3_MouseMove();
    void Label3_Click();
    void Command1_Click();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setLinkColor(const QColor& color);
};
