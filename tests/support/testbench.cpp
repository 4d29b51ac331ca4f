#include "testbench.h"

#include "core/viewmode.h"

TestBench::TestBench(CanvasObserver* drawingObserver)
    : workbench(u'.', printer, [this](const QImage& picture) { clipboard = picture; })
{
    for (Canvas* canvas : {&workbench.pictures.tube, &workbench.pictures.colourim, &workbench.pictures.intentim})
        canvas->setObserver(drawingObserver);
    setStartState(state);
    controls.coloursb.setValue(500);
    drawLanes(state);
    controls.tubebt.invoke();
    setShownScale(state);
    controls.tubebt.invoke();
    resetControls(controls);
}
