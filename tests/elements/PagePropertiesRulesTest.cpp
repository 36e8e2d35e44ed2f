// The page-properties dialog's rules, apart from its widgets: reading the body tag, the
// colour a list's text stands for, what OK writes as the background, the watermark box.
#include "elements/PageProperties.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace PageProperties;

namespace {
QString parse(const QString& html, QString& tag) {
    return ParseTag(html, "BACKGROUND=", tag);
}

void expectColor(const QString& text, int r, int g, int b) {
    EXPECT_EQ(ListColor(text), QColor(r, g, b)) << '"' << text.left(20).toStdString() << '"';
}
} // namespace

TEST(ParseTag, ReadsTheValueOutOfTheBodyTagAsWritten) {
    QString tag;
    EXPECT_TEXT(parse("<html><body background=bg.gif text=red><p>x</p>", tag), "bg.gif");
    EXPECT_TEXT(tag, "<body background=bg.gif text=red");
    // An unquoted value that ends the tag runs up to the closing bracket.
    EXPECT_TEXT(parse("<BODY text=red BACKGROUND=images/bg.gif><p>x", tag), "images/bg.gif");
    // Double quotes keep a blank inside and are not part of the value.
    EXPECT_TEXT(parse("<Body Background=\"my bg.gif\" text=\"red\">", tag), "my bg.gif");
    // Single quotes are no delimiters: the value keeps them and ends at the blank.
    EXPECT_TEXT(parse("<body background='my bg.gif'>", tag), "'my");
    // Entities stay as the text holds them: this reads markup, not the page.
    EXPECT_TEXT(parse("<body background=\"a&amp;b.gif\">", tag), "a&amp;b.gif");
}

TEST(ParseTag, EmptyAbsentAndUnfinishedValues) {
    QString tag;
    EXPECT_TEXT(parse("<body background=\"\" text=red>", tag), "");
    EXPECT_TEXT(parse("<body background= text=red>", tag), "");
    EXPECT_TEXT(parse("<body text=red>", tag), "");
    // Only the body tag is searched, not the page after it.
    EXPECT_TEXT(parse("<body><p background=x.gif>", tag), "");
    // No closing quote, no closing bracket: the value runs to the end of the text.
    EXPECT_TEXT(parse("<body background=\"open ended", tag), "open ended");
    EXPECT_TEXT(tag, "<body background=\"open ended");
}

TEST(ParseTag, WithoutABodyTagTheLastFoundTagIsSearched) {
    QString tag;
    EXPECT_TEXT(parse("<p>no body here</p>", tag), "");
    EXPECT_TEXT(tag, "");
    EXPECT_TEXT(parse("<body background=first.gif>", tag), "first.gif");
    EXPECT_TEXT(parse("<p>no body here</p>", tag), "first.gif");
    EXPECT_TEXT(tag, "<body background=first.gif");
    // Any attribute name with its "=" can be asked for.
    EXPECT_TEXT(ParseTag("<body bgcolor=red>", "bgcolor=", tag), "red");
    EXPECT_TEXT(ParseTag("<body bgcolor=red>", "", tag), "");
}

TEST(ParseTag, LettersThatGrowWhenUpperCasedDoNotShiftTheTag) {
    QString tag;
    EXPECT_TEXT(parse("<title>Straße ßß</title><body background=\"bg.gif\" text=red>", tag),
                "bg.gif");
    EXPECT_TEXT(tag, "<body background=\"bg.gif\" text=red");
}

TEST(ColorList, NamesMatchExactlyEverythingElseIsColourDigits) {
    expectColor("red", 255, 0, 0);
    expectColor("silver", 192, 192, 192);
    expectColor("aqua", 0, 255, 255);
    // "Red" is no colour name: read as digits, R and the missing digits count 0, E is 14, D is 13.
    expectColor("Red", 0x0E, 0xD0, 0);
    expectColor("#00ff00", 0, 255, 0);
    expectColor("00FF00", 0, 255, 0);
    expectColor("", 192, 192, 192);
    expectColor("zzz", 0, 0, 0);
    expectColor("#12", 0x12, 0, 0);
    expectColor("#123456" + QString(300, 'f'), 0x12, 0x34, 0x56);
}

TEST(BackgroundOnOK, AnUntouchedBoxLeavesThePageAlone) {
    EXPECT_FALSE(BackgroundToWrite("images/bg.gif", "images/bg.gif", true));
    EXPECT_FALSE(BackgroundToWrite("  images/bg.gif ", "images/bg.gif", true));
    EXPECT_FALSE(BackgroundToWrite("file:///x/bg.gif", "file:///x/bg.gif", true));
    // A page without a background whose box stays empty gets none.
    EXPECT_FALSE(BackgroundToWrite("", "", false));
    EXPECT_FALSE(BackgroundToWrite("   ", "", true));
}

TEST(BackgroundOnOK, AChangedBoxIsWrittenTrimmedWithTheSchemeOnlyForLocalFiles) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString local = dir.filePath("фон \"mine\" bg.png");
    TestSupport::writeBytes(local, "x");

    EXPECT_EQ(BackgroundToWrite(" images/other.gif ", "images/bg.gif", true), "images/other.gif");
    EXPECT_EQ(BackgroundToWrite("  " + local + "  ", "images/bg.gif", true), "file://" + local);
    // A "/" path naming no file here is a reference to the site's root.
    EXPECT_EQ(BackgroundToWrite("/images/bg.gif", "", true), "/images/bg.gif");
    EXPECT_EQ(BackgroundToWrite(dir.path(), "", true), dir.path()); // a folder is no file
    EXPECT_EQ(BackgroundToWrite("//server/bg.gif", "", true), "//server/bg.gif");
    EXPECT_EQ(BackgroundToWrite("http://example.com/bg.gif", "", true),
              "http://example.com/bg.gif");
    EXPECT_EQ(BackgroundToWrite("FILE://" + local, "", true), "FILE://" + local);
    // An emptied box writes an empty background.
    EXPECT_EQ(BackgroundToWrite("", "images/bg.gif", true), QString(""));
    EXPECT_EQ(BackgroundToWrite("  ", "images/bg.gif", true), QString(""));
}
