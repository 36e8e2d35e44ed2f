#pragma once

#include <QList>
#include <QMainWindow>
#include <QMap>
#include <QStringList>

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
// shortcut bar and status bar. Its handlers keep the names they are known by
// (FileNew_Click, Toolbar1_ButtonClick, ...). The window, its layout and its closing
// are in MainForm.cpp; the editing commands in MainFormCommands.cpp; the page's life
// in MainFormFile.cpp; the Insert menu in MainFormInsert.cpp.
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
    SplitterBar* VSplitter2 = nullptr;
    QToolBar* Toolbar1 = nullptr;
    QToolBar* Toolbar2 = nullptr;
    QToolBar* Toolbar3 = nullptr;
    QComboBox* FontCombo = nullptr;
    QComboBox* FontSizeCombo = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusPanel1 = nullptr; // "Current Block Formatting"
    QLabel* StatusPanel2 = nullptr; // "Press F1 for Help"

    // Menus and their items (a separator is an item too, so indexes match).
    QMenu* File = nullptr;
    QMenu* Edit = nullptr;
    QMenu* View = nullptr;
    QMenu* Insert = nullptr;
    QMenu* Format = nullptr;
    QMenu* mnuPosition = nullptr;
    QMenu* mnuHelp = nullptr;
    QMenu* mnuInsertForm = nullptr;
    QMenu* mnuSpecialEffects = nullptr;
    QMenu* mnuTable = nullptr;
    QAction* FileNew = nullptr;
    QAction* FileOpen = nullptr;
    QAction* FileSave = nullptr;
    QAction* FileSaveAs = nullptr;
    QAction* mnuFilePrint = nullptr;
    QAction* FileExit = nullptr;
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
    QAction* mnuAbout = nullptr;

    // Toolbar buttons by key, and Toolbar1's twenty buttons by position (index 0 is
    // button 1).
    QMap<QString, QAction*> Toolbar1Buttons;
    QMap<QString, QAction*> Toolbar2Buttons;
    QMap<QString, QAction*> Toolbar3Buttons;
    QList<QAction*> Toolbar1Index;
    QMenu* Toolbar3EditMenu = nullptr;

    // ---- state -----------------------------------------------------------------
    bool editorReady = false;
    QStringList fontNames; // 0..6
    QStringList fontSizes; // 0..6

    // Command tables (0 marks a separator).
    QStringList FormatButtonKeys;
    QList<int> FormatButtonCommands;
    QList<int> EditMenuCommands;
    QList<int> TableMenuCommands;
    QList<int> PositionMenuCommands;

    // The context menu's last build.
    bool CanPosition = false;
    bool IsPositioned = false;
    bool InTable = false;
    static constexpr long ContextBaseLast = 6;
    long ContextPositionItems = 0;
    long ContextTableItems = 0;

    // ---- start-up, layout, View and Help (MainForm.cpp) --------------------------
    void Form_Load(const QStringList& arguments);
    void Form_Resize();
    void picShortcutBar_Resize();
    void DHTMLEdit1_DragDrop(QWidget* source, int x, int y);
    void SSListBar1_DragDrop(QWidget* source, int x, int y);
    void cmdCloseShortcutBar_Click();
    void cmdCloseShortcutBar_MouseUp();
    void ViewSub_Click(int index);
    void mnuHelpContents_Click();
    void mnuAbout_Click();
    void Form_QueryUnload(bool& cancel);
    void Form_Unload();

    void SetShortcutBarVisible(bool show);
    void ApplyBeginnerToolbar();
    void DisableEditingControls();
    void UpdateCaption();
    void LoadShortcutBar();
    void SSListBar1_ItemClick(const QString& key);

    // The window's outer size and position in twips, as the settings store them.
    int windowLeft() const;
    int windowTop() const;
    int windowWidth() const;
    int windowHeight() const;
    int barWidth() const;
    void setBarWidth(int twips);

    // ---- editing commands (MainFormCommands.cpp) ---------------------------------
    void InitFormatButtons();
    void InitMenuCommands();
    void Toolbar1_ButtonClick(const QString& key);
    void Toolbar2_ButtonClick(const QString& key);
    void Toolbar3_ButtonClick(const QString& key);
    void Toolbar3_ButtonMenuClick(const QString& key);
    void EditSub_Click(int index);
    void TableSub_Click(int index);
    void mnuPositionSub_Click(int index);
    void FormatSub_Click(int index);
    void FontCombo_Click(int index);
    void FontSizeCombo_Click(int index);
    void Edit_Click();
    void mnuTable_Click();
    void mnuPosition_Click();
    void Format_Click();
    void EnableMenuByCommand(QAction* item, int commandId);
    void DHTMLEdit1_DocumentComplete();
    void DHTMLEdit1_DisplayChanged();
    void UpdateFontBoxes();
    void DHTMLEdit1_ShowContextMenu(int x, int y);
    void DHTMLEdit1_ContextMenuAction(int itemIndex);
    // A Windows colour value (0x00BBGGRR) as "#RRGGBB".
    static QString ColorToHtml(quint32 color);

    // ---- the page's life (MainFormFile.cpp) --------------------------------------
    void FileNew_Click();
    void FileOpen_Click();
    void FileSave_Click();
    void FileSaveAs_Click();
    void mnuFilePrint_Click();
    void FileExit_Click();
    // 0 unchanged, 1 saved, 2 cancelled or not saved, 7 changes discarded.
    int32_t PromptSaveChanges();
    bool SavePage(bool askForName);
    void BrowserPreview();
    void ShowSourceView();
    void ShowOptions();

    // ---- the Insert menu (MainFormInsert.cpp) ------------------------------------
    void Insert_Click();
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
    void InsertTableDialog(); // TableSub item 0
    // The page-properties dialog with its colour tab in front (the beginner toolbar's
    // "Set Colors").
    void ShowPageColors();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
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
    void layoutChrome();
    void applySurfaceGeometry();
    void setOuterGeometry(int leftTwips, int topTwips, int widthTwips, int heightTwips);

    QWidget* client_ = nullptr;
    int surfaceLeft_ = 0;  // twips
    int surfaceTop_ = 930; // twips
    int surfaceWidth_ = 0;
    int surfaceHeight_ = 0;
    int splitterLeft_ = 0;
    QSize pendingOuterSize_;
    // The geometry last given in twips, and in pixels: while the window keeps those
    // pixels it reports the twips it was given, so stored values do not drift.
    QRect givenTwips_;
    QRect givenPixels_;
};
