// Writing a page file: its own character set with nothing lost, and a write that either
// replaces the old file whole or leaves it as it was.
#include "core/PageFile.h"
#include "platform/PlatformError.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

int32_t writeError(const QString& path, const QByteArray& bytes) {
    try {
        PageFile::Write(path, bytes);
    } catch (const PlatformError& e) {
        return e.Number;
    }
    return 0;
}

const QFileDevice::Permissions ReadOnly =
    QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;

} // namespace

TEST(PageEncoding, AWesternPageKeepsItsLettersInItsOwnSet) {
    const QString html = QString::fromUtf8("<p>café naïve € “quoted” – ÿ</p>");
    EXPECT_EQ(PageFile::Encode(html, "windows-1252"),
              QByteArray("<p>caf\xE9 na\xEFve \x80 \x93quoted\x94 \x96 \xFF</p>"));
}

TEST(PageEncoding, CharactersTheSetCannotHoldReadBackTheSame) {
    const QString html = QString::fromUtf8(
        "<html><head><title>α</title><style>p::before { content: \"α\" }</style>"
        "<script type=\"text/javascript\" title=\"β\">var s = \"α😀\";</script></head>"
        "<body><!-- ω --><p title=\"γ\">é α 😀</p><SCRIPT>x('δ')</SCRIPT></body></html>");
    EXPECT_EQ(PageFile::Encode(html, "windows-1252"),
              QByteArray("<html><head><title>&#945;</title><style>p::before { content: "
                         "\"\\0003b1\" }</style><script type=\"text/javascript\" "
                         "title=\"&#946;\">var s = \"\\u03b1\\ud83d\\ude00\";</script></head>"
                         "<body><!-- &#969; --><p title=\"&#947;\">\xE9 &#945; &#128512;</p>"
                         "<SCRIPT>x('\\u03b4')</SCRIPT></body></html>"));
}

TEST(PageEncoding, OtherSetsAndUnknownNames) {
    const QString html = QString::fromUtf8("<p>Łódź € ß</p>");
    EXPECT_EQ(PageFile::Encode(html, "ISO-8859-2"), QByteArray("<p>\xA3\xF3"
                                                               "d\xBC &#8364; \xDF</p>"));
    // A set this system does not know: plain ASCII with references reads right in any.
    EXPECT_EQ(PageFile::Encode(html, "x-unheard-of"),
              QByteArray("<p>&#321;&#243;d&#378; &#8364; &#223;</p>"));
}

TEST(PageEncoding, UTF8PagesAreMarkedWhenTheyDeclareNoSet) {
    const QString accented = QString::fromUtf8("<html><body>café</body></html>");
    EXPECT_EQ(PageFile::Encode(accented, "UTF-8"), "\xEF\xBB\xBF" + accented.toUtf8());
    const QString declared =
        QString::fromUtf8("<html><head><meta charset=\"utf-8\"></head><body>café</body></html>");
    EXPECT_EQ(PageFile::Encode(declared, "UTF-8"), declared.toUtf8());
    EXPECT_EQ(PageFile::Encode("<p>plain</p>", "UTF-8"), QByteArray("<p>plain</p>"));
}

class Writing : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    void TearDown() override {
        PageFile::SetWriteFault({});
        // The folder must be writable again to be removed.
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }
    QTemporaryDir dir;
};

TEST_F(Writing, ReplacesTheFileAndKeepsItsPermissions) {
    const QString page = path("page.htm");
    writeBytes(page, "old");
    const auto permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                             QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QFile::setPermissions(page, permissions);
    EXPECT_EQ(writeError(page, "new page"), 0);
    EXPECT_EQ(readBytes(page), "new page");
    EXPECT_EQ(QFile::permissions(page) & 0x7077, permissions);
    EXPECT_EQ(files(), QStringList{"page.htm"});
}

TEST_F(Writing, AReadOnlyFileOrFolderIsRefusedBeforeAnythingIsWritten) {
    const QString page = path("locked.htm");
    writeBytes(page, "kept");
    QFile::setPermissions(page, ReadOnly);
    EXPECT_EQ(writeError(page, "lost?"), ErrorCode::AccessDenied);
    EXPECT_EQ(readBytes(page), "kept");

    QFile::setPermissions(page, ReadOnly | QFileDevice::WriteOwner);
    QFile::setPermissions(dir.path(), ReadOnly | QFileDevice::ExeOwner | QFileDevice::ExeGroup |
                                          QFileDevice::ExeOther);
    EXPECT_EQ(writeError(page, "lost?"), ErrorCode::AccessDenied);
    EXPECT_EQ(writeError(path("new.htm"), "new"), ErrorCode::AccessDenied);
    EXPECT_EQ(readBytes(page), "kept");
}

TEST_F(Writing, AMissingFolderIsPathNotFound) {
    EXPECT_EQ(writeError(path("no/such/folder/page.htm"), "x"), ErrorCode::PathNotFound);
}

TEST_F(Writing, AWriteThatFailsHalfWayLeavesTheOldFileWhole) {
    const QString page = path("big.htm");
    const QByteArray old(3 << 20, 'o');
    writeBytes(page, old);
    PageFile::SetWriteFault([](qint64 written) { return written >= (1 << 20); });
    EXPECT_EQ(writeError(page, QByteArray(5 << 20, 'n')), ErrorCode::DiskFull);
    EXPECT_EQ(readBytes(page), old);
    EXPECT_EQ(files(), QStringList{"big.htm"}); // no piece of the new page is left behind
}
