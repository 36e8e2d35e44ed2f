#include "platform/Sound.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>

// QSoundEffect rather than a media player: a media player takes the whole process down
// on a machine without a sound device or without the media plugins, where a sound
// effect plays silently.
//
// A sound effect reads its file in a thread of its own, which ends only once the file
// has been read whole or refused. A file that ends before its header says it does (a
// text file of a few bytes, a wave file cut short) keeps that thread waiting for the
// rest, and the next change of sound, or the program's exit, waits for the thread
// forever. So only a complete wave file is ever handed over.

namespace {

// More than any background sound needs; the whole sound is held in memory to play.
constexpr qint64 MaxWaveSize = 256LL * 1024 * 1024;
// The chunk headers are read from this much of the file's start.
constexpr qint64 HeadSize = 64 * 1024;

struct Player {
    QPointer<QSoundEffect> effect;
    QString current;
};

Player& player() {
    static Player p;
    if (!p.effect)
        p.effect = new QSoundEffect(QCoreApplication::instance());
    return p;
}

bool playable(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = f.size();
    if (size > MaxWaveSize)
        return false;
    return Sound::IsCompleteWave(f.read(HeadSize), size);
}

} // namespace

namespace Sound {

bool IsCompleteWave(const QByteArray& head, qint64 fileSize) {
    if (head.size() < 12 || fileSize < head.size() || !head.startsWith("RIFF") ||
        head.mid(8, 4) != "WAVE")
        return false;
    bool format = false;
    qint64 at = 12;
    while (at + 8 <= head.size()) {
        const QByteArray id = head.mid(at, 4);
        const qint64 size = qFromLittleEndian<quint32>(head.constData() + at + 4);
        const qint64 body = at + 8;
        if (body + size > fileSize)
            return false; // the file ends inside this chunk
        if (id == "fmt ") {
            if (size < 16 || body + 16 > head.size())
                return false;
            const quint16 kind = qFromLittleEndian<quint16>(head.constData() + body);
            const quint16 channels = qFromLittleEndian<quint16>(head.constData() + body + 2);
            const quint32 rate = qFromLittleEndian<quint32>(head.constData() + body + 4);
            const quint16 bits = qFromLittleEndian<quint16>(head.constData() + body + 14);
            // PCM, floating point or the extensible form of either.
            if ((kind != 1 && kind != 3 && kind != 0xFFFE) || channels == 0 || rate == 0 ||
                bits == 0)
                return false;
            format = true;
        } else if (id == "data") {
            return format;
        }
        at = body + size + (size & 1); // chunks are padded to an even length
    }
    return false;
}

void Play(const QString& path) {
    Player& p = player();
    p.effect->stop();
    p.current.clear();
    const QString file = QDir::fromNativeSeparators(path);
    if (!playable(file))
        return;
    p.current = path;
    const QUrl source = QUrl::fromLocalFile(file);
    if (p.effect->source() != source)
        p.effect->setSource(source);
    p.effect->play(); // once the file is read
}

void Stop() {
    Player& p = player();
    p.effect->stop();
    p.current.clear();
}

QString Playing() {
    Player& p = player();
    if (p.current.isEmpty() || p.effect->status() == QSoundEffect::Error)
        return QString();
    if (p.effect->isPlaying() || p.effect->status() == QSoundEffect::Loading)
        return p.current;
    return QString();
}

} // namespace Sound
