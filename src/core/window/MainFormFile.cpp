#include "core/window/MainForm.h"

#include "core/CFile.h"
#include "core/Module1.h"
#include "core/PageFile.h"
#include "core/window/LinkedFiles.h"
#include "core/window/frmOptions.h"
#include "core/window/frmPublishLocalPrompt.h"
#include "core/window/frmViewSource.h"
#include "platform/DHTMLEdit.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"
#include "platform/Settings.h"

#include <QApplication>
#include <QPointer>
#include <optional>

// The page's life: New, Open, Save, Save As, Print, the question before a changed page
// is lost, the browser preview, and the source view and options dialogs.

using namespace Module1;

namespace {

// New's page (the start-up page differs: there the body's parts are on lines of their
// own).
const QString NewPage = QStringLiteral("<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n"
                                       "<BODY><DIV>&nbsp;</DIV>\r\n\r\n</BODY>\r\n</HTML>");
const QString SaveFilter =
    QStringLiteral("All Files (*.*)|*.*|HTML files (*.html, *.htm)|*.html;*.htm");
const QString SupportAddress = QStringLiteral("support@tessaly.example");
// The changed page as the browser is shown it, beside the page so that its relative
// references work.
const QString BrowserCopyName = QStringLiteral("tesytemp.htm");

// The application's hourglass while a save works; questions and messages are asked
// with the ordinary pointer.
class BusyPointer {
public:
    BusyPointer() { resume(); }
    ~BusyPointer() { pause(); }
    void pause() {
        if (on_)
            QApplication::restoreOverrideCursor();
        on_ = false;
    }
    void resume() {
        if (!on_)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        on_ = true;
    }

private:
    bool on_ = false;
};

PlatformError unexpected() {
    return PlatformError(ErrorCode::Unexpected, "Unexpected error");
}

// The folder of a path, with its last separator ("" when it has none).
QString folderOf(const QString& path) {
    const qsizetype cut = qMax(path.lastIndexOf('/'), path.lastIndexOf('\\'));
    return cut < 0 ? QString() : path.left(cut + 1);
}

} // namespace

void MainForm::FileNew_Click() {
    QPointer<MainForm> self(this);
    int32_t answer = 2;
    try {
        answer = PromptSaveChanges();
    } catch (const PlatformError&) {
        traceSkipped(std::source_location::current());
        return;
    }
    if (!self || answer == 2)
        return;
    try {
        DHTMLEdit1->NewDocument();
    } catch (const PlatformError& e) {
        // The engine stopped: the surface brings the page back as it was, save method
        // and all, and says so.
        if (e.Surface != SurfaceFailure::None)
            return;
    }
    PublishLocalMode.clear();
    skipErrors([&] { DHTMLEdit1->setDocumentHTML(NewPage, false); });
    skipErrors([&] { UpdateCaption(); });
}

void MainForm::FileOpen_Click() {
    QPointer<MainForm> self(this);
    skipErrors([&] { DisableEditingControls(); });
    if (!self)
        return; // deleted by what ran while the controls were disabled
    int32_t answer = 2;
    try {
        answer = PromptSaveChanges();
    } catch (const PlatformError&) {
        traceSkipped(std::source_location::current());
        answer = 2;
    }
    if (!self)
        return;
    bool loaded = false;
    if (answer != 2) {
        const QString savedMode = PublishLocalMode;
        PublishLocalMode.clear();
        std::optional<int32_t> failure;
        bool engineStopped = false;
        try {
            loaded = DHTMLEdit1->LoadDocument(QString(), true);
        } catch (const PlatformError& e) {
            if (e.Surface == SurfaceFailure::SurfaceClosed)
                return;
            failure = e.Number;
            engineStopped = e.Surface == SurfaceFailure::EngineStopped;
        } catch (const std::exception&) {
            // Anything else (memory running out on a huge file) is told as unexpected.
            failure = ErrorCode::Unexpected;
        }
        if (!self)
            return;
        if (failure) {
            QString message =
                "Error occurred while loading document: " + LoadErrorReason(*failure) + ".";
            // The engine stopped during the load (a page too large for it, say): the
            // surface has brought back the page that was there, and one message tells both.
            if (engineStopped) {
                QString notice;
                skipErrors([&] { notice = DHTMLEdit1->takeRestoreNotice(); });
                if (!self)
                    return;
                if (!notice.isEmpty())
                    message += "\r\n\r\n" + notice;
            }
            skipErrors([&] { MsgBox(message, vb::vbCritical, QString(), this); });
            if (!self)
                return;
            // A file that is no page was refused before the page was touched, and a page
            // that came back is the user's: the user goes on with it as it was.
            if (*failure == ErrorCode::NotAWebPage || engineStopped)
                PublishLocalMode = savedMode;
            else
                skipErrors([&] { DHTMLEdit1->NewDocument(); });
        }
    }
    skipErrors([&] { UpdateCaption(); });
    skipErrors([&] { ApplyBeginnerToolbar(); });
    // Told once the page is up, so that the user sees what it is about.
    if (loaded)
        skipErrors([&] { tellUnreadableCharacters(); });
}

