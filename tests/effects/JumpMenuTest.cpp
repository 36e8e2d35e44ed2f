// The jump menu's rows, their guards and the generated form and script, byte for byte.
#include "effects/JumpMenu.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace JumpMenu;

namespace {

Rows menu(const QList<std::pair<QString, QString>>& items) {
    Rows rows;
    for (const auto& [text, url] : items) {
        if (text == Separator && url.isEmpty())
            AppendSeparator(rows);
        else
            Append(rows, text, url);
    }
    return rows;
}

const QString FormEnd = "\r\n    </SELECT>\r\n  <INPUT TYPE=Submit NAME=\"Submit\" VALUE=\"Go to\" "
                        "onClick=\"JumpTo(this.form)\">\r\n</FORM>";

} // namespace

TEST(JumpMenuForm, OneItemInADropDown) {
    EXPECT_TEXT(BuildForm(menu({{"Home", "index.htm"}}), false),
                "<FORM METHOD=POST ACTION=\"#\" onSubmit=\"return false\">\r\n"
                "    <SELECT>\r\n"
                "          <OPTION VALUE=\"index.htm\">Home\r\n" +
                    FormEnd);
}

TEST(JumpMenuForm, AFullListCountsItsSeparators) {
    const Rows rows = menu({{"Home", "index.htm"}, {Separator, ""}, {"News", "http://x.org/"}});
    EXPECT_EQ(rows.count(), 3);
    EXPECT_TEXT(BuildForm(rows, true),
                "<FORM METHOD=POST ACTION=\"#\" onSubmit=\"return false\">\r\n"
                "    <SELECT SIZE=\"3\">\r\n"
                "          <OPTION VALUE=\"index.htm\">Home\r\n"
                "          <OPTION VALUE=\"#\">--------------------\r\n"
                "          <OPTION VALUE=\"http://x.org/\">News\r\n" +
                    FormEnd);
    // Separators may stand first and last, and the list may hold nothing at all.
    EXPECT_TEXT(BuildForm(menu({{Separator, ""}, {Separator, ""}}), true),
                "<FORM METHOD=POST ACTION=\"#\" onSubmit=\"return false\">\r\n"
                "    <SELECT SIZE=\"2\">\r\n"
                "          <OPTION VALUE=\"#\">--------------------\r\n"
                "          <OPTION VALUE=\"#\">--------------------\r\n" +
                    FormEnd);
    EXPECT_TEXT(BuildForm(Rows(), false),
                "<FORM METHOD=POST ACTION=\"#\" onSubmit=\"return false\">\r\n    <SELECT>\r\n" +
                    FormEnd);
}

TEST(JumpMenuForm, AddressesAreAttributeValuesAndTextsAreText) {
    const Rows rows = menu({{R"(Fish & "Chips" <b>)", R"(a.htm?x="1"&y='2')"},
                            {"Москва 東京", "http://例え.jp/ページ"},
                            {Separator, "sep.htm"}}); // the separator text as an item
    const QString form = BuildForm(rows, false);
    // An option holds text only: "<" and "&" are references, so nothing is taken for a tag.
    EXPECT_TRUE(form.contains("<OPTION VALUE=\"a.htm?x=&quot;1&quot;&amp;y='2'\">Fish &amp; "
                              "\"Chips\" &lt;b>\r\n"));
    EXPECT_TRUE(form.contains("<OPTION VALUE=\"http://例え.jp/ページ\">Москва 東京\r\n"));
    // A row with an address is an item, whatever its text: its address is kept.
    EXPECT_TRUE(form.contains("<OPTION VALUE=\"sep.htm\">--------------------\r\n"));
}

TEST(JumpMenuScript, EachTargetHasItsLine) {
    const QString head = "<SCRIPT LANGUAGE=\"JavaScript\">\r\n<!--\r\n\r\nfunction JumpTo(form)\r\n"
                         "{\r\n   i = form.elements[0].selectedIndex;\r\n";
    const QString tail = "}\r\n//-->\r\n</SCRIPT>";
    const QString value = "form.elements[0].options[i].value";
    // The menu's own window, its parent and the top window, whether the page is whole or
    // in a frame; blanks around the word aside.
    for (const QString& self : QStringList{"self", " self "})
        EXPECT_TEXT(BuildScript(self), head + "    window.location = " + value + ";\r\n" + tail);
    EXPECT_TEXT(BuildScript("parent"),
                head + "    window.parent.location = " + value + ";\r\n" + tail);
    EXPECT_TEXT(BuildScript("top"), head + "    window.top.location = " + value + ";\r\n" + tail);
    // Any other name, exactly as typed, is a frame the browser finds by its name.
    for (const QString& frame : QStringList{"main frame", " blan k", "Self", "_top"})
        EXPECT_TEXT(BuildScript(frame),
                    head + "    window.open(" + value + ", '" + frame + "');\r\n" + tail);
    // A new window: no line end, the closing brace follows on the same line.
    EXPECT_TEXT(BuildScript("blank - Open in new window"),
                head + "    window.open(form.elements[0].options[i].value, 'newWin', '')" + tail);
}

