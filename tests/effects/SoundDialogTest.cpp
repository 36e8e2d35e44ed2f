// Insert > Sound, driven as a user would: browsing enables Play for wave files only, the
// chosen sound plays in the dialog and in the preview, and a file that is not a sound
// neither plays nor hangs. Also the check that keeps such files from the player.
#include "core/Module1.h"
#include "effects/EffectsDriver.h"
#include "platform/Help.h"
#include "platform/Sound.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

using namespace EffectsDriver;

namespace {

class SoundDialog : public WithMainForm {
protected:
    void TearDown() override {
        Sound::Stop();
        WithMainForm::TearDown();
    }
    QString file(const QString& name, const QByteArray& bytes) {
        const QString path = previewDir.path() + "/" + name;
        TestSupport::writeBytes(path, bytes);
        return path;
    }
};

QByteArray withDataSize(QByteArray wave, quint32 size) {
    qToLittleEndian(size, wave.data() + 40);
    return wave;
}

} // namespace

TEST_F(SoundDialog, OpensWithItsDefaults) {
    withDialog(soundItem(), "BGSound", [&](QDialog* d) {
        EXPECT_TEXT(field<QLabel>(d, "lblHeading")->text(), "Background Sound");
        EXPECT_TEXT(field<QLabel>(d, "lblHeadingText")->text(),
                    "Insert a sound into your Web page.  The sound will be played when someone "
                    "visits your Web page!");
        EXPECT_EQ(field<QLineEdit>(d, "Text1")->text(), "");
        EXPECT_FALSE(field<QToolButton>(d, "cmdPlay")->isEnabled());
        EXPECT_EQ(field<QToolButton>(d, "cmdPlay")->toolTip(), "Play this sound");
        auto* loop = field<QComboBox>(d, "Combo1");
        ASSERT_EQ(loop->count(), 11);
        EXPECT_EQ(loop->itemText(10), "Infinite");
        EXPECT_EQ(loop->currentText(), "1");
        auto* help = field<QToolButton>(d, "cmdHelp");
        EXPECT_EQ(help->toolTip(), "Click for help...");
        help->click();
        EXPECT_EQ(Help::ShownTopic(), 28);
        EXPECT_TEXT(answerWhile([&] { click(d, "cmdOK"); }),
                    "Please enter sound filename in the box below.");
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(d->focusWidget(), field<QLineEdit>(d, "Text1"));
        click(d, "cmdCancel");
    });
}

TEST_F(SoundDialog, BrowsingEnablesPlayForWaveFilesOnly) {
    const QString wave = file("Bell.WAV", toneWave(200));
    const QString midi = file("tune.mid", "MThd");
    withDialog(soundItem(), "BGSound", [&](QDialog* d) {
        auto* play = field<QToolButton>(d, "cmdPlay");
        auto* name = field<QLineEdit>(d, "Text1");
        browse(d, "cmdBrowse", wave);
        EXPECT_EQ(name->text(), wave);
        EXPECT_TRUE(play->isEnabled());
        name->setText("typed.mid"); // a typed name changes nothing
        EXPECT_TRUE(play->isEnabled());
        browse(d, "cmdBrowse", "");
        EXPECT_EQ(name->text(), "typed.mid");
        EXPECT_TRUE(play->isEnabled());
        browse(d, "cmdBrowse", midi);
        EXPECT_EQ(name->text(), midi);
        EXPECT_FALSE(play->isEnabled());
        EXPECT_EQ(d->focusWidget(), name);
        click(d, "cmdCancel");
    });
}

