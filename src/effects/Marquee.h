#pragma once

#include "core/DialogParts.h"
#include "effects/EffectDialog.h"
#include "effects/EffectMarkup.h"

class ClickLabel;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

// The marquee dialog: scrolling text with optional layout and behaviour settings,
// handed to the preview window as one MARQUEE element.
class Marquee : public EffectDialog {
    Q_OBJECT
public:
    static constexpr int32_t Code = 42; // PreviewMarquee

    explicit Marquee(QWidget* parent = nullptr);

    QLineEdit* Text1 = nullptr; // the text
    QLineEdit* Text3 = nullptr; // width
    QLineEdit* Text2 = nullptr; // height
    QLineEdit* Text6 = nullptr; // vspace
    QLineEdit* Text7 = nullptr; // hspace
    QLineEdit* Text4 = nullptr; // background colour, "RRGGBB"
    ClickLabel* Label14 = nullptr;
    QComboBox* cboDirection = nullptr;
    QComboBox* Combo2 = nullptr;     // behaviour
    QComboBox* Combo3 = nullptr;     // loop
    QLineEdit* Text8 = nullptr;      // scroll amount
    QLineEdit* Text9 = nullptr;      // scroll delay
    QPushButton* Command1 = nullptr; // OK
    QPushButton* Command2 = nullptr; // Cancel
    QToolButton* Command8 = nullptr; // Help

    void Form_Load() override;
    void Command1_Click();
    void Command2_Click();
    void Label14_Click();

    // What the controls hold, as the builder takes it.
    EffectMarkup::MarqueeChoices choices() const;

private:
    QWidget* createLayoutFrame();
    QWidget* createBehaviorFrame();

    DialogParts::HeadingBand band_;
};
