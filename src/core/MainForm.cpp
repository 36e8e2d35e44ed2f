#include "core/MainForm.h"

#include "core/MainLayout.h"
#include "core/Module1.h"
#include "core/SplitterBar.h"
#include "platform/DHTMLEdit.h"
#include "platform/Help.h"
#include "platform/ListBar.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"
#include "platform/Settings.h"
#include "platform/Twips.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

using namespace Module1;

namespace {

const QString AppKey = QStringLiteral("TSLY");

// The panel's width before any setting changes it.
constexpr int DesignBarWidth = 2400;
// Inside the panel: the title's height and where the list bar starts.
constexpr int TitleHeight = 285;
constexpr int ListBarTop = 330;
// The toolbars' heights in pixels: the standard toolbar and the formatting toolbar
// fill the 720 twips above the editing surface, the beginner toolbar and the
// formatting toolbar the 930 twips.
constexpr int FormattingBarHeight = 24;
constexpr int StandardBarHeight = 24;
constexpr int BeginnerBarHeight = 38;

// The start-up page.
const QString StartPage = QStringLiteral("<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n"
                                         "<BODY>\r\n<DIV>&nbsp;</DIV>\r\n</BODY>\r\n</HTML>");

QIcon icon(const QString& name) {
    const QString file = QCoreApplication::applicationDirPath() + "/icons/" + name + ".png";
    return QFileInfo::exists(file) ? QIcon(file) : QIcon();
}

QString iconName(const QString& key) {
    return key.toLower().remove(' ');
}

QAction* separator(QObject* parent, const QString& name) {
    auto* a = new QAction(parent);
    a->setSeparator(true);
    a->setObjectName(name);
    return a;
}

} // namespace

MainForm::MainForm(const QStringList& arguments, QWidget* parent) : QMainWindow(parent) {
    setObjectName("MainForm");
    setWindowTitle("Tessaly");
    SetMain(this);
    Help::InstallF1Handler();
    setProperty("HelpContextID", 0);

    client_ = new QWidget(this);
    client_->setObjectName("MainFormClient");
    setCentralWidget(client_);
    client_->installEventFilter(this);

    DHTMLEdit1 = new DHTMLEdit(client_);
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
    if (Main() == this)
        SetMain(nullptr);
}

// ---- building the window --------------------------------------------------------

void MainForm::createFileMenu() {
    File = menuBar()->addMenu("&File");
    File->setObjectName("File");
    auto item = [this](QAction*& a, const QString& name, const QString& caption,
                       const QKeySequence& key, void (MainForm::*handler)()) {
        a = File->addAction(caption);
        a->setObjectName(name);
        if (!key.isEmpty())
            a->setShortcut(key);
        connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    };
    item(FileNew, "FileNew", "&New", QKeySequence("Ctrl+N"), &MainForm::FileNew_Click);
    item(FileOpen, "FileOpen", "&Open...", QKeySequence("Ctrl+O"), &MainForm::FileOpen_Click);
    File->addAction(separator(File, "FileSep1"));
    item(FileSave, "FileSave", "&Save", QKeySequence("Ctrl+S"), &MainForm::FileSave_Click);
    item(FileSaveAs, "FileSaveAs", "Save &As...", {}, &MainForm::FileSaveAs_Click);
    File->addAction(separator(File, "FileSep2"));
    item(mnuFilePrint, "mnuFilePrint", "&Print...", QKeySequence("Ctrl+P"),
         &MainForm::mnuFilePrint_Click);
    File->addAction(separator(File, "FileSep3"));
    item(FileExit, "FileExit", "E&xit", {}, &MainForm::FileExit_Click);
}

void MainForm::createEditMenu() {
    Edit = menuBar()->addMenu("&Edit");
    Edit->setObjectName("Edit");
    const QStringList captions = {"&Undo",        "&Redo",       "-", "Cu&t",     "&Copy",
                                  "&Paste",       "Select &All", "-", "&Find...", "-",
                                  "&Snap To Grid"};
    const QStringList keys = {"Ctrl+Z", "Ctrl+Y", "",       "Ctrl+X", "Ctrl+C", "Ctrl+V",
                              "Ctrl+A", "",       "Ctrl+F", "",       ""};
    for (int i = 0; i < captions.size(); ++i) {
        const QString name = QString("EditSub_%1").arg(i);
        QAction* a = captions[i] == "-" ? separator(Edit, name) : new QAction(captions[i], Edit);
        a->setObjectName(name);
        if (!keys[i].isEmpty())
            a->setShortcut(QKeySequence(keys[i]));
        if (i == 10)
            a->setCheckable(true);
        if (!a->isSeparator())
            connect(a, &QAction::triggered, this, [this, i] { EditSub_Click(i); });
        Edit->addAction(a);
        EditSub << a;
    }
    connect(Edit, &QMenu::aboutToShow, this, &MainForm::Edit_Click);
}

