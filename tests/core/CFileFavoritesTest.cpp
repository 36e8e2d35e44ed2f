// Links taken from Internet shortcut files: the address is the URL= key's value, read as
// INI text with any line ends.
#include "core/Module1.h"
#include "support/TestSupport.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace TestSupport;
using Module1::FavoritesURLFromText;

TEST(FavoritesText, TheUsualFileGivesItsAddress) {
    EXPECT_EQ(FavoritesURLFromText("[InternetShortcut]\r\nURL=http://www.example.com/a.html\r\n"),
              "http://www.example.com/a.html");
    // Further lines end the address at the first line end.
    EXPECT_EQ(FavoritesURLFromText("[InternetShortcut]\r\nURL=http://example.com/\r\n"
                                   "Modified=20F06BA06D07BD014D\r\nIconIndex=0\r\n"),
              "http://example.com/");
}

TEST(FavoritesText, AnyLineEndsGiveTheWholeAddress) {
    EXPECT_EQ(FavoritesURLFromText("[InternetShortcut]\nURL=http://example.com/page\n"),
              "http://example.com/page");
    EXPECT_EQ(FavoritesURLFromText("[InternetShortcut]\rURL=http://example.com/cr"),
              "http://example.com/cr");
    EXPECT_EQ(FavoritesURLFromText(QString(QChar(0xFEFF)) + "[InternetShortcut]\nURL=http://bom/"),
              "http://bom/");
}

TEST(FavoritesText, TheShortcutSectionComesFirstThenAnyURLLine) {
    EXPECT_EQ(FavoritesURLFromText("[DEFAULT]\r\nBASEURL=http://base/\r\nURL=http://default/\r\n"
                                   "[InternetShortcut]\r\nurl=http://shortcut/\r\n"),
              "http://shortcut/");
    EXPECT_EQ(FavoritesURLFromText("[Other]\nURL=http://other/\n"), "http://other/");
}

TEST(FavoritesText, NoKeyOrNoValueGivesNothing) {
    EXPECT_EQ(FavoritesURLFromText("[InternetShortcut]\r\nIconIndex=0\r\n"), "");
    EXPECT_EQ(FavoritesURLFromText("[InternetShortcut]\r\nURL="), "");
    EXPECT_EQ(FavoritesURLFromText(""), "");
}

class Favorites : public ::testing::Test {
protected:
    void TearDown() override { clearModalWaiters(); }
};

TEST_F(Favorites, ThePickedShortcutsAddress) {
    const QString shortcut = QDir::home().filePath("Example.url");
    writeBytes(shortcut, "[InternetShortcut]\nURL=https://example.org/start\n");
    QString folder, filter;
    whenModal([&](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_TRUE(dialog);
        folder = QDir(dialog->directory()).absolutePath();
        filter = dialog->selectedNameFilter();
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(shortcut);
        dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Open)->click();
    });
    EXPECT_EQ(Module1::GetFavoritesURL(), "https://example.org/start");
    // The favourites of this platform are in the home folder.
    EXPECT_EQ(folder, QDir::homePath());
    EXPECT_TRUE(filter.startsWith("URL files (*.url)")) << qPrintable(filter);
}

TEST_F(Favorites, CancellingGivesNothing) {
    whenModal([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    EXPECT_EQ(Module1::GetFavoritesURL(), "");
}
