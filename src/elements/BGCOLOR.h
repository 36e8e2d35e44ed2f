#pragma once

#include <QDialog>
#include <array>

class ClickLabel;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTabBar;
class QToolButton;

// The page-properties dialog: the title, the five colours and the background image of the
// page in the editing surface, read when it opens and written into the page on OK as one
// undoable change; the meta-tags dialog hangs off its last tab, and what it was closed
// with OK holding goes into the page's head with that change.
class BGCOLOR : public QDialog {
    Q_OBJECT
public:
    explicit BGCOLOR(QWidget* parent = nullptr);

    QTabBar* TabStrip1 = nullptr;
    std::array<QWidget*, 4> Picture2{}; // the tabs' pages
    QWidget* Picture3 = nullptr;        // the band of OK, Cancel and Help
    QLineEdit* Text5 = nullptr;         // title
    QComboBox* cboBGColor = nullptr;
    ClickLabel* lblBGColor = nullptr;
    // 0 text, 1 link, 2 visited link, 3 active link.
    std::array<QComboBox*, 4> cboColor{};
    std::array<ClickLabel*, 4> lblSelectColor{};
    std::array<QLabel*, 4> lblPreviewColor{};
    QGroupBox* fraPreview = nullptr; // the colours page's preview frame
    QLineEdit* Text9 = nullptr;      // background image
    QToolButton* Command6 = nullptr; // Browse
    QCheckBox* Check1 = nullptr;     // fixed watermark
    QLabel* Picture1 = nullptr;      // background image preview
    QPushButton* cmdMetaTags = nullptr;
    QPushButton* Command2 = nullptr; // OK
    QPushButton* Command1 = nullptr; // Cancel
    QToolButton* Command5 = nullptr; // Help

    // The body's start tag as the last ParseTag found it; kept from one opening to the
    // next, as it matters only for a page without one.
    inline static QString BodyTagText;
    QString ParsedAttributeValue;
    bool BackgroundChanged = false;

    // Reads attribute ("BACKGROUND=") out of the page's body start tag into
    // ParsedAttributeValue.
    void ParseTag(const QString& attribute);

    void TabStrip1_Click();
    void cboBGColor_Change();
    void cboColor_Change(int index);
    void lblBGColor_Click();
    void lblSelectColor_Click(int index);
    void Command6_Click();
    void Check1_Click();
    void cmdMetaTags_Click();
    void Command2_Click();
    void Command1_Click();

private:
    QWidget* titlePage();
    QWidget* colorsPage();
    QWidget* backgroundPage();
    QWidget* metaTagsPage();
    QWidget* buttonBand();
    void Form_Load();
    void paintBackground(const QColor& color);
    void writePage();

    QStackedWidget* pages_ = nullptr;
    // The background as the page held it when the dialog opened.
    QString loadedBackground_;
    // The meta-tags dialog was closed with OK: OK writes its values into the head.
    bool metaTagsAccepted_ = false;
};
