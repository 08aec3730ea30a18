#pragma once

#include <QByteArray>
#include <vector>

#include "audio/Score.h"

// Renders a score to a looping mono track and writes it as a PCM WAV file.
constexpr int kSampleRate = 22050;

// The samples of one pass of the tune, in -1..1. Notes that ring past the end of the tune
// (releases, echoes) wrap around to its start, so the track loops without a seam.
std::vector<float> renderScore(const Score& s, const QString& seed);

// 16-bit PCM mono WAV bytes of the samples.
QByteArray wavBytes(const std::vector<float>& samples, int rate = kSampleRate);
