#pragma once

#include "core/DialogParts.h"
#include "effects/EffectDialog.h"
#include "effects/EffectMarkup.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;

// The background sound dialog: a sound file and how often it repeats, handed to the
// preview window as a script that plays it when the page is viewed. A chosen wave file
// can be listened to here.
class BGSound : public EffectDialog {
    Q_OBJECT
public:
    static constexpr int32_t Code = 16; // PreviewBackgroundSound

    explicit BGSound(QWidget* parent = nullptr);

    QLineEdit* Text1 = nullptr; // the sound file
    QToolButton* cmdBrowse = nullptr;
    QToolButton* cmdPlay = nullptr;
    QComboBox* Combo1 = nullptr; // loop
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QToolButton* cmdHelp = nullptr;

    void Form_Load() override;
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdBrowse_Click();
    void cmdPlay_Click();

    EffectMarkup::SoundChoices choices() const;

private:
    DialogParts::HeadingBand band_;
};
