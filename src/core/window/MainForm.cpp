#include "core/window/MainForm.h"

#include "core/Module1.h"
#include "core/window/AboutFrm.h"
#include "core/window/CommandGate.h"
#include "core/window/MainLayout.h"
#include "core/window/ShortcutBar.h"
#include "platform/DHTMLEdit.h"
#include "platform/Help.h"
#include "platform/ListBar.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"
#include "platform/Settings.h"
#include "platform/Twips.h"
#include "platform/WindowPlacement.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QPointer>

// The window's start-up and closing, the View and Help menus and the shortcut bar's
// items. Menus and toolbars are built in MainFormMenus.cpp, the layout in
// MainFormLayout.cpp.

using namespace Module1;

namespace {

// The start-up page.
const QString StartPage = QStringLiteral("<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n"
                                         "<BODY>\r\n<DIV>&nbsp;</DIV>\r\n</BODY>\r\n</HTML>");

} // namespace

MainForm::MainForm(const QStringList& arguments, QWidget* parent) : QMainWindow(parent) {
    setObjectName("MainForm");
    setWindowTitle("Tessaly");
    // The window places itself from its settings; every other window is kept in place.
    setProperty("placesItself", true);
    WindowPlacement::KeepWindowsInPlace();
    Help::InstallF1Handler();
    setProperty("HelpContextID", 0);

    gate_ = new CommandGate(this);
    client_ = new QWidget(this);
    client_->setObjectName("MainFormClient");
    setCentralWidget(client_);
    client_->installEventFilter(this);

    DHTMLEdit1 = new DHTMLEdit(client_);
    // The dialogs work on the page this window edits.
    SetWindowEditor(DHTMLEdit1);
    createToolbars();
    createShortcutBar();
    createStatusBar();
    createFileMenu();
    createEditMenu();
    createViewMenu();
    createInsertMenu();
    createFormatMenu();
    createPositionMenu();
    createHelpMenu();
    connectEditor();

    Form_Load(arguments);
}

MainForm::~MainForm() {
    // Nothing that goes with the window may reach its surface while it is taken down.
    if (Editor() == DHTMLEdit1)
        SetWindowEditor(nullptr);
}

void MainForm::connectEditor() {
    connect(DHTMLEdit1, &DHTMLEdit::DocumentComplete, this, &MainForm::DHTMLEdit1_DocumentComplete);
    connect(DHTMLEdit1, &DHTMLEdit::DisplayChanged, this, &MainForm::DHTMLEdit1_DisplayChanged);
    connect(DHTMLEdit1, &DHTMLEdit::ShowContextMenu, this, &MainForm::DHTMLEdit1_ShowContextMenu);
    connect(DHTMLEdit1, &DHTMLEdit::ContextMenuAction, this, [this](int itemIndex) {
        runCommand(
            QString("ContextMenu_%1").arg(itemIndex),
            [this, itemIndex] { DHTMLEdit1_ContextMenuAction(itemIndex); }, true);
    });
    // The caption names the page the surface holds, whatever changed it (a page that
    // came back after the engine stopped, a load that another replaced).
    connect(DHTMLEdit1, &DHTMLEdit::CurrentDocumentPathChanged, this,
            [this] { skipErrors([&] { UpdateCaption(); }); });
    // The ticks show the surface's options, whoever set them.
    connect(DHTMLEdit1, &DHTMLEdit::ShowBordersChanged, ViewSub[0], &QAction::setChecked);
    connect(DHTMLEdit1, &DHTMLEdit::ShowDetailsChanged, ViewSub[1], &QAction::setChecked);
    connect(DHTMLEdit1, &DHTMLEdit::SnapToGridChanged, EditSub[10], &QAction::setChecked);
}

// The title names the page the surface holds.
void MainForm::UpdateCaption() {
    QString caption = "Tessaly";
    const QString path = DHTMLEdit1->CurrentDocumentPath();
    if (!path.isEmpty())
        caption += " - " + QDir::toNativeSeparators(path);
    setWindowTitle(caption);
}

// ---- start-up --------------------------------------------------------------------

