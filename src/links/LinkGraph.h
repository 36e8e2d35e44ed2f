#pragma once

#include "core/PicturePreview.h"

#include <QDialog>
#include <QListWidget>
#include <QPixmap>
#include <QSize>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTabBar;
class QToolButton;

// The folder list of the image browser: the folders from the root down to the current
// one, then its subfolders; activating one (double click, Enter) opens it.
class FolderList : public QListWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent = nullptr);
    QString Path() const { return path_; }
    // Opens a folder; false (and no change) when it is not a folder that can be read.
    bool setPath(const QString& path);

signals:
    void changed();

private:
    QString path_;
};

// The file list of the image browser: the files of one folder that match a pattern
// ("*.gif;*.jpg"), in any letter case, sorted by name.
class FileList : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);
    QString Path() const { return path_; }
    void setPath(const QString& path);
    QString Pattern() const { return pattern_; }
    void setPattern(const QString& pattern);

    // The names in folder that match pattern; each pattern's blanks around it are
    // dropped.
    static QStringList FilesMatching(const QString& folder, const QString& pattern);

private:
    void refresh();

    QString path_;
    QString pattern_ = QStringLiteral("*.*");
};

// The image dialog: an image file (typed, browsed, or clicked in the image browser of the
// program's "images" folder), an optional link and the layout attributes; OK pastes the
// image over the selection.
class LinkGraph : public QDialog {
    Q_OBJECT
public:
    explicit LinkGraph(QWidget* parent = nullptr);

    QTabBar* TabStrip1 = nullptr;
    QStackedWidget* pages_ = nullptr;
    // " Select Image "
    QLineEdit* GraphText = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* cmdImageBrowser = nullptr;
    QLabel* Label13 = nullptr;
    QComboBox* Drive1 = nullptr;
    FolderList* Dir1 = nullptr;
    FileList* File1 = nullptr;
    QLabel* Picture2 = nullptr;
    QLabel* Label15 = nullptr;
    QLabel* Label16 = nullptr;
    // " Link to URL "
    QComboBox* XimageLink = nullptr;
    QToolButton* Command1 = nullptr;
    QPushButton* Command5 = nullptr;
    // " Layout "
    QComboBox* Combo1 = nullptr;
    QLineEdit* Text1 = nullptr; // width
    QLineEdit* Text2 = nullptr; // height
    QLineEdit* Text3 = nullptr; // border
    QLineEdit* Text4 = nullptr; // vspace
    QLineEdit* Text5 = nullptr; // hspace
    QSpinBox* UpDown1 = nullptr;
    QSpinBox* UpDown2 = nullptr;
    QSpinBox* UpDown3 = nullptr;
    // The buttons
    QPushButton* LgraphOK = nullptr;
    QPushButton* CANCELBUT = nullptr;
    QToolButton* Command8 = nullptr;

    QString AlignPart;

    void TabStrip1_Click(int index);
    void Combo1_Click();
    void Command2_Click();
    void cmdImageBrowser_Click();
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void Command1_Click();
    void Command5_Click();
    void LgraphOK_Click();
    void CANCELBUT_Click();

private:
    QWidget* selectImagePage();
    QWidget* linkPage();
    QWidget* layoutPage();
    // Shows a picture in the preview with its size, or, when it cannot be read, no size
    // at all (never the size of the picture shown before).
    void showPicture(const QString& path);

    QWidget* browser_ = nullptr;
    // Whether the width and height boxes still hold what the last picture filled in.
    bool widthFromPicture_ = false;
    bool heightFromPicture_ = false;
};
