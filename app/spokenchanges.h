#pragma once

#include "spokenwords.h"

#include <QObject>
#include <QTimer>
#include <optional>

class Announcer;

// Tells a screen reader what changes in the experiment, once for each
// change and never per tick: the light and the view as they change, the
// current once it has held for a moment, so that a bar swept across the
// cut-off is heard once it rests.
class SpokenChanges : public QObject
{
public:
    SpokenChanges(Announcer& announcer, QObject* parent);

    void follow(const ShownExperiment& now);

private:
    void speakSettledCurrent();

    Announcer& announcer_;
    std::optional<ShownExperiment> told_;
    ShownExperiment latest_;
    QTimer settle_;
};
