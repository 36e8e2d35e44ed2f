// The source view: its own stored window geometry, Save putting the edited source back
// into the page (changed, path kept) and Cancel leaving the page alone.
#include "core/window/MainForm.h"
#include "core/window/frmViewSource.h"
#include "platform/DHTMLEdit.h"
#include "platform/Twips.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

const QString App = "TSLY";

class SourceView : public ::testing::Test {
protected:
    void SetUp() override {
        resetSettings();
        editor.resize(600, 400);
        editor.show();
    }
    void TearDown() override { clearModalWaiters(); }
    static QSize threeQuartersOfTheScreen() {
        const QSize s = QGuiApplication::primaryScreen()->geometry().size();
        return {Twips::toPixels(int(0.75 * Twips::fromPixels(s.width()))),
                Twips::toPixels(int(0.75 * Twips::fromPixels(s.height())))};
    }
    // Opens the view on the page, lets act work in it, then closes it.
    void withView(const std::function<void(frmViewSource&)>& act) {
        frmViewSource view(&editor);
        view.show();
        pump(50);
        act(view);
    }
    QString stored(const QString& key) { return setting(App, "Window", key); }
    DHTMLEdit editor;
};

} // namespace

TEST_F(SourceView, FirstUseCoversThreeQuartersOfTheScreenAtTheTopLeft) {
    withView([&](frmViewSource& view) {
        EXPECT_EQ(view.objectName(), "frmViewSource");
        EXPECT_EQ(view.windowTitle(), "Source");
        EXPECT_EQ(view.frameGeometry().topLeft(), QPoint(0, 0));
        EXPECT_EQ(view.frameGeometry().size(), threeQuartersOfTheScreen());
        view.cmdCancel->click();
    });
    // Closing stores the geometry, in twips.
    EXPECT_EQ(stored("ViewSrcLeftXCoord"), "0");
    EXPECT_EQ(stored("ViewSrcLeftYCoord"), "0");
    EXPECT_EQ(stored("ViewSrcWindowXSize"),
              QString::number(Twips::fromPixels(threeQuartersOfTheScreen().width())));
    EXPECT_EQ(stored("ViewSrcWindowYSize"),
              QString::number(Twips::fromPixels(threeQuartersOfTheScreen().height())));
    // Opened again, it has the size it was left at, its frame included.
    for (int i = 0; i < 2; ++i)
        withView([&](frmViewSource& view) {
            pump(200);
            EXPECT_EQ(view.frameGeometry().size(), threeQuartersOfTheScreen()) << "opening " << i;
            view.close();
        });
}

TEST_F(SourceView, StoredGeometryIsUsedExceptTheDesignSize) {
    storeSetting(App, "Window", "ViewSrcLeftXCoord", "1500");
    storeSetting(App, "Window", "ViewSrcLeftYCoord", "750");
    storeSetting(App, "Window", "ViewSrcWindowXSize", "5000");
    storeSetting(App, "Window", "ViewSrcWindowYSize", "4500");
    withView([&](frmViewSource& view) {
        EXPECT_EQ(view.frameGeometry().topLeft(), QPoint(100, 50));
        EXPECT_EQ(view.frameGeometry().width(), threeQuartersOfTheScreen().width());
        EXPECT_EQ(view.frameGeometry().height(), 300);
        // The controls follow the window's outer size.
        const int outer = view.frameGeometry().width();
        EXPECT_EQ(view.txtSource->size(),
                  QSize(outer - Twips::toPixels(350), 300 - Twips::toPixels(1200)));
        EXPECT_EQ(view.cmdCancel->pos(),
                  QPoint(outer - Twips::toPixels(1500), 300 - Twips::toPixels(900)));
        EXPECT_EQ(view.cmdSave->pos(),
                  QPoint(outer - Twips::toPixels(2950), 300 - Twips::toPixels(900)));
        view.close();
    });
    EXPECT_EQ(stored("ViewSrcLeftXCoord"), "1500");
    EXPECT_EQ(stored("ViewSrcWindowYSize"), "4500");
}

TEST_F(SourceView, UnreadableNumbersCountAsZero) {
    storeSetting(App, "Window", "ViewSrcLeftXCoord", "left");
    storeSetting(App, "Window", "ViewSrcWindowXSize", "wide");
    withView([&](frmViewSource& view) {
        EXPECT_EQ(view.frameGeometry().x(), 0);
        EXPECT_EQ(view.frameGeometry().width(), threeQuartersOfTheScreen().width());
        view.close();
    });
}

