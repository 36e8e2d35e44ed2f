// What a page file's bytes hold, read before the engine sees them: the refusals count
// markup only, UTF-16 is known with or without its mark, and characters a set cannot
// read are counted as the engine replaces them.
#include "platform/PageText.h"
#include "platform/PageMarkup.h"
#include "support/TestSupport.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace TestSupport;
using PageMarkup::Uneditable;

namespace {

Uneditable refusal(const QByteArray& page) {
    const Uneditable bytes = PageMarkup::Find(QByteArrayView(page)).uneditable;
    // The same page read as text (UTF-16) gives the same answer.
    EXPECT_EQ(PageMarkup::Find(QStringView(QString::fromUtf8(page))).uneditable, bytes)
        << page.constData();
    return bytes;
}

qsizetype commentsAfterHtml(const QByteArray& page) {
    return PageMarkup::Find(QByteArrayView(page)).commentsAfterHtml;
}

} // namespace

TEST(PageMarkup, OnlyMarkupOutsideCommentsScriptsStylesAndTextAreasIsRefused) {
    EXPECT_EQ(refusal("<body><!-- <frameset> was here --></body>"), Uneditable::None);
    EXPECT_EQ(refusal("<body><!--> <frameset> <!--->x<!-- <? ?> --></body>"), Uneditable::Frameset);
    EXPECT_EQ(refusal("<script>a = '<? b ?>'; c = '<% d %>'</script><STYLE>/*<%x%>*/</STYLE>"
                      "<textarea><?php ?></textarea><script type=x/template><frameset></script>"),
              Uneditable::None);
    // Markup after them still counts, and so do the attributes of their start tags.
    EXPECT_EQ(refusal("<script>x = '</scripts>'</script ><p><?php echo 1 ?></p>"),
              Uneditable::ServerScript);
    EXPECT_EQ(refusal("<textarea name=\"<?= $n ?>\"></textarea>"), Uneditable::ServerScript);
    EXPECT_EQ(refusal("<style media=\"a>b\"></style><frameset>"), Uneditable::Frameset);
    EXPECT_EQ(refusal("<frameset></frameset><% x %>"), Uneditable::ServerScript);
    // An element or comment left open runs to the end of the page.
    EXPECT_EQ(refusal("<script><?php ?>"), Uneditable::None);
    EXPECT_EQ(refusal("<!-- <?php ?>"), Uneditable::None);
    EXPECT_EQ(refusal("<?xml version=\"1.0\"?><html>"), Uneditable::None);
    EXPECT_EQ(refusal("<p>1 <? 2"), Uneditable::None);
    // Many openers without a close are searched once each, not against the whole page.
    EXPECT_EQ(refusal(QByteArray("<?<%").repeated(2'000'000)), Uneditable::None);
}

TEST(PageMarkup, CommentsAfterTheHtmlEndTagAreCounted) {
    EXPECT_EQ(commentsAfterHtml("<html><body></body></html>"), 0);
    EXPECT_EQ(commentsAfterHtml("<html></html><!--a-->\n<!-- b -->\r\n"), 2);
    EXPECT_EQ(commentsAfterHtml("<html></HTML >\n<!--a--> text <!--b-->"), 1);
    EXPECT_EQ(commentsAfterHtml("<!-- </html> --><html></html>"), 0);
    EXPECT_EQ(commentsAfterHtml("<script>'</html><!--x-->'</script><body>"), 0);
    EXPECT_EQ(commentsAfterHtml("</html><!--a--></html>\n<!--b--><!--c"), 2);
}

TEST(PageText, WideTextIsKnownWithOrWithoutItsMark) {
    const QString page = QString::fromUtf8("<html><body><p>wide é</p></body></html>");
    const QByteArray little = QStringEncoder("UTF-16LE").encode(page);
    const QByteArray big = QStringEncoder("UTF-16BE").encode(page);
    EXPECT_EQ(PageText::WideSet(little).set, "UTF-16LE");
    EXPECT_FALSE(PageText::WideSet(little).marked);
    EXPECT_EQ(PageText::WideSet(big).set, "UTF-16BE");
    EXPECT_EQ(PageText::WideSet("\xFE\xFF" + big).set, "UTF-16BE");
    EXPECT_TRUE(PageText::WideSet("\xFE\xFF" + big).marked);
    EXPECT_FALSE(PageText::IsBinary(little));
    // Mostly beyond ASCII, but declared.
    const QString greek = "<meta charset=utf-16>" + QString(2000, QChar(0x3B1));
    const QByteArray wideGreek = QStringEncoder("UTF-16LE").encode(greek);
    EXPECT_EQ(PageText::WideSet(wideGreek).set, "UTF-16LE");
    // An odd last byte and a lone half of a pair are one replacement each.
    qsizetype unreadable = 0;
    const QString read = PageText::DecodeWide(little + QByteArray("\x00\xD8<\x00x", 5),
                                              PageText::WideSet(little), &unreadable);
    EXPECT_EQ(unreadable, 2);
    EXPECT_EQ(read, page + QChar(0xFFFD) + "<" + QChar(0xFFFD));

    // Other bytes with zeros in them stay what they are: no page.
    QByteArray samples;
    for (int i = 0; i < 4096; ++i)
        samples.append(char(i * 7 % 256)).append('\0');
    EXPECT_TRUE(PageText::WideSet(samples).set.isEmpty());
    EXPECT_TRUE(PageText::IsBinary(samples));
    EXPECT_TRUE(PageText::IsBinary(QByteArray("<html>") + QByteArray(100, '\0')));
    EXPECT_FALSE(PageText::IsBinary("<html><body>plain</body></html>"));
}

TEST(PageText, UnreadableCharactersAreCountedAsTheEngineReplacesThem) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto count = [&](const QByteArray& bytes, const QString& set) {
        const QString path = dir.filePath("page.html");
        writeBytes(path, bytes);
        return PageText::UnreadableCharacters(path, set);
    };
    // Valid UTF-8, a written replacement character included, has none.
    EXPECT_EQ(count("caf\xC3\xA9 \xEF\xBF\xBD \xF0\x9F\x98\x80", "UTF-8"), 0);
    // Latin-1 letters; a sequence cut short at the end.
    EXPECT_EQ(count("caf\xE9 na\xEFve", "UTF-8"), 2);
    EXPECT_EQ(count("caf\xC3\xA9 \xE2\x82", "utf-8"), 1);
    // Each maximal part of a broken sequence is one: overlong, surrogate, out of range.
    EXPECT_EQ(count("\xF0\x80\x80\x80|\xED\xA0\x80|\xF4\x90\x80\x80|\xE2\x82x", "UTF-8"), 12);
    // A set whose every byte is a character has none; another has its gaps.
    EXPECT_EQ(count("a\x81\x8D\x8F\x90\x9D\xFF", "windows-1252"), 0);
    EXPECT_EQ(count("a\xA1 b", "ISO-8859-8"), 1);
    EXPECT_EQ(count("a\x82\xA0 \x1A \x82", "Shift_JIS"), 1);
    EXPECT_EQ(count(QByteArray("<\0p\0\0", 5), "UTF-16LE"), 1);
    EXPECT_EQ(count("\xFF\xFF", "x-unheard-of"), 0);
    // A large file of nothing but bad bytes is counted in pieces, every byte one.
    EXPECT_EQ(count(QByteArray(20 * 1024 * 1024 + 3, '\xFF'), "UTF-8"), 20 * 1024 * 1024 + 3);
}