void MainForm::tellUnreadableCharacters() {
    const qsizetype count = DHTMLEdit1->UnreadableCharacters();
    if (count > 0)
        MsgBox(UnreadableCharactersMessage(count, DHTMLEdit1->CharacterSet()), vb::vbExclamation,
               QString(), this);
}

void MainForm::FileSave_Click() {
    SavePage(DHTMLEdit1->CurrentDocumentPath().isEmpty());
}

void MainForm::FileSaveAs_Click() {
    SavePage(true);
}

void MainForm::mnuFilePrint_Click() {
    try {
        DHTMLEdit1->PrintDocument(true);
    } catch (const std::exception&) {
        skipErrors([&] {
            MsgBox("Error occurred while printing document.", vb::vbCritical, QString(), this);
        });
    }
}

int32_t MainForm::PromptSaveChanges() {
    QPointer<MainForm> self(this);
    bool dirty = true;
    try {
        dirty = DHTMLEdit1->IsDirty();
    } catch (const PlatformError&) {
        // A surface that cannot answer may hold changes: ask.
        traceSkipped(std::source_location::current());
        dirty = true;
    }
    if (!self)
        return 2;
    if (!dirty)
        return 0;
    const int answer =
        MsgBox("The current document has changed.\r\n\r\nDo you want to save changes?",
               vb::vbYesNoCancel | vb::vbExclamation, QString(), this);
    if (!self || answer == vb::vbCancel)
        return 2;
    if (answer == vb::vbNo)
        return 7;
    return SavePage(DHTMLEdit1->CurrentDocumentPath().isEmpty()) ? 1 : 2;
}

