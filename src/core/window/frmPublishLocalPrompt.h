#pragma once

#include "core/DialogParts.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QPushButton;
class QRadioButton;

// The question at the first save of a page: copy the page's images into its folder,
// or keep absolute references. The answer is the page's PublishLocalMode and, with
// "Always save my Web pages this way" ticked, the stored choice for every page.
class frmPublishLocalPrompt : public QDialog {
    Q_OBJECT
public:
    explicit frmPublishLocalPrompt(QWidget* parent = nullptr);

    DialogParts::HeadingBand band;
    QList<QRadioButton*> optSaveMethod; // 0 copy, 1 absolute references
    ClickLabel* lblCopyImagesDesc = nullptr;
    ClickLabel* lblNoCopyImagesDesc = nullptr;
    QCheckBox* chkAlwaysDoThis = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    void Form_Load();
    void cmdOK_Click();
    void cmdCancel_Click();
    void lblCopyImagesDesc_Click();
    void lblNoCopyImagesDesc_Click();

    // Escape and the close box answer as Cancel does.
    void reject() override;

private:
    bool answered_ = false;
};
