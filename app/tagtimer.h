#pragma once

#include <QTimer>

// A timer that carries a number for the program's own use. Enabled means
// running.
class TagTimer : public QTimer
{
public:
    using QTimer::QTimer;
    int Tag = 0;
    bool Enabled() const { return isActive(); }
    void setEnabled(bool enabled)
    {
        if (enabled && !isActive())
            start();
        else if (!enabled)
            stop();
    }
};
