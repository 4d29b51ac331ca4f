// The retarding-voltage and intensity scroll bars.

#include "retardsteps.h"

#include "core/controls.h"
#include "core/viewmode.h"
#include "light.h"
#include "render/pictures.h"
#include "spectrum.h"

RetardSteps retardStepsAt(int position)
{
    const int small = position < 500 ? 1 : position < 1000 ? 2 : position < 2000 ? 3 : 5;
    return {small, 4 * small};
}

void LightSource::retardsbChange()
{
    Controls& controls = controls_;
    if (!isZoomed(controls))
        controls.tubebt.invoke();
    const RetardSteps steps = retardStepsAt(controls.retardsb.value());
    controls.retardsb.setSteps(steps.small, steps.large);
}

void LightSource::intensitysbChange()
{
    pictures_.intentim.Brush.Color = maskGrey(controls_.intensitysb.value());
    paintBeamQuadrilateral(pictures_.intentim);
    rebuildBeam();
}
