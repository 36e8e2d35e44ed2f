// The inline frame and the background sound go through the same hand-over as the
// marquee: Insert once (one undo takes it out), Edit and change, the close box, Cancel.
#include "core/Module1.h"
#include "effects/Effects.h"
#include "effects/EffectsDriver.h"
#include "platform/DHTMLEditCommands.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using namespace EffectsDriver;

namespace {

struct Effect {
    const char* dialog;
    int32_t code;
    const char* ok;
    const char* cancel;
    const char* tag; // what the effect puts into the page
};

void PrintTo(const Effect& e, std::ostream* os) {
    *os << e.dialog;
}

class EachEffect : public WithMainForm, public ::testing::WithParamInterface<Effect> {
protected:
    QAction* item() const {
        return GetParam().code == Effects::PreviewInlineFrame ? frameItem() : soundItem();
    }
    // Fills the dialog with an effect that names value.
    void fill(QDialog* d, const QString& value) {
        if (GetParam().code == Effects::PreviewInlineFrame) {
            field<QComboBox>(d, "Combo1")->setEditText(previewDir.path() + "/" + value + ".htm");
            field<QLineEdit>(d, "Text1")->setText("300");
            field<QLineEdit>(d, "Text2")->setText("200");
        } else {
            field<QLineEdit>(d, "Text1")->setText(previewDir.path() + "/" + value + ".wav");
        }
    }
    int effectsInPage() { return body().count(QString("<") + GetParam().tag); }
};

} // namespace

TEST_P(EachEffect, InsertPutsItInOnceAndOneUndoTakesItOut) {
    page("<p id='p'>Hello</p>");
    withDialog(item(), GetParam().dialog, [&](QDialog* d) {
        fill(d, "first");
        onPreview([&](Preview* p) { click(p, "cmdInsert"); });
        click(d, GetParam().ok);
    });
    EXPECT_EQ(effectsInPage(), 1) << qPrintable(body());
    EXPECT_TRUE(body().contains("first")) << qPrintable(body());
    EXPECT_EQ(Module1::PreviewSource, GetParam().code);
    EXPECT_EQ(Effects::Loaded(GetParam().code), nullptr);
    editor->ExecCommand(DECMD_UNDO, 0);
    EXPECT_TEXT(body(), "<p id=\"p\">Hello</p>");
}

TEST_P(EachEffect, EditAndChangeShowsTheChangeInTheNextPreview) {
    page("<p id='p'>Hello</p>");
    withDialog(item(), GetParam().dialog, [&](QDialog* d) {
        fill(d, "first");
        onPreview([&](Preview* p) {
            EXPECT_TRUE(TestSupport::readText(previewFile()).contains("first"));
            onDialog(GetParam().dialog, [&](QDialog* again) {
                fill(again, "second");
                onPreview([&](Preview* second) {
                    const QString file = TestSupport::readText(previewFile());
                    EXPECT_TRUE(file.contains("second"));
                    EXPECT_FALSE(file.contains("first"));
                    click(second, "cmdInsert");
                });
                click(again, GetParam().ok);
            });
            click(p, "cmdPrevious");
        });
        click(d, GetParam().ok);
    });
    EXPECT_EQ(effectsInPage(), 1);
    EXPECT_TRUE(body().contains("second"));
    EXPECT_FALSE(body().contains("first"));
}

TEST_P(EachEffect, TheCloseBoxInsertsNothingAndKeepsTheEntriesForTheNextOpening) {
    page("<p id='p'>Hello</p>");
    withDialog(item(), GetParam().dialog, [&](QDialog* d) {
        fill(d, "kept");
        onPreview([](Preview* p) { p->close(); });
        click(d, GetParam().ok);
    });
    EXPECT_TEXT(body(), "<p id=\"p\">Hello</p>");
    const QString effect = Module1::PendingSnippet;
    EXPECT_TRUE(effect.contains("kept"));
    withDialog(item(), GetParam().dialog, [&](QDialog* d) {
        const QString shown = GetParam().code == Effects::PreviewInlineFrame
                                  ? field<QComboBox>(d, "Combo1")->currentText()
                                  : field<QLineEdit>(d, "Text1")->text();
        EXPECT_TRUE(shown.contains("kept")) << qPrintable(shown);
        EXPECT_EQ(Module1::PendingSnippet, effect);
        click(d, GetParam().cancel);
    });
    EXPECT_TEXT(body(), "<p id=\"p\">Hello</p>");
    EXPECT_EQ(Module1::PendingSnippet, effect);
}

TEST_P(EachEffect, CancelInsertsNothing) {
    page("<p id='p'>Hello</p>");
    Module1::PreviewSource = 4;
    withDialog(item(), GetParam().dialog, [&](QDialog* d) {
        fill(d, "never");
        click(d, GetParam().cancel);
    });
    EXPECT_TEXT(body(), "<p id=\"p\">Hello</p>");
    EXPECT_EQ(Module1::PendingSnippet, "");
    EXPECT_EQ(Module1::PendingBodyStart, "");
    EXPECT_EQ(Module1::PreviewSource, 4);
    EXPECT_EQ(Effects::Loaded(GetParam().code), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Effects, EachEffect,
                         ::testing::Values(Effect{"frmIframe", Effects::PreviewInlineFrame, "cmdOK",
                                                  "cmdCancel", "iframe"},
                                           Effect{"BGSound", Effects::PreviewBackgroundSound,
                                                  "cmdOK", "cmdCancel", "script"}),
                         [](const ::testing::TestParamInfo<Effect>& info) {
                             return std::string(info.param.dialog);
                         });
