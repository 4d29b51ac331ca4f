#pragma once

#include "app/workbench.h"
#include "recordingprinter.h"

#include <QImage>

// The experiment without a window, as the program has it once the window
// is first shown: created, at the shown scale and activated. The clipboard
// is a picture of its own.
class TestBench
{
public:
    explicit TestBench(CanvasObserver* drawingObserver = nullptr);

    RecordingPrinter printer;
    QImage clipboard;
    Workbench workbench;
    Controls& controls = workbench.controls;
    Experiment& state = workbench.state;
};
