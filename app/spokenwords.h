#pragma once

#include <QLocale>
#include <QString>

struct Controls;
struct Experiment;

// What a sighted student sees change in the experiment, as a screen reader
// is told of it.
struct ShownExperiment
{
    bool lightOn = false;
    bool zoomed = false;
    bool currentShown = false; // the meter's needle is deflected

    bool operator==(const ShownExperiment&) const = default;
};

ShownExperiment shownExperiment(const Controls& controls, const Experiment& state);

// The phrase that tells of the change from one to the other, or nothing.
// The light and the view speak for the current they take away.
QString changeSpoken(const ShownExperiment& before, const ShownExperiment& after);

// The bars' values as the window shows them beside the bars.
QString spokenVoltage(int position, const QLocale& locale);
QString spokenColour(const Controls& controls, const Experiment& state, const QLocale& locale);

// The colour's everyday name, for a light whose properties are all hidden.
QString colourName(double wavelength);
