#include "audio/Synth.h"

#include <algorithm>
#include <cmath>

#include "art/Paint.h"

namespace {

double midiFreq(int m) {
    return 440.0 * std::pow(2.0, (m - 69) / 12.0);
}

// PolyBLEP softens the jumps of square and saw waves so high notes do not alias harshly.
double polyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

// A table of one sine period: the synthesizer calls it for every sample of every note.
double fastSin(double phase) {
    static const std::vector<double> table = [] {
        std::vector<double> t(4097);
        for (int i = 0; i <= 4096; ++i) t[i] = std::sin(2 * M_PI * i / 4096.0);
        return t;
    }();
    const double pos = phase * 4096.0;
    const int i = int(pos);
    return table[i] + (table[i + 1] - table[i]) * (pos - i);
}

enum class Wave { Square, Triangle, Sine, Saw };

Wave waveOf(const QString& name) {
    if (name == "sine") return Wave::Sine;
    if (name == "triangle") return Wave::Triangle;
    if (name == "saw") return Wave::Saw;
    return Wave::Square;
}

double oscillator(Wave wave, double phase, double dt, double duty) {
    if (wave == Wave::Sine) return fastSin(phase);
    if (wave == Wave::Triangle) return 1.0 - 4.0 * std::abs(phase - 0.5);
    if (wave == Wave::Saw) return 2.0 * phase - 1.0 - polyBlep(phase, dt);
    // square / pulse
    double v = phase < duty ? 1.0 : -1.0;
    v += polyBlep(phase, dt);
    double t2 = phase - duty;
    if (t2 < 0) t2 += 1.0;
    v -= polyBlep(t2, dt);
    return v;
}

// Attack-decay-sustain-release envelope at time t (seconds) of a note held for `hold` seconds.
double envelope(double t, double hold, double a, double d, double s, double r) {
    double level;
    if (t < a)
        level = t / a;
    else if (t < a + d)
        level = 1.0 - (1.0 - s) * (t - a) / d;
    else
        level = s;
    if (t > hold) {
        const double held = t - hold;
        const double at =
            hold < a ? hold / a : (hold < a + d ? 1.0 - (1.0 - s) * (hold - a) / d : s);
        level = at * std::max(0.0, 1.0 - held / r);
        if (held >= r) level = 0;
    }
    return level;
}

void addTone(std::vector<double>& buf, const VoiceDef& v, const NoteEvent& e, double secPerBeat) {
    const int n = int(buf.size());
    const double a = v.setting("attack", 0.01), d = v.setting("decay", 0.1);
    const double s = v.setting("sustain", 0.7), r = v.setting("release", 0.08);
    const double vol = v.setting("vol", 0.3) / std::max<qsizetype>(1, e.midi.size());
    const double duty = v.setting("duty", 0.5);
    const double gate = v.setting("gate", 0.92);
    const double vib = v.setting("vibrato", 0.0);
    const double hold = e.length * secPerBeat * gate;
    const int start = int(std::lround(e.start * secPerBeat * kSampleRate));
    const int total = int((hold + r) * kSampleRate) + 1;
    const Wave wave = waveOf(v.wave);
    for (int m : e.midi) {
        const double f = midiFreq(m + int(v.setting("transpose", 0)));
        double phase = 0;
        for (int i = 0; i < total; ++i) {
            const double t = double(i) / kSampleRate;
            double fm = f;
            if (vib > 0) {
                double lfo = 5.5 * t;
                lfo -= std::floor(lfo);
                fm *= 1.0 + vib * fastSin(lfo) * std::min(1.0, t / 0.3);
            }
            const double dt = fm / kSampleRate;
            phase += dt;
            if (phase >= 1.0) phase -= 1.0;
            const double env = envelope(t, hold, a, d, s, r);
            buf[(start + i) % n] += vol * env * oscillator(wave, phase, dt, duty);
        }
    }
}

void addDrum(std::vector<double>& buf, const VoiceDef& v, const NoteEvent& e, double secPerBeat,
             Rng& rng) {
    const int n = int(buf.size());
    const int start = int(std::lround(e.start * secPerBeat * kSampleRate));
    const double vol = v.setting("vol", 0.3);
    for (int kind : e.midi) {
        const double len = kind == 1 ? 0.22 : kind == 2 ? 0.16 : 0.05;
        const int total = int(len * kSampleRate);
        double phase = 0, low = 0;
        for (int i = 0; i < total; ++i) {
            const double t = double(i) / kSampleRate;
            double x = 0;
            if (kind == 1) {
                const double f = 45 + 90 * std::exp(-t * 30);
                phase += f / kSampleRate;
                x = std::sin(2 * M_PI * phase) * std::exp(-t * 14);
            } else {
                const double noise = rng.range(-1, 1);
                low += (noise - low) * 0.35;
                if (kind == 2) {
                    phase += 190.0 / kSampleRate;
                    x = (0.7 * noise + 0.4 * std::sin(2 * M_PI * phase)) * std::exp(-t * 22);
                } else {
                    x = (noise - low) * std::exp(-t * 70) * 0.7;
                }
            }
            buf[(start + i) % n] += vol * x;
        }
    }
}

}  // namespace

std::vector<float> renderScore(const Score& s, const QString& seed) {
    const double secPerBeat = 60.0 / s.tempo;
    const int n = std::max(1, int(std::lround(s.lengthBeats() * secPerBeat * kSampleRate)));
    std::vector<double> mixBuf(n, 0.0);
    Rng rng(seed);
    for (const VoiceDef& v : s.voices) {
        std::vector<double> voice(n, 0.0);
        for (const NoteEvent& e : v.events) {
            if (e.midi.isEmpty()) continue;
            if (v.wave == "noise")
                addDrum(voice, v, e, secPerBeat, rng);
            else
                addTone(voice, v, e, secPerBeat);
        }
        // Echo: a quieter copy three eighths of a beat later, wrapping around the loop.
        const double echo = v.setting("echo", 0.0);
        if (echo > 0) {
            const int delay = int(secPerBeat * 0.75 * kSampleRate);
            std::vector<double> wet(voice);
            for (int pass = 0; pass < 2; ++pass)
                for (int i = 0; i < n; ++i)
                    wet[(i + delay) % n] += voice[i] * echo * (pass ? echo : 1.0);
            voice.swap(wet);
        }
        for (int i = 0; i < n; ++i) mixBuf[i] += voice[i];
    }
    double peak = 1e-9;
    for (double x : mixBuf) peak = std::max(peak, std::abs(x));
    std::vector<float> out(n);
    const double gain = 0.85 / std::max(0.85, peak);
    for (int i = 0; i < n; ++i) out[i] = float(std::tanh(mixBuf[i] * gain * 1.1) / std::tanh(1.1));
    return out;
}

QByteArray wavBytes(const std::vector<float>& samples, int rate) {
    QByteArray b;
    auto u32 = [&](uint32_t v) {
        for (int k = 0; k < 4; ++k) b.append(char((v >> (8 * k)) & 0xff));
    };
    auto u16 = [&](uint16_t v) {
        b.append(char(v & 0xff));
        b.append(char(v >> 8));
    };
    const uint32_t dataBytes = uint32_t(samples.size() * 2);
    b.append("RIFF");
    u32(36 + dataBytes);
    b.append("WAVEfmt ");
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(uint32_t(rate));
    u32(uint32_t(rate * 2));
    u16(2);
    u16(16);
    b.append("data");
    u32(dataBytes);
    for (float s : samples) u16(uint16_t(int16_t(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767))));
    return b;
}
