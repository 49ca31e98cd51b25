#include "sounds.h"

#include "wav_writer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double tau = 2 * std::numbers::pi;

// Ramps the first and last samples so the sound starts and stops without a pop.
void fade(std::vector<double>& wave, int in, int out)
{
    const int n = static_cast<int>(wave.size());
    for (int i = 0; i < n; ++i) {
        double gain = 1;
        if (i < in)
            gain = static_cast<double>(i) / in;
        if (i >= n - out)
            gain = std::min(gain, static_cast<double>(n - 1 - i) / out);
        wave[i] *= gain;
    }
}

// Scales -1..1 to 16 bits at the given peak level.
std::vector<std::int16_t> quantise(const std::vector<double>& wave, double level)
{
    std::vector<std::int16_t> samples(wave.size());
    std::transform(wave.begin(), wave.end(), samples.begin(), [level](double v) {
        return static_cast<std::int16_t>(std::lround(std::clamp(v * level, -1.0, 1.0) * 32767));
    });
    return samples;
}

// A bell-like note: a sine with a quieter octave, decaying exponentially from its start.
double bell(double t, double frequency, double decay)
{
    if (t < 0)
        return 0;
    return std::exp(-t * decay) *
           (std::sin(tau * frequency * t) + 0.3 * std::sin(tau * 2 * frequency * t));
}

}  // namespace

std::vector<std::int16_t> synthclick()
{
    std::vector<double> wave(261);
    for (std::size_t i = 0; i < wave.size(); ++i) {
        const double t = static_cast<double>(i) / soundrate;
        wave[i] = std::exp(-t * 600) * (std::sin(tau * 2400 * t) + 0.5 * std::sin(tau * 1200 * t));
    }
    fade(wave, 8, 40);
    return quantise(wave, 0.5);
}

std::vector<std::int16_t> synthconfirm()
{
    // E6 then A6, the second note entering a third of the way in.
    std::vector<double> wave(3679);
    const double second = 0.055;
    for (std::size_t i = 0; i < wave.size(); ++i) {
        const double t = static_cast<double>(i) / soundrate;
        wave[i] = 0.5 * bell(t, 1318.5, 22) + 0.5 * bell(t - second, 1760.0, 18);
    }
    fade(wave, 30, 400);
    return quantise(wave, 0.7);
}

std::vector<std::int16_t> synthleave()
{
    // A glide from 660 Hz down an octave, integrating the frequency so the pitch moves smoothly.
    std::vector<double> wave(5519);
    const double duration = static_cast<double>(wave.size()) / soundrate;
    double phase = 0;
    for (std::size_t i = 0; i < wave.size(); ++i) {
        const double t = static_cast<double>(i) / soundrate;
        const double frequency = 660 * std::pow(0.5, t / duration);
        phase += tau * frequency / soundrate;
        const double envelope = std::exp(-t * 5);
        wave[i] = envelope * (std::sin(phase) + 0.25 * std::sin(2 * phase));
    }
    fade(wave, 60, 800);
    return quantise(wave, 0.45);
}