bool MainForm::SavePage(bool askForName) {
    // The window may go while the save waits for its page (whoever holds it deletes
    // it): from then on nothing of it is touched.
    QPointer<MainForm> self(this);
    BusyPointer busy;

    // The save method; any failure before the file name is chosen is a save that did
    // not happen.
    try {
        DisableEditingControls();
        if (!self)
            return false; // deleted by what ran while the controls were disabled
        if (PublishLocalMode.isEmpty())
            PublishLocalMode = GetSetting(AppKey, "Misc", "PublishLocal", "");
        if (PublishLocalMode.isEmpty()) {
            PublishPromptCancelled = false;
            busy.pause();
            frmPublishLocalPrompt prompt(this);
            prompt.exec();
            busy.resume();
            if (!self || PublishPromptCancelled)
                return false;
        } else if (PublishLocalMode != "Copy" && PublishLocalMode != "AbsolutePath") {
            PublishLocalMode = "Copy";
        }
    } catch (const PlatformError&) {
        traceSkipped(std::source_location::current());
        return false;
    }

    QString path;
    if (askForName) {
        CFile file;
        file.setFilter(SaveFilter);
        file.setFilterIndex(2);
        file.setOwner(this);
        QString chosen;
        busy.pause();
        try {
            chosen = file.GetFileNameForSave();
        } catch (const PlatformError&) {
            traceSkipped(std::source_location::current());
            chosen.clear();
        }
        busy.resume();
        if (!self || chosen.isEmpty() || file.PathAndFilename().isEmpty())
            return false;
        path = file.PathAndFilename();
    } else {
        path = DHTMLEdit1->CurrentDocumentPath();
    }

    // From here every step's failure is kept for the report.
    std::optional<PlatformError> failure;
    auto step = [&](auto&& statement) {
        try {
            statement();
            return true;
        } catch (const PlatformError& e) {
            if (!failure)
                failure = e;
        } catch (const std::exception&) {
            // Anything else (memory running out) is reported as unexpected.
            if (!failure)
                failure = unexpected();
        }
        return false;
    };

    auto surfaceClosed = [&] {
        return !self || (failure && failure->Surface == SurfaceFailure::SurfaceClosed);
    };

    QString html;
    const bool haveHtml = step([&] { html = DHTMLEdit1->DocumentHTML(); });
    if (surfaceClosed())
        return false;
    if (haveHtml && html.isEmpty()) {
        // Nothing to write: the page is not safe on disk, so the save did not happen.
        busy.pause();
        skipErrors([&] {
            MsgBox("An error occurred while saving your Web page.  Please contact " +
                       SupportAddress + " for assistance.",
                   vb::vbOKOnly, QString(), this);
        });
        return false;
    }
    // The linked files follow the page to where it is written; what could not come
    // along is told once the page is safe. The editor shows the rewritten references
    // with the reload: a page that could not be written keeps references that work
    // where it still is.
    QStringList notCopied;
    if (haveHtml) {
        const LinkedFiles::Request request{path, DHTMLEdit1->CurrentDocumentPath(),
                                           PublishLocalMode == "Copy"
                                               ? LinkedFiles::Method::Copy
                                               : LinkedFiles::Method::AbsolutePath,
                                           QString()};
        skipErrors([&] {
            LinkedFiles::Result linked = LinkedFiles::Publish(html, request);
            html = linked.html;
            notCopied = linked.notCopied;
        });
    }
    // A failed write leaves the page as it is in the editor: reloading the old file
    // would throw the user's changes away. The reload keeps the set the file was written
    // in and the user's place in the page.
    const QString charset = DHTMLEdit1->CharacterSet();
    const bool written = haveHtml && step([&] { PageFile::WritePage(path, html, charset); });
    if (written)
        step([&] { DHTMLEdit1->ReloadDocument(path, charset); });
    if (surfaceClosed())
        return false;
    unsetCursor();

    bool saved = true;
    if (failure) {
        saved = false;
        busy.pause();
        const int32_t code = failure->Number;
        QString message = "Error occurred while saving document: " + QString::number(code) + " " +
                          SaveErrorReason(code) + ".";
        // A page that could not be read was not written: the file keeps what it had and
        // the editor keeps the page with its changes.
        if (!haveHtml)
            message += "\r\n\r\nYour Web page was not saved; the file on disk is unchanged.";
        // When the engine stopped, the surface has brought the page back from its copy:
        // one message tells both.
        if (failure->Surface == SurfaceFailure::EngineStopped) {
            QString notice;
            skipErrors([&] { notice = DHTMLEdit1->takeRestoreNotice(); });
            if (!self)
                return false;
            if (!notice.isEmpty())
                message += (haveHtml ? "\r\n\r\n" : " ") + notice;
        }
        skipErrors([&] { MsgBox(message, vb::vbCritical, QString(), this); });
        if (!self)
            return false;
    } else if (!notCopied.isEmpty()) {
        busy.pause();
        skipErrors([&] {
            MsgBox(LinkedFiles::NotCopiedMessage(notCopied), vb::vbExclamation, QString(), this);
        });
        if (!self)
            return saved;
    }
    skipErrors([&] { ApplyBeginnerToolbar(); });
    skipErrors([&] { UpdateCaption(); });
    return saved;
}

void MainForm::BrowserPreview() {
    auto pagePath = [this] {
        QString path;
        skipErrors([&] { path = DHTMLEdit1->CurrentDocumentPath(); });
        return path;
    };
    QString path = pagePath();
    if (path.isEmpty()) {
        skipErrors([&] {
            MsgBox("Please save the Web page in order to view it using a browser.", vb::vbOKOnly,
                   QString(), this);
        });
        skipErrors([&] { FileSave_Click(); });
        path = pagePath();
        if (path.isEmpty())
            return;
    } else {
        bool dirty = false;
        skipErrors([&] { dirty = DHTMLEdit1->IsDirty(); });
        if (dirty) {
            BusyPointer busy;
            const QString copy = folderOf(path) + BrowserCopyName;
            // A copy that could not be written is not shown: an older one would
            // pass for the page.
            skipErrors([&] {
                PageFile::WritePage(copy, DHTMLEdit1->DocumentHTML(), DHTMLEdit1->CharacterSet());
                path = copy;
            });
        }
    }
    ShellOpen(this, path);
}

void MainForm::ShowSourceView() {
    frmViewSource dialog(DHTMLEdit1, this);
    dialog.exec();
}

void MainForm::ShowOptions() {
    frmOptions dialog(this);
    connect(&dialog, &frmOptions::BeginnerToolbarChosen, this,
            [this] { skipErrors([&] { ApplyBeginnerToolbar(); }); });
    dialog.exec();
}
