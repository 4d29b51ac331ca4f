#pragma once

#include <QObject>
#include <initializer_list>

// Orca speaks a scroll bar's value as its position, and Qt 6.4 can give it
// no text for a value. The bars whose reading the window shows elsewhere (the
// dial's voltage, the photon properties) keep their positions for assistive
// technologies to read and set, but a screen reader is no longer told of a
// change of position: the window announces the new reading instead.
void speakReadingsOf(std::initializer_list<const QObject*> bars);
