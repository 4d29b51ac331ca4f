#pragma once

#include <QChar>

class Controls;
struct Experiment;

// Unknown-metals mode: the work functions hidden, metal 4's typed by the
// user.
class UnknownMetals
{
public:
    // `decimalSeparator` is that of the user's regional settings.
    UnknownMetals(Controls& controls, Experiment& state, QChar decimalSeparator)
        : controls_(controls)
        , state_(state)
        , decimalSeparator_(decimalSeparator)
    {
    }

    void unknownrbClick();
    void wfebChange();
    void wfebEnter();

private:
    Controls& controls_;
    Experiment& state_;
    QChar decimalSeparator_;
};
