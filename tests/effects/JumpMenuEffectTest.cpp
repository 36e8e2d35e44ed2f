// Insert > Special Effects > JumpTo/Dropdown menu driven as a user would: build the
// menu, preview it (choosing an item goes there), edit it, insert it, and find it kept.
#include "core/Module1.h"
#include "effects/Effects.h"
#include "effects/EffectsDriver.h"
#include "effects/Pulldown.h"
#include "effects/PulldownURL.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QUrl>

using namespace EffectsDriver;

namespace {

class JumpMenuEffect : public WithMainForm {
protected:
    QAction* menuItem() const { return form->mnuSpecialEffectsSub[3]; }

    // Adds an item through the item dialog, as typed.
    static void add(QDialog* d, const QString& text, const QString& url) {
        TestSupport::whenModal([text, url](QWidget* w) {
            auto* item = qobject_cast<PulldownURL*>(w);
            if (!item) {
                ADD_FAILURE() << "expected PulldownURL, got " << qPrintable(w->objectName());
                w->close();
                return;
            }
            item->txtMenuItem->setText(text);
            item->txtMenuItemURL->setText(url);
            item->cmdOK->click();
        });
        click(d, "Command1");
    }
    static QStringList texts(QDialog* d, const QString& list) {
        QStringList out;
        auto* l = field<QListWidget>(d, list);
        for (int i = 0; i < l->count(); ++i)
            out << l->item(i)->text();
        return out;
    }
    // Chooses option row of the preview's menu and presses "Go to".
    static void choose(Preview* p, int row) {
        p->WebBrowser1->Evaluate(QString("(function(){const f=document.forms[0];"
                                         "f.elements[0].selectedIndex=%1;"
                                         "f.elements[1].click(); return true;})()")
                                     .arg(row));
    }
};

} // namespace

TEST_F(JumpMenuEffect, BuildPreviewEditInsertAndFindTheMenuKept) {
    page("<p id='p'>Hello</p>");
    withDialog(menuItem(), "Pulldown", [&](QDialog* d) {
        add(d, "Home", "index.htm");
        add(d, "News", "www.news.example");
        onPreview([&, d](Preview* p) {
            EXPECT_TRUE(
                TestSupport::readText(previewFile())
                    .contains("<HEAD><meta charset=\"utf-8\"><SCRIPT LANGUAGE=\"JavaScript\">"));
            EXPECT_EQ(
                p->WebBrowser1->Evaluate("document.querySelectorAll('option').length").toInt(), 2);
            onDialog("Pulldown", [&, d](QDialog* again) {
                EXPECT_EQ(again, d);
                EXPECT_EQ(texts(again, "List2"),
                          QStringList({"index.htm", "http://www.news.example"}));
                click(again, "Command3");
                add(again, "Shop", "shop.htm");
                onPreview([&](Preview* second) {
                    EXPECT_EQ(
                        second->WebBrowser1->Evaluate("document.querySelectorAll('option').length")
                            .toInt(),
                        4);
                    click(second, "cmdInsert");
                });
                click(again, "cmdDone");
            });
            click(p, "cmdPrevious");
        });
        click(d, "cmdDone");
    });
    const QString page = body();
    EXPECT_TRUE(
        page.startsWith(" <script language=\"JavaScript\">\n<!--\n\nfunction JumpTo(form)\n"))
        << qPrintable(page.left(80));
    EXPECT_EQ(page.count("<form"), 1);
    EXPECT_EQ(page.count("<option"), 4);
    EXPECT_TRUE(page.contains("<option value=\"#\">--------------------"));
    // The dialog stays loaded and hidden with its menu; reopened, it shows the items.
    ASSERT_NE(Effects::Loaded(Pulldown::Code), nullptr);
    EXPECT_FALSE(Effects::Loaded(Pulldown::Code)->isVisible());
    const QString form = Module1::PendingSnippet;
    withDialog(menuItem(), "Pulldown", [&](QDialog* d) {
        EXPECT_EQ(texts(d, "List1"), QStringList({"Home", "News", "--------------------", "Shop"}));
        EXPECT_EQ(Module1::PendingSnippet, form); // its load did not run again
        EXPECT_EQ(field<QComboBox>(d, "cboTarget")->count(), 4);
        click(d, "Command5");
    });
    EXPECT_EQ(Effects::Loaded(Pulldown::Code), nullptr); // Cancel unloads it
    withDialog(menuItem(), "Pulldown", [&](QDialog* d) {
        EXPECT_EQ(field<QListWidget>(d, "List1")->count(), 0);
        EXPECT_EQ(Module1::PendingSnippet, "");
        click(d, "Command5");
    });
    EXPECT_EQ(body().count("<form"), 1);
}

TEST_F(JumpMenuEffect, ChoosingAnItemInThePreviewGoesToItsPage) {
    const QString target = previewDir.filePath("target page.htm");
    TestSupport::writeText(target, "<html><body><p id='t'>Arrived</p></body></html>");
    const QString url = QUrl::fromLocalFile(target).toString();
    for (const QString& frame : {QString("self"), QString("blank - Open in new window")}) {
        withDialog(menuItem(), "Pulldown", [&](QDialog* d) {
            if (field<QListWidget>(d, "List1")->count() == 0) {
                add(d, "Stay", "#");
                add(d, "Go", url);
            }
            field<QComboBox>(d, "cboTarget")->setEditText(frame);
            onPreview([&](Preview* p) {
                choose(p, 1);
                EXPECT_TRUE(TestSupport::waitUntil([&] {
                    return previewText(p, "#t") == "Arrived";
                })) << qPrintable(frame)
                    << ": " << qPrintable(p->WebBrowser1->LocationURL());
                p->close();
            });
            click(d, "cmdDone");
        });
    }
}

TEST_F(JumpMenuEffect, TypedTextsOfAnyKindAndFiveHundredItemsShowAsTyped) {
    withDialog(menuItem(), "Pulldown", [&](QDialog* d) {
        add(d, "Fish & \"Chips\" <i>", "a.htm?x=\"1\"&y='2'");
        add(d, "Москва 東京", "ページ.htm");
        auto* pulldown = qobject_cast<Pulldown*>(d);
        JumpMenu::Rows rows = pulldown->rows();
        for (int i = 0; i < 498; ++i)
            JumpMenu::Append(rows, QString("Item %1").arg(i), QString("p%1.htm").arg(i));
        pulldown->showRows(rows, -1);
        click(d, "Option1_1");
        field<QComboBox>(d, "cboTarget")->setEditText("it's");
        onPreview([&](Preview* p) {
            const QVariantList options =
                p->WebBrowser1
                    ->Evaluate("Array.from(document.querySelectorAll('option')).map(o => "
                               "[o.getAttribute('value'), o.text])")
                    .toList();
            ASSERT_EQ(options.size(), 500);
            EXPECT_EQ(options[0].toList()[0].toString(), "a.htm?x=\"1\"&y='2'");
            EXPECT_EQ(options[1].toList(), QVariantList({"ページ.htm", "Москва 東京"}));
            EXPECT_EQ(p->WebBrowser1->Evaluate("document.querySelector('select').size").toInt(),
                      500);
            // The script still defines JumpTo with its odd frame name.
            EXPECT_EQ(p->WebBrowser1->Evaluate("typeof JumpTo").toString(), "function");
            p->close();
        });
        click(d, "cmdDone");
    });
}