void MainForm::Form_Load(const QStringList& arguments) {
    editorReady = false;
    skipErrors([&] { Help::SetHelpFile(QCoreApplication::applicationDirPath() + "/tessaly.hlp"); });

    // The window's own rectangle; a side with no stored size, and the first run, take the
    // available area of the primary screen (the screen less its panels).
    const QRect area = WindowPlacement::AvailableAreas().value(0, QRect(0, 0, 1024, 768));
    int left = LeadingNumber(GetSetting(AppKey, "Window", "LeftXCoord", "0"));
    int top = LeadingNumber(GetSetting(AppKey, "Window", "LeftYCoord", "0"));
    int w = LeadingNumber(GetSetting(AppKey, "Window", "WindowXSize", "5000"));
    int h = LeadingNumber(GetSetting(AppKey, "Window", "WindowYSize", "5000"));
    const bool firstRun = h == 5000 && w == 5000;
    if (w <= 0 || firstRun)
        w = Twips::fromPixels(area.width());
    if (h <= 0 || firstRun)
        h = Twips::fromPixels(area.height());
    if (firstRun) {
        left = Twips::fromPixels(area.x());
        top = Twips::fromPixels(area.y());
    }
    placeWindow(QRect(left, top, w, h));

    skipErrors([&] { LoadShortcutBar(); });

    fontNames = {"Times New Roman", "Arial",     "Tahoma", "Courier",
                 "Verdana",         "Wingdings", "more..."};
    fontSizes = {"1", "2", "3", "4", "5", "6", "7"};
    FontCombo->addItems(fontNames);
    FontSizeCombo->addItems(fontSizes);
    FontCombo->setCurrentIndex(0);
    FontSizeCombo->setCurrentIndex(0);

    skipErrors([&] { InitFormatButtons(); });
    skipErrors([&] { InitMenuCommands(); });
    skipErrors([&] { DisableEditingControls(); });

    skipErrors([&] { DHTMLEdit1->setUseDivOnCarriageReturn(true); });
    DHTMLEdit1->raise();
    skipErrors([&] { DHTMLEdit1->setDocumentHTML(StartPage, false); });

    if (GetSetting(AppKey, "Misc", "ShowShortcutBar", "yes") == "yes") {
        const int width = LeadingNumber(GetSetting(AppKey, "Window", "ShortcutbarWidth", ""));
        if (width != 0)
            setBarWidth(width);
        splitterLeft_ = MainLayout::SplitterLeftAtStart(barWidth());
        const QString group = QString::number(
            LeadingNumber(GetSetting(AppKey, "Misc", "DefaultShortcutBarGroup", ""), 32));
        // Group "0" is the first group, "1" the second, and so on.
        skipErrors([&] { SSListBar1->setCurrentGroup(group.toInt() + 1); });
        SetShortcutBarVisible(true);
    } else {
        splitterLeft_ = MainLayout::SplitterLeftAtStart(barWidth());
        SetShortcutBarVisible(false);
    }
    picShortcutBar_Resize();

    DHTMLEdit1->setFocus();

    if (GetSetting(AppKey, "Misc", "ViewBorders", "no") == "yes")
        ViewSub_Click(0);

    ApplyBeginnerToolbar();

    const QString page = arguments.join(' ');
    if (!page.isEmpty()) {
        const QString path = QFileInfo(page).absoluteFilePath();
        try {
            DHTMLEdit1->LoadDocument(path);
            if (const qsizetype count = DHTMLEdit1->UnreadableCharacters(); count > 0) {
                startupError_ = UnreadableCharactersMessage(count, DHTMLEdit1->CharacterSet());
                startupErrorIcon_ = vb::vbExclamation;
            }
        } catch (const PlatformError& e) {
            // Told once the window is up, not over an empty screen.
            startupError_ =
                "Error occurred while loading document: " + LoadErrorReason(e.Number) + ".";
            startupErrorIcon_ = vb::vbCritical;
            skipErrors([&] { DHTMLEdit1->setDocumentHTML(StartPage, false); });
        }
        // The caption names the page's file, as after Open: the browser preview and Save
        // go by it.
        skipErrors([&] { UpdateCaption(); });
    } else {
        FileNew_Click();
    }
}

void MainForm::reportStartupError() {
    if (startupError_.isEmpty())
        return;
    const QString text = startupError_;
    startupError_.clear();
    skipErrors([&] { MsgBox(text, startupErrorIcon_, QString(), this); });
}
// ---- View and Help ---------------------------------------------------------------------

