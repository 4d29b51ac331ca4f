#include "spokenchanges.h"

#include "screenreader/announcer.h"

namespace {

// Long enough for the reading that a key press speaks to be heard first.
constexpr int currentSettleMs = 600;

} // namespace

SpokenChanges::SpokenChanges(Announcer& announcer, QObject* parent)
    : QObject(parent)
    , announcer_(announcer)
{
    settle_.setSingleShot(true);
    settle_.setInterval(currentSettleMs);
    connect(&settle_, &QTimer::timeout, this, [this] { speakSettledCurrent(); });
}

void SpokenChanges::follow(const ShownExperiment& now)
{
    const ShownExperiment before = latest_;
    latest_ = now;
    if (!told_) {
        told_ = now;
        return;
    }
    if (now.lightOn != told_->lightOn || now.zoomed != told_->zoomed) {
        announcer_.announce(changeSpoken(*told_, now));
        told_ = now;
        settle_.stop();
        return;
    }
    if (now.currentShown != before.currentShown)
        settle_.start();
}

void SpokenChanges::speakSettledCurrent()
{
    const QString phrase = changeSpoken(*told_, latest_);
    told_ = latest_;
    if (!phrase.isEmpty())
        announcer_.announce(phrase);
}
