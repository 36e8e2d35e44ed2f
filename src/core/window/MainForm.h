#pragma once

#include <QList>
#include <QMainWindow>
#include <QMap>
#include <QStringList>
#include <functional>

class CommandGate;
class DHTMLEdit;
class ListBar;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QStatusBar;
class QToolBar;
class QToolButton;
class SplitterBar;

// The program's main window: the editing surface with its menus, three toolbars,
// shortcut bar and status bar. It builds them and calls the subsystems; their handlers
// keep the names they are known by (FileNew_Click, Toolbar1_ButtonClick, ...).
// MainForm.cpp: start-up, closing, View and Help; MainFormMenus.cpp: menus and toolbars;
// MainFormLayout.cpp: the layout; MainFormCommands.cpp: the editing commands and the
// display; MainFormFile.cpp: the page's life; MainFormInsert.cpp: the Insert menu.
class MainForm : public QMainWindow {
    Q_OBJECT
public:
    // Runs the whole start-up: when it returns the blank page is loaded (or the page
    // the arguments name).
    explicit MainForm(const QStringList& arguments = {}, QWidget* parent = nullptr);
    ~MainForm() override;

    // ---- controls ---------------------------------------------------------------
    DHTMLEdit* DHTMLEdit1 = nullptr;
    QWidget* picShortcutBar = nullptr;
    QLabel* lblShortcutBar = nullptr;
    ListBar* SSListBar1 = nullptr;
    QToolButton* cmdCloseShortcutBar = nullptr;
    QToolBar* Toolbar1 = nullptr;
    QToolBar* Toolbar2 = nullptr;
    QToolBar* Toolbar3 = nullptr;
    QComboBox* FontCombo = nullptr;
    QComboBox* FontSizeCombo = nullptr;
    QLabel* StatusPanel1 = nullptr; // "Current Block Formatting"
    QLabel* StatusPanel2 = nullptr; // "Press F1 for Help"

    // Menus and their items (a separator is an item too, so indexes match).
    QMenu* Insert = nullptr;
    QAction* FileNew = nullptr;
    QAction* FileOpen = nullptr;
    QAction* FileSave = nullptr;
    QAction* mnuFilePrint = nullptr;
    QList<QAction*> EditSub;              // 0..10
    QList<QAction*> ViewSub;              // 0..7
    QList<QAction*> FormatSub;            // 0..15
    QList<QAction*> mnuPositionSub;       // 0..8
    QList<QAction*> TableSub;             // 0..11
    QList<QAction*> mnuInsertFormItem;    // 0..10
    QList<QAction*> mnuSpecialEffectsSub; // index 1..4 (0 unused)
    QAction* mnuInsertPageProperties = nullptr;
    QAction* mnuInsertAnchor = nullptr;
    QAction* mnuInsertEmailLink = nullptr;
    QAction* mnuInsertHorizLine = nullptr;
    QAction* mnuInsertHyperlink = nullptr;
    QAction* mnuInsertImage = nullptr;
    QAction* mnuInsertImageMap = nullptr;
    QAction* InsertHTML = nullptr;
    QAction* mnuInsertSound = nullptr;
    QAction* mnuInsertSpecChars = nullptr;
    QAction* mnuTextBox = nullptr;
    QAction* mnuHelpContents = nullptr;

    // Toolbar1's buttons by key, and its twenty buttons by position (index 0 is
    // button 1).
    QMap<QString, QAction*> Toolbar1Buttons;
    QList<QAction*> Toolbar1Index;

    // ---- state -----------------------------------------------------------------
    bool editorReady = false;
    QStringList fontNames; // 0..6
    // The context menu's last build.
    bool CanPosition = false;
    bool IsPositioned = false;
    bool InTable = false;

    // Every menu item, toolbar button, shortcut-bar item and the close run through here:
    // one at a time, a command that comes while another runs waits for it (see
    // CommandGate). key names the operation (the same for its menu item and buttons);
    // eachTime is for commands that do something each time they come (editing commands).
    // Returns whether it ran now.
    bool runCommand(const QString& key, const std::function<void()>& command,
                    bool eachTime = false);

    // ---- start-up, layout and the shortcut bar -----------------------------------
    void SetShortcutBarVisible(bool show);
    void ApplyBeginnerToolbar();
    void DisableEditingControls();
    void UpdateCaption();
    void LoadShortcutBar();
    void DHTMLEdit1_DragDrop(QWidget* source, int x, int y);
    void SSListBar1_DragDrop(QWidget* source, int x, int y);
    // The window's position and size in twips, as the settings store them: the window's
    // own rectangle, inside the frame a window manager puts around it, which comes back
    // exactly whatever the window manager does.
    int windowLeft() const;
    int windowTop() const;
    int windowWidth() const;
    int windowHeight() const;
    int barWidth() const;

    // ---- editing commands ----------------------------------------------------------
    void Toolbar1_ButtonClick(const QString& key);
    void Toolbar2_ButtonClick(const QString& key);
    void Toolbar3_ButtonClick(const QString& key);
    void Toolbar3_ButtonMenuClick(const QString& key);
    void EditSub_Click(int index);
    void TableSub_Click(int index);
    void mnuPositionSub_Click(int index);
    void FontCombo_Click(int index);
    void FontSizeCombo_Click(int index);
    void Edit_Click();
    void mnuTable_Click();
    void mnuPosition_Click();
    void Format_Click();
    void DHTMLEdit1_DisplayChanged();
    void DHTMLEdit1_ContextMenuAction(int itemIndex);
    // A Windows colour value (0x00BBGGRR) as "#RRGGBB".
    static QString ColorToHtml(quint32 color);

