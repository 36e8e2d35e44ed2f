#pragma once

#include <QString>

// Plays a sound file in the background; a new sound replaces the one playing.
namespace Sound {
void Play(const QString& path);
void Stop();
// The file last asked to play (empty when stopped), for tests.
QString Playing();
} // namespace Sound
