#pragma once

#include "platform/Twips.h"

#include <QDialog>
#include <QList>
#include <QPointF>

class ClickLabel;
class HotspotPicture;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollArea;
class QStatusBar;
class QToolButton;
class QWidget;

// The image-map wizard: the first page takes the picture and the map's name, the
// second lets the user draw circles, rectangles and polygons on the picture, each with
// its link. Done hands the map and the image that uses it back through PendingSnippet.
class Usemap : public QDialog {
    Q_OBJECT
public:
    explicit Usemap(QWidget* parent = nullptr);

    // The picture's full path, set by Browse only.
    QString ImageFile;

    // The two pages (Picture2_0, Picture2_1) and the left column beside page 2.
    QList<QFrame*> Picture2;
    QWidget* Picture3 = nullptr;

    // Page 1.
    QLabel* lblHeadingBkg = nullptr;
    QLabel* lblHeading = nullptr;
    QLabel* lblHeadingText = nullptr;
    QLabel* Label13 = nullptr;
    QLineEdit* Text8 = nullptr;
    QToolButton* Command7 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Picture5 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* cmdCancel = nullptr;

    // Page 2 and the left column.
    QLabel* Label7 = nullptr;
    QScrollArea* Picture1Scroll = nullptr;
    HotspotPicture* Picture1 = nullptr;
    QLabel* Label4 = nullptr;
    QList<ClickLabel*> Picture4;
    QList<ClickLabel*> Label3;
    QPushButton* Command5 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command1 = nullptr;
    QToolButton* Command8 = nullptr;

    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusPanel1 = nullptr;
    // The area lines, oldest first; the user never sees it.
    QListWidget* List1 = nullptr;

    void Form_Load();
    void Command7_Click();
    void Command4_Click();
    void Form_Resize();
    void Picture3_Resize();
    void Command2_Click();
    void cmdCancel_Click();
    void Command1_Click();

    // Page 2 (UsemapHotspots.cpp).
    void Label3_Click(int index);
    void Picture4_Click(int index);
    void SelectFieldType(int index);
    void UsemapShapes(int index);
    void Picture1_MouseDown(QPointF at);
    void Picture1_MouseMove(QPointF at);
    void Picture2_MouseMove(int index);
    void Label3_MouseMove(int index);
    void Picture4_MouseMove(int index);
    void Picture3_MouseMove();
    void Command5_Click();
    void UsemapParse();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitToTexts();
    int columnPx_ = Twips::toPixels(1965); // the left column, as wide as its captions
    int page2LeftPx_ = Twips::toPixels(2040);
    void createPage1();
    void createPage2();
    void createColumn();
    void connectHandlers();
    // The shape whose icon carries "True", in the order circle, rectangle, polygon; -1
    // when none does.
    int chosenShape() const;
    void showPreview(const QImage& picture);
};
