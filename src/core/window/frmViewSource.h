#pragma once

#include <QDialog>

class DHTMLEdit;
class QPlainTextEdit;
class QPushButton;

// View > Source: the whole page source as editable text. Save puts the text back into
// the editing surface (no file is written); the window keeps its own stored position
// and size.
class frmViewSource : public QDialog {
    Q_OBJECT
public:
    explicit frmViewSource(DHTMLEdit* editor, QWidget* parent = nullptr);

    QPlainTextEdit* txtSource = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdCancel = nullptr;

    void Form_Load();
    void Form_Resize();
    void cmdSave_Click();
    void cmdCancel_Click();
    void Form_Unload();

    // The window's outer geometry in twips.
    int windowLeft() const;
    int windowTop() const;
    int windowWidth() const;
    int windowHeight() const;

    void done(int result) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void setOuterGeometry(int left, int top, int width, int height);
    void fitFrame();

    DHTMLEdit* editor_;
    QString shownText_; // the page's source as the box showed it at first
    QSize pendingOuterSize_;
    bool unloaded_ = false;
};