void MainForm::ViewSub_Click(int index) {
    switch (index) {
    case 0:
        skipErrors([&] { DHTMLEdit1->setShowBorders(!DHTMLEdit1->ShowBorders()); });
        break;
    case 1:
        skipErrors([&] { DHTMLEdit1->setShowDetails(!DHTMLEdit1->ShowDetails()); });
        break;
    case 2:
        skipErrors([&] { ShowSourceView(); });
        break;
    case 4:
        SetShortcutBarVisible(!ViewSub[4]->isChecked());
        break;
    case 5:
        ViewSub[5]->setChecked(!ViewSub[5]->isChecked());
        SaveSetting(AppKey, "Misc", "BeginnerToolbar", ViewSub[5]->isChecked() ? "yes" : "no");
        ApplyBeginnerToolbar();
        break;
    case 7:
        skipErrors([&] { ShowOptions(); });
        break;
    default:
        break;
    }
}

void MainForm::mnuHelpContents_Click() {
    FontCombo->setFocus();
    setProperty("HelpContextID", 0);
    Help::SendF1(this);
}

void MainForm::mnuAbout_Click() {
    AboutFrm about(this);
    about.exec();
}

// ---- closing ----------------------------------------------------------------------------

bool MainForm::runCommand(const QString& key, const std::function<void()>& command, bool eachTime) {
    return gate_->run(key, command,
                      eachTime ? CommandGate::Repeat::EachTime : CommandGate::Repeat::Once);
}

void MainForm::FileExit_Click() {
    close();
}

void MainForm::closeEvent(QCloseEvent* event) {
    // The close is a command too. One that comes while another command runs is not asked
    // inside it: it comes back once that one has ended, with its question then. One that
    // comes while the close itself asks or saves is that same close.
    if (inQueryUnload_) {
        event->ignore();
        return;
    }
    if (gate_->busy() && gate_->running() != "close") {
        event->ignore();
        gate_->run("close", [this] { close(); });
        return;
    }
    QPointer<MainForm> self(this);
    bool cancel = false;
    const auto query = [&] {
        inQueryUnload_ = true;
        Form_QueryUnload(cancel);
        if (self)
            inQueryUnload_ = false;
    };
    if (gate_->running() == "close")
        query();
    else
        gate_->run("close", query);
    if (!self)
        return;
    if (cancel) {
        event->ignore();
        return;
    }
    // Nothing that waited for the close makes sense once the window is gone.
    gate_->stop();
    Form_Unload();
    event->accept();
}

void MainForm::Form_QueryUnload(bool& cancel) {
    QPointer<MainForm> self(this);
    bool dirty = false;
    try {
        dirty = DHTMLEdit1->IsDirty();
    } catch (const PlatformError&) {
        // A surface that cannot answer may hold changes: ask.
        dirty = true;
    }
    if (!self || !dirty)
        return;
    const int answer =
        MsgBox("The current document has changed.\r\n\r\nDo you want to save changes?",
               vb::vbYesNoCancel | vb::vbExclamation, QString(), this);
    if (!self)
        return;
    if (answer == vb::vbCancel) {
        cancel = true;
    } else if (answer == vb::vbYes) {
        bool saved = false;
        try {
            saved = SavePage(DHTMLEdit1->CurrentDocumentPath().isEmpty());
        } catch (const PlatformError&) {
            traceSkipped(std::source_location::current());
            saved = false;
        }
        // A save that did not complete keeps the window and the page.
        if (self && !saved)
            cancel = true;
    }
}

void MainForm::Form_Unload() {
    if (!isMinimized() && !isMaximized()) {
        SaveSetting(AppKey, "Window", "LeftXCoord", QString::number(windowLeft()));
        SaveSetting(AppKey, "Window", "LeftYCoord", QString::number(windowTop()));
        SaveSetting(AppKey, "Window", "WindowXSize", QString::number(windowWidth()));
        SaveSetting(AppKey, "Window", "WindowYSize", QString::number(windowHeight()));
        SaveSetting(AppKey, "Window", "ShortcutbarWidth", QString::number(barWidth()));
    }
    // The program ends with its main window: every other window goes with it.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible())
            w->close();
}
// ---- shortcut bar -------------------------------------------------------------------------

void MainForm::LoadShortcutBar() {
    ShortcutBar::Load(SSListBar1);
}

void MainForm::SSListBar1_ItemClick(const QString& key) {
    runCommand("SSListBar1_" + key, [this, key] { ShortcutBar::ItemClick(this, SSListBar1, key); });
}
