// Insert > Special Effects > JumpTo/Dropdown menu driven as a user would: build the
// menu, preview it (choosing an item goes there), edit it, insert it, and find it kept.
#include "core/Module1.h"
#include "effects/Effects.h"
#include "effects/EffectsDriver.h"
#include "effects/Pulldown.h"
#include "effects/PulldownURL.h"
#include "support/ScriptedPage.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
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

namespace {
// The windows of a visitor's page, each by the file it shows, with its frames in brackets.
QString windows(TestSupport::ScriptedPage& visitor) {
    return visitor
        .run("(function d(w){const n=w.location.pathname.split('/').pop();if(!w.frames.length)"
             "return n;const f=[];for(let i=0;i<w.frames.length;i++)f.push(d(w.frames[i]));"
             "return n+'('+f.join(',')+')';})(window)")
        .toString();
}
} // namespace

TEST_F(JumpMenuEffect, EachTargetChangesItsOwnWindowInAFramesetOrAWholePage) {
    // The item's text is text; the frame's name needs every escape a name can need.
    const QString item = "Tom's <Home> & \"more\"";
    const QString frameName = "ma'in \"x\" </script>";
    QTemporaryDir site;
    auto write = [&](const QString& name, const QString& html) {
        TestSupport::writeText(site.filePath(name), html);
    };
    write("arrived.html", "<html><body>Arrived</body></html>");
    write("side.html", "<html><body>Side</body></html>");
    write("main.html", "<html><body>Main</body></html>");
    // The menu sits in a frameset inside a frameset: its parent is not the top window, and
    // the named frame is not a frame of the top window itself.
    write("top.html", "<html><frameset cols='50%,50%'><frame name='outer' src='outer.html'>"
                      "<frame name='side' src='side.html'></frameset></html>");
    write("outer.html", "<html><frameset rows='50%,50%'><frame name='menu' src='menu.html'>"
                        "<frame name=\"ma'in &quot;x&quot; </script>\" src='main.html'>"
                        "</frameset></html>");
    const QString start = "top.html(outer.html(menu.html,main.html),side.html)";
    struct Case {
        QString target;
        QString framed; // the windows after the jump from inside the frameset
        QString whole;  // after the jump from the page opened on its own
    };
    const QList<Case> cases = {
        {"self", "top.html(outer.html(arrived.html,main.html),side.html)", "arrived.html"},
        {"   ", "top.html(outer.html(arrived.html,main.html),side.html)", "arrived.html"},
        {"parent", "top.html(arrived.html,side.html)", "arrived.html"},
        {"top", "arrived.html", "arrived.html"},
        // No frame of that name on a page of its own: nothing to change, and no error.
        {frameName, "top.html(outer.html(menu.html,arrived.html),side.html)", "menu.html"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(qPrintable("target " + c.target));
        page("<p id='p'>Menu</p>");
        withDialog(menuItem(), "Pulldown", [&](QDialog* d) {
            if (field<QListWidget>(d, "List1")->count() == 0)
                add(d, item, "arrived.html");
            field<QComboBox>(d, "cboTarget")->setEditText(c.target);
            onPreview([&](Preview* p) {
                EXPECT_TEXT(
                    p->WebBrowser1->Evaluate("document.querySelector('option').text").toString(),
                    item);
                click(p, "cmdInsert");
            });
            click(d, "cmdDone");
        });
        write("menu.html", editor->DocumentHTML());

        TestSupport::ScriptedPage visitor;
        ASSERT_TRUE(visitor.open(site.filePath("top.html")));
        ASSERT_TRUE(TestSupport::waitUntil([&] { return windows(visitor) == start; }))
            << qPrintable(windows(visitor));
        const QString menu = "frames[0].frames[0].document";
        EXPECT_TEXT(visitor.run(menu + ".querySelector('option').text").toString(), item);
        visitor.run(menu + ".forms[0].elements[1].click()");
        EXPECT_TRUE(TestSupport::waitUntil([&] { return windows(visitor) == c.framed; }, 10000))
            << qPrintable(windows(visitor));
        EXPECT_EQ(visitor.errors(), QStringList());

        ASSERT_TRUE(visitor.open(site.filePath("menu.html")));
        visitor.run("document.forms[0].elements[1].click()");
        TestSupport::waitUntil([&] { return windows(visitor) == c.whole; }, 10000);
        TestSupport::pump(100);
        EXPECT_TEXT(windows(visitor), c.whole);
        EXPECT_EQ(visitor.errors(), QStringList());
    }
}
