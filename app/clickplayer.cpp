#include "clickplayer.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>
#include <cmath>
#include <cstdint>
#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr int kSampleRate = 48000;
constexpr double kClickSeconds = 0.004;
constexpr double kDecaySeconds = 0.0007;
constexpr double kPeak = 0.35; // of full scale: soft beside the desktop's own sounds
// The server plays a stream only while its buffer has been full: each tick
// tops it up, the click first, so a buffer of a tick and a margin for the
// timer's jitter keeps it playing, and a click waits only for the margin.
constexpr int kBufferMs = 50 + 20;

// A counter's click: a few milliseconds of noise that dies away at once, so
// that nothing rings and no pitch is heard however fast the clicks come.
std::vector<float> clickWave(int sampleRate, int frames)
{
    std::vector<float> wave(static_cast<size_t>(frames), 0.0f);
    const int clickFrames = static_cast<int>(kClickSeconds * sampleRate);
    std::uint32_t seed = 12345;
    for (int i = 0; i < clickFrames && i < frames; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const double noise = static_cast<double>(seed >> 8) / double(1u << 23) - 1.0;
        const double envelope = std::exp(-i / (kDecaySeconds * sampleRate));
        wave[static_cast<size_t>(i)] = static_cast<float>(kPeak * envelope * noise);
    }
    return wave;
}

// The wave in the sink's sample format, the same on every channel.
QByteArray encoded(const std::vector<float>& wave, const QAudioFormat& format)
{
    const int channels = format.channelCount();
    const int bytes = format.bytesPerSample();
    QByteArray data(static_cast<qsizetype>(wave.size()) * channels * bytes, '\0');
    char* out = data.data();
    for (float value : wave) {
        for (int channel = 0; channel < channels; ++channel, out += bytes) {
            switch (format.sampleFormat()) {
            case QAudioFormat::UInt8: {
                const auto sample = static_cast<std::uint8_t>(128 + std::lround(value * 127));
                std::memcpy(out, &sample, sizeof sample);
                break;
            }
            case QAudioFormat::Int16: {
                const auto sample = static_cast<std::int16_t>(std::lround(value * 32767));
                std::memcpy(out, &sample, sizeof sample);
                break;
            }
            case QAudioFormat::Int32: {
                const auto sample = static_cast<std::int32_t>(std::lround(value * 2147483647.0));
                std::memcpy(out, &sample, sizeof sample);
                break;
            }
            default:
                std::memcpy(out, &value, sizeof value);
                break;
            }
        }
    }
    return data;
}

} // namespace

ClickPlayer::ClickPlayer() = default;
ClickPlayer::~ClickPlayer() = default;

void ClickPlayer::setOn(bool on)
{
    if (on && !sink_)
        open();
    if (!on && sink_) {
        sink_->stop();
        stream_ = nullptr;
        sink_.reset();
    }
}

// Push mode on a short buffer: the ticks write the sound themselves, and
// while no tick comes (the light off, the close-up) the stream idles.
void ClickPlayer::open()
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    QAudioFormat format;
    format.setSampleRate(kSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        format = device.preferredFormat();
    if (!format.isValid())
        return;
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->setBufferSize(format.bytesForDuration(kBufferMs * 1000));
    stream_ = sink_->start();
    if (!stream_) {
        sink_.reset();
        return;
    }
    const int frames = format.framesForBytes(static_cast<qint32>(sink_->bufferSize()));
    click_ = encoded(clickWave(format.sampleRate(), frames), format);
    silence_ = encoded(std::vector<float>(static_cast<size_t>(frames), 0.0f), format);
}

void ClickPlayer::tick(int clicks)
{
    if (!stream_)
        return;
    const qsizetype room = std::min(sink_->bytesFree(), click_.size());
    if (room > 0)
        stream_->write((clicks > 0 ? click_ : silence_).constData(), room);
}
