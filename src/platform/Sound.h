#pragma once

#include <QByteArray>
#include <QString>

// Plays a wave file in the background; a new sound replaces the one playing. A file that
// cannot be played (missing, not a wave file, cut short) plays nothing and reports
// nothing.
namespace Sound {
void Play(const QString& path);
void Stop();
// The file playing now (or being read to play), for tests: empty once it has been
// stopped, has ended or was refused.
QString Playing();

// Whether the start of a file (at least its chunk headers) and its whole size describe a
// complete wave file: "RIFF" ... "WAVE", a format chunk, then a data chunk, each inside
// the file.
bool IsCompleteWave(const QByteArray& head, qint64 fileSize);
} // namespace Sound
