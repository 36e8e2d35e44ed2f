#pragma once

#include "core/Module1.h"

#include <QDialog>

// An effect dialog (clock wizard, marquee, jump menu, inline frame, background sound).
// Its finishing button (OK, Done) fills the insertion strings and PreviewSource and then
// hands over: the dialog closes its modal display with handedOver set, and Effects shows
// the preview. "<< Edit special effect" shows the same instance again, entries kept and
// without its load step.
class EffectDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

    // The load step: runs once when the dialog is loaded, never when Edit shows it again.
    virtual void Form_Load() {}

    // Set by handOver(); Effects clears it before each display.
    bool handedOver = false;

protected:
    // The finishing button's last step: the insertion strings and PreviewSource filled
    // with the effect, the modal display closed for the preview.
    void handOver(int previewSource, const QString& snippet, const QString& bodyStart) {
        Module1::PendingSnippet = snippet;
        Module1::PendingBodyStart = bodyStart;
        Module1::PreviewSource = previewSource;
        handedOver = true;
        accept();
    }
};
