// Several insertions made inside one UndoStep come out with one Undo.
#include "platform/UndoStep.h"
#include "core/Module1.h"
#include "platform/DHTMLEdit.h"
#include "platform/DHTMLEditCommands.h"
#include "support/SurfaceFixture.h"

#include <gtest/gtest.h>

using namespace TestSupport;

namespace {
class UndoSteps : public SurfaceTest {
protected:
    void SetUp() override {
        SurfaceTest::SetUp();
        Module1::SetEditor(&editor);
        page("<p id='p'>text</p>");
        caretAtEnd(&editor, "#p");
    }
    void TearDown() override { Module1::SetEditor(nullptr); }
};
} // namespace

TEST_F(UndoSteps, ABodyStartInsertionAndAPasteUndoTogether) {
    {
        UndoStep step(&editor);
        Module1::InsertAtBodyStart("<script>var a = 1;</script>");
        Module1::PasteAtSelection("<b id='b'>bold</b>");
    }
    ASSERT_TRUE(bodyHTML(&editor).contains("var a = 1;"));
    ASSERT_TRUE(bodyHTML(&editor).contains("id=\"b\""));
    editor.ExecCommand(DECMD_UNDO, OLECMDEXECOPT_DODEFAULT);
    EXPECT_FALSE(bodyHTML(&editor).contains("var a = 1;")) << qPrintable(bodyHTML(&editor));
    EXPECT_FALSE(bodyHTML(&editor).contains("id=\"b\"")) << qPrintable(bodyHTML(&editor));
    EXPECT_TRUE(bodyHTML(&editor).contains("text"));
}

TEST_F(UndoSteps, NestedStepsCloseWithTheOutermostAndLaterChangesUndoApart) {
    {
        UndoStep outer(&editor);
        Module1::PasteAtSelection("<i id='one'>1</i>");
        {
            UndoStep inner(&editor);
            Module1::PasteAtSelection("<i id='two'>2</i>");
        }
        Module1::PasteAtSelection("<i id='three'>3</i>");
    }
    Module1::PasteAtSelection("<i id='four'>4</i>");
    editor.ExecCommand(DECMD_UNDO, OLECMDEXECOPT_DODEFAULT);
    const QString afterOne = bodyHTML(&editor);
    EXPECT_FALSE(afterOne.contains("four"));
    EXPECT_TRUE(afterOne.contains("three")) << qPrintable(afterOne);
    editor.ExecCommand(DECMD_UNDO, OLECMDEXECOPT_DODEFAULT);
    const QString afterTwo = bodyHTML(&editor);
    EXPECT_FALSE(afterTwo.contains("one") || afterTwo.contains("two") || afterTwo.contains("three"))
        << qPrintable(afterTwo);
}