void MainForm::createViewMenu() {
    View = menuBar()->addMenu("&View");
    View->setObjectName("View");
    const QStringList captions = {"&Borders", "&Document Details", "&Source...",
                                  "-",        "Short&cut Bar",     "Beginner &Toolbar",
                                  "-",        "&Options..."};
    for (int i = 0; i < captions.size(); ++i) {
        const QString name = QString("ViewSub_%1").arg(i);
        QAction* a = captions[i] == "-" ? separator(View, name) : new QAction(captions[i], View);
        a->setObjectName(name);
        if (i == 0 || i == 1 || i == 4 || i == 5)
            a->setCheckable(true);
        if (!a->isSeparator())
            connect(a, &QAction::triggered, this, [this, a, i] {
                // The tick belongs to the handler, not to the click.
                if (a->isCheckable())
                    a->setChecked(!a->isChecked());
                ViewSub_Click(i);
            });
        View->addAction(a);
        ViewSub << a;
    }
}

void MainForm::createInsertMenu() {
    Insert = menuBar()->addMenu("&Insert");
    Insert->setObjectName("Insert");
    connect(Insert, &QMenu::aboutToShow, this, &MainForm::Insert_Click);
    auto item = [this](QAction*& a, const QString& name, const QString& caption,
                       void (MainForm::*handler)()) {
        a = Insert->addAction(caption);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    };
    item(mnuInsertPageProperties, "mnuInsertPageProperties", "&Page Properties...",
         &MainForm::mnuInsertPageProperties_Click);
    Insert->addAction(separator(Insert, "InsertSep1"));
    item(mnuInsertAnchor, "mnuInsertAnchor", "&Anchor/Bookmark...",
         &MainForm::mnuInsertAnchor_Click);
    item(mnuInsertEmailLink, "mnuInsertEmailLink", "&Email Link...",
         &MainForm::mnuInsertEmailLink_Click);

    mnuInsertForm = Insert->addMenu("&Form");
    mnuInsertForm->setObjectName("mnuInsertForm");
    mnuInsertForm->menuAction()->setObjectName("mnuInsertForm");
    const QStringList formCaptions = {"Text &box",     "Text &area",    "&Dropdown menu",
                                      "&Password box", "&Checkbox",     "&Radio button",
                                      "&Image",        "&Hidden field", "&Submit button",
                                      "&Reset button", "&Button"};
    for (int i = 0; i < formCaptions.size(); ++i) {
        QAction* a = mnuInsertForm->addAction(formCaptions[i]);
        a->setObjectName(QString("mnuInsertFormItem_%1").arg(i));
        a->setVisible(i != 2 && i != 6); // no field behind these two
        connect(a, &QAction::triggered, this, [this, i] { mnuInsertFormItem_Click(i); });
        mnuInsertFormItem << a;
    }

    item(mnuInsertHorizLine, "mnuInsertHorizLine", "Horizontal &Line...",
         &MainForm::mnuInsertHorizLine_Click);
    item(mnuInsertHyperlink, "mnuInsertHyperlink", "&Hyperlink...",
         &MainForm::mnuInsertHyperlink_Click);
    item(mnuInsertImage, "mnuInsertImage", "&Image...", &MainForm::mnuInsertImage_Click);
    item(mnuInsertImageMap, "mnuInsertImageMap", "Image&Map...",
         &MainForm::mnuInsertImageMap_Click);
    item(InsertHTML, "InsertHTML", "H&TML...", &MainForm::InsertHTML_Click);
    item(mnuInsertSound, "mnuInsertSound", "Sou&nd...", &MainForm::mnuInsertSound_Click);
    item(mnuInsertSpecChars, "mnuInsertSpecChars", "Special &Characters...",
         &MainForm::mnuInsertSpecChars_Click);

    mnuSpecialEffects = Insert->addMenu("&Special Effects");
    mnuSpecialEffects->setObjectName("mnuSpecialEffects");
    mnuSpecialEffects->menuAction()->setObjectName("mnuSpecialEffects");
    mnuSpecialEffectsSub << nullptr;
    const QStringList effects = {"&Digital Clock...", "&Inline Frame...",
                                 "&JumpTo/Dropdown menu...", "&Marquee Scrolling text..."};
    for (int i = 1; i <= effects.size(); ++i) {
        QAction* a = mnuSpecialEffects->addAction(effects[i - 1]);
        a->setObjectName(QString("mnuSpecialEffectsSub_%1").arg(i));
        connect(a, &QAction::triggered, this, [this, i] { mnuSpecialEffectsSub_Click(i); });
        mnuSpecialEffectsSub << a;
    }

    mnuTable = Insert->addMenu("&Table");
    mnuTable->setObjectName("mnuTable");
    mnuTable->menuAction()->setObjectName("mnuTable");
    connect(mnuTable, &QMenu::aboutToShow, this, &MainForm::mnuTable_Click);
    const QStringList tableCaptions = {"&Insert Table...", "-", "Insert Row",  "Insert Column",
                                       "Insert Cell",      "-", "Delete Rows", "Delete Columns",
                                       "Delete Cells",     "-", "Merge Cells", "Split Cell"};
    for (int i = 0; i < tableCaptions.size(); ++i) {
        const QString name = QString("TableSub_%1").arg(i);
        QAction* a = tableCaptions[i] == "-" ? separator(mnuTable, name)
                                             : new QAction(tableCaptions[i], mnuTable);
        a->setObjectName(name);
        if (!a->isSeparator())
            connect(a, &QAction::triggered, this, [this, i] { TableSub_Click(i); });
        mnuTable->addAction(a);
        TableSub << a;
    }

    item(mnuTextBox, "mnuTextBox", "&Text Box...", &MainForm::mnuTextBox_Click);
}

