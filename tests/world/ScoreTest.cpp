// The music: the score notation and the synthesizer that turns it into looping WAV tracks.

#include <gtest/gtest.h>

#include "audio/Score.h"
#include "audio/Synth.h"
#include "world/Source.h"

namespace {

Score parse(const QStringList& lines) {
    return parseScore(lines, QStringLiteral("test.txt"), 1);
}

TEST(Score, LengthsCarryOverAndDotsAddHalf) {
    const Score s = parse({"tempo 120", "voice a square", "a: o4 c4 d8 e f2 g4. r8"});
    ASSERT_EQ(s.voices.size(), 1);
    const QList<NoteEvent>& e = s.voices[0].events;
    ASSERT_EQ(e.size(), 5);
    EXPECT_DOUBLE_EQ(e[1].length, 0.5);
    EXPECT_DOUBLE_EQ(e[2].length, 0.5) << "the eighth carries over to e";
    EXPECT_DOUBLE_EQ(e[3].start, 2.0);
    EXPECT_DOUBLE_EQ(e[4].length, 1.5);
    EXPECT_DOUBLE_EQ(s.lengthBeats(), 6.0);
}

TEST(Score, PitchesOctavesAccidentalsAndChords) {
    const Score s = parse({"voice a square", "a: o4 c4 c#4 bb4 c+4 c-4 > c4 < c4 [ceg]4"});
    const QList<NoteEvent>& e = s.voices[0].events;
    ASSERT_EQ(e.size(), 8);
    EXPECT_EQ(e[0].midi.front(), 60);  // middle C
    EXPECT_EQ(e[1].midi.front(), 61);
    EXPECT_EQ(e[2].midi.front(), 70);
    EXPECT_EQ(e[3].midi.front(), 72);
    EXPECT_EQ(e[4].midi.front(), 48);
    EXPECT_EQ(e[5].midi.front(), 72);
    EXPECT_EQ(e[6].midi.front(), 60);
    EXPECT_EQ(e[7].midi, QList<int>({60, 64, 67}));
}

TEST(Score, GroupsRepeatAndLinesContinueTheVoice) {
    const Score s = parse({"voice d noise", "voice b triangle", "d: ( k8 h8 s4 )3", "d: k4",
                           "b: o3 c2. d4", "b: e2 e4"});
    EXPECT_EQ(s.voices[0].events.size(), 10);
    EXPECT_EQ(s.voices[0].events[2].midi.front(), 2) << "s is the snare";
    EXPECT_DOUBLE_EQ(s.voices[0].length, 7.0);
    EXPECT_DOUBLE_EQ(s.voices[1].length, 7.0);
    EXPECT_EQ(s.voices[1].events[2].midi.front(), 52) << "the octave carries to the next line";
    EXPECT_DOUBLE_EQ(s.voices[1].events[3].length, 1.0) << "and so does the length";
}

TEST(Score, MistakesAreRefusedWithTheirLine) {
    EXPECT_THROW(parse({"voice a square", "voice b square", "a: c4", "b: c2"}), ContentError)
        << "voices of different lengths cannot loop together";
    EXPECT_THROW(parse({"voice a organ"}), ContentError);
    EXPECT_THROW(parse({"voice a square", "a: c3"}), ContentError) << "no length 3";
    EXPECT_THROW(parse({"voice a square", "a: ( c4 d4"}), ContentError);
    EXPECT_THROW(parse({"voice a square", "x: c4"}), ContentError);
    try {
        parse({"voice a square", "a: c4", "a: h4"});
        FAIL();
    } catch (const ContentError& e) {
        EXPECT_NE(std::string(e.what()).find("test.txt:4"), std::string::npos) << e.what();
    }
}

TEST(Synth, ATrackLastsItsBeatsAndLoopsWithoutASeam) {
    // One long note at the very end: its release must ring on at the start of the track.
    const Score s = parse({"tempo 120", "voice a triangle release=0.3 gate=1.0", "a: r2. c4"});
    const std::vector<float> samples = renderScore(s, QStringLiteral("seed"));
    ASSERT_EQ(samples.size(), size_t(2.0 * kSampleRate)) << "4 beats at 120 per minute";
    float head = 0;
    for (int i = 0; i < 2000; ++i) head = std::max(head, std::abs(samples[i]));
    EXPECT_GT(head, 0.01f) << "the tail of the last note wraps to the beginning";
    float silence = 0;
    for (size_t i = kSampleRate / 2; i < size_t(kSampleRate); ++i)
        silence = std::max(silence, std::abs(samples[i]));
    EXPECT_LT(silence, 1e-6f) << "nothing sounds in the rests";
    for (float x : samples) ASSERT_LE(std::abs(x), 1.0f);
}

TEST(Synth, TheSameScoreGivesTheSameSamples) {
    const Score s = parse({"tempo 100", "voice a square duty=0.25 vibrato=0.01 echo=0.3",
                           "voice d noise", "a: o5 c8 e8 g4 [ceg]2", "d: k4 s4 h4 h4"});
    EXPECT_EQ(renderScore(s, QStringLiteral("x")), renderScore(s, QStringLiteral("x")));
}

TEST(Synth, WavHeaderDescribesTheSamples) {
    const QByteArray b = wavBytes({0.0f, 1.0f, -1.0f}, 22050);
    ASSERT_EQ(b.size(), 44 + 6);
    EXPECT_EQ(b.left(4), QByteArray("RIFF"));
    EXPECT_EQ(uchar(b[4]), 36 + 6);
    EXPECT_EQ(b.mid(36, 4), QByteArray("data"));
    EXPECT_EQ(uchar(b[24]) | uchar(b[25]) << 8, 22050);
    EXPECT_EQ(int16_t(uchar(b[46]) | uchar(b[47]) << 8), 32767);
    EXPECT_EQ(int16_t(uchar(b[48]) | uchar(b[49]) << 8), -32767);
}

}  // namespace
