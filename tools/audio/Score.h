#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// A tune written in the world's score notation (content/music/*.txt):
//
//   tempo 108                      quarter notes per minute
//   voice lead square duty=0.25 vol=0.3 attack=0.01 decay=0.2 sustain=0.5 release=0.1
//   lead: o5 e8 g8 a4. r8 | [ceg]2 ( c16 d16 )3 > c4 < b4
//
// Notes are a..g with # or b and an optional + or - (one octave up or down for that note),
// followed by a length (1 whole, 2 half, 4 quarter, 8, 16, 32; a dot adds half) that carries
// over to the next notes. r is a rest, [..] a chord, ( .. )N repeats a group, oN sets the
// octave, > and < step it, | marks a bar and is ignored. In a drum voice k, s and h are the
// kick, snare and hat. Every voice of a tune must have the same total length: the tune loops.

struct NoteEvent {
    double start = 0;   // in quarter notes
    double length = 0;  // in quarter notes
    QList<int> midi;    // notes of the event (empty for a rest); drums use 1 k, 2 s, 3 h
};

struct VoiceDef {
    QString name;
    QString wave;  // square, triangle, sine, saw, noise (drums)
    QMap<QString, double> settings;
    QList<NoteEvent> events;
    double length = 0;  // in quarter notes
    double setting(const QString& key, double fallback) const {
        return settings.value(key, fallback);
    }
};

struct Score {
    double tempo = 120;
    QList<VoiceDef> voices;
    double lengthBeats() const { return voices.isEmpty() ? 0 : voices.front().length; }
};

// Parses a score; mistakes raise a ContentError at file:line.
Score parseScore(const QStringList& lines, const QString& file, int firstLine);