TEST(JumpMenuScript, TheTargetRules) {
    EXPECT_EQ(TargetFrame(""), "self");
    EXPECT_EQ(TargetFrame("   "), "self");
    EXPECT_EQ(TargetFrame(" top "), " top ");
    // The first five characters, trimmed, must be "blank" exactly.
    EXPECT_TRUE(OpensNewWindow("blank"));
    EXPECT_TRUE(OpensNewWindow("blankety"));
    EXPECT_TRUE(OpensNewWindow("blank - Open in new window"));
    EXPECT_FALSE(OpensNewWindow(" blank"));
    EXPECT_FALSE(OpensNewWindow("Blank"));
    EXPECT_FALSE(OpensNewWindow("_blank"));
    EXPECT_FALSE(OpensNewWindow("blan"));
}

TEST(JumpMenuScript, ATypedFrameNameCannotBreakTheScript) {
    const QString script = BuildScript(R"(Tom's \frame</SCRIPT>)");
    EXPECT_TRUE(script.contains(
        R"(window.open(form.elements[0].options[i].value, 'Tom\'s \\frame<\/SCRIPT>');)"));
    EXPECT_EQ(script.count("</SCRIPT>"), 1);
}

TEST(JumpMenuRows, WwwAddressesGetTheirScheme) {
    EXPECT_EQ(ItemURL("www.example.com"), "http://www.example.com");
    EXPECT_EQ(ItemURL("WwW.example.com"), "http://WwW.example.com");
    EXPECT_EQ(ItemURL("http://www.example.com"), "http://www.example.com");
    EXPECT_EQ(ItemURL(" www.x"), " www.x");
    EXPECT_EQ(ItemURL("www"), "www");
    EXPECT_EQ(ItemURL("page.htm"), "page.htm");
}

TEST(JumpMenuRows, EditAndRemoveKeepBothListsInStep) {
    Rows rows = menu({{"A", "a"}, {"B", "b"}, {"C", "c"}});
    Replace(rows, 2, "Z", "z");
    EXPECT_EQ(rows.texts, QStringList({"A", "B", "Z"}));
    EXPECT_EQ(rows.urls, QStringList({"a", "b", "z"}));
    // The row that moves up into place k is selected next; after the last, none.
    EXPECT_EQ(Remove(rows, 0), 0);
    EXPECT_EQ(rows.texts, QStringList({"B", "Z"}));
    EXPECT_EQ(rows.urls, QStringList({"b", "z"}));
    EXPECT_EQ(Remove(rows, 1), -1);
    EXPECT_EQ(rows.texts, QStringList({"B"}));
    EXPECT_EQ(Remove(rows, 0), -1);
    EXPECT_EQ(rows.count(), 0);
    EXPECT_EQ(Remove(rows, 0), -1);
}

TEST(JumpMenuRows, MovesSwapWithTheNeighbourAndStopAtTheEnds) {
    Rows rows = menu({{"A", "a"}, {Separator, ""}, {"C", "c"}});
    MoveUp(rows, 0);
    MoveDown(rows, 2);
    EXPECT_EQ(rows.texts, QStringList({"A", Separator, "C"}));
    MoveDown(rows, 0);
    EXPECT_EQ(rows.texts, QStringList({Separator, "A", "C"}));
    EXPECT_EQ(rows.urls, QStringList({"", "a", "c"}));
    MoveUp(rows, 2);
    EXPECT_EQ(rows.texts, QStringList({Separator, "C", "A"}));
    EXPECT_EQ(rows.urls, QStringList({"", "c", "a"}));
    EXPECT_TRUE(rows.isSeparator(0));
}

TEST(JumpMenuRows, EachGuardSaysWhatIsMissing) {
    const Rows empty;
    const Rows rows = menu({{"A", "a"}, {Separator, ""}, {"C", "c"}});
    EXPECT_EQ(EditRefusal(rows, 1),
              "The separator can't be edited.  It can only be added or removed.");
    EXPECT_EQ(EditRefusal(empty, -1),
              "The list of menu items is empty.  Please add a menu item before editing it.");
    EXPECT_EQ(EditRefusal(rows, -1), "Select a menu item from the list in order to edit it.");
    EXPECT_EQ(EditRefusal(rows, 2), "");

    EXPECT_EQ(RemoveRefusal(empty, -1),
              "The list of Menu items is empty.  Please add a menu item before removing it.");
    EXPECT_EQ(RemoveRefusal(rows, -1), "Select a menu item from the list in order to remove it.");
    EXPECT_EQ(RemoveRefusal(rows, 1), "");

    const QString first = "Select an item in the Menu item list.  You cannot move the first menu "
                          "item upward.";
    const QString last = "Select an item in the Menu item list.  You cannot move the last menu "
                         "item downward.";
    EXPECT_EQ(MoveUpRefusal(rows, 0), first);
    EXPECT_EQ(MoveUpRefusal(rows, -1), first);
    EXPECT_EQ(MoveUpRefusal(empty, -1), first);
    EXPECT_EQ(MoveUpRefusal(rows, 2), "");
    EXPECT_EQ(MoveDownRefusal(rows, 2), last);
    EXPECT_EQ(MoveDownRefusal(rows, -1), last);
    EXPECT_EQ(MoveDownRefusal(rows, 0), "");

    EXPECT_EQ(DoneRefusal(empty), "Please enter 1 or more menu items in the list below.");
    EXPECT_EQ(DoneRefusal(menu({{Separator, ""}})), "");
}