void MainForm::createFormatMenu() {
    Format = menuBar()->addMenu("F&ormat");
    Format->setObjectName("Format");
    for (int i = 0; i < 16; ++i) {
        QAction* a = Format->addAction(QString());
        a->setObjectName(QString("FormatSub_%1").arg(i));
        a->setCheckable(true);
        a->setVisible(false); // shown once the editing surface names its formats
        connect(a, &QAction::triggered, this, [this, a, i] {
            a->setChecked(!a->isChecked());
            FormatSub_Click(i);
        });
        FormatSub << a;
    }
    connect(Format, &QMenu::aboutToShow, this, &MainForm::Format_Click);
}

void MainForm::createPositionMenu() {
    mnuPosition = menuBar()->addMenu("&Position");
    mnuPosition->setObjectName("mnuPosition");
    const QStringList captions = {"Set Position Attribute to Absolute",
                                  "Bring to &Front",
                                  "Send to &Back",
                                  "Bring Forwar&d",
                                  "Send Bac&k",
                                  "Bring &Above Text",
                                  "Send Belo&w Text",
                                  "-",
                                  "&Lock Element"};
    for (int i = 0; i < captions.size(); ++i) {
        const QString name = QString("mnuPositionSub_%1").arg(i);
        QAction* a = captions[i] == "-" ? separator(mnuPosition, name)
                                        : new QAction(captions[i], mnuPosition);
        a->setObjectName(name);
        if (i == 8)
            a->setCheckable(true);
        if (!a->isSeparator())
            connect(a, &QAction::triggered, this, [this, a, i] {
                if (a->isCheckable())
                    a->setChecked(!a->isChecked());
                mnuPositionSub_Click(i);
            });
        mnuPosition->addAction(a);
        mnuPositionSub << a;
    }
    connect(mnuPosition, &QMenu::aboutToShow, this, &MainForm::mnuPosition_Click);
}

void MainForm::createHelpMenu() {
    mnuHelp = menuBar()->addMenu("&Help");
    mnuHelp->setObjectName("mnuHelp");
    mnuHelpContents = mnuHelp->addAction("&Contents...");
    mnuHelpContents->setObjectName("mnuHelpContents");
    connect(mnuHelpContents, &QAction::triggered, this, &MainForm::mnuHelpContents_Click);
    mnuAbout = mnuHelp->addAction("&About...");
    mnuAbout->setObjectName("mnuAbout");
    connect(mnuAbout, &QAction::triggered, this, &MainForm::mnuAbout_Click);
}

