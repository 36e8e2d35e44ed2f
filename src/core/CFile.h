#pragma once

#include <QString>

class QWidget;

// The one way the program asks the user for a file name: the save dialog of the page
// and every Browse button. A caller makes a fresh CFile, sets what it needs, calls one
// operation and reads the result; cancelling is "no choice" (an empty result).
class CFile {
public:
    // The browse kinds: each a preset filter with its own file type preselected.
    enum BrowseKind : int {
        WebPages = 0,
        Graphics = 1,
        Multimedia = 2,
        ClassFiles = 3,
        Text = 4,
        Programs = 5,
        Sounds = 6,
        Video = 7,
        Custom = 8, // the Filter and InitDir properties
    };

    // Shows the save dialog (title "Save...", the overwrite question); returns the
    // chosen full path, or "" when cancelled.
    QString GetFileNameForSave();
    // Shows the open dialog (title DialogTitle) of a kind; returns the chosen full path,
    // or "" when cancelled.
    QString BrowseForFile(int intType);
    // The text after the last "/" or "\" (all of it when there is none).
    static QString GetFileName(const QString& strFullFilename);
    // The text before the last "/" or "\"; throws PlatformError (invalid argument)
    // when there is none.
    static QString GetPath(const QString& strFullFilename);

    // The filter text of a browse kind ("" for a kind without one).
    static QString FilterForKind(int intType);
    // The folder a dialog starts in for an InitDir: a drive root ("C:\") is the home
    // folder; anything else is used as it is.
    static QString DialogFolder(const QString& initDir);

    QString Path() const { return path_; }
    void setPath(const QString& v) { path_ = v; }
    QString Filename() const { return filename_; }
    void setFilename(const QString& v) { filename_ = v; }
    QString PathAndFilename() const { return pathAndFilename_; }
    void setPathAndFilename(const QString& v) { pathAndFilename_ = v; }
    bool CancelError() const { return cancelError_; }
    void setCancelError(bool v) { cancelError_ = v; }
    QString DialogTitle() const { return dialogTitle_; }
    void setDialogTitle(const QString& v) { dialogTitle_ = v; }
    int FilterIndex() const { return filterIndex_; }
    void setFilterIndex(int v) { filterIndex_ = v; }
    QString Filter() const { return filter_; }
    void setFilter(const QString& v) { filter_ = v; }
    QString InitDir() const { return initDir_; }
    void setInitDir(const QString& v) { initDir_ = v; }

    // The window the dialogs belong to (the active one when not set).
    void setOwner(QWidget* owner) { owner_ = owner; }

private:
    void takeChoice(const QString& chosen);

    QString initDir_ = QStringLiteral("C:\\");
    QString filter_ = QStringLiteral("All Files (*.*)|*.*");
    int filterIndex_ = 1;
    QString dialogTitle_ = QStringLiteral("Browse");
    bool cancelError_ = true;
    QString pathAndFilename_;
    QString filename_;
    QString path_;
    QWidget* owner_ = nullptr;
};