    // ---- the page's life ----------------------------------------------------------
    void FileNew_Click();
    void FileOpen_Click();
    void FileSave_Click();
    void mnuFilePrint_Click();
    // 0 unchanged, 1 saved, 2 cancelled or not saved, 7 changes discarded.
    int32_t PromptSaveChanges();
    bool SavePage(bool askForName);
    void BrowserPreview();

    // ---- the Insert menu -----------------------------------------------------------
    void mnuInsertPageProperties_Click();
    void mnuInsertAnchor_Click();
    void mnuInsertEmailLink_Click();
    void mnuInsertHorizLine_Click();
    void mnuInsertHyperlink_Click();
    void mnuInsertImage_Click();
    void mnuInsertImageMap_Click();
    void InsertHTML_Click();
    void mnuInsertSound_Click();
    void mnuInsertSpecChars_Click();
    void mnuSpecialEffectsSub_Click(int index);
    void mnuInsertFormItem_Click(int index);
    void mnuTextBox_Click();
    // The page-properties dialog with its colour tab in front (the beginner toolbar's
    // "Set Colors").
    void ShowPageColors();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building the window (MainFormMenus.cpp, MainFormLayout.cpp).
    void createFileMenu();
    void createEditMenu();
    void createViewMenu();
    void createInsertMenu();
    void createFormatMenu();
    void createPositionMenu();
    void createHelpMenu();
    void createToolbars();
    void createShortcutBar();
    void createStatusBar();
    void connectEditor();

    // Start-up, View, Help and closing (MainForm.cpp).
    void Form_Load(const QStringList& arguments);
    void ViewSub_Click(int index);
    void mnuHelpContents_Click();
    void mnuAbout_Click();
    void FileExit_Click();
    void Form_QueryUnload(bool& cancel);
    void Form_Unload();
    void SSListBar1_ItemClick(const QString& key);
    // A page named on the command line that could not open, or that opened with
    // characters it could not read, is reported once the window is shown.
    void reportStartupError();
    // Open's word on characters of the page just loaded that could not be read.
    void tellUnreadableCharacters();

    // Layout (MainFormLayout.cpp).
    void Form_Resize();
    void picShortcutBar_Resize();
    void cmdCloseShortcutBar_Click();
    void cmdCloseShortcutBar_MouseUp();
    void setBarWidth(int twips);
    void layoutChrome();
    void applySurfaceGeometry();
    void placeWindow(const QRect& twips);
    void windowFramed(const QMargins& frame);
    int outerWidth() const; // twips, the frame included
    int outerHeight() const;

    // The command tables and the display (MainFormMenus.cpp, MainFormCommands.cpp).
    void InitFormatButtons();
    void InitMenuCommands();
    void FormatSub_Click(int index);
    void EnableMenuByCommand(QAction* item, int commandId);
    void DHTMLEdit1_DocumentComplete();
    void UpdateFontBoxes();
    void DHTMLEdit1_ShowContextMenu(int x, int y);
    void pickForeColor();

    // The page's life and the Insert menu (MainFormFile.cpp, MainFormInsert.cpp).
    void FileSaveAs_Click();
    void ShowSourceView();
    void ShowOptions();
    void Insert_Click();
    void InsertTableDialog(); // TableSub item 0

    QMenu* File = nullptr;
    QMenu* Edit = nullptr;
    QMenu* View = nullptr;
    QMenu* Format = nullptr;
    QMenu* mnuPosition = nullptr;
    QMenu* mnuHelp = nullptr;
    QMenu* mnuInsertForm = nullptr;
    QMenu* mnuSpecialEffects = nullptr;
    QMenu* mnuTable = nullptr;
    QAction* FileSaveAs = nullptr;
    QAction* FileExit = nullptr;
    QAction* mnuAbout = nullptr;
    QMap<QString, QAction*> Toolbar2Buttons;
    QMap<QString, QAction*> Toolbar3Buttons;
    QMenu* Toolbar3EditMenu = nullptr;
    SplitterBar* VSplitter2 = nullptr;
    QStatusBar* StatusBar1 = nullptr;

    QStringList fontSizes; // 0..6
    // Command tables (0 marks a separator).
    QStringList FormatButtonKeys;
    QList<int> FormatButtonCommands;
    QList<int> EditMenuCommands;
    QList<int> TableMenuCommands;
    QList<int> PositionMenuCommands;
    static constexpr long ContextBaseLast = 6;
    long ContextPositionItems = 0;
    long ContextTableItems = 0;

    QWidget* client_ = nullptr;
    int surfaceLeft_ = 0;  // twips
    int surfaceTop_ = 930; // twips
    int surfaceWidth_ = 0;
    int surfaceHeight_ = 0;
    int splitterLeft_ = 0;
    // The geometry last given in twips, and in pixels: while the window keeps those
    // pixels it reports the twips it was given, so stored values do not drift.
    QRect givenTwips_;
    QRect givenPixels_;
    bool framedOnce_ = false; // the frame has been awaited since the first show
    QString startupError_;
    CommandGate* gate_ = nullptr;
    bool inQueryUnload_ = false;
    // The message box icon of startupError_ (a warning for unreadable characters).
    int startupErrorIcon_ = 0;
};
