#pragma once

#include "clicksound.h"

#include <QAudioFormat>
#include <QByteArray>
#include <memory>

class QAudioSink;
class QIODevice;

// The clicks through Qt Multimedia, on the default output of the desktop's
// sound server. Nothing of Qt Multimedia exists until the sound is first
// switched on, and its stream goes when the sound is switched off. Where
// there is no device, or no server, it stays silent.
class ClickPlayer : public ClickSound
{
public:
    ClickPlayer();
    ~ClickPlayer() override;

    void setOn(bool on) override;
    void tick(int clicks) override;

private:
    void open();

    std::unique_ptr<QAudioSink> sink_;
    QIODevice* stream_ = nullptr; // the sink's, while it is open
    QByteArray click_;   // a tick's worth and the margin: one click, then silence
    QByteArray silence_; // as long, without the click
};