TEST_F(SourceView, SaveReplacesThePageMarksItChangedAndKeepsItsPath) {
    QTemporaryDir dir;
    const QString page = dir.filePath("page.htm");
    writeText(page, "<html><head><title>T</title></head><body><p>before</p></body></html>");
    editor.LoadDocument(page);
    withView([&](frmViewSource& view) {
        const QString shown = view.txtSource->toPlainText();
        EXPECT_TRUE(shown.contains("<p>before</p>")) << qPrintable(shown);
        EXPECT_EQ(view.txtSource->lineWrapMode(), QPlainTextEdit::NoWrap);
        QString edited = shown;
        edited.replace("<p>before</p>", "<p>after</p><script>var a = 1 < 2;</script>");
        view.txtSource->setPlainText(edited);
        view.cmdSave->click();
        EXPECT_FALSE(view.isVisible());
    });
    EXPECT_EQ(bodyHTML(&editor), "<p>after</p><script>var a = 1 < 2;</script>");
    EXPECT_TRUE(editor.IsDirty());
    EXPECT_EQ(editor.CurrentDocumentPath(), QFileInfo(page).absoluteFilePath());
    EXPECT_NE(stored("ViewSrcWindowXSize"), "<unset>");

    // The first keys go into the new page; the edit is one undo step.
    caretAtEnd(&editor, "p");
    typeText(&editor, "!");
    EXPECT_TRUE(waitUntil([&] { return bodyHTML(&editor).startsWith("<p>after!</p>"); }))
        << qPrintable(bodyHTML(&editor));
    editor.ExecCommand(DECMD_UNDO, OLECMDEXECOPT_DODEFAULT);
    EXPECT_EQ(bodyHTML(&editor), "<p>after</p><script>var a = 1 < 2;</script>");
    editor.ExecCommand(DECMD_UNDO, OLECMDEXECOPT_DODEFAULT);
    EXPECT_EQ(bodyHTML(&editor), "<p>before</p>");
    EXPECT_EQ(editor.DOM().title(), "T");
    editor.ExecCommand(DECMD_REDO, OLECMDEXECOPT_DODEFAULT);
    EXPECT_EQ(bodyHTML(&editor), "<p>after</p><script>var a = 1 < 2;</script>");
}

TEST_F(SourceView, SaveWithUnchangedTextChangesNothingAndKeepsUndo) {
    const QString html = "<html><head></head><body><pre>a\r\nb</pre><p id=\"x\">same</p></body>"
                         "</html>";
    editor.setDocumentHTML(html, false);
    const QString before = editor.DocumentHTML();
    withView([&](frmViewSource& view) { view.cmdSave->click(); });
    EXPECT_EQ(editor.DocumentHTML(), before);
    EXPECT_FALSE(editor.IsDirty());

    editor.DOM().selection().createRange().pasteHTML("<b>new</b>");
    const QString edited = editor.DocumentHTML();
    withView([&](frmViewSource& view) { view.cmdSave->click(); });
    EXPECT_EQ(editor.DocumentHTML(), edited);
    EXPECT_TRUE(editor.IsDirty()); // a change made before stays a change
    ASSERT_EQ(editor.QueryStatus(DECMD_UNDO), DECMDF_ENABLED);
    editor.ExecCommand(DECMD_UNDO, OLECMDEXECOPT_DODEFAULT);
    EXPECT_EQ(editor.DocumentHTML(), before);
}

TEST_F(SourceView, CancelLeavesThePage) {
    editor.setDocumentHTML("<html><head></head><body><p>as it was</p></body></html>", false);
    withView([&](frmViewSource& view) {
        view.txtSource->setPlainText("<html><body>thrown away</body></html>");
        view.cmdCancel->click();
    });
    EXPECT_EQ(bodyHTML(&editor), "<p>as it was</p>");
    EXPECT_FALSE(editor.IsDirty());
    EXPECT_NE(stored("ViewSrcLeftXCoord"), "<unset>");
}

TEST_F(SourceView, TheViewMenuOpensItOnTheMainWindowsPage) {
    MainForm form;
    form.show();
    form.DHTMLEdit1->setDocumentHTML("<html><body><p>main page</p></body></html>", false);
    QString shown;
    whenModal([&](QWidget* w) {
        ASSERT_EQ(w->objectName(), "frmViewSource");
        shown = child<QPlainTextEdit>(w, "txtSource")->toPlainText();
        child<QPushButton>(w, "cmdCancel")->click();
    });
    form.ViewSub[2]->trigger();
    EXPECT_TRUE(shown.contains("<p>main page</p>")) << qPrintable(shown);
    form.DHTMLEdit1->setDocumentHTML("<html><body></body></html>", false);
}
