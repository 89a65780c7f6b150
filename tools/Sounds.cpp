// The game's sound effects, synthesised: 16-bit PCM mono WAV at 22050 Hz.
#include "Assets.h"

#include <QByteArray>
#include <QtEndian>
#include <QtMath>
#include <functional>
#include <vector>

namespace gen {
namespace {

constexpr int kRate = 22050;
using Signal = std::vector<double>;

Signal silence(double seconds) { return Signal(size_t(seconds * kRate), 0.0); }

// Adds a tone with an attack/decay envelope at a start time.
void addTone(Signal& s, double start, double length, double freq, double gain,
             const std::function<double(double)>& wave, double decay = 4.0) {
    const size_t first = size_t(start * kRate);
    const size_t count = size_t(length * kRate);
    for (size_t i = 0; i < count && first + i < s.size(); ++i) {
        const double t = double(i) / kRate;
        const double attack = qMin(1.0, t / 0.008);
        const double release = qMin(1.0, (length - t) / 0.02);
        s[first + i] += gain * attack * release * qExp(-decay * t) * wave(2 * M_PI * freq * t);
    }
}

double sine(double ph) { return qSin(ph); }
double bell(double ph) { return qSin(ph) + 0.35 * qSin(2 * ph) + 0.15 * qSin(3 * ph); }
double square(double ph) { return qSin(ph) >= 0 ? 0.6 : -0.6; }
double saw(double ph) {
    const double x = std::fmod(ph / (2 * M_PI), 1.0);
    return 2 * x - 1;
}

QByteArray wav(const Signal& s) {
    double peak = 0.0;
    for (double v : s)
        peak = qMax(peak, qAbs(v));
    const double scale = peak > 0 ? 0.8 * 32767.0 / peak : 0.0;
    QByteArray data;
    data.resize(qsizetype(s.size() * 2));
    for (size_t i = 0; i < s.size(); ++i)
        qToLittleEndian<qint16>(qint16(qRound(s[i] * scale)), data.data() + 2 * i);
    QByteArray out;
    auto u32 = [&](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    auto u16 = [&](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    out.append("RIFF", 4);
    u32(quint32(36 + data.size()));
    out.append("WAVEfmt ", 8);
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(kRate);
    u32(kRate * 2);  // bytes per second
    u16(2);          // block align
    u16(16);         // bits per sample
    out.append("data", 4);
    u32(quint32(data.size()));
    out.append(data);
    return out;
}

// Pouring: low-passed noise with a slow gurgle.
Signal pouring() {
    Signal s = silence(0.7);
    Noise noise(0x9a17);
    double lp = 0.0, lp2 = 0.0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        lp += 0.12 * (noise.signedUnit() - lp);
        lp2 += 0.25 * (lp - lp2);
        const double gurgle = 0.6 + 0.4 * qSin(2 * M_PI * 9 * t + 2 * qSin(2 * M_PI * 3 * t));
        const double env = qMin(1.0, t / 0.05) * qMin(1.0, (0.7 - t) / 0.15);
        s[i] = lp2 * gurgle * env;
    }
    addTone(s, 0.05, 0.6, 180, 0.05, sine, 3.0);
    return s;
}

Signal brightChord() {
    Signal s = silence(1.0);
    const double notes[] = {523.25, 659.25, 783.99, 1046.5};
    for (int i = 0; i < 4; ++i)
        addTone(s, i * 0.06, 0.9 - i * 0.06, notes[i], 1.0, bell, 3.0);
    return s;
}

Signal lowBuzz() {
    Signal s = silence(0.75);
    addTone(s, 0.0, 0.75, 98, 1.0, saw, 1.5);
    addTone(s, 0.0, 0.75, 103.5, 0.8, saw, 1.5);
    return s;
}

Signal okChime() {
    Signal s = silence(0.8);
    addTone(s, 0.0, 0.35, 783.99, 1.0, bell, 5.0);
    addTone(s, 0.15, 0.65, 1174.66, 1.0, bell, 4.0);
    return s;
}

Signal nioDown() {
    Signal s = silence(0.7);
    addTone(s, 0.0, 0.3, 392.0, 1.0, square, 3.0);
    addTone(s, 0.28, 0.42, 311.13, 1.0, square, 3.0);
    return s;
}

Signal notification() {
    Signal s = silence(1.1);
    const double notes[] = {587.33, 880.0, 739.99};
    for (int i = 0; i < 3; ++i)
        addTone(s, i * 0.22, 0.5, notes[i], 1.0, bell, 5.0);
    return s;
}

// Alarm: a two-tone siren.
Signal alarm() {
    Signal s = silence(1.6);
    for (int i = 0; i < 8; ++i)
        addTone(s, i * 0.2, 0.19, i % 2 ? 660.0 : 880.0, 1.0, square, 0.5);
    return s;
}

Signal doubleBeep() {
    Signal s = silence(0.45);
    addTone(s, 0.0, 0.13, 1318.5, 1.0, sine, 2.0);
    addTone(s, 0.2, 0.13, 1318.5, 1.0, sine, 2.0);
    return s;
}

// Three fist bangs on a desk: a damped low thump with a knock of noise.
Signal bangs() {
    Signal s = silence(1.3);
    Noise noise(0xf157);
    for (int k = 0; k < 3; ++k) {
        const double start = k * 0.38;
        addTone(s, start, 0.3, 70, 1.0, sine, 14.0);
        addTone(s, start, 0.15, 140, 0.5, sine, 22.0);
        const size_t first = size_t(start * kRate);
        for (size_t i = 0; i < size_t(0.05 * kRate); ++i)
            s[first + i] += 0.5 * noise.signedUnit() * qExp(-60.0 * double(i) / kRate);
    }
    return s;
}

}  // namespace

void writeSounds(const QString& dir) {
    saveBytes(wav(pouring()), dir, DataFiles::LaborFillSound);
    saveBytes(wav(brightChord()), dir, DataFiles::RezeptOKSound);
    saveBytes(wav(lowBuzz()), dir, DataFiles::RezeptNIOSound);
    saveBytes(wav(okChime()), dir, DataFiles::OKSound);
    saveBytes(wav(nioDown()), dir, DataFiles::NIOSound);
    saveBytes(wav(notification()), dir, DataFiles::NeueBasisfarbenSound);
    saveBytes(wav(alarm()), dir, DataFiles::UeberlaufSound);
    saveBytes(wav(doubleBeep()), dir, DataFiles::MaxBasisfarbenSound);
    saveBytes(wav(bangs()), dir, DataFiles::KundenmanagerSound);
}

}  // namespace gen