TEST_F(SoundDialog, PlayPlaysTheChosenWaveAndAFakeOneNeitherPlaysNorHangs) {
    const QString wave = file("tone.wav", toneWave(3000));
    const QString fake = file("fake.wav", "not a sound");
    withDialog(soundItem(), "BGSound", [&](QDialog* d) {
        browse(d, "cmdBrowse", wave);
        click(d, "cmdPlay");
        EXPECT_EQ(Sound::Playing(), wave);
        browse(d, "cmdBrowse", fake);
        click(d, "cmdPlay");
        TestSupport::pump(300);
        EXPECT_EQ(Sound::Playing(), "");
        // The player still works afterwards.
        browse(d, "cmdBrowse", wave);
        click(d, "cmdPlay");
        EXPECT_EQ(Sound::Playing(), wave);
        click(d, "cmdCancel");
    });
}

TEST_F(SoundDialog, TheSoundPlaysInThePreviewAndGoesIntoThePageOnce) {
    page("<p id='p'>Hello</p>");
    const QString wave = file("long tone.wav", toneWave(4000));
    withDialog(soundItem(), "BGSound", [&](QDialog* d) {
        field<QLineEdit>(d, "Text1")->setText(wave);
        field<QComboBox>(d, "Combo1")->setEditText("");
        onPreview([&](Preview* p) {
            EXPECT_TRUE(
                TestSupport::waitUntil([&] { return p->WebBrowser1->RecentlyAudible(); }, 8000))
                << "the preview made no sound";
            click(p, "cmdInsert");
        });
        click(d, "cmdOK");
    });
    EXPECT_EQ(Module1::PendingSnippet.count("loop=\"1\""), 2);
    EXPECT_EQ(body().count("<script"), 1) << qPrintable(body());
    EXPECT_TRUE(body().startsWith(" <p id=\"p\">Hello<script language=\"Javascript\">"));
}

TEST_F(SoundDialog, AFileThatIsNotASoundShowsAQuietPreviewAndStillGoesIn) {
    page("<p id='p'>Hello</p>");
    const QString fake = file("fake.wav", QByteArray(5000, 'x'));
    withDialog(soundItem(), "BGSound", [&](QDialog* d) {
        field<QLineEdit>(d, "Text1")->setText(fake);
        onPreview([&](Preview* p) {
            TestSupport::pump(500);
            EXPECT_FALSE(p->WebBrowser1->RecentlyAudible());
            click(p, "cmdInsert");
        });
        click(d, "cmdOK");
    });
    EXPECT_EQ(body().count("<script"), 1);
}

TEST(WaveCheck, OnlyACompleteWaveFileIsHandedToThePlayer) {
    const QByteArray wave = EffectsDriver::toneWave(100);
    EXPECT_TRUE(Sound::IsCompleteWave(wave, wave.size()));
    EXPECT_TRUE(Sound::IsCompleteWave(wave.left(64), wave.size())); // only the head is read
    EXPECT_FALSE(Sound::IsCompleteWave("not a sound", 11));
    EXPECT_FALSE(Sound::IsCompleteWave(QByteArray(5000, 'x'), 5000));
    EXPECT_FALSE(Sound::IsCompleteWave("", 0));
    // Cut short: the data chunk says more than the file holds.
    EXPECT_FALSE(Sound::IsCompleteWave(wave.left(1000), 1000));
    EXPECT_FALSE(Sound::IsCompleteWave(withDataSize(wave, 0xFFFFFFF0u), wave.size()));
    // No data chunk, or no format before it.
    EXPECT_FALSE(Sound::IsCompleteWave(wave.left(36), 36));
    QByteArray dataOnly = wave.left(12) + wave.mid(36);
    EXPECT_FALSE(Sound::IsCompleteWave(dataOnly, dataOnly.size()));
    // A chunk of odd length before the data is padded to an even one.
    QByteArray list = wave.left(36) + QByteArray("LIST\x03\0\0\0abc\0", 12) + wave.mid(36);
    EXPECT_TRUE(Sound::IsCompleteWave(list, list.size()));
    // Compressed sound is not for this player.
    QByteArray compressed = wave;
    compressed[20] = 2;
    EXPECT_FALSE(Sound::IsCompleteWave(compressed, compressed.size()));
}
