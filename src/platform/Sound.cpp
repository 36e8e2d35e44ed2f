#include "platform/Sound.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QDir>
#include <QMediaPlayer>
#include <QUrl>

namespace {
struct Player {
    QMediaPlayer* player = nullptr;
    QAudioOutput* output = nullptr;
    QString current;
};

Player& instance() {
    static Player p;
    if (!p.player) {
        p.player = new QMediaPlayer(QCoreApplication::instance());
        p.output = new QAudioOutput(p.player);
        p.player->setAudioOutput(p.output);
    }
    return p;
}
} // namespace

namespace Sound {

void Play(const QString& path) {
    Player& p = instance();
    p.player->stop();
    p.current = path;
    p.player->setSource(QUrl::fromLocalFile(QDir::fromNativeSeparators(path)));
    p.player->play();
}

void Stop() {
    Player& p = instance();
    p.player->stop();
    p.current.clear();
}

QString Playing() {
    return instance().current;
}

} // namespace Sound
