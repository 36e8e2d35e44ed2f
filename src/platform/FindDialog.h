#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The editing surface's Find dialog: the text to look for, match case, the direction.
// Each Find Next asks the finder, which selects the next match in the page; the dialog
// stays open until closed, and tells when nothing matches.
class FindDialog : public QDialog {
    Q_OBJECT
public:
    // Selects the next match of text after the selection (before it, backward); false
    // when there is none.
    using Finder = std::function<bool(const QString& text, bool matchCase, bool backward)>;

    explicit FindDialog(Finder finder, QWidget* parent = nullptr);

    // Whether any search of this dialog found a match.
    bool foundAny() const { return foundAny_; }

    QLineEdit* txtFindWhat = nullptr;
    QCheckBox* chkMatchCase = nullptr;
    QRadioButton* optUp = nullptr;
    QRadioButton* optDown = nullptr;
    QPushButton* cmdFindNext = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    void cmdFindNext_Click();

    Finder finder_;
    bool foundAny_ = false;
};
