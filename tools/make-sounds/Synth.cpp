#include "make-sounds/Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quill::sounds {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// Raised cosine: zero slope at both ends, so the fade itself adds no click.
double Fade(double t, double span) {
    if (span <= 0.0 || t >= span) return 1.0;
    if (t <= 0.0) return 0.0;
    return 0.5 - 0.5 * std::cos(std::numbers::pi * t / span);
}

void AddNote(const Note& note, std::vector<double>& mix, int sampleRate) {
    const auto first = static_cast<std::size_t>(std::lround(note.startSec * sampleRate));
    const auto count = static_cast<std::size_t>(std::lround(note.lengthSec * sampleRate));
    // Short notes still need room to fade both ways.
    const Voice& v = note.voice;
    const double attack = std::min(v.attackSec, note.lengthSec / 2);
    const double release = std::min(v.releaseSec, note.lengthSec / 2);
    const double b2 = v.brightness;
    const double b3 = v.brightness * v.brightness;

    double phase = 0.0;
    for (std::size_t i = 0; i < count && first + i < mix.size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double hz = note.frequencyHz * std::exp2(v.glideSemitones / 12.0 * t / note.lengthSec);
        // Overtones die faster than the fundamental, as on a real chime.
        const double fall = v.decaySec > 0.0 ? std::exp(-t / v.decaySec) : 1.0;
        const double wave = std::sin(phase) + b2 * fall * std::sin(2 * phase) +
                             b3 * fall * fall * std::sin(3 * phase);
        const double level = Fade(t, attack) * Fade(note.lengthSec - t, release) * fall;
        mix[first + i] += note.gain * level * wave;
        phase = std::fmod(phase + kTwoPi * hz / sampleRate, kTwoPi);
    }
}

}  // namespace

double MidiHz(int midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0); }

std::vector<std::int16_t> Render(const std::vector<Note>& notes, double minLengthSec,
                                 double peakDbfs, int sampleRate) {
    long total = std::lround(minLengthSec * sampleRate);
    for (const Note& n : notes)
        total = std::max(total, std::lround((n.startSec + n.lengthSec) * sampleRate));

    std::vector<double> mix(static_cast<std::size_t>(std::max(total, 0L)), 0.0);
    for (const Note& n : notes) AddNote(n, mix, sampleRate);

    double loudest = 0.0;
    for (double v : mix) loudest = std::max(loudest, std::abs(v));
    const double scale = loudest > 0.0 ? 32767.0 * std::pow(10.0, peakDbfs / 20.0) / loudest : 0.0;

    std::vector<std::int16_t> out(mix.size());
    // The clamp only matters for a peak above 0 dBFS; without it int16 would wrap into a crack.
    std::transform(mix.begin(), mix.end(), out.begin(), [scale](double v) {
        return static_cast<std::int16_t>(std::clamp(std::lround(v * scale), -32767L, 32767L));
    });
    return out;
}

}  // namespace quill::sounds
