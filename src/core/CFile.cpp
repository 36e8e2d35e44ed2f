#include "core/CFile.h"

#include "platform/CommonDialog.h"
#include "platform/PlatformError.h"

#include <QDir>
#include <QRegularExpression>

namespace {

// Every kind preselects its second entry: for the preset kinds that is the kind's own
// file type rather than "All Files".
constexpr int BrowseFilterIndex = 2;

qsizetype lastSeparator(const QString& s) {
    return qMax(s.lastIndexOf(QLatin1Char('/')), s.lastIndexOf(QLatin1Char('\\')));
}

} // namespace

QString CFile::FilterForKind(int intType) {
    switch (intType) {
    case WebPages:
        return "All Files (*.*)|*.*|Web page files (*.html, *.htm, *.shtml, *.asp, *.php, "
               "*.phtml)|*.html;*.htm;*.shtml;*.asp;*.php;*.phtml|HTML files (*.html, "
               "*.htm)|*.html;*.htm|ASP Files (*.asp)|*.asp|PHP Files (*.php, *.php3, "
               "*.phtml)|*.php;*.php3;*.phtml";
    case Graphics:
        return "All Files (*.*)|*.*|Graphics Files (*.jpeg, *.jpg, *.gif, "
               "*.png)|*.jpeg;*.jpg;*.gif;*.png|GIF Files (*.gif)|*.gif|JPEG Files (*.jpeg, "
               "*.jpg)|*.jpeg;*.jpg";
    case Multimedia:
        return "All Files (*.*)|*.*|Multimedia files (*.wav, *.au, *.mid, *.swf, *.avi, *.mov, "
               "*.mpeg, *.mpg)|*.wav;*.au;*.mid;*.swf;*.avi;*.mov;*.mpeg;*.mpg|WAV Files "
               "(*.wav)|*.wav|AU Files (*.au)|*.au|MIDI Files (*.mid)|*.mid|Flash Files "
               "(*.swf)|*.swf|Video Files (*.avi, *.mov, *.mpeg, *.mpg)|*.avi;*.mov;*.mpeg;*.mpg";
    case ClassFiles:
        return "All Files (*.*)|*.*|Java Class files (*.class)|*.class|Java Archive files "
               "(*.jar)|*.jar";
    case Text:
        return "All Files (*.*)|*.*|Text Files (*.txt)|*.txt";
    case Programs:
        return "All Files (*.*)|*.*|EXE Files (*.exe)|*.exe";
    case Sounds:
        return "All Files (*.*)|*.*|WAV Files (*.wav)|*.wav|AU Files (*.au)|*.au|MIDI Files "
               "(*.mid)|*.mid";
    case Video:
        return "All Files (*.*)|*.*|Video Files (*.avi, *.mov, *.mpeg, *.mpg)|*.avi;*.mov;*.mpeg;"
               "*.mpg";
    default:
        return QString();
    }
}

QString CFile::DialogFolder(const QString& initDir) {
    // A drive root ("C:\") has no counterpart here: the dialogs start in the home folder.
    static const QRegularExpression driveRoot(R"(^[A-Za-z]:[\\/]?$)");
    if (driveRoot.match(initDir).hasMatch())
        return QDir::homePath();
    return initDir;
}

QString CFile::BrowseForFile(int intType) {
    const bool custom = intType == Custom;
    const QString filter = custom ? filter_ : FilterForKind(intType);
    const QString folder = custom ? DialogFolder(initDir_) : QString();

    CommonDialog& dialog = CommonDialog::Shared();
    dialog.CancelError = true;
    dialog.InitDir = folder;
    dialog.Filter = filter;
    dialog.FilterIndex = BrowseFilterIndex;
    dialog.DialogTitle = dialogTitle_;
    dialog.FileName.clear();
    if (!dialog.ShowOpen(owner_))
        return QString(); // no choice: the path properties stay as they were
    takeChoice(dialog.FileName);
    return dialog.FileName;
}

QString CFile::GetFileNameForSave() {
    CommonDialog& dialog = CommonDialog::Shared();
    dialog.InitDir = DialogFolder(initDir_);
    dialog.Filter = filter_;
    dialog.FilterIndex = filterIndex_;
    dialog.Flags = CommonDialog::cdlOFNOverwritePrompt;
    dialog.CancelError = cancelError_;
    dialog.DialogTitle = QStringLiteral("Save...");
    dialog.FileName.clear();
    if (!dialog.ShowSave(owner_)) {
        if (!cancelError_) {
            // Without the cancel error the dialog hands back its empty name.
            pathAndFilename_.clear();
            filename_.clear();
        }
        return QString();
    }
    takeChoice(dialog.FileName);
    return dialog.FileName;
}

QString CFile::GetFileName(const QString& strFullFilename) {
    return strFullFilename.mid(lastSeparator(strFullFilename) + 1);
}

QString CFile::GetPath(const QString& strFullFilename) {
    const qsizetype p = lastSeparator(strFullFilename);
    if (p < 0)
        throw PlatformError(ErrorCode::InvalidArgument, "Invalid procedure call or argument");
    return strFullFilename.left(p);
}

void CFile::takeChoice(const QString& chosen) {
    pathAndFilename_ = chosen;
    filename_ = GetFileName(chosen);
    // A name without a folder leaves Path as it was.
    skipErrors([&] { path_ = GetPath(chosen); });
}
