#include "core/window/MainForm.h"

#include "core/DialogParts.h"
#include "platform/DHTMLEdit.h"
#include "platform/DHTMLEditCommands.h"
#include "platform/PlatformError.h"

#include <QAction>
#include <QComboBox>
#include <QLayout>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <functional>

// The menus and toolbars: one row per item, holding its caption, shortcut and the
// command or handler it runs. The command tables the Parts name (EditMenuCommands, ...)
// are read off these rows, and the toolbars dispatch from their own rows.

namespace {

// A menu item; "-" is a separator (command 0, never sent).
struct MenuRow {
    MenuRow(const QString& caption, const QString& shortcut = {}, int command = 0,
            bool checkable = false)
        : caption(caption), shortcut(shortcut), command(command), checkable(checkable) {}
    QString caption;
    QString shortcut;
    int command;
    bool checkable;
};

const QList<MenuRow>& editRows() {
    static const QList<MenuRow> rows = {
        {"&Undo", "Ctrl+Z", DECMD_UNDO},
        {"&Redo", "Ctrl+Y", DECMD_REDO},
        {"-"},
        {"Cu&t", "Ctrl+X", DECMD_CUT},
        {"&Copy", "Ctrl+C", DECMD_COPY},
        {"&Paste", "Ctrl+V", DECMD_PASTE},
        {"Select &All", "Ctrl+A", DECMD_SELECTALL},
        {"-"},
        {"&Find...", "Ctrl+F", DECMD_FINDTEXT},
        {"-"},
        {"&Snap To Grid", "", 0, true},
    };
    return rows;
}

const QList<MenuRow>& viewRows() {
    static const QList<MenuRow> rows = {
        {"&Borders", "", 0, true},
        {"&Document Details", "", 0, true},
        {"&Source...", ""},
        {"-"},
        {"Short&cut Bar", "", 0, true},
        {"Beginner &Toolbar", "", 0, true},
        {"-"},
        {"&Options...", ""},
    };
    return rows;
}

const QList<MenuRow>& tableRows() {
    static const QList<MenuRow> rows = {
        {"&Insert Table...", "", DECMD_INSERTTABLE}, {"-"},
        {"Insert Row", "", DECMD_INSERTROW},         {"Insert Column", "", DECMD_INSERTCOL},
        {"Insert Cell", "", DECMD_INSERTCELL},       {"-"},
        {"Delete Rows", "", DECMD_DELETEROWS},       {"Delete Columns", "", DECMD_DELETECOLS},
        {"Delete Cells", "", DECMD_DELETECELLS},     {"-"},
        {"Merge Cells", "", DECMD_MERGECELLS},       {"Split Cell", "", DECMD_SPLITCELL},
    };
    return rows;
}

const QList<MenuRow>& positionRows() {
    static const QList<MenuRow> rows = {
        {"Set Position Attribute to Absolute", "", DECMD_MAKE_ABSOLUTE},
        {"Bring to &Front", "", DECMD_BRING_TO_FRONT},
        {"Send to &Back", "", DECMD_SEND_TO_BACK},
        {"Bring Forwar&d", "", DECMD_BRING_FORWARD},
        {"Send Bac&k", "", DECMD_SEND_BACKWARD},
        {"Bring &Above Text", "", DECMD_BRING_ABOVE_TEXT},
        {"Send Belo&w Text", "", DECMD_SEND_BELOW_TEXT},
        {"-"},
        {"&Lock Element", "", DECMD_LOCK_ELEMENT, true},
    };
    return rows;
}

// The first count command numbers of a menu's rows.
QList<int> commandsOf(const QList<MenuRow>& rows, int count) {
    QList<int> commands;
    for (int i = 0; i < count && i < rows.size(); ++i)
        commands << rows[i].command;
    return commands;
}

// A menu item that runs a window handler.
struct ItemRow {
    QString name;
    QString caption;
    QString shortcut;
    void (MainForm::*handler)() = nullptr;
};

// A toolbar button: its key, caption (beginner toolbar) and tip, and what a click runs:
// a formatting command (the formatting table) or a window handler.
struct ButtonRow {
    ButtonRow(const QString& key, const QString& caption, const QString& tip, int command = 0,
              std::function<void(MainForm&)> handler = {})
        : key(key), caption(caption), tip(tip), command(command), handler(std::move(handler)) {}
    QString key;
    QString caption;
    QString tip;
    int command;
    std::function<void(MainForm&)> handler;
};

// The Edit menu's entry: Cut 3, Copy 4, Paste 5, Find 8 (option 0, as the menu runs it).
std::function<void(MainForm&)> editEntry(int index) {
    return [index](MainForm& form) { form.EditSub_Click(index); };
}

// The formatting toolbar in order; an empty key is a separator, "Font" and "FontSize"
// stand under the font boxes. Its commands are the formatting table.
const QList<ButtonRow>& formattingButtons() {
    static const QList<ButtonRow> rows = {
        {"Font", "", ""},
        {"FontSize", "", ""},
        {"", "", ""},
        {"Bold", "", "Bold", DECMD_BOLD},
        {"Italic", "", "Italic", DECMD_ITALIC},
        {"Underline", "", "Underline", DECMD_UNDERLINE},
        {"Color", "", "Pick Color", DECMD_SETFORECOLOR},
        {"Numbers", "", "Numbered List", DECMD_ORDERLIST},
        {"Bullets", "", "Bulleted List", DECMD_UNORDERLIST},
        {"Outdent", "", "Outdent", DECMD_OUTDENT},
        {"Indent", "", "Indent", DECMD_INDENT},
        {"LeftJustify", "", "Left Justify", DECMD_JUSTIFYLEFT},
        {"Center", "", "Center", DECMD_JUSTIFYCENTER},
        {"RightJustify", "", "Right Justify", DECMD_JUSTIFYRIGHT},
        {"", "", ""},
        {"Cut", "", "Cut (Ctrl-X)", 0, editEntry(3)},
        {"Copy", "", "Copy (Ctrl-C)", 0, editEntry(4)},
        {"Paste", "", "Paste (Ctrl-V)", 0, editEntry(5)},
        {"", "", ""},
        {"Find", "", "Find/Search", 0, editEntry(8)},
    };
    return rows;
}

// The order of the formatting table: the colour button comes last.
const QStringList& formattingKeys() {
    static const QStringList keys = {"Bold",    "Italic",       "Underline", "Numbers",
                                     "Bullets", "Outdent",      "Indent",    "LeftJustify",
                                     "Center",  "RightJustify", "Color"};
    return keys;
}

const QList<ButtonRow>& standardButtons() {
    static const QList<ButtonRow> rows = {
        {"New", "", "New (Ctrl-N)", 0, &MainForm::FileNew_Click},
        {"Open", "", "Open (Ctrl-O)", 0, &MainForm::FileOpen_Click},
        {"Save", "", "Save (Ctrl-S)", 0, &MainForm::FileSave_Click},
        {"Print", "", "Print (Ctrl-P)", 0, &MainForm::mnuFilePrint_Click},
        {"", "", ""},
        {"Cut", "", "Cut (Ctrl-X)", 0, editEntry(3)},
        {"Copy", "", "Copy (Ctrl-C)", 0, editEntry(4)},
        {"Paste", "", "Paste (Ctrl-V)", 0, editEntry(5)},
        {"Find", "", "Find/Search", 0, editEntry(8)},
        {"", "", ""},
        {"Page Properties", "", "Page Properties", 0, &MainForm::mnuInsertPageProperties_Click},
        {"Hyperlink", "", "Insert Hyperlink", 0, &MainForm::mnuInsertHyperlink_Click},
        {"Image", "", "Insert Image", 0, &MainForm::mnuInsertImage_Click},
    };
    return rows;
}

const QList<ButtonRow>& beginnerButtons() {
    static const QList<ButtonRow> rows = {
        {"New", "New", "Create a New Web page", 0, &MainForm::FileNew_Click},
        {"Open", "Open", "Open an existing Web page", 0, &MainForm::FileOpen_Click},
        {"Save", "Save", "Save your Web page", 0, &MainForm::FileSave_Click},
        {"Edit", "Edit", ""}, // a drop-down of the Edit menu's Cut, Copy and Paste
        {"Colors", "Set Colors", "Set Web page properties", 0, &MainForm::ShowPageColors},
        {"Link", "Link", "Insert a Hyperlink", 0, &MainForm::mnuInsertHyperlink_Click},
        {"Image", "Image", "Insert an Image", 0, &MainForm::mnuInsertImage_Click},
        {"Sound", "Sound", "Insert a Sound", 0, &MainForm::mnuInsertSound_Click},
        {"Email", "Email", "Insert an Email Link", 0, &MainForm::mnuInsertEmailLink_Click},
        {"Line", "Line", "Insert a Line", 0, &MainForm::mnuInsertHorizLine_Click},
        {"Table", "Table", "Insert a Table", 0, [](MainForm& f) { f.TableSub_Click(0); }},
        {"Preview", "Preview", "Preview your Web page in a Web browser", 0,
         &MainForm::BrowserPreview},
    };
    return rows;
}

const QList<ButtonRow>& beginnerEditMenu() {
    static const QList<ButtonRow> rows = {
        {"Cut", "Cut", "", 0, editEntry(3)},
        {"Copy", "Copy", "", 0, editEntry(4)},
        {"Paste", "Paste", "", 0, editEntry(5)},
    };
    return rows;
}

// The command a toolbar button runs, named as the menu item that runs the same (so that
// the two are one command while it waits), and whether it does something each time.
QString operationOf(const QString& key) {
    static const QMap<QString, QString> same = {
        {"Cut", "EditSub_3"},
        {"Copy", "EditSub_4"},
        {"Paste", "EditSub_5"},
        {"Find", "EditSub_8"},
        {"New", "FileNew"},
        {"Open", "FileOpen"},
        {"Save", "FileSave"},
        {"Print", "mnuFilePrint"},
        {"Page Properties", "mnuInsertPageProperties"},
        {"Hyperlink", "mnuInsertHyperlink"},
        {"Link", "mnuInsertHyperlink"},
        {"Image", "mnuInsertImage"},
        {"Sound", "mnuInsertSound"},
        {"Email", "mnuInsertEmailLink"},
        {"Line", "mnuInsertHorizLine"},
        {"Table", "TableSub_0"},
    };
    return same.value(key, "Toolbar_" + key);
}

bool repeatsEachTime(const QString& key) {
    static const QStringList once = {
        "Find",  "New",   "Open",  "Save", "Print", "Page Properties", "Hyperlink", "Link",
        "Image", "Sound", "Email", "Line", "Table", "Colors",          "Preview",   "Color"};
    return !once.contains(key);
}

const ButtonRow* rowOf(const QList<ButtonRow>& rows, const QString& key) {
    for (const ButtonRow& row : rows)
        if (!key.isEmpty() && row.key == key)
            return &row;
    return nullptr;
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

// Fills menu from rows as the control array name_<first>, name_<first + 1>, ...; a
// click runs handler(index). Where handlerTicks, a checkable item's tick belongs to the
// handler, not to the click.
QList<QAction*> addMenuRows(MainForm* form, QMenu* menu, const QString& name,
                            const QList<MenuRow>& rows, void (MainForm::*handler)(int),
                            bool handlerTicks, int first = 0) {
    QList<QAction*> items;
    for (int i = first; i < first + rows.size(); ++i) {
        const MenuRow& row = rows[i - first];
        const QString itemName = QString("%1_%2").arg(name).arg(i);
        QAction* a =
            row.caption == "-" ? separator(menu, itemName) : new QAction(row.caption, menu);
        a->setObjectName(itemName);
        if (!row.shortcut.isEmpty())
            a->setShortcut(QKeySequence(row.shortcut));
        a->setCheckable(row.checkable);
        // Editing commands and ticks do something each time; a dialog opens once.
        const bool eachTime = row.checkable || (row.command != 0 && row.command != DECMD_FINDTEXT &&
                                                row.command != DECMD_INSERTTABLE);
        if (!a->isSeparator())
            QObject::connect(a, &QAction::triggered, form,
                             [form, a, i, handler, handlerTicks, itemName, eachTime] {
                                 if (handlerTicks && a->isCheckable())
                                     a->setChecked(!a->isChecked());
                                 form->runCommand(
                                     itemName, [form, i, handler] { (form->*handler)(i); },
                                     eachTime);
                             });
        menu->addAction(a);
        items << a;
    }
    return items;
}

QAction* addMenuItem(MainForm* form, QMenu* menu, const ItemRow& row) {
    QAction* a = menu->addAction(row.caption);
    a->setObjectName(row.name);
    if (!row.shortcut.isEmpty())
        a->setShortcut(QKeySequence(row.shortcut));
    const auto handler = row.handler;
    const QString key = row.name;
    // Exit only asks the window to close; the close waits its turn itself.
    if (key == "FileExit")
        QObject::connect(a, &QAction::triggered, form, [form, handler] { (form->*handler)(); });
    else
        QObject::connect(a, &QAction::triggered, form, [form, handler, key] {
            form->runCommand(key, [form, handler] { (form->*handler)(); });
        });
    return a;
}

// A menu of the menu bar (parent null) or a submenu, named on the menu and its item.
QMenu* addNamedMenu(QMenuBar* bar, QMenu* parent, const QString& caption, const QString& name) {
    QMenu* menu = parent ? parent->addMenu(caption) : bar->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

// Runs the window handler of key's row; a failing handler is skipped: the toolbars
// report nothing.
void runButton(MainForm& form, const QList<ButtonRow>& rows, const QString& key) {
    const ButtonRow* row = rowOf(rows, key);
    if (row && row->handler)
        skipErrors([&] { row->handler(form); });
}

// The toolbars' heights in pixels: the standard toolbar and the formatting toolbar
// fill the 720 twips above the editing surface, the beginner toolbar and the
// formatting toolbar the 930 twips.
constexpr int FormattingBarHeight = 24;
constexpr int StandardBarHeight = 24;
constexpr int BeginnerBarHeight = 38;

} // namespace

// ---- the command tables ------------------------------------------------------------

void MainForm::InitFormatButtons() {
    FormatButtonKeys = formattingKeys();
    FormatButtonCommands.clear();
    for (const QString& key : FormatButtonKeys)
        FormatButtonCommands << rowOf(formattingButtons(), key)->command;
}

void MainForm::InitMenuCommands() {
    EditMenuCommands = commandsOf(editRows(), 9);
    TableMenuCommands = commandsOf(tableRows(), 12);
    PositionMenuCommands = commandsOf(positionRows(), 9);
}

// ---- menus -------------------------------------------------------------------------

void MainForm::createFileMenu() {
    File = addNamedMenu(menuBar(), nullptr, "&File", "File");
    FileNew = addMenuItem(this, File, {"FileNew", "&New", "Ctrl+N", &MainForm::FileNew_Click});
    FileOpen =
        addMenuItem(this, File, {"FileOpen", "&Open...", "Ctrl+O", &MainForm::FileOpen_Click});
    File->addAction(separator(File, "FileSep1"));
    FileSave = addMenuItem(this, File, {"FileSave", "&Save", "Ctrl+S", &MainForm::FileSave_Click});
    FileSaveAs =
        addMenuItem(this, File, {"FileSaveAs", "Save &As...", "", &MainForm::FileSaveAs_Click});
    File->addAction(separator(File, "FileSep2"));
    mnuFilePrint = addMenuItem(
        this, File, {"mnuFilePrint", "&Print...", "Ctrl+P", &MainForm::mnuFilePrint_Click});
    File->addAction(separator(File, "FileSep3"));
    FileExit = addMenuItem(this, File, {"FileExit", "E&xit", "", &MainForm::FileExit_Click});
}

void MainForm::createEditMenu() {
    Edit = addNamedMenu(menuBar(), nullptr, "&Edit", "Edit");
    EditSub = addMenuRows(this, Edit, "EditSub", editRows(), &MainForm::EditSub_Click, false);
    connect(Edit, &QMenu::aboutToShow, this, &MainForm::Edit_Click);
}

void MainForm::createViewMenu() {
    View = addNamedMenu(menuBar(), nullptr, "&View", "View");
    ViewSub = addMenuRows(this, View, "ViewSub", viewRows(), &MainForm::ViewSub_Click, true);
}

void MainForm::createInsertMenu() {
    Insert = addNamedMenu(menuBar(), nullptr, "&Insert", "Insert");
    connect(Insert, &QMenu::aboutToShow, this, &MainForm::Insert_Click);
    mnuInsertPageProperties = addMenuItem(this, Insert,
                                          {"mnuInsertPageProperties", "&Page Properties...", "",
                                           &MainForm::mnuInsertPageProperties_Click});
    Insert->addAction(separator(Insert, "InsertSep1"));
    mnuInsertAnchor = addMenuItem(
        this, Insert,
        {"mnuInsertAnchor", "&Anchor/Bookmark...", "", &MainForm::mnuInsertAnchor_Click});
    mnuInsertEmailLink = addMenuItem(
        this, Insert,
        {"mnuInsertEmailLink", "&Email Link...", "", &MainForm::mnuInsertEmailLink_Click});

    mnuInsertForm = addNamedMenu(nullptr, Insert, "&Form", "mnuInsertForm");
    const QStringList formCaptions = {"Text &box",     "Text &area",    "&Dropdown menu",
                                      "&Password box", "&Checkbox",     "&Radio button",
                                      "&Image",        "&Hidden field", "&Submit button",
                                      "&Reset button", "&Button"};
    QList<MenuRow> formRows;
    for (const QString& caption : formCaptions)
        formRows.push_back({caption, ""});
    mnuInsertFormItem = addMenuRows(this, mnuInsertForm, "mnuInsertFormItem", formRows,
                                    &MainForm::mnuInsertFormItem_Click, false);
    // No field stands behind these two.
    mnuInsertFormItem[2]->setVisible(false);
    mnuInsertFormItem[6]->setVisible(false);

    mnuInsertHorizLine = addMenuItem(
        this, Insert,
        {"mnuInsertHorizLine", "Horizontal &Line...", "", &MainForm::mnuInsertHorizLine_Click});
    mnuInsertHyperlink = addMenuItem(
        this, Insert,
        {"mnuInsertHyperlink", "&Hyperlink...", "", &MainForm::mnuInsertHyperlink_Click});
    mnuInsertImage = addMenuItem(
        this, Insert, {"mnuInsertImage", "&Image...", "", &MainForm::mnuInsertImage_Click});
    mnuInsertImageMap =
        addMenuItem(this, Insert,
                    {"mnuInsertImageMap", "Image&Map...", "", &MainForm::mnuInsertImageMap_Click});
    InsertHTML =
        addMenuItem(this, Insert, {"InsertHTML", "H&TML...", "", &MainForm::InsertHTML_Click});
    mnuInsertSound = addMenuItem(
        this, Insert, {"mnuInsertSound", "Sou&nd...", "", &MainForm::mnuInsertSound_Click});
    mnuInsertSpecChars = addMenuItem(
        this, Insert,
        {"mnuInsertSpecChars", "Special &Characters...", "", &MainForm::mnuInsertSpecChars_Click});

    // Special Effects counts from 1; index 0 stays empty.
    mnuSpecialEffects = addNamedMenu(nullptr, Insert, "&Special Effects", "mnuSpecialEffects");
    const QList<MenuRow> effectRows = {{"&Digital Clock..."},
                                       {"&Inline Frame..."},
                                       {"&JumpTo/Dropdown menu..."},
                                       {"&Marquee Scrolling text..."}};
    mnuSpecialEffectsSub = addMenuRows(this, mnuSpecialEffects, "mnuSpecialEffectsSub", effectRows,
                                       &MainForm::mnuSpecialEffectsSub_Click, false, 1);
    mnuSpecialEffectsSub.prepend(nullptr);

    mnuTable = addNamedMenu(nullptr, Insert, "&Table", "mnuTable");
    connect(mnuTable, &QMenu::aboutToShow, this, &MainForm::mnuTable_Click);
    TableSub =
        addMenuRows(this, mnuTable, "TableSub", tableRows(), &MainForm::TableSub_Click, false);

    mnuTextBox =
        addMenuItem(this, Insert, {"mnuTextBox", "&Text Box...", "", &MainForm::mnuTextBox_Click});
}

void MainForm::createFormatMenu() {
    // Sixteen items without captions until the surface names its block formats.
    Format = addNamedMenu(menuBar(), nullptr, "F&ormat", "Format");
    const QList<MenuRow> rows(16, MenuRow{"", "", 0, true});
    FormatSub = addMenuRows(this, Format, "FormatSub", rows, &MainForm::FormatSub_Click, true);
    for (QAction* a : FormatSub)
        a->setVisible(false);
    connect(Format, &QMenu::aboutToShow, this, &MainForm::Format_Click);
}

void MainForm::createPositionMenu() {
    mnuPosition = addNamedMenu(menuBar(), nullptr, "&Position", "mnuPosition");
    mnuPositionSub = addMenuRows(this, mnuPosition, "mnuPositionSub", positionRows(),
                                 &MainForm::mnuPositionSub_Click, true);
    connect(mnuPosition, &QMenu::aboutToShow, this, &MainForm::mnuPosition_Click);
}

void MainForm::createHelpMenu() {
    mnuHelp = addNamedMenu(menuBar(), nullptr, "&Help", "mnuHelp");
    mnuHelpContents = addMenuItem(
        this, mnuHelp, {"mnuHelpContents", "&Contents...", "", &MainForm::mnuHelpContents_Click});
    mnuAbout = addMenuItem(this, mnuHelp, {"mnuAbout", "&About...", "", &MainForm::mnuAbout_Click});
}

// ---- toolbars ------------------------------------------------------------------------

namespace {
QToolBar* createToolbar(QWidget* parent, const QString& name, int height) {
    auto* bar = new QToolBar(parent);
    bar->setObjectName(name);
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setFixedHeight(height);
    bar->setIconSize(QSize(16, 16));
    return bar;
}
} // namespace

void MainForm::createToolbars() {
    // The formatting toolbar: twenty buttons, the font boxes standing on the first two.
    Toolbar1 = createToolbar(client_, "Toolbar1", FormattingBarHeight);
    Toolbar1->setContentsMargins(0, 0, 0, 0);
    Toolbar1->layout()->setContentsMargins(0, 0, 0, 0);
    FontCombo = new QComboBox(Toolbar1);
    FontCombo->setObjectName("FontCombo");
    FontCombo->setEditable(true);
    FontCombo->setInsertPolicy(QComboBox::NoInsert);
    FontCombo->setMinimumWidth(150);
    FontSizeCombo = new QComboBox(Toolbar1);
    FontSizeCombo->setObjectName("FontSizeCombo");
    FontSizeCombo->setMinimumWidth(48);
    const QList<ButtonRow>& formatting = formattingButtons();
    for (int i = 0; i < formatting.size(); ++i) {
        const ButtonRow& b = formatting[i];
        QAction* a = nullptr;
        if (b.key.isEmpty()) {
            a = Toolbar1->addSeparator();
            a->setObjectName(QString("Toolbar1_Separator%1").arg(i + 1));
        } else if (b.key == "Font" || b.key == "FontSize") {
            a = Toolbar1->addWidget(b.key == "Font" ? FontCombo : FontSizeCombo);
        } else {
            a = Toolbar1->addAction(DialogParts::ProgramIcon(iconName(b.key)), b.key);
            a->setToolTip(b.tip);
            const QString key = b.key;
            connect(a, &QAction::triggered, this, [this, key] {
                runCommand(
                    operationOf(key), [this, key] { Toolbar1_ButtonClick(key); },
                    repeatsEachTime(key));
            });
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
    connect(FontCombo, &QComboBox::activated, this, [this](int index) {
        runCommand(
            "FontCombo", [this, index] { FontCombo_Click(index); }, true);
    });
    connect(FontSizeCombo, &QComboBox::activated, this, [this](int index) {
        runCommand(
            "FontSizeCombo", [this, index] { FontSizeCombo_Click(index); }, true);
    });

    // The standard toolbar.
    Toolbar2 = createToolbar(client_, "Toolbar2", StandardBarHeight);
    for (const ButtonRow& b : standardButtons()) {
        if (b.key.isEmpty()) {
            Toolbar2->addSeparator();
            continue;
        }
        QAction* a = Toolbar2->addAction(DialogParts::ProgramIcon(iconName(b.key)), b.key);
        a->setObjectName("Toolbar2_" + b.key);
        a->setToolTip(b.tip);
        const QString key = b.key;
        connect(a, &QAction::triggered, this, [this, key] {
            runCommand(
                operationOf(key), [this, key] { Toolbar2_ButtonClick(key); }, repeatsEachTime(key));
        });
        Toolbar2Buttons.insert(b.key, a);
    }

    // The beginner toolbar: large buttons with captions.
    Toolbar3 = createToolbar(client_, "Toolbar3", BeginnerBarHeight);
    Toolbar3->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    // Caption and picture must fit the band above the formatting toolbar.
    Toolbar3->setContentsMargins(0, 0, 0, 0);
    Toolbar3->layout()->setContentsMargins(0, 0, 0, 0);
    Toolbar3->setStyleSheet("QToolBar { padding: 0px; spacing: 0px; border: 0px; }"
                            "QToolButton { padding: 0px 2px; margin: 0px; font-size: 8pt; }");
    for (const ButtonRow& b : beginnerButtons()) {
        QAction* a = new QAction(DialogParts::ProgramIcon(iconName(b.key)), b.caption, Toolbar3);
        a->setObjectName("Toolbar3_" + b.key);
        if (!b.tip.isEmpty())
            a->setToolTip(b.tip);
        const QString key = b.key;
        if (b.key == "Edit") {
            Toolbar3EditMenu = new QMenu(Toolbar3);
            Toolbar3EditMenu->setObjectName("Toolbar3_EditMenu");
            for (const ButtonRow& item : beginnerEditMenu()) {
                QAction* m = Toolbar3EditMenu->addAction(item.caption);
                m->setObjectName("Toolbar3_Edit_" + item.key);
                const QString k = item.key;
                connect(m, &QAction::triggered, this, [this, k] {
                    runCommand(
                        operationOf(k), [this, k] { Toolbar3_ButtonMenuClick(k); }, true);
                });
            }
            a->setMenu(Toolbar3EditMenu);
            Toolbar3->addAction(a);
            if (auto* button = qobject_cast<QToolButton*>(Toolbar3->widgetForAction(a)))
                button->setPopupMode(QToolButton::InstantPopup);
        } else {
            Toolbar3->addAction(a);
            connect(a, &QAction::triggered, this, [this, key] {
                runCommand(
                    operationOf(key), [this, key] { Toolbar3_ButtonClick(key); },
                    repeatsEachTime(key));
            });
        }
        Toolbar3Buttons.insert(b.key, a);
    }

    // The font boxes take the formatting bar's whole height, and in a larger text size
    // the bar grows, so that they show their text whole.
    Toolbar1->setFixedHeight(qMax(Toolbar1->height(), Toolbar1->sizeHint().height()));
}

// ---- toolbar clicks -----------------------------------------------------------------

void MainForm::Toolbar1_ButtonClick(const QString& key) {
    if (key == "Color") {
        pickForeColor();
        return;
    }
    const int button = FormatButtonKeys.indexOf(key);
    const int command = FormatButtonCommands.value(button);
    if (button >= 0 && command != 0) {
        skipErrors([&] { DHTMLEdit1->ExecCommand(command, OLECMDEXECOPT_DONTPROMPTUSER); });
        return;
    }
    runButton(*this, formattingButtons(), key);
}

void MainForm::Toolbar2_ButtonClick(const QString& key) {
    runButton(*this, standardButtons(), key);
}

void MainForm::Toolbar3_ButtonClick(const QString& key) {
    runButton(*this, beginnerButtons(), key);
}

void MainForm::Toolbar3_ButtonMenuClick(const QString& key) {
    runButton(*this, beginnerEditMenu(), key);
}