void MainForm::createToolbars() {
    auto makeBar = [this](const QString& name, int height) {
        auto* bar = new QToolBar(client_);
        bar->setObjectName(name);
        bar->setMovable(false);
        bar->setFloatable(false);
        bar->setFixedHeight(height);
        bar->setIconSize(QSize(16, 16));
        return bar;
    };

    // The formatting toolbar: twenty buttons, the font boxes standing on the first two.
    Toolbar1 = makeBar("Toolbar1", FormattingBarHeight);
    FontCombo = new QComboBox(Toolbar1);
    FontCombo->setObjectName("FontCombo");
    FontCombo->setEditable(true);
    FontCombo->setInsertPolicy(QComboBox::NoInsert);
    FontCombo->setMinimumWidth(150);
    FontSizeCombo = new QComboBox(Toolbar1);
    FontSizeCombo->setObjectName("FontSizeCombo");
    FontSizeCombo->setMinimumWidth(48);
    struct Button {
        QString key;
        QString tip;
    };
    const QList<Button> formatting = {
        {"Font", ""},
        {"FontSize", ""},
        {"", ""},
        {"Bold", "Bold"},
        {"Italic", "Italic"},
        {"Underline", "Underline"},
        {"Color", "Pick Color"},
        {"Numbers", "Numbered List"},
        {"Bullets", "Bulleted List"},
        {"Outdent", "Outdent"},
        {"Indent", "Indent"},
        {"LeftJustify", "Left Justify"},
        {"Center", "Center"},
        {"RightJustify", "Right Justify"},
        {"", ""},
        {"Cut", "Cut (Ctrl-X)"},
        {"Copy", "Copy (Ctrl-C)"},
        {"Paste", "Paste (Ctrl-V)"},
        {"", ""},
        {"Find", "Find/Search"},
    };
    for (int i = 0; i < formatting.size(); ++i) {
        const Button& b = formatting[i];
        QAction* a = nullptr;
        if (b.key.isEmpty()) {
            a = Toolbar1->addSeparator();
            a->setObjectName(QString("Toolbar1_Separator%1").arg(i + 1));
        } else if (b.key == "Font" || b.key == "FontSize") {
            a = Toolbar1->addWidget(b.key == "Font" ? FontCombo : FontSizeCombo);
        } else {
            a = Toolbar1->addAction(icon(iconName(b.key)), b.key);
            a->setToolTip(b.tip);
            const QString key = b.key;
            connect(a, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
        }
        if (!b.key.isEmpty()) {
            a->setObjectName("Toolbar1_" + b.key);
            Toolbar1Buttons.insert(b.key, a);
        }
        Toolbar1Index << a;
    }
    for (const QString& key : QStringList{"Bold", "Italic", "Underline", "Numbers", "Bullets",
                                          "LeftJustify", "Center", "RightJustify"})
        Toolbar1Buttons[key]->setCheckable(true);
    connect(FontCombo, &QComboBox::activated, this, &MainForm::FontCombo_Click);
    connect(FontSizeCombo, &QComboBox::activated, this, &MainForm::FontSizeCombo_Click);

    // The standard toolbar.
    Toolbar2 = makeBar("Toolbar2", StandardBarHeight);
    const QList<Button> standard = {
        {"New", "New (Ctrl-N)"},
        {"Open", "Open (Ctrl-O)"},
        {"Save", "Save (Ctrl-S)"},
        {"Print", "Print (Ctrl-P)"},
        {"", ""},
        {"Cut", "Cut (Ctrl-X)"},
        {"Copy", "Copy (Ctrl-C)"},
        {"Paste", "Paste (Ctrl-V)"},
        {"Find", "Find/Search"},
        {"", ""},
        {"Page Properties", "Page Properties"},
        {"Hyperlink", "Insert Hyperlink"},
        {"Image", "Insert Image"},
    };
    for (const Button& b : standard) {
        if (b.key.isEmpty()) {
            Toolbar2->addSeparator();
            continue;
        }
        QAction* a = Toolbar2->addAction(icon(iconName(b.key)), b.key);
        a->setObjectName("Toolbar2_" + b.key);
        a->setToolTip(b.tip);
        const QString key = b.key;
        connect(a, &QAction::triggered, this, [this, key] { Toolbar2_ButtonClick(key); });
        Toolbar2Buttons.insert(b.key, a);
    }

    // The beginner toolbar: large buttons with captions.
    Toolbar3 = makeBar("Toolbar3", BeginnerBarHeight);
    Toolbar3->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    // Caption and picture must fit the band above the formatting toolbar.
    Toolbar3->setContentsMargins(0, 0, 0, 0);
    Toolbar3->layout()->setContentsMargins(0, 0, 0, 0);
    Toolbar3->setStyleSheet("QToolBar { padding: 0px; spacing: 0px; border: 0px; }"
                            "QToolButton { padding: 0px 2px; margin: 0px; font-size: 8pt; }");
    struct Beginner {
        QString key;
        QString caption;
        QString tip;
    };
    const QList<Beginner> beginner = {
        {"New", "New", "Create a New Web page"},
        {"Open", "Open", "Open an existing Web page"},
        {"Save", "Save", "Save your Web page"},
        {"Edit", "Edit", ""},
        {"Colors", "Set Colors", "Set Web page properties"},
        {"Link", "Link", "Insert a Hyperlink"},
        {"Image", "Image", "Insert an Image"},
        {"Sound", "Sound", "Insert a Sound"},
        {"Email", "Email", "Insert an Email Link"},
        {"Line", "Line", "Insert a Line"},
        {"Table", "Table", "Insert a Table"},
        {"Preview", "Preview", "Preview your Web page in a Web browser"},
    };
    for (const Beginner& b : beginner) {
        QAction* a = new QAction(icon(iconName(b.key)), b.caption, Toolbar3);
        a->setObjectName("Toolbar3_" + b.key);
        if (!b.tip.isEmpty())
            a->setToolTip(b.tip);
        const QString key = b.key;
        if (b.key == "Edit") {
            Toolbar3EditMenu = new QMenu(Toolbar3);
            Toolbar3EditMenu->setObjectName("Toolbar3_EditMenu");
            for (const QString& item : QStringList{"Cut", "Copy", "Paste"}) {
                QAction* m = Toolbar3EditMenu->addAction(item);
                m->setObjectName("Toolbar3_Edit_" + item);
                const QString k = item;
                connect(m, &QAction::triggered, this, [this, k] { Toolbar3_ButtonMenuClick(k); });
            }
            a->setMenu(Toolbar3EditMenu);
            Toolbar3->addAction(a);
            if (auto* button = qobject_cast<QToolButton*>(Toolbar3->widgetForAction(a)))
                button->setPopupMode(QToolButton::InstantPopup);
        } else {
            Toolbar3->addAction(a);
            connect(a, &QAction::triggered, this, [this, key] { Toolbar3_ButtonClick(key); });
        }
        Toolbar3Buttons.insert(b.key, a);
    }
}

void MainForm::createShortcutBar() {
    picShortcutBar = new QWidget(client_);
    picShortcutBar->setObjectName("picShortcutBar");
    picShortcutBar->installEventFilter(this);
    picShortcutBar->resize(Twips::toPixels(DesignBarWidth), 300);

    lblShortcutBar = new QLabel(" Shortcut bar", picShortcutBar);
    lblShortcutBar->setObjectName("lblShortcutBar");
    lblShortcutBar->setAutoFillBackground(true);
    QPalette title = lblShortcutBar->palette();
    title.setColor(QPalette::Window, palette().color(QPalette::Active, QPalette::Highlight));
    title.setColor(QPalette::WindowText,
                   palette().color(QPalette::Active, QPalette::HighlightedText));
    lblShortcutBar->setPalette(title);
    lblShortcutBar->setGeometry(0, 0, 10, Twips::toPixels(TitleHeight));

    cmdCloseShortcutBar = new QToolButton(picShortcutBar);
    cmdCloseShortcutBar->setObjectName("cmdCloseShortcutBar");
    cmdCloseShortcutBar->setToolTip("Close the shortcut bar");
    cmdCloseShortcutBar->setAutoRaise(true);
    const QIcon close = icon("close");
    if (close.isNull())
        cmdCloseShortcutBar->setText("x");
    else
        cmdCloseShortcutBar->setIcon(close);
    cmdCloseShortcutBar->resize(Twips::toPixels(200) + 2, Twips::toPixels(200) + 2);
    cmdCloseShortcutBar->move(0, 3);
    connect(cmdCloseShortcutBar, &QToolButton::clicked, this, &MainForm::cmdCloseShortcutBar_Click);
    cmdCloseShortcutBar->installEventFilter(this);

    SSListBar1 = new ListBar(picShortcutBar);
    SSListBar1->setObjectName("SSListBar1");
    SSListBar1->move(0, Twips::toPixels(ListBarTop));
    connect(SSListBar1, &ListBar::ItemClick, this,
            [this](const ListBar::Item& item) { SSListBar1_ItemClick(item.key); });

    VSplitter2 = new SplitterBar(picShortcutBar);
    VSplitter2->setObjectName("VSplitter2");
    VSplitter2->resize(Twips::toPixels(50), 300);
    connect(VSplitter2, &SplitterBar::dropped, this, [this](const QPoint& global) {
        const QPoint onSurface = DHTMLEdit1->mapFromGlobal(global);
        const QPoint onList = SSListBar1->mapFromGlobal(global);
        if (DHTMLEdit1->rect().contains(onSurface))
            DHTMLEdit1_DragDrop(VSplitter2, Twips::fromPixels(onSurface.x()),
                                Twips::fromPixels(onSurface.y()));
        else if (SSListBar1->rect().contains(onList))
            SSListBar1_DragDrop(VSplitter2, Twips::fromPixels(onList.x()),
                                Twips::fromPixels(onList.y()));
    });
}

void MainForm::createStatusBar() {
    StatusBar1 = statusBar();
    StatusBar1->setObjectName("StatusBar1");
    StatusPanel1 = new QLabel("Current Block Formatting");
    StatusPanel1->setObjectName("StatusBar1_Panel1");
    StatusPanel1->setMinimumWidth(200);
    StatusPanel2 = new QLabel("Press F1 for Help");
    StatusPanel2->setObjectName("StatusBar1_Panel2");
    StatusBar1->addWidget(StatusPanel1);
    StatusBar1->addWidget(StatusPanel2, 1);
}

void MainForm::connectEditor() {
    connect(DHTMLEdit1, &DHTMLEdit::DocumentComplete, this, &MainForm::DHTMLEdit1_DocumentComplete);
    connect(DHTMLEdit1, &DHTMLEdit::DisplayChanged, this, &MainForm::DHTMLEdit1_DisplayChanged);
    connect(DHTMLEdit1, &DHTMLEdit::ShowContextMenu, this, &MainForm::DHTMLEdit1_ShowContextMenu);
    connect(DHTMLEdit1, &DHTMLEdit::ContextMenuAction, this,
            &MainForm::DHTMLEdit1_ContextMenuAction);
    // The ticks show the surface's options, whoever set them.
    connect(DHTMLEdit1, &DHTMLEdit::ShowBordersChanged, ViewSub[0], &QAction::setChecked);
    connect(DHTMLEdit1, &DHTMLEdit::ShowDetailsChanged, ViewSub[1], &QAction::setChecked);
    connect(DHTMLEdit1, &DHTMLEdit::SnapToGridChanged, EditSub[10], &QAction::setChecked);
}

// ---- start-up --------------------------------------------------------------------

void MainForm::Form_Load(const QStringList& arguments) {
    editorReady = false;
    skipErrors([&] { Help::SetHelpFile(QCoreApplication::applicationDirPath() + "/tessaly.hlp"); });

    const QSize screen = QGuiApplication::primaryScreen()
                             ? QGuiApplication::primaryScreen()->geometry().size()
                             : QSize(1024, 768);
    const int left = LeadingNumber(GetSetting(AppKey, "Window", "LeftXCoord", "0"));
    const int top = LeadingNumber(GetSetting(AppKey, "Window", "LeftYCoord", "0"));
    int w = LeadingNumber(GetSetting(AppKey, "Window", "WindowXSize", "5000"));
    int h = LeadingNumber(GetSetting(AppKey, "Window", "WindowYSize", "5000"));
    if (w == 0)
        w = Twips::fromPixels(screen.width());
    if (h == 0)
        h = Twips::fromPixels(screen.height());
    if (h == 5000 && w == 5000) { // the first run fills the screen
        w = Twips::fromPixels(screen.width());
        h = Twips::fromPixels(screen.height());
    }
    setOuterGeometry(left, top, w, h);

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
        } catch (const PlatformError& e) {
            MsgBox("Error occurred while loading document: " + LoadErrorReason(e.Number) + ".",
                   vb::vbCritical);
            skipErrors([&] { DHTMLEdit1->setDocumentHTML(StartPage, false); });
        }
    } else {
        FileNew_Click();
    }
}

