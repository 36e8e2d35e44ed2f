#pragma once

#include "core/DialogParts.h"

#include <QDialog>

class QPushButton;
class WebBrowser;

// The effect preview window: shows the effect the dialog handed over (the insertion
// strings) in a browser view, in a page of its own written to the preview file. From
// here the user inserts the effect into the page or goes back to the dialog. It never
// changes the insertion strings or PreviewSource.
class Preview : public QDialog {
    Q_OBJECT
public:
    // How the window was left.
    enum class Outcome {
        Closed,     // the close box: nothing inserted
        Inserted,   // "&Insert into Web page"
        EditEffect, // "<< &Edit special effect"
    };

    // Loads the window: writes the preview file and shows it.
    explicit Preview(QWidget* parent = nullptr);

    WebBrowser* WebBrowser1 = nullptr;
    QPushButton* cmdPrevious = nullptr;
    QPushButton* cmdInsert = nullptr;

    void cmdInsert_Click();
    void cmdPrevious_Click();

    Outcome outcome() const { return outcome_; }
    // The preview file shown, or "" when it could not be written anywhere (the page is
    // then shown from memory).
    QString File() const { return file_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Load();

    DialogParts::HeadingBand band_;
    Outcome outcome_ = Outcome::Closed;
    QString file_;
};
