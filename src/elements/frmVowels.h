#pragma once

#include <QDialog>
#include <QList>

class QFrame;
class QLabel;
class QStackedWidget;
class QTabBar;

// The special-character picker: a modeless window of three pages of character grids;
// each click on a cell pastes that cell's character reference over the selection of the
// page being edited. It belongs to the main window: it stays above it and leaves it
// usable.
class frmVowels : public QDialog {
    Q_OBJECT
public:
    explicit frmVowels(QWidget* owner = nullptr);

    QTabBar* TabStrip1 = nullptr;
    QStackedWidget* pages_ = nullptr;
    QList<QWidget*> Picture4;   // the pages, 0..2
    QList<QLabel*> Pictures;    // Picture1, Picture2, Picture3
    QList<QFrame*> ShapeSquare; // 0..2; only the Vowels page's moves

    // Pastes text over the selection and confirms it; an empty text does nothing.
    void InsertCharacter(const QString& text);
    void TabStrip1_Click(int index);
    // A mouse-button release at (x, y), pixels of page's picture.
    void Picture_MouseUp(int page, int x, int y);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
