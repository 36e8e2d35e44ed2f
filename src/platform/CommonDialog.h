#pragma once

#include <QString>
#include <QtGlobal>

class QWidget;

// The open, save, colour and font dialogs, with the properties their callers set
// before showing one. Each Show... returns false when the user cancels.
class CommonDialog {
public:
    // Flags: ask before an existing file is chosen in the save dialog.
    static constexpr int cdlOFNOverwritePrompt = 2;

    QString FileName;
    QString DialogTitle;
    QString Filter; // "Label|pattern;pattern|Label|pattern"
    QString InitDir;
    int Flags = 0;
    bool CancelError = false;
    int FilterIndex = 1; // 1-based entry of Filter
    quint32 Color = 0;   // 0x00BBGGRR
    // The font dialog's choice; set before showing it, they are its starting font.
    QString FontName;
    float FontSize = 0; // points; 0: the program font's size, or unknown
    bool FontBold = false;
    bool FontItalic = false;

    bool ShowOpen(QWidget* parent = nullptr);
    bool ShowSave(QWidget* parent = nullptr);
    bool ShowColor(QWidget* parent = nullptr);
    bool ShowFont(QWidget* parent = nullptr);

    // The one dialog control every file and colour service shares.
    static CommonDialog& Shared();

    // "Label|*.a;*.b|..." as name filters of a file dialog: one entry per label, its
    // patterns matched in any letter case, "*.*" meaning every file.
    static QStringList NameFilters(const QString& filter);

private:
    bool showFileDialog(QWidget* parent, bool save);
};
