#pragma once

#include "core/DialogParts.h"
#include "effects/EffectDialog.h"
#include "effects/EffectMarkup.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;

// The inline frame dialog: a frame floating in the page that shows another page, with
// its size, spacing, border, scroll bars and alignment, handed to the preview window.
class frmIframe : public EffectDialog {
    Q_OBJECT
public:
    static constexpr int32_t Code = 41; // PreviewInlineFrame

    explicit frmIframe(QWidget* parent = nullptr);

    QComboBox* Combo1 = nullptr; // the source
    QToolButton* cmdBrowse = nullptr;
    QToolButton* cmdFavorites = nullptr;
    QLineEdit* Text1 = nullptr;  // width
    QLineEdit* Text2 = nullptr;  // height
    QLineEdit* Text6 = nullptr;  // alternative text
    QComboBox* Combo2 = nullptr; // alignment
    QLineEdit* Text4 = nullptr;  // vertical space
    QLineEdit* Text3 = nullptr;  // horizontal space
    QCheckBox* Check2 = nullptr; // frame border
    QCheckBox* Check1 = nullptr; // scroll bars
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QToolButton* cmdHelp = nullptr;

    void Form_Load() override;
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdBrowse_Click();
    void cmdFavorites_Click();

    EffectMarkup::IframeChoices choices() const;

private:
    QWidget* createRequiredFrame();
    QWidget* createLayoutFrame();

    DialogParts::HeadingBand band_;
};
