#pragma once

#include "core/DialogParts.h"
#include "effects/ClockScript.h"
#include "effects/EffectDialog.h"
#include "effects/Effects.h"
#include "platform/CommonDialog.h"

#include <cstdint>

class ClickLabel;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class QToolButton;

// The digital clock wizard: what to show, the date format, the time format, and the
// clock's colours and font, one page each; the pages the choice does not need are
// skipped. Done builds the clock and hands it to the preview.
class frmDateTime : public EffectDialog {
    Q_OBJECT
public:
    static constexpr int32_t Code = Effects::PreviewDigitalClock;

    explicit frmDateTime(QWidget* parent = nullptr);

    // The page shown, 1 to 4 (5 only while Done is handled).
    int16_t PageNumber = 1;
    // The step shown in the heading: the pages passed through on the way here.
    int16_t StepNumber = 1;
    // "#RRGGBB" of the chosen colours, or empty.
    QString BackColorHex;
    QString FontColorHex;

    QStackedWidget* pages = nullptr;
    QWidget* picPage[4] = {};
    QRadioButton* optDateTime[3] = {};
    ClickLabel* Label8 = nullptr;
    ClickLabel* Label9 = nullptr;
    ClickLabel* Label10 = nullptr;
    QCheckBox* chkDayOfWeek = nullptr;
    QListWidget* lstDateTimeFormat = nullptr;
    QCheckBox* chkShowTimeBeforeDate = nullptr;
    QCheckBox* chkMilitaryTime = nullptr;
    QCheckBox* chkShowSeconds = nullptr;
    QCheckBox* chkShowAMPM = nullptr;
    ClickLabel* lblBGColor = nullptr;
    ClickLabel* lblFontColor = nullptr;
    QComboBox* cboFont = nullptr;
    QPushButton* cmdMoreFonts = nullptr;
    QComboBox* cboFontSize = nullptr;
    QComboBox* cboFontStyle = nullptr;
    QLineEdit* txtPadding = nullptr;
    QSpinBox* UpDown1 = nullptr;
    QPushButton* cmdPrevious = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdCancel = nullptr;
    QToolButton* cmdHelp = nullptr;
    // The wizard's own font dialog.
    CommonDialog CommonDialog1;

    void Form_Load() override;
    void Form_Unload();
    void ChangePage(int16_t& intPageNumIN);
    // The clock's script and markup from the wizard's choices.
    ClockScript::ClockCode CreateCode() const;
    ClockScript::ClockChoices Choices() const;

    void cmdNext_Click();
    void cmdPrevious_Click();
    void cmdCancel_Click();
    void cmdMoreFonts_Click();
    void lblBGColor_Click();
    void lblFontColor_Click();

protected:
    void reject() override;

private:
    QWidget* createPage1();
    QWidget* createPage2();
    QWidget* createPage3();
    QWidget* createPage4();
    void pickColor(ClickLabel* label, QString& field);
    void showHeading(int page);

    DialogParts::HeadingBand band_;
};