// ---- window geometry ---------------------------------------------------------------

namespace {
QRect outerPixels(const QWidget* w) {
    return w->isVisible() ? w->frameGeometry() : QRect(w->pos(), w->size());
}
} // namespace

int MainForm::windowLeft() const {
    const QRect px = outerPixels(this);
    return px.x() == givenPixels_.x() ? givenTwips_.x() : Twips::fromPixels(px.x());
}
int MainForm::windowTop() const {
    const QRect px = outerPixels(this);
    return px.y() == givenPixels_.y() ? givenTwips_.y() : Twips::fromPixels(px.y());
}
int MainForm::windowWidth() const {
    const QRect px = outerPixels(this);
    return px.width() == givenPixels_.width() ? givenTwips_.width() : Twips::fromPixels(px.width());
}
int MainForm::windowHeight() const {
    const QRect px = outerPixels(this);
    return px.height() == givenPixels_.height() ? givenTwips_.height()
                                                : Twips::fromPixels(px.height());
}

void MainForm::setOuterGeometry(int leftTwips, int topTwips, int widthTwips, int heightTwips) {
    move(Twips::toPixels(leftTwips), Twips::toPixels(topTwips));
    const QSize outer(Twips::toPixels(widthTwips), Twips::toPixels(heightTwips));
    const QSize frame = frameGeometry().size() - geometry().size();
    resize((outer - frame).expandedTo(QSize(200, 150)));
    // The window manager's frame is known only once the window is shown.
    pendingOuterSize_ = outer;
    givenTwips_ = QRect(leftTwips, topTwips, widthTwips, heightTwips);
    givenPixels_ = outerPixels(this);
}

void MainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (pendingOuterSize_.isValid()) {
        const QSize frame = frameGeometry().size() - geometry().size();
        if (!frame.isEmpty())
            resize((pendingOuterSize_ - frame).expandedTo(QSize(200, 150)));
        pendingOuterSize_ = QSize();
        givenPixels_ = outerPixels(this);
    }
}

int MainForm::barWidth() const {
    return Twips::fromPixels(picShortcutBar->width());
}

void MainForm::setBarWidth(int twips) {
    picShortcutBar->resize(qMax(1, Twips::toPixels(twips)), picShortcutBar->height());
}

// ---- layout ----------------------------------------------------------------------------

void MainForm::layoutChrome() {
    const int width = client_->width();
    const bool beginner = Toolbar3->isVisibleTo(client_);
    QToolBar* upper = beginner ? Toolbar3 : Toolbar2;
    upper->setGeometry(0, 0, width, upper->height());
    Toolbar1->setGeometry(0, upper->height(), width, Toolbar1->height());
    const int top = Twips::toPixels(surfaceTop_);
    picShortcutBar->setGeometry(0, top, picShortcutBar->width(), qMax(0, client_->height() - top));
}

void MainForm::applySurfaceGeometry() {
    // The surface never reaches past the window's client area (the status bar and the
    // window's frame take their share of the window).
    QRect r = Twips::toPixels(QRect(surfaceLeft_, surfaceTop_, surfaceWidth_, surfaceHeight_));
    const QRect available(QPoint(0, 0), client_->size());
    r.setWidth(qMax(0, qMin(r.width(), available.width() - r.x())));
    r.setHeight(qMax(0, qMin(r.height(), available.height() - r.y())));
    DHTMLEdit1->setGeometry(r);
}

void MainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

bool MainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) {
        layoutChrome();
        applySurfaceGeometry();
    } else if (watched == picShortcutBar && event->type() == QEvent::Resize) {
        picShortcutBar_Resize();
    } else if (watched == cmdCloseShortcutBar && event->type() == QEvent::MouseButtonRelease) {
        cmdCloseShortcutBar_MouseUp();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainForm::Form_Resize() {
    if (isMinimized())
        return;
    surfaceWidth_ = MainLayout::SurfaceWidth(windowWidth(), barWidth(), ShortcutBarShown);
    surfaceHeight_ = MainLayout::SurfaceHeight(windowHeight());
    applySurfaceGeometry();
}

void MainForm::picShortcutBar_Resize() {
    if (!ShortcutBarShown)
        return;
    const int bar = barWidth();
    const MainLayout::Panel p =
        MainLayout::PanelParts(bar, Twips::fromPixels(picShortcutBar->height()), ListBarTop);
    lblShortcutBar->resize(qMax(0, Twips::toPixels(p.titleWidth)), lblShortcutBar->height());
    SSListBar1->setGeometry(0, Twips::toPixels(ListBarTop),
                            qMax(0, Twips::toPixels(p.listBarWidth)),
                            qMax(0, Twips::toPixels(p.listBarHeight)));
    VSplitter2->setGeometry(Twips::toPixels(splitterLeft_), 0, VSplitter2->width(),
                            Twips::toPixels(p.splitterHeight));
    surfaceLeft_ = MainLayout::SurfaceLeft(bar, true);
    cmdCloseShortcutBar->move(Twips::toPixels(p.closeButtonLeft), cmdCloseShortcutBar->y());
    if (!isMinimized()) {
        surfaceWidth_ = MainLayout::SurfaceWidth(windowWidth(), bar, true);
        surfaceHeight_ = MainLayout::SurfaceHeight(windowHeight());
    }
    applySurfaceGeometry();
}

void MainForm::DHTMLEdit1_DragDrop(QWidget* source, int x, int /*y*/) {
    if (!source || source->objectName() != "VSplitter2")
        return;
    const int width = MainLayout::WidthAfterDropOnSurface(barWidth(), x, windowWidth());
    if (width < 0)
        return;
    splitterLeft_ = MainLayout::SplitterLeftAfterDrag(width);
    surfaceLeft_ = MainLayout::SurfaceLeft(width, true);
    setBarWidth(width); // the panel's resize lays out the rest
    picShortcutBar_Resize();
}

void MainForm::SSListBar1_DragDrop(QWidget* source, int x, int /*y*/) {
    if (!source || source->objectName() != "VSplitter2")
        return;
    const int width = MainLayout::WidthAfterDropOnListBar(x);
    const int newWidth = width < 0 ? barWidth() : width;
    splitterLeft_ = MainLayout::SplitterLeftAfterDrag(newWidth);
    surfaceLeft_ = MainLayout::SurfaceLeft(newWidth, true);
    if (width >= 0)
        setBarWidth(width);
    picShortcutBar_Resize();
}

void MainForm::cmdCloseShortcutBar_Click() {
    ShortcutBarShown = false;
    SetShortcutBarVisible(false);
}

void MainForm::cmdCloseShortcutBar_MouseUp() {
    DHTMLEdit1->setFocus();
}

void MainForm::SetShortcutBarVisible(bool show) {
    ViewSub[4]->setChecked(show);
    ShortcutBarShown = show;
    picShortcutBar->setVisible(show);
    surfaceLeft_ = MainLayout::SurfaceLeft(barWidth(), show);
    surfaceWidth_ = MainLayout::SurfaceWidth(windowWidth(), barWidth(), show);
    applySurfaceGeometry();
    SaveSetting(AppKey, "Misc", "ShowShortcutBar", show ? "yes" : "no");
    if (show)
        picShortcutBar_Resize();
}

void MainForm::ApplyBeginnerToolbar() {
    const bool beginner = GetSetting(AppKey, "Misc", "BeginnerToolbar", "yes") == "yes";
    if (beginner) {
        Toolbar3->setVisible(true);
        Toolbar2->setVisible(false);
        surfaceTop_ = MainLayout::BeginnerSurfaceTop;
        ViewSub[5]->setChecked(true);
        for (int button = 16; button <= 20; ++button) {
            Toolbar1Index[button - 1]->setVisible(true);
            Toolbar1Index[button - 1]->setEnabled(true);
        }
    } else {
        Toolbar2->setVisible(true);
        Toolbar3->setVisible(false);
        surfaceTop_ = MainLayout::StandardSurfaceTop;
        ViewSub[5]->setChecked(false);
        for (int button = 15; button <= 20; ++button)
            Toolbar1Index[button - 1]->setVisible(false);
    }
    layoutChrome();
    applySurfaceGeometry();
}

void MainForm::DisableEditingControls() {
    FontCombo->setEditText(QString());
    FontCombo->setEnabled(false);
    FontSizeCombo->setCurrentIndex(-1);
    FontSizeCombo->setEnabled(false);
    for (QAction* button : Toolbar1Index)
        button->setEnabled(false);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void MainForm::UpdateCaption() {
    QString caption = "Tessaly";
    const QString path = DHTMLEdit1->CurrentDocumentPath();
    if (!path.isEmpty())
        caption += " - " + QDir::toNativeSeparators(path);
    setWindowTitle(caption);
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

void MainForm::mnuAbout_Click() {}

// ---- closing ----------------------------------------------------------------------------

void MainForm::FileExit_Click() {
    close();
}

void MainForm::closeEvent(QCloseEvent* event) {
    bool cancel = false;
    Form_QueryUnload(cancel);
    if (cancel) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

void MainForm::Form_QueryUnload(bool& cancel) {
    bool dirty = false;
    try {
        dirty = DHTMLEdit1->IsDirty();
    } catch (const PlatformError&) {
        // A surface that cannot answer may hold changes: ask.
        dirty = true;
    }
    if (!dirty)
        return;
    const int answer =
        MsgBox("The current document has changed.\r\n\r\nDo you want to save changes?",
               vb::vbYesNoCancel | vb::vbExclamation, QString(), this);
    if (answer == vb::vbCancel) {
        cancel = true;
    } else if (answer == vb::vbYes) {
        bool saved = false;
        try {
            saved = SavePage(DHTMLEdit1->CurrentDocumentPath().isEmpty());
        } catch (...) {
            saved = false;
        }
        // A save that did not complete keeps the window and the page.
        if (!saved)
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

void MainForm::LoadShortcutBar() {}

void MainForm::SSListBar1_ItemClick(const QString& /*key*/) {}
